#pragma once
// Hands the record shown in the main window to other programs: the record text file (one line per
// field, setting Adr_Speichern_In) and the exchange file (an INI file, setting Adr_IniSpeichern_In) with
// the fields by number and by caption, the salutation, date, time, weekday, user and version.
void DatensatzExportieren();
