#pragma once
// The fixture of the end-to-end runs: the real program on a virtual X server of its own, typed into with
// xdotool; the window system's close request sent through the X library.
#include "store/Datensatz.h"
#include "support/VirtuellerBildschirm.h"
#include "support/kern/TestUmgebung.h"
#include "support/kern/Warten.h"

#include <unistd.h>
#include <QCoreApplication>
#include <QDate>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>

// Named, not anonymous: the fixture below, shared by several test files, holds one of these.
namespace endezuende {

// Sends the window the close request of the window system (what a window manager sends when the user
// clicks the close box), through the X library itself: no window manager runs on the virtual server.
const char* const kSchliessen = R"(import ctypes, sys
x = ctypes.cdll.LoadLibrary("libX11.so.6")
x.XOpenDisplay.restype = ctypes.c_void_p
x.XOpenDisplay.argtypes = [ctypes.c_char_p]
x.XInternAtom.restype = ctypes.c_ulong
x.XInternAtom.argtypes = [ctypes.c_void_p, ctypes.c_char_p, ctypes.c_int]
class Nachricht(ctypes.Structure):
    _fields_ = [("type", ctypes.c_int), ("serial", ctypes.c_ulong), ("send_event", ctypes.c_int),
                ("display", ctypes.c_void_p), ("window", ctypes.c_ulong), ("message_type", ctypes.c_ulong),
                ("format", ctypes.c_int), ("l", ctypes.c_long * 5)]
class Ereignis(ctypes.Union):
    _fields_ = [("xclient", Nachricht), ("pad", ctypes.c_long * 24)]
x.XSendEvent.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_int, ctypes.c_long, ctypes.POINTER(Ereignis)]
x.XSync.argtypes = [ctypes.c_void_p, ctypes.c_int]
x.XCloseDisplay.argtypes = [ctypes.c_void_p]
d = x.XOpenDisplay(None)
if not d:
    sys.exit(2)
e = Ereignis()
e.xclient.type = 33
e.xclient.window = int(sys.argv[1])
e.xclient.message_type = x.XInternAtom(d, b"WM_PROTOCOLS", 0)
e.xclient.format = 32
e.xclient.l[0] = x.XInternAtom(d, b"WM_DELETE_WINDOW", 0)
x.XSendEvent(d, e.xclient.window, 0, 0, ctypes.byref(e))
# A round trip: the server has handled the request before the connection goes.
x.XSync(d, 0)
x.XCloseDisplay(d)
)";

// Kills the program when a test leaves early.
struct Aufraeumen {
  QProcess& p;
  ~Aufraeumen() {
    if (p.state() != QProcess::NotRunning) {
      p.kill();
      p.waitForFinished();
    }
  }
};

}  // namespace endezuende

using namespace endezuende;

class EndeZuEndeTest : public KartulonTest {
 protected:
  // Every run needs the virtual screen, xdotool and python; without a screen the test is skipped.
  void SetUp() override {
    KartulonTest::SetUp();
    if (!bildschirm.starten()) GTEST_SKIP() << "no X server could be started here (Xvfb missing or refused)";
    ASSERT_FALSE(xdotool.isEmpty()) << "xdotool is needed (tools/deps.sh installs it)";
    ASSERT_FALSE(python.isEmpty()) << "python3 is needed (tools/deps.sh installs it)";
  }
  const QString xdotool = QStandardPaths::findExecutable(QStringLiteral("xdotool"));
  const QString python = QStandardPaths::findExecutable(QStringLiteral("python3"));
  QProcessEnvironment umgebung() const {
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("KARTULON_HOME"), programmOrdner());
    env.insert(QStringLiteral("KARTULON_WINDIR"), windowsOrdner());
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
    env.insert(QStringLiteral("DISPLAY"), bildschirm.anzeige());
    return env;
  }
  // Runs a helper on the virtual screen and returns what it printed; false when it failed.
  bool ausfuehren(const QString& programm, const QStringList& argumente, QString* ausgabe = nullptr) {
    QProcess p;
    p.setProcessEnvironment(umgebung());
    p.start(programm, argumente);
    if (!p.waitForFinished(20000) || p.exitStatus() != QProcess::NormalExit) return false;
    if (ausgabe) *ausgabe = QString::fromLocal8Bit(p.readAllStandardOutput()).trimmed();
    return p.exitCode() == 0;
  }
  void TearDown() override {
    if (kartulon.state() != QProcess::NotRunning) {
      kartulon.kill();
      kartulon.waitForFinished();
    }
    KartulonTest::TearDown();
  }
  // Zedured.ini of an automated run: user Maier, no regional-settings warning, neither title nor tip;
  // `kartulon` adds keys to the section [Kartulon].
  void einstellungenSchreiben(const QByteArray& kartulon = {}) {
    dateiSchreiben(
        windowsOrdner() + QStringLiteral("/Zedured.ini"),
        "[Allgemein]\r\nUser=Maier\r\nL\xE4nderHinweis=0\r\n[Kartulon]\r\nTitelAus=1\r\nAutoTip=0\r\n" + kartulon);
  }
  // Starts the program on the virtual screen with the test's folders, its prints going into PDF files of
  // the folder `pdfOrdner` when one is given; false when it did not start.
  bool programmStarten(QProcess& kartulon, const QString& pdfOrdner = {}) {
    QProcessEnvironment env = umgebung();
    if (!pdfOrdner.isEmpty()) env.insert(QStringLiteral("KARTULON_PDF"), pdfOrdner);
    kartulon.setProcessEnvironment(env);
    kartulon.start(QStringLiteral(KARTULON_BINARY), {});
    return kartulon.waitForStarted();
  }
  // Starts the program as `kartulon` (its prints into PDF files of `pdfOrdner` when given) and waits for
  // its main window of that caption; "" when it did not start or no window came.
  QString hauptfensterStarten(const QString& titel, const QString& pdfOrdner = {}) {
    if (!programmStarten(kartulon, pdfOrdner)) return {};
    return fensterWarten(kartulon, titel);
  }
  // The visible window of the program `kartulon` of that caption (see fensterWarten).
  QString warten(const QString& name) { return fensterWarten(kartulon, name); }
  // The program's visible windows (menus too), by id.
  QStringList sichtbareFenster(const QProcess& kartulon) {
    QString ids;
    ausfuehren(xdotool,
               {QStringLiteral("search"), QStringLiteral("--onlyvisible"), QStringLiteral("--pid"),
                QString::number(kartulon.processId())},
               &ids);
    return ids.split(u'\n', Qt::SkipEmptyParts);
  }
  // Sends the window the close request, as its close box does, once it is the program's only visible
  // window (up to 30 s): a window under a modal dialog ignores the request, as it does for a user. Keys
  // and clicks sent before reach the program first: the X server hands them over in the order it got them.
  bool fensterSchliessen(const QProcess& kartulon, const QString& fenster) {
    WartenBis(
        [&] { return kartulon.state() != QProcess::Running || sichtbareFenster(kartulon) == QStringList{fenster}; },
        30000, 100);
    const QString skript = tempPfad(QStringLiteral("schliessen.py"));
    if (!QFile::exists(skript)) dateiSchreiben(skript, kSchliessen);
    return ausfuehren(python, {skript, fenster});
  }
  // The program's visible windows with their captions, for a failure's message.
  QString fensterListe(const QProcess& kartulon) {
    QString liste;
    for (const QString& id : sichtbareFenster(kartulon)) {
      QString name;
      ausfuehren(xdotool, {QStringLiteral("getwindowname"), id}, &name);
      liste += id + QStringLiteral(" \"") + name + QStringLiteral("\"; ");
    }
    return liste;
  }
  // True once no visible window of that caption is left (waiting up to `ms`).
  bool fensterZu(const QString& name, int ms = 5000) {
    return WartenBis(
        [&] {
          return !ausfuehren(
              xdotool, {QStringLiteral("search"), QStringLiteral("--onlyvisible"), QStringLiteral("--name"), name});
        },
        ms, 100);
  }
  // A new folder for the program's PDF prints.
  QString pdfOrdnerAnlegen() {
    const QString ordner = tempPfad(QStringLiteral("pdf"));
    QDir().mkpath(ordner);
    return ordner;
  }
  // The PDF files of the folder, by name, once n of them are there (up to 30 s).
  static QStringList pdfDateienWarten(const QString& ordner, int n = 1) {
    QStringList d;
    WartenBis(
        [&] {
          d = QDir(ordner).entryList({QStringLiteral("*.pdf")}, QDir::Files, QDir::Name);
          return d.size() >= n;
        },
        30000, 100);
    return d;
  }
  // The text of a PDF file as pdftotext gives it (options before the file name); "" when it failed.
  static QString pdfText(const QString& pfad, const QStringList& optionen = {}) {
    QProcess p;
    p.start(QStringLiteral("pdftotext"), optionen + QStringList{pfad, QStringLiteral("-")});
    if (!p.waitForFinished(30000) || p.exitCode() != 0) return {};
    return QString::fromUtf8(p.readAllStandardOutput());
  }
  // Gives the window the focus and presses the keys one after the other.
  void tastenAn(const QString& fenster, const QStringList& folge) {
    ASSERT_TRUE(ausfuehren(xdotool, {QStringLiteral("windowfocus"), QStringLiteral("--sync"), fenster}));
    for (const QString& t : folge)
      ASSERT_TRUE(ausfuehren(xdotool, {QStringLiteral("key"), QStringLiteral("--delay"), QStringLiteral("50"), t}));
  }
  // The visible window of that caption, waiting up to `ms` while the program runs; "" when none came.
  QString fensterWarten(const QProcess& kartulon, const QString& name, int ms = 30000) {
    QString fenster;
    WartenBis(
        [&] {
          QString gefunden;
          if (ausfuehren(xdotool,
                         {QStringLiteral("search"), QStringLiteral("--onlyvisible"), QStringLiteral("--name"), name},
                         &gefunden))
            fenster = gefunden.section(u'\n', 0, 0);
          return !fenster.isEmpty() || kartulon.state() != QProcess::Running;
        },
        ms, 100);
    return fenster;
  }
  // Presses the key in the window until the window of that caption comes, and returns it ("" when none
  // came within 30 s): for a key whose control the window enables only a moment after it shows, where
  // an early press does nothing. Each press gets `versuchMs` to show its window before the next.
  QString tasteBisFenster(const QProcess& kartulon, const QString& fenster, const QString& taste, const QString& name,
                          int versuchMs = 5000) {
    QString gefunden;
    WartenBis(
        [&] {
          if (!ausfuehren(xdotool, {QStringLiteral("windowfocus"), QStringLiteral("--sync"), fenster}) ||
              !ausfuehren(xdotool, {QStringLiteral("key"), taste}))
            return false;
          gefunden = fensterWarten(kartulon, name, versuchMs);
          return !gefunden.isEmpty() || kartulon.state() != QProcess::Running;
        },
        30000, 100);
    return gefunden;
  }
  VirtuellerBildschirm bildschirm;
  // The program under test; killed at the end when a test leaves early.
  QProcess kartulon;
};
