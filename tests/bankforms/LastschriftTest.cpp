// The direct debit's core: the debtor's name, the collection file's lines written and read back.
#include "bankforms/Lastschrift.h"

#include <gtest/gtest.h>

using namespace Qt::Literals::StringLiterals;

namespace {

TEST(LastschriftTest, TheDebtorNameJoinsFirstNameSurnameAndZusatz) {
  struct Fall {
    QString vorname, nachname, zusatz, name;
  };
  const Fall faelle[] = {
      {u"Anna"_s, u"Berg"_s, {}, u"Anna Berg"_s},
      {u"Anna"_s, u"Berg"_s, u"Praxis"_s, u"Anna Berg (Praxis)"_s},
      {{}, u"Berg"_s, {}, u"Berg"_s},
      {{}, u"Berg"_s, u"Praxis"_s, u"Berg (Praxis)"_s},
  };
  for (const Fall& f : faelle) EXPECT_EQ(Lastschrift::Schuldnername(f.vorname, f.nachname, f.zusatz), f.name);
}

Lastschriftdaten beispiel() {
  Lastschriftdaten d;
  d.absName = u"Anna Meier"_s;
  d.absKontoNr = u"1234567890"_s;
  d.absBlz = u"37050198"_s;
  d.absBank = u"Sparkasse"_s;
  d.waehrung = u"EUR"_s;
  d.betrag = u"12,50"_s;
  d.verwendung1 = u"Rechnung 12"_s;
  d.verwendung2 = u"Lastschrift Kunde 7"_s;
  d.empName = u"Hans Maier"_s;
  d.empKontoNr = u"4711"_s;
  return d;
}

TEST(LastschriftTest, AFiledDebitIsOneLineOfElevenParts) {
  EXPECT_EQ(Lastschrift::SammelZeile({}), u"Kartulon Lastschrift\t-\t-\t-\t-\t-\t-\t-\t-\t-\t-\t\r\n"_s);
  EXPECT_EQ(Lastschrift::SammelZeile(beispiel()),
            u"Kartulon Lastschrift\t-Anna Meier\t-1234567890\t-37050198\t-Sparkasse\t-EUR\t-12,50\t"
            "-Rechnung 12\t-Lastschrift Kunde 7\t-Hans Maier\t-4711\t\r\n"_s);
  // A TAB or a line break inside a value would split the debit: it is written as a blank.
  Lastschriftdaten d = beispiel();
  d.empName = u"Hans\tMaier"_s;
  d.verwendung1 = u"Rechnung\r\n12"_s;
  const QString zeile = Lastschrift::SammelZeile(d);
  EXPECT_TRUE(zeile.contains(u"\t-Hans Maier\t"_s));
  EXPECT_TRUE(zeile.contains(u"\t-Rechnung  12\t"_s));
  const auto zurueck = Lastschrift::SammelZeileLesen(zeile.chopped(2));
  ASSERT_TRUE(zurueck);
  EXPECT_EQ(zurueck->empName, u"Hans Maier"_s);
  EXPECT_EQ(zurueck->empKontoNr, u"4711"_s);
}

TEST(LastschriftTest, ALineReadBack) {
  const QString tag = u"Kartulon Lastschrift"_s;
  struct Fall {
    const char* name;
    QString zeile;
    bool gilt;
    QString absName, betrag, empKontoNr;
  };
  const Fall faelle[] = {
      {"as filed", Lastschrift::SammelZeile(beispiel()).chopped(2), true, u"Anna Meier"_s, u"12,50"_s, u"4711"_s},
      {"all empty", Lastschrift::SammelZeile({}).chopped(2), true, {}, {}, {}},
      {"hand-edited: blanks trimmed, a first character other than - dropped",
       tag + u"\t-  Anna Meier \tX1\t-2\t-3\t-EUR\t 7,00\t-a\t-b\t-c\t-d  \t-e\t-f"_s, true, u"Anna Meier"_s, u"7,00"_s,
       u"d"_s},
      {"empty parts dropped: a double TAB counts once", tag + u"\t\t-A\t-1\t-2\t-3\t-EUR\t-5\t-a\t-b\t-c\t-d\t"_s, true,
       u"A"_s, u"5"_s, u"d"_s},
      {"short", tag + u"\t-A\t-1\t-2\t-3\t-EUR\t-5\t-a\t-b\t-c\t"_s, false, {}, {}, {}},
      {"wrong case",
       u"Kartulon lastschrift"_s + Lastschrift::SammelZeile(beispiel()).mid(20).chopped(2),
       false,
       {},
       {},
       {}},
      {"empty line", QString(), false, {}, {}, {}},
  };
  for (const Fall& f : faelle) {
    SCOPED_TRACE(f.name);
    const auto d = Lastschrift::SammelZeileLesen(f.zeile);
    ASSERT_EQ(d.has_value(), f.gilt);
    if (!d) continue;
    EXPECT_EQ(d->absName, f.absName);
    EXPECT_EQ(d->betrag, f.betrag);
    EXPECT_EQ(d->empKontoNr, f.empKontoNr);
  }
}

}  // namespace
