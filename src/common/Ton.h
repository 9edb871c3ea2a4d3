#pragma once
// Sounds before messages: a built-in name ("#SystemHand", "#SystemQuestion", ...), the name of an
// entry of the sound settings, or a wave file.
#include <QString>

// The caller's text may be changed (emptied for a built-in name, replaced by the file found for
// another "#" name).
void TonAusgeben(QString& ton);
void TonAusgeben(const char16_t* ton);
