#pragma once
// The fixture of a dialog's tests: the dialog is handed its data as its menu command would hand it, and
// a test fails when anything built the main window after all. A fixture of the menu commands says so
// (`mitHauptfenster`): the main window is then loaded first, as the program loads it before any dialog.
#include "mainwindow/Main.h"
#include "support/kern/TestUmgebung.h"

// The dialog; loaded afresh, it is handed its data by `uebergeben`.
template <class Dialog, class Uebergabe>
Dialog& geladen(Uebergabe uebergeben) {
  const bool neu = !Dialog::IsLoaded();
  Dialog& d = Dialog::get();
  if (neu) uebergeben(d);
  return d;
}

class Dialogtest : public KartulonTest {
 protected:
  virtual bool mitHauptfenster() const { return false; }

  void SetUp() override {
    KartulonTest::SetUp();
    if (mitHauptfenster()) Main::get();
  }
  void TearDown() override {
    if (!mitHauptfenster()) {
      EXPECT_FALSE(Main::IsLoaded()) << "the dialog reached for the main window";
    }
    KartulonTest::TearDown();
  }
};
