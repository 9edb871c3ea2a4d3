#pragma once
// Sorting the record table by one field: ascending, German collation without regard to case, on a key
// that holds the sort field first and then all other fields in rotation (each a tie-break in turn).
#include "store/Adressbestand.h"

#include <QString>
#include <QStringList>
#include <functional>

// A line as the sort writes it: exactly 24 fields, each followed by a TAB (missing fields empty, text
// after the 24th field dropped, nothing else changed).
QString ZeileMit24Feldern(const QString& zeile);

// The sort key of a line for the field (0 to 23): the fields from that one on, then those before it,
// each followed by a TAB; a sort field 15, 16 or 20 of exactly 10 characters (dd.mm.yyyy) enters the key
// as yyyy.mm.dd.
QString SortSchluessel(const QString& zeile, int feld);

// The lines in the new order, each in the 24-field form; a stable sort, so lines whose keys compare
// equal keep their order. Each line is a copy of its own, made in the new order (a table sweeps fastest
// when its lines lie in memory as it orders them). Many lines are shared among a few threads.
// fortschritt, when given, is called on the calling thread with the percentage done whenever it changes:
// rising from 0 to 50 while the keys are built, from 50 to 100 while the lines are rebuilt. The lines
// passed in are not changed, so a failure half-way leaves the caller's table as it was.
QStringList ZeilenSortieren(const QStringList& zeilen, int feld, const std::function<void(int)>& fortschritt = {});

// Sorts the record table by the field (0 to 23) as ZeilenSortieren does and puts the new order in its
// place at once. Returns the new position of the line vorher (as the sort writes it), -1 when it is not
// in the table. A failure half-way (memory) throws and leaves the table as it was.
int BestandSortieren(Adressbestand& bestand, int feld, const QString& vorher,
                     const std::function<void(int)>& fortschritt = {});
