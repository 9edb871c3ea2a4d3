#include "platform/Vb.h"

#include "platform/Clock.h"

#include <QRegularExpression>
#include <QStringList>
#include <array>
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

// ---------------------------------------------------------------------------------------------------
// Like

namespace {
const std::array<char16_t, 256> kKlein = [] {
  std::array<char16_t, 256> t{};
  for (int i = 0; i < 256; ++i) t[i] = static_cast<char16_t>(QChar::toLower(static_cast<char32_t>(i)));
  return t;
}();
}  // namespace

char16_t Klein(char16_t c) {
  if (c < 256) return kKlein[c];
  return static_cast<char16_t>(QChar::toLower(static_cast<char32_t>(c)));
}

LikeMuster::LikeMuster(QStringView muster) {
  const qsizetype n = muster.size();
  for (qsizetype i = 0; i < n; ++i) {
    const char16_t c = muster[i].unicode();
    switch (c) {
      case u'*':
        if (elemente_.empty() || elemente_.back().art != Art::Stern) elemente_.push_back({Art::Stern});
        break;
      case u'?':
        elemente_.push_back({Art::Eins});
        break;
      case u'#':
        elemente_.push_back({Art::Ziffer});
        break;
      case u'[': {
        const qsizetype ende = muster.indexOf(u']', i + 1);
        if (ende < 0) {
          gueltig_ = false;
          elemente_.clear();
          return;
        }
        QStringView liste = muster.mid(i + 1, ende - i - 1);
        i = ende;
        if (liste.isEmpty()) break;  // "[]" stands for nothing
        Element e{Art::Liste};
        if (liste.size() > 1 && liste[0] == u'!') {
          e.nicht = true;
          liste = liste.mid(1);
        }
        e.von = static_cast<int>(bereiche_.size());
        for (qsizetype k = 0; k < liste.size(); ++k) {
          const char16_t a = liste[k].unicode();
          if (k + 2 < liste.size() && liste[k + 1] == u'-') {
            const char16_t b = liste[k + 2].unicode();
            if (b < a) {
              gueltig_ = false;
              elemente_.clear();
              return;
            }
            bereiche_.emplace_back(a, b);
            k += 2;
          } else {
            bereiche_.emplace_back(a, a);
          }
        }
        e.bis = static_cast<int>(bereiche_.size());
        elemente_.push_back(e);
        break;
      }
      default:
        elemente_.push_back({Art::Zeichen, false, c});
    }
  }
}

bool LikeMuster::einsPasst(const Element& e, char16_t c) const {
  switch (e.art) {
    case Art::Zeichen: return c == e.zeichen;
    case Art::Eins: return true;
    case Art::Ziffer: return c >= u'0' && c <= u'9';
    case Art::Liste: {
      bool drin = false;
      for (int k = e.von; k < e.bis && !drin; ++k) drin = c >= bereiche_[k].first && c <= bereiche_[k].second;
      return drin != e.nicht;
    }
    case Art::Stern: return false;
  }
  return false;
}

// Every element but "*" takes exactly one character, so on a mismatch it is enough to go back to the
// last "*" and let it take one character more: the earlier stars never need to change.
template <class Abbildung>
bool LikeMuster::vergleichen(QStringView text, Abbildung abb) const {
  if (!gueltig_) return false;
  const std::size_t m = elemente_.size();
  const qsizetype n = text.size();
  const char16_t* t = reinterpret_cast<const char16_t*>(text.data());
  std::size_t p = 0;
  qsizetype i = 0;
  std::size_t sternP = m + 1;  // element after the last star; m + 1: no star yet
  qsizetype sternI = 0;        // where the text after that star starts
  // Moves the star's start on to the next place where the element after the star can match.
  auto vorruecken = [&]() -> bool {
    if (sternP < m && elemente_[sternP].art == Art::Zeichen) {
      const char16_t z = elemente_[sternP].zeichen;
      while (sternI < n && abb(t[sternI]) != z) ++sternI;
      if (sternI >= n) return false;
    }
    i = sternI;
    p = sternP;
    return true;
  };
  while (i < n) {
    if (p < m && elemente_[p].art == Art::Stern) {
      sternP = p + 1;
      sternI = i;
      if (sternP == m) return true;  // a final star takes the rest
      if (!vorruecken()) return false;
      continue;
    }
    if (p < m && einsPasst(elemente_[p], abb(t[i]))) {
      ++p;
      ++i;
      continue;
    }
    if (sternP > m) return false;
    ++sternI;
    if (sternI >= n || !vorruecken()) return false;
  }
  while (p < m && elemente_[p].art == Art::Stern) ++p;
  return p == m;
}

bool LikeMuster::passt(QStringView text) const {
  return vergleichen(text, [](char16_t c) { return c; });
}

bool LikeMuster::passtKlein(QStringView text) const {
  return vergleichen(text, [](char16_t c) { return Klein(c); });
}

QString LikeMuster::woertlich(QStringView text) {
  QString m;
  m.reserve(text.size());
  for (QChar c : text) {
    if (c == u'*' || c == u'?' || c == u'#' || c == u'[') {
      m += u'[';
      m += c;
      m += u']';
    } else {
      m += c;
    }
  }
  return m;
}

bool Like(QStringView text, QStringView muster) { return LikeMuster(muster).passt(text); }

}  // namespace vb
