#include "store/Adressdatei.h"

#include "store/Datensatz.h"

#include <algorithm>
#ifdef __SSE2__
#include <emmintrin.h>
#endif
#include <cstring>
#include <limits>
#include <utility>

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

void AdressdateiArt::weiter(QByteArrayView stueck) {
  const char* b = stueck.data();
  const qsizetype n = stueck.size();
  if (n == 0) return;
  groesse_ += n;
  if (!nul_) nul_ = std::memchr(b, '\0', n) != nullptr;
  utf8_.weiter(b, n);
  for (const char* p = b; (p = static_cast<const char*>(std::memchr(p, '\n', b + n - p))); ++p) ++lf_;
}

Codec::Kodierung AdressdateiArt::kodierung(std::optional<Codec::Kodierung> bekannt) const {
  // A file known as Windows-1252 stays so; one known as UTF-8 stays so while it is valid UTF-8.
  if (bekannt == Codec::Kodierung::Windows1252) return Codec::Kodierung::Windows1252;
  const bool utf8 = utf8_.gueltig() && (bekannt == Codec::Kodierung::Utf8 || utf8_.mehrbyte());
  return utf8 ? Codec::Kodierung::Utf8 : Codec::Kodierung::Windows1252;
}

AdressdateiLeser::AdressdateiLeser(const AdressdateiArt& art, const QString& standardBeschreibung,
                                   const AdressdateiMeldungen& meldungen, std::optional<Codec::Kodierung> bekannt)
    : standardBeschreibung_(standardBeschreibung), meldungen_(meldungen) {
  inhalt_.keinText = art.keinText();
  inhalt_.kodierung = art.kodierung(bekannt);
  utf8_ = inhalt_.kodierung == Codec::Kodierung::Utf8;
  anfangOffen_ = utf8_;
  // At most one record per line feed, and one after the last.
  inhalt_.datensaetze.reserve(std::min<qsizetype>(art.zeilenvorschuebe() + 1, kMaxDatensaetze));
  // A line of n bytes gives at most n characters, and its NUL takes the place of its line end (the last
  // line may have none: one more).
  block_ = QString(art.groesse() + 1, Qt::Uninitialized);
  frei_ = block_.data();
  blockEnde_ = frei_ + block_.size();
}

bool AdressdateiLeser::weiter(QByteArrayView stueck) {
  if (voll_) return false;
  if (anfangOffen_) {
    // Only the file's first bytes can be a byte-order mark; a U+FEFF at the start of a later line is text.
    const qsizetype k = std::min<qsizetype>(3 - anfang_.size(), stueck.size());
    anfang_ += stueck.first(k);
    stueck = stueck.sliced(k);
    if (anfang_.size() < 3) return true;
    anfangOffen_ = false;
    if (anfang_ == "\xEF\xBB\xBF")
      inhalt_.mitBom = true;
    else if (!zeilenNehmen(anfang_))
      return false;
    anfang_ = QByteArray();
  }
  return zeilenNehmen(stueck);
}

AdressdateiInhalt AdressdateiLeser::ende() {
  if (anfangOffen_) {
    anfangOffen_ = false;
    zeilenNehmen(anfang_);
  }
  // The last line counts without a line end; an empty tail does not.
  if (!voll_ && !rest_.isEmpty()) {
    const QByteArray zeile = std::exchange(rest_, QByteArray());
    zeileNehmen(dekodieren(zeile.constData(), zeile.size()));
  }
  // The lines alone keep the block now.
  block_ = QString();
  return std::move(inhalt_);
}

QString AdressdateiLeser::dekodieren(const char* bytes, qsizetype n) {
  // A line of n bytes gives at most n characters, so the bytes looked at always fit; a line that would not
  // (bytes other than those looked at) gets storage of its own rather than run past the block.
  if (blockEnde_ - frei_ < n + 1)
    return utf8_ ? utf8Dekoder_.decode(QByteArrayView(bytes, n)) : Codec::aus1252(QByteArray(bytes, n));
  QChar* zeile = frei_;
  if (utf8_) {
    frei_ = utf8Dekoder_.appendToBuffer(zeile, QByteArrayView(bytes, n));
  } else {
    Codec::aus1252(bytes, n, zeile);
    frei_ += n;
  }
  *frei_++ = QChar(0);
  // A QString over its part of the block, which it shares.
  auto* block = block_.data_ptr().d_ptr();
  block->ref();
  return QString(QString::DataPointer(block, reinterpret_cast<char16_t*>(zeile), frei_ - 1 - zeile));
}

bool AdressdateiLeser::zeilenNehmen(QByteArrayView stueck) {
  if (voll_) return false;
  const char* b = stueck.data();
  const qsizetype n = stueck.size();
  if (n == 0) return true;
  qsizetype pos = 0;
  if (crZuletzt_) {
    crZuletzt_ = false;
    if (b[0] == '\n') pos = 1;
  }
  // The next LF and the next CR from pos on (n for none), each searched again only once passed, so that a
  // file with only one kind of line end is not searched to its end for the other at every line.
  qsizetype lf = pos - 1, cr = pos - 1;
  auto suchen = [&](qsizetype& stelle, char c) {
    if (stelle >= pos) return;
    const void* p = std::memchr(b + pos, c, n - pos);
    stelle = p ? static_cast<const char*>(p) - b : n;
  };
  while (pos < n) {
    suchen(lf, '\n');
    suchen(cr, '\r');
    const qsizetype ende = std::min(lf, cr);
    if (ende == n) {
      // The line goes on in the next piece.
      rest_.append(b + pos, n - pos);
      return true;
    }
    QString zeile;
    if (rest_.isEmpty()) {
      zeile = dekodieren(b + pos, ende - pos);
    } else {
      rest_.append(b + pos, ende - pos);
      const QByteArray ganz = std::exchange(rest_, QByteArray());
      zeile = dekodieren(ganz.constData(), ganz.size());
    }
    pos = ende + 1;
    if (b[ende] == '\r') {
      if (pos == n)
        crZuletzt_ = true;
      else if (b[pos] == '\n')
        ++pos;
    }
    if (!zeileNehmen(std::move(zeile))) {
      voll_ = true;
      return false;
    }
  }
  return true;
}

// One line at a time; false when the table is full.
bool AdressdateiLeser::zeileNehmen(QString zeile) {
  // Only the first line can be the header, even when it leaves the description empty.
  if (ersteZeile_) {
    ersteZeile_ = false;
    inhalt_.beschreibung = standardBeschreibung_;
    if (zeile.startsWith(QLatin1String(".."))) {
      // A bare ".." names nothing: the file keeps the description of a file without a header.
      if (!zeile.contains(u'\t') && zeile.size() > 2) inhalt_.beschreibung = zeile.mid(2);
      zeile.clear();
    }
    if (meldungen_.beschreibungGesetzt) meldungen_.beschreibungGesetzt(inhalt_.beschreibung);
  }
  if (zeile.startsWith(u'\t')) zeile.prepend(u' ');
  if (DatensatzZeileVerwerfen(zeile)) return true;
  if (inhalt_.datensaetze.size() >= kMaxDatensaetze) {
    inhalt_.abgeschnitten = true;
    return false;
  }
  inhalt_.datensaetze.append(std::move(zeile));
  if (meldungen_.datensatzGelesen) meldungen_.datensatzGelesen(static_cast<int>(inhalt_.datensaetze.size()));
  return true;
}

AdressdateiInhalt AdressdateiZerlegen(const QByteArray& bytes, const QString& standardBeschreibung,
                                      const AdressdateiMeldungen& meldungen, std::optional<Codec::Kodierung> bekannt) {
  return AdressdateiStueckweiseZerlegen({bytes}, standardBeschreibung, meldungen, bekannt);
}

AdressdateiInhalt AdressdateiStueckweiseZerlegen(const QList<QByteArrayView>& stuecke,
                                                 const QString& standardBeschreibung,
                                                 const AdressdateiMeldungen& meldungen,
                                                 std::optional<Codec::Kodierung> bekannt) {
  AdressdateiArt art;
  for (QByteArrayView s : stuecke) art.weiter(s);
  AdressdateiLeser leser(art, standardBeschreibung, meldungen, bekannt);
  for (QByteArrayView s : stuecke)
    if (!leser.weiter(s)) break;
  return leser.ende();
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
