// The amount box's rules as text: what leaving the box makes of an amount, and whether printing asks.
#include "bankforms/Betragsregeln.h"
#include "support/kern/TestUmgebung.h"

namespace {

class BetragsregelnTest : public KartulonTest {};

TEST_F(BetragsregelnTest, LeavingTheBoxAndPrinting) {
  struct Fall {
    const char* betrag;
    int maxLength;
    const char* danach;  // the text after leaving the box
    bool fragt;          // printing asks first
  };
  const Fall faelle[] = {
      {"12,5", 30, "12,50", false},
      {"12,50", 30, "12,50", false},
      {"0,5", 30, "0,50", false},
      {"19,99*3", 30, "59,97", false},
      {"120/1,16", 30, "103,45", false},
      {"12,50+7,30", 30, "19,80", false},
      {"12 eur", 30, "12,00", false},
      {"1000000", 30, "1000000,00", false},
      // What does not begin with a positive number stays as typed; printing asks.
      {"(1+2)*3", 30, "(1+2)*3", true},
      {"PI*2", 30, "PI*2", true},
      {"-5", 30, "-5", true},
      {"", 30, "", true},
      {"0,00", 30, "0,00", true},
      {"abc", 30, "abc", true},
      // A failed evaluation gives 0,00.
      {"5/0", 30, "0,00", true},
      {"1,000,50", 30, "0,00", true},
      {"1.000,50", 30, "0,00", true},
      {"1,234,567", 30, "0,00", true},
      {"1E400", 30, "0,00", true},
      {"-1E400", 30, "-1E400", true},
      // Money: the runtime's rounding of the first 15 digits, half away from zero, and never "-0,00".
      {"1,005", 30, "1,01", false},
      {"2,675", 30, "2,68", false},
      {"0,004", 30, "0,00", true},
      {"0,001-0,002", 30, "0,00", true},
      {"5-10", 30, "-5,00", true},
      {"5-5,01", 30, "-0,01", true},
      // A result that does not fit the box is no amount at all.
      {"9999999*99", 10, "0,00", true},
      {"9999999*99", 30, "989999901,00", false},
      {"999999,99", 10, "999999,99", false},
      {"9999999,99", 10, "9999999,99", false},
      {"99999999,9", 10, "0,00", true},
      {"1E20", 30, "100000000000000000000,00", false},
      {"1E30", 30, "0,00", true},
  };
  for (const Fall& f : faelle) {
    SCOPED_TRACE(f.betrag);
    const QString betrag = QString::fromUtf8(f.betrag);
    EXPECT_EQ(Betragsregeln::BetragVerlassen(betrag, f.maxLength), QString::fromUtf8(f.danach));

    // The print applies the leave rule once more; a question is answered with Cancel.
    dialoge().clear();
    dialoge().answer(vb::vbCancel);
    QString imDruck = betrag;
    int fokus = 0;
    const bool weiter = Betragsregeln::BetragVorDemDruck(imDruck, f.maxLength, [&] { ++fokus; });
    EXPECT_EQ(imDruck, QString::fromUtf8(f.danach));
    EXPECT_EQ(dialoge().requests().size(), f.fragt ? 1 : 0);
    EXPECT_EQ(fokus, f.fragt ? 1 : 0);
    EXPECT_EQ(weiter, !f.fragt);
  }
}

TEST_F(BetragsregelnTest, TheQuestionBeforePrintingWithoutAnAmount) {
  // OK prints without an amount, Cancel does not print.
  for (const int antwort : {vb::vbOK, vb::vbCancel}) {
    dialoge().clear();
    dialoge().answer(antwort);
    QString betrag;
    EXPECT_EQ(Betragsregeln::BetragVorDemDruck(betrag, 30), antwort == vb::vbOK);
    ASSERT_EQ(dialoge().requests().size(), 1);
    const auto& frage = dialoge().requests().first();
    EXPECT_EQ(frage.kind, QStringLiteral("msgbox"));
    EXPECT_EQ(frage.text, QStringLiteral("Sie haben keinen Betrag eingegeben."));
    EXPECT_EQ(frage.title, QStringLiteral("Formular ohne Betrag drucken?"));
    EXPECT_EQ(frage.style, vb::vbOKCancel + vb::vbQuestion + vb::vbDefaultButton2);
    EXPECT_EQ(dialoge().pending(), 0);
  }
  // No sound precedes this question.
  EXPECT_TRUE(toene().aufrufe().isEmpty());
}

TEST_F(BetragsregelnTest, TheAmountIsReadWithACommaAsDecimalPoint) {
  struct Fall {
    const char* betrag;
    double wert;
  };
  const Fall faelle[] = {
      {"12,50", 12.5}, {"0,50", 0.5}, {"19,99*3", 19.99}, {"(1+2)*3", 0},  {"PI*2", 0},
      {"", 0},         {"-5", -5},    {" 12 , 5", 12.5},  {"1,000,50", 1}, {"12.5", 12.5},
  };
  for (const Fall& f : faelle) EXPECT_EQ(Betragsregeln::BetragLesen(QString::fromUtf8(f.betrag)), f.wert) << f.betrag;
}

}  // namespace
