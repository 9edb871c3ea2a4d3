#pragma once
// The program's own file dialog: one file of one extension in one folder, to load or to save under its
// name. The caller sets Kürzel, Laden or Speichern, the folder of Datei1 and the proposed name in
// Bezeichnung, shows the window modally and reads Bezeichnung: the full path of the chosen file, or ""
// when the user cancelled. The window stays loaded between uses and keeps its controls' values.
#include "platform/kit/Controls.h"
#include "platform/kit/DateiListe.h"
#include "platform/kit/Form.h"

class QMenuBar;

class File : public vb::DialogForm, public vb::DefaultInstance<File> {
  Q_OBJECT
 public:
  File();
  static File& get() { return vb::DefaultInstance<File>::get(); }

  vb::Label* BezBezeichnung = nullptr;
  vb::TextBox* Bezeichnung = nullptr;     // the name box; the result
  vb::Label* bezAusschluss = nullptr;     // exclusion text (hidden)
  vb::FileListBox* Datei1 = nullptr;      // the file list
  vb::Label* BezHinweise = nullptr;       // path, date, age and size of the clicked file
  vb::Label* BezInfo = nullptr;           // description of the clicked file
  vb::Label* Kürzel = nullptr;            // the extension (hidden)
  vb::OptionButton* Laden = nullptr;      // load mode (hidden)
  vb::OptionButton* Speichern = nullptr;  // save mode (hidden)
  vb::CheckBox* amEnde = nullptr;         // select the last file (hidden)
  vb::CommandButton* BefOk = nullptr;
  vb::CommandButton* BefAbbrechen = nullptr;
  QMenuBar* Menue = nullptr;
  vb::MenuItem* mnuDatei = nullptr;
  vb::MenuItem* mnuOk = nullptr;
  vb::MenuItem* befUmbennen = nullptr;
  vb::MenuItem* befLöschen = nullptr;
  vb::MenuItem* mnuAbbrechen = nullptr;

  // 1 once the current showing has been prepared.
  short Vorbereitet = 0;

  void Form_Load() override;
  void Form_Paint();
  void Form_QueryUnload(int& cancel, int mode) override;
  void Bezeichnung_Change();
  void Bezeichnung_GotFocus();
  void Bezeichnung_KeyPress(int& keyAscii);
  void Datei1_Click();
  void Datei1_DblClick();
  void Datei1_LostFocus();
  void Datei1_MouseUp(int button, int shift, int x, int y);
  void BefOk_Click() { mnuOk_Click(); }
  void befAbbrechen_Click() { mnuAbbrechen_Click(); }
  void mnuOk_Click();
  void mnuAbbrechen_Click();
  void befUmbennen_Click();
  void befLöschen_Click();

  // The characters that a name may not hold are replaced by "_": the twelve that the original refused
  // when typed, and "/" and control characters, so that a name never leaves its folder.
  static QString NameFiltern(const QString& name);

 protected:
  void showEvent(QShowEvent* e) override;
  void paintEvent(QPaintEvent* e) override;

 private:
  void DateiUmbenennen();
  // Sets the name box from code (not filtered as typing is).
  void nameSetzen(const QString& text);
  QString pfadVon(const QString& name) const;
  QWidget* Flaeche_ = nullptr;
  int codeAenderung_ = 0;
};

// The whole protocol in one call: the dialog to load or to save (laden false) a file with the extension
// kuerzel in the folder, with the proposed name; returns the full path, or "" when the user cancelled.
QString DateiDialogZeigen(const QString& name, const QString& kuerzel, bool laden, const QString& ordner);
