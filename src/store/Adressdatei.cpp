#include "store/Adressdatei.h"

#include "store/Datensatz.h"

#include <QStringDecoder>
#include <algorithm>
#ifdef __SSE2__
#include <emmintrin.h>
#endif
#include <cstring>
#include <limits>

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

// Appends one line with its CR LF, in Windows-1252 or (utf8) in UTF-8 as QString::toUtf8 writes it (an
// unpaired surrogate as "?"); a CR, LF or CR LF inside it becomes ersatz, given in the same encoding.
// The buffer grows only when the line does not fit in what is left of it.
template <bool utf8>
void ZeileAnfuegen(QByteArray& bytes, qsizetype& n, const QString& zeile, QLatin1String ersatz) {
  const qsizetype laenge = zeile.size();
  // Bytes per character at most, before line breaks lengthen the line.
  constexpr qsizetype kBreite = utf8 ? 3 : 1;
  if (n + kBreite * laenge + 2 > bytes.size())
    bytes.resize(std::max(n + kBreite * laenge + 2, bytes.size() + bytes.size() / 2));
  char* ziel = bytes.data();
  qsizetype k = n;  // a local index: a store through char* could alias n and would force it to memory
  const char16_t* q = reinterpret_cast<const char16_t*>(zeile.constData());
  // One character (or a CR LF pair, or a pair of surrogates) from i on; returns the index after it.
  auto einzeln = [&](qsizetype i) {
    const char16_t u = q[i];
    if (u == u'\r' || u == u'\n') {
      if (u == u'\r' && i + 1 < laenge && q[i + 1] == u'\n') ++i;
      const qsizetype rest = kBreite * (laenge - i - 1);
      if (k + ersatz.size() + rest + 2 > bytes.size()) {
        bytes.resize(std::max(k + ersatz.size() + rest + 2, bytes.size() + bytes.size() / 2));
        ziel = bytes.data();
      }
      for (char c : ersatz) ziel[k++] = c;
      return i + 1;
    }
    const bool paar = QChar::isHighSurrogate(u) && i + 1 < laenge && QChar::isLowSurrogate(q[i + 1]);
    if constexpr (utf8) {
      if (u < 0x80) {
        ziel[k++] = static_cast<char>(u);
      } else if (u < 0x800) {
        ziel[k++] = static_cast<char>(0xC0 | (u >> 6));
        ziel[k++] = static_cast<char>(0x80 | (u & 0x3F));
      } else if (paar) {
        // Four bytes for the two characters of the pair: within the room counted for them.
        const char32_t c = QChar::surrogateToUcs4(u, q[i + 1]);
        ziel[k++] = static_cast<char>(0xF0 | (c >> 18));
        ziel[k++] = static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        ziel[k++] = static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        ziel[k++] = static_cast<char>(0x80 | (c & 0x3F));
      } else if (QChar::isSurrogate(u)) {
        ziel[k++] = '?';
      } else {
        ziel[k++] = static_cast<char>(0xE0 | (u >> 12));
        ziel[k++] = static_cast<char>(0x80 | ((u >> 6) & 0x3F));
        ziel[k++] = static_cast<char>(0x80 | (u & 0x3F));
      }
    } else {
      const char c = Codec::nach1252Byte(u);
      ziel[k++] = (c != '\0' || u == 0) ? c : '?';
    }
    return i + (paar ? 2 : 1);
  };
  qsizetype i = 0;
#ifdef __SSE2__
  // Eight characters at a time where each is its own byte and no line break (Latin-1 outside 0x80-0x9F
  // in Windows-1252, ASCII in UTF-8: the bytes are then the characters' low halves); any other group goes
  // one character at a time.
  const __m128i kHoch = _mm_set1_epi16(static_cast<short>(utf8 ? 0xFF80 : 0xFF00));
  const __m128i kC1Maske = _mm_set1_epi16(static_cast<short>(0xFFE0)), kC1 = _mm_set1_epi16(0x0080);
  const __m128i kCr = _mm_set1_epi16(u'\r'), kLf = _mm_set1_epi16(u'\n');
  // Lanes that are not their own byte are nonzero.
  auto schlecht = [&](__m128i v) {
    __m128i s = _mm_or_si128(_mm_cmpeq_epi16(v, kCr), _mm_cmpeq_epi16(v, kLf));
    if constexpr (!utf8) s = _mm_or_si128(s, _mm_cmpeq_epi16(_mm_and_si128(v, kC1Maske), kC1));
    return _mm_or_si128(s, _mm_and_si128(v, kHoch));
  };
  auto laden = [&](qsizetype j) { return _mm_loadu_si128(reinterpret_cast<const __m128i*>(q + j)); };
  // Sixteen at a time while both halves are good.
  while (i + 16 <= laenge) {
    const __m128i a = laden(i), b = laden(i + 8);
    if (_mm_movemask_epi8(_mm_cmpeq_epi16(_mm_or_si128(schlecht(a), schlecht(b)), _mm_setzero_si128())) != 0xFFFF)
      break;
    _mm_storeu_si128(reinterpret_cast<__m128i*>(ziel + k), _mm_packus_epi16(a, b));
    k += 16;
    i += 16;
  }
  while (i + 8 <= laenge) {
    const __m128i v = laden(i);
    if (_mm_movemask_epi8(_mm_cmpeq_epi16(schlecht(v), _mm_setzero_si128())) == 0xFFFF) {
      _mm_storel_epi64(reinterpret_cast<__m128i*>(ziel + k), _mm_packus_epi16(v, v));
      k += 8;
      i += 8;
      continue;
    }
    const qsizetype bis = i + 8;
    while (i < bis) i = einzeln(i);
  }
  // The last few: the eight characters that end the line, when all are good, over bytes already written
  // (a good character is one byte on either way, so the overlap holds the same bytes).
  if (i < laenge && laenge >= 8) {
    const __m128i v = laden(laenge - 8);
    if (_mm_movemask_epi8(_mm_cmpeq_epi16(schlecht(v), _mm_setzero_si128())) == 0xFFFF) {
      _mm_storel_epi64(reinterpret_cast<__m128i*>(ziel + k - (i - (laenge - 8))), _mm_packus_epi16(v, v));
      k += laenge - i;
      i = laenge;
    }
  }
#endif
  while (i < laenge) i = einzeln(i);
  ziel[k++] = '\r';
  ziel[k++] = '\n';
  n = k;
}

}  // namespace

bool AdressdateiSchreiben(const QString& kopfzeile, const QStringList& datensaetze, Codec::Kodierung kodierung,
                          bool mitBom, QByteArray& puffer, qsizetype stueck,
                          const std::function<bool(QByteArrayView)>& ausgabe) {
  const bool utf8 = kodierung == Codec::Kodierung::Utf8;
  const auto zeile = utf8 ? ZeileAnfuegen<true> : ZeileAnfuegen<false>;
  const QLatin1String blank(" "), grad2 = utf8 ? QLatin1String("\xC2\xB0\xC2\xB0") : QLatin1String("\xB0\xB0");
  qsizetype n = 0;
  if (utf8 && mitBom) {
    if (puffer.size() < 3) puffer.resize(3);
    std::memcpy(puffer.data(), "\xEF\xBB\xBF", 3);
    n = 3;
  }
  zeile(puffer, n, kopfzeile, blank);
  for (const QString& z : datensaetze) {
    // A line that would not fit goes into the next piece: pieces end with whole lines.
    if (n + z.size() + 2 > stueck) {
      if (!ausgabe(QByteArrayView(puffer.constData(), n))) return false;
      n = 0;
    }
    zeile(puffer, n, z, grad2);
  }
  return ausgabe(QByteArrayView(puffer.constData(), n));
}

QByteArray AdressdateiBauen(const QString& kopfzeile, const QStringList& datensaetze, Codec::Kodierung kodierung,
                            bool mitBom) {
  qsizetype groesse = kopfzeile.size() + 2 + 3;
  for (const QString& z : datensaetze) groesse += z.size() + 2;
  // One buffer, sized once, and one piece: the whole file is the start of the buffer.
  QByteArray bytes(groesse, Qt::Uninitialized);
  qsizetype laenge = 0;
  AdressdateiSchreiben(kopfzeile, datensaetze, kodierung, mitBom, bytes, std::numeric_limits<qsizetype>::max(),
                       [&](QByteArrayView ganz) {
                         laenge = ganz.size();
                         return true;
                       });
  bytes.truncate(laenge);
  return bytes;
}

QByteArray DatensatzzeilenBauen(const QStringList& datensaetze, Codec::Kodierung kodierung) {
  // An empty header line is a bare CR LF in either encoding; what follows it are the record lines.
  return AdressdateiBauen(QString(), datensaetze, kodierung, false).sliced(2);
}
