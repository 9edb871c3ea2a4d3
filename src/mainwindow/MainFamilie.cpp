#include "mainwindow/MainFamilie.h"

#include "common/Familie.h"
#include "mainwindow/Main.h"
#include "platform/dienste/SysInfo.h"
#include "platform/vb/Sanduhr.h"

#include <QFileInfo>

void PrgMenuePruefen() {
  Sanduhr sanduhr;
  Main& fenster = Main::get();
  fenster.StatusBar->setPanelText(QStringLiteral("Status"), QStringLiteral("Suche Programme..."));
  fenster.StatusBar->Refresh();
  const QString eigen = QFileInfo(SysInfo::service().programmDatei()).completeBaseName().toLower();
  for (short i = 0; i <= 3; ++i) {
    const QString pfad = PrgPfad(i);
    // Only this program's own entry: a folder name that merely contains the name does not count.
    if (!pfad.isEmpty() && !eigen.isEmpty() && QFileInfo(pfad).completeBaseName().toLower() == eigen &&
        fenster.mnuPrg.has(i))
      fenster.mnuPrg(i).setVisible(false);
  }
  fenster.StatusBar->setPanelText(QStringLiteral("Status"), QStringLiteral("Bereit"));
}
