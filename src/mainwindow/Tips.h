#pragma once
// The tip of the day: one tip at a time from Tips.Bot in the program folder, another on request, and
// the switch for tips at every start. Callers show it modally and unload it when it hides.
#include "platform/kit/Controls.h"
#include "platform/kit/Form.h"
#include "platform/kit/Grafik.h"

class Tips : public vb::DialogForm, public vb::DefaultInstance<Tips> {
  Q_OBJECT
 public:
  Tips();
  static Tips& get() { return vb::DefaultInstance<Tips>::get(); }

  vb::Label* Bezeichnung1 = nullptr;  // the white panel behind the texts
  vb::Label* bezTip0 = nullptr;       // the question line
  vb::Label* bezTip = nullptr;        // the tip
  vb::Image* Anzeige = nullptr;       // the light bulb
  vb::CommandButton* befNext = nullptr;
  vb::CommandButton* befAbbrechen = nullptr;
  vb::CheckBox* strgAutoTip = nullptr;

  QString TipsDatei;

  void Form_Load() override;
  void Form_QueryUnload(int& cancel, int mode) override;
  void befNext_Click();
  void befAbbrechen_Click();
  void strgAutoTip_Click();

 private:
  void KeineTipps();
};
