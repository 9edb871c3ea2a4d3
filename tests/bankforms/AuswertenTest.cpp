// The amount evaluator, case by case: each text with the value it gives (as the evaluator's own number
// text, so that 15 significant digits are compared exactly) or with its failure.
#include "bankforms/Auswerten.h"
#include "common/Global.h"
#include "platform/vb/Clock.h"
#include "support/kern/TestUmgebung.h"

#include <cmath>

using Z_Evaluate2::Auswerten;
using Z_Evaluate2::Zahltext;

namespace {

constexpr const char* kFehler = nullptr;

struct Fall {
  const char* text;
  const char* ergebnis;  // the value's number text; kFehler: the evaluation fails
};

class AuswertenTest : public KartulonTest {
 protected:
  static void pruefen(const Fall& f) {
    const QString eingabe = QString::fromUtf8(f.text);
    QString text = eingabe;
    const double wert = Auswerten(text);
    SCOPED_TRACE(f.text);
    ASSERT_TRUE(std::isfinite(wert));
    if (f.ergebnis == kFehler) {
      EXPECT_EQ(wert, 0.0);
      EXPECT_EQ(text, u'%' + eingabe);
    } else {
      EXPECT_EQ(Zahltext(wert), QString::fromLatin1(f.ergebnis));
      EXPECT_EQ(text, eingabe);
    }
  }
  static void pruefen(std::initializer_list<Fall> faelle) {
    for (const Fall& f : faelle) pruefen(f);
  }
};

TEST_F(AuswertenTest, AmountsAndArithmetic) {
  pruefen({
      {"12,50+7,30", "19.8"},
      {"19,99*3", "59.97"},
      {"120/1,16", "103.448275862069"},
      {"100/3", "33.3333333333333"},
      {"(12,5+7,5)*2", "40"},
      {"((1+2)*(3+4))", "21"},
      {"(5)", "5"},
      {"12,5", "12.5"},
      {" 1 + 2 ", "3"},
      {"1\t+\r\n2", "3"},
      {"2+3*4", "14"},
      {"2*3+4", "10"},
      {"10-2-3", "5"},
      {"3-2*-1", "5"},
      {"2*-3", "-6"},
      {"-2^2", "4"},
      {"-3^2", "9"},
      {"2^-1", ".5"},
      {"2^3^2", "64"},
      {"2^2*3", "12"},
      {"1---1", "0"},
      {"5+-3", "2"},
      {"5--3", "8"},
      {"--5", "5"},
      {"+5", "5"},
      {"7MOD3", "1"},
      {"-7MOD3", "-1"},
      {"7\\2", "3"},
      {"-7\\2", "-3"},
      {"2(3)", "23"},
      {"2SIN(0)", "20"},
      {"5*", "5"},
      {"5^", "1"},
      {"0^0", "1"},
      {"1D3", "1000"},
      {".5", ".5"},
      {"5.", "5"},
      {"10^20", "1E+20"},
      {"2^-20", "9.5367431640625E-07"},
      {"1/3", ".333333333333333"},
      {"-1/4", "-.25"},
      {"0.0001*1", ".0001"},
      {"123456789012345*10", "1.23456789012345E+15"},
      {"1E-400", "0"},
      {"", "0"},
      {"abc", "0"},
  });
}

TEST_F(AuswertenTest, Failures) {
  pruefen({
      {"5/0", kFehler},       {"7\\0.4", kFehler}, {"7\\0", kFehler}, {"7MOD0", kFehler},      {"7MOD0.4", kFehler},
      {"*5", kFehler},        {"/5", kFehler},     {"^2", kFehler},   {"=2", kFehler},         {"AND1", kFehler},
      {"OR1", kFehler},       {"1+(2", kFehler},   {"1+2)", kFehler}, {")1(", kFehler},        {"(5/0)+1", kFehler},
      {"2*((3/0))", kFehler}, {"%5", kFehler},     {"0^-1", kFehler}, {"(-8)^(1/3)", kFehler},
  });
}

TEST_F(AuswertenTest, IntermediateResultsCarryFifteenDigits) {
  // Each written-back result is its 15-digit number text; a text read whole keeps every digit.
  QString text = QStringLiteral("100/3");
  EXPECT_EQ(Auswerten(text), 33.3333333333333);
  text = QStringLiteral("100/3*3");
  EXPECT_EQ(Auswerten(text), 99.9999999999999);
  text = QStringLiteral("0,1+0,2");
  EXPECT_EQ(Auswerten(text), 0.3);
  text = QStringLiteral("PI");
  EXPECT_EQ(Auswerten(text), 3.14159265358979323846);
}

TEST_F(AuswertenTest, TheCallersTextCarriesTheMarkOnlyAfterAFailure) {
  QString text = QStringLiteral("1+(2");
  EXPECT_EQ(Auswerten(text), 0.0);
  EXPECT_EQ(text, QStringLiteral("%1+(2"));
  text = QStringLiteral("(5/0)+1");
  EXPECT_EQ(Auswerten(text), 0.0);
  EXPECT_EQ(text, QStringLiteral("%(5/0)+1"));
  // A second evaluation of a marked text fails again and marks it again.
  EXPECT_EQ(Auswerten(text), 0.0);
  EXPECT_EQ(text, QStringLiteral("%%(5/0)+1"));
  text = QStringLiteral("12,50 + 7,30");
  EXPECT_EQ(Auswerten(text), 19.8);
  EXPECT_EQ(text, QStringLiteral("12,50 + 7,30"));
}

TEST_F(AuswertenTest, FactorialsComeFromTheDigitsRightBeforeTheMark) {
  pruefen({
      {"5!", "120"},
      {"0!", "1"},
      {"170!", "7.25741561530799E+306"},
      {"3!^2", "36"},
      {"3-5!", "-117"},
      {"7MOD5!", "7"},
      {"SQR(16)!", "24"},
      {"171!", kFehler},
      {"12345!", kFehler},
      {"!", kFehler},
      {"2*!", kFehler},
      {"2.5!", kFehler},
      {"(2.5)!", kFehler},
      {"(10^20)!", kFehler},
      {"1E5!", kFehler},
      {"5!!", "6.68950291344912E+198"},
  });
  // Exactly the product 1 * 2 * ... * 170 in double precision.
  double produkt = 1;
  for (int i = 2; i <= 170; ++i) produkt *= i;
  QString text = QStringLiteral("170!");
  EXPECT_EQ(Auswerten(text), Z_Evaluate2::ZahlLesen(Zahltext(produkt)).wert);
}

TEST_F(AuswertenTest, ComparisonsAndLogic) {
  pruefen({
      {"5>3", "-1"},
      {"5=3", "0"},
      {"3<5", "-1"},
      {"1<=2", "0"},
      {"1+2=3", "-1"},
      {"5AND3", "1"},
      {"4OR1", "5"},
      {"2OR1AND0", "2"},
      {"1+1=3OR4", "4"},
      {"NOT0", "-1"},
      {"NOT(5)", "-6"},
      // Whole numbers: halves go to the even neighbour.
      {"NOT2.5", "-3"},
      {"NOT3.5", "-5"},
      {"2.5AND7", "2"},
      {"3.5AND7", "4"},
      {"-2.5AND-1", "-2"},
      {"2147483647AND1", "1"},
      {"-2147483648MOD-1", "0"},
      {"5AND", "0"},
  });
}

TEST_F(AuswertenTest, QuotedTextsCompareByTheirCodes) {
  pruefen({
      {"\"ABC\"=\"abc\"", "-1"},
      {"\"A\"<\"B\"", "-1"},
      {"\"B\"<\"A\"", "0"},
      {"\"AB\">\"A\"", "-1"},
      // The euro sign is 128 in the code page, so it sorts before every letter with a mark.
      {"\"€\"<\"ÿ\"", "-1"},
      // "ß" has no capital of its own in the code page and stays.
      {"\"ß\"=\"SS\"", "0"},
      // Inside quotes a constant stays as it is.
      {"\"PI\"=\"PI\"", "-1"},
      {"\"A\"=\"B", kFehler},
      {"A\"=\"B\"", kFehler},
      {"\"A\"=B\"", kFehler},
  });
}

TEST_F(AuswertenTest, FunctionsAndTheirRejectedArguments) {
  pruefen({
      {"SIN(0)", "0"},
      {"sin(0)", "0"},
      {"COS(0)", "1"},
      {"TAN(0)", "0"},
      {"ATN(1)", ".785398163397448"},
      {"ARCCOT(1)", ".785398163397448"},
      {"ARCSEC(2)", "1.0471975511966"},
      {"ARCCSC(2)", ".523598775598299"},
      {"ARCSIN(1)", "1.5707963267949"},
      {"ARCSIN(-1)", "-1.5707963267949"},
      {"ARCCOS(1)", "0"},
      {"ARCCOS(-1)", "3.14159265358979"},
      {"ARCSIN(0)", "0"},
      {"ARCCOS(0)", "1.5707963267949"},
      {"ARCSINH(0)", "0"},
      {"ARCCOSH(1)", "0"},
      {"ARCTANH(0)", "0"},
      {"ARCSECH(1)", "0"},
      {"ARCCOTH(2)", ".549306144334055"},
      {"SINH(0)", "0"},
      {"TANH(0)", "0"},
      {"SECH(0)", "1"},
      {"EXP(0)", "1"},
      {"EXP(1)", "2.71828182845905"},
      {"LOG(1)", "0"},
      {"SQR(16)", "4"},
      {"CLG(1000)", "3"},
      {"ABS(-5)", "5"},
      {"ABS-5", "5"},
      {"SEC(0)", "1"},
      {"SQR(-1)", kFehler},
      {"LOG(0)", kFehler},
      {"LOG(-1)", kFehler},
      {"CLG(0)", kFehler},
      {"ARCSIN(2)", kFehler},
      {"ARCCOS(-1.5)", kFehler},
      {"ARCSEC(1)", kFehler},
      {"ARCCSC(0.5)", kFehler},
      {"ARCCOSH(0.5)", kFehler},
      {"ARCTANH(1)", kFehler},
      {"ARCSECH(2)", kFehler},
      {"ARCSECH(0)", kFehler},
      {"ARCCSCH(0)", kFehler},
      {"ARCCOTH(1)", kFehler},
      {"COTH(0)", kFehler},
      {"CSC(0)", kFehler},
      {"COT(0)", kFehler},
      {"CSCH(0)", kFehler},
      // The right angle is compared exactly with the double 2 * arctan 1.
      {"TAN1.5707963267948966", kFehler},
      {"SEC-1.5707963267948966", kFehler},
      {"COT1.5707963267948966", kFehler},
  });
}

TEST_F(AuswertenTest, EveryNumberAndEveryResultIsFinite) {
  pruefen({
      {"1E400", kFehler},
      {"-1E400", kFehler},
      {"1E308*10", kFehler},
      {"170!*170!", kFehler},
      {"EXP(710)", kFehler},
      {"SINH(710)", kFehler},
      {"TANH(1000)", kFehler},
      {"10^400", kFehler},
      {"3000000000AND1", kFehler},
      {"2147483647.5AND1", kFehler},
      {"-2147483648\\-1", kFehler},
      {"NOT3000000000", kFehler},
      {"1E20\\1", kFehler},
  });
  pruefen({{"EXP(709)", "8.21840746155497E+307"}});
}

TEST_F(AuswertenTest, ANumberWithTwoDecimalSeparatorsFails) {
  pruefen({
      {"1.000,50", kFehler},
      {"1,000,50", kFehler},
      {"1.234.567", kFehler},
      {"1..5", kFehler},
      {"1,5,", kFehler},
      {"1E3.5", kFehler},
      {"2*1.5.5", kFehler},
      {"2(.5)(.5)", kFehler},
      {"1.5SIN(0.5)", kFehler},
      // Separators in different numbers are fine.
      {"12,50+7,30", "19.8"},
      {"1,5*2,5", "3.75"},
  });
}

TEST_F(AuswertenTest, TheDOfModAndAndIsNoExponent) {
  pruefen({
      {"7MOD2^2", "3"},
      {"5>3AND1>2", "0"},
      {"1AND2*3", "0"},
      {"6OR2E1", "22"},
      {"2E1^2", "400"},
  });
}

TEST_F(AuswertenTest, ConstantsAndEulersNumberOnlyStandingAlone) {
  pruefen({
      {"2*PI", "6.28318530717959"},
      {"PI", "3.14159265358979"},
      {"2*pi", "0"},
      {"2*e", "5.43656365691809"},
      {"e", "2.71828182845905"},
      {"e^2", "7.38905609893065"},
      {"(e)", "2.71828182845905"},
      {"2e", "2"},
      {"1e3", "1000"},
      {"12 eur", "12"},
      {"sec(0)", "1"},
      {"exp(1)", "2.71828182845905"},
      {"e.5", "0"},
  });
}

TEST_F(AuswertenTest, TodayIsTheDayNumberOfTheFirstEvaluation) {
  Clock::setFixed(QDateTime(QDate(1999, 3, 5), QTime(9, 0)));
  pruefen({{"@TODAY", "36224"}, {"@TODAY-36224", "0"}, {"@TODAY+1", "36225"}});
  // The tables stay for the rest of the run, whatever the clock says meanwhile.
  Clock::setFixed(QDateTime(QDate(1999, 3, 6), QTime(9, 0)));
  pruefen({{"@TODAY", "36224"}});
  EXPECT_EQ(AuswertenHeute, QStringLiteral("36224"));
  // The reset of the program-wide variables (every test's start) forgets it.
  GlobaleZuruecksetzen();
  pruefen({{"@TODAY", "36225"}, {"@today", "0"}, {"\"@TODAY\"=\"@TODAY\"", "-1"}});
}

TEST_F(AuswertenTest, LongTextsAndDeepBracketsFail) {
  // 1024 characters are evaluated, one more fails.
  QString text = QStringLiteral("1+").repeated(511) + QStringLiteral("10");
  ASSERT_EQ(text.size(), 1024);
  EXPECT_EQ(Auswerten(text), 521.0);
  text = QStringLiteral("1+").repeated(512) + QStringLiteral("1");
  const QString lang = text;
  EXPECT_EQ(Auswerten(text), 0.0);
  EXPECT_EQ(text, u'%' + lang);
  // 64 brackets deep are evaluated, 65 fail.
  text = QString(64, u'(') + QStringLiteral("1+1") + QString(64, u')');
  EXPECT_EQ(Auswerten(text), 2.0);
  text = QString(65, u'(') + QStringLiteral("1+1") + QString(65, u')');
  EXPECT_EQ(Auswerten(text), 0.0);
  EXPECT_TRUE(text.startsWith(u'%'));
  // A text that grows as its constants are written out stays an ordinary evaluation.
  text = QStringLiteral("e*").repeated(511) + QStringLiteral("1");
  ASSERT_LE(text.size(), 1024);
  const double wert = Auswerten(text);
  EXPECT_FALSE(text.startsWith(u'%'));
  EXPECT_TRUE(std::isfinite(wert));
  EXPECT_GT(wert, 1E200);
}

TEST_F(AuswertenTest, NumberReadingAndNumberText) {
  struct Lesen {
    const char* text;
    double wert;
    bool ueberlauf;
  };
  const double unendlich = std::numeric_limits<double>::infinity();
  const Lesen faelle[] = {
      {"12.5", 12.5, false},
      {" 1 2.5 ", 12.5, false},
      {"-.5", -0.5, false},
      {"+3", 3, false},
      {"1E3", 1000, false},
      {"1e3", 1000, false},
      {"1D-2", 0.01, false},
      {"2E", 2, false},
      {"2E+", 2, false},
      {"1.2.3", 1.2, false},
      {"12,5", 12, false},
      {"abc", 0, false},
      {"", 0, false},
      {"-", 0, false},
      {".", 0, false},
      {"inf", 0, false},
      {"nan", 0, false},
      {"0x10", 0, false},
      {"&H10", 0, false},
      {"1E400", unendlich, true},
      {"-1E400", -unendlich, true},
      {"1E-400", 0, false},
      {"1E99999999999999999999", unendlich, true},
      {"0E99999999999999999999", 0, false},
  };
  for (const Lesen& f : faelle) {
    const Z_Evaluate2::Zahl z = Z_Evaluate2::ZahlLesen(QString::fromLatin1(f.text));
    EXPECT_EQ(z.wert, f.wert) << f.text;
    EXPECT_EQ(z.ueberlauf, f.ueberlauf) << f.text;
  }
  // Every number text reads back to a value with the same text.
  for (double x : {0.5, -0.25, 1.0 / 3, 2.0 / 3 * 1E-7, 1E20, 1.5E-7, 123456789012345.0, 1E15, 9.99999999999999E14,
                   -7.25741561530799E306, 4.9E-324, 1.7976931348623157E308}) {
    const QString text = Zahltext(x);
    EXPECT_EQ(Zahltext(Z_Evaluate2::ZahlLesen(text).wert), text) << text.toStdString();
    EXPECT_FALSE(text.startsWith(u' '));
  }
  EXPECT_EQ(Zahltext(0.5), QStringLiteral(".5"));
  EXPECT_EQ(Zahltext(-0.25), QStringLiteral("-.25"));
  EXPECT_EQ(Zahltext(1E20), QStringLiteral("1E+20"));
  EXPECT_EQ(Zahltext(1.5E-7), QStringLiteral("1.5E-07"));
  EXPECT_EQ(Zahltext(-0.0), QStringLiteral("0"));
}

}  // namespace
