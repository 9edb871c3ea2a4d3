#pragma once
// The open address file: how it was written (encoding, byte-order mark), whether the last load read it
// whole, why the last save failed, and the file steps of loading and saving (reading or creating the
// file, the permission check, the backup copy, the safe write, the note of the encoding). The records
// themselves are in the record table (Adressbestand); the window gathers what it shows and asks.
#include "store/Adressdatei.h"

#include <QByteArray>
#include <QFile>
#include <QString>
#include <QStringList>
#include <functional>
#include <memory>
#include <optional>

// What reading the file found. Its bytes are not kept: the file stays open and a first look over all of
// them (art) decides how the load reads it a second time, piece by piece, beside the lines it takes.
struct AdressdateiLesung {
  std::unique_ptr<QFile> datei;  // open for reading; none when it could not be read
  AdressdateiArt art;
  int fehler = 0;       // the runtime's error number; 0 when the file was read (or created)
  bool ordner = false;  // the name is a folder's
};

// What a save needs from its caller.
struct Speicherauftrag {
  QString pfad;                  // the file on disk (resolved)
  QString name;                  // the file as the user knows it, for the message
  QString kopf;                  // the header's text: the setting FirstDataLine, else the description ("^t" is a TAB)
  QString standardBeschreibung;  // the proper-cased base name, the header when kopf is empty
  QStringList zeilen;            // the record lines
  QString iniDatei;              // the per-file settings: their file and section (the file's name)
  QString abschnitt;
  // Asked when the backup copy cannot be made: true goes on without it; none goes on without asking.
  std::function<bool()> ohneSicherungWeiter;
};

struct Speicherergebnis {
  bool gespeichert = true;
  int nummer = 0;  // the runtime's error number to report; 0 when there is none (saved, or stopped by the caller)
  QString grund;   // why it failed, in German ("" when the caller stopped it)
};

class OffeneAdressdatei {
 public:
  // How the open file was written, so that a save writes it back the same way.
  Codec::Kodierung kodierung = Codec::Kodierung::Windows1252;
  bool mitBom = false;
  // The last load did not read the whole file (unreadable, more records than the table holds, no text):
  // it is worked on read-only until the next load, so that a save cannot cut it short.
  bool unvollstaendig = false;
  // Why the last save failed, in German, naming the file; empty after a save that worked.
  QString speicherFehler;

  // Forgets the previous file, before a load.
  void zuruecksetzen();
  // Opens the file and looks over all of it; a missing file is created with one empty record line, which
  // the load drops again. A file that exists is never created over, whatever keeps it from being read.
  static AdressdateiLesung lesen(const QString& pfad);
  // Reads the file a second time, piece by piece, into its lines as AdressdateiZerlegen splits its bytes,
  // and keeps how the file was written; a file cut at the table's size or holding no text is incomplete.
  // A file that could not be read gives no lines; one that fails now leaves its error in lesung.fehler.
  AdressdateiInhalt zerlegen(AdressdateiLesung& lesung, const QString& standardBeschreibung,
                             std::optional<Codec::Kodierung> bekannt, const AdressdateiMeldungen& meldungen = {});
  // The same for bytes already in memory.
  AdressdateiInhalt zerlegen(const QByteArray& bytes, const QString& standardBeschreibung,
                             std::optional<Codec::Kodierung> bekannt, const AdressdateiMeldungen& meldungen = {});
  // Writes the records back beside the old file, with a backup copy while it writes, and notes the
  // encoding in the per-file settings where the bytes alone would be read otherwise. A failure leaves the
  // old file as it was and its reason in speicherFehler.
  Speicherergebnis speichern(const Speicherauftrag& auftrag);

 private:
  AdressdateiInhalt behalten(AdressdateiInhalt inhalt);
  // The buffer the pieces are encoded into, kept from one save to the next.
  QByteArray puffer_;
};
