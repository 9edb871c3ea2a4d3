// The drawing surface that keeps what was printed, the Image control and the frameless window.
#include "platform/kit/Grafik.h"
#include "platform/kit/Twips.h"
#include "platform/vb/Fonts.h"
#include "support/kern/TestUmgebung.h"

#include <QTemporaryDir>
#include <QTest>

namespace {

class GrafikTest : public KartulonTest {
 protected:
  void TearDown() override {
    vb::Zeichenflaeche::setAufnahme(false);
    KartulonTest::TearDown();
  }
};

TEST_F(GrafikTest, ColourNumbersAndTheStandardPalette) {
  EXPECT_EQ(vb::Farbe(0x3088FC), QColor(252, 136, 48));
  EXPECT_EQ(vb::FarbNummer(QColor(252, 136, 48)), 0x3088FC);
  EXPECT_EQ(vb::QBColor(8), 0x808080);
  EXPECT_EQ(vb::QBColor(15), 0xFFFFFF);
  EXPECT_EQ(vb::QBColor(12), 0x0000FF);  // light red
}

TEST_F(GrafikTest, PrintAndLineStayOnTheSurfaceAndShowBehindTheControls) {
  QWidget form;
  form.resize(Twips::zuPixel(4500), Twips::zuPixel(3000));
  QPalette p = form.palette();
  p.setColor(QPalette::Window, QColor(192, 192, 192));
  form.setPalette(p);
  vb::Zeichenflaeche f(&form, Fonts::schrift(QStringLiteral("Arial"), 20, true));
  f.setCurrentX(300);
  f.setCurrentY(150);
  f.setForeColor(0x0000FF);
  f.Print(QStringLiteral("MMMM"));
  // The next line starts at the left edge below.
  EXPECT_EQ(f.CurrentX(), 0);
  EXPECT_NEAR(f.CurrentY(), 150 + f.TextHeight(), 1e-9);
  EXPECT_GT(f.TextWidth(QStringLiteral("MMMM")), f.TextWidth(QStringLiteral("MM")));
  f.Line(0, 2250, 4500, 2250, 0x00FF00);
  EXPECT_EQ(f.CurrentX(), 4500);
  EXPECT_EQ(f.CurrentY(), 2250);
  EXPECT_TRUE(f.ops().isEmpty()) << "only the recording mode records";

  // The form's repaint shows what was drawn, after being hidden and shown again.
  form.show();
  form.hide();
  form.show();
  const QImage bild = form.grab().toImage();
  EXPECT_EQ(bild.pixelColor(Twips::zuPixel(2000), Twips::zuPixel(2250)), QColor(0, 255, 0));
  bool rot = false;
  for (int y = Twips::zuPixel(150); y < Twips::zuPixel(150 + f.TextHeight()) && !rot; ++y)
    for (int x = Twips::zuPixel(300); x < Twips::zuPixel(300 + f.TextWidth(QStringLiteral("MMMM"))); ++x)
      rot = rot || bild.pixelColor(x, y) == QColor(255, 0, 0);
  EXPECT_TRUE(rot);
  EXPECT_EQ(bild.pixelColor(2, 2), QColor(192, 192, 192));
  // A larger form keeps the drawing and fills the new part with its background.
  form.resize(form.width() + 50, form.height() + 50);
  const QImage groesser = form.grab().toImage();
  EXPECT_EQ(groesser.pixelColor(Twips::zuPixel(2000), Twips::zuPixel(2250)), QColor(0, 255, 0));
  EXPECT_EQ(groesser.pixelColor(groesser.width() - 3, groesser.height() - 3), QColor(192, 192, 192));
}

TEST_F(GrafikTest, TheRecordingModeKeepsEveryOperationWithFixedMetrics) {
  vb::Zeichenflaeche::setAufnahme(true);
  QWidget form;
  vb::Zeichenflaeche f(&form, Fonts::schrift(QStringLiteral("Arial"), 10));
  EXPECT_EQ(f.TextWidth(QStringLiteral("abc")), 360);
  EXPECT_EQ(f.TextHeight(), 240);
  f.setFontSize(20);
  f.setCurrentX(100);
  f.setCurrentY(50);
  f.setForeColor(0x123456);
  f.Print(QStringLiteral("Hallo"));
  EXPECT_EQ(f.CurrentY(), 50 + 480);
  f.Line(1, 2, 3, 4, 0xFF);
  ASSERT_EQ(f.ops().size(), 2);
  const auto& t = f.ops()[0];
  EXPECT_EQ(t.art, vb::Zeichenflaeche::Op::Text);
  EXPECT_EQ(t.text, QStringLiteral("Hallo"));
  EXPECT_EQ(t.x, 100);
  EXPECT_EQ(t.y, 50);
  EXPECT_EQ(t.groesse, 20);
  EXPECT_EQ(t.farbe, 0x123456);
  const auto& l = f.ops()[1];
  EXPECT_EQ(l.art, vb::Zeichenflaeche::Op::Linie);
  EXPECT_EQ(QList<double>({l.x, l.y, l.x2, l.y2}), QList<double>({1, 2, 3, 4}));
  f.setFontSize(0);  // a size of 0 is refused
  EXPECT_EQ(f.FontSize(), 20);
}

TEST_F(GrafikTest, ImagesTakeThePictureSizeAndMissingPicturesAreNull) {
  vb::Image bild;
  EXPECT_FALSE(bild.hatBild());
  QPixmap p(32, 20);
  p.fill(Qt::red);
  bild.setPicture(p);
  EXPECT_TRUE(bild.hatBild());
  EXPECT_EQ(bild.size(), QSize(32, 20));
  EXPECT_FALSE(vb::BildLaden(QStringLiteral("Funkeln.png")).isNull()) << "the shipped pictures";
  EXPECT_TRUE(vb::BildLaden(QStringLiteral("gibtsnicht.png")).isNull());
  QTemporaryDir leer;
  vb::setBilderOrdner(leer.path());
  EXPECT_TRUE(vb::BildLaden(QStringLiteral("Funkeln.png")).isNull());
  vb::setBilderOrdner(QString());
}

TEST_F(GrafikTest, AnImageRaisesClicksOnlyWhileEnabledAndKeepsItsPointer) {
  QWidget form;
  auto* bild = new vb::Image(&form);
  QPixmap p(32, 32);
  p.fill(Qt::blue);
  bild->setPicture(p);
  bild->setMousePointer(QCursor(Qt::PointingHandCursor));
  form.show();
  QStringList lauf;
  bild->Click = [&] { lauf << "Click"; };
  bild->DblClick = [&] { lauf << "DblClick"; };
  QTest::mouseDClick(bild, Qt::LeftButton, {}, QPoint(5, 5));
  bild->setEnabled(false);
  EXPECT_FALSE(bild->Enabled());
  QTest::mouseDClick(bild, Qt::LeftButton, {}, QPoint(5, 5));
  EXPECT_EQ(lauf, QStringList({"Click", "DblClick"}));
  EXPECT_EQ(bild->cursor().shape(), Qt::PointingHandCursor);
}

TEST_F(GrafikTest, AFramelessWindowOfAFixedSize) {
  QWidget w;
  vb::FensterOhneRahmen(&w, 5610, 3435);
  EXPECT_TRUE(w.windowFlags() & Qt::FramelessWindowHint);
  EXPECT_EQ(w.minimumSize(), w.maximumSize());
  EXPECT_EQ(w.size(), QSize(Twips::zuPixel(5610), Twips::zuPixel(3435)));
}

}  // namespace
