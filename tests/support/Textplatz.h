#pragma once
// Whether a window shows its texts whole: every label, button, frame caption, status panel and list line
// fits its control in the program's fonts, measured as a screen of that many dots per inch draws them
// (in pixels of a 96 dpi screen, the size the controls have), no label's text runs into a neighbouring
// control, and every control lies inside its container and the window.
#include <QFont>
#include <QString>
#include <QStringList>

class QWidget;

namespace textplatz {

// The width and the height a text takes in a font at dpi, in pixels of a 96 dpi screen; lines are
// separated by LF.
double breiteBei(const QFont& font, const QString& text, int dpi);
double hoeheBei(const QFont& font, const QString& text, int dpi);

// What the window, as it is shown now, cuts or covers at dpi: one line per fault, naming the control
// and its text. Every page of a tab control is looked at; the current page is restored. The text boxes
// named in ganzZuSehen (facts to read, not to edit) must show their whole text without scrolling.
QStringList fehler(QWidget* fenster, int dpi, const QStringList& ganzZuSehen = {});

}  // namespace textplatz
