#include "common/formen/Formular.h"

#include "platform/kit/Controls.h"
#include "platform/vb/Sanduhr.h"

#include <QApplication>
#include <QPointer>
#include <QWidget>
#include <map>
#include <vector>

namespace {

struct Zustand {
  QPointer<QObject> control;
  bool aktiv;
};

// What each locked window's controls were before the lock.
std::map<QWidget*, std::vector<Zustand>>& gesperrt() {
  static std::map<QWidget*, std::vector<Zustand>> m;
  return m;
}

// The controls of a window and their enabled state; widgets are the named ones (the inner parts of Qt's
// own widgets carry no name or a "qt_" one). Other windows inside it have their own controls.
template <class F>
void jedesControl(QWidget* fenster, F&& f) {
  for (QObject* o : fenster->findChildren<QObject*>()) {
    if (o->property("Tag").toString() == QStringLiteral("NoDisable")) continue;
    if (qobject_cast<vb::Timer*>(o) || qobject_cast<vb::MenuItem*>(o)) {
      f(o);
    } else if (auto* w = qobject_cast<QWidget*>(o)) {
      if (w->isWindow() || w->objectName().isEmpty() || w->objectName().startsWith(QStringLiteral("qt_"))) continue;
      f(o);
    }
  }
}

bool aktivVon(QObject* o) {
  if (auto* t = qobject_cast<vb::Timer*>(o)) return t->Enabled();
  if (auto* m = qobject_cast<vb::MenuItem*>(o)) return m->Enabled();
  // The control's own setting, not what a disabled container makes of it.
  if (auto* w = qobject_cast<QWidget*>(o)) return !w->testAttribute(Qt::WA_ForceDisabled);
  return true;
}

void setzeAktiv(QObject* o, bool an) {
  if (auto* t = qobject_cast<vb::Timer*>(o))
    t->setEnabled(an);
  else if (auto* m = qobject_cast<vb::MenuItem*>(o))
    m->setEnabled(an);
  else if (auto* w = qobject_cast<QWidget*>(o))
    w->setEnabled(an);
}

}  // namespace

void FormularSperren(int aktiv) { FormularSperren(QApplication::activeWindow(), aktiv); }

void FormularSperren(QWidget* fenster, int aktiv) {
  if (!fenster) return;
  Sanduhr sanduhr;
  // Forget windows that are gone.
  for (auto it = gesperrt().begin(); it != gesperrt().end();) {
    bool lebt = false;
    for (const Zustand& z : it->second) lebt = lebt || !z.control.isNull();
    it = lebt || it->first == fenster ? std::next(it) : gesperrt().erase(it);
  }
  if (aktiv == 0) {
    auto& zustaende = gesperrt()[fenster];
    jedesControl(fenster, [&](QObject* o) {
      bool bekannt = false;
      for (const Zustand& z : zustaende) bekannt = bekannt || z.control == o;
      if (!bekannt) zustaende.push_back({o, aktivVon(o)});
      setzeAktiv(o, false);
    });
  } else {
    std::vector<Zustand> vorher;
    if (auto it = gesperrt().find(fenster); it != gesperrt().end()) {
      vorher = std::move(it->second);
      gesperrt().erase(it);
    }
    jedesControl(fenster, [&](QObject* o) {
      bool an = true;
      for (const Zustand& z : vorher)
        if (z.control == o) an = z.aktiv;
      setzeAktiv(o, an);
    });
  }
}
