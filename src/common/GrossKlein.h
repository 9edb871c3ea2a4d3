#pragma once
// Proper case for names and words. Both put the small words (und, von, der, ... and those the user lists
// in Zedured.ini [Kartulon] ImmerKlein) back into lower case inside the text.
#include <QString>

// Each word start upper case, every other letter lower case: "hans-peter VON DER heide" gives
// "Hans-Peter von der Heide".
QString GrossKlein(const QString& text);
// Word starts upper case, the other letters as they are: "mcDonald" gives "McDonald".
QString WortAnfaengeGross(const QString& text);
