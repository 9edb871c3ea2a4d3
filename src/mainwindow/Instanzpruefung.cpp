#include "mainwindow/Instanzpruefung.h"

#include "common/Ini.h"
#include "common/Pfade.h"
#include "mainwindow/Main.h"
#include "platform/kit/Instanz.h"
#include "platform/vb/Paths.h"
#include "platform/vb/Programm.h"
#include "platform/vb/Vb.h"

#include <QGuiApplication>

namespace {

void ersteKopieZeigen() {
  if (!Main::IsLoaded()) return;
  Main& fenster = Main::get();
  if (fenster.isMinimized())
    fenster.QMainWindow::setWindowState(fenster.QMainWindow::windowState() & ~Qt::WindowMinimized);
  if (fenster.isVisible()) {
    fenster.raise();
    fenster.activateWindow();
  }
}

}  // namespace

void InstanzPruefen() {
  const QString reservierung = Paths::aufloesen(Paths::verbinden(ProgrammOrdner(), QStringLiteral("ZurIrada.ini")));
  const QString wert =
      IniLesen(reservierung, QStringLiteral("Allgemein"), QStringLiteral("NoInstanceWatch"), QStringLiteral("0"));
  IniSchreiben(reservierung, QStringLiteral("Allgemein"), QStringLiteral("NoInstanceWatch"), wert);
  if (vb::Val(wert) == 1) return;
  if (!Instanz::andereKopieAktivieren(ersteKopieZeigen)) return;
  // The running copy has the request; this one gives up its title and ends without its closing steps.
  QGuiApplication::setApplicationDisplayName(QStringLiteral("#XYZDummy"));
  IniSichern();
  vb::Programm::Ende(0);
}
