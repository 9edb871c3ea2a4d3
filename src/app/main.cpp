#include "common/Global.h"
#include "common/Hilfe.h"
#include "common/formen/Anmelden.h"
#include "mainwindow/Main.h"
#include "platform/vb/Fonts.h"
#include "platform/vb/Paths.h"

#include <QApplication>
#include <QLocale>

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Kartulon"));
  // The program is German whatever the machine's locale.
  QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
  Fonts::einrichten();
  FensterDiensteAnmelden();
  Paths::ordnerEinrichten();
  Befehlszeile = QApplication::arguments().mid(1).join(u' ');
  // F1 opens the focused control's topic in the program's help file.
  vb::Forms::setHelpHandler([](int thema) { HilfeZeigen(HilfeDatei, thema); });

  // The first reference loads the main window: its load is the whole start-up.
  Main& fenster = Main::get();
  fenster.show();
  return app.exec();
}
