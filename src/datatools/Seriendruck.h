#pragma once
// The serial-letter file: the field captions, each followed by a TAB, then every record line as the
// record table holds it, for a word processor's serial letters.
//
// The menu command around it: the save dialog (title SeriendruckTitel(), filter "Texte|*.txt|",
// SeriendruckVorschlag()'s folder and name, flag 4; cancel ends it), the refusal of ExportzielAbweisung
// (exclamation icon, SeriendruckTitel()), then for an existing file "#SystemQuestion" and
// SeriendruckUeberschreibenFrage (OK and Cancel, question icon; any answer but OK ends it), then the call.
// Geschrieben shows `meldung` ("Die Datei »file« wurde erstellt.") with the information icon; Fehlgeschlagen
// was reported already. The chosen name is kept nowhere: AktuelleDatei stays as it is.
#include "datatools/Exportdatei.h"
#include "store/Maske.h"

#include <QString>
#include <QStringList>

QString SeriendruckTitel();
// The program folder's Seriendruck.Txt.
QString SeriendruckVorschlag();
QString SeriendruckUeberschreibenFrage(const QString& datei);

QString SeriendruckText(const QStringList& zeilen, const Bezeichnungen& bezeichnungen);
Exportergebnis SeriendruckExportieren(const QStringList& zeilen, const Bezeichnungen& bezeichnungen,
                                      const QString& datei);
