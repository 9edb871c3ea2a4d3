#pragma once
// The special-character picker: the user collects characters from seven sets into Text. The caller
// shows the window modally, reads Text (empty: cancelled or nothing collected) and unloads the window.
#include "platform/kit/Controls.h"
#include "platform/kit/Form.h"

class Sonderzeichen : public vb::DialogForm, public vb::DefaultInstance<Sonderzeichen> {
  Q_OBJECT
 public:
  Sonderzeichen();
  static Sonderzeichen& get() { return vb::DefaultInstance<Sonderzeichen>::get(); }

  vb::ComboBox* ComboSatz = nullptr;  // the character sets
  vb::ListBox* Liste = nullptr;       // the characters of the chosen set, each after a blank
  vb::CommandButton* befKopieren = nullptr;
  vb::CommandButton* BefLöschen = nullptr;
  vb::TextBox* Text = nullptr;  // the collected characters
  vb::CommandButton* BefOk = nullptr;
  vb::CommandButton* BefAbbruch = nullptr;

  void Form_Load() override;
  void Form_Resize() override;
  void Form_QueryUnload(int& cancel, int mode) override;
  void ComboSatz_Click();
  void Liste_DblClick();
  void Liste_KeyPress(int& keyAscii);
  void befKopieren_Click();
  void befLöschen_Click();
  void BefOk_Click();
  void befAbbruch_Click();

  // The items of ComboSatz: the name padded to 12, 29 blanks, ";" and the set's characters.
  static QStringList Zeichensaetze();
};
