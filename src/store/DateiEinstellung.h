#pragma once
// Settings of the open address file: Kartulon.Ini, the section named after the file (name and extension).
#include "platform/vb/Codec.h"

#include <QString>
#include <optional>

// The value of the key in the open file's section, "" when it is absent.
QString DateiEinstellung(const QString& key);

// The per-file key that keeps the encoding the file was last written with ("UTF-8" or "Windows-1252"),
// set only when the bytes alone would be read otherwise.
inline const QString kZeichensatzSchluessel = QStringLiteral("Zeichensatz");
QString KodierungsName(Codec::Kodierung kodierung);
// The encoding a stored name stands for; none for an empty or unknown name.
std::optional<Codec::Kodierung> GespeicherteKodierung(const QString& name);
