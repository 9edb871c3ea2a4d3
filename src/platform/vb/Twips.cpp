#include "platform/vb/Twips.h"

#include <QGuiApplication>
#include <QScreen>
#include <cmath>

namespace Twips {
double dpi() {
  const QScreen* s = QGuiApplication::primaryScreen();
  return s ? s->logicalDotsPerInch() : 96.0;
}
int zuPixel(int twips) { return static_cast<int>(std::lround(twips * dpi() / 1440.0)); }
int ausPixel(int pixel) { return static_cast<int>(std::lround(pixel * 1440.0 / dpi())); }
}  // namespace Twips
