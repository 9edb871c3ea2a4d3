#pragma once
// One address from the clipboard: the text is cut into at most eight parts, each shown in a box beside
// the field it goes to. The user corrects parts and targets, removes or inserts a part at the row last
// focused, and accepts; the main window's command takes the parts over and unloads the dialog.
#include "platform/kit/Controls.h"
#include "platform/kit/Form.h"

#include <array>

class ImpZA : public vb::DialogForm, public vb::DefaultInstance<ImpZA> {
  Q_OBJECT
 public:
  ImpZA();
  static ImpZA& get() { return vb::DefaultInstance<ImpZA>::get(); }

  vb::ControlArray<vb::ComboBox> KombiFeldZiel;  // entry 0 "--- verwerfen ---", entry k field k - 1
  vb::ControlArray<vb::Label> Bezeichnung2;
  vb::ControlArray<vb::TextBox> Feld;
  vb::Frame* RahmenFeld = nullptr;
  vb::Label* bezFeldMove = nullptr;
  vb::ControlArray<vb::CommandButton> befFelderSchieb;  // 0 remove, 1 insert
  vb::CommandButton* befOk = nullptr;
  vb::CommandButton* befAbbrechen = nullptr;
  vb::CheckBox* strgAbbruch = nullptr;  // hidden: 1 after cancelling

  void Form_Load() override;
  // The target lists offer the fields by these captions, each row starting at its usual field.
  void FelderBenennen(const std::array<QString, 24>& bezeichnungen);
  void Form_QueryUnload(int& cancel, int mode) override;
  void KombiFeldZiel_Click(short index);
  void Feld_GotFocus(short index);
  void befFelderSchieb_Click(short index);
  void BefOk_Click();
  void befAbbrechen_Click();

 private:
  bool laedt_ = false;  // while the load fills the target lists: no reset rule
};
