#include "platform/kit/Menue.h"

#include <QVBoxLayout>

#include <QApplication>
#include <QCursor>
#include <QKeyEvent>
#include <QMenuBar>
#include <QVBoxLayout>
#include <map>

namespace vb {

namespace {

QString schluessel(const QString& name, int index) {
  return index < 0 ? name : name + u'(' + QString::number(index) + u')';
}

MenuItem* obersterEintrag(MenuItem* m) {
  while (m && m->Parent()) m = m->Parent();
  return m;
}

}  // namespace

MenuBaum::MenuBaum(QMainWindow* fenster, const std::vector<MenuZeile>& zeilen) : QObject(fenster), fenster_(fenster) {
  bauen(fenster->menuBar(), zeilen);
}

MenuBaum::MenuBaum(QWidget* fenster, QMenuBar* leiste, const std::vector<MenuZeile>& zeilen)
    : QObject(fenster), fenster_(fenster) {
  bauen(leiste, zeilen);
}

void MenuBaum::bauen(QMenuBar* leiste, const std::vector<MenuZeile>& zeilen) {
  QWidget* fenster = fenster_;
  leiste->setNativeMenuBar(false);
  std::map<QString, MenuItem*> nachName;
  std::map<QString, int> kinder;
  for (const MenuZeile& z : zeilen) ++kinder[z.eltern];
  for (const MenuZeile& z : zeilen) {
    const QString objektName = z.index < 0 ? z.name : z.name + u'_' + QString::number(z.index);
    auto* item = new MenuItem(objektName, z.caption, fenster);
    item->setIndex(z.index);
    item->action()->setProperty("index", z.index);
    if (!z.taste.isEmpty()) item->setShortcut(z.taste);
    if (z.eltern.isEmpty()) {
      item->menu(fenster);
      leiste->addAction(item->action());
    } else {
      MenuItem* eltern = nachName.at(z.eltern);
      item->setParent(eltern);
      eltern->menu(fenster)->addAction(item->action());
    }
    const bool untermenu = kinder.count(z.name) > 0;
    if (z.befehl) {
      const auto befehl = z.befehl;
      const int index = z.index;
      item->Click = [befehl, index] { befehl(index); };
    } else if (!untermenu && z.caption != u"-" && !z.eltern.isEmpty()) {
      item->setWartend(true);
    }
    nachName[z.name] = item;
    nachSchluessel_[schluessel(z.name, z.index)] = item;
    items_.push_back(item);
  }
  qApp->installEventFilter(this);
}

MenuBaum::~MenuBaum() { qApp->removeEventFilter(this); }

MenuItem* MenuBaum::item(const QString& name, int index) const {
  const auto it = nachSchluessel_.find(schluessel(name, index));
  return it == nachSchluessel_.end() ? nullptr : it->second;
}

void MenuBaum::arrayFuellen(const QString& name, ControlArray<MenuItem>& feld) const {
  for (MenuItem* m : items_)
    if (m->Index() >= 0 && m->objectName() == name + u'_' + QString::number(m->Index())) feld.set(m->Index(), m);
}

// A shortcut first brings its top menu up to date, as opening that menu would (its Click), so that it
// never runs a command that the menu would show hidden or disabled.
bool MenuBaum::eventFilter(QObject* obj, QEvent* ev) {
  if (ev->type() != QEvent::ShortcutOverride) return false;
  auto* w = qobject_cast<QWidget*>(obj);
  if (!w || w->window() != fenster_) return false;
  // The event travels up from the focus to the window: act once, where it starts.
  QWidget* fokus = QApplication::focusWidget();
  if (w != (fokus && fokus->window() == fenster_ ? fokus : fenster_)) return false;
  const QKeySequence seq(static_cast<QKeyEvent*>(ev)->keyCombination());
  for (MenuItem* m : items_) {
    if (m->Shortcut().isEmpty() || m->Shortcut() != seq) continue;
    MenuItem* oben = obersterEintrag(m);
    if (oben != m && oben->Click) oben->Click();
    break;
  }
  return false;
}

QWidget* MenueLeisteUndFlaeche(QWidget* form, QMenuBar*& leiste) {
  auto* layout = new QVBoxLayout(form);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  leiste = new QMenuBar(form);
  leiste->setObjectName(QStringLiteral("Menue"));
  layout->setMenuBar(leiste);
  auto* flaeche = new QWidget(form);
  flaeche->setObjectName(QStringLiteral("Flaeche"));
  layout->addWidget(flaeche);
  return flaeche;
}

namespace {
PopupHandler& popupHandler() {
  static PopupHandler h;
  return h;
}
}  // namespace

void setPopupHandler(PopupHandler handler) { popupHandler() = std::move(handler); }

void PopupMenu(MenuItem& menu, MenuItem* standard) {
  struct Offen {
    MenuItem& m;
    explicit Offen(MenuItem& item) : m(item) { m.setPopupOffen(true); }
    ~Offen() { m.setPopupOffen(false); }
  } offen(menu);
  if (popupHandler()) {
    MenuItem* gewaehlt = popupHandler()(menu, standard);
    // A choice counts only where the real menu would let it be made (visible, enabled, with a command).
    if (gewaehlt && gewaehlt->Click && gewaehlt->Bereit()) gewaehlt->Click();
    return;
  }
  QMenu* m = menu.menu();
  QAction* fett = standard && standard->Visible() ? standard->action() : nullptr;
  // Styles differ in how they mark the default item: its own bold font marks it in every style.
  QFont alteSchrift;
  if (fett) {
    alteSchrift = fett->font();
    QFont f = alteSchrift;
    f.setBold(true);
    fett->setFont(f);
  }
  m->setDefaultAction(fett);
  // The chosen item's Click runs inside exec(), before it returns.
  m->exec(QCursor::pos());
  m->setDefaultAction(nullptr);
  if (fett) fett->setFont(alteSchrift);
}

}  // namespace vb
