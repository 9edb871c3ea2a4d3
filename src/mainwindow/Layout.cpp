// The main window's layout on every size change, and the display and editing options it loads from and
// stores in Zedured.ini.
#include "common/Global.h"
#include "common/Ini.h"
#include "common/Schrift.h"
#include "common/formen/FormPosition.h"
#include "mainwindow/Main.h"
#include "platform/dienste/FontObject.h"
#include "platform/kit/Twips.h"
#include "platform/vb/Vb.h"

#include <QEvent>
#include <QKeyEvent>
#include <QMenuBar>
#include <QResizeEvent>
#include <cmath>

namespace {

// Below this outer width or height the window is too small to lay out: controls keep their places.
constexpr int kMindestBreite = 9000;
constexpr int kMindestHoehe = 6700;

QString lesen(const char16_t* schluessel, const QString& standard) {
  return IniLesen(QString(), QString(), schluessel, standard);
}

void schreiben(const char16_t* schluessel, const QString& wert) {
  IniSchreiben(QString(), QString(), schluessel, wert);
}

// A setting read as a switch: 0 when it reads as 0, else 1.
short schalter(const char16_t* schluessel, const QString& standard) {
  return vb::Val(lesen(schluessel, standard)) == 0 ? 0 : 1;
}

// A number as a whole 16-bit number, halves to the even one.
short ganzzahl(double wert) {
  if (!std::isfinite(wert)) return 0;
  return static_cast<short>(std::clamp(std::nearbyint(wert), -32768.0, 32767.0));
}

}  // namespace

int Main::ScaleWidth() const { return Twips::ausPixel(width()); }

int Main::ScaleHeight() const { return Twips::ausPixel(height() - Twips::menuHoehe(this)); }

void Main::Form_Resize() {
  if (!Liste) return;
  const int m = vb::Left(Liste);
  const int breite = Width();
  if (breite > kMindestBreite) {
    vb::setWidth(Liste, breite - 3 * m);
    vb::setWidth(Rahmen4, breite - vb::Left(Rahmen4) - 2 * m);
    vb::setWidth(&Feld(11), vb::Width(Rahmen4) - 240);
    vb::setLeft(befZoom, vb::Width(Rahmen4) - vb::Width(befZoom) - 120);
    befZoom->setVisible(static_cast<float>(vb::Width(&Feld(20)) * 2.8) < static_cast<float>(vb::Left(befZoom)));
    vb::setWidth(Rahmen1, breite - vb::Left(Rahmen4) - 2 * m);
    // Two equally wide columns of numbers in the frame.
    vb::setWidth(&Feld(7), static_cast<int>(std::lround((vb::Width(Rahmen1) - 360) / 2.0)));
    for (int i : {8, 14, 12, 13, 22}) vb::setWidth(&Feld(i), vb::Width(&Feld(7)));
    vb::setLeft(&Feld(12), vb::Width(&Feld(7)) + 240);
    for (int i : {13, 22}) vb::setLeft(&Feld(i), vb::Left(&Feld(12)));
    for (int i : {12, 13, 22}) vb::setLeft(&Bezeichnung1(i), vb::Left(&Feld(12)));
    vb::setWidth(ProgressBar, ScaleWidth() / 2);
    vb::setLeft(ProgressBar, ScaleWidth() - vb::Width(ProgressBar));
  }
  if (Height() > kMindestHoehe) {
    vb::setTop(Liste, vb::Top(Rahmen0) + vb::Height(Rahmen0) + 150);
    vb::setHeight(Liste, std::max(0, ScaleHeight() - vb::Top(Liste) - 250));
    // The progress bar lies on the window itself, over the status bar.
    vb::setTop(ProgressBar, ScaleHeight() - vb::Height(ProgressBar));
  }
}

void Main::OptionenLaden() {
  HauptfensterPositionLaden(QString());
  if (!isVisible() && WindowState() == 0) aeussereLage_ = QRect(Left(), Top(), Width(), Height());
  Form_Resize();

  KatalogStdLand = lesen(u"KatalogStdLand", QStringLiteral("D-"));
  OrtAusPlz = schalter(u"OrtAusPlz", QStringLiteral("1"));
  AutoFormatUCase = ganzzahl(vb::Val(lesen(u"AutoFormatUCase", QStringLiteral("0"))));
  AutoFormatTrim = schalter(u"AutoFormatTrim", QStringLiteral("0"));

  SchriftSetzen(&Feld(0), lesen(u"SchriftEin", SchriftAlsText(&Feld(0))), QStringLiteral("Alles"));
  SchriftSetzen(&Feld(11), lesen(u"SchriftBem", SchriftAlsText(&Feld(11))), QStringLiteral("Alles"));
  SchriftSetzen(BezListeStd, lesen(u"SchriftStd", SchriftAlsText(BezListeStd)), QStringLiteral("Schrift"));
  SchriftSetzen(BezListeKom, lesen(u"SchriftKom", SchriftAlsText(BezListeKom)), QStringLiteral("Schrift"));
  const double farbe =
      vb::Val(lesen(u"SchriftBackCol", vb::Str(static_cast<double>(vb::VbFarbe(Feld(0).BackColor())))));
  if (std::isfinite(farbe)) Feld(0).setBackColor(vb::QFarbe(static_cast<long>(std::nearbyint(farbe))));

  // The other boxes share the font, text colour and background of the first; locked boxes keep their
  // background, the multi-line box its font, the two date boxes their design font.
  for (int i = 1; i < 24; ++i) {
    if (!Feld(i).Locked()) Feld(i).setBackColor(Feld(0).BackColor());
    if ((i < 15 || i > 16) && !Feld(i).MultiLine())
      SchriftSetzen(&Feld(i), SchriftAlsText(&Feld(0)), QStringLiteral("Alles"));
  }
}

void Main::OptionenSpeichern() {
  if (NurLesen == -1) return;
  schreiben(u"SchriftEin", SchriftAlsText(&Feld(0)));
  schreiben(u"SchriftBem", SchriftAlsText(&Feld(11)));
  schreiben(u"SchriftStd", SchriftAlsText(BezListeStd));
  schreiben(u"SchriftKom", SchriftAlsText(BezListeKom));
  schreiben(u"SchriftBackCol", vb::Str(static_cast<double>(vb::VbFarbe(Feld(0).BackColor()))));
  // A minimised window keeps the last normal or maximised geometry.
  if (WindowState() != 1) {
    schreiben(u"Form_Höhe", vb::Str(Height()));
    schreiben(u"Form_Weite", vb::Str(Width()));
    schreiben(u"Form_Links", vb::Str(Left()));
    schreiben(u"Form_Oben", vb::Str(Top()));
  }
}

void Main::resizeEvent(QResizeEvent* e) {
  QMainWindow::resizeEvent(e);
  Form_Resize();
  aeussereLageAnwenden();
}

void Main::aeussereLageAnwenden() {
  if (!aeussereLage_ || !isVisible()) return;
  if (frameGeometry().size() == geometry().size()) return;  // the frame is not known yet
  const QRect lage = *aeussereLage_;
  aeussereLage_.reset();
  if (WindowState() == 0) MoveForm(lage.x(), lage.y(), lage.width(), lage.height());
}

void Main::showEvent(QShowEvent* e) {
  QMainWindow::showEvent(e);
  aeussereLageAnwenden();
}

// The window system reports the frame with a move or resize once the window is on the screen.
void Main::moveEvent(QMoveEvent* e) {
  QMainWindow::moveEvent(e);
  aeussereLageAnwenden();
}

// Minimising changes no size in Qt; the runtime raised the resize event for it all the same.
void Main::changeEvent(QEvent* e) {
  QMainWindow::changeEvent(e);
  if (e->type() == QEvent::WindowStateChange) Form_Resize();
}

void Main::keyPressEvent(QKeyEvent* e) {
  if (e->key() == Qt::Key_F1 && e->modifiers() == Qt::NoModifier && vb::Forms::hilfeZeigen(focusWidget())) return;
  QMainWindow::keyPressEvent(e);
}
