// The first box of a bank-form dialog as the user meets it: the dialog opens with the focus in the
// recipient's (debtor's) box and its text selected, so that a typed name replaces the one proposed.
#include "bankforms/formen/LastschriftFixture.h"
#include "bankforms/formen/UeberweisungFixture.h"

using namespace Qt::StringLiterals;

namespace {

// In the dialog just shown (the focus came with the window): the box has the focus and its whole text
// selected, and a name typed there is all the box holds.
void namenTippen(vb::TextBox& box) {
  ASSERT_EQ(QApplication::focusWidget(), box.editor());
  EXPECT_EQ(box.SelLength(), box.Text().size());
  QTest::keyClicks(QApplication::focusWidget(), u"Eva Berg"_s);
  EXPECT_EQ(box.Text(), u"Eva Berg"_s);
}

// The dialogs as their menu commands open them, from the record the main window shows.
class UeberweisungOeffnenTest : public UeberweisungTest {
 protected:
  bool mitHauptfenster() const override { return true; }
};
class LastschriftOeffnenTest : public LastschriftTest {
 protected:
  bool mitHauptfenster() const override { return true; }
};

}  // namespace

TEST_F(UeberweisungOeffnenTest, ATypedNameReplacesTheRecipientWhenTheDialogOpens) {
  m().Liste->setListIndex(0);
  // The menu command puts the shown record's recipient in; where its modal loop would run, the dialog
  // is shown as the user sees it.
  oeffnen([&](FormPrnUeberweisung& u) {
    ASSERT_EQ(u.TxtEmpfängerName->Text(), u"Anna Meier"_s);
    ASSERT_NO_FATAL_FAILURE(aktivZeigen(u));
    namenTippen(*u.TxtEmpfängerName);
  });
}

TEST_F(LastschriftOeffnenTest, ATypedNameReplacesTheDebtorWhenTheDialogOpens) {
  m().Liste->setListIndex(0);
  FormPrnLastschrift& l = d();
  ASSERT_EQ(l.TxtAbsName->Text(), u"Anna Meier"_s);
  ASSERT_NO_FATAL_FAILURE(aktivZeigen(l));
  namenTippen(*l.TxtAbsName);
}
