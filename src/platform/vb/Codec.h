#pragma once
// Text files of this program are Windows-1252 (byte-compatible with the files of earlier versions);
// a file that a user saved as UTF-8 is read and written back as UTF-8.
#include <QByteArray>
#include <QString>
#include <QStringList>
#include <array>

namespace Codec {

enum class Kodierung { Windows1252, Utf8 };

// Every one of the 256 bytes maps to one character and back (undefined bytes to U+0081 ... U+009D).
QString aus1252(const QByteArray& bytes);
// Characters outside Windows-1252 become "?" (last backstop; input is reduced at the boundary).
QByteArray nach1252(const QString& text);
bool istIn1252(QChar c);

// The byte of a character in Windows-1252, or 0 when it has none (U+0000 is byte 0 too: test it apart).
inline char nach1252Byte(char16_t u);
// The character of a Windows-1252 byte.
inline char16_t aus1252Byte(unsigned char b);
// Decodes n bytes into ziel, which has room for n characters.
void aus1252(const char* bytes, qsizetype n, QChar* ziel);

// UTF-8 only when the bytes are valid UTF-8 and hold at least one multi-byte sequence.
Kodierung erkennen(const QByteArray& bytes);
// Whether the bytes are valid UTF-8 (plain ASCII is).
bool istUtf8(const QByteArray& bytes);

// What erkennen and istUtf8 tell of bytes that come in pieces (a file as it is written): give it every
// piece in order, then ask. A sequence may be split between two pieces.
class Utf8Pruefung {
 public:
  void weiter(const char* bytes, qsizetype n);
  // Valid UTF-8 so far, with no sequence left open.
  bool gueltig() const { return !fehler_ && offen_ == 0; }
  // At least one multi-byte sequence was complete.
  bool mehrbyte() const { return mehrbyte_; }
  Kodierung kodierung() const { return gueltig() && mehrbyte_ ? Kodierung::Utf8 : Kodierung::Windows1252; }

 private:
  bool fehler_ = false;
  bool mehrbyte_ = false;
  int folge_ = 0;  // continuation bytes of the open sequence in all, and those still to come
  int offen_ = 0;
  char32_t wert_ = 0;
};
QString dekodieren(const QByteArray& bytes, Kodierung* erkannt = nullptr);
QByteArray kodieren(const QString& text, Kodierung kodierung);

// Reduces text that enters from outside (typing, pasting, clipboard) to what Windows-1252 can hold:
// a letter with a mark becomes its base letter, anything else "?".
QString auf1252Reduzieren(const QString& text);

// Splits at CR LF, LF or a lone CR; a last line without a line end counts, an empty tail does not.
QStringList zeilenTrennen(const QString& text);

namespace detail {
extern const std::array<char16_t, 256> kNachUnicode;
// Bytes of U+0000 ... U+21FF (every character of Windows-1252 outside ASCII lies below U+2200).
extern const std::array<char, 0x2200> kNach1252;
}  // namespace detail

inline char16_t aus1252Byte(unsigned char b) { return detail::kNachUnicode[b]; }

inline char nach1252Byte(char16_t u) {
  if (u < 0x80) return static_cast<char>(u);
  return u < 0x2200 ? detail::kNach1252[u] : '\0';
}

}  // namespace Codec
