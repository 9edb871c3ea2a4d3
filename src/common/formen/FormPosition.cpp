#include "common/formen/FormPosition.h"

#include "common/Ini.h"
#include "platform/dienste/Screen.h"
#include "platform/kit/Form.h"
#include "platform/vb/Vb.h"

#include <QCoreApplication>
#include <cmath>

namespace {

constexpr int kKleinsteGroesse = 2000;

QString schluessel(const char16_t* name, const QString& suffix) { return QString::fromUtf16(name) + suffix; }

// A stored number: the text's leading number, 0 when there is none.
int lesen(const char16_t* name, const QString& suffix, int standard) {
  const double v = vb::Val(IniLesen(QString(), QString(), schluessel(name, suffix), standard));
  if (!std::isfinite(v)) return 0;
  return static_cast<int>(std::clamp(std::round(v), -1.0e9, 1.0e9));
}

// The screen whose area holds the remembered place; with no place remembered (both "-1") the primary
// one, where the window is then centred.
QRect bildschirm(int links, int oben, int breite, int hoehe) {
  if (links == -1 && oben == -1) return vb::Screen::Primaer();
  return vb::Screen::FlaecheFuer(QRect(links, oben, std::max(1, breite), std::max(1, hoehe)));
}

void begrenzen(int& hoehe, int& breite, const QRect& s) {
  if (hoehe < kKleinsteGroesse || hoehe > s.height()) hoehe = s.height();
  if (breite < kKleinsteGroesse || breite > s.width()) breite = s.width();
}

}  // namespace

void HauptfensterPositionLaden(const QString& suffix) {
  vb::FormBase* hauptformular = vb::Forms::Hauptformular();
  if (!hauptformular) return;
  vb::FormBase& haupt = *hauptformular;
  int hoehe = lesen(u"Form_Höhe", suffix, haupt.Height());
  int breite = lesen(u"Form_Weite", suffix, haupt.Width());
  int links = lesen(u"Form_Links", suffix, -1);
  int oben = lesen(u"Form_Oben", suffix, -1);

  // Positions relative to the screen that holds the place.
  const QRect s = bildschirm(links, oben, breite, hoehe);
  links -= s.x();
  oben -= s.y();
  begrenzen(hoehe, breite, s);
  if (links < 0 || links + breite > s.width()) links = (s.width() - breite) / 2;
  if (oben < 0 || oben + hoehe > s.height()) oben = (s.height() - hoehe) / 2;
  if (hoehe == s.height() && breite == s.width()) haupt.vb::FormBase::setWindowState(2);
  if (haupt.WindowState() == 0) haupt.MoveForm(s.x() + links, s.y() + oben, breite, hoehe);
  QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

void FormPositionLaden(vb::FormBase& fenster, const QString& suffix) {
  int hoehe = lesen(u"Form_Höhe", suffix, fenster.Height());
  int breite = lesen(u"Form_Weite", suffix, fenster.Width());
  int links = lesen(u"Form_Links", suffix, -1);
  int oben = lesen(u"Form_Oben", suffix, -1);
  int zustand = lesen(u"Form_State", suffix, 0);

  const QRect s = bildschirm(links, oben, breite, hoehe);
  links -= s.x();
  oben -= s.y();
  begrenzen(hoehe, breite, s);
  // A window of fixed size keeps its size; only its place is restored.
  if (fenster.BorderStyle() != 2 && fenster.BorderStyle() != 5) {
    hoehe = fenster.Height();
    breite = fenster.Width();
  }
  if (links < 0) links = 0;
  if (links + breite > s.width()) links = s.width() - breite;
  if (oben < 0) oben = 0;
  if (oben + hoehe > s.height()) oben = s.height() - hoehe;
  if (hoehe == s.height() && breite == s.width()) zustand = 2;
  if ((zustand == 1 && !fenster.MinButton()) || (zustand == 2 && !fenster.MaxButton())) zustand = 0;
  if (zustand == 1 || zustand == 2) {
    fenster.setWindowState(zustand);
  } else if (fenster.WindowState() == 0) {
    // The runtime refused to move a minimised or maximised window.
    fenster.MoveForm(s.x() + links, s.y() + oben, breite, hoehe);
  }
}

void FormPositionSpeichern(vb::FormBase& fenster, const QString& suffix) {
  IniSchreiben(QString(), QString(), schluessel(u"Form_Höhe", suffix), vb::Str(fenster.Height()));
  IniSchreiben(QString(), QString(), schluessel(u"Form_Weite", suffix), vb::Str(fenster.Width()));
  IniSchreiben(QString(), QString(), schluessel(u"Form_Links", suffix), vb::Str(fenster.Left()));
  IniSchreiben(QString(), QString(), schluessel(u"Form_Oben", suffix), vb::Str(fenster.Top()));
  IniSchreiben(QString(), QString(), schluessel(u"Form_State", suffix), vb::Str(fenster.WindowState()));
}
