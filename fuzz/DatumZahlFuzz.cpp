// The date and number readers: IsDate says what CDate reads, a date read writes out as dd.mm.yyyy and
// reads back the same; Val is always finite, skips blanks anywhere, and reads back a number's own text.
#include "FuzzHilfe.h"
#include "platform/vb/Vb.h"

#include <cmath>
#include <cstring>

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
  fuzz::start(argc, argv);
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size > 4096) return 0;
  const QString text = QString::fromUtf8(fuzz::bytes(data, size));

  const QDate datum = vb::CDate(text);
  FUZZ_PRUEFEN(vb::IsDate(text) == datum.isValid(), QStringLiteral("IsDate/CDate(\"%1\")").arg(text));
  if (datum.isValid() && datum.year() >= 1000 && datum.year() <= 9999) {
    const QString geschrieben = vb::DatumText(datum);
    FUZZ_PRUEFEN(
        vb::CDate(geschrieben) == datum,
        QStringLiteral("\"%1\" -> %2 -> %3").arg(text, geschrieben, vb::CDate(geschrieben).toString(Qt::ISODate)));
  }

  const double wert = vb::Val(text);
  FUZZ_PRUEFEN(std::isfinite(wert), QStringLiteral("Val(\"%1\")").arg(text));
  QString ohneLeer = text;
  ohneLeer.remove(u' ').remove(u'\t').remove(u'\n').remove(u'\r');
  FUZZ_PRUEFEN(vb::Val(ohneLeer) == wert, QStringLiteral("Val mit und ohne Leerzeichen: \"%1\"").arg(text));

  if (size >= 8) {
    double zahl;
    std::memcpy(&zahl, data, sizeof zahl);
    if (std::isfinite(zahl) && (zahl == 0 || std::fabs(zahl) >= 1e-300)) {
      const QString zahlText = QString::number(zahl, 'g', 17);
      FUZZ_PRUEFEN(vb::Val(zahlText) == zahl,
                   QStringLiteral("Val(\"%1\") = %2").arg(zahlText).arg(vb::Val(zahlText), 0, 'g', 17));
    }
  }
  return 0;
}
