#pragma once
// The two statistics over the record table: how many records hold every word of a search text, and how
// the postcodes spread over their first digit. Both give their report with "~" as line break.
#include "store/Adressbestand.h"

#include <QString>
#include <array>
#include <functional>

struct WortZaehlung {
  int treffer = 0;  // records that hold every word
  int gesamt = 0;   // records looked at
};

// Counts the records that hold every blank-separated word of the search text, as the text search reads
// it: a double quote stands for a field boundary, "*", "?", "#" and "[list]" are wildcards, a word that is
// no valid pattern is looked for as plain text, letter case does not count. ohneTrenner (Shift held):
// blanks, "/" and "-" in the records are passed over. jeSatz, when given, is called before each record
// with its position.
WortZaehlung KartulonMitZaehlen(const Adressbestand& bestand, const QString& suchtext, bool ohneTrenner,
                                const std::function<void(int k)>& jeSatz = {});
// The report; without a record looked at there is no percentage line.
QString KartulonMitBericht(const QString& suchtext, const WortZaehlung& zaehlung);

// Postcodes by their first digit: counter 0 to 9 for five ASCII digits between 00001 and 99998, counter
// 10 for every other text ("00000" and "99999" are counted nowhere).
struct PlzVerteilung {
  std::array<qint32, 11> zaehler{};
  qint32 gezaehlt = 0;  // postcodes counted by their digit
  // Counts one postcode as it stands; true when it counted by its digit.
  bool zaehlen(const QString& plz);
};
// The report naming the address file by its description; without a postcode counted by its digit there
// are no digit lines.
QString PlzVerteilungBericht(const PlzVerteilung& verteilung, const QString& beschreibung);
