#pragma once
// The functions of the closed helper library that the program called, written from what its callers
// rely on.
#include <QString>

// How many times the pattern occurs in the text, counted from the left without overlaps; 0 for an
// empty pattern.
int InCount(const QString& text, const QString& muster);

// The text without blanks, TABs, CRs and LFs.
QString Compact(const QString& text);

// For a text that begins with "(": the number of characters from that bracket through its matching ")",
// both included. 0 when the text does not begin with "(" or the bracket is never closed.
int PMatch(const QString& text);

// The Windows-1252 code of the first character; 0 for an empty text.
int ASCII(const QString& text);

// n! as the product 1 * 2 * ... * n in double precision, for n from 0 to 170; 0 for any other n (no
// factorial is 0, so callers can tell).
double Factorial(int n);

short MinInt(short a, short b);
short MaxInt(short a, short b);

// The 1-based position of the last occurrence of the search text that begins at or before the start
// position, searching backwards; a start beyond the text counts from its end. 0 when there is none, for
// a start below 1 and for an empty search text.
int QInstrB(int start, const QString& text, const QString& such);

// A date written as month, day and four-digit year separated by "-" ("03-05-1999") as a whole day number
// counted from 30.12.1899 (that day is 0, 5 March 1999 is 36224). 0 for a text that is no such date.
int Date2Num(const QString& datum);
