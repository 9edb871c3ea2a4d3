#pragma once
// The main window's menu of the family's programs.

// Hides the entry of Main.mnuPrg that is this program itself.
void PrgMenuePruefen();
