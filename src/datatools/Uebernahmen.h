#pragma once
// The take-overs into the reference files: the e-mail domains that at least three records use into the
// pick list of the e-mail field (Liste14.txt), and the towns and area codes of the postcodes into the
// catalogues. None of them changes a record.
#include "store/Adressbestand.h"

#include <QString>
#include <QStringList>
#include <functional>

// The domains reserved for examples: never written to the pick list.
extern const QString kDomainAusschluss;

// The pick list's new lines from the old file's lines and the e-mail fields of the records: the old
// entries (lower case, trimmed, empty ones dropped) sorted by their character codes, each counting as
// three uses, then every new domain ("@" and what follows the first "@" of a plausible address) in the
// order of its first use; written is every entry used at least three times that is not excluded, as a
// blank and the entry.
QStringList DomainListe(const QStringList& alteZeilen, const QStringList& emailFelder);

// Reads Liste14.txt of the program folder (a missing file counts as empty), takes the domains of the
// records' e-mail fields and writes the file whole, in its own encoding (new: Windows-1252), CR LF after
// every line. jeSatz, when given, is called with each record's position. 0, or the error number of a
// file that could not be read (then nothing is written) or written (then the old file stays).
int DomainsUebernehmen(const Adressbestand& bestand, const std::function<void(int k)>& jeSatz = {});

// Adds every town of a record (at least two characters) that the catalogue does not hold yet for the
// record's postcode, each write done before the next record is read. uebernommen, when given, is called
// with the count after each take-over. Returns the count.
int OrteUebernehmen(const Adressbestand& bestand, const std::function<void(int k)>& jeSatz = {},
                    const std::function<void(int anzahl)>& uebernommen = {});
// The same for the area codes of Telefon, Telefax and Datentelefon, for records whose postcode reads as a
// number above 0 and whose town has at least two characters.
int VorwahlenUebernehmen(const Adressbestand& bestand, const std::function<void(int k)>& jeSatz = {},
                         const std::function<void(int anzahl)>& uebernommen = {});

// The question before a catalogue take-over ("~" as line break) and the reports after it.
QString OrteFrage(const QString& standardKatalog);
QString VorwahlenFrage(const QString& standardKatalog);
QString OrteBericht(int anzahl);
QString VorwahlenBericht(int anzahl);
