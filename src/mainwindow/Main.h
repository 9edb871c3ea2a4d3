#pragma once
// The main window: the record table (Liste), the 24 field boxes of the current record, their captions,
// the toolbar, the status bar and the menus. One instance for the whole run (Main::get()).
#include "bankforms/Empfaengervorgabe.h"
#include "platform/kit/Controls.h"
#include "platform/kit/Form.h"
#include "platform/kit/Menue.h"
#include "platform/kit/StdDialog.h"
#include "store/Adressbestand.h"
#include "store/OffeneAdressdatei.h"

#include <QMainWindow>
#include <optional>

class Main : public QMainWindow, public vb::FormBase, public vb::DefaultInstance<Main> {
  Q_OBJECT
 public:
  Main();
  ~Main() override;
  static Main& get() { return vb::DefaultInstance<Main>::get(); }
  QWidget* widget() override { return this; }

  // --- controls ----------------------------------------------------------------------------------
  Adressbestand* Bestand = nullptr;          // the record table, one record line per item, in file order
  OffeneAdressdatei OffeneDatei;             // the file it was read from: encoding, completeness, save error
  vb::ListBox* Liste = nullptr;              // its view
  vb::ListBox* ListeSort = nullptr;          // hidden sorted buffer of the sort
  vb::ControlArray<vb::TextBox> Feld;        // the 24 field boxes
  vb::ControlArray<vb::Label> Bezeichnung1;  // their captions
  vb::ControlArray<vb::Label> bezInfo2;      // element 20: the age beside the birthday
  vb::Label* bezZeit1 = nullptr;             // days since creation
  vb::Label* bezZeit2 = nullptr;             // days since the last change
  vb::Label* BezListeStd = nullptr;
  vb::Label* BezListeKom = nullptr;
  vb::Frame* Rahmen0 = nullptr;  // "Adresse suchen"
  vb::Frame* Rahmen1 = nullptr;  // "Rufnummern"
  vb::Frame* Rahmen2 = nullptr;  // "Sonstiges"
  vb::Frame* Rahmen3 = nullptr;  // "Anschrift"
  vb::Frame* Rahmen4 = nullptr;  // "Bemerkungen"
  vb::Frame* Rahmen6 = nullptr;  // "Bankverbindung"
  vb::TextBox* TxtSuche = nullptr;
  vb::Timer* zeitSuche = nullptr;
  vb::Timer* ZeitTimeOut = nullptr;
  vb::CommandButton* befZoom = nullptr;
  vb::Toolbar* Toolbar = nullptr;
  vb::StatusBar* StatusBar = nullptr;
  vb::ProgressBar* ProgressBar = nullptr;
  QWidget* Flaeche = nullptr;  // the client area that holds the controls

  // The menu tree (built from one table, MainMenue.cpp) and the items that procedures refer to. Every
  // item, separators included, is found by name through Menue->item().
  vb::MenuBaum* Menue = nullptr;
  vb::MenuItem* PulDatei = nullptr;
  vb::MenuItem* PulBearbeiten = nullptr;
  vb::MenuItem* PulDrucken = nullptr;
  vb::MenuItem* mnuWeiteres = nullptr;
  vb::MenuItem* PulHilfe = nullptr;
  vb::MenuItem* PulÖffnen = nullptr;
  vb::MenuItem* PulAnlegen = nullptr;
  vb::MenuItem* PulSichern = nullptr;
  vb::MenuItem* PulEnde = nullptr;
  vb::MenuItem* PulAbbruch = nullptr;
  vb::MenuItem* PulEinfügen = nullptr;
  vb::MenuItem* PulAusschneiden = nullptr;
  vb::MenuItem* PulKopieren = nullptr;
  vb::MenuItem* PulSuchen = nullptr;
  vb::MenuItem* PulSort = nullptr;
  vb::ControlArray<vb::MenuItem> mnuSort;
  vb::MenuItem* mnuUndo = nullptr;
  vb::MenuItem* mnuSonderzeichenEinfg = nullptr;
  vb::MenuItem* mnuChk = nullptr;
  vb::MenuItem* mnuSetup = nullptr;
  vb::MenuItem* mnuDateiBeschreiben = nullptr;
  vb::MenuItem* mnuDateiHinzufügen = nullptr;
  vb::MenuItem* mnuUebernahme = nullptr;
  vb::MenuItem* mnuAdrImport = nullptr;
  vb::MenuItem* mnuMaskenEdit = nullptr;
  vb::MenuItem* mnuPrnUmschlagsfenster = nullptr;
  vb::MenuItem* mnuImpZA = nullptr;
  vb::MenuItem* mnuAdrImpDINFO3 = nullptr;
  vb::MenuItem* mnuAdrImpDINFO97 = nullptr;
  vb::MenuItem* mnuAdrImpKlickTel98 = nullptr;
  vb::MenuItem* mnuAdrImpDINFO99 = nullptr;
  vb::MenuItem* mnuPlzSuche = nullptr;
  vb::MenuItem* mnuWebStart = nullptr;
  vb::MenuItem* PulZFax = nullptr;
  vb::MenuItem* PulDruckEinrichten = nullptr;
  vb::MenuItem* PulAnleitung = nullptr;
  vb::MenuItem* PulWerbung = nullptr;
  vb::MenuItem* mnuURLHomePage = nullptr;
  vb::MenuItem* mnuURLUpdate = nullptr;
  vb::ControlArray<vb::MenuItem> mnuLinks;
  vb::ControlArray<vb::MenuItem> mnuPrg;
  // The common dialogs of the window (printer set-up, saving).
  vb::CommonDialog* StdDialog = nullptr;
  vb::MenuItem* mnuTips = nullptr;
  vb::MenuItem* PulInfo = nullptr;

  // --- the window's life cycle --------------------------------------------------------------------
  void Form_Load() override;

  // --- showing and storing the current record -------------------------------------------------------
  void AdresseAnzeigen();
  // stamp 0: set the change date (field 16) to today; any other value leaves it.
  void AdresseAktualisieren(short stamp);
  void Liste_Click();
  void Liste_DblClick();
  // The 24 field texts of the boxes.
  std::array<QString, 24> FeldTexte() const;
  // The 24 captions as they stand.
  std::array<QString, 24> FeldBezeichnungen() const;
  // The record line of the current address; "" without one.
  QString GezeigteZeile() const;

  // --- loading, saving, read-only mode (store) ------------------------------------------------------
  // Reads the file AktuelleDatei into the record table and prepares the window for it (position,
  // tab order, read-only mode and reservation, idle time-out, caption).
  void DatenLaden();
  void ListenPositionLaden();
  void ListenPositionSpeichern();
  // Writes the record table back when it has unsaved changes. Returns false when the file could not
  // be written: the old file stays as it was, Geaendert stays 1, and the caller must not quit or switch
  // files. Read-only mode and a table without changes count as success. A failure is shown once; with
  // beimBeenden it is not shown but left in OffeneDatei.speicherFehler for the caller's one question, and
  // a backup copy that cannot be made does not stop the save (the new file replaces the old one only when complete).
  bool DatenSpeichern(bool beimBeenden = false);
  // Decides read-only mode for the file just loaded, reserves it and enables or locks what changes it.
  void ReadOnlySet();
  // Releases the open file's reservation.
  void Daten_Schließen();
  void ZeitReservierung_Timer();
  vb::Timer* ZeitReservierung = nullptr;  // renews the open file's reservation while it is held

  // --- file commands, description and merging (store) -----------------------------------------------
  void PulÖffnen_Click();
  void PulAnlegen_Click();
  void PulSichern_Click();
  // Quit without saving: release the file, add the run time to the statistics, end the program.
  void PulAbbruch_Click();
  // Save and quit. When the save fails one question names the file and the reason and asks whether to
  // end without saving: Ja ends (the file stays as it was), Nein keeps the window open with its changes.
  void pulEnde_Click();
  // Ends the program at once, past the window's close (which saves).
  void ProgrammEnde();
  // The user's close runs save and quit (quit in read-only mode); code unloads leave the file alone.
  void Form_QueryUnload(int& cancel, int mode) override;
  void mnuDateiBeschreiben_Click();
  void mnuDateiHinzufügen_Click();

  // --- record commands, index, catalogues (store) ---------------------------------------------------
  void PulEinfügen_Click();      // new record
  void PulKopieren_Click();      // copy of the selected record
  void PulAusschneiden_Click();  // delete the selected record
  void mnuUndo_Click();          // exchange the selected line with the copy taken at selection
  void PulBearbeiten_Click();    // the record menu opens: its items' states
  // Selects the line just appended and gives it today's dates and the next index (new and copy).
  void NeuenDatensatzAuswaehlen();

  // --- imports and exports (exchange) ---------------------------------------------------------------
  // The address list import; afterwards the record it left selected is shown.
  void mnuAdrImpListe_Click();
  // One address from the clipboard into the shown record, stored unless cancelled.
  void mnuImpZA_Click();
  // The selected record through a print mask to the clipboard; changes no record.
  void PulZAdresse_Click();
  // A letter from a template to the shown address; serial e-mails to marked addresses.
  void mnuBrfAnWord_Click();
  void mnuPopBrfAnWord_Click() { mnuBrfAnWord_Click(); }
  void mnuEmailSend_Click();

  // --- search, sort, masks (store) ------------------------------------------------------------------
  // Sorts the record table by the field (0 to 23), keeps the current record selected, sets Geaendert.
  void mnuSort_Click(short index);
  // Selects the next record, after the current one and wrapping round, that holds every term of the
  // search box.
  void TextSuchen();
  void PulSuchen_Click();
  void TxtSuche_Change();
  void zeitSuche_Timer();
  void TxtSuche_KeyPress(int& keyAscii);
  void TxtSuche_DblClick();
  void TxtSuche_GotFocus();
  void TxtSuche_KeyUp(int& keyCode, int shift);
  short SucheLaeuft = 0;  // 1 while a search started by the timer runs
  // Connects the search box and its timer to their procedures.
  void SucheVerbinden();

  // --- start-up, layout and options (mainwindow) ----------------------------------------------------
  // Fits the list and the right-hand column to the window's size (also on minimising and restoring).
  void Form_Resize() override;
  // Restores the window geometry, lays the window out and applies fonts, colours and editing switches.
  void OptionenLaden();
  // Stores fonts, background colour and (unless minimised) the geometry; nothing in read-only mode.
  void OptionenSpeichern();
  // The client area in twips: below the menu bar, toolbar and status bar included.
  int ScaleWidth() const;
  int ScaleHeight() const;
  vb::MenuItem* mnuPopUp = nullptr;            // the field context menu, only ever shown as a pop-up
  vb::MenuItem* mnuBrfAnWord = nullptr;        // letter from a template; hidden without vorlagen.ini
  vb::MenuItem* mnuExportTiptel195 = nullptr;  // shown when its export is configured
  vb::MenuItem* mnuExportTKAnlage = nullptr;   // named after the configured telephone system
  vb::MenuItem* mnuXxxEntwicklung = nullptr;   // development menu, always hidden

  // --- menu commands: help, web pages, the family's programs, clipboard, printer (mainwindow) ----------
  void PulDruckEinrichten_Click();  // printer set-up
  void PulAnleitung_Click();        // the contents of the program's help
  void PulWerbung_Click();
  void mnuURLHomePage_Click();
  void mnuURLUpdate_Click();
  void mnuWeiteres_Click();          // the menu "&Weiteres" opens: idle reset, the family's programs
  void mnuPrg_Click(short index);    // starts a program of the family (0 this one, 1 to 3 the others)
  void mnuLinks_Click(short index);  // the directory-enquiry link of Links.txt
  void mnuWebStart_Click();          // the record's web page
  void PulZFax_Click();              // the fax number to the clipboard
  // What follows the settings dialog: the window's current fonts, colours and geometry are stored, then
  // every display and editing option is read back and applied.
  void NachEinstellungen();
  // The settings dialog; afterwards the options it changed take effect at once.
  void mnuSetup_Click();
  void mnuMaskenEdit_Click();
  void PulListe_Click();          // the list-print dialog
  void mnuPrnPersBogen_Click();   // the person sheet of the current address
  void PulBriefumschlag_Click();  // the envelope dialog
  // The current address for a window envelope, with the sender line of the open file asked for first.
  void mnuPrnUmschlagsfenster_Click();

  // --- bank forms (bankforms) -----------------------------------------------------------------------
  // The transfer order for the shown address, its recipient and first purpose taken from the record.
  void mnuPrnÜberweisung_Click();
  void mnuPrnLastschrift_Click();
  void mnuPrnNachnahme_Click();

  // --- look-ups in the registered telephone-directory program, external postcode search (datatools) ---
  void mnuAdrImpDINFO3_Click();
  void mnuAdrImpDINFO97_Click();
  void mnuAdrImpKlickTel98_Click();
  void mnuAdrImpDINFO99_Click();
  void mnuPlzSuche_Click();

  // --- the data tools over the whole record table: e-mail check, mail, statistics, take-overs ---------
  // Walks from the current record on, tidies every e-mail field, stores each record and stops at the
  // first address that cannot be right, leaving it shown.
  void mnuChkEmails_Click();
  // A mail to the shown address, the selection of the field that last had the focus as its subject.
  void mnueMailTo_Click();
  void mnuPopeMailTo_Click();
  // Counts the records that hold every word of a search text; OK in the report asks again.
  void mnuStatistikFeldSuche_Click();
  // Counts the postcodes by their first digit.
  void mnuStatistikPLZ_Click();
  // Take the domains, towns and area codes the records hold into the pick list and the catalogues.
  void mnuUebernahmeEmail_Click();
  void mnuUebernahmePlzOrt_Click();
  void mnuUebernahmePlzVorwahl_Click();
  vb::MenuItem* mnueMailTo = nullptr;
  vb::MenuItem* mnuChkEmails = nullptr;

  // --- the exports of all records and the index renumbering -----------------------------------------
  // The birthdays into the planner's date file (Ctrl+F5).
  void mnuExpGeb2Kelvor_Click();
  // The telephone numbers into the card-server list and the telephone register.
  void mnuExportD2CardServer_Click();
  void mnuExportTiptel195_Click();
  // The short-dial memory of the telephone system with its printable list.
  void mnuExportTKAnlage_Click();
  // The tab-separated file of all records for a word processor's serial letters.
  void mnuExpSeriendruck_Click();
  // Every record without a running index gets the next free one.
  void mnuIndexSetNew_Click();

  // --- field editing, toolbar, clock (mainwindow) ---------------------------------------------------
  // The shared handlers of the 24 field boxes; index is the box's index.
  void Feld_GotFocus(short index);
  void Feld_KeyDown(short index, int& keyCode, int shift);  // keyCode 0 swallows the key
  void Feld_KeyPress(short index, int& keyAscii);           // 0 swallows it, another code replaces it
  void Feld_KeyUp(short index, int& keyCode, int shift);
  void Feld_Change(short index);
  void Feld_LostFocus(short index);
  void Toolbar_ButtonClick(const QString& key);

  // --- pick lists of the field boxes (mainwindow) ---------------------------------------------------
  // A double-click (or Alt+Enter) on a field box: completes, offers or opens what fits the field.
  void Feld_DblClick(short index);
  // Adds the lines of the field's pick-list file to Auswahl.Liste; returns 0 or the error number of a
  // file that could not be read.
  int AuswahlListeLaden(short index);
  // Adds the field's value of every record line to Auswahl.Liste.
  void AuswahlFeldwerte(short index);
  // Appends a chosen piece of an e-mail address (from the names, the phone number or Liste14.txt).
  void Auswahl_eMail(short index);
  // The status bar's date and time, and the idle time-out.
  void ZeitTimeOut_Timer();
  // The first paint's actions (the file dialog when asked for, then the tip of the day), once per run.
  void Form_Paint();
  // The tip of the day and the about box, each shown modally and unloaded afterwards.
  void mnuTips_Click();
  void PulInfo_Click();

  // --- zoom, field captions, special characters, the field context menu (mainwindow) ----------------
  // The zoom editor on the field that last had the focus (the remark field after the search box).
  void befZoom_Click();
  // Lets the user give the field another caption, kept in Kartulon.Ini.
  void Bezeichnung1_DblClick(short index);
  // Puts characters chosen in the picker in place of the selection of the field that last had the focus.
  void mnuSonderzeichenEinfg_Click();
  // A right click on a field box opens the context menu made for the field and the record.
  void Feld_MouseDown(short index, int button, int shift, int x, int y);
  void mnuPopFeldAuschneiden_Click();
  void mnuPopFeldKopieren_Click();
  void mnuPopFeldEinfügen_Click();
  void mnuPopAdrNeu_Click();
  void mnuPopAdrKopieren_Click();
  void mnuPopAdrLöschen_Click();
  void mnuPopListenwahl_Click();
  void mnuPopZoom_Click();
  void mnuPopWebSite_Click();

  // --- what the transfer form and the dialling dialog start with (mainwindow) ------------------------
  // What is selected in the field that last had the focus.
  QString FeldAuswahl() const;
  // The recipient and the first purpose line (the selection of the field that last had the focus).
  Empfaengervorgabe UeberweisungsVorgabe() const;
  // The number to dial, with its call-by-call prefix.
  QString TelewahlNummer() const;
  // Opens the dialling dialog with that number (also the toolbar key and the context-menu item).
  void PulTeleWählen_Click();
  void mnuPopTeleWahl_Click();

 protected:
  void paintEvent(QPaintEvent* e) override;

 private:
  // Connects the field boxes, the toolbar and the clock to their handlers.
  void FeldbearbeitungVerbinden();
  // Moves the focus to the next (or previous) control in the window's tab order.
  void FokusSchritt(bool vorwaerts);
  void DoppeltenNamenSuchen(short index);
  // Selects the record at the position and shows it.
  void PositionAnspringen(int position);
  bool ersterAnstrichErledigt_ = false;
  bool tippGezeigt_ = false;

 public:
 protected:
  void closeEvent(QCloseEvent* e) override;
  void resizeEvent(QResizeEvent* e) override;
  void moveEvent(QMoveEvent* e) override;
  void showEvent(QShowEvent* e) override;
  void changeEvent(QEvent* e) override;
  void keyPressEvent(QKeyEvent* e) override;
  bool focusNextPrevChild(bool next) override;

 private:
  bool sucheAktiv_ = false;         // a search is running (it lets waiting events run)
  std::vector<QWidget*> tabFolge_;  // the controls in their tab order
  // The outer place and size (twips) restored while the window was hidden, when its frame was not known
  // yet: applied again once the frame is known, so that the stored outer size comes back as it was.
  std::optional<QRect> aeussereLage_;
  void aeussereLageAnwenden();
  void ControlsAnlegen();
  // Builds the menu tree from its table and fills the item members.
  void MenueAnlegen();
  int zwischenablageBeobachter_ = 0;
};
