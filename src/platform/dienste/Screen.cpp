#include "platform/dienste/Screen.h"

#include "platform/vb/Twips.h"

#include <QCursor>
#include <QGuiApplication>
#include <QScreen>

namespace vb::Screen {

namespace {
QList<QRect>& testFlaechen() {
  static QList<QRect> f;
  return f;
}

QRect inTwips(const QRect& px) {
  return {Twips::ausPixel(px.x()), Twips::ausPixel(px.y()), Twips::ausPixel(px.width()), Twips::ausPixel(px.height())};
}
}  // namespace

QList<QRect> Flaechen() {
  if (!testFlaechen().isEmpty()) return testFlaechen();
  QList<QRect> f;
  const QScreen* primaer = QGuiApplication::primaryScreen();
  if (primaer) f << inTwips(primaer->availableGeometry());
  for (const QScreen* s : QGuiApplication::screens())
    if (s != primaer) f << inTwips(s->availableGeometry());
  // Without any screen (no display at all) a screen of 1024 x 768 at 96 dpi.
  if (f.isEmpty()) f << QRect(0, 0, 15360, 11520);
  return f;
}

QRect Primaer() { return Flaechen().first(); }
int Width() { return Primaer().width(); }
int Height() { return Primaer().height(); }

QRect FlaecheFuer(const QRect& fenster) {
  const QList<QRect> f = Flaechen();
  QRect beste = f.first();
  qint64 besteFlaeche = 0;
  for (const QRect& s : f) {
    const QRect schnitt = s.intersected(fenster);
    const qint64 flaeche = schnitt.isEmpty() ? 0 : qint64(schnitt.width()) * schnitt.height();
    if (flaeche > besteFlaeche) {
      besteFlaeche = flaeche;
      beste = s;
    }
  }
  return beste;
}

void setTestFlaechen(const QList<QRect>& flaechen) { testFlaechen() = flaechen; }

namespace {
int& zeigerWert() {
  static int z = vbDefault;
  return z;
}
}  // namespace

int MousePointer() { return zeigerWert(); }

void setMousePointer(int zeiger) {
  const bool vorher = zeigerWert() == vbHourglass;
  const bool jetzt = zeiger == vbHourglass;
  zeigerWert() = jetzt ? vbHourglass : (zeiger < 0 ? vbDefault : zeiger);
  if (vorher == jetzt || !qobject_cast<QGuiApplication*>(QCoreApplication::instance())) return;
  if (jetzt) QGuiApplication::setOverrideCursor(Qt::WaitCursor);
  // The error report takes every override pointer away before it shows: then there is none to take back.
  else if (QGuiApplication::overrideCursor())
    QGuiApplication::restoreOverrideCursor();
}

}  // namespace vb::Screen
