// The main of every test program: a headless application, German whatever the machine says.
#include "platform/Fonts.h"

#include <QApplication>
#include <QLocale>
#include <gmock/gmock.h>

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
  Fonts::einrichten();
  ::testing::InitGoogleMock(&argc, argv);
  return RUN_ALL_TESTS();
}
