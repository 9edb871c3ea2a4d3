#include "store/CallByCall.h"

#include "common/Ini.h"
#include "common/Pfade.h"
#include "common/Text.h"
#include "platform/vb/Paths.h"
#include "platform/vb/Vb.h"

namespace {

QString datei() { return Paths::aufloesen(ProgrammOrdner() + QStringLiteral("/CallByCall.ini")); }

// A value as IniLesen gives it.
QString alsGelesen(QString wert) { return wert.replace(QLatin1String("**"), QLatin1String("\r\n")); }

}  // namespace

CallByCallTabelle::CallByCallTabelle() {
  const QString d = datei();
  aktiv_ = vb::Val(IniLesen(d, "Allgemein", "aktiviert", "1")) != 0;
  if (!aktiv_) return;
  zonen_ = Profil::sektionLesen(d, QStringLiteral("TeleNr"));
  vorwahlen_ = Profil::sektionLesen(d, QStringLiteral("CallByCall"));
}

QString CallByCallTabelle::vorwahl(const QString& nummer, unsigned char modus) const {
  if (!aktiv_ || zonen_.werte.isEmpty()) return {};
  const QString ziffern = NurZeichen(nummer, QStringLiteral("0123456789"));
  // The longest run of leading digits with an entry decides; shorter ones are fallbacks.
  QString zone;
  for (qsizetype laenge = 1; laenge <= ziffern.size(); ++laenge) {
    const QString wert = zonen_.lesen(ziffern.left(laenge), QString());
    if (!wert.isEmpty()) zone = wert;
  }
  if (zone.isEmpty()) return {};
  zone = alsGelesen(zone);
  if (modus == 1) return zone;
  if (modus == 2) return QStringLiteral(" [") + zone + u']';
  return alsGelesen(vorwahlen_.lesen(vb::Trim(zone), QString()));
}

QString CallByCallVorwahl(const QString& nummer, unsigned char modus) {
  return CallByCallTabelle().vorwahl(nummer, modus);
}

QString WahlNummer(const QString& telefon, const QString& mobil, int feldIndex) {
  QString n = telefon;
  if ((feldIndex == 12 && !vb::Trim(mobil).isEmpty()) || vb::Trim(n).isEmpty()) n = mobil;
  return vb::Trim(CallByCallVorwahl(n, 0) + u' ' + n);
}
