// Saving the record table back to the open address file, with a backup copy while it writes.
#include "common/Fehler.h"
#include "common/Global.h"
#include "common/Ini.h"
#include "common/Pfade.h"
#include "common/Reservierung.h"
#include "common/Text.h"
#include "mainwindow/Main.h"
#include "platform/vb/SicheresSchreiben.h"
#include "platform/vb/Laufzeitfehler.h"
#include "platform/vb/Paths.h"
#include "platform/vb/Sanduhr.h"
#include "store/Adressdatei.h"


namespace {

const QString kFehlerText = QStringLiteral("Es ist ein Fehler beim Speichern aufgetreten.");

}  // namespace

bool Main::DatenSpeichern() {
  if (NurLesen == -1) return true;
  Sanduhr sanduhr;
  StatusBar->setPanelText(QStringLiteral("Status"), QStringLiteral("Speichere gerade Kartulon..."));
  StatusBar->Refresh();

  bool gespeichert = true;
  if (Geaendert != 0) {
    Geaendert = 0;
    AdresseAnzeigen();
    const QString pfad = Paths::aufloesen(AktuelleDatei);

    // The backup copy first. Without one the save still goes on when the user says so: the new file
    // is written beside the old one and replaces it only when complete.
    bool weiter = true;
    if (!SicherungAnlegen(pfad, 1)) weiter = FehlerMelden(vb::ErrPfadDateiZugriff, kFehlerText) != 2;

    if (weiter) {
      QString kopf = IniLesen(QString(), QString(), QStringLiteral("FirstDataLine"), QString());
      if (kopf.isEmpty()) kopf = DateiBeschreibung;
      kopf = KopfzeileBilden(Ersetzen(kopf, QStringLiteral("^t"), QStringLiteral("\t")));
      const QByteArray bytes = AdressdateiBauen(kopf, Liste->items(), DateiKodierung, DateiMitBom);

      const int nummer = DateiSicherSchreiben(pfad, bytes);
      if (nummer == 0) {
        // The backup goes only now that the new file is complete.
        SicherungAnlegen(pfad, 0);
        ReservierungErneuern(DateiTeil(AktuelleDatei, 3));
      } else {
        FehlerMelden(nummer, kFehlerText);
        gespeichert = false;
      }
    } else {
      gespeichert = false;
    }
    if (!gespeichert) {
      // The changes are still unsaved: every caller that would quit or switch files stops.
      Geaendert = 1;
      StatusBar->setPanelText(QStringLiteral("Unsaved"), QStringLiteral(" * "));
    }
  }

  ListenPositionSpeichern();
  StatusBar->setPanelText(QStringLiteral("Status"), QStringLiteral("Bereit"));
  return gespeichert;
}
