#include "platform/kit/Twips.h"

#include <algorithm>

namespace Twips {
void setzen(QWidget* w, int left, int top, int width, int height) {
  w->setGeometry(zuPixel(left), zuPixel(top), std::max(0, zuPixel(width)), std::max(0, zuPixel(height)));
}
QRect rechteck(const QWidget* w) {
  const QRect g = w->geometry();
  return {ausPixel(g.x()), ausPixel(g.y()), ausPixel(g.width()), ausPixel(g.height())};
}
}  // namespace Twips
