// The evaluator under random input: texts built from a fixed seed out of the pieces people type into an
// amount box (and stray bytes), checked for what must hold for every input; and random well-formed
// expressions checked against exact arithmetic.
#include "bankforms/Auswerten.h"
#include "platform/vb/Codec.h"
#include "platform/vb/Vb.h"
#include "support/kern/TestUmgebung.h"

#include <cmath>
#include <random>

using Z_Evaluate2::Auswerten;

namespace {

class AuswertenFuzzTest : public KartulonTest {
 protected:
  // Finite, and either a success with the text untouched or 0 with the text marked.
  static ::testing::AssertionResult haelt(const QString& eingabe) {
    QString text = eingabe;
    const double wert = Auswerten(text);
    if (!std::isfinite(wert)) return ::testing::AssertionFailure() << "not finite: " << eingabe.toStdString();
    if (text == eingabe) return ::testing::AssertionSuccess();
    if (text != u'%' + eingabe)
      return ::testing::AssertionFailure() << "text changed other than by the mark: " << eingabe.toStdString();
    if (wert != 0) return ::testing::AssertionFailure() << "failure with a value: " << eingabe.toStdString();
    return ::testing::AssertionSuccess();
  }
};

class Zufallstext {
 public:
  explicit Zufallstext(std::uint32_t saat) : zufall_(saat) {}

  QString stueck() {
    static const char* const stuecke[] = {
        "0",       "1",      "2",      "3",          "4",      "5",       "6",       "7",       "8",       "9",
        "00",      "170",    "171",    "2147483648", "1E",     "E+",      ".",       ",",       " ",       "\t",
        "+",       "-",      "*",      "/",          "\\",     "^",       "!",       "=",       "<",       ">",
        "MOD",     "AND",    "OR",     "mod",        "(",      ")",       "\"",      "e",       "E",       "D",
        "d",       "PI",     "pi",     "@TODAY",     "%",      "ARCSINH", "ARCCOSH", "ARCTANH", "ARCSECH", "ARCCSCH",
        "ARCCOTH", "ARCSIN", "ARCCOS", "ARCSEC",     "ARCCSC", "ARCCOT",  "SINH",    "TANH",    "SECH",    "CSCH",
        "COTH",    "SEC",    "CSC",    "COT",        "SIN",    "COS",     "TAN",     "ATN",     "LOG",     "EXP",
        "SQR",     "CLG",    "ABS",    "NOT",        "sin",    "exp",     "sqr",     "log",     "1E308",   "1E-308",
        "999",     "0,5",    "12,50",
    };
    const int n = static_cast<int>(std::size(stuecke));
    const int wahl = zahl(0, n + 2);
    if (wahl < n) return QString::fromLatin1(stuecke[wahl]);
    if (wahl == n) return Codec::aus1252(QByteArray(1, static_cast<char>(zahl(0, 255))));
    // Any UTF-16 code unit, lone surrogates included.
    return QString(QChar(static_cast<char16_t>(zahl(1, 0xFFFF))));
  }

  QString text(int stuecke) {
    QString t;
    for (int i = 0; i < stuecke; ++i) t += stueck();
    return t;
  }

  int zahl(int von, int bis) { return std::uniform_int_distribution<int>(von, bis)(zufall_); }

 private:
  std::mt19937 zufall_;
};

TEST_F(AuswertenFuzzTest, NoInputCrashesHangsOrGivesAnInfiniteOrUnmarkedFailure) {
  Zufallstext z(20261210);
  int fehlgeschlagen = 0;
  for (int i = 0; i < 100000; ++i) {
    const int laenge = z.zahl(0, 9) == 0 ? z.zahl(40, 400) : z.zahl(0, 24);
    const QString eingabe = z.text(laenge);
    ASSERT_TRUE(haelt(eingabe)) << "text no. " << i;
    QString kopie = eingabe;
    Auswerten(kopie);
    fehlgeschlagen += kopie.startsWith(u'%') && !eingabe.startsWith(u'%');
  }
  // The generator reaches both outcomes often.
  EXPECT_GT(fehlgeschlagen, 10000);
  EXPECT_LT(fehlgeschlagen, 90000);
}

TEST_F(AuswertenFuzzTest, LongTextsAndDeepBracketsFailAtOnce) {
  Zufallstext z(4711);
  for (int i = 0; i < 20; ++i) {
    QString lang;
    while (lang.size() < 10000) lang += z.stueck();
    ASSERT_TRUE(haelt(lang));
    QString kopie = lang;
    EXPECT_EQ(Auswerten(kopie), 0.0);
    EXPECT_TRUE(kopie.startsWith(u'%'));
  }
  for (int tiefe : {1000, 500, 100, 65}) {
    const QString tief = QString(tiefe, u'(') + QStringLiteral("1+1") + QString(tiefe, u')');
    ASSERT_TRUE(haelt(tief));
    QString kopie = tief;
    EXPECT_EQ(Auswerten(kopie), 0.0) << tiefe;
    EXPECT_TRUE(kopie.startsWith(u'%')) << tiefe;
  }
  // Unbalanced depth inside an allowed length.
  const QString offen = QString(1000, u'(');
  ASSERT_TRUE(haelt(offen));
  const QString zu = QString(500, u'(') + QString(500, u')') + QString(20, u'(');
  ASSERT_TRUE(haelt(zu));
}

// A random expression of whole numbers with "+", "-", "*", brackets and signs, with its exact value.
struct Ausdruck {
  QString text;
  long long wert;
  bool summe = false;  // a sum or difference at the top: needs brackets as a factor or subtrahend
};

QString geklammert(const Ausdruck& a, bool noetig) { return noetig ? u'(' + a.text + u')' : a.text; }

Ausdruck ausdruck(Zufallstext& z, int tiefe, int& blaetter) {
  Ausdruck a;
  if (tiefe == 0 || blaetter >= 6 || z.zahl(0, 3) == 0) {
    ++blaetter;
    a.wert = z.zahl(0, 99);
    a.text = QString::number(a.wert);
  } else {
    const Ausdruck l = ausdruck(z, tiefe - 1, blaetter);
    const Ausdruck r = ausdruck(z, tiefe - 1, blaetter);
    switch (z.zahl(0, 2)) {
      case 0:
        a = {l.text + u'+' + r.text, l.wert + r.wert, true};
        break;
      case 1:
        a = {l.text + u'-' + geklammert(r, r.summe), l.wert - r.wert, true};
        break;
      default:
        a = {geklammert(l, l.summe) + u'*' + geklammert(r, r.summe), l.wert * r.wert, false};
        break;
    }
    if (z.zahl(0, 3) == 0) a = {u'(' + a.text + u')', a.wert, false};
  }
  if (z.zahl(0, 4) == 0) {
    a.text = u'-' + geklammert(a, a.summe || a.text.startsWith(u'-'));
    a.wert = -a.wert;
    a.summe = false;
  }
  return a;
}

TEST_F(AuswertenFuzzTest, WholeNumberExpressionsAgreeWithExactArithmetic) {
  Zufallstext z(1999);
  for (int i = 0; i < 20000; ++i) {
    int blaetter = 0;
    const Ausdruck a = ausdruck(z, 4, blaetter);
    QString text = a.text;
    const double wert = Auswerten(text);
    ASSERT_EQ(text, a.text);
    ASSERT_EQ(wert, static_cast<double>(a.wert)) << a.text.toStdString();
  }
}

TEST_F(AuswertenFuzzTest, SumsOfAmountsAgreeWithExactCents) {
  Zufallstext z(20);
  for (int i = 0; i < 20000; ++i) {
    QString text;
    long long cent = 0;
    const int glieder = z.zahl(1, 8);
    for (int g = 0; g < glieder; ++g) {
      const long long betrag = z.zahl(0, 99999999);
      const bool minus = g > 0 && z.zahl(0, 1) == 0;
      const QString zahl = QStringLiteral("%1,%2").arg(betrag / 100).arg(betrag % 100, 2, 10, QChar(u'0'));
      if (g > 0) text += minus ? u'-' : u'+';
      text += zahl;
      cent += minus ? -betrag : betrag;
    }
    const double wert = Auswerten(text);
    const QString erwartet =
        (cent < 0 ? QStringLiteral("-") : QString()) +
        QStringLiteral("%1,%2").arg(std::llabs(cent) / 100).arg(std::llabs(cent) % 100, 2, 10, QChar(u'0'));
    ASSERT_EQ(vb::Format(wert, QStringLiteral("0.00")), cent == 0 ? QStringLiteral("0,00") : erwartet)
        << text.toStdString();
  }
}

}  // namespace
