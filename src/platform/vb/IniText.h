#pragma once
// The text of a settings file as lines: sections in brackets, "key=value" entries, every other line kept
// with its bytes and line end, so that a write changes only the lines it must. Pure functions of the
// text; the files on disk and the gathering of writes are IniDatei's.
#include "platform/vb/Codec.h"

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QString>

namespace Profil::text {

struct Zeile {
  QString text;
  // Folded name for a section header or an entry, empty for every other line.
  QString name;
  bool kopf = false;
  // The line's bytes as the disk holds them and its line end ("\r\n", "\n", "\r", or none for a last
  // line without one). A line that no write changed goes out with exactly these bytes.
  QByteArray roh;
  QByteArray ende = QByteArrayLiteral("\r\n");
  bool geaendert = true;
};

struct Aenderung {
  QString sektion, schluessel, wert;
};

struct Text {
  Codec::Kodierung kodierung = Codec::Kodierung::Windows1252;
  bool bom = false;
  QList<Zeile> zeilen;
  // Folded "section" -> header line, folded "section\x01key" -> entry line; the first of each counts.
  QHash<QString, qsizetype> index;
};

// The line of the section's header and of the key's entry (folded names), -1 when there is none.
qsizetype sektionsZeile(const Text& d, const QString& sektion);
qsizetype eintragsZeile(const Text& d, const QString& sektion, const QString& schluessel);
// Reads a file's bytes into lines; `nur1252`: the file is known to be Windows-1252. False when the bytes
// (after a byte-order mark) are not valid UTF-8.
bool textEinlesen(Text& d, const QByteArray& bytes, bool nur1252);
QByteArray textAusgeben(const Text& d);
// A name as written and looked for: on one line, without blanks around it, as the file can hold it.
QString nameBilden(Codec::Kodierung kodierung, const QString& name);
QString nameBilden(const Text& d, const QString& name);
// Whether an entry written under these names reads back under them.
bool lesbar(const Text& d, const QString& sektion, const QString& schluessel);
// Applies one write to the lines; false when nothing changed.
bool anwenden(Text& d, const Aenderung& a);
// The value of an entry line as lesen gives it.
QString eintragsWert(const Zeile& z);

}  // namespace Profil::text
