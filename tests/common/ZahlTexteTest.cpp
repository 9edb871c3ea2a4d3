#include "common/ZahlTexte.h"

#include "common/Ini.h"
#include "support/kern/TestUmgebung.h"

TEST(ZahlTexte, DatumName) {
  struct Fall {
    int nummer;
    const char* art;
    const char* text;
    int nachher;
  };
  const Fall faelle[] = {
      {1, "WT", "Sonntag", 1},
      {7, "wt", "Samstag", 7},
      {0, "wt", "Tag???", 8},
      {9, "wt", "Tag???", 8},
      {2, "wt2", "Mo", 2},
      {-1, "Wt2", "??", 8},
      {12, "mo", "Dezember", 12},
      {3, "mo", "März", 3},
      {13, "mo", "Monat???", 13},
      {3, "MO3", "Mär", 3},
      {14, "mo3", "???", 13},
      {1, "xx", "", 1},
      {1, "", "", 1},
  };
  for (const Fall& f : faelle) {
    int nummer = f.nummer;
    EXPECT_EQ(DatumName(nummer, QString::fromUtf8(f.art)), QString::fromUtf8(f.text)) << f.nummer << f.art;
    EXPECT_EQ(nummer, f.nachher) << f.nummer << f.art;
  }
  EXPECT_EQ(DatumName(5, QStringLiteral("mo")), QStringLiteral("Mai"));
}

TEST(ZahlTexte, DauerText) {
  struct Fall {
    double sekunden;
    const char* text;
    double nachher;
  };
  const Fall faelle[] = {
      {-1, "1 Sekunde", 1},
      {0, "0 Sekunden", 0},
      {2.5, "2 Sekunden", 2},
      {59.5, "60 Sekunden", 60},
      {60.5, "60 Sekunden", 60},
      {61, "1,0 Minuten", 61},
      {90, "1,5 Minuten", 90},
      {3599, "60,0 Minuten", 3599},
      {3600, "1,0 Stunden", 3600},
      {129599, "36,0 Stunden", 129599},
      {129600, "1,5 Tagen", 129600},
      {-172800, "2,0 Tagen", 172800},
      {31557600, "1,0 Jahren", 31557600},
      {94672800, "3,0 Jahren", 94672800},
  };
  for (const Fall& f : faelle) {
    double s = f.sekunden;
    EXPECT_EQ(DauerText(s), QString::fromUtf8(f.text)) << f.sekunden;
    EXPECT_EQ(s, f.nachher) << f.sekunden;
  }
}

TEST_F(KartulonTest, TageTextMitDenStandardgrenzen) {
  const std::pair<double, const char*> faelle[] = {
      {0, "heute"},
      {1, "morgen"},
      {2, "übermorgen"},
      {-1, "gestern"},
      {-2, "vorgestern"},
      {2.5, "übermorgen"},
      {-0.4, "heute"},
      {-3, "vor 3 Tagen"},
      {5, "in 5 Tagen"},
      {31, "in 31 Tagen"},
      {32, "in 4,6 Wochen"},
      {-40, "vor 5,7 Wochen"},
      {170, "in 24,3 Wochen"},
      {171, "in 5,6 Monaten"},
      {200, "in 6,6 Monaten"},
      {438, "in 14,4 Monaten"},
      {439, "in 1,2 Jahren"},
      {-1000, "vor 2,7 Jahren"},
  };
  for (const auto& [tage, text] : faelle) EXPECT_EQ(TageText(tage), QString::fromUtf8(text)) << tage;
}

TEST_F(KartulonTest, TageTextNimmtDieGrenzenAusDenEinstellungen) {
  IniSchreiben("", "Skalierung", "TageInWochen", "10");
  IniSchreiben("", "Skalierung", "TageInMonaten", "60");
  EXPECT_EQ(TageText(400), QStringLiteral("in 13,1 Monaten"));
  IniSchreiben("", "Skalierung", "TageInJahren", "keine Zahl");  // counts as 0
  EXPECT_EQ(TageText(400), QStringLiteral("in 1,1 Jahren"));
  IniSchreiben("", "Skalierung", "TageInJahren", "400");
  EXPECT_EQ(TageText(10), QStringLiteral("in 10 Tagen"));
  EXPECT_EQ(TageText(11), QStringLiteral("in 1,6 Wochen"));
  EXPECT_EQ(TageText(-61), QStringLiteral("vor 2,0 Monaten"));
  EXPECT_EQ(TageText(1), QStringLiteral("morgen"));
}

TEST(ZahlTexte, GroesseText) {
  struct Fall {
    double menge;
    const char* text;
    double nachher;
  };
  const Fall faelle[] = {
      {0, "0,000 ", 0},          {0.05, "0,050 ", 0.05},
      {0.5, "0,50 ", 0.5},       {5, "5,0 ", 5},
      {9.96, "10,0 ", 9.96},     {42, "42 ", 42},
      {999.96, "1000 ", 999.96}, {1000, "1,0 k", 1000},
      {-2500, "2,5 k", 2500},    {999999, "1000,0 k", 999999},
      {1e6, "1,0 M", 1e6},       {2.5e9, "2,5 G", 2.5e9},
      {7e12, "7,0 T", 7e12},     {4.2e15, "4,2 P", 4.2e15},
      {1.5e18, "1,5 E", 1.5e18}, {3e21, "3,0 Z", 3e21},
  };
  for (const Fall& f : faelle) {
    double m = f.menge;
    EXPECT_EQ(GroesseText(m), QString::fromUtf8(f.text)) << f.menge;
    EXPECT_EQ(m, f.nachher) << f.menge;
  }
}

TEST(ZahlTexte, ZahlKuerzen) {
  EXPECT_EQ(ZahlKuerzen(42, QStringLiteral("0000")), QStringLiteral("  42"));
  EXPECT_EQ(ZahlKuerzen(0, QStringLiteral("0000")), QStringLiteral("   0"));
  EXPECT_EQ(ZahlKuerzen(12345, QStringLiteral("0000")), QStringLiteral("12345"));
  EXPECT_EQ(ZahlKuerzen(7, QStringLiteral("000")), QStringLiteral("  7"));
  EXPECT_EQ(ZahlKuerzen(QStringLiteral("7,5"), QStringLiteral("0.0")), QStringLiteral("7,5"));
  EXPECT_EQ(ZahlKuerzen(QStringLiteral("42"), QStringLiteral("0000")), QStringLiteral("  42"));
  EXPECT_EQ(ZahlKuerzen(QStringLiteral("3.25"), QStringLiteral("00.00")), QStringLiteral(" 3,25"));
}
