#pragma once
// The common-dialog control of a form: the open-file, save, font, colour and printer set-up dialogs,
// asked through the dialog service (so that tests answer them from a script). The caller sets the
// properties, shows a dialog and reads the properties back; a cancelled dialog leaves them as they were.
#include <QObject>
#include <QString>

namespace vb {

// Flags of the printer dialog: the set-up form of it.
constexpr int cdlPDPrintSetup = 64;
// Flags of the font dialog.
constexpr int cdlCFScreenFonts = 1;
constexpr int cdlCFPrinterFonts = 2;
constexpr int cdlCFEffects = 256;
constexpr int cdlCFLimitSize = 8192;
// Flags of the open-file and save dialogs. Without cdlOFNOverwritePrompt the save dialog takes an
// existing file without asking: its caller asks.
constexpr int cdlOFNOverwritePrompt = 2;
constexpr int cdlOFNHideReadOnly = 4;
constexpr int cdlOFNPathMustExist = 2048;
constexpr int cdlOFNFileMustExist = 4096;
// Actions as numbered by the control.
constexpr int cdlAktionOeffnen = 1;
constexpr int cdlAktionSpeichern = 2;
constexpr int cdlAktionFarbe = 3;
constexpr int cdlAktionSchrift = 4;
constexpr int cdlAktionDrucker = 5;

class TextBox;

class CommonDialog : public QObject {
  Q_OBJECT
 public:
  explicit CommonDialog(const QString& name, QObject* owner);
  int Flags = 0;
  bool CancelError = false;  // callers stop on a cancel either way: every Show says false
  QString DialogTitle;
  QString FileName;
  QString Filter;  // "Text (*.txt)|*.txt|Alle Dateien (*.*)|*.*"; several patterns of a pair separated by ";"
  QString InitDir;
  QString FontName;
  double FontSize = 8;
  bool FontBold = false;
  bool FontItalic = false;
  bool FontUnderline = false;
  bool FontStrikethru = false;
  long Color = 0;  // the runtime's colour number
  double Min = 0;
  double Max = 0;

  // Opens the dialog of the action number (1 open, 2 save, 3 colour, 4 font, 5 printer); false when
  // cancelled or unknown.
  bool setAction(int aktion);
  // The printer set-up: the printer and orientation chosen become the program's printer for the rest of
  // the run (the system's default printer is left alone). false when cancelled or no printer is there.
  bool ShowPrinter();
  // The open and save dialogs: FileName holds the chosen file; false when cancelled.
  bool ShowOpen();
  bool ShowSave();
  // The font properties and Color (the text colour) come back; with cdlCFLimitSize only a size from Min
  // to Max is taken. false when cancelled.
  bool ShowFont();
  bool ShowColor();

 private:
  bool dateiDialog(bool speichern);
};

// The font dialog for a text box: preset with the box's font (name, size, underline, strikethrough,
// italic, bold) and text colour, sizes limited to kleinste ... groesste, screen and printer fonts with
// effects; what it returns goes back to the box. A cancelled dialog returns its preset, so the box keeps
// its font.
void SchriftDialogFuer(CommonDialog& dialog, TextBox& box, double kleinste, double groesste);

}  // namespace vb
