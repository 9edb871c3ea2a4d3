#include "bankforms/Nachnahme.h"

#include "bankforms/Auswerten.h"
#include "bankforms/Betragsregeln.h"
#include "common/Ini.h"
#include "platform/vb/Vb.h"

#include <cmath>

using Bankformdruck::Posten;

namespace Nachnahme {

float Gebuehr(const QDate& heute) {
  return heute.year() * 100 + heute.month() < 200201 ? 3.0f : static_cast<float>(1.5 * 1.95583);
}

QString GebuehrText(float gebuehr) { return vb::Format(gebuehr, QStringLiteral("0.00")); }

QString PreisVerlassen(const QString& preis, int laenge) {
  QString kopie = vb::Trim(preis);
  if (kopie.isEmpty()) return QStringLiteral("0");
  const double wert = Z_Evaluate2::Auswerten(kopie);
  QString text = Z_Evaluate2::Zahltext(wert);
  if (text.size() <= laenge) return text;
  const qsizetype punkt = text.indexOf(u'.');
  const bool exponent = text.contains(u'E', Qt::CaseInsensitive);
  // Only decimals may go: a cut whole part or exponent would be another amount.
  if (exponent || punkt < 0 || punkt > laenge) return QStringLiteral("0");
  text.truncate(laenge);
  if (text.endsWith(u'.')) text.chop(1);
  return text;
}

Summe SummeTeilen(const QString& preis, const QString& gebuehr) {
  const double summe = Betragsregeln::BetragLesen(preis) + Betragsregeln::BetragLesen(gebuehr);
  const long long cent = std::llround(summe * 100);  // half away from zero
  const long long betrag = cent < 0 ? -cent : cent;
  Summe s;
  s.einheiten = (cent < 0 ? QStringLiteral("-") : QString()) + QString::number(betrag / 100);
  s.cent = QStringLiteral("%1").arg(betrag % 100, 2, 10, QLatin1Char('0'));
  return s;
}

namespace {

constexpr long kSchwarz = 0;
constexpr long kRot = 0x0000FF;
constexpr double X0 = -0.9, YA = 7.7, YP = 17.73;

}  // namespace

Bankformdruck::Auftrag Karte(const Nachnahmedaten& d, const QDateTime& jetzt, const QString& schrift,
                             const QString& bild) {
  Bankformdruck::Auftrag a;
  a.job = kJob;
  a.titel = QStringLiteral("Drucken - Kartulon Überweisung");
  a.ursprung = Bankformdruck::Ursprung::Einfach;
  a.schrift = QStringLiteral("Arial");
  a.bild = bild;
  a.bildX = -0.7;
  a.bildY = 7.2;
  a.dialogEntladen = true;
  a.stumm = true;
  a.anfang = false;
  QList<Posten>& p = a.posten;

  // The address part, in Arial.
  p << Posten::schrift(16, true);
  p << Posten::passend(16, 13, {{d.name, 6.8}, {d.strasse, 6.8}, {d.ort, 6.0}});
  p << Posten::rahmen(d.name + QStringLiteral("\r\n") + d.strasse + QStringLiteral("\r\n\r\n") + d.ort, X0 + 7.95,
                      YA + 5.7, X0 + 14.75, -1);
  p << Posten::schrift(13, true);
  p << Posten::rahmen(d.absName + QStringLiteral("\r\n") + d.absStrasse + QStringLiteral("\r\n") + d.absOrt, X0 + 0.9,
                      YA + 0.3, -1, -1);
  const Summe s = SummeTeilen(d.preis, d.preisZustell);
  p << Posten::schrift(16, true);
  p << Posten::text(X0 + 5.2, YA + 3.9, s.einheiten) << Posten::text(X0 + 8.5, YA + 3.9, s.cent)
    << Posten::text(X0 + 12.9, YA + 3.9, d.waehrung);
  p << Posten::schrift(10, false);
  p << Posten::text(X0 + 0.9, YA + 5.5, QStringLiteral("Knt.-Nr."), false) << Posten::zeile(X0 + 2.3, d.absKontoNr)
    << Posten::zeile(X0 + 0.9, QStringLiteral("BLZ"), false) << Posten::zeile(X0 + 2.3, d.absBlz)
    << Posten::zeile(X0 + 0.9, QStringLiteral("Bank"), false) << Posten::zeile(X0 + 2.3, d.absBank);
  if (d.logo) p << Posten::logo(X0 + 0.9, 0.4, 1.1);
  const int quartal = (jetzt.date().month() - 1) / 3 + 1;
  p << Posten::schrift(8, false);
  p << Posten::text(
      X0 + 0.9, YA + 9.5,
      d.auftragsnummer + QStringLiteral(" (%1-%2)").arg(jetzt.toString(QStringLiteral("yy"))).arg(quartal));

  // The payment part in the chosen font.
  const QString preis = vb::Format(Betragsregeln::BetragLesen(d.preis), QStringLiteral("0.00"));
  p << Posten::name(QStringLiteral("Courier New")) << Posten::name(schrift) << Posten::schrift(12, false, false);
  p << Posten::text(X0 + 0.9, YP + 2.2, d.absName + u' ' + d.absOrt);
  p << Posten::text(X0 + 0.9, YP + 3.1, d.absKontoNr, false) << Posten::zeile(X0 + 10.5, d.absBlz);
  p << Posten::text(X0 + 0.9, YP + 3.9, d.absBank);
  p << Posten::text(X0 + 6.5, YP + 4.75, d.waehrung, false) << Posten::text(X0 + 8.5, YP + 4.75, preis);
  p << Posten::text(X0 + 0.9, YP + 5.6, d.artikel1) << Posten::text(X0 + 0.9, YP + 6.45, d.artikel2);
  p << Posten::text(X0 + 0.9, YP + 7.3, (d.name + u' ' + d.ort).left(54));

  // The receipt strip.
  const double x = X0 + 15.5;
  p << Posten::schrift(9, false) << Posten::vordergrund(kRot);
  p << Posten::text(x, 8.2, QStringLiteral("Nachnahme Nr. ") + d.auftragsnummer);
  p << Posten::vordergrund(kSchwarz);
  const QString zeilen[] = {
      QString(),
      QString(),
      jetzt.date().toString(QStringLiteral("dd.MM.yyyy")),
      QString(),
      preis + u' ' + d.waehrung,
      QString(),
      QStringLiteral("Knt.Nr. ") + d.absKontoNr,
      QStringLiteral("BLZ     ") + d.absBlz,
      d.absBank,
      QString(),
      QString(),
      d.artikel1,
      d.artikel2,
      QString(),
      QString(),
      d.name,
      d.strasse,
      d.ort,
      QString(),
      QStringLiteral("Kunde #") + d.kundenNr,
      QString(),
  };
  for (const QString& z : zeilen) p << Posten::zeile(x, z);
  return a;
}

namespace {

QString lesen(const char* schluessel, const QString& standard) {
  return IniLesen(QString(), QString(), QString::fromUtf8(schluessel), standard);
}
void schreiben(const char* schluessel, const QString& wert) {
  IniSchreiben(QString(), QString(), QString::fromUtf8(schluessel), wert);
}

}  // namespace

Einstellungen EinstellungenLesen(float gebuehr) {
  Einstellungen e;
  e.name = lesen("NN_Name", QString());
  e.strasse = lesen("NN_Strasse", QString());
  e.ort = lesen("NN_Ort", QString());
  e.blz = lesen("NN_BLZ", QString());
  e.bank = lesen("NN_Bank", QString());
  e.kontoNr = lesen("NN_KontoNr", QString());
  e.preisZustell = lesen("NN_PreisZustell", GebuehrText(gebuehr));
  e.waehrung = lesen("NN_Währung", e.waehrung);
  e.bild = vb::Val(lesen("NN_BankForm", QStringLiteral("0"))) != 0;
  e.schrift = lesen("NN_Font", e.schrift);
  return e;
}

void EinstellungenSchreiben(const Einstellungen& e) {
  schreiben("NN_BankForm", e.bild ? QStringLiteral("1") : QStringLiteral("0"));
  schreiben("NN_Name", vb::Trim(e.name));
  schreiben("NN_Strasse", vb::Trim(e.strasse));
  schreiben("NN_Ort", vb::Trim(e.ort));
  schreiben("NN_BLZ", vb::Trim(e.blz));
  schreiben("NN_Bank", vb::Trim(e.bank));
  schreiben("NN_KontoNr", vb::Trim(e.kontoNr));
  schreiben("NN_PreisZustell", vb::Trim(e.preisZustell));
  schreiben("NN_Währung", vb::Trim(e.waehrung));
  schreiben("NN_Font", e.schrift);
}

}  // namespace Nachnahme
