#include "datatools/Nachschlagen.h"
#include "support/kern/TestUmgebung.h"

#include <gtest/gtest.h>

using Nachschlagen::Darstellung;

namespace {

Felder felder(std::initializer_list<std::pair<int, const char16_t*>> werte) {
  Felder f;
  for (const auto& [i, t] : werte) f[i] = QString::fromUtf16(t);
  return f;
}

// The string that D-Info 3.0 searches with (its last step).
QString suche3(const Nachschlagen::Ablauf& a) { return Darstellung(a.last().folge); }
// The two strings of D-Info 97 and KlickTel 98, "S1|S2".
QString suche2(const Nachschlagen::Ablauf& a) { return Darstellung(a[1].folge) + u'|' + Darstellung(a[3].folge); }

}  // namespace

// Typed text stands in «», the fixed keys in the notation.
TEST(Nachschlagen, TheStepsOfEachLookUp) {
  const Felder f = felder({{1, u"Meier"}, {2, u"Anna"}});
  EXPECT_EQ(Darstellung(Nachschlagen::DInfo3(f, 1)),
            QStringList({"senden: ", "ereignisse", "senden:{Esc 1}", "ereignisse", "senden:%4{Home}«Meier Anna»"}));
  EXPECT_EQ(Darstellung(Nachschlagen::DInfo97(f, 1)),
            QStringList({"ereignisse", "senden:{F5}«Meier Anna»", "pause", "senden:"}));
  EXPECT_EQ(Darstellung(Nachschlagen::KlickTel98(f, 1)),
            QStringList({"ereignisse", "senden:{F5}", "pause", "senden: «meier anna»"}));
}

TEST(Nachschlagen, TheSearchDependsOnTheFieldsAndTheFocusedField) {
  struct Fall {
    const char* was;
    Felder feld;
    int feldIndex;
    const char16_t* dinfo3;
    const char16_t* dinfo97;
    const char16_t* klickTel98;
  };
  const Fall faelle[] = {
      {"outer blanks", felder({{1, u" Meier "}, {2, u" Anna"}}), 1, u"%4{Home}«Meier Anna»", u"{F5}«Meier Anna»|",
       u"{F5}| «meier anna»"},
      {"no Vorname", felder({{1, u"Meier"}}), 1, u"%4{Home}«Meier»", u"{F5}«Meier»|", u"{F5}| «meier»"},
      {"Nachname of blanks", felder({{1, u"   "}}), 1, u"%4{Home}", u"{F5}|", u"{F5}| "},
      {"nothing", felder({}), 1, u"", u"|", u"|"},
      {"PLZ", felder({{1, u"Meier"}, {4, u" 10115 "}}), 4, u"%2{Home}«10115»~«Meier»", u"^p«10115»~|«Meier»",
       u"^p«10115»~|«Meier»"},
      {"no PLZ", felder({{1, u"Meier"}}), 4, u"%4{Home}«Meier»", u"{F5}«Meier»|", u"{F5}| «meier»"},
      {"PLZ without Nachname", felder({{4, u"10115"}}), 4, u"", u"|", u"|"},
      {"Ort", felder({{1, u"Meier+Co"}, {5, u"Halle~ "}}), 5, u"%1{Home}«Halle~»~«Meier+Co»", u"^o«Halle~»~|«Meier+Co»",
       u"^o«Halle~»~|«Meier+Co»"},
      {"no Ort", felder({{1, u"Meier+Co"}}), 5, u"%4{Home}«Meier+Co»", u"{F5}«Meier+Co»|", u"{F5}| «meier+co»"},
      {"Telefon", felder({{1, u"Müller"}, {7, u"030 / 123-45"}}), 7, u"{F4}«03012345»~", u"{F4}«03012345»~|",
       u"{F4}«03012345»~|"},
      {"no Telefon", felder({{1, u"Müller"}}), 7, u"%4{Home}«Müller»", u"{F5}«Müller»|", u"{F5}| «müller»"},
      {"Telefon of blanks", felder({{1, u"Müller"}, {7, u"  "}}), 7, u"{F4}~", u"{F4}~|", u"{F4}~|"},
      {"Telefax", felder({{1, u"Meier"}, {8, u"0221 12345"}}), 8, u"%4{Home}«Meier»", u"{F5}«Meier»|",
       u"{F4}«022112345»~|"},
      {"no Telefax", felder({{1, u"Meier"}}), 8, u"%4{Home}«Meier»", u"{F5}«Meier»|", u"{F5}| «meier»"},
      {"Mobiltelefon", felder({{1, u"Meier"}, {12, u"0171-555"}}), 12, u"{F4}«0171555»~", u"{F4}«0171555»~|",
       u"{F4}«0171555»~|"},
      {"no Mobiltelefon", felder({{1, u"Meier"}, {7, u"030 1"}}), 12, u"%4{Home}«Meier»", u"{F5}«Meier»|",
       u"{F5}| «meier»"},
      {"Datentelefon", felder({{1, u"Meier"}, {13, u"089/77"}}), 13, u"%4{Home}«Meier»", u"{F5}«Meier»|",
       u"{F4}«08977»~|"},
      {"no Datentelefon", felder({{1, u"Meier"}}), 13, u"%4{Home}«Meier»", u"{F5}«Meier»|", u"{F5}| «meier»"},
      {"number elsewhere", felder({{1, u"Meier"}, {7, u"030 1"}}), 1, u"%4{Home}«Meier»", u"{F5}«Meier»|",
       u"{F5}| «meier»"},
  };
  for (const Fall& f : faelle) {
    SCOPED_TRACE(f.was);
    EXPECT_EQ(suche3(Nachschlagen::DInfo3(f.feld, f.feldIndex)), QString::fromUtf16(f.dinfo3));
    EXPECT_EQ(suche2(Nachschlagen::DInfo97(f.feld, f.feldIndex)), QString::fromUtf16(f.dinfo97));
    EXPECT_EQ(suche2(Nachschlagen::KlickTel98(f.feld, f.feldIndex)), QString::fromUtf16(f.klickTel98));
  }
}

// Field texts are typed, never read as keys: the pieces say which is which.
TEST(Nachschlagen, FieldTextsAreTypedAsTheyStand) {
  const Felder f = felder({{1, u"Meier+Co"}, {5, u"Halle~"}});
  const auto a = Nachschlagen::DInfo3(f, 5);
  EXPECT_EQ(a.last().folge,
            (Nachschlagen::Tastenstring{{false, "%1{Home}"}, {true, "Halle~"}, {false, "~"}, {true, "Meier+Co"}}));
}

TEST(Nachschlagen, DInfo99FillsTheSearchFormSlotBySlot) {
  QStringList leer{"ereignisse", "pause", "senden:{Esc 2}", "pause", "senden:{F2}"};
  for (int i = 0; i < 10; ++i) leer.append(QStringLiteral("senden:{Tab 2}"));
  EXPECT_EQ(Darstellung(Nachschlagen::DInfo99(felder({}))), leer);

  const Felder voll = felder({{1, u"Meier+Co"},
                              {2, u" Anna "},
                              {3, u"Straße 5"},
                              {4, u"50667"},
                              {5, u" Köln"},
                              {7, u"0221 / 123-45"},
                              {12, u"0171 1"}});
  QStringList erwartet = leer.mid(0, 5);
  for (const char16_t* slot :
       {u"«Köln»", u"«Meier+Co»", u"«50667»", u"«Straße 5»", u"«0221»", u"", u"«Anna»", u"", u"", u""})
    erwartet.append(QStringLiteral("senden:") + QString::fromUtf16(slot) + QStringLiteral("{Tab 2}"));
  EXPECT_EQ(Darstellung(Nachschlagen::DInfo99(voll)), erwartet);

  // A Telefon without an area code leaves its slot empty.
  const auto ohne = Darstellung(Nachschlagen::DInfo99(felder({{7, u"123456"}})));
  EXPECT_EQ(ohne[9], QStringLiteral("senden:{Tab 2}"));
}
