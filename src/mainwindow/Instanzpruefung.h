#pragma once
// One running copy only.

// Returns when this copy may run. When another copy runs for the same user and program folder (and
// Zurirada.ini [Allgemein] NoInstanceWatch is not 1), that copy comes to the front and this one ends here.
void InstanzPruefen();
