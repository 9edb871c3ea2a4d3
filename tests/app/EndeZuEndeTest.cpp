// The real program under a virtual X server: it opens a small file, a field is changed by typing, the
// window is closed as a user closes it, and the program saves and ends.
#include "store/Datensatz.h"
#include "support/kern/TestUmgebung.h"

#include <QCoreApplication>
#include <QDate>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QThread>
#include <functional>
#include <unistd.h>

namespace {

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
x.XFlush.argtypes = [ctypes.c_void_p]
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
x.XFlush(d)
)";

// A virtual X server on a display number that nobody uses; stopped when the object goes.
class VirtuellerBildschirm {
 public:
  bool starten() {
    const QString xvfb = QStandardPaths::findExecutable(QStringLiteral("Xvfb"));
    if (xvfb.isEmpty()) return false;
    for (int n = 140 + static_cast<int>(QCoreApplication::applicationPid() % 60), versuche = 0; versuche < 40;
         ++versuche, ++n) {
      const QString sockel = QStringLiteral("/tmp/.X11-unix/X%1").arg(n);
      if (QFile::exists(sockel) || QFile::exists(QStringLiteral("/tmp/.X%1-lock").arg(n))) continue;
      server_.start(xvfb, {QStringLiteral(":%1").arg(n), QStringLiteral("-screen"), QStringLiteral("0"),
                           QStringLiteral("1280x1024x24"), QStringLiteral("-nolisten"), QStringLiteral("tcp"),
                           QStringLiteral("-dpi"), QStringLiteral("96")});
      if (!server_.waitForStarted(5000)) return false;
      QElapsedTimer uhr;
      uhr.start();
      while (uhr.elapsed() < 10000 && server_.state() == QProcess::Running && !QFile::exists(sockel))
        QThread::msleep(50);
      if (server_.state() == QProcess::Running && QFile::exists(sockel)) {
        anzeige_ = QStringLiteral(":%1").arg(n);
        return true;
      }
      // Another server took the number in the meantime: the next one.
      server_.kill();
      server_.waitForFinished();
    }
    return false;
  }
  ~VirtuellerBildschirm() {
    if (server_.state() != QProcess::NotRunning) {
      server_.terminate();
      if (!server_.waitForFinished(5000)) {
        server_.kill();
        server_.waitForFinished();
      }
    }
  }
  QString anzeige() const { return anzeige_; }

 private:
  QProcess server_;
  QString anzeige_;
};

// Kills the program when a test leaves before it ended.
struct Aufraeumen {
  QProcess& p;
  ~Aufraeumen() {
    if (p.state() != QProcess::NotRunning) {
      p.kill();
      p.waitForFinished();
    }
  }
};

}  // namespace

class EndeZuEndeTest : public KartulonTest {
 protected:
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
  // Waits up to 30 seconds, while the program runs, for a visible window of that name; "" when none came.
  QString fensterWarten(const QString& xdotool, const QProcess& kartulon, const QString& name) {
    QString fenster;
    QElapsedTimer uhr;
    uhr.start();
    while (uhr.elapsed() < 30000 && kartulon.state() == QProcess::Running && fenster.isEmpty()) {
      QString gefunden;
      if (ausfuehren(xdotool, {QStringLiteral("search"), QStringLiteral("--onlyvisible"), QStringLiteral("--name"), name},
                     &gefunden))
        fenster = gefunden.section(u'\n', 0, 0);
      if (fenster.isEmpty()) QThread::msleep(100);
    }
    return fenster;
  }
  VirtuellerBildschirm bildschirm;
};

TEST_F(EndeZuEndeTest, ChangeAFieldCloseTheWindowAndTheFileIsSaved) {
  if (!bildschirm.starten()) GTEST_SKIP() << "no X server could be started here (Xvfb missing or refused)";
  const QString xdotool = QStandardPaths::findExecutable(QStringLiteral("xdotool"));
  const QString python = QStandardPaths::findExecutable(QStringLiteral("python3"));
  ASSERT_FALSE(xdotool.isEmpty()) << "xdotool is needed (tools/deps.sh installs it)";
  ASSERT_FALSE(python.isEmpty()) << "python3 is needed (tools/deps.sh installs it)";

  // An automated run: no regional-settings warning, whatever the machine's locale.
  dateiSchreiben(windowsOrdner() + QStringLiteral("/Zedured.ini"), "[Allgemein]\r\nUser=Maier\r\nL\xE4nderHinweis=0\r\n[Kartulon]\r\nTitelAus=1\r\nAutoTip=0\r\n");
  const QByteArray vorher = "..Kunden und Freunde\r\n" + zeileAus({{0, "Privat"}, {1, "Meier"}, {2, "Anna"}, {23, "1"}}).toLatin1() +
                            "\r\n" + zeileAus({{0, "Privat"}, {1, "Weber"}, {2, "Jens"}, {23, "2"}}).toLatin1() + "\r\n";
  const QString datei = dateiSchreiben(programmOrdner() + QStringLiteral("/kartulon.dat"), vorher);
  const QString skript = tempPfad(QStringLiteral("schliessen.py"));
  dateiSchreiben(skript, kSchliessen);

  QProcess kartulon;
  kartulon.setProcessEnvironment(umgebung());
  kartulon.start(QStringLiteral(KARTULON_BINARY), {});
  ASSERT_TRUE(kartulon.waitForStarted());
  Aufraeumen aufraeumen{kartulon};

  // The window carries the file's description as its caption once the file is loaded.
  QString fenster;
  QElapsedTimer uhr;
  uhr.start();
  while (uhr.elapsed() < 30000 && kartulon.state() == QProcess::Running && fenster.isEmpty()) {
    QString gefunden;
    if (ausfuehren(xdotool, {QStringLiteral("search"), QStringLiteral("--name"), QStringLiteral("Kunden und Freunde")},
                   &gefunden))
      fenster = gefunden.section(u'\n', 0, 0);
    if (fenster.isEmpty()) QThread::msleep(100);
  }
  ASSERT_FALSE(fenster.isEmpty()) << "the main window did not appear: "
                                  << kartulon.readAllStandardError().toStdString();

  // The focus starts in the search box; Tab leads into the first name of the shown record.
  ASSERT_TRUE(ausfuehren(xdotool, {QStringLiteral("windowfocus"), QStringLiteral("--sync"), fenster}));
  ASSERT_TRUE(ausfuehren(xdotool, {QStringLiteral("key"), QStringLiteral("--window"), fenster, QStringLiteral("Tab")}));
  ASSERT_TRUE(ausfuehren(xdotool, {QStringLiteral("type"), QStringLiteral("--delay"), QStringLiteral("30"),
                                   QStringLiteral("--window"), fenster, QStringLiteral("Xaver")}));
  QThread::msleep(500);
  ASSERT_TRUE(ausfuehren(python, {skript, fenster}));
  ASSERT_TRUE(kartulon.waitForFinished(30000)) << "the program did not end when its window was closed";
  EXPECT_EQ(kartulon.exitStatus(), QProcess::NormalExit);
  EXPECT_EQ(kartulon.exitCode(), 0);

  const QStringList zeilen = QString::fromLatin1(dateiLesen(datei)).split(QStringLiteral("\r\n"));
  ASSERT_EQ(zeilen.size(), 4) << dateiLesen(datei).toStdString();
  EXPECT_EQ(zeilen[0], QStringLiteral("..Kunden und Freunde"));
  const Felder geaendert = FelderAusZeile(zeilen[1]);
  EXPECT_EQ(geaendert[1], QStringLiteral("Meier"));
  EXPECT_TRUE(geaendert[2].contains(QStringLiteral("Xaver"))) << geaendert[2].toStdString();
  EXPECT_TRUE(geaendert[2].contains(QStringLiteral("Anna"))) << geaendert[2].toStdString();
  EXPECT_EQ(geaendert[16], QDate::currentDate().toString(QStringLiteral("dd.MM.yyyy")));
  EXPECT_EQ(zeilen[2], zeileAus({{0, "Privat"}, {1, "Weber"}, {2, "Jens"}, {23, "2"}}));
  EXPECT_EQ(zeilen[3], QString());
  // The backup copy is gone once the new file is complete.
  EXPECT_FALSE(QFile::exists(programmOrdner() + QStringLiteral("/kartulon.BAK")));
  EXPECT_EQ(QDir(programmOrdner()).entryList({QStringLiteral("*.BAK"), QStringLiteral("*.bak")}, QDir::Files),
            QStringList());
}

// A new user imports a list: Ctrl+I, the file's path typed into the file dialog, ";" as separator,
// "Kartulon importieren", F12. Then an address copied elsewhere goes from the clipboard into the shown
// record: Ctrl+F8, Enter, F12. The saved file is checked byte for byte.
TEST_F(EndeZuEndeTest, AListAndAnAddressFromTheClipboardAreImported) {
  if (!bildschirm.starten()) GTEST_SKIP() << "no X server could be started here (Xvfb missing or refused)";
  const QString xdotool = QStandardPaths::findExecutable(QStringLiteral("xdotool"));
  const QString xclip = QStandardPaths::findExecutable(QStringLiteral("xclip"));
  ASSERT_FALSE(xdotool.isEmpty()) << "xdotool is needed (tools/deps.sh installs it)";
  ASSERT_FALSE(xclip.isEmpty()) << "xclip is needed (tools/deps.sh installs it)";

  dateiSchreiben(windowsOrdner() + QStringLiteral("/Zedured.ini"),
                 "[Allgemein]\r\nUser=Maier\r\nL\xE4nderHinweis=0\r\n[Kartulon]\r\nTitelAus=1\r\nAutoTip=0\r\n"
                 "AdressIndex=50\r\n");
  const QByteArray meier = zeileAus({{0, "Privat"}, {1, "Meier"}, {2, "Anna"}, {23, "1"}}).toLatin1();
  const QString datei =
      dateiSchreiben(programmOrdner() + QStringLiteral("/kartulon.dat"), "..Kunden und Freunde\r\n" + meier + "\r\n");
  const QString liste = dateiSchreiben(tempPfad(QStringLiteral("Neue Kunden.txt")),
                                       "Kunde;Schulz;Eva;Weg 1;12345;Ulm\r\n;Gr\x81n;Jan\r\n");

  auto programm = [&](const std::function<void(const std::function<QString(const QString&)>&)>& bedienen) {
    QProcess kartulon;
    kartulon.setProcessEnvironment(umgebung());
    kartulon.start(QStringLiteral(KARTULON_BINARY), {});
    ASSERT_TRUE(kartulon.waitForStarted());
    Aufraeumen aufraeumen{kartulon};
    // Waits for a visible window of that name, gives it the focus and returns it ("" when none came).
    auto fenster = [&](const QString& name) {
      const QString gefunden = fensterWarten(xdotool, kartulon, name);
      if (!gefunden.isEmpty()) {
        ausfuehren(xdotool, {QStringLiteral("windowfocus"), QStringLiteral("--sync"), gefunden});
        QThread::msleep(300);
      }
      return gefunden;
    };
    bedienen(fenster);
    ASSERT_TRUE(kartulon.waitForFinished(30000)) << "the program did not end on F12: "
                                                 << kartulon.readAllStandardError().toStdString();
    EXPECT_EQ(kartulon.exitCode(), 0);
  };
  auto tasten = [&](const QStringList& folge) {
    for (const QString& t : folge) {
      ASSERT_TRUE(ausfuehren(xdotool, {QStringLiteral("key"), t}));
      QThread::msleep(200);
    }
  };
  auto tippen = [&](const QString& text) {
    ASSERT_TRUE(ausfuehren(xdotool, {QStringLiteral("type"), QStringLiteral("--delay"), QStringLiteral("20"), text}));
    QThread::msleep(200);
  };

  programm([&](const auto& fenster) {
    ASSERT_FALSE(fenster(QStringLiteral("Kunden und Freunde")).isEmpty());
    tasten({QStringLiteral("ctrl+i")});
    ASSERT_FALSE(fenster(QStringLiteral("Kartulonimport")).isEmpty());
    tasten({QStringLiteral("alt+d")});
    ASSERT_FALSE(fenster(QStringLiteral("Wähle Sie ein Datei zum Kartulonimport")).isEmpty());
    tippen(liste);
    tasten({QStringLiteral("Return")});
    ASSERT_FALSE(fenster(QStringLiteral("Kartulonimport")).isEmpty());
    // The separator has the focus once the file is read; Esc moves on twice, to the import button.
    tasten({QStringLiteral("ctrl+a")});
    tippen(QStringLiteral(";"));
    tasten({QStringLiteral("Escape"), QStringLiteral("Escape"), QStringLiteral("space")});
    ASSERT_FALSE(fenster(QStringLiteral("Kunden und Freunde")).isEmpty());
    tasten({QStringLiteral("F12")});
  });
  const QByteArray heute = QDate::currentDate().toString(QStringLiteral("dd.MM.yyyy")).toLatin1();
  const QByteArray schulz = "Kunde\tSchulz\tEva\tWeg 1\t12345\tUlm\t" + QByteArray(9, '\t') + heute + "\t" + heute +
                            "\t" + QByteArray(6, '\t') + "50\t";
  const QByteArray gruen = "\tGr\x81n\tJan\t" + QByteArray(12, '\t') + heute + "\t" + heute + "\t" +
                           QByteArray(6, '\t') + "51\t";
  ASSERT_EQ(dateiLesen(datei).toStdString(),
            ("..Kunden und Freunde\r\n" + meier + "\r\n" + schulz + "\r\n" + gruen + "\r\n").toStdString());

  // The address as a Linux program puts it on the clipboard: UTF-8 with LF line ends.
  QProcess ablage;
  ablage.setProcessEnvironment(umgebung());
  ablage.start(xclip, {QStringLiteral("-selection"), QStringLiteral("clipboard"), QStringLiteral("-t"),
                       QStringLiteral("UTF8_STRING"), QStringLiteral("-i")});
  ASSERT_TRUE(ablage.waitForStarted());
  ablage.write(QStringLiteral("Müller, Hans\nHauptstr. 5\n70173 Stuttgart\n").toUtf8());
  ablage.closeWriteChannel();
  ASSERT_TRUE(ablage.waitForFinished(10000));

  programm([&](const auto& fenster) {
    ASSERT_FALSE(fenster(QStringLiteral("Kunden und Freunde")).isEmpty());
    tasten({QStringLiteral("ctrl+F8")});
    ASSERT_FALSE(fenster(QStringLiteral("Kartulon-Import aus der Zwischenablage")).isEmpty());
    tasten({QStringLiteral("Return")});
    ASSERT_FALSE(fenster(QStringLiteral("Kunden und Freunde")).isEmpty());
    tasten({QStringLiteral("F12")});
  });
  // The record shown at the start (the first imported, where the import left the selection) took the parts.
  QByteArray mueller = schulz;
  mueller.replace("\tSchulz\tEva\tWeg 1\t12345\tUlm\t", "\tM\xFCller\tHans\tHauptstr. 5\t70173\tStuttgart\t");
  // Loading gave the record with an empty first field its blank, as every load does.
  EXPECT_EQ(dateiLesen(datei).toStdString(),
            ("..Kunden und Freunde\r\n" + meier + "\r\n" + mueller + "\r\n " + gruen + "\r\n").toStdString());
}

// A file in a folder that the user may not write: the program says so at the start, works read-only,
// and ends on the window's close without a question, leaving the folder as it was. Where the tests run
// as root, the program runs as the unprivileged account "nobody" through setpriv or runuser.
TEST_F(EndeZuEndeTest, AFileInAFolderWithoutWriteAccessOpensReadOnlyAndTheCloseEnds) {
  if (!bildschirm.starten()) GTEST_SKIP() << "no X server could be started here (Xvfb missing or refused)";
  const QString xdotool = QStandardPaths::findExecutable(QStringLiteral("xdotool"));
  const QString python = QStandardPaths::findExecutable(QStringLiteral("python3"));
  ASSERT_FALSE(xdotool.isEmpty()) << "xdotool is needed (tools/deps.sh installs it)";
  ASSERT_FALSE(python.isEmpty()) << "python3 is needed (tools/deps.sh installs it)";

  QString programm = QStringLiteral(KARTULON_BINARY);
  QStringList argumente;
  const uint nobody = 65534;
  if (::geteuid() == 0) {
    const QString setpriv = QStandardPaths::findExecutable(QStringLiteral("setpriv"));
    const QString runuser = QStandardPaths::findExecutable(QStringLiteral("runuser"));
    if (!setpriv.isEmpty()) {
      programm = setpriv;
      argumente = {QStringLiteral("--reuid=%1").arg(nobody), QStringLiteral("--regid=%1").arg(nobody),
                   QStringLiteral("--clear-groups"), QStringLiteral("--"), QStringLiteral(KARTULON_BINARY)};
    } else if (!runuser.isEmpty()) {
      programm = runuser;
      argumente = {QStringLiteral("-u"), QStringLiteral("nobody"), QStringLiteral("--"), QStringLiteral(KARTULON_BINARY)};
    } else {
      GTEST_SKIP() << "runs as root and neither setpriv nor runuser is there to drop the rights";
    }
  }

  dateiSchreiben(windowsOrdner() + QStringLiteral("/Zedured.ini"), "[Allgemein]\r\nUser=Maier\r\nL\xE4nderHinweis=0\r\n[Kartulon]\r\nTitelAus=1\r\nAutoTip=0\r\n");
  const QString daten = tempPfad(QStringLiteral("daten"));
  dateiSchreiben(programmOrdner() + QStringLiteral("/Zurirada.ini"),
                 "[Ordner]\r\nDirData=" + QFile::encodeName(daten) + "\r\n");
  const QByteArray vorher = "..Kunden und Freunde\r\n" +
                            zeileAus({{0, "Privat"}, {1, "Meier"}, {2, "Anna"}, {23, "1"}}).toLatin1() + "\r\n";
  const QString datei = dateiSchreiben(daten + QStringLiteral("/kartulon.dat"), vorher);
  // The file itself says "writable" to everybody; only its folder is closed.
  QFile::setPermissions(datei, QFileDevice::Permissions(0x6666));
  QFile::setPermissions(daten, QFile::ReadOwner | QFile::ExeOwner | QFile::ReadGroup | QFile::ExeGroup |
                                   QFile::ReadOther | QFile::ExeOther);
  struct Zurueck {
    QString ordner;
    ~Zurueck() { QFile::setPermissions(ordner, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner); }
  } zurueck{daten};
  if (::geteuid() == 0) {
    QFile::setPermissions(tempPfad(QString()), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner |
                                                   QFile::ReadOther | QFile::ExeOther);
    for (const QString& ordner : {programmOrdner(), windowsOrdner()}) {
      ASSERT_EQ(QProcess::execute(QStringLiteral("chown"), {QStringLiteral("-R"), QStringLiteral("%1:%1").arg(nobody), ordner}), 0);
    }
  }
  const QString skript = tempPfad(QStringLiteral("schliessen.py"));
  dateiSchreiben(skript, kSchliessen);

  QProcess kartulon;
  QProcessEnvironment env = umgebung();
  env.insert(QStringLiteral("HOME"), programmOrdner());
  env.remove(QStringLiteral("XDG_RUNTIME_DIR"));
  kartulon.setProcessEnvironment(env);
  kartulon.start(programm, argumente);
  ASSERT_TRUE(kartulon.waitForStarted());
  Aufraeumen aufraeumen{kartulon};

  auto warten = [&](const QString& name) { return fensterWarten(xdotool, kartulon, name); };
  // The read-only message comes first and names the folder.
  const QString meldung = warten(QStringLiteral("Kartulon, nur Leserechte"));
  ASSERT_FALSE(meldung.isEmpty()) << "no read-only message (program state " << kartulon.state() << ", exit code "
                                  << kartulon.exitCode() << "): " << kartulon.readAllStandardError().toStdString();
  ASSERT_TRUE(ausfuehren(xdotool, {QStringLiteral("windowfocus"), QStringLiteral("--sync"), meldung}));
  ASSERT_TRUE(ausfuehren(xdotool, {QStringLiteral("key"), QStringLiteral("Return")}));

  const QString fenster = warten(QStringLiteral("Kunden und Freunde - nur Leserechte"));
  ASSERT_FALSE(fenster.isEmpty()) << "the main window did not appear read-only: "
                                  << kartulon.readAllStandardError().toStdString();
  // Typing changes nothing; the close ends at once.
  ASSERT_TRUE(ausfuehren(xdotool, {QStringLiteral("windowfocus"), QStringLiteral("--sync"), fenster}));
  ASSERT_TRUE(ausfuehren(xdotool, {QStringLiteral("key"), QStringLiteral("--window"), fenster, QStringLiteral("Tab")}));
  ASSERT_TRUE(ausfuehren(xdotool, {QStringLiteral("type"), QStringLiteral("--delay"), QStringLiteral("30"),
                                   QStringLiteral("--window"), fenster, QStringLiteral("Xaver")}));
  QThread::msleep(300);
  ASSERT_TRUE(ausfuehren(python, {skript, fenster}));
  ASSERT_TRUE(kartulon.waitForFinished(30000)) << "the program did not end when its window was closed";
  EXPECT_EQ(kartulon.exitStatus(), QProcess::NormalExit);
  EXPECT_EQ(kartulon.exitCode(), 0);
  EXPECT_EQ(dateiLesen(datei), vorher);
  EXPECT_EQ(QDir(daten).entryList(QDir::Files | QDir::Hidden), QStringList{QStringLiteral("kartulon.dat")});
}
