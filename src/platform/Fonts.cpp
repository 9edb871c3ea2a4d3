#include "platform/Fonts.h"

namespace Fonts {

QString familie(const QString& name) {
  const QString n = name.trimmed().toLower();
  if (n == u"arial" || n == u"ms sans serif" || n == u"helvetica" || n == u"microsoft sans serif" ||
      n == u"tahoma" || n == u"verdana")
    return QStringLiteral("Liberation Sans");
  if (n == u"courier new" || n == u"courier" || n == u"lucida console") return QStringLiteral("Liberation Mono");
  if (n == u"times new roman" || n == u"times" || n == u"ms serif") return QStringLiteral("Liberation Serif");
  return name;
}

void einrichten() {
  static bool fertig = false;
  if (fertig) return;
  fertig = true;
  for (const char* n : {"Arial", "MS Sans Serif", "Microsoft Sans Serif", "Helvetica", "Tahoma", "Verdana"})
    QFont::insertSubstitution(QString::fromLatin1(n), QStringLiteral("Liberation Sans"));
  for (const char* n : {"Courier New", "Courier", "Lucida Console"})
    QFont::insertSubstitution(QString::fromLatin1(n), QStringLiteral("Liberation Mono"));
  for (const char* n : {"Times New Roman", "Times", "MS Serif"})
    QFont::insertSubstitution(QString::fromLatin1(n), QStringLiteral("Liberation Serif"));
}

QFont schrift(const QString& name, double punkte, bool fett, bool kursiv) {
  QFont f(familie(name));
  f.setPointSizeF(punkte);
  f.setBold(fett);
  f.setItalic(kursiv);
  return f;
}

}  // namespace Fonts
