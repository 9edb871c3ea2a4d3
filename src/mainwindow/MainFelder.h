#pragma once
// What the core makes of the record shown in the main window: its boxes and captions handed to the
// address block, the country code, the mask filling and the export.
#include <QString>

QString AnschriftErstellen(short leerzeile);
QString Laenderkennzeichen();
// A record line filled into the mask, with the window's captions as the placeholders' names.
QString MaskeFuellen(const QString& maske, const QString& zeile);
void DatensatzExportieren();
// Sets the ten tab stops of the record list, so that its lines show their first fields in columns.
void ListeTabsSetzen();
