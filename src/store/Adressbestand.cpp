#include "store/Adressbestand.h"

#include "common/Global.h"
#include "platform/vb/Codec.h"

Anfuegeergebnis ZeilenAnfuegen(Adressbestand& bestand, const QByteArray& bytes) {
  QStringList zeilen = Codec::zeilenTrennen(Codec::dekodieren(bytes));
  // Only a header line is skipped; a file without one starts with a record.
  if (!zeilen.isEmpty() && zeilen.first().startsWith(QStringLiteral("..")) && !zeilen.first().contains(u'\t'))
    zeilen.removeFirst();
  Anfuegeergebnis ergebnis;
  QStringList tabelle = bestand.Zeilen();
  const qsizetype vorher = tabelle.size();
  for (QString zeile : zeilen) {
    // Semicolon-separated lines become record lines; a record line keeps the ";" of its texts.
    if (!zeile.contains(u'\t')) zeile.replace(u';', Feldtrenner);
    if (zeile.startsWith(Feldtrenner)) zeile.prepend(u' ');
    if (!zeile.isEmpty() && tabelle.size() < kMaxDatensaetze) tabelle.append(zeile);
    if (tabelle.size() >= kMaxDatensaetze) {
      ergebnis.voll = true;
      break;
    }
  }
  ergebnis.angefuegt = static_cast<int>(tabelle.size() - vorher);
  if (ergebnis.angefuegt > 0) bestand.setItems(std::move(tabelle));
  return ergebnis;
}
