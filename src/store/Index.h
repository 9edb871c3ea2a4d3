#pragma once
// The running index of the records: one counter for all address files, kept in Kartulon.Ini
// [Allgemein] AdressIndex and in Zedured.ini; the larger of the two counts.

// Reserves `schritt` numbers and returns the next free index (1 to 999,999,999); with step 1 the
// caller's record gets the result minus 1, with step 0 nothing is reserved. Never fails: a stored value
// that is not a number counts as 0.
int NeuerIndex(int schritt);
