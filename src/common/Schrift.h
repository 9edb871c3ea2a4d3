#pragma once
// Font descriptions: the font and text colour of a control or the printer as one text, the way the INI
// files keep them: FontName;FontSize;FontBold;FontItalic;FontUnderline;ForeColor; (for example
// "Arial;10;-1;0;0;0;").
#include "platform/dienste/FontObject.h"

#include <QString>

// The description of the object's font and colour. It always has all six fields; a property the object
// lacks leaves its field empty, so that a later read takes every field from its place.
QString SchriftAlsText(vb::FontTarget objekt);

// Applies a description to the object: the font parts (name unless empty, size, bold, italic,
// underline) when the lower-cased choice is empty or contains "schr", "alle" or "print"; the colour when
// it is empty or contains "farb" or "alle". Empty fields, and values the object refuses, leave their
// property as it was. The description is consumed (afterwards it holds what followed the sixth field and
// the ten ";" added to it), and the choice is lower-cased, both in the caller's variables.
void SchriftSetzen(vb::FontTarget objekt, QString& beschreibung, QString& was);
void SchriftSetzen(vb::FontTarget objekt, QString& beschreibung, const QString& was = QStringLiteral("Alles"));
void SchriftSetzen(vb::FontTarget objekt, const QString& beschreibung, const QString& was = QStringLiteral("Alles"));
