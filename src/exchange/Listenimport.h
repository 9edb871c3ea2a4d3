#pragma once
// Importing a list of addresses from a text file: one address per line, its columns cut at one chosen
// character, each of the first fifteen columns given one record field (or none). The dialog's preview and
// the import cut a line with the same function, so that what the preview shows is what is stored.
#include "store/Adressbestand.h"
#include "store/Datensatz.h"

#include <QString>
#include <QStringList>
#include <array>
#include <functional>

constexpr int kImportSpalten = 15;
using Importspalten = std::array<QString, kImportSpalten>;
// Per column the entry of its field list: 0 "--- unbenutzt ---", k the field k - 1.
using Importzuordnung = std::array<int, kImportSpalten>;

// The separator of a separator text: TAB for "{Tab}", LF for "{LF}" (both only as written), else the
// first character, ";" for an empty text.
QChar ImportTrennzeichen(const QString& trennText);

// The first fifteen columns of a line (missing ones empty): cut at every separator, empty columns kept,
// a separator at the end adding none. With dosUmlaute the German letters of a DOS text read as Windows
// text are turned into umlauts, then with trimmen the blanks at both ends go.
Importspalten ImportZeileZerlegen(const QString& zeile, QChar trenner, bool dosUmlaute, bool trimmen);

// The lines of the file as Windows-1252 (UTF-8 when it is valid UTF-8 with a multi-byte sequence); CR LF,
// LF and a lone CR end a line, empty lines count. Empty when the file cannot be read.
QStringList ImportDateiLesen(const QString& pfad);

// The starting values of the field lists: column i goes to field i.
Importzuordnung ImportStandardZuordnung();

struct Importoptionen {
  QString trennText = QStringLiteral("{Tab}");
  bool dosUmlaute = false;
  bool trimmen = false;
  Importzuordnung zuordnung = ImportStandardZuordnung();
};

// The 24 fields that the columns give: a later column overwrites an earlier one of the same field; a
// column without a field is dropped.
Felder ImportFelder(const Importspalten& spalten, const Importzuordnung& zuordnung);

// The record line of imported fields: each field reduced to what Windows-1252 holds, a TAB inside a
// field as a blank, each followed by a TAB; an empty first field stays empty.
QString ImportZeile(const Felder& felder);

struct Importergebnis {
  int zeilen = 0;     // lines offered
  int angefuegt = 0;  // records appended
};

// Appends the lines to the record table, as many as the table has room for (the first ones). An empty
// creation or change date gets today's; an index that is not a positive number gets the next running
// index. fortschritt(i, m) is told after line i of 0..m is in the table, whenever the percentage moves,
// and after the last line.
Importergebnis ListeImportieren(Adressbestand& bestand, const QStringList& zeilen, const Importoptionen& optionen,
                                const std::function<void(int i, int m)>& fortschritt = {});
