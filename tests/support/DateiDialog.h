#pragma once
// The program's file dialog (the form File) answered in a test as a user answers it, from the modal
// interceptor of a test whose command shows it.
#include <QString>

class File;

// What the dialog offered when it came.
struct DateiDialogAngebot {
  QString ordner;     // the folder it listed
  QString vorschlag;  // the name it proposed
};

// Shows the dialog d, notes what it offers and answers it: an empty wahl cancels; otherwise the listed
// file wahl + endung is clicked when there is one (in any case), else wahl is typed into the name box;
// then OK, and "Abbrechen" when the dialog is still open (an overwrite question answered "Nein").
DateiDialogAngebot DateiDialogBeantworten(File& d, const QString& wahl, const QString& endung = {});
