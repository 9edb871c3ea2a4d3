#include "common/Pfade.h"

#include "platform/Paths.h"

QString WindowsOrdner() { return Paths::windowsOrdner(); }
QString SystemOrdner() { return Paths::systemOrdner(); }
QString ProgrammOrdner() { return Paths::programmOrdner(); }
