// The menu tree built from a table: places, separators, menu arrays, waiting items, and when a shortcut
// fires.
#include "platform/kit/Controls.h"
#include "platform/kit/Menue.h"
#include "support/kern/TestUmgebung.h"

#include <QApplication>
#include <QMainWindow>
#include <QMenuBar>
#include <QTest>
#include <QTimer>

namespace {

class MenuBaumTest : public KartulonTest {
 protected:
  void SetUp() override {
    KartulonTest::SetUp();
    fenster = std::make_unique<QMainWindow>();
    box = new vb::TextBox(fenster.get());
    fenster->setCentralWidget(box);
    const auto merken = [this](const char* was) {
      return [this, was](int index) { gelaufen << QStringLiteral("%1:%2").arg(QLatin1String(was)).arg(index); };
    };
    const QKeySequence ohne;
    baum = new vb::MenuBaum(fenster.get(),
                            {
                                {"", "Oben", -1, "&Oben", ohne, merken("Oben")},
                                {"Oben", "Eins", -1, "&Eins", QKeySequence(QStringLiteral("Ctrl+E")), merken("Eins")},
                                {"Oben", "Strich", -1, "-", ohne, {}},
                                {"Oben", "Unter", -1, "&Unter", ohne, {}},
                                {"Unter", "Reihe", 3, "Drei", QKeySequence(QStringLiteral("F6")), merken("Reihe")},
                                {"Unter", "Reihe", 7, "Sieben", ohne, merken("Reihe")},
                                {"Unter", "Spaeter", -1, "&Später", QKeySequence(QStringLiteral("Ctrl+M")), {}},
                                {"", "Zweites", -1, "&Zweites", ohne, {}},
                                {"Zweites", "Zwei", -1, "Zwei", QKeySequence(QStringLiteral("Ctrl+Z")), merken("Zwei")},
                            });
    fenster->show();
    QApplication::setActiveWindow(fenster.get());
    ASSERT_TRUE(QTest::qWaitForWindowActive(fenster.get()));
    box->SetFocus();
    QApplication::processEvents();
  }
  void TearDown() override {
    fenster.reset();
    KartulonTest::TearDown();
  }
  void taste(Qt::Key k, Qt::KeyboardModifiers mod = Qt::NoModifier) { QTest::keyClick(box->editor(), k, mod); }

  std::unique_ptr<QMainWindow> fenster;
  vb::TextBox* box = nullptr;
  vb::MenuBaum* baum = nullptr;
  QStringList gelaufen;
};

TEST_F(MenuBaumTest, ItemsStandInTheWindowsOwnMenuBarInTableOrder) {
  QMenuBar* leiste = fenster->menuBar();
  EXPECT_FALSE(leiste->isNativeMenuBar());
  ASSERT_EQ(leiste->actions().size(), 2);
  EXPECT_EQ(leiste->actions()[0]->text(), QStringLiteral("&Oben"));
  QStringList namen;
  for (QAction* a : leiste->actions()[0]->menu()->actions()) namen << a->objectName();
  EXPECT_EQ(namen, QStringList({"Eins", "Strich", "Unter"}));
  EXPECT_TRUE(baum->item("Strich")->action()->isSeparator());
  QStringList unter;
  for (QAction* a : baum->item("Unter")->menu()->actions()) unter << a->objectName();
  EXPECT_EQ(unter, QStringList({"Reihe_3", "Reihe_7", "Spaeter"}));
  EXPECT_EQ(baum->item("Reihe", 7)->Index(), 7);
  EXPECT_EQ(baum->item("Reihe", 7)->Parent(), baum->item("Unter"));
  EXPECT_EQ(baum->item("Reihe", 5), nullptr);
  vb::ControlArray<vb::MenuItem> reihe;
  baum->arrayFuellen("Reihe", reihe);
  EXPECT_EQ(reihe.Count(), 2);
}

TEST_F(MenuBaumTest, AnItemWithoutCommandWaitsDisabledWhateverItsEnabledSays) {
  vb::MenuItem* spaeter = baum->item("Spaeter");
  EXPECT_TRUE(spaeter->Wartend());
  EXPECT_TRUE(spaeter->Enabled());
  EXPECT_FALSE(spaeter->action()->isEnabled());
  spaeter->setEnabled(false);
  spaeter->setEnabled(true);
  EXPECT_FALSE(spaeter->action()->isEnabled());
  // Menus and separators do not wait.
  EXPECT_FALSE(baum->item("Unter")->Wartend());
  EXPECT_FALSE(baum->item("Strich")->Wartend());
  EXPECT_FALSE(baum->item("Zweites")->Wartend());
}

TEST_F(MenuBaumTest, ChoosingAnItemRunsItsCommandWithItsIndex) {
  baum->item("Reihe", 7)->action()->trigger();
  baum->item("Eins")->action()->trigger();
  EXPECT_EQ(gelaufen, QStringList({"Reihe:7", "Eins:-1"}));
  // A top menu's command runs when it opens.
  gelaufen.clear();
  emit baum->item("Oben")->menu()->aboutToShow();
  EXPECT_EQ(gelaufen, QStringList({"Oben:-1"}));
}

TEST_F(MenuBaumTest, AShortcutFiresOnlyWhileItsItemAndEveryMenuAboveAreUsable) {
  struct Fall {
    const char* name;
    std::function<void(vb::MenuBaum&)> zustand;
    bool feuert;
  };
  const Fall faelle[] = {
      {"usable", [](vb::MenuBaum&) {}, true},
      {"item disabled", [](vb::MenuBaum& b) { b.item("Reihe", 3)->setEnabled(false); }, false},
      {"item hidden", [](vb::MenuBaum& b) { b.item("Reihe", 3)->setVisible(false); }, false},
      {"sub-menu disabled", [](vb::MenuBaum& b) { b.item("Unter")->setEnabled(false); }, false},
      {"sub-menu hidden", [](vb::MenuBaum& b) { b.item("Unter")->setVisible(false); }, false},
      {"top menu disabled", [](vb::MenuBaum& b) { b.item("Oben")->setEnabled(false); }, false},
  };
  for (const Fall& f : faelle) {
    SCOPED_TRACE(f.name);
    for (vb::MenuItem* m : baum->items()) {
      m->setEnabled(true);
      m->setVisible(true);
    }
    f.zustand(*baum);
    gelaufen.clear();
    box->setText(QStringLiteral("abc"));
    taste(Qt::Key_F6);
    // The top menu is brought up to date first, as when it opens.
    QStringList erwartet{"Oben:-1"};
    if (f.feuert) erwartet << "Reihe:3";
    EXPECT_EQ(gelaufen, erwartet);
    EXPECT_EQ(box->Text(), QStringLiteral("abc"));
  }
}

TEST_F(MenuBaumTest, TheTopMenusCommandCanDisableTheItemBeforeItsShortcutActs) {
  baum->item("Oben")->Click = [this] { baum->item("Eins")->setEnabled(false); };
  taste(Qt::Key_E, Qt::ControlModifier);
  EXPECT_TRUE(gelaufen.isEmpty());
  baum->item("Oben")->Click = [this] { baum->item("Eins")->setEnabled(true); };
  baum->item("Eins")->setEnabled(false);
  taste(Qt::Key_E, Qt::ControlModifier);
  EXPECT_EQ(gelaufen, QStringList({"Eins:-1"}));
}

TEST_F(MenuBaumTest, AMenuShortcutIsNeverTypedNorUsedByTheBoxsOwnEditing) {
  // Ctrl+Z runs the item instead of the box's undo; disabled, it does nothing at all.
  box->setText(QString());
  QTest::keyClicks(box->editor(), QStringLiteral("ab"));
  taste(Qt::Key_Z, Qt::ControlModifier);
  EXPECT_EQ(gelaufen, QStringList({"Zwei:-1"}));
  EXPECT_EQ(box->Text(), QStringLiteral("ab"));
  baum->item("Zwei")->setEnabled(false);
  taste(Qt::Key_Z, Qt::ControlModifier);
  EXPECT_EQ(box->Text(), QStringLiteral("ab"));
  // Ctrl+M is the waiting item's: no Enter, nothing typed.
  vb::TextBox* mehrzeilig = new vb::TextBox(fenster.get(), true);
  fenster->setCentralWidget(mehrzeilig);
  mehrzeilig->SetFocus();
  QApplication::processEvents();
  mehrzeilig->setText(QStringLiteral("x"));
  QTest::keyClick(mehrzeilig->editor(), Qt::Key_M, Qt::ControlModifier);
  EXPECT_EQ(mehrzeilig->Text(), QStringLiteral("x"));
  EXPECT_EQ(gelaufen, QStringList({"Zwei:-1", "Oben:-1"}));
}

}  // namespace

namespace {

// A hidden top menu shown as a pop-up: its default item is bold while it shows, and the item chosen there
// has run before the call returns; without a choice nothing runs.
TEST_F(MenuBaumTest, APopupMarksItsDefaultItemAndRunsTheChoiceBeforeItReturns) {
  vb::MenuItem* zweites = baum->item(QStringLiteral("Zweites"));
  vb::MenuItem* zwei = baum->item(QStringLiteral("Zwei"));
  zweites->setVisible(false);
  for (const bool waehlen : {true, false}) {
    SCOPED_TRACE(waehlen ? "chosen" : "closed");
    gelaufen.clear();
    bool zurueck = false;
    bool fettGezeigt = false, standardGezeigt = false, liefVorDemEnde = false;
    zwei->Click = [&] {
      gelaufen << QStringLiteral("Zwei");
      liefVorDemEnde = !zurueck;
    };
    QTimer::singleShot(0, [&] {
      auto* menue = qobject_cast<QMenu*>(QApplication::activePopupWidget());
      ASSERT_NE(menue, nullptr);
      standardGezeigt = menue->defaultAction() == zwei->action();
      fettGezeigt = zwei->action()->font().bold();
      if (waehlen) {
        QTest::keyClick(menue, Qt::Key_Down);
        QTest::keyClick(menue, Qt::Key_Return);
      } else {
        QTest::keyClick(menue, Qt::Key_Escape);
      }
    });
    vb::PopupMenu(*zweites, zwei);
    zurueck = true;
    EXPECT_TRUE(standardGezeigt);
    EXPECT_TRUE(fettGezeigt);
    EXPECT_FALSE(zwei->action()->font().bold());
    EXPECT_EQ(gelaufen, waehlen ? QStringList{QStringLiteral("Zwei")} : QStringList{});
    EXPECT_EQ(liefVorDemEnde, waehlen);
  }
}

}  // namespace
