// Saving the record table back to the open address file, with a backup copy while it writes.
#include "common/Fehler.h"
#include "common/Global.h"
#include "common/Ini.h"
#include "common/Pfade.h"
#include "common/Reservierung.h"
#include "common/Text.h"
#include "mainwindow/Main.h"
#include "platform/Laufzeitfehler.h"
#include "platform/Paths.h"
#include "platform/Sanduhr.h"
#include "store/Adressdatei.h"

#include <QSaveFile>

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

      // Unbuffered, and checked before the rename: a buffered QSaveFile reports a short write (disk full,
      // size limit) as success and would put a cut file in place of the old one.
      QSaveFile datei(pfad);
      const bool geschrieben = datei.open(QIODevice::WriteOnly | QIODevice::Unbuffered) &&
                               datei.write(bytes) == bytes.size() && datei.size() == bytes.size() && datei.commit();
      if (geschrieben) {
        // The backup goes only now that the new file is complete.
        SicherungAnlegen(pfad, 0);
        ReservierungErneuern(DateiTeil(AktuelleDatei, 3));
      } else {
        const int nummer = vb::FehlerAusDatei(datei);
        datei.cancelWriting();
        FehlerMelden(nummer != 0 ? nummer : vb::ErrPfadDateiZugriff, kFehlerText);
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
