#include "common/Global.h"
#include "common/Hilfe.h"
#include "common/formen/Anmelden.h"
#include "mainwindow/Titel.h"
#include "platform/vb/Fonts.h"
#include "platform/vb/Paths.h"
#include "platform/vb/Sprache.h"

#include <QApplication>

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Kartulon"));
  Sprache::einrichten();
  Fonts::einrichten();
  FensterDiensteAnmelden();
  Paths::ordnerEinrichten();
  Befehlszeile = QApplication::arguments().mid(1).join(u' ');
  // F1 opens the focused control's topic in the program's help file.
  vb::Forms::setHelpHandler([](int thema) { HilfeZeigen(HilfeDatei, thema); });

  // The start-up window is the program's start: its timer loads and shows the main window. When it is
  // suppressed it does so inside its own load and is gone again before it could be shown.
  Titel::get();
  if (Titel::IsLoaded()) Titel::get().Show();
  return app.exec();
}
