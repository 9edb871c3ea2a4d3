#pragma once
// The postal address block and the country code of a record, and the digits of a telephone number.
#include "store/Datensatz.h"

#include <QString>

// Name, Zusatz (where the setting ZusatzZurAnschrift puts it), street, postcode and town, country: each
// line that is not empty, followed by CR LF. leerzeile non-zero: an empty line before the town line.
QString AnschriftErstellen(const Felder& felder, short leerzeile);
// The international vehicle code of the record, in upper case, from its postcode and country
// fields; the default prefix KatalogStdLand when neither says more; "?" when unknown.
QString Laenderkennzeichen(const Felder& felder);
// The digits 0-9 of the text, in their order.
QString NurZiffern(const QString& text);
