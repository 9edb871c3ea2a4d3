#pragma once
// What every benchmark that loads the main window needs: a headless application, German, with a
// temporary program and Windows folder whose settings switch off the start-up questions, and dialogs
// that answer from a script, so that no message box waits for a person.
#include <QString>

// Makes the application and the folders once; returns the program folder.
QString BenchUmgebung();
