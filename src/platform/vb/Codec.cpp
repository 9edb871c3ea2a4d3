#include "platform/vb/Codec.h"

#include <array>
#include <cstring>
#ifdef __SSE2__
#include <emmintrin.h>
#endif

namespace Codec {
namespace {

// 0x80..0x9F of Windows-1252; the five undefined bytes map to the C1 control of the same number.
constexpr std::array<char16_t, 32> kHoch = {0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                            0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
                                            0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                            0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

inline bool zeichenNach1252(char16_t u, char& out) {
  out = nach1252Byte(u);
  return out != '\0' || u == 0;
}

}  // namespace

namespace detail {

// Tables built once at compile time: a lookup per character and no branch or hash on the way.
constexpr std::array<char16_t, 256> nachUnicodeBauen() {
  std::array<char16_t, 256> t{};
  for (int b = 0; b < 256; ++b) t[b] = (b >= 0x80 && b < 0xA0) ? kHoch[b - 0x80] : static_cast<char16_t>(b);
  return t;
}
constexpr std::array<char, 0x2200> nach1252Bauen() {
  std::array<char, 0x2200> t{};
  for (int u = 0xA0; u <= 0xFF; ++u) t[u] = static_cast<char>(u);
  for (int i = 0; i < 32; ++i) t[kHoch[i]] = static_cast<char>(0x80 + i);
  return t;
}
extern const std::array<char16_t, 256> kNachUnicode = nachUnicodeBauen();
extern const std::array<char, 0x2200> kNach1252 = nach1252Bauen();

}  // namespace detail

void aus1252(const char* bytes, qsizetype n, QChar* ziel) {
  qsizetype i = 0;
#ifdef __SSE2__
  // Sixteen bytes at a time where none lies in 0x80 to 0x9F: there each byte is its character's code.
  const __m128i kC1Maske = _mm_set1_epi8(static_cast<char>(0xE0)), kC1 = _mm_set1_epi8(static_cast<char>(0x80));
  for (; i + 16 <= n; i += 16) {
    const __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i*>(bytes + i));
    if (_mm_movemask_epi8(_mm_cmpeq_epi8(_mm_and_si128(v, kC1Maske), kC1)) != 0) {
      for (qsizetype k = i; k < i + 16; ++k)
        ziel[k] = QChar(detail::kNachUnicode[static_cast<unsigned char>(bytes[k])]);
      continue;
    }
    _mm_storeu_si128(reinterpret_cast<__m128i*>(ziel + i), _mm_unpacklo_epi8(v, _mm_setzero_si128()));
    _mm_storeu_si128(reinterpret_cast<__m128i*>(ziel + i + 8), _mm_unpackhi_epi8(v, _mm_setzero_si128()));
  }
#endif
  for (; i < n; ++i) ziel[i] = QChar(detail::kNachUnicode[static_cast<unsigned char>(bytes[i])]);
}

QString aus1252(const QByteArray& bytes) {
  QString text(bytes.size(), Qt::Uninitialized);
  aus1252(bytes.constData(), bytes.size(), text.data());
  return text;
}

QByteArray nach1252(const QString& text) {
  QByteArray bytes(text.size(), Qt::Uninitialized);
  qsizetype n = 0;
  for (qsizetype i = 0; i < text.size(); ++i) {
    const char16_t u = text[i].unicode();
    if (QChar::isHighSurrogate(u) && i + 1 < text.size() && text[i + 1].isLowSurrogate()) ++i;
    char c;
    bytes[n++] = zeichenNach1252(u, c) ? c : '?';
  }
  bytes.truncate(n);
  return bytes;
}

bool istIn1252(QChar c) {
  char dummy;
  return zeichenNach1252(c.unicode(), dummy);
}

void Utf8Pruefung::weiter(const char* bytes, qsizetype n) {
  const auto* p = reinterpret_cast<const unsigned char*>(bytes);
  qsizetype i = 0;
  while (i < n && !fehler_) {
    if (offen_ == 0) {
      // Plain ASCII eight bytes at a time: most of an address file.
      for (quint64 w; i + 8 <= n; i += 8) {
        std::memcpy(&w, p + i, 8);
        if (w & 0x8080808080808080ULL) break;
      }
      if (i == n) break;
      const unsigned char b = p[i++];
      if (b < 0x80) continue;
      if (b >= 0xC2 && b <= 0xDF) {
        folge_ = 1;
        wert_ = b & 0x1F;
      } else if (b >= 0xE0 && b <= 0xEF) {
        folge_ = 2;
        wert_ = b & 0x0F;
      } else if (b >= 0xF0 && b <= 0xF4) {
        folge_ = 3;
        wert_ = b & 0x07;
      } else {
        fehler_ = true;
        return;
      }
      offen_ = folge_;
      continue;
    }
    const unsigned char f = p[i++];
    if ((f & 0xC0) != 0x80) {
      fehler_ = true;
      return;
    }
    wert_ = (wert_ << 6) | (f & 0x3F);
    if (--offen_ > 0) continue;
    // Overlong forms, surrogates and values past U+10FFFF are not UTF-8.
    if ((folge_ == 2 && wert_ < 0x800) || (folge_ == 3 && (wert_ < 0x10000 || wert_ > 0x10FFFF)) ||
        (wert_ >= 0xD800 && wert_ <= 0xDFFF)) {
      fehler_ = true;
      return;
    }
    mehrbyte_ = true;
  }
}

Kodierung erkennen(const QByteArray& bytes) {
  Utf8Pruefung pruefung;
  pruefung.weiter(bytes.constData(), bytes.size());
  return pruefung.kodierung();
}

bool istUtf8(const QByteArray& bytes) {
  Utf8Pruefung pruefung;
  pruefung.weiter(bytes.constData(), bytes.size());
  return pruefung.gueltig();
}

QString dekodieren(const QByteArray& bytes, Kodierung* erkannt) {
  const Kodierung k = erkennen(bytes);
  if (erkannt) *erkannt = k;
  return k == Kodierung::Utf8 ? QString::fromUtf8(bytes) : aus1252(bytes);
}

QByteArray kodieren(const QString& text, Kodierung kodierung) {
  return kodierung == Kodierung::Utf8 ? text.toUtf8() : nach1252(text);
}

QString auf1252Reduzieren(const QString& eingabe) {
  // Composed form first, so that a letter typed with a combining mark becomes one character.
  const QString text = eingabe.normalized(QString::NormalizationForm_C);
  QString out;
  out.reserve(text.size());
  for (qsizetype i = 0; i < text.size(); ++i) {
    const QChar c = text[i];
    if (istIn1252(c)) {
      out.append(c);
      continue;
    }
    if (c.isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate()) {
      ++i;
      out.append(u'?');
      continue;
    }
    // Combining marks after a representable letter are dropped; a precomposed letter is
    // decomposed and its base kept when that is all Windows-1252 lacks.
    if (c.category() == QChar::Mark_NonSpacing) continue;
    const QString zerlegt = QString(c).normalized(QString::NormalizationForm_D);
    if (!zerlegt.isEmpty() && zerlegt[0] != c && istIn1252(zerlegt[0])) {
      bool nurMarken = true;
      for (qsizetype k = 1; k < zerlegt.size(); ++k)
        if (zerlegt[k].category() != QChar::Mark_NonSpacing) nurMarken = false;
      if (nurMarken) {
        // Recompose what Windows-1252 can hold (e.g. "ṏ" -> "õ" is not possible, "ǘ" -> "ü" is).
        QString best(zerlegt[0]);
        for (qsizetype k = 1; k < zerlegt.size(); ++k) {
          const QString versuch = (best + zerlegt[k]).normalized(QString::NormalizationForm_C);
          if (versuch.size() == 1 && istIn1252(versuch[0])) best = versuch;
        }
        out.append(best);
        continue;
      }
    }
    out.append(u'?');
  }
  return out;
}

QStringList zeilenTrennen(const QString& text) {
  QStringList zeilen;
  qsizetype start = 0;
  const qsizetype n = text.size();
  for (qsizetype i = 0; i < n; ++i) {
    const QChar c = text[i];
    if (c == u'\r' || c == u'\n') {
      zeilen.append(text.mid(start, i - start));
      if (c == u'\r' && i + 1 < n && text[i + 1] == u'\n') ++i;
      start = i + 1;
    }
  }
  if (start < n) zeilen.append(text.mid(start));
  return zeilen;
}

}  // namespace Codec
