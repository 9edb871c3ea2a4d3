#pragma once
// The user name: stored in Zedured.ini [Allgemein] User and shared by the programs of the family; found
// once from the login name, the environment or WIN.INI, and asked for when all of them are empty.
#include <QString>

QString BenutzerName();
// The login name, "" when it cannot be obtained (also when it is longer than the original's buffer).
QString AnmeldeName();
