// The main of every test program: a headless application, German whatever the machine says.
#include "platform/Fonts.h"
#include "platform/Printer.h"

#include <QApplication>
#include <QLocale>
#include <gmock/gmock.h>

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
  Fonts::einrichten();
  // No test reaches a real printer unless it installs Qt's printer itself.
  vb::installPrinterBackend(std::make_unique<vb::RecordingPrinter>());
  ::testing::InitGoogleMock(&argc, argv);
  return RUN_ALL_TESTS();
}
