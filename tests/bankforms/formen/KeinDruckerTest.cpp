// Every print of the program on a system without any printer: the list, the envelope, the transfer order,
// the direct debit alone and as a batch from its collection file, and the cash-on-delivery card, each handed
// the main window's record as its command hands it. Each says once that no printer is set up, before any
// print options show, and prints nothing.
#include "bankforms/formen/FormPrnNachnahme.h"
#include "bankforms/formen/FormPrnUeberweisung.h"
#include "bankforms/formen/LastschriftFixture.h"
#include "common/Global.h"
#include "printing/formen/Listendruck.h"
#include "printing/formen/Umschlag.h"

#include <QDir>

using namespace Qt::Literals::StringLiterals;

namespace {

class KeinDruckerTest : public LastschriftTest {
 protected:
  void SetUp() override {
    LastschriftTest::SetUp();
    MaskenOrdner = tempPfad(u"masken"_s);
    QDir().mkpath(MaskenOrdner);
    dateiSchreiben(MaskenOrdner + u"/Umschlag.msk"_s, "{Vorname} {Nachname}\r\n{Ort}");
    m().Liste->setListIndex(0);
  }
  bool mitHauptfenster() const override { return true; }
};

TEST_F(KeinDruckerTest, EveryPrintSaysSoOnceAndPrintsNothing) {
  struct Fall {
    const char* druck;
    std::function<void()> drucken;
  };
  const Fall faelle[] = {
      {"list",
       [this] {
         Listendruck& l = Listendruck::get();
         l.TabelleUebernehmen(m().Liste->items(), m().Liste->ListIndex(), m().FeldBezeichnungen());
         l.BefAuswahl_Click(1);
         l.ComboMasken->setListIndex(l.ComboMasken->findText(u"Umschlag"_s));
         l.BefOk_Click();
       }},
      {"envelope",
       [this] {
         Umschlag& u = Umschlag::get();
         u.DatensatzUebernehmen(m().GezeigteZeile(), m().FeldBezeichnungen());
         u.show();
         u.PulDrucken_Click();
       }},
      {"transfer order",
       [] {
         FormPrnUeberweisung& u = FormPrnUeberweisung::get();
         u.TimerInit_Timer();
         u.TxtBetrag->setText(u"12,50"_s);
         u.mnuDrucken_Click();
       }},
      {"direct debit",
       [this] {
         d().TxtBetrag->setText(u"12,50"_s);
         d().show();
         d().befPrnLastschrift_Click();
       }},
      {"cash on delivery",
       [] {
         FormPrnNachnahme& k = FormPrnNachnahme::get();
         k.txtPreis->setText(u"12,50"_s);
         k.show();
         k.befPrnÜberweisung_Click();
       }},
  };
  drucker().setPrinters({});
  for (const Fall& f : faelle) {
    SCOPED_TRACE(f.druck);
    druckoptionen({});
    dialoge().clear();
    drucker().clear();
    f.drucken();
    EXPECT_EQ(optionenGezeigt, 0);
    EXPECT_FALSE(PrinterSet::IsLoaded());
    EXPECT_TRUE(drucker().ops().isEmpty());
    ASSERT_EQ(dialoge().requests().size(), 1);
    EXPECT_TRUE(dialoge().requests()[0].text.startsWith(u"Es ist kein Drucker eingerichtet."_s))
        << dialoge().requests()[0].text.toStdString();
    // The dialogs go; the main window stays, as in the program.
    Listendruck::Unload();
    Umschlag::Unload();
    FormPrnUeberweisung::Unload();
    FormPrnNachnahme::Unload();
  }
}

TEST_F(KeinDruckerTest, ABatchEndsAtTheFirstFormAndKeepsItsFile) {
  d().TxtBetrag->setText(u"12,50"_s);
  d().mnuLastFileSave_Click();
  d().TxtBetrag->setText(u"7,00"_s);
  d().mnuLastFileSave_Click();
  const QByteArray sammlung = sammelInhalt();
  ASSERT_FALSE(sammlung.isEmpty());

  drucker().setPrinters({});
  druckoptionen({});
  dialoge().clear();
  d().mnuLastFileLoad_Click();
  EXPECT_EQ(optionenGezeigt, 0);
  EXPECT_TRUE(drucker().ops().isEmpty());
  // No question whether to delete the file of forms that were not printed.
  ASSERT_EQ(dialoge().requests().size(), 1);
  EXPECT_TRUE(dialoge().requests()[0].text.startsWith(u"Es ist kein Drucker eingerichtet."_s));
  EXPECT_EQ(sammelInhalt(), sammlung);
}

}  // namespace
