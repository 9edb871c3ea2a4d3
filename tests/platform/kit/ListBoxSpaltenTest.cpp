#include "platform/kit/Controls.h"
#include "support/kern/TestUmgebung.h"

#include <QImage>
#include <QScrollBar>

class ListBoxSpaltenTest : public KartulonTest {};

namespace {
// The first column of the image, from x on, in which the first row holds a dark pixel.
int ersteDunkleSpalte(const QImage& bild, int ab, int zeilenHoehe) {
  for (int x = ab; x < bild.width(); ++x)
    for (int y = 0; y < zeilenHoehe; ++y)
      if (qGray(bild.pixel(x, y)) < 100) return x;
  return -1;
}
}  // namespace

TEST_F(ListBoxSpaltenTest, FieldsStartAtTheTabStops) {
  vb::ListBox liste;
  liste.resize(700, 80);
  liste.setItems({QStringLiteral("I\tI\tI")});
  liste.setTabStops({80, 240});
  liste.show();
  const QImage bild = liste.viewport()->grab().toImage();
  const int hoehe = liste.sizeHintForRow(0);
  const double einheit = liste.fontMetrics().averageCharWidth() / 4.0;  // a dialog unit
  const int x0 = ersteDunkleSpalte(bild, 0, hoehe);
  ASSERT_GE(x0, 0);
  const int x1 = ersteDunkleSpalte(bild, x0 + 3, hoehe);
  const int x2 = ersteDunkleSpalte(bild, x1 + 3, hoehe);
  EXPECT_NEAR(x1 - x0, 80 * einheit, 2);
  EXPECT_NEAR(x2 - x0, 240 * einheit, 2);
}

TEST_F(ListBoxSpaltenTest, LongFieldIsCutAtItsColumn) {
  vb::ListBox liste;
  liste.resize(700, 80);
  liste.setItems({QString(200, u'W') + QStringLiteral("\tI")});
  liste.setTabStops({80});
  liste.show();
  const QImage bild = liste.viewport()->grab().toImage();
  const int hoehe = liste.sizeHintForRow(0);
  const double einheit = liste.fontMetrics().averageCharWidth() / 4.0;
  const int x0 = ersteDunkleSpalte(bild, 0, hoehe);
  // Just before the second column there is a gap, and the second field starts at its stop.
  const int stop = x0 + static_cast<int>(80 * einheit);
  for (int y = 0; y < hoehe; ++y) EXPECT_GE(qGray(bild.pixel(stop - 1, y)), 100);
  EXPECT_NEAR(ersteDunkleSpalte(bild, stop - 1, hoehe), stop, 2);
  // No horizontal scroll bar, as the runtime's list box has none.
  EXPECT_FALSE(liste.horizontalScrollBar()->isVisible());
}
