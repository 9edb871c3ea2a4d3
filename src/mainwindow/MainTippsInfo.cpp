// The help menu's dialogs: the tip of the day and the about box.
#include "mainwindow/Dialogbefehl.h"
#include "mainwindow/Info.h"
#include "mainwindow/Main.h"
#include "mainwindow/Tips.h"

void Main::mnuTips_Click() { DialogBefehl<Tips>(); }

void Main::PulInfo_Click() { DialogBefehl<Info>(); }
