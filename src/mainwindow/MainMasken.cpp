// The main window's command that opens the mask editor.
#include "mainwindow/Dialogbefehl.h"
#include "mainwindow/Main.h"
#include "printing/formen/MaskenEdit.h"

void Main::mnuMaskenEdit_Click() { DialogBefehl<MaskenEdit>(); }
