// Fuzz target for the amount evaluator: any bytes, read as Windows-1252 text, must give a finite result,
// leave the text untouched on success and mark a failure with "%" and a result of 0.
#include "bankforms/Auswerten.h"
#include "platform/vb/Codec.h"

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const QString eingabe = Codec::aus1252(QByteArray(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size)));
  QString text = eingabe;
  const double wert = Z_Evaluate2::Auswerten(text);
  if (!std::isfinite(wert)) std::abort();
  if (text != eingabe && (text != u'%' + eingabe || wert != 0)) std::abort();
  return 0;
}
