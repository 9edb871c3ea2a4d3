#include "mainwindow/Titel.h"

#include "common/Fehler.h"
#include "common/Fehlerbericht.h"
#include "common/Ini.h"
#include "common/Statistik.h"
#include "common/Titelbild.h"
#include "mainwindow/Main.h"
#include "platform/dienste/Screen.h"
#include "platform/dienste/SysInfo.h"
#include "platform/dienste/Zufall.h"
#include "platform/kit/Twips.h"
#include "platform/vb/Clock.h"
#include "platform/vb/Fonts.h"
#include "platform/vb/Keys.h"
#include "platform/vb/Laufzeitfehler.h"
#include "platform/vb/Vb.h"

#include <qdrawutil.h>
#include <QPainter>
#include <QPointer>
#include <QThread>
#include <cmath>
#include <functional>
#include <initializer_list>

namespace {

// A run-time error of a step, with its number.
struct Schrittfehler {
  int nummer;
};

// Runs the steps in order; a step that fails is skipped.
void jedenSchrittVersuchen(std::initializer_list<std::function<void()>> schritte) {
  for (const auto& s : schritte) {
    try {
      s();
    } catch (const Schrittfehler&) {
    } catch (const std::exception&) {
    }
  }
}

double pixelTwips() { return 1440.0 / Twips::dpi(); }

// The runtime's blocking wait: no event runs meanwhile. A fixed clock (tests) is moved on instead.
void wartenOhneEreignisse(int ms) {
  if (Clock::isFixed())
    Clock::advance(ms);
  else
    QThread::msleep(static_cast<unsigned long>(ms));
}

}  // namespace

Titel::Titel() {
  setObjectName(QStringLiteral("Titel"));
  setCaption(QString());
  QPalette pal = palette();
  pal.setColor(QPalette::Window, vb::Farbe(0xC0C0C0));
  setPalette(pal);
  setAutoFillBackground(true);
  vb::FensterOhneRahmen(this, 5610, 3435);
  Flaeche = new vb::Zeichenflaeche(this, Fonts::schrift(QStringLiteral("Arial"), 39.75, true));

  Zeit = new vb::Timer(this);
  Zeit->setObjectName(QStringLiteral("Zeit"));
  Zeit->setInterval(200);
  Zeit->Tick = [this] { Zeit_Timer(); };

  for (int i = 0; i < 9; ++i) {
    auto* bild = new vb::Image(this);
    bild->setObjectName(QStringLiteral("ImageFeier_%1").arg(i));
    bild->setPicture(vb::BildLaden(QStringLiteral("Feier%1.png").arg(i)));
    bild->setVisible(false);
    ImageFeier.set(i, bild);
  }
  const char16_t* embleme[] = {u"Emblem256.png", u"Emblem16.png"};
  for (int i = 0; i < 2; ++i) {
    auto* bild = new vb::Image(this);
    bild->setObjectName(QStringLiteral("Emblem_%1").arg(i));
    bild->setPicture(vb::BildLaden(QString::fromUtf16(embleme[i])));
    bild->setVisible(false);
    Emblem.set(i, bild);
  }
  Anzeige = new vb::Image(this);
  Anzeige->setObjectName(QStringLiteral("Anzeige"));
  Anzeige->setPicture(vb::BildLaden(QStringLiteral("Funkeln.png")));
  Anzeige->setVisible(false);

  bezInfoDo = new vb::Label(this);
  bezInfoDo->setObjectName(QStringLiteral("bezInfoDo"));
  bezInfoDo->setFont(Fonts::schrift(QStringLiteral("MS Sans Serif"), 8.25));
  bezInfoDo->setCaption(QStringLiteral("Stelle Programmumgebung zusammen..."));
  // Clear of the emblem's corner.
  Twips::setzen(bezInfoDo, 1680, 3120, 3855, 255);
}

void Titel::Form_Load() {
  const VersionNummern version = ProgrammVersionNummern();
  const double px = pixelTwips();
  jedenSchrittVersuchen({
      [&] { MoveForm((vb::Screen::Width() - Width()) / 2, (vb::Screen::Height() - Height()) / 2); },
      [&] { VersionText(); },
      [&] {
        vb::Image& e = Emblem(FarbAnzahl() >= 256 ? 0 : 1);
        if (!e.hatBild()) throw Schrittfehler{vb::ErrUngueltigesBild};
        vb::Move(&e, 180, Height() - vb::Height(&e) - 100);
        e.setVisible(true);
      },
  });
  // The title, as large as the window allows, in a shadow and a face two pixels up and left.
  const QString titel = TitelText(version.major);
  jedenSchrittVersuchen({
      [&] {
        Flaeche->setFontSize(TitelSchriftGroesse(Width(), 1600, Flaeche->FontSize(), Flaeche->TextWidth(titel), 55));
      },
  });
  const double x = (Width() - Flaeche->TextWidth(titel)) / 2;
  const double y = (1200 - Flaeche->TextHeight(titel)) / 2;
  const double farben = FarbAnzahl();
  jedenSchrittVersuchen({
      [&] {
        Flaeche->setCurrentX(x);
        Flaeche->setCurrentY(y);
        Flaeche->setForeColor(TitelSchatten(farben));
        Flaeche->Print(titel);
      },
      [&] {
        Flaeche->setCurrentX(x - 2 * px);
        Flaeche->setCurrentY(y - 2 * px);
        Flaeche->setForeColor(TitelFlaeche(farben));
        Flaeche->Print(titel);
      },
      [&] { bezInfoDo->setCaption(LadeText(version)); },
      // An engraved line: dark grey with white one pixel below it.
      [&] { Flaeche->Line(120, 1200, 5535, 1200, vb::QBColor(8)); },
      [&] { Flaeche->Line(120, 1200 + px, 5535, 1200 + px, vb::QBColor(15)); },
      [&] {
        const int i = FeiertagsBild(Clock::today());
        if (i < 0) return;
        vb::Image& bild = ImageFeier(i);
        if (!bild.hatBild()) throw Schrittfehler{vb::ErrUngueltigesBild};
        const double linieY = 1200 + px;
        vb::Move(&bild, 120, static_cast<int>(std::lround((linieY - vb::Height(&bild)) / 2)));
        bild.setVisible(true);
      },
  });
  // Suppressed: by the setting, or on a system that has only just started. Both ticks run now.
  const bool aus = vb::Val(IniLesen(QString(), QString(), QStringLiteral("TitelAus"), QStringLiteral("0"))) == 1;
  if (aus || SysInfo::service().laufzeitMs() / 1000 < 40) {
    Zeit_Timer();
    if (IsLoaded()) Zeit_Timer();
  }
}

void Titel::Form_Resize() {
  if (ResizeErledigt != 0) return;
  ResizeErledigt = 1;
  StartFensterstatus = static_cast<short>(WindowState());
  vb::FormBase::setWindowState(0);
}

void Titel::Form_Unload(int& /*cancel*/) { Zeit->setEnabled(false); }

void Titel::paintEvent(QPaintEvent* e) {
  vb::DialogForm::paintEvent(e);
  QPainter p(this);
  qDrawWinPanel(&p, rect(), palette(), false);
}

void Titel::Zeit_Timer() {
  if (imTick_) return;
  // The second tick unloads the window: the guard is only reset on a window that is still there.
  struct Tick {
    QPointer<Titel> t;
    explicit Tick(Titel* x) : t(x) { t->imTick_ = true; }
    ~Tick() {
      if (t) t->imTick_ = false;
    }
  } tick(this);
  TickZaehler = TickZaehler + 1;
  // A failing step is reported with the tick's count; the answer decides whether the tick goes on.
  auto schritt = [&](const std::function<void()>& s) {
    try {
      s();
      return true;
    } catch (const Schrittfehler& f) {
      return FehlerMelden(f.nummer, QStringLiteral("Es ist ein Fehler beim Aufbau des Titelbildes aufgetreten #") +
                                        QString::number(TickZaehler)) == 5;
    } catch (const std::bad_alloc&) {
      return FehlerMelden(vb::ErrSpeicher,
                          QStringLiteral("Es ist ein Fehler beim Aufbau des Titelbildes aufgetreten #") +
                              QString::number(TickZaehler)) == 5;
    }
  };
  if (vb::CtrlKey() != 0 && TickZaehler <= 1) {
    // While Ctrl is held the statistics show and the count starts again.
    bezInfoDo->setCaption(StatistikText(2));
    TickZaehler = 0;
  }
  if (TickZaehler == 1) {
    const std::function<void()> schritte[] = {
        [] { wartenOhneEreignisse(700); },
        [] { Zufall::Randomize(); },
        [this] {
          const double r1 = Zufall::Rnd();
          const double r2 = Zufall::Rnd();
          vb::setLeft(Anzeige, static_cast<int>(std::floor((Width() - 600) * r1)) + 300);
          vb::setTop(Anzeige, static_cast<int>(std::floor((1320 - 600) * r2)) + 300);
          if (!Anzeige->hatBild()) throw Schrittfehler{vb::ErrUngueltigesBild};
          Anzeige->setVisible(true);
          Anzeige->repaint();
        },
        // The first reference loads the main window; the state then replaces what its load restored.
        [this] { Main::get().vb::FormBase::setWindowState(StartFensterstatus); },
        [] { Main::get().Show(); },
        [this] { Anzeige->setVisible(true); },
    };
    for (const auto& s : schritte)
      if (!schritt(s)) return;
  } else if (TickZaehler == 2) {
    // Never leave the program without a window: a first tick that was left before the main window
    // loaded is made good here.
    if (!Main::IsLoaded() || !Main::get().isVisible()) {
      if (!schritt([this] {
            Main::get().vb::FormBase::setWindowState(StartFensterstatus);
            Main::get().Show();
          }))
        return;
    }
    Unload();
  }
}
