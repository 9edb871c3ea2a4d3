#pragma once
// One address from the clipboard: the text is cut into at most eight parts, at TABs, line breaks,
// commas and semicolons; a five-digit postcode and its town become two parts. Under the comma rule (the
// registered directory program of version 97 or 98 copies one line with commas) the text is first cut
// at commas only and the first piece, last name and first name, at its first blank.
#include <QString>
#include <array>

constexpr int kZaTeile = 8;
using ZaTeile = std::array<QString, kZaTeile>;

// Whether the comma rule applies to the stored version of the directory program (its leading number
// from 97 to 98).
bool ZaKommaRegel(const QString& dinfoVer);

// The parts, each trimmed of blanks; parts 9 and later are joined to part 8, one per line (CR LF).
// Line breaks may be CR LF, CR or LF.
ZaTeile ZaTextZerlegen(const QString& text, bool kommaRegel);
