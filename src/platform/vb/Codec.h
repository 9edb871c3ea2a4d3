#pragma once
// Text files of this program are Windows-1252 (byte-compatible with the files of earlier versions);
// a file that a user saved as UTF-8 is read and written back as UTF-8.
#include <QByteArray>
#include <QString>
#include <QStringList>

namespace Codec {

enum class Kodierung { Windows1252, Utf8 };

// Every one of the 256 bytes maps to one character and back (undefined bytes to U+0081 ... U+009D).
QString aus1252(const QByteArray& bytes);
// Characters outside Windows-1252 become "?" (last backstop; input is reduced at the boundary).
QByteArray nach1252(const QString& text);
bool istIn1252(QChar c);

// UTF-8 only when the bytes are valid UTF-8 and hold at least one multi-byte sequence.
Kodierung erkennen(const QByteArray& bytes);
// Whether the bytes are valid UTF-8 (plain ASCII is).
bool istUtf8(const QByteArray& bytes);
QString dekodieren(const QByteArray& bytes, Kodierung* erkannt = nullptr);
QByteArray kodieren(const QString& text, Kodierung kodierung);

// Reduces text that enters from outside (typing, pasting, clipboard) to what Windows-1252 can hold:
// a letter with a mark becomes its base letter, anything else "?".
QString auf1252Reduzieren(const QString& text);

// Splits at CR LF, LF or a lone CR; a last line without a line end counts, an empty tail does not.
QStringList zeilenTrennen(const QString& text);

}  // namespace Codec
