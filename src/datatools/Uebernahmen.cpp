#include "datatools/Uebernahmen.h"

#include "common/Email.h"
#include "common/Pfade.h"
#include "common/Telefon.h"
#include "platform/vb/Codec.h"
#include "platform/vb/Laufzeitfehler.h"
#include "platform/vb/SicheresSchreiben.h"
#include "platform/vb/Vb.h"
#include "store/Auswahllisten.h"
#include "store/Datensatz.h"
#include "store/Kataloge.h"

#include <QFile>
#include <QHash>
#include <QSet>
#include <algorithm>

const QString kDomainAusschluss = QStringLiteral("@example.com @example.net @example.org");

namespace {

constexpr int kEmailFeld = 14;

}  // namespace

QStringList DomainListe(const QStringList& alteZeilen, const QStringList& emailFelder) {
  struct Eintrag {
    QString text;
    int anzahl;
  };
  std::vector<Eintrag> tabelle;
  for (const QString& zeile : alteZeilen) {
    const QString t = vb::Trim(zeile).toLower();
    if (!t.isEmpty()) tabelle.push_back({t, 3});
  }
  std::stable_sort(tabelle.begin(), tabelle.end(), [](const Eintrag& a, const Eintrag& b) { return a.text < b.text; });
  // The last entry of each text takes the uses.
  QHash<QString, qsizetype> stelle;
  for (qsizetype i = 0; i < static_cast<qsizetype>(tabelle.size()); ++i) stelle.insert(tabelle[i].text, i);
  for (const QString& feld : emailFelder) {
    const QString adresse = vb::Trim(feld).toLower();
    if (adresse.isEmpty() || !EmailPruefen(adresse)) continue;
    const QString domain = adresse.mid(adresse.indexOf(u'@'));
    const auto it = stelle.constFind(domain);
    if (it != stelle.constEnd()) {
      ++tabelle[*it].anzahl;
    } else {
      stelle.insert(domain, static_cast<qsizetype>(tabelle.size()));
      tabelle.push_back({domain, 1});
    }
  }
  const QSet<QString> ausschluss = [] {
    QSet<QString> s;
    for (const QString& d : kDomainAusschluss.split(u' ', Qt::SkipEmptyParts)) s.insert(d);
    return s;
  }();
  QStringList zeilen;
  for (const Eintrag& e : tabelle)
    if (e.anzahl >= 3 && !ausschluss.contains(e.text)) zeilen << u' ' + e.text;
  return zeilen;
}

int DomainsUebernehmen(const Adressbestand& bestand, const std::function<void(int k)>& jeSatz) {
  const QString datei = AuswahlDateiName(ProgrammOrdner(), kEmailFeld);
  QStringList alt;
  Codec::Kodierung kodierung = Codec::Kodierung::Windows1252;
  if (QFile::exists(datei)) {
    QFile f(datei);
    if (!f.open(QIODevice::ReadOnly)) return vb::FehlerAusDatei(f);
    const QByteArray bytes = f.readAll();
    if (f.error() != QFileDevice::NoError) return vb::FehlerAusDatei(f.error());
    alt = Codec::zeilenTrennen(Codec::dekodieren(bytes, &kodierung));
  }
  QStringList felder;
  const QStringList& zeilen = bestand.Zeilen();
  felder.reserve(zeilen.size());
  for (int k = 0; k < zeilen.size(); ++k) {
    if (jeSatz) jeSatz(k);
    felder << FelderAusZeile(zeilen[k])[kEmailFeld];
  }
  QString text;
  for (const QString& z : DomainListe(alt, felder)) text += z + QStringLiteral("\r\n");
  return DateiSicherSchreiben(datei, Codec::kodieren(text, kodierung));
}

namespace {

// Walks the records for a catalogue take-over: uebernahme gets each record's fields and a counter to call
// after each take-over.
template <class Uebernahme>
int KatalogWalk(const Adressbestand& bestand, const std::function<void(int k)>& jeSatz,
                const std::function<void(int anzahl)>& uebernommen, Uebernahme uebernahme) {
  int anzahl = 0;
  const auto zaehlen = [&] {
    ++anzahl;
    if (uebernommen) uebernommen(anzahl);
  };
  const QStringList& zeilen = bestand.Zeilen();
  for (int k = 0; k < zeilen.size(); ++k) {
    if (jeSatz) jeSatz(k);
    uebernahme(FelderAusZeile(zeilen[k]), zaehlen);
  }
  return anzahl;
}

}  // namespace

int OrteUebernehmen(const Adressbestand& bestand, const std::function<void(int k)>& jeSatz,
                    const std::function<void(int anzahl)>& uebernommen) {
  return KatalogWalk(bestand, jeSatz, uebernommen, [](const Felder& f, const auto& zaehlen) {
    const QString plz = vb::Trim(f[4]);
    const QString ort = vb::Trim(f[5]);
    // A postcode of blanks alone has no key to file the town under.
    if (plz.isEmpty() || ort.size() < 2) return;
    QString orte = OrtZuPLZ(plz, 0);
    if (orte.toLower().contains(ort.toLower())) return;
    orte = orte.isEmpty() ? ort : orte + QStringLiteral(", ") + ort;
    KatalogOrtSpeichern(plz, orte);
    zaehlen();
  });
}

int VorwahlenUebernehmen(const Adressbestand& bestand, const std::function<void(int k)>& jeSatz,
                         const std::function<void(int anzahl)>& uebernommen) {
  return KatalogWalk(bestand, jeSatz, uebernommen, [](const Felder& f, const auto& zaehlen) {
    if (!(vb::Val(f[4]) > 0) || vb::Trim(f[5]).size() < 2) return;
    const QString plz = vb::Trim(f[4]);
    QString vorwahlen = VorwahlZuPLZ(plz, 0);
    for (const int feld : {7, 8, 13}) {
      const QString vorwahl = VorwahlAusTelefon(f[feld]);
      if (vorwahl.isEmpty() || vorwahlen.toLower().contains(vorwahl.toLower())) continue;
      vorwahlen = vorwahlen.isEmpty() ? vorwahl : vorwahlen + QStringLiteral(", ") + vorwahl;
      KatalogVorwahlSpeichern(plz, vorwahlen);
      zaehlen();
    }
  });
}

namespace {
QString frage(const char* was, const QString& standardKatalog) {
  return QStringLiteral("Sollen jetzt neue ") + QString::fromUtf8(was) +
         QStringLiteral(" in den Katalog übernommen werden.~~Der zur Zeit gewählte Standard-Katalog ist »") +
         standardKatalog + QStringLiteral("«.");
}
QString anzahlText(int anzahl) { return anzahl == 0 ? QStringLiteral("Keine") : QString::number(anzahl); }
}  // namespace

QString OrteFrage(const QString& standardKatalog) { return frage("Ortsnamen", standardKatalog); }
QString VorwahlenFrage(const QString& standardKatalog) { return frage("Vorwahlen", standardKatalog); }

QString OrteBericht(int anzahl) {
  return anzahlText(anzahl) + QStringLiteral(" PLZ-Ortsnamen") + QStringLiteral(" wurde") +
         (anzahl != 1 ? QStringLiteral("n") : QString()) + QStringLiteral(" übernommen.");
}

QString VorwahlenBericht(int anzahl) {
  return anzahlText(anzahl) + QStringLiteral(" PLZ-Vorwahlen wurden übernommen.");
}
