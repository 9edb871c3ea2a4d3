#include "platform/kit/Controls.h"
#include "support/kern/TestUmgebung.h"

class ComboBoxAuswahlTest : public KartulonTest {};

TEST_F(ComboBoxAuswahlTest, SelectionInTheTypedText) {
  vb::ComboBox c;
  c.setText(QStringLiteral("Hamburg"));
  c.setSelStart(2);
  c.setSelLength(3);
  EXPECT_EQ(c.SelStart(), 2);
  EXPECT_EQ(c.SelLength(), 3);
  EXPECT_EQ(c.lineEdit()->selectedText(), QStringLiteral("mbu"));
  c.setSelStart(99);  // beyond the end: at the end, nothing selected
  EXPECT_EQ(c.SelStart(), 7);
  EXPECT_EQ(c.SelLength(), 0);

  vb::ComboBox liste(nullptr, 2);  // a drop-down list has no typed text
  liste.AddItem(QStringLiteral("a"));
  liste.setSelLength(1);
  EXPECT_EQ(liste.SelStart(), 0);
  EXPECT_EQ(liste.SelLength(), 0);
}
