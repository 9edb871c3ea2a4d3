// The helper library's functions that the amount evaluator calls.
#include "platform/vb/Dezu.h"

#include <gtest/gtest.h>

TEST(Dezu, CompactRemovesBlanksTabsAndLineBreaks) {
  EXPECT_EQ(Compact(QStringLiteral(" 1 +\t2\r\n* 3 ")), QStringLiteral("1+2*3"));
  EXPECT_EQ(Compact(QStringLiteral("abc")), QStringLiteral("abc"));
  EXPECT_EQ(Compact(QString()), QString());
}

TEST(Dezu, PMatchFindsTheMatchingBracket) {
  struct Fall {
    const char* text;
    int laenge;
  };
  const Fall faelle[] = {
      {"(1)", 3},
      {"(1+2)*3", 5},
      {"((1+2)*(3+4))+1", 13},
      {"(a(b)c(d(e)))f)", 13},
      {"()", 2},
      {"(1+(2", 0},
      {"(", 0},
      {"1+(2)", 0},
      {"", 0},
      {")(", 0},
      {"(()", 0},
  };
  for (const Fall& f : faelle) EXPECT_EQ(PMatch(QString::fromLatin1(f.text)), f.laenge) << f.text;
}

TEST(Dezu, QInstrBSearchesBackwardsFromTheStart) {
  const QString text = QStringLiteral("\"AB\"=\"CD\"");  // quotes at 1, 4, 6 and 9
  struct Fall {
    int start;
    const char* such;
    int position;
  };
  const Fall faelle[] = {
      {9, "\"", 9},   {8, "\"", 6}, {5, "\"", 4}, {3, "\"", 1}, {1, "\"", 1}, {0, "\"", 0}, {-1, "\"", 0},
      {100, "\"", 9}, {9, "CD", 7}, {7, "CD", 7}, {6, "CD", 0}, {9, "X", 0},  {9, "", 0},
  };
  for (const Fall& f : faelle)
    EXPECT_EQ(QInstrB(f.start, text, QString::fromLatin1(f.such)), f.position) << f.start << " " << f.such;
}

TEST(Dezu, FactorialIsTheProductInDoublePrecision) {
  EXPECT_EQ(Factorial(0), 1.0);
  EXPECT_EQ(Factorial(1), 1.0);
  EXPECT_EQ(Factorial(5), 120.0);
  EXPECT_EQ(Factorial(20), 2432902008176640000.0);
  double produkt = 1;
  for (int i = 2; i <= 170; ++i) produkt *= i;
  EXPECT_EQ(Factorial(170), produkt);
  EXPECT_EQ(Factorial(171), 0.0);
  EXPECT_EQ(Factorial(-1), 0.0);
}

TEST(Dezu, MinIntAndMaxInt) {
  EXPECT_EQ(MinInt(3, -7), -7);
  EXPECT_EQ(MaxInt(3, -7), 3);
  EXPECT_EQ(MinInt(32767, 32767), 32767);
  EXPECT_EQ(MaxInt(-32768, 0), 0);
}

TEST(Dezu, AsciiGivesTheCodeOfTheFirstCharacter) {
  EXPECT_EQ(ASCII(QStringLiteral("%1")), 37);
  EXPECT_EQ(ASCII(QStringLiteral("A")), 65);
  EXPECT_EQ(ASCII(QStringLiteral("€uro")), 128);
  EXPECT_EQ(ASCII(QStringLiteral("ä")), 228);
  EXPECT_NE(ASCII(QString()), 37);
}

TEST(Dezu, Date2NumCountsDaysFromTheEndOf1899) {
  struct Fall {
    const char* text;
    int tag;
  };
  const Fall faelle[] = {
      {"12-30-1899", 0},
      {"12-31-1899", 1},
      {"01-01-1900", 2},
      {"03-05-1999", 36224},
      {"01-01-2000", 36526},
      {"12-10-2026", 46366},
      {"3-5-1999", 36224},
      {"02-29-2000", 36585},
      {"02-29-1999", 0},
      {"13-01-1999", 0},
      {"05.03.1999", 0},
      {"03-05-99", 0},
      {"", 0},
  };
  for (const Fall& f : faelle) EXPECT_EQ(Date2Num(QString::fromLatin1(f.text)), f.tag) << f.text;
}
