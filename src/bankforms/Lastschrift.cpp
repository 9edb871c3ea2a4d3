#include "bankforms/Lastschrift.h"

#include "bankforms/Betragsregeln.h"
#include "common/Ini.h"
#include "platform/vb/Codec.h"
#include "platform/vb/Vb.h"

#include <QFile>

using Bankformdruck::Posten;

namespace Lastschrift {

namespace {

constexpr long kSchwarz = 0;
constexpr long kMagenta = 0xFF00FF;
const QString kTag = QStringLiteral("Kartulon Lastschrift");

// The two forms: upper and lower; positions without the margins (the frame adds them).
constexpr double kPassX = -1.1;
constexpr double kPassY[] = {6.6, 17.2};

void pass(QList<Posten>& p, const Lastschriftdaten& d, double y0, bool kreuz) {
  const double x0 = kPassX;
  p << Posten::schrift(13, false, false);
  if (kreuz) {
    p << Posten::linie(x0 + 14.8, y0 + 0.1, x0 + 15.2, y0 + 0.1, kSchwarz);
    p << Posten::linie(x0 + 15.0, y0 - 0.1, x0 + 15.0, y0 + 0.3, kSchwarz);
  }
  p << Posten::text(x0 + 1.1, y0 + 2.3, d.absName);
  p << Posten::text(x0 + 1.3, y0 + 3.1, d.absKontoNr);
  p << Posten::text(x0 + 10.4, y0 + 3.1, d.absBlz);
  p << Posten::text(x0 + 1.1, y0 + 3.9, d.absBank);
  if (!d.waehrung.isEmpty()) p << Posten::text(x0 + 6.5, y0 + 4.8, d.waehrung);
  if (Betragsregeln::BetragLesen(d.betrag) > 0) p << Posten::text(x0 + 8.5, y0 + 4.8, d.betrag);
  p << Posten::text(x0 + 1.1, y0 + 5.6, d.verwendung1);
  p << Posten::text(x0 + 1.1, y0 + 6.45, d.verwendung2);
  p << Posten::text(x0 + 1.1, y0 + 7.4, d.empName);
  p << Posten::text(x0 + 1.1, y0 + 8.2, d.empKontoNr);
}

QString einzeilig(QString wert) {
  for (QChar c : {QChar(u'\t'), QChar(u'\r'), QChar(u'\n')}) wert.replace(c, u' ');
  return wert;
}

}  // namespace

QString Schuldnername(const QString& vorname, const QString& nachname, const QString& zusatz) {
  QString name = vb::Trim(vorname + u' ' + nachname);
  if (!zusatz.isEmpty()) name += QStringLiteral(" (") + zusatz + u')';
  return name;
}

Bankformdruck::Auftrag Druck(const Lastschriftdaten& d, const QDate& heute, const QString& schrift,
                             const QString& bild) {
  Bankformdruck::Auftrag a;
  a.job = kJob;
  a.titel = QStringLiteral("Drucken - Kartulon Überweisung");
  a.ursprung = Bankformdruck::Ursprung::Einfach;
  a.schrift = schrift;
  a.bild = bild;
  a.bildX = -0.7;
  a.bildY = 6.8;
  a.dialogEntladen = true;
  a.stumm = true;
  pass(a.posten, d, kPassY[0], false);
  // The picture shows the sheet's own mark.
  pass(a.posten, d, kPassY[1], bild.isEmpty());

  // The receipt strip beside the upper form.
  const double x = kPassX + 15.5;
  QList<Posten>& p = a.posten;
  p << Posten::schrift(9, false, false) << Posten::vordergrund(kMagenta);
  p << Posten::text(x, 7.6, QStringLiteral("Lastschrift"));
  p << Posten::vordergrund(kSchwarz);
  // After a batch the main window's record is not the debtor: its address stays off the receipt.
  const bool adresse = !d.sammelDruck;
  const QString zeilen[] = {
      QString(),
      QString(),
      heute.toString(QStringLiteral("dd.MM.yyyy")),
      QString(),
      vb::Format(Betragsregeln::BetragLesen(d.betrag), QStringLiteral("0.00")) + u' ' + d.waehrung,
      QString(),
      QStringLiteral("Knt.Nr. ") + d.absKontoNr,
      QStringLiteral("BLZ     ") + d.absBlz,
      d.absBank,
      QString(),
      QString(),
      d.verwendung1,
      d.verwendung2,
      QString(),
      QString(),
      d.absName,
      adresse ? d.strasse : QString(),
      adresse ? d.plz + u' ' + d.ort : QString(),
      QString(),
      QStringLiteral("Kunde #") + (adresse ? d.kundenNr : QString()),
      QString(),
  };
  for (const QString& z : zeilen) p << Posten::zeile(x, z);
  return a;
}

QString SammelPfad(const QString& datenOrdner) { return datenOrdner + QStringLiteral("/LaschriftSammlung.txt"); }

QString SammelZeile(const Lastschriftdaten& d) {
  const QString werte[] = {d.absName, d.absKontoNr,  d.absBlz,      d.absBank, d.waehrung,
                           d.betrag,  d.verwendung1, d.verwendung2, d.empName, d.empKontoNr};
  QString zeile = kTag + u'\t';
  for (const QString& w : werte) zeile += u'-' + einzeilig(w) + u'\t';
  return zeile + QStringLiteral("\r\n");
}

std::optional<Lastschriftdaten> SammelZeileLesen(const QString& zeile) {
  const QStringList teile = zeile.split(u'\t', Qt::SkipEmptyParts);
  if (teile.size() < 11 || teile.at(0) != kTag) return std::nullopt;
  QString w[11];
  for (int i = 1; i < 11; ++i) w[i] = vb::Trim(teile.at(i).mid(1));
  Lastschriftdaten d;
  d.absName = w[1];
  d.absKontoNr = w[2];
  d.absBlz = w[3];
  d.absBank = w[4];
  d.waehrung = w[5];
  d.betrag = w[6];
  d.verwendung1 = w[7];
  d.verwendung2 = w[8];
  d.empName = w[9];
  d.empKontoNr = w[10];
  return d;
}

bool SammelAnhaengen(const QString& pfad, const QString& zeile) {
  QFile f(pfad);
  if (!f.open(QIODevice::WriteOnly | QIODevice::Append)) return false;
  const QByteArray bytes = Codec::nach1252(zeile);
  return f.write(bytes) == bytes.size();
}

namespace {

QString lesen(const char* schluessel, const QString& standard) {
  return IniLesen(QString(), QString(), QString::fromUtf8(schluessel), standard);
}
void schreiben(const char* schluessel, const QString& wert) {
  IniSchreiben(QString(), QString(), QString::fromUtf8(schluessel), wert);
}

}  // namespace

Einstellungen EinstellungenLesen() {
  Einstellungen e;
  e.bild = vb::Val(lesen("Lastschrift_BankForm", QStringLiteral("0"))) != 0;
  e.waehrung = lesen("Lastschrift_Währung", e.waehrung);
  e.name = lesen("Lastschrift_Name", QString());
  e.kontoNr = lesen("Lastschrift_KontoNr", QString());
  e.schrift = lesen("Lastschrift_Font", e.schrift);
  return e;
}

void EinstellungenSchreiben(const Einstellungen& e) {
  schreiben("Lastschrift_BankForm", e.bild ? QStringLiteral("1") : QStringLiteral("0"));
  schreiben("Lastschrift_Name", vb::Trim(e.name));
  schreiben("Lastschrift_KontoNr", vb::Trim(e.kontoNr));
  schreiben("Lastschrift_Währung", vb::Trim(e.waehrung));
  schreiben("Lastschrift_Font", e.schrift);
}

}  // namespace Lastschrift
