#include "common/Ini.h"
#include "common/formen/ZoomText.h"
#include "mainwindow/Main.h"
#include "platform/dienste/Screen.h"
#include "platform/kit/Twips.h"
#include "platform/vb/Clock.h"
#include "platform/vb/Codec.h"
#include "support/kern/TestUmgebung.h"
#include "support/kern/Warten.h"

#include <QTest>

class ZoomTextTest : public KartulonTest {
 protected:
  void TearDown() override {
    vb::Screen::setTestFlaechen({});
    KartulonTest::TearDown();
  }
  QString einstellung() {
    return IniLesen(QString(), QString(), QStringLiteral("ZoomFntSize"), QStringLiteral("fehlt"));
  }
  void einstellungSetzen(const QString& wert) {
    dateiSchreiben(windowsOrdner() + QStringLiteral("/Zedured.ini"),
                   Codec::nach1252(QStringLiteral("[Kartulon]\r\nZoomFntSize=") + wert + QStringLiteral("\r\n")));
  }
  // The caller's side: shows the editor modally and lets the user act on it.
  int zeigen(const std::function<void(ZoomText&)>& benutzer) {
    vb::Forms::setModalInterceptor([&](vb::FormBase& f) {
      auto& z = dynamic_cast<ZoomText&>(f);
      z.show();
      benutzer(z);
    });
    ZoomText::get().Show(true);
    return ZoomText::get().Abbruch->Value();
  }
  static QString panel(ZoomText& z, const char* key) { return z.StatusBar->PanelText(QString::fromLatin1(key)); }
};

TEST_F(ZoomTextTest, ControlsAndStatusPanels) {
  ZoomText& z = ZoomText::get();
  EXPECT_EQ(z.Caption(), QStringLiteral("Zoom"));
  EXPECT_EQ(z.Text->MaxLength(), 1024);
  EXPECT_TRUE(z.Text->MultiLine());
  EXPECT_EQ(z.befOk->Caption(), QStringLiteral("&Ok"));
  EXPECT_EQ(z.befAbbrechen->Caption(), QStringLiteral("&Abbrechen"));
  EXPECT_TRUE(z.befAbbrechen->Cancel());
  EXPECT_EQ(z.befFontSize(2).Caption(), QStringLiteral("12"));
  EXPECT_EQ(z.befFontSize(0).toolTip(), QStringLiteral("Schrift kleiner"));
  EXPECT_EQ(z.befFontSize(1).toolTip(), QString::fromUtf16(u"Schrift größer"));
  EXPECT_EQ(z.befFontSize(2).toolTip(), QString::fromUtf16(u"Schriftgröße auf 12"));
  EXPECT_FALSE(z.Abbruch->isVisibleTo(&z));
  EXPECT_EQ(z.ZeitInfo->Interval(), 750);
  EXPECT_TRUE(z.ZeitInfo->Enabled());
  EXPECT_EQ(z.StatusBar->Panel(QStringLiteral("Status"))->toolTip(), QStringLiteral("Allgemeiner Hinweis"));
  EXPECT_EQ(z.StatusBar->Panel(QStringLiteral("Prozent"))->toolTip(), QStringLiteral("Auslastung der Eingabe"));
  // The load ran the refresh once.
  EXPECT_EQ(panel(z, "Status"), QStringLiteral("Bereit"));
  EXPECT_EQ(panel(z, "Position"), QStringLiteral("keine Eingaben"));
  EXPECT_EQ(panel(z, "Prozent"), QStringLiteral("0%"));
}

TEST_F(ZoomTextTest, StatusBarShowsLineCharacterAndFillLevel) {
  const QString dreiZeilen = QString(100, u'a') + QStringLiteral("\r\n") + QString(80, u'b') + QStringLiteral("\r\n") +
                             QString(56, u'c');  // 240 characters, CR LF counted as two
  struct Fall {
    const char* was;
    QString text;
    int caret, grenze;
    QString kurz, lang, prozent;
  };
  const Fall faelle[] = {
      {"empty", QString(), 0, 1024, QStringLiteral("keine Eingaben"), QStringLiteral("keine Eingaben"),
       QStringLiteral("0%")},
      {"caret at the very end", dreiZeilen, 240, 1024, QStringLiteral(" 3. Zeile,  240 / 240 Zeichen "),
       QStringLiteral("3. Zeile   240 / 240 Zeichen"), QStringLiteral("23%")},
      {"caret at the start", dreiZeilen, 0, 1024, QStringLiteral(" 1. Zeile,  1 / 240 Zeichen "),
       QStringLiteral("1. Zeile   1 / 240 Zeichen"), QStringLiteral("23%")},
      {"caret before the first line break", dreiZeilen, 100, 240, QStringLiteral(" 1. Zeile,  101 / 240 Zeichen "),
       QStringLiteral("1. Zeile   101 / 240 Zeichen"), QStringLiteral("100%")},
      {"caret at the start of the second line", dreiZeilen, 102, 480, QStringLiteral(" 2. Zeile,  103 / 240 Zeichen "),
       QStringLiteral("2. Zeile   103 / 240 Zeichen"), QStringLiteral("50%")},
      {"80 allowed, 20 held", QString(20, u'x'), 12, 80, QStringLiteral(" 1. Zeile,  13 / 20 Zeichen "),
       QStringLiteral("1. Zeile   13 / 20 Zeichen"), QStringLiteral("25%")},
      {"fill level rounds to the nearest", QString(2, u'x'), 0, 3, QStringLiteral(" 1. Zeile,  1 / 2 Zeichen "),
       QStringLiteral("1. Zeile   1 / 2 Zeichen"), QStringLiteral("67%")},
      {"longer than the limit", QString(30, u'x'), 30, 20, QStringLiteral(" 1. Zeile,  30 / 30 Zeichen "),
       QStringLiteral("1. Zeile   30 / 30 Zeichen"), QStringLiteral("150%")},
  };
  ZoomText& z = ZoomText::get();
  for (const Fall& f : faelle) {
    SCOPED_TRACE(f.was);
    z.Text->setText(f.text);
    z.Text->setMaxLength(f.grenze);
    z.Text->setSelStart(f.caret);
    z.ZeitInfo_Timer();
    EXPECT_EQ(panel(z, "Position"), f.kurz);
    EXPECT_EQ(z.StatusBar->Panel(QStringLiteral("Position"))->toolTip(), f.lang);
    EXPECT_EQ(panel(z, "Prozent"), f.prozent);
    EXPECT_EQ(panel(z, "Status"), QStringLiteral("Bereit"));
  }
}

TEST_F(ZoomTextTest, TheTimerRefreshesThePanels) {
  ZoomText& z = ZoomText::get();
  z.Text->setText(QStringLiteral("abc"));
  z.Text->setSelStart(1);
  // The panels follow at the timer's next tick (every 750 ms).
  const QString erwartet = QStringLiteral(" 1. Zeile,  2 / 3 Zeichen ");
  WartenBis([&] { return panel(z, "Position") == erwartet; }, 10000);
  EXPECT_EQ(panel(z, "Position"), erwartet);
}

TEST_F(ZoomTextTest, FontSizeComesFromTheSettingAndIsStoredOnOk) {
  struct Fall {
    const char* was;
    QString gespeichert;  // empty: no setting
    std::function<void(ZoomText&)> benutzer;
    double geladen;
    QString danach;
  };
  auto ok = [](ZoomText& z) { QTest::mouseClick(z.befOk, Qt::LeftButton); };
  const Fall faelle[] = {
      {"no setting: 13 points, kept on Ok", {}, ok, 13.0, QStringLiteral("1300")},
      {"12 and Ok",
       {},
       [](ZoomText& z) {
         QTest::mouseClick(&z.befFontSize(2), Qt::LeftButton);
         QTest::mouseClick(z.befOk, Qt::LeftButton);
       },
       13.0,
       QStringLiteral("1200")},
      {"13.5 points", QStringLiteral("1350"), ok, 13.5, QStringLiteral("1350")},
      {"a text that is no number gives the size it begins with", QStringLiteral("1100 Punkte"), ok, 11.0,
       QStringLiteral("1100")},
      {"cancel keeps the setting", QStringLiteral("1350"),
       [](ZoomText& z) {
         QTest::mouseClick(&z.befFontSize(2), Qt::LeftButton);
         QTest::keyClick(z.Text->editor(), Qt::Key_Escape);
       },
       13.5, QStringLiteral("1350")},
      {"the close box stores like Ok", QStringLiteral("1350"),
       [](ZoomText& z) {
         QTest::mouseClick(&z.befFontSize(2), Qt::LeftButton);
         z.close();
       },
       13.5, QStringLiteral("1200")},
  };
  for (const Fall& f : faelle) {
    SCOPED_TRACE(f.was);
    if (f.gespeichert.isEmpty())
      QFile::remove(windowsOrdner() + QStringLiteral("/Zedured.ini"));
    else
      einstellungSetzen(f.gespeichert);
    EXPECT_DOUBLE_EQ(ZoomText::get().FontSize(), f.geladen);
    zeigen(f.benutzer);
    EXPECT_EQ(einstellung(), f.danach);
    ZoomText::Unload();
  }
}

TEST_F(ZoomTextTest, SmallerAndLargerStepToTheNextSizeTheFontReallyShows) {
  ZoomText& z = ZoomText::get();
  z.show();
  const double start = z.FontSizeGezeigt();
  z.befFontSize_Click(1);
  const double groesser = z.FontSize();
  EXPECT_GT(groesser, start);
  EXPECT_DOUBLE_EQ(z.FontSizeGezeigt(), groesser);
  z.befFontSize_Click(0);
  EXPECT_DOUBLE_EQ(z.FontSizeGezeigt(), start);
  z.befFontSize_Click(0);
  EXPECT_LT(z.FontSize(), start);
  // One click moves one size: the next larger one again is the start size.
  z.befFontSize_Click(1);
  EXPECT_DOUBLE_EQ(z.FontSizeGezeigt(), start);
  // The focus goes back to the text.
  z.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&z));
  z.befOk->setFocus();
  z.befFontSize_Click(2);
  EXPECT_TRUE(z.Text->hasFocusNow());
  if (Twips::dpi() == 96) {
    // At 96 dpi a point size is shown in whole pixels of 0.75 points: 13 shows as 12.75.
    z.setFontSize(13);
    z.befFontSize_Click(1);
    EXPECT_DOUBLE_EQ(z.FontSize(), 13.5);
    z.befFontSize_Click(0);
    z.befFontSize_Click(0);
    EXPECT_DOUBLE_EQ(z.FontSize(), 12.0);
  }
}

TEST_F(ZoomTextTest, AtTheSmallestSizeSmallerChangesNothing) {
  ZoomText& z = ZoomText::get();
  z.setFontSize(1.0);
  const double vorher = z.FontSize();
  for (int i = 0; i < 3; ++i) z.befFontSize_Click(0);
  EXPECT_DOUBLE_EQ(z.FontSize(), vorher);
  z.befFontSize_Click(1);
  EXPECT_GT(z.FontSize(), vorher);
}

TEST_F(ZoomTextTest, CtrlDAndCtrlUInsertDateAndTime) {
  Clock::setFixed(QDateTime(QDate(2026, 12, 10), QTime(9, 5)));
  ZoomText& z = ZoomText::get();
  z.show();
  z.Text->SetFocus();
  z.Text->setText(QStringLiteral("Anruf gestern wegen"));
  z.Text->setSelStart(6);
  z.Text->setSelLength(7);  // "gestern"
  QTest::keyClick(z.Text->editor(), Qt::Key_D, Qt::ControlModifier);
  EXPECT_EQ(z.Text->Text(), QStringLiteral("Anruf 10.12.2026  wegen"));
  z.Text->setSelStart(0);
  QTest::keyClick(z.Text->editor(), Qt::Key_U, Qt::ControlModifier);
  EXPECT_EQ(z.Text->Text(), QStringLiteral("09:05 Anruf 10.12.2026  wegen"));
}

TEST_F(ZoomTextTest, EscCancelsAndTheTextIsLeftToTheCaller) {
  const int abbruch = zeigen([](ZoomText& z) {
    z.Text->SetFocus();
    QTest::keyClicks(z.Text->editor(), QStringLiteral("neu"));
    QTest::keyClick(z.Text->editor(), Qt::Key_Escape);
  });
  EXPECT_EQ(abbruch, 1);
  EXPECT_FALSE(ZoomText::get().isVisible());
  EXPECT_EQ(einstellung(), QStringLiteral("fehlt"));
  const int ok = zeigen([](ZoomText& z) {
    z.Text->setText(QStringLiteral("Zeile 1\r\nZeile 2"));
    QTest::mouseClick(z.befOk, Qt::LeftButton);
  });
  EXPECT_EQ(ok, 0);
  EXPECT_EQ(ZoomText::get().Text->Text(), QStringLiteral("Zeile 1\r\nZeile 2"));
  EXPECT_TRUE(ZoomText::Unload());
}

TEST_F(ZoomTextTest, LoadSizesAndCentresOverTheMainWindowAndStaysOnTheScreen) {
  vb::Screen::setTestFlaechen({QRect(0, 0, 12000, 9000)});
  struct Fall {
    const char* was;
    QRect haupt;
    QPoint erwartet;
  };
  const Fall faelle[] = {
      {"centred", QRect(1500, 900, 9000, 7500), QPoint(1500 + 450, 900 + 375)},
      {"main window beyond the right and lower edges", QRect(6000, 4500, 9000, 7500),
       QPoint(12000 - 8100, 9000 - 6750)},
      {"main window beyond the left and upper edges", QRect(-3000, -1500, 9000, 7500), QPoint(0, 0)},
  };
  for (const Fall& f : faelle) {
    SCOPED_TRACE(f.was);
    Main::get().MoveForm(f.haupt.x(), f.haupt.y(), f.haupt.width(), f.haupt.height());
    ZoomText& z = ZoomText::get();
    EXPECT_EQ(z.Width(), 8100);
    EXPECT_EQ(z.Height(), 6750);
    EXPECT_EQ(QPoint(z.Left(), z.Top()), f.erwartet);
    ZoomText::Unload();
  }
}

TEST_F(ZoomTextTest, ResizingFollowsTheButtonsAndStopsWhenTooSmall) {
  ZoomText& z = ZoomText::get();
  z.MoveForm(0, 0, 9000, 6000);
  const int W = z.ScaleWidth(), H = z.ScaleHeight();
  const int links = W - 120 - 1215;
  EXPECT_EQ(vb::Left(z.befOk), links);
  EXPECT_EQ(vb::Left(z.befAbbrechen), links);
  EXPECT_EQ(vb::Left(&z.befFontSize(0)), links);
  EXPECT_EQ(vb::Left(&z.befFontSize(2)), links + 405);
  EXPECT_EQ(vb::Left(&z.befFontSize(1)), links + 810);
  for (int i = 0; i < 3; ++i) EXPECT_EQ(vb::Width(&z.befFontSize(i)), 405);
  EXPECT_EQ(vb::Width(z.Text), W - 360 - 1215);
  // The status bar at the bottom, 255 high or as high as its font needs.
  const int status = z.StatusBar->HoeheFuerSchrift(255);
  EXPECT_GE(status, 255);
  EXPECT_EQ(vb::Height(z.Text), H - 240 - status);
  EXPECT_EQ(vb::Top(z.StatusBar), H - status);
  // Narrower than three buttons and lower than three buttons: nothing moves.
  z.MoveForm(0, 0, 3600, 1470);
  EXPECT_EQ(vb::Left(z.befOk), links);
  EXPECT_EQ(vb::Width(z.Text), W - 360 - 1215);
  EXPECT_EQ(vb::Height(z.Text), H - 240 - status);
}
