#include "common/Global.h"
#include "common/Pfade.h"
#include "mainwindow/Main.h"
#include "platform/Fonts.h"
#include "platform/Paths.h"

#include <QApplication>
#include <QLocale>

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Kartulon"));
  // The program is German whatever the machine's locale.
  QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
  Fonts::einrichten();
  Paths::ordnerEinrichten();

  DatenOrdner = Paths::programmOrdner();
  MaskenOrdner = DatenOrdner;
  IniDatei = Paths::verbinden(Paths::programmOrdner(), QStringLiteral("Kartulon.Ini"));
  QString startDatei = QStringLiteral("kartulon.dat");
  QStringList argumente;
  for (int i = 1; i < argc; ++i) {
    const QString arg = QString::fromLocal8Bit(argv[i]);
    argumente << arg;
    if (arg.startsWith(QStringLiteral("Datei="), Qt::CaseInsensitive))
      startDatei = DateiTeil(arg.mid(6), 1) + QStringLiteral(".Dat");
  }
  Befehlszeile = argumente.join(u' ');
  AktuelleDatei = Paths::verbinden(DatenOrdner, startDatei);

  Main& fenster = Main::get();
  fenster.DatenLaden();
  fenster.show();
  return app.exec();
}
