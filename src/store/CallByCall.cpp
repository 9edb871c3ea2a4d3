#include "store/CallByCall.h"

#include "common/Ini.h"
#include "common/Pfade.h"
#include "common/Text.h"
#include "platform/vb/Paths.h"
#include "platform/vb/Vb.h"

QString CallByCallVorwahl(const QString& nummer, unsigned char modus) {
  const QString datei = Paths::aufloesen(ProgrammOrdner() + QStringLiteral("/CallByCall.ini"));
  if (vb::Val(IniLesen(datei, "Allgemein", "aktiviert", "1")) == 0) return {};
  const QString ziffern = NurZeichen(nummer, QStringLiteral("0123456789"));
  // The longest run of leading digits with an entry decides; shorter ones are fallbacks.
  QString zone;
  for (qsizetype laenge = 1; laenge <= ziffern.size(); ++laenge) {
    const QString wert = IniLesen(datei, "TeleNr", ziffern.left(laenge), "");
    if (!wert.isEmpty()) zone = wert;
  }
  if (zone.isEmpty()) return {};
  if (modus == 1) return zone;
  if (modus == 2) return QStringLiteral(" [") + zone + u']';
  return IniLesen(datei, "CallByCall", zone, "");
}

QString WahlNummer(const QString& telefon, const QString& mobil, int feldIndex) {
  QString n = telefon;
  if ((feldIndex == 12 && !vb::Trim(mobil).isEmpty()) || vb::Trim(n).isEmpty()) n = mobil;
  return vb::Trim(CallByCallVorwahl(n, 0) + u' ' + n);
}
