#include "support/DateiDialog.h"

#include "common/formen/File.h"

DateiDialogAngebot DateiDialogBeantworten(File& d, const QString& wahl, const QString& endung) {
  d.show();
  const DateiDialogAngebot angebot{d.Datei1->Path(), d.Bezeichnung->Text()};
  if (wahl.isEmpty()) {
    d.BefAbbrechen->click();
    return angebot;
  }
  bool gefunden = false;
  for (int i = 0; i < d.Datei1->ListCount() && !gefunden; ++i)
    if (d.Datei1->List(i).compare(wahl + endung, Qt::CaseInsensitive) == 0) {
      d.Datei1->setListIndex(i);
      gefunden = true;
    }
  if (!gefunden) d.Bezeichnung->setText(wahl);
  d.BefOk->click();
  if (d.isVisible()) d.BefAbbrechen->click();
  return angebot;
}
