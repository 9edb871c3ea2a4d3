#pragma once
// The envelope dialog: the current address filled into a mask and the user's sender text, each in its
// own font, on an envelope of one of eight sizes; prints one envelope and keeps the choices as the
// user's settings. It never unloads itself: it hides, and its opener unloads it.
#include "platform/kit/Controls.h"
#include "platform/kit/Form.h"
#include "platform/kit/Grafik.h"
#include "platform/kit/Menue.h"
#include "platform/kit/StdDialog.h"
#include "store/Maske.h"

#include <memory>

class QMenuBar;

class Umschlag : public vb::DialogForm, public vb::DefaultInstance<Umschlag> {
  Q_OBJECT
 public:
  Umschlag();
  static Umschlag& get() { return vb::DefaultInstance<Umschlag>::get(); }

  QMenuBar* Menue = nullptr;
  vb::MenuItem* PulUmschlag = nullptr;
  vb::MenuItem* PulDrucken = nullptr;
  vb::MenuItem* mnuFlipAA = nullptr;
  vb::MenuItem* PulEnde = nullptr;
  vb::MenuItem* PulEinstellungen = nullptr;
  vb::MenuItem* PulSchritWahl = nullptr;
  vb::MenuItem* PulSchriftAbsender = nullptr;
  vb::MenuItem* PulSchriftAnschrift = nullptr;
  vb::MenuItem* PulEinstellSichern = nullptr;
  vb::Label* bezFormat = nullptr;
  vb::ComboBox* KombiFormat = nullptr;  // the envelope size; its list index is stored
  vb::Label* bezMasken = nullptr;
  vb::ComboBox* ComboMasken = nullptr;  // the mask of the address, sorted
  vb::TextBox* TxtAnschrift = nullptr;
  vb::TextBox* TxtAbsender = nullptr;
  vb::Label* bezSaveInfo = nullptr;  // the hint to save the settings
  vb::Image* Image1 = nullptr;       // the printer: a double click prints
  vb::CommonDialog* StdDialog = nullptr;

  void Form_Load() override;
  // The shown address's record line and the captions its mask names the fields by; the address is
  // filled anew from them.
  void DatensatzUebernehmen(const QString& zeile, const Bezeichnungen& bezeichnungen);
  void Form_KeyPress(int& keyAscii) override;
  void Form_QueryUnload(int& cancel, int mode) override;
  void ComboMasken_Click();
  void Image1_DblClick() { PulDrucken_Click(); }
  void mnuFlipAA_Click();
  void PulDrucken_Click();
  void pulEnde_Click() { Hide(); }
  void PulEinstellSichern_Click();
  void PulSchriftAbsender_Click();
  void PulSchriftAnschrift_Click();
  void TxtAbsender_KeyPress(int& keyAscii);

 private:
  QString zeile_;  // "" until handed: an empty record
  Bezeichnungen bezeichnungen_;
  void OptionenLaden();
  void OptionenSichern();
  std::unique_ptr<vb::MenuBaum> menue_;
};
