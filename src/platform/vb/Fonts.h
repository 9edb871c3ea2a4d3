#pragma once
// The font names that the program's settings and masks use, mapped onto metric-compatible free fonts.
#include <QFont>
#include <QString>
#include <QStringList>

namespace Fonts {
// Registers the substitutions once (at start).
void einrichten();
// The family to use on this system for a family name of the settings.
QString familie(const QString& name);
QFont schrift(const QString& name, double punkte, bool fett = false, bool kursiv = false);
// The Windows font names that stand for a free font, in their usual spelling ("Arial", "Courier New").
QStringList windowsNamen();
// The usual spelling of such a name, matched without regard to case; "" for any other name.
QString windowsName(const QString& name);
}  // namespace Fonts
