// The main window's layout at its size thresholds, and the display options loaded from and stored in
// Zedured.ini.
#include "common/Global.h"
#include "common/Ini.h"
#include "mainwindow/Main.h"
#include "platform/dienste/FontObject.h"
#include "platform/kit/Twips.h"
#include "platform/vb/Codec.h"
#include "support/Textplatz.h"
#include "support/kern/TestUmgebung.h"

#include <QCoreApplication>
#include <QLineEdit>
#include <QStyle>

class LayoutTest : public KartulonTest {
 protected:
  Main& m() { return Main::get(); }
  // The outer size in twips, as the user drags it.
  void groesse(int breite, int hoehe) {
    m().MoveForm(m().Left(), m().Top(), breite, hoehe);
    QCoreApplication::processEvents();
    ASSERT_EQ(m().Width(), breite);
    ASSERT_EQ(m().Height(), hoehe);
  }
  static int w(const QWidget* x) { return vb::Width(x); }
  // A length in twips as the screen shows it (whole pixels).
  static int px(int twips) { return Twips::ausPixel(Twips::zuPixel(twips)); }
  static int l(const QWidget* x) { return vb::Left(x); }
  void zedured(const QString& zeilen) {
    dateiSchreiben(windowsOrdner() + QStringLiteral("/Zedured.ini"),
                   Codec::nach1252(QStringLiteral("[Kartulon]\r\n") + zeilen));
  }
  static QString lesen(const char16_t* schluessel) {
    return IniLesen(QString(), QString(), QString::fromUtf16(schluessel), QStringLiteral("fehlt"));
  }
};

TEST_F(LayoutTest, HorizontalLayoutAboveTheWidthThreshold) {
  m().show();
  groesse(12000, 8010);
  EXPECT_EQ(w(m().Liste), 12000 - 360);
  EXPECT_EQ(w(m().Rahmen4), 12000 - 5640 - 240);
  EXPECT_EQ(w(m().Rahmen1), 12000 - 5640 - 240);
  EXPECT_EQ(w(&m().Feld(11)), 6120 - 240);
  EXPECT_EQ(l(m().befZoom), 6120 - 615 - 120);
  for (int i : {7, 8, 14, 12, 13, 22}) EXPECT_EQ(w(&m().Feld(i)), (6120 - 360) / 2) << i;
  for (int i : {12, 13, 22}) {
    EXPECT_EQ(l(&m().Feld(i)), 2880 + 240) << i;
    EXPECT_EQ(l(&m().Bezeichnung1(i)), 2880 + 240) << i;
  }
  // The right half of the client area (the window's frame is outside it).
  const int sw = m().ScaleWidth();
  EXPECT_EQ(w(m().ProgressBar), px(sw / 2));
  EXPECT_EQ(l(m().ProgressBar), px(sw - w(m().ProgressBar)));
  // The left column keeps its design.
  EXPECT_EQ(Twips::rechteck(m().Rahmen3), QRect(120, 600, 5415, 2775));
  EXPECT_EQ(Twips::rechteck(&m().Feld(1)), QRect(2400, 480, 2895, 315));
  EXPECT_EQ(Twips::rechteck(&m().Feld(15)), QRect(3720, 5280, 975, 225));
  EXPECT_EQ(vb::Height(m().Rahmen4), 2895);
  EXPECT_EQ(vb::Height(&m().Feld(11)), 2055);

  // At exactly 9000 nothing moves; one pixel more lays out again.
  groesse(9000, 8010);
  EXPECT_EQ(w(m().Liste), 12000 - 360);
  EXPECT_EQ(w(m().ProgressBar), px(sw / 2));
  groesse(9015, 8010);
  EXPECT_EQ(w(m().Liste), 9015 - 360);
  EXPECT_EQ(w(m().Rahmen4), 9015 - 5640 - 240);
}

TEST_F(LayoutTest, VerticalLayoutAboveTheHeightThreshold) {
  m().show();
  groesse(10500, 9000);
  const int sh = m().ScaleHeight();
  // The client area is the window less its frame and the menu bar.
  EXPECT_LE(9000 - sh - Twips::ausPixel(Twips::menuHoehe(&m())), 150);
  EXPECT_EQ(vb::Top(m().Liste), 5160 + 615 + 150);
  EXPECT_EQ(vb::Height(m().Liste), px(sh - 5925 - 250));
  EXPECT_EQ(vb::Top(m().ProgressBar), px(sh - 225));
  // 6690 is not above 6700: the list keeps its place and height, also when the width changes.
  groesse(10500, 6690);
  EXPECT_EQ(vb::Height(m().Liste), px(sh - 5925 - 250));
  EXPECT_EQ(vb::Top(m().ProgressBar), px(sh - 225));
  groesse(11010, 6690);
  EXPECT_EQ(vb::Height(m().Liste), px(sh - 5925 - 250));
  groesse(11010, 6705);
  EXPECT_EQ(vb::Height(m().Liste), px(m().ScaleHeight() - 5925 - 250));
  EXPECT_EQ(vb::Top(m().ProgressBar), px(m().ScaleHeight() - 225));
}

TEST_F(LayoutTest, ZoomButtonShowsOnlyWhenThereIsRoom) {
  m().show();
  // The button shows once its left exceeds 2.8 times the birthday box's width (3402).
  groesse(10005, 8010);  // frame 4125 wide, button left 3390
  EXPECT_FALSE(m().befZoom->isVisible());
  groesse(10020, 8010);  // 4140, 3405
  EXPECT_TRUE(m().befZoom->isVisible());
  groesse(10005, 8010);
  EXPECT_FALSE(m().befZoom->isVisible());
}

TEST_F(LayoutTest, MinimisingMovesNothingAndKeepsTheGeometry) {
  m().show();
  groesse(12000, 8010);
  m().OptionenSpeichern();
  EXPECT_EQ(lesen(u"Form_Weite"), QStringLiteral("12000"));
  m().vb::FormBase::setWindowState(1);
  QCoreApplication::processEvents();
  EXPECT_EQ(w(m().Liste), 12000 - 360);
  groesse(12000, 8010);
  IniSchreiben(QString(), QString(), QStringLiteral("Form_Weite"), QStringLiteral("11111"));
  m().OptionenSpeichern();
  EXPECT_EQ(lesen(u"Form_Weite"), QStringLiteral("11111"));  // a minimised window stores no geometry
  EXPECT_NE(lesen(u"SchriftEin"), QStringLiteral("fehlt"));
  m().vb::FormBase::setWindowState(0);
  QCoreApplication::processEvents();
  EXPECT_EQ(w(m().Liste), 12000 - 360);
}

TEST_F(LayoutTest, ACaptionFromKartulonIniMovesNothing) {
  dateiSchreiben(programmOrdner() + QStringLiteral("/Kartulon.Ini"),
                 "[Beschriftung]\r\nRahmen_00=Ein sehr langer Titel des Suchrahmens\r\n");
  EXPECT_EQ(Twips::rechteck(m().Rahmen0), QRect(120, 5160, 2415, 615));
  EXPECT_EQ(Twips::rechteck(m().TxtSuche), QRect(120, 240, 2175, 285));
}

TEST_F(LayoutTest, OptionsLoaded) {
  zedured(
      QString::fromUtf16(u"KatalogStdLand=A-\r\nOrtAusPlz=0\r\nAutoFormatUCase=2.5\r\nAutoFormatTrim=7\r\n"
                         u"SchriftEin=Times New Roman;12;-1;0;0;255;\r\nSchriftBem=Arial;11;0;-1;0;0;\r\n"
                         u"SchriftStd=Courier New;10;0;0;-1;255;\r\nSchriftBackCol=65535\r\n"));
  Main& f = m();
  EXPECT_EQ(KatalogStdLand, QStringLiteral("A-"));
  EXPECT_EQ(OrtAusPlz, 0);
  EXPECT_EQ(AutoFormatUCase, 2);  // halves go to the even number
  EXPECT_EQ(AutoFormatTrim, 1);
  const QColor gelb(255, 255, 0);
  for (int i = 0; i < 24; ++i) {
    SCOPED_TRACE(i);
    vb::WidgetFont schrift(&f.Feld(i));
    if (i == 11) {
      EXPECT_EQ(schrift.fontName(), QStringLiteral("Arial"));
      EXPECT_DOUBLE_EQ(*schrift.fontSize(), 11);
      EXPECT_TRUE(*schrift.fontItalic());
    } else if (i == 15 || i == 16) {
      EXPECT_EQ(schrift.fontName(), QStringLiteral("MS Sans Serif"));  // the design font stays
      EXPECT_NE(f.Feld(i).BackColor(), gelb);                          // locked: its background stays
    } else {
      EXPECT_EQ(schrift.fontName(), QStringLiteral("Times New Roman"));
      EXPECT_DOUBLE_EQ(*schrift.fontSize(), 12);
      EXPECT_TRUE(*schrift.fontBold());
      EXPECT_EQ(*schrift.foreColor(), 255);
    }
    if (i != 15 && i != 16 && i != 23) {
      EXPECT_EQ(f.Feld(i).BackColor(), gelb);
    }
  }
  // The list fonts take the font only, not the colour.
  vb::WidgetFont std(f.BezListeStd);
  EXPECT_EQ(std.fontName(), QStringLiteral("Courier New"));
  EXPECT_TRUE(*std.fontUnderline());
  EXPECT_NE(*std.foreColor(), 255);
  EXPECT_EQ(vb::WidgetFont(f.BezListeKom).fontName(), QStringLiteral("Arial"));  // no key: as designed
}

TEST_F(LayoutTest, OptionDefaults) {
  zedured(QStringLiteral("AutoFormatUCase=3.5\r\n"));
  Main& f = m();
  EXPECT_EQ(KatalogStdLand, QStringLiteral("D-"));
  EXPECT_EQ(OrtAusPlz, 1);
  EXPECT_EQ(AutoFormatUCase, 4);
  EXPECT_EQ(AutoFormatTrim, 0);
  // Without keys every box but the multi-line and the date boxes takes the first box's font.
  EXPECT_EQ(vb::WidgetFont(&f.Feld(3)).fontName(), QStringLiteral("Arial"));
  EXPECT_DOUBLE_EQ(*vb::WidgetFont(&f.Feld(3)).fontSize(), 9);
  EXPECT_EQ(vb::WidgetFont(&f.Feld(11)).fontName(), QStringLiteral("Courier New"));
  EXPECT_DOUBLE_EQ(*vb::WidgetFont(&f.Feld(16)).fontSize(), 8.25);
}

TEST_F(LayoutTest, OptionsStoredAndLoadedBack) {
  Main& f = m();
  f.show();
  f.MoveForm(1500, 1200, 11010, 8010);
  QCoreApplication::processEvents();
  f.Feld(0).setBackColor(QColor(0, 0, 255));
  QFont fett = f.Feld(0).font();
  fett.setFamily(QStringLiteral("Times New Roman"));
  f.Feld(0).setFont(fett);
  f.OptionenSpeichern();
  EXPECT_EQ(lesen(u"SchriftEin").section(u';', 0, 0), QStringLiteral("Times New Roman"));
  EXPECT_EQ(lesen(u"SchriftBem").section(u';', 0, 0), QStringLiteral("Courier New"));
  EXPECT_EQ(lesen(u"SchriftStd").section(u';', 0, 2), QStringLiteral("Arial;12;-1"));
  EXPECT_EQ(lesen(u"SchriftBackCol"), QStringLiteral("16711680"));
  EXPECT_EQ(lesen(u"Form_Weite"), QString::number(f.Width()));
  EXPECT_EQ(lesen(u"Form_Höhe"), QString::number(f.Height()));
  EXPECT_EQ(lesen(u"Form_Links"), QString::number(f.Left()));
  EXPECT_EQ(lesen(u"Form_Oben"), QString::number(f.Top()));
  IniSichern();
  EXPECT_TRUE(dateiLesen(windowsOrdner() + QStringLiteral("/Zedured.ini")).contains("SchriftBackCol= 16711680\r\n"));

  // A new run finds them again.
  vb::Forms::UnloadAll();
  Main& neu = m();
  EXPECT_EQ(neu.Feld(5).BackColor(), QColor(0, 0, 255));
  EXPECT_EQ(vb::WidgetFont(&neu.Feld(5)).fontName(), QStringLiteral("Times New Roman"));
  EXPECT_DOUBLE_EQ(*vb::WidgetFont(&neu.Feld(11)).fontSize(), 9.75);
}

TEST_F(LayoutTest, NothingStoredInReadOnlyMode) {
  Main& f = m();
  NurLesen = -1;
  f.OptionenSpeichern();
  for (const char16_t* k : {u"SchriftEin", u"SchriftBem", u"SchriftStd", u"SchriftKom", u"SchriftBackCol", u"Form_Höhe",
                            u"Form_Weite", u"Form_Links", u"Form_Oben"})
    EXPECT_EQ(lesen(k), QStringLiteral("fehlt")) << QString::fromUtf16(k).toStdString();
}

// In read-only mode the boxes are locked when the options are applied: only the first box takes the
// stored background.
TEST_F(LayoutTest, LockedBoxesKeepTheirBackground) {
  Main& f = m();
  zedured(QStringLiteral("SchriftBackCol=65535\r\n"));
  const QColor vorher = f.Feld(3).BackColor();
  for (int i = 0; i < 24; ++i) f.Feld(i).setLocked(true);
  f.OptionenLaden();
  EXPECT_EQ(f.Feld(0).BackColor(), QColor(255, 255, 0));
  EXPECT_EQ(f.Feld(3).BackColor(), vorher);
}

// The stored size is the outer size: a window restored from it has that outer size again once it is on
// the screen, run after run (it neither grows nor shrinks by its frame).
TEST_F(LayoutTest, TheStoredSizeComesBackRunAfterRun) {
  zedured(QStringLiteral("Form_Weite=11010\r\nForm_Höhe=8010\r\nForm_Links=600\r\nForm_Oben=450\r\n"));
  for (int lauf = 0; lauf < 3; ++lauf) {
    SCOPED_TRACE(lauf);
    Main& f = m();
    f.show();
    QCoreApplication::processEvents();
    EXPECT_EQ(f.Width(), 11010);
    EXPECT_EQ(f.Height(), 8010);
    EXPECT_EQ(f.Left(), 600);
    EXPECT_EQ(f.Top(), 450);
    f.OptionenSpeichern();
    vb::Forms::UnloadAll();
  }
}

// A long text in a status panel (a long search term that is not found) is cut: the window keeps its size.
TEST_F(LayoutTest, ALongStatusTextDoesNotWidenTheWindow) {
  m().show();
  QCoreApplication::processEvents();
  const QSize vorher = m().size();
  const QString lang = QStringLiteral("Gesuchten Text »") + QString(120, u'W') + QStringLiteral("« nicht gefunden.");
  for (const char* panel : {"Status", "Position", "Index"}) {
    SCOPED_TRACE(panel);
    m().StatusBar->setPanelText(QString::fromLatin1(panel), lang);
    QCoreApplication::processEvents();
    EXPECT_EQ(m().size(), vorher);
    EXPECT_EQ(m().StatusBar->PanelText(QString::fromLatin1(panel)), lang);  // the text itself stays whole
  }
  // The window still takes the size the user gives it.
  groesse(12000, 8010);
}

using textplatz::breiteBei;
using textplatz::hoeheBei;

// At the design size every label shows its whole text (the longest the window shows there) in the
// shipped fonts, at 96 and at 144 dots per inch, and every box lies inside its frame, clear of the border.
TEST_F(LayoutTest, EveryTextFitsAtTheDesignSize) {
  m().show();
  QCoreApplication::processEvents();
  m().bezZeit1->setCaption(QStringLiteral(">11423 Tg."));
  m().bezZeit2->setCaption(QStringLiteral("11423 Tg."));
  m().bezInfo2(20).setCaption(QStringLiteral("99 Jahre und\r\n11 Monate alt"));
  for (int dpi : {96, 144}) {
    for (vb::Label* l : m().findChildren<vb::Label*>()) {
      if (!l->isVisible() || l->text().isEmpty()) continue;
      SCOPED_TRACE(l->objectName().toStdString() + " at " + std::to_string(dpi) + " dpi: " + l->text().toStdString());
      const QRect platz = l->contentsRect();
      EXPECT_LE(breiteBei(l->font(), l->text(), dpi), platz.width());
      EXPECT_LE(hoeheBei(l->font(), l->text(), dpi), platz.height() + 0.5);
    }
    // The date boxes show a whole date.
    for (int feld : {15, 16, 20}) {
      SCOPED_TRACE("Feld " + std::to_string(feld) + " at " + std::to_string(dpi) + " dpi");
      auto* box = qobject_cast<QLineEdit*>(m().Feld(feld).editor());
      ASSERT_TRUE(box);
      const int rand = box->hasFrame() ? 2 * box->style()->pixelMetric(QStyle::PM_DefaultFrameWidth) + 4 : 0;
      EXPECT_LE(breiteBei(box->font(), QStringLiteral("28.08.2026"), dpi), box->contentsRect().width() - rand);
    }
    for (vb::Frame* f : m().findChildren<vb::Frame*>()) {
      SCOPED_TRACE(f->objectName().toStdString() + " at " + std::to_string(dpi) + " dpi");
      const double titel = breiteBei(f->font(), f->Caption(), dpi) + 2.0 * f->fontMetrics().averageCharWidth();
      EXPECT_LE(titel, f->width());
      for (QWidget* kind : f->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly)) {
        if (!kind->isVisible()) continue;
        SCOPED_TRACE(kind->objectName().toStdString());
        EXPECT_GT(kind->geometry().top(), f->RandOben());
        EXPECT_TRUE(f->rect().contains(kind->geometry())) << kind->geometry().x() << "," << kind->geometry().y();
      }
    }
  }
}
