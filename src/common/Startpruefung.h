#pragma once
// The checks while the main window loads: the machine's regional settings, and one running copy only.
#include <QString>

// Builds the warning when the machine's number or date conventions are not the German ones. With flag not
// 0 the question is added and the warning is shown (unless Zedured.ini [Allgemein] LänderHinweis is 0;
// the answer No writes 0 there). Returns the text with CR LF line breaks, "" when the settings fit.
QString LaenderPruefen(int flag);

// Returns when this copy may run. When another copy runs for the same user and program folder (and
// Zurirada.ini [Allgemein] NoInstanceWatch is not 1), that copy comes to the front and this one ends here.
void InstanzPruefen();
