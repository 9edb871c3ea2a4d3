#pragma once
// The zoom editor: one field's text in a large box. The caller sets Text (text, typing limit, selection,
// font) and the caption, shows the window modally, reads Abbruch (0 confirmed, 1 cancelled), takes the
// text on confirmation and unloads the window. The font size is the user's, kept in "ZoomFntSize".
#include "platform/kit/Controls.h"
#include "platform/kit/Form.h"

class ZoomText : public vb::DialogForm, public vb::DefaultInstance<ZoomText> {
  Q_OBJECT
 public:
  ZoomText();
  static ZoomText& get() { return vb::DefaultInstance<ZoomText>::get(); }

  vb::TextBox* Text = nullptr;
  vb::CommandButton* befOk = nullptr;
  vb::CommandButton* befAbbrechen = nullptr;
  vb::ControlArray<vb::CommandButton> befFontSize;  // 0 smaller, 1 larger, 2 twelve points
  vb::CheckBox* Abbruch = nullptr;                  // 1 cancelled, 0 confirmed
  vb::Timer* ZeitInfo = nullptr;
  vb::StatusBar* StatusBar = nullptr;  // panels "Status", "Position", "Prozent"

  void Form_Load() override;
  void Form_Resize() override;
  void Form_QueryUnload(int& cancel, int mode) override;
  void befOk_Click();
  void befAbbrechen_Click();
  void befFontSize_Click(int index);
  void Text_KeyPress(int& keyAscii);
  void ZeitInfo_Timer();

  // The text box's font size as set, and the size that the font really offers there (whole pixels).
  double FontSize() const;
  double FontSizeGezeigt() const;
  void setFontSize(double punkte);
};
