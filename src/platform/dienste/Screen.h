#pragma once
// The screens, in twips: the area of each that windows may cover (without the desktop's panels).
#include <QList>
#include <QRect>

namespace vb::Screen {

// Every screen's area, the primary one first. Positions are on the whole desktop.
QList<QRect> Flaechen();
// The primary screen's area, and its width and height.
QRect Primaer();
int Width();
int Height();
// The area of the screen that holds the largest part of a window's rectangle; the primary screen's when
// the rectangle lies on none of them (a screen that was removed).
QRect FlaecheFuer(const QRect& fenster);

// The mouse pointer over every window of the program, as the runtime's Screen.MousePointer: 0 the
// default pointer, 11 the hourglass (other values show the default). It stays until set again.
constexpr int vbDefault = 0;
constexpr int vbHourglass = 11;
int MousePointer();
void setMousePointer(int zeiger);

// Tests fix the screens; an empty list gives back the real ones.
void setTestFlaechen(const QList<QRect>& flaechen);

}  // namespace vb::Screen
