// The main of the core's test programs: no widget library, German whatever the machine says.
#include "platform/dienste/Printer.h"
#include "platform/vb/Fonts.h"
#include "platform/vb/Sprache.h"

#include <gmock/gmock.h>
#include <QGuiApplication>

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  Sprache::einrichten();
  Fonts::einrichten();
  vb::installPrinterBackend(std::make_unique<vb::RecordingPrinter>());
  ::testing::InitGoogleMock(&argc, argv);
  return RUN_ALL_TESTS();
}
