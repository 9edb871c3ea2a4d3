// The start-up window on the recording surface, with a fixed clock, fixed system facts and held keys:
// the holiday picture, the emblem and colours for the colour depth, the title's size and place, the
// loading text, and the ways the window hands over to the main window.
#include "common/Global.h"
#include "common/Ini.h"
#include "common/Statistik.h"
#include "mainwindow/Main.h"
#include "mainwindow/Titel.h"
#include "platform/dienste/Screen.h"
#include "platform/kit/Twips.h"
#include "platform/vb/Clock.h"
#include "platform/vb/Fonts.h"
#include "platform/vb/Keys.h"
#include "support/kern/TestUmgebung.h"

#include <QApplication>
#include <QPointer>
#include <QTemporaryDir>

namespace {

class TitelTest : public KartulonTest {
 protected:
  void SetUp() override {
    KartulonTest::SetUp();
    vb::Zeichenflaeche::setAufnahme(true);
    vb::Screen::setTestFlaechen({QRect(0, 0, 15360, 11520)});
    IniSchreiben(QString(), QStringLiteral("Allgemein"), QStringLiteral("User"), QStringLiteral("Maier"));
    IniSchreiben(QString(), QString(), QStringLiteral("TitelAus"), QStringLiteral("0"));
    Zufall::install(std::make_unique<FolgeZufall>(QList<double>{0.5, 0.25}));
  }
  void TearDown() override {
    vb::Zeichenflaeche::setAufnahme(false);
    vb::Screen::setTestFlaechen({});
    vb::setBilderOrdner(QString());
    KartulonTest::TearDown();
  }
  // Loads the window as the program does; its timer is left to the test.
  Titel& laden() {
    Titel& t = Titel::get();
    if (Titel::IsLoaded()) t.Zeit->setEnabled(false);
    return t;
  }
  static void neu() {
    vb::Forms::UnloadAll();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  }
  static QList<vb::Zeichenflaeche::Op> texte(const Titel& t) {
    QList<vb::Zeichenflaeche::Op> o;
    for (const auto& op : t.Flaeche->ops())
      if (op.art == vb::Zeichenflaeche::Op::Text) o << op;
    return o;
  }
  static int sichtbar(const vb::ControlArray<vb::Image>& bilder, const QWidget* form) {
    int gefunden = -1;
    for (const auto& [i, b] : bilder)
      if (b->isVisibleTo(form)) {
        EXPECT_EQ(gefunden, -1) << "more than one picture shows";
        gefunden = i;
      }
    return gefunden;
  }
  static double px() { return 1440.0 / Twips::dpi(); }
};

TEST_F(TitelTest, TheHolidayPictureOfTheDay) {
  struct Fall {
    int monat, tag, bild;
  };
  const Fall faelle[] = {{12, 21, 5}, {12, 22, 6}, {12, 24, 0}, {12, 26, 0}, {12, 27, -1}, {12, 31, 7},
                         {1, 1, 7},   {12, 6, 1},  {11, 29, 8}, {3, 21, 2},  {7, 14, -1}};
  for (const Fall& f : faelle) {
    neu();
    Clock::setFixed(QDateTime(QDate(2026, f.monat, f.tag), QTime(8, 0)));
    Titel& t = laden();
    ASSERT_TRUE(Titel::IsLoaded());
    EXPECT_EQ(sichtbar(t.ImageFeier, &t), f.bild) << f.tag << "." << f.monat;
    if (f.bild >= 0) {
      // Left 120, centred above the engraved line (1200 twips and one pixel).
      const vb::Image& b = t.ImageFeier(f.bild);
      EXPECT_EQ(b.size(), QSize(32, 32));
      EXPECT_EQ(b.pos(),
                QPoint(Twips::zuPixel(120), Twips::zuPixel(static_cast<int>(std::lround((1200 + px() - 480) / 2)))));
    }
  }
}

TEST_F(TitelTest, EmblemAndTitleColoursFollowTheColourDepth) {
  struct Fall {
    int bits;
    int emblem;
    QColor schatten, flaeche;
  };
  const Fall faelle[] = {
      {4, 1, QColor(128, 128, 128), QColor(255, 0, 0)},
      {8, 0, QColor(128, 128, 128), QColor(255, 0, 0)},
      {24, 0, QColor(80, 80, 80), QColor(252, 136, 48)},
  };
  for (const Fall& f : faelle) {
    neu();
    sysInfo().tiefe = f.bits;
    Titel& t = laden();
    EXPECT_EQ(sichtbar(t.Emblem, &t), f.emblem) << f.bits;
    const vb::Image& e = t.Emblem(f.emblem);
    EXPECT_EQ(e.size(), f.emblem == 0 ? QSize(98, 109) : QSize(98, 104));
    EXPECT_EQ(e.pos(), QPoint(Twips::zuPixel(180), Twips::zuPixel(t.Height() - vb::Height(&e) - 100)));
    const auto o = texte(t);
    ASSERT_EQ(o.size(), 2);
    EXPECT_EQ(vb::Farbe(o[0].farbe), f.schatten) << f.bits;
    EXPECT_EQ(vb::Farbe(o[1].farbe), f.flaeche) << f.bits;
    // The drawing holds both colours.
    const QImage bild = t.Flaeche->bild();
    bool schatten = false, flaeche = false;
    for (int y = 0; y < Twips::zuPixel(1200); ++y)
      for (int x = 0; x < bild.width(); ++x) {
        const QColor c = bild.pixelColor(x, y);
        schatten = schatten || c == f.schatten;
        flaeche = flaeche || c == f.flaeche;
      }
    EXPECT_TRUE(schatten && flaeche) << f.bits;
  }
}

TEST_F(TitelTest, TheTitleFillsTheWindowUpTo55PointsAndIsCentred) {
  struct Fall {
    double zeichenbreite;  // twips per point of a character on the recording surface
    double groesse;
  };
  // "Kartulon 1" has ten characters: (5610 - 1600) x 39.75 / (10 x 39.75 x b) = 401 / b points.
  const Fall faelle[] = {{12, 401.0 / 12}, {8, 401.0 / 8}, {5, 55}, {2, 55}};
  for (const Fall& f : faelle) {
    neu();
    vb::Zeichenflaeche::setAufnahme(true, f.zeichenbreite);
    Titel& t = laden();
    ASSERT_EQ(t.Width(), 5610);
    const auto o = texte(t);
    ASSERT_EQ(o.size(), 2);
    EXPECT_EQ(o[0].text, QStringLiteral("Kartulon 1"));
    EXPECT_EQ(o[0].schrift, Fonts::schrift(QStringLiteral("Arial"), 10).family());
    EXPECT_TRUE(o[0].fett);
    EXPECT_NEAR(o[0].groesse, f.groesse, 1e-9) << f.zeichenbreite;
    const double breite = 10 * f.groesse * f.zeichenbreite;
    EXPECT_NEAR(o[0].x, (5610 - breite) / 2, 1e-6);
    EXPECT_NEAR(o[0].y, (1200 - f.groesse * 24) / 2, 1e-6);
    EXPECT_NEAR(o[1].x, o[0].x - 2 * px(), 1e-6);
    EXPECT_NEAR(o[1].y, o[0].y - 2 * px(), 1e-6);
  }
}

TEST_F(TitelTest, LoadingTextLineAndPlace) {
  Titel& t = laden();
  EXPECT_EQ(t.bezInfoDo->Caption(), QStringLiteral("Lade Programm Version 32-Bit 1.00.0001"));
  EXPECT_EQ(ProgrammVersion, QStringLiteral("1.000001"));
  QList<vb::Zeichenflaeche::Op> linien;
  for (const auto& op : t.Flaeche->ops())
    if (op.art == vb::Zeichenflaeche::Op::Linie) linien << op;
  ASSERT_EQ(linien.size(), 2);
  EXPECT_EQ(linien[0].y, 1200);
  EXPECT_EQ(linien[0].x, 120);
  EXPECT_EQ(linien[0].x2, 5535);
  EXPECT_EQ(vb::Farbe(linien[0].farbe), QColor(128, 128, 128));
  EXPECT_EQ(linien[1].y, 1200 + px());
  EXPECT_EQ(vb::Farbe(linien[1].farbe), QColor(255, 255, 255));
  // Centred on the screen, without a frame, of the design size.
  EXPECT_TRUE(t.windowFlags() & Qt::FramelessWindowHint);
  EXPECT_EQ(t.size(), QSize(Twips::zuPixel(5610), Twips::zuPixel(3435)));
  EXPECT_EQ(t.pos(), QPoint(Twips::zuPixel((15360 - 5610) / 2), Twips::zuPixel((11520 - 3435) / 2)));
}

TEST_F(TitelTest, SettingAndUptimeDecideWhetherTheWindowShows) {
  struct Fall {
    const char* titelAus;
    qint64 laufzeitMs;
    bool unterdrueckt;
  };
  const Fall faelle[] = {{"1", 3600000, true}, {"2", 3600000, false}, {"", 3600000, false},
                         {"0", 30000, true},   {"0", 3600000, false}, {"0", 40000, false}};
  for (const Fall& f : faelle) {
    neu();
    IniSchreiben(QString(), QString(), QStringLiteral("TitelAus"), QString::fromLatin1(f.titelAus));
    sysInfo().laufzeit = f.laufzeitMs;
    const QDateTime vorher = Clock::now();
    Titel::get();
    EXPECT_EQ(Titel::IsLoaded(), !f.unterdrueckt) << f.titelAus << " " << f.laufzeitMs;
    EXPECT_EQ(Main::IsLoaded(), f.unterdrueckt);
    if (f.unterdrueckt) {
      EXPECT_TRUE(Main::get().isVisible());
      // Unloaded inside its own load: destroyed once the event loop runs, its timer stopped meanwhile.
      QPointer<Titel> rest;
      for (QWidget* w : QApplication::topLevelWidgets())
        if (auto* t = qobject_cast<Titel*>(w)) rest = t;
      ASSERT_FALSE(rest.isNull());
      EXPECT_FALSE(rest->Zeit->Enabled());
      EXPECT_FALSE(rest->isVisible());
      QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
      EXPECT_TRUE(rest.isNull());
      EXPECT_EQ(Main::get().WindowState(), 0);
      EXPECT_EQ(vorher.msecsTo(Clock::now()), 700) << "the wait of 0.7 s";
    } else {
      EXPECT_EQ(Titel::get().TickZaehler, 0);
      EXPECT_EQ(Clock::now(), vorher);
    }
  }
}

TEST_F(TitelTest, TheTicksShowTheMainWindowAndEndTheSplash) {
  Titel& t = laden();
  t.Show();
  const QDateTime vorher = Clock::now();
  t.Zeit_Timer();
  ASSERT_TRUE(Main::IsLoaded());
  EXPECT_TRUE(Main::get().isVisible());
  EXPECT_EQ(vorher.msecsTo(Clock::now()), 700);
  // The sparkle at Int((5610 - 600) x 0.5) + 300 and Int(720 x 0.25) + 300.
  EXPECT_TRUE(t.Anzeige->isVisible());
  EXPECT_EQ(t.Anzeige->pos(), QPoint(Twips::zuPixel(2805), Twips::zuPixel(480)));
  ASSERT_TRUE(Titel::IsLoaded());
  t.Zeit_Timer();
  EXPECT_FALSE(Titel::IsLoaded());
  EXPECT_TRUE(Main::get().isVisible());
}

TEST_F(TitelTest, CtrlKeepsTheSplashWithTheStatistics) {
  StatistikStart();
  Titel& t = laden();
  vb::TastenHalten(Qt::ControlModifier);
  for (int i = 0; i < 3; ++i) {
    t.Zeit_Timer();
    EXPECT_EQ(t.TickZaehler, 0);
    EXPECT_EQ(t.bezInfoDo->Caption(), StatistikText(2));
    EXPECT_FALSE(Main::IsLoaded());
  }
  vb::TastenHalten(Qt::NoModifier);
  t.Zeit_Timer();
  EXPECT_TRUE(Main::IsLoaded());
  EXPECT_TRUE(Titel::IsLoaded());
  t.Zeit_Timer();
  EXPECT_FALSE(Titel::IsLoaded());
}

TEST_F(TitelTest, CtrlAtASuppressedStartShowsTheSplashAfterAll) {
  IniSchreiben(QString(), QString(), QStringLiteral("TitelAus"), QStringLiteral("1"));
  vb::TastenHalten(Qt::ControlModifier);
  Titel::get();
  ASSERT_TRUE(Titel::IsLoaded());
  EXPECT_FALSE(Main::IsLoaded());
  vb::TastenHalten(Qt::NoModifier);
}

TEST_F(TitelTest, AMinimisedStartShowsTheSplashNormalAndTheMainWindowMinimised) {
  Titel& t = laden();
  t.vb::FormBase::setWindowState(1);
  t.Show();
  EXPECT_EQ(t.StartFensterstatus, 1);
  EXPECT_EQ(t.ResizeErledigt, 1);
  EXPECT_EQ(t.WindowState(), 0);
  t.Form_Resize();  // later resizes change nothing
  EXPECT_EQ(t.StartFensterstatus, 1);
  t.Zeit_Timer();
  EXPECT_EQ(Main::get().WindowState(), 1);
  t.Zeit_Timer();
  EXPECT_FALSE(Titel::IsLoaded());
}

TEST_F(TitelTest, AFailingTickIsReportedWithItsCount) {
  QTemporaryDir leer;
  vb::setBilderOrdner(leer.path());  // no sparkle to show
  struct Fall {
    int antwort;
    bool hauptfensterNachTick1;
  };
  const Fall faelle[] = {{vb::vbCancel, false}, {vb::vbNo, true}};
  for (const Fall& f : faelle) {
    neu();
    dialoge().clear();
    Titel& t = laden();
    dialoge().answer(f.antwort);
    t.Zeit_Timer();
    ASSERT_EQ(dialoge().requests().size(), 1);
    EXPECT_TRUE(dialoge().requests()[0].text.contains(
        QStringLiteral("Es ist ein Fehler beim Aufbau des Titelbildes aufgetreten #1")))
        << dialoge().requests()[0].text.toStdString();
    EXPECT_EQ(Main::IsLoaded(), f.hauptfensterNachTick1);
    ASSERT_TRUE(Titel::IsLoaded());
    // The next tick goes on counting and ends the splash, never without a main window.
    t.Zeit_Timer();
    EXPECT_FALSE(Titel::IsLoaded());
    EXPECT_TRUE(Main::IsLoaded() && Main::get().isVisible());
  }
}

TEST_F(TitelTest, TheTimerStartsNoTickInsideAMessageOfATick) {
  QTemporaryDir leer;
  vb::setBilderOrdner(leer.path());  // the first tick fails and asks
  Titel& t = laden();
  int innen = 0;
  dialoge().onRequest = [&](const ScriptedDialogs::Request&) {
    t.Zeit_Timer();  // the timer fires in the message box's own event loop
    ++innen;
    EXPECT_EQ(t.TickZaehler, 1);
    EXPECT_TRUE(Titel::IsLoaded());
  };
  dialoge().answer(vb::vbNo);
  t.Zeit_Timer();
  EXPECT_EQ(innen, 1);
  EXPECT_EQ(t.TickZaehler, 1);
  EXPECT_TRUE(Main::IsLoaded());
  dialoge().onRequest = nullptr;
  t.Zeit_Timer();
  EXPECT_FALSE(Titel::IsLoaded());
}

}  // namespace
