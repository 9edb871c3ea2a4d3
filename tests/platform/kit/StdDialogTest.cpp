// The common-dialog control: the save dialog and the printer set-up through the dialog service.
#include "platform/dienste/Printer.h"
#include "platform/kit/StdDialog.h"
#include "support/kern/TestUmgebung.h"

class StdDialogTest : public KartulonTest {};

TEST_F(StdDialogTest, TheSaveDialogGivesTheChosenFileOrKeepsTheNameWhenCancelled) {
  vb::CommonDialog d(QStringLiteral("StdDialog"), nullptr);
  d.DialogTitle = QStringLiteral("Speichern unter");
  d.InitDir = tempPfad("daten");
  d.FileName = QStringLiteral("alt.txt");
  d.Filter = QStringLiteral("Text (*.txt)|*.txt");
  dialoge().answerCancel();
  EXPECT_FALSE(d.ShowSave());
  EXPECT_EQ(d.FileName, QStringLiteral("alt.txt"));
  dialoge().answerText(tempPfad("daten/neu.txt"));
  EXPECT_TRUE(d.setAction(vb::cdlAktionSpeichern));
  EXPECT_EQ(d.FileName, tempPfad("daten/neu.txt"));
  ASSERT_EQ(dialoge().requests().size(), 2);
  const auto& r = dialoge().requests()[1];
  EXPECT_EQ(r.kind, QStringLiteral("file"));
  EXPECT_EQ(r.style, 1);  // save
  EXPECT_EQ(r.title, QStringLiteral("Speichern unter"));
  EXPECT_EQ(r.text, QStringLiteral("Text (*.txt)|*.txt"));
}

TEST_F(StdDialogTest, ThePrinterSetUpChoosesPrinterAndOrientationForTheRun) {
  vb::CommonDialog d(QStringLiteral("StdDialog"), nullptr);
  drucker().setPrinters({{"Testdrucker", "LPT1:", "x"}, {"Laser", "cups", "y"}});
  // The orientation alone, on the same printer.
  dialoge().answerPrinter(QStringLiteral("Testdrucker"), vb::vbPRORLandscape);
  EXPECT_TRUE(d.setAction(vb::cdlAktionDrucker));
  EXPECT_EQ(vb::Printer().DeviceName(), QStringLiteral("Testdrucker"));
  EXPECT_EQ(vb::Printer().Orientation(), vb::vbPRORLandscape);
  EXPECT_EQ(dialoge().requests()[0].standard, QStringLiteral("Testdrucker"));
  EXPECT_EQ(dialoge().requests()[0].style, vb::vbPRORPortrait);
  // Another printer keeps the orientation chosen with it.
  dialoge().answerPrinter(QStringLiteral("Laser"), vb::vbPRORLandscape);
  EXPECT_TRUE(d.ShowPrinter());
  EXPECT_EQ(vb::Printer().DeviceName(), QStringLiteral("Laser"));
  EXPECT_EQ(vb::Printer().Orientation(), vb::vbPRORLandscape);
  // A printer that is not installed changes nothing.
  dialoge().answerPrinter(QStringLiteral("Fehlt"), vb::vbPRORPortrait);
  EXPECT_FALSE(d.ShowPrinter());
  EXPECT_EQ(vb::Printer().DeviceName(), QStringLiteral("Laser"));
  EXPECT_EQ(vb::Printer().Orientation(), vb::vbPRORLandscape);
}
