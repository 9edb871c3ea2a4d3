#pragma once
// The check of the machine's regional settings while the main window loads.
#include <QString>

// Builds the warning when the machine's number or date conventions are not the German ones. With flag not
// 0 the question is added and the warning is shown (unless Zedured.ini [Allgemein] LänderHinweis is 0;
// the answer No writes 0 there). Returns the text with CR LF line breaks, "" when the settings fit.
QString LaenderPruefen(int flag);
