#pragma once
// Locking a window's controls while a step runs.
class QWidget;

// aktiv 0 disables every control of the active window (timers and menu items included) except those whose
// property "Tag" is exactly "NoDisable"; any other value enables them again, each as it was before the
// lock (a control that was not locked is enabled).
void FormularSperren(int aktiv);
void FormularSperren(QWidget* fenster, int aktiv);
