#include "common/Auswahldienst.h"

namespace {
std::function<std::optional<QString>(const QStringList&)>& waehler() {
  static std::function<std::optional<QString>(const QStringList&)> f;
  return f;
}
}  // namespace

std::optional<QString> EintragWaehlen(const QStringList& eintraege) {
  if (!waehler()) return std::nullopt;
  return waehler()(eintraege);
}

void EintragWaehlenSetzen(std::function<std::optional<QString>(const QStringList&)> waehlen) {
  waehler() = std::move(waehlen);
}
