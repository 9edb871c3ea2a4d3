#include "bankforms/Ueberweisung.h"

#include "bankforms/Betragsregeln.h"
#include "common/Benutzer.h"
#include "common/Ini.h"
#include "common/Logbuch.h"
#include "common/ZDos.h"
#include "platform/vb/Codec.h"
#include "platform/vb/Vb.h"

#include <QFile>
#include <QFileInfo>
#include <QLocale>

using Bankformdruck::Posten;

namespace Ueberweisung {

namespace {

constexpr long kSchwarz = 0;
constexpr long kBlau = 0xFF0000;  // red 0, green 0, blue 255

bool mitBetrag(const QString& betrag) { return Betragsregeln::BetragLesen(betrag) > 0; }

QString kurzesDatum(const QDate& d) { return d.toString(QStringLiteral("d.M.yyyy")); }

// The sheet's two forms: pass 1 above, pass 2 below; positions without the margins (the frame adds them).
constexpr double kPassX = -0.9;
constexpr double kPassY[] = {6.6, 17.2};

void formularPass(QList<Posten>& p, const Ueberweisungsdaten& d, const QDate& heute, int pass, bool kreuze) {
  const double xB = kPassX, yB = kPassY[pass - 1];
  p << Posten::schrift(13, false, false);
  if (kreuze) {
    p << Posten::linie(xB + 14.8, yB, xB + 15.2, yB, kSchwarz);
    p << Posten::linie(xB + 15.0, yB - 0.2, xB + 15.0, yB + 0.2, kSchwarz);
  }
  if (pass == 1 && d.datum) p << Posten::text(xB + 4.3, yB + 9.7, kurzesDatum(heute));
  p << Posten::text(xB + 0.7, yB + 0.9, d.auftraggeberBank);
  p << Posten::text(xB + 8.7, yB + 0.9, d.auftraggeberBlz);
  p << Posten::text(xB + 0.9, yB + 2.2, d.empfaengerName);
  p << Posten::text(xB + 1.0, yB + 3.1, d.empfaengerKontoNr);
  p << Posten::text(xB + 10.5, yB + 3.1, d.empfaengerBlz);
  p << Posten::text(xB + 0.9, yB + 3.9, d.empfaengerBank);
  if (!d.waehrung.isEmpty()) p << Posten::text(xB + 6.5, yB + 4.75, d.waehrung);
  if (mitBetrag(d.betrag)) p << Posten::text(xB + 8.5, yB + 4.75, d.betrag);
  p << Posten::text(xB + 0.9, yB + 5.6, d.verwendung1);
  p << Posten::text(xB + 0.9, yB + 6.45, d.verwendung2);
  p << Posten::text(xB + 0.9, yB + 7.3, d.auftraggeberName);
  p << Posten::text(xB + 0.9, yB + 8.15, d.auftraggeberKontoNr);
  if (pass != 1) return;

  // The receipt strip beside the upper form, in a small font, one line below the other.
  const double x = xB + 15.5;
  p << Posten::schrift(9, false, false) << Posten::vordergrund(kBlau);
  p << Posten::text(x, yB + 0.9, QStringLiteral("Überweisungsauftrag"));
  p << Posten::vordergrund(kSchwarz);
  const QString zeilen[] = {
      QString(),
      QString(),
      heute.toString(QStringLiteral("dd.MM.yyyy")),
      QString(),
      d.betrag + u' ' + d.waehrung,
      QString(),
      QStringLiteral("*** Empfänger"),
      QString(),
      d.empfaengerName,
      QStringLiteral("KontoNr: ") + d.empfaengerKontoNr,
      QStringLiteral("BLZ    : ") + d.empfaengerBlz,
      QString(),
      QStringLiteral("Kunde #") + d.kundenNr,
      QString(),
      d.verwendung1,
      d.verwendung2,
      QString(),
      QStringLiteral("*** Auftraggeber"),
      QString(),
      d.auftraggeberName,
      QStringLiteral("KontoNr: ") + d.auftraggeberKontoNr,
      QStringLiteral("BLZ    : ") + d.auftraggeberBlz,
  };
  for (const QString& z : zeilen) p << Posten::zeile(x, z);
}

}  // namespace

Bankformdruck::Auftrag Klassisch(const Ueberweisungsdaten& d, const QDate& heute, const QString& schrift) {
  Bankformdruck::Auftrag a;
  a.job = kJobKlassisch;
  a.titel = QStringLiteral("Drucken - Kartulon, klassischen Überweisung");
  a.ursprung = Bankformdruck::Ursprung::Verschoben;
  a.schrift = schrift;
  a.dialogEntladen = true;
  QList<Posten>& p = a.posten;
  p << Posten::schrift(13, true, false);
  p << Posten::text(0.1, 0.8, d.empfaengerName);
  p << Posten::text(0.1, 1.6, d.empfaengerKontoNr);
  p << Posten::text(9.7, 1.6, d.empfaengerBlz);
  p << Posten::text(0.1, 2.4, d.empfaengerBank);
  if (!d.waehrung.isEmpty()) p << Posten::text(5.7, 3.3, d.waehrung);
  if (mitBetrag(d.betrag)) p << Posten::text(7.7, 3.3, d.betrag);
  p << Posten::text(0.1, 4.1, d.verwendung1);
  p << Posten::text(0.1, 5.0, d.verwendung2);
  p << Posten::text(0.1, 5.8, d.auftraggeberName);
  p << Posten::text(0.1, 6.6, d.auftraggeberKontoNr);
  if (d.datum) p << Posten::text(3.7, 8.0, kurzesDatum(heute));
  return a;
}

Bankformdruck::Auftrag Formular(const Ueberweisungsdaten& d, const QDate& heute, const QString& schrift,
                                const QString& bild) {
  Bankformdruck::Auftrag a;
  a.job = kJobFormular;
  a.titel = QStringLiteral("Drucken - Kartulon Überweisung");
  a.ursprung = Bankformdruck::Ursprung::Einfach;
  a.schrift = schrift;
  a.bild = bild;
  a.bildX = -0.6;
  a.bildY = 6.7;
  // The picture shows the sheet's own marks: no crosses over it.
  for (int pass = 1; pass <= 2; ++pass) formularPass(a.posten, d, heute, pass, bild.isEmpty());
  return a;
}

QString KontenLogPfad(const QString& datenOrdner, const QString& kontoNr) {
  return datenOrdner + QStringLiteral("/Konto_") + Z_DOS::DateinameBereinigen(kontoNr) + QStringLiteral(".Log");
}

QString KontenLogEintrag(const Ueberweisungsdaten& d, const QDateTime& jetzt) {
  const QLocale deutsch(QLocale::German, QLocale::Germany);
  const QString betrag = mitBetrag(d.betrag) ? d.betrag : QString();
  const QString zeilen[] = {
      QString(),
      QString(79, u'-'),
      QString(),
      QStringLiteral("Wann: ") + deutsch.toString(jetzt, QStringLiteral("dd.MM.yyyy hh:mm, dddd")),
      QStringLiteral("Von:  ") + d.auftraggeberName + QStringLiteral(", Konto: ") + d.auftraggeberKontoNr +
          QStringLiteral(", BLZ: ") + d.auftraggeberBlz,
      (d.waehrung + QStringLiteral(":") + vb::Space(6)).left(6) + betrag,
      QStringLiteral("An:   ") + d.empfaengerName + QStringLiteral(", Konto: ") + d.empfaengerKontoNr +
          QStringLiteral(", BLZ: ") + d.empfaengerBlz,
      QStringLiteral("Bem:  ") + d.verwendung1,
      vb::Space(6) + d.verwendung2,
  };
  QString eintrag;
  for (const QString& z : zeilen) eintrag += z + QStringLiteral("\r\n");
  return eintrag;
}

bool KontenLogAnhaengen(const QString& pfad, const QString& eintrag) { return LogAnhaengen(pfad, eintrag); }

QString AuftraggeberEintrag(const QString& name, const QString& kontoNr, const QString& blz, const QString& bank) {
  QStringList teile;
  for (const QString& t : {name, kontoNr, blz, bank}) {
    QString s = vb::Trim(t);
    s.replace(u';', u',');
    s.replace(u'|', u'-');
    teile << vb::Trim(s);
  }
  return teile.join(QStringLiteral(" | "));
}

QStringList AuftraggeberTeile(const QString& eintrag) {
  QStringList teile = eintrag.split(u'|');
  while (teile.size() < 4) teile << QString();
  QStringList ergebnis;
  for (int i = 0; i < 4; ++i) ergebnis << vb::Trim(teile.at(i));
  return ergebnis;
}

namespace {

QString schluessel(const char* suffix) { return QStringLiteral("User_") + BenutzerName() + QString::fromUtf8(suffix); }

QString lesen(const char* suffix, const QString& standard) {
  return IniLesen(QString(), QString(), schluessel(suffix), standard);
}

void schreiben(const char* suffix, const QString& wert) {
  IniSchreiben(QString(), QString(), schluessel(suffix), wert);
}

const QString kWaehrungen = QStringLiteral("DM;DEM;EUR;BEF;FIM;FRF;IEP;ITL;LXF;NLG;ATS;PTE;ESP;DKK;ATS;CHF;HUF;");

}  // namespace

QString WaehrungenLesen() {
  const QString liste = IniLesen(QString(), QString(), QStringLiteral("Währungskürzel"), kWaehrungen);
  IniSchreiben(QString(), QString(), QStringLiteral("Währungskürzel"), liste);
  return liste;
}

Einstellungen EinstellungenLesen() {
  Einstellungen e;
  e.waehrung = lesen("_UeberweisWährung", e.waehrung);
  e.konten = lesen("_AllKonto", QString());
  e.name = lesen("_KontoName", QString());
  e.kontoNr = lesen("_KontoNr", QString());
  e.bank = lesen("_KontoBank", QString());
  e.blz = lesen("_KontoBLZ", QString());
  e.datum = vb::Val(lesen("_DruckeDatum", QStringLiteral("1"))) != 0;
  e.formular = static_cast<int>(vb::Val(lesen("_BankForm", QStringLiteral("0"))));
  e.schrift = SchriftLesen();
  return e;
}

QString SchriftLesen() { return lesen("_UeberweisFont", Einstellungen().schrift); }

void EinstellungenSchreiben(const Einstellungen& e) {
  schreiben("_DruckeDatum", e.datum ? QStringLiteral("1") : QStringLiteral("0"));
  schreiben("_BankForm", QString::number(e.formular));
  schreiben("_UeberweisWährung", e.waehrung);
  schreiben("_KontoName", vb::Trim(e.name));
  schreiben("_KontoNr", vb::Trim(e.kontoNr));
  schreiben("_KontoBank", vb::Trim(e.bank));
  schreiben("_KontoBLZ", vb::Trim(e.blz));
  schreiben("_AllKonto", e.konten);
  schreiben("_UeberweisFont", e.schrift);
}

}  // namespace Ueberweisung
