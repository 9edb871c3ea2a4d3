// The envelope and the window envelope on the recording printer. Its metrics (a character is 12 twips
// per point wide, a line 24 twips per point high, the printable area 11520 x 16200 twips upright) give
// every expected position; positions are read in the caller's centimetres where the scale was set.
#include "printing/Logo.h"
#include "printing/Umschlagdruck.h"
#include "support/kern/TestUmgebung.h"

#include <QRegularExpression>

using namespace Qt::Literals::StringLiterals;
using Op = vb::RecordingPrinter::Op;

namespace {

constexpr double kTwipsProCm = 1440 / 2.54;

// The font and colour of a box, as the dialog hands them over.
struct Schrift : vb::FontObject {
  QString name = u"Arial"_s;
  double groesse = 10;
  bool fett = false, kursiv = false, unterstrichen = false;
  long farbe = 0;
  std::optional<QString> fontName() const override { return name; }
  std::optional<double> fontSize() const override { return groesse; }
  std::optional<bool> fontBold() const override { return fett; }
  std::optional<bool> fontItalic() const override { return kursiv; }
  std::optional<bool> fontUnderline() const override { return unterstrichen; }
  std::optional<long> foreColor() const override { return farbe; }
};

class UmschlagdruckTest : public KartulonTest {
 protected:
  // The texts of the job without the blank that starts it.
  QList<Op> texte() {
    QList<Op> t;
    for (const Op& o : drucker().ops())
      if (o.kind == vb::RecordingPrinter::Text && o.text != u" "_s) t << o;
    return t;
  }
  int anzahl(vb::RecordingPrinter::Kind art) {
    int n = 0;
    for (const Op& o : drucker().ops()) n += o.kind == art;
    return n;
  }
  // The operation that printed this word.
  Op wort(const QString& text) {
    for (const Op& o : texte())
      if (o.text.trimmed() == text) return o;
    ADD_FAILURE() << "not printed: " << text.toStdString();
    return {};
  }
  // One job of one page, ended.
  void eineSeite() {
    EXPECT_EQ(anzahl(vb::RecordingPrinter::StartDoc), 1);
    EXPECT_EQ(anzahl(vb::RecordingPrinter::EndDoc), 1);
    EXPECT_EQ(anzahl(vb::RecordingPrinter::NewPage), 0);
    EXPECT_EQ(anzahl(vb::RecordingPrinter::KillDoc), 0);
    for (const Op& o : drucker().ops()) EXPECT_EQ(o.page, 1);
  }

  Umschlagauftrag auftrag(int format = 1) {
    Umschlagauftrag a;
    a.format = UmschlagFormate().at(format);
    a.absender = u"Absa"_s;
    a.anschrift = u"Anna\r\nAdler"_s;
    return a;
  }
  Schrift absender, anschrift;
};

TEST_F(UmschlagdruckTest, EverySizeGivesItsWidthAndHeightAndPlacesTheAddressBoxByThem) {
  const struct {
    double w, h;
  } masse[] = {{22.0, 11.0}, {16.2, 11.4}, {22.9, 16.2}, {32.4, 22.9},
               {22.9, 11.4}, {17.6, 12.5}, {25.0, 17.6}, {35.3, 25.0}};
  ASSERT_EQ(UmschlagFormate().size(), 8);
  for (int i = 0; i < 8; ++i) {
    SCOPED_TRACE(i);
    const Umschlagmass m = UmschlagMass(UmschlagFormate().at(i));
    EXPECT_DOUBLE_EQ(m.breite, masse[i].w);
    EXPECT_DOUBLE_EQ(m.hoehe, masse[i].h);
    drucker().clear();
    ASSERT_TRUE(UmschlagDrucken(auftrag(i), absender, anschrift));
    const Op a = wort(u"Anna"_s);
    EXPECT_NEAR(a.at.x, masse[i].w / 2.5, 1e-9);
    EXPECT_NEAR(a.at.y, masse[i].h / 2.5, 1e-9);
    eineSeite();
  }
}

// The C6 envelope: the sender from the envelope's corner, the address from (6.48, 4.56); margins move the
// frame on the page and pull the address box's right edge in by twice the left margin.
TEST_F(UmschlagdruckTest, MarginsMoveTheFrameAndLandscapePutsTheEnvelopeAtTheBottom) {
  // Many short words: the address fills its box up to the right edge.
  const QString lang = QString(u"a "_s).repeated(60);
  const struct {
    int randX, randY;
    bool quer;
    double eckeX, eckeY;          // the envelope's corner on the page, cm from the printable corner
    double rechtsVon, rechtsBis;  // where the address's words end at most
  } faelle[] = {
      {0, 0, false, 0, 0, 14.2, 16.2},
      {10, 5, false, 1.0, 0.5, 13.0, 14.2},
      // Landscape: the printable height is 20.32 cm; the envelope's foot lies at its bottom, and the top
      // margin moves it further down.
      {0, 50, true, 0, 20.32 - 11.4 + 5.0, 14.2, 16.2},
  };
  for (const auto& f : faelle) {
    SCOPED_TRACE(f.randX + f.randY);
    drucker().clear();
    Umschlagauftrag a = auftrag();
    a.anschrift = lang;
    a.randX = f.randX;
    a.randY = f.randY;
    a.quer = f.quer;
    ASSERT_TRUE(UmschlagDrucken(a, absender, anschrift));
    eineSeite();
    const Op s = wort(u"Absa"_s);
    EXPECT_NEAR(s.at.x, 0, 1e-9);
    EXPECT_NEAR(s.at.y, 0, 1e-9);
    EXPECT_NEAR(s.at.twipsX, f.eckeX * kTwipsProCm, 0.01);
    EXPECT_NEAR(s.at.twipsY, f.eckeY * kTwipsProCm, 0.01);
    EXPECT_EQ(s.orientation, f.quer ? vb::vbPRORLandscape : vb::vbPRORPortrait);
    double rechts = 0;
    for (const Op& o : texte())
      if (o.text.trimmed() == u"a"_s) {
        EXPECT_GE(o.at.x, 6.48 - 1e-9);
        EXPECT_GE(o.at.y, 4.56 - 1e-9);
        rechts = std::max(rechts, o.at.x + vb::RecordingPrinter::charWidth(10) / kTwipsProCm);
      }
    EXPECT_GT(rechts, f.rechtsVon);
    EXPECT_LE(rechts, f.rechtsBis);
  }
}

TEST_F(UmschlagdruckTest, SenderKeepsFontAndColourTheAddressPrintsBlackAndNeitherUnderlined) {
  absender.name = u"Times New Roman"_s;
  absender.groesse = 9;
  absender.kursiv = true;
  absender.unterstrichen = true;
  absender.farbe = vb::RGB(0, 0, 255);
  anschrift.name = u"Courier New"_s;
  anschrift.groesse = 14;
  anschrift.fett = true;
  anschrift.unterstrichen = true;
  anschrift.farbe = vb::RGB(255, 0, 0);
  ASSERT_TRUE(UmschlagDrucken(auftrag(), absender, anschrift));
  const Op s = wort(u"Absa"_s);
  EXPECT_EQ(s.font, (vb::PrinterFontSpec{u"Times New Roman"_s, 9, false, true, false, false}));
  EXPECT_EQ(s.color, vb::RGB(0, 0, 255));
  for (const QString& w : {u"Anna"_s, u"Adler"_s}) {
    const Op a = wort(w);
    EXPECT_EQ(a.font, (vb::PrinterFontSpec{u"Courier New"_s, 14, true, false, false, false}));
    EXPECT_EQ(a.color, 0);
  }
  // The second address line starts at the box's left edge, one 14-point line lower.
  EXPECT_NEAR(wort(u"Adler"_s).at.x, 16.2 / 2.5, 1e-9);
  EXPECT_NEAR(wort(u"Adler"_s).at.twipsY - wort(u"Anna"_s).at.twipsY, vb::RecordingPrinter::lineHeight(14), 1e-6);
}

TEST_F(UmschlagdruckTest, AFontThisMachineLacksPrintsInArial) {
  absender.name = u"Gibtesnicht Grotesk"_s;
  anschrift.name = u"Auch Nicht"_s;
  ASSERT_TRUE(UmschlagDrucken(auftrag(), absender, anschrift));
  EXPECT_EQ(wort(u"Absa"_s).font.name, u"Arial"_s);
  EXPECT_EQ(wort(u"Anna"_s).font.name, u"Arial"_s);
  EXPECT_TRUE(dialoge().requests().isEmpty());
}

TEST_F(UmschlagdruckTest, TextsTallerThanTheirBoxesAreCutAndStayOnOnePage) {
  Umschlagauftrag a = auftrag(1);
  QStringList zeilen;
  for (int i = 0; i < 80; ++i) zeilen << u"Z%1"_s.arg(i);
  a.absender = zeilen.join(u"\r\n"_s);
  a.anschrift = zeilen.join(u"\r\n"_s);
  ASSERT_TRUE(UmschlagDrucken(a, absender, anschrift));
  eineSeite();
  // 10-point lines are 0.4233 cm: the sender stops above 0.8 H, the address above H.
  for (const Op& o : texte()) {
    if (o.font.size != 10) continue;
    EXPECT_LT(o.at.y, 11.4) << o.text.toStdString();
  }
  EXPECT_LT(texte().size(), 2 * 80);
  double absenderUnten = 0;
  for (const Op& o : texte())
    if (o.at.x < 1) absenderUnten = std::max(absenderUnten, o.at.y);
  EXPECT_LT(absenderUnten, 11.4 * 0.8);
}

// The logo below the sender (three line ends after it): the word mark and the second word in 18.7 pt,
// the caption in 11 pt centred under the second word, which here lies left of the frame's edge.
TEST_F(UmschlagdruckTest, TheLogoStandsBelowTheSenderInItsSizesAndColours) {
  for (bool logo : {false, true}) {
    SCOPED_TRACE(logo);
    drucker().clear();
    Umschlagauftrag a = auftrag();
    a.logo = logo;
    ASSERT_TRUE(UmschlagDrucken(a, absender, anschrift));
    eineSeite();
    QStringList gedruckt;
    for (const Op& o : texte()) gedruckt << o.text;
    EXPECT_EQ(gedruckt.contains(u"Sorvek"_s), logo);
    if (!logo) continue;
    const double zeile1 = 3 * vb::RecordingPrinter::lineHeight(10);
    const double gross = vb::RecordingPrinter::lineHeight(18.7);
    const struct {
      const char16_t* text;
      double groesse;
      bool fett;
      long farbe;
      double x, y;  // twips
    } zeilen[] = {
        {kLogoZeilen[0], 18.7, true, vb::RGB(248, 194, 78), 0, zeile1},
        {kLogoZeilen[1], 18.7, true, vb::RGB(167, 167, 167), 0, zeile1 + gross},
        {kLogoZeilen[2], 11, false, 0,
         (vb::RecordingPrinter::charWidth(18.7) * 10 - vb::RecordingPrinter::charWidth(11) * 19) / 2,
         zeile1 + 2 * gross + 0.2 * vb::RecordingPrinter::lineHeight(11)},
    };
    for (const auto& z : zeilen) {
      const Op o = wort(QString::fromUtf16(z.text).trimmed());
      EXPECT_EQ(o.text, QString::fromUtf16(z.text));
      EXPECT_EQ(o.font.name, u"Arial"_s);  // the recorder has no logo font
      EXPECT_DOUBLE_EQ(o.font.size, z.groesse);
      EXPECT_EQ(o.font.bold, z.fett);
      EXPECT_FALSE(o.font.italic);
      EXPECT_EQ(o.color, z.farbe);
      EXPECT_NEAR(o.at.twipsX, z.x, 1e-6);
      EXPECT_NEAR(o.at.twipsY, z.y, 1e-6);
    }
    // The address follows in its own font and black.
    EXPECT_EQ(wort(u"Anna"_s).color, 0);
    EXPECT_FALSE(wort(u"Anna"_s).font.bold);
  }
}

TEST_F(UmschlagdruckTest, TheLogoLeavesArialTenTimesTheFactorBlackAndTheNextLine) {
  vb::PrinterObject& p = vb::Printer();
  p.setScaleMode(vb::vbCentimeters);
  p.setFontItalic(true);
  p.setCurrentX(2);
  p.setCurrentY(3);
  LogoDrucken(1.1);
  EXPECT_EQ(p.FontName(), u"Arial"_s);
  EXPECT_DOUBLE_EQ(p.FontSize(), 11);
  EXPECT_FALSE(p.FontBold());
  EXPECT_FALSE(p.FontItalic());
  EXPECT_EQ(p.ForeColor(), 0);
  EXPECT_NEAR(p.CurrentX(), 0, 1e-9);
  const double y =
      3 * kTwipsProCm + 2 * vb::RecordingPrinter::lineHeight(18.7) + 1.2 * vb::RecordingPrinter::lineHeight(11);
  EXPECT_NEAR(p.CurrentY() * kTwipsProCm, y, 1e-6);
  EXPECT_NEAR(wort(u"Sorvek"_s).at.x, 2, 1e-9);
  p.KillDoc();
}

TEST_F(UmschlagdruckTest, AFailingPrinterGivesOneReportAndNoJob) {
  drucker().setFailing(true);
  dialoge().answer(vb::vbYes);
  EXPECT_FALSE(UmschlagDrucken(auftrag(), absender, anschrift));
  ASSERT_EQ(dialoge().requests().size(), 1);
  EXPECT_TRUE(dialoge().requests().at(0).text.contains(u"Es ist ein Fehler beim Umschlag drucken aufgetreten."_s));
  EXPECT_FALSE(vb::Printer().InJob());
  EXPECT_EQ(anzahl(vb::RecordingPrinter::EndDoc), 0);
}

TEST_F(UmschlagdruckTest, TheLogEntryHasFivePaddedLinesWithEachTextOnOneLine) {
  const QDateTime zeit(QDate(1999, 12, 24), QTime(14, 5, 30));
  const struct {
    QString anschrift, absender, erwartet;
  } faelle[] = {
      {u"Herrn\r\nOtto Paul\r\nGasse 1\r\n12345 Ort"_s, u"Ich"_s,
       u"\r\nAm        24.12.1999 14:05\r\nAnschrift Herrn ~ Otto Paul ~ Gasse 1 ~ 12345 Ort\r\n"
       u"Absender  Ich\r\nUser      erika\r\n"_s},
      // A line break at the end leaves its mark; a middle dot starts a line of its own.
      {u"A\r\n"_s, u"B·C"_s,
       u"\r\nAm        24.12.1999 14:05\r\nAnschrift A ~ \r\nAbsender  B\r\nC\r\nUser      erika\r\n"_s},
      {u"Ä\nÖ"_s, QString(), u"\r\nAm        24.12.1999 14:05\r\nAnschrift ÄÖ\r\nAbsender  \r\nUser      erika\r\n"_s},
  };
  for (const auto& f : faelle)
    EXPECT_EQ(UmschlagLogEintrag(zeit, f.anschrift, f.absender, u"erika"_s), f.erwartet) << f.anschrift.toStdString();
}

// The window envelope: the sender line and the address at fixed places in plain Arial, the fold mark,
// one job; bold and italic of an earlier job do not carry over.
TEST_F(UmschlagdruckTest, TheWindowEnvelopePrintsAtItsFixedPlaces) {
  vb::PrinterObject& p = vb::Printer();
  p.setFontBold(true);
  p.setFontItalic(true);
  ASSERT_TRUE(UmschlagsfensterDrucken(u"Eva Ems, Weg 1, 1234 Ort"_s, u"Herrn\r\nOtto"_s));
  eineSeite();
  const struct {
    const char16_t* wort;
    double x, y, groesse;
    bool unterstrichen;
  } faelle[] = {{u"Eva", 2, 4.9, 8, true}, {u"Herrn", 2, 5.5, 14, false}};
  for (const auto& f : faelle) {
    const Op o = wort(QString::fromUtf16(f.wort));
    EXPECT_NEAR(o.at.x, f.x, 1e-9);
    EXPECT_NEAR(o.at.y, f.y, 1e-9);
    EXPECT_EQ(o.font, (vb::PrinterFontSpec{u"Arial"_s, f.groesse, false, false, f.unterstrichen, false}));
  }
  EXPECT_NEAR(wort(u"Otto"_s).at.y, 5.5 + vb::RecordingPrinter::lineHeight(14) / kTwipsProCm, 1e-9);
  QList<Op> linien;
  for (const Op& o : drucker().ops())
    if (o.kind == vb::RecordingPrinter::Line) linien << o;
  ASSERT_EQ(linien.size(), 1);
  EXPECT_NEAR(linien[0].at.x, 0, 1e-9);
  EXPECT_NEAR(linien[0].at.y, 9.9, 1e-9);
  EXPECT_NEAR(linien[0].to.x, 0.2, 1e-9);
  EXPECT_NEAR(linien[0].to.y, 9.9, 1e-9);
}

TEST_F(UmschlagdruckTest, AFailingPrinterInTheWindowEnvelopeIsReportedOnce) {
  drucker().setFailing(true);
  dialoge().answer(vb::vbNo);
  EXPECT_FALSE(UmschlagsfensterDrucken(u"Eva"_s, u"Otto"_s));
  EXPECT_EQ(dialoge().requests().size(), 1);
  EXPECT_FALSE(vb::Printer().InJob());
}

}  // namespace
