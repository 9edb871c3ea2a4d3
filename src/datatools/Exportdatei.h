#pragma once
// What the exports of the record walks share: how an export ended, the refusal of the open address file
// as a target, the bytes of an export text, the whole-file write with its one error report, and how a
// walk reports its records to the walk frame.
#include <QByteArray>
#include <QString>
#include <functional>

enum class Exportstand {
  Geschrieben,     // every file written (or nothing to write); `meldung` is the closing message, if any
  Abgewiesen,      // nothing written: `meldung` says why; shown with the exclamation icon and `titel`
  Fehlgeschlagen,  // a write failed and was reported once (FehlerMelden); the old file stays, nothing stored
};

struct Exportergebnis {
  Exportstand stand = Exportstand::Geschrieben;
  int anzahl = 0;   // what the export counts: numbers, birthdays, ...
  QString meldung;  // the closing message (information icon), or the reason of a refusal
  QString titel;    // the title of either message box
};

// Called with each record's position in the table (0 to n - 1), in order, as the walk reaches it: the
// frame moves the progress bar from it (the exports for about one record in ten, chosen at random; the
// renumbering for every record).
using Satzfortschritt = std::function<void(int satz)>;
// A text for the status panel, shown at once.
using Statusmeldung = std::function<void(const QString& text)>;

// "»file« ist die geöffnete Adressdatei und kann nicht als Exportdatei verwendet werden." when the
// target is the open address file (AktuelleDatei), found as a file of any spelling; else "".
QString ExportzielAbweisung(const QString& datei);
// The same as a finished refusal.
Exportergebnis Abweisung(const QString& meldung, const QString& titel);

// Where an answered target name is written: "\" read as a separator, an existing name found in any case.
QString Exportpfad(const QString& datei);

// The bytes of an export text: Windows-1252; a character the code page lacks is reduced as pasted text
// is (its base letter, else "?"). The text brings its own CR LF line ends.
QByteArray Exportbytes(const QString& text);
// A text as a Windows-1252 file can hold it (the text itself when it can already).
QString Auf1252(const QString& text);

// Writes the bytes as a whole file (beside the old one, then in its place). A failure is reported once
// through FehlerMelden with the context text; false then, and the old file is as it was.
bool ExportSchreiben(const QString& pfad, const QByteArray& bytes, const QString& kontext);
// Whether the file could be replaced; when not, the failure is reported as ExportSchreiben reports it.
bool ExportzielBeschreibbar(const QString& pfad, const QString& kontext);
