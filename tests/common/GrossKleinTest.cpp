#include "common/GrossKlein.h"

#include "common/Ini.h"
#include "support/kern/TestUmgebung.h"

TEST_F(KartulonTest, GrossKleinSchreibtNamen) {
  const std::pair<const char*, const char*> faelle[] = {
      {"hans-peter VON DER heide", "Hans-Peter von der Heide"},
      {"", ""},
      {"a", "A"},
      {"ß", "ß"},
      {"meier.com", "Meier.com"},
      {"meier.de", "Meier.De"},
      {"MÜLLER-LÜDENSCHEIDT", "Müller-Lüdenscheidt"},
      {"o'neil", "O'neil"},
      {"mcDonald", "Mcdonald"},
      {"und peter und paul", "Und Peter und Paul"},
      {"haus von von linde", "Haus von Von Linde"},  // the same small word twice: only the first
      {"peter UND", "Peter Und"},                    // at the end there is no blank after it
      {"jean (der ältere)", "Jean (Der Ältere)"},
      {"das c't magazin", "Das c't Magazin"},
      {"KARL\tOTTO", "Karl\tOtto"},
      {"anna@beispiel.com", "Anna@Beispiel.com"},
      {"µm-bereich", "µm-Bereich"},
      {"ÿves", "Ÿves"},
  };
  for (const auto& [ein, aus] : faelle) {
    const QString text = QString::fromUtf8(ein);
    EXPECT_EQ(GrossKlein(text), QString::fromUtf8(aus)) << ein;
    EXPECT_EQ(text, QString::fromUtf8(ein));
  }
}

TEST_F(KartulonTest, WortAnfaengeGrossLaesstDieUebrigenBuchstaben) {
  const std::pair<const char*, const char*> faelle[] = {
      {"mcDonald", "McDonald"},
      {"VON DER heide", "VON der Heide"},
      {"hans-peter von DER heide", "Hans-Peter von der Heide"},
      {"x", "X"},
      {"datei.txt", "Datei.txt"},
  };
  for (const auto& [ein, aus] : faelle)
    EXPECT_EQ(WortAnfaengeGross(QString::fromUtf8(ein)), QString::fromUtf8(aus)) << ein;
}

TEST_F(KartulonTest, KleineWoerterDesBenutzers) {
  EXPECT_EQ(GrossKlein(QStringLiteral("haus zu der linde")), QStringLiteral("Haus Zu der Linde"));
  IniSchreiben("", "Kartulon", "ImmerKlein", "zu, vom");
  EXPECT_EQ(GrossKlein(QStringLiteral("haus zu der linde")), QStringLiteral("Haus zu der Linde"));
  EXPECT_EQ(GrossKlein(QStringLiteral("gasthof VOM berg")), QStringLiteral("Gasthof vom Berg"));
}
