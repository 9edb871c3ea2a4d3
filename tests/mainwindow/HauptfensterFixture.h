#pragma once
// The fixture of tests on the shown main window: before each test the window is shown and active.
#include "mainwindow/Main.h"
#include "support/kern/TestUmgebung.h"

#include <QApplication>
#include <QTest>

class HauptfensterTest : public KartulonTest {
 protected:
  // A change date of long ago, and the fixed clock's today.
  inline static const QString kAlt = QStringLiteral("01.01.2020");
  inline static const QString kHeute = QStringLiteral("10.12.2026");

  void SetUp() override {
    KartulonTest::SetUp();
    zeigen();
  }
  void zeigen() {
    Main& w = m();
    w.show();
    QApplication::setActiveWindow(&w);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&w));
  }
  Main& m() { return Main::get(); }
  // The field box that has the focus, -1 for none or another control.
  int fokusFeld() {
    for (int i = 0; i < 24; ++i)
      if (m().Feld(i).editor() == QApplication::focusWidget()) return i;
    return -1;
  }
};
