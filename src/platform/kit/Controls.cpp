#include "platform/kit/Controls.h"

#include "platform/kit/ControlsIntern.h"
#include "platform/kit/Twips.h"

#include <QAction>

namespace vb {

void Move(QWidget* w, int left, int top, int width, int height) {
  const QRect r = Twips::rechteck(w);
  Twips::setzen(w, left, top, width < 0 ? r.width() : width, height < 0 ? r.height() : height);
}

int Left(const QWidget* w) { return Twips::rechteck(w).x(); }
int Top(const QWidget* w) { return Twips::rechteck(w).y(); }
int Width(const QWidget* w) { return Twips::rechteck(w).width(); }
int Height(const QWidget* w) { return Twips::rechteck(w).height(); }
void setLeft(QWidget* w, int twips) { Move(w, twips, Top(w)); }
void setTop(QWidget* w, int twips) { Move(w, Left(w), twips); }
bool setWidth(QWidget* w, int twips) {
  if (twips < 0) return false;
  Move(w, Left(w), Top(w), twips, Height(w));
  return true;
}
bool setHeight(QWidget* w, int twips) {
  if (twips < 0) return false;
  Move(w, Left(w), Top(w), Width(w), twips);
  return true;
}

namespace steuerelemente {

bool istFensterKuerzel(QWidget* w, QKeyEvent* e) {
  const QKeySequence seq(e->keyCombination());
  for (QAction* a : w->window()->findChildren<QAction*>()) {
    for (const QKeySequence& k : a->shortcuts())
      if (k == seq) return true;
  }
  return false;
}

bool kannKuerzelSein(const QKeyEvent* ke) {
  return (ke->modifiers() & (Qt::ControlModifier | Qt::AltModifier)) ||
         (ke->key() >= Qt::Key_F1 && ke->key() <= Qt::Key_F35);
}

bool fokusKommt(const QFocusEvent* e, bool& drin) {
  if (e->reason() == Qt::PopupFocusReason) return false;
  if (e->reason() == Qt::ActiveWindowFocusReason && drin) return false;
  drin = true;
  return true;
}

bool fokusGeht(const QFocusEvent* e, bool& drin) {
  if (e->reason() == Qt::ActiveWindowFocusReason || e->reason() == Qt::PopupFocusReason) return false;
  drin = false;
  return true;
}

}  // namespace steuerelemente

// ---------------------------------------------------------------------------------------------------
Timer::Timer(QObject* parent) : QObject(parent) {
  connect(&timer_, &QTimer::timeout, this, [this] {
    if (Tick) Tick();
  });
}
void Timer::setInterval(int ms) {
  interval_ = ms;
  update();
}
void Timer::setEnabled(bool on) {
  enabled_ = on;
  update();
}
void Timer::update() {
  // Setting Enabled or Interval restarts the count, as the runtime did.
  if (enabled_ && interval_ > 0)
    timer_.start(interval_);
  else
    timer_.stop();
}

}  // namespace vb
