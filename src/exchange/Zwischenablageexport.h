#pragma once
// The address to the clipboard through a mask: which mask the dialog starts with and what it remembers.
#include <QString>
#include <QStringList>

// The entry the dialog starts with: the last name equal to the remembered one in any mix of case (a
// folder may hold "Anschrift.msk" and "anschrift.msk"), else the first; -1 for no names.
int ZaMaskeFinden(const QStringList& namen, const QString& gemerkt);
