#pragma once
// Serial e-mails: the list of records with a plausible e-mail address and which of them the search
// marks choose, the templates per address file, the preview of a template filled with a record, and
// the hand-over file that carries one mail to the e-mail program.
#include "store/Datensatz.h"
#include "store/Maske.h"

#include <QByteArray>
#include <QDateTime>
#include <QString>
#include <QStringList>
#include <functional>
#include <vector>

// The item of a record at its position: the line with " · " for every TAB, trimmed, " · " and the
// position in six digits; a leading "· " (an empty first field) is dropped.
QString EmailEintrag(const QString& zeile, int position);
// The record position an item links to (its last six characters); 0 for none.
int EmailEintragPosition(const QString& eintrag);

// The field 14 of a record line exactly as stored ("°°" not turned into a line break).
QString EmailFeld(const QString& zeile);
// True when the record goes into the list: its e-mail field is plausible and holds no line break.
bool EmailListenfaehig(const QString& zeile);

struct EmailListe {
  QStringList eintraege;
  std::vector<char> markiert;  // one per item
};
// The list over the record lines in their order, an item marked when the whole line in lower case holds
// both marks (wildcards as the runtime's Like; a mark that is no valid pattern counts as plain text; an
// empty mark holds everywhere). `fortschritt` gets the percentage now and then.
EmailListe EmailListeBauen(const QStringList& zeilen, const QString& markierung0, const QString& markierung1,
                           const std::function<void(int prozent)>& fortschritt = {});

// The settings key of a template: the address file's base name, "_eMail" and 0 (body) or 1 (subject).
QString EmailVorlageSchluessel(const QString& aktuelleDatei, int index);
// The stored template ("°°" as CR LF), or the default.
QString EmailVorlageLesen(const QString& aktuelleDatei, int index);
// Stores the template right-trimmed, with "°°" for every CR LF.
void EmailVorlageSpeichern(const QString& aktuelleDatei, int index, const QString& text);

// The preview: every "{caption}" (any case) replaced by the field, line breaks at the end removed, TABs
// as blanks, transliterated to plain ASCII. In the subject (index 1) every line break becomes one blank.
QString EmailVorschau(const QString& vorlage, const Felder& felder, const Bezeichnungen& bezeichnungen, int index);

// The hand-over file's path: folder, "/X-eMail-", the time as yyyymmddhhnnss, "-", the item's position
// in five digits, ".txt".
QString EmailDateiName(const QString& ordner, const QDateTime& zeit, int position);
// Its bytes (Windows-1252, CR LF): the address, the subject, the body and one line end.
QByteArray EmailDateiInhalt(const QString& adresse, const QString& betreff, const QString& text);
// Writes one hand-over file whole; 0 or the runtime's error number.
int EmailDateiSchreiben(const QString& pfad, const QString& adresse, const QString& betreff, const QString& text);
