// Sorting the record table from the sort menu, with the hourglass and the progress bar.
#include "common/Fehler.h"
#include "common/Global.h"
#include "mainwindow/Main.h"
#include "platform/vb/Sanduhr.h"
#include "store/Sortieren.h"

#include <QElapsedTimer>
#include <new>

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

  try {
    // The new order replaces the table at once; a failure half-way leaves it as it was.
    // The bar repaints at most every 50 ms, so that drawing it costs little.
    QElapsedTimer uhr;
    uhr.start();
    qint64 naechste = 0;
    const int neu = BestandSortieren(*Bestand, index, vorher, [&](int prozent) {
      if (uhr.elapsed() < naechste) return;
      naechste = uhr.elapsed() + 50;
      ProgressBar->setValue(prozent);
    });
    Liste->setListIndex(-1);
    if (neu >= 0) Liste->setListIndex(neu);
  } catch (const std::bad_alloc&) {
    FehlerMelden(7, QStringLiteral("Es ist ein Fehler aufgetreten."));
  }
  StatusBar->setPanelText(QStringLiteral("Status"), QStringLiteral("Bereit"));
  ProgressBar->setVisible(false);
}
