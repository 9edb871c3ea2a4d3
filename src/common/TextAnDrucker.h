#pragma once
// Printing a text word-wrapped into a box on the current printer page, and the page footer.
#include <QString>

// Prints the text word by word into the box (left, top, right, bottom in the printer's current scale)
// and returns what did not fit ("" when all of it was printed). Words break after a blank, a "-" or a
// CR and are never split; LF characters are dropped. A negative left or top starts at the printer's
// current position; a right edge that is negative or not right of left becomes the right edge of the
// printable area less 1, a bottom that is negative or not below top the bottom of the printable area less
// two line heights of "Ay" (room for the footer) - both written back. The text is consumed: afterwards
// it holds what followed the last word taken.
//
// A caller that prints the rest on a new page must stop when nothing was printed: a box too low for one
// line returns the whole text again.
QString TextImRahmenDrucken(QString& text, double left, double top, double& right, double& bottom);
// What TextImRahmenDrucken would leave over from the text in that box, printing nothing and leaving the
// printer's position as it was: "" when all of it fits.
QString TextImRahmenMessen(QString text, double left, double top, double right, double bottom);

// Prints the footer "Kartulon <major version> · Ausdruck vom <today>" in Arial 6 italic, 2.5 of its
// line heights above the bottom of the printable area, at x. The setting Fusszeile = "0" (Zedured.ini)
// leaves the text out; the font and position are set all the same. Italic is off afterwards.
void FusszeileDrucken(double x);
