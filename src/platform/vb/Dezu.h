#pragma once
// The functions of the closed helper library that the program called, written from what its callers
// rely on.
#include <QString>

// How many times the pattern occurs in the text, counted from the left without overlaps; 0 for an
// empty pattern.
int InCount(const QString& text, const QString& muster);
