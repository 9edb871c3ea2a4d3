#pragma once
// The address list import: a text file of addresses, one per line, is read into Liste; the user picks the
// separator, the two options and a field for each of the first fifteen columns while a preview shows
// the columns of one line; "Kartulon importieren" appends every line to the record table it was handed.
// The dialog hides itself; the main window's command unloads it.
#include "exchange/Listenimport.h"
#include "platform/kit/Controls.h"
#include "platform/kit/Form.h"
#include "platform/kit/Register.h"
#include "platform/kit/StdDialog.h"
#include "store/Adressbestand.h"
#include "store/Maske.h"

class AdrImport2 : public vb::DialogForm, public vb::DefaultInstance<AdrImport2> {
  Q_OBJECT
 public:
  AdrImport2();
  static AdrImport2& get() { return vb::DefaultInstance<AdrImport2>::get(); }

  vb::TabControl* SSTab1 = nullptr;
  // "Datei-Auswahl"
  vb::Frame* RahmenDatei = nullptr;
  vb::CommandButton* befDatei = nullptr;
  vb::Label* bezImpDateiInfo = nullptr;
  vb::Frame* RahmenOptionen = nullptr;
  vb::Label* bezTrenn = nullptr;
  vb::ComboBox* kombiTrenn = nullptr;
  vb::CheckBox* CheckAscii2Ansi = nullptr;
  vb::CheckBox* CheckTrim = nullptr;
  vb::ListBox* Liste = nullptr;
  // "Datei-Aufbau"
  vb::ControlArray<vb::Label> bezFeld;
  vb::ControlArray<vb::ComboBox> komboFeld;
  vb::ControlArray<vb::Label> bezFeldDemo;
  vb::ControlArray<vb::CommandButton> befPos;
  // "Datei-Import"
  vb::Label* bezImportHinweis = nullptr;
  vb::CommandButton* befImport = nullptr;
  vb::ProgressBar* ProgressBar = nullptr;
  // On the first two tabs, and on every tab.
  vb::ControlArray<vb::CommandButton> befWeiter;
  vb::CommandButton* befAbbrechen = nullptr;
  vb::CommonDialog* StdDialog = nullptr;

  void Form_Load() override;
  // The record table the import appends to, the list that shows it (its current record moves to the
  // first imported one) and the captions the column lists offer the fields by.
  void TabelleUebernehmen(Adressbestand& bestand, vb::ListBox& ansicht, const Bezeichnungen& bezeichnungen);
  void Form_QueryUnload(int& cancel, int mode) override;
  // Fills the fifteen preview labels from the selected import line.
  void DatensatzAnzeigen();
  void befDatei_Click();
  void kombiTrenn_Change() { DatensatzAnzeigen(); }
  void kombiTrenn_Click() { DatensatzAnzeigen(); }
  void komboFeld_Click(short /*index*/) { DatensatzAnzeigen(); }
  void CheckAscii2Ansi_Click() { DatensatzAnzeigen(); }
  void CheckTrim_Click() { DatensatzAnzeigen(); }
  void befPos_Click(short index);
  void befWeiter_Click(short index);
  void Liste_KeyDown(int& keyCode, int shift);
  void befImport_Click();
  void befAbbrechen_Click();

  // The separator, the options and the columns' fields as the dialog shows them.
  Importoptionen Optionen() const;
  bool importLaeuft() const { return importLaeuft_; }

 protected:
  void keyPressEvent(QKeyEvent* e) override;

 private:
  void sperren(bool an);
  bool zeilenGefuellt_ = false;  // set at the end of the load: until then the preview does nothing
  Adressbestand* bestand_ = nullptr;
  vb::ListBox* ansicht_ = nullptr;
  bool importLaeuft_ = false;
};
