#include "platform/kit/Controls.h"

#include "platform/vb/Programm.h"

namespace vb {

MenuItem::MenuItem(const QString& name, const QString& caption, QObject* owner) : QObject(owner) {
  setObjectName(name);
  // A separator carries no text: some styles would draw it as a section title.
  const bool strich = caption == u"-";
  action_ = new QAction(strich ? QString() : caption, this);
  action_->setObjectName(name);
  action_->setSeparator(strich);
  connect(action_, &QAction::triggered, this, [this] {
    if (Click && Bereit()) Programm::ausQtAufrufen(Click);
  });
}
QString MenuItem::Caption() const { return action_->isSeparator() ? QStringLiteral("-") : action_->text(); }
void MenuItem::setCaption(const QString& c) {
  action_->setText(c);
  if (menu_) menu_->setTitle(c);
}
void MenuItem::setEnabled(bool on) {
  enabled_ = on;
  zustandSetzen();
}
void MenuItem::setWartend(bool on) {
  wartend_ = on;
  zustandSetzen();
}
void MenuItem::zustandSetzen() { action_->setEnabled(enabled_ && !wartend_); }
bool MenuItem::Bereit() const {
  if (wartend_) return false;
  for (const MenuItem* m = this; m; m = m->parent_) {
    // A hidden menu that is open as a pop-up lets its items be chosen.
    const bool offen = m->popupOffen_ || (m->menu_ && m->menu_->isVisible());
    if (!m->enabled_ || (!m->Visible() && !offen)) return false;
  }
  return true;
}
void MenuItem::setChecked(bool on) {
  action_->setCheckable(true);
  action_->setChecked(on);
}
QMenu* MenuItem::menu(QWidget* eltern) {
  if (!menu_) {
    menu_ = new QMenu(action_->text(), eltern);
    // A menu without a parent widget (a form's own pop-up) belongs to the item: the action does not own
    // it, so it goes with the item.
    if (!eltern) connect(this, &QObject::destroyed, menu_, [m = menu_] { delete m; });
    menu_->setObjectName(objectName());
    action_->setMenu(menu_);
    connect(menu_, &QMenu::aboutToShow, this, [this] {
      if (Click) Click();
    });
  }
  return menu_;
}

}  // namespace vb
