#pragma once
// Windows reopen where the user left them. Size, place and window state are kept in the program's
// section of Zedured.ini under "Form_Höhe", "Form_Weite", "Form_Links", "Form_Oben" and "Form_State",
// each followed by the caller's suffix, in twips; a restored window always fits on its screen.
#include "platform/kit/Form.h"

#include <QString>

// The main window: bounds the remembered size to the screen, centres a place that does not fit,
// maximises it when the size is the whole screen.
void HauptfensterPositionLaden(const QString& suffix);
// Any window: as above, but a place that does not fit is pushed to the screen's edge, a window of fixed
// size keeps its size, and the remembered window state is restored where the window allows it.
void FormPositionLaden(vb::FormBase& fenster, const QString& suffix);
// Writes the window's height, width, left, top and window state.
void FormPositionSpeichern(vb::FormBase& fenster, const QString& suffix);
