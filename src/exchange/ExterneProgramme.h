#pragma once
// Prepared e-mails handed to the desktop's e-mail program: for each hand-over file a new mail through a
// "mailto:" link with address and subject, the body pasted from the clipboard and the mail sent, both by
// keystrokes; the files handed over go to the trash.
#include <QString>

namespace ExterneProgramme {

// The pauses around each mail, in milliseconds: they are the only way to keep pace with the e-mail
// program. Tests shorten them.
struct Pausen {
  int vorMail = 1000;
  int nachLink = 5000;
  int nachEinfuegen = 1000;
  int nachSenden = 1000;
  int vorFrage = 1000;  // after a batch, before the serial e-mail dialog asks for more
};
Pausen& pausen();

// The key strings that paste the body and send the mail: Zedured.ini, the program's section, keys
// "eMailTastenEinfügen" and "eMailTastenSenden"; by default "{Tab 4}^v" and "%s".
QString TastenEinfuegen();
QString TastenSenden();

// Hands every file of the folder that matches the pattern over, in name order, after one question. A
// batch that ends early is reported once; the files handed over until then go to the trash (deleted
// when the trash refuses them, so that they are not sent twice), the others stay for the next batch.
void EmailDateienAnOutlook(const QString& ordner, const QString& muster);

// Opens, fills and sends one mail; 0 or the error number of the step that failed (the link not taken,
// a key string refused).
int EmailAnOutlook(const QString& adresse, const QString& betreff, const QString& text);

}  // namespace ExterneProgramme
