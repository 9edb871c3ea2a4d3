#pragma once
// The pick list: a modal window with one sorted list. The caller fills Liste, sets CheckSingle to 0 for
// several entries, shows it modally and reads ListIndex (-1: nothing chosen) or the selected flags.
// It hides itself and is never unloaded by a caller, so it keeps its size and place between uses.
#include "platform/kit/Controls.h"
#include "platform/kit/Form.h"

class Auswahl : public vb::DialogForm, public vb::DefaultInstance<Auswahl> {
  Q_OBJECT
 public:
  Auswahl();
  static Auswahl& get() { return vb::DefaultInstance<Auswahl>::get(); }

  vb::ListBox* Liste = nullptr;
  vb::CheckBox* CheckSingle = nullptr;  // hidden: 1 one entry, 0 several
  vb::CommandButton* befOk = nullptr;
  vb::CommandButton* befAbbruch = nullptr;

  void Form_Load() override;
  void Form_Resize() override;
  void Form_QueryUnload(int& cancel, int mode) override;
  void Liste_Click();
  void Liste_DblClick();
  void Liste_MouseDown(int button, int shift, int x, int y);
  void BefOk_Click();
  void befAbbruch_Click();
};
