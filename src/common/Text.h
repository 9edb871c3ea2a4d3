#pragma once
// Text helpers used all over the program: replacing (with and without regard to case), DOS umlauts,
// plain-ASCII transliteration, keeping only certain characters, and blanks after punctuation. Texts are
// Windows-1252 texts; a "code" is a character's number in that code page.
#include <QString>

// Every occurrence of `such`, compared without regard to case, replaced by `ersatz` (which keeps its own
// case). The search goes on after the inserted text, so a replacement that holds the search text is not
// replaced again. An empty search text changes nothing. The fourth argument has no effect.
QString Ersetzen(const QString& text, const QString& such, const QString& ersatz, short unbenutzt = 0);
// The same, comparing exactly.
QString ZeichenErsetzen(const QString& text, const QString& such, const QString& ersatz);
// The umlauts of a DOS text read as Windows text (codes 132, 148, 129, 225, 142, 153, 154) become
// ä, ö, ü, ß, Ä, Ö, Ü. The caller's variable is converted as well.
QString DosUmlaute(QString& text);
QString DosUmlaute(const QString& text);
// Western European letters and signs as plain ASCII ("Größe" -> "Groesse", "©" -> "(c)", "µ" -> "Mikro").
QString Ansi2Ascii(const QString& text);
// The characters of the text that occur among the allowed ones, in their order (exact comparison).
QString NurZeichen(const QString& text, const QString& erlaubt);
// Exactly one blank after each of ".!?,;:", except before a digit and at the end of the text.
QString SatzzeichenAbstand(const QString& text);
