// The address file: any bytes loaded, saved and loaded again give the same records, the same encoding
// and the same byte-order mark; a second save writes the same bytes as the first. Read in pieces, cut
// anywhere, the bytes give what they give at once.
#include "FuzzHilfe.h"
#include "store/Adressdatei.h"

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
  fuzz::start(argc, argv);
  return 0;
}

namespace {

// Cut where the input's own bytes say (so that the fuzzer steers the cuts too), and after every byte.
void stueckweiseWieAmStueck(const QByteArray& bytes, const QString& standard) {
  QList<QByteArrayView> gesteuert, einzeln;
  qsizetype von = 0;
  for (qsizetype i = 0; i < bytes.size(); ++i) {
    einzeln << QByteArrayView(bytes).sliced(i, 1);
    if ((static_cast<unsigned char>(bytes[i]) * 7 + i) % 5 == 0) {
      gesteuert << QByteArrayView(bytes).sliced(von, i - von);
      von = i;
    }
  }
  gesteuert << QByteArrayView(bytes).sliced(von);
  for (const auto bekannt : {std::optional<Codec::Kodierung>(), std::optional(Codec::Kodierung::Windows1252),
                             std::optional(Codec::Kodierung::Utf8)}) {
    const AdressdateiInhalt ganz = AdressdateiZerlegen(bytes, standard, {}, bekannt);
    for (const QList<QByteArrayView>& stuecke : {gesteuert, einzeln})
      FUZZ_PRUEFEN(AdressdateiStueckweiseZerlegen(stuecke, standard, {}, bekannt) == ganz,
                   QStringLiteral("in %1 Stücken anders gelesen").arg(stuecke.size()));
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const QString standard = QStringLiteral("Kunden");
  stueckweiseWieAmStueck(fuzz::bytes(data, size), standard);
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
