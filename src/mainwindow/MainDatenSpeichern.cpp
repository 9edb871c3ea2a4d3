// Saving the record table back to the open address file, with a backup copy while it writes.
#include "common/Fehler.h"
#include "common/Global.h"
#include "common/GrossKlein.h"
#include "common/Ini.h"
#include "common/Pfade.h"
#include "common/Reservierung.h"
#include "common/Text.h"
#include "mainwindow/Main.h"
#include "platform/vb/Dateirechte.h"
#include "platform/vb/Laufzeitfehler.h"
#include "platform/vb/Paths.h"
#include "platform/vb/Sanduhr.h"
#include "platform/vb/SicheresSchreiben.h"
#include "store/Adressdatei.h"
#include "store/DateiEinstellung.h"

namespace {

const QString kFehlerText = QStringLiteral("Es ist ein Fehler beim Speichern aufgetreten.");

// The bytes just written would be read with another encoding than the file has (a Windows-1252 file
// whose last byte invalid in UTF-8 went, a UTF-8 file that lost its last multi-byte character): the
// per-file settings keep the encoding, so that the next load reads the file as it was written.
void KodierungMerken(const QByteArray& bytes, Codec::Kodierung kodierung) {
  const QString gemerkt = DateiEinstellung(kZeichensatzSchluessel);
  if (gemerkt.isEmpty() && Codec::erkennen(bytes) == kodierung) return;
  const QString wert = KodierungsName(kodierung);
  if (gemerkt != wert) IniSchreiben(IniDatei, DateiTeil(AktuelleDatei, 3), kZeichensatzSchluessel, wert);
}

}  // namespace

bool Main::DatenSpeichern(bool beimBeenden) {
  SpeicherFehler.clear();
  if (NurLesen == -1) return true;
  Sanduhr sanduhr;
  StatusBar->setPanelText(QStringLiteral("Status"), QStringLiteral("Speichere gerade Kartulon..."));
  StatusBar->Refresh();

  bool gespeichert = true;
  if (Geaendert != 0) {
    Geaendert = 0;
    AdresseAnzeigen();
    const QString pfad = Paths::aufloesen(AktuelleDatei);
    QString grundText;  // why it failed

    // A file this user may no longer replace (its folder or the file itself changed since the load) is
    // not tried: that would report the same cause twice, for the backup copy and for the file.
    const Dateirechte::Hindernis hindernis = Dateirechte::ersetzenVerwehrt(pfad);
    int nummer = 0;
    if (hindernis) {
      nummer = SystemFehlerNummer(hindernis.fehler);
      grundText = Dateirechte::grund(hindernis);
    } else {
      // The backup copy first. Without one the save still goes on when the user says so (on the way out
      // without asking): the new file is written beside the old one and replaces it only when complete.
      bool weiter = true;
      if (!SicherungAnlegen(pfad, 1) && !beimBeenden) weiter = FehlerMelden(vb::ErrPfadDateiZugriff, kFehlerText) != 2;
      if (!weiter) {
        gespeichert = false;
      } else {
        QString kopf = IniLesen(QString(), QString(), QStringLiteral("FirstDataLine"), QString());
        if (kopf.isEmpty()) kopf = DateiBeschreibung;
        kopf = KopfzeileBilden(Ersetzen(kopf, QStringLiteral("^t"), QStringLiteral("\t")),
                               GrossKlein(DateiTeil(AktuelleDatei, 1)));
        const QByteArray bytes = AdressdateiBauen(kopf, Liste->items(), DateiKodierung, DateiMitBom);

        int systemFehler = 0;
        nummer = DateiSicherSchreiben(pfad, bytes, &systemFehler);
        if (nummer == 0) {
          // The backup goes only now that the new file is complete.
          SicherungAnlegen(pfad, 0);
          KodierungMerken(bytes, DateiKodierung);
          ReservierungErneuern(DateiTeil(AktuelleDatei, 3));
        } else {
          grundText = systemFehler != 0 ? Dateirechte::systemGrund(systemFehler) : FehlerText(nummer) + u'.';
        }
      }
    }
    if (nummer != 0) {
      gespeichert = false;
      if (!beimBeenden)
        FehlerMelden(nummer, kFehlerText + QStringLiteral("~") + AktuelleDatei + QStringLiteral("~") + grundText);
    }
    if (!gespeichert) {
      // The changes are still unsaved: every caller that would quit or switch files stops.
      Geaendert = 1;
      StatusBar->setPanelText(QStringLiteral("Unsaved"), QStringLiteral(" * "));
      SpeicherFehler = QString::fromUtf16(u"Die Adressdatei »") + AktuelleDatei +
                       QString::fromUtf16(u"« konnte nicht gespeichert werden.");
      if (!grundText.isEmpty()) SpeicherFehler += QStringLiteral("\r\n") + grundText;
    }
  }

  ListenPositionSpeichern();
  StatusBar->setPanelText(QStringLiteral("Status"), QStringLiteral("Bereit"));
  return gespeichert;
}
