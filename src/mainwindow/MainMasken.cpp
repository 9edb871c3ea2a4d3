// The main window's printing commands that open a dialog: the mask editor and the list print.
#include "mainwindow/Dialogbefehl.h"
#include "mainwindow/Main.h"
#include "printing/formen/Listendruck.h"
#include "printing/formen/MaskenEdit.h"

void Main::mnuMaskenEdit_Click() { DialogBefehl<MaskenEdit>(); }

void Main::PulListe_Click() { DialogBefehl<Listendruck>(); }
