#pragma once
// The key editor: reads and writes any single key of Zedured.ini by hand. The section and key lists
// come from the file's lines; keys that hold passwords or usage statistics are not listed (but can be
// typed).
#include "platform/kit/Controls.h"
#include "platform/kit/Form.h"

class SetupSpeziell : public vb::DialogForm, public vb::DefaultInstance<SetupSpeziell> {
  Q_OBJECT
 public:
  SetupSpeziell();
  static SetupSpeziell& get() { return vb::DefaultInstance<SetupSpeziell>::get(); }

  vb::ComboBox* txtDatei = nullptr;
  vb::ComboBox* txtAbschnitt = nullptr;
  vb::ComboBox* txtSchlüssel = nullptr;
  vb::ComboBox* txtEintrag = nullptr;
  vb::ControlArray<vb::CommandButton> befLesen;  // 0 read, 1 write
  vb::CommandButton* befAbbrechen = nullptr;

  void Form_Load() override;
  void Form_QueryUnload(int& cancel, int mode) override;
  void txtDatei_Click();
  void txtAbschnitt_Click();
  void txtSchlüssel_Click();
  void befLesen_Click(int index);
  void befAbbrechen_Click();
};
