#pragma once
// What every benchmark that loads the main window needs: a headless application, German, with a
// temporary program and Windows folder whose settings switch off the start-up questions, and dialogs
// that answer from a script, so that no message box waits for a person.
#include <QString>

// Makes the application and the folders once; returns the program folder.
QString BenchUmgebung();
#include <QByteArray>
#include <QStringList>

// The bytes of a 32000-record address file written by tools/adressen.py (generated once per run; a run
// without the generator stops with its reason).
const QByteArray& Adressdatei32000();
// Its record lines.
const QStringList& Adressen32000();
