#pragma once
// The about box: the title drawn large, the main window's icon and the facts of this installation; the
// terms of use, and the usage statistics on a double-click of the note. Every way of closing it hides
// it; the caller unloads it.
#include "platform/kit/Controls.h"
#include "platform/kit/Form.h"
#include "platform/kit/Grafik.h"

class Info : public vb::DialogForm, public vb::DefaultInstance<Info> {
  Q_OBJECT
 public:
  Info();
  static Info& get() { return vb::DefaultInstance<Info>::get(); }

  vb::Image* Emblem = nullptr;
  vb::Frame* Frame1 = nullptr;
  vb::Label* Label1 = nullptr;            // the upper note in the frame
  vb::Label* CopyrightHinweis = nullptr;  // the lower note; a double-click shows the statistics
  vb::CommandButton* befLizenz = nullptr;
  vb::CommandButton* befAbbrechen = nullptr;
  vb::TextBox* SysInfo = nullptr;
  vb::Zeichenflaeche* Flaeche = nullptr;

  void Form_Load() override;
  void Form_KeyPress(int& keyAscii) override;
  void Form_QueryUnload(int& cancel, int mode) override;
  void befAbbrechen_Click();
  void befLizenz_Click();
  void CopyrightHinweis_DblClick();
};
