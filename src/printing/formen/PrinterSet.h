#pragma once
// The print-options dialog: printer, orientation, margins and copies of one print job, kept as the job's
// preset in DuroVar.ini. Every caller follows the same protocol: unload the dialog, set PresetName, set
// the caption (which loads it), disable what the job does not allow, show it modally, and read Abbruch
// (1 cancelled) and the lists; the printer object then already prints on the chosen printer in the
// chosen orientation. The caller unloads the dialog after printing.
#include "platform/kit/Controls.h"
#include "platform/kit/Form.h"
#include "platform/kit/Grafik.h"

class PrinterSet : public vb::DialogForm, public vb::DefaultInstance<PrinterSet> {
  Q_OBJECT
 public:
  PrinterSet();
  static PrinterSet& get() { return vb::DefaultInstance<PrinterSet>::get(); }

  vb::Frame* RahmenDrucker = nullptr;  // "Drucker-Name"
  vb::ComboBox* ComboDrucker = nullptr;
  vb::Label* bezDrucker = nullptr;
  vb::Frame* RahmenBereich = nullptr;
  vb::ControlArray<vb::OptionButton> optBereich;  // 0 "&Alles", 1 "&Markierung"
  vb::Frame* RahmenAusrichtung = nullptr;
  vb::ControlArray<vb::OptionButton> optAusrichtung;  // 0 portrait, 1 landscape
  vb::ControlArray<vb::Image> imgAusrichtung;
  vb::Frame* RahmenRaender = nullptr;
  vb::Label* bezRandX = nullptr;
  vb::ComboBox* ComboRandX = nullptr;  // list index = left margin in mm
  vb::Label* bezRandY = nullptr;
  vb::ComboBox* ComboRandY = nullptr;  // list index = top margin in mm
  vb::Frame* RahmenExemplare = nullptr;
  vb::Label* bezAnzahl = nullptr;
  vb::ComboBox* ComboAnzahl = nullptr;  // list index + 1 = copies
  vb::Image* ImageAnzahl = nullptr;
  vb::Frame* RahmenAusdruck = nullptr;
  vb::CheckBox* CheckSichern = nullptr;
  vb::CheckBox* CheckAutomatisch = nullptr;
  vb::CommandButton* befOk = nullptr;
  vb::CommandButton* befAbbrechen = nullptr;
  vb::CheckBox* Abbruch = nullptr;  // 1 cancelled
  vb::Timer* TimerAutoJob = nullptr;

  void PresetLoad();
  void PresetSave();
  void befAbbrechen_Click();
  void BefOk_Click();
  void CheckAutomatisch_Click();
  void CheckSichern_Click();
  void ComboDrucker_Click();
  void Form_Load() override;
  void Form_Paint();
  void Form_QueryUnload(int& cancel, int mode) override;
  void optAusrichtung_Click(int index);
  void TimerAutoJob_Timer();

 protected:
  void paintEvent(QPaintEvent* e) override;
  void showEvent(QShowEvent* e) override;
};
