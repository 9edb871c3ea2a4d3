#pragma once
// The facts of this installation that the about box lists, and their lines.
#include "common/Fehlerbericht.h"

#include <QDate>
#include <QString>
#include <optional>

struct InstallationsFakten {
  QString benutzer;     // "" leaves the user line out
  QString datenOrdner;  // "" names the program folder instead
  QString programmOrdner;
  QString modulPaket;  // Zedured.ini [Allgemein] ModulPaket32, "?" when missing
  VersionNummern version;
  std::optional<QDate> freigabe;  // the program file's last change; none leaves the line out
};

// Gathers the facts: the user name, the folders, the module package and the program file's date.
InstallationsFakten InstallationsFaktenSammeln();
// The about box's caption: "Infos über Kartulon · Version 7.02.0015".
QString InfoUeberschrift(const VersionNummern& v);
// The lines, separated by CR LF, the last one without a line break. The folder keeps its case: another
// case would name another folder.
QString InstallationsText(const InstallationsFakten& f);
