#pragma once
// Every record without a positive running index (field 23 read as a number) gets the next free one.
//
// The menu command around it: the hourglass, the status "Indizes werden neu gesetzt..." and the
// progress bar, moved at every record the call reports (100 * k / (n - 1), not for a single record),
// letting waiting events run without user input;
// then the normal pointer, the bar hidden, "Bereit"; then the last record selected and shown (its line as
// it was is the undo copy AktuellerDatensatz), the status panel set to `status` and "#SystemExclamation"
// played. No message box.
#include "datatools/Exportdatei.h"
#include "store/Adressbestand.h"

#include <QString>

struct Indexvergabe {
  int vergeben = 0;         // numbers handed out
  int naechsterFreier = 0;  // the next free index afterwards
  QString status;           // "Nächster freier Index bei n"
};

// Rewrites every record line (as storing the shown record rewrites it: 24 fields, an empty first field as
// one blank) in one change of the table, and marks the table as changed (Geaendert) when it has records.
Indexvergabe IndizesNeuSetzen(Adressbestand& bestand, const Satzfortschritt& fortschritt = {});
