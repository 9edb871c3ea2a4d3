#pragma once
// Where the program's files live on Linux, and case-insensitive lookup of names that older settings
// and files give in any case.
#include <QString>

namespace Paths {

// $KARTULON_HOME, else $XDG_DATA_HOME/kartulon (~/.local/share/kartulon). Without a trailing "/".
QString programmOrdner();
// $KARTULON_WINDIR, else $XDG_CONFIG_HOME/kartulon (~/.config/kartulon). Without a trailing "/".
QString windowsOrdner();
QString systemOrdner();
// The shipped files that seed a new program folder.
QString datenVorlagenOrdner();

// Creates the program and Windows folders and copies every shipped file that is not there yet.
void ordnerEinrichten();

// "\" from old settings becomes "/".
QString normalisieren(const QString& pfad);
// Joins a folder and a name with exactly one "/".
QString verbinden(const QString& ordner, const QString& name);
// Finds an existing file or folder whose components match case-insensitively; where a component is not
// found, the rest is kept as given (so a new file is created with the spelling asked for).
QString aufloesen(const QString& pfad);

}  // namespace Paths
