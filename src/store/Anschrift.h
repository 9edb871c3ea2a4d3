#pragma once
// The postal address block and the country code of the record shown in the main window, the column
// tab stops of the record list, and the digits of a telephone number.
#include <QString>

// Name, Zusatz (where the setting ZusatzZurAnschrift puts it), street, postcode and town, country: each
// line that is not empty, followed by CR LF. leerzeile non-zero: an empty line before the town line.
QString AnschriftErstellen(short leerzeile);
// The international vehicle code of the shown record, in upper case, from its postcode and country
// fields; the default prefix KatalogStdLand when neither says more; "?" when unknown.
QString Laenderkennzeichen();
// Sets the ten tab stops of the record list, so that its lines show their first fields in columns.
void ListeTabsSetzen();
// The digits 0-9 of the text, in their order.
QString NurZiffern(const QString& text);
