#include "platform/vb/Keys.h"
#include "support/kern/TestUmgebung.h"

class TastenZustandTest : public KartulonTest {};

TEST_F(TastenZustandTest, HeldKeysAreReported) {
  vb::TastenHalten(Qt::ShiftModifier);
  EXPECT_NE(vb::ShiftKey(), 0);
  EXPECT_EQ(vb::CtrlKey(), 0);
  vb::TastenHalten(Qt::ControlModifier | Qt::ShiftModifier);
  EXPECT_NE(vb::CtrlKey(), 0);
  vb::TastenHalten(Qt::NoModifier);
  EXPECT_EQ(vb::ShiftKey(), 0);
  EXPECT_EQ(vb::CtrlKey(), 0);
}
