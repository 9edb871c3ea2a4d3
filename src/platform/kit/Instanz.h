#pragma once
// One running copy per user and program folder. The first copy listens on a local socket; a later copy
// that reaches it asks it to come to the front and then ends.
#include <QString>
#include <functional>

namespace Instanz {

// The socket's name: the user's id and a digest of the program folder.
QString serverName();

// When another copy listens: asks it to come to the front and returns true. Otherwise this copy starts
// listening (each later copy's request calls aktivieren) and false is returned. The check and the start
// of listening are one step, so that two copies started together do not both run.
bool andereKopieAktivieren(std::function<void()> aktivieren);

// Stops listening (also a clean-up at the program's end).
void beenden();
bool wacht();

}  // namespace Instanz
