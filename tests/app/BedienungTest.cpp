// The real program on its own X server, used as a person would: it starts on a small address file, a
// town is changed, a birthday typed, a new address entered with the town from the postcode catalogue,
// and the toolbar's Ende key saves and ends it. The saved file is checked byte by byte.
#include "mainwindow/Main.h"
#include "platform/vb/Codec.h"
#include "platform/vb/ListModel.h"
#include "support/VirtuellerBildschirm.h"
#include "support/kern/TestUmgebung.h"
#include "support/kern/Warten.h"

#include <QDate>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTest>

namespace {

// Runs a short helper command and returns its output ("" on failure or time-out).
QString ausgabe(const QString& programm, const QStringList& argumente, const QProcessEnvironment& umgebung) {
  QProcess p;
  p.setProcessEnvironment(umgebung);
  p.start(programm, argumente);
  if (!p.waitForFinished(10000)) {
    p.kill();
    p.waitForFinished();
    return {};
  }
  return QString::fromLocal8Bit(p.readAllStandardOutput()).trimmed();
}

class BedienungTest : public KartulonTest {
 protected:
  void TearDown() override {
    if (programm_ && programm_->state() != QProcess::NotRunning) {
      programm_->kill();
      programm_->waitForFinished(5000);
    }
    KartulonTest::TearDown();
  }

  bool xServerStarten(QString& warum) {
    if (bildschirm_.starten()) return true;
    warum = bildschirm_.warum();
    return false;
  }

  QProcessEnvironment umgebung() const {
    QProcessEnvironment u = QProcessEnvironment::systemEnvironment();
    u.insert(QStringLiteral("DISPLAY"), bildschirm_.anzeige());
    u.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
    u.insert(QStringLiteral("KARTULON_HOME"), lauf(QStringLiteral("programm")));
    u.insert(QStringLiteral("KARTULON_WINDIR"), lauf(QStringLiteral("windows")));
    return u;
  }
  // Keys and clicks reach the program in the order they were sent; what opens a window is waited for.
  QString xdotool(const QStringList& argumente) { return ausgabe(QStringLiteral("xdotool"), argumente, umgebung()); }
  // What the search finds first, asked again until it finds something (up to 30 s, while the program
  // runs); "" when nothing came.
  QString warten(const QStringList& suche) {
    QString gefunden;
    WartenBis(
        [&] {
          gefunden = xdotool(QStringList{QStringLiteral("search"), QStringLiteral("--onlyvisible")} + suche)
                         .section(u'\n', 0, 0);
          return !gefunden.isEmpty() || programm_->state() == QProcess::NotRunning;
        },
        30000, 100);
    return gefunden;
  }
  // Waits until the menu that the last key opened is there: it holds the keyboard from then on, so the
  // key of its item reaches it. The program's visible windows are then its window and the menu.
  void menueAbwarten() {
    const QStringList pid{QStringLiteral("search"), QStringLiteral("--onlyvisible"), QStringLiteral("--pid"),
                          QString::number(programm_->processId())};
    ASSERT_TRUE(WartenBis([&] { return xdotool(pid).split(u'\n', Qt::SkipEmptyParts).size() == 2; }, 10000, 100))
        << "no menu opened";
  }
  // The program's first visible window.
  QString programmFenster() { return warten({QStringLiteral("--pid"), QString::number(programm_->processId())}); }
  // The first visible window whose caption matches the pattern.
  QString fensterNamens(const QString& muster) { return warten({QStringLiteral("--name"), muster}); }
  // True once no visible window's caption matches the pattern (up to 30 s).
  bool fensterZu(const QString& muster) {
    return WartenBis(
        [&] {
          return xdotool({QStringLiteral("search"), QStringLiteral("--onlyvisible"), QStringLiteral("--name"), muster})
              .isEmpty();
        },
        30000, 100);
  }
  void tippen(const QString& text) {
    xdotool({QStringLiteral("type"), QStringLiteral("--delay"), QStringLiteral("40"), QStringLiteral("--"), text});
  }
  void taste(const QString& tasten) { xdotool(QStringList{QStringLiteral("key")} + tasten.split(u' ')); }
  // A click into the middle of a control, at its place in the program's window.
  void klick(QWidget* w) {
    const QPoint p = w->mapTo(&Main::get(), w->rect().center());
    xdotool({QStringLiteral("mousemove"), QStringLiteral("--window"), fenster_, QString::number(p.x()),
             QString::number(p.y()), QStringLiteral("click"), QStringLiteral("1")});
  }
  QWidget* knopf(const char16_t* key) {
    return Main::get().Toolbar->widgetForAction(Main::get().Toolbar->Button(QString::fromUtf16(key)));
  }

  // Prepares an automated run on a small address file and starts the program with the arguments; the
  // window is found and focused, and the measuring window in this process gets its size. Returns the
  // address file's path.
  QString starten(const QStringList& argumente, const QByteArray& datei) {
    dateiSchreiben(lauf(QStringLiteral("windows/Zedured.ini")),
                   "[Allgemein]\r\nL\xe4nderHinweis=0\r\n[Kartulon]\r\nTitelAus=1\r\nAutoTip=0\r\n");
    dateiSchreiben(lauf(QStringLiteral("programm/ZurIrada.ini")), "[Allgemein]\r\nNoInstanceWatch=1\r\n");
    const QString pfad = dateiSchreiben(lauf(QStringLiteral("programm/kartulon.dat")), datei);
    programm_ = std::make_unique<QProcess>();
    programm_->setProcessEnvironment(umgebung());
    programm_->start(QStringLiteral(KARTULON_BINARY), argumente);
    if (!programm_->waitForStarted(5000)) {
      ADD_FAILURE() << "the program does not start";
      return {};
    }
    fenster_ = programmFenster();
    if (fenster_.isEmpty()) {
      ADD_FAILURE() << "the program shows no window: " << programm_->readAllStandardError().toStdString();
      return {};
    }
    xdotool({QStringLiteral("windowfocus"), QStringLiteral("--sync"), fenster_});
    const QString geometrie = xdotool({QStringLiteral("getwindowgeometry"), fenster_});
    const QRegularExpressionMatch groesse =
        QRegularExpression(QStringLiteral("Geometry: (\\d+)x(\\d+)")).match(geometrie);
    if (!groesse.hasMatch()) {
      ADD_FAILURE() << geometrie.toStdString();
      return {};
    }
    Main::get().resize(groesse.captured(1).toInt(), groesse.captured(2).toInt());
    Main::get().show();
    QCoreApplication::processEvents();
    return pfad;
  }

  // The program's own folders, apart from this process's, which the measuring window uses.
  QString lauf(const QString& name) const { return laufOrdner_.path() + u'/' + name; }

  QTemporaryDir laufOrdner_;
  VirtuellerBildschirm bildschirm_;
  std::unique_ptr<QProcess> programm_;
  QString fenster_;
};

QByteArray zeile(std::initializer_list<std::pair<int, QString>> felder) { return zeileAus(felder).toLatin1() + "\r\n"; }

TEST_F(BedienungTest, APersonEditsAddressesAndEndsTheProgram) {
  QString warum;
  if (!xServerStarten(warum)) GTEST_SKIP() << "no X server can be started (" << warum.toStdString() << ")";
  ASSERT_FALSE(QStandardPaths::findExecutable(QStringLiteral("xdotool")).isEmpty()) << "xdotool is not installed";

  // Settings for an automated run: no regional-settings warning, no single-instance guard, no tip.
  dateiSchreiben(lauf(QStringLiteral("windows/Zedured.ini")),
                 "[Allgemein]\r\nL\xe4nderHinweis=0\r\n[Kartulon]\r\nTitelAus=1\r\nAutoTip=0\r\nAdressIndex=10\r\n");
  dateiSchreiben(lauf(QStringLiteral("programm/ZurIrada.ini")), "[Allgemein]\r\nNoInstanceWatch=1\r\n");
  dateiSchreiben(lauf(QStringLiteral("programm/Kataloge/D-PLZ_Ort_2.txt")), "[PLZ]\r\n22765=Hamburg-Altona\r\n");
  const QString alt = QStringLiteral("01.01.2020");
  QByteArray datei = "..Testadressen\r\n";
  datei += zeile({{0, " "},
                  {1, "Meier"},
                  {2, "Hans"},
                  {3, "Hauptstr. 1"},
                  {4, "89073"},
                  {5, "Ulm"},
                  {15, alt},
                  {16, alt},
                  {23, "1"}});
  datei += zeile({{0, "Privat"}, {1, "Schulz"}, {2, "Eva"}, {5, "Bonn"}, {15, alt}, {16, alt}, {23, "2"}});
  const QString dateiPfad = dateiSchreiben(lauf(QStringLiteral("programm/kartulon.dat")), datei);

  programm_ = std::make_unique<QProcess>();
  programm_->setProcessEnvironment(umgebung());
  programm_->start(QStringLiteral(KARTULON_BINARY), {});
  ASSERT_TRUE(programm_->waitForStarted(5000));
  fenster_ = programmFenster();
  ASSERT_FALSE(fenster_.isEmpty()) << "the program shows no window: "
                                   << programm_->readAllStandardError().toStdString();
  xdotool({QStringLiteral("windowfocus"), QStringLiteral("--sync"), fenster_});

  // The same window in this process tells where its controls are: same size, same fonts.
  const QString geometrie = xdotool({QStringLiteral("getwindowgeometry"), fenster_});
  const QRegularExpressionMatch groesse =
      QRegularExpression(QStringLiteral("Geometry: (\\d+)x(\\d+)")).match(geometrie);
  ASSERT_TRUE(groesse.hasMatch()) << geometrie.toStdString();
  Main& m = Main::get();
  m.resize(groesse.captured(1).toInt(), groesse.captured(2).toInt());
  m.show();
  QCoreApplication::processEvents();

  // A changed town and a birthday for the first address.
  klick(&m.Feld(5));
  taste(QStringLiteral("End shift+Home"));
  tippen(QStringLiteral("Neu-Ulm"));
  klick(&m.Feld(20));
  tippen(QStringLiteral("1 2 1999"));
  taste(QStringLiteral("Tab"));  // leaving the box writes the date in full and stores it

  // A new address; Enter moves on, the town comes from the postcode with its district selected.
  klick(knopf(u"ListeNeu"));
  tippen(QStringLiteral("Erika"));
  taste(QStringLiteral("Return"));
  tippen(QStringLiteral("Musterfrau"));
  taste(QStringLiteral("Return"));
  tippen(QStringLiteral("Lindenweg 3"));
  taste(QStringLiteral("Return"));
  tippen(QStringLiteral("22765"));
  taste(QStringLiteral("Return"));
  tippen(QStringLiteral("-Ottensen"));
  taste(QStringLiteral("Return"));

  klick(knopf(u"Ende"));
  ASSERT_TRUE(programm_->waitForFinished(15000)) << "the Ende key did not end the program";
  EXPECT_EQ(programm_->exitStatus(), QProcess::NormalExit);

  const QString heute = QDate::currentDate().toString(QStringLiteral("dd.MM.yyyy"));
  QByteArray erwartet = "..Testadressen\r\n";
  erwartet += zeile({{0, " "},
                     {1, "Meier"},
                     {2, "Hans"},
                     {3, "Hauptstr. 1"},
                     {4, "89073"},
                     {5, "Neu-Ulm"},
                     {15, alt},
                     {16, heute},
                     {20, "01.02.1999"},
                     {23, "1"}});
  erwartet += zeile({{0, "Privat"}, {1, "Schulz"}, {2, "Eva"}, {5, "Bonn"}, {15, alt}, {16, alt}, {23, "2"}});
  erwartet += zeile({{0, " "},
                     {1, "Musterfrau"},
                     {2, "Erika"},
                     {3, "Lindenweg 3"},
                     {4, "22765"},
                     {5, "Hamburg-Ottensen"},
                     {15, heute},
                     {16, heute},
                     {23, "10"}});
  // As std::string: compared byte by byte, and a difference shows readably.
  EXPECT_EQ(dateiLesen(dateiPfad).toStdString(), erwartet.toStdString());
}

// The menus from the keyboard, as a new user tries them: a letter typed into a field box, then "&Datei"
// with Alt+D and "Bee&nden" with N: the program ends without saving, so the file stays as it was. With
// "Speichern und Be&enden" (E) instead, the letter is saved.
TEST_F(BedienungTest, TheFileMenuFromTheKeyboard) {
  QString warum;
  if (!xServerStarten(warum)) GTEST_SKIP() << "no X server can be started (" << warum.toStdString() << ")";
  ASSERT_FALSE(QStandardPaths::findExecutable(QStringLiteral("xdotool")).isEmpty()) << "xdotool is not installed";
  const QByteArray datei = "..Testadressen\r\n" + zeile({{1, "Meier"}, {2, "Hans"}, {23, "1"}});
  for (const char* zugriff : {"n", "e"}) {
    SCOPED_TRACE(zugriff);
    fenster_.clear();
    const QString pfad = starten({}, datei);
    ASSERT_FALSE(pfad.isEmpty());
    klick(&Main::get().Feld(1));
    taste(QStringLiteral("End"));
    tippen(QStringLiteral("x"));
    taste(QStringLiteral("alt+d"));
    menueAbwarten();
    taste(QString::fromLatin1(zugriff));
    ASSERT_TRUE(programm_->waitForFinished(15000)) << "Alt+D did not end the program";
    EXPECT_EQ(programm_->exitStatus(), QProcess::NormalExit);
    if (*zugriff == 'n') {
      EXPECT_EQ(dateiLesen(pfad).toStdString(), datei.toStdString());
    } else {
      EXPECT_TRUE(dateiLesen(pfad).contains("\tMeierx\t")) << dateiLesen(pfad).toStdString();
    }
  }
}

// Started read-only, F12 (save and end) is off: the program keeps running.
TEST_F(BedienungTest, ReadOnlyTheSaveAndEndKeyDoesNothing) {
  QString warum;
  if (!xServerStarten(warum)) GTEST_SKIP() << "no X server can be started (" << warum.toStdString() << ")";
  ASSERT_FALSE(QStandardPaths::findExecutable(QStringLiteral("xdotool")).isEmpty()) << "xdotool is not installed";
  const QByteArray datei = "..Testadressen\r\n" + zeile({{1, "Meier"}, {2, "Hans"}, {23, "1"}});
  const QString pfad = starten({QStringLiteral("readonly")}, datei);
  ASSERT_FALSE(pfad.isEmpty());
  taste(QStringLiteral("F12"));
  EXPECT_FALSE(programm_->waitForFinished(1500)) << "F12 ended the read-only program";
  // "Beenden" still works.
  taste(QStringLiteral("alt+d"));
  menueAbwarten();
  taste(QStringLiteral("n"));
  ASSERT_TRUE(programm_->waitForFinished(15000)) << "Alt+D, N did not end the program";
  EXPECT_EQ(dateiLesen(pfad).toStdString(), datei.toStdString());
}

// The settings as a new user changes one: "&Weiteres", "&Einstellungen..." from the keyboard, the check
// box "&Leerzeichen abschneiden" by its access key, Return closes the dialog. Zedured.ini then holds every
// switch of the dialog as it writes them.
TEST_F(BedienungTest, ASettingChangedInTheSettingsDialog) {
  QString warum;
  if (!xServerStarten(warum)) GTEST_SKIP() << "no X server can be started (" << warum.toStdString() << ")";
  ASSERT_FALSE(QStandardPaths::findExecutable(QStringLiteral("xdotool")).isEmpty()) << "xdotool is not installed";
  const QString pfad = starten({}, "..Testadressen\r\n" + zeile({{1, "Meier"}, {23, "1"}}));
  ASSERT_FALSE(pfad.isEmpty());
  taste(QStringLiteral("alt+w"));
  menueAbwarten();
  taste(QStringLiteral("e"));
  const QString einstellungen = fensterNamens(QStringLiteral("^Einstellungen$"));
  ASSERT_FALSE(einstellungen.isEmpty()) << "the settings dialog did not open";
  // Its access keys work once the dialog is the active window, which it makes itself when it shows.
  ASSERT_TRUE(WartenBis([&] { return xdotool({QStringLiteral("getwindowfocus")}) == einstellungen; }, 10000, 50))
      << "the settings dialog did not take the focus";
  taste(QStringLiteral("alt+l"));
  // An access key clicks its box as Qt animates a click: the box changes a tenth of a second later, and
  // nothing outside the program shows when. Return before that would store the box unchanged.
  QTest::qWait(500);
  taste(QStringLiteral("Return"));
  EXPECT_TRUE(fensterZu(QStringLiteral("^Einstellungen$"))) << "Return did not close the settings dialog";
  // Without a window manager nobody gives the main window the focus back.
  xdotool({QStringLiteral("windowfocus"), QStringLiteral("--sync"), fenster_});
  taste(QStringLiteral("alt+d"));
  menueAbwarten();
  taste(QStringLiteral("n"));
  ASSERT_TRUE(programm_->waitForFinished(15000)) << "Alt+D, N did not end the program";

  QList<QByteArray> zeilen;
  for (const QByteArray& z : dateiLesen(lauf(QStringLiteral("windows/Zedured.ini"))).split('\n'))
    for (const char* key : {"Auswahl\xD6"
                            "ffnen=",
                            "OrtAusPlz=", "AutoSucheDoppeltenNamen=", "AutoFormatUCase=", "AutoFormatTrim=",
                            "SortAtClose=", "KatalogStdLand="})
      if (z.startsWith(key)) zeilen << z;
  EXPECT_EQ(zeilen, QList<QByteArray>({"Auswahl\xD6"
                                       "ffnen= 0\r",
                                       "OrtAusPlz= 1\r", "AutoSucheDoppeltenNamen= 0\r", "AutoFormatUCase= 0\r",
                                       "AutoFormatTrim= 1\r", "SortAtClose=-1\r", "KatalogStdLand=D-\r"}));
}

}  // namespace

namespace {

TEST_F(BedienungTest, APersonPicksACountryFromTheSampleListWithTheKeyboard) {
  QString warum;
  if (!xServerStarten(warum)) GTEST_SKIP() << "no X server can be started (" << warum.toStdString() << ")";
  ASSERT_FALSE(QStandardPaths::findExecutable(QStringLiteral("xdotool")).isEmpty()) << "xdotool is not installed";

  dateiSchreiben(lauf(QStringLiteral("windows/Zedured.ini")),
                 "[Allgemein]\r\nL\xe4nderHinweis=0\r\n[Kartulon]\r\nTitelAus=1\r\nAutoTip=0\r\n");
  dateiSchreiben(lauf(QStringLiteral("programm/ZurIrada.ini")), "[Allgemein]\r\nNoInstanceWatch=1\r\n");
  const QString alt = QStringLiteral("01.01.2020");
  QByteArray datei = "..Testadressen\r\n";
  datei += zeile({{0, " "}, {1, "Meier"}, {2, "Hans"}, {5, "Ulm"}, {15, alt}, {16, alt}, {23, "1"}});
  const QString dateiPfad = dateiSchreiben(lauf(QStringLiteral("programm/kartulon.dat")), datei);

  // The shipped sample list, in the order the pick list shows it; it opens on its first entry.
  QFile muster(QStringLiteral(KARTULON_DATA_DIR "/Liste06.txt"));
  ASSERT_TRUE(muster.open(QIODevice::ReadOnly));
  QStringList laender = Codec::zeilenTrennen(Codec::dekodieren(muster.readAll()));
  vb::ListModel::sortieren(laender);
  const QString land = QStringLiteral("Österreich");
  const qsizetype schritte = laender.indexOf(land);
  ASSERT_GT(schritte, 0);

  programm_ = std::make_unique<QProcess>();
  programm_->setProcessEnvironment(umgebung());
  programm_->start(QStringLiteral(KARTULON_BINARY), {});
  ASSERT_TRUE(programm_->waitForStarted(5000));
  fenster_ = programmFenster();
  ASSERT_FALSE(fenster_.isEmpty()) << "the program shows no window: "
                                   << programm_->readAllStandardError().toStdString();
  xdotool({QStringLiteral("windowfocus"), QStringLiteral("--sync"), fenster_});
  const QString geometrie = xdotool({QStringLiteral("getwindowgeometry"), fenster_});
  const QRegularExpressionMatch groesse =
      QRegularExpression(QStringLiteral("Geometry: (\\d+)x(\\d+)")).match(geometrie);
  ASSERT_TRUE(groesse.hasMatch()) << geometrie.toStdString();
  Main& m = Main::get();
  m.resize(groesse.captured(1).toInt(), groesse.captured(2).toInt());
  m.show();
  QCoreApplication::processEvents();

  klick(&m.Feld(6));
  taste(QStringLiteral("alt+Return"));
  const QString liste = fensterNamens(QStringLiteral("^Land-Auswahl$"));
  ASSERT_FALSE(liste.isEmpty()) << "Alt+Enter in the box Land shows no pick list";
  xdotool({QStringLiteral("windowfocus"), QStringLiteral("--sync"), liste});
  QStringList runter;
  for (qsizetype i = 0; i < schritte; ++i) runter << QStringLiteral("Down");
  taste(runter.join(u' '));
  taste(QStringLiteral("Return"));
  ASSERT_TRUE(fensterZu(QStringLiteral("^Land-Auswahl$"))) << "Return left the pick list open";
  xdotool({QStringLiteral("windowfocus"), QStringLiteral("--sync"), fenster_});
  taste(QStringLiteral("F12"));
  ASSERT_TRUE(programm_->waitForFinished(15000)) << "F12 did not end the program";
  EXPECT_EQ(programm_->exitStatus(), QProcess::NormalExit);

  const QString heute = QDate::currentDate().toString(QStringLiteral("dd.MM.yyyy"));
  QByteArray erwartet = "..Testadressen\r\n";
  erwartet += zeile({{0, " "}, {1, "Meier"}, {2, "Hans"}, {5, "Ulm"}, {6, land}, {15, alt}, {16, heute}, {23, "1"}});
  EXPECT_EQ(dateiLesen(dateiPfad).toStdString(), erwartet.toStdString());
}

}  // namespace
