#pragma once
// The short-dial memory of a telephone system from the records marked with an "S" in field 9: an export
// file of the system's own head, record and foot lines, and a short-dial list for printing, one line
// per memory place under section headings, with footers. Everything about the system stands in
// Export_Tk-Anlage.ini (`TkAnlageIni`), which this never writes.
//
// The menu command around it: the walk frame (hourglass, status "Export des Tk-Anlagen-Kurzwahlspeichers...",
// the progress bar moved for about one reported record in ten, "Bereit") around the call, then:
// Abgewiesen shows `meldung` with the exclamation icon and `titel`; Geschrieben shows nothing (the list
// is already open in the text editor); Fehlgeschlagen was reported already.
#include "datatools/Exportdatei.h"

#include <QString>
#include <QStringList>
#include <array>

struct TkAnlageEinstellungen {
  QString anlage;                 // [Allgemein] Tk-Anlage
  QString exportDatei;            // [Export] Datei
  QString include;                // [Export] DateiInclude
  QString kopf, datensatz, fuss;  // [Export] TextKopf, Datensatz, TextFuss
  QString listeDatei;             // [InfoText] Datei
  int rand = 10;                  // [InfoText] LinkerRand, whole blanks, never below 0
  QString telInfo, faxInfo, mobInfo;
  std::array<QString, 9> fusszeilen;                // [InfoText] Fusszeile1 ... Fusszeile9
  int telOffset = 0, mobOffset = 0, faxOffset = 0;  // [Speicher]
};

QString TkAnlageTitel();
TkAnlageEinstellungen TkAnlageEinstellungenLesen(const QString& tkAnlageIni);

struct TkAnlageTexte {
  QString exportText;
  QString listeText;
};
// Both files' texts with CR LF line ends (the include file read as it stands now).
TkAnlageTexte TkAnlageTexteBauen(const QStringList& zeilen, const TkAnlageEinstellungen& e,
                                 const Satzfortschritt& fortschritt = {});

// The whole export: refused without [Export] Datei or [InfoText] Datei, or with the open address file as
// a target; otherwise both files written and the list opened in the text editor (Z_DOS).
Exportergebnis TkAnlageExportieren(const QStringList& zeilen, const QString& tkAnlageIni,
                                   const Satzfortschritt& fortschritt = {});
