#pragma once
// Print masks as files: reading and writing a mask as the mask editor does, the key under which
// Masken.Ini keeps a mask's font, and the editor's caret position as text.
#include <QString>

// Masken.Ini in the mask folder, found without regard to case.
QString MaskenIni();
// The key of a mask's font in Masken.Ini: its file name up to the first "." in capitals.
QString MaskenSchluessel(const QString& pfad);
// The font description stored for the mask, or the standard when it has none.
QString MaskenSchriftLesen(const QString& pfad, const QString& standard);
void MaskenSchriftSchreiben(const QString& pfad, const QString& beschreibung);

// Reads a mask: its lines joined, each one followed by CR LF (the last one too). Returns 0, or the
// runtime's error number when the file cannot be opened or read; the text is then left as it was.
int MaskeLesen(const QString& pfad, QString& text);
// Writes the text as it stands, no line end added, beside the old file and then in its place (a failed
// write leaves the old file). A file that was UTF-8 stays UTF-8, any other is Windows-1252. Returns 0 or
// the runtime's error number.
int MaskeSchreiben(const QString& pfad, const QString& text);

// The position panel of the editor: the text and its tooltip for a caret at selStart (0-based, a line
// break counting two).
struct MaskenPosition {
  QString text;
  QString tipp;
};
MaskenPosition MaskenPositionText(const QString& text, int selStart);
