#include "platform/vb/Fonts.h"

namespace Fonts {

namespace {
struct Ersatz {
  const char* windows;
  const char* frei;
};
constexpr Ersatz kErsatz[] = {
    {"Arial", "Liberation Sans"},
    {"MS Sans Serif", "Liberation Sans"},
    {"Microsoft Sans Serif", "Liberation Sans"},
    {"Helvetica", "Liberation Sans"},
    {"Tahoma", "Liberation Sans"},
    {"Verdana", "Liberation Sans"},
    {"Courier New", "Liberation Mono"},
    {"Courier", "Liberation Mono"},
    {"Lucida Console", "Liberation Mono"},
    {"Times New Roman", "Liberation Serif"},
    {"Times", "Liberation Serif"},
    {"MS Serif", "Liberation Serif"},
};
}  // namespace

QString familie(const QString& name) {
  const QString n = name.trimmed();
  for (const Ersatz& e : kErsatz)
    if (n.compare(QLatin1String(e.windows), Qt::CaseInsensitive) == 0) return QString::fromLatin1(e.frei);
  return name;
}

QStringList windowsNamen() {
  QStringList namen;
  for (const Ersatz& e : kErsatz) namen.append(QString::fromLatin1(e.windows));
  return namen;
}

QString windowsName(const QString& name) {
  const QString n = name.trimmed();
  for (const Ersatz& e : kErsatz)
    if (n.compare(QLatin1String(e.windows), Qt::CaseInsensitive) == 0) return QString::fromLatin1(e.windows);
  return {};
}

void einrichten() {
  static bool fertig = false;
  if (fertig) return;
  fertig = true;
  for (const Ersatz& e : kErsatz)
    QFont::insertSubstitution(QString::fromLatin1(e.windows), QString::fromLatin1(e.frei));
}

QFont schrift(const QString& name, double punkte, bool fett, bool kursiv) {
  QFont f(familie(name));
  f.setPointSizeF(punkte);
  f.setBold(fett);
  f.setItalic(kursiv);
  return f;
}

}  // namespace Fonts
