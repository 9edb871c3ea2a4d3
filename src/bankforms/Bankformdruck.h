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
// - posten:    the items in order: font changes, colours, texts, lines. Every text ends with a line end.
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
  enum Art { Schrift, Farbe, Text, Zeile, Linie };
  Art art = Text;
  double x = 0, y = 0;    // Text: its top-left corner; Zeile: its x, one line below the text before
  double x2 = 0, y2 = 0;  // Linie: from (x, y) to (x2, y2)
  QString inhalt;         // Text, Zeile
  double punkte = 0;      // Schrift: size
  bool fett = false, kursiv = false;
  long farbe = 0;  // Farbe, Linie: the colour number (&H00BBGGRR)

  static Posten schrift(double punkte, bool fett, bool kursiv = false);
  static Posten vordergrund(long farbe);
  static Posten text(double x, double y, const QString& text);
  static Posten zeile(double x, const QString& text);
  static Posten linie(double x1, double y1, double x2, double y2, long farbe = 0);
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
// and its page went to the printer.
bool SeiteDrucken(vb::PrinterObject& drucker, const Auftrag& auftrag, int randX, int randY,
                  const std::function<int(QImage& bild)>& bild);

}  // namespace Bankformdruck
