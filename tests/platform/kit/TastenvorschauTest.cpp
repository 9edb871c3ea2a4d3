// A form's key preview (Form_KeyPress sees each typed key before the control) and a text box that cuts
// text set by code to its MaxLength.
#include "platform/kit/Controls.h"
#include "platform/kit/Form.h"
#include "platform/vb/Keys.h"
#include "support/kern/TestUmgebung.h"

#include <QApplication>
#include <QTest>

namespace {

class Vorschau : public vb::DialogForm {
 public:
  Vorschau() {
    text = new vb::TextBox(this);
    kombi = new vb::ComboBox(this, 0);
    ok = new vb::CommandButton(this);
    ok->setDefault(true);
    ok->Click = [this] { ++oks; };
    resize(300, 200);
  }
  void Form_KeyPress(int& keyAscii) override {
    gesehen << keyAscii;
    if (keyAscii == 13) keyAscii = 0;
    if (keyAscii == 'x') keyAscii = 0;
    if (keyAscii == ';') keyAscii = ',';
  }
  vb::TextBox* text;
  vb::ComboBox* kombi;
  vb::CommandButton* ok;
  QList<int> gesehen;
  int oks = 0;
};

class TastenvorschauTest : public KartulonTest {
 protected:
  void SetUp() override {
    KartulonTest::SetUp();
    f_ = std::make_unique<Vorschau>();
    f_->show();
    QApplication::setActiveWindow(f_.get());
    ASSERT_TRUE(QTest::qWaitForWindowActive(f_.get()));
  }
  void TearDown() override {
    f_.reset();
    KartulonTest::TearDown();
  }
  static void tippen(Qt::Key k, const QString& text) {
    QTest::sendKeyEvent(QTest::Press, QApplication::focusWidget(), k, text, Qt::NoModifier);
    QTest::sendKeyEvent(QTest::Release, QApplication::focusWidget(), k, text, Qt::NoModifier);
  }
  std::unique_ptr<Vorschau> f_;
};

TEST_F(TastenvorschauTest, TheFormSeesEveryKeyFirstAndMaySwallowOrReplaceIt) {
  f_->setKeyPreview(true);
  QList<int> beimFeld;
  f_->text->KeyPress = [&](int& a) { beimFeld << a; };
  f_->text->SetFocus();
  tippen(Qt::Key_A, QStringLiteral("a"));
  tippen(Qt::Key_X, QStringLiteral("x"));
  tippen(Qt::Key_Semicolon, QStringLiteral(";"));
  tippen(Qt::Key_Return, QStringLiteral("\r"));
  EXPECT_EQ(f_->gesehen, (QList<int>{'a', 'x', ';', 13}));
  // The box gets what the form let through, the replaced character in place of the typed one.
  EXPECT_EQ(beimFeld, (QList<int>{'a', ','}));
  EXPECT_EQ(f_->text->Text(), QStringLiteral("a,"));
  // The swallowed Enter never reaches the default button.
  EXPECT_EQ(f_->oks, 0);
  // Tab moves the focus and is not previewed.
  tippen(Qt::Key_Tab, QStringLiteral("\t"));
  EXPECT_EQ(f_->gesehen.size(), 4);
  EXPECT_NE(QApplication::focusWidget(), f_->text->editor());
}

TEST_F(TastenvorschauTest, AComboBoxKeyIsPreviewedOnce) {
  f_->setKeyPreview(true);
  f_->kombi->SetFocus();
  tippen(Qt::Key_B, QStringLiteral("b"));
  tippen(Qt::Key_Return, QStringLiteral("\r"));
  EXPECT_EQ(f_->gesehen, (QList<int>{'b', 13}));
  EXPECT_EQ(f_->kombi->Text(), QStringLiteral("b"));
  EXPECT_EQ(f_->oks, 0);
}

TEST_F(TastenvorschauTest, WithoutKeyPreviewTheFormSeesNothing) {
  f_->text->SetFocus();
  tippen(Qt::Key_X, QStringLiteral("x"));
  tippen(Qt::Key_Return, QStringLiteral("\r"));
  EXPECT_TRUE(f_->gesehen.isEmpty());
  EXPECT_EQ(f_->text->Text(), QStringLiteral("x"));
  EXPECT_EQ(f_->oks, 1);
  // Turned off again, it stays off.
  f_->setKeyPreview(true);
  f_->setKeyPreview(false);
  tippen(Qt::Key_X, QStringLiteral("x"));
  EXPECT_TRUE(f_->gesehen.isEmpty());
}

TEST(TextBoxKuerzen, TextSetByCodeIsCutOnlyWhenTheBoxSaysSo) {
  vb::TextBox box;
  box.setMaxLength(5);
  box.setText(QStringLiteral("Sparkasse"));
  EXPECT_EQ(box.Text(), QStringLiteral("Sparkasse"));  // a typing limit only
  box.setCutsCodeText(true);
  box.setText(QStringLiteral("Volksbank"));
  EXPECT_EQ(box.Text(), QStringLiteral("Volks"));
  box.setText(QStringLiteral("Bank"));
  box.setSelStart(4);
  box.setSelText(QStringLiteral("haus"));
  EXPECT_EQ(box.Text(), QStringLiteral("Bankh"));
  // A selection replaced makes room.
  box.setSelStart(0);
  box.setSelLength(4);
  box.setSelText(QStringLiteral("Kreditinstitut"));
  EXPECT_EQ(box.Text(), QStringLiteral("Kredh"));
  box.setMaxLength(0);
  box.setText(QStringLiteral("Kreditinstitut"));
  EXPECT_EQ(box.Text(), QStringLiteral("Kreditinstitut"));

  // Several lines: a line break counts two characters and is never split.
  vb::TextBox zeilen(nullptr, true);
  zeilen.setMaxLength(5);
  zeilen.setCutsCodeText(true);
  zeilen.setText(QStringLiteral("abc\r\ndef"));
  EXPECT_EQ(zeilen.Text(), QStringLiteral("abc\r\n"));
  zeilen.setText(QStringLiteral("abcd\r\nef"));
  EXPECT_EQ(zeilen.Text(), QStringLiteral("abcd"));
}

}  // namespace
