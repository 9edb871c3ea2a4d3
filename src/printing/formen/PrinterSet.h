#pragma once
// The print-options dialog: printer, orientation, margins and copies of one print job, kept as the job's
// preset in DuroVar.ini. Every print asks through `Erfragen`: the dialog is unloaded, PresetName set, the
// caption set (which loads it), what the job does not allow disabled, the dialog shown modally and
// Abbruch (1 cancelled) read; the printer object then already prints on the chosen printer in the chosen
// orientation. The caller reads the margins and copies and unloads the dialog after printing.
#include "platform/kit/Controls.h"
#include "platform/kit/Form.h"
#include "platform/kit/Grafik.h"

class PrinterSet : public vb::DialogForm, public vb::DefaultInstance<PrinterSet> {
  Q_OBJECT
 public:
  PrinterSet();
  static PrinterSet& get() { return vb::DefaultInstance<PrinterSet>::get(); }

  struct Sperren {
    bool kopien = false;       // the copies list
    bool ausrichtung = false;  // the portrait choice (the job's orientation is fixed)
  };
  // Asks the print options of the job `job` under `titel`. Null when the user cancelled (the dialog is
  // then unloaded again) or when the system has no printer (the user is told so, the dialog does not
  // open); else the loaded dialog with the user's choice.
  static PrinterSet* Erfragen(const QString& job, const QString& titel, Sperren sperren);

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
