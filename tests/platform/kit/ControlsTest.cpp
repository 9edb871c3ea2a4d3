#include "platform/dienste/Zwischenablage.h"
#include "platform/kit/Controls.h"
#include "platform/kit/Form.h"
#include "support/kern/TestUmgebung.h"

#include <QApplication>
#include <QTest>

class ControlsTest : public KartulonTest {};

TEST_F(ControlsTest, TypingLimitStopsTypingButNeverCutsText) {
  QWidget w;
  vb::TextBox box(&w);
  w.show();
  box.SetFocus();
  box.setText(QStringLiteral("123456"));
  box.setMaxLength(4);
  EXPECT_EQ(box.Text(), QStringLiteral("123456"));  // longer text stays
  box.setSelStart(6);
  QTest::keyClick(box.editor(), Qt::Key_7);
  EXPECT_EQ(box.Text(), QStringLiteral("123456"));
  box.setText(QStringLiteral("12"));
  box.setSelStart(2);
  QTest::keyClicks(box.editor(), QStringLiteral("345"));
  EXPECT_EQ(box.Text(), QStringLiteral("1234"));
  EXPECT_FALSE(box.setMaxLength(-1));
  EXPECT_EQ(box.MaxLength(), 4);
}

TEST_F(ControlsTest, PasteIsReducedAndCutToTheLimit) {
  QWidget w;
  vb::TextBox box(&w);
  w.show();
  box.SetFocus();
  box.setMaxLength(8);
  Zwischenablage::textSetzen(QStringLiteral("a\tb\u0142c\nxyz123"));
  QTest::keyClick(box.editor(), Qt::Key_V, Qt::ControlModifier);
  EXPECT_EQ(box.Text(), QStringLiteral("a b?c xy"));
}

TEST_F(ControlsTest, MultiLineBoxUsesCrLfAndCountsItTwice) {
  QWidget w;
  vb::TextBox box(&w, true);
  box.setText(QStringLiteral("ab\r\ncd"));
  EXPECT_EQ(box.Text(), QStringLiteral("ab\r\ncd"));
  box.setSelStart(4);  // after CR LF
  box.setSelLength(2);
  EXPECT_EQ(box.SelText(), QStringLiteral("cd"));
  box.setSelStart(0);
  box.setSelLength(4);
  EXPECT_EQ(box.SelText(), QStringLiteral("ab\r\n"));
  box.setText(QStringLiteral("x\ry"));  // a lone CR is a line break too
  EXPECT_EQ(box.Text(), QStringLiteral("x\r\ny"));
}

TEST_F(ControlsTest, KeyEventsFollowTheRuntime) {
  QWidget w;
  vb::TextBox box(&w);
  w.show();
  box.SetFocus();
  QList<int> downs, ups;
  int changes = 0;
  box.KeyDown = [&](int& code, int) { downs << code; };
  box.KeyUp = [&](int& code, int) { ups << code; };
  box.KeyPress = [&](int& ascii) {
    if (ascii == ';') ascii = ',';
    if (ascii == 'x') ascii = 0;
  };
  box.Change = [&] { ++changes; };
  QTest::keyClicks(box.editor(), QStringLiteral("a;x"));
  EXPECT_EQ(box.Text(), QStringLiteral("a,"));
  EXPECT_EQ(downs, (QList<int>{65, 188, 88}));
  EXPECT_EQ(ups, (QList<int>{65, 188, 88}));
  EXPECT_EQ(changes, 2);
  box.setText(QStringLiteral("a,"));  // the same text raises no Change
  EXPECT_EQ(changes, 2);
  box.setText(QStringLiteral("b"));
  EXPECT_EQ(changes, 3);
}

TEST_F(ControlsTest, ListIndexRaisesClickAndMinusOneMeansNone) {
  vb::ListBox list;
  int clicks = 0;
  list.Click = [&] { ++clicks; };
  list.setItems({"a", "b", "c"});
  EXPECT_EQ(list.ListIndex(), -1);
  EXPECT_EQ(clicks, 0);
  list.setListIndex(1);
  EXPECT_EQ(clicks, 1);
  EXPECT_EQ(list.ListIndex(), 1);
  list.RemoveItem(0);
  EXPECT_EQ(list.ListIndex(), 0);  // the selected item moved up
  list.RemoveItem(0);
  EXPECT_EQ(list.ListIndex(), -1);
  EXPECT_EQ(list.List(-1), QString());
  EXPECT_EQ(list.List(5), QString());
  list.show();
  list.setFocus();  // Qt's automatic current row must not become a selection
  QApplication::processEvents();
  EXPECT_EQ(list.ListIndex(), -1);
}

TEST_F(ControlsTest, SortedListUsesGermanCaseInsensitiveOrder) {
  vb::ListBox list;
  list.setSorted(true);
  for (const char16_t* s : {u"Zimmer", u"übel", u"Abel", u"Öz", u"ober", u"Ärger", u"Ullmann"})
    list.AddItem(QString::fromUtf16(s));
  QStringList erwartet = {"Abel", "Ärger", "ober", "Öz", "übel", "Ullmann", "Zimmer"};
  EXPECT_EQ(list.items(), erwartet);
}

TEST_F(ControlsTest, ScriptedDialogsAnswerAndRecord) {
  dialoge().answer(vb::vbYes);
  dialoge().answerText(QStringLiteral("Meier"));
  EXPECT_EQ(MsgBox(QStringLiteral("Frage?"), vb::vbYesNo | vb::vbQuestion, QStringLiteral("Titel")), vb::vbYes);
  EXPECT_EQ(InputBox(QStringLiteral("Name?")), QStringLiteral("Meier"));
  EXPECT_EQ(MsgBox(QStringLiteral("unerwartet"), vb::vbYesNoCancel), vb::vbCancel);
  EXPECT_EQ(dialoge().unanswered(), 1);
  ASSERT_EQ(dialoge().requests().size(), 3);
  EXPECT_EQ(dialoge().requests()[0].title, QStringLiteral("Titel"));
  EXPECT_EQ(dialoge().requests()[0].style, vb::vbYesNo | vb::vbQuestion);
}

// A single line holds 32767 characters; a longer text set by code comes back whole until it is edited.
TEST_F(ControlsTest, ALongTextComesBackWholeUntilEdited) {
  QWidget w;
  vb::TextBox box(&w);
  w.show();
  box.SetFocus();
  int aenderungen = 0;
  box.Change = [&] { ++aenderungen; };
  const QString lang = QString(40000, u'a');
  box.setText(lang);
  EXPECT_EQ(box.Text(), lang);
  EXPECT_EQ(aenderungen, 1);
  // Another long text that shows the same first 32767 characters is still a change.
  box.setText(lang + u'b');
  EXPECT_EQ(box.Text(), lang + u'b');
  EXPECT_EQ(aenderungen, 2);
  box.setSelStart(0);
  QTest::keyClick(box.editor(), Qt::Key_Delete);
  EXPECT_EQ(box.Text(), QString(32766, u'a'));
  box.setText(QStringLiteral("kurz"));
  EXPECT_EQ(box.Text(), QStringLiteral("kurz"));
}

// A click that brings the focus: a right click raises MouseDown before GotFocus (the owner then knows the
// click while the box's focus-entry handling runs), a left click GotFocus first; a box of several lines
// raises one MouseDown per press.
TEST_F(ControlsTest, ARightClickReachesMouseDownBeforeGotFocus) {
  QWidget w;
  w.resize(300, 200);
  vb::TextBox andere(&w);
  vb::TextBox zeile(&w);
  vb::TextBox mehrere(&w, true);
  zeile.setGeometry(0, 40, 200, 30);
  mehrere.setGeometry(0, 80, 200, 100);
  QStringList ereignisse;
  for (auto [box, name] : {std::pair{&zeile, "zeile"}, std::pair{&mehrere, "mehrere"}}) {
    const QString n = QString::fromLatin1(name);
    box->GotFocus = [&ereignisse, n] { ereignisse << n + QStringLiteral(" GotFocus"); };
    box->MouseDown = [&ereignisse, n](int button, int, int, int) {
      ereignisse << n + QStringLiteral(" MouseDown %1").arg(button);
    };
  }
  w.show();
  QApplication::setActiveWindow(&w);
  ASSERT_TRUE(QTest::qWaitForWindowActive(&w));
  const struct {
    vb::TextBox* box;
    QWidget* flaeche;
    Qt::MouseButton taste;
    QStringList erwartet;
  } faelle[] = {
      {&zeile, zeile.editor(), Qt::RightButton, {"zeile MouseDown 2", "zeile GotFocus"}},
      {&zeile, zeile.editor(), Qt::LeftButton, {"zeile GotFocus", "zeile MouseDown 1"}},
      {&mehrere,
       static_cast<QPlainTextEdit*>(mehrere.editor())->viewport(),
       Qt::RightButton,
       {"mehrere MouseDown 2", "mehrere GotFocus"}},
  };
  for (const auto& f : faelle) {
    andere.SetFocus();
    QApplication::processEvents();
    ereignisse.clear();
    // As the window system delivers it, so that the buttons held are known while the focus moves.
    QTest::mouseClick(w.windowHandle(), f.taste, {}, f.flaeche->mapTo(&w, QPoint(5, 5)));
    QApplication::processEvents();
    EXPECT_EQ(ereignisse, f.erwartet);
    EXPECT_TRUE(f.box->hasFocusNow());
  }
}
