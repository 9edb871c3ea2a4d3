// The transfer order's prints on the recording printer, positions in centimetres from the printable
// corner: the classic carbon copy, the laser sheet, the sheet over its picture, and the print frame's
// cancel, orientation, printer errors and the one page; then one real print of each form into a PDF.
#include "bankforms/Betragsregeln.h"
#include "bankforms/formen/UeberweisungFixture.h"
#include "platform/dienste/Screen.h"
#include "platform/vb/Clock.h"
#include "printing/Druckvorgaben.h"

#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>

using namespace Qt::Literals::StringLiterals;
using Op = vb::RecordingPrinter::Op;
using RP = vb::RecordingPrinter;

namespace {

constexpr long kBlau = 0xFF0000;

class UeberweisungDruckTest : public UeberweisungTest {
 protected:
  // The dialog ready, filled with one order, the form type chosen.
  FormPrnUeberweisung& ausgefuellt(int typ, const QString& betrag = u"12,50"_s, const QString& waehrung = u"EUR"_s) {
    FormPrnUeberweisung& u = bereit();
    u.optFormular(typ).setValue(true);
    ausfuellen(u, betrag, waehrung);
    return u;
  }
  // Prints with the print command; the question about a missing amount is answered OK.
  void drucken(FormPrnUeberweisung& u, Druckoptionen o = {}) {
    druckoptionen(o);
    dialoge().clear();
    if (!(Betragsregeln::BetragLesen(u.TxtBetrag->Text()) > 0)) dialoge().answer(vb::vbOK);
    u.mnuDrucken_Click();
  }
  // The job: started once, one page, ended.
  void einSeitigerJob() {
    EXPECT_EQ(ops(RP::StartDoc).size(), 1);
    EXPECT_EQ(ops(RP::EndDoc).size(), 1);
    EXPECT_TRUE(ops(RP::NewPage).isEmpty());
    EXPECT_TRUE(ops(RP::KillDoc).isEmpty());
    for (const Op& o : drucker().ops()) EXPECT_EQ(o.page, 1);
    // The first output is a blank of 1 point at the printable corner.
    ASSERT_FALSE(drucker().texts().isEmpty());
    const Op erstes = drucker().texts().first();
    EXPECT_EQ(erstes.text, u" "_s);
    EXPECT_EQ(erstes.font.size, 1);
    EXPECT_EQ(erstes.at.twipsX, 0);
    EXPECT_EQ(erstes.at.twipsY, 0);
  }
};

TEST_F(UeberweisungDruckTest, TheClassicFormAtTheMargins) {
  struct Fall {
    const char* name;
    int rx, ry;
    QString betrag, waehrung;
    bool datum;
    QDate heute;
  };
  const Fall faelle[] = {
      {"margins 0 and 0", 0, 0, u"12,50"_s, u"EUR"_s, true, QDate(2026, 12, 10)},
      {"margins 50 and 20, the date without leading zeros", 50, 20, u"12,50"_s, u"EUR"_s, true, QDate(1999, 3, 5)},
      {"amount 0,00: the currency alone", 0, 0, u"0,00"_s, u"EUR"_s, true, QDate(2026, 12, 10)},
      {"amount 0,50, no date", 0, 0, u"0,50"_s, u"EUR"_s, false, QDate(2026, 12, 10)},
      {"empty currency", 0, 0, u"0,50"_s, QString(), true, QDate(2026, 12, 10)},
  };
  for (const Fall& f : faelle) {
    SCOPED_TRACE(f.name);
    drucker().clear();
    gezeigt.clear();
    Clock::setFixed(QDateTime(f.heute, QTime(12, 0)));
    FormPrnUeberweisung& u = ausgefuellt(2, f.betrag, f.waehrung);
    u.strgPrintDate->setValue(f.datum ? 1 : 0);
    drucken(u, {f.rx, f.ry});
    einSeitigerJob();
    const double x = f.rx / 10.0, y = f.ry / 10.0;
    QList<Stelle> soll = {{u"Eva Wolf"_s, x + 0.1, y + 0.8},
                          {u"12345"_s, x + 0.1, y + 1.6},
                          {u"10020030"_s, x + 9.7, y + 1.6},
                          {u"Volksbank"_s, x + 0.1, y + 2.4}};
    if (!f.waehrung.isEmpty()) soll << Stelle{f.waehrung, x + 5.7, y + 3.3};
    if (f.betrag != u"0,00"_s) soll << Stelle{f.betrag, x + 7.7, y + 3.3};
    soll << Stelle{u"Rechnung 12"_s, x + 0.1, y + 4.1} << Stelle{u"Kunde 7"_s, x + 0.1, y + 5.0}
         << Stelle{u"Hans Maier"_s, x + 0.1, y + 5.8} << Stelle{u"4711"_s, x + 0.1, y + 6.6};
    if (f.datum) soll << Stelle{f.heute.toString(u"d.M.yyyy"_s), x + 3.7, y + 8.0};
    vergleichen(texte(), soll);
    for (const Op& o : drucker().texts().mid(1)) {
      EXPECT_EQ(o.font.name, u"Courier New"_s);
      EXPECT_EQ(o.font.size, 13);
      EXPECT_TRUE(o.font.bold);
      EXPECT_FALSE(o.font.italic);
    }
    ASSERT_EQ(gezeigt.size(), 1);
    EXPECT_EQ(gezeigt[0].titel, u"Drucken - Kartulon, klassischen Überweisung"_s);
    EXPECT_EQ(gezeigt[0].job, u"Kartulon_UeberweisungKlassisch"_s);
    EXPECT_TRUE(gezeigt[0].anzahlGesperrt);
    EXPECT_TRUE(gezeigt[0].ausrichtungGesperrt);
    // The classic print unloads the print options and leaves the transfer dialog open.
    EXPECT_FALSE(PrinterSet::IsLoaded());
    EXPECT_TRUE(FormPrnUeberweisung::IsLoaded());
    EXPECT_EQ(vb::Screen::MousePointer(), vb::Screen::vbDefault);
    FormPrnUeberweisung::Unload();
  }
}

// The sheet's texts of both passes and the receipt strip, as the form lays them out, at the margins.
QList<Stelle> blatt(double rx, double ry, const QString& datum, const QString& streifenDatum) {
  QList<Stelle> l;
  for (int pass = 1; pass <= 2; ++pass) {
    const double xB = rx / 10 - 0.9, yB = ry / 10 + (pass == 1 ? 6.6 : 17.2);
    if (pass == 1) l << Stelle{datum, xB + 4.3, yB + 9.7};
    l << Stelle{u"Postbank"_s, xB + 0.7, yB + 0.9} << Stelle{u"10010010"_s, xB + 8.7, yB + 0.9}
      << Stelle{u"Eva Wolf"_s, xB + 0.9, yB + 2.2} << Stelle{u"12345"_s, xB + 1.0, yB + 3.1}
      << Stelle{u"10020030"_s, xB + 10.5, yB + 3.1} << Stelle{u"Volksbank"_s, xB + 0.9, yB + 3.9}
      << Stelle{u"EUR"_s, xB + 6.5, yB + 4.75} << Stelle{u"12,50"_s, xB + 8.5, yB + 4.75}
      << Stelle{u"Rechnung 12"_s, xB + 0.9, yB + 5.6} << Stelle{u"Kunde 7"_s, xB + 0.9, yB + 6.45}
      << Stelle{u"Hans Maier"_s, xB + 0.9, yB + 7.3} << Stelle{u"4711"_s, xB + 0.9, yB + 8.15};
    if (pass != 1) continue;
    // The strip: 23 lines from (xB + 15.5, yB + 0.9), one line of the 9-point font apart; the empty ones
    // print nothing.
    const QString zeilen[] = {u"Überweisungsauftrag"_s,
                              {},
                              {},
                              streifenDatum,
                              {},
                              u"12,50 EUR"_s,
                              {},
                              u"*** Empfänger"_s,
                              {},
                              u"Eva Wolf"_s,
                              u"KontoNr: 12345"_s,
                              u"BLZ    : 10020030"_s,
                              {},
                              u"Kunde #7"_s,
                              {},
                              u"Rechnung 12"_s,
                              u"Kunde 7"_s,
                              {},
                              u"*** Auftraggeber"_s,
                              {},
                              u"Hans Maier"_s,
                              u"KontoNr: 4711"_s,
                              u"BLZ    : 10010010"_s};
    const double zeile = cm(vb::RecordingPrinter::lineHeight(9));
    for (int i = 0; i < 23; ++i)
      if (!zeilen[i].isEmpty()) l << Stelle{zeilen[i], xB + 15.5, yB + 0.9 + i * zeile};
  }
  return l;
}

TEST_F(UeberweisungDruckTest, TheSheetAtTheMargins) {
  struct Fall {
    int rx, ry;
  };
  for (const Fall& f : {Fall{0, 0}, Fall{10, 5}}) {
    SCOPED_TRACE(f.rx);
    drucker().clear();
    gezeigt.clear();
    satzZeigen(0);  // running index 7
    FormPrnUeberweisung& u = ausgefuellt(0);
    drucken(u, {f.rx, f.ry});
    einSeitigerJob();
    vergleichen(texte(), blatt(f.rx, f.ry, u"10.12.2026"_s, u"10.12.2026"_s));
    // Both forms in 13 points, not bold; the strip in 9 points, its first line blue, the rest black.
    const QList<Op> t = drucker().texts();
    for (qsizetype i = 1; i < t.size(); ++i) {
      const bool streifen = cm(t[i].at.twipsX) > f.rx / 10.0 + 14;
      EXPECT_EQ(t[i].font.size, streifen ? 9 : 13) << t[i].text.toStdString();
      EXPECT_FALSE(t[i].font.bold);
      EXPECT_EQ(t[i].color, t[i].text == u"Überweisungsauftrag"_s ? kBlau : 0) << t[i].text.toStdString();
    }
    // A black cross for each form, centred 15 cm right of the pass origin.
    const QList<Op> linien = ops(RP::Line);
    ASSERT_EQ(linien.size(), 4);
    for (int pass = 0; pass < 2; ++pass) {
      const double xB = f.rx / 10.0 - 0.9, yB = f.ry / 10.0 + (pass == 0 ? 6.6 : 17.2);
      const Op& waag = linien[2 * pass];
      const Op& senk = linien[2 * pass + 1];
      EXPECT_NEAR(cm(waag.at.twipsX), xB + 14.8, 1e-6);
      EXPECT_NEAR(cm(waag.to.twipsX), xB + 15.2, 1e-6);
      EXPECT_NEAR(cm(waag.at.twipsY), yB, 1e-6);
      EXPECT_NEAR(cm(waag.to.twipsY), yB, 1e-6);
      EXPECT_NEAR(cm(senk.at.twipsX), xB + 15.0, 1e-6);
      EXPECT_NEAR(cm(senk.at.twipsY), yB - 0.2, 1e-6);
      EXPECT_NEAR(cm(senk.to.twipsY), yB + 0.2, 1e-6);
      EXPECT_EQ(waag.color, 0);
      EXPECT_EQ(senk.color, 0);
    }
    ASSERT_EQ(gezeigt.size(), 1);
    EXPECT_EQ(gezeigt[0].titel, u"Drucken - Kartulon Überweisung"_s);
    EXPECT_EQ(gezeigt[0].job, u"Kartulon_Ueberweisung"_s);
    // The sheet closes the transfer dialog and leaves the print options loaded.
    EXPECT_TRUE(u.isHidden());
    EXPECT_TRUE(PrinterSet::IsLoaded());
    FormPrnUeberweisung::Unload();
  }
  // With zero margins, in the form's own words: the payer's bank left of the printable corner.
  drucker().clear();
  FormPrnUeberweisung& u = ausgefuellt(0);
  drucken(u);
  const QList<Stelle> t = texte();
  EXPECT_NEAR(t[1].x, -0.2, 1e-6);  // "Postbank"
  EXPECT_NEAR(t[3].x, 0.0, 1e-6);   // pass 1 recipient
  EXPECT_NEAR(t[3].y, 8.8, 1e-6);
}

TEST_F(UeberweisungDruckTest, TheSheetsDateAmountAndCurrencyEdges) {
  Clock::setFixed(QDateTime(QDate(1999, 3, 5), QTime(12, 0)));
  struct Fall {
    const char* name;
    QString betrag, waehrung;
    bool datum;
    QString streifen;  // line 6 of the strip
  };
  const Fall faelle[] = {
      {"no date on the forms; the strip keeps it", u"12,50"_s, u"EUR"_s, false, u"12,50 EUR"_s},
      {"amount 0,00", u"0,00"_s, u"EUR"_s, true, u"0,00 EUR"_s},
      {"empty amount", QString(), u"EUR"_s, true, u" EUR"_s},
      {"empty currency", u"0,50"_s, QString(), true, u"0,50 "_s},
  };
  for (const Fall& f : faelle) {
    SCOPED_TRACE(f.name);
    drucker().clear();
    FormPrnUeberweisung& u = ausgefuellt(0, f.betrag, f.waehrung);
    u.strgPrintDate->setValue(f.datum ? 1 : 0);
    drucken(u);
    const QStringList t = drucker().jobTexts();
    EXPECT_EQ(t.count(u"5.3.1999"_s), f.datum ? 1 : 0);
    EXPECT_EQ(t.count(u"05.03.1999"_s), 1);
    EXPECT_TRUE(t.contains(f.streifen));
    const bool mitBetrag = f.betrag == u"12,50"_s || f.betrag == u"0,50"_s;
    EXPECT_EQ(t.count(f.betrag), mitBetrag ? 2 : 0);
    EXPECT_EQ(t.count(u"EUR"_s), f.waehrung.isEmpty() ? 0 : 2);
    FormPrnUeberweisung::Unload();
  }
}

TEST_F(UeberweisungDruckTest, ThePictureFormPaintsThePictureFirstAndNoCrosses) {
  bildAnlegen();
  for (const int rand : {0, 10}) {
    SCOPED_TRACE(rand);
    drucker().clear();
    FormPrnUeberweisung& u = ausgefuellt(1);
    drucken(u, {rand, rand / 2});
    einSeitigerJob();
    const QList<Op> bilder = ops(RP::Picture);
    ASSERT_EQ(bilder.size(), 1);
    EXPECT_NEAR(cm(bilder[0].at.twipsX), rand / 10.0 - 0.6, 1e-6);
    EXPECT_NEAR(cm(bilder[0].at.twipsY), rand / 20.0 + 6.7, 1e-6);
    EXPECT_NEAR(cm(bilder[0].to.twipsX), 15, 1e-6);
    EXPECT_NEAR(cm(bilder[0].to.twipsY), 20, 1e-6);
    EXPECT_EQ(bilder[0].pictureSize, QSize(4, 6));
    // Right after the blank that starts the page, before every text of the form.
    EXPECT_EQ(drucker().ops()[2].kind, RP::Picture);
    EXPECT_TRUE(ops(RP::Line).isEmpty());
    vergleichen(texte(), blatt(rand, rand / 2, u"10.12.2026"_s, u"10.12.2026"_s));
    FormPrnUeberweisung::Unload();
  }
}

TEST_F(UeberweisungDruckTest, APictureGoneSinceTheLoadIsReported) {
  bildAnlegen();
  struct Fall {
    const char* name;
    int antwort;
    bool gedruckt;
  };
  for (const Fall& f : {Fall{"continue: the texts without the picture", vb::vbNo, true},
                        Fall{"cancel: nothing", vb::vbCancel, false}}) {
    SCOPED_TRACE(f.name);
    drucker().clear();
    FormPrnUeberweisung& u = ausgefuellt(1);
    ASSERT_TRUE(QFile::remove(bildDatei()));
    druckoptionen({});
    dialoge().clear();
    dialoge().answer(f.antwort);
    u.mnuDrucken_Click();
    ASSERT_EQ(dialoge().requests().size(), 1);
    EXPECT_TRUE(dialoge().requests()[0].text.contains(u"Es ist ein Fehler aufgetreten."_s));
    EXPECT_TRUE(ops(RP::Picture).isEmpty());
    EXPECT_TRUE(ops(RP::Line).isEmpty());
    EXPECT_EQ(ops(RP::EndDoc).size(), f.gedruckt ? 1 : 0);
    EXPECT_EQ(drucker().jobTexts().contains(u"Eva Wolf"_s), f.gedruckt);
    if (!f.gedruckt) {
      // The job is dropped, the pointer comes back and the print options go with it.
      EXPECT_EQ(ops(RP::KillDoc).size(), 1);
      EXPECT_FALSE(PrinterSet::IsLoaded());
    }
    EXPECT_EQ(vb::Screen::MousePointer(), vb::Screen::vbDefault);
    FormPrnUeberweisung::Unload();
    bildAnlegen();
  }
}

TEST_F(UeberweisungDruckTest, ACancelPrintsNothingAndTheNextPrintLoadsFreshOptions) {
  FormPrnUeberweisung& u = ausgefuellt(2);
  drucken(u, {.abbrechen = true});
  EXPECT_TRUE(drucker().ops().isEmpty());
  EXPECT_FALSE(PrinterSet::IsLoaded());
  EXPECT_TRUE(FormPrnUeberweisung::IsLoaded());
  drucken(u);
  // The sheet leaves its options loaded: the next print still starts with fresh ones.
  u.optFormular(0).setValue(true);
  drucken(u);
  ASSERT_TRUE(PrinterSet::IsLoaded());
  FormPrnUeberweisung& neu = ausgefuellt(2);
  drucken(neu);
  ASSERT_EQ(gezeigt.size(), 4);
  for (const Gezeigt& g : gezeigt) EXPECT_TRUE(g.frisch);
  EXPECT_EQ(ops(RP::EndDoc).size(), 3);
}

TEST_F(UeberweisungDruckTest, ALandscapePresetPrintsInLandscape) {
  IniSchreiben(DuroVarIni(), u"Kartulon_UeberweisungKlassisch"_s, u"Ausrichtung"_s, u"1"_s);
  drucken(ausgefuellt(2));
  ASSERT_EQ(gezeigt.size(), 1);
  EXPECT_TRUE(gezeigt[0].ausrichtungGesperrt);
  ASSERT_FALSE(drucker().ops().isEmpty());
  for (const Op& o : drucker().ops()) EXPECT_EQ(o.orientation, vb::vbPRORLandscape);
}

TEST_F(UeberweisungDruckTest, AFailingPrinterGivesOneMessageAndNoPage) {
  drucker().setFailing(true);
  for (int typ : {2, 0}) {
    SCOPED_TRACE(typ);
    FormPrnUeberweisung& u = ausgefuellt(typ);
    druckoptionen({});
    dialoge().clear();
    u.mnuDrucken_Click();
    ASSERT_EQ(dialoge().requests().size(), 1);
    EXPECT_TRUE(dialoge().requests()[0].text.contains(u"(482)"_s));
    EXPECT_TRUE(ops(RP::EndDoc).isEmpty());
    EXPECT_FALSE(vb::Printer().InJob());
    EXPECT_FALSE(PrinterSet::IsLoaded());
    EXPECT_EQ(vb::Screen::MousePointer(), vb::Screen::vbDefault);
    FormPrnUeberweisung::Unload();
  }
}

TEST_F(UeberweisungDruckTest, AFontThePrinterLacksIsReportedAndThePrintGoesOn) {
  // Printed before the font list was filled: no font chosen.
  FormPrnUeberweisung& u = ausgefuellt(2);
  u.ComboSchrift->Clear();
  druckoptionen({});
  dialoge().answer(vb::vbNo);
  u.mnuDrucken_Click();
  ASSERT_EQ(dialoge().requests().size(), 1);
  EXPECT_TRUE(dialoge().requests()[0].text.contains(u"(380)"_s));
  einSeitigerJob();
  EXPECT_EQ(drucker().texts().last().font.name, u"Courier New"_s);
}

TEST_F(UeberweisungDruckTest, ATopMarginOf50mmStaysOnePage) {
  drucken(ausgefuellt(0), {0, 50});
  einSeitigerJob();
  // The lower form's last line lies below the printable area: printed there, lost at the paper edge.
  const Stelle letzte = texte().last();
  EXPECT_EQ(letzte.text, u"4711"_s);
  EXPECT_NEAR(letzte.y, 5.0 + 17.2 + 8.15, 1e-6);
  EXPECT_GT(letzte.y, cm(vb::RecordingPrinter::kHeight));
  // The rule is back for every other print.
  EXPECT_TRUE(vb::Printer().Seitenwechsel());
}

// ---------------------------------------------------------------------------------------------------
// One real print of each form through Qt's printer into a PDF, read back as text.
TEST_F(UeberweisungDruckTest, EachFormPrintsIntoAPdf) {
  if (QStandardPaths::findExecutable(u"pdftotext"_s).isEmpty()) GTEST_SKIP() << "pdftotext (poppler-utils) is needed";
  bildAnlegen();
  struct Fall {
    int typ;
    const char* titel;
    QStringList texte;
  };
  const Fall faelle[] = {
      {0, "sheet", {u"Eva Wolf"_s, u"Überweisungsauftrag"_s, u"*** Auftraggeber"_s, u"Kunde #7"_s}},
      {1, "picture", {u"Eva Wolf"_s, u"Überweisungsauftrag"_s, u"Volksbank"_s}},
      {2, "classic", {u"Eva Wolf"_s, u"Volksbank"_s, u"10.12.2026"_s}},
  };
  satzZeigen(0);
  for (const Fall& f : faelle) {
    SCOPED_TRACE(f.titel);
    const QString pdf = tempPfad(QString::fromLatin1(f.titel) + u".pdf"_s);
    vb::installPrinterBackend(std::make_unique<vb::QtPrinterBackend>(pdf));
    FormPrnUeberweisung& u = ausgefuellt(f.typ);
    drucken(u, {10, 10});
    ASSERT_TRUE(QFileInfo::exists(pdf));
    const QString text = pdfText(pdf);
    for (const QString& t : f.texte) EXPECT_TRUE(text.contains(t)) << t.toStdString() << "\n" << text.toStdString();
    EXPECT_EQ(text.count(u'\f'), 1) << "one page";
    FormPrnUeberweisung::Unload();
  }
}

}  // namespace
