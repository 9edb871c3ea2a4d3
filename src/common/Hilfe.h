#pragma once
// Help topics, and waiting while the program stays responsive.
#include <QString>

// Shows the topic of a help file (see platform/Help.h for where the pages are); when there is none, the
// exclamation sound and "Kann die Hilfe »file«  nicht finden.".
void HilfeZeigen(const QString& hilfeDatei, int thema);

// Waits the seconds (a negative value counts as 0) while events are processed; between events it sleeps.
// Events are processed at least once.
void Warten(float sekunden);
