#include "common/Schrift.h"

#include <optional>

namespace {

// The size as the description's reader takes it: leading blanks skipped, digits with at most one
// point, up to the first character that cannot continue the number; no number is 0 ("8,25" is 8).
double groesseLesen(const QString& text) {
  qsizetype i = 0;
  while (i < text.size() && text.at(i) == u' ') ++i;
  QString zahl;
  bool punkt = false;
  for (; i < text.size(); ++i) {
    const QChar c = text.at(i);
    if (c.isDigit() && c.unicode() < 128) {
      zahl += c;
    } else if (c == u'.' && !punkt) {
      punkt = true;
      zahl += c;
    } else {
      break;
    }
  }
  return zahl.toDouble();  // "" and "." give 0
}

// A number as the runtime's objects take it for a property: the whole text, "&H" hex too.
std::optional<double> zahlAusText(const QString& text) {
  const QString t = text.trimmed();
  bool ok = false;
  if (t.startsWith(QStringLiteral("&H"), Qt::CaseInsensitive)) {
    const long long wert = t.mid(2).toLongLong(&ok, 16);
    if (ok) return static_cast<double>(wert);
    return std::nullopt;
  }
  const double wert = t.toDouble(&ok);
  if (ok) return wert;
  return std::nullopt;
}

// A truth value as the runtime's objects convert a text: a number (0 off, any other on) or the words
// for true and false.
std::optional<bool> wahrheitAusText(const QString& text) {
  if (const auto z = zahlAusText(text)) return *z != 0;
  const QString t = text.trimmed().toLower();
  if (t == u"true" || t == u"wahr") return true;
  if (t == u"false" || t == u"falsch") return false;
  return std::nullopt;
}

QString flag(const std::optional<bool>& wert) {
  if (!wert) return {};
  return *wert ? QStringLiteral("-1") : QStringLiteral("0");
}

}  // namespace

QString SchriftAlsText(vb::FontTarget objekt) {
  QString t;
  t += objekt->fontName().value_or(QString()) + u';';
  if (const auto g = objekt->fontSize()) t += QString::number(*g, 'g', 7);
  t += u';';
  t += flag(objekt->fontBold()) + u';';
  t += flag(objekt->fontItalic()) + u';';
  t += flag(objekt->fontUnderline()) + u';';
  if (const auto f = objekt->foreColor()) t += QString::number(*f);
  t += u';';
  return t;
}

void SchriftSetzen(vb::FontTarget objekt, QString& beschreibung, QString& was) {
  was = was.toLower();
  const bool schrift = was.isEmpty() || was.contains(u"schr") || was.contains(u"alle") || was.contains(u"print");
  const bool farbe = was.isEmpty() || was.contains(u"farb") || was.contains(u"alle");
  beschreibung += QStringLiteral(";;;;;;;;;;");
  for (int feld = 1; feld <= 6; ++feld) {
    const qsizetype ende = beschreibung.indexOf(u';');
    const QString wert = beschreibung.left(ende).trimmed();
    beschreibung.remove(0, ende + 1);
    if (wert.isEmpty() || !(feld == 6 ? farbe : schrift)) continue;
    switch (feld) {
      case 1:
        objekt->setFontName(wert);
        break;
      case 2:
        objekt->setFontSize(groesseLesen(wert));
        break;
      case 3:
        if (const auto b = wahrheitAusText(wert)) objekt->setFontBold(*b);
        break;
      case 4:
        if (const auto b = wahrheitAusText(wert)) objekt->setFontItalic(*b);
        break;
      case 5:
        if (const auto b = wahrheitAusText(wert)) objekt->setFontUnderline(*b);
        break;
      case 6:
        if (const auto z = zahlAusText(wert); z && *z >= -2147483648.0 && *z <= 2147483647.0)
          objekt->setForeColor(static_cast<long>(*z));
        break;
    }
  }
}

void SchriftSetzen(vb::FontTarget objekt, QString& beschreibung, const QString& was) {
  QString w = was;
  SchriftSetzen(objekt, beschreibung, w);
}

void SchriftSetzen(vb::FontTarget objekt, const QString& beschreibung, const QString& was) {
  QString b = beschreibung;
  QString w = was;
  SchriftSetzen(objekt, b, w);
}
