// The address file: any bytes loaded, saved and loaded again give the same records, the same encoding
// and the same byte-order mark; a second save writes the same bytes as the first.
#include "FuzzHilfe.h"
#include "store/Adressdatei.h"

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
  fuzz::start(argc, argv);
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const QString standard = QStringLiteral("Kunden");
  const AdressdateiInhalt a = AdressdateiZerlegen(fuzz::bytes(data, size), standard);
  if (a.abgeschnitten) return 0;  // read-only: never saved
  const QByteArray gespeichert =
      AdressdateiBauen(KopfzeileBilden(a.beschreibung, standard), a.datensaetze, a.kodierung, a.mitBom);
  // The next load knows the encoding the file was saved with.
  const AdressdateiInhalt b = AdressdateiZerlegen(gespeichert, standard, {}, a.kodierung);
  FUZZ_PRUEFEN(b.datensaetze == a.datensaetze, QStringLiteral("%1 Datensätze geladen, %2 nach dem Speichern")
                                                   .arg(a.datensaetze.size())
                                                   .arg(b.datensaetze.size()));
  FUZZ_PRUEFEN(b.kodierung == a.kodierung, QStringLiteral("Kodierung gewechselt"));
  FUZZ_PRUEFEN(b.mitBom == a.mitBom, QStringLiteral("Byte-Order-Mark gewechselt"));
  FUZZ_PRUEFEN(!b.abgeschnitten, QString());
  if (b.beschreibung == a.beschreibung) {
    const QByteArray nochmal =
        AdressdateiBauen(KopfzeileBilden(b.beschreibung, standard), b.datensaetze, b.kodierung, b.mitBom);
    FUZZ_PRUEFEN(nochmal == gespeichert, QStringLiteral("zweites Speichern schreibt andere Bytes"));
  }
  return 0;
}
