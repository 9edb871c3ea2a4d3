#include "BenchUmgebung.h"

#include "common/Ini.h"
#include "platform/dienste/Dialogs.h"
#include "support/kern/Attrappen.h"
#include "platform/vb/Fonts.h"

#include <QApplication>
#include <QLocale>
#include <QTemporaryDir>

QString BenchUmgebung() {
  static QTemporaryDir ordner;
  if (!QApplication::instance()) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "kartulon_bench";
    static char* argv[] = {name, nullptr};
    // Left to the end of the process: destroying it at exit would run after Qt's own clean-up.
    new QApplication(argc, argv);
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    Fonts::einrichten();
    qputenv("KARTULON_HOME", ordner.path().toLocal8Bit());
    qputenv("KARTULON_WINDIR", ordner.path().toLocal8Bit());
    Dialogs::install(std::make_unique<ScriptedDialogs>());
    IniSchreiben(QString(), QStringLiteral("Allgemein"), QStringLiteral("LänderHinweis"), QStringLiteral("0"));
    IniSchreiben(ordner.path() + QStringLiteral("/ZurIrada.ini"), QStringLiteral("Allgemein"),
                 QStringLiteral("NoInstanceWatch"), QStringLiteral("1"));
    IniSichern();
  }
  return ordner.path();
}
