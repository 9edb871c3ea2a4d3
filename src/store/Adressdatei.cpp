#include "store/Adressdatei.h"

#include "store/Datensatz.h"

#include <QStringDecoder>
#include <algorithm>
#ifdef __SSE2__
#include <emmintrin.h>
#endif
#include <cstring>

namespace {

const QString kGrad2 = QStringLiteral("°°");
const QString kCrLf = QStringLiteral("\r\n");

}  // namespace

bool DatensatzZeileVerwerfen(const QString& zeile) {
  if (zeile.isEmpty()) return true;
  // Fields 0 to 14 empty: the line, without blanks at its start, begins with 15 TABs.
  qsizetype i = 0;
  const qsizetype n = zeile.size();
  while (i < n && zeile[i] == u' ') ++i;
  if (n - i < 15) return false;
  for (qsizetype k = i; k < i + 15; ++k)
    if (zeile[k] != u'\t') return false;
  // Account, bank code, bank, birthday, salutation or web address still make it a user's record.
  const Felder felder = FelderAusZeile(zeile);
  for (int f = 17; f <= 22; ++f)
    if (!felder[f].trimmed().isEmpty()) return false;
  return true;
}

AdressdateiInhalt AdressdateiZerlegen(const QByteArray& bytes, const QString& standardBeschreibung,
                                      const AdressdateiMeldungen& meldungen, std::optional<Codec::Kodierung> bekannt) {
  AdressdateiInhalt inhalt;
  inhalt.keinText = bytes.contains('\0');
  if (bekannt == Codec::Kodierung::Windows1252)
    inhalt.kodierung = Codec::Kodierung::Windows1252;
  else if (bekannt == Codec::Kodierung::Utf8)
    inhalt.kodierung = Codec::istUtf8(bytes) ? Codec::Kodierung::Utf8 : Codec::Kodierung::Windows1252;
  else
    inhalt.kodierung = Codec::erkennen(bytes);
  const bool utf8 = inhalt.kodierung == Codec::Kodierung::Utf8;
  qsizetype start = 0;
  if (utf8 && bytes.startsWith("\xEF\xBB\xBF")) {
    inhalt.mitBom = true;
    start = 3;
  }
  inhalt.datensaetze.reserve(std::min<qsizetype>(bytes.size() / 64 + 16, kMaxDatensaetze));
  bool ersteZeile = true;
  // One line at a time; false when the table is full.
  auto zeileNehmen = [&](QString zeile) {
    // Only the first line can be the header, even when it leaves the description empty.
    if (ersteZeile) {
      ersteZeile = false;
      inhalt.beschreibung = standardBeschreibung;
      if (zeile.startsWith(QLatin1String(".."))) {
        // A bare ".." names nothing: the file keeps the description of a file without a header.
        if (!zeile.contains(u'\t') && zeile.size() > 2) inhalt.beschreibung = zeile.mid(2);
        zeile.clear();
      }
      if (meldungen.beschreibungGesetzt) meldungen.beschreibungGesetzt(inhalt.beschreibung);
    }
    if (zeile.startsWith(u'\t')) zeile.prepend(u' ');
    if (DatensatzZeileVerwerfen(zeile)) return true;
    if (inhalt.datensaetze.size() >= kMaxDatensaetze) {
      inhalt.abgeschnitten = true;
      return false;
    }
    inhalt.datensaetze.append(std::move(zeile));
    if (meldungen.datensatzGelesen) meldungen.datensatzGelesen(static_cast<int>(inhalt.datensaetze.size()));
    return true;
  };

  if (!utf8) {
    // Windows-1252 straight from the bytes into each line: no text of the whole file in between.
    const char* b = bytes.constData();
    const qsizetype n = bytes.size();
    qsizetype pos = start;
    // Without bytes 0x80 to 0x9F the file is Latin-1 as well, which Qt decodes many bytes at a time.
    const bool latin1 = !Codec::hatBytes80bis9F(b, n);
    while (pos < n) {
      const char* lf = static_cast<const char*>(std::memchr(b + pos, '\n', n - pos));
      qsizetype ende = lf ? lf - b : n;
      if (const void* cr = std::memchr(b + pos, '\r', ende - pos)) ende = static_cast<const char*>(cr) - b;
      QString zeile;
      if (latin1) {
        zeile = QString::fromLatin1(b + pos, ende - pos);
      } else {
        zeile.resize(ende - pos);
        Codec::aus1252(b + pos, ende - pos, zeile.data());
      }
      pos = ende;
      if (pos < n) pos += (b[pos] == '\r' && pos + 1 < n && b[pos + 1] == '\n') ? 2 : 1;
      if (!zeileNehmen(std::move(zeile))) break;
    }
    return inhalt;
  }

  // The whole file at once: a U+FEFF at the start of a later line is text, not a byte-order mark.
  const QByteArrayView rumpf(bytes.constData() + start, bytes.size() - start);
  QStringDecoder dekoder(QStringConverter::Utf8, QStringConverter::Flag::ConvertInitialBom);
  const QString text = dekoder.decode(rumpf);
  const QChar* p = text.constData();
  const qsizetype n = text.size();
  qsizetype pos = 0;
  while (pos < n) {
    qsizetype ende = pos;
    while (ende < n && p[ende] != u'\r' && p[ende] != u'\n') ++ende;
    QString zeile(p + pos, ende - pos);
    pos = ende;
    if (pos < n) pos += (p[pos] == u'\r' && pos + 1 < n && p[pos + 1] == u'\n') ? 2 : 1;
    if (!zeileNehmen(std::move(zeile))) break;
  }
  return inhalt;
}

QString KopfzeileBilden(const QString& text, const QString& ersatz) {
  const QString kopf = text.startsWith(QLatin1String("..")) ? text : QStringLiteral("..") + text;
  if (kopf.size() > 2) return kopf;
  return QStringLiteral("..") + (ersatz.isEmpty() ? QStringLiteral("Adressen") : ersatz);
}

namespace {

// Appends one line in Windows-1252 with its CR LF; a CR, LF or CR LF inside it becomes ersatz.
// The buffer grows only when line breaks lengthen the line beyond the size counted beforehand.
void Zeile1252Anfuegen(QByteArray& bytes, qsizetype& n, const QString& zeile, QLatin1String ersatz) {
  const qsizetype laenge = zeile.size();
  if (n + laenge + 2 > bytes.size()) bytes.resize(std::max(n + laenge + 2, bytes.size() + bytes.size() / 2));
  char* ziel = bytes.data();
  qsizetype k = n;  // a local index: a store through char* could alias n and would force it to memory
  const char16_t* q = reinterpret_cast<const char16_t*>(zeile.constData());
  // One character (or a CR LF pair) from i on; returns the index after it.
  auto einzeln = [&](qsizetype i) {
    const char16_t u = q[i];
    if (u == u'\r' || u == u'\n') {
      if (u == u'\r' && i + 1 < laenge && q[i + 1] == u'\n') ++i;
      const qsizetype rest = laenge - i - 1;
      if (k + ersatz.size() + rest + 2 > bytes.size()) {
        bytes.resize(std::max(k + ersatz.size() + rest + 2, bytes.size() + bytes.size() / 2));
        ziel = bytes.data();
      }
      for (char c : ersatz) ziel[k++] = c;
      return i + 1;
    }
    if (QChar::isHighSurrogate(u) && i + 1 < laenge && QChar::isLowSurrogate(q[i + 1])) ++i;
    const char c = Codec::nach1252Byte(u);
    ziel[k++] = (c != '\0' || u == 0) ? c : '?';
    return i + 1;
  };
  qsizetype i = 0;
#ifdef __SSE2__
  // Eight characters at a time where they are Latin-1 outside 0x80-0x9F and hold no line break (the bytes
  // are then the characters' low halves); any other group goes one character at a time.
  const __m128i kHoch = _mm_set1_epi16(static_cast<short>(0xFF00));
  const __m128i kC1Maske = _mm_set1_epi16(static_cast<short>(0xFFE0)), kC1 = _mm_set1_epi16(0x0080);
  const __m128i kCr = _mm_set1_epi16(u'\r'), kLf = _mm_set1_epi16(u'\n');
  while (i + 8 <= laenge) {
    const __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i*>(q + i));
    const __m128i schlecht = _mm_or_si128(_mm_cmpeq_epi16(_mm_and_si128(v, kC1Maske), kC1),
                                          _mm_or_si128(_mm_cmpeq_epi16(v, kCr), _mm_cmpeq_epi16(v, kLf)));
    const __m128i hoch = _mm_and_si128(v, kHoch);
    if (_mm_movemask_epi8(_mm_or_si128(
            schlecht, _mm_xor_si128(_mm_cmpeq_epi16(hoch, _mm_setzero_si128()), _mm_set1_epi16(-1)))) == 0) {
      _mm_storel_epi64(reinterpret_cast<__m128i*>(ziel + k), _mm_packus_epi16(v, v));
      k += 8;
      i += 8;
      continue;
    }
    const qsizetype bis = i + 8;
    while (i < bis) i = einzeln(i);
  }
#endif
  while (i < laenge) i = einzeln(i);
  ziel[k++] = '\r';
  ziel[k++] = '\n';
  n = k;
}

}  // namespace

QByteArray AdressdateiBauen(const QString& kopfzeile, const QStringList& datensaetze, Codec::Kodierung kodierung,
                            bool mitBom) {
  qsizetype groesse = kopfzeile.size() + 2;
  for (const QString& z : datensaetze) groesse += z.size() + 2;
  if (kodierung == Codec::Kodierung::Windows1252) {
    // One buffer, sized once, filled in one pass over each line.
    QByteArray bytes(groesse, Qt::Uninitialized);
    qsizetype n = 0;
    Zeile1252Anfuegen(bytes, n, kopfzeile, QLatin1String(" "));
    const QLatin1String grad2("\xB0\xB0");
    for (const QString& z : datensaetze) Zeile1252Anfuegen(bytes, n, z, grad2);
    bytes.truncate(n);
    return bytes;
  }
  QString text;
  text.reserve(groesse);
  text += ZeilenumbruchErsetzen(kopfzeile, QStringLiteral(" "));
  text += kCrLf;
  for (const QString& z : datensaetze) {
    text += ZeilenumbruchErsetzen(z, kGrad2);
    text += kCrLf;
  }
  QByteArray bytes = text.toUtf8();
  if (mitBom) bytes.prepend("\xEF\xBB\xBF");
  return bytes;
}

QByteArray DatensatzzeilenBauen(const QStringList& datensaetze, Codec::Kodierung kodierung) {
  // An empty header line is a bare CR LF in either encoding; what follows it are the record lines.
  return AdressdateiBauen(QString(), datensaetze, kodierung, false).sliced(2);
}
