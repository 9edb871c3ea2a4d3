#include "store/Datensatz.h"

#include "common/Global.h"

const std::array<const char16_t*, 24> kFeldBezeichnung = {u"Rubrik zum Einsortieren",
                                                          u"Nachname",
                                                          u"Vorname",
                                                          u"Straße",
                                                          u"PLZ",
                                                          u"Ort",
                                                          u"Land",
                                                          u"Telefon",
                                                          u"Telefax",
                                                          u"Adresse für welchen User",
                                                          u"Zusatz",
                                                          u"Zusatzbemerkung",
                                                          u"Mobiltelefon",
                                                          u"Datentelefon",
                                                          u"eMail",
                                                          u"erstellt am",
                                                          u"geändert am",
                                                          u"Kontonummer",
                                                          u"Bankleitzahl",
                                                          u"Kreditinstitut",
                                                          u"Geburtstag",
                                                          u"Anrede",
                                                          u"WWW",
                                                          u"Index"};

const std::array<int, 24> kFeldLaenge = {20, 50, 50, 50, 8,  45, 20, 40, 40, 20, 90, 0,
                                         40, 40, 80, 20, 20, 10, 8,  27, 10, 90, 80, 9};

namespace {
const QString kGrad2 = QStringLiteral("°°");
const QString kCrLf = QStringLiteral("\r\n");
}  // namespace

Felder FelderAusZeile(const QString& zeile) {
  Felder f;
  qsizetype start = 0;
  const qsizetype n = zeile.size();
  for (int i = 0; i < kFeldAnzahl; ++i) {
    if (start > n) break;
    qsizetype tab = zeile.indexOf(u'\t', start);
    if (tab < 0) tab = n;  // separators are appended before splitting: the rest is the last field
    QString feld = zeile.mid(start, tab - start);
    if (feld.contains(kGrad2)) feld.replace(kGrad2, kCrLf);
    f[i] = std::move(feld);
    start = tab + 1;
  }
  return f;
}

void DatensatzZerlegen(const QString& zeile) { DatenFeld = FelderAusZeile(zeile); }

QString ZeilenumbruchErsetzen(const QString& text, const QString& ersatz) {
  if (!text.contains(u'\r') && !text.contains(u'\n')) return text;
  QString t = text;
  t.replace(kCrLf, ersatz);
  t.replace(u'\r', ersatz);
  t.replace(u'\n', ersatz);
  return t;
}

QString DatensatzBauen(const Felder& felder) {
  QString zeile;
  zeile.reserve(256);
  for (int i = 0; i < kFeldAnzahl; ++i) {
    QString feld = ZeilenumbruchErsetzen(felder[i], kGrad2);
    if (feld.contains(u'\t')) feld.replace(u'\t', u' ');
    if (i == 0 && feld.isEmpty()) zeile += u' ';
    zeile += feld;
    zeile += u'\t';
  }
  return zeile;
}

int Feld11Grenze(const Felder& felder) {
  int summe = 0;
  for (int i = 0; i < kFeldAnzahl; ++i)
    if (i != 11) summe += static_cast<int>(felder[i].size()) + 1;
  return 1023 - summe;
}
