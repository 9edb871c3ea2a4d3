#include "common/formen/MsgDoppelt.h"
#include "mainwindow/Main.h"
#include "platform/vb/Fonts.h"
#include "support/kern/TestUmgebung.h"

#include <QTest>
#include <ostream>

namespace {
QRect lage(const QWidget* w) { return {vb::Left(w), vb::Top(w), vb::Width(w), vb::Height(w)}; }
}  // namespace

// Rectangles in twips in failure messages (the same inline definition in every test file that needs it).
inline void PrintTo(const QRect& r, std::ostream* os) {
  *os << "(" << r.x() << ", " << r.y() << ", " << r.width() << ", " << r.height() << ")";
}

class MsgDoppeltTest : public KartulonTest {
 protected:
  // Shows the question as the main window does and lets the user act on it; returns Abbruch.
  int fragen(const QString& adresse, const std::function<void(MsgDoppelt&)>& benutzer) {
    MsgDoppelt::get().Text->setText(adresse);
    vb::Forms::setModalInterceptor([&](vb::FormBase& f) {
      auto& d = dynamic_cast<MsgDoppelt&>(f);
      d.show();
      benutzer(d);
    });
    MsgDoppelt::get().Show(true);
    return MsgDoppelt::get().Abbruch->Value();
  }
};

TEST_F(MsgDoppeltTest, ControlsStandWhereTheFormPutsThem) {
  MsgDoppelt& d = MsgDoppelt::get();
  EXPECT_EQ(d.Caption(), QStringLiteral("Name schon vorhanden"));
  EXPECT_EQ(d.Label1->Caption(), QStringLiteral("Dieser Name ist bereits in der folgenden Adresse enthalten:"));
  EXPECT_EQ(d.Label2->Caption(),
            QString::fromUtf16(u"Aktuelle Adresse löschen und zu der oben angegebenen Adresse wechseln?"));
  EXPECT_EQ(d.befOk->Caption(), QStringLiteral("&Ja"));
  EXPECT_EQ(d.befAbbrechen->Caption(), QStringLiteral("&Nein"));
  EXPECT_TRUE(d.befAbbrechen->Cancel());
  EXPECT_FALSE(d.befOk->isDefault());
  EXPECT_FALSE(d.befAbbrechen->isDefault());
  EXPECT_FALSE(d.Abbruch->isVisibleTo(&d));
  EXPECT_TRUE(d.Label1->font().bold());
  EXPECT_EQ(d.Text->font().family(), Fonts::familie(QStringLiteral("Courier New")));
  EXPECT_TRUE(d.Text->MultiLine());
  for (const char* name : {"Label1", "Text", "Label2", "befOk", "Abbruch", "befAbbrechen"})
    EXPECT_NE(d.findChild<QWidget*>(QString::fromLatin1(name)), nullptr) << name;
}

TEST_F(MsgDoppeltTest, LoadTakesHalfTheMainWindowsWidthAndCentresOverIt) {
  Main& m = Main::get();
  m.MoveForm(1500, 900, 9600, 7500);
  MsgDoppelt& d = MsgDoppelt::get();
  EXPECT_EQ(d.Width(), 4800);
  EXPECT_EQ(d.Height(), 5250);
  EXPECT_EQ(d.Left(), 1500 + (9600 - 4800) / 2);
  EXPECT_EQ(d.Top(), 900 + (7500 - 5250) / 2);
  // The layout followed the new size: buttons in the bottom corners, the question right above them,
  // the text box taking the rest.
  const int m2 = 120;
  EXPECT_EQ(lage(d.befOk), QRect(120, 5250 - m2 - 495, 1215, 495));
  EXPECT_EQ(lage(d.befAbbrechen), QRect(4800 - m2 - 1215, 5250 - m2 - 495, 1215, 495));
  EXPECT_EQ(lage(d.Label2), QRect(240, 5250 - m2 - 495 - 615, 4800 - 480, 615));
  EXPECT_EQ(lage(d.Label1), QRect(120, 120, 4800 - 240, 495));
  EXPECT_EQ(lage(d.Text), QRect(120, 720, 4800 - 240, vb::Top(d.Label2) - 720 - 120));
}

TEST_F(MsgDoppeltTest, TheAnswerComesBackInAbbruch) {
  struct Fall {
    const char* was;
    std::function<void(MsgDoppelt&)> benutzer;
    int abbruch;
  };
  const Fall faelle[] = {
      {"Ja", [](MsgDoppelt& d) { QTest::mouseClick(d.befOk, Qt::LeftButton); }, 0},
      {"Nein", [](MsgDoppelt& d) { QTest::mouseClick(d.befAbbrechen, Qt::LeftButton); }, 1},
      {"Esc in the text", [](MsgDoppelt& d) { QTest::keyClick(d.Text->editor(), Qt::Key_Escape); }, 1},
      {"close box", [](MsgDoppelt& d) { d.close(); }, 1},
  };
  for (const Fall& f : faelle) {
    SCOPED_TRACE(f.was);
    // The last answer is the opposite, so that each case must set it.
    MsgDoppelt::get().Abbruch->setValue(1 - f.abbruch);
    EXPECT_EQ(fragen(QStringLiteral("Meier\r\nAnna"), f.benutzer), f.abbruch);
    EXPECT_FALSE(MsgDoppelt::get().isVisible());
    EXPECT_TRUE(MsgDoppelt::IsLoaded());
  }
}

TEST_F(MsgDoppeltTest, EnterDoesNotAnswer) {
  MsgDoppelt& d = MsgDoppelt::get();
  d.Abbruch->setValue(0);
  fragen(QStringLiteral("Meier"), [](MsgDoppelt& d) {
    d.Text->SetFocus();
    QTest::keyClick(d.Text->editor(), Qt::Key_Return);
    QTest::keyClick(&d, Qt::Key_Return);
    EXPECT_TRUE(d.isVisible());
    d.Hide();
  });
  EXPECT_EQ(d.Abbruch->Value(), 0);
  EXPECT_EQ(d.Text->Text(), QStringLiteral("Meier"));
}

TEST_F(MsgDoppeltTest, ASecondUseKeepsSizeAndPlaceAndShowsTheNewText) {
  Main::get().MoveForm(1500, 900, 9600, 7500);
  fragen(QStringLiteral("Meier\r\nAnna\r\nHauptstr. 1"), [](MsgDoppelt& d) {
    d.MoveForm(600, 450, 6000, 6000);
    QTest::mouseClick(d.befOk, Qt::LeftButton);
  });
  const QRect vorher(MsgDoppelt::get().Left(), MsgDoppelt::get().Top(), MsgDoppelt::get().Width(),
                     MsgDoppelt::get().Height());
  EXPECT_EQ(vorher, QRect(600, 450, 6000, 6000));
  int abbruch = fragen(QStringLiteral("Schulze\r\nPeter"), [&](MsgDoppelt& d) {
    EXPECT_EQ(QRect(d.Left(), d.Top(), d.Width(), d.Height()), vorher);
    EXPECT_EQ(d.Text->Text(), QStringLiteral("Schulze\r\nPeter"));
    // The size the user left it at laid the controls out.
    EXPECT_EQ(vb::Left(d.befAbbrechen), d.ScaleWidth() - 120 - 1215);
    QTest::keyClick(d.Text->editor(), Qt::Key_Escape);
  });
  EXPECT_EQ(abbruch, 1);
}

TEST_F(MsgDoppeltTest, AVerySmallWindowKeepsSomeControlsAtTheirLastSizes) {
  MsgDoppelt& d = MsgDoppelt::get();
  d.MoveForm(0, 0, 6000, 6000);
  const int textBreite = vb::Width(d.Text);
  const int textHoehe = vb::Height(d.Text);
  d.MoveForm(0, 0, 150, 1200);  // too narrow for the labels and too low for the text box
  EXPECT_EQ(vb::Width(d.Text), textBreite);
  EXPECT_EQ(vb::Height(d.Text), textHoehe);
  EXPECT_EQ(vb::Width(d.Label1), vb::Width(d.Text));
  // The steps that can be done still are: the buttons move to the bottom.
  EXPECT_EQ(vb::Top(d.befOk), 1200 - 120 - 495);
  EXPECT_EQ(vb::Top(d.befAbbrechen), 1200 - 120 - 495);
}

TEST_F(MsgDoppeltTest, TheProgramsUnloadGoesThrough) {
  MsgDoppelt::get();
  EXPECT_TRUE(MsgDoppelt::Unload());
  EXPECT_FALSE(MsgDoppelt::IsLoaded());
}
