#pragma once
// The list-print dialog: the user chooses addresses by the name in field 9 and by a text filter, a mask,
// a title and the page options, and keeps the searches as histories. It works on its own copy of the
// main window's record lines, so nothing chosen here changes the main window's selection. It never
// unloads itself: it hides, and its opener unloads it.
#include "platform/kit/Controls.h"
#include "platform/kit/Form.h"
#include "platform/kit/Menue.h"
#include "platform/kit/Register.h"
#include "store/Maske.h"

#include <memory>

class QMenuBar;

class Listendruck : public vb::DialogForm, public vb::DefaultInstance<Listendruck> {
  Q_OBJECT
 public:
  Listendruck();
  static Listendruck& get() { return vb::DefaultInstance<Listendruck>::get(); }

  QMenuBar* Menue = nullptr;
  vb::MenuItem* mnuSetup = nullptr;
  vb::MenuItem* mnuSetupSave = nullptr;
  vb::TabControl* SSTab1 = nullptr;  // "Auswahl der Kartulon", "Druck-Optionen"
  vb::Frame* RahmenListe = nullptr;  // its caption is the selection count
  vb::ListBox* Liste = nullptr;      // the record lines, multi-select
  vb::Frame* RahmenAuswahl = nullptr;
  vb::Label* bezName = nullptr;
  vb::ComboBox* KombiName = nullptr;  // name searched in field 9, with its history
  vb::CommandButton* BefLöscheNamen = nullptr;
  vb::Label* bezFilter = nullptr;
  vb::ComboBox* KombiFilter = nullptr;  // text searched in the whole line, with its history
  vb::CommandButton* BefLöscheFilter = nullptr;
  vb::ControlArray<vb::CommandButton> BefAuswahl;  // 0 none, 1 all, 2 new selection
  vb::Frame* RahmenMaske = nullptr;
  vb::ComboBox* ComboMasken = nullptr;
  vb::Frame* RahmenÜberschrift = nullptr;
  vb::TextBox* TxtÜberschrift = nullptr;
  vb::Frame* RahmenDruckoptionen = nullptr;
  vb::CheckBox* ODruckenSeiteProAdr = nullptr;
  vb::CheckBox* ODruckenWaitForPage = nullptr;
  vb::TextBox* TextPrnFont = nullptr;  // hidden: carries the print font
  vb::CommandButton* BefOk = nullptr;
  vb::CommandButton* Bef2Datei = nullptr;
  vb::CommandButton* BefAbbruch = nullptr;
  vb::Timer* ZeitNeuauswahl = nullptr;
  vb::Timer* ZeitAutoPersBogen = nullptr;
  vb::ProgressBar* ProgressBar = nullptr;

  // The state of a print run: the page counter and 1 when the user stopped at a page confirmation.
  qint32 SeitenNummer = 0;
  qint16 DruckAbbrechen = 0;

  void Form_Load() override;
  // The main window's record lines, its current address (-1: none), which alone is selected, and the
  // captions the masks name the fields by.
  void TabelleUebernehmen(const QStringList& zeilen, int aktuell, const Bezeichnungen& bezeichnungen);
  void Form_QueryUnload(int& cancel, int mode) override;
  void AuswahlAnzeigen();
  void BefOk_Click();
  void BefAuswahl_Click(int index);
  void Bef2Datei_Click();
  void befAbbruch_Click() { Hide(); }
  // Clear the history and the text; the stored history changes only by saving.
  void BefLöscheNamen_Click() { leeren(*KombiName); }
  void BefLöscheFilter_Click() { leeren(*KombiFilter); }
  void KombiName_Click() { ZeitNeuauswahl->setEnabled(true); }
  void KombiFilter_Click() { ZeitNeuauswahl->setEnabled(true); }
  void Liste_Click() { AuswahlAnzeigen(); }
  void Liste_DblClick();
  void mnuSetupSave_Click();
  void ODruckenSeiteProAdr_Click();
  void ZeitNeuauswahl_Timer();
  void ZeitAutoPersBogen_Timer();

 private:
  static void leeren(vb::ComboBox& kombi) {
    kombi.Clear();
    kombi.setText(QString());
  }
  std::unique_ptr<vb::MenuBaum> menue_;
  int aktuell_ = -1;
  Bezeichnungen bezeichnungen_;
};
