// The line rules of the key editor: section headers, key lines, hidden keys.
#include "common/IniZeilen.h"
#include "support/kern/TestUmgebung.h"

TEST(IniZeilen, SectionHeaders) {
  struct Fall {
    QString zeile;
    std::optional<QString> name;
  };
  const Fall faelle[] = {
      {"[Kartulon]", QStringLiteral("Kartulon")},
      {"[]", QString()},
      {"[x] ;c", std::nullopt},  // the first "]" is not the last character
      {" [x]", std::nullopt},    // the first "[" is not the first character
      {"[a]b]", std::nullopt},
      {"[a[b]", QStringLiteral("a[b")},
      {"[offen", std::nullopt},
      {"Schluessel=[x]", std::nullopt},
  };
  for (const Fall& f : faelle) EXPECT_EQ(IniAbschnittsName(f.zeile), f.name) << f.zeile.toStdString();
}

TEST(IniZeilen, HiddenKeyLines) {
  struct Fall {
    QString zeile;
    bool verborgen;
  };
  const Fall faelle[] = {
      {"Kennwort=x", true},
      {"AltesKENNWORT2=x", true},
      {"Stat_Starts=5", true},
      {"Notiz=meine STAT_werte", true},
      {"Hinweis=Kennwort vergessen", true},
      {"Status=1", false},
      {"Statistik=1", false},
      {"SortAtClose=04", false},
  };
  for (const Fall& f : faelle) EXPECT_EQ(IniZeileVerborgen(f.zeile), f.verborgen) << f.zeile.toStdString();
}

class IniZeilenDatei : public KartulonTest {};

TEST_F(IniZeilenDatei, SectionsAndKeysOfAFile) {
  const QString datei =
      dateiSchreiben(tempPfad(QStringLiteral("t.ini")),
                     "Vorher=1\r\n[Eins]\r\nA=1\r\nkennwort=2\r\n;Kommentar=3\r\n[x] ;c\r\nB=4\nb=5\r[]\r\nLeer=6\r\n"
                     "[eins]\r\nC=7\r\nohne Gleich\r\n");
  EXPECT_EQ(IniAbschnitte(datei), QStringList({"Eins", "", "eins"}));
  EXPECT_EQ(IniSchluesselListe(datei, QStringLiteral("EINS")), QStringList({"A", ";Kommentar", "B", "b", "C"}));
  EXPECT_EQ(IniSchluesselListe(datei, QString()), QStringList({"Leer"}));
  EXPECT_EQ(IniAbschnitte(tempPfad(QStringLiteral("fehlt.ini"))), std::nullopt);
  EXPECT_TRUE(IniSchluesselListe(tempPfad(QStringLiteral("fehlt.ini")), QStringLiteral("Eins")).isEmpty());
}
