#pragma once
// The common-dialog control of a form: the printer set-up and the save dialog, asked through the dialog
// service (so that tests answer them from a script).
#include <QObject>
#include <QString>

namespace vb {

// Flags of the printer dialog: the set-up form of it.
constexpr int cdlPDPrintSetup = 64;
// Actions as numbered by the control.
constexpr int cdlAktionSpeichern = 2;
constexpr int cdlAktionDrucker = 5;

class CommonDialog : public QObject {
  Q_OBJECT
 public:
  explicit CommonDialog(const QString& name, QObject* owner);
  int Flags = 0;
  QString DialogTitle;
  QString FileName;
  QString Filter;  // "Text (*.txt)|*.txt|Alle Dateien (*.*)|*.*"
  QString InitDir;
  // Opens the dialog of the action number (2 save, 5 printer); false when cancelled or unknown.
  bool setAction(int aktion);
  // The printer set-up: the printer and orientation chosen become the program's printer for the rest of
  // the run (the system's default printer is left alone). false when cancelled or no printer is there.
  bool ShowPrinter();
  // The save dialog: FileName holds the chosen file; false when cancelled.
  bool ShowSave();
};

}  // namespace vb
