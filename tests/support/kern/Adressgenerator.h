#pragma once
// The project's address generator (tools/adressen.py), run by tests and benchmarks that need many
// realistic addresses.
#include <QString>

// Writes anzahl generated addresses to pfad (the same seed gives the same bytes). Returns "" when the
// file is written, else why not (python3 missing, or what the generator said), for the caller to fail with.
QString AdressenErzeugen(int anzahl, const QString& pfad, int seed = 1);
