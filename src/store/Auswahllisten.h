#pragma once
// What the field pick lists offer: the pick-list files ListeNN.txt of the program folder, the values
// one field holds in all addresses, the phone numbers with the area codes of the postcode, the entry a
// list starts on, and the pieces of an e-mail address built from the names and the phone number.
#include "store/Adressbestand.h"

#include <QString>
#include <QStringList>
#include <array>
#include <functional>

// The pick-list file of a field: "Liste" + the index as two digits + ".txt" in the folder, found
// without regard to case (the spelling given when there is none).
QString AuswahlDateiName(const QString& ordner, int index);

// Reads the lines of the field's pick-list file, each with its trailing blanks cut (an empty line is an
// empty entry), through the file codec. A missing file gives no lines. Returns 0, or the runtime error
// number when an existing file cannot be read.
int AuswahlDateiLesen(const QString& ordner, int index, QStringList& eintraege);

// The value of the field in every record line, blanks at both ends cut, an empty value included; a
// line with fewer than index + 1 field separators gives none. fortschritt gets each line's position.
QStringList Feldwerte(const Adressbestand& bestand, int index, const std::function<void(int zeile)>& fortschritt = {});

// The phone list: the four phone texts as they stand (empty ones too), and for every area code of the
// catalogue entry (split at ",", empty pieces skipped, pieces not trimmed) the code unchanged and the
// code trimmed with " - " after it, ready for a number still to be typed.
QStringList TelefonAuswahl(const std::array<QString, 4>& nummern, const QString& vorwahlen);

// The entry a single-choice list starts on: the last entry equal to the text (blanks at both ends cut,
// case ignored), else the first; -1 for an empty list.
int AuswahlVorbelegung(const QStringList& eintraege, const QString& text);

// The pieces of an e-mail address proposed for a person, in this order: N, NV, N_V, N.V, V, VN, V.N, V_N,
// first letter of V + N, first letter of V + "." + N, and with a phone number its digits and its digits
// followed by "001"; N and V are the names in plain ASCII with the case as typed, and every piece has
// its blanks at both ends cut.
QStringList EmailVorschlaege(const QString& nachname, const QString& vorname, const QString& telefon);
