#pragma once
// Moving the data folder: the address files, account logs and masks go to a folder the user names, the
// old folder keeps only what did not arrive safely, and every later start uses the new folder.
#include <QString>
#include <functional>

// Asks, copies, deletes, records and reports as one command. offeneDateiSichern saves the open file's
// unsaved changes before anything is copied and answers false when that failed (the move stops then).
// Returns true when the folder was moved; DatenOrdner, MaskenOrdner and AktuelleDatei then name the new
// folder.
bool DatenOrdnerVerlegen(const std::function<bool()>& offeneDateiSichern);

// The two folders are one: the same text ignoring case, or the same folder on disk (another spelling,
// "." or ".." parts, doubled separators, a symbolic link).
bool GleicherOrdner(const QString& alt, const QString& neu);
