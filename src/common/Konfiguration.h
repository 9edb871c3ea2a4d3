#pragma once
// Configuration jobs that an installer, an update or an administrator leaves in the program folder as
// Adapter.Cfg: settings to write and programs to start; afterwards the program ends.
#include <QFileDevice>
#include <QString>

// Returns when there is no job file to run; otherwise runs its jobs, tells the user before and after,
// deletes the file and ends the program. A file that belongs to another user than root or the user, or
// that others may write, is not run. A file that could not be deleted after its jobs ran is remembered
// (size and time) and not run again.
void KonfigurationAnpassen();

// Whether a job file with this owner and these permissions may run for the user with the id.
bool KonfigurationVertrauenswuerdig(uint besitzer, QFileDevice::Permissions rechte, uint benutzer);
