#pragma once
// The cash-on-delivery card without its window: the delivery fee, the price box's rule, the total split
// into units and cents, the items of the card print and the settings.
#include "bankforms/Bankformdruck.h"

#include <QDate>
#include <QDateTime>
#include <QString>

struct Nachnahmedaten {
  QString artikel1, artikel2, preis, waehrung, preisZustell, auftragsnummer;
  QString name, strasse, ort;                                        // the recipient
  QString absName, absStrasse, absOrt, absBlz, absBank, absKontoNr;  // the sender
  QString kundenNr;                                                  // the shown record's running index, for the strip
  bool logo = false;                                                 // the logo below the sender's bank
};

namespace Nachnahme {

inline const QString kJob = QStringLiteral("Kartulon_Nachnahme");

// The boxes' limits.
constexpr int kPreisLaenge = 8;
constexpr int kAuftragLaenge = 10;
constexpr int kZeileLaenge = 50;
constexpr int kBlzLaenge = 8;
constexpr int kKontoLaenge = 12;

// The fee of the month: 3.00 before January 2002, then 1.5 × 1.95583 (year · 100 + month compared with
// 200201 as whole numbers).
float Gebuehr(const QDate& heute);
// The fee with two decimals and a decimal comma.
QString GebuehrText(float gebuehr);

// What the price box holds after leaving it: the trimmed text evaluated, as the evaluator writes numbers
// ("." as decimal point); empty or failed, "0". A number text longer than the box loses decimals only;
// one whose whole part, sign or exponent would be cut becomes "0".
QString PreisVerlassen(const QString& preis, int laenge = kPreisLaenge);

// The total to collect, price plus the fee box's text (each read with "," as decimal point), in whole
// cents rounded half away from zero, split into units and two-digit cents; a negative total carries its
// sign on the units.
struct Summe {
  QString einheiten, cent;
};
Summe SummeTeilen(const QString& preis, const QString& gebuehr);

// The card on the sheet (bild empty) or over the picture of the blank sheet: the address part with the
// sender, the total, the bank data, the recipient and the order number; the payment part; the receipt
// strip. The logo is not part of it. Positions from the printable corner; the frame adds the margins.
Bankformdruck::Auftrag Karte(const Nachnahmedaten& d, const QDateTime& jetzt, const QString& schrift,
                             const QString& bild);

struct Einstellungen {
  QString name, strasse, ort, blz, bank, kontoNr;
  QString preisZustell;
  QString waehrung = QStringLiteral("DM");
  bool bild = false;
  QString schrift = QStringLiteral("Courier NEW");
};
// The fee box's default is the fee given.
Einstellungen EinstellungenLesen(float gebuehr);
// In the order of the settings save: form type, the six sender values, fee, currency (trimmed), font.
void EinstellungenSchreiben(const Einstellungen& e);

}  // namespace Nachnahme
