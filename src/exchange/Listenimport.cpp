#include "exchange/Listenimport.h"

#include "common/Global.h"
#include "common/Text.h"
#include "platform/vb/Clock.h"
#include "platform/vb/Codec.h"
#include "platform/vb/Vb.h"
#include "store/Index.h"

#include <QFile>
#include <optional>
#include <vector>

QChar ImportTrennzeichen(const QString& trennText) {
  if (trennText == u"{Tab}") return u'\t';
  if (trennText == u"{LF}") return u'\n';
  if (trennText.isEmpty()) return u';';
  return trennText[0];
}

Importspalten ImportZeileZerlegen(const QString& zeile, QChar trenner, bool dosUmlaute, bool trimmen) {
  Importspalten spalten;
  qsizetype start = 0;
  for (int i = 0; i < kImportSpalten && start <= zeile.size(); ++i) {
    qsizetype ende = zeile.indexOf(trenner, start);
    if (ende < 0) ende = zeile.size();
    QString wert = zeile.mid(start, ende - start);
    if (dosUmlaute) DosUmlaute(wert);
    if (trimmen) wert = vb::Trim(wert);
    spalten[i] = std::move(wert);
    start = ende + 1;
  }
  return spalten;
}

QStringList ImportDateiLesen(const QString& pfad) {
  QFile datei(pfad);
  if (!datei.open(QIODevice::ReadOnly)) return {};
  const QByteArray bytes = datei.readAll();
  if (datei.error() != QFileDevice::NoError) return {};
  return Codec::zeilenTrennen(Codec::dekodieren(bytes));
}

Importzuordnung ImportStandardZuordnung() {
  Importzuordnung z{};
  for (int i = 0; i < kImportSpalten; ++i) z[i] = i + 1;
  return z;
}

Felder ImportFelder(const Importspalten& spalten, const Importzuordnung& zuordnung) {
  Felder felder;
  for (int j = 0; j < kImportSpalten; ++j) {
    const int feld = zuordnung[j] - 1;
    if (feld >= 0 && feld < kFeldAnzahl) felder[feld] = spalten[j];
  }
  return felder;
}

namespace {

// Whether every character has a byte in Windows-1252 (the common case needs no reduction).
bool ganzIn1252(const QString& text) {
  for (const QChar c : text)
    if (c.unicode() >= 0x80 && Codec::nach1252Byte(c.unicode()) == '\0') return false;
  return true;
}

}  // namespace

QString ImportZeile(const Felder& felder) {
  QString zeile;
  zeile.reserve(256);
  for (const QString& feld : felder) {
    QString wert = ganzIn1252(feld) ? feld : Codec::auf1252Reduzieren(feld);
    // A TAB would move every later field of the record one place on.
    wert.replace(u'\t', u' ');
    zeile += wert;
    zeile += Feldtrenner;
  }
  return zeile;
}

Importergebnis ListeImportieren(Adressbestand& bestand, const QStringList& zeilen, const Importoptionen& optionen,
                                const std::function<void(int i, int m)>& fortschritt) {
  Importergebnis ergebnis;
  ergebnis.zeilen = static_cast<int>(zeilen.size());
  const int platz = std::max(0, kMaxDatensaetze - bestand.Anzahl());
  const int anzahl = std::min(ergebnis.zeilen, platz);
  if (anzahl == 0) return ergebnis;

  const QChar trenner = ImportTrennzeichen(optionen.trennText);
  const QString heute = vb::DatumText(Clock::today());
  std::vector<Felder> datensaetze;
  datensaetze.reserve(anzahl);
  int ohneIndex = 0;
  for (int i = 0; i < anzahl; ++i) {
    Felder f = ImportFelder(ImportZeileZerlegen(zeilen[i], trenner, optionen.dosUmlaute, optionen.trimmen),
                            optionen.zuordnung);
    if (f[15].isEmpty()) f[15] = heute;
    if (f[16].isEmpty()) f[16] = heute;
    if (vb::Val(f[23]) <= 0) {
      f[23].clear();  // marked: gets the next running index below
      ++ohneIndex;
    }
    datensaetze.push_back(std::move(f));
  }

  // The running index: one reservation for all the lines that need one (writing the two counters once
  // instead of once per line); near the counter's end, where it starts again at 1, line by line.
  std::optional<qint64> naechster;
  if (ohneIndex > 0) {
    const qint64 frei = NeuerIndex(0);
    if (frei + ohneIndex <= 999999999) naechster = NeuerIndex(ohneIndex) - ohneIndex;
  }

  QStringList neu;
  neu.reserve(anzahl);
  int gemeldet = -1;
  const int m = anzahl - 1;
  for (int i = 0; i < anzahl; ++i) {
    Felder& f = datensaetze[i];
    if (f[23].isEmpty()) f[23] = QString::number(naechster ? (*naechster)++ : NeuerIndex(1) - 1);
    neu << ImportZeile(f);
    const int prozent = m > 0 ? static_cast<int>(100LL * i / m) : 0;
    if (prozent != gemeldet || i == m) {
      bestand.anhaengen(neu);
      ergebnis.angefuegt += static_cast<int>(neu.size());
      neu.clear();
      gemeldet = prozent;
      if (fortschritt) fortschritt(i, m);
    }
  }
  return ergebnis;
}
