#include "platform/vb/Vb.h"

#include <gtest/gtest.h>

namespace {
QString T(const char* s) { return QString::fromUtf8(s); }
}  // namespace

TEST(VbFormat, NumbersWithGermanSeparators) {
  struct Fall {
    double zahl;
    const char* muster;
    const char* aus;
  };
  const Fall faelle[] = {
      {61.0 / 60, "#.0", "1,0"},
      {0.5, "#.0", ",5"},
      {3599.0 / 60, "#.0", "60,0"},
      {42, "0000", "0042"},
      {12345, "0000", "12345"},
      {0, "0000", "0000"},
      {2.5, "0", "3"},
      {-2.5, "0", "-3"},
      {0.4, "0", "0"},
      {-0.4, "0", "0"},
      {1234567.891, "#,##0", "1.234.568"},
      {999.5, "#,##0", "1.000"},
      {1000, "0,000", "1.000"},
      {1234.56, "0,000.0", "1.234,6"},
      {0.125, "0.00", "0,13"},
      {1.005, "0.00", "1,01"},
      {5.55, ".0", "5,6"},
      {0.05, ".0", ",1"},
      {99.95, "0.0", "100,0"},
      {5, "#.##", "5,"},
      {25.6, "0\\%", "26%"},
      {0.256, "0%", "26%"},
      {7, "00\\.", "07."},
      {5, " \\## ", " #5 "},
      {12345, "##0", "12345"},
      {1234567, "0,", "1235"},
      {1e6, "#,###", "1.000.000"},
      {0, "#,###", ""},
      {-5, "0;(0)", "(5)"},
      {0, "0;(0);\"null\"", "null"},
      {3.5, "", "3,5"},
      {-1234.5, "#,##0.00", "-1.234,50"},
      {12, "\"Nr. \"0", "Nr. 12"},
      {0.0004, "0.000", "0,000"},
      {7, "00000000", "00000007"},
      {123, "###0", "123"},
  };
  for (const Fall& f : faelle) EXPECT_EQ(vb::Format(f.zahl, T(f.muster)), T(f.aus)) << f.zahl << " " << f.muster;
}

TEST(VbFormat, DatesAndTimes) {
  const QDateTime zeit(QDate(2026, 12, 10), QTime(14, 5, 9));  // a Thursday
  struct Fall {
    const char* muster;
    const char* aus;
  };
  const Fall faelle[] = {
      {"dd.mm.yyyy", "10.12.2026"},
      {"dd.mm.yyyy hh:nn", "10.12.2026 14:05"},
      {"dd.mm.yyyy hh:mm:ss", "10.12.2026 14:05:09"},
      {"hh:mm", "14:05"},
      {"dd.mmmm.yyyy dddd", "10.Dezember.2026 Donnerstag"},
      {"d.m.yy", "10.12.26"},
      {"ddd, d. mmm", "Do, 10. Dez"},
      {"w q", "5 4"},
      {"d/m/yyyy", "10.12.2026"},
      {"\"am\" d\\.", "am 10."},
      {"ddddd", "10.12.2026"},
      {"h:n:s", "14:5:9"},
  };
  for (const Fall& f : faelle) EXPECT_EQ(vb::Format(zeit, T(f.muster)), T(f.aus)) << f.muster;
  EXPECT_EQ(vb::Format(QDate(2026, 3, 1), QStringLiteral("d. mmmm yyyy")), QStringLiteral("1. März 2026"));
}

TEST(VbFormat, NumberTextsAndStrictConversion) {
  EXPECT_EQ(vb::CStr(1.5), QStringLiteral("1,5"));
  EXPECT_EQ(vb::CStr(-3), QStringLiteral("-3"));
  EXPECT_EQ(vb::CStr(1e20), QStringLiteral("1E+20"));
  EXPECT_EQ(vb::CStr(1e15), QStringLiteral("1E+15"));
  EXPECT_EQ(vb::CStr(123456789012345.0), QStringLiteral("123456789012345"));
  EXPECT_EQ(vb::CStr(0.0001), QStringLiteral("0,0001"));
  EXPECT_EQ(vb::CStr(0.00001), QStringLiteral("1E-05"));
  EXPECT_EQ(vb::CStr(0.1 + 0.2), QStringLiteral("0,3"));
  EXPECT_EQ(vb::CStr(0), QStringLiteral("0"));
  EXPECT_EQ(vb::Str(42), QStringLiteral(" 42"));
  EXPECT_EQ(vb::Str(-1.5), QStringLiteral("-1.5"));
  EXPECT_EQ(vb::Str(0.5), QStringLiteral(" .5"));
  EXPECT_EQ(vb::Str(0), QStringLiteral(" 0"));

  struct Fall {
    const char* text;
    std::optional<double> wert;
  };
  const Fall faelle[] = {
      {"12", 12},   {" 1.234,5 ", 1234.5}, {"1,5", 1.5},  {"-,5", -0.5}, {"1e3", 1000},
      {"&H10", 16}, {"abc", {}},           {"12abc", {}}, {"", {}},      {"1E", {}},
      {"+7", 7},    {"1 2", {}},           {" ", {}},
  };
  for (const Fall& f : faelle) EXPECT_EQ(vb::CDbl(T(f.text)), f.wert) << f.text;
  EXPECT_EQ(vb::CCur(QStringLiteral("1,23456")), 1.2346);
  EXPECT_EQ(vb::CCur(QStringLiteral("x")), std::nullopt);
}

TEST(VbStrings, OneBasedPositions) {
  const QString k = QStringLiteral("Kartulon");
  EXPECT_EQ(vb::Mid(k, 3, 4), QStringLiteral("rtul"));
  EXPECT_EQ(vb::Mid(k, 6), QStringLiteral("lon"));
  EXPECT_EQ(vb::Mid(k, 9), QString());
  EXPECT_EQ(vb::Mid(k, 0, 2), QStringLiteral("Ka"));
  EXPECT_EQ(vb::Left(k, 3), QStringLiteral("Kar"));
  EXPECT_EQ(vb::Left(k, 0), QString());
  EXPECT_EQ(vb::Right(k, 3), QStringLiteral("lon"));
  EXPECT_EQ(vb::Right(k, 20), k);
  EXPECT_EQ(vb::InStr(QStringLiteral("abcabc"), QStringLiteral("c")), 3);
  EXPECT_EQ(vb::InStr(4, QStringLiteral("abcabc"), QStringLiteral("c")), 6);
  EXPECT_EQ(vb::InStr(7, QStringLiteral("abcabc"), QStringLiteral("c")), 0);
  EXPECT_EQ(vb::InStr(QStringLiteral("abc"), QString()), 1);
  EXPECT_EQ(vb::InStr(QString(), QStringLiteral("x")), 0);
  EXPECT_EQ(vb::InStr(QStringLiteral("aBc"), QStringLiteral("b")), 0);
  EXPECT_EQ(vb::InStr(QStringLiteral("aBc"), QStringLiteral("b"), Qt::CaseInsensitive), 2);
  EXPECT_EQ(vb::InStrRev(QStringLiteral("abcabc"), QStringLiteral("c")), 6);
  EXPECT_EQ(vb::InStrRev(QStringLiteral("abcabc"), QStringLiteral("c"), 5), 3);
  EXPECT_EQ(vb::InStrRev(QStringLiteral("abcabc"), QStringLiteral("bc"), 5), 2);
  EXPECT_EQ(vb::InStrRev(QStringLiteral("abc"), QStringLiteral("x")), 0);
  EXPECT_EQ(vb::Trim(QStringLiteral("  \ta b  ")), QStringLiteral("\ta b"));
  EXPECT_EQ(vb::LTrim(QStringLiteral("  a ")), QStringLiteral("a "));
  EXPECT_EQ(vb::RTrim(QStringLiteral("  a ")), QStringLiteral("  a"));
  EXPECT_EQ(vb::Space(3), QStringLiteral("   "));
}
