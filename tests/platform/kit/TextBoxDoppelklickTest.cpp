// A double-click into a text box: the word between blanks, TABs and line breaks is selected whole (mail
// and web addresses included), and the box's DblClick event comes after that, so it sees the word.
#include "platform/kit/Controls.h"
#include "support/kern/TestUmgebung.h"

#include <QApplication>
#include <QTest>
#include <QVBoxLayout>

namespace {

class TextBoxDoppelklickTest : public KartulonTest {
 protected:
  void SetUp() override {
    KartulonTest::SetUp();
    fenster_ = std::make_unique<QWidget>();
    fenster_->resize(700, 200);
    auto* layout = new QVBoxLayout(fenster_.get());
    zeile_ = new vb::TextBox(fenster_.get());
    mehr_ = new vb::TextBox(fenster_.get(), true);
    layout->addWidget(zeile_);
    layout->addWidget(mehr_);
    fenster_->show();
    QApplication::setActiveWindow(fenster_.get());
    ASSERT_TRUE(QTest::qWaitForWindowActive(fenster_.get()));
  }
  void TearDown() override {
    fenster_.reset();
    KartulonTest::TearDown();
  }

  // Double-clicks on the character at the position (counted in the widget's text) and returns what
  // the DblClick event saw selected.
  QString doppelklick(vb::TextBox& box, int pos) {
    QString gesehen = QStringLiteral("<kein Ereignis>");
    box.DblClick = [&] { gesehen = box.SelText(); };
    QPoint p;
    QWidget* ziel;
    if (auto* edit = qobject_cast<QPlainTextEdit*>(box.editor())) {
      QTextCursor c = edit->textCursor();
      c.setPosition(pos);
      p = edit->cursorRect(c).center() + QPoint(2, 0);
      ziel = edit->viewport();
    } else {
      auto* line = qobject_cast<QLineEdit*>(box.editor());
      // The middle of the character: where the nearest caret place changes from before it to after it.
      const int y = line->height() / 2;
      int x = 0;
      while (x < line->width() && line->cursorPositionAt(QPoint(x, y)) <= pos) ++x;
      p = QPoint(x - 1, y);
      ziel = line;
    }
    QTest::mouseDClick(ziel, Qt::LeftButton, {}, p);
    return gesehen;
  }

  std::unique_ptr<QWidget> fenster_;
  vb::TextBox* zeile_ = nullptr;
  vb::TextBox* mehr_ = nullptr;
};

TEST_F(TextBoxDoppelklickTest, TheWholeRunBetweenBlanksIsSelectedBeforeTheEvent) {
  struct Fall {
    bool mehrzeilig;
    const char* text;
    int pos;  // a character of the word clicked on
    const char* wort;
  };
  const Fall faelle[] = {
      {false, "an anna@example.de schreiben", 9, "anna@example.de"},
      {false, "http://www.example.de/a.html", 12, "http://www.example.de/a.html"},
      {false, "Ruf 089/12-34 an", 6, "089/12-34"},
      {false, "eins\tzwei", 1, "eins"},  // a TAB separates (typed TABs become blanks; set by code it stays)
      {true, "Termin:\r\nanna@example.de\r\nbald", 12, "anna@example.de"},
      {true, "a b.c/d e", 3, "b.c/d"},
  };
  for (const Fall& f : faelle) {
    SCOPED_TRACE(f.text);
    vb::TextBox& box = f.mehrzeilig ? *mehr_ : *zeile_;
    box.setText(QString::fromUtf8(f.text));
    QApplication::processEvents();
    EXPECT_EQ(doppelklick(box, f.pos), QString::fromUtf8(f.wort));
    EXPECT_EQ(box.SelText(), QString::fromUtf8(f.wort));
  }
}

}  // namespace
