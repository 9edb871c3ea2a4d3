#pragma once
// The birthdays of all records as yearly dates in the planner's date file Geburtstage.dci, in the folder
// that Zedured.ini [Kelvor] Dir names, and the file in the planner's list of date files ([Kelvor] DCIout).
//
// The menu command (Ctrl+F5) around it: the hourglass, the status texts that the call reports, the
// progress bar moved for about one reported record in ten (a random number above 0.9), "Bereit" and the
// normal pointer afterwards; then the result:
// - Abgewiesen (the planner is not installed): `meldung` with the exclamation icon, `titel`, OK and Help
//   (DateiSuchen("werbung.hlp"), topic 1007);
// - Geschrieben: `meldung` ("Es wurden n Geburtstage für den Kelvor exportiert.") with the information
//   icon, `titel`, OK and Help (DateiSuchen("Kartulon.Hlp"), topic 3007);
// - Fehlgeschlagen: already reported; nothing more is shown.
#include "datatools/Exportdatei.h"
#include "store/Maske.h"

#include <QString>
#include <QStringList>

// The entry templates written when the date file has none.
QString GeburtstagMaske0Standard();
QString GeburtstagMaske1Standard();

// "Das Programm Kelvor ist auf diesem System nicht installiert. ..." with its line breaks.
QString KelvorFehltText();

// Whether the text is a date with a year ("05.03.1961", "5.3.61"); day and month alone ("12.05.") are
// not, so that such a birthday never asks the planner for an age.
bool GeburtsdatumMitJahr(const QString& text);

// The whole export over the record lines; the captions name the fields in the templates' placeholders.
// Nothing is written when Dir is empty or when the folder is missing or Geburtstage.dci cannot be written
// there (one report: "Es ist ein Fehler beim Export der Geburtstage aufgetreten.").
Exportergebnis GeburtstageExportieren(const QStringList& zeilen, const Bezeichnungen& bezeichnungen,
                                      const Statusmeldung& status = {}, const Satzfortschritt& fortschritt = {});
