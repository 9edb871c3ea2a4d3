// The transfer order dialog: what the main window's menu command puts in, the load from the user's
// settings, the font list, the payer list, the menu keys, the account log, the settings save and the
// log viewer.
#include "bankforms/formen/UeberweisungFixture.h"
#include "platform/dienste/Screen.h"
#include "platform/vb/Clock.h"

#include <QApplication>
#include <QTest>

using namespace Qt::Literals::StringLiterals;

namespace {

// The main window's command, which puts in what the window shows.
class UeberweisungBefehlTest : public UeberweisungTest {
 protected:
  bool mitHauptfenster() const override { return true; }
};

TEST_F(UeberweisungBefehlTest, TheMenuCommandPutsInTheShownRecordsRecipientAndTheSelection) {
  struct Fall {
    const char* name;
    int satz;
    int feld;  // the box whose whole text is selected, -1 for none
    QString empfaenger, konto, blz, bank, verwendung1;
  };
  const Fall faelle[] = {
      {"first name, surname and bank data; a selection over two lines", 0, 11, u"Anna Meier"_s, u"1234567890"_s,
       u"37050198"_s, u"Sparkasse KölnBonn"_s, u"Rechnung 12 vom 1.12."_s},
      {"a surname alone and no bank data", 1, -1, u"Schulz"_s, {}, {}, {}, {}},
      {"a name of 40 characters is cut to 27",
       2,
       1,
       u"Maximilian-Alexander Muster"_s,
       {},
       {},
       {},
       u"Mustermann-Schulzes"_s},
  };
  for (const Fall& f : faelle) {
    SCOPED_TRACE(f.name);
    satzZeigen(f.satz);
    feldWaehlen(f.feld);
    oeffnen([&](FormPrnUeberweisung& u) {
      EXPECT_EQ(u.TxtEmpfängerName->Text(), f.empfaenger);
      EXPECT_EQ(u.TxtEmpfängerKontoNr->Text(), f.konto);
      EXPECT_EQ(u.TxtEmpfängerBLZ->Text(), f.blz);
      EXPECT_EQ(u.TxtEmpfängerBank->Text(), f.bank);
      EXPECT_EQ(u.TxtVerwendung1->Text(), f.verwendung1);
      EXPECT_EQ(u.TxtBetrag->Text(), QString());
      EXPECT_EQ(u.TxtVerwendung2->Text(), QString());
    });
  }
}

TEST_F(UeberweisungBefehlTest, CtrlMInTheMainWindowOpensTheDialog) {
  m().show();
  QApplication::setActiveWindow(&m());
  ASSERT_TRUE(QTest::qWaitForWindowActive(&m()));
  satzZeigen(3);
  int mal = 0;
  druckoptionen({}, [&](FormPrnUeberweisung& u) {
    ++mal;
    EXPECT_EQ(u.Caption(), u"Überweisungsauftrag drucken"_s);
    EXPECT_EQ(u.TxtEmpfängerName->Text(), u"Eva Wolf"_s);
  });
  QTest::keyClick(&m(), Qt::Key_M, Qt::ControlModifier);
  EXPECT_EQ(mal, 1);
  EXPECT_FALSE(FormPrnUeberweisung::IsLoaded());
}

TEST_F(UeberweisungTest, TheLoadTakesTheUsersSettings) {
  einstellen(u"_UeberweisWährung"_s, u"XYZ"_s);
  einstellen(u"_AllKonto"_s, u"Ich | 1 | 2 | Bank;Du | 3 | 4 | Kasse;"_s);
  einstellen(u"_KontoName"_s, u"Hans Maier"_s);
  einstellen(u"_KontoNr"_s, u"4711"_s);
  einstellen(u"_KontoBank"_s, u"Postbank"_s);
  einstellen(u"_KontoBLZ"_s, u"10010010"_s);
  einstellen(u"_DruckeDatum"_s, u"0"_s);
  einstellen(u"_BankForm"_s, u"2"_s);
  FormPrnUeberweisung& u = d();
  // A currency that is not in the list is shown all the same.
  EXPECT_EQ(u.TxtWährung->Text(), u"XYZ"_s);
  QStringList liste;
  for (int i = 0; i < u.TxtWährung->ListCount(); ++i) liste << u.TxtWährung->List(i);
  EXPECT_EQ(liste,
            (QStringList{u""_s, u"ATS"_s, u"ATS"_s, u"BEF"_s, u"CHF"_s, u"DEM"_s, u"DKK"_s, u"DM"_s, u"ESP"_s, u"EUR"_s,
                         u"FIM"_s, u"FRF"_s, u"HUF"_s, u"IEP"_s, u"ITL"_s, u"LXF"_s, u"NLG"_s, u"PTE"_s}));
  // The currency list is written back as read.
  EXPECT_EQ(IniLesen(QString(), QString(), u"Währungskürzel"_s, u"-"_s),
            u"DM;DEM;EUR;BEF;FIM;FRF;IEP;ITL;LXF;NLG;ATS;PTE;ESP;DKK;ATS;CHF;HUF;"_s);
  EXPECT_EQ(u.ComboAuftraggeber->ListCount(), 2);
  EXPECT_EQ(u.ComboAuftraggeber->List(1), u"Du | 3 | 4 | Kasse"_s);
  EXPECT_EQ(u.TxtAuftraggeberName->Text(), u"Hans Maier"_s);
  EXPECT_EQ(u.TxtAuftraggeberKontoNr->Text(), u"4711"_s);
  EXPECT_EQ(u.TxtAuftraggeberBank->Text(), u"Postbank"_s);
  EXPECT_EQ(u.TxtAuftraggeberBLZ->Text(), u"10010010"_s);
  EXPECT_EQ(u.strgPrintDate->Value(), 0);
  EXPECT_TRUE(u.optFormular(2).Value());
  EXPECT_TRUE(u.mniEinstellSichern->Enabled());
  EXPECT_EQ(vb::Screen::MousePointer(), vb::Screen::vbDefault);
  EXPECT_EQ(vb::Forms::helpContext(u.TxtBetrag->editor()), 300);
  EXPECT_EQ(vb::Forms::helpContext(u.ComboAuftraggeber), 300);
}

TEST_F(UeberweisungTest, ThePictureFormTypeNeedsThePictureFile) {
  struct Fall {
    const char* name;
    bool bild;
    const char* bankForm;
    int gewaehlt;
  };
  const Fall faelle[] = {
      {"no picture: type 1 disabled, a stored 1 selects 0", false, "1", 0},
      {"picture: type 1 enabled, its path in the tag", true, "1", 1},
      {"nothing stored: the sheet", true, nullptr, 0},
      {"a number beyond the types: the sheet", true, "7", 0},
  };
  for (const Fall& f : faelle) {
    SCOPED_TRACE(f.name);
    FormPrnUeberweisung::Unload();
    QFile::remove(bildDatei());
    if (f.bild) bildAnlegen();
    einstellen(u"_BankForm"_s, f.bankForm ? QString::fromLatin1(f.bankForm) : QString());
    FormPrnUeberweisung& u = d();
    EXPECT_EQ(u.optFormular(1).isEnabled(), f.bild);
    EXPECT_EQ(u.optFormular(1).property("Tag").toString(), f.bild ? bildDatei() : QString());
    EXPECT_TRUE(u.optFormular(f.gewaehlt).Value());
  }
}

TEST_F(UeberweisungTest, ReadOnlyDisablesTheSettingsSave) {
  NurLesen = -1;
  EXPECT_FALSE(d().mniEinstellSichern->Enabled());
}

TEST_F(UeberweisungTest, TheTimerListsThePrintersFontsPicksOneAndEnablesTheButtons) {
  struct Fall {
    const char* gespeichert;  // nullptr: no setting
    const char* gewaehlt;
  };
  // No setting first: each case stores its own.
  const Fall faelle[] = {
      {nullptr, "Courier New"}, {"times", "Times New Roman"}, {"Unbekannt", "Courier New"}, {"sans", "MS Sans Serif"}};
  for (const Fall& f : faelle) {
    SCOPED_TRACE(f.gespeichert ? f.gespeichert : "none");
    FormPrnUeberweisung::Unload();
    if (f.gespeichert) einstellen(u"_UeberweisFont"_s, QString::fromLatin1(f.gespeichert));
    FormPrnUeberweisung& u = d();
    EXPECT_FALSE(u.befDrucken->isEnabled());
    EXPECT_FALSE(u.befZurück->isEnabled());
    EXPECT_EQ(u.ComboSchrift->ListCount(), 0);
    u.TimerInit_Timer();
    EXPECT_FALSE(u.TimerInit->Enabled());
    EXPECT_EQ(u.ComboSchrift->ListCount(), 4);
    EXPECT_EQ(u.ComboSchrift->Text(), QString::fromLatin1(f.gewaehlt));
    EXPECT_TRUE(u.befDrucken->isEnabled());
    EXPECT_TRUE(u.befZurück->isEnabled());
  }
}

TEST_F(UeberweisungTest, ThePayerListTakesEachAccountOnceAndGivesItsPartsBack) {
  FormPrnUeberweisung& u = bereit();
  const auto zahler = [&](const QString& name, const QString& konto, const QString& blz, const QString& bank) {
    u.TxtAuftraggeberName->setText(name);
    u.TxtAuftraggeberKontoNr->setText(konto);
    u.TxtAuftraggeberBLZ->setText(blz);
    u.TxtAuftraggeberBank->setText(bank);
  };
  zahler(u" Hans Maier "_s, u"4711"_s, u"10010010"_s, u"Postbank"_s);
  u.mnuAuftraggeberMerken->action()->trigger();
  u.mnuAuftraggeberMerken->action()->trigger();
  ASSERT_EQ(u.ComboAuftraggeber->ListCount(), 1);
  EXPECT_EQ(u.ComboAuftraggeber->List(0), u"Hans Maier | 4711 | 10010010 | Postbank"_s);
  // One letter's case counts.
  zahler(u"Hans maier"_s, u"4711"_s, u"10010010"_s, u"Postbank"_s);
  u.mnuAuftraggeberMerken->action()->trigger();
  EXPECT_EQ(u.ComboAuftraggeber->ListCount(), 2);
  // Pasted or swapped separators cannot split an account into wrong parts.
  zahler(u"Müller; Meier|Sohn"_s, u"1;2"_s, u"3|4"_s, u"Bank"_s);
  u.mnuAuftraggeberMerken->action()->trigger();
  ASSERT_EQ(u.ComboAuftraggeber->ListCount(), 3);
  EXPECT_EQ(u.ComboAuftraggeber->List(2), u"Müller, Meier-Sohn | 1,2 | 3-4 | Bank"_s);

  zahler({}, {}, {}, {});
  u.ComboAuftraggeber->setListIndex(2);
  EXPECT_EQ(u.TxtAuftraggeberName->Text(), u"Müller, Meier-Sohn"_s);
  EXPECT_EQ(u.TxtAuftraggeberKontoNr->Text(), u"1,2"_s);
  EXPECT_EQ(u.TxtAuftraggeberBLZ->Text(), u"3-4"_s);
  EXPECT_EQ(u.TxtAuftraggeberBank->Text(), u"Bank"_s);

  // Deleting selects the neighbour; nothing is stored without the settings save.
  u.ComboAuftraggeber->setListIndex(1);
  u.mnuAuftraggeberLöschen->action()->trigger();
  EXPECT_EQ(u.ComboAuftraggeber->ListCount(), 2);
  EXPECT_EQ(u.ComboAuftraggeber->ListIndex(), 1);
  EXPECT_EQ(einstellung(u"_AllKonto"_s), u"-"_s);
  EXPECT_TRUE(dialoge().requests().isEmpty());
}

TEST_F(UeberweisungTest, DeletingWithoutAChoiceAsksForOne) {
  einstellen(u"_AllKonto"_s, u"Ich | 1 | 2 | Bank;"_s);
  FormPrnUeberweisung& u = bereit();
  ASSERT_EQ(u.ComboAuftraggeber->ListIndex(), -1);
  u.mnuAuftraggeberLöschen->action()->trigger();
  ASSERT_EQ(dialoge().requests().size(), 1);
  EXPECT_EQ(dialoge().requests()[0].text, u"Bitte wählen Sie vor dem Löschen das gewünschte Konto aus."_s);
  EXPECT_EQ(dialoge().requests()[0].title, u"Konto löschen"_s);
  EXPECT_EQ(dialoge().requests()[0].style, vb::vbOKOnly | vb::vbInformation);
  EXPECT_EQ(u.ComboAuftraggeber->ListCount(), 1);
}

class UeberweisungTastenTest : public UeberweisungTest {
 protected:
  void SetUp() override {
    UeberweisungTest::SetUp();
    ASSERT_NO_FATAL_FAILURE(aktivZeigen(bereit()));
  }
};

TEST_F(UeberweisungTastenTest, CtrlVSwapsRecipientAndPayerAlsoInABox) {
  FormPrnUeberweisung& u = d();
  ausfuellen(u, u"12,50"_s, u"DM"_s);
  u.TxtVerwendung1->setText(QString());
  zwischenablage().textSetzen(u"eingefügt"_s);
  // In a text box and in the currency box the key is the menu's, not the box's paste.
  for (QWidget* w : {u.TxtVerwendung1->editor(), static_cast<QWidget*>(u.TxtWährung)}) {
    w->setFocus(Qt::OtherFocusReason);
    ASSERT_EQ(fokus(), w->focusProxy() ? w->focusProxy() : w);
    taste(Qt::Key_V, Qt::ControlModifier);
  }
  // Swapped twice: back as it was, and nothing pasted.
  EXPECT_EQ(u.TxtEmpfängerName->Text(), u"Eva Wolf"_s);
  EXPECT_EQ(u.TxtAuftraggeberName->Text(), u"Hans Maier"_s);
  EXPECT_EQ(u.TxtVerwendung1->Text(), QString());
  EXPECT_EQ(u.TxtWährung->Text(), u"DM"_s);
  u.mnuFlipEA_Click->action()->trigger();
  EXPECT_EQ(u.TxtEmpfängerName->Text(), u"Hans Maier"_s);
  EXPECT_EQ(u.TxtEmpfängerKontoNr->Text(), u"4711"_s);
  EXPECT_EQ(u.TxtEmpfängerBLZ->Text(), u"10010010"_s);
  EXPECT_EQ(u.TxtEmpfängerBank->Text(), u"Postbank"_s);
  EXPECT_EQ(u.TxtAuftraggeberName->Text(), u"Eva Wolf"_s);
  EXPECT_EQ(u.TxtAuftraggeberKontoNr->Text(), u"12345"_s);
  EXPECT_EQ(u.TxtAuftraggeberBLZ->Text(), u"10020030"_s);
  EXPECT_EQ(u.TxtAuftraggeberBank->Text(), u"Volksbank"_s);
  EXPECT_EQ(u.TxtBetrag->Text(), u"12,50"_s);
}

TEST_F(UeberweisungTastenTest, EnterMovesThroughTheFieldsWithoutPrinting) {
  FormPrnUeberweisung& u = d();
  u.TxtEmpfängerName->SetFocus();
  const QList<QWidget*> reihe = {u.TxtEmpfängerKontoNr->editor(),
                                 u.TxtEmpfängerBLZ->editor(),
                                 u.TxtEmpfängerBank->editor(),
                                 u.TxtWährung,
                                 u.TxtBetrag->editor(),
                                 u.TxtVerwendung1->editor(),
                                 u.TxtVerwendung2->editor(),
                                 u.TxtAuftraggeberName->editor(),
                                 u.TxtAuftraggeberKontoNr->editor(),
                                 u.TxtAuftraggeberBLZ->editor(),
                                 u.TxtAuftraggeberBank->editor(),
                                 u.strgPrintDate};
  for (QWidget* naechstes : reihe) {
    taste(Qt::Key_Return, Qt::NoModifier, u"\r"_s);
    QWidget* erwartet = naechstes->focusProxy() ? naechstes->focusProxy() : naechstes;
    ASSERT_EQ(fokus(), erwartet) << naechstes->objectName().toStdString();
  }
  EXPECT_TRUE(gezeigt.isEmpty());
  EXPECT_TRUE(dialoge().requests().isEmpty());
  EXPECT_TRUE(drucker().ops().isEmpty());
  EXPECT_FALSE(QFileInfo::exists(u.KontenLog()));
  EXPECT_TRUE(u.isVisible());
}

TEST_F(UeberweisungTastenTest, TheMenuKeysAndTheCloseBox) {
  FormPrnUeberweisung& u = d();
  u.TxtBetrag->SetFocus();
  // F12 hides the dialog; so does the close box, which leaves it loaded for its opener.
  taste(Qt::Key_F12);
  EXPECT_FALSE(u.isVisible());
  u.show();
  QApplication::setActiveWindow(&u);
  ASSERT_TRUE(QTest::qWaitForWindowActive(&u));
  u.close();
  EXPECT_FALSE(u.isVisible());
  EXPECT_TRUE(FormPrnUeberweisung::IsLoaded());
  // The menu as designed.
  const std::pair<vb::MenuItem*, const char*> tasten[] = {
      {u.mnuDrucken, "Ctrl+P"},  {u.mnuProtokoll, "Ctrl+E"},      {u.mnuFlipEA_Click, "Ctrl+V"},
      {u.mnuEnde, "F12"},        {u.mnuAuftraggeberMerken, "F4"}, {u.mnuAuftraggeberLöschen, "Shift+F4"},
      {u.mniEinstellSichern, ""}};
  for (const auto& [item, kurz] : tasten)
    EXPECT_EQ(item->Shortcut().toString(QKeySequence::PortableText), QString::fromLatin1(kurz))
        << item->objectName().toStdString();
  EXPECT_EQ(u.mnuProtokoll->Caption(), u"&Protokoll...."_s);
  EXPECT_EQ(u.mnuFlipEA_Click->Caption(), u"Empfänger und Auftraggeber &vertauschen"_s);
}

// ---------------------------------------------------------------------------------------------------
// The account log and the settings, byte for byte.

TEST_F(UeberweisungTest, TheAccountLogHoldsNineLinesPerPrint) {
  druckoptionen({});
  FormPrnUeberweisung& u = bereit();
  u.optFormular(2).setValue(true);
  ausfuellen(u, u"0,50"_s, u"DM"_s);
  u.TxtVerwendung2->setText(u" "_s);
  u.TxtAuftraggeberKontoNr->setText(u"123 456"_s);
  u.mnuDrucken_Click();
  Clock::setFixed(QDateTime(QDate(2026, 12, 13), QTime(9, 5)));
  u.TxtBetrag->setText(QString());
  dialoge().answer(vb::vbOK);  // print without an amount
  u.befDrucken->click();
  // The classic form leaves the dialog open.
  EXPECT_TRUE(FormPrnUeberweisung::IsLoaded());
  EXPECT_EQ(gezeigt.size(), 2);
  const QString log = DatenOrdner + u"/Konto_123_456.Log"_s;
  EXPECT_EQ(u.KontenLog(), log);
  const QByteArray strich(79, '-');
  EXPECT_EQ(dateiLesen(log), "\r\n" + strich +
                                 "\r\n\r\n"
                                 "Wann: 10.12.2026 12:00, Donnerstag\r\n"
                                 "Von:  Hans Maier, Konto: 123 456, BLZ: 10010010\r\n"
                                 "DM:   0,50\r\n"
                                 "An:   Eva Wolf, Konto: 12345, BLZ: 10020030\r\n"
                                 "Bem:  Rechnung 12\r\n"
                                 "       \r\n"
                                 "\r\n" +
                                 strich +
                                 "\r\n\r\n"
                                 "Wann: 13.12.2026 09:05, Sonntag\r\n"
                                 "Von:  Hans Maier, Konto: 123 456, BLZ: 10010010\r\n"
                                 "DM:   \r\n"
                                 "An:   Eva Wolf, Konto: 12345, BLZ: 10020030\r\n"
                                 "Bem:  Rechnung 12\r\n"
                                 "       \r\n");
}

TEST_F(UeberweisungTest, TheLogIsNamedAfterThePayerAccountAndKeepsItsEncoding) {
  druckoptionen({.abbrechen = true});
  struct Fall {
    const char* konto;
    const char* datei;
  };
  const Fall faelle[] = {{"", "Konto_.Log"}, {"123 456", "Konto_123_456.Log"}, {"12/345", "Konto_12_345.Log"}};
  FormPrnUeberweisung& u = bereit();
  u.optFormular(2).setValue(true);
  u.TxtBetrag->setText(u"1"_s);
  u.TxtEmpfängerName->setText(u"Jürgen"_s);
  for (const Fall& f : faelle) {
    SCOPED_TRACE(f.konto);
    u.TxtAuftraggeberKontoNr->setText(QString::fromLatin1(f.konto));
    EXPECT_EQ(QFileInfo(u.KontenLog()).fileName(), QString::fromLatin1(f.datei));
    // The entry is written before the print options show, so a cancelled print is logged too.
    u.mnuDrucken_Click();
    EXPECT_TRUE(QFileInfo::exists(DatenOrdner + u'/' + QString::fromLatin1(f.datei)));
  }
  // A new log is Windows-1252; a log that a user saved as UTF-8 stays UTF-8.
  EXPECT_TRUE(dateiLesen(DatenOrdner + u"/Konto_.Log"_s).contains("An:   J\xFCrgen,"));
  const QString utf8 = DatenOrdner + u"/Konto_99.Log"_s;
  dateiSchreiben(utf8, "Grüße\r\n");
  u.TxtAuftraggeberKontoNr->setText(u"99"_s);
  u.mnuDrucken_Click();
  const QByteArray bytes = dateiLesen(utf8);
  EXPECT_TRUE(bytes.startsWith("Grüße\r\n"));
  EXPECT_TRUE(bytes.contains("An:   Jürgen,"));
}

TEST_F(UeberweisungTest, CancellingTheAmountQuestionWritesAndPrintsNothing) {
  druckoptionen({});
  FormPrnUeberweisung& u = bereit();
  u.TxtBetrag->setText(u"(1+2)*3"_s);
  dialoge().answer(vb::vbCancel);
  u.mnuDrucken_Click();
  ASSERT_EQ(dialoge().requests().size(), 1);
  EXPECT_EQ(dialoge().requests()[0].title, u"Formular ohne Betrag drucken?"_s);
  EXPECT_FALSE(QFileInfo::exists(u.KontenLog()));
  EXPECT_TRUE(gezeigt.isEmpty());
  EXPECT_TRUE(drucker().ops().isEmpty());
}

TEST_F(UeberweisungTest, TheSettingsSaveWritesTheUsersKeysInOrder) {
  const QString zedured = windowsOrdner() + u"/Zedured.ini"_s;
  IniSichern();
  const QByteArray vorher = "[Allgemein]\r\nUser=Maier\r\n[Kartulon]\r\nTitelAus=1\r\nAutoTip=0\r\n";
  dateiSchreiben(zedured, vorher);
  FormPrnUeberweisung& u = bereit();
  u.TxtWährung->setText(u"EUR"_s);
  u.TxtAuftraggeberName->setText(u" Hans Maier "_s);
  u.TxtAuftraggeberKontoNr->setText(u"4711 "_s);
  u.TxtAuftraggeberBLZ->setText(u"10010010"_s);
  u.TxtAuftraggeberBank->setText(u"Postbank"_s);
  u.mnuAuftraggeberMerken->action()->trigger();
  u.TxtAuftraggeberName->setText(u"Eva"_s);
  u.mnuAuftraggeberMerken->action()->trigger();
  u.strgPrintDate->setValue(0);
  u.optFormular(2).setValue(true);
  u.ComboSchrift->setListIndex(u.ComboSchrift->ListCount() - 1);
  u.mniEinstellSichern->action()->trigger();
  IniSichern();
  EXPECT_EQ(vb::Screen::MousePointer(), vb::Screen::vbDefault);
  EXPECT_EQ(
      dateiLesen(zedured),
      vorher + Codec::nach1252(
                   u"Währungskürzel=DM;DEM;EUR;BEF;FIM;FRF;IEP;ITL;LXF;NLG;ATS;PTE;ESP;DKK;ATS;CHF;HUF;\r\n"
                   u"User_Maier_DruckeDatum=0\r\n"
                   u"User_Maier_BankForm=2\r\n"
                   u"User_Maier_UeberweisWährung=EUR\r\n"
                   u"User_Maier_KontoName=Eva\r\n"
                   u"User_Maier_KontoNr=4711\r\n"
                   u"User_Maier_KontoBank=Postbank\r\n"
                   u"User_Maier_KontoBLZ=10010010\r\n"
                   u"User_Maier_AllKonto=Hans Maier | 4711 | 10010010 | Postbank;Eva | 4711 | 10010010 | Postbank;\r\n"
                   u"User_Maier_UeberweisFont=Times New Roman\r\n"_s));
  // The next load takes it all back.
  FormPrnUeberweisung::Unload();
  FormPrnUeberweisung& neu = bereit();
  EXPECT_EQ(neu.TxtWährung->Text(), u"EUR"_s);
  EXPECT_EQ(neu.ComboAuftraggeber->ListCount(), 2);
  EXPECT_EQ(neu.strgPrintDate->Value(), 0);
  EXPECT_TRUE(neu.optFormular(2).Value());
  EXPECT_EQ(neu.ComboSchrift->Text(), u"Times New Roman"_s);
}

TEST_F(UeberweisungTest, TheLogViewerOpensTheLogInTheEditor) {
  struct Fall {
    const char* name;
    const char* editor;  // nullptr: no setting
    bool blanks;         // a data folder with blanks
    bool gestartet;      // started as a program, else opened by the desktop
  };
  const Fall faelle[] = {
      {"no editor set: the desktop's program", nullptr, false, false},
      {"the default in the Windows folder", "C:\\Windows\\NotePad.Exe", false, false},
      {"a configured editor", "mein-editor", false, true},
      {"a configured editor and a data folder with blanks", "mein-editor", true, true},
  };
  shell().echtStarten = false;
  for (const Fall& f : faelle) {
    SCOPED_TRACE(f.name);
    shell().geoeffnet.clear();
    shell().gestartet.clear();
    DatenOrdner = programmOrdner() + (f.blanks ? u"/Meine Daten"_s : u"/daten"_s);
    QDir().mkpath(DatenOrdner);
    QFile::remove(DatenOrdner + u"/Konto_4711.Log"_s);
    if (f.editor) IniSchreiben(QString(), u"Allgemein"_s, u"PrgTxtEdit"_s, QString::fromLatin1(f.editor));
    FormPrnUeberweisung::Unload();
    FormPrnUeberweisung& u = bereit();
    u.TxtAuftraggeberKontoNr->setText(u"4711"_s);
    // Without a log nothing happens.
    u.mnuProtokoll_Click();
    EXPECT_TRUE(shell().geoeffnet.isEmpty());
    EXPECT_TRUE(shell().gestartet.isEmpty());
    const QString log = dateiSchreiben(DatenOrdner + u"/Konto_4711.Log"_s, "x\r\n");
    u.mnuProtokoll_Click();
    if (f.gestartet) {
      ASSERT_EQ(shell().gestartet.size(), 1);
      EXPECT_EQ(shell().gestartet[0].programm, u"mein-editor"_s);
      EXPECT_EQ(shell().gestartet[0].argumente, QStringList{log});
      EXPECT_TRUE(shell().geoeffnet.isEmpty());
    } else {
      ASSERT_EQ(shell().geoeffnet.size(), 1);
      EXPECT_EQ(shell().geoeffnet[0].toLocalFile(), log);
      EXPECT_TRUE(shell().gestartet.isEmpty());
    }
  }
}

}  // namespace
