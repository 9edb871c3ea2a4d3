#include "common/Global.h"
#include "common/formen/Auswahl.h"
#include "mainwindow/Main.h"
#include "platform/vb/Codec.h"
#include "platform/vb/Paths.h"
#include "store/Kataloge.h"
#include "support/kern/TestUmgebung.h"

#include <QDir>

class KatalogeTest : public KartulonTest {
 protected:
  QString katalog(const QString& name) const { return programmOrdner() + QStringLiteral("/Kataloge/") + name; }
  void datei(const QString& name, const char* inhalt) { dateiSchreiben(katalog(name), QByteArray(inhalt)); }

  // Answers the pick list: records what it offered, then picks `wahl` (empty: presses Abbruch; "-": OK
  // without choosing).
  void auswahlBeantworten(const QString& wahl) {
    vb::Forms::setModalInterceptor([this, wahl](vb::FormBase& form) {
      auto& a = dynamic_cast<Auswahl&>(form);
      angeboten.clear();
      for (int i = 0; i < a.Liste->ListCount(); ++i) angeboten << a.Liste->List(i);
      ++gezeigt;
      if (wahl.isEmpty()) {
        a.befAbbruch->click();
        return;
      }
      for (int i = 0; i < a.Liste->ListCount(); ++i)
        if (a.Liste->List(i) == wahl) a.Liste->setListIndex(i);
      a.befOk->click();
    });
  }
  QStringList angeboten;
  int gezeigt = 0;

  void SetUp() override {
    KartulonTest::SetUp();
    datei("D-PLZ_Ort_1.txt",
          "[PLZ]\r\n12345=Musterstadt\r\n12346=Oberdorf,Aachen, Unterdorf\r\n"
          "12347=, Nebenan\r\n");
    datei("A-PLZ_Ort_1.txt", "[PLZ]\r\n1010=Wien\r\n12345=Wiener Neustadt\r\n");
    datei("D-PLZ_Ort_9.txt", "[PLZ]\r\nNL 1234=Amsterdam\r\n");
    datei("D-PLZ_Ort_0.txt", "[PLZ]\r\n01067=Dresden\r\n");
    datei("D-PLZ_Vorwahl_1.txt", "[PLZ]\r\n12345=0301\r\n12346=0302,0303\r\n");
    datei("D-PLZ_Vorwahl_0.txt", "[PLZ]\r\n00000=0999\r\n");
    datei("D-BLZ_1.Txt", "[BLZ]\r\n12345678=Testbank\r\n12345679=Zweite Bank,Erste Bank\r\n");
    datei("D-BLZ_7.Txt", "[BLZ]\r\n07654321=Siebenbank\r\n");
    datei("D-BLZ_0.Txt", "[BLZ]\r\n07654321=Nullbank\r\n");
  }
};

TEST_F(KatalogeTest, TownsByPrefixAndFirstDigit) {
  auswahlBeantworten({});
  struct Fall {
    const char* plz;
    const char* land;
    const char* ort;
  };
  const Fall faelle[] = {
      {"12345", "D-", "Musterstadt"},
      {"D-12345", "D-", "Musterstadt"},
      {" d-12345 ", "D-", "Musterstadt"},
      {"a-1010", "D-", "Wien"},
      {"A-12345", "D-", "Wiener Neustadt"},
      {"12345", "A-", "Wiener Neustadt"},  // another default country
      {"NL 1234", "D-", "Amsterdam"},      // a letter first and no "-": file 9
      {"01067", "D-", "Dresden"},
      {"99999", "D-", ""},  // no such file
      {"12399", "D-", ""},  // no such key
      {"", "D-", ""},
      {"12347", "D-", "Nebenan"},  // a leading comma is dropped
  };
  for (const Fall& f : faelle) {
    SCOPED_TRACE(f.plz);
    KatalogStdLand = QString::fromLatin1(f.land);
    short wahl = 1;
    EXPECT_EQ(OrtZuPLZ(QString::fromUtf8(f.plz), wahl), QString::fromUtf8(f.ort));
  }
  EXPECT_EQ(gezeigt, 0);  // a single town is returned without the pick list
}

TEST_F(KatalogeTest, SeveralTownsAreOfferedSorted) {
  Main::get().Feld(5).setText(QStringLiteral("Altort"));
  auswahlBeantworten(QStringLiteral("Oberdorf"));
  short wahl = 5;
  EXPECT_EQ(OrtZuPLZ(QStringLiteral("12346"), wahl), QStringLiteral("Oberdorf"));
  EXPECT_EQ(wahl, 1);
  EXPECT_EQ(angeboten, (QStringList{"Aachen", "Oberdorf", "Unterdorf"}));
  EXPECT_EQ(Auswahl::get().Liste->ListCount(), 0);  // emptied after use

  auswahlBeantworten({});  // Abbruch: the town box stays as it is
  EXPECT_EQ(OrtZuPLZ(QStringLiteral("12346"), 1, Main::get().Feld(5).Text()), QStringLiteral("Altort"));
  auswahlBeantworten(QStringLiteral("-"));  // OK without choosing
  EXPECT_EQ(OrtZuPLZ(QStringLiteral("12346"), 1, Main::get().Feld(5).Text()), QStringLiteral("Altort"));

  wahl = 0;
  EXPECT_EQ(OrtZuPLZ(QStringLiteral("12346"), wahl), QStringLiteral("Oberdorf,Aachen, Unterdorf"));
  EXPECT_EQ(wahl, 0);
  EXPECT_EQ(gezeigt, 3);
}

TEST_F(KatalogeTest, AreaCodes) {
  auswahlBeantworten(QStringLiteral("0303"));
  EXPECT_EQ(VorwahlZuPLZ(QStringLiteral("12345"), 0), QStringLiteral("0301"));
  EXPECT_EQ(VorwahlZuPLZ(QStringLiteral("12346"), 0), QStringLiteral("0302,0303"));
  EXPECT_EQ(VorwahlZuPLZ(QStringLiteral("12346"), 1), QStringLiteral("0303"));
  EXPECT_EQ(angeboten, (QStringList{"0302", "0303"}));
  auswahlBeantworten({});
  EXPECT_EQ(VorwahlZuPLZ(QStringLiteral("12346"), 1), QString());
  // A key that is no number above 0 is never looked up.
  EXPECT_EQ(VorwahlZuPLZ(QStringLiteral("00000"), 0), QString());
  EXPECT_EQ(VorwahlZuPLZ(QString(), 0), QString());
}

TEST_F(KatalogeTest, BankNames) {
  auswahlBeantworten(QStringLiteral("Erste Bank"));
  struct Fall {
    const char* blz;
    const char* bank;
  };
  const Fall faelle[] = {
      {"12345678", "Testbank"},  {" 12345678 ", "Testbank"},
      {"7654321", "Siebenbank"},  // seven digits: the key gets a leading zero, the file the code's own digit
      {"07654321", "Nullbank"},  {"12345679", "Erste Bank"},
      {"123456789", ""},         {"1234 5678", ""},
      {"1234567x", ""},          {"", ""},
      {"-1234567", ""},          {"99999999", ""},
  };
  for (const Fall& f : faelle) {
    SCOPED_TRACE(f.blz);
    EXPECT_EQ(BankZuBLZ(QString::fromLatin1(f.blz)), QString::fromUtf8(f.bank));
  }
  EXPECT_EQ(angeboten, (QStringList{"Erste Bank", "Zweite Bank"}));
  auswahlBeantworten({});
  EXPECT_EQ(BankZuBLZ(QStringLiteral("12345679")), QString());
}

TEST_F(KatalogeTest, MissingFolderGivesNothing) {
  QDir(programmOrdner() + QStringLiteral("/Kataloge")).removeRecursively();
  EXPECT_EQ(OrtZuPLZ(QStringLiteral("12345"), 1), QString());
  EXPECT_EQ(VorwahlZuPLZ(QStringLiteral("12345"), 1), QString());
  EXPECT_EQ(BankZuBLZ(QStringLiteral("12345678")), QString());
}

TEST_F(KatalogeTest, WritersStoreTrimmedAndCreateTheFolder) {
  QDir(programmOrdner() + QStringLiteral("/Kataloge")).removeRecursively();
  QString ort = QStringLiteral("  Neustadt  ");
  KatalogOrtSpeichern(QStringLiteral("a-2345"), ort);
  EXPECT_EQ(ort, QStringLiteral("Neustadt"));
  EXPECT_EQ(OrtZuPLZ(QStringLiteral("A-2345"), 1), QStringLiteral("Neustadt"));
  EXPECT_TRUE(QFile::exists(katalog("A-PLZ_Ort_2.txt")));

  QString vorwahl = QStringLiteral(" 0221,02203 ");
  KatalogVorwahlSpeichern(QStringLiteral("51149"), vorwahl);
  EXPECT_EQ(vorwahl, QStringLiteral("0221,02203"));
  EXPECT_EQ(VorwahlZuPLZ(QStringLiteral("D-51149"), 0), QStringLiteral("0221,02203"));
  EXPECT_TRUE(QFile::exists(katalog("D-PLZ_Vorwahl_5.txt")));

  QString umlaut = QStringLiteral("Köln");  // written as the catalogues are: Windows-1252
  KatalogOrtSpeichern(QStringLiteral("50667"), umlaut);
  EXPECT_TRUE(dateiLesen(katalog("D-PLZ_Ort_5.txt")).contains("50667=K\xf6ln"));

  ort = QStringLiteral("Zweitort");  // a write replaces the whole entry
  KatalogOrtSpeichern(QStringLiteral("A-2345"), ort);
  EXPECT_EQ(OrtZuPLZ(QStringLiteral("A-2345"), 0), QStringLiteral("Zweitort"));
}

TEST_F(KatalogeTest, ShippedSamplesReachANewProgramFolder) {
  QDir(programmOrdner()).removeRecursively();
  Paths::ordnerEinrichten();
  EXPECT_EQ(OrtZuPLZ(QStringLiteral("50667"), 1), QStringLiteral("Köln"));
  EXPECT_EQ(VorwahlZuPLZ(QStringLiteral("10115"), 0), QStringLiteral("030"));
  EXPECT_EQ(BankZuBLZ(QStringLiteral("20050550")), QStringLiteral("Hamburger Sparkasse"));
}

TEST_F(KatalogeTest, ACountryPrefixCannotLeaveTheCatalogueFolder) {
  // A postcode from an imported record whose country part names other folders.
  dateiSchreiben(programmOrdner() + QStringLiteral("/X-PLZ_Ort_1.txt"), "[PLZ]\r\n1234=Falsch\r\n");
  for (const char* plz : {"../x-1234", "..\\x-1234", "a/b-1234"}) {
    EXPECT_EQ(OrtZuPLZ(QString::fromLatin1(plz), 0), QString()) << plz;
    QString ort = QStringLiteral("Irgendwo");
    KatalogOrtSpeichern(QString::fromLatin1(plz), ort);
    EXPECT_EQ(ort, QString()) << plz;  // nothing written
  }
  EXPECT_EQ(QDir(programmOrdner()).entryList(QDir::Files), QStringList{"X-PLZ_Ort_1.txt"});
  EXPECT_FALSE(QFile::exists(windowsOrdner() + QStringLiteral("/Zedured.ini")) &&
               dateiLesen(windowsOrdner() + QStringLiteral("/Zedured.ini")).contains("Irgendwo"));
  KatalogStdLand = QStringLiteral("../");  // a setting edited by hand
  EXPECT_EQ(BankZuBLZ(QStringLiteral("12345678")), QString());
}
