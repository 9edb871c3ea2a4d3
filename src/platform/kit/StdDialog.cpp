#include "platform/kit/StdDialog.h"

#include "platform/dienste/Dialogs.h"
#include "platform/dienste/Printer.h"

namespace vb {

CommonDialog::CommonDialog(const QString& name, QObject* owner) : QObject(owner) { setObjectName(name); }

bool CommonDialog::setAction(int aktion) {
  if (aktion == cdlAktionSpeichern) return ShowSave();
  if (aktion == cdlAktionDrucker) return ShowPrinter();
  return false;
}

bool CommonDialog::ShowPrinter() {
  DruckerEinrichtung e;
  for (const PrinterInfo& p : Printers()) e.drucker << p.DeviceName;
  e.gewaehlt = Printer().DeviceName();
  e.ausrichtung = Printer().Orientation();
  if (!Dialogs::service().druckerEinrichten(e)) return false;
  // Choosing a printer starts it afresh (standard orientation): the orientation goes on after it.
  if (e.gewaehlt != Printer().DeviceName() && !Printer().setPrinter(e.gewaehlt)) return false;
  return Printer().setOrientation(e.ausrichtung);
}

bool CommonDialog::ShowSave() {
  FileDialogRequest r;
  r.title = DialogTitle;
  r.folder = InitDir;
  r.fileName = FileName;
  r.filter = Filter;
  r.save = true;
  const QString gewaehlt = Dialogs::service().fileDialog(r);
  if (gewaehlt.isEmpty()) return false;
  FileName = gewaehlt;
  return true;
}

}  // namespace vb
