#pragma once
// A form's menu tree, built from one table: every item's parent, name, index, caption, shortcut and
// command stand in one row, in menu order, and nowhere else.
#include "platform/kit/Controls.h"

#include <QKeySequence>
#include <QMainWindow>
#include <QMenuBar>
#include <QString>
#include <functional>
#include <map>
#include <vector>

namespace vb {

struct MenuZeile {
  QString eltern;      // the item above; "" for a top menu of the menu bar
  QString name;        // the control's name
  int index = -1;      // its index in a menu array, -1 for none
  QString caption;     // "&" marks the access key, "-" makes a separator
  QKeySequence taste;  // the shortcut, if any
  // What choosing the item runs (with its index); for a top menu, what runs when it opens. Empty for
  // a sub-menu, a separator, and an item whose command is built later: that one waits (disabled).
  std::function<void(int index)> befehl;
};

class MenuBaum : public QObject {
  Q_OBJECT
 public:
  // Builds the items in the window's own menu bar (never handed to a desktop-wide one).
  MenuBaum(QMainWindow* fenster, const std::vector<MenuZeile>& zeilen);
  // A dialog form's menu: the items go into the given bar of that window. Their shortcuts work wherever
  // the focus is in the window and win over a text box's own keys.
  MenuBaum(QWidget* fenster, QMenuBar* leiste, const std::vector<MenuZeile>& zeilen);
  ~MenuBaum() override;
  // The item of that name (and index, for a menu array); nullptr when the tree has none.
  MenuItem* item(const QString& name, int index = -1) const;
  const std::vector<MenuItem*>& items() const { return items_; }
  // Every element of a menu array, in the array.
  void arrayFuellen(const QString& name, ControlArray<MenuItem>& feld) const;

 protected:
  bool eventFilter(QObject* obj, QEvent* ev) override;

 private:
  void bauen(QMenuBar* leiste, const std::vector<MenuZeile>& zeilen);
  QWidget* fenster_;
  std::vector<MenuItem*> items_;
  std::map<QString, MenuItem*> nachSchluessel_;  // "name" or "name(index)"
};

// A dialog form with a menu bar: the bar on top, and below it the returned client area, which takes the
// form's controls at their twips positions (as the design's client area starts below the menu bar).
QWidget* MenueLeisteUndFlaeche(QWidget* form, QMenuBar*& leiste);

// Shows the menu's items as a context menu at the mouse, the default item (if any) drawn bold. Returns
// when the menu has closed; an item chosen there has run its Click completely by then.
void PopupMenu(MenuItem& menu, MenuItem* standard = nullptr);

// Tests replace the showing: the handler gets the menu as it would show and its default item, and
// returns the item to choose (nullptr: the menu is closed without a choice). An empty handler shows
// the real menu again.
using PopupHandler = std::function<MenuItem*(MenuItem& menu, MenuItem* standard)>;
void setPopupHandler(PopupHandler handler);

}  // namespace vb
