// Loading an address file into the main window: the table, the position memory, the per-file settings,
// read-only mode and the reservation, and files that cannot be read whole.
#include "common/Global.h"
#include "common/GrossKlein.h"
#include "common/Ini.h"
#include "mainwindow/AdressdateiFixture.h"
#include "mainwindow/Main.h"
#include "platform/vb/Clock.h"
#include "store/Datensatz.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

using DatenLadenTest = AdressdateiTest;

TEST_F(DatenLadenTest, AFileWithHeaderLoadsIntoTheTable) {
  const QString a = zeileAus({{0, "Privat"}, {1, "Meier"}, {23, "1"}});
  const QString b = zeileAus({{0, " "}, {1, "Weber"}, {23, "2"}});
  adressdatei("..Privat\r\n" + (a + "\r\n" + b + "\r\n").toLatin1());
  Geaendert = 1;
  m().DatenLaden();
  EXPECT_EQ(m().Liste->items(), QStringList({a, b}));
  EXPECT_EQ(DateiBeschreibung, QStringLiteral("Privat"));
  EXPECT_EQ(m().Caption(), QStringLiteral("Privat"));
  EXPECT_EQ(Geaendert, 0);
  EXPECT_EQ(m().Liste->ListIndex(), 0);  // no stored position: the first record
  EXPECT_EQ(m().Feld(1).Text(), QStringLiteral("Meier"));
  EXPECT_EQ(AktuellerDatensatz, a);
  EXPECT_EQ(panel("Status"), QStringLiteral("Bereit"));
  EXPECT_EQ(panel("Position"), QStringLiteral(" Pos. 1 von 2 "));
  EXPECT_EQ(NurLesen, 0);
  EXPECT_EQ(reservierung("User"), QStringLiteral("Maier"));
  EXPECT_TRUE(dialoge().requests().isEmpty());
}

TEST_F(DatenLadenTest, AMissingFileIsCreatedAndLoadsEmpty) {
  m().DatenLaden();
  EXPECT_EQ(dateiLesen(AktuelleDatei), QByteArray(23, '\t') + "\r\n");
  EXPECT_EQ(m().Liste->ListCount(), 0);
  EXPECT_EQ(m().Liste->ListIndex(), -1);
  EXPECT_EQ(DateiBeschreibung, GrossKlein(QStringLiteral("kunden")));
  EXPECT_EQ(m().Caption(), DateiBeschreibung);
  EXPECT_EQ(NurLesen, 0);
}

// A header line of a bare ".." names nothing: the file is described by its base name, as without a header.
TEST_F(DatenLadenTest, ABareHeaderLineGivesTheBaseNameAsDescriptionAndCaption) {
  const QString a = zeileAus({{0, "..Firma"}, {1, "Meier"}, {23, "1"}});
  adressdatei("..\r\n" + a.toLatin1() + "\r\n");
  m().DatenLaden();
  EXPECT_EQ(DateiBeschreibung, QStringLiteral("Kunden"));
  EXPECT_EQ(m().Caption(), QStringLiteral("Kunden"));
  EXPECT_EQ(m().Liste->items(), QStringList{a});
  EXPECT_TRUE(dialoge().requests().isEmpty());
}

TEST_F(DatenLadenTest, AnEmptyFileGivesAnEmptyTableAndCaption) {
  m().Liste->setItems({zeileAus({{1, "alt"}})});
  m().Liste->setListIndex(0);
  adressdatei("");
  m().DatenLaden();
  EXPECT_EQ(m().Liste->ListCount(), 0);
  EXPECT_EQ(DateiBeschreibung, QString());
  EXPECT_EQ(m().Caption(), QString());
  EXPECT_EQ(m().Feld(1).Text(), QString());  // the previous file's record is not left on screen
}

TEST_F(DatenLadenTest, TheRememberedPositionIsSelected) {
  QByteArray datei = "..Liste\r\n";
  for (int i = 0; i < 20; ++i) datei += zeileAus({{1, QStringLiteral("Name%1").arg(i)}}).toLatin1() + "\r\n";
  adressdatei(datei);
  const QString key = QStringLiteral("User_Maier_kunden_Pos");
  const std::pair<const char*, int> faelle[] = {{" 7", 7}, {" 500", 19}, {"-1", 0}, {"abc", 0}};
  for (const auto& [wert, index] : faelle) {
    IniSchreiben(QString(), QString(), key, QString::fromLatin1(wert));
    m().DatenLaden();
    EXPECT_EQ(m().Liste->ListIndex(), index) << wert;
    EXPECT_EQ(m().Feld(1).Text(), QStringLiteral("Name%1").arg(index)) << wert;
  }
  m().Liste->setListIndex(12);
  m().ListenPositionSpeichern();
  EXPECT_TRUE(dateiLesen(windowsOrdner() + QStringLiteral("/Zedured.ini")).contains("User_Maier_kunden_Pos= 12\r\n"));
  m().Liste->setListIndex(-1);
  m().ListenPositionSpeichern();
  EXPECT_EQ(IniLesen(QString(), QString(), key, QString()), QStringLiteral("-1"));
  NurLesen = -1;
  m().Liste->setListIndex(3);
  m().ListenPositionSpeichern();
  EXPECT_EQ(IniLesen(QString(), QString(), key, QString()), QStringLiteral("-1"));
}

TEST_F(DatenLadenTest, PerFileSettings) {
  adressdatei("..A\r\n" + zeileAus({{1, "Meier"}}).toLatin1() + "\r\n");
  const QString sektion = QStringLiteral("kunden.dat");
  auto setzen = [&](const char* key, const char* wert) {
    IniSchreiben(IniDatei, sektion, QString::fromLatin1(key), QString::fromLatin1(wert));
  };
  setzen("NoTabStop_03", "1");
  setzen("NoTabStop_4", "1");  // two digits are required
  setzen("TimeOut_Maier", "600");
  setzen("TimeOut_Weber", "60");
  m().DatenLaden();
  EXPECT_FALSE(m().Feld(3).TabStop());
  EXPECT_TRUE(m().Feld(4).TabStop());
  EXPECT_EQ(TimeOutSekunden, 600);
  EXPECT_FALSE(m().mnuPrnUmschlagsfenster->Visible());
  EXPECT_FALSE(m().Feld(1).Locked());
  EXPECT_TRUE(m().Feld(15).Locked());
  EXPECT_TRUE(m().Feld(16).Locked());
  EXPECT_EQ(m().Toolbar->Button(QStringLiteral("Ende"))->toolTip(), QStringLiteral("Speichern und Ende"));
  for (const auto& [feld, item] : m().mnuSort) EXPECT_TRUE(item->Enabled()) << feld;

  const std::pair<const char*, int> readOnly[] = {{"2", 0}, {"0", 0}, {"1", -1}, {"-1", -1}};
  for (const auto& [wert, erwartet] : readOnly) {
    setzen("ReadOnly", wert);
    setzen("VorloUndMisa", "1");
    m().DatenLaden();
    EXPECT_EQ(NurLesen, erwartet) << wert;
    EXPECT_TRUE(m().mnuPrnUmschlagsfenster->Visible());
  }
  // Read-only: the commands that change the file are off, the fields locked, and the file not reserved.
  EXPECT_EQ(m().Caption(), QStringLiteral("A - nur Leserechte"));
  for (vb::MenuItem* item :
       {m().PulSichern, m().PulEnde, m().PulEinfügen, m().PulSort, m().mnuAdrImport, m().mnuMaskenEdit})
    EXPECT_FALSE(item->Enabled()) << item->objectName().toStdString();
  // The sort menu's items too, so that their shortcuts cannot sort a read-only table.
  for (const auto& [feld, item] : m().mnuSort) EXPECT_FALSE(item->Enabled()) << feld;
  EXPECT_TRUE(m().PulSuchen->Enabled());
  EXPECT_FALSE(m().Toolbar->Button(QStringLiteral("Speichern"))->isEnabled());
  EXPECT_FALSE(m().Toolbar->Button(QStringLiteral("OrdneAZ"))->isEnabled());
  EXPECT_EQ(m().Toolbar->Button(QStringLiteral("Ende"))->toolTip(), QStringLiteral("Programm beenden"));
  EXPECT_TRUE(m().Feld(1).Locked());
}

TEST_F(DatenLadenTest, MoreThan32000RecordsOpenReadOnlyWithTheMessage) {
  for (const int zusatz : {0, 1}) {
    SCOPED_TRACE(zusatz);
    dialoge().clear();
    QByteArray datei = "..Viele\r\n";
    for (int i = 0; i < kMaxDatensaetze + zusatz; ++i) datei += "x\t" + QByteArray::number(i) + "\t\r\n";
    adressdatei(datei);
    m().DatenLaden();
    EXPECT_EQ(m().Liste->ListCount(), kMaxDatensaetze);
    if (zusatz == 0) {
      EXPECT_TRUE(dialoge().requests().isEmpty());
      EXPECT_EQ(NurLesen, 0);
      continue;
    }
    ASSERT_EQ(dialoge().requests().size(), 1);
    const auto& r = dialoge().requests().first();
    EXPECT_EQ(r.text, QStringLiteral("Eine Adressdatei ist auf maximal 32000 Kartulon beschränkt.\r\r"
                                     "Die letzten Kartulon sind nicht eingelesen worden!"));
    EXPECT_EQ(r.title, QStringLiteral("Kartulon meldet Speicherproblem"));
    EXPECT_EQ(r.style, vb::vbOKOnly | vb::vbExclamation);
    EXPECT_EQ(NurLesen, -1);
    EXPECT_EQ(m().Caption(), QStringLiteral("Viele - nur Leserechte"));
    // A save can never cut the file short.
    Geaendert = 1;
    EXPECT_TRUE(m().DatenSpeichern());
    EXPECT_EQ(dateiLesen(AktuelleDatei), datei);
  }
}

TEST_F(DatenLadenTest, AFileThatCannotBeReadIsNeverCreatedOver) {
  // A path that cannot be created (its parent is a file). A folder of the file's name has a message of
  // its own (AFolderOfTheFilesNameIsNoAddressFileAndNothingOpens).
  AktuelleDatei = dateiSchreiben(tempPfad(QStringLiteral("datei.txt")), "x") + QStringLiteral("/kunden.dat");
  m().Liste->setItems({zeileAus({{1, "vorher"}})});
  dialoge().answer(vb::vbNo);  // go on after the error
  m().DatenLaden();
  ASSERT_FALSE(dialoge().requests().isEmpty());
  EXPECT_TRUE(dialoge().requests().first().text.contains(QStringLiteral("Es ist ein Fehler aufgetreten.")));
  EXPECT_EQ(m().Liste->ListCount(), 0);
  EXPECT_EQ(NurLesen, -1);
  EXPECT_TRUE(m().Caption().endsWith(QStringLiteral(" - nur Leserechte")));
  Geaendert = 1;
  EXPECT_TRUE(m().DatenSpeichern());  // read-only: nothing is written
  EXPECT_EQ(dateiLesen(tempPfad(QStringLiteral("datei.txt"))), QByteArray("x"));
  EXPECT_TRUE(reservierung("User").isEmpty());
}

// A folder that carries the address file's name: the window says in plain words that it is a folder and
// no address file, as for a file that is none, and opens nothing (read-only, an empty table).
TEST_F(DatenLadenTest, AFolderOfTheFilesNameIsNoAddressFileAndNothingOpens) {
  const QString ordner = AktuelleDatei;
  QDir().mkpath(ordner);
  dateiSchreiben(ordner + QStringLiteral("/inhalt.txt"), "bleibt");
  m().Liste->setItems({zeileAus({{1, "vorher"}})});
  m().DatenLaden();
  ASSERT_EQ(dialoge().requests().size(), 1);
  const auto& r = dialoge().requests().first();
  EXPECT_EQ(r.text, QStringLiteral("Der Ordner »") + ordner +
                        QStringLiteral("« ist keine Adressdatei. Er wird nicht geöffnet."));
  EXPECT_EQ(r.title, QStringLiteral("Kartulon"));
  EXPECT_EQ(r.style, vb::vbOKOnly | vb::vbExclamation);
  EXPECT_EQ(m().Liste->ListCount(), 0);
  EXPECT_EQ(NurLesen, -1);
  EXPECT_TRUE(m().Feld(1).Locked());
  EXPECT_EQ(m().Caption(), QStringLiteral(" - nur Leserechte"));
  Geaendert = 1;
  EXPECT_TRUE(m().DatenSpeichern());  // read-only: nothing is written
  EXPECT_TRUE(QFileInfo(ordner).isDir());
  EXPECT_EQ(QDir(ordner).entryList(QDir::Files), QStringList{QStringLiteral("inhalt.txt")});
  EXPECT_EQ(dateiLesen(ordner + QStringLiteral("/inhalt.txt")), QByteArray("bleibt"));
  EXPECT_TRUE(reservierung("User").isEmpty());
}

TEST_F(DatenLadenTest, CancelAfterAReadErrorStaysReadOnly) {
  // A file that cannot be created: its folder is a file.
  AktuelleDatei = dateiSchreiben(tempPfad(QStringLiteral("datei.txt")), "x") + QStringLiteral("/kunden.dat");
  NurLesen = 0;
  dialoge().answer(vb::vbCancel);
  m().DatenLaden();
  EXPECT_EQ(NurLesen, -1);
  EXPECT_TRUE(m().Feld(1).Locked());
  EXPECT_FALSE(m().PulSichern->Enabled());
  EXPECT_EQ(m().Caption(), QStringLiteral(" - nur Leserechte"));
  EXPECT_TRUE(reservierung("User").isEmpty());
  Geaendert = 1;
  EXPECT_TRUE(m().DatenSpeichern());
  EXPECT_FALSE(QFileInfo::exists(AktuelleDatei));
}

TEST_F(DatenLadenTest, TheReservationIsRenewedWhileTheFileIsHeld) {
  adressdatei("..A\r\n" + zeileAus({{1, "Meier"}}).toLatin1() + "\r\n");
  m().DatenLaden();
  ASSERT_EQ(reservierung("Seit"), QStringLiteral("10.12.2026 12:00:00"));
  ASSERT_NE(m().ZeitReservierung, nullptr);
  EXPECT_TRUE(m().ZeitReservierung->Enabled());
  EXPECT_LE(m().ZeitReservierung->Interval(), 30 * 60 * 1000);
  Clock::advance(25 * 60 * 1000);
  m().ZeitReservierung->Tick();
  EXPECT_EQ(reservierung("Seit"), QStringLiteral("10.12.2026 12:25:00"));
  // Every save renews it too.
  Clock::advance(10 * 60 * 1000);
  m().Feld(2).setText(QStringLiteral("Anna"));
  m().AdresseAktualisieren(0);
  ASSERT_TRUE(m().DatenSpeichern());
  EXPECT_EQ(reservierung("Seit"), QStringLiteral("10.12.2026 12:35:00"));
  EXPECT_EQ(reservierung("User"), QStringLiteral("Maier"));
  // Given up: released, and no longer renewed.
  m().Daten_Schließen();
  EXPECT_EQ(reservierung("User"), QString());
  EXPECT_FALSE(m().ZeitReservierung->Enabled());
  Clock::advance(25 * 60 * 1000);
  m().ZeitReservierung_Timer();
  EXPECT_EQ(reservierung("User"), QString());
  EXPECT_EQ(reservierung("Seit"), QStringLiteral("10.12.2026 12:35:00"));
}

// A file that holds NUL bytes is no text file: it opens read-only with a message naming it, so that no
// keystroke can rewrite it as an address file.
TEST_F(DatenLadenTest, AFileWithNulBytesOpensReadOnly) {
  const QByteArray binaer(
      "\x7F"
      "ELF\x02\x01\x01\0\0\0\0\0\0\0\0\0\x03\0>\0\r\nx\ty\t\r\n",
      28);
  adressdatei(binaer);
  m().DatenLaden();
  ASSERT_EQ(dialoge().requests().size(), 1);
  const auto& r = dialoge().requests().first();
  EXPECT_EQ(r.text, QStringLiteral("Die Datei »") + AktuelleDatei +
                        QStringLiteral("« ist keine Adressdatei. Sie wird nur zum Lesen geöffnet."));
  EXPECT_EQ(r.style, vb::vbOKOnly | vb::vbExclamation);
  EXPECT_EQ(NurLesen, -1);
  EXPECT_TRUE(m().Feld(1).Locked());
  EXPECT_TRUE(m().Caption().endsWith(QStringLiteral(" - nur Leserechte")));
  Geaendert = 1;
  EXPECT_TRUE(m().DatenSpeichern());
  EXPECT_EQ(dateiLesen(AktuelleDatei), binaer);
}
