#pragma once
// Settings access: one value at a time, written at once. An empty file means Zedured.ini in the Windows
// folder; an empty section means the program's own section ("Kartulon"); a line break inside a value
// is stored as "**".
#include <QString>
#include <functional>

// A settings argument: a text, or a number used as its text.
class IniWert {
 public:
  IniWert(const QString& text) : text_(text) {}
  IniWert(const char* text) : text_(QString::fromUtf8(text)) {}
  IniWert(const char16_t* text) : text_(QString::fromUtf16(text)) {}
  IniWert(QLatin1String text) : text_(text) {}
  IniWert(QStringView text) : text_(text.toString()) {}
  IniWert(int zahl);
  IniWert(long zahl);
  IniWert(long long zahl);
  IniWert(unsigned int zahl);
  IniWert(unsigned long zahl);
  IniWert(unsigned long long zahl);
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

// The program's own section in Zedured.ini.
QString IniProgrammSektion();
// The file a file argument stands for (empty: Zedured.ini in the Windows folder; ".ini" added where the
// name has no three-letter extension; WIN.INI, SYSTEM.INI and Zedured.ini in the Windows folder).
QString IniDateiAufloesen(const QString& datei);

// A bad call (an empty key) is reported through this hook: error number 424 and the text with the
// arguments. By default it goes to the central error handler; tests install their own. An empty
// function restores the default.
using IniFehlerMeldung = std::function<void(int nummer, const QString& text)>;
void IniFehlerMeldungSetzen(IniFehlerMeldung meldung);

// Writes every settings change that waits (in a long run of writes they are gathered for a moment):
// call it before another program or a plain file read looks at a settings file the program just wrote.
bool IniSichern();
