// The cash-on-delivery card's core: the fee of the month, the price box after leaving it, the total.
#include "bankforms/Nachnahme.h"

#include <gtest/gtest.h>

using namespace Qt::Literals::StringLiterals;

namespace {

TEST(NachnahmeTest, TheFeeChangesInJanuary2002) {
  EXPECT_EQ(Nachnahme::Gebuehr(QDate(2001, 12, 31)), 3.0f);
  EXPECT_EQ(Nachnahme::Gebuehr(QDate(1999, 11, 15)), 3.0f);
  EXPECT_EQ(Nachnahme::Gebuehr(QDate(2002, 1, 1)), 2.9337449f);
  EXPECT_EQ(Nachnahme::Gebuehr(QDate(2026, 12, 10)), 2.9337449f);
  EXPECT_EQ(Nachnahme::GebuehrText(3.0f), u"3,00"_s);
  EXPECT_EQ(Nachnahme::GebuehrText(2.9337449f), u"2,93"_s);
}

TEST(NachnahmeTest, ThePriceBoxAfterLeavingIt) {
  struct Fall {
    QString typed, box;
  };
  const Fall faelle[] = {
      {u"12,50"_s, u"12.5"_s},         {u""_s, u"0"_s},        {u"   "_s, u"0"_s},  {u"100/3"_s, u"33.33333"_s},
      {u"3*4,5"_s, u"13.5"_s},         {u"5/0"_s, u"0"_s},     {u"9^10"_s, u"0"_s}, {u"12345678"_s, u"12345678"_s},
      {u"1234567,89"_s, u"1234567"_s}, {u"-2,5"_s, u"-2.5"_s}, {u"abc"_s, u"0"_s},
  };
  for (const Fall& f : faelle) EXPECT_EQ(Nachnahme::PreisVerlassen(f.typed), f.box) << f.typed.toStdString();
}

TEST(NachnahmeTest, TheTotalInWholeCents) {
  struct Fall {
    QString preis, gebuehr, einheiten, cent;
  };
  const Fall faelle[] = {
      {u"12.5"_s, u"3,00"_s, u"15"_s, u"50"_s},
      {u"12.5"_s, u"2,93"_s, u"15"_s, u"43"_s},
      {u"12,996"_s, u"3,00"_s, u"16"_s, u"00"_s},
      {u""_s, u"3,00"_s, u"3"_s, u"00"_s},
      {u"150000.37"_s, u""_s, u"150000"_s, u"37"_s},
      {u"-5.5"_s, u"3,00"_s, u"-2"_s, u"50"_s},
      {u"0"_s, u"0"_s, u"0"_s, u"00"_s},
  };
  for (const Fall& f : faelle) {
    const Nachnahme::Summe s = Nachnahme::SummeTeilen(f.preis, f.gebuehr);
    EXPECT_EQ(s.einheiten, f.einheiten) << f.preis.toStdString();
    EXPECT_EQ(s.cent, f.cent) << f.preis.toStdString();
  }
}

}  // namespace
