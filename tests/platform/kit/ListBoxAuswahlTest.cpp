// The multi-select list box chooses whole runs of lines at once, without a Click per line.
#include "platform/kit/Controls.h"
#include "support/kern/TestUmgebung.h"

#include <QElapsedTimer>

class ListBoxAuswahlTest : public KartulonTest {};

TEST_F(ListBoxAuswahlTest, RunsAllAndNoneReplaceTheSelectionInOneStep) {
  vb::ListBox liste;
  liste.setMultiSelect(1);
  QStringList zeilen;
  for (int i = 0; i < 32000; ++i) zeilen << QString::number(i);
  liste.setItems(zeilen);
  int klicks = 0;
  liste.Click = [&] { ++klicks; };

  QElapsedTimer uhr;
  uhr.start();
  liste.alleWaehlen(true);
  EXPECT_EQ(liste.SelCount(), 32000);
  EXPECT_LT(uhr.elapsed(), 250);
  EXPECT_TRUE(liste.Selected(31999));

  // Runs beyond the list's ends are cut to it; an empty or reversed run selects nothing.
  liste.setAuswahlBereiche({{-5, 1}, {5, 5}, {9, 7}, {31998, 40000}});
  EXPECT_EQ(liste.ausgewaehlteZeilen(), (QList<int>{0, 1, 5, 31998, 31999}));
  EXPECT_EQ(liste.SelCount(), 5);
  EXPECT_FALSE(liste.Selected(2));

  // A line toggled one by one joins the runs; the order is the list's.
  liste.setSelected(3, true);
  EXPECT_EQ(liste.ausgewaehlteZeilen(), (QList<int>{0, 1, 3, 5, 31998, 31999}));

  liste.alleWaehlen(false);
  EXPECT_EQ(liste.SelCount(), 0);
  EXPECT_TRUE(liste.ausgewaehlteZeilen().isEmpty());
  EXPECT_EQ(klicks, 0);
}
