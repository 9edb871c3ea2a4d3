// What the field pick lists offer, without a window: the pick-list files, the values of a field in all
// addresses, the phone list, the entry a list starts on and the e-mail address proposals.
#include "common/Global.h"
#include "platform/vb/ListModel.h"
#include "store/Auswahllisten.h"
#include "support/kern/TestUmgebung.h"

#include <QDir>

namespace {

class AuswahllistenTest : public KartulonTest {};

TEST_F(AuswahllistenTest, PickListFilesAreReadThroughTheCodecAndFoundWithoutRegardToCase) {
  struct Fall {
    const char* name;  // as written on disk
    int index;
    QByteArray bytes;
    QStringList eintraege;
  };
  const Fall faelle[] = {
      // Trailing blanks cut, leading ones kept, an empty line is an entry, the last line needs no end.
      {"Liste06.txt",
       6,
       "Deutschland  \r\n  Schweiz\r\n\r\n\xd6sterreich",
       {"Deutschland", "  Schweiz", "", "Österreich"}},
      {"LISTE04.TXT", 4, "10115\n20095\r", {"10115", "20095"}},  // LF and a lone CR
      {"liste22.Txt", 22, "http://www.\r\n", {"http://www."}},
      {"Liste11.txt",
       11,
       "R\xc3\xbc"
       "ckruf\r\n",
       {"Rückruf"}},                              // a file saved as UTF-8
      {"Liste14.txt", 4, "@example.de\r\n", {}},  // another field's file
  };
  int n = 0;
  for (const Fall& f : faelle) {
    SCOPED_TRACE(f.name);
    const QString ordner = tempPfad(QStringLiteral("ordner%1").arg(n++));
    QDir().mkpath(ordner);
    dateiSchreiben(ordner + u'/' + QString::fromLatin1(f.name), f.bytes);
    QStringList eintraege;
    EXPECT_EQ(AuswahlDateiLesen(ordner, f.index, eintraege), 0);
    EXPECT_EQ(eintraege, f.eintraege);
  }
}

TEST_F(AuswahllistenTest, AMissingFileOrAFolderOfThatNameGivesNothing) {
  QStringList eintraege{"bleibt"};
  EXPECT_EQ(AuswahlDateiLesen(programmOrdner(), 6, eintraege), 0);
  EXPECT_EQ(eintraege, QStringList{"bleibt"});  // added to, never emptied
  EXPECT_EQ(AuswahlDateiName(programmOrdner(), 6), programmOrdner() + QStringLiteral("/Liste06.txt"));

  // A folder of that name is no file.
  QDir().mkpath(programmOrdner() + QStringLiteral("/Liste09.txt"));
  EXPECT_EQ(AuswahlDateiLesen(programmOrdner(), 9, eintraege), 0);
  EXPECT_EQ(eintraege.size(), 1);
}

TEST_F(AuswahllistenTest, FieldValuesOfAllRecordLines) {
  Adressbestand bestand;
  bestand.setItems({zeileAus({{0, "Kunde"}, {21, "Herr"}}), zeileAus({{0, " Kunde "}, {21, "Frau"}}),
                    zeileAus({{0, " "}}), zeileAus({{0, "Lieferant"}}),
                    QStringLiteral("kurz\tzeile"),  // two fields, only field 0 ends in a separator
                    QStringLiteral("ohne Trenner")});
  struct Fall {
    int index;
    QStringList werte;
  };
  const Fall faelle[] = {
      {0, {"Kunde", "Kunde", "", "Lieferant", "kurz"}},
      {1, {"", "", "", ""}},  // "zeile" ends the line without a separator
      {21, {"Herr", "Frau", "", ""}},
      {23, {"", "", "", ""}},
      {24, {}},  // past the last field
  };
  for (const Fall& f : faelle) {
    SCOPED_TRACE(f.index);
    QList<int> gesehen;
    EXPECT_EQ(Feldwerte(bestand, f.index, [&](int r) { gesehen << r; }), f.werte);
    EXPECT_EQ(gesehen, (QList<int>{0, 1, 2, 3, 4, 5}));
  }
}

TEST_F(AuswahllistenTest, PhoneListWithTheAreaCodesOfThePostcode) {
  const std::array<QString, 4> nummern{"040 123", "", "0171 5", ""};
  struct Fall {
    const char* vorwahlen;
    QStringList dazu;
  };
  const Fall faelle[] = {
      {"040,089", {"040", "040 - ", "089", "089 - "}},
      {"040, 089", {"040", "040 - ", " 089", "089 - "}},  // the piece as it stands, and trimmed
      {",,0301,", {"0301", "0301 - "}},                   // empty pieces are skipped
      {"", {}},
  };
  for (const Fall& f : faelle) {
    SCOPED_TRACE(f.vorwahlen);
    EXPECT_EQ(TelefonAuswahl(nummern, QString::fromLatin1(f.vorwahlen)),
              QStringList({"040 123", "", "0171 5", ""}) + f.dazu);
  }
}

TEST_F(AuswahllistenTest, TheListStartsOnTheLastEntryEqualToTheBoxElseOnTheFirst) {
  struct Fall {
    QStringList eintraege;
    const char* text;
    int vorbelegt;
  };
  const Fall faelle[] = {
      {{"Belgien", "Deutschland", "deutschland", "Schweiz"}, " DEUTSCHLAND ", 2},  // case ignored, last wins
      {{"Belgien", "Schweiz"}, "Polen", 0},
      {{"", "Belgien"}, "", 0},
      {{"Belgien", ""}, "  ", 1},
      {{}, "Polen", -1},
  };
  for (const Fall& f : faelle) {
    SCOPED_TRACE(f.text);
    EXPECT_EQ(AuswahlVorbelegung(f.eintraege, QString::fromUtf8(f.text)), f.vorbelegt);
  }
}

TEST_F(AuswahllistenTest, EmailProposals) {
  struct Fall {
    const char* nachname;
    const char* vorname;
    const char* telefon;
    QStringList vorschlaege;
  };
  const Fall faelle[] = {
      {"Weiß",
       "Bärbel",
       "",
       {"Weiss", "WeissBaerbel", "Weiss_Baerbel", "Weiss.Baerbel", "Baerbel", "BaerbelWeiss", "Baerbel.Weiss",
        "Baerbel_Weiss", "BWeiss", "B.Weiss"}},
      {"weiß",
       "BÄRBEL",
       "",
       {"weiss", "weissBAeRBEL", "weiss_BAeRBEL", "weiss.BAeRBEL", "BAeRBEL", "BAeRBELweiss", "BAeRBEL.weiss",
        "BAeRBEL_weiss", "Bweiss", "B.weiss"}},
      {"Weiß", "", "", {"Weiss", "Weiss", "Weiss_", "Weiss.", "", "Weiss", ".Weiss", "_Weiss", "Weiss", ".Weiss"}},
      {" Ott ",
       "José",
       "0 89 / 12-34 ",
       {"Ott", "Ott Jose", "Ott _Jose", "Ott .Jose", "Jose", "Jose Ott", "Jose. Ott", "Jose_ Ott", "J Ott", "J. Ott",
        "0891234", "0891234001"}},
  };
  for (const Fall& f : faelle) {
    SCOPED_TRACE(f.nachname);
    EXPECT_EQ(
        EmailVorschlaege(QString::fromUtf8(f.nachname), QString::fromUtf8(f.vorname), QString::fromUtf8(f.telefon)),
        f.vorschlaege);
  }
}

TEST_F(AuswahllistenTest, SortingAtOnceGivesTheOrderOfAddingOneByOne) {
  // Equal texts under the list's comparison (case, here) keep the order in which they came.
  const QStringList zeilen{"kunde", "Öhringen", "Kunde", "",     "Ohr", "Zell", "aachen",     "KUNDE",
                           "",      "Ähre",     "Kunde", "ähre", "10",  "2",    " Lieferant", "Lieferant"};
  QStringList einzeln;
  for (const QString& z : zeilen)
    einzeln.insert(
        std::upper_bound(einzeln.begin(), einzeln.end(), z,
                         [](const QString& a, const QString& b) { return vb::ListModel::vergleichen(a, b) < 0; }) -
            einzeln.begin(),
        z);
  QStringList aufEinmal = zeilen;
  vb::ListModel::sortieren(aufEinmal);
  EXPECT_EQ(aufEinmal, einzeln);
  EXPECT_EQ(aufEinmal.mid(0, 2), (QStringList{"", ""}));
  const qsizetype k = aufEinmal.indexOf(QStringLiteral("kunde"));
  EXPECT_EQ(aufEinmal.mid(k, 4), (QStringList{"kunde", "Kunde", "KUNDE", "Kunde"}));
}

}  // namespace
