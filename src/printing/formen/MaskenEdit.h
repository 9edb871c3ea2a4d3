#pragma once
// The mask editor: writes a print mask in a text box, inserts placeholders from a list, loads and saves
// masks with their fonts. The main window shows it modally and unloads it when it hides.
#include "platform/kit/Controls.h"
#include "platform/kit/Form.h"
#include "platform/kit/Menue.h"
#include "platform/kit/StdDialog.h"
#include "store/Maske.h"

#include <memory>

class QMenuBar;

class MaskenEdit : public vb::DialogForm, public vb::DefaultInstance<MaskenEdit> {
  Q_OBJECT
 public:
  MaskenEdit();
  static MaskenEdit& get() { return vb::DefaultInstance<MaskenEdit>::get(); }

  vb::Label* bezFelder = nullptr;
  vb::ListBox* ListeFelder = nullptr;
  vb::CommandButton* befFeldEinfg = nullptr;
  vb::Label* bezText = nullptr;
  vb::TextBox* Text1 = nullptr;
  vb::StatusBar* StatusBar = nullptr;  // panels "Status" and "Position"
  vb::Timer* TimerHinweise = nullptr;
  vb::CommonDialog* StdDialog = nullptr;
  QMenuBar* Menue = nullptr;
  vb::MenuItem* mnuMaske = nullptr;
  vb::MenuItem* mnuLöschen = nullptr;
  vb::MenuItem* mnuLaden = nullptr;
  vb::MenuItem* mnuSpeichern = nullptr;
  vb::MenuItem* mnuEnde = nullptr;
  vb::MenuItem* mnuEinstellungen = nullptr;
  vb::MenuItem* mnuSchriftFarbe = nullptr;

  // The base name of the mask last loaded or saved in this opening.
  QString MaskenName;

  void Form_Load() override;
  // The list of what can be inserted: a placeholder for each field by these captions, and the words of
  // the mask language.
  void FelderBenennen(const Bezeichnungen& bezeichnungen);
  void Form_Resize() override;
  void Form_KeyPress(int& keyAscii) override;
  void Form_QueryUnload(int& cancel, int mode) override;
  void befFeldEinfg_Click();
  void ListeFelder_DblClick() { befFeldEinfg_Click(); }
  void mnuLöschen_Click();
  void mnuLaden_Click();
  void mnuSpeichern_Click();
  void mnuEnde_Click() { Hide(); }
  void mnuSchriftFarbe_Click();
  void TimerHinweise_Timer();

 private:
  void status(const QString& text);
  // The file dialog for a mask: the chosen path, "" when cancelled.
  QString maskeWaehlen(bool laden);
  QWidget* Flaeche_ = nullptr;
  std::unique_ptr<vb::MenuBaum> menue_;
};
