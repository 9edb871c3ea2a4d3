// The settings command: the dialog writes its switches and puts fonts and colour on the field boxes;
// what follows it makes all of them take effect at once.
#include "mainwindow/Dialogbefehl.h"
#include "mainwindow/Main.h"
#include "mainwindow/Setup.h"

void Main::mnuSetup_Click() {
  DialogBefehl<Setup>({.danach = [this] { NachEinstellungen(); }});
}
