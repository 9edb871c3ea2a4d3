// The debit print on the recording printer, positions in centimetres from the printable corner: both
// forms, the cut mark, the picture, the receipt strip, a batch's strip, a failing printer; then one real
// print into a PDF.
#include "bankforms/formen/LastschriftFixture.h"
#include "platform/dienste/Dialogs.h"
#include "platform/vb/Clock.h"

#include <QProcess>
#include <QStandardPaths>

using namespace Qt::Literals::StringLiterals;
using Op = vb::RecordingPrinter::Op;
using RP = vb::RecordingPrinter;

namespace {

constexpr long kMagenta = 0xFF00FF;

class LastschriftDruckTest : public LastschriftTest {
 protected:
  FormPrnLastschrift& ausgefuellt(const QString& betrag) {
    satzZeigen(0);  // Hauptstr. 1, 50667 Köln, index 7
    FormPrnLastschrift& l = d();
    l.TxtBetrag->setText(betrag);
    l.TxtWährung->setText(u"DM"_s);
    l.TxtVerwendung1->setText(u"Rechnung 12"_s);
    l.TxtEmpName->setText(u"Hans Maier"_s);
    l.TxtEmpKontoNr->setText(u"4711"_s);
    return l;
  }
};

// Both forms and the strip as laid out at the margins (the empty strip lines print nothing).
QList<Stelle> seite(double rx, double ry, const QString& betrag, const QString& streifenBetrag, const QString& strasse,
                    const QString& ort, const QString& kunde) {
  QList<Stelle> l;
  const double x0 = rx / 10 - 1.1;
  for (double yp : {6.6, 17.2}) {
    const double y0 = ry / 10 + yp;
    l << Stelle{u"Anna Meier"_s, x0 + 1.1, y0 + 2.3} << Stelle{u"1234567890"_s, x0 + 1.3, y0 + 3.1}
      << Stelle{u"37050198"_s, x0 + 10.4, y0 + 3.1} << Stelle{u"Sparkasse KölnBonn"_s, x0 + 1.1, y0 + 3.9}
      << Stelle{u"DM"_s, x0 + 6.5, y0 + 4.8};
    if (!betrag.isEmpty()) l << Stelle{betrag, x0 + 8.5, y0 + 4.8};
    l << Stelle{u"Rechnung 12"_s, x0 + 1.1, y0 + 5.6} << Stelle{u"Lastschrift Kunde 7"_s, x0 + 1.1, y0 + 6.45}
      << Stelle{u"Hans Maier"_s, x0 + 1.1, y0 + 7.4} << Stelle{u"4711"_s, x0 + 1.1, y0 + 8.2};
  }
  const QString zeilen[] = {u"Lastschrift"_s,
                            {},
                            {},
                            u"15.11.1999"_s,
                            {},
                            streifenBetrag + u" DM"_s,
                            {},
                            u"Knt.Nr. 1234567890"_s,
                            u"BLZ     37050198"_s,
                            u"Sparkasse KölnBonn"_s,
                            {},
                            {},
                            u"Rechnung 12"_s,
                            u"Lastschrift Kunde 7"_s,
                            {},
                            {},
                            u"Anna Meier"_s,
                            strasse,
                            ort,
                            {},
                            kunde,
                            {}};
  const double zeile = cm(RP::lineHeight(9));
  for (int i = 0; i < 22; ++i)
    if (!zeilen[i].isEmpty()) l << Stelle{zeilen[i], rx / 10 + 14.4, ry / 10 + 7.6 + i * zeile};
  return l;
}

TEST_F(LastschriftDruckTest, BothFormsTheCutMarkAndTheStripAtTheMargins) {
  Clock::setFixed(QDateTime(QDate(1999, 11, 15), QTime(12, 0)));
  bildAnlegen();
  struct Fall {
    const char* name;
    int rx, ry;
    QString betrag;
    bool bild;
  };
  const Fall faelle[] = {
      {"sheet, margins 0 and 0", 0, 0, u"12,50"_s, false},
      {"sheet, margins 10 and 5", 10, 5, u"0,50"_s, false},
      {"picture, no cut mark", 10, 5, u"12,50"_s, true},
      {"no amount after OK", 0, 0, QString(), false},
  };
  for (const Fall& f : faelle) {
    SCOPED_TRACE(f.name);
    drucker().clear();
    dialoge().clear();
    FormPrnLastschrift& l = ausgefuellt(f.betrag);
    l.optFormular(f.bild ? 1 : 0).setValue(true);
    druckoptionen({{f.rx, f.ry}});
    if (f.betrag.isEmpty()) dialoge().answer(vb::vbOK);
    l.show();
    l.befPrnLastschrift_Click();
    EXPECT_FALSE(l.isVisible()) << "a single print hides the dialog";
    ASSERT_EQ(titel.size(), 1);
    EXPECT_EQ(titel[0], u"Drucken - Kartulon Überweisung"_s);
    EXPECT_EQ(jobs[0], u"Kartulon_Lastschrift"_s);
    EXPECT_FALSE(PrinterSet::IsLoaded());
    EXPECT_EQ(ops(RP::EndDoc).size(), 1);
    const QString streifen = f.betrag.isEmpty() ? u"0,00"_s : f.betrag;
    const QList<Stelle> soll = seite(f.rx, f.ry, f.betrag, streifen, u"Hauptstr. 1"_s, u"50667 Köln"_s, u"Kunde #7"_s);
    vergleichen(texte(), soll);
    for (const Op& o : drucker().texts().mid(1)) {
      const bool strip = cm(o.at.twipsX) > f.rx / 10.0 + 14;
      EXPECT_EQ(o.font.size, strip ? 9 : 13) << o.text.toStdString();
      EXPECT_FALSE(o.font.bold);
      EXPECT_EQ(o.color, o.text == u"Lastschrift"_s ? kMagenta : 0) << o.text.toStdString();
    }
    const QList<Op> bilder = ops(RP::Picture);
    const QList<Op> linien = ops(RP::Line);
    if (f.bild) {
      ASSERT_EQ(bilder.size(), 1);
      EXPECT_NEAR(cm(bilder[0].at.twipsX), f.rx / 10.0 - 0.7, 1e-6);
      EXPECT_NEAR(cm(bilder[0].at.twipsY), f.ry / 10.0 + 6.8, 1e-6);
      EXPECT_TRUE(linien.isEmpty());
    } else {
      EXPECT_TRUE(bilder.isEmpty());
      // One cross, beside the lower form.
      ASSERT_EQ(linien.size(), 2);
      const double x0 = f.rx / 10.0 - 1.1, y0 = f.ry / 10.0 + 17.2;
      EXPECT_NEAR(cm(linien[0].at.twipsX), x0 + 14.8, 1e-6);
      EXPECT_NEAR(cm(linien[0].to.twipsX), x0 + 15.2, 1e-6);
      EXPECT_NEAR(cm(linien[0].at.twipsY), y0 + 0.1, 1e-6);
      EXPECT_NEAR(cm(linien[1].at.twipsX), x0 + 15.0, 1e-6);
      EXPECT_NEAR(cm(linien[1].at.twipsY), y0 - 0.1, 1e-6);
      EXPECT_NEAR(cm(linien[1].to.twipsY), y0 + 0.3, 1e-6);
    }
    FormPrnLastschrift::Unload();
  }
}

TEST_F(LastschriftDruckTest, ABatchStripLeavesOutTheMainWindowsAddress) {
  Clock::setFixed(QDateTime(QDate(1999, 11, 15), QTime(12, 0)));
  FormPrnLastschrift& l = ausgefuellt(u"12,50"_s);
  l.SammelDruck = true;
  druckoptionen({});
  l.show();
  l.befPrnLastschrift_Click();
  EXPECT_TRUE(l.isVisible()) << "a print after a batch leaves the dialog open";
  const QList<Stelle> soll = seite(0, 0, u"12,50"_s, u"12,50"_s, {}, {}, u"Kunde #"_s);
  vergleichen(texte(), soll);
}

TEST_F(LastschriftDruckTest, ACancelOrAFailingPrinterLeavesTheDialogOpen) {
  FormPrnLastschrift& l = ausgefuellt(u"12,50"_s);
  l.show();
  druckoptionen({{0, 0, true}});
  l.befPrnLastschrift_Click();
  EXPECT_TRUE(l.isVisible());
  EXPECT_TRUE(drucker().ops().isEmpty());

  drucker().setFailing(true);
  druckoptionen({});
  dialoge().clear();
  l.befPrnLastschrift_Click();
  ASSERT_EQ(dialoge().requests().size(), 1);
  EXPECT_TRUE(dialoge().requests()[0].text.contains(u"Es ist ein Fehler aufgetreten."_s));
  EXPECT_TRUE(ops(RP::EndDoc).isEmpty());
  EXPECT_TRUE(l.isVisible());
  EXPECT_FALSE(PrinterSet::IsLoaded());
}

TEST_F(LastschriftDruckTest, AFontThePrinterLacksIsSkippedSilently) {
  FormPrnLastschrift& l = ausgefuellt(u"12,50"_s);
  l.ComboSchrift->Clear();
  druckoptionen({});
  dialoge().clear();
  l.befPrnLastschrift_Click();
  EXPECT_TRUE(dialoge().requests().isEmpty());
  EXPECT_EQ(ops(RP::EndDoc).size(), 1);
  for (const Op& o : drucker().texts().mid(1)) EXPECT_EQ(o.font.name, u"Courier New"_s);
}

TEST_F(LastschriftDruckTest, ABatchEndsWhenThePrinterErrorIsAnsweredCancel) {
  sammelSchreiben(
      "Kartulon Lastschrift\t-A\t-1\t-2\t-B\t-EUR\t-1,00\t-a\t-b\t-c\t-d\t\r\n"
      "Kartulon Lastschrift\t-Z\t-1\t-2\t-B\t-EUR\t-1,00\t-a\t-b\t-c\t-d\t\r\n");
  FormPrnLastschrift& l = d();
  drucker().setFailing(true);
  druckoptionen({});
  dialoge().answer(vb::vbCancel);
  l.mnuLastFileLoad_Click();
  ASSERT_EQ(dialoge().requests().size(), 1);
  EXPECT_EQ(optionenGezeigt, 1);
  EXPECT_TRUE(QFile::exists(sammeldatei()));
}

TEST_F(LastschriftDruckTest, ARealPrintIntoAPdf) {
  if (QStandardPaths::findExecutable(u"pdftotext"_s).isEmpty()) GTEST_SKIP() << "pdftotext (poppler-utils) is needed";
  const QString pdf = tempPfad(u"lastschrift.pdf"_s);
  vb::installPrinterBackend(std::make_unique<vb::QtPrinterBackend>(pdf));
  FormPrnLastschrift& l = ausgefuellt(u"12,50"_s);
  druckoptionen({{10, 10}});
  l.befPrnLastschrift_Click();
  ASSERT_TRUE(QFileInfo::exists(pdf));
  const QString text = pdfText(pdf);
  for (const QString& t : {u"Anna Meier"_s, u"Lastschrift"_s, u"12,50 DM"_s, u"Kunde #7"_s, u"Hans Maier"_s})
    EXPECT_TRUE(text.contains(t)) << t.toStdString() << "\n" << text.toStdString();
  EXPECT_EQ(text.count(u'\f'), 1) << "one page";
}

}  // namespace
