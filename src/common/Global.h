#pragma once
// The program-wide variables: one state with every default written once; the variables keep their
// names as references into it, and a test resets them all by assigning a fresh state.
#include <QString>
#include <array>

struct ProgrammZustand {
  QString AktuelleDatei{};
  QString DatenOrdner{};
  QString MaskenOrdner{};
  QString IniDatei{};
  QString Feldtrenner = QStringLiteral("\t");
  QString DateiBeschreibung{};
  int Geaendert = 0;
  int NurLesen = 0;
  QString AktuellerDatensatz{};
  float TimeOutSekunden = 0;
  float LeerlaufSekunden = 0;
  QString ReservierteDatei{};
  short FeldIndex = 0;
  short FeldFokus = 0;
  QString KatalogStdLand = QStringLiteral("D-");
  int OrtAusPlz = 0;
  short AutoFormatUCase = 0;
  short AutoFormatTrim = 0;
  short MausFeldIndex = -1;
  QString VorlagenIni{};
  QString TkAnlageIni{};
  QString AdrIniDatei{};
  QString HilfeDatei{};
  QString PresetName{};
  std::array<QString, 24> DatenFeld{};
  QString Befehlszeile{};
  std::array<QString, 100> Token{};
  int TokenAnzahl = 0;
  QString ProgrammVersion = QStringLiteral(KARTULON_VERSION_TEXT);
  float ProgrammVersionZahl = QStringLiteral(KARTULON_VERSION_TEXT).toFloat();
  int EntwicklungsStatus = 0;
  QString AuswertenHeute{};
};
ProgrammZustand& programmZustand();

// Paths and the open file.
extern QString& AktuelleDatei;      // full path of the open address file
extern QString& DatenOrdner;        // the data folder, without a trailing "/"
extern QString& MaskenOrdner;       // the mask folder (the data folder)
extern QString& IniDatei;           // the path of Kartulon.Ini in the program folder
extern QString& Feldtrenner;        // the field separator of record lines: one TAB
extern QString& DateiBeschreibung;  // the open file's description line

// State of the open file.
extern int& Geaendert;               // 1 while the record table has unsaved changes
extern int& NurLesen;                // -1 in read-only mode, else 0
extern QString& AktuellerDatensatz;  // the record line as it was when selected (undo)
extern float& TimeOutSekunden;       // idle time-out of the open file in seconds, 0 = none
extern float& LeerlaufSekunden;      // idle seconds
extern QString& ReservierteDatei;    // the file name this program holds reserved in ZurIrada.ini, "" none

// Field editing.
extern short& FeldIndex;         // the field box that last had the focus (0..23)
extern short& FeldFokus;         // 1 when a field box had the focus last
extern QString& KatalogStdLand;  // default country prefix of the catalogues ("D-")
extern int& OrtAusPlz;           // fill the town from the postcode
extern short& AutoFormatUCase;   // case rule on leaving a field box, 0..4
extern short& AutoFormatTrim;    // 1: trim a field box's text on leaving it
extern short& MausFeldIndex;     // the field box under the last right mouse-down, -1 none

// Files the main window names at start-up.
extern QString& VorlagenIni;  // the letter templates' settings file, "" when there is none
extern QString& TkAnlageIni;  // the telephone system export's settings file
extern QString& AdrIniDatei;  // the exchange file the current record is exported to
extern QString& HilfeDatei;   // the program's help file (F1 and the help menu)

// Printing.
extern QString& PresetName;

// The field table of the last split record line.
extern std::array<QString, 24>& DatenFeld;

// The program's command line (without the program's name), as the runtime's Command$ gave it.
extern QString& Befehlszeile;

// Command-line tokens.
extern std::array<QString, 100>& Token;
extern int& TokenAnzahl;

// Whether the program runs in its development environment: 0 not yet determined, 1 no, 2 yes.
extern int& EntwicklungsStatus;

// The version as text: major, ".", minor as two digits and revision as four digits.
extern QString& ProgrammVersion;
// The same as a number: major + minor / 100 + revision / 1000000.
extern float& ProgrammVersionZahl;

// The amount evaluator's "@TODAY": the day number text fixed at the first evaluation of the run, "" before.
extern QString& AuswertenHeute;

// Puts every program-wide variable back to its value at program start.
void GlobaleZuruecksetzen();
