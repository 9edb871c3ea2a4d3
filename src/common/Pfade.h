#pragma once
// Folders and file names: taking a path apart, whether a file exists, finding a file in the usual
// folders, the backup copy around a save, and the program's folders. Paths use "/"; a "\" from an old
// setting counts as a separator too. Folder names keep their case (on Linux the case is part of a name).
#include <QString>

// The Windows folder (where Zedured.ini, WIN.INI and SYSTEM.INI lie), without a trailing "/".
QString WindowsOrdner();
// The system folder, the same as the Windows folder here.
QString SystemOrdner();
// The program's own folder, without a trailing "/".
QString ProgrammOrdner();
