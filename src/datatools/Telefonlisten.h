#pragma once
// The telephone numbers of all records for two outside consumers: the card-server list (numbers in
// international form, a name and a storage position, for the records marked "Mob" in field 9) and the
// telephone register (name and number of every number, then the fixed entries of
// Export_TeleTiptel195.ini [Manuel]).
#include "datatools/Exportdatei.h"

#include <QString>
#include <QStringList>

// ---- Card-server list ----
//
// The menu command around it: the input box (D2Aufforderung, the title D2Titel(), D2Vorschlag() as the
// default, help DateiSuchen("Kartulon.Hlp") topic 292; an empty answer ends it), the refusal of
// ExportzielAbweisung before anything else, then the walk frame (hourglass, status
// "D2-ACardServer-Liste exportieren...", the progress bar moved for about one reported record in ten,
// "Bereit") around the call, and the result:
// Geschrieben shows `meldung` ("n Nummern nach »file« exportiert.") with the information icon and `titel`;
// Abgewiesen shows `meldung` with the exclamation icon; Fehlgeschlagen was reported already.

QString D2Titel();
// "Geben Sie bitte eine Exportdatei an. ..." naming field 9 by its caption.
QString D2Aufforderung(const QString& bezeichnungFeld9);
// The file last used (Zedured.ini Export_D2Liste), else the program folder's ExpD2Card.txt.
QString D2Vorschlag();

// The slot of a field 9 text: the two characters after its first "S" or "s" read as a whole number;
// 0 when there is none or it is not positive.
int Speicherplatz(const QString& feld9);
// A number in international form: only "+" and digits kept, "+00" and "00" become "+", a leading "0"
// "+49".
QString InternationaleNummer(const QString& nummer);
// The list's text with CR LF line ends; anzahl receives the number of lines.
QString D2ListeText(const QStringList& zeilen, int* anzahl = nullptr, const Satzfortschritt& fortschritt = {});
// Writes the list to the answered file and, when that worked, stores its name as Export_D2Liste.
Exportergebnis D2ListeExportieren(const QStringList& zeilen, const QString& datei,
                                  const Satzfortschritt& fortschritt = {});

// ---- Telephone register ----
//
// The menu command around it: the input box (TiptelAufforderung(), the title TiptelTitel(),
// TiptelVorschlag() as the default, help DateiSuchen("Kartulon.Hlp") topic 9999; an empty answer ends
// it), the refusal of ExportzielAbweisung, the walk frame (status TiptelTitel() + "...", the progress bar
// moved for about one reported record in ten, "Bereit") around the call. Geschrieben shows nothing; Abgewiesen shows
// `meldung` with the exclamation icon; Fehlgeschlagen was reported already.

QString TiptelTitel();
QString TiptelAufforderung();
// Export_TeleTiptel195.ini [Export] Datei.
QString TiptelVorschlag();
// The path of Export_TeleTiptel195.ini in the program folder.
QString TiptelIni();
// The register's text with CR LF line ends: the addresses' entries, then the fixed ones.
QString TiptelRegisterText(const QStringList& zeilen, const Satzfortschritt& fortschritt = {});
// Writes the register to the answered file and, when that worked, stores its name as [Export] Datei.
Exportergebnis TiptelRegisterExportieren(const QStringList& zeilen, const QString& datei,
                                         const Satzfortschritt& fortschritt = {});
