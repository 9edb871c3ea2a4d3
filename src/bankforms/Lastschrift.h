#pragma once
// The direct debit without its window: what its boxes hold, the items of its print on the laser sheet
// (or over the picture of the blank sheet), the collection file of filed debits and the settings.
#include "bankforms/Bankformdruck.h"

#include <QDate>
#include <QString>
#include <optional>

struct Lastschriftdaten {
  // The debtor (from the shown record) and the debit, in the order of the collection file.
  QString absName, absKontoNr, absBlz, absBank;
  QString waehrung, betrag, verwendung1, verwendung2;
  // The creditor (from the settings).
  QString empName, empKontoNr;
  // The main window's record, for the receipt strip.
  QString strasse, plz, ort, kundenNr;
  // Filled from the collection file: the strip leaves out the main window's street and town.
  bool sammelDruck = false;
};

namespace Lastschrift {

// The print job's name (also its preset section).
inline const QString kJob = QStringLiteral("Kartulon_Lastschrift");

// The boxes' limits: the printed form's room.
constexpr int kNameLaenge = 27;
constexpr int kKontoLaenge = 10;
constexpr int kBlzLaenge = 8;
constexpr int kBankLaenge = 27;
constexpr int kBetragLaenge = 10;
constexpr int kVerwendungLaenge = 27;

// Vorname and Nachname joined by a blank and trimmed; a Zusatz follows in parentheses.
QString Schuldnername(const QString& vorname, const QString& nachname, const QString& zusatz);

// The sheet (bild empty) or the picture of the blank sheet under the same texts: the debit twice, upper
// and lower form, a cut mark beside the lower form on the sheet only, and the receipt strip beside the
// upper form. Positions from the printable corner; the frame adds the margins.
Bankformdruck::Auftrag Druck(const Lastschriftdaten& d, const QDate& heute, const QString& schrift,
                             const QString& bild);

// The collection file in the data folder.
QString SammelPfad(const QString& datenOrdner);
// One filed debit: the tag, then each of the ten values behind a "-", each part followed by a TAB,
// then CR LF. A TAB, CR or LF inside a value is written as a blank, so the debit stays one line.
QString SammelZeile(const Lastschriftdaten& d);
// A line read back (without its line end): parts split at TAB, empty ones dropped; nothing unless the
// first is the tag exactly and there are at least eleven. Each value loses its first character and its
// blanks at both ends; parts beyond the eleventh are ignored.
std::optional<Lastschriftdaten> SammelZeileLesen(const QString& zeile);
// Appends in the Windows code page. False when the file cannot be written.
bool SammelAnhaengen(const QString& pfad, const QString& zeile);

// The settings in the program's own section of Zedured.ini.
struct Einstellungen {
  bool bild = false;  // the picture form type
  QString waehrung = QStringLiteral("DM");
  QString name, kontoNr;
  QString schrift = QStringLiteral("Courier NEW");
};
Einstellungen EinstellungenLesen();
// Form type, name, account number and currency trimmed, the font as listed; in this order.
void EinstellungenSchreiben(const Einstellungen& e);

}  // namespace Lastschrift
