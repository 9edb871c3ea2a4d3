// The tokenizer: the pieces are the text's runs between separators, in order, none empty and none
// holding a separator; with the standard set a "/" inside a word does not separate.
#include "FuzzHilfe.h"
#include "common/Global.h"
#include "common/Token.h"

#include <QStringList>

namespace {

// The pieces as the rule says, found another way: mark every separating character, then collect runs.
QStringList referenz(const QString& text, const QString& trenner) {
  const bool standard = trenner == StandardTrenner();
  QStringList stuecke;
  QString stueck;
  for (qsizetype i = 0; i < text.size(); ++i) {
    const QChar c = text[i];
    bool trennt = trenner.contains(c);
    if (trennt && standard && c == u'/') trennt = i == 0 || text[i - 1] == u' ';
    if (!trennt) {
      stueck += c;
      continue;
    }
    if (!stueck.isEmpty()) stuecke << stueck;
    stueck.clear();
  }
  // The text's end separates too (the tokenizer appends the first separator).
  if (!stueck.isEmpty()) stuecke << stueck;
  return stuecke;
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
  fuzz::start(argc, argv);
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size > 8192) return 0;
  // The first byte chooses the standard set or a set of its own (the next bytes up to a NUL).
  const QByteArray bytes = fuzz::bytes(data, size);
  if (bytes.isEmpty()) return 0;
  QString trenner;
  QString text;
  if (static_cast<unsigned char>(bytes[0]) < 128) {
    text = QString::fromUtf8(bytes.mid(1));
  } else {
    const qsizetype nul = bytes.indexOf('\0', 1);
    if (nul < 0) return 0;
    trenner = QString::fromUtf8(bytes.mid(1, nul - 1));
    text = QString::fromUtf8(bytes.mid(nul + 1));
  }
  const QString gesetzt = trenner.isEmpty() ? StandardTrenner() : trenner;
  const QStringList erwartet = referenz(text, gesetzt);

  QString kopie = text;
  QString t = trenner;
  const short anzahl = TextZerlegen(kopie, t);
  FUZZ_PRUEFEN(t == gesetzt, QStringLiteral("Trenner"));
  FUZZ_PRUEFEN(kopie == text + gesetzt[0], QStringLiteral("Text mit Trenner"));
  const int n = static_cast<int>(std::min<qsizetype>(erwartet.size(), 99));
  FUZZ_PRUEFEN(anzahl == n && TokenAnzahl == n,
               QStringLiteral("%1 Stücke, erwartet %2 in \"%3\"").arg(anzahl).arg(erwartet.size()).arg(text));
  for (int i = 1; i < n; ++i)
    FUZZ_PRUEFEN(Token[i] == erwartet[i - 1],
                 QStringLiteral("Token(%1) = \"%2\", erwartet \"%3\"").arg(i).arg(Token[i], erwartet[i - 1]));
  if (n > 0) FUZZ_PRUEFEN(Token[n] == erwartet.last(), QStringLiteral("letztes Stück"));
  for (int i = n + 1; i <= 50; ++i) FUZZ_PRUEFEN(Token[i].isEmpty(), QStringLiteral("Token(%1) nicht geleert").arg(i));
  return 0;
}
