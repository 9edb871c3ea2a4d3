#include "common/Token.h"

#include "common/Global.h"

QString StandardTrenner() { return QStringLiteral(" /,;|\t\n\r"); }

short TextZerlegen(QString& text, QString& trenner) {
  if (trenner.isEmpty()) trenner = StandardTrenner();
  for (int i = 1; i <= 50; ++i) Token[i].clear();
  text += trenner[0];
  const bool standard = trenner == StandardTrenner();
  TokenAnzahl = 0;
  qsizetype anfang = 0;
  for (qsizetype i = 0; i < text.size(); ++i) {
    const QChar c = text[i];
    if (!trenner.contains(c)) continue;
    if (standard && c == u'/' && i > 0 && text[i - 1] != u' ') continue;
    if (i != anfang) {
      if (++TokenAnzahl > 99) TokenAnzahl = 99;
      Token[TokenAnzahl] = text.mid(anfang, i - anfang);
    }
    anfang = i + 1;
  }
  return static_cast<short>(TokenAnzahl);
}

short TextZerlegen(QString& text, const QString& trenner) {
  QString t = trenner;
  return TextZerlegen(text, t);
}

short TextZerlegen(const QString& text, const QString& trenner) {
  QString kopie = text;
  QString t = trenner;
  return TextZerlegen(kopie, t);
}

QString SchalterWert(const QString& prefix) {
  QString wert;
  const int anzahl = qBound(0, TokenAnzahl, 99);
  for (int i = 1; i <= anzahl; ++i) {
    const QString& token = Token[i];
    if (token.left(prefix.size()).compare(prefix, Qt::CaseInsensitive) != 0) continue;
    wert = token.mid(prefix.size());
    if (wert.isEmpty()) wert = QStringLiteral("1");
  }
  return wert;
}
