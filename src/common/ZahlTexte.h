#pragma once
// Numbers as German texts for messages, lists and exports: weekday and month names, durations, days
// relative to today, quantities with a metric prefix, and numbers in a fixed width.
#include <QString>

// The entry of a list, counting from 1: kind "wt" weekdays (1 = Sonntag), "wt2" their two-letter
// forms, "mo" months, "mo3" their three-letter forms; the kind's case does not matter, any other kind
// gives "". A number outside the list is set to the list's fallback entry (8 or 13), also for the caller.
QString DatumName(int& nummer, const QString& art);
QString DatumName(int&& nummer, const QString& art);

// "1 Sekunde", "45 Sekunden", "1,5 Minuten", ..., "2,0 Jahren" (the forms that follow "seit"). The
// caller's seconds become their rounded absolute value.
QString DauerText(double& sekunden);
QString DauerText(double&& sekunden);

// "vorgestern" ... "übermorgen", "in 5 Tagen", "vor 5,7 Wochen", "in 6,6 Monaten", "in 1,2 Jahren"; the
// limits for weeks, months and years come from Zedured.ini [Skalierung].
QString TageText(double tage);

// "2,5 k", "1,0 M", ... for 1000 and more (base 1000), "0,050 " ... "5,0 " ... "42 " below; the caller
// appends the unit. The caller's quantity becomes its absolute value.
QString GroesseText(double& menge);
QString GroesseText(double&& menge);

// The number in the pattern's width with its leading zeros blanked:
// 42 with "0000" gives "  42". A text is read with "," as well as "." as its decimal point.
QString ZahlKuerzen(double zahl, const QString& muster);
QString ZahlKuerzen(const QString& zahl, const QString& muster);
