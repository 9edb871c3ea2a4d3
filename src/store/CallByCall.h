#pragma once
// Call-by-call prefixes: the tariff zone of a telephone number from its longest listed leading digits
// (CallByCall.ini [TeleNr]) and the dial prefix set for that zone ([CallByCall]).
#include <QString>

// modus 1: the zone's name; 2: " [" + name + "]"; anything else: the zone's dial prefix. "" when the
// function is switched off ([Allgemein] aktiviert = 0), no zone matches or the zone has no prefix.
QString CallByCallVorwahl(const QString& nummer, unsigned char modus);
