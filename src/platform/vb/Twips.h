#pragma once
// Positions and sizes of forms, controls and the printer are kept in twips (1440 to the inch).
namespace Twips {
// The screen's logical dots per inch (96 when there is no screen).
double dpi();
int zuPixel(int twips);
int ausPixel(int pixel);
}  // namespace Twips
