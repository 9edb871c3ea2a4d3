#include "platform/Twips.h"

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
void setzen(QWidget* w, int left, int top, int width, int height) {
  w->setGeometry(zuPixel(left), zuPixel(top), std::max(0, zuPixel(width)), std::max(0, zuPixel(height)));
}
QRect rechteck(const QWidget* w) {
  const QRect g = w->geometry();
  return {ausPixel(g.x()), ausPixel(g.y()), ausPixel(g.width()), ausPixel(g.height())};
}
}  // namespace Twips
