#pragma once
// Positions and sizes of forms and controls are kept in twips (1440 to the inch).
#include <QRect>
#include <QWidget>

namespace Twips {
// The screen's logical dots per inch (96 when there is no screen).
double dpi();
int zuPixel(int twips);
int ausPixel(int pixel);
// Places a widget at a position and size in twips, relative to its parent.
void setzen(QWidget* w, int left, int top, int width, int height);
QRect rechteck(const QWidget* w);  // the widget's geometry in twips
}  // namespace Twips
