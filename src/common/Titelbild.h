#pragma once
// What the start-up window and the about box draw, as plain rules: the picture of the day, the size and
// place of the large title, its colours, and the texts with the version.
#include "common/Fehlerbericht.h"

#include <QDate>
#include <QString>

// The holiday picture for a day: 0 Christmas tree, 1 stocking, 2 green tree, 3 sun, 4 umbrella,
// 5 snowman, 6 candle, 7 champagne, 8 face with a top hat; -1 for an ordinary day.
int FeiertagsBild(const QDate& tag);

// "Kartulon 7": the title drawn large.
QString TitelText(int major);
// "Version 32-Bit 7.02.0015"
QString VersionsZeile(const VersionNummern& v);
// The loading text of the start-up window: "Lade Programm Version 32-Bit 7.02.0015".
QString LadeText(const VersionNummern& v);

// The title's font size: it fills the outer width less the margin, from the size that gave the
// measured width, and stays at or below the cap.
double TitelSchriftGroesse(double aussenBreite, double rand, double groesse, double textBreite, double obergrenze);

// The title's colours as the runtime's colour numbers (&H00BBGGRR): the shadow and the face; displays
// with more than 256 colours get the warm orange face over a dark grey shadow, others pure red over grey.
long TitelSchatten(double farbAnzahl);
long TitelFlaeche(double farbAnzahl);
