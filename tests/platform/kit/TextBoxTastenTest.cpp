// The text box's key events as the forms rely on them: codes and shift mask, character codes that can
// be swallowed or replaced, the release delivered where the focus is, and the caret kept on Tab.
#include "platform/kit/Controls.h"
#include "platform/vb/Keys.h"
#include "support/kern/TestUmgebung.h"

#include <QApplication>
#include <QTest>
#include <QVBoxLayout>

namespace {

class TextBoxTastenTest : public KartulonTest {
 protected:
  void SetUp() override {
    KartulonTest::SetUp();
    fenster_ = std::make_unique<QWidget>();
    auto* layout = new QVBoxLayout(fenster_.get());
    a_ = new vb::TextBox(fenster_.get());
    b_ = new vb::TextBox(fenster_.get());
    layout->addWidget(a_);
    layout->addWidget(b_);
    fenster_->show();
    QApplication::setActiveWindow(fenster_.get());
    ASSERT_TRUE(QTest::qWaitForWindowActive(fenster_.get()));
  }
  void TearDown() override {
    fenster_.reset();
    KartulonTest::TearDown();
  }
  static void druecken(Qt::Key k, Qt::KeyboardModifiers mod, const QString& text) {
    QTest::sendKeyEvent(QTest::Press, QApplication::focusWidget(), k, text, mod);
  }
  static void loslassen(Qt::Key k, Qt::KeyboardModifiers mod, const QString& text) {
    QTest::sendKeyEvent(QTest::Release, QApplication::focusWidget(), k, text, mod);
  }

  std::unique_ptr<QWidget> fenster_;
  vb::TextBox* a_ = nullptr;
  vb::TextBox* b_ = nullptr;
};

TEST_F(TextBoxTastenTest, CodesShiftMaskAndCharacters) {
  struct Fall {
    Qt::Key key;
    Qt::KeyboardModifiers mod;
    const char* text;
    int code, shift, ascii;  // ascii -1: no KeyPress
  };
  const Fall faelle[] = {
      {Qt::Key_A, Qt::NoModifier, "a", 65, 0, 'a'},
      {Qt::Key_A, Qt::ShiftModifier, "A", 65, 1, 'A'},
      {Qt::Key_D, Qt::ControlModifier, "\x04", 68, 2, 4},
      {Qt::Key_U, Qt::ControlModifier | Qt::ShiftModifier, "\x15", 85, 3, 21},
      {Qt::Key_NumberSign, Qt::NoModifier, "#", 191, 0, '#'},
      {Qt::Key_Apostrophe, Qt::ShiftModifier, "'", 191, 1, '\''},
      {Qt::Key_Apostrophe, Qt::ControlModifier | Qt::ShiftModifier, "'", 191, 3, -1},  // a command
      {Qt::Key_1, Qt::ControlModifier, "1", 49, 2, -1},
      {Qt::Key_Return, Qt::AltModifier, "\r", 13, 4, -1},  // a command of the box's owner: types nothing
      {Qt::Key_F2, Qt::ControlModifier, "", 113, 2, -1},
      {Qt::Key_Up, Qt::NoModifier, "", 38, 0, -1},
  };
  for (const Fall& f : faelle) {
    int code = -1, shift = -1, ascii = -1;
    a_->KeyDown = [&](int& c, int s) { code = c, shift = s; };
    a_->KeyPress = [&](int& k) { ascii = k; };
    a_->SetFocus();
    druecken(f.key, f.mod, QString::fromLatin1(f.text));
    EXPECT_EQ(code, f.code) << f.text << " " << f.key;
    EXPECT_EQ(shift, f.shift) << f.text << " " << f.key;
    EXPECT_EQ(ascii, f.ascii) << f.text << " " << f.key;
  }
}

TEST_F(TextBoxTastenTest, KeyPressSwallowsOrReplacesTheCharacter) {
  a_->KeyPress = [](int& k) {
    if (k == 'x') k = 0;
    if (k == ';') k = ',';
    if (k == 'o') k = 246;  // a Windows-1252 code
  };
  a_->SetFocus();
  for (const char* c : {"a", "x", ";", "o"}) {
    druecken(static_cast<Qt::Key>(QChar::fromLatin1(c[0]).toUpper().unicode()), Qt::NoModifier, QString::fromLatin1(c));
  }
  EXPECT_EQ(a_->Text(), QStringLiteral("a,\u00f6"));
}

TEST_F(TextBoxTastenTest, KeyDownSwallowsAKeyThatTypesNothing) {
  a_->setText(QStringLiteral("abc"));
  a_->SetFocus();
  a_->setSelStart(1);
  a_->KeyDown = [](int& c, int) {
    if (c == vb::vbKeyLeft) c = 0;
  };
  druecken(Qt::Key_Left, Qt::NoModifier, {});
  EXPECT_EQ(a_->SelStart(), 1);
  druecken(Qt::Key_Right, Qt::NoModifier, {});
  EXPECT_EQ(a_->SelStart(), 2);
}

TEST_F(TextBoxTastenTest, TheReleaseReachesTheBoxThatHasTheFocusThen) {
  QStringList ereignisse;
  a_->KeyDown = [&](int& c, int) {
    ereignisse << QStringLiteral("a down %1").arg(c);
    if (c == vb::vbKeyReturn) b_->SetFocus();
  };
  a_->KeyUp = [&](int& c, int) { ereignisse << QStringLiteral("a up %1").arg(c); };
  b_->KeyUp = [&](int& c, int s) { ereignisse << QStringLiteral("b up %1 %2").arg(c).arg(s); };
  a_->SetFocus();
  druecken(Qt::Key_Return, Qt::NoModifier, QStringLiteral("\r"));
  loslassen(Qt::Key_Return, Qt::NoModifier, QStringLiteral("\r"));
  // A key without a code of its own still reports its release.
  loslassen(Qt::Key_MediaPlay, Qt::NoModifier, {});
  EXPECT_EQ(ereignisse, (QStringList{"a down 13", "b up 13 0", "b up 0 0"}));
}

TEST_F(TextBoxTastenTest, TabKeepsTheCaretOrASelectionSetByCode) {
  b_->setText(QStringLiteral("Hamburg-Altona"));
  a_->SetFocus();
  b_->setSelStart(7);
  b_->setSelLength(7);
  b_->editor()->setFocus(Qt::TabFocusReason);
  EXPECT_EQ(b_->SelStart(), 7);
  EXPECT_EQ(b_->SelLength(), 7);
  druecken(Qt::Key_Minus, Qt::NoModifier, QStringLiteral("-"));
  EXPECT_EQ(b_->Text(), QStringLiteral("Hamburg-"));
  // Without a selection the caret stays where it was; nothing is selected.
  a_->setText(QStringLiteral("abc"));
  a_->setSelStart(2);
  a_->editor()->setFocus(Qt::BacktabFocusReason);
  EXPECT_EQ(a_->SelLength(), 0);
  EXPECT_EQ(a_->SelStart(), 2);
}

}  // namespace
