#include "common/Global.h"
#include "common/Ini.h"
#include "store/Index.h"
#include "support/kern/TestUmgebung.h"

class IndexTest : public KartulonTest {
 protected:
  void SetUp() override {
    KartulonTest::SetUp();
    IniDatei = programmOrdner() + QStringLiteral("/Kartulon.Ini");
  }
  // nullptr: the key is missing.
  void vorher(const char* kartulon, const char* zedured) {
    if (kartulon) IniSchreiben(IniDatei, "Allgemein", "AdressIndex", kartulon);
    if (zedured) IniSchreiben("", "", "AdressIndex", zedured);
  }
  QString kartulon() { return IniLesen(IniDatei, "Allgemein", "AdressIndex", "fehlt"); }
  QString zedured() { return IniLesen("", "", "AdressIndex", "fehlt"); }
};

TEST_F(IndexTest, TheLargerCounterCountsAndBothFilesGetTheResult) {
  struct Fall {
    const char* kartulon;
    const char* zedured;
    int schritt;
    int ergebnis;
  };
  const Fall faelle[] = {
      {nullptr, nullptr, 1, 2},
      {"500", "20", 1, 501},
      {"20", "500", 1, 501},
      {"7", "9", 0, 9},
      {"999999999", "5", 1, 1},  // the wrap
      {"999999998", nullptr, 1, 999999999},
      {"abc", "", 1, 1},   // no number counts as 0
      {"abc", "x", 0, 1},  // never below 1
      {"42 ", "17.6", 1, 43},
      {"3000000000", "4", 1, 1},  // beyond 32 bits: summed in 64 bits, then wrapped
      {"-2147483648", "-5", 1, 1},
  };
  for (const Fall& f : faelle) {
    SCOPED_TRACE(testing::Message() << (f.kartulon ? f.kartulon : "-") << " / " << (f.zedured ? f.zedured : "-"));
    QFile::remove(IniDatei);
    QFile::remove(windowsOrdner() + QStringLiteral("/Zedured.ini"));
    vorher(f.kartulon, f.zedured);
    EXPECT_EQ(NeuerIndex(f.schritt), f.ergebnis);
    EXPECT_EQ(kartulon(), QString::number(f.ergebnis));
    EXPECT_EQ(zedured(), QString::number(f.ergebnis));
  }
}

TEST_F(IndexTest, AfterTheWrapTheNextRecordGetsOne) {
  vorher("999999999", "999999999");
  EXPECT_EQ(NeuerIndex(1) - 1, 0);
  EXPECT_EQ(NeuerIndex(1) - 1, 1);
  EXPECT_EQ(NeuerIndex(0), 2);
}
