#pragma once
// A settings file read as plain lines, the way the key editor lists it: section headers and key lines
// (see IniZeilen.cpp for the rules), without the keys that hold passwords or usage statistics.
#include <QString>
#include <QStringList>
#include <optional>

// The name of a section header line ("[Name]": the first "[" is the first character and the first "]"
// the last), nothing for any other line.
std::optional<QString> IniAbschnittsName(const QString& zeile);
// A key line that the list leaves out: its text contains "kennwort" or "stat_", ignoring case.
bool IniZeileVerborgen(const QString& zeile);
// The section names of the file in file order; nothing when the file cannot be read.
std::optional<QStringList> IniAbschnitte(const QString& pfad);
// The keys of the section (its name compared ignoring case) in file order, the hidden ones left out.
QStringList IniSchluesselListe(const QString& pfad, const QString& abschnitt);
