// The record table without a window: search, sort and merging work on the Adressbestand itself.
#include "store/Adressbestand.h"
#include "store/Sortieren.h"
#include "store/Suchen.h"
#include "support/kern/Adressgenerator.h"
#include "support/kern/TestUmgebung.h"

#include "platform/vb/Codec.h"

#include <QSignalSpy>
#include <algorithm>

namespace {

class AdressbestandTest : public KartulonTest {
 protected:
  void SetUp() override {
    KartulonTest::SetUp();
    bestand.setItems({zeileAus({{0, " "}, {1, "Anna"}, {2, "Meier"}, {5, "Köln"}}),
                      zeileAus({{0, "Kunde"}, {1, "Bernd"}, {2, "Albers"}, {5, "Bonn"}}),
                      zeileAus({{0, " "}, {1, "Clara"}, {2, "Zander"}, {5, "Köln"}})});
  }
  Adressbestand bestand;
};

TEST_F(AdressbestandTest, SearchGoesOnAfterThePositionAndWrapsRound) {
  const SatzSuche koeln(QStringLiteral("köln"), false);
  EXPECT_EQ(AdresseSuchen(bestand, koeln, -1), 0);
  EXPECT_EQ(AdresseSuchen(bestand, koeln, 0), 2);
  EXPECT_EQ(AdresseSuchen(bestand, koeln, 2), 0);
  EXPECT_EQ(AdresseSuchen(bestand, SatzSuche(QStringLiteral("bonn kunde"), false), 1), 1);  // itself, last
  EXPECT_EQ(AdresseSuchen(bestand, SatzSuche(QStringLiteral("Hamburg"), false), 0), -1);
  EXPECT_EQ(AdresseSuchen(Adressbestand(), SatzSuche(QStringLiteral("x"), false), -1), -1);
}

TEST_F(AdressbestandTest, SearchStopsWhenAskedOrWhenTheTableChangesUnderIt) {
  const SatzSuche nichts(QStringLiteral("Hamburg"), false);
  EXPECT_EQ(AdresseSuchen(bestand, nichts, -1, [](qsizetype, qsizetype) { return false; }), kSucheAbgebrochen);
  int aufrufe = 0;
  EXPECT_EQ(AdresseSuchen(bestand, nichts, -1,
                          [&](qsizetype gesehen, qsizetype anzahl) {
                            ++aufrufe;
                            EXPECT_EQ(anzahl, 3);
                            EXPECT_EQ(gesehen, 1);
                            bestand.insert(0, zeileAus({{1, "Neu"}}));
                            return true;
                          }),
            kSucheAbgebrochen);
  EXPECT_EQ(aufrufe, 1);
}

TEST_F(AdressbestandTest, SortReplacesTheLinesAtOnceAndFindsTheRecordAgain) {
  QSignalSpy zurueckgesetzt(&bestand, &QAbstractItemModel::modelReset);
  const QString clara = bestand.Zeile(2);
  EXPECT_EQ(BestandSortieren(bestand, 2, clara), 2);
  EXPECT_EQ(bestand.Zeile(0), zeileAus({{0, "Kunde"}, {1, "Bernd"}, {2, "Albers"}, {5, "Bonn"}}));
  EXPECT_EQ(zurueckgesetzt.count(), 1);
  EXPECT_EQ(BestandSortieren(bestand, 1, QStringLiteral("nicht da")), -1);
  EXPECT_EQ(bestand.Zeile(0).section(u'\t', 1, 1), QStringLiteral("Anna"));
}

TEST_F(AdressbestandTest, MergingSkipsTheHeaderTakesSemicolonsAndStopsWhenFull) {
  const Anfuegeergebnis e = ZeilenAnfuegen(bestand, "..Andere\r\nEva;Ernst\r\n\r\n\tFritz\t\r\n");
  EXPECT_EQ(e.angefuegt, 2);
  EXPECT_FALSE(e.voll);
  EXPECT_EQ(bestand.Zeile(3), QStringLiteral("Eva\tErnst"));
  EXPECT_EQ(bestand.Zeile(4), QStringLiteral(" \tFritz\t"));

  QStringList voll;
  for (int i = 0; i < kMaxDatensaetze - 1; ++i) voll << zeileAus({{1, QString::number(i)}});
  bestand.setItems(voll);
  const Anfuegeergebnis rest = ZeilenAnfuegen(bestand, "a;b\r\nc;d\r\n");
  EXPECT_EQ(rest.angefuegt, 1);
  EXPECT_TRUE(rest.voll);
  EXPECT_EQ(bestand.Anzahl(), kMaxDatensaetze);
}

}  // namespace

namespace {

// Generated addresses: the sort on collation keys gives the order of a stable sort that asks the collator
// for every comparison, for every field.
TEST_F(AdressbestandTest, SortOnCollationKeysKeepsTheCollatorsOrder) {
  const QString datei = tempPfad(QStringLiteral("gen.dat"));
  const QString fehler = AdressenErzeugen(3000, datei);
  ASSERT_TRUE(fehler.isEmpty()) << fehler.toStdString();
  QStringList zeilen = Codec::zeilenTrennen(Codec::dekodieren(dateiLesen(datei)));
  ASSERT_FALSE(zeilen.isEmpty());
  zeilen.removeFirst();
  // Equal keys among the lines, so that the stable order shows.
  zeilen << zeilen.mid(0, 200);
  for (int feld : {0, 1, 2, 5, 15, 16, 20, 23}) {
    QStringList erwartet;
    for (const QString& z : zeilen) erwartet << ZeileMit24Feldern(z);
    std::stable_sort(erwartet.begin(), erwartet.end(), [feld](const QString& a, const QString& b) {
      return vb::ListModel::vergleichen(SortSchluessel(a, feld), SortSchluessel(b, feld)) < 0;
    });
    EXPECT_EQ(ZeilenSortieren(zeilen, feld), erwartet) << "field " << feld;
  }
}

}  // namespace
