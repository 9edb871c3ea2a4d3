// The bank forms' typing rules on a small form with the transfer order's twelve boxes in their tab order,
// driven by key events sent to whichever widget has the focus, as a keyboard would.
#include "bankforms/formen/Feldregeln.h"
#include "common/formen/Auswahl.h"
#include "platform/kit/Controls.h"
#include "platform/kit/Form.h"
#include "support/kern/TestUmgebung.h"

#include <QApplication>
#include <QFocusEvent>
#include <QTest>

namespace {

class Ueberweisung : public vb::DialogForm {
 public:
  // vorschau: the form sees every key first and handles Enter once for all its boxes, as the direct
  // debit and cash-on-delivery dialogs do; else every box handles its own.
  explicit Ueberweisung(bool vorschau = false) {
    const auto box = [this](vb::TextBox*& b, const char* name, int laenge) {
      b = new vb::TextBox(this);
      b->setObjectName(QString::fromUtf8(name));
      Feldregeln::FeldLaenge(*b, laenge);
      reihe.append(b->editor());
    };
    box(TxtEmpfängerName, "TxtEmpfängerName", 27);
    box(TxtEmpfängerKontoNr, "TxtEmpfängerKontoNr", 10);
    box(TxtEmpfängerBLZ, "TxtEmpfängerBLZ", 8);
    box(TxtEmpfängerBank, "TxtEmpfängerBank", 27);
    TxtWährung = new vb::ComboBox(this, 0);
    TxtWährung->setSorted(true);
    TxtWährung->AddItem(QStringLiteral("EUR"));
    TxtWährung->AddItem(QStringLiteral("DM"));
    reihe.append(TxtWährung);
    box(TxtBetrag, "TxtBetrag", 30);
    box(TxtVerwendung1, "TxtVerwendung1", 27);
    box(TxtVerwendung2, "TxtVerwendung2", 27);
    box(TxtAuftraggeberName, "TxtAuftraggeberName", 27);
    box(TxtAuftraggeberKontoNr, "TxtAuftraggeberKontoNr", 10);
    box(TxtAuftraggeberBLZ, "TxtAuftraggeberBLZ", 8);
    box(TxtAuftraggeberBank, "TxtAuftraggeberBank", 27);
    BefDrucken = new vb::CommandButton(this);
    BefDrucken->setCaption(QStringLiteral("&Drucken"));
    BefDrucken->setDefault(true);
    BefDrucken->Click = [this] {
      ++gedrueckt;
      if (Feldregeln::BetragVorDemDruck(*TxtBetrag)) ++gedruckt;
    };
    BefZurueck = new vb::CommandButton(this);
    BefZurueck->setCaption(QStringLiteral("&Zurück"));
    BefZurueck->setCancel(true);
    BefZurueck->Click = [this] { ++gedrueckt; };
    reihe.append(BefDrucken);
    reihe.append(BefZurueck);
    for (qsizetype i = 1; i < reihe.size(); ++i) QWidget::setTabOrder(reihe[i - 1], reihe[i]);

    // The dialog's own handlers first, the rules after them.
    TxtBetrag->LostFocus = [this] { ++betragVerlassen; };
    for (vb::TextBox* b : textboxen()) {
      if (b != TxtEmpfängerBank && b != TxtAuftraggeberBank) Feldregeln::TextMarkieren(*b);
      if (!vorschau) Feldregeln::EnterWeiter(*b);
    }
    if (vorschau)
      setKeyPreview(true);
    else
      Feldregeln::EnterWeiter(*TxtWährung);
    Feldregeln::BankAusBankleitzahl(*TxtEmpfängerBank, *TxtEmpfängerBLZ);
    Feldregeln::BankAusBankleitzahl(*TxtAuftraggeberBank, *TxtAuftraggeberBLZ);
    for (vb::TextBox* b : {TxtAuftraggeberName, TxtAuftraggeberKontoNr, TxtAuftraggeberBLZ, TxtAuftraggeberBank})
      Feldregeln::AuftraggeberZeichen(*b);
    Feldregeln::Betragsfeld(*TxtBetrag);
    resize(500, 400);
  }

  void Form_KeyPress(int& keyAscii) override { Feldregeln::EnterWeiter(keyAscii); }

  QList<vb::TextBox*> textboxen() const {
    return {TxtEmpfängerName,   TxtEmpfängerKontoNr, TxtEmpfängerBLZ,     TxtEmpfängerBank,       TxtBetrag,
            TxtVerwendung1,     TxtVerwendung2,      TxtAuftraggeberName, TxtAuftraggeberKontoNr, TxtAuftraggeberBLZ,
            TxtAuftraggeberBank};
  }

  vb::TextBox *TxtEmpfängerName, *TxtEmpfängerKontoNr, *TxtEmpfängerBLZ, *TxtEmpfängerBank;
  vb::ComboBox* TxtWährung;
  vb::TextBox *TxtBetrag, *TxtVerwendung1, *TxtVerwendung2;
  vb::TextBox *TxtAuftraggeberName, *TxtAuftraggeberKontoNr, *TxtAuftraggeberBLZ, *TxtAuftraggeberBank;
  vb::CommandButton *BefDrucken, *BefZurueck;
  // The widgets that take the focus, in tab order: the twelve boxes, then the buttons.
  QList<QWidget*> reihe;
  int gedrueckt = 0, gedruckt = 0, betragVerlassen = 0;
};

class FeldregelnTest : public KartulonTest {
 protected:
  void SetUp() override {
    KartulonTest::SetUp();
    dateiSchreiben(programmOrdner() + QStringLiteral("/Kataloge/D-BLZ_7.Txt"),
                   "[BLZ]\r\n70050000=Landesbank\r\n70050001=Zweite Bank,Erste Bank\r\n");
    f_ = std::make_unique<Ueberweisung>();
    f_->show();
    QApplication::setActiveWindow(f_.get());
    ASSERT_TRUE(QTest::qWaitForWindowActive(f_.get()));
  }
  void TearDown() override {
    f_.reset();
    KartulonTest::TearDown();
  }

  Ueberweisung& u() { return *f_; }
  static QWidget* fokus() { return QApplication::focusWidget(); }
  // The place of the focused widget in the tab order, -1 for another.
  int fokusPlatz() const { return static_cast<int>(f_->reihe.indexOf(fokus())); }

  static void taste(Qt::Key key, const QString& text = {}) {
    QTest::sendKeyEvent(QTest::Press, fokus(), key, text, Qt::NoModifier);
    QTest::sendKeyEvent(QTest::Release, fokus(), key, text, Qt::NoModifier);
  }
  // Types the text; "\n" is Enter, "\t" Tab.
  static void tippen(const QString& text) {
    for (QChar c : text) {
      if (c == u'\n')
        taste(Qt::Key_Return, QStringLiteral("\r"));
      else if (c == u'\t')
        taste(Qt::Key_Tab, QStringLiteral("\t"));
      else
        taste(static_cast<Qt::Key>(c.toUpper().unicode()), QString(c));
    }
  }
  // Gives the box the focus as a Tab from the box before it does (Shift+Tab from the second for the first).
  void hinein(vb::TextBox* box) {
    const int platz = static_cast<int>(f_->reihe.indexOf(box->editor()));
    if (platz > 0) {
      f_->reihe[platz - 1]->setFocus(Qt::OtherFocusReason);
      taste(Qt::Key_Tab, QStringLiteral("\t"));
    } else {
      f_->reihe[1]->setFocus(Qt::OtherFocusReason);
      QTest::sendKeyEvent(QTest::Press, fokus(), Qt::Key_Backtab, QString(), Qt::ShiftModifier);
    }
    ASSERT_EQ(fokus(), box->editor());
  }
  bool ganzMarkiert(vb::TextBox* box) const { return box->SelStart() == 0 && box->SelLength() == box->Text().size(); }

  // Answers the pick list with `wahl` (empty: Abbruch) and counts its showings.
  void auswahlBeantworten(const QString& wahl) {
    vb::Forms::setModalInterceptor([this, wahl](vb::FormBase& form) {
      auto& a = dynamic_cast<Auswahl&>(form);
      ++auswahlGezeigt;
      angeboten.clear();
      for (int i = 0; i < a.Liste->ListCount(); ++i) angeboten << a.Liste->List(i);
      if (beimZeigen) beimZeigen();
      if (wahl.isEmpty()) {
        a.befAbbruch->click();
        return;
      }
      for (int i = 0; i < a.Liste->ListCount(); ++i)
        if (a.Liste->List(i) == wahl) a.Liste->setListIndex(i);
      a.befOk->click();
    });
  }
  int auswahlGezeigt = 0;
  QStringList angeboten;
  std::function<void()> beimZeigen;

  std::unique_ptr<Ueberweisung> f_;
};

TEST_F(FeldregelnTest, EnteringABoxSelectsItsWholeText) {
  for (vb::TextBox* b : u().textboxen()) b->setText(QStringLiteral("Text von ") + b->objectName());
  for (vb::TextBox* b : u().textboxen()) {
    SCOPED_TRACE(b->objectName().toStdString());
    hinein(b);
    EXPECT_TRUE(ganzMarkiert(b));
    // Typing replaces it.
    tippen(QStringLiteral("1"));
    EXPECT_EQ(b->Text(), QStringLiteral("1"));
  }
  // Also when code gives the focus.
  u().TxtVerwendung1->setText(QStringLiteral("Rechnung 4711"));
  u().TxtVerwendung1->SetFocus();
  EXPECT_TRUE(ganzMarkiert(u().TxtVerwendung1));
}

TEST_F(FeldregelnTest, EnterMovesOnInTabOrderAndNeverPressesAButton) {
  u().TxtEmpfängerName->SetFocus();
  for (int platz = 0; platz < 12; ++platz) {
    ASSERT_EQ(fokusPlatz(), platz);
    tippen(QStringLiteral("\n"));
  }
  // From the last box Enter reaches the print button, without pressing it.
  EXPECT_EQ(fokusPlatz(), 12);
  EXPECT_EQ(u().gedrueckt, 0);
  // Nothing of the Enter reached a box's text.
  for (vb::TextBox* b : u().textboxen()) EXPECT_EQ(b->Text(), QString()) << b->objectName().toStdString();
  // Enter in the currency box moves the focus to the amount box.
  u().TxtWährung->SetFocus();
  tippen(QStringLiteral("CHF\n"));
  EXPECT_EQ(fokus(), u().TxtBetrag->editor());
  EXPECT_EQ(u().TxtWährung->Text(), QStringLiteral("CHF"));
  EXPECT_EQ(u().gedrueckt, 0);
}

TEST_F(FeldregelnTest, AFormThatSeesEveryKeyFirstHandlesEnterOnce) {
  f_ = std::make_unique<Ueberweisung>(true);
  f_->show();
  QApplication::setActiveWindow(f_.get());
  ASSERT_TRUE(QTest::qWaitForWindowActive(f_.get()));
  u().TxtEmpfängerName->SetFocus();
  for (int platz = 0; platz < 12; ++platz) {
    ASSERT_EQ(fokusPlatz(), platz);
    tippen(QStringLiteral("1\n"));
  }
  EXPECT_EQ(fokusPlatz(), 12);
  EXPECT_EQ(u().gedrueckt, 0);
  EXPECT_EQ(u().TxtWährung->Text(), QStringLiteral("1"));
  EXPECT_EQ(u().TxtBetrag->Text(), QStringLiteral("1,00"));
}

TEST_F(FeldregelnTest, OnlyThePayerBoxesTypeSemicolonAndBarAsCommaAndDash) {
  const QString getippt = QStringLiteral("Müller; Meier|Sohn");
  struct Fall {
    vb::TextBox* box;
    const char* erwartet;
  };
  const Fall faelle[] = {
      {u().TxtAuftraggeberName, "Müller, Meier-Sohn"},
      {u().TxtAuftraggeberKontoNr, "Müller, Me"},
      {u().TxtAuftraggeberBLZ, "Müller, "},
      {u().TxtAuftraggeberBank, "Müller, Meier-Sohn"},
      {u().TxtEmpfängerName, "Müller; Meier|Sohn"},
      {u().TxtVerwendung1, "Müller; Meier|Sohn"},
  };
  for (const Fall& f : faelle) {
    SCOPED_TRACE(f.box->objectName().toStdString());
    hinein(f.box);
    tippen(getippt);
    EXPECT_EQ(f.box->Text(), QString::fromUtf8(f.erwartet));
  }
  u().TxtWährung->SetFocus();
  tippen(QStringLiteral(";|."));
  EXPECT_EQ(u().TxtWährung->Text(), QStringLiteral(";|."));
}

TEST_F(FeldregelnTest, TheBankNameComesOnceFromTheBankCode) {
  auswahlBeantworten({});
  hinein(u().TxtEmpfängerBLZ);
  tippen(QStringLiteral("70050000\t"));
  EXPECT_EQ(u().TxtEmpfängerBank->Text(), QStringLiteral("Landesbank"));
  EXPECT_TRUE(ganzMarkiert(u().TxtEmpfängerBank));
  // Entered again, the box keeps its text, also when the user changed it.
  tippen(QStringLiteral("Meine Bank\t"));
  hinein(u().TxtEmpfängerBank);
  EXPECT_EQ(u().TxtEmpfängerBank->Text(), QStringLiteral("Meine Bank"));
  EXPECT_TRUE(ganzMarkiert(u().TxtEmpfängerBank));
  // An unknown code, or no code, leaves the box empty.
  for (const char* code : {"99999999", ""}) {
    u().TxtAuftraggeberBLZ->setText(QString::fromLatin1(code));
    u().TxtAuftraggeberBank->setText({});
    hinein(u().TxtAuftraggeberBank);
    EXPECT_EQ(u().TxtAuftraggeberBank->Text(), QString()) << code;
  }
  EXPECT_EQ(auswahlGezeigt, 0);
}

TEST_F(FeldregelnTest, ACancelledPickLeavesTheBankBoxEmptyWithoutAskingAgain) {
  u().TxtEmpfängerBLZ->setText(QStringLiteral("70050001"));
  // The focus coming back to the box while and after the list is shown does not look up again.
  beimZeigen = [this] {
    QFocusEvent rein(QEvent::FocusIn, Qt::OtherFocusReason);
    QCoreApplication::sendEvent(u().TxtEmpfängerBank->editor(), &rein);
  };
  auswahlBeantworten({});
  hinein(u().TxtEmpfängerBank);
  EXPECT_EQ(auswahlGezeigt, 1);
  EXPECT_EQ(angeboten, (QStringList{"Erste Bank", "Zweite Bank"}));
  EXPECT_EQ(u().TxtEmpfängerBank->Text(), QString());
  QFocusEvent zurueck(QEvent::FocusIn, Qt::OtherFocusReason);
  QCoreApplication::sendEvent(u().TxtEmpfängerBank->editor(), &zurueck);
  EXPECT_EQ(auswahlGezeigt, 1);
  EXPECT_EQ(u().TxtEmpfängerBank->Text(), QString());
  // A new visit to the still empty box offers the list once more.
  beimZeigen = {};
  auswahlBeantworten(QStringLiteral("Zweite Bank"));
  tippen(QStringLiteral("\t"));
  hinein(u().TxtEmpfängerBank);
  EXPECT_EQ(auswahlGezeigt, 2);
  EXPECT_EQ(u().TxtEmpfängerBank->Text(), QStringLiteral("Zweite Bank"));
  EXPECT_TRUE(ganzMarkiert(u().TxtEmpfängerBank));
}

TEST_F(FeldregelnTest, TheAmountBoxFromTypingToPrinting) {
  struct Fall {
    const char* getippt;    // typed keys
    const char* angezeigt;  // the box while typing
    const char* verlassen;  // after leaving it
    bool fragt;             // printing asks
  };
  const Fall faelle[] = {
      {"12.5", "12,5", "12,50", false},       {"0,5", "0,5", "0,50", false},
      {"19,99*3", "19,99*3", "59,97", false}, {"(1+2)*3", "(1+2)*3", "(1+2)*3", true},
      {"PI*2", "PI*2", "PI*2", true},         {"-5", "-5", "-5", true},
      {"5/0", "5/0", "0,00", true},           {"", "", "", true},
      {"0,00", "0,00", "0,00", true},         {"1.000,50", "1,000,50", "0,00", true},
      {"1,005", "1,005", "1,01", false},      {"2,675", "2,675", "2,68", false},
  };
  for (const Fall& f : faelle) {
    SCOPED_TRACE(f.getippt);
    u().TxtBetrag->setText({});
    hinein(u().TxtBetrag);
    tippen(QString::fromUtf8(f.getippt));
    EXPECT_EQ(u().TxtBetrag->Text(), QString::fromUtf8(f.angezeigt));
    tippen(QStringLiteral("\t"));
    EXPECT_EQ(u().TxtBetrag->Text(), QString::fromUtf8(f.verlassen));

    dialoge().clear();
    dialoge().answer(vb::vbCancel);
    const int vorher = u().gedruckt;
    u().BefDrucken->click();
    EXPECT_EQ(dialoge().requests().size(), f.fragt ? 1 : 0);
    EXPECT_EQ(u().gedruckt - vorher, f.fragt ? 0 : 1);
    EXPECT_EQ(u().TxtBetrag->Text(), QString::fromUtf8(f.verlassen));
  }
  // The dialog's own leave handler still runs after the rule.
  EXPECT_GT(u().betragVerlassen, 0);
}

TEST_F(FeldregelnTest, PrintingFromInsideTheAmountBoxEvaluatesItFirst) {
  hinein(u().TxtBetrag);
  tippen(QStringLiteral("19,99*3"));
  // The print command given while the focus stays in the box.
  u().BefDrucken->Click();
  EXPECT_EQ(fokus(), u().TxtBetrag->editor());
  EXPECT_EQ(u().TxtBetrag->Text(), QStringLiteral("59,97"));
  EXPECT_EQ(u().gedruckt, 1);
  EXPECT_TRUE(dialoge().requests().isEmpty());
}

TEST_F(FeldregelnTest, TheQuestionWithoutAnAmountIsAskedFromTheAmountBox) {
  QWidget* fokusBeiFrage = nullptr;
  dialoge().onRequest = [&](const ScriptedDialogs::Request&) { fokusBeiFrage = fokus(); };
  u().TxtBetrag->setText(QStringLiteral("5/0"));
  u().TxtVerwendung1->SetFocus();
  for (const int antwort : {vb::vbOK, vb::vbCancel}) {
    SCOPED_TRACE(antwort);
    dialoge().clear();
    dialoge().answer(antwort);
    fokusBeiFrage = nullptr;
    const int vorher = u().gedruckt;
    u().BefDrucken->click();
    ASSERT_EQ(dialoge().requests().size(), 1);
    const auto& frage = dialoge().requests().first();
    EXPECT_EQ(frage.text, QStringLiteral("Sie haben keinen Betrag eingegeben."));
    EXPECT_EQ(frage.title, QStringLiteral("Formular ohne Betrag drucken?"));
    EXPECT_EQ(frage.style, vb::vbOKCancel + vb::vbQuestion + vb::vbDefaultButton2);
    EXPECT_EQ(fokusBeiFrage, u().TxtBetrag->editor());
    EXPECT_EQ(u().TxtBetrag->Text(), QStringLiteral("0,00"));
    EXPECT_EQ(u().gedruckt - vorher, antwort == vb::vbOK ? 1 : 0);
  }
}

TEST_F(FeldregelnTest, AnAmountThatDoesNotFitItsBoxIsNoAmount) {
  // The direct debit's amount box holds ten characters.
  Feldregeln::FeldLaenge(*u().TxtBetrag, 10);
  hinein(u().TxtBetrag);
  tippen(QStringLiteral("9999999*99999"));
  EXPECT_EQ(u().TxtBetrag->Text(), QStringLiteral("9999999*99"));
  tippen(QStringLiteral("\t"));
  EXPECT_EQ(u().TxtBetrag->Text(), QStringLiteral("0,00"));
  dialoge().answer(vb::vbCancel);
  u().BefDrucken->click();
  EXPECT_EQ(dialoge().requests().size(), 1);
  EXPECT_EQ(u().gedruckt, 0);
}

TEST_F(FeldregelnTest, TextPutInByTheProgramIsCutToTheBox) {
  u().TxtEmpfängerName->setText(QStringLiteral("Maximiliane von Hohenzollern-Sigmaringen"));
  EXPECT_EQ(u().TxtEmpfängerName->Text(), QStringLiteral("Maximiliane von Hohenzoller"));
  u().TxtEmpfängerBLZ->setText(QStringLiteral("7005000012"));
  EXPECT_EQ(u().TxtEmpfängerBLZ->Text(), QStringLiteral("70050000"));
  u().TxtVerwendung1->SetFocus();
  u().TxtVerwendung1->setSelText(QStringLiteral("Rechnung vom 10.12.2026 Nr. 4711"));
  EXPECT_EQ(u().TxtVerwendung1->Text(), QStringLiteral("Rechnung vom 10.12.2026 Nr."));
}

}  // namespace
