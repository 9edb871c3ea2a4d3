#pragma once
// Dialling a number: the dial command from the chosen entry, the characters a modem dials, the device of
// a port text, and the talk with the modem (dial, wait for its "OK", hang up, reset the line).
#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QUrl>
#include <functional>

class SerialPortService;

// The port entry that hands the number to the desktop's dialler instead of a modem.
inline const QString kWaehlhilfe = QStringLiteral("Windows-Wählhilfe");

// The entries of the two lists of the dialling dialog, in the order they are added.
QStringList ModemEintraege();
QStringList WaehlStringEintraege();

// The text before the first ";" (the rest is a comment), without blanks at either end.
QString WaehlBefehl(const QString& eintrag);

// The characters of the number a modem dials: upper case, only those of "0123456789,ABCDEF#*$^".
QString WaehlZeichen(const QString& nummer);

// The dial command, the number, ";" and CR.
QByteArray ModemBefehl(const QString& befehl, const QString& nummer);

// The device a port text stands for: "COM1" ... "COM9" (the number is the text's last character, so a
// bare "2" is port 2) are /dev/ttyS0 ... /dev/ttyS8; a text beginning with "/" is a device path as it
// stands. A port number of 0 or a last character that is no digit gives the error 380.
struct Anschluss {
  QString geraet;
  int fehler = 0;
};
Anschluss AnschlussAusText(const QString& text);

// What the talk with the modem needs of the dialog.
struct ModemSchritte {
  // True once the user closed the dialog: the wait for the modem ends as if its time had run out.
  std::function<bool()> abgebrochen;
  // The modem answered "OK": tell the user to lift the handset; returns when he has read it.
  std::function<void()> hoererAbnehmen;
  // A step failed: the central error handler's answer (5 go on, anything else stop).
  std::function<int(int fehler)> fehlerMelden;
};

// How a dialling ended: the dialog closes, or (the user stopped at an error) stays open.
enum class WahlEnde { Schliessen, Offen };

// Opens the port, empties its input and sends the modem command; waits up to 30 s for "OK" (the
// handset message when it comes), sends "ATH0" CR, reads and discards for 2 s, drops DTR for 1 s and
// closes the port. The waits measure Clock::tickMs. Any failing step closes the port and goes to the
// error handler once: the dialling ends there, whatever the answer; only the DTR cycle is best effort.
WahlEnde ModemWaehlen(const Anschluss& anschluss, const QByteArray& befehl, SerialPortService& port,
                      const ModemSchritte& schritte);

// The program named by the dialler setting (a path, or a name looked up in PATH) when it exists and may
// be run; "" otherwise. A "\" of an old setting is a separator.
QString WaehlProgramm(const QString& dialer);

// The "tel:" link of the dialled characters, for the desktop's dialler.
QUrl TelLink(const QString& zeichen);
