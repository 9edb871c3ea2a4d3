// The main window's controls as designed: containers, places, typing limits, fonts, help topics and the
// order in which Tab visits them.
#include "common/Global.h"
#include "mainwindow/Main.h"
#include "platform/dienste/FontObject.h"
#include "platform/kit/Twips.h"
#include "support/kern/TestUmgebung.h"

#include <QApplication>
#include <QTest>
#include <ostream>

inline void PrintTo(const QRect& r, std::ostream* os) {
  *os << "(" << r.x() << ", " << r.y() << ", " << r.width() << ", " << r.height() << ")";
}

namespace {

struct Feldentwurf {
  const char* container;
  QRect lage;  // twips
  int maxLength;
  const char* schrift;
  double groesse;
  int hilfe;  // 0: none
};

// The design of the 24 field boxes, by index.
const Feldentwurf kFelder[24] = {
    {"Rahmen2", {120, 480, 2175, 330}, 20, "Arial", 9, 200},
    {"Rahmen3", {2400, 480, 2895, 315}, 50, "Arial", 8.25, 200},
    {"Rahmen3", {120, 480, 2175, 315}, 50, "Arial", 8.25, 200},
    {"Rahmen3", {120, 1080, 5175, 315}, 50, "Arial", 8.25, 200},
    {"Rahmen3", {120, 1680, 855, 315}, 8, "Arial", 8.25, 30},
    {"Rahmen3", {1080, 1680, 4215, 315}, 45, "Arial", 8.25, 200},
    {"Rahmen3", {120, 2280, 1455, 315}, 20, "Arial", 8.25, 200},
    {"Rahmen1", {120, 480, 1695, 315}, 40, "Arial", 8.25, 200},
    {"Rahmen1", {120, 1080, 1695, 315}, 40, "Arial", 8.25, 200},
    {"Rahmen2", {120, 1080, 2175, 315}, 20, "Arial", 8.25, 200},
    {"Rahmen3", {1680, 2280, 1935, 315}, 90, "Arial", 8.25, 200},
    {"Rahmen4", {120, 720, 3615, 2055}, 1024, "Courier New", 9.75, 200},
    {"Rahmen1", {1920, 480, 1815, 315}, 40, "Arial", 8.25, 200},
    {"Rahmen1", {1920, 1080, 1815, 315}, 40, "Arial", 8.25, 200},
    {"Rahmen1", {120, 1680, 1695, 315}, 80, "Arial", 8.25, 0},
    {"Flaeche", {3720, 5280, 975, 225}, 20, "MS Sans Serif", 8.25, 200},
    {"Flaeche", {3720, 5520, 975, 225}, 20, "MS Sans Serif", 8.25, 200},
    {"Rahmen6", {120, 480, 1215, 315}, 10, "Arial", 8.25, 200},
    {"Rahmen6", {1560, 480, 1215, 315}, 8, "Arial", 8.25, 200},
    {"Rahmen6", {120, 1080, 2655, 315}, 27, "Arial", 8.25, 200},
    {"Rahmen4", {1080, 240, 1215, 315}, 10, "Arial", 8.25, 200},
    {"Rahmen3", {3720, 2280, 1575, 315}, 90, "Arial", 8.25, 200},
    {"Rahmen1", {1920, 1680, 1815, 315}, 80, "Arial", 8.25, 0},
    {"Flaeche", {8760, 240, 975, 225}, 9, "MS Sans Serif", 8.25, 200},
};

}  // namespace

class MainFensterTest : public KartulonTest {};

// The window as constructed, before its start-up lays it out and applies the user's fonts.
TEST_F(MainFensterTest, FieldBoxesAsDesigned) {
  Main m;
  for (int i = 0; i < 24; ++i) {
    SCOPED_TRACE(i);
    const Feldentwurf& e = kFelder[i];
    vb::TextBox& box = m.Feld(i);
    EXPECT_EQ(box.objectName(), QStringLiteral("Feld_%1").arg(i, 2, 10, QChar(u'0')));
    EXPECT_EQ(box.parentWidget()->objectName(), QLatin1String(e.container));
    EXPECT_EQ(Twips::rechteck(&box), e.lage);
    EXPECT_EQ(box.MaxLength(), e.maxLength);
    EXPECT_EQ(vb::WidgetFont(&box).fontName(), QLatin1String(e.schrift));
    EXPECT_DOUBLE_EQ(*vb::WidgetFont(&box).fontSize(), e.groesse);
    EXPECT_EQ(box.property("HelpContextID").toInt(), e.hilfe);
    EXPECT_EQ(box.MultiLine(), i == 11);
    const bool anzeige = i == 15 || i == 16 || i == 23;
    EXPECT_EQ(box.TabStop(), !anzeige);
    EXPECT_EQ(box.Locked(), anzeige);
    EXPECT_EQ(box.isVisibleTo(&m), i != 23);
    // The caption stands in the same container, at the box's left, just above it (15, 16, 20: beside it).
    vb::Label& bez = m.Bezeichnung1(i);
    EXPECT_EQ(bez.parentWidget(), box.parentWidget());
    EXPECT_EQ(Twips::rechteck(&bez).height(), 195);
    if (i == 15 || i == 16) {
      EXPECT_EQ(Twips::rechteck(&bez).topLeft(), QPoint(2760, e.lage.top()));
    } else if (i == 20) {
      EXPECT_EQ(Twips::rechteck(&bez).topLeft(), QPoint(120, 300));
    } else {
      EXPECT_EQ(Twips::rechteck(&bez).left(), e.lage.left());
      EXPECT_LT(Twips::rechteck(&bez).bottom(), e.lage.top());
      EXPECT_GT(Twips::rechteck(&bez).top(), e.lage.top() - 400);
    }
    EXPECT_EQ(bez.isVisibleTo(&m), i != 11 && i != 23);
  }
}

TEST_F(MainFensterTest, OtherControlsAsDesigned) {
  Main m;
  struct Fall {
    QWidget* w;
    const char* container;
    QRect lage;
  };
  const Fall faelle[] = {
      {m.Rahmen0, "Flaeche", {120, 5160, 2415, 615}},
      {m.Rahmen1, "Flaeche", {5640, 600, 3855, 2175}},
      {m.Rahmen2, "Flaeche", {120, 3480, 2415, 1575}},
      {m.Rahmen3, "Flaeche", {120, 600, 5415, 2775}},
      {m.Rahmen4, "Flaeche", {5640, 2880, 3855, 2895}},
      {m.Rahmen6, "Flaeche", {2640, 3480, 2895, 1575}},
      {m.TxtSuche, "Rahmen0", {120, 240, 2175, 285}},
      {m.befZoom, "Rahmen4", {3120, 270, 615, 255}},
      // The age and the day counts are a little larger than designed, so that the free fonts fit.
      {&m.bezInfo2(20), "Rahmen4", {2400, 240, 1335, 420}},
      {m.bezZeit1, "Flaeche", {4680, 5280, 930, 255}},
      {m.bezZeit2, "Flaeche", {4680, 5520, 930, 255}},
      {m.Liste, "Flaeche", {120, 5880, 9375, 450}},
      {m.ListeSort, "Flaeche", {7080, 6360, 855, 225}},
      {m.BezListeStd, "Flaeche", {5520, 6360, 1455, 255}},
      {m.BezListeKom, "Flaeche", {8040, 6360, 1455, 255}},
      {m.Toolbar, "Flaeche", {0, 0, 8415, 450}},
      {m.ProgressBar, "Main", {120, 6480, 1485, 225}},
  };
  for (const Fall& f : faelle) {
    SCOPED_TRACE(f.w->objectName().toStdString());
    EXPECT_EQ(f.w->parentWidget()->objectName(), QLatin1String(f.container));
    EXPECT_EQ(Twips::rechteck(f.w), f.lage);
  }
  EXPECT_EQ(m.Rahmen0->Caption(), QStringLiteral("Adresse suchen"));
  EXPECT_EQ(m.Rahmen1->Caption(), QStringLiteral("Rufnummern"));
  EXPECT_EQ(m.Rahmen2->Caption(), QStringLiteral("Sonstiges"));
  EXPECT_EQ(m.Rahmen3->Caption(), QStringLiteral("Anschrift"));
  EXPECT_EQ(m.Rahmen4->Caption(), QStringLiteral("Bemerkungen"));
  EXPECT_EQ(m.Rahmen6->Caption(), QStringLiteral("Bankverbindung"));
  EXPECT_EQ(m.TxtSuche->MaxLength(), 35);
  EXPECT_EQ(m.befZoom->Caption(), QStringLiteral("zoom"));
  EXPECT_EQ(m.befZoom->toolTip(), QString::fromUtf16(u"Eingabe-Feld vergrößern"));
  EXPECT_EQ(m.zeitSuche->Interval(), 333);
  EXPECT_FALSE(m.zeitSuche->Enabled());
  EXPECT_EQ(m.ZeitTimeOut->Interval(), 25001);
  EXPECT_TRUE(m.ZeitTimeOut->Enabled());
  EXPECT_FALSE(m.ListeSort->isVisibleTo(&m));
  EXPECT_TRUE(m.ListeSort->Sorted());
  EXPECT_FALSE(m.Liste->Sorted());
  EXPECT_FALSE(m.ProgressBar->isVisibleTo(&m));
  EXPECT_FALSE(m.BezListeStd->isVisibleTo(&m));
  EXPECT_EQ(vb::WidgetFont(m.BezListeStd).fontName(), QStringLiteral("Arial"));
  EXPECT_DOUBLE_EQ(m.BezListeStd->font().pointSizeF(), 12);
  EXPECT_TRUE(m.BezListeStd->font().bold());
  EXPECT_DOUBLE_EQ(m.BezListeKom->font().pointSizeF(), 8.25);
  EXPECT_TRUE(m.BezListeKom->font().bold());
  EXPECT_TRUE(m.font().bold());
  EXPECT_EQ(vb::WidgetFont(m.Liste).fontName(), QStringLiteral("MS Sans Serif"));
  EXPECT_FALSE(m.Liste->font().bold());
  EXPECT_EQ(m.Caption(), QStringLiteral("Kartulon"));
  EXPECT_FALSE(m.windowIcon().isNull());
  // The design client area.
  EXPECT_EQ(m.ScaleWidth(), 9675);
  EXPECT_EQ(m.ScaleHeight(), 7080);
}

TEST_F(MainFensterTest, ToolbarButtonsAndStatusPanelsInOrder) {
  Main m;
  const QStringList tasten = {"Ende",
                              "Laden",
                              "Speichern",
                              "Drucken",
                              "Foto",
                              "Umschlag",
                              "Telefon",
                              "Ordne01",
                              "OrdneAZ",
                              "Suchen",
                              "ListeNeu",
                              "ListeKopieren",
                              QString::fromUtf16(u"ListeLöschen"),
                              "LaufPos1",
                              "LaufBw",
                              "LaufFw",
                              "LaufEnde"};
  QStringList reihe;
  for (QAction* a : m.Toolbar->actions()) reihe << a->objectName();
  EXPECT_EQ(reihe, tasten);
  EXPECT_EQ(m.Toolbar->Button("Umschlag")->toolTip(), QStringLiteral("Umschlag drucken"));
  EXPECT_EQ(m.Toolbar->Button("Telefon")->toolTip(), QString::fromUtf16(u"Telefonnummer per Modem wählen"));
  EXPECT_EQ(m.Toolbar->Button("LaufEnde")->toolTip(), QStringLiteral("Zur letzten Adresse"));
  for (QAction* a : m.Toolbar->actions()) EXPECT_FALSE(a->icon().isNull()) << a->objectName().toStdString();

  struct Panel {
    const char* key;
    const char16_t* tip;
    const char* text;
  };
  const Panel panels[] = {
      {"Status", u"Allgemeiner Hinweis", "Status"},
      {"Position", u"Position innerhalb der Kartulonliste", " Pos. 888 von 888 "},
      {"Index", u"Adress-Index", " #88888 "},
      {"Unsaved", u"* für nicht gespeichert", " * "},
      {"Datum", u"Aktuelles Datum", ""},
      {"Zeit", u"Aktuelle Uhrzeit", ""},
  };
  int x = -1;
  for (const Panel& p : panels) {
    QLabel* l = m.StatusBar->Panel(QLatin1String(p.key));
    ASSERT_NE(l, nullptr) << p.key;
    EXPECT_EQ(l->toolTip(), QString::fromUtf16(p.tip));
    EXPECT_EQ(l->text(), QLatin1String(p.text));
    EXPECT_GT(l->x(), x) << p.key;  // left to right in this order
    x = l->x();
  }
}

// A text longer than the typing limit (from a file or an import) is shown whole; typing stops at it.
TEST_F(MainFensterTest, TypingLimitDoesNotCutLongerTexts) {
  Main& m = Main::get();
  const QString lang(60, u'x');
  m.Feld(4).setText(lang);
  EXPECT_EQ(m.Feld(4).Text(), lang);
  m.Feld(4).setText(QStringLiteral("1234567"));
  m.Feld(4).setSelStart(7);
  m.Feld(4).typeText(QStringLiteral("89"));
  EXPECT_EQ(m.Feld(4).Text(), QStringLiteral("12345678"));
}

TEST_F(MainFensterTest, TabOrderFromTheSearchBox) {
  Main& m = Main::get();
  m.show();
  QApplication::setActiveWindow(&m);
  ASSERT_TRUE(QTest::qWaitForWindowActive(&m));
  m.TxtSuche->SetFocus();
  ASSERT_EQ(QApplication::focusWidget(), m.TxtSuche->editor());
  const int felder[] = {2, 1, 3, 4, 5, 6, 10, 21, 7, 8, 12, 13, 14, 22, 17, 18, 19, 0, 9, 20, 11};
  for (int i : felder) {
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), m.Feld(i).editor()) << "expected Feld " << i;
  }
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
  EXPECT_EQ(QApplication::focusWidget(), m.Liste);
  // The zoom button is last; it shows once the window is wide enough.
  m.resize(Twips::zuPixel(12000), m.height());
  ASSERT_TRUE(m.befZoom->isVisible());
  QTest::keyClick(m.Liste, Qt::Key_Tab);
  EXPECT_EQ(QApplication::focusWidget(), m.befZoom);
  QTest::keyClick(m.befZoom, Qt::Key_Tab);
  EXPECT_EQ(QApplication::focusWidget(), m.TxtSuche->editor());
  // A box taken out of the order (the per-file NoTabStop settings) is passed over.
  m.Feld(1).setTabStop(false);
  m.Feld(2).SetFocus();
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
  EXPECT_EQ(QApplication::focusWidget(), m.Feld(3).editor());
  m.Feld(1).setTabStop(true);
  // Shift+Tab goes back along the same order.
  m.Feld(1).SetFocus();
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab, Qt::ShiftModifier);
  EXPECT_EQ(QApplication::focusWidget(), m.Feld(2).editor());
}

TEST_F(MainFensterTest, F1InAFieldBoxOpensItsHelpTopic) {
  Main& m = Main::get();
  QList<int> themen;
  vb::Forms::setHelpHandler([&](int thema) { themen << thema; });
  m.show();
  QApplication::setActiveWindow(&m);
  ASSERT_TRUE(QTest::qWaitForWindowActive(&m));
  for (int i : {4, 1, 14}) {
    m.Feld(i).SetFocus();
    QTest::keyClick(m.Feld(i).editor(), Qt::Key_F1);
  }
  vb::Forms::setHelpHandler({});
  EXPECT_EQ(themen, (QList<int>{30, 200}));  // Feld(14) has no topic
}
