#include "common/Telefon.h"

#include <gtest/gtest.h>

TEST(Telefon, VorwahlAusTelefon) {
  struct Fall {
    const char* nummer;
    const char* vorwahl;
  };
  const Fall faelle[] = {
      {"089/123456", "089"},
      {"089-123-456", "089"},
      {"0221.12345", "0221"},
      {"(089) 123456", ""},
      {"+49 89 123456", ""},
      {"0171/1234567", ""},
      {"030 123456", ""},
      {"0 89/123", "089"},
      {"890/123", "890"},
      {"89/123", ""},
      {"033203/12345", ""},
      {"01/123", ""},
      {"", ""},
      {"   ", ""},
      {" 0711_12345 ", "0711"},
      {"07[11]", ""},
      {"0711[12345]", "0711"},
      {"abc/123", ""},
      {"07 11 / 12 34", "0711"},
  };
  for (const Fall& f : faelle)
    EXPECT_EQ(VorwahlAusTelefon(QString::fromUtf8(f.nummer)), QString::fromUtf8(f.vorwahl)) << f.nummer;
}

TEST(Telefon, TelefonFormatieren) {
  struct Fall {
    const char* nummer;
    const char* aus;
  };
  const Fall faelle[] = {
      {"089/123456", "089 / 12 34 56"},
      {"0221-12345", "02 21 / 123 45"},
      {"089 123456", "089 12 34 56"},
      {"089/123/456", "089 / 12 34 56"},
      {"", ""},
      {"1234", "12 34"},
      {"123", "123"},
      {"+49 (89) 12345", "498 91 23 45"},
      {"0221.1234567", "02 21 / 123 45 67"},
      {"1", "1"},
      {"089/", "089 / "},
      {"(0 89) / 12-34", "089 / 12 34"},
  };
  for (const Fall& f : faelle)
    EXPECT_EQ(TelefonFormatieren(QString::fromUtf8(f.nummer)), QString::fromUtf8(f.aus)) << f.nummer;
}
