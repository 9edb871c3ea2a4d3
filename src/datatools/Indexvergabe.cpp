#include "datatools/Indexvergabe.h"

#include "common/Global.h"
#include "platform/vb/Vb.h"
#include "store/Datensatz.h"
#include "store/Index.h"

#include <optional>
#include <vector>

Indexvergabe IndizesNeuSetzen(Adressbestand& bestand, const Satzfortschritt& fortschritt) {
  const QStringList& alt = bestand.Zeilen();
  const int n = static_cast<int>(alt.size());
  std::vector<Felder> felder;
  felder.reserve(n);
  int ohneIndex = 0;
  for (const QString& zeile : alt) {
    felder.push_back(FelderAusZeile(zeile));
    if (vb::Val(felder.back()[23]) <= 0) ++ohneIndex;
  }

  // One reservation for all the numbers (the two counters written once instead of once per record); near
  // the counter's end, where it starts again at 1, number by number.
  std::optional<qint64> naechster;
  if (ohneIndex > 0 && NeuerIndex(0) + ohneIndex <= 999999999) naechster = NeuerIndex(ohneIndex) - ohneIndex;

  QStringList neu;
  neu.reserve(n);
  for (int i = 0; i < n; ++i) {
    if (fortschritt) fortschritt(i);
    Felder& f = felder[i];
    if (vb::Val(f[23]) <= 0) f[23] = QString::number(naechster ? (*naechster)++ : NeuerIndex(1) - 1);
    neu << DatensatzBauen(f);
  }
  if (n > 0) {
    AktuellerDatensatz = alt.last();
    Geaendert = 1;
    if (neu != alt) bestand.setItems(std::move(neu));
  }
  Indexvergabe ergebnis;
  ergebnis.vergeben = ohneIndex;
  ergebnis.naechsterFreier = NeuerIndex(0);
  ergebnis.status = QStringLiteral("Nächster freier Index bei ") + QString::number(ergebnis.naechsterFreier);
  return ergebnis;
}
