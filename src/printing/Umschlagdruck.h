#pragma once
// The envelope: its sizes, the print of sender, logo and address in the envelope's own frame, the
// envelope log, and the address that shows through a window envelope.
#include "platform/dienste/FontObject.h"

#include <QDateTime>
#include <QString>
#include <QStringList>

// The eight sizes as the size list shows them; each text holds the width in characters 1 to 4 and the
// height in characters 8 to 11, in cm, and those numbers are what the print reads.
QStringList UmschlagFormate();
// Width and height in cm read from a size text (0 where it holds no number).
struct Umschlagmass {
  double breite = 0, hoehe = 0;
};
Umschlagmass UmschlagMass(const QString& format);

struct Umschlagauftrag {
  QString format;     // a text of UmschlagFormate
  QString absender;   // the sender text
  QString anschrift;  // the address text
  int randX = 0;      // left margin in mm
  int randY = 0;      // top margin in mm
  bool quer = false;  // landscape
  bool logo = false;
};

// Prints one envelope as one job of one page on vb::Printer(): the sender in its font and colour in the
// upper left (half the width, 0.8 of the height), the logo below it when asked, and the address in
// black in the lower right. The margins move the envelope's frame on the page; in landscape the
// envelope lies at the bottom of the printable area. What does not fit a box is left out. true when
// the job went to the printer; false when an error ended it (reported once, the job discarded).
bool UmschlagDrucken(const Umschlagauftrag& auftrag, const vb::FontObject& absenderSchrift,
                     const vb::FontObject& anschriftSchrift);

// The log entry of one envelope: an empty line, then "Am", "Anschrift", "Absender" and "User", each
// padded to ten characters and followed by its value, every line ended by CR LF. Within the values a CR
// becomes " ~ ", an LF is dropped and a middle dot starts a new line.
QString UmschlagLogEintrag(const QDateTime& jetzt, const QString& anschrift, const QString& absender,
                           const QString& benutzer);

// The address that shows through a window envelope, on the sheet in the printer without margins: the
// sender line in Arial 8 underlined from (2, 4.9) to the right edge 10, the address in Arial 14 from
// (2, 5.5) to the right edge 8.5, and the fold mark from (0, 9.9) to (0.2, 9.9), in cm. Both texts run
// down the page as far as they need. true when printed; false when an error ended it (reported once,
// the job discarded).
bool UmschlagsfensterDrucken(const QString& absenderzeile, const QString& anschrift);
