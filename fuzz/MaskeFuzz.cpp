// Mask filling: any mask and any record line fill within the bound, in bounded time and memory (the
// run's -rss_limit_mb and -timeout stop it otherwise); a mask without placeholders, markers and "^t"
// comes back as it stands, trimmed.
#include "FuzzHilfe.h"
#include "common/Global.h"
#include "platform/vb/Codec.h"
#include "platform/vb/Vb.h"
#include "store/Maske.h"

#include <QFile>

namespace {

const Bezeichnungen& bezeichnungen() {
  static const Bezeichnungen b = {"Rubrik", "Nachname",  "Vorname",    "Straße",   "PLZ",      "Ort",
                                  "Land",   "Telefon",   "Fax",        "Mobil",    "Zusatz",   "Bemerkung",
                                  "Firma",  "Abteilung", "E-Mail",     "Angelegt", "Geändert", "Konto",
                                  "BLZ",    "Bank",      "Geburtstag", "Anrede",   "Internet", "Index"};
  return b;
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
  fuzz::start(argc, argv);
  MaskenOrdner = fuzz::ordner();
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  // Mask and record line split at the first NUL byte.
  const QByteArray bytes = fuzz::bytes(data, size);
  const qsizetype trenner = bytes.indexOf('\0');
  if (trenner < 0) return 0;
  const QByteArray maske = bytes.left(trenner);
  const QString zeile = Codec::dekodieren(bytes.mid(trenner + 1));
  {
    QFile f(fuzz::ordner() + QStringLiteral("/Fuzz.msk"));
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate) || f.write(maske) != maske.size()) std::abort();
  }
  const QString text = MaskeFuellen(QStringLiteral("Fuzz"), zeile, bezeichnungen());
  FUZZ_PRUEFEN(text.size() <= std::max<qsizetype>(kMaskeHoechstens, maske.size() * 2),
               QStringLiteral("%1 Zeichen").arg(text.size()));
  const QString maskenText = Codec::dekodieren(maske);
  if (!maskenText.contains(u'{') && !maskenText.contains(u'^') && !maskenText.contains(u'~') &&
      !maskenText.contains(u'\r') && !maskenText.contains(u'\n'))
    FUZZ_PRUEFEN(text == vb::Trim(maskenText), QStringLiteral("ohne Platzhalter verändert: \"%1\"").arg(maskenText));
  return 0;
}
