#include "platform/Vb.h"

#include "platform/Clock.h"

#include <QRegularExpression>
#include <QStringList>
#include <cmath>

namespace vb {

double Val(const QString& text) {
  QString s;
  s.reserve(text.size());
  for (QChar c : text)
    if (c != u' ' && c != u'\t' && c != u'\n' && c != u'\r') s.append(c);
  if (s.size() >= 2 && s[0] == u'&') {
    const QChar art = s[1].toUpper();
    int basis = art == u'H' ? 16 : art == u'O' ? 8 : 0;
    if (basis) {
      qint64 wert = 0;
      qsizetype i = 2;
      for (; i < s.size(); ++i) {
        const int ziffer = s[i].isDigit() ? s[i].digitValue()
                           : (basis == 16 && s[i].toUpper() >= u'A' && s[i].toUpper() <= u'F')
                               ? s[i].toUpper().unicode() - u'A' + 10
                               : -1;
        if (ziffer < 0 || ziffer >= basis) break;
        wert = wert * basis + ziffer;
        if (wert > 0xFFFFFFFFLL) break;
      }
      return static_cast<double>(wert);
    }
  }
  qsizetype i = 0;
  QString zahl;
  if (i < s.size() && (s[i] == u'+' || s[i] == u'-')) zahl.append(s[i++]);
  bool ziffern = false;
  while (i < s.size() && s[i].isDigit() && s[i].unicode() < 128) { zahl.append(s[i++]); ziffern = true; }
  if (i < s.size() && s[i] == u'.') {
    zahl.append(s[i++]);
    while (i < s.size() && s[i].isDigit() && s[i].unicode() < 128) { zahl.append(s[i++]); ziffern = true; }
  }
  if (!ziffern) return 0.0;
  if (i < s.size() && (s[i] == u'e' || s[i] == u'E' || s[i] == u'd' || s[i] == u'D')) {
    qsizetype j = i + 1;
    QString exp = QStringLiteral("e");
    if (j < s.size() && (s[j] == u'+' || s[j] == u'-')) exp.append(s[j++]);
    bool expZiffern = false;
    while (j < s.size() && s[j].isDigit() && s[j].unicode() < 128) { exp.append(s[j++]); expZiffern = true; }
    if (expZiffern) zahl += exp;
  }
  bool ok = false;
  const double d = zahl.toDouble(&ok);
  return ok && std::isfinite(d) ? d : 0.0;
}

namespace {

int monatAusName(const QString& wort) {
  static const QStringList namen = {
      QStringLiteral("januar"), QStringLiteral("februar"), QStringLiteral("märz"), QStringLiteral("april"),
      QStringLiteral("mai"), QStringLiteral("juni"), QStringLiteral("juli"), QStringLiteral("august"),
      QStringLiteral("september"), QStringLiteral("oktober"), QStringLiteral("november"),
      QStringLiteral("dezember")};
  const QString w = wort.toLower();
  if (w.size() < 3) return 0;
  for (int m = 0; m < 12; ++m)
    if (namen[m].startsWith(w)) return m + 1;
  // English short forms and "mrz", "jän" as users write them.
  static const QStringList andere = {QStringLiteral("jan"), QStringLiteral("feb"), QStringLiteral("mar"),
                                     QStringLiteral("apr"), QStringLiteral("may"), QStringLiteral("jun"),
                                     QStringLiteral("jul"), QStringLiteral("aug"), QStringLiteral("sep"),
                                     QStringLiteral("oct"), QStringLiteral("nov"), QStringLiteral("dec")};
  for (int m = 0; m < 12; ++m)
    if (w == andere[m]) return m + 1;
  if (w == u"mrz") return 3;
  if (w == u"jän" || w == u"jänner") return 1;
  return 0;
}

int jahrAusText(const QString& t) {
  const int y = t.toInt();
  if (t.size() <= 2) return y < 30 ? 2000 + y : 1900 + y;
  return y;
}

}  // namespace

QDate CDate(const QString& text) {
  QString t = text.trimmed();
  if (t.isEmpty()) return {};
  // An optional time of day after the date.
  static const QRegularExpression zeit(QStringLiteral("\\s+\\d{1,2}:\\d{2}(:\\d{2})?$"));
  t.remove(zeit);
  static const QRegularExpression trenner(QStringLiteral("[\\s.,/-]+"));
  const QStringList teile = t.split(trenner, Qt::SkipEmptyParts);
  if (teile.size() < 2 || teile.size() > 3) return {};
  // Separators must sit between parts only (".1.2" is no date), except a trailing "." after the month.
  if (!t[0].isLetterOrNumber()) return {};
  int zahlen[3] = {0, 0, 0};
  int monatPos = -1;
  for (qsizetype i = 0; i < teile.size(); ++i) {
    bool ok = false;
    const int n = teile[i].toInt(&ok);
    if (ok && teile[i].size() <= 4) {
      zahlen[i] = n;
    } else {
      const int m = monatAusName(teile[i]);
      if (!m || monatPos >= 0) return {};
      monatPos = static_cast<int>(i);
      zahlen[i] = m;
    }
  }
  int d = 0, m = 0, y = Clock::today().year();
  if (teile.size() == 3) {
    if (monatPos == 0) {  // "Feb 1 1999"
      m = zahlen[0]; d = zahlen[1]; y = jahrAusText(teile[2]);
    } else if (teile[0].size() >= 3 && monatPos < 0) {  // "1999-02-01"
      y = zahlen[0]; m = zahlen[1]; d = zahlen[2];
      if (teile[0].size() != 4) return {};
    } else {
      d = zahlen[0]; m = zahlen[1]; y = jahrAusText(teile[2]);
      if (monatPos == 2) return {};
    }
  } else {
    if (monatPos == 0) {  // "Feb 1999" or "Feb 1"
      m = zahlen[0];
      if (teile[1].size() >= 3 || zahlen[1] > 31) { d = 1; y = jahrAusText(teile[1]); }
      else d = zahlen[1];
    } else if (monatPos == 1) {
      d = zahlen[0]; m = zahlen[1];
      if (d > 31 || teile[0].size() >= 3) { y = jahrAusText(teile[0]); d = 1; }
    } else {
      d = zahlen[0]; m = zahlen[1];
      if (teile[1].size() >= 3 || m > 12) {  // "2.1999": month and year
        if (teile[0].size() > 2) return {};
        y = jahrAusText(teile[1]); m = d; d = 1;
      }
    }
  }
  if (y < 100 || y > 9999) return {};
  const QDate datum(y, m, d);
  return datum.isValid() ? datum : QDate();
}

bool IsDate(const QString& text) { return CDate(text).isValid(); }

QString DatumText(const QDate& d) { return d.isValid() ? d.toString(QStringLiteral("dd.MM.yyyy")) : QString(); }

int MonateZwischen(const QDate& von, const QDate& bis) {
  return (bis.year() * 12 + bis.month()) - (von.year() * 12 + von.month());
}

}  // namespace vb
