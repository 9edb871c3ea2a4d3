#pragma once
// INI files as the original platform's profile-string functions read and write them: sections in
// brackets, "key=value" lines, names compared without regard to case, every other line (comments, blank
// lines, text the functions do not understand) kept as it stands when a value is written. A file named
// without a folder lies in the Windows folder; a name is found without regard to case.
//
// Parsed files are kept in memory and checked against the disk at every call (size, time stamps down to
// the nanosecond, inode, and the bytes themselves while the time stamp is too recent to tell), so that a
// change made by another program is seen by the next read. A write goes to disk at once (beside the file,
// then renamed over it), except in a long run of writes in quick succession (a loop over the records):
// there the writes are gathered and written at the latest after 200 ms, when control returns to the
// event loop, when the program ends, or when sichern() is called.
#include <QHash>
#include <QString>

namespace Profil {

// The value of the key in the section, without the blanks around it and without one pair of quotes
// that encloses it; the default when the file, the section or the key is missing.
QString lesen(const QString& datei, const QString& sektion, const QString& schluessel, const QString& standard);
// One section's entries as they stood at one moment, for a loop that would otherwise read thousands of
// keys one by one: lesen(key, default) answers as Profil::lesen would have answered then.
struct Sektion {
  QHash<QString, QString> werte;  // by folded name; the first entry of a name counts
  bool windows1252 = true;
  QString lesen(const QString& schluessel, const QString& standard) const;
};
// Empty when the file or the section is missing.
Sektion sektionLesen(const QString& datei, const QString& sektion);

// Writes "key=value" into the section: replaces the first entry of the key, else adds one after the
// section's last line, else adds the section at the end of the file; creates a missing file. Never
// deletes anything. false when the file could not be written (a file that is read-only, a missing
// folder) or the key would not read back as itself (empty, holding "=", beginning with "[" or ";"). A line break in a
// name or value becomes a blank: it must not start a line of its own. A file that holds Windows-1252 bytes stays
// Windows-1252, and every line that the write does not change keeps its bytes and its line end.
bool schreiben(const QString& datei, const QString& sektion, const QString& schluessel, const QString& wert);

// Writes every gathered change now; false when a file could not be written (its changes are then lost,
// as a direct write would have lost them).
bool sichern();
// The same for one file (as it would be passed to lesen or schreiben).
bool sichern(const QString& datei);
// Writes the gathered changes of the file at that full path, if any wait (before the file is looked at
// as a file).
bool sichernFallsAusstehend(const QString& vollerPfad);
// Whether changes wait to be written.
bool ausstehend();
// Gathers every write until sichern() or the next return to the event loop, not only long runs (tests
// of the gathering; false restores the usual behaviour).
void immerSammeln(bool ja);
// Gathers every write while it lives, and writes what it gathered when the last one ends: a command that
// writes hundreds of keys at once syncs each file once instead of once per key. Call sichern() inside it
// to learn whether a file could be written.
class Stapel {
 public:
  Stapel();
  ~Stapel();
  Stapel(const Stapel&) = delete;
  Stapel& operator=(const Stapel&) = delete;
};
// Forgets every parsed file and every gathered change without writing (tests, between cases).
void verwerfen();
// Forgets the parsed files (the next call reads the disk again) but keeps which files are known to be
// Windows-1252 (tests that compare the disk with what was read).
void neuEinlesen();

// The full path under which a file name is read and written.
QString pfad(const QString& datei);

}  // namespace Profil
