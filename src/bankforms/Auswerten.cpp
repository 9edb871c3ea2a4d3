#include "bankforms/Auswerten.h"

#include "common/Global.h"
#include "common/Text.h"
#include "platform/vb/Clock.h"
#include "platform/vb/Codec.h"
#include "platform/vb/Dezu.h"
#include "platform/vb/Vb.h"

#include <QStringList>
#include <array>
#include <charconv>
#include <cmath>
#include <limits>
#include <string>
#include <vector>

namespace Z_Evaluate2 {

namespace {

constexpr qsizetype kLaengsterText = 1024;
constexpr int kTiefsteKlammer = 64;
// Positions go through the helper library's 16-bit MinInt. The longest working text that 1024 characters
// can grow into (every "e" and "PI" written out) stays far below this.
constexpr qsizetype kLaengsteArbeit = 32000;

struct Fehlschlag {};

[[noreturn]] void scheitern() { throw Fehlschlag{}; }

struct Konstante {
  QString name;
  QString wert;
};

struct Tabellen {
  std::array<Konstante, 3> konstanten;
  QStringList funktionen;
  QStringList logik;
  double piHalbe = 0;
  double ln10 = 0;
};

// The tables hold the same for the whole run, except the day of "@TODAY": that is the day of the first
// evaluation, kept with the program-wide variables.
const Tabellen& tabellen() {
  static const Tabellen fest = [] {
    Tabellen t;
    t.konstanten = {Konstante{QStringLiteral("PI"), QStringLiteral("3.14159265358979323846")},
                    Konstante{QStringLiteral("e"), QStringLiteral("2.71828182845904523536")},
                    Konstante{QStringLiteral("@TODAY"), QString()}};
    // A name that contains a shorter one stands before it.
    t.funktionen = {
        QStringLiteral("ARCSINH"), QStringLiteral("ARCCOSH"), QStringLiteral("ARCTANH"), QStringLiteral("ARCSECH"),
        QStringLiteral("ARCCSCH"), QStringLiteral("ARCCOTH"), QStringLiteral("ARCSIN"),  QStringLiteral("ARCCOS"),
        QStringLiteral("ARCSEC"),  QStringLiteral("ARCCSC"),  QStringLiteral("ARCCOT"),  QStringLiteral("SINH"),
        QStringLiteral("TANH"),    QStringLiteral("SECH"),    QStringLiteral("CSCH"),    QStringLiteral("COTH"),
        QStringLiteral("SEC"),     QStringLiteral("CSC"),     QStringLiteral("COT"),     QStringLiteral("SIN"),
        QStringLiteral("COS"),     QStringLiteral("TAN"),     QStringLiteral("ATN"),     QStringLiteral("LOG"),
        QStringLiteral("EXP"),     QStringLiteral("SQR"),     QStringLiteral("CLG"),     QStringLiteral("ABS"),
        QStringLiteral("NOT")};
    t.logik = {QStringLiteral("AND"), QStringLiteral("OR")};
    t.piHalbe = 2 * std::atan(1.0);
    t.ln10 = std::log(10.0);
    return t;
  }();
  return fest;
}

const QString& heute() {
  if (AuswertenHeute.isEmpty())
    AuswertenHeute = Zahltext(Date2Num(Clock::today().toString(QStringLiteral("MM-dd-yyyy"))));
  return AuswertenHeute;
}

bool istZiffer(QChar c) { return c >= u'0' && c <= u'9'; }
bool istZifferOderPunkt(QChar c) { return istZiffer(c) || c == u'.'; }
bool istExponent(QChar c) { return c == u'E' || c == u'D'; }
bool istVorzeichen(QChar c) { return c == u'+' || c == u'-'; }

// A value that must be finite, or the evaluation fails (overflow, division by zero, no real result).
double endlich(double x) {
  if (!std::isfinite(x)) scheitern();
  return x;
}

// The runtime's conversion to a whole number: to the nearest, halves to the even neighbour, as a signed
// 32-bit value; anything outside that range fails.
qint32 ganzzahl(double x) {
  endlich(x);
  double r = std::floor(x);
  const double rest = x - r;
  if (rest > 0.5 || (rest == 0.5 && std::fmod(r, 2.0) != 0)) r += 1;
  if (r < -2147483648.0 || r > 2147483647.0) scheitern();
  return static_cast<qint32>(r);
}

// The number text of the value, if the text is exactly that (or "+" and that).
bool istZahltext(QStringView text, double* wert = nullptr) {
  if (text.isEmpty()) return false;
  const QStringView ohnePlus = text.startsWith(u'+') ? text.mid(1) : text;
  const Zahl z = ZahlLesen(ohnePlus);
  if (z.ueberlauf || ohnePlus != Zahltext(z.wert)) return false;
  if (wert) *wert = z.wert;
  return true;
}

// Upper case as the single-byte runtime had it: a letter whose capital Windows-1252 cannot hold (ß, µ)
// stays as it is, so the text keeps its length.
QString grossschreiben(const QString& text) {
  QString aus = text;
  for (qsizetype i = 0; i < aus.size(); ++i) {
    const QChar gross = aus[i].toUpper();
    if (gross != aus[i] && Codec::istIn1252(gross)) aus[i] = gross;
  }
  return aus;
}

// The deepest nesting of brackets in the text.
int klammerTiefe(const QString& text) {
  int tiefe = 0, tiefste = 0;
  for (QChar c : text) {
    if (c == u'(')
      tiefste = std::max(tiefste, ++tiefe);
    else if (c == u')')
      --tiefe;
  }
  return tiefste;
}

class Auswertung {
 public:
  explicit Auswertung(int tiefe) : tiefe_(tiefe) {}
  double rechnen(const QString& eingabe);

 private:
  struct Links {
    qsizetype anfang;  // where the left operand begins: the left text is everything before
    double wert;
  };
  struct Rechts {
    qsizetype ende;  // where the rest text begins
    double wert;
  };

  void konstantenErsetzen(const Tabellen& tab);
  void gruppenAuswerten();
  void zahlenPruefen() const;
  void funktionenAuswerten(const Tabellen& tab);
  double funktion(int nummer, double x, const Tabellen& tab) const;
  void fakultaetenAuswerten();
  void vorzeichenZusammenfassen();
  bool potenzen();
  bool punktrechnung();
  bool strichrechnung();
  bool vergleiche();
  void logik(const Tabellen& tab);
  double ergebnis() const;

  double lesen(QStringView text) const;
  Links linkerOperand(qsizetype p) const;
  Rechts rechterOperand(qsizetype von) const;
  bool zurueckschreiben(qsizetype links, double wert, qsizetype rest);
  // Every pass removes one operator per write-back; this bound only guards against a loop that never ends.
  void schritt() {
    if (++schritte_ > 4 * kLaengsteArbeit) scheitern();
  }

  QString t_;
  int tiefe_;
  int schritte_ = 0;
};

double Auswertung::lesen(QStringView text) const {
  const Zahl z = ZahlLesen(text);
  if (z.ueberlauf) scheitern();
  return z.wert;
}

// Walks leftwards from the character before p. A "D" or "E" counts as an exponent only with a digit or
// "." before it, so the "D" of "MOD" and "AND" never joins the operand.
Auswertung::Links Auswertung::linkerOperand(qsizetype p) const {
  qsizetype j = p - 1;
  bool exponent = false, vorzeichen = false;
  while (j >= 0) {
    const QChar c = t_[j];
    if (istZifferOderPunkt(c)) {
      --j;
    } else if (istExponent(c)) {
      if (exponent || j == 0 || !istZifferOderPunkt(t_[j - 1])) break;
      exponent = true;
      vorzeichen = false;
      --j;
    } else if (istVorzeichen(c)) {
      if (vorzeichen) break;
      if (j == 0) {
        --j;
        break;
      }
      if (istZifferOderPunkt(t_[j - 1])) break;  // the operator in front of the operand
      vorzeichen = true;
      --j;
    } else {
      break;
    }
  }
  const qsizetype anfang = j + 1;
  return {anfang, lesen(QStringView(t_).mid(anfang, p - anfang))};
}

Auswertung::Rechts Auswertung::rechterOperand(qsizetype von) const {
  const QStringView r = QStringView(t_).mid(von);
  const double wert = lesen(r);
  if (r == Zahltext(wert)) return {t_.size(), wert};
  qsizetype i = 0;
  if (!r.isEmpty() && istVorzeichen(r[0])) {
    const bool passt = (r[0] == u'+' && wert > 0) || (r[0] == u'-' && wert < 0);
    if (!passt) return {von, wert};
    ++i;
  }
  bool punkt = false, exponent = false;
  while (i < r.size()) {
    const QChar c = r[i];
    if (istZiffer(c)) {
      ++i;
    } else if (c == u'.') {
      if (punkt) break;
      punkt = true;
      ++i;
    } else if (istExponent(c)) {
      if (exponent) break;
      exponent = true;
      ++i;
      if (i < r.size() && istVorzeichen(r[i])) ++i;
    } else {
      break;
    }
  }
  return {von + i, wert};
}

// Left text, number text of the value, rest text. True when nothing but the number is left.
bool Auswertung::zurueckschreiben(qsizetype links, double wert, qsizetype rest) {
  const QString zahl = Zahltext(endlich(wert));
  const bool nurZahl = links == 0 && rest == t_.size();
  t_ = t_.left(links) + zahl + t_.mid(rest);
  if (t_.size() > kLaengsteArbeit) scheitern();
  schritt();
  return nurZahl;
}

void Auswertung::konstantenErsetzen(const Tabellen& tab) {
  for (const Konstante& konstante : tab.konstanten) {
    const Konstante k{konstante.name, konstante.wert.isEmpty() ? heute() : konstante.wert};
    const bool euler = k.name == u"e";
    qsizetype von = 0;
    for (;;) {
      const qsizetype p = t_.indexOf(k.name, von, Qt::CaseSensitive);
      if (p < 0) break;
      // Inside a quoted string (an odd number of quotes before it) the constant stays, here and after.
      if (QStringView(t_).left(p + 1).count(u'"') % 2 == 1) break;
      // Euler's "e" only where it stands alone: "12 eur", "sec", "1e3" keep theirs.
      if (euler) {
        const auto gebunden = [](QChar c) { return c.isLetter() || istZifferOderPunkt(c); };
        if ((p > 0 && gebunden(t_[p - 1])) || (p + 1 < t_.size() && gebunden(t_[p + 1]))) {
          von = p + 1;
          continue;
        }
      }
      t_.replace(p, k.name.size(), k.wert);
      if (t_.size() > kLaengsteArbeit) scheitern();
      // The value texts hold no constant name, so the search goes on behind the value.
      von = p + k.wert.size();
    }
  }
}

void Auswertung::gruppenAuswerten() {
  qsizetype pos = -1;
  while ((pos = t_.indexOf(u'(', pos + 1)) >= 0) {
    const int laenge = PMatch(t_.mid(pos));
    if (laenge < 2) scheitern();
    const QString innen = t_.mid(pos + 1, laenge - 2);
    double wert = 0;
    if (!istZahltext(innen, &wert)) wert = Auswertung(tiefe_ + 1).rechnen(innen);
    t_.replace(pos, laenge, Zahltext(wert));
    schritt();
  }
}

// A number with two decimal separators ("1.000.50", the German "1.000,50" as typed, or "1.234.567"), or
// with a "." after its exponent, would be read as a different amount: it fails instead. Quoted text is
// not looked at.
void Auswertung::zahlenPruefen() const {
  const qsizetype n = t_.size();
  bool zitat = false;
  qsizetype i = 0;
  while (i < n) {
    const QChar c = t_[i];
    if (c == u'"') zitat = !zitat;
    if (zitat || !istZifferOderPunkt(c)) {
      ++i;
      continue;
    }
    qsizetype j = i;
    while (j < n && istZiffer(t_[j])) ++j;
    if (j < n && t_[j] == u'.') {
      ++j;
      while (j < n && istZiffer(t_[j])) ++j;
    }
    if (j < n && istExponent(t_[j])) {
      qsizetype k = j + 1;
      if (k < n && istVorzeichen(t_[k])) ++k;
      if (k < n && istZiffer(t_[k])) {
        while (k < n && istZiffer(t_[k])) ++k;
        j = k;
      }
    }
    if (j < n && t_[j] == u'.') scheitern();
    i = j;
  }
}

void Auswertung::funktionenAuswerten(const Tabellen& tab) {
  for (int nummer = 0; nummer < tab.funktionen.size(); ++nummer) {
    const QString& name = tab.funktionen[nummer];
    qsizetype p;
    while ((p = t_.indexOf(name)) >= 0) {
      const Rechts r = rechterOperand(p + name.size());
      zurueckschreiben(p, funktion(nummer, r.wert, tab), r.ende);
    }
  }
}

// The functions in table order; an argument they reject, or one where the formula has no finite value
// (a division by zero, the logarithm or root of a negative number, an overflow on the way), fails.
double Auswertung::funktion(int nummer, double x, const Tabellen& tab) const {
  const auto ex = [](double v) { return endlich(std::exp(v)); };
  const auto ln = [](double v) {
    if (!(v > 0)) scheitern();
    return std::log(v);
  };
  const auto wurzel = [](double v) {
    if (v < 0) scheitern();
    return std::sqrt(v);
  };
  const auto durch = [](double a, double b) {
    if (b == 0) scheitern();
    return endlich(a / b);
  };
  const double ax = std::fabs(x);
  switch (nummer) {
    case 0:  // ARCSINH
      return ln(x + wurzel(endlich(x * x) + 1));
    case 1:  // ARCCOSH
      if (ax < 1) scheitern();
      return ln(x + wurzel(endlich(x * x) - 1));
    case 2:  // ARCTANH
      if (ax == 1) scheitern();
      return ln(durch(1 + x, 1 - x)) / 2;
    case 3:  // ARCSECH
      if (ax > 1) scheitern();
      return ln(durch(wurzel(1 - x * x) + 1, x));
    case 4: {  // ARCCSCH
      if (x == 0) scheitern();
      const double sgn = x > 0 ? 1 : -1;
      return ln(durch(sgn * wurzel(endlich(x * x) + 1) + 1, x));
    }
    case 5:  // ARCCOTH
      if (ax == 1) scheitern();
      return ln(durch(x + 1, x - 1)) / 2;
    case 6:  // ARCSIN; at ±1 the formula would divide by zero
      if (ax > 1) scheitern();
      if (ax == 1) return std::asin(x);
      return std::atan(x / wurzel(1 - x * x));
    case 7:  // ARCCOS
      if (ax > 1) scheitern();
      if (ax == 1) return std::acos(x);
      return tab.piHalbe - std::atan(x / wurzel(1 - x * x));
    case 8:  // ARCSEC
      if (ax <= 1) scheitern();
      return std::acos(1 / x);
    case 9:  // ARCCSC
      if (ax <= 1) scheitern();
      return std::asin(1 / x);
    case 10:  // ARCCOT
      return tab.piHalbe - std::atan(x);
    case 11:  // SINH
      return endlich((ex(x) - ex(-x)) / 2);
    case 12:  // TANH
      return durch(ex(x) - ex(-x), endlich(ex(x) + ex(-x)));
    case 13:  // SECH
      return durch(2, endlich(ex(x) + ex(-x)));
    case 14:  // CSCH
      return durch(2, ex(x) - ex(-x));
    case 15:  // COTH
      if (x == 0) scheitern();
      return durch(endlich(ex(x) + ex(-x)), ex(x) - ex(-x));
    case 16:  // SEC
      if (ax == tab.piHalbe) scheitern();
      return durch(1, std::cos(x));
    case 17:  // CSC
      if (x == 0) scheitern();
      return durch(1, std::sin(x));
    case 18:  // COT
      if (ax == tab.piHalbe || x == 0) scheitern();
      return durch(1, std::tan(x));
    case 19:  // SIN
      return std::sin(x);
    case 20:  // COS
      return std::cos(x);
    case 21:  // TAN
      if (ax == tab.piHalbe) scheitern();
      return std::tan(x);
    case 22:  // ATN
      return std::atan(x);
    case 23:  // LOG
      if (x <= 0) scheitern();
      return std::log(x);
    case 24:  // EXP
      return ex(x);
    case 25:  // SQR
      if (x < 0) scheitern();
      return std::sqrt(x);
    case 26:  // CLG
      if (x <= 0) scheitern();
      return std::log(x) / tab.ln10;
    case 27:  // ABS
      return ax;
    case 28:  // NOT
      return ~ganzzahl(x);
    default:
      scheitern();
  }
}

// The operand of "!" is the run of at most four digits right before it, 0 to 170. A run that is part of
// a larger number ("2.5!", "1E+20!") or an empty run fails.
void Auswertung::fakultaetenAuswerten() {
  qsizetype p;
  while ((p = t_.indexOf(u'!')) >= 0) {
    qsizetype j = p;
    int ziffern = 0;
    while (j > 0 && istZiffer(t_[j - 1])) {
      if (++ziffern > 4) scheitern();
      --j;
    }
    if (ziffern == 0) scheitern();
    if (j > 0) {
      const QChar davor = t_[j - 1];
      if (davor == u'.') scheitern();
      if (istExponent(davor) && j >= 2 && istZifferOderPunkt(t_[j - 2])) scheitern();
      if (istVorzeichen(davor) && j >= 3 && istExponent(t_[j - 2]) && istZifferOderPunkt(t_[j - 3])) scheitern();
    }
    const int n = t_.mid(j, ziffern).toInt();
    if (n > 170) scheitern();
    t_.replace(j, p + 1 - j, Zahltext(Factorial(n)));
    if (t_.size() > kLaengsteArbeit) scheitern();
    schritt();
  }
}

void Auswertung::vorzeichenZusammenfassen() {
  bool ersetzt = false;
  for (;;) {
    qsizetype p;
    if ((p = t_.indexOf(QStringLiteral("++"))) >= 0)
      t_.replace(p, 2, QStringLiteral("+ "));
    else if ((p = t_.indexOf(QStringLiteral("-+"))) >= 0)
      t_.replace(p, 2, QStringLiteral("- "));
    else if ((p = t_.indexOf(QStringLiteral("--"))) >= 0)
      t_.replace(p, 2, QStringLiteral("+ "));
    else
      break;
    ersetzt = true;
  }
  if (ersetzt) t_ = Compact(t_);
}

bool Auswertung::potenzen() {
  qsizetype p;
  while ((p = t_.indexOf(u'^')) >= 0) {
    if (p == 0) scheitern();
    const Links l = linkerOperand(p);
    const Rechts r = rechterOperand(p + 1);
    if (l.wert == 0 && r.wert < 0) scheitern();
    if (l.wert < 0 && r.wert != std::floor(r.wert)) scheitern();
    if (zurueckschreiben(l.anfang, std::pow(l.wert, r.wert), r.ende)) return true;
  }
  return false;
}

bool Auswertung::punktrechnung() {
  static const std::array<QString, 4> ops = {QStringLiteral("*"), QStringLiteral("/"), QStringLiteral("\\"),
                                             QStringLiteral("MOD")};
  constexpr short kKeine = std::numeric_limits<short>::max();
  for (;;) {
    short p = kKeine;
    int art = -1;
    for (int i = 0; i < 4; ++i) {
      const qsizetype q = t_.indexOf(ops[i]);
      // An operator that ends the text counts as absent.
      if (q < 0 || q + ops[i].size() == t_.size()) continue;
      const short naechste = MinInt(p, static_cast<short>(q));
      if (naechste != p) {
        p = naechste;
        art = i;
      }
    }
    if (art < 0) return false;
    if (p == 0) scheitern();
    const Links l = linkerOperand(p);
    const Rechts r = rechterOperand(p + ops[art].size());
    double y = 0;
    if (art == 0) {
      y = l.wert * r.wert;
    } else if (art == 1) {
      if (r.wert == 0) scheitern();
      y = l.wert / r.wert;
    } else {
      const qint64 a = ganzzahl(l.wert);
      if (r.wert == 0) scheitern();
      const qint64 b = ganzzahl(r.wert);
      if (b == 0) scheitern();
      // In 64 bits, so that -2147483648 \ -1 is seen to leave the range instead of trapping.
      const qint64 q = art == 2 ? a / b : a % b;
      if (q < std::numeric_limits<qint32>::min() || q > std::numeric_limits<qint32>::max()) scheitern();
      y = static_cast<double>(q);
    }
    if (zurueckschreiben(l.anfang, y, r.ende)) return true;
  }
}

bool Auswertung::strichrechnung() {
  for (;;) {
    qsizetype p = -1;
    // The last character never counts as an operator.
    for (qsizetype i = 1; i + 1 < t_.size(); ++i) {
      const QChar c = t_[i];
      if ((c == u'+' && !istExponent(t_[i - 1])) || (c == u'-' && istZiffer(t_[i - 1]))) {
        p = i;
        break;
      }
    }
    if (p < 0) return false;
    const Links l = linkerOperand(p);
    const Rechts r = rechterOperand(p + 1);
    const double y = t_[p] == u'+' ? l.wert + r.wert : l.wert - r.wert;
    if (zurueckschreiben(l.anfang, y, r.ende)) return true;
  }
}

bool Auswertung::vergleiche() {
  static const std::array<QChar, 3> ops = {u'=', u'>', u'<'};
  constexpr short kKeine = std::numeric_limits<short>::max();
  for (;;) {
    short p = kKeine;
    QChar op;
    for (QChar o : ops) {
      const qsizetype q = t_.indexOf(o);
      if (q < 0 || q + 1 == t_.size()) continue;
      const short naechste = MinInt(p, static_cast<short>(q));
      if (naechste != p) {
        p = naechste;
        op = o;
      }
    }
    if (op.isNull()) return false;
    if (p == 0) scheitern();
    int vergleich;  // <0, 0, >0
    qsizetype links, rest;
    if (t_[p - 1] == u'"') {
      // Both sides are quoted strings: "ABC"="ABD".
      const int auf = QInstrB(static_cast<int>(p - 1), t_, QStringLiteral("\""));
      if (auf == 0 || t_[p + 1] != u'"') scheitern();
      const qsizetype zu = t_.indexOf(u'"', p + 2);
      if (zu < 0) scheitern();
      const QByteArray a = Codec::nach1252(t_.mid(auf, p - 1 - auf));
      const QByteArray b = Codec::nach1252(t_.mid(p + 2, zu - p - 2));
      vergleich = a.compare(b);
      links = auf - 1;
      rest = zu + 1;
    } else {
      const Links l = linkerOperand(p);
      const Rechts r = rechterOperand(p + 1);
      vergleich = l.wert < r.wert ? -1 : l.wert > r.wert ? 1 : 0;
      links = l.anfang;
      rest = r.ende;
    }
    const bool wahr = op == u'=' ? vergleich == 0 : op == u'>' ? vergleich > 0 : vergleich < 0;
    if (zurueckschreiben(links, wahr ? -1 : 0, rest)) return true;
  }
}

void Auswertung::logik(const Tabellen& tab) {
  for (const QString& op : tab.logik) {
    qsizetype p;
    while ((p = t_.indexOf(op)) >= 0) {
      if (p == 0) scheitern();
      const Links l = linkerOperand(p);
      const Rechts r = rechterOperand(p + op.size());
      const qint32 a = ganzzahl(l.wert), b = ganzzahl(r.wert);
      zurueckschreiben(l.anfang, op == u"AND" ? (a & b) : (a | b), r.ende);
    }
  }
}

double Auswertung::ergebnis() const { return lesen(t_); }

double Auswertung::rechnen(const QString& eingabe) {
  if (tiefe_ == 0 && eingabe.size() > kLaengsterText) scheitern();
  if (tiefe_ > kTiefsteKlammer) scheitern();
  t_ = Compact(Ersetzen(eingabe, QStringLiteral(","), QStringLiteral(".")));
  const Tabellen& tab = tabellen();
  konstantenErsetzen(tab);
  t_ = grossschreiben(t_);
  if (InCount(t_, QStringLiteral("(")) != InCount(t_, QStringLiteral(")"))) scheitern();
  if (ASCII(t_) == '%') scheitern();
  if (tiefe_ + klammerTiefe(t_) > kTiefsteKlammer) scheitern();
  gruppenAuswerten();
  zahlenPruefen();
  double wert = 0;
  if (istZahltext(t_, &wert)) return wert;
  funktionenAuswerten(tab);
  zahlenPruefen();
  fakultaetenAuswerten();
  zahlenPruefen();
  vorzeichenZusammenfassen();
  if (potenzen() || punktrechnung() || strichrechnung() || vergleiche()) return ergebnis();
  logik(tab);
  return ergebnis();
}

}  // namespace

double Auswerten(QString& text) {
  try {
    return endlich(Auswertung(0).rechnen(text));
  } catch (const Fehlschlag&) {
    text.prepend(u'%');
    return 0;
  }
}

Zahl ZahlLesen(QStringView s) {
  const qsizetype n = s.size();
  qsizetype i = 0;
  const auto leer = [&] {
    while (i < n && (s[i] == u' ' || s[i] == u'\t' || s[i] == u'\n')) ++i;
  };
  leer();
  bool negativ = false;
  if (i < n && istVorzeichen(s[i])) {
    negativ = s[i] == u'-';
    ++i;
  }
  std::string ganz, bruch;
  bool punkt = false;
  for (;; ++i) {
    leer();
    if (i >= n) break;
    const QChar c = s[i];
    if (istZiffer(c))
      (punkt ? bruch : ganz) += static_cast<char>(c.unicode());
    else if (c == u'.' && !punkt)
      punkt = true;
    else
      break;
  }
  if (ganz.empty() && bruch.empty()) return {};
  long exponent = 0;
  if (i < n && (istExponent(s[i]) || s[i] == u'e' || s[i] == u'd')) {
    qsizetype k = i + 1;
    const auto leerK = [&] {
      while (k < n && (s[k] == u' ' || s[k] == u'\t' || s[k] == u'\n')) ++k;
    };
    leerK();
    bool expNegativ = false;
    if (k < n && istVorzeichen(s[k])) {
      expNegativ = s[k] == u'-';
      ++k;
    }
    leerK();
    if (k < n && istZiffer(s[k])) {
      for (; k < n; ++k) {
        leerK();
        if (k >= n || !istZiffer(s[k])) break;
        // Far beyond any double; only the size matters from here on.
        if (exponent < 100000) exponent = exponent * 10 + (s[k].unicode() - u'0');
      }
      if (expNegativ) exponent = -exponent;
    }
  }
  // The decimal exponent of the first significant digit tells an overflow from a value too small to hold.
  const size_t ersteGanz = ganz.find_first_not_of('0');
  long groesse;
  if (ersteGanz != std::string::npos) {
    groesse = static_cast<long>(ganz.size() - ersteGanz) - 1 + exponent;
  } else {
    const size_t ersteBruch = bruch.find_first_not_of('0');
    if (ersteBruch == std::string::npos) return {negativ ? -0.0 : 0.0, false};
    groesse = -static_cast<long>(ersteBruch) - 1 + exponent;
  }
  const double unendlich = negativ ? -std::numeric_limits<double>::infinity() : std::numeric_limits<double>::infinity();
  if (groesse > 400) return {unendlich, true};
  if (groesse < -400) return {negativ ? -0.0 : 0.0, false};
  std::string text = ganz.empty() ? std::string("0") : ganz;
  if (!bruch.empty()) text += '.' + bruch;
  text += 'e' + std::to_string(exponent);
  double wert = 0;
  const auto [ende, fehler] = std::from_chars(text.data(), text.data() + text.size(), wert, std::chars_format::general);
  (void)ende;
  if (fehler == std::errc::result_out_of_range) {
    if (groesse > 0) return {unendlich, true};
    return {negativ ? -0.0 : 0.0, false};
  }
  if (fehler != std::errc() || !std::isfinite(wert)) return {unendlich, true};
  return {negativ ? -wert : wert, false};
}

QString Zahltext(double wert) {
  // Fifteen digits of the very largest doubles would round to a text beyond the largest double.
  constexpr double kGroesste = 1.79769313486231E+308;
  if (wert > kGroesste) wert = kGroesste;
  if (wert < -kGroesste) wert = -kGroesste;
  QString text = vb::Str(wert);
  if (text.startsWith(u' ')) text.remove(0, 1);
  return text;
}

}  // namespace Z_Evaluate2
