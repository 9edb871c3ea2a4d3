#pragma once
// The font names that the program's settings and masks use, mapped onto metric-compatible free fonts.
#include <QFont>
#include <QString>

namespace Fonts {
// Registers the substitutions once (at start).
void einrichten();
// The family to use on this system for a family name of the settings.
QString familie(const QString& name);
QFont schrift(const QString& name, double punkte, bool fett = false, bool kursiv = false);
}  // namespace Fonts
