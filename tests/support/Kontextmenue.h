#pragma once
// The context menus of a test: every showing is recorded with the items it would show and its default
// item, and the item the test named is chosen (as a click on it would choose it).
#include "platform/kit/Menue.h"

#include <QList>
#include <QString>
#include <QStringList>

class KontextmenueAttrappe {
 public:
  struct Anzeige {
    QStringList sichtbar;  // the visible items in menu order, items of a visible sub-menu after it
    QString standard;      // the default item's name, "" for none
  };
  // Installs itself for the context menus; its end shows the real menus again.
  KontextmenueAttrappe();
  ~KontextmenueAttrappe();
  KontextmenueAttrappe(const KontextmenueAttrappe&) = delete;
  KontextmenueAttrappe& operator=(const KontextmenueAttrappe&) = delete;

  // The item chosen at the next showing, by name ("" closes the menu without a choice).
  QString waehlen;
  QList<Anzeige> gezeigt;
  // Whether the last showing offered the item enabled (false also when it was not shown).
  bool waehlbar(const QString& name) const;

 private:
  QStringList waehlbar_;
};
