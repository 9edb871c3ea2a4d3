#pragma once
// Folders and file names: taking a path apart, whether a file exists, finding a file in the usual
// folders, the backup copy around a save, and the program's folders. Paths use "/"; a "\" from an old
// setting counts as a separator too. Names keep their case (on Linux the case is part of a name); a
// name is found without regard to case, as the original's file system found it.
#include <QString>

// The Windows folder (where Zedured.ini, WIN.INI and SYSTEM.INI lie), without a trailing "/".
QString WindowsOrdner();
// The system folder, the same as the Windows folder here.
QString SystemOrdner();
// The program's own folder, without a trailing "/".
QString ProgrammOrdner();

// One piece of a path: -2 the drive ("C:" or "//server" of an old Windows path, else ""), -1 drive and
// folder without the trailing "/", 0 drive and folder with it, 1 the base name (the file name up to its
// first "."), 2 the extension (after that "."), 3 the file name; any other number "". Blanks around the
// path are ignored, and so is a switch after it: a "/" after a blank and everything behind it.
QString DateiTeil(const QString& pfad, int teil);
// The part as a number in a text ("1" as 1); a text that is no whole number gives "".
QString DateiTeil(const QString& pfad, const QString& teil);

// Whether the file exists and can be opened for reading; false for a name with "*" or "?", an empty
// name and a folder.
bool DateiVorhanden(const QString& name);

// The first of the current folder, the program folder, the Windows folder and the system folder that
// holds a file of that name: its full path with the name as it is on disk; "" when none holds it.
QString DateiSuchen(const QString& name);

// The backup copy of a file: folder, base name and ".BAK" ("/daten/Kunden.dat" -> "/daten/Kunden.BAK").
QString SicherungsName(const QString& datei);
// Removes the backup copy of the file and, with mode 1, makes it afresh from the file. Returns false
// when that failed: an old copy that could not be removed, a copy that could not be made, or a file
// that would be its own backup (a file named *.BAK); a save must not count on a copy then. A missing
// file is no failure: there is nothing to copy.
// The backup may share the file's storage (a hard link): the file must then be replaced by renaming a new
// one over it, never rewritten in place.
bool SicherungAnlegen(const QString& datei, int modus);
