#include "platform/vb/Dezu.h"

#include "platform/vb/Codec.h"

#include <QDate>
#include <QStringList>
#include <algorithm>

int InCount(const QString& text, const QString& muster) {
  if (muster.isEmpty()) return 0;
  int n = 0;
  for (qsizetype i = text.indexOf(muster); i >= 0; i = text.indexOf(muster, i + muster.size())) ++n;
  return n;
}

QString Compact(const QString& text) {
  QString aus;
  aus.reserve(text.size());
  for (QChar c : text)
    if (c != u' ' && c != u'\t' && c != u'\r' && c != u'\n') aus.append(c);
  return aus;
}

int PMatch(const QString& text) {
  if (!text.startsWith(u'(')) return 0;
  int tiefe = 0;
  for (qsizetype i = 0; i < text.size(); ++i) {
    if (text[i] == u'(') {
      ++tiefe;
    } else if (text[i] == u')') {
      if (--tiefe == 0) return static_cast<int>(i + 1);
    }
  }
  return 0;
}

int ASCII(const QString& text) {
  if (text.isEmpty()) return 0;
  return static_cast<unsigned char>(Codec::nach1252(text.left(1)).at(0));
}

double Factorial(int n) {
  if (n < 0 || n > 170) return 0;
  double f = 1;
  for (int i = 2; i <= n; ++i) f *= i;
  return f;
}

short MinInt(short a, short b) { return a < b ? a : b; }
short MaxInt(short a, short b) { return a > b ? a : b; }

int QInstrB(int start, const QString& text, const QString& such) {
  if (start < 1 || such.isEmpty() || such.size() > text.size()) return 0;
  qsizetype von = std::min<qsizetype>(start, text.size() - such.size() + 1) - 1;
  const qsizetype p = text.lastIndexOf(such, von);
  return p < 0 ? 0 : static_cast<int>(p + 1);
}

int Date2Num(const QString& datum) {
  const QStringList teile = datum.trimmed().split(u'-');
  if (teile.size() != 3 || teile[2].size() != 4) return 0;
  bool ok[3] = {false, false, false};
  const int monat = teile[0].toInt(&ok[0]);
  const int tag = teile[1].toInt(&ok[1]);
  const int jahr = teile[2].toInt(&ok[2]);
  if (!ok[0] || !ok[1] || !ok[2]) return 0;
  const QDate d(jahr, monat, tag);
  if (!d.isValid()) return 0;
  return static_cast<int>(QDate(1899, 12, 30).daysTo(d));
}
