#pragma once
// The presets of the print jobs in DuroVar.ini (Windows folder): one section per job with the printer,
// orientation, margins, copies and the mark that skips the print-options dialog; the shared section
// "Allgemein" says whether the user may choose a printer at all.
#include <QDate>
#include <QString>

// The file of the presets.
QString DuroVarIni();

// Whether the user may choose a printer ("Allgemein" / "Druckerauswahl", "1" unless set).
bool DruckerauswahlErlaubt();

// The list entry that a stored value selects in a list whose last entry is `letzter`: the value's leading
// number (a blank before it or text after it is ignored, no number counts as 0); a value below 0 or
// above the list selects entry 0.
int VorgabeEintrag(const QString& wert, int letzter);

// Margins are list entries of 0 to 50 mm, copies of 1 to 9.
constexpr int kLetzterRand = 50;
constexpr int kLetzteAnzahl = 8;

struct Druckvorgabe {
  bool markierung = false;   // "Bereich": print the marked part (shown only)
  bool quer = false;         // landscape
  int randX = 0;             // left margin in mm
  int randY = 0;             // top margin in mm
  int anzahl = 0;            // copies minus 1
  QString drucker;           // read only when printer choice is allowed
  bool automatisch = false;  // skip the dialog
};

// The preset of the job (the section is the trimmed job name; an empty one gives the defaults). The
// printer is read only when `mitDrucker`, with `druckerStandard` as its default.
Druckvorgabe VorgabeLesen(const QString& job, bool mitDrucker, const QString& druckerStandard);
// Writes the preset in the order Drucker (only when `mitDrucker`), Ausrichtung, RandX, RandY, Anzahl,
// Automatisch, LastSave, LastUser; "Bereich" is never written. An empty job name writes nothing.
void VorgabeSchreiben(const QString& job, const Druckvorgabe& v, bool mitDrucker, const QDate& heute,
                      const QString& benutzer);
