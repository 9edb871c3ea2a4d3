#pragma once
// Help topics, waiting while the program stays responsive, and locking a window's controls.
#include <QString>

class QWidget;

// Shows the topic of a help file (see platform/Help.h for where the pages are); when there is none, the
// exclamation sound and "Kann die Hilfe »file«  nicht finden.".
void HilfeZeigen(const QString& hilfeDatei, int thema);

// Waits the seconds (a negative value counts as 0) while events are processed; between events it sleeps.
// Events are processed at least once.
void Warten(float sekunden);

// aktiv 0 disables every control of the active window (timers and menu items included) except those whose
// property "Tag" is exactly "NoDisable"; any other value enables them again, each as it was before the
// lock (a control that was not locked is enabled).
void FormularSperren(int aktiv);
void FormularSperren(QWidget* fenster, int aktiv);
