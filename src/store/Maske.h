#pragma once
// Filling a print mask with a record: the mask text with every placeholder replaced by the record's
// values. The one place of the mask text language.
#include <QString>
#include <array>

// The filled text never grows past this many characters (see Maske.cpp).
constexpr qsizetype kMaskeHoechstens = 1000000;

// The 24 field captions as the window shows them; a placeholder names a field by its caption.
using Bezeichnungen = std::array<QString, 24>;

// mask: the mask name, with or without ".msk", with or without a folder (looked for as named, then in
// the mask folder); line: a record line. Returns the filled text, or "" when the mask file is missing.
QString MaskeFuellen(const QString& maske, const QString& zeile, const Bezeichnungen& bezeichnungen);
// The same in two steps, for a caller that fills one mask with many records: the mask's text as read
// (each line followed by CR LF; "" when the file is missing), and that text filled with a record.
QString MaskeLaden(const QString& maske);
QString MaskentextFuellen(QString text, const QString& zeile, const Bezeichnungen& bezeichnungen);
