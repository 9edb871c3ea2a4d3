#pragma once
// The question whether the current address is to be deleted in favour of another address that already
// holds the name just entered. The caller writes that address into Text, shows the window modally and
// reads Abbruch (0 Ja, 1 Nein). The window stays loaded between uses.
#include "platform/kit/Controls.h"
#include "platform/kit/Form.h"

class MsgDoppelt : public vb::DialogForm, public vb::DefaultInstance<MsgDoppelt> {
  Q_OBJECT
 public:
  MsgDoppelt();
  static MsgDoppelt& get() { return vb::DefaultInstance<MsgDoppelt>::get(); }

  vb::Label* Label1 = nullptr;
  vb::TextBox* Text = nullptr;  // the other address, one field a line
  vb::Label* Label2 = nullptr;
  vb::CommandButton* befOk = nullptr;         // "&Ja"
  vb::CheckBox* Abbruch = nullptr;            // the answer: 0 Ja, 1 Nein
  vb::CommandButton* befAbbrechen = nullptr;  // "&Nein", also Esc

  void Form_Load() override;
  void Form_Resize() override;
  void Form_QueryUnload(int& cancel, int mode) override;
  void befOk_Click();
  void befAbbrechen_Click();
};
