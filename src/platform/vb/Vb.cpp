#include "platform/vb/Vb.h"

#include "platform/vb/Clock.h"

#include <QList>
#include <QRegularExpression>
#include <QStringList>
#include <algorithm>
#include <array>
#include <bit>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>
#ifdef __SSE2__
#include <emmintrin.h>
#endif

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
  while (i < s.size() && s[i].isDigit() && s[i].unicode() < 128) {
    zahl.append(s[i++]);
    ziffern = true;
  }
  if (i < s.size() && s[i] == u'.') {
    zahl.append(s[i++]);
    while (i < s.size() && s[i].isDigit() && s[i].unicode() < 128) {
      zahl.append(s[i++]);
      ziffern = true;
    }
  }
  if (!ziffern) return 0.0;
  if (i < s.size() && (s[i] == u'e' || s[i] == u'E' || s[i] == u'd' || s[i] == u'D')) {
    qsizetype j = i + 1;
    QString exp = QStringLiteral("e");
    if (j < s.size() && (s[j] == u'+' || s[j] == u'-')) exp.append(s[j++]);
    bool expZiffern = false;
    while (j < s.size() && s[j].isDigit() && s[j].unicode() < 128) {
      exp.append(s[j++]);
      expZiffern = true;
    }
    if (expZiffern) zahl += exp;
  }
  bool ok = false;
  const double d = zahl.toDouble(&ok);
  return ok && std::isfinite(d) ? d : 0.0;
}

namespace {

int monatAusName(const QString& wort) {
  static const QStringList namen = {QStringLiteral("januar"),  QStringLiteral("februar"),  QStringLiteral("märz"),
                                    QStringLiteral("april"),   QStringLiteral("mai"),      QStringLiteral("juni"),
                                    QStringLiteral("juli"),    QStringLiteral("august"),   QStringLiteral("september"),
                                    QStringLiteral("oktober"), QStringLiteral("november"), QStringLiteral("dezember")};
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
      m = zahlen[0];
      d = zahlen[1];
      y = jahrAusText(teile[2]);
    } else if (teile[0].size() >= 3 && monatPos < 0) {  // "1999-02-01"
      y = zahlen[0];
      m = zahlen[1];
      d = zahlen[2];
      if (teile[0].size() != 4) return {};
    } else {
      d = zahlen[0];
      m = zahlen[1];
      y = jahrAusText(teile[2]);
      if (monatPos == 2) return {};
    }
  } else {
    if (monatPos == 0) {  // "Feb 1999" or "Feb 1"
      m = zahlen[0];
      if (teile[1].size() >= 3 || zahlen[1] > 31) {
        d = 1;
        y = jahrAusText(teile[1]);
      } else
        d = zahlen[1];
    } else if (monatPos == 1) {
      d = zahlen[0];
      m = zahlen[1];
      if (d > 31 || teile[0].size() >= 3) {
        y = jahrAusText(teile[0]);
        d = 1;
      }
    } else {
      d = zahlen[0];
      m = zahlen[1];
      if (teile[1].size() >= 3 || m > 12) {  // "2.1999": month and year
        if (teile[0].size() > 2) return {};
        y = jahrAusText(teile[1]);
        m = d;
        d = 1;
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

char16_t KleinUnicode(char16_t c) { return static_cast<char16_t>(QChar::toLower(static_cast<char32_t>(c))); }

namespace {

// The first position from i on that holds a, b or a character from 0x100 on; n when there is none.
qsizetype kandidatSuchen(const char16_t* t, qsizetype i, qsizetype n, char16_t a, char16_t b) {
#ifdef __SSE2__
  // Sixteen characters at a time, then eight: the search's sweep spends nearly all its time here.
  const __m128i wa = _mm_set1_epi16(static_cast<short>(a)), wb = _mm_set1_epi16(static_cast<short>(b));
  const __m128i hoch = _mm_set1_epi16(static_cast<short>(0xFF00)), null = _mm_setzero_si128();
  auto treffer = [&](const __m128i v) {
    const __m128i gleich = _mm_or_si128(_mm_cmpeq_epi16(v, wa), _mm_cmpeq_epi16(v, wb));
    const __m128i latein1 = _mm_cmpeq_epi16(_mm_and_si128(v, hoch), null);
    return static_cast<unsigned>(_mm_movemask_epi8(_mm_or_si128(gleich, _mm_xor_si128(latein1, _mm_set1_epi16(-1)))));
  };
  for (; i + 16 <= n; i += 16) {
    const unsigned vorn = treffer(_mm_loadu_si128(reinterpret_cast<const __m128i*>(t + i)));
    const unsigned hinten = treffer(_mm_loadu_si128(reinterpret_cast<const __m128i*>(t + i + 8)));
    if ((vorn | hinten) != 0) return i + std::countr_zero(vorn | hinten << 16) / 2;
  }
  if (i + 8 <= n) {
    const unsigned m = treffer(_mm_loadu_si128(reinterpret_cast<const __m128i*>(t + i)));
    if (m != 0) return i + std::countr_zero(m) / 2;
    i += 8;
  }
#endif
  for (; i < n; ++i)
    if (t[i] == a || t[i] == b || t[i] >= 0x100) return i;
  return n;
}

}  // namespace

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
      default: {
        Element e{Art::Zeichen, false, c};
        // Klein changes a Latin-1 character by at most adding 32: the character itself and the one 32
        // below are the only ones that can lower-case to c.
        if (c < 0x100 && Klein(c) == c) e.latein1 = e.latein2 = c;
        if (c >= 32 && c - 32 < 0x100 && Klein(static_cast<char16_t>(c - 32)) == c) {
          e.latein2 = static_cast<char16_t>(c - 32);
          if (e.latein1 == 0x100) e.latein1 = e.latein2;
        }
        elemente_.push_back(e);
      }
    }
  }
}

bool LikeMuster::einsPasst(const Element& e, char16_t c) const {
  switch (e.art) {
    case Art::Zeichen:
      return c == e.zeichen;
    case Art::Eins:
      return true;
    case Art::Ziffer:
      return c >= u'0' && c <= u'9';
    case Art::Liste: {
      bool drin = false;
      for (int k = e.von; k < e.bis && !drin; ++k) drin = c >= bereiche_[k].first && c <= bereiche_[k].second;
      return drin != e.nicht;
    }
    case Art::Stern:
      return false;
  }
  return false;
}

// Every element but "*" takes exactly one character, so on a mismatch it is enough to go back to the
// last "*" and let it take one character more: the earlier stars never need to change.
template <class Abbildung, class Suche>
bool LikeMuster::vergleichen(QStringView text, Abbildung abb, Suche suche) const {
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
      sternI = suche(t, sternI, n, elemente_[sternP]);
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

namespace {

// The first position from i on whose character, mapped by abb, is the element's: one at a time.
template <class Abbildung>
auto zeichenweise(Abbildung abb) {
  return [abb](const char16_t* t, qsizetype i, qsizetype n, const auto& e) {
    while (i < n && abb(t[i]) != e.zeichen) ++i;
    return i;
  };
}

// Lambdas rather than function pointers, so that the mapping is inlined into the matcher.
constexpr auto gleich = [](char16_t c) { return c; };
constexpr auto klein = [](char16_t c) { return Klein(c); };

}  // namespace

bool LikeMuster::passt(QStringView text) const { return vergleichen(text, gleich, zeichenweise(gleich)); }

bool LikeMuster::passtKlein(QStringView text) const {
  // Only the candidates' lower case is looked at: a Latin-1 candidate always matches, any other
  // character goes through Klein.
  return vergleichen(text, klein, [](const char16_t* t, qsizetype i, qsizetype n, const Element& e) {
    for (;; ++i) {
      i = kandidatSuchen(t, i, n, e.latein1, e.latein2);
      if (i >= n || Klein(t[i]) == e.zeichen) return i;
    }
  });
}

bool LikeMuster::passtKleinZeichenweise(QStringView text) const {
  return vergleichen(text, klein, zeichenweise(klein));
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

// ---- Numbers as texts -------------------------------------------------------------------------------

namespace vb {
namespace {

// The first 15 significant digits of a non-negative number, as the runtime converts a double to text:
// digits "d1d2...d15" and the number of digits that stand before the decimal point.
struct Ziffern {
  std::string ziffern;
  int vorKomma = 0;
};

Ziffern zerlegen(double betrag) {
  char puffer[64];
  std::snprintf(puffer, sizeof puffer, "%.14e", betrag);
  Ziffern z;
  const char* p = puffer;
  for (; *p && *p != 'e'; ++p)
    if (*p >= '0' && *p <= '9') z.ziffern += *p;
  z.vorKomma = (*p == 'e' ? std::atoi(p + 1) : 0) + 1;
  return z;
}

// A non-negative number rounded half away from zero to the given decimal places: the digits before the
// decimal point without leading zeros ("" for 0) and exactly `stellen` digits after it.
void runden(double betrag, int stellen, std::string& ganz, std::string& bruch) {
  const Ziffern z = zerlegen(betrag);
  if (z.vorKomma > 0) {
    ganz = z.ziffern.substr(0, std::min<size_t>(z.ziffern.size(), z.vorKomma));
    if (static_cast<int>(ganz.size()) < z.vorKomma) ganz.append(z.vorKomma - ganz.size(), '0');
    bruch = static_cast<size_t>(z.vorKomma) < z.ziffern.size() ? z.ziffern.substr(z.vorKomma) : std::string();
  } else {
    ganz.clear();
    bruch = std::string(-z.vorKomma, '0') + z.ziffern;
  }
  bool aufrunden = false;
  if (static_cast<int>(bruch.size()) > stellen) {
    aufrunden = bruch[stellen] >= '5';
    bruch.resize(stellen);
  } else {
    bruch.append(stellen - bruch.size(), '0');
  }
  for (int i = static_cast<int>(bruch.size()) - 1; aufrunden && i >= 0; --i) {
    if (bruch[i] == '9')
      bruch[i] = '0';
    else {
      ++bruch[i];
      aufrunden = false;
    }
  }
  for (int i = static_cast<int>(ganz.size()) - 1; aufrunden && i >= 0; --i) {
    if (ganz[i] == '9')
      ganz[i] = '0';
    else {
      ++ganz[i];
      aufrunden = false;
    }
  }
  if (aufrunden) ganz.insert(ganz.begin(), '1');
  const size_t erste = ganz.find_first_not_of('0');
  ganz = erste == std::string::npos ? std::string() : ganz.substr(erste);
}

// Up to 15 significant digits without trailing zeros; scientific below 1E-4 and from 1E15 on.
QString zahlAlsText(double zahl, QChar komma) {
  if (std::isnan(zahl) || std::isinf(zahl)) return QStringLiteral("0");
  if (zahl == 0) return QStringLiteral("0");
  const bool negativ = zahl < 0;
  Ziffern z = zerlegen(std::fabs(zahl));
  // Rounding to 15 digits may carry into a new digit ("9.99999999999999995" -> "10").
  while (z.ziffern.size() > 1 && z.ziffern.back() == '0') z.ziffern.pop_back();
  const int exponent = z.vorKomma - 1;
  QString text;
  if (exponent < -5 + 1 || exponent >= 15) {
    text = QChar(z.ziffern[0]);
    if (z.ziffern.size() > 1) text += komma + QString::fromLatin1(z.ziffern.substr(1));
    text += exponent < 0 ? QStringLiteral("E-") : QStringLiteral("E+");
    text += QStringLiteral("%1").arg(std::abs(exponent), 2, 10, QChar(u'0'));
  } else if (z.vorKomma <= 0) {
    text = QStringLiteral("0") + komma + QString(-z.vorKomma, u'0') + QString::fromLatin1(z.ziffern);
  } else {
    std::string ganz = z.ziffern.substr(0, std::min<size_t>(z.ziffern.size(), z.vorKomma));
    if (static_cast<int>(ganz.size()) < z.vorKomma) ganz.append(z.vorKomma - ganz.size(), '0');
    text = QString::fromLatin1(ganz);
    if (static_cast<size_t>(z.vorKomma) < z.ziffern.size())
      text += komma + QString::fromLatin1(z.ziffern.substr(z.vorKomma));
  }
  return negativ ? u'-' + text : text;
}

struct FormatTeil {
  enum Art { Null, Raute, Punkt, Komma, Prozent, Text } art;
  QString text;
};

QList<QString> abschnitteTrennen(const QString& muster) {
  QList<QString> abschnitte;
  QString aktuell;
  for (qsizetype i = 0; i < muster.size(); ++i) {
    const QChar c = muster[i];
    if (c == u'"') {
      const qsizetype ende = muster.indexOf(u'"', i + 1);
      const qsizetype bis = ende < 0 ? muster.size() : ende + 1;
      aktuell += muster.mid(i, bis - i);
      i = bis - 1;
    } else if (c == u'\\' && i + 1 < muster.size()) {
      aktuell += muster.mid(i, 2);
      ++i;
    } else if (c == u';') {
      abschnitte.append(aktuell);
      aktuell.clear();
    } else {
      aktuell += c;
    }
  }
  abschnitte.append(aktuell);
  return abschnitte;
}

QList<FormatTeil> formatTeile(const QString& abschnitt) {
  QList<FormatTeil> teile;
  bool punkt = false;
  for (qsizetype i = 0; i < abschnitt.size(); ++i) {
    const QChar c = abschnitt[i];
    if (c == u'"') {
      const qsizetype ende = abschnitt.indexOf(u'"', i + 1);
      const qsizetype bis = ende < 0 ? abschnitt.size() : ende;
      teile.append(FormatTeil{FormatTeil::Text, abschnitt.mid(i + 1, bis - i - 1)});
      i = bis;
    } else if (c == u'\\') {
      if (i + 1 < abschnitt.size()) teile.append(FormatTeil{FormatTeil::Text, QString(abschnitt[++i])});
    } else if (c == u'0') {
      teile.append(FormatTeil{FormatTeil::Null, {}});
    } else if (c == u'#') {
      teile.append(FormatTeil{FormatTeil::Raute, {}});
    } else if (c == u'.' && !punkt) {
      punkt = true;
      teile.append(FormatTeil{FormatTeil::Punkt, {}});
    } else if (c == u',') {
      teile.append(FormatTeil{FormatTeil::Komma, {}});
    } else if (c == u'%') {
      teile.append(FormatTeil{FormatTeil::Prozent, {}});
    } else {
      teile.append(FormatTeil{FormatTeil::Text, QString(c)});
    }
  }
  return teile;
}

bool istStelle(const FormatTeil& t) { return t.art == FormatTeil::Null || t.art == FormatTeil::Raute; }

QString abschnittFormatieren(double betrag, const QString& abschnitt, bool minus) {
  const QList<FormatTeil> teile = formatTeile(abschnitt);
  qsizetype punktPos = teile.size();
  for (qsizetype i = 0; i < teile.size(); ++i)
    if (teile[i].art == FormatTeil::Punkt) {
      punktPos = i;
      break;
    }

  int ganzStellen = 0, ganzMindest = 0, bruchStellen = 0, bruchMindest = 0, tausender = 0, prozent = 0;
  bool gruppieren = false;
  bool ersteNull = false;
  for (qsizetype i = 0; i < teile.size(); ++i) {
    const FormatTeil& t = teile[i];
    if (t.art == FormatTeil::Prozent) ++prozent;
    if (i < punktPos) {
      if (istStelle(t)) {
        ++ganzStellen;
        if (t.art == FormatTeil::Null) ersteNull = true;
        if (ersteNull) ++ganzMindest;
      } else if (t.art == FormatTeil::Komma) {
        bool davor = false, danach = false;
        for (qsizetype k = 0; k < i; ++k) davor = davor || istStelle(teile[k]);
        for (qsizetype k = i + 1; k < punktPos; ++k) danach = danach || istStelle(teile[k]);
        if (davor && danach)
          gruppieren = true;
        else if (davor)
          ++tausender;
      }
    } else if (istStelle(t)) {
      ++bruchStellen;
      if (t.art == FormatTeil::Null) bruchMindest = bruchStellen;
    }
  }

  double wert = betrag;
  for (int i = 0; i < prozent; ++i) wert *= 100;
  for (int i = 0; i < tausender; ++i) wert /= 1000;
  std::string ganz, bruch;
  runden(wert, bruchStellen, ganz, bruch);
  if (static_cast<int>(ganz.size()) < ganzMindest) ganz.insert(0, ganzMindest - ganz.size(), '0');
  while (static_cast<int>(bruch.size()) > bruchMindest && bruch.back() == '0') bruch.pop_back();
  const bool null =
      ganz.find_first_not_of('0') == std::string::npos && bruch.find_first_not_of('0') == std::string::npos;

  // One unit per digit before the decimal point; a grouping "." travels with the digit after it.
  QStringList einheiten;
  for (size_t i = 0; i < ganz.size(); ++i) {
    QString e;
    if (gruppieren && i > 0 && (ganz.size() - i) % 3 == 0) e += u'.';
    e += QChar(ganz[i]);
    einheiten.append(e);
  }

  QString aus;
  if (minus && !null) aus += u'-';
  int ganzIndex = 0, bruchIndex = 0;
  const qsizetype ueberschuss = einheiten.size() - ganzStellen;
  for (qsizetype i = 0; i < teile.size(); ++i) {
    const FormatTeil& t = teile[i];
    if (i < punktPos && istStelle(t)) {
      // Placeholders are filled from the right; extra digits go into the first one.
      const qsizetype von = ganzIndex == 0 ? 0 : ganzIndex + ueberschuss;
      const qsizetype bis = ganzIndex + ueberschuss;
      for (qsizetype k = std::max<qsizetype>(von, 0); k <= bis; ++k)
        if (k >= 0 && k < einheiten.size()) aus += einheiten[k];
      ++ganzIndex;
    } else if (istStelle(t)) {
      if (bruchIndex < static_cast<int>(bruch.size())) aus += QChar(bruch[bruchIndex]);
      ++bruchIndex;
    } else if (t.art == FormatTeil::Punkt) {
      if (ganzStellen == 0) aus += einheiten.join(QString());
      aus += u',';
    } else if (t.art == FormatTeil::Prozent) {
      aus += u'%';
    } else if (t.art == FormatTeil::Text) {
      aus += t.text;
    }
  }
  return aus;
}

const char16_t* const kTage[] = {u"Sonntag",    u"Montag",  u"Dienstag", u"Mittwoch",
                                 u"Donnerstag", u"Freitag", u"Samstag"};
const char16_t* const kTageKurz[] = {u"So", u"Mo", u"Di", u"Mi", u"Do", u"Fr", u"Sa"};
const char16_t* const kMonate[] = {u"Januar", u"Februar", u"März",      u"April",   u"Mai",      u"Juni",
                                   u"Juli",   u"August",  u"September", u"Oktober", u"November", u"Dezember"};
const char16_t* const kMonateKurz[] = {u"Jan", u"Feb", u"Mrz", u"Apr", u"Mai", u"Jun",
                                       u"Jul", u"Aug", u"Sep", u"Okt", u"Nov", u"Dez"};

QString zweistellig(int n) { return QStringLiteral("%1").arg(n, 2, 10, QChar(u'0')); }

}  // namespace

QString Format(double zahl, const QString& muster) {
  if (std::isnan(zahl) || std::isinf(zahl)) return QString();
  if (muster.isEmpty()) return CStr(zahl);
  const QList<QString> abschnitte = abschnitteTrennen(muster);
  if (zahl < 0 && abschnitte.size() >= 2 && !abschnitte[1].isEmpty())
    return abschnittFormatieren(-zahl, abschnitte[1], false);
  if (zahl == 0 && abschnitte.size() >= 3 && !abschnitte[2].isEmpty())
    return abschnittFormatieren(0, abschnitte[2], false);
  return abschnittFormatieren(std::fabs(zahl), abschnitte[0], zahl < 0);
}

QString Format(const QDateTime& zeit, const QString& muster) {
  const QDate d = zeit.date();
  const QTime t = zeit.time();
  struct Teil {
    QChar art;
    int laenge;
    QString text;
  };
  QList<Teil> teile;
  for (qsizetype i = 0; i < muster.size(); ++i) {
    const QChar c = muster[i];
    const QChar klein = c.toLower();
    if (c == u'"') {
      const qsizetype ende = muster.indexOf(u'"', i + 1);
      const qsizetype bis = ende < 0 ? muster.size() : ende;
      teile.append(Teil{QChar(), 0, muster.mid(i + 1, bis - i - 1)});
      i = bis;
    } else if (c == u'\\') {
      if (i + 1 < muster.size()) teile.append(Teil{QChar(), 0, QString(muster[++i])});
    } else if (QStringView(u"dmyhnswq").contains(klein)) {
      qsizetype n = 1;
      while (i + n < muster.size() && muster[i + n].toLower() == klein) ++n;
      teile.append(Teil{klein, static_cast<int>(n), {}});
      i += n - 1;
    } else if (c == u'/') {
      teile.append(Teil{QChar(), 0, QStringLiteral(".")});
    } else {
      teile.append(Teil{QChar(), 0, QString(c)});
    }
  }
  QString aus;
  QChar letzteZeit;
  for (qsizetype i = 0; i < teile.size(); ++i) {
    const Teil& teil = teile[i];
    const int n = teil.laenge;
    switch (teil.art.unicode()) {
      case u'd':
        if (n == 1)
          aus += QString::number(d.day());
        else if (n == 2)
          aus += zweistellig(d.day());
        else if (n == 3)
          aus += QString::fromUtf16(kTageKurz[d.dayOfWeek() % 7]);
        else if (n == 4)
          aus += QString::fromUtf16(kTage[d.dayOfWeek() % 7]);
        else if (n == 5)
          aus += DatumText(d);
        else
          aus += QString::fromUtf16(kTage[d.dayOfWeek() % 7]) + QStringLiteral(", ") + QString::number(d.day()) +
                 QStringLiteral(". ") + QString::fromUtf16(kMonate[d.month() - 1]) + u' ' + QString::number(d.year());
        break;
      case u'm': {
        bool minuten = false;
        if (n <= 2) {
          minuten = letzteZeit == u'h';
          for (qsizetype k = i + 1; k < teile.size() && !minuten; ++k) {
            if (teile[k].art.isNull()) continue;
            minuten = teile[k].art == u's';
            break;
          }
        }
        if (minuten)
          aus += n == 1 ? QString::number(t.minute()) : zweistellig(t.minute());
        else if (n == 1)
          aus += QString::number(d.month());
        else if (n == 2)
          aus += zweistellig(d.month());
        else if (n == 3)
          aus += QString::fromUtf16(kMonateKurz[d.month() - 1]);
        else
          aus += QString::fromUtf16(kMonate[d.month() - 1]);
        break;
      }
      case u'y':
        if (n == 1)
          aus += QString::number(d.dayOfYear());
        else if (n <= 3)
          aus += zweistellig(d.year() % 100);
        else
          aus += QStringLiteral("%1").arg(d.year(), 4, 10, QChar(u'0'));
        break;
      case u'h':
        aus += n == 1 ? QString::number(t.hour()) : zweistellig(t.hour());
        break;
      case u'n':
        aus += n == 1 ? QString::number(t.minute()) : zweistellig(t.minute());
        break;
      case u's':
        aus += n == 1 ? QString::number(t.second()) : zweistellig(t.second());
        break;
      case u'w':
        // "w": the weekday with Sunday as 1; "ww": the week of the year as the runtime counts it
        // (the week holding 1 January is week 1, weeks begin on Sunday).
        if (n == 1)
          aus += QString::number(d.dayOfWeek() % 7 + 1);
        else {
          const QDate neujahr(d.year(), 1, 1);
          aus += QString::number((d.dayOfYear() - 1 + neujahr.dayOfWeek() % 7) / 7 + 1);
        }
        break;
      case u'q':
        aus += QString::number((d.month() - 1) / 3 + 1);
        break;
      default:
        aus += teil.text;
        break;
    }
    if (!teil.art.isNull()) letzteZeit = teil.art;
  }
  return aus;
}

QString Format(const QDate& datum, const QString& muster) { return Format(QDateTime(datum, QTime(0, 0)), muster); }

QString CStr(double zahl) { return zahlAlsText(zahl, u','); }

QString Str(double zahl) {
  QString text = zahlAlsText(zahl, u'.');
  // Str leaves out the zero before the decimal point.
  if (text.startsWith(QStringLiteral("0.")))
    text.remove(0, 1);
  else if (text.startsWith(QStringLiteral("-0.")))
    text.remove(1, 1);
  return zahl < 0 ? text : u' ' + text;
}

std::optional<double> CDbl(const QString& eingabe) {
  QString s = eingabe;
  qsizetype a = 0, e = s.size();
  while (a < e && (s[a] == u' ' || s[a] == u'\t')) ++a;
  while (e > a && (s[e - 1] == u' ' || s[e - 1] == u'\t')) --e;
  s = s.mid(a, e - a);
  if (s.isEmpty()) return std::nullopt;
  if (s.size() >= 3 && s[0] == u'&' && (s[1].toUpper() == u'H' || s[1].toUpper() == u'O')) {
    bool ok = false;
    const qlonglong wert = s.mid(2).toLongLong(&ok, s[1].toUpper() == u'H' ? 16 : 8);
    if (!ok) return std::nullopt;
    return static_cast<double>(wert);
  }
  QString zahl;
  qsizetype i = 0;
  if (s[i] == u'+' || s[i] == u'-') zahl += s[i++];
  bool ziffern = false;
  for (; i < s.size(); ++i) {
    if (s[i] >= u'0' && s[i] <= u'9') {
      zahl += s[i];
      ziffern = true;
    } else if (s[i] == u'.')
      continue;  // grouping, wherever it stands
    else
      break;
  }
  if (i < s.size() && s[i] == u',') {
    zahl += u'.';
    for (++i; i < s.size() && s[i] >= u'0' && s[i] <= u'9'; ++i) {
      zahl += s[i];
      ziffern = true;
    }
  }
  if (!ziffern) return std::nullopt;
  if (i < s.size() && QStringView(u"eEdD").contains(s[i])) {
    zahl += u'e';
    ++i;
    if (i < s.size() && (s[i] == u'+' || s[i] == u'-')) zahl += s[i++];
    bool expZiffern = false;
    for (; i < s.size() && s[i] >= u'0' && s[i] <= u'9'; ++i) {
      zahl += s[i];
      expZiffern = true;
    }
    if (!expZiffern) return std::nullopt;
  }
  if (i != s.size()) return std::nullopt;
  bool ok = false;
  const double d = zahl.toDouble(&ok);
  if (!ok || !std::isfinite(d)) return std::nullopt;
  return d;
}

std::optional<double> CCur(const QString& text) {
  const std::optional<double> d = CDbl(text);
  if (!d) return std::nullopt;
  const double skaliert = *d * 10000.0;
  if (std::fabs(skaliert) > 9.22e18) return std::nullopt;  // beyond the currency type
  return std::nearbyint(skaliert) / 10000.0;
}

// ---- Strings with 1-based positions -------------------------------------------------------------------

QString Left(const QString& text, qsizetype anzahl) { return anzahl <= 0 ? QString() : text.left(anzahl); }
QString Right(const QString& text, qsizetype anzahl) { return anzahl <= 0 ? QString() : text.right(anzahl); }

QString Mid(const QString& text, qsizetype start, qsizetype anzahl) {
  if (start < 1) start = 1;
  if (start > text.size()) return QString();
  return anzahl < 0 ? text.mid(start - 1) : text.mid(start - 1, anzahl);
}

qsizetype InStr(qsizetype start, const QString& text, const QString& such, Qt::CaseSensitivity vergleich) {
  if (start < 1) start = 1;
  if (text.isEmpty() || start > text.size()) return 0;
  if (such.isEmpty()) return start;
  const qsizetype pos = text.indexOf(such, start - 1, vergleich);
  return pos < 0 ? 0 : pos + 1;
}

qsizetype InStr(const QString& text, const QString& such, Qt::CaseSensitivity vergleich) {
  return InStr(1, text, such, vergleich);
}

qsizetype InStrRev(const QString& text, const QString& such, qsizetype start, Qt::CaseSensitivity vergleich) {
  if (start == -1) start = text.size();
  if (start < 1 || start > text.size()) return 0;
  if (such.isEmpty()) return start;
  const qsizetype letzteMoegliche = start - such.size();  // 0-based start of a match ending by `start`
  if (letzteMoegliche < 0) return 0;
  const qsizetype pos = text.lastIndexOf(such, letzteMoegliche, vergleich);
  return pos < 0 ? 0 : pos + 1;
}

QString LTrim(const QString& text) {
  qsizetype a = 0;
  while (a < text.size() && text[a] == u' ') ++a;
  return text.mid(a);
}

QString RTrim(const QString& text) {
  qsizetype e = text.size();
  while (e > 0 && text[e - 1] == u' ') --e;
  return text.left(e);
}

QString Trim(const QString& text) { return LTrim(RTrim(text)); }

QString Space(qsizetype anzahl) { return anzahl <= 0 ? QString() : QString(anzahl, u' '); }

}  // namespace vb
