#pragma once
// The address file: a header line (".." and the file's description) and one record line per address,
// Windows-1252 (or UTF-8 when a user saved it so), CR LF after every line. Reading and writing here is
// pure: no window, no settings; Main.DatenLaden and Main.DatenSpeichern do the rest.
#include "platform/vb/Codec.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringDecoder>
#include <QStringList>
#include <functional>
#include <optional>

struct AdressdateiInhalt {
  QString beschreibung;     // "" when the file yields none (an empty file)
  QStringList datensaetze;  // at most kMaxDatensaetze record lines, in file order
  // Reading stopped at kMaxDatensaetze and the file holds at least one further record line.
  bool abgeschnitten = false;
  Codec::Kodierung kodierung = Codec::Kodierung::Windows1252;
  bool mitBom = false;  // a UTF-8 file that began with a byte-order mark keeps it
  // The file holds a NUL byte, which no text file does: it is no address file.
  bool keinText = false;

  friend bool operator==(const AdressdateiInhalt&, const AdressdateiInhalt&) = default;
};

// What the reader tells its caller while it works (both optional).
struct AdressdateiMeldungen {
  // Once, when the description is first set (the caller shows "Öffne gerade ...").
  std::function<void(const QString& beschreibung)> beschreibungGesetzt;
  // After every record taken into the table, with the count so far.
  std::function<void(int anzahl)> datensatzGelesen;
};

// Splits the bytes of an address file. standardBeschreibung is the proper-cased base name of the file,
// the description when the file's first line is no ".." header (or a bare ".." or a header that holds a
// TAB). Only the first line can be the header. bekannt is the encoding the file had when it was last
// saved: a file known as Windows-1252 stays so even when its bytes now happen to be valid UTF-8, and a
// file known as UTF-8 stays so while it is valid UTF-8 (even when it holds no multi-byte sequence any more).
AdressdateiInhalt AdressdateiZerlegen(const QByteArray& bytes, const QString& standardBeschreibung,
                                      const AdressdateiMeldungen& meldungen = {},
                                      std::optional<Codec::Kodierung> bekannt = std::nullopt);

// What a first look over the whole file finds, piece by piece: how the file is to be read, whether it is
// text, and about how many lines it holds.
class AdressdateiArt {
 public:
  void weiter(QByteArrayView stueck);
  // The encoding to read the file with; bekannt as in AdressdateiZerlegen.
  Codec::Kodierung kodierung(std::optional<Codec::Kodierung> bekannt) const;
  bool keinText() const { return nul_; }
  // The bytes looked at, and the line feeds among them.
  qsizetype groesse() const { return groesse_; }
  qsizetype zeilenvorschuebe() const { return lf_; }

 private:
  Codec::Utf8Pruefung utf8_;
  bool nul_ = false;
  qsizetype groesse_ = 0;
  qsizetype lf_ = 0;
};

// Splits an address file given piece by piece (after its AdressdateiArt has looked at all of it) as
// AdressdateiZerlegen splits its bytes at once: a line, a CR LF or a UTF-8 sequence may be split between
// two pieces, and only the line being read is held beside the lines taken. The lines are decoded one after
// the other into one block sized by the file and share it (each ends in a NUL there, as every QString
// does): no allocation of its own per line, and the table's lines lie in file order. A line changed later
// gets its own storage as any shared QString does; the block goes with the last line in it.
class AdressdateiLeser {
 public:
  AdressdateiLeser(const AdressdateiArt& art, const QString& standardBeschreibung,
                   const AdressdateiMeldungen& meldungen = {}, std::optional<Codec::Kodierung> bekannt = std::nullopt);
  // Takes the next piece; false once the table is full and the rest of the file can add no record.
  bool weiter(QByteArrayView stueck);
  // After the last piece: the last line without a line end, and the result.
  AdressdateiInhalt ende();

 private:
  bool zeilenNehmen(QByteArrayView stueck);
  QString dekodieren(const char* bytes, qsizetype n);
  bool zeileNehmen(QString zeile);

  AdressdateiInhalt inhalt_;
  const QString standardBeschreibung_;
  const AdressdateiMeldungen meldungen_;
  bool utf8_ = false;
  QString block_;          // holds the block while lines are decoded into it
  QChar* frei_ = nullptr;  // where the next line goes, and the block's end
  QChar* blockEnde_ = nullptr;
  // Keeps a U+FEFF at a line's start, which QString::fromUtf8 would drop.
  QStringDecoder utf8Dekoder_{QStringConverter::Utf8, QStringConverter::Flag::ConvertInitialBom};
  bool anfangOffen_ = false;  // UTF-8: the file's first three bytes (a byte-order mark?) are still awaited
  QByteArray anfang_;
  QByteArray rest_;         // the bytes of a line begun in an earlier piece
  bool crZuletzt_ = false;  // the last piece ended with a CR: a LF at the next one's start belongs to it
  bool ersteZeile_ = true;
  bool voll_ = false;
};

// The same for a file given as pieces in order (AdressdateiArt and AdressdateiLeser over them): the same
// result, wherever the pieces are cut.
AdressdateiInhalt AdressdateiStueckweiseZerlegen(const QList<QByteArrayView>& stuecke,
                                                 const QString& standardBeschreibung,
                                                 const AdressdateiMeldungen& meldungen = {},
                                                 std::optional<Codec::Kodierung> bekannt = std::nullopt);

// Whether a line read from a file (after the header test and the blank put before a leading TAB) is
// dropped: empty, or fields 0 to 14 empty while fields 17 to 22 hold nothing either.
bool DatensatzZeileVerwerfen(const QString& zeile);

// The header line to write: text (the setting FirstDataLine when set, else the description) with
// ".." put in front unless it begins with "..". The caller has already turned "^t" into TAB. A bare ".."
// would leave the description empty, and a reader that then takes the next line as a header as well
// would drop the first record: ".." followed by ersatz (the file's standard description) is written
// instead.
QString KopfzeileBilden(const QString& text, const QString& ersatz);

// The bytes of the file: the header line and every record line, each ended by CR LF. A CR or LF inside
// a record line is written as "°°" and inside the header as a blank, so that no line can break apart.
QByteArray AdressdateiBauen(const QString& kopfzeile, const QStringList& datensaetze,
                            Codec::Kodierung kodierung = Codec::Kodierung::Windows1252, bool mitBom = false);
// The size of the pieces a save writes: small enough to stay in the cache between encoding and writing.
constexpr qsizetype kAdressdateiStueck = 256 * 1024;
// The same bytes piece by piece through one buffer that the caller keeps (it grows where a line needs it):
// ausgabe gets each piece in order, about stueck bytes (more where one line alone is longer, or where
// UTF-8 makes a line longer than its characters), and every piece ends with a whole line. false when ausgabe refused a
// piece (nothing after it is encoded).
bool AdressdateiSchreiben(const QString& kopfzeile, const QStringList& datensaetze, Codec::Kodierung kodierung,
                          bool mitBom, QByteArray& puffer, qsizetype stueck,
                          const std::function<bool(QByteArrayView)>& ausgabe);
// The record lines alone, each ended by CR LF as in AdressdateiBauen: what is appended to an existing file.
QByteArray DatensatzzeilenBauen(const QStringList& datensaetze, Codec::Kodierung kodierung);
