#pragma once
// Widgets placed in twips.
#include "platform/vb/Twips.h"

#include <QRect>
#include <QWidget>

namespace Twips {
// Places a widget at a position and size in twips, relative to its parent.
void setzen(QWidget* w, int left, int top, int width, int height);
QRect rechteck(const QWidget* w);  // the widget's geometry in twips
}  // namespace Twips
