#pragma once
// A letter to the shown address from a template: the user picks a template, the dialog proposes a name
// for the new document, copies the template under it and has the desktop open the copy; the letter reads
// the address from the exchange files. The dialog also opens, copies and deletes templates. It hides
// itself; the main window's command unloads it.
#include "platform/kit/Controls.h"
#include "platform/kit/DateiListe.h"
#include "platform/kit/Form.h"
#include "platform/kit/Menue.h"

#include <memory>

class QMenuBar;

class expWord : public vb::DialogForm, public vb::DefaultInstance<expWord> {
  Q_OBJECT
 public:
  expWord();
  static expWord& get() { return vb::DefaultInstance<expWord>::get(); }

  QMenuBar* Menue = nullptr;
  vb::MenuItem* mnuDocShow = nullptr;
  vb::MenuItem* mnuEnde = nullptr;
  vb::MenuItem* mnuVorlageBearbeiten = nullptr;
  vb::MenuItem* mnuVorlageKopieren = nullptr;
  vb::MenuItem* mnuVorlageLöschen = nullptr;
  vb::Label* bezVorlagen = nullptr;
  vb::FileListBox* Datei = nullptr;  // the templates; the highlighted one is the chosen template
  vb::Label* bezNeu = nullptr;
  vb::TextBox* txtDatei = nullptr;   // the new document's name, without extension
  vb::TextBox* txtSuffix = nullptr;  // its extension with the dot
  vb::CommandButton* befOk = nullptr;
  vb::CommandButton* befAbbrechen = nullptr;

  // The section of vorlagen.ini this dialog works in, chosen at load.
  QString Sektion;

  void Form_Load() override;
  // The shown record's surname, which the proposed document name ends with.
  void NachnameUebernehmen(const QString& nachname);
  void Form_QueryUnload(int& cancel, int mode) override;
  void AdressParaSet(const QString& name, const QString& wert);
  void BefOk_Click();
  void Datei_DblClick() { BefOk_Click(); }
  void befAbbrechen_Click() { mnuEnde_Click(); }
  void mnuEnde_Click() { Hide(); }
  void mnuDocShow_Click();
  void mnuVorlageBearbeiten_Click();
  void mnuVorlageKopieren_Click();
  void mnuVorlageLöschen_Click();
  void txtDatei_KeyPress(int& keyAscii);
  void txtDatei_Change();

  // The template folder, without a trailing "/".
  QString VorlagenOrdner() const { return ordner_; }

 private:
  QString vorlage() const;  // the highlighted template's name, "" for none
  // The document name from the section's pattern, its number and the surname, the number selected.
  void NamenVorschlagen();
  QString ordner_;
  QString nachname_;
  bool vorschlagen_ = false;  // the load got as far as the proposal
  std::unique_ptr<vb::MenuBaum> menue_;
};
