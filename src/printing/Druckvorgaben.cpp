#include "printing/Druckvorgaben.h"

#include "common/Ini.h"
#include "common/Pfade.h"
#include "platform/vb/Paths.h"
#include "platform/vb/Vb.h"

#include <cmath>

namespace {
double zahl(const QString& job, const char* schluessel) {
  return vb::Val(IniLesen(DuroVarIni(), job, QString::fromLatin1(schluessel), QStringLiteral("0")));
}
}  // namespace

QString DuroVarIni() { return Paths::aufloesen(Paths::verbinden(WindowsOrdner(), QStringLiteral("DuroVar.ini"))); }

bool DruckerauswahlErlaubt() {
  return vb::Val(IniLesen(DuroVarIni(), QStringLiteral("Allgemein"), QStringLiteral("Druckerauswahl"),
                          QStringLiteral("1"))) != 0;
}

int VorgabeEintrag(const QString& wert, int letzter) {
  // A list index takes a fraction as the runtime rounded it (to the even neighbour at .5).
  const double v = std::nearbyint(vb::Val(wert));
  if (!(v >= 0 && v <= letzter)) return 0;
  return static_cast<int>(v);
}

Druckvorgabe VorgabeLesen(const QString& job, bool mitDrucker, const QString& druckerStandard) {
  Druckvorgabe v;
  const QString sektion = job.trimmed();
  if (mitDrucker) v.drucker = druckerStandard;
  if (sektion.isEmpty()) return v;
  const QString datei = DuroVarIni();
  auto eintrag = [&](const char* schluessel, int letzter) {
    return VorgabeEintrag(IniLesen(datei, sektion, QString::fromLatin1(schluessel), QStringLiteral("0")), letzter);
  };
  v.markierung = zahl(sektion, "Bereich") != 0;
  v.quer = zahl(sektion, "Ausrichtung") != 0;
  v.randX = eintrag("RandX", kLetzterRand);
  v.randY = eintrag("RandY", kLetzterRand);
  v.anzahl = eintrag("Anzahl", kLetzteAnzahl);
  if (mitDrucker) v.drucker = IniLesen(datei, sektion, QStringLiteral("Drucker"), druckerStandard);
  v.automatisch = std::abs(zahl(sektion, "Automatisch")) == 1;
  return v;
}

void VorgabeSchreiben(const QString& job, const Druckvorgabe& v, bool mitDrucker, const QDate& heute,
                      const QString& benutzer) {
  const QString sektion = job.trimmed();
  if (sektion.isEmpty()) return;
  const QString datei = DuroVarIni();
  if (mitDrucker) IniSchreiben(datei, sektion, QStringLiteral("Drucker"), v.drucker);
  IniSchreiben(datei, sektion, QStringLiteral("Ausrichtung"), v.quer ? 1 : 0);
  IniSchreiben(datei, sektion, QStringLiteral("RandX"), v.randX);
  IniSchreiben(datei, sektion, QStringLiteral("RandY"), v.randY);
  IniSchreiben(datei, sektion, QStringLiteral("Anzahl"), v.anzahl);
  IniSchreiben(datei, sektion, QStringLiteral("Automatisch"), v.automatisch ? 1 : 0);
  IniSchreiben(datei, sektion, QStringLiteral("LastSave"), vb::DatumText(heute));
  IniSchreiben(datei, sektion, QStringLiteral("LastUser"), benutzer);
}
