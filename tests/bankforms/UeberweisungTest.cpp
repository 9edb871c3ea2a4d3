// The remembered payer accounts as text: built from the four fields and taken apart again.
#include "bankforms/Ueberweisung.h"

#include <gtest/gtest.h>

using namespace Qt::Literals::StringLiterals;

TEST(Auftraggeber, AnEntryIsBuiltFromTheTrimmedPartsWithoutSeparators) {
  struct Fall {
    QString name, konto, blz, bank, eintrag;
  };
  const Fall faelle[] = {
      {u" Hans Maier "_s, u"4711"_s, u"10010010"_s, u"Postbank "_s, u"Hans Maier | 4711 | 10010010 | Postbank"_s},
      {{}, {}, {}, {}, u" |  |  | "_s},
      {u"A;B|C"_s, u";"_s, u"|"_s, u" x; "_s, u"A,B-C | , | - | x,"_s},
  };
  for (const Fall& f : faelle) {
    const QString e = Ueberweisung::AuftraggeberEintrag(f.name, f.konto, f.blz, f.bank);
    EXPECT_EQ(e, f.eintrag);
    // Whatever the fields held, the entry splits back into exactly the four parts.
    const QStringList teile = Ueberweisung::AuftraggeberTeile(e);
    ASSERT_EQ(teile.size(), 4);
    EXPECT_EQ(Ueberweisung::AuftraggeberEintrag(teile[0], teile[1], teile[2], teile[3]), e);
  }
}

TEST(Auftraggeber, AnEntryOfFewerPartsLeavesTheRestEmpty) {
  EXPECT_EQ(Ueberweisung::AuftraggeberTeile(u"Nur Name"_s), (QStringList{u"Nur Name"_s, {}, {}, {}}));
  EXPECT_EQ(Ueberweisung::AuftraggeberTeile(u" A | 1 "_s), (QStringList{u"A"_s, u"1"_s, {}, {}}));
}
