// The main of the window test programs: a headless application, German whatever the machine says.
#include "common/formen/Anmelden.h"
#include "platform/dienste/Printer.h"
#include "platform/kit/Form.h"
#include "platform/kit/Instanz.h"
#include "platform/vb/Fonts.h"
#include "platform/vb/Sprache.h"
#include "support/kern/TestUmgebung.h"

#include <gmock/gmock.h>
#include <QApplication>
#include <QFile>

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  Sprache::einrichten();
  Fonts::einrichten();
  FensterDiensteAnmelden();
  // No test reaches a real printer unless it installs Qt's printer itself.
  vb::installPrinterBackend(std::make_unique<vb::RecordingPrinter>());
  // The main window's first paint would show the tip of the day in a modal loop of its own.
  KartulonTest::fensterVorbereiten = [](const QString& windowsOrdner) {
    QFile f(windowsOrdner + QStringLiteral("/Zedured.ini"));
    if (f.open(QIODevice::WriteOnly | QIODevice::Truncate)) f.write("[Kartulon]\r\nTitelAus=1\r\nAutoTip=0\r\n");
  };
  KartulonTest::fensterAufraeumen = [] {
    vb::Forms::UnloadAll();
    vb::Forms::setModalInterceptor({});
    Instanz::beenden();
  };
  ::testing::InitGoogleMock(&argc, argv);
  return RUN_ALL_TESTS();
}
