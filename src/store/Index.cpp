#include "store/Index.h"

#include "common/Global.h"
#include "common/Ini.h"
#include "platform/vb/Vb.h"

#include <algorithm>
#include <cmath>

namespace {

// A stored counter as a whole number; text that is no number reads as 0.
qint64 zaehler(const QString& text) {
  double wert = vb::Val(text);
  if (!std::isfinite(wert)) return 0;
  wert = std::clamp(wert, -1e15, 1e15);
  return static_cast<qint64>(std::nearbyint(wert));  // rounds half to even, as the runtime converts
}

}  // namespace

int NeuerIndex(int schritt) {
  const qint64 a = zaehler(IniLesen(IniDatei, "Allgemein", "AdressIndex", "1")) + schritt;
  const qint64 b = zaehler(IniLesen("", "", "AdressIndex", "1")) + schritt;
  qint64 r = std::max(a, b);
  // Beyond the last number the count starts again at 1; a counter below 1 (edited by hand) as well.
  if (r > 999999999 || r < 1) r = 1;
  const QString text = QString::number(r);
  IniSchreiben(IniDatei, "Allgemein", "AdressIndex", text);
  IniSchreiben("", "", "AdressIndex", text);
  return static_cast<int>(r);
}
