#include "exchange/Zwischenablageimport.h"

#include "common/Global.h"
#include "common/Text.h"
#include "common/Token.h"
#include "platform/vb/Vb.h"

#include <QStringList>

bool ZaKommaRegel(const QString& dinfoVer) {
  const double v = vb::Val(dinfoVer);
  return v >= 97 && v <= 98;
}

ZaTeile ZaTextZerlegen(const QString& eingabe, bool kommaRegel) {
  // Every line break as one CR, so that a break cuts once whatever line ends the text came with.
  QString text = Ersetzen(eingabe, QStringLiteral("\r\n"), QStringLiteral("\r"));
  text.replace(u'\n', u'\r');

  const int erste = TextZerlegen(text, kommaRegel ? QStringLiteral(",") : QStringLiteral("\t\r"));
  QString zweiter;
  for (int k = 1; k <= erste; ++k) {
    QString stueck = vb::Trim(Token[k]);
    // "12345 Berlin": postcode and town become two parts (a town of one or two letters does not).
    if (vb::Val(stueck.left(5)) > 0 && stueck.size() > 8 && stueck[5] == u' ') stueck[5] = u'\t';
    if (kommaRegel && k == 1) {
      const qsizetype blank = stueck.indexOf(u' ');
      if (blank >= 0) stueck[blank] = u'\t';
    }
    zweiter += stueck + u'\t';
  }

  const int anzahl = TextZerlegen(zweiter, QStringLiteral("\t\r,;"));
  QStringList teile;
  for (int k = 1; k <= anzahl; ++k) teile << Token[k];
  if (teile.size() > kZaTeile) {
    QString letzter = teile[kZaTeile - 1];
    for (qsizetype k = kZaTeile; k < teile.size(); ++k) letzter += u'~' + teile[k];
    teile[kZaTeile - 1] = letzter.replace(u'~', QStringLiteral("\r\n"));
  }
  ZaTeile ergebnis;
  for (int i = 0; i < kZaTeile && i < teile.size(); ++i) ergebnis[i] = vb::Trim(teile[i]);
  return ergebnis;
}
