#pragma once
// The transfer order for the shown address: recipient, amount (typed as a sum if need be), purposes and
// payer, with remembered payer accounts, a log per payer account of every print, and three forms: the
// laser sheet, the same over a picture of the blank sheet, and the classic carbon copy. The dialog hides
// itself; the main window's command unloads it.
#include "bankforms/Ueberweisung.h"
#include "platform/kit/Controls.h"
#include "platform/kit/Form.h"
#include "platform/kit/Grafik.h"
#include "platform/kit/Menue.h"

#include <QMenuBar>
#include <memory>

class FormPrnUeberweisung : public vb::DialogForm, public vb::DefaultInstance<FormPrnUeberweisung> {
  Q_OBJECT
 public:
  FormPrnUeberweisung();
  ~FormPrnUeberweisung() override;
  static FormPrnUeberweisung& get() { return vb::DefaultInstance<FormPrnUeberweisung>::get(); }

  QMenuBar* Menue = nullptr;
  // The twelve fields, in tab order.
  vb::TextBox* TxtEmpfängerName = nullptr;
  vb::TextBox* TxtEmpfängerKontoNr = nullptr;
  vb::TextBox* TxtEmpfängerBLZ = nullptr;
  vb::TextBox* TxtEmpfängerBank = nullptr;
  vb::ComboBox* TxtWährung = nullptr;
  vb::TextBox* TxtBetrag = nullptr;
  vb::TextBox* TxtVerwendung1 = nullptr;
  vb::TextBox* TxtVerwendung2 = nullptr;
  vb::TextBox* TxtAuftraggeberName = nullptr;
  vb::TextBox* TxtAuftraggeberKontoNr = nullptr;
  vb::TextBox* TxtAuftraggeberBLZ = nullptr;
  vb::TextBox* TxtAuftraggeberBank = nullptr;

  vb::Frame* RahmenDruckOptionen = nullptr;  // "Druck-Optionen"
  vb::CheckBox* strgPrintDate = nullptr;
  vb::Label* bezSchrift = nullptr;
  vb::ComboBox* ComboSchrift = nullptr;
  vb::Frame* RahmenFormular = nullptr;             // "Formular-Typ"
  vb::ControlArray<vb::OptionButton> optFormular;  // 0 sheet, 1 over the picture (tag: its path), 2 classic
  vb::Frame* RahmenAuftraggeber = nullptr;         // "Auftraggeber-Liste"
  vb::ComboBox* ComboAuftraggeber = nullptr;
  vb::CommandButton* befDrucken = nullptr;
  vb::CommandButton* befZurück = nullptr;
  vb::Timer* TimerInit = nullptr;
  vb::Image* PictureBack = nullptr;

  vb::MenuItem* mnuUeberweisung = nullptr;
  vb::MenuItem* mnuDrucken = nullptr;
  vb::MenuItem* mnuProtokoll = nullptr;
  vb::MenuItem* mnuFlipEA_Click = nullptr;
  vb::MenuItem* mnuEnde = nullptr;
  vb::MenuItem* mnuEinstellungen = nullptr;
  vb::MenuItem* mniEinstellSichern = nullptr;
  vb::MenuItem* mnuAuftraggeberMerken = nullptr;
  vb::MenuItem* mnuAuftraggeberLöschen = nullptr;

  // The shown record's index, for the prints; set by the command that opens the dialog.
  QString KundenNr;

  // The log file of the payer account number as typed.
  QString KontenLog() const;
  // What the boxes hold, for the prints and the log.
  Ueberweisungsdaten Daten() const;
  // The path kept in the tag of the picture form type ("" while it is disabled).
  QString BildPfad() const { return bildPfad_; }

  void DruckeKlassisch();
  void DruckeFormular();
  void befDrucken_Click();
  void befZurück_Click();
  void ComboAuftraggeber_Click();
  void Form_Load() override;
  void Form_QueryUnload(int& cancel, int mode) override;
  void mniEinstellSichern_Click();
  void mnuAuftraggeberLöschen_Click();
  void mnuAuftraggeberMerken_Click();
  void mnuDrucken_Click();
  void mnuEnde_Click();
  void mnuFlipEA_Click_Click();
  void mnuProtokoll_Click();
  void TimerInit_Timer();

 private:
  std::unique_ptr<vb::MenuBaum> menue_;
  QString bildPfad_;
};
