#include "common/Global.h"
#include "common/formen/Formular.h"
#include "mainwindow/Instanzpruefung.h"
#include "mainwindow/Main.h"
#include "mainwindow/MainFamilie.h"
#include "mainwindow/MainFelder.h"
#include "store/Anschrift.h"
#include "support/kern/TestUmgebung.h"

static void PrintTo(const QString& s, std::ostream* os) { *os << '"' << s.toStdString() << '"'; }

class AnschriftTest : public KartulonTest {
 protected:
  // Fills the boxes: 1 Nachname, 2 Vorname, 3 Straße, 4 PLZ, 5 Ort, 6 Land, 10 Zusatz.
  void felder(std::initializer_list<std::pair<int, QString>> werte) {
    for (int i = 0; i < 24; ++i) Main::get().Feld(i).setText(QString());
    for (const auto& [i, t] : werte) Main::get().Feld(i).setText(t);
  }
  void zusatzZurAnschrift(const char* wert) {
    dateiSchreiben(windowsOrdner() + QStringLiteral("/Zedured.ini"),
                   QByteArray("[Kartulon]\r\nZusatzZurAnschrift=") + wert + "\r\n");
  }
};

TEST_F(AnschriftTest, AddressBlock) {
  struct Fall {
    std::initializer_list<std::pair<int, QString>> werte;
    const char* zusatzWo;  // nullptr: no setting
    short leerzeile;
    const char* erwartet;
  };
  const Fall faelle[] = {
      {{{2, "Hans"}, {1, "Meier"}, {3, "Hauptstr. 1"}, {4, "10115"}, {5, "Berlin"}, {6, "Deutschland"}},
       nullptr,
       0,
       "Hans Meier\r\nHauptstr. 1\r\n10115 Berlin\r\nDeutschland\r\n"},
      {{{2, "Hans"}}, nullptr, 0, "Hans\r\n"},
      {{{1, " Meier "}, {3, "  "}}, nullptr, 0, "Meier\r\n"},
      {{}, nullptr, 1, ""},
      {{{4, "10115"}}, nullptr, 0, "10115\r\n"},
      {{{5, "Berlin"}}, nullptr, 0, "Berlin\r\n"},
      // The blank-line flag: an empty line before the town line only.
      {{{1, "Meier"}, {3, "Weg 1"}, {4, "10115"}, {5, "Berlin"}}, nullptr, 1, "Meier\r\nWeg 1\r\n\r\n10115 Berlin\r\n"},
      {{{1, "Meier"}, {3, "Weg 1"}}, nullptr, 1, "Meier\r\nWeg 1\r\n"},
      // Where the Zusatz goes.
      {{{1, "Meier"}, {10, " z. Hd. Frau Abel "}, {3, "Weg 1"}}, "1", 0, "Meier\r\nz. Hd. Frau Abel\r\nWeg 1\r\n"},
      {{{1, "Meier"}, {10, "Firma X"}, {3, "Weg 1"}}, "2", 0, "Firma X\r\nMeier\r\nWeg 1\r\n"},
      {{{1, "Meier"}, {10, "Firma X"}, {3, "Weg 1"}}, "0", 0, "Meier\r\nWeg 1\r\n"},
      {{{1, "Meier"}, {10, "Firma X"}, {3, "Weg 1"}}, nullptr, 0, "Meier\r\nWeg 1\r\n"},
      {{{1, "Meier"}, {10, "Firma X"}}, "2 (davor)", 0, "Firma X\r\nMeier\r\n"},
  };
  for (const Fall& f : faelle) {
    if (f.zusatzWo)
      zusatzZurAnschrift(f.zusatzWo);
    else
      QFile::remove(windowsOrdner() + QStringLiteral("/Zedured.ini"));
    felder(f.werte);
    EXPECT_EQ(AnschriftErstellen(f.leerzeile), QString::fromUtf8(f.erwartet)) << f.erwartet;
  }
}

TEST_F(AnschriftTest, CountryCode) {
  struct Fall {
    const char* plz;
    const char* land;
    const char* standard;
    const char* erwartet;
  };
  const Fall faelle[] = {
      {"", "", "D-", "?"},
      {"10115", "", "D-", "D"},  // the default without its hyphen
      {"10115", "", "", "?"},
      {"10115", "", "nl-", "NL"},  // upper case
      {"CH-8000", "", "D-", "CH"},
      {"DK-1000", "", "D-", "DK"},  // not D
      {"D-10115", "", "A-", "D"},
      {"ch-8000", "", "D-", "D"},  // lower case matches no code
      {"Bonn", "", "D-", "B"},     // a town typed into the postcode field
      {"GBZ 1", "", "D-", "GBZ"},  // the longest code
      {"?", "", "D-", "?"},
      {"10115", "Deutschland", "A-", "D"},
      {"10115", "  DEUTSCHLAND ", "A-", "D"},
      {"1010", "Österreich", "D-", "A"},
      {"8000", "schweiz", "D-", "CH"},
      {"1000", "Dänemark", "D-", "DK"},
      {"", "Germany", "D-", "D"},
      {"F-75001", "Frankreich", "D-", "?"},     // a filled country field decides
      {"", "Deutschland/Schweiz", "D-", "CH"},  // the later word of the table wins
  };
  for (const Fall& f : faelle) {
    KatalogStdLand = QString::fromUtf8(f.standard);
    felder({{4, QString::fromUtf8(f.plz)}, {6, QString::fromUtf8(f.land)}});
    EXPECT_EQ(Laenderkennzeichen(), QString::fromUtf8(f.erwartet)) << f.plz << " / " << f.land;
  }
}

TEST_F(AnschriftTest, DigitsOnly) {
  EXPECT_EQ(NurZiffern(QStringLiteral("+49 (030) 123/45-67")), QStringLiteral("490301234567"));
  EXPECT_EQ(NurZiffern(QStringLiteral("keine Ziffern")), QString());
  EXPECT_EQ(NurZiffern(QStringLiteral("²³¼ 1")), QStringLiteral("1"));  // only 0 to 9
}

TEST_F(AnschriftTest, TabStopsOfTheRecordList) {
  ListeTabsSetzen();
  EXPECT_EQ(Main::get().Liste->tabStops(), (QList<int>{80, 240, 340, 500, 600, 700, 800, 900, 1000, 1100}));
}

TEST_F(AnschriftTest, TheWindowsLoadSetsTheTabStops) {
  EXPECT_EQ(Main::get().Liste->tabStops().size(), 10);  // the first reference loads the window
}
