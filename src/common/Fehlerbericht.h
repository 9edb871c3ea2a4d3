#pragma once
// The printed error report, and the small facts about the system and the program that it shares with
// the rest of the program: colour depth, memory, processor, the version texts and the copyright years.
#include <QString>
#include <QtGlobal>

// Prints the one-page error report on the current printer: the error text as the error box showed it
// ("~" for its line breaks, without the question) and the facts about system and program. A step that
// cannot be printed is skipped.
void FehlerDrucken(const QString& fehlerText);

// Bits per pixel of the display; 32 when it cannot be asked.
short FarbtiefeBits();
// 2 to the power of the colour depth, at least 16; 2^32 - 1 when the display cannot be asked.
float FarbAnzahl();
float FarbAnzahlAusBits(int bits);
// Physical memory in bytes: the total when welche is not 0, else what is available (64 bits, no wrap
// above 4 GB); 0 when the system does not say.
qint64 SpeicherGroesse(short welche);

// The processor's name. Linux has no processor-type number: the name is the one the processor gives
// itself, else the architecture ("x86_64").
QString ProzessorName();
// The name for a processor-type number of the original's platform (bit-mask tests, see the table).
QString ProzessorNameAusTyp(long typ);

// The program's version numbers, from the build.
struct VersionNummern {
  int major = 0;
  int minor = 0;
  int revision = 0;
};
VersionNummern ProgrammVersionNummern();
// Sets ProgrammVersion ("3.020017") and ProgrammVersionZahl (3.020017) and returns the text.
QString VersionText();
QString VersionText(const VersionNummern& v);
// The version as the report prints it, with a dot before the revision ("3.02.0017").
QString VersionMitPunkten(const VersionNummern& v);

// The name of the operating system. On Linux: its name and the kernel's version, as Qt reports them.
QString WindowsVersion();
// The version text of the original platform's version record, as WindowsVersion built it there.
struct WindowsVersionsDaten {
  long plattform = 0;  // 0 Win32s, 1 Windows 9x, 2 NT
  long major = 0;
  long minor = 0;
  long build = 0;
  QString servicePack;
};
QString WindowsVersionAus(const WindowsVersionsDaten& d);

// The text with its year turned into a range from 1994 ("Copyright © 1994-2026 ..."); a text that
// already holds 1994, or that has no marker "Copyright © ", comes back unchanged. Text before the
// marker is kept.
QString CopyrightJahre(const QString& text);
