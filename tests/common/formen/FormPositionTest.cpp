#include "common/Ini.h"
#include "common/formen/FormPosition.h"
#include "mainwindow/Main.h"
#include "platform/dienste/Screen.h"
#include "platform/vb/Codec.h"
#include "support/kern/TestUmgebung.h"

#include <optional>
#include <ostream>

// Rectangles in twips in failure messages (the same inline definition in every test file that needs it).
inline void PrintTo(const QRect& r, std::ostream* os) {
  *os << "(" << r.x() << ", " << r.y() << ", " << r.width() << ", " << r.height() << ")";
}

namespace {

// A window of the program other than the main window.
class Probefenster : public vb::DialogForm, public vb::DefaultInstance<Probefenster> {
 public:
  Probefenster() { resize(300, 200); }  // 4500 x 3000 twips at 96 dpi
};

struct Gespeichert {
  std::optional<int> hoehe, breite, links, oben, zustand;
  QString suffix;
};

}  // namespace

class FormPositionTest : public KartulonTest {
 protected:
  void SetUp() override {
    KartulonTest::SetUp();
    // One screen of 12000 x 9000 twips unless a test sets others.
    vb::Screen::setTestFlaechen({QRect(0, 0, 12000, 9000)});
  }
  void TearDown() override {
    vb::Screen::setTestFlaechen({});
    KartulonTest::TearDown();
  }

  // Zedured.ini as the user's settings hold it, in the program's section.
  void einstellungen(const Gespeichert& g, const QString& andereZeilen = {}) {
    QString ini = QStringLiteral("[Allgemein]\r\nUser=Anna\r\n[Kartulon]\r\n") + andereZeilen;
    auto zeile = [&](const char16_t* name, const std::optional<int>& wert) {
      if (wert) ini += QString::fromUtf16(name) + g.suffix + u'=' + QString::number(*wert) + QStringLiteral("\r\n");
    };
    zeile(u"Form_Höhe", g.hoehe);
    zeile(u"Form_Weite", g.breite);
    zeile(u"Form_Links", g.links);
    zeile(u"Form_Oben", g.oben);
    zeile(u"Form_State", g.zustand);
    dateiSchreiben(windowsOrdner() + QStringLiteral("/Zedured.ini"), Codec::nach1252(ini));
  }

  static QRect lage(vb::FormBase& f) { return {f.Left(), f.Top(), f.Width(), f.Height()}; }
};

TEST_F(FormPositionTest, MainWindowWithoutKeysKeepsItsSizeAndIsCentred) {
  Main& m = Main::get();
  m.MoveForm(300, 600, 9600, 7500);
  einstellungen({});
  HauptfensterPositionLaden(QString());
  EXPECT_EQ(lage(m), QRect((12000 - 9600) / 2, (9000 - 7500) / 2, 9600, 7500));
  EXPECT_EQ(m.WindowState(), 0);
}

TEST_F(FormPositionTest, MainWindowFollowsTheBoundsOfTheScreen) {
  struct Fall {
    const char* was;
    Gespeichert gespeichert;
    QRect erwartet;  // left, top, width, height
    int zustand;
  };
  const Fall faelle[] = {
      {"stored place and size", {6000, 9000, 1500, 1200, {}, {}}, QRect(1500, 1200, 9000, 6000), 0},
      {"height below 2000 becomes the screen's", {1500, 9000, 1500, 0, {}, {}}, QRect(1500, 0, 9000, 9000), 0},
      {"width above the screen's becomes the screen's", {6000, 15000, 0, 0, {}, {}}, QRect(0, 0, 12000, 6000), 0},
      {"edges of a maximised window are centred", {6000, 9000, -60, -60, {}, {}}, QRect(1500, 1500, 9000, 6000), 0},
      {"a place that runs over the right edge is centred",
       {6000, 7200, 11000, 0, {}, {}},
       QRect(2400, 0, 7200, 6000),
       0},
      {"a place that runs over the bottom is centred", {6000, 9000, 0, 4000, {}, {}}, QRect(0, 1500, 9000, 6000), 0},
  };
  for (const Fall& f : faelle) {
    SCOPED_TRACE(f.was);
    Main& m = Main::get();
    einstellungen(f.gespeichert);
    HauptfensterPositionLaden(QString());
    EXPECT_EQ(lage(m), f.erwartet);
    EXPECT_EQ(m.WindowState(), f.zustand);
    Main::Unload();
  }
}

TEST_F(FormPositionTest, MainWindowOfTheScreensSizeIsMaximisedAndNotMoved) {
  Main& m = Main::get();
  m.MoveForm(300, 450, 9600, 7500);
  const QRect vorher = m.geometry();
  einstellungen({9000, 12000, 0, 0, {}, {}});
  HauptfensterPositionLaden(QString());
  EXPECT_EQ(m.WindowState(), 2);
  EXPECT_EQ(m.geometry(), vorher);
}

TEST_F(FormPositionTest, NumbersAreReadAsTheTextsLeadingNumber) {
  Main& m = Main::get();
  // "6000 Twips" reads as 6000; a text that is no number reads as 0 (a size of 0 becomes the screen's).
  einstellungen({},
                QString::fromUtf16(u"Form_Höhe= 6000 Twips\r\nForm_Weite=breit\r\nForm_Links=15\r\nForm_Oben=30\r\n"));
  HauptfensterPositionLaden(QString());
  EXPECT_EQ(lage(m), QRect(0, 30, 12000, 6000));
}

TEST_F(FormPositionTest, TheSuffixNamesTheKeysOfAnotherWindow) {
  Main& m = Main::get();
  einstellungen({6000, 9000, 1500, 1200, {}, QStringLiteral("Druck")});
  HauptfensterPositionLaden(QStringLiteral("Druck"));
  EXPECT_EQ(lage(m), QRect(1500, 1200, 9000, 6000));
}

TEST_F(FormPositionTest, AnyWindowIsPushedToTheEdgeInsteadOfCentred) {
  struct Fall {
    const char* was;
    Gespeichert gespeichert;
    QRect erwartet;
    int zustand;
  };
  const Fall faelle[] = {
      {"left 11000 for a window 3000 wide", {3000, 3000, 11000, 600, {}, {}}, QRect(9000, 600, 3000, 3000), 0},
      {"negative edges become 0", {3000, 3000, -60, -60, {}, {}}, QRect(0, 0, 3000, 3000), 0},
      {"over the bottom", {3000, 3000, 600, 8000, {}, {}}, QRect(600, 6000, 3000, 3000), 0},
      {"no keys: the current size at the top left", {}, QRect(0, 0, 4500, 3000), 0},
      {"height below 2000 becomes the screen's", {1500, 3000, 600, 600, {}, {}}, QRect(600, 0, 3000, 9000), 0},
      {"size below 2000 becomes the screen's, then it is maximised",
       {1500, 1500, 0, 0, 0, {}},
       QRect(0, 0, 3000, 1500),
       2},
  };
  for (const Fall& f : faelle) {
    SCOPED_TRACE(f.was);
    Probefenster& p = Probefenster::get();
    einstellungen(f.gespeichert);
    FormPositionLaden(p, QString());
    EXPECT_EQ(p.WindowState(), f.zustand);
    if (f.zustand == 0) {
      EXPECT_EQ(lage(p), f.erwartet);
    }
    Probefenster::Unload();
  }
}

TEST_F(FormPositionTest, TheRememberedStateIsRestoredWhereTheWindowAllowsIt) {
  struct Fall {
    int gespeichert;
    bool minKnopf, maxKnopf;
    int erwartet;
  };
  const Fall faelle[] = {
      {2, true, true, 2}, {1, true, true, 1}, {2, true, false, 0}, {1, false, true, 0}, {0, true, true, 0}};
  for (const Fall& f : faelle) {
    SCOPED_TRACE(f.gespeichert);
    Probefenster& p = Probefenster::get();
    p.setMinButton(f.minKnopf);
    p.setMaxButton(f.maxKnopf);
    einstellungen({3000, 4500, 1500, 1200, f.gespeichert, {}});
    FormPositionLaden(p, QString());
    EXPECT_EQ(p.WindowState(), f.erwartet);
    // A window given a state is not moved; a normal one is.
    EXPECT_EQ(p.Left() == 1500, f.erwartet == 0);
    Probefenster::Unload();
  }
}

TEST_F(FormPositionTest, AFixedSizeWindowKeepsItsSizeButTakesItsPlace) {
  Probefenster& p = Probefenster::get();
  p.setBorderStyle(3);
  einstellungen({6000, 9000, 1500, 1200, 0, {}});
  FormPositionLaden(p, QString());
  EXPECT_EQ(lage(p), QRect(1500, 1200, 4500, 3000));
}

TEST_F(FormPositionTest, SavingWritesNumbersWithTheRuntimesLeadingBlankAndReadsBack) {
  Probefenster& p = Probefenster::get();
  p.MoveForm(1500, 1200, 4500, 3000);
  FormPositionSpeichern(p, QStringLiteral("Probe"));
  const QString ini = Codec::aus1252(dateiLesen(windowsOrdner() + QStringLiteral("/Zedured.ini")));
  for (const QString& zeile : {QString::fromUtf16(u"Form_HöheProbe= 3000"), QStringLiteral("Form_WeiteProbe= 4500"),
                               QStringLiteral("Form_LinksProbe= 1500"), QStringLiteral("Form_ObenProbe= 1200"),
                               QStringLiteral("Form_StateProbe= 0")})
    EXPECT_TRUE(ini.contains(zeile)) << zeile.toStdString() << "\n" << ini.toStdString();
  Probefenster::Unload();
  Probefenster& neu = Probefenster::get();
  FormPositionLaden(neu, QStringLiteral("Probe"));
  EXPECT_EQ(lage(neu), QRect(1500, 1200, 4500, 3000));
}

TEST_F(FormPositionTest, APlaceOnAScreenThatWasRemovedOpensFullyVisible) {
  // Saved on a second screen to the right, which is gone today.
  einstellungen({6000, 9000, 15000, 1200, 0, {}});
  Main& m = Main::get();
  HauptfensterPositionLaden(QString());
  EXPECT_EQ(lage(m), QRect(1500, 1200, 9000, 6000));
  Probefenster& p = Probefenster::get();
  FormPositionLaden(p, QString());
  EXPECT_EQ(lage(p), QRect(3000, 1200, 9000, 6000));
  EXPECT_TRUE(QRect(0, 0, 12000, 9000).contains(lage(p)));
}

TEST_F(FormPositionTest, APlaceOnAScreenThatIsStillThereIsKept) {
  // A second screen of 9000 x 6000 to the right of the first.
  vb::Screen::setTestFlaechen({QRect(0, 0, 12000, 9000), QRect(12000, 0, 9000, 6000)});
  einstellungen({4500, 7200, 13200, 600, 0, {}});
  Main& m = Main::get();
  HauptfensterPositionLaden(QString());
  EXPECT_EQ(lage(m), QRect(13200, 600, 7200, 4500));
  // Running over that screen's edge: the rules apply on that screen.
  einstellungen({4500, 7200, 15000, 600, 0, {}});
  HauptfensterPositionLaden(QString());
  EXPECT_EQ(lage(m), QRect(12000 + 900, 600, 7200, 4500));
  Probefenster& p = Probefenster::get();
  FormPositionLaden(p, QString());
  EXPECT_EQ(lage(p), QRect(12000 + 1800, 600, 7200, 4500));
}
