#include "common/Global.h"

ProgrammZustand& programmZustand() {
  static ProgrammZustand z;
  return z;
}

// The program-wide names, each a reference into the one state.
QString& AktuelleDatei = programmZustand().AktuelleDatei;
QString& DatenOrdner = programmZustand().DatenOrdner;
QString& MaskenOrdner = programmZustand().MaskenOrdner;
QString& IniDatei = programmZustand().IniDatei;
QString& Feldtrenner = programmZustand().Feldtrenner;
QString& DateiBeschreibung = programmZustand().DateiBeschreibung;
int& Geaendert = programmZustand().Geaendert;
int& NurLesen = programmZustand().NurLesen;
QString& AktuellerDatensatz = programmZustand().AktuellerDatensatz;
float& TimeOutSekunden = programmZustand().TimeOutSekunden;
float& LeerlaufSekunden = programmZustand().LeerlaufSekunden;
QString& ReservierteDatei = programmZustand().ReservierteDatei;
short& FeldIndex = programmZustand().FeldIndex;
short& FeldFokus = programmZustand().FeldFokus;
QString& KatalogStdLand = programmZustand().KatalogStdLand;
int& OrtAusPlz = programmZustand().OrtAusPlz;
short& AutoFormatUCase = programmZustand().AutoFormatUCase;
short& AutoFormatTrim = programmZustand().AutoFormatTrim;
short& MausFeldIndex = programmZustand().MausFeldIndex;
QString& VorlagenIni = programmZustand().VorlagenIni;
QString& TkAnlageIni = programmZustand().TkAnlageIni;
QString& AdrIniDatei = programmZustand().AdrIniDatei;
QString& HilfeDatei = programmZustand().HilfeDatei;
QString& PresetName = programmZustand().PresetName;
std::array<QString, 24>& DatenFeld = programmZustand().DatenFeld;
QString& Befehlszeile = programmZustand().Befehlszeile;
std::array<QString, 100>& Token = programmZustand().Token;
int& TokenAnzahl = programmZustand().TokenAnzahl;
QString& ProgrammVersion = programmZustand().ProgrammVersion;
float& ProgrammVersionZahl = programmZustand().ProgrammVersionZahl;
int& EntwicklungsStatus = programmZustand().EntwicklungsStatus;
QString& AuswertenHeute = programmZustand().AuswertenHeute;

void GlobaleZuruecksetzen() { programmZustand() = ProgrammZustand(); }
