// The record table without a window: search, sort and merging work on the Adressbestand itself.
#include "store/Adressbestand.h"
#include "store/Sortieren.h"
#include "store/Suchen.h"
#include "support/kern/Adressgenerator.h"
#include "support/kern/TestUmgebung.h"

#include "platform/vb/Codec.h"

#include <QSignalSpy>
#include <algorithm>
#include <functional>
#include <new>
#include <thread>
#include <utility>
#include <vector>

namespace {

class AdressbestandTest : public KartulonTest {
 protected:
  void SetUp() override {
    KartulonTest::SetUp();
    bestand.setItems({zeileAus({{0, " "}, {1, "Anna"}, {2, "Meier"}, {5, "Köln"}}),
                      zeileAus({{0, "Kunde"}, {1, "Bernd"}, {2, "Albers"}, {5, "Bonn"}}),
                      zeileAus({{0, " "}, {1, "Clara"}, {2, "Zander"}, {5, "Köln"}})});
  }
  // Generated addresses, the file's record lines (the header dropped).
  QStringList erzeugteZeilen(int anzahl) {
    const QString datei = tempPfad(QStringLiteral("gen.dat"));
    const QString fehler = AdressenErzeugen(anzahl, datei);
    if (!fehler.isEmpty()) ADD_FAILURE() << fehler.toStdString();
    QStringList zeilen = Codec::zeilenTrennen(Codec::dekodieren(dateiLesen(datei)));
    if (!zeilen.isEmpty()) zeilen.removeFirst();
    return zeilen;
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
  QStringList zeilen = erzeugteZeilen(3000);
  ASSERT_FALSE(zeilen.isEmpty());
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

namespace {

// The order the sort must give: a stable sort that asks the collator for every comparison of the keys.
QStringList nachVergleich(const QStringList& zeilen, int feld) {
  std::vector<std::pair<QString, QString>> paare;
  for (const QString& z : zeilen) paare.emplace_back(SortSchluessel(z, feld), ZeileMit24Feldern(z));
  std::stable_sort(paare.begin(), paare.end(),
                   [](const auto& a, const auto& b) { return vb::ListModel::vergleichen(a.first, b.first) < 0; });
  QStringList erwartet;
  for (const auto& p : paare) erwartet << p.second;
  return erwartet;
}

// Lines at the keys' corners: case, umlauts and ß, lines equal under the collation (whose order must
// stay), dates in the date fields beside texts of a date's length that are none, short and long lines.
QStringList kniffligeZeilen() {
  const QStringList namen = {"Müller",    "Mueller",   "muller",    "MÜLLER", "Muller", "Weiß", "Weiss",    "weiß",
                             "WEISS",     "Öztürk",    "Oz",        "Ärger",  "arg",    "Abel", "abel",     "ABEL",
                             "Abel-Zahn", "Abel Zahn", "",          " ",      "Zoë",    "Zoe",  "Ångström", "Åström",
                             "ǅemal",     "Straße 1",  "Strasse 1", "10",     "9",      "#1"};
  const QStringList daten = {"01.02.1999", "31.12.1998", "1.2.1999", "02.01.2000", "", "xx.yy.zzzz", "12.03.2001"};
  QStringList zeilen;
  int i = 0;
  for (const QString& name : namen)
    for (const QString& datum : daten) {
      const QString& vorname = namen[(i * 7) % namen.size()];
      zeilen << zeileAus({{0, " "},
                          {1, name},
                          {2, vorname},
                          {5, name.left(2)},
                          {15, datum},
                          {16, daten[(i * 3) % daten.size()]},
                          {20, datum},
                          {23, QString::number(i % 5)}});
      ++i;
    }
  zeilen << zeilen.mid(0, 40);  // the same lines again
  // Lines that differ only in case: their keys compare equal, and the lines show which comes first.
  for (const QString& z : zeilen.mid(0, 60)) zeilen << z.toUpper() << z.toLower();
  zeilen << zeileAus({{0, " "}, {1, "meier"}}) << zeileAus({{0, " "}, {1, "Meier"}})
         << zeileAus({{0, " "}, {1, "MEIER"}});
  QString lang = zeileAus({{0, "l"}, {1, "Lang"}});
  for (int k = 0; k < 6; ++k) lang += QStringLiteral("extra\t");
  zeilen << QStringLiteral("Nur Rubrik") << QStringLiteral("Kunde\tKurz") << QStringLiteral("Kunde\tKurz\t")
         << QString() << QStringLiteral("Kunde\tMeier\t\t\t\t\t\t\t\t\t\t\t\t\t\t01.02.1999") << lang;
  return zeilen;
}

// The crafted lines alone (sorted on this thread) and among generated addresses in tables of several
// sizes (sorted by several threads, in pieces of uneven length): the order of the plain stable sort.
TEST_F(AdressbestandTest, SortGivesTheOrderOfAStableSortByTheCollator) {
  const QStringList knifflig = kniffligeZeilen();
  const QStringList erzeugt = erzeugteZeilen(3000);
  ASSERT_EQ(erzeugt.size(), 3000);
  QStringList gemischt;
  for (qsizetype i = 0; i < erzeugt.size(); ++i) {
    gemischt << erzeugt[i];
    if (i % 10 == 0) gemischt << knifflig[(i / 10) % knifflig.size()];
  }
  gemischt << knifflig;
  const QStringList tabellen[] = {knifflig, gemischt.mid(0, 2049), gemischt.mid(0, 2883), gemischt};
  for (const QStringList& zeilen : tabellen)
    for (int feld : {0, 1, 2, 5, 15, 16, 20, 23, 24}) {
      const QStringList ist = ZeilenSortieren(zeilen, feld);
      const QStringList soll = nachVergleich(zeilen, feld);
      ASSERT_EQ(ist.size(), soll.size());
      qsizetype erste = 0;
      while (erste < ist.size() && ist[erste] == soll[erste]) ++erste;
      EXPECT_EQ(erste, ist.size()) << "field " << feld << ", " << zeilen.size() << " lines: first difference at "
                                   << erste;
    }
}

// The bar hears on the sorting thread, only when the value changes: per record 0 to 50 while the keys
// are built, 50 to 100 while the lines are rebuilt.
TEST_F(AdressbestandTest, SortReportsItsProgressRisingOnTheCallingThread) {
  const std::thread::id ich = std::this_thread::get_id();
  std::vector<int> werte;
  bool fremd = false;
  auto aufzeichnen = [&](int wert) {
    werte.push_back(wert);
    fremd = fremd || std::this_thread::get_id() != ich;
  };
  const QStringList fuenf = kniffligeZeilen().mid(0, 5);
  ZeilenSortieren(fuenf, 1, aufzeichnen);
  EXPECT_EQ(werte, (std::vector<int>{0, 13, 25, 38, 50, 63, 75, 88, 100}));
  werte.clear();
  ZeilenSortieren(fuenf.mid(0, 1), 1, aufzeichnen);
  EXPECT_TRUE(werte.empty());

  // With many lines, shared among threads, the steps between depend on which thread takes which lines.
  QStringList viele;
  while (viele.size() < 6000) viele << kniffligeZeilen();
  for (int runde = 0; runde < 5; ++runde) {
    werte.clear();
    ZeilenSortieren(viele, 1, aufzeichnen);
    EXPECT_FALSE(fremd);
    ASSERT_GE(werte.size(), 3u);
    EXPECT_EQ(werte.front(), 0);
    EXPECT_EQ(werte.back(), 100);
    EXPECT_EQ(std::adjacent_find(werte.begin(), werte.end(), std::greater_equal<int>()), werte.end());
    EXPECT_NE(std::find(werte.begin(), werte.end(), 50), werte.end());
  }
}

// A failure half-way, in either half, leaves the table as it was, also when several threads share the work.
TEST_F(AdressbestandTest, SortThatFailsHalfWayLeavesTheTableAsItWas) {
  QStringList viele;
  while (viele.size() < 6000) viele << kniffligeZeilen();
  bestand.setItems(viele);
  for (int bei : {0, 30, 50, 70, 100}) {
    EXPECT_THROW(BestandSortieren(bestand, 1, QString(),
                                  [bei](int wert) {
                                    if (wert >= bei) throw std::bad_alloc();
                                  }),
                 std::bad_alloc)
        << bei;
    EXPECT_EQ(bestand.Zeilen(), viele) << bei;
  }
}

}  // namespace
