#include "datatools/Statistiken.h"
#include "support/kern/TestUmgebung.h"

class StatistikenTest : public KartulonTest {};

TEST_F(StatistikenTest, TheWordCountFindsRecordsThatHoldEveryWord) {
  Adressbestand bestand;
  bestand.setItems({zeileAus({{0, "Kunde"}, {1, "Meier"}, {5, "Köln"}, {7, "030 / 12-34"}}),
                    zeileAus({{0, "Privat"}, {1, "Köln"}, {2, "Anna"}, {5, "Bonn"}}),
                    zeileAus({{0, "Köln"}, {1, "Schulz"}, {5, "Kölner Str."}, {7, "0301234"}})});
  struct Fall {
    const char* suchtext;
    bool umschalt;
    int treffer;
  };
  const Fall faelle[] = {
      {"   ", false, 3},         // no words: every record
      {"köln meier", false, 1},  // both words, any fields
      {"MEIER köln", false, 1},  // any order, any case
      {"\"köln\"", false, 2},    // a whole field, but never field 0 (the third record)
      {"meier*köln", false, 1},  // a wildcard spans field boundaries
      {"0301234", false, 1},     // as written
      {"0301234", true, 2},      // Shift: blanks, "/" and "-" in the records are passed over
      {"[a", false, 0},          // no valid pattern: plain text, found nowhere
      {"k?ln bonn", false, 1},
  };
  for (const Fall& f : faelle) {
    SCOPED_TRACE(f.suchtext);
    int gesehen = 0;
    const WortZaehlung z =
        KartulonMitZaehlen(bestand, QString::fromUtf8(f.suchtext), f.umschalt, [&](int k) { EXPECT_EQ(k, gesehen++); });
    EXPECT_EQ(z.treffer, f.treffer);
    EXPECT_EQ(z.gesamt, 3);
    EXPECT_EQ(gesehen, 3);
  }
  bestand.setItems({zeileAus({{1, "Kl[a]user"}})});
  EXPECT_EQ(KartulonMitZaehlen(bestand, QStringLiteral("[a"), false).treffer, 1);
}

TEST_F(StatistikenTest, TheWordReportGivesThePercentageOnlyWhenRecordsWereCounted) {
  struct Fall {
    int treffer, gesamt;
    const char* bericht;
  };
  const Fall faelle[] = {
      {1, 3,
       "Gesucht wurden Kartulon mit folgendem Inhalt:~~»Köln \"x\"«~~1 / 3 Kartulon enthalten den Suchtext.~~"
       "Das entspricht 33,3%.~"},
      {2, 2,
       "Gesucht wurden Kartulon mit folgendem Inhalt:~~»Köln \"x\"«~~2 / 2 Kartulon enthalten den Suchtext.~~"
       "Das entspricht 100,0%.~"},
      {0, 0, "Gesucht wurden Kartulon mit folgendem Inhalt:~~»Köln \"x\"«~~0 / 0 Kartulon enthalten den Suchtext.~~"},
  };
  for (const Fall& f : faelle)
    EXPECT_EQ(KartulonMitBericht(QStringLiteral("Köln \"x\""), {f.treffer, f.gesamt}), QString::fromUtf8(f.bericht));
}

TEST_F(StatistikenTest, PostcodesCountByTheirFirstDigitOnlyAsFiveAsciiDigits) {
  struct Fall {
    const char* plz;
    int zaehler;  // -1: counted nowhere
  };
  const Fall faelle[] = {
      {"01234", 0},  {"12345", 1},  {"99998", 9},    {"00001", 0},       {"00000", -1},
      {"99999", -1}, {"1234", 10},  {"D-12345", 10}, {"+1234", 10},      {"1,234", 10},
      {"1e300", 10}, {" 1234", 10}, {"", 10},        {"１２３４５", 10},  // full-width digits are no ASCII digits
  };
  for (const Fall& f : faelle) {
    SCOPED_TRACE(f.plz);
    PlzVerteilung v;
    EXPECT_EQ(v.zaehlen(QString::fromUtf8(f.plz)), f.zaehler >= 0 && f.zaehler <= 9);
    for (int i = 0; i <= 10; ++i) EXPECT_EQ(v.zaehler[i], i == f.zaehler ? 1 : 0) << i;
    EXPECT_EQ(v.gezaehlt, f.zaehler >= 0 && f.zaehler <= 9 ? 1 : 0);
  }
}

TEST_F(StatistikenTest, ThePostcodeReportToTheCharacter) {
  PlzVerteilung v;
  for (const char* plz : {"01234", "1234", "D-12345", "00000", "99999", "+1234", "1,234"})
    v.zaehlen(QString::fromUtf8(plz));
  QString erwartet = QStringLiteral(
      "Verteilung der Postleitzahlen innerhalb der Adressdatei »Kunden 2026«.~~"
      "0....   100,0 %   1 x~");
  for (int i = 1; i <= 9; ++i) erwartet += QString::number(i) + QStringLiteral("....   00,0 %   0 x~");
  erwartet +=
      QStringLiteral("~Erfasst sind 1 Kartulon mit Postleitzahl.~4 entsprechen nicht dem 5-stelligen Ziffernschema.");
  EXPECT_EQ(PlzVerteilungBericht(v, QStringLiteral("Kunden 2026")), erwartet);

  // No postcode counted by its digit: no digit lines.
  PlzVerteilung leer;
  leer.zaehlen(QString());
  EXPECT_EQ(PlzVerteilungBericht(leer, QStringLiteral("X")),
            QStringLiteral("Verteilung der Postleitzahlen innerhalb der Adressdatei »X«.~~~Erfasst sind 0 Kartulon mit "
                           "Postleitzahl.~1 entsprechen nicht dem 5-stelligen Ziffernschema."));

  // Thousands are grouped; the percentages of the digit lines add up to 100.
  PlzVerteilung viele;
  viele.zaehler = {0, 0, 0, 2000, 0, 0, 0, 0, 0, 1000, 1500};
  viele.gezaehlt = 3000;
  const QString bericht = PlzVerteilungBericht(viele, QStringLiteral("X"));
  EXPECT_TRUE(bericht.contains(QStringLiteral("~3....   66,7 %   2.000 x~")));
  EXPECT_TRUE(bericht.contains(QStringLiteral("~9....   33,3 %   1.000 x~")));
  EXPECT_TRUE(
      bericht.endsWith(QStringLiteral("Erfasst sind 3.000 Kartulon mit Postleitzahl.~1.500 entsprechen nicht "
                                      "dem 5-stelligen Ziffernschema.")));
}
