#include "platform/kit/Dienste.h"

#include "platform/dienste/Dialogs.h"
#include "platform/dienste/Printer.h"
#include "platform/dienste/Sound.h"

#include <QApplication>

namespace kit {
void DiensteAnmelden() {
  Dialogs::standardSetzen(&qtDialoge);
  Sound::glockeSetzen([] {
    if (qobject_cast<QApplication*>(QCoreApplication::instance())) QApplication::beep();
  });
  vb::druckerStandardSetzen(
      [] { return std::make_unique<vb::QtPrinterBackend>(qEnvironmentVariable("KARTULON_PDF")); });
}
}  // namespace kit
