// Saving the record table back to the open address file, with a backup copy while it writes.
#include "common/Fehler.h"
#include "common/Global.h"
#include "common/GrossKlein.h"
#include "common/Ini.h"
#include "common/Pfade.h"
#include "common/Reservierung.h"
#include "mainwindow/Main.h"
#include "platform/vb/Laufzeitfehler.h"
#include "platform/vb/Paths.h"
#include "platform/vb/Sanduhr.h"
#include "store/OffeneAdressdatei.h"

namespace {

const QString kFehlerText = QStringLiteral("Es ist ein Fehler beim Speichern aufgetreten.");

}  // namespace

bool Main::DatenSpeichern(bool beimBeenden) {
  OffeneDatei.speicherFehler.clear();
  if (NurLesen == -1) return true;
  Sanduhr sanduhr;
  StatusBar->setPanelText(QStringLiteral("Status"), QStringLiteral("Speichere gerade Kartulon..."));
  StatusBar->Refresh();

  bool gespeichert = true;
  if (Geaendert != 0) {
    Geaendert = 0;
    AdresseAnzeigen();
    Speicherauftrag auftrag;
    auftrag.pfad = Paths::aufloesen(AktuelleDatei);
    auftrag.name = AktuelleDatei;
    auftrag.kopf = IniLesen(QString(), QString(), QStringLiteral("FirstDataLine"), QString());
    if (auftrag.kopf.isEmpty()) auftrag.kopf = DateiBeschreibung;
    auftrag.standardBeschreibung = GrossKlein(DateiTeil(AktuelleDatei, 1));
    auftrag.zeilen = Liste->items();
    auftrag.iniDatei = IniDatei;
    auftrag.abschnitt = DateiTeil(AktuelleDatei, 3);
    // Without a backup copy the save goes on when the user says so, and on the way out without asking.
    if (!beimBeenden)
      auftrag.ohneSicherungWeiter = [] { return FehlerMelden(vb::ErrPfadDateiZugriff, kFehlerText) != 2; };
    const Speicherergebnis ergebnis = OffeneDatei.speichern(auftrag);
    if (ergebnis.gespeichert) ReservierungErneuern(DateiTeil(AktuelleDatei, 3));
    if (ergebnis.nummer != 0 && !beimBeenden)
      FehlerMelden(ergebnis.nummer,
                   kFehlerText + QStringLiteral("~") + AktuelleDatei + QStringLiteral("~") + ergebnis.grund);
    if (!ergebnis.gespeichert) {
      // The changes are still unsaved: every caller that would quit or switch files stops.
      gespeichert = false;
      Geaendert = 1;
      StatusBar->setPanelText(QStringLiteral("Unsaved"), QStringLiteral(" * "));
    }
  }

  ListenPositionSpeichern();
  StatusBar->setPanelText(QStringLiteral("Status"), QStringLiteral("Bereit"));
  return gespeichert;
}
