#include "platform/dienste/Screen.h"
#include "platform/kit/Controls.h"
#include "platform/kit/Form.h"
#include "platform/vb/Dezu.h"
#include "support/kern/TestUmgebung.h"

#include <QTest>

namespace {

class Probe : public vb::DialogForm, public vb::DefaultInstance<Probe> {
 public:
  Probe() {
    ok = new vb::CommandButton(this);
    ok->setDefault(true);
    ok->Click = [this] {
      ++oks;
      Hide();
    };
    abbrechen = new vb::CommandButton(this);
    abbrechen->setCancel(true);
    abbrechen->Click = [this] {
      ++abbrueche;
      Hide();
    };
    text = new vb::TextBox(this);
    resize(300, 200);
  }
  void Form_QueryUnload(int& cancel, int mode) override {
    modi << mode;
    cancel = verweigern;
  }
  void Form_Resize() override { ++resizes; }
  vb::CommandButton* ok;
  vb::CommandButton* abbrechen;
  vb::TextBox* text;
  int oks = 0, abbrueche = 0, resizes = 0;
  bool verweigern = false;
  QList<int> modi;
};

}  // namespace

class DialogFormTest : public KartulonTest {};

TEST_F(DialogFormTest, EscPressesTheCancelButtonAndEnterTheDefault) {
  Probe& p = Probe::get();
  p.show();
  QTest::keyClick(p.text->editor(), Qt::Key_Escape);
  EXPECT_EQ(p.abbrueche, 1);
  EXPECT_FALSE(p.isVisible());
  p.show();
  QTest::keyClick(p.text->editor(), Qt::Key_Return);
  EXPECT_EQ(p.oks, 1);
  // A disabled cancel button is not pressed, and Esc alone never closes the window.
  p.show();
  p.abbrechen->setEnabled(false);
  QTest::keyClick(p.text->editor(), Qt::Key_Escape);
  EXPECT_EQ(p.abbrueche, 1);
  EXPECT_TRUE(p.isVisible());
}

TEST_F(DialogFormTest, F1OpensTheTopicOfTheFocusedControlOrItsForm) {
  QList<int> themen;
  vb::Forms::setHelpHandler([&](int thema) { themen << thema; });
  Probe& p = Probe::get();
  p.show();
  p.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&p));
  p.text->SetFocus();
  QTest::keyClick(p.text->editor(), Qt::Key_F1);  // no topic anywhere: nothing
  p.setProperty("HelpContextID", 300);
  QTest::keyClick(p.text->editor(), Qt::Key_F1);
  p.text->setProperty("HelpContextID", 310);
  QTest::keyClick(p.text->editor(), Qt::Key_F1);
  vb::Forms::setHelpHandler({});
  QTest::keyClick(p.text->editor(), Qt::Key_F1);
  EXPECT_EQ(themen, (QList<int>{300, 310}));
}

TEST_F(DialogFormTest, TheCloseBoxAsksQueryUnloadAndUnloadsUnlessRefused) {
  Probe& p = Probe::get();
  p.show();
  p.verweigern = true;
  p.close();
  EXPECT_TRUE(p.isVisible());
  EXPECT_TRUE(Probe::IsLoaded());
  p.verweigern = false;
  p.close();
  EXPECT_EQ(p.modi, (QList<int>{0, 0}));
  EXPECT_FALSE(Probe::IsLoaded());
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  // The next reference loads it afresh.
  EXPECT_EQ(Probe::get().modi, QList<int>{});
}

TEST_F(DialogFormTest, ResizeIsRaisedAlsoWhileTheFormIsHidden) {
  Probe& p = Probe::get();
  const int vorher = p.resizes;
  p.MoveForm(0, 0, 6000, 4500);
  EXPECT_EQ(p.resizes, vorher + 1);
  EXPECT_EQ(p.Width(), 6000);
  p.MoveForm(150, 150);  // a move alone is no resize
  EXPECT_EQ(p.resizes, vorher + 1);
}

TEST_F(DialogFormTest, NegativeSizesAreRefused) {
  QWidget w;
  vb::Move(&w, 120, 240, 1500, 600);
  EXPECT_FALSE(vb::setWidth(&w, -15));
  EXPECT_FALSE(vb::setHeight(&w, -1));
  EXPECT_EQ(QRect(vb::Left(&w), vb::Top(&w), vb::Width(&w), vb::Height(&w)), QRect(120, 240, 1500, 600));
  vb::setTop(&w, -300);  // a place may be negative
  EXPECT_EQ(vb::Top(&w), -300);
}

TEST_F(DialogFormTest, ComboBoxItemsIndexAndClick) {
  vb::ComboBox liste(nullptr, 2);
  int clicks = 0;
  liste.Click = [&] { ++clicks; };
  liste.AddItem(QStringLiteral("Zwei"));
  liste.AddItem(QStringLiteral("Eins"), 0);
  EXPECT_EQ(liste.ListIndex(), -1);  // adding chooses nothing
  EXPECT_EQ(clicks, 0);
  liste.setListIndex(1);
  EXPECT_EQ(clicks, 1);
  EXPECT_EQ(liste.Text(), QStringLiteral("Zwei"));
  EXPECT_EQ(liste.List(0), QStringLiteral("Eins"));
  EXPECT_EQ(liste.List(5), QString());
  liste.setText(QStringLiteral("eins"));
  EXPECT_EQ(liste.ListIndex(), 0);

  vb::ComboBox sortiert(nullptr, 0);
  sortiert.setSorted(true);
  for (const char* t : {"Öz", "Abel", "Ober", "ärger"}) sortiert.AddItem(QString::fromUtf8(t));
  EXPECT_EQ(sortiert.List(0), QStringLiteral("Abel"));
  EXPECT_EQ(sortiert.List(1), QString::fromUtf8("ärger"));
  EXPECT_EQ(sortiert.List(3), QString::fromUtf8("Öz"));
  sortiert.setText(QStringLiteral("frei getippt"));
  EXPECT_EQ(sortiert.Text(), QStringLiteral("frei getippt"));
  sortiert.Clear();
  EXPECT_EQ(sortiert.ListCount(), 0);
  EXPECT_EQ(sortiert.Text(), QString());
}

TEST_F(DialogFormTest, TheDropDownListIsAsWideAsTheBox) {
  QWidget fenster;
  vb::ComboBox liste(&fenster, 2);
  vb::Move(&liste, 120, 120, 1215, 315);
  liste.AddItem(QStringLiteral("Alle") + QString(37, u' ') + QStringLiteral(";!\"#$%&'()*+,-./:;<=>?@[]^_{|}~"));
  fenster.show();
  liste.showPopup();
  EXPECT_EQ(liste.view()->window()->width(), liste.width());
  liste.hidePopup();
}

TEST_F(DialogFormTest, ListBoxColumnsShareTheWidth) {
  vb::ListBox liste;
  liste.resize(400, 100);
  liste.setColumns(8);
  for (int i = 0; i < 30; ++i) liste.AddItem(QString::number(i));
  liste.show();
  EXPECT_EQ(liste.gridSize().width(), liste.viewport()->width() / 8);
  // The items flow down and on into the next column.
  const QRect erstes = liste.visualRect(liste.model()->index(0, 0));
  const QRect zweites = liste.visualRect(liste.model()->index(1, 0));
  EXPECT_EQ(erstes.left(), zweites.left());
  EXPECT_GT(zweites.top(), erstes.top());
}

TEST_F(DialogFormTest, ScreensAreChosenByWhereTheWindowLies) {
  vb::Screen::setTestFlaechen({QRect(0, 0, 12000, 9000), QRect(12000, 0, 9000, 6000)});
  EXPECT_EQ(vb::Screen::Width(), 12000);
  EXPECT_EQ(vb::Screen::FlaecheFuer(QRect(11000, 0, 6000, 3000)), QRect(12000, 0, 9000, 6000));
  EXPECT_EQ(vb::Screen::FlaecheFuer(QRect(9000, 0, 4000, 3000)), QRect(0, 0, 12000, 9000));
  EXPECT_EQ(vb::Screen::FlaecheFuer(QRect(40000, 20000, 3000, 3000)), QRect(0, 0, 12000, 9000));
  vb::Screen::setTestFlaechen({});
  EXPECT_FALSE(vb::Screen::Flaechen().isEmpty());
}

TEST_F(DialogFormTest, InCountCountsWithoutOverlaps) {
  EXPECT_EQ(InCount(QStringLiteral("a\r\nb\r\n\r\nc"), QStringLiteral("\r\n")), 3);
  EXPECT_EQ(InCount(QStringLiteral("aaaa"), QStringLiteral("aa")), 2);
  EXPECT_EQ(InCount(QStringLiteral("abc"), QString()), 0);
  EXPECT_EQ(InCount(QString(), QStringLiteral("x")), 0);
}
