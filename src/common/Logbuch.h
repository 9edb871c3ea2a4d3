#pragma once
// Appending an entry to a log file that the user keeps.
#include <QString>

// Appends the text as it stands, in the encoding the file already has (Windows-1252 for a new or empty
// one). false when the file cannot be read or written; the file then keeps what it held.
bool LogAnhaengen(const QString& pfad, const QString& text);
