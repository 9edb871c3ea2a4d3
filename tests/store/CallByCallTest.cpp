#include "store/CallByCall.h"
#include "support/kern/TestUmgebung.h"

class CallByCallTest : public KartulonTest {
 protected:
  void ini(const char* inhalt) { dateiSchreiben(programmOrdner() + QStringLiteral("/CallByCall.ini"), inhalt); }
  static constexpr const char* kTabelle =
      "[Allgemein]\r\naktiviert=1\r\n[TeleNr]\r\n0=Fern\r\n030=Berlin\r\n0399=Nirgends\r\n49=Ausland\r\n"
      "[CallByCall]\r\nFern=01011\r\nBerlin=01022\r\n";
};

TEST_F(CallByCallTest, TheLongestListedLeadingDigitsDecide) {
  ini(kTabelle);
  struct Fall {
    const char* nummer;
    unsigned char modus;
    const char* ergebnis;
  };
  const Fall faelle[] = {
      {"030 / 123 45", 0, "01022"},
      {"(030) 123-45", 0, "01022"},
      {"089 123", 0, "01011"},
      {"123", 0, ""},
      {"030 / 123 45", 1, "Berlin"},
      {"030 / 123 45", 2, " [Berlin]"},
      {"0399 5", 0, ""},  // a zone without a provider entry
      {"0399 5", 1, "Nirgends"},
      {"+49 30 123", 1, "Ausland"},  // digits run together: 4930123
      {"", 0, ""},
      {"ab-/", 1, ""},
      {"030", 7, "01022"},
  };
  for (const Fall& f : faelle) {
    SCOPED_TRACE(f.nummer);
    EXPECT_EQ(CallByCallVorwahl(QString::fromLatin1(f.nummer), f.modus), QString::fromLatin1(f.ergebnis));
  }
}

TEST_F(CallByCallTest, SwitchedOffOrMissingGivesNothing) {
  EXPECT_EQ(CallByCallVorwahl(QStringLiteral("030 123"), 1), QString());  // no file
  ini("[Allgemein]\r\naktiviert=0\r\n[TeleNr]\r\n030=Berlin\r\n[CallByCall]\r\nBerlin=01022\r\n");
  EXPECT_EQ(CallByCallVorwahl(QStringLiteral("030 123"), 0), QString());
  EXPECT_EQ(CallByCallVorwahl(QStringLiteral("030 123"), 1), QString());
  ini("[TeleNr]\r\n030=Berlin\r\n[CallByCall]\r\nBerlin=01022\r\n");  // no switch: on
  EXPECT_EQ(CallByCallVorwahl(QStringLiteral("030 123"), 0), QStringLiteral("01022"));
}

// The settings are read as any key is read: names in any case and with blanks around, values without
// one pair of quotes.
TEST_F(CallByCallTest, NamesInAnyCaseAndQuotedValues) {
  ini("[telenr]\r\n 040 = \"Hamburg\" \r\n[CALLBYCALL]\r\nHAMBURG='01088'\r\n");
  EXPECT_EQ(CallByCallVorwahl(QStringLiteral("040 1"), 0), QStringLiteral("01088"));
  EXPECT_EQ(CallByCallVorwahl(QStringLiteral("040 1"), 2), QStringLiteral(" [Hamburg]"));
  const CallByCallTabelle tabelle;
  EXPECT_EQ(tabelle.vorwahl(QStringLiteral("0401"), 0), QStringLiteral("01088"));
}
