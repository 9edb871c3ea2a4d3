#pragma once
// The frame of every bank-form print around what the print gives (bankforms/Bankformdruck.h: job name,
// caption, origin mode, picture and its position, font, items):
//  1. the print-options dialog is unloaded and loaded afresh for the job (PresetName = the job name), with
//     the job's caption, the copies list and the orientation locked, and shown modally;
//  2. a cancel there ends the print: nothing reaches the printer and the dialog is unloaded; when the system
//     has no printer the dialog does not open (the user is told so) and the print ends as after an error
//     report answered with cancel;
//  3. with the hourglass pointer the page is printed at the chosen margins, the picture first (loaded
//     from its file into the bank-form dialog's image holder), and the job ended as one page: the
//     printer's rule that starts a new page for a text below the printable area is off meanwhile;
//  4. the dialog is unloaded when the print asks for it, or when the print stopped on an error (so the
//     next print never lands in the same job), and the default pointer comes back.
#include "bankforms/Bankformdruck.h"

namespace vb {
class Image;
}

// True when a page was printed. antwort, when given, gets the answer to the last error report (0: none).
bool BankformDrucken(const Bankformdruck::Auftrag& auftrag, vb::Image* bildHalter, int* antwort = nullptr);
