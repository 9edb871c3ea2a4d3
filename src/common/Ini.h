#pragma once
// Settings access: one value at a time, written at once. An empty file means Zedured.ini in the Windows
// folder; an empty section means the program's own section ("Kartulon"); a line break inside a value
// is stored as "**".
#include <QString>

// A settings argument: a text, or a number used as its text.
class IniWert {
 public:
  IniWert(const QString& text) : text_(text) {}
  IniWert(const char* text) : text_(QString::fromUtf8(text)) {}
  IniWert(const char16_t* text) : text_(QString::fromUtf16(text)) {}
  IniWert(int zahl);
  IniWert(long zahl);
  IniWert(long long zahl);
  IniWert(double zahl);
  const QString& text() const { return text_; }
 private:
  QString text_;
};

QString IniLesen(const IniWert& datei, const IniWert& sektion, const IniWert& schluessel, const IniWert& standard);
// Returns the text as stored (right-trimmed, line breaks as "**"), "" after a bad call.
QString IniSchreiben(const IniWert& datei, const IniWert& sektion, const IniWert& schluessel, const IniWert& wert);
// Reads the key as a number (missing: 0), adds the step, writes the sum back and returns it.
double IniZaehler(const IniWert& datei, const IniWert& sektion, const IniWert& schluessel, double schritt);
