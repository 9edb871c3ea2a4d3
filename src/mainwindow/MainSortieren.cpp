#include "store/Sortieren.h"
#include "common/Fehler.h"
#include "common/Global.h"
#include "mainwindow/Main.h"
#include "platform/kit/Controls.h"
#include "platform/vb/Sanduhr.h"
#include <QRandomGenerator>
#include <algorithm>
#include <new>
#include <numeric>
#include <vector>

void Main::mnuSort_Click(short index) {
  // A field number from an old or hand-edited setting: nothing to sort by.
  if (index < 0 || index > 23) return;
  // The pointer comes back however the sort ends.
  const Sanduhr sanduhr;
  Geaendert = 1;
  StatusBar->setPanelText(QStringLiteral("Status"), QStringLiteral("Sortiere Kartulon..."));
  StatusBar->Refresh();
  ProgressBar->setVisible(true);
  const QString vorher = Liste->List(Liste->ListIndex());
  ListeSort->Clear();

  QStringList neu;
  bool fertig = false;
  try {
    neu = ZeilenSortieren(Liste->items(), index, [this](int prozent) {
      // The bar moves for about one line in ten, so that drawing it costs little.
      if (QRandomGenerator::global()->generateDouble() > 0.9) ProgressBar->setValue(prozent);
    });
    fertig = true;
  } catch (const std::bad_alloc&) {
    FehlerMelden(7, QStringLiteral("Es ist ein Fehler aufgetreten."));
  }
  if (fertig) {
    // The new order replaces the table at once; a failure above left it as it was.
    Liste->setItems(neu);
    Liste->setListIndex(-1);
    const QString gesucht = ZeileMit24Feldern(vorher);
    if (!vorher.isEmpty()) {
      const qsizetype i = Liste->items().indexOf(gesucht);
      if (i >= 0) Liste->setListIndex(static_cast<int>(i));
    }
  }
  StatusBar->setPanelText(QStringLiteral("Status"), QStringLiteral("Bereit"));
  ProgressBar->setVisible(false);
}
