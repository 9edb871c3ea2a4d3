#pragma once
// The transfer order without its window: what its boxes hold, the items of its two prints, the account
// log kept per payer account, the remembered payer accounts and the user's settings.
#include "bankforms/Bankformdruck.h"

#include <QDate>
#include <QDateTime>
#include <QString>
#include <QStringList>

struct Ueberweisungsdaten {
  QString empfaengerName, empfaengerKontoNr, empfaengerBlz, empfaengerBank;
  QString waehrung, betrag, verwendung1, verwendung2;
  QString auftraggeberName, auftraggeberKontoNr, auftraggeberBlz, auftraggeberBank;
  QString kundenNr;    // the shown record's running index, for the receipt strip
  bool datum = false;  // print today's date on the form
};

namespace Ueberweisung {

// The job names of the two prints (also their preset sections).
inline const QString kJobKlassisch = QStringLiteral("Kartulon_UeberweisungKlassisch");
inline const QString kJobFormular = QStringLiteral("Kartulon_Ueberweisung");

// The classic carbon-copy form: 13 points bold, recipient, amount, purposes, payer name and account,
// the date; positions from the corner shifted by the margins.
Bankformdruck::Auftrag Klassisch(const Ueberweisungsdaten& d, const QDate& heute, const QString& schrift);
// The laser sheet, or with `bild` the picture of the blank sheet under the same texts: two forms one
// below the other, a cross mark for each on the sheet only, the date on the upper form, and the receipt
// strip beside it. The dialog stays loaded until the next print.
Bankformdruck::Auftrag Formular(const Ueberweisungsdaten& d, const QDate& heute, const QString& schrift,
                                const QString& bild);

// The account log of a payer account number: data folder + "/Konto_" + the number made safe as a file
// name + ".Log".
QString KontenLogPfad(const QString& datenOrdner, const QString& kontoNr);
// One entry of nine lines, each ended by CR LF, the time written in German whatever the locale.
QString KontenLogEintrag(const Ueberweisungsdaten& d, const QDateTime& jetzt);
// Appends the entry in the encoding the file already has (Windows-1252 for a new one). False when the
// file cannot be written.
bool KontenLogAnhaengen(const QString& pfad, const QString& eintrag);

// A remembered payer account: the four parts trimmed, with ";" written as "," and "|" as "-" (they
// separate the entries and their parts), joined by " | ".
QString AuftraggeberEintrag(const QString& name, const QString& kontoNr, const QString& blz, const QString& bank);
// Its parts, split at "|" and trimmed: name, account number, bank code, bank (missing parts empty).
QStringList AuftraggeberTeile(const QString& eintrag);

// The settings of the dialog in the program's own section of Zedured.ini, per user.
struct Einstellungen {
  QString waehrung = QStringLiteral("DM");
  QString konten;  // every remembered account followed by ";"
  QString name, kontoNr, bank, blz;
  bool datum = true;
  int formular = 0;
  QString schrift = QStringLiteral("Courier NEW");
};
// The currency list ("Währungskürzel"), written back as it was read.
QString WaehrungenLesen();
Einstellungen EinstellungenLesen();
// The font alone (read when the font list is filled).
QString SchriftLesen();
// Writes date, form type, currency, payer name, account number, bank, bank code (trimmed), the payer
// list and the font, in this order.
void EinstellungenSchreiben(const Einstellungen& e);

}  // namespace Ueberweisung
