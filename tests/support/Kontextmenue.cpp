#include "support/Kontextmenue.h"

#include <QMenu>

namespace {

// Walks the items below the menu as the real menu shows them.
void sammeln(const QMenu* menu, QStringList& sichtbar, QStringList& waehlbar) {
  for (QAction* a : menu->actions()) {
    if (!a->isVisible()) continue;
    sichtbar << a->objectName();
    if (a->isEnabled() && !a->isSeparator()) waehlbar << a->objectName();
    if (a->menu()) sammeln(a->menu(), sichtbar, waehlbar);
  }
}

}  // namespace

KontextmenueAttrappe::KontextmenueAttrappe() {
  vb::setPopupHandler([this](vb::MenuItem& menu, vb::MenuItem* standard) -> vb::MenuItem* {
    Anzeige a;
    waehlbar_.clear();
    sammeln(menu.menu(), a.sichtbar, waehlbar_);
    a.standard = standard ? standard->objectName() : QString();
    gezeigt << a;
    const QString name = waehlen;
    waehlen.clear();
    if (name.isEmpty()) return nullptr;
    // The item among those the menu's owner holds (the tree's items are the window's children).
    for (vb::MenuItem* m : menu.parent()->findChildren<vb::MenuItem*>(name)) return m;
    return nullptr;
  });
}

KontextmenueAttrappe::~KontextmenueAttrappe() { vb::setPopupHandler({}); }

bool KontextmenueAttrappe::waehlbar(const QString& name) const { return waehlbar_.contains(name); }
