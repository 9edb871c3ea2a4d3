#include "BenchUmgebung.h"

#include "common/Ini.h"
#include "platform/dienste/Dialogs.h"
#include "platform/vb/Fonts.h"
#include "platform/vb/Sprache.h"
#include "support/kern/Adressgenerator.h"
#include "support/kern/Attrappen.h"

#include "platform/vb/Codec.h"
#include "platform/vb/Programm.h"

#include <cstdio>
#include <cstdlib>
#ifdef KARTULON_BENCH_FENSTER
#include <QApplication>
#include <QWidget>
#else
#include <QGuiApplication>
#endif
#include <QFile>
#include <QTemporaryDir>

#ifdef KARTULON_BENCH_FENSTER
namespace {

// Stops the run with the window's title when a modal window is shown.
class ModalWaechter : public QObject {
 public:
  using QObject::QObject;
  bool eventFilter(QObject* objekt, QEvent* ereignis) override {
    if (ereignis->type() == QEvent::Show && objekt->isWidgetType()) {
      const auto* w = static_cast<QWidget*>(objekt);
      if (w->isWindow() && w->isModal()) {
        std::fprintf(stderr, "Ein Benchmark hat ein modales Fenster geöffnet, das niemand beantwortet: »%s« (%s)\n",
                     qPrintable(w->windowTitle()), w->metaObject()->className());
        std::fflush(stderr);
        std::_Exit(71);
      }
    }
    return false;
  }
};

}  // namespace
#endif

QString BenchUmgebung() {
  static QTemporaryDir ordner;
  if (!QCoreApplication::instance()) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "kartulon_bench";
    static char* argv[] = {name, nullptr};
    // Left to the end of the process: destroying it at exit would run after Qt's own clean-up. The core's
    // benchmarks link no widget library: a GUI application (fonts, images) is all they need.
#ifdef KARTULON_BENCH_FENSTER
    new QApplication(argc, argv);
#else
    new QGuiApplication(argc, argv);
#endif
    Sprache::einrichten();
    Fonts::einrichten();
    qputenv("KARTULON_HOME", ordner.path().toLocal8Bit());
    qputenv("KARTULON_WINDIR", ordner.path().toLocal8Bit());
    Dialogs::install(std::make_unique<ScriptedDialogs>());
    // A benchmark that ends the program would leave the rest unmeasured and look like a whole run: it
    // fails the run loudly instead.
    vb::Programm::setEndeHandler([](int code) {
      std::fprintf(stderr, "Ein Benchmark hat das Programm beendet (Code %d): der Lauf ist unvollständig.\n", code);
      std::fflush(stderr);
      std::_Exit(70);
    });
#ifdef KARTULON_BENCH_FENSTER
    // A window that waits for a person (a modal form or box that no script answers) would hang the run.
    qApp->installEventFilter(new ModalWaechter(qApp));
#endif
    IniSchreiben(QString(), QStringLiteral("Allgemein"), QStringLiteral("LänderHinweis"), QStringLiteral("0"));
    // No start-up window and no tip of the day in a measured run.
    IniSchreiben(QString(), QString(), QStringLiteral("TitelAus"), QStringLiteral("1"));
    IniSchreiben(QString(), QString(), QStringLiteral("AutoTip"), QStringLiteral("0"));
    IniSchreiben(ordner.path() + QStringLiteral("/ZurIrada.ini"), QStringLiteral("Allgemein"),
                 QStringLiteral("NoInstanceWatch"), QStringLiteral("1"));
    IniSichern();
  }
  return ordner.path();
}

const QByteArray& Adressdatei32000() {
  static const QByteArray bytes = [] {
    QTemporaryDir dir;
    const QString datei = dir.filePath(QStringLiteral("bench.dat"));
    const QString fehler = AdressenErzeugen(32000, datei);
    if (!fehler.isEmpty()) qFatal("No addresses to measure: %s", qPrintable(fehler));
    QFile f(datei);
    if (!f.open(QIODevice::ReadOnly)) qFatal("The generated address file cannot be read: %s", qPrintable(datei));
    return f.readAll();
  }();
  return bytes;
}

const QStringList& Adressen32000() {
  static const QStringList zeilen = [] {
    QStringList z = Codec::zeilenTrennen(Codec::dekodieren(Adressdatei32000()));
    z.removeFirst();  // the description line
    return z;
  }();
  return zeilen;
}
