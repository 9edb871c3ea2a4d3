#include "common/Global.h"
#include "common/Ini.h"
#include "datatools/Uebernahmen.h"
#include "support/kern/TestUmgebung.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <memory>
#include <optional>

class UebernahmenTest : public KartulonTest {
 protected:
  QString liste14() const { return programmOrdner() + QStringLiteral("/Liste14.txt"); }
  QString katalog(const char* name) const {
    return programmOrdner() + QStringLiteral("/Kataloge/") + QString::fromLatin1(name);
  }
  // The catalogue file as it is on the disk, after every waiting write.
  QByteArray katalogBytes(const char* name) {
    IniSichern();
    return dateiLesen(katalog(name));
  }
  static std::unique_ptr<Adressbestand> bestand(const QList<QString>& zeilen) {
    auto b = std::make_unique<Adressbestand>();
    b->setItems(zeilen);
    return b;
  }
  static QString mail(const char* adresse) { return zeileAus({{1, "X"}, {14, QString::fromUtf8(adresse)}}); }
};

TEST_F(UebernahmenTest, ADomainEntersThePickListFromItsThirdUse) {
  struct Fall {
    const char* was;
    QStringList alt;
    QStringList felder;
    QStringList neu;
  };
  const Fall faelle[] = {
      {"two uses are not enough", {}, {"a@zwei.de", "b@zwei.de"}, {}},
      {"the third adds it, lower-cased and trimmed", {}, {"a@drei.de", " B@DREI.DE ", "c@drei.de"}, {" @drei.de"}},
      {"old entries sorted before new ones, empty lines gone",
       {" @Zett.de", "", "@alpha.de  ", "   "},
       {"x@neu.de", "y@neu.de", "z@neu.de"},
       {" @alpha.de", " @zett.de", " @neu.de"}},
      {"an old entry counts three uses of its own", {"@alt.de"}, {"a@alt.de"}, {" @alt.de"}},
      {"the domain runs from the first @", {}, {"a@b@c.de", "x@b@c.de", "y@b@c.de"}, {" @b@c.de"}},
      {"implausible addresses count nothing",
       {},
       {"anna@example", "an na@x.de", "an@x.de", "-", "", "http://x@y.de", "b@x.de"},
       {}},
      {"the example domains are never written, not even from the old file",
       {"@example.com", "@example.org"},
       {"a@example.net", "b@example.net", "c@example.net", "d@example.co", "e@example.co", "f@example.co"},
       {" @example.co"}},  // compared as whole entries: a part of an excluded one is written
      {"new domains in the order of their first use",
       {},
       {"a@b.de", "a@a.de", "b@a.de", "c@b.de", "c@a.de", "d@b.de"},
       {" @b.de", " @a.de"}},
  };
  for (const Fall& f : faelle) {
    SCOPED_TRACE(f.was);
    EXPECT_EQ(DomainListe(f.alt, f.felder), f.neu);
  }
}

TEST_F(UebernahmenTest, ThePickListIsWrittenWholeInItsOwnEncoding) {
  const auto b = bestand({mail("a@neu.de"), mail("b@neu.de"), mail("c@neu.de"), mail("anna@example")});
  struct Fall {
    const char* was;
    std::optional<QByteArray> vorher;  // none: no file
    QByteArray nachher;
  };
  const Fall faelle[] = {
      {"a missing file is created", std::nullopt, " @neu.de\r\n"},
      {"Windows-1252 stays",
       QByteArray("@stra\xdf"
                  "e.de\n@Ab.de"),
       " @ab.de\r\n @stra\xdf"
       "e.de\r\n @neu.de\r\n"},
      {"UTF-8 stays",
       QByteArray("@stra\xc3\x9f"
                  "e.de\r\n"),
       " @stra\xc3\x9f"
       "e.de\r\n @neu.de\r\n"},
      {"an empty file", QByteArray(), " @neu.de\r\n"},
  };
  for (const Fall& f : faelle) {
    SCOPED_TRACE(f.was);
    QFile::remove(liste14());
    if (f.vorher) dateiSchreiben(liste14(), *f.vorher);
    QList<int> gesehen;
    EXPECT_EQ(DomainsUebernehmen(*b, [&](int k) { gesehen << k; }), 0);
    EXPECT_EQ(gesehen, QList<int>({0, 1, 2, 3}));
    EXPECT_EQ(dateiLesen(liste14()), f.nachher);
  }
}

TEST_F(UebernahmenTest, MoreThanNinetyNineEntriesAreAllKept) {
  QByteArray alt;
  QByteArray erwartet;
  for (int i = 100; i < 250; ++i) {
    alt += "@d" + QByteArray::number(i) + ".de\r\n";
    erwartet += " @d" + QByteArray::number(i) + ".de\r\n";
  }
  dateiSchreiben(liste14(), alt);
  EXPECT_EQ(DomainsUebernehmen(*bestand({mail("x@zz.de"), mail("y@zz.de"), mail("z@zz.de")})), 0);
  EXPECT_EQ(dateiLesen(liste14()), erwartet + " @zz.de\r\n");
}

TEST_F(UebernahmenTest, AnUnreadablePickListIsNotRewritten) {
  QDir().mkpath(liste14());  // a folder where the file should be: it cannot be read as a file
  EXPECT_NE(DomainsUebernehmen(*bestand({mail("a@b.de")})), 0);
  EXPECT_TRUE(QFileInfo(liste14()).isDir());
}

TEST_F(UebernahmenTest, TownsAreAddedToTheCatalogueOfTheirPostcode) {
  dateiSchreiben(katalog("D-PLZ_Ort_1.txt"), "; Orte\r\n[PLZ]\r\n12345=Bergheim\r\n12346=Musterstadt\r\n");
  KatalogStdLand = QStringLiteral("D-");
  const auto b = bestand({
      zeileAus({{4, "12345"}, {5, "Berg"}}),         // inside a longer stored name: not again
      zeileAus({{4, "12346"}, {5, "MUSTERSTADT"}}),  // stored in another case: not again
      zeileAus({{4, " 12346 "}, {5, " Neudorf "}}),  // added after the stored town, both trimmed
      zeileAus({{4, "12346"}, {5, "Neudorf"}}),      // just added
      zeileAus({{4, "12347"}, {5, "X"}}),            // a one-letter town
      zeileAus({{4, ""}, {5, "Ohnepost"}}),          // no postcode
      zeileAus({{4, "   "}, {5, "Blankpost"}}),      // blanks only: no key to file under
      zeileAus({{4, "A-1010"}, {5, "Wien"}}),        // the catalogue of its own prefix
      zeileAus({{4, "50667"}, {5, "Köln"}}),         // a new file
      zeileAus({{4, "50667"}, {5, "Porz"}}),
  });
  QList<int> gemeldet;
  EXPECT_EQ(OrteUebernehmen(*b, {}, [&](int n) { gemeldet << n; }), 4);
  EXPECT_EQ(gemeldet, QList<int>({1, 2, 3, 4}));
  EXPECT_EQ(katalogBytes("D-PLZ_Ort_1.txt"),
            QByteArray("; Orte\r\n[PLZ]\r\n12345=Bergheim\r\n12346=Musterstadt, Neudorf\r\n"));
  EXPECT_EQ(katalogBytes("A-PLZ_Ort_1.txt"), QByteArray("[PLZ]\r\n1010=Wien\r\n"));
  EXPECT_EQ(katalogBytes("D-PLZ_Ort_5.txt"), QByteArray("[PLZ]\r\n50667=K\xf6ln, Porz\r\n"));
  EXPECT_EQ(QDir(programmOrdner() + QStringLiteral("/Kataloge")).entryList(QDir::Files),
            QStringList({"A-PLZ_Ort_1.txt", "D-PLZ_Ort_1.txt", "D-PLZ_Ort_5.txt"}));
  // A second run finds everything stored.
  EXPECT_EQ(OrteUebernehmen(*b), 0);
}

TEST_F(UebernahmenTest, AreaCodesOfTelefonTelefaxAndDatentelefonInThisOrder) {
  dateiSchreiben(katalog("D-PLZ_Vorwahl_1.txt"), "[PLZ]\r\n12345=0301\r\n");
  const auto b = bestand({
      zeileAus({{4, "12345"}, {5, "Berlin"}, {7, "0301/123"}, {8, "0302-44"}, {13, "0303 (5)"}, {12, "0171/1"}}),
      zeileAus({{4, "50667"}, {5, "Köln"}, {7, "0221/1"}, {8, "0221/2"}}),  // the same code once
      zeileAus({{4, "D-50667"}, {5, "Köln"}, {7, "02203/1"}}),              // reads as 0: skipped
      zeileAus({{4, "50668"}, {5, "K"}, {7, "02203/1"}}),                   // a one-letter town
      zeileAus({{4, "50669"}, {5, "Köln"}, {12, "0172/1"}}),                // Mobiltelefon gives none
  });
  QList<int> gemeldet;
  EXPECT_EQ(VorwahlenUebernehmen(*b, {}, [&](int n) { gemeldet << n; }), 3);
  EXPECT_EQ(gemeldet, QList<int>({1, 2, 3}));
  EXPECT_EQ(katalogBytes("D-PLZ_Vorwahl_1.txt"), QByteArray("[PLZ]\r\n12345=0301, 0302, 0303\r\n"));
  EXPECT_EQ(katalogBytes("D-PLZ_Vorwahl_5.txt"), QByteArray("[PLZ]\r\n50667=0221\r\n"));
}

TEST_F(UebernahmenTest, QuestionsAndReports) {
  EXPECT_EQ(OrteFrage(QStringLiteral("A-")),
            QStringLiteral("Sollen jetzt neue Ortsnamen in den Katalog übernommen werden.~~Der zur Zeit gewählte "
                           "Standard-Katalog ist »A-«."));
  EXPECT_EQ(VorwahlenFrage(QStringLiteral("D-")),
            QStringLiteral("Sollen jetzt neue Vorwahlen in den Katalog übernommen werden.~~Der zur Zeit gewählte "
                           "Standard-Katalog ist »D-«."));
  const std::pair<int, const char*> orte[] = {{0, "Keine PLZ-Ortsnamen wurden übernommen."},
                                              {1, "1 PLZ-Ortsnamen wurde übernommen."},
                                              {2, "2 PLZ-Ortsnamen wurden übernommen."}};
  for (const auto& [n, text] : orte) EXPECT_EQ(OrteBericht(n), QString::fromUtf8(text));
  const std::pair<int, const char*> vorwahlen[] = {{0, "Keine PLZ-Vorwahlen wurden übernommen."},
                                                   {1, "1 PLZ-Vorwahlen wurden übernommen."}};
  for (const auto& [n, text] : vorwahlen) EXPECT_EQ(VorwahlenBericht(n), QString::fromUtf8(text));
}
