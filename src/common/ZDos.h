#pragma once
// Work handed to the operating system: the trash, starting a program and waiting for it, a text file in
// the user's editor, and texts made safe as file names.
#include <QString>
#include <QStringList>

namespace Z_DOS {

// The process id of the last program start (0 after a failed one).
extern qint64 TaskId;

// One path, or several separated by NUL characters; each goes to the trash. Reports nothing.
void DateienInPapierkorb(const QString& dateien);

// Starts the command line (program and arguments; quotes group an argument with blanks) in the folder
// ("" = the folder of the program's path, or the current folder for a bare program name). The window
// style is the old platform's and has no meaning here. Returns the handle to wait on, 0 when the program
// did not start (reported through FehlerMelden).
qint64 ProgrammStarten(const QString& befehl, const QString& ordner, int fensterstil = 1);
// The same with the program and its arguments apart, so that a file name with blanks stays one argument.
// The command as text is only for the error message.
qint64 ProgrammStarten(const QStringList& programmUndArgumente, const QString& ordner, const QString& befehl);

// Returns when the program has ended or the limit has passed (0 or less: five hours). Events are processed
// meanwhile, and it sleeps between looks.
void ProzessAbwarten(qint64 prozess, float sekunden);

// Opens the text file in the editor of Zedured.ini [Allgemein] PrgTxtEdit. The default "NotePad" means
// the desktop's program for text files (which cannot be waited for); another editor command is started
// in the Windows folder with the file as a separate argument, and waited for when warten is true.
void TextDateiBearbeiten(const QString& datei, bool warten);

// Every "?", "*", ".", ",", ";", ":", "\", "/" and control character becomes a blank, then every blank "_".
QString DateinameBereinigen(const QString& text);

}  // namespace Z_DOS
