// The real program's start as a new user sees it, on its own X server: the start-up window shows, the
// main window follows and the start-up window goes, then the tip of the day; Esc closes the tip and F12
// ends the program.
#include "support/VirtuellerBildschirm.h"
#include "support/kern/TestUmgebung.h"
#include "support/kern/Warten.h"

#include <QElapsedTimer>
#include <QProcess>
#include <QStandardPaths>
#include <functional>

namespace {

class TitelTippsTest : public KartulonTest {
 protected:
  void TearDown() override {
    if (programm_ && programm_->state() != QProcess::NotRunning) {
      programm_->kill();
      programm_->waitForFinished(5000);
    }
    KartulonTest::TearDown();
  }

  bool xServerStarten() { return bildschirm_.starten(); }

  QProcessEnvironment umgebung() const {
    QProcessEnvironment u = QProcessEnvironment::systemEnvironment();
    u.insert(QStringLiteral("DISPLAY"), bildschirm_.anzeige());
    u.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
    u.insert(QStringLiteral("KARTULON_HOME"), programmOrdner());
    u.insert(QStringLiteral("KARTULON_WINDIR"), windowsOrdner());
    return u;
  }

  QString xdotool(const QStringList& argumente) {
    QProcess p;
    p.setProcessEnvironment(umgebung());
    p.start(QStringLiteral("xdotool"), argumente);
    if (!p.waitForFinished(10000)) {
      p.kill();
      p.waitForFinished();
      return {};
    }
    return QString::fromLocal8Bit(p.readAllStandardOutput()).trimmed();
  }

  // The program's visible windows by their captions; the start-up window, which has none of its own
  // (the system shows the program's name), is "Titel": it is the one of 5610 x 3435 twips, 374 x 229 pixels.
  QMap<QString, QString> fenster() {
    QMap<QString, QString> f;
    const QStringList ids = xdotool({QStringLiteral("search"), QStringLiteral("--onlyvisible"), QStringLiteral("--pid"),
                                     QString::number(programm_->processId())})
                                .split(u'\n', Qt::SkipEmptyParts);
    for (const QString& id : ids) {
      const bool titel =
          xdotool({QStringLiteral("getwindowgeometry"), id}).contains(QStringLiteral("Geometry: 374x229"));
      const QString name = xdotool({QStringLiteral("getwindowname"), id});
      // A window that went in the meantime has no name any more.
      if (!name.isEmpty()) f.insert(titel ? QStringLiteral("Titel") : name, id);
    }
    return f;
  }

  VirtuellerBildschirm bildschirm_;
  std::unique_ptr<QProcess> programm_;
};

TEST_F(TitelTippsTest, TheSplashHandsOverToTheMainWindowThenTheTipShows) {
  if (!xServerStarten()) GTEST_SKIP() << "no X server can be started";
  ASSERT_FALSE(QStandardPaths::findExecutable(QStringLiteral("xdotool")).isEmpty()) << "xdotool is not installed";
  // A new user's settings, the splash and the tips left on; only the regional warning and the guard off.
  dateiSchreiben(windowsOrdner() + QStringLiteral("/Zedured.ini"),
                 "[Allgemein]\r\nUser=Maier\r\nL\xE4nderHinweis=0\r\n[Kartulon]\r\nAutoTip=1\r\n");
  dateiSchreiben(programmOrdner() + QStringLiteral("/ZurIrada.ini"), "[Allgemein]\r\nNoInstanceWatch=1\r\n");

  programm_ = std::make_unique<QProcess>();
  programm_->setProcessEnvironment(umgebung());
  programm_->start(QStringLiteral(KARTULON_BINARY), {});
  ASSERT_TRUE(programm_->waitForStarted(5000));

  // Watch the windows come and go: the splash first, alone; then the main window; then the tip.
  QStringList folge;  // each change of the set of visible windows
  QElapsedTimer uhr;
  uhr.start();
  QMap<QString, QString> jetzt;
  while (uhr.elapsed() < 60000 && programm_->state() == QProcess::Running) {
    jetzt = fenster();
    const QString stand = QStringList(jetzt.keys()).join(u'|');
    if (!stand.isEmpty() && (folge.isEmpty() || folge.last() != stand)) folge << stand;
    if (jetzt.contains(QStringLiteral("Willkommen zu Kartulon 01"))) break;
  }
  ASSERT_FALSE(folge.isEmpty()) << "the program shows no window (running: " << (programm_->state() == QProcess::Running)
                                << "): " << programm_->readAllStandardError().toStdString();
  EXPECT_EQ(folge.first(), QStringLiteral("Titel")) << "the start-up window comes first, alone";
  auto zuerst = [&](const QString& name) {
    for (qsizetype i = 0; i < folge.size(); ++i)
      if (folge[i].split(u'|').contains(name)) return i;
    return qsizetype(-1);
  };
  EXPECT_GE(zuerst(QStringLiteral("Kartulon")), 1) << folge.join(u',').toStdString();
  EXPECT_GE(zuerst(QStringLiteral("Willkommen zu Kartulon 01")), zuerst(QStringLiteral("Kartulon")))
      << folge.join(u',').toStdString();
  ASSERT_TRUE(jetzt.contains(QStringLiteral("Willkommen zu Kartulon 01"))) << folge.join(u',').toStdString();
  // The splash goes once the main window is there (at its next tick).
  // Asks for the windows again until the condition no longer holds (up to 30 s).
  auto solange = [&](const std::function<bool()>& bedingung) {
    WartenBis(
        [&] {
          if (!bedingung()) return true;
          jetzt = fenster();
          return false;
        },
        30000, 100);
  };
  solange([&] { return jetzt.contains(QStringLiteral("Titel")); });
  EXPECT_EQ(QStringList(jetzt.keys()),
            (QStringList{QStringLiteral("Kartulon"), QStringLiteral("Willkommen zu Kartulon 01")}));

  // The shipped tips were seeded into the program folder; the tip shown is remembered at once, and the
  // switch is written as the box shows it.
  EXPECT_TRUE(dateiLesen(programmOrdner() + QStringLiteral("/Tips.Bot")).contains("\r\nZuletzt=.00"));
  EXPECT_TRUE(dateiLesen(windowsOrdner() + QStringLiteral("/Zedured.ini")).contains("AutoTip= 1"));

  // Esc closes the tip.
  xdotool({QStringLiteral("windowfocus"), QStringLiteral("--sync"),
           jetzt.value(QStringLiteral("Willkommen zu Kartulon 01"))});
  xdotool({QStringLiteral("key"), QStringLiteral("Escape")});
  solange([&] { return jetzt.size() > 1; });
  EXPECT_EQ(QStringList(jetzt.keys()), QStringList{QStringLiteral("Kartulon")});

  // F12 ends the program (and saves).
  xdotool({QStringLiteral("windowfocus"), QStringLiteral("--sync"), jetzt.value(QStringLiteral("Kartulon"))});
  xdotool({QStringLiteral("key"), QStringLiteral("F12")});
  ASSERT_TRUE(programm_->waitForFinished(15000)) << "F12 did not end the program";
  EXPECT_EQ(programm_->exitStatus(), QProcess::NormalExit);
}

}  // namespace
