#include "common/Global.h"

QString AktuelleDatei;
QString DatenOrdner;
QString MaskenOrdner;
QString IniDatei;
QString Feldtrenner = QStringLiteral("\t");
QString DateiBeschreibung;
int Geaendert = 0;
int NurLesen = 0;
QString AktuellerDatensatz;
int TimeOutSekunden = 0;
float LeerlaufSekunden = 0;
QString ReservierteDatei;
short FeldIndex = 0;
short FeldFokus = 0;
QString KatalogStdLand = QStringLiteral("D-");
int OrtAusPlz = 0;
QString PresetName;
std::array<QString, 24> DatenFeld;
QString Befehlszeile;
std::array<QString, 100> Token;
int TokenAnzahl = 0;
QString ProgrammVersion = QStringLiteral(KARTULON_VERSION_TEXT);
float ProgrammVersionZahl = QStringLiteral(KARTULON_VERSION_TEXT).toFloat();
int EntwicklungsStatus = 0;

void GlobaleZuruecksetzen() {
  AktuelleDatei.clear();
  DatenOrdner.clear();
  MaskenOrdner.clear();
  IniDatei.clear();
  Feldtrenner = QStringLiteral("\t");
  DateiBeschreibung.clear();
  Geaendert = 0;
  NurLesen = 0;
  AktuellerDatensatz.clear();
  TimeOutSekunden = 0;
  LeerlaufSekunden = 0;
  ReservierteDatei.clear();
  FeldIndex = 0;
  FeldFokus = 0;
  KatalogStdLand = QStringLiteral("D-");
  OrtAusPlz = 0;
  PresetName.clear();
  DatenFeld.fill(QString());
  Befehlszeile.clear();
  Token.fill(QString());
  TokenAnzahl = 0;
  ProgrammVersion = QStringLiteral(KARTULON_VERSION_TEXT);
  ProgrammVersionZahl = QStringLiteral(KARTULON_VERSION_TEXT).toFloat();
  EntwicklungsStatus = 0;
}
