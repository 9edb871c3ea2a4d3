#include "platform/kit/Twips.h"

#include <QMainWindow>

#include <algorithm>

namespace Twips {
int menuHoehe(const QWidget* fenster) {
  const auto* haupt = qobject_cast<const QMainWindow*>(fenster);
  const QWidget* menu = haupt ? haupt->menuWidget() : nullptr;
  if (!menu || menu->isHidden()) return 0;
  return menu->isVisible() ? menu->height() : menu->sizeHint().height();
}
namespace {
// A control on the main window itself (not in its central area): below the menu bar.
int versatz(const QWidget* w) {
  const auto* haupt = qobject_cast<const QMainWindow*>(w->parentWidget());
  if (!haupt || w == haupt->menuWidget()) return 0;
  return menuHoehe(haupt);
}
}  // namespace
void setzen(QWidget* w, int left, int top, int width, int height) {
  w->setGeometry(zuPixel(left), zuPixel(top) + versatz(w), std::max(0, zuPixel(width)), std::max(0, zuPixel(height)));
}
QRect rechteck(const QWidget* w) {
  const QRect g = w->geometry();
  return {ausPixel(g.x()), ausPixel(g.y() - versatz(w)), ausPixel(g.width()), ausPixel(g.height())};
}
}  // namespace Twips
