#pragma once
// Printing the chosen addresses through a mask: each address is the mask filled in and printed as one
// word-wrapped block, blocks follow one another down the page, every page carries the footer and is a
// print job of its own, with a title line and a page number where asked, in as many copies as asked.
#include "platform/dienste/FontObject.h"
#include "store/Maske.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <functional>

struct Listendruckauftrag {
  QStringList zeilen;    // every record line of the list
  QList<int> gewaehlt;   // the selected ones, ascending
  QString maske;         // the mask's name
  QString ueberschrift;  // the title
  bool seiteProAdresse = false;
  bool seitenBestaetigen = false;
  int randX = 0;  // left margin in mm
  int randY = 0;  // top margin in mm
  int kopien = 1;
  Bezeichnungen bezeichnungen;
  // Gets 100 * i / (lines - 1) for line i whenever that changes (only for more than one line).
  std::function<void(int prozent)> fortschritt;
};

// The run's state as the dialog keeps it: the page counter, and 1 once the user stopped at a page
// confirmation.
struct Listendruckstand {
  qint32 SeitenNummer = 0;
  qint16 DruckAbbrechen = 0;
};

// The text of a filled mask as it is printed: the gaps that empty fields leave in a list of fields
// separated by commas are closed (",  " and ", , " become ", ", nine times over).
QString KommasVerdichten(QString text);

// Prints on vb::Printer(). traeger carries the print font: the mask's font from Masken.Ini (else the one
// it carries) is put on it for each copy, and every page start copies it to the printer. An address is
// never cut at a page end: a block that does not fit below the addresses of a page starts the next one,
// and only a block taller than a page runs on over the following pages. Abbrechen at a page confirmation
// still prints the address whose page was begun, ends that page and stops the whole run.
// true when the run went to its end; false when an error ended it (reported once, the open job
// discarded).
bool ListeDrucken(const Listendruckauftrag& auftrag, vb::FontTarget traeger, Listendruckstand& stand);
