#pragma once
// Offering entries to choose from (the pick list). The gui library sets the window that asks; without
// it nothing is chosen.
#include <QString>
#include <QStringList>
#include <functional>
#include <optional>

// The entry the user chose, or nothing.
std::optional<QString> EintragWaehlen(const QStringList& eintraege);
void EintragWaehlenSetzen(std::function<std::optional<QString>(const QStringList&)> waehlen);
