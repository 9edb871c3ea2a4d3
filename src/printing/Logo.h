#pragma once
// The program's logo block on the printer page: the word mark in colour, a second word in grey below it
// and a small caption centred under that, starting at the printer's current position.

// Prints the block at CurrentX (its left edge) and CurrentY (the top of its first line), in the
// printer's current scale, its sizes multiplied by faktor. A printer without the logo's font prints the
// two words in Arial bold. Afterwards the position is at the start of the line below the caption and the
// font is Arial 10 * faktor, neither bold nor italic, black: a caller that goes on in that name relies
// on it. Errors pass silently; the block is decoration.
void LogoDrucken(double faktor);

// The three lines of the block (the second with its two leading blanks).
extern const char16_t* const kLogoZeilen[3];
