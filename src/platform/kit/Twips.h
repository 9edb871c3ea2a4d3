#pragma once
// Widgets placed in twips.
#include "platform/vb/Twips.h"

#include <QRect>
#include <QWidget>

namespace Twips {
// Places a widget at a position and size in twips, relative to its parent. A control that lies on a
// main window itself counts its top from below the window's menu bar, as on a form.
void setzen(QWidget* w, int left, int top, int width, int height);
QRect rechteck(const QWidget* w);  // the widget's geometry in twips
// The height in pixels of the window's menu bar (0 when it has none or it is hidden), also before the
// window is first shown.
int menuHoehe(const QWidget* fenster);
}  // namespace Twips
