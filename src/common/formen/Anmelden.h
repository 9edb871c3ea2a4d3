#pragma once
// Registers the window back ends of the core's services: the kit's message boxes, common dialogs, bell
// and printer, and the pick list for a choice among entries. The program and every window test call it
// once at start.
void FensterDiensteAnmelden();
