#include "bankforms/formen/Druckrahmen.h"

#include "common/Global.h"
#include "platform/dienste/Dialogs.h"
#include "platform/dienste/Printer.h"
#include "platform/dienste/Screen.h"
#include "platform/kit/Grafik.h"
#include "printing/formen/PrinterSet.h"

#include <algorithm>

bool BankformDrucken(const Bankformdruck::Auftrag& auftrag, vb::Image* bildHalter, int* antwort) {
  if (antwort) *antwort = 0;
  const PrinterSet* dialog = PrinterSet::Erfragen(auftrag.job, auftrag.titel, {.kopien = true, .ausrichtung = true});
  if (!dialog) {
    // Without a printer no later form prints either: a batch ends here as after a cancelled report.
    if (antwort && vb::Printers().isEmpty()) *antwort = vb::vbCancel;
    return false;
  }
  const int randX = std::max(0, dialog->ComboRandX->ListIndex());
  const int randY = std::max(0, dialog->ComboRandY->ListIndex());

  vb::Screen::setMousePointer(vb::Screen::vbHourglass);
  vb::PrinterObject& drucker = vb::Printer();
  const bool seitenwechsel = drucker.Seitenwechsel();
  drucker.setSeitenwechsel(false);
  const bool gedruckt = Bankformdruck::SeiteDrucken(
      drucker, auftrag, randX, randY,
      [&](QImage& bild) {
        if (!bildHalter) return 53;
        const int fehler = bildHalter->LoadPicture(auftrag.bild);
        if (fehler == 0) bild = bildHalter->Picture().toImage();
        return fehler;
      },
      antwort);
  drucker.setSeitenwechsel(seitenwechsel);
  if (auftrag.dialogEntladen || !gedruckt) PrinterSet::Unload();
  vb::Screen::setMousePointer(vb::Screen::vbDefault);
  return gedruckt;
}
