#pragma once
// The record line: 24 fields, each followed by a TAB; a line break inside a field is stored as "°°";
// an empty first field is stored as one blank.
#include <QString>
#include <array>

using Felder = std::array<QString, 24>;

constexpr int kFeldAnzahl = 24;
constexpr int kMaxDatensaetze = 32000;

// The field captions of the window design and the typing limits of the field boxes (field 11: 0,
// computed from the others).
extern const std::array<const char16_t*, 24> kFeldBezeichnung;
extern const std::array<int, 24> kFeldLaenge;

// Splits a line into its 24 fields ("°°" back to CR LF, nothing trimmed).
Felder FelderAusZeile(const QString& zeile);
// Splits a line into the program-wide field table DatenFeld.
void DatensatzZerlegen(const QString& zeile);
// Every line break of a text (CR LF, or a lone CR or LF) replaced by `ersatz`.
QString ZeilenumbruchErsetzen(const QString& text, const QString& ersatz);
// Builds a record line from 24 field texts. A line break (CR LF, or a lone CR or LF) is stored as "°°",
// a TAB as a blank, so that a field can never break the line apart.
QString DatensatzBauen(const Felder& felder);
// The typing limit of the field 11 box: 1023 minus the lengths of the other 23 fields and their
// separators (may be zero or less).
int Feld11Grenze(const Felder& felder);
