#pragma once
// The direct debit for the shown address: the debtor from the record, the creditor, currency, form type
// and font from the settings. The debit is printed at once, or filed in the collection file to be
// printed later with every other filed debit in one batch. The dialog hides itself; the main window's
// command unloads it.
#include "bankforms/Lastschrift.h"
#include "bankforms/formen/Bankformteile.h"
#include "platform/kit/Controls.h"
#include "platform/kit/Form.h"
#include "platform/kit/Grafik.h"
#include "platform/kit/Menue.h"

#include <QMenuBar>
#include <memory>

class FormPrnLastschrift : public vb::DialogForm, public vb::DefaultInstance<FormPrnLastschrift> {
  Q_OBJECT
 public:
  FormPrnLastschrift();
  ~FormPrnLastschrift() override;
  static FormPrnLastschrift& get() { return vb::DefaultInstance<FormPrnLastschrift>::get(); }

  QMenuBar* Menue = nullptr;
  QLabel* bezGelb = nullptr;  // the light-yellow area behind the fields
  // The ten fields, in tab order.
  vb::TextBox* TxtAbsName = nullptr;
  vb::TextBox* TxtAbsKontoNr = nullptr;
  vb::TextBox* TxtAbsBLZ = nullptr;
  vb::TextBox* TxtAbsBank = nullptr;
  vb::ComboBox* TxtWährung = nullptr;
  vb::TextBox* TxtBetrag = nullptr;
  vb::TextBox* TxtVerwendung1 = nullptr;
  vb::TextBox* TxtVerwendung2 = nullptr;
  vb::ComboBox* TxtEmpName = nullptr;
  vb::TextBox* TxtEmpKontoNr = nullptr;

  vb::Frame* Frame2 = nullptr;  // "Druck-Optionen"
  vb::ComboBox* ComboSchrift = nullptr;
  vb::Frame* Rahmen1 = nullptr;                    // "Formular-Typ"
  vb::ControlArray<vb::OptionButton> optFormular;  // 0 the sheet, 1 over the picture (tag: its path)
  vb::Image* PictureBack = nullptr;
  vb::CommandButton* befPrnLastschrift = nullptr;
  vb::CommandButton* befAbbrechen = nullptr;

  vb::MenuItem* mnuSetup = nullptr;
  vb::MenuItem* mnuSetupSave = nullptr;
  vb::MenuItem* mnuLastFile = nullptr;
  vb::MenuItem* mnuLastFileSave = nullptr;
  vb::MenuItem* mnuLastFileLoad = nullptr;

  // Set by the batch print: a print then leaves the dialog open.
  bool SammelDruck = false;

  // What the boxes hold, with the shown record's street, town and index for the strip.
  Lastschriftdaten Daten() const;
  // Puts a debit into the boxes (each cut to its box).
  void Fuellen(const Lastschriftdaten& d);
  // The shown record: the debtor's boxes and the purposes start from it, and the strip takes its street,
  // town and index.
  void AdresseUebernehmen(const Bankformteile::Adresse& adresse);

  void Form_Load() override;
  void Form_KeyPress(int& keyAscii) override;
  void Form_Paint();
  void Form_QueryUnload(int& cancel, int mode) override;
  void befAbbrechen_Click();
  // False when the user ended a batch at a printer error.
  bool befPrnLastschrift_Click();
  void mnuSetupSave_Click();
  void mnuLastFileSave_Click();
  void mnuLastFileLoad_Click();

 protected:
  void paintEvent(QPaintEvent* e) override;

 private:
  std::unique_ptr<vb::MenuBaum> menue_;
  Bankformteile::Adresse adresse_;
};
