#include "platform/vb/Clock.h"
#include "platform/vb/Vb.h"

#include <gtest/gtest.h>

TEST(Vb, ValReadsTheLeadingNumber) {
  struct Fall {
    const char* text;
    double wert;
  };
  const Fall faelle[] = {
      {"4711", 4711}, {" 12 34 ab", 1234}, {"-3.5x", -3.5}, {"abc", 0}, {"", 0},   {"1e3", 1000}, {"&H1F", 31},
      {"&O17", 15},   {"12,5", 12},        {".5", 0.5},     {"+7", 7},  {"1e", 1}, {"--1", 0},    {"\t\n42", 42},
  };
  for (const Fall& f : faelle) EXPECT_DOUBLE_EQ(vb::Val(QString::fromUtf8(f.text)), f.wert) << f.text;
}

TEST(Vb, IsDateTakesExistingDatesOnly) {
  Clock::setFixed(QDateTime(QDate(2026, 12, 10), QTime(12, 0)));
  struct Fall {
    const char* text;
    QDate datum;
  };
  const Fall faelle[] = {
      {"1.2.1999", {1999, 2, 1}},
      {"01.02.99", {1999, 2, 1}},
      {"1 2 1999", {1999, 2, 1}},
      {"1/2/1999", {1999, 2, 1}},
      {"1-2-29", {2029, 2, 1}},
      {"1-2-30", {1930, 2, 1}},
      {"1. Februar 1999", {1999, 2, 1}},
      {"1. März 2000", {2000, 3, 1}},
      {"1.2.", {2026, 2, 1}},
      {"1999-02-01", {1999, 2, 1}},
      {"29.02.2000", {2000, 2, 29}},
      {"15.03.1960 10:30", {1960, 3, 15}},
      {"29.02.1999", {}},
      {"31.04.2000", {}},
      {"32.1.2000", {}},
      {"1.13.2000", {}},
      {"", {}},
      {"abc", {}},
      {"12", {}},
      {"1.2.3.4", {}},
      {"0.1.2000", {}},
  };
  for (const Fall& f : faelle) {
    EXPECT_EQ(vb::CDate(QString::fromUtf8(f.text)), f.datum) << f.text;
    EXPECT_EQ(vb::IsDate(QString::fromUtf8(f.text)), f.datum.isValid()) << f.text;
  }
  Clock::reset();
}

TEST(Vb, DateTextAndMonths) {
  EXPECT_EQ(vb::DatumText(QDate(2000, 1, 6)), QStringLiteral("06.01.2000"));
  EXPECT_EQ(vb::DatumText(QDate()), QString());
  EXPECT_EQ(vb::MonateZwischen(QDate(1960, 3, 15), QDate(2000, 1, 10)), 478);
  EXPECT_EQ(vb::MonateZwischen(QDate(2000, 1, 31), QDate(2000, 2, 1)), 1);
}
