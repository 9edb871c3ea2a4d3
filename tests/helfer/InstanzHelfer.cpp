// Another copy of the program for the single-instance tests: "erste" stays as the running copy (its
// window minimised) until a later copy brings it to the front; "zweite" only starts up. It prints "weiter"
// when the guard lets it run and "aktiviert" when it was brought to the front.
#include "common/formen/Anmelden.h"
#include "mainwindow/Instanzpruefung.h"
#include "mainwindow/Main.h"
#include "platform/vb/Sprache.h"

#include <QApplication>
#include <QElapsedTimer>
#include <cstdio>

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  Sprache::einrichten();
  FensterDiensteAnmelden();
  const QString art = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QString();

  Main& fenster = Main::get();
  fenster.showMinimized();
  InstanzPruefen();
  std::printf("weiter\n");
  std::fflush(stdout);
  if (art != QStringLiteral("erste")) return 0;

  QElapsedTimer uhr;
  uhr.start();
  while (fenster.QMainWindow::windowState() & Qt::WindowMinimized) {
    if (uhr.elapsed() > 20000) return 3;
    QApplication::processEvents(QEventLoop::AllEvents, 50);
  }
  std::printf("aktiviert\n");
  std::fflush(stdout);
  return 0;
}
