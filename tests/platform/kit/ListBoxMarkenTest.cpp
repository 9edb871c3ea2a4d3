// The list with a check box in front of each item: marks set by code and by the user, which of them
// raise Click, and marks that stay with their items when the list changes.
#include "platform/kit/Controls.h"
#include "support/kern/TestUmgebung.h"

#include <QApplication>
#include <QTest>

using namespace Qt::Literals::StringLiterals;

class ListBoxMarkenTest : public KartulonTest {};

TEST_F(ListBoxMarkenTest, MarksByCodeAndByTheUser) {
  vb::ListBox liste;
  liste.setMitMarken(true);
  int klicks = 0;
  liste.Click = [&] { ++klicks; };
  liste.setItemsMitMarken({u"a"_s, u"b"_s, u"c"_s, u"d"_s}, {0, 1, 0, 1});
  EXPECT_EQ(klicks, 0);
  EXPECT_EQ(liste.SelCount(), 2);
  EXPECT_EQ(liste.ListIndex(), -1);
  EXPECT_TRUE(liste.Selected(1));
  EXPECT_FALSE(liste.Selected(2));
  EXPECT_EQ(liste.model()->data(liste.model()->index(3, 0), Qt::CheckStateRole).toInt(), Qt::Checked);
  EXPECT_TRUE(liste.model()->flags(liste.model()->index(0, 0)) & Qt::ItemIsUserCheckable);

  liste.setSelected(2, true);  // by code: no Click
  EXPECT_EQ(klicks, 0);
  EXPECT_EQ(liste.SelCount(), 3);
  liste.setListIndex(0);  // highlighting is no mark
  EXPECT_EQ(klicks, 1);
  EXPECT_FALSE(liste.Selected(0));

  // The user's mark: the model's check state, as a click on the box or the space key sets it.
  liste.show();
  QApplication::setActiveWindow(&liste);
  liste.setFocus();
  QTest::keyClick(&liste, Qt::Key_Space);
  EXPECT_EQ(klicks, 2);
  EXPECT_TRUE(liste.Selected(0));
  liste.model()->setData(liste.model()->index(3, 0), Qt::Unchecked, Qt::CheckStateRole);
  EXPECT_EQ(klicks, 3);
  EXPECT_EQ(liste.SelCount(), 3);

  // Items added and removed take their marks along.
  liste.RemoveItem(1);
  liste.AddItem(u"neu"_s, 0);
  QList<bool> marken;
  for (int i = 0; i < liste.ListCount(); ++i) marken << liste.Selected(i);
  EXPECT_EQ(liste.items(), (QStringList{u"neu"_s, u"a"_s, u"c"_s, u"d"_s}));
  EXPECT_EQ(marken, (QList<bool>{false, true, true, false}));
  liste.setItems({u"x"_s, u"y"_s});
  EXPECT_EQ(liste.SelCount(), 0);
  liste.Clear();
  EXPECT_EQ(liste.SelCount(), 0);
}

TEST_F(ListBoxMarkenTest, AListWithoutMarksIsUnchanged) {
  vb::ListBox liste;
  liste.setItems({u"a"_s, u"b"_s});
  EXPECT_FALSE(liste.model()->flags(liste.model()->index(0, 0)) & Qt::ItemIsUserCheckable);
  EXPECT_FALSE(liste.model()->data(liste.model()->index(0, 0), Qt::CheckStateRole).isValid());
  liste.setSelected(1, true);  // single selection: the highlighted item
  EXPECT_EQ(liste.ListIndex(), 1);
  EXPECT_EQ(liste.SelCount(), 1);
}
