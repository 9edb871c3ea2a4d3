#include "common/GrossKlein.h"

#include "common/Ini.h"
#include "common/Text.h"
#include "platform/vb/Codec.h"
#include "platform/vb/Vb.h"

#include <QStringList>

namespace {

// After one of these characters (or a control character) a word starts.
bool beginntWort(QChar vorher) {
  static const QString zeichen = QStringLiteral(" .,;!?°-_()[]{}=~°<>«»\\/*+&:@\"");
  return vorher.unicode() < 32 || zeichen.contains(vorher);
}

// One character for one, within the code page the texts live in (µ has no capital there, ß none at all).
QChar gross(QChar c) {
  const QChar g = c.toUpper();
  return Codec::istIn1252(g) ? g : c;
}
QChar klein(QChar c) { return QChar(vb::Klein(c.unicode())); }

QString eigenschreibung(const QString& text, bool restKlein) {
  QString ergebnis;
  ergebnis.reserve(text.size());
  const qsizetype n = text.size();
  if (n < 2) {
    for (QChar c : text) ergebnis.append(gross(c));
  } else {
    ergebnis.append(gross(text[0]));
    for (qsizetype i = 1; i < n; ++i) {
      const QChar c = restKlein ? klein(text[i]) : text[i];
      // A three-letter ending after a last dot (".com", ".txt") keeps its case.
      const bool endung = text[i - 1] == u'.' && i == n - 3;
      ergebnis.append(beginntWort(text[i - 1]) && !endung ? gross(c) : c);
    }
  }

  QString liste = IniLesen("", "Kartulon", "ImmerKlein", "") +
                  QStringLiteral(",und,oder,von,med,am,im,in,der,die,das,dem,den,für,bei,auf,unter,c't,b.,u.,");
  if (!liste.endsWith(u',')) liste.append(u',');
  for (const QString& teil : liste.split(u',')) {
    QString wort;
    for (QChar c : vb::Trim(teil)) wort.append(klein(c));
    if (wort.isEmpty()) continue;
    const QString mitBlanks = u' ' + wort + u' ';
    ergebnis = Ersetzen(ergebnis, mitBlanks, mitBlanks, 0);
  }
  return ergebnis;
}

}  // namespace

QString GrossKlein(const QString& text) { return eigenschreibung(text, true); }
QString WortAnfaengeGross(const QString& text) { return eigenschreibung(text, false); }
