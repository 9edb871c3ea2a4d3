// The direct-debit dialog: what the main window's command hands it and what it starts with, its keys
// and settings, the collection file filed and printed in one batch.
#include "bankforms/formen/LastschriftFixture.h"
#include "platform/dienste/Dialogs.h"
#include "platform/dienste/Screen.h"

#include <QApplication>
#include <QTest>

using namespace Qt::Literals::StringLiterals;

namespace {

// The system sounds played (each TonAusgeben of a system sound also plays the player's default).
qsizetype klaenge(const RecordingSound& t) {
  qsizetype n = 0;
  for (const auto& a : t.aufrufe()) n += a.art == u"klang"_s;
  return n;
}

// The main window's command, which hands the dialog the record the window shows.
class LastschriftBefehlTest : public LastschriftTest {
 protected:
  bool mitHauptfenster() const override { return true; }
};

TEST_F(LastschriftBefehlTest, TheMenuCommandFillsTheDebitFromTheRecordAndUnloadsTheDialog) {
  struct Fall {
    const char* name;
    int satz, feld;  // feld: the main field whose whole text is selected (-1: none)
    QString schuldner, konto, blz, bank, verwendung1, verwendung2;
  };
  const Fall faelle[] = {
      {"first name and surname; a selection over two lines", 0, 11, u"Anna Meier"_s, u"1234567890"_s, u"37050198"_s,
       u"Sparkasse KölnBonn"_s, u"Rechnung 12 vom 1.12."_s, u"Lastschrift Kunde 7"_s},
      {"a surname with Zusatz, nothing selected",
       1,
       -1,
       u"Schulz (Praxis)"_s,
       {},
       {},
       {},
       {},
       u"Lastschrift Kunde 8"_s},
      {"values cut to the boxes", 2, 1, u"Maximilian-Alexander Muster"_s, u"1234567890"_s, u"10020030"_s,
       u"Volksbank Rhein-Ruhr-Wupper"_s, u"Mustermann-Schulzes"_s, u"Lastschrift Kunde 9"_s},
  };
  einstellen("Lastschrift_Name", u"Hans Maier"_s);
  einstellen("Lastschrift_KontoNr", u"4711"_s);
  for (const Fall& f : faelle) {
    SCOPED_TRACE(f.name);
    satzZeigen(f.satz);
    feldWaehlen(f.feld);
    int mal = 0;
    druckoptionen({}, [&](FormPrnLastschrift& l) {
      ++mal;
      EXPECT_EQ(l.Caption(), u"Lastschrift drucken"_s);
      EXPECT_EQ(l.TxtAbsName->Text(), f.schuldner);
      EXPECT_EQ(l.TxtAbsKontoNr->Text(), f.konto);
      EXPECT_EQ(l.TxtAbsBLZ->Text(), f.blz);
      EXPECT_EQ(l.TxtAbsBank->Text(), f.bank);
      EXPECT_EQ(l.TxtVerwendung1->Text(), f.verwendung1);
      EXPECT_EQ(l.TxtVerwendung2->Text(), f.verwendung2);
      EXPECT_EQ(l.TxtBetrag->Text(), QString());
      EXPECT_EQ(l.TxtWährung->Text(), u"DM"_s);
      EXPECT_EQ(l.TxtEmpName->Text(), u"Hans Maier"_s);
      EXPECT_EQ(l.TxtEmpKontoNr->Text(), u"4711"_s);
      EXPECT_FALSE(l.SammelDruck);
    });
    m().mnuPrnLastschrift_Click();
    EXPECT_EQ(mal, 1);
    EXPECT_FALSE(FormPrnLastschrift::IsLoaded());
  }
}

TEST_F(LastschriftTest, TheCurrencyListHasEveryEntryOfTheSettingAndItIsWrittenBack) {
  FormPrnLastschrift& l = d();
  EXPECT_EQ(l.TxtWährung->ListCount(), 17);  // "ATS" twice
  EXPECT_EQ(IniLesen(QString(), QString(), u"Währungskürzel"_s, u"-"_s),
            u"DM;DEM;EUR;BEF;FIM;FRF;IEP;ITL;LXF;NLG;ATS;PTE;ESP;DKK;ATS;CHF;HUF;"_s);
}

TEST_F(LastschriftTest, TheFormTypeNeedsThePicture) {
  struct Fall {
    bool bild;
    const char* bankForm;  // nullptr: no setting
    int gewaehlt;
  };
  const Fall faelle[] = {{false, "1", 0}, {true, "1", 1}, {true, "0", 0}, {true, nullptr, 0}};
  for (const Fall& f : faelle) {
    SCOPED_TRACE(testing::Message() << f.bild << (f.bankForm ? f.bankForm : "-"));
    FormPrnLastschrift::Unload();
    QFile::remove(bildDatei());
    if (f.bild) bildAnlegen();
    einstellen("Lastschrift_BankForm", f.bankForm ? QString::fromLatin1(f.bankForm) : QString());
    FormPrnLastschrift& l = d();
    EXPECT_EQ(l.optFormular(1).isEnabled(), f.bild);
    EXPECT_EQ(l.optFormular(1).property("Tag").toString(), f.bild ? bildDatei() : QString());
    EXPECT_TRUE(l.optFormular(f.gewaehlt).Value());
  }
}

TEST_F(LastschriftTest, TheFontIsTheFirstThatContainsTheSetting) {
  struct Fall {
    const char* gespeichert;
    const char* gewaehlt;
  };
  const Fall faelle[] = {{nullptr, "Courier New"}, {"times", "Times New Roman"}, {"Unbekannt", "Courier New"}};
  for (const Fall& f : faelle) {
    SCOPED_TRACE(f.gespeichert ? f.gespeichert : "none");
    FormPrnLastschrift::Unload();
    if (f.gespeichert) einstellen("Lastschrift_Font", QString::fromLatin1(f.gespeichert));
    EXPECT_EQ(d().ComboSchrift->Text(), QString::fromLatin1(f.gewaehlt));
  }
}

TEST_F(LastschriftTest, TheSettingsSaveWritesTheFiveKeys) {
  bildAnlegen();
  FormPrnLastschrift& l = d();
  l.optFormular(1).setValue(true);
  l.TxtEmpName->setText(u"  Hans Maier "_s);
  l.TxtEmpKontoNr->setText(u" 4711"_s);
  l.TxtWährung->setText(u"EUR "_s);
  l.ComboSchrift->setListIndex(l.ComboSchrift->findText(u"Times New Roman"_s));
  l.mnuSetupSave->action()->trigger();
  QFile ini(IniDateiAufloesen(QString()));
  ASSERT_TRUE(ini.open(QIODevice::ReadOnly));
  const QString text = Codec::dekodieren(ini.readAll());
  // The five keys in the order they are written, trimmed but for the font.
  const QString block =
      u"Lastschrift_BankForm=1\r\nLastschrift_Name=Hans Maier\r\nLastschrift_KontoNr=4711\r\n"
      "Lastschrift_Währung=EUR\r\nLastschrift_Font=Times New Roman\r\n"_s;
  EXPECT_TRUE(text.contains(block)) << text.toStdString();
  // With the sheet chosen the form type goes back to 0.
  l.optFormular(0).setValue(true);
  l.mnuSetupSave_Click();
  EXPECT_EQ(IniLesen(QString(), QString(), u"Lastschrift_BankForm"_s, u"-"_s), u"0"_s);
}

TEST_F(LastschriftTest, FilingAppendsOneLineAndHidesTheDialog) {
  satzZeigen(0);
  feldWaehlen(-1);
  FormPrnLastschrift& l = d();
  for (auto* b : {l.TxtAbsName, l.TxtAbsKontoNr, l.TxtAbsBLZ, l.TxtAbsBank, l.TxtBetrag, l.TxtVerwendung1,
                  l.TxtVerwendung2, l.TxtEmpKontoNr})
    b->setText(QString());
  l.TxtWährung->setText(QString());
  l.TxtEmpName->setText(QString());
  l.show();
  l.mnuLastFileSave->action()->trigger();
  EXPECT_FALSE(l.isVisible());
  EXPECT_EQ(klaenge(toene()), 1);
  const QByteArray leer = "Kartulon Lastschrift\t-\t-\t-\t-\t-\t-\t-\t-\t-\t-\t\r\n";
  EXPECT_EQ(sammelInhalt(), leer);
  FormPrnLastschrift::Unload();

  // A second debit is appended, a TAB in a value written as a blank, and an umlaut in the Windows code page.
  FormPrnLastschrift& z = d();
  z.TxtBetrag->setText(u"19,99*3"_s);
  z.TxtEmpName->setText(u"Hans\tMaier"_s);
  z.TxtEmpKontoNr->setText(u"4711"_s);
  z.TxtWährung->setText(u"EUR"_s);
  z.mnuLastFileSave_Click();
  EXPECT_EQ(sammelInhalt(), leer +
                                "Kartulon Lastschrift\t-Anna Meier\t-1234567890\t-37050198\t-Sparkasse K\xf6lnBonn\t"
                                "-EUR\t-19,99*3\t-\t-Lastschrift Kunde 7\t-Hans Maier\t-4711\t\r\n");
}

TEST_F(LastschriftTest, AMissingCollectionFileIsReportedOnce) {
  FormPrnLastschrift& l = d();
  druckoptionen({});
  dialoge().answer(5);
  dialoge().answer(5);
  l.mnuLastFileLoad_Click();
  ASSERT_EQ(dialoge().requests().size(), 1);
  EXPECT_TRUE(dialoge().requests()[0].text.contains(u"Es ist ein Fehler beim Lesen der Lastschriften aufgetreten."_s));
  EXPECT_EQ(optionenGezeigt, 0);
  EXPECT_EQ(vb::Screen::MousePointer(), vb::Screen::vbDefault);
}

TEST_F(LastschriftTest, TheBatchPrintsEveryGoodLineAndAsksToDelete) {
  const QByteArray datei =
      "Kartulon Lastschrift\t-Anna Meier\t-1\t-2\t-Bank\t-EUR\t-12,50\t-a\t-b\t-Hans Maier\t-4711\t\r\n"
      "Kartulon Lastschrift\t  Eva Wolf  \t-3\t-4\t-Bank\t-DM\t-\t-c\t-d\t-Hans Maier\t-4711\t\r\n"
      "Kartulon Lastschrift\t-kurz\t-1\t\r\n"
      "kartulon Lastschrift\t-Falsch\t-1\t-2\t-Bank\t-EUR\t-1,00\t-a\t-b\t-Hans Maier\t-4711\t\r\n"
      "Kartulon Lastschrift\t-Otto Berg\t-5\t-6\t-Bank\t-EUR\t-2,00\t-e\t-f\t-Hans Maier\t-4711\t\r\n";
  struct Fall {
    const char* name;
    int loeschen;  // the answer to the delete question
  };
  for (const Fall& f : {Fall{"kept", vb::vbNo}, Fall{"deleted", vb::vbYes}}) {
    SCOPED_TRACE(f.name);
    FormPrnLastschrift::Unload();
    drucker().clear();
    dialoge().clear();
    sammelSchreiben(datei);
    FormPrnLastschrift& l = d();
    l.show();
    // The third good line is cancelled in the print options; the second asks about its missing amount.
    druckoptionen({{}, {}, {0, 0, true}});
    dialoge().answer(vb::vbOK);
    dialoge().answer(f.loeschen);
    l.mnuLastFileLoad_Click();
    ASSERT_EQ(dialoge().requests().size(), 2);
    EXPECT_EQ(dialoge().requests()[0].text, u"Sie haben keinen Betrag eingegeben."_s);
    EXPECT_EQ(dialoge().requests()[1].text, u"Soll die Lastschrift-Sammeldatei jetzt gelöscht werden?"_s);
    EXPECT_EQ(dialoge().requests()[1].title, u"Lastschrift-Sammeldatei löschen?"_s);
    EXPECT_EQ(dialoge().requests()[1].style, vb::vbYesNo | vb::vbQuestion);
    EXPECT_EQ(optionenGezeigt, 3);
    QStringList texte;
    for (const auto& o : drucker().texts()) texte << o.text;
    EXPECT_TRUE(texte.contains(u"Anna Meier"_s));
    EXPECT_TRUE(texte.contains(u"Eva Wolf"_s));
    EXPECT_FALSE(texte.contains(u"Otto Berg"_s));
    EXPECT_FALSE(texte.contains(u"Falsch"_s));
    EXPECT_FALSE(texte.contains(u"kurz"_s));
    // The dialog stays open with the last debit.
    EXPECT_TRUE(l.isVisible());
    EXPECT_TRUE(l.SammelDruck);
    EXPECT_EQ(l.TxtAbsName->Text(), u"Otto Berg"_s);
    EXPECT_EQ(QFile::exists(sammeldatei()), f.loeschen != vb::vbYes);
    EXPECT_EQ(klaenge(toene()), 1);
    toene().clear();
  }
}

TEST_F(LastschriftTest, AnEmptyCollectionFilePrintsNothingAndStillAsks) {
  sammelSchreiben(QByteArray());
  FormPrnLastschrift& l = d();
  druckoptionen({});
  dialoge().answer(vb::vbNo);
  l.mnuLastFileLoad_Click();
  ASSERT_EQ(dialoge().requests().size(), 1);
  EXPECT_EQ(dialoge().requests()[0].title, u"Lastschrift-Sammeldatei löschen?"_s);
  EXPECT_EQ(optionenGezeigt, 0);
  EXPECT_TRUE(drucker().ops().isEmpty());
}

class LastschriftTastenTest : public LastschriftTest {
 protected:
  void SetUp() override {
    LastschriftTest::SetUp();
    ASSERT_NO_FATAL_FAILURE(aktivZeigen(d()));
  }
};

TEST_F(LastschriftTastenTest, EnterMovesOnFromEveryControlWithoutPrinting) {
  FormPrnLastschrift& l = d();
  l.TxtAbsName->SetFocus();
  const QList<QWidget*> reihe = {l.TxtAbsKontoNr->editor(),  l.TxtAbsBLZ->editor(),
                                 l.TxtAbsBank->editor(),     l.TxtWährung,
                                 l.TxtBetrag->editor(),      l.TxtVerwendung1->editor(),
                                 l.TxtVerwendung2->editor(), l.TxtEmpName,
                                 l.TxtEmpKontoNr->editor(),  l.ComboSchrift,
                                 l.befPrnLastschrift,        l.befAbbrechen};
  for (QWidget* naechstes : reihe) {
    taste(Qt::Key_Return, Qt::NoModifier, u"\r"_s);
    QWidget* erwartet = naechstes->focusProxy() ? naechstes->focusProxy() : naechstes;
    ASSERT_EQ(fokus(), erwartet) << naechstes->objectName().toStdString();
  }
  // From an option button too.
  l.optFormular(0).setFocus(Qt::OtherFocusReason);
  taste(Qt::Key_Return, Qt::NoModifier, u"\r"_s);
  EXPECT_NE(fokus(), &l.optFormular(0));
  EXPECT_EQ(optionenGezeigt, 0);
  EXPECT_TRUE(drucker().ops().isEmpty());
  EXPECT_TRUE(l.isVisible());
}

TEST_F(LastschriftTastenTest, TheAmountTakesADecimalCommaAndTenCharacters) {
  FormPrnLastschrift& l = d();
  l.TxtBetrag->SetFocus();
  QTest::keyClicks(fokus(), u"12.5"_s);
  EXPECT_EQ(l.TxtBetrag->Text(), u"12,5"_s);
  l.TxtVerwendung1->SetFocus();
  EXPECT_EQ(l.TxtBetrag->Text(), u"12,50"_s);
  EXPECT_EQ(l.TxtBetrag->MaxLength(), 10);
}

TEST_F(LastschriftTastenTest, F8FilesAndTheCloseBoxHides) {
  FormPrnLastschrift& l = d();
  l.TxtBetrag->SetFocus();
  taste(Qt::Key_F8);
  EXPECT_FALSE(l.isVisible());
  EXPECT_TRUE(sammelInhalt().startsWith("Kartulon Lastschrift\t-Anna Meier\t"));
  l.show();
  QApplication::setActiveWindow(&l);
  ASSERT_TRUE(QTest::qWaitForWindowActive(&l));
  l.close();
  EXPECT_FALSE(l.isVisible());
  EXPECT_TRUE(FormPrnLastschrift::IsLoaded());
}

}  // namespace
