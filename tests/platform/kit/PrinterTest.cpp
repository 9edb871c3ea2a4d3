#include "platform/dienste/Printer.h"
#include "platform/kit/Controls.h"
#include "support/kern/TestUmgebung.h"

#include <QLabel>

using vb::Printer;
using Op = vb::RecordingPrinter::Op;

namespace {
constexpr double kCm = 1440 / 2.54;  // twips per centimetre
}

class PrinterTest : public KartulonTest {
 protected:
  QList<Op> ops(vb::RecordingPrinter::Kind kind) {
    QList<Op> r;
    for (const Op& o : drucker().ops())
      if (o.kind == kind) r.append(o);
    return r;
  }
};

TEST_F(PrinterTest, ScaleModesGiveThePrintableAreaInTheirUnits) {
  struct Fall {
    int mode;
    double breite, hoehe;
  } faelle[] = {
      {vb::vbTwips, 11520, 16200},        {vb::vbPoints, 576, 810}, {vb::vbPixels, 4800, 6750},
      {vb::vbCharacters, 96, 67.5},       {vb::vbInches, 8, 11.25}, {vb::vbMillimeters, 203.2, 285.75},
      {vb::vbCentimeters, 20.32, 28.575},
  };
  auto& p = Printer();
  for (const Fall& f : faelle) {
    SCOPED_TRACE(f.mode);
    ASSERT_TRUE(p.setScaleMode(f.mode));
    EXPECT_EQ(p.ScaleMode(), f.mode);
    EXPECT_NEAR(p.ScaleWidth(), f.breite, 1e-9);
    EXPECT_NEAR(p.ScaleHeight(), f.hoehe, 1e-9);
  }
  ASSERT_TRUE(p.setOrientation(vb::vbPRORLandscape));
  EXPECT_NEAR(p.ScaleWidth(), 28.575, 1e-9);
  EXPECT_NEAR(p.ScaleHeight(), 20.32, 1e-9);
  EXPECT_FALSE(p.setOrientation(3));
  EXPECT_EQ(p.Fehler(), vb::FehlerEigenschaftswert);
  EXPECT_FALSE(p.setScaleMode(8));
  EXPECT_EQ(p.ScaleMode(), vb::vbCentimeters);
}

TEST_F(PrinterTest, ScaleOriginMovesThePositionAndModeResetsIt) {
  auto& p = Printer();
  p.setScaleMode(vb::vbCentimeters);
  p.setScaleLeft(-1.5);
  p.setScaleTop(-0.5);
  EXPECT_EQ(p.ScaleMode(), vb::vbUser);
  EXPECT_NEAR(p.ScaleWidth(), 20.32, 1e-9);  // the unit stays
  EXPECT_DOUBLE_EQ(p.CurrentX(), -1.5);      // the position is still the printable corner
  p.setCurrentX(2);
  p.setCurrentY(3);
  ASSERT_TRUE(p.Print(QStringLiteral("X"), false));
  const Op t = drucker().texts().at(0);
  EXPECT_DOUBLE_EQ(t.at.x, 2);
  EXPECT_DOUBLE_EQ(t.at.y, 3);
  EXPECT_NEAR(t.at.twipsX, 3.5 * kCm, 1e-9);
  EXPECT_NEAR(t.at.twipsY, 3.5 * kCm, 1e-9);
  // A user scale of its own: 100 units across the printable width.
  ASSERT_TRUE(p.setScaleWidth(100));
  EXPECT_NEAR(p.TextWidth(QStringLiteral("X")), 100.0 * 120 / 11520, 1e-9);
  EXPECT_FALSE(p.setScaleWidth(0));
  ASSERT_TRUE(p.setScaleMode(vb::vbCentimeters));
  EXPECT_DOUBLE_EQ(p.ScaleLeft(), 0);
  EXPECT_DOUBLE_EQ(p.ScaleTop(), 0);
}

TEST_F(PrinterTest, PrintMovesThePositionAndBreaksLines) {
  auto& p = Printer();
  p.setFontName(QStringLiteral("Courier New"));
  p.setFontSize(10);
  p.setCurrentX(1000);
  p.setCurrentY(500);
  ASSERT_TRUE(p.Print(QStringLiteral("abc"), false));
  EXPECT_DOUBLE_EQ(p.CurrentX(), 1360);  // 3 characters of 120 twips
  EXPECT_DOUBLE_EQ(p.CurrentY(), 500);
  ASSERT_TRUE(p.Print(QStringLiteral("de")));
  EXPECT_DOUBLE_EQ(p.CurrentX(), 0);  // the line end goes to the left edge
  EXPECT_DOUBLE_EQ(p.CurrentY(), 740);
  // CR LF, a lone CR and a lone LF each start a line; the last part stays open.
  ASSERT_TRUE(p.Print(QStringLiteral("eins\r\nzwei\rdrei\nvier"), false));
  EXPECT_DOUBLE_EQ(p.CurrentX(), 480);
  EXPECT_DOUBLE_EQ(p.CurrentY(), 740 + 3 * 240);
  ASSERT_TRUE(p.Print());  // a line end alone
  EXPECT_DOUBLE_EQ(p.CurrentY(), 740 + 4 * 240);

  const QList<Op> t = drucker().texts();
  ASSERT_EQ(t.size(), 6);
  const struct {
    const char* text;
    double x, y;
  } erwartet[] = {{"abc", 1000, 500}, {"de", 1360, 500}, {"eins", 0, 740},
                  {"zwei", 0, 980},   {"drei", 0, 1220}, {"vier", 0, 1460}};
  for (int i = 0; i < 6; ++i) {
    EXPECT_EQ(t[i].text, QString::fromLatin1(erwartet[i].text));
    EXPECT_DOUBLE_EQ(t[i].at.x, erwartet[i].x) << i;
    EXPECT_DOUBLE_EQ(t[i].at.y, erwartet[i].y) << i;
    EXPECT_EQ(t[i].font.name, QStringLiteral("Courier New"));
    EXPECT_EQ(t[i].device, QStringLiteral("Testdrucker"));
  }
}

// A TAB goes to the next stop of a 1200-twip grid counted from where the line began (the x last set,
// the left edge after a line break), at least a blank's width on; the text after it is printed there.
TEST_F(PrinterTest, TabsGoToTheNextStopOfTheLine) {
  auto& p = Printer();
  p.setFontSize(10);  // 120 twips a character
  p.setCurrentX(500);
  ASSERT_TRUE(p.Print(QStringLiteral("ab\tc\t\td"), false));
  p.setCurrentX(0);
  ASSERT_TRUE(p.Print(QStringLiteral("abcdefghi\tx"), false));              // 1080: a blank's width to the stop
  ASSERT_TRUE(p.Print(QStringLiteral("\r\nabcdefghij\ty\r\n\tz"), false));  // on the stop: the next one
  p.setFontSize(11);
  p.setCurrentX(0);
  ASSERT_TRUE(p.Print(QStringLiteral("abcdefghi\tw")));  // 1188: too close, the next stop
  const QList<Op> t = drucker().texts();
  const std::pair<const char*, double> erwartet[] = {{"ab", 500},      {"c", 1700},       {"d", 4100}, {"abcdefghi", 0},
                                                     {"x", 1200},      {"abcdefghij", 0}, {"y", 2400}, {"z", 1200},
                                                     {"abcdefghi", 0}, {"w", 2400}};
  ASSERT_EQ(t.size(), std::size(erwartet));
  for (qsizetype i = 0; i < t.size(); ++i) {
    EXPECT_EQ(t[i].text, QString::fromLatin1(erwartet[i].first)) << i;
    EXPECT_DOUBLE_EQ(t[i].at.twipsX, erwartet[i].second) << i;
  }
  p.setFontSize(10);
  EXPECT_DOUBLE_EQ(p.TextWidth(QStringLiteral("ab\tc")), 1320);  // measured from a line's start
}

TEST_F(PrinterTest, LineEndGoesToTheLeftEdgeOfTheCoordinateSpace) {
  auto& p = Printer();
  p.setScaleMode(vb::vbCentimeters);
  p.setScaleLeft(-1);
  p.setCurrentX(3);
  p.Print(QStringLiteral("a"));
  EXPECT_DOUBLE_EQ(p.CurrentX(), -1);
}

TEST_F(PrinterTest, TextMeasuresInScaleUnits) {
  auto& p = Printer();
  p.setFontSize(10);
  EXPECT_DOUBLE_EQ(p.TextWidth(QStringLiteral("ab ")), 360);
  EXPECT_DOUBLE_EQ(p.TextWidth(QString()), 0);
  EXPECT_DOUBLE_EQ(p.TextHeight(QString()), 240);
  EXPECT_DOUBLE_EQ(p.TextWidth(QStringLiteral("ab\r\nabcd")), 480);
  EXPECT_DOUBLE_EQ(p.TextHeight(QStringLiteral("ab\r\nabcd")), 480);
  p.setFontSize(6);
  EXPECT_DOUBLE_EQ(p.TextHeight(QStringLiteral("A")), 144);
  p.setScaleMode(vb::vbCentimeters);
  EXPECT_NEAR(p.TextHeight(QStringLiteral("A")), 144 / kCm, 1e-12);
}

TEST_F(PrinterTest, FontNamesThePrinterLacksAreRefused) {
  auto& p = Printer();
  EXPECT_EQ(p.FontName(), QStringLiteral("Arial"));
  EXPECT_DOUBLE_EQ(p.FontSize(), 10);
  ASSERT_TRUE(p.setFontName(QStringLiteral("courier NEW")));
  EXPECT_EQ(p.FontName(), QStringLiteral("Courier New"));
  EXPECT_FALSE(p.setFontName(QStringLiteral("BenjaminGothic")));
  EXPECT_EQ(p.Fehler(), vb::FehlerEigenschaftswert);
  EXPECT_EQ(p.FontName(), QStringLiteral("Courier New"));
  EXPECT_FALSE(p.setFontSize(0));
  EXPECT_TRUE(p.setFontSize(8.25));
  EXPECT_DOUBLE_EQ(p.FontSize(), 8.25);
  EXPECT_EQ(p.FontCount(), 4);
  EXPECT_EQ(p.Fonts(3), QStringLiteral("Times New Roman"));
  EXPECT_EQ(p.Fonts(4), QString());
}

TEST_F(PrinterTest, FirstOutputStartsTheJobAndEndDocEndsIt) {
  auto& p = Printer();
  EXPECT_TRUE(p.EndDoc());  // nothing to end: no job, nothing printed
  EXPECT_TRUE(drucker().ops().isEmpty());
  p.Print(QStringLiteral("eins"));
  EXPECT_TRUE(p.InJob());
  p.setCurrentX(500);
  ASSERT_TRUE(p.NewPage());
  EXPECT_EQ(p.Page(), 2);
  EXPECT_DOUBLE_EQ(p.CurrentX(), 0);
  EXPECT_DOUBLE_EQ(p.CurrentY(), 0);
  p.Print(QStringLiteral("zwei"));
  ASSERT_TRUE(p.EndDoc());
  EXPECT_FALSE(p.InJob());
  EXPECT_EQ(p.Page(), 1);
  const QList<Op>& o = drucker().ops();
  ASSERT_EQ(o.size(), 5);
  EXPECT_EQ(o[0].kind, vb::RecordingPrinter::StartDoc);
  EXPECT_EQ(o[1].page, 1);
  EXPECT_EQ(o[2].kind, vb::RecordingPrinter::NewPage);
  EXPECT_EQ(o[3].page, 2);
  EXPECT_EQ(o[4].kind, vb::RecordingPrinter::EndDoc);
  EXPECT_EQ(drucker().jobsEnded(), 1);

  p.Print(QStringLiteral("weg"));
  p.KillDoc();
  EXPECT_EQ(drucker().ops().last().kind, vb::RecordingPrinter::KillDoc);
  EXPECT_FALSE(p.InJob());
}

TEST_F(PrinterTest, TextBelowThePageGoesOnANewPage) {
  auto& p = Printer();
  p.setFontSize(10);
  p.setCurrentX(700);
  p.setCurrentY(16200 - 239);  // one twip short of a line
  ASSERT_TRUE(p.Print(QStringLiteral("unten")));
  EXPECT_EQ(p.Page(), 2);
  const Op t = drucker().texts().at(0);
  EXPECT_EQ(t.page, 2);
  EXPECT_DOUBLE_EQ(t.at.y, 0);
  EXPECT_DOUBLE_EQ(t.at.x, 700);
  // A line that just fits stays on its page; a bare line end never starts a page.
  p.setCurrentY(16200 - 240);
  p.Print(QStringLiteral("passt"));
  p.Print();
  EXPECT_EQ(p.Page(), 2);
}

TEST_F(PrinterTest, WithoutPrinterOrWithAFailingOneOutputFails) {
  drucker().setFailing(true);
  auto& p = Printer();
  EXPECT_FALSE(p.Print(QStringLiteral("x")));
  EXPECT_EQ(p.Fehler(), vb::FehlerDrucker);
  EXPECT_FALSE(p.Line(0, 0, 10, 10));
  EXPECT_FALSE(p.NewPage());

  auto ohne = std::make_unique<vb::RecordingPrinter>();
  ohne->setPrinters({});
  vb::RecordingPrinter* r = ohne.get();
  vb::installPrinterBackend(std::move(ohne));
  EXPECT_EQ(Printer().DeviceName(), QString());
  EXPECT_FALSE(Printer().Print(QStringLiteral("x")));
  EXPECT_EQ(Printer().Fehler(), vb::FehlerDrucker);
  EXPECT_TRUE(r->ops().isEmpty());
}

TEST_F(PrinterTest, ChoosingAPrinterStartsItFresh) {
  auto zwei = std::make_unique<vb::RecordingPrinter>();
  zwei->setPrinters({{QStringLiteral("Laser"), QStringLiteral("LPT1:"), {}},
                     {QStringLiteral("Tinte"), QStringLiteral("USB001"), {}}});
  vb::RecordingPrinter* r = zwei.get();
  vb::installPrinterBackend(std::move(zwei));
  auto& p = Printer();
  EXPECT_EQ(p.DeviceName(), QStringLiteral("Laser"));
  ASSERT_EQ(vb::Printers().size(), 2);
  EXPECT_EQ(vb::Printers().at(1).Port, QStringLiteral("USB001"));

  p.setScaleMode(vb::vbCentimeters);
  p.setFontName(QStringLiteral("Times New Roman"));
  p.setOrientation(vb::vbPRORLandscape);
  p.Print(QStringLiteral("offen"));
  ASSERT_TRUE(p.setPrinter(QStringLiteral("Tinte")));
  EXPECT_EQ(r->jobsEnded(), 1);  // the open job went to the old printer
  EXPECT_EQ(p.DeviceName(), QStringLiteral("Tinte"));
  EXPECT_EQ(p.Port(), QStringLiteral("USB001"));
  EXPECT_EQ(p.ScaleMode(), vb::vbTwips);
  EXPECT_EQ(p.FontName(), QStringLiteral("Arial"));
  EXPECT_EQ(p.Orientation(), vb::vbPRORPortrait);
  p.Print(QStringLiteral("neu"));
  EXPECT_EQ(r->texts().last().device, QStringLiteral("Tinte"));
  EXPECT_FALSE(p.setPrinter(QStringLiteral("tinte")));  // names compare exactly
  EXPECT_EQ(p.Fehler(), vb::FehlerDrucker);
  EXPECT_EQ(p.DeviceName(), QStringLiteral("Tinte"));
}

TEST_F(PrinterTest, LinesAndPicturesAreRecordedWithTheirPlace) {
  auto& p = Printer();
  p.setScaleMode(vb::vbCentimeters);
  p.setForeColor(vb::RGB(255, 0, 0));
  ASSERT_TRUE(p.Line(0, 9.9, 0.2, 9.9));
  EXPECT_DOUBLE_EQ(p.CurrentX(), 0.2);
  EXPECT_DOUBLE_EQ(p.CurrentY(), 9.9);
  ASSERT_TRUE(p.Line(1, 1, 3, 2, vb::RGB(0, 0, 255), vb::LineBox));
  QImage bild(30, 20, QImage::Format_RGB32);
  bild.fill(Qt::white);
  ASSERT_TRUE(p.PaintPicture(bild, 0.5, 1, 15, 20));
  EXPECT_FALSE(p.PaintPicture(QImage(), 0, 0, 1, 1));

  const QList<Op> linien = ops(vb::RecordingPrinter::Line);
  ASSERT_EQ(linien.size(), 2);
  EXPECT_DOUBLE_EQ(linien[0].to.x, 0.2);
  EXPECT_EQ(linien[0].color, 255);
  EXPECT_EQ(linien[1].color, 0xFF0000);
  EXPECT_EQ(linien[1].style, vb::LineBox);
  const QList<Op> bilder = ops(vb::RecordingPrinter::Picture);
  ASSERT_EQ(bilder.size(), 1);
  EXPECT_DOUBLE_EQ(bilder[0].at.x, 0.5);
  EXPECT_DOUBLE_EQ(bilder[0].to.x, 15);
  EXPECT_NEAR(bilder[0].to.twipsY, 20 * kCm, 1e-9);
  EXPECT_EQ(bilder[0].pictureSize, QSize(30, 20));
}

TEST_F(PrinterTest, ColoursConvertBothWays) {
  EXPECT_EQ(vb::RGB(248, 194, 78), 248 + 194 * 256 + 78 * 65536);
  EXPECT_EQ(vb::QFarbe(255), QColor(255, 0, 0));
  EXPECT_EQ(vb::QFarbe(16777215), QColor(255, 255, 255));
  EXPECT_EQ(vb::QFarbe(-2147483640), QColor(Qt::black));  // a system colour
  EXPECT_EQ(vb::VbFarbe(QColor(0, 0, 255)), 16711680);
}

TEST_F(PrinterTest, WidgetFontsReadAndSetLikeTheRuntimesProperties) {
  QWidget w;
  vb::TextBox box(&w);
  QLabel label(&w);
  for (vb::FontTarget ziel : {vb::FontTarget(&box), vb::FontTarget(static_cast<QWidget*>(&label))}) {
    ASSERT_TRUE(ziel->setFontName(QStringLiteral("Arial")));
    ASSERT_TRUE(ziel->setFontSize(8.25));
    ziel->setFontBold(true);
    ziel->setFontUnderline(true);
    ASSERT_TRUE(ziel->setForeColor(255));
    EXPECT_EQ(ziel->fontName(), QStringLiteral("Arial"));
    EXPECT_EQ(ziel->fontSize(), 8.25);
    EXPECT_EQ(ziel->fontBold(), true);
    EXPECT_EQ(ziel->fontItalic(), false);
    EXPECT_EQ(ziel->fontUnderline(), true);
    EXPECT_EQ(ziel->foreColor(), 255L);
    EXPECT_FALSE(ziel->setFontSize(0));
    EXPECT_EQ(ziel->fontSize(), 8.25);
    EXPECT_FALSE(ziel->setFontName(QString()));
  }
  EXPECT_EQ(box.ForeColor(), QColor(255, 0, 0));

  vb::FontTarget drucker(Printer());
  EXPECT_FALSE(drucker->setFontName(QStringLiteral("BenjaminGothic")));
  EXPECT_TRUE(drucker->setFontName(QStringLiteral("times new roman")));
  EXPECT_EQ(Printer().FontName(), QStringLiteral("Times New Roman"));
}
