#pragma once
// Environment variables as the original's platform read them, and the account's numeric id.
#include <QString>

namespace Umgebung {

// An environment variable, its name compared without regard to case ("User" finds $USER); an exact
// match wins. "" when there is none.
QString variable(const QString& name);
// The numeric id of the account the program runs under.
QString kontoKennung();

}  // namespace Umgebung
