#pragma once
// The shown address to the clipboard: the selected record fills a print mask of the user's choice, the
// user may edit the text, and "&Ok" puts it on the clipboard and remembers the mask. The dialog hides
// itself; the main window's command unloads it.
#include "platform/kit/Controls.h"
#include "platform/kit/Form.h"
#include "store/Maske.h"

class ZAexport : public vb::DialogForm, public vb::DefaultInstance<ZAexport> {
  Q_OBJECT
 public:
  ZAexport();
  static ZAexport& get() { return vb::DefaultInstance<ZAexport>::get(); }

  vb::Label* bezMaske = nullptr;
  vb::ComboBox* ComboMasken = nullptr;  // the mask names, without ".msk"
  vb::TextBox* Text = nullptr;          // the filled mask, as the user edits it
  vb::CommandButton* befOK = nullptr;
  vb::CommandButton* befAbbrechen = nullptr;

  void Form_Load() override;
  // The shown address's record line and the captions its mask names the fields by; the text is filled
  // anew from them.
  void DatensatzUebernehmen(const QString& zeile, const Bezeichnungen& bezeichnungen);
  void Form_QueryUnload(int& cancel, int mode) override;
  void ComboMasken_Click();
  void BefOk_Click();
  void befAbbrechen_Click();

 private:
  QString zeile_;  // "" until handed: an empty record
  Bezeichnungen bezeichnungen_;
};
