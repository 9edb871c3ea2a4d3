#pragma once
// The cash-on-delivery card for the shown address: purposes, price and order number typed by the user,
// the recipient from the record, the sender, fee, currency, form type and font from the settings. The
// dialog hides itself after printing; the main window's command unloads it.
#include "bankforms/Nachnahme.h"
#include "bankforms/formen/Bankformteile.h"
#include "platform/kit/Controls.h"
#include "platform/kit/Form.h"
#include "platform/kit/Grafik.h"
#include "platform/kit/Menue.h"

#include <QMenuBar>
#include <memory>

// The fee of this run, fixed at program start from the clock.
float NachnahmeGebühr();

class FormPrnNachnahme : public vb::DialogForm, public vb::DefaultInstance<FormPrnNachnahme> {
  Q_OBJECT
 public:
  FormPrnNachnahme();
  ~FormPrnNachnahme() override;
  static FormPrnNachnahme& get() { return vb::DefaultInstance<FormPrnNachnahme>::get(); }

  QMenuBar* Menue = nullptr;
  vb::Frame* RahmenAnschrift = nullptr;  // "Verwendung, Betrag und Anschrift"
  vb::ComboBox* txtArtikel1 = nullptr;
  vb::ComboBox* txtArtikel2 = nullptr;
  vb::TextBox* txtPreis = nullptr;
  vb::ComboBox* ComboWährung = nullptr;
  vb::TextBox* txtPreisZustell = nullptr;
  vb::TextBox* txtAuftragsnummer = nullptr;
  vb::TextBox* TxtName = nullptr;
  vb::TextBox* txtStrasse = nullptr;
  vb::TextBox* txtOrt = nullptr;
  vb::Frame* RahmenAbsender = nullptr;  // "Absender"
  vb::TextBox* AbsName = nullptr;
  vb::TextBox* AbsStrasse = nullptr;
  vb::TextBox* AbsOrt = nullptr;
  vb::TextBox* AbsBLZ = nullptr;
  vb::TextBox* AbsBank = nullptr;
  vb::TextBox* AbsKontoNr = nullptr;
  vb::Frame* RahmenDruckOptionen = nullptr;  // "Druck-Optionen"
  vb::ComboBox* ComboSchrift = nullptr;
  vb::Frame* RahmenFormular = nullptr;  // "Formular-Typ"
  vb::ControlArray<vb::OptionButton> optFormular;
  vb::CommandButton* befPrnÜberweisung = nullptr;
  vb::CommandButton* befAbbrechen = nullptr;
  vb::Image* PictureBack = nullptr;
  vb::MenuItem* mnuSetup = nullptr;
  vb::MenuItem* mnuSetupSave = nullptr;

  Nachnahmedaten Daten() const;
  // Prints the card; the answer to a printer error (0: none was reported).
  int DruckeBorkaneNN();
  // The six sender boxes and the fee box from the settings.
  void IniLaden();
  // The shown record: the recipient's boxes and the first purpose start from it, and the card takes its
  // index.
  void AdresseUebernehmen(const Bankformteile::Adresse& adresse);

  void Form_Load() override;
  void Form_KeyPress(int& keyAscii) override;
  void Form_Paint();
  void Form_QueryUnload(int& cancel, int mode) override;
  void befAbbrechen_Click();
  void befPrnÜberweisung_Click();
  void mnuSetupSave_Click();
  void txtPreis_LostFocus();

 protected:
  void paintEvent(QPaintEvent* e) override;

 private:
  std::unique_ptr<vb::MenuBaum> menue_;
  Bankformteile::Adresse adresse_;
};
