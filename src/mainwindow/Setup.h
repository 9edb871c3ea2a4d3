#pragma once
// The settings dialog: the switches of start-up, field editing and program end (written on every way
// out), the fonts and background colour of the field boxes, the external programs, the data folder and
// the key editor. The caller shows it modally, unloads it and applies the options.
#include "common/Einstellungen.h"
#include "platform/kit/Controls.h"
#include "platform/kit/Form.h"
#include "platform/kit/Register.h"
#include "platform/kit/StdDialog.h"

class Setup : public vb::DialogForm, public vb::DefaultInstance<Setup> {
  Q_OBJECT
 public:
  Setup();
  static Setup& get() { return vb::DefaultInstance<Setup>::get(); }

  vb::TabControl* SSTab = nullptr;
  vb::CheckBox* StrgAuswahl = nullptr;
  vb::ComboBox* kombiSortAtEnd = nullptr;
  vb::CheckBox* StrgOrtPlz = nullptr;
  vb::ComboBox* comboKatalogStdLand = nullptr;
  vb::CheckBox* StrgAutoNameDoppelt = nullptr;
  vb::CheckBox* strgCallByCall = nullptr;
  vb::CheckBox* strgAutoFormatTrim = nullptr;
  vb::ComboBox* comboAutoFormatCase = nullptr;
  vb::ControlArray<vb::CommandButton> BefSetFont;
  vb::CommandButton* BefSetBackCol = nullptr;
  vb::ControlArray<vb::CommandButton> befExtern;
  vb::CommandButton* befDatenOrdnerFestlegen = nullptr;
  vb::CommandButton* befSetupSpeziell = nullptr;
  vb::CommandButton* BefOk = nullptr;  // both the default and the cancel button
  vb::CommonDialog* StdDialog = nullptr;

  void Form_Load() override;
  void Form_QueryUnload(int& cancel, int mode) override;
  void BefOk_Click();
  void befSetupSpeziell_Click();
  void befDatenOrdnerFestlegen_Click();
  void befExtern_Click(int index);
  void BefSetFont_Click(int index);
  void BefSetBackCol_Click();

 private:
  EinstellungsWerte werte_;
  // The user chose an entry of the list (a stored value it cannot show is then replaced).
  bool sortGewaehlt_ = false;
  bool katalogGewaehlt_ = false;
};
