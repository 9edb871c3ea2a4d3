#pragma once
// The bank-form prints as data, and the part of their common frame that works on the printer.
//
// Every bank-form print (the transfer order classic and on the sheet, the direct debit, the cash on
// delivery card) hands the frame one Auftrag and nothing else:
// - job:       the print job's name; also the section of its preset in DuroVar.ini (PresetName);
// - titel:     the caption of the print-options dialog;
// - ursprung:  Verschoben, the scale itself is shifted by the margins, so (0, 0) lies RandX mm right of
//              and RandY mm below the printable corner; Einfach, the scale starts at the printable
//              corner and the frame adds RandX / 10 and RandY / 10 to every x and y of the items and of
//              the picture;
// - schrift:   the font of the items (the bank-form dialog's font list); "Courier New" is set first;
// - bild:      the picture of the blank form ("" for none), painted 15 x 20 cm with its top-left corner
//              at (bildX, bildY) before any text;
// - dialogEntladen: whether the print-options dialog is unloaded after the page (else the next print
//              unloads it);
// - stumm:     a font or picture that cannot be set is skipped without a report (a printer error is
//              still reported);
// - anfang:    whether a blank of 1 point starts the page before the font is set (a print that starts
//              with its first item leaves it out);
// - posten:    the items in order: font changes, colours, texts, lines, word-wrapped boxes, and a font
//              size that fits given texts into given widths. A text ends with a line end unless it says
//              otherwise.
// Positions are centimetres. The frame itself is BankformDrucken (bankforms/formen/Druckrahmen.h); this
// part puts the page on the printer once the print options are confirmed.
#include "platform/dienste/Printer.h"

#include <QImage>
#include <QList>
#include <QString>
#include <functional>

namespace Bankformdruck {

enum class Ursprung { Verschoben, Einfach };

struct Posten {
  enum Art { Schrift, Farbe, Text, Zeile, Linie, SchriftName, Rahmen, Passend, Logo };
  Art art = Text;
  double x = 0, y = 0;     // Text: its top-left corner; Zeile: its x, one line below the text before
  double x2 = 0, y2 = 0;   // Linie: from (x, y) to (x2, y2); Rahmen: right and bottom (negative: the page's)
  QString inhalt{};        // Text, Zeile, Rahmen; SchriftName: the font's name
  bool zeilenende = true;  // Text, Zeile: the position moves to the next line after the text
  double punkte = 0;       // Schrift: size
  bool fett = false, kursiv = false;
  long farbe = 0;  // Farbe, Linie: the colour number (&H00BBGGRR)
  // Passend: the size goes down from punkte by 1 point, to bis at the least, until every text is at most
  // as wide as its width in centimetres.
  double bis = 0;
  QList<QPair<QString, double>> breiten{};

  static Posten schrift(double punkte, bool fett, bool kursiv = false);
  static Posten vordergrund(long farbe);
  static Posten text(double x, double y, const QString& text, bool zeilenende = true);
  static Posten zeile(double x, const QString& text, bool zeilenende = true);
  static Posten name(const QString& schrift);
  static Posten rahmen(const QString& text, double links, double oben, double rechts, double unten);
  static Posten passend(double von, double bis, const QList<QPair<QString, double>>& breiten);
  static Posten linie(double x1, double y1, double x2, double y2, long farbe = 0);
  // Logo: the logo block at x, y centimetres below where the last line end left the position, its sizes
  // times punkte; it leaves Arial 10, not bold, black.
  static Posten logo(double x, double abstand, double faktor);
  bool operator==(const Posten&) const = default;
};

struct Auftrag {
  QString job;
  QString titel;
  Ursprung ursprung = Ursprung::Verschoben;
  QString schrift;
  QString bild;
  double bildX = 0, bildY = 0;
  bool dialogEntladen = false;
  bool stumm = false;
  bool anfang = true;
  QList<Posten> posten;
};

constexpr double kBildBreite = 15;
constexpr double kBildHoehe = 20;
// The text of every error report of a bank-form print.
QString Fehlertext();

// The page: scale in centimetres and the origin, a blank of 1 point that starts the job, the font, the
// picture (bild loads it: 0 and the picture, or the runtime's error number), the items, the end of the
// job. A printer error (482) is reported once and the job is discarded, whatever the answer. Any other
// error (a font the printer lacks, a picture that cannot be loaded) is reported: "continue" goes on with
// the next step (a missing picture is left out), "cancel" discards the job. True when the job was ended
// and its page went to the printer. antwort, when given, gets the answer of the last report (0: none).
bool SeiteDrucken(vb::PrinterObject& drucker, const Auftrag& auftrag, int randX, int randY,
                  const std::function<int(QImage& bild)>& bild, int* antwort = nullptr);

}  // namespace Bankformdruck
