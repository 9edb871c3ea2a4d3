#pragma once
// The switches of the settings dialog: read from Zedured.ini (program section) and CallByCall.ini
// (program folder), and written back as the dialog shows them.
#include <QString>
#include <QStringList>

// The sort choices for the program end: caption and two-character code (a field number, "-1" none).
struct SortAmEnde {
  QString caption;
  QString code;
};
const QList<SortAmEnde>& SortAmEndeListe();
// A list entry as the dialog holds it: the caption, 50 blanks, the code (the last two characters).
QString SortAmEndeEintrag(const SortAmEnde& s);
const QStringList& AutoFormatCaseListe();
// The catalogue countries in list order ("A-", "CH-", "D-").
const QStringList& KatalogLaenderListe();

struct EinstellungsWerte {
  int auswahlOeffnen = 0;  // check boxes: 1 or 0
  int ortAusPlz = 1;
  int autoNameDoppelt = 0;
  int autoFormatTrim = 0;
  int autoFormatCase = 0;         // list position, -1 when the stored value names none
  int sortAmEnde = 0;             // index in SortAmEndeListe()
  bool sortUnbekannt = false;     // the stored code matches no entry
  QString sortGespeichert;        // the last two characters of three blanks and the stored value
  int katalogLand = 0;            // index in KatalogLaenderListe()
  bool katalogUnbekannt = false;  // the stored prefix is none of the list's
  QString katalogGespeichert;
  bool callByCallSichtbar = false;
  int callByCall = 0;
};

QString CallByCallIni();

// Reads every switch as the dialog shows it.
EinstellungsWerte EinstellungenLesen();
// Writes every switch in the dialog's order. A stored sort code or country prefix that the lists do not
// offer stays as it is while its list shows the fallback the load chose (sortGewaehlt/katalogGewaehlt
// false); "aktiviert" is written only while its box is visible.
void EinstellungenSchreiben(const EinstellungsWerte& w, bool sortGewaehlt, bool katalogGewaehlt);
