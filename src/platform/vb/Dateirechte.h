#pragma once
// Whether this user may replace a file the way every save of user data does: write a new file beside it
// and rename it over the old one. That needs the right to write the file and to create and rename files in
// its folder, which the file's write bits alone do not tell (a writable file in a folder the user may not
// change, a folder with the sticky bit, a file system mounted read-only, a file marked immutable).
#include <QString>

namespace Dateirechte {

struct Hindernis {
  int fehler = 0;         // the C library's error code (EACCES, EPERM, EROFS, ...); 0: nothing is in the way
  bool imOrdner = false;  // the folder, not the file, is what may not be changed
  QString wo;             // the file or folder that is in the way
  explicit operator bool() const { return fehler != 0; }
};

// What keeps this user from replacing the file at the path (an existing file, or one to be created).
Hindernis ersetzenVerwehrt(const QString& pfad);

// The reason in German, naming the file or folder: "Sie haben keine Schreibrechte für den Ordner »...«".
QString grund(const Hindernis& h);
// The system's reason for a C library error code, in German ("Kein Speicherplatz mehr auf dem Datenträger").
QString systemGrund(int errnoWert);

// Tests: judge by the permission bits and the owner alone, as for a user without root's privilege, so that
// a folder or file without write bits is refused also where the tests run as root. false restores the
// real check.
void ohneVorrecht(bool ja);

}  // namespace Dateirechte
