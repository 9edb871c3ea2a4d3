#pragma once
// What every print run does the same way: putting a font on the printer, and the answer to a failed step.
#include "platform/dienste/FontObject.h"
#include "platform/dienste/Printer.h"

#include <QString>

// The font of the carrier (name, size, bold, italic, underline) and its colour onto the printer;
// strikethrough is off. A font that this machine does not have (a Windows font named in an old settings
// file) is no error: the text prints in Arial at the size and style asked. false when the printer refused
// a value; its number is then in p.Fehler().
bool DruckschriftUebernehmen(vb::PrinterObject& p, const vb::FontObject& traeger);

// A failed step of a print run: reports it once (FehlerMelden with the text) and tells whether the run
// goes on with its next step. A printer error (482) ends the run whatever the answer, and Abbrechen does
// for any error: the open job is then discarded, so that the next print starts on a fresh page.
bool DruckfehlerMelden(vb::PrinterObject& p, int nummer, const QString& text);
