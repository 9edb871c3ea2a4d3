#pragma once
// Serial e-mails: the user marks recipients among the records with a plausible e-mail address, writes a
// subject and a body with field placeholders, checks the preview of the highlighted record and sends:
// one hand-over file per marked record, then the hand-over to the e-mail program. It hides itself; the
// main window's command unloads it.
#include "platform/kit/Controls.h"
#include "platform/kit/Form.h"
#include "platform/kit/Menue.h"
#include "store/Maske.h"

#include <QHash>
#include <QRect>
#include <functional>
#include <memory>

class QMenuBar;

class expEMAIL : public vb::DialogForm, public vb::DefaultInstance<expEMAIL> {
  Q_OBJECT
 public:
  expEMAIL();
  static expEMAIL& get() { return vb::DefaultInstance<expEMAIL>::get(); }

  QMenuBar* Menue = nullptr;
  vb::MenuItem* mnueMailSend = nullptr;
  vb::MenuItem* mnuEnde = nullptr;
  vb::Frame* Rahmen1 = nullptr;  // its caption counts the marked items
  vb::Label* bezMarkiere = nullptr;
  vb::Label* bezUnd = nullptr;
  vb::ControlArray<vb::TextBox> txtSuch;  // the two search marks
  vb::CommandButton* befGetEmailList = nullptr;
  vb::ListBox* Liste = nullptr;  // the addresses, a check box in front of each
  vb::Frame* Rahmen2 = nullptr;
  vb::Label* bezPlatzhalter = nullptr;
  vb::ListBox* ListeFelder = nullptr;                // the 24 field captions, sorted
  vb::ControlArray<vb::CommandButton> befFeldEinfg;  // 0 into the body, 1 into the subject
  vb::Label* bezMail = nullptr;
  vb::ControlArray<vb::TextBox> Text1;  // the templates: 0 body, 1 subject
  vb::Label* Bezeichnung3 = nullptr;    // "Die Vorschau"
  vb::ControlArray<vb::TextBox> Text2;  // the previews: 0 body, 1 subject
  vb::Timer* ZeitInit = nullptr;
  vb::ProgressBar* ProgressBar = nullptr;

  // What sending hands the written files to (folder, pattern); the e-mail program's hand-over unless a
  // test puts its own.
  static std::function<void(const QString& ordner, const QString& muster)> Uebergabe;

  void Form_Load() override;
  // The record lines the list is built from and the captions the placeholders name the fields by.
  void DatenUebernehmen(const QStringList& zeilen, const Bezeichnungen& bezeichnungen);
  void Form_QueryUnload(int& cancel, int mode) override;
  void Form_Resize() override;
  void ZeitInit_Timer();
  void befGetEmailList_Click();
  void Liste_Click();
  void VorschauAktualisieren(int index);
  void Text1_Change(int index) { VorschauAktualisieren(index); }
  void befFeldEinfg_Click(int index);
  void ListeFelder_DblClick() { befFeldEinfg_Click(0); }
  void mnuEmailSend_Click();
  void mnuEnde_Click() { Hide(); }

  bool Sendet() const { return sendet_; }

 private:
  // Places a control in twips and remembers where, so that the layout works on the exact values.
  void platz(QWidget* w, int l, int t, int b, int h);
  QRect& tw(QWidget* w) { return twips_[w]; }
  QHash<QWidget*, QRect> twips_;
  QWidget* flaeche_ = nullptr;
  bool sendet_ = false;
  std::unique_ptr<vb::MenuBaum> menue_;
  QStringList zeilen_;
  Bezeichnungen bezeichnungen_;
};
