#pragma once
// The central error handler: logs the error in Zedured.ini [Fehler], plays the error sound, shows what
// failed with a tip, offers the printed error report, and tells the caller whether to go on.
#include <QFileDevice>
#include <QString>
#include <functional>

// Answers: 0 no error (nothing shown), 2 leave the procedure, 5 continue.
int FehlerMelden(int nummer, const QString& text = {});
// The built program is never in its development environment.
bool InEntwicklung();
// The runtime's error number for a failed file operation (53 not found, 70 permission denied, ...).
int FehlerNummer(QFileDevice::FileError fehler);
// The same, looking at the file and its folder to tell the causes of a failed open apart.
int FehlerNummer(const QFileDevice& datei);
// The runtime's error number for a C library error code (errno).
int SystemFehlerNummer(int errnoWert);
// The German description of a runtime error number.
QString FehlerText(int nummer);

// What the answer Ja prints: the error report with the error text as shown (with its "~" placeholders).
// Without a hook it is FehlerDrucken (common/Fehlerbericht.h); tests may set their own.
std::function<void(const QString& fehlerText)>& FehlerBerichtDrucker();
