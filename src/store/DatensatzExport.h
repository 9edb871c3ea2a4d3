#pragma once
// Hands a record to other programs: the record text file (one line per field, setting Adr_Speichern_In)
// and the exchange file (an INI file, setting Adr_IniSpeichern_In) with the fields by number and by
// caption, the salutation, date, time, weekday, user and version.
#include "store/Datensatz.h"
#include "store/Maske.h"

struct DatensatzAusgabe {
  Felder felder;                // the 24 field texts
  Bezeichnungen bezeichnungen;  // their captions
  QString auswahl11;            // the text selected in the Zusatzbemerkung box
};

void DatensatzExportieren(const DatensatzAusgabe& datensatz);
