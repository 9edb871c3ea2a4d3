#pragma once
// The family's web site, the advertising help, occasional questions and the family's other programs.
#include <QString>

// The site of the program family and the page keys of the main window's menus.
inline const QString kFamilienSeite = QStringLiteral("https://www.sorveks.de/");
inline const QString kSeiteHomepage = QStringLiteral("HomePage");
inline const QString kSeiteUpdate = QStringLiteral("KartulonUpdate");

// Opens the page of the key (any case; an unknown key opens the default page) in the web browser, after
// a confirmation that is asked at most once in 60 days.
void InternetSeite(const QString& schluessel);
// The page of a key, relative to the site.
QString InternetSeitePfad(const QString& schluessel);

// Whether the question is due again after the days; keeps its time stamp in Zedured.ini [Fragen]. A
// negative number of days stamps the question that many days back and answers true.
bool FrageFaellig(const QString& frage, short tage);

void WerbungZeigen();
void WerbungInhalt();

// The family's programs: 0 this program, 1 Spindra, 2 Kelvor, 3 Murelkan.
// The program file in the folder its section of Zedured.ini records under "Dir", or "".
QString PrgPfad(short nummer);
// Starts the program from its folder, or says that it is not installed.
void PrgStarten(short nummer);
