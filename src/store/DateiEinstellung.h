#pragma once
// Settings of the open address file: Kartulon.Ini, the section named after the file (name and extension).
#include <QString>

// The value of the key in the open file's section, "" when it is absent.
QString DateiEinstellung(const QString& key);
