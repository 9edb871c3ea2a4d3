#pragma once
// The runtime semantics that the program's procedures rely on, written once.
#include <QDate>
#include <QString>

namespace vb {

// The leading number of a text: blanks, TABs and line feeds are skipped anywhere, a sign, digits,
// one decimal point "." and an exponent are read; "&H" and "&O" give hex and octal. No number gives 0.
double Val(const QString& text);

// An existing calendar date in one of the forms a German user types: "1.2.1999", "01.02.99",
// "1 2 1999", "1/2/1999", "1-2-99", "1. Februar 1999", "1.2." (this year), "1999-02-01".
// Two-digit years 00-29 are 2000-2029, 30-99 are 1930-1999. An optional time after the date is allowed.
bool IsDate(const QString& text);
// The date of such a text, or an invalid QDate.
QDate CDate(const QString& text);

// "dd.mm.yyyy".
QString DatumText(const QDate& d);

// VB's DateDiff("m", a, b): months between, ignoring days.
int MonateZwischen(const QDate& von, const QDate& bis);

}  // namespace vb
