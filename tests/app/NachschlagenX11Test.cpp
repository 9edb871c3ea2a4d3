// The look-ups with the real xdotool under a virtual X server. A window that logs the keys it gets stands
// in for the directory program. The main window's look-ups run in a child run of this test program on the
// virtual screen (the test program itself runs without a window system); the end-to-end test drives the
// real program as a user would.
#include "common/Global.h"
#include "common/Ini.h"
#include "mainwindow/Main.h"
#include "platform/dienste/Tastatur.h"
#include "platform/vb/Clock.h"
#include "platform/vb/Laufzeitfehler.h"
#include "support/VirtuellerBildschirm.h"
#include "support/kern/TestUmgebung.h"
#include "support/kern/Warten.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QGuiApplication>
#include <QProcess>
#include <QStandardPaths>
#include <QTest>
#include <csignal>

namespace {

const char* const kKindVariable = "KARTULON_TASTEN_KIND";

// The record of every run: a name with a "+" and an umlaut, a street with "ß".
QString datensatz() {
  return zeileAus({{0, "Privat"},
                   {1, "Meier+Co"},
                   {2, "Anna"},
                   {3, "Straße 5"},
                   {4, "50667"},
                   {5, "Köln"},
                   {7, "0221 / 123-45"},
                   {23, "1"}});
}

// What the logging window receives from D-Info 99 for that record.
QString erwartetDInfo99() {
  const QString tab2 = QStringLiteral("<Tab><Tab>");
  return QStringLiteral("<Esc><Esc><F2>Köln") + tab2 + QStringLiteral("Meier+Co") + tab2 + QStringLiteral("50667") +
         tab2 + QStringLiteral("Straße 5") + tab2 + QStringLiteral("0221") + tab2 + tab2 + QStringLiteral("Anna") +
         tab2 + tab2 + tab2 + tab2;
}

// A copy of the logging window in a folder of its own, where its log lands.
QString loggerKopieren(const QString& ordner) {
  QDir().mkpath(ordner);
  const QString ziel = ordner + QStringLiteral("/tastenlogger");
  QFile::remove(ziel);
  if (!QFile::copy(QStringLiteral(KARTULON_TASTEN_LOGGER), ziel)) return {};
  QFile::setPermissions(ziel, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
  return ziel;
}

QString lesen(const QString& pfad) {
  QFile f(pfad);
  return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()) : QString();
}

// Waits until the log holds the expected text (or the limit passes) and returns what it holds.
QString logAbwarten(const QString& ordner, const QString& erwartet, int ms) {
  QString log;
  WartenBis(
      [&] {
        log = lesen(ordner + QStringLiteral("/tasten.log"));
        return log == erwartet;
      },
      ms, 100);
  return log;
}

// Ends the logging window started in the folder (by the process id it wrote there); returns its id.
qint64 loggerBeenden(const QString& ordner) {
  const qint64 pid = lesen(ordner + QStringLiteral("/pid")).toLongLong();
  if (pid > 1) ::kill(static_cast<pid_t>(pid), SIGTERM);
  return pid;
}

}  // namespace

// The child run: the main window on the virtual screen with the real keystroke service and real program
// starts. It runs only when the parent test below starts it.
class NachschlagenX11Kind : public KartulonTest {
 protected:
  void SetUp() override {
    KartulonTest::SetUp();
    if (qEnvironmentVariableIsEmpty(kKindVariable)) GTEST_SKIP() << "runs only in the child run of NachschlagenX11Test";
    Tastatur::install(nullptr);
    // Waiting for the focus is measured on the real clock here.
    Clock::reset();
    IniDatei = programmOrdner() + QStringLiteral("/Kartulon.Ini");
    m().Liste->setItems({datensatz()});
    m().Liste->setListIndex(0);
    Geaendert = 0;
    m().show();
    eigenerFokus();
  }
  Main& m() { return Main::get(); }
  // Gives the main window the focus back, in the field box of the Nachname, as a click of the user would
  // (the window's own request loses against the later focus change of the other program).
  void eigenerFokus() {
    const QString xdotool = QStandardPaths::findExecutable(QStringLiteral("xdotool"));
    QProcess::execute(xdotool, {QStringLiteral("windowfocus"), QStringLiteral("--sync"), QString::number(m().winId())});
    ASSERT_TRUE(QTest::qWaitForWindowActive(&m(), 10000));
    m().Feld(1).setFocus();
    ASSERT_TRUE(WartenBis([&] { return QApplication::focusWidget() == m().Feld(1).editor(); }, 10000));
  }
};

TEST_F(NachschlagenX11Kind, EachLookUpTypesItsTableIntoTheOtherProgram) {
  ASSERT_EQ(Tastatur::service().bereitschaft(), 0);
  struct Fall {
    const char* was;
    void (Main::*befehl)();
    QString erwartet;
  };
  const QString ortUndName = QStringLiteral("<Ctrl+O>Köln<Return>Meier+Co Anna");
  const Fall faelle[] = {
      {"D-Info 3.0", &Main::mnuAdrImpDINFO3_Click, QStringLiteral(" <Esc><Alt+1><Home>Köln<Return>Meier+Co Anna")},
      {"D-Info 97", &Main::mnuAdrImpDINFO97_Click, ortUndName},
      {"KlickTel 98", &Main::mnuAdrImpKlickTel98_Click, ortUndName},
      {"D-Info 99", &Main::mnuAdrImpDINFO99_Click, erwartetDInfo99()},
  };
  int n = 0;
  for (const Fall& f : faelle) {
    SCOPED_TRACE(f.was);
    const QString ordner = tempPfad(QStringLiteral("prg%1").arg(++n));
    const QString logger = loggerKopieren(ordner);
    ASSERT_FALSE(logger.isEmpty());
    IniSchreiben("", "", "DInfoPrg", logger);
    FeldIndex = 5;
    const QString vorher = QDir::currentPath();
    (m().*f.befehl)();
    EXPECT_EQ(QDir::currentPath(), vorher);
    EXPECT_EQ(logAbwarten(ordner, f.erwartet, 15000).toStdString(), f.erwartet.toStdString());
    EXPECT_TRUE(dialoge().requests().isEmpty()) << dialoge().requests().value(0).text.toStdString();
    loggerBeenden(ordner);
    eigenerFokus();
  }
  EXPECT_EQ(m().Liste->List(0), datensatz());
  EXPECT_EQ(Geaendert, 0);
}

TEST_F(NachschlagenX11Kind, AProgramThatOpensNoWindowGetsNoKeyAndNeitherDoWe) {
  const QString skript = dateiSchreiben(tempPfad("still/still.sh"), "#!/bin/sh\nexec sleep 12\n");
  QFile::setPermissions(skript, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
  IniSchreiben("", "", "DInfoPrg", skript);
  ASSERT_EQ(QGuiApplication::focusWindow(), m().windowHandle());
  const QString feld = m().Feld(1).Text();
  QElapsedTimer uhr;
  uhr.start();
  m().mnuAdrImpDINFO97_Click();
  EXPECT_GE(uhr.elapsed(), 9500);
  // A key sent astray would arrive now; nothing marks that none comes, so this one pause stays.
  QTest::qWait(500);
  EXPECT_EQ(m().Feld(1).Text(), feld);
  EXPECT_EQ(m().Liste->List(0), datensatz());
  EXPECT_EQ(Geaendert, 0);
  ASSERT_EQ(dialoge().requests().size(), 1);
  EXPECT_TRUE(dialoge().requests()[0].text.contains(vb::FehlerBeschreibung(vb::ErrTastenOhneFokus)));
}

// In an X11 session the real service still refuses when the session says it is Wayland or xdotool is
// missing, and the look-up then starts nothing.
TEST_F(NachschlagenX11Kind, TheRealServiceRefusesUnderWaylandAndWithoutXdotool) {
  IniSchreiben("", "", "DInfoPrg", loggerKopieren(tempPfad("prg")));
  struct Fall {
    const char* variable;
    QByteArray wert;
    int fehler;
  };
  const Fall faelle[] = {{"XDG_SESSION_TYPE", "wayland", vb::ErrTastenNurX11},
                         {"PATH", QFile::encodeName(tempPfad("leer")), vb::ErrTastenOhneXdotool}};
  for (const Fall& f : faelle) {
    SCOPED_TRACE(f.variable);
    dialoge().clear();
    const QByteArray alt = qgetenv(f.variable);
    qputenv(f.variable, f.wert);
    EXPECT_EQ(Tastatur::service().bereitschaft(), f.fehler);
    m().mnuAdrImpDINFO99_Click();
    qputenv(f.variable, alt);
    EXPECT_TRUE(shell().gestartet.isEmpty());
    ASSERT_EQ(dialoge().requests().size(), 1);
    EXPECT_TRUE(dialoge().requests()[0].text.contains(vb::FehlerBeschreibung(f.fehler)));
  }
  EXPECT_EQ(Tastatur::service().bereitschaft(), 0);
}

class NachschlagenX11Test : public KartulonTest {
 protected:
  QProcessEnvironment umgebung() const {
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
    env.insert(QStringLiteral("DISPLAY"), bildschirm.anzeige());
    env.insert(QStringLiteral("XDG_SESSION_TYPE"), QStringLiteral("x11"));
    return env;
  }
  // The virtual screen with the German keyboard of the program's users, where umlauts and "ß" have keys
  // of their own (xdotool types characters that the keyboard lacks on keys it maps for a moment, and a
  // program that reads the keyboard map late can miss them).
  bool bereit() {
    if (QStandardPaths::findExecutable(QStringLiteral("xdotool")).isEmpty() || !bildschirm.starten()) return false;
    QProcess belegung;
    belegung.setProcessEnvironment(umgebung());
    belegung.start(QStringLiteral("setxkbmap"), {QStringLiteral("de")});
    return belegung.waitForFinished(10000) && belegung.exitCode() == 0;
  }
  VirtuellerBildschirm bildschirm;
};

TEST_F(NachschlagenX11Test, TheLookUpsTypeIntoAnotherProgramUnderX11) {
  if (!bereit()) GTEST_SKIP() << "no X server, xdotool or setxkbmap here (tools/deps.sh installs them)";
  QProcess kind;
  QProcessEnvironment env = umgebung();
  env.insert(QString::fromLatin1(kKindVariable), QStringLiteral("1"));
  kind.setProcessEnvironment(env);
  kind.setProcessChannelMode(QProcess::MergedChannels);
  kind.start(QCoreApplication::applicationFilePath(), {QStringLiteral("--gtest_filter=NachschlagenX11Kind.*")});
  ASSERT_TRUE(kind.waitForFinished(120000));
  const QString ausgabe = QString::fromLocal8Bit(kind.readAll());
  EXPECT_EQ(kind.exitCode(), 0) << ausgabe.toStdString();
  EXPECT_TRUE(ausgabe.contains(QStringLiteral("[  PASSED  ] 3 tests"))) << ausgabe.toStdString();
  EXPECT_FALSE(ausgabe.contains(QStringLiteral("SKIPPED"))) << ausgabe.toStdString();
}

// The real program, as a new user tries it: D-Info 99 registered, Ctrl+F7 on the record, then F12.
TEST_F(NachschlagenX11Test, EndToEndCtrlF7TypesTheSearchAndF12LeavesTheFileAsItWas) {
  if (!bereit()) GTEST_SKIP() << "no X server, xdotool or setxkbmap here (tools/deps.sh installs them)";
  const QString xdotool = QStandardPaths::findExecutable(QStringLiteral("xdotool"));
  const QString ordner = tempPfad("DInfo");
  const QString logger = loggerKopieren(ordner);
  ASSERT_FALSE(logger.isEmpty());
  dateiSchreiben(windowsOrdner() + QStringLiteral("/Zedured.ini"),
                 "[Allgemein]\r\nUser=Maier\r\nL\xE4nderHinweis=0\r\n[Kartulon]\r\nTitelAus=1\r\nAutoTip=0\r\n"
                 "DInfoVer=99\r\nDInfoPrg=" +
                     QFile::encodeName(logger) + "\r\n");
  const QByteArray vorher = "..Kunden und Freunde\r\n" + datensatz().toLatin1() + "\r\n";
  const QString datei = dateiSchreiben(programmOrdner() + QStringLiteral("/kartulon.dat"), vorher);

  auto xdo = [&](const QStringList& argumente, QString* ausgabe = nullptr) {
    QProcess p;
    p.setProcessEnvironment(umgebung());
    p.start(xdotool, argumente);
    if (!p.waitForFinished(20000)) return false;
    if (ausgabe) *ausgabe = QString::fromLocal8Bit(p.readAllStandardOutput()).trimmed();
    return p.exitStatus() == QProcess::NormalExit && p.exitCode() == 0;
  };
  QProcess kartulon;
  QProcessEnvironment env = umgebung();
  env.insert(QStringLiteral("KARTULON_HOME"), programmOrdner());
  env.insert(QStringLiteral("KARTULON_WINDIR"), windowsOrdner());
  kartulon.setProcessEnvironment(env);
  kartulon.start(QStringLiteral(KARTULON_BINARY), {});
  ASSERT_TRUE(kartulon.waitForStarted());
  struct Aufraeumen {
    QProcess& p;
    QString ordner;
    ~Aufraeumen() {
      loggerBeenden(ordner);
      if (p.state() != QProcess::NotRunning) {
        p.kill();
        p.waitForFinished();
      }
    }
  } aufraeumen{kartulon, ordner};

  QString fenster;
  WartenBis(
      [&] {
        QString gefunden;
        if (xdo({QStringLiteral("search"), QStringLiteral("--onlyvisible"), QStringLiteral("--name"),
                 QStringLiteral("Kunden und Freunde")},
                &gefunden))
          fenster = gefunden.section(u'\n', 0, 0);
        return !fenster.isEmpty() || kartulon.state() != QProcess::Running;
      },
      30000, 100);
  ASSERT_FALSE(fenster.isEmpty()) << "the main window did not appear: "
                                  << kartulon.readAllStandardError().toStdString();
  ASSERT_TRUE(xdo({QStringLiteral("windowfocus"), QStringLiteral("--sync"), fenster}));
  ASSERT_TRUE(xdo({QStringLiteral("key"), QStringLiteral("ctrl+F7")}));

  const QString erwartet = erwartetDInfo99();
  EXPECT_EQ(logAbwarten(ordner, erwartet, 20000).toStdString(), erwartet.toStdString())
      << kartulon.readAllStandardError().toStdString();
  // The focus goes back to the main window once the logging window is gone.
  const qint64 loggerPid = loggerBeenden(ordner);
  WartenBis(
      [&] {
        return !xdo({QStringLiteral("search"), QStringLiteral("--onlyvisible"), QStringLiteral("--pid"),
                     QString::number(loggerPid)});
      },
      10000, 100);

  ASSERT_TRUE(xdo({QStringLiteral("windowfocus"), QStringLiteral("--sync"), fenster}));
  ASSERT_TRUE(xdo({QStringLiteral("key"), QStringLiteral("F12")}));
  ASSERT_TRUE(kartulon.waitForFinished(30000)) << "F12 did not end the program";
  EXPECT_EQ(kartulon.exitCode(), 0);
  EXPECT_EQ(dateiLesen(datei), vorher);
}
