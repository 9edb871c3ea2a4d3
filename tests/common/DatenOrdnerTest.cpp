// Moving the data folder in temporary folders, with the questions answered from a script.
#include "common/DatenOrdner.h"
#include "common/Global.h"
#include "common/Ini.h"
#include "support/kern/TestUmgebung.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

class DatenOrdnerTest : public KartulonTest {
 protected:
  void SetUp() override {
    KartulonTest::SetUp();
    alt = tempPfad(QStringLiteral("alt"));
    neu = tempPfad(QStringLiteral("neu"));
    QDir().mkpath(alt);
    DatenOrdner = alt;
    MaskenOrdner = alt;
    vorher = QDir::currentPath();
  }
  void TearDown() override {
    QDir::setCurrent(vorher);
    KartulonTest::TearDown();
  }
  // The seven files that move and two that stay.
  void fuellen() {
    for (const char* name : {"kunden.dat", "Privat.DAT", "Konto_1.log", "konto_2.LOG", "brief.Msk", "liste.msk",
                             "Etikett.MSK", "Masken.Ini", "notiz.txt"})
      dateiSchreiben(alt + u'/' + QString::fromLatin1(name), QByteArray("Inhalt von ") + name);
  }
  // Ok to the question, the folder typed into the input box.
  void antworten(const QString& ordner) {
    dialoge().answer(vb::vbOK);
    dialoge().answerText(ordner);
  }
  QStringList dateien(const QString& ordner) const {
    return QDir(ordner).entryList(QDir::Files, QDir::Name | QDir::IgnoreCase);
  }
  QStringList meldungen() const {
    QStringList m;
    for (const auto& r : dialoge_().requests())
      if (r.kind == QStringLiteral("msgbox")) m << r.title;
    return m;
  }
  const ScriptedDialogs& dialoge_() const { return const_cast<DatenOrdnerTest*>(this)->dialoge(); }
  QString zedured() const { return windowsOrdner() + QStringLiteral("/Zedured.ini"); }
  QString zurirada() const { return programmOrdner() + QStringLiteral("/Zurirada.ini"); }
  static bool sichern() { return true; }

  QString alt, neu, vorher;
};

TEST_F(DatenOrdnerTest, MovesAddressFilesLogsAndMasksAndRecordsTheFolder) {
  fuellen();
  antworten(neu);
  dialoge().answer(vb::vbOK);
  EXPECT_TRUE(DatenOrdnerVerlegen(sichern));

  EXPECT_EQ(dateien(neu), QStringList({"brief.Msk", "Etikett.MSK", "Konto_1.log", "konto_2.LOG", "kunden.dat",
                                       "liste.msk", "Privat.DAT"}));
  EXPECT_EQ(dateien(alt), QStringList({"Masken.Ini", "notiz.txt"}));
  EXPECT_EQ(dateiLesen(neu + QStringLiteral("/Privat.DAT")), QByteArray("Inhalt von Privat.DAT"));
  EXPECT_EQ(DatenOrdner, neu);
  EXPECT_EQ(MaskenOrdner, neu);
  ASSERT_TRUE(IniSichern());
  EXPECT_EQ(dateiLesen(zedured()), "[Kartulon]\r\nDirData=" + neu.toLocal8Bit() + "\r\n");
  EXPECT_EQ(dateiLesen(zurirada()), "[Ordner]\r\nDirData=" + neu.toLocal8Bit() + "\r\n");

  const auto& r = dialoge().requests();
  ASSERT_EQ(r.size(), 3);
  EXPECT_EQ(r[0].style, 289);
  EXPECT_EQ(r[0].title, QStringLiteral("Daten-Ordner verlegen"));
  EXPECT_EQ(r[0].text,
            QStringLiteral("Derzeit werden die Kartulon-Daten im Ordner »") + alt +
                QStringLiteral("« abgelegt.\r\n\r\nWenn Sie einen neuen Ordner festlegen, dann wählen Sie bitte "
                               "einen, der nur für die Kartulon-Daten reserviert ist.\r\n\r\nMöchten Sie jetzt "
                               "einen neuen Ordner festlegen?"));
  EXPECT_EQ(r[1].kind, QStringLiteral("inputbox"));
  EXPECT_EQ(r[1].text, QStringLiteral("Geben Sie bitte einen neuen Ordner für die Kartulon-Daten ein."));
  EXPECT_EQ(r[1].standard, alt);
  EXPECT_EQ(r[2].text, QStringLiteral("Daten wurden in den Ordner »") + neu + QStringLiteral("« verlegt."));
  EXPECT_EQ(r[2].style, 64);
  EXPECT_EQ(r[2].title, QStringLiteral("Daten-Ordner verlegt."));
  // None of the boxes comes with a sound.
  EXPECT_TRUE(toene().aufrufe().isEmpty());
}

TEST_F(DatenOrdnerTest, TheSameFolderInAnotherSpellingStopsTheMove) {
  fuellen();
  QDir::setCurrent(tempPfad(QString()));
  ASSERT_TRUE(QFile::link(alt, tempPfad(QStringLiteral("verweis"))));
  const QString faelle[] = {alt + u'/',
                            alt + QStringLiteral("\\"),
                            alt.toUpper(),
                            alt + QStringLiteral("/./"),
                            alt + QStringLiteral("/../alt"),
                            QString(alt).replace(QStringLiteral("/alt"), QStringLiteral("//alt")),
                            QStringLiteral("alt"),
                            QStringLiteral("./alt/"),
                            tempPfad(QStringLiteral("verweis")),
                            QStringLiteral("verweis")};
  for (const QString& ordner : faelle) {
    SCOPED_TRACE(ordner.toStdString());
    dialoge().clear();
    antworten(ordner);
    EXPECT_FALSE(DatenOrdnerVerlegen(sichern));
    EXPECT_EQ(dialoge().requests().size(), 2);  // question and input, nothing after
    EXPECT_EQ(dateien(alt).size(), 9);
    EXPECT_EQ(DatenOrdner, alt);
  }
  EXPECT_FALSE(QFileInfo::exists(zurirada()));
}

TEST_F(DatenOrdnerTest, CancelOrNothingTypedChangesNothing) {
  fuellen();
  dialoge().answer(vb::vbCancel);
  EXPECT_FALSE(DatenOrdnerVerlegen(sichern));
  dialoge().answer(vb::vbOK);
  dialoge().answerCancel();
  EXPECT_FALSE(DatenOrdnerVerlegen(sichern));
  EXPECT_EQ(dialoge().requests().size(), 3);
  EXPECT_EQ(dateien(alt).size(), 9);
  EXPECT_FALSE(QFileInfo::exists(neu));
}

TEST_F(DatenOrdnerTest, AnOldFolderWithoutMatchingFilesRecordsNothing) {
  dateiSchreiben(alt + QStringLiteral("/Masken.Ini"), "x");
  antworten(neu);
  dialoge().answer(vb::vbOK);
  EXPECT_FALSE(DatenOrdnerVerlegen(sichern));
  ASSERT_EQ(dialoge().requests().size(), 3);
  EXPECT_EQ(dialoge().requests()[2].text,
            QStringLiteral("Irgend etwas ist beim Verlegen des Daten-Ordners schief gelaufen."));
  EXPECT_EQ(dialoge().requests()[2].style, 16);
  EXPECT_EQ(dialoge().requests()[2].title, QStringLiteral("Daten-Ordner nicht verlegt"));
  EXPECT_EQ(DatenOrdner, alt);
  ASSERT_TRUE(IniSichern());
  EXPECT_FALSE(QFileInfo::exists(zurirada()));
  EXPECT_EQ(IniLesen(QString(), QString(), QStringLiteral("DirData"), QStringLiteral("fehlt")),
            QStringLiteral("fehlt"));
}

TEST_F(DatenOrdnerTest, FilesAlreadyInTheNewFolderKeepTheirNamesakesInTheOldOne) {
  fuellen();
  QDir().mkpath(neu);
  dateiSchreiben(neu + QStringLiteral("/notiz.txt"), "andere Notiz");
  dateiSchreiben(neu + QStringLiteral("/kunden.dat"), "alter Stand im neuen Ordner");
  antworten(neu);
  dialoge().answer(vb::vbOK);
  EXPECT_TRUE(DatenOrdnerVerlegen(sichern));
  // Step by step the old folder loses only what this run copied.
  EXPECT_EQ(dateien(alt), QStringList({"Masken.Ini", "notiz.txt"}));
  EXPECT_EQ(dateiLesen(alt + QStringLiteral("/notiz.txt")), QByteArray("Inhalt von notiz.txt"));
  EXPECT_EQ(dateiLesen(neu + QStringLiteral("/notiz.txt")), QByteArray("andere Notiz"));
  EXPECT_EQ(dateiLesen(neu + QStringLiteral("/kunden.dat")), QByteArray("Inhalt von kunden.dat"));
}

TEST_F(DatenOrdnerTest, AFailedCopyIsReportedOnceAndAbbrechenStops) {
  fuellen();
  // A folder of the address file's name in the new folder: that copy cannot be made.
  QDir().mkpath(neu + QStringLiteral("/Privat.DAT"));
  struct Fall {
    const char* was;
    int antwort;
    bool verlegt;
    QStringList imNeuen;
  };
  const Fall faelle[] = {
      {"Abbrechen: what was copied stays, nothing is deleted or recorded", vb::vbCancel, false, {"kunden.dat"}},
      {"Nein: the move goes on without that file",
       vb::vbNo,
       true,
       {"brief.Msk", "Etikett.MSK", "Konto_1.log", "konto_2.LOG", "kunden.dat", "liste.msk"}},
  };
  for (const Fall& f : faelle) {
    SCOPED_TRACE(f.was);
    dialoge().clear();
    antworten(neu);
    dialoge().answer(f.antwort);
    dialoge().answer(vb::vbOK);
    EXPECT_EQ(DatenOrdnerVerlegen(sichern), f.verlegt);
    int fehler = 0;
    for (const auto& r : dialoge().requests())
      if (r.text.contains(QStringLiteral("Es ist ein Fehler beim Daten verlegen aufgetreten."))) ++fehler;
    EXPECT_EQ(fehler, 1);
    EXPECT_EQ(dateien(neu), f.imNeuen);
    // The address file that did not arrive is still in the old folder.
    EXPECT_TRUE(QFileInfo::exists(alt + QStringLiteral("/Privat.DAT")));
    EXPECT_EQ(DatenOrdner, f.verlegt ? neu : alt);
    if (!f.verlegt) {
      EXPECT_EQ(dateien(alt).size(), 9);
    }
  }
}

TEST_F(DatenOrdnerTest, TheOpenFileIsSavedFirstAndFollowsItsCopy) {
  fuellen();
  AktuelleDatei = alt + QStringLiteral("/kunden.dat");
  // A save that fails stops the move before anything is copied.
  antworten(neu);
  EXPECT_FALSE(DatenOrdnerVerlegen([] { return false; }));
  EXPECT_EQ(dateien(alt).size(), 9);
  EXPECT_EQ(AktuelleDatei, alt + QStringLiteral("/kunden.dat"));

  bool gesichert = false;
  antworten(neu);
  dialoge().answer(vb::vbOK);
  EXPECT_TRUE(DatenOrdnerVerlegen([&] {
    gesichert = true;
    return true;
  }));
  EXPECT_TRUE(gesichert);
  EXPECT_EQ(AktuelleDatei, neu + QStringLiteral("/kunden.dat"));
}

TEST_F(DatenOrdnerTest, ARelativeFolderIsRecordedWithItsFullPath) {
  fuellen();
  QDir::setCurrent(tempPfad(QString()));
  antworten(QStringLiteral("woanders/daten\\"));
  dialoge().answer(vb::vbOK);
  EXPECT_TRUE(DatenOrdnerVerlegen(sichern));
  const QString voll = tempPfad(QStringLiteral("woanders/daten"));
  EXPECT_EQ(DatenOrdner, voll);
  EXPECT_EQ(dateien(voll).size(), 7);
  EXPECT_EQ(IniLesen(QString(), QString(), QStringLiteral("DirData"), QString()), voll);
}
