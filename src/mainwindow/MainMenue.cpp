// The menu tree of the main window: one table, in menu order, with each item's parent, name, index,
// caption, shortcut and command. An item without a command (and without items of its own) waits for
// its command: it shows with its caption and shortcut but stays disabled.
#include "mainwindow/Main.h"

#include "platform/dienste/Zwischenablage.h"

using namespace Qt::Literals::StringLiterals;

namespace {

using Befehl = std::function<void(int)>;

Befehl aufruf(Main* m, void (Main::*p)()) {
  return [m, p](int) { (m->*p)(); };
}
Befehl aufruf(Main* m, void (Main::*p)(short)) {
  return [m, p](int index) { (m->*p)(static_cast<short>(index)); };
}

QKeySequence taste(const char* text) { return QKeySequence(QString::fromLatin1(text), QKeySequence::PortableText); }

}  // namespace

void Main::MenueAnlegen() {
  Main* m = this;
  const Befehl keiner;
  const QKeySequence ohne;
  // parent, name, index, caption, shortcut, command
  const std::vector<vb::MenuZeile> tabelle = {
      // The field context menu, shown only as a pop-up (its items get their commands with it).
      {u""_s, u"mnuPopUp"_s, -1, u"Popup"_s, ohne, keiner},
      {u"mnuPopUp"_s, u"mnuPopFeld"_s, -1, u"Feld xyz"_s, ohne, keiner},
      {u"mnuPopFeld"_s, u"mnuPopFeldAuschneiden"_s, -1, u"Ausschneiden"_s, ohne,
       aufruf(m, &Main::mnuPopFeldAuschneiden_Click)},
      {u"mnuPopFeld"_s, u"mnuPopFeldKopieren"_s, -1, u"Kopieren"_s, ohne, aufruf(m, &Main::mnuPopFeldKopieren_Click)},
      {u"mnuPopFeld"_s, u"mnuPopFeldEinfügen"_s, -1, u"Einfügen / ersetzen"_s, ohne,
       aufruf(m, &Main::mnuPopFeldEinfügen_Click)},
      {u"mnuPopUp"_s, u"mnuPopAdr"_s, -1, u"Adresse"_s, ohne, keiner},
      {u"mnuPopAdr"_s, u"mnuPopAdrNeu"_s, -1, u"Neu anlegen"_s, ohne, aufruf(m, &Main::mnuPopAdrNeu_Click)},
      {u"mnuPopAdr"_s, u"mnuPopAdrKopieren"_s, -1, u"Kopieren"_s, ohne, aufruf(m, &Main::mnuPopAdrKopieren_Click)},
      {u"mnuPopAdr"_s, u"mnuPopAdrLöschen"_s, -1, u"Löschen"_s, ohne, aufruf(m, &Main::mnuPopAdrLöschen_Click)},
      {u"mnuPopUp"_s, u"mnuPopStrichEdit"_s, -1, u"-"_s, ohne, keiner},
      {u"mnuPopUp"_s, u"mnuPopListenwahl"_s, -1, u"Listenauswahl..."_s, ohne, aufruf(m, &Main::mnuPopListenwahl_Click)},
      {u"mnuPopUp"_s, u"mnuPopZoom"_s, -1, u"Zoom..."_s, ohne, aufruf(m, &Main::mnuPopZoom_Click)},
      {u"mnuPopUp"_s, u"mnuPopStrichConnect"_s, -1, u"-"_s, ohne, keiner},
      {u"mnuPopUp"_s, u"mnuPopBrfAnWord"_s, -1, u"Brief an Word..."_s, ohne, aufruf(m, &Main::mnuPopBrfAnWord_Click)},
      {u"mnuPopUp"_s, u"mnuPopTeleWahl"_s, -1, u"Telefon-Nr. wählen..."_s, ohne,
       aufruf(m, &Main::mnuPopTeleWahl_Click)},
      {u"mnuPopUp"_s, u"mnuPopeMailTo"_s, -1, u"eMail senden..."_s, ohne, aufruf(m, &Main::mnuPopeMailTo_Click)},
      {u"mnuPopUp"_s, u"mnuPopWebSite"_s, -1, u"Web-Seite aufrufen..."_s, ohne, aufruf(m, &Main::mnuPopWebSite_Click)},

      {u""_s, u"PulDatei"_s, -1, u"&Datei"_s, ohne, keiner},
      {u"PulDatei"_s, u"PulAnlegen"_s, -1, u"&Anlegen..."_s, ohne, aufruf(m, &Main::PulAnlegen_Click)},
      {u"PulDatei"_s, u"PulÖffnen"_s, -1, u"Ö&ffnen..."_s, taste("Ctrl+L"), aufruf(m, &Main::PulÖffnen_Click)},
      {u"PulDatei"_s, u"mnuDateiHinzufügen"_s, -1, u"&Hinzufügen..."_s, ohne,
       aufruf(m, &Main::mnuDateiHinzufügen_Click)},
      {u"PulDatei"_s, u"PulSichern"_s, -1, u"&Speichern"_s, taste("Ctrl+S"), aufruf(m, &Main::PulSichern_Click)},
      {u"PulDatei"_s, u"Strixchif"_s, -1, u"-"_s, ohne, keiner},
      {u"PulDatei"_s, u"mnuDateiBeschreiben"_s, -1, u"&Beschreiben..."_s, ohne,
       aufruf(m, &Main::mnuDateiBeschreiben_Click)},
      {u"PulDatei"_s, u"PulSort"_s, -1, u"S&ortieren"_s, ohne, keiner},
      // The index of a sort item is the field it sorts by.
      {u"PulSort"_s, u"mnuSort"_s, 0, u"nach &Rubrik"_s, taste("Ctrl+F4"), aufruf(m, &Main::mnuSort_Click)},
      {u"PulSort"_s, u"mnuSort"_s, 1, u"nach &Nachname"_s, ohne, aufruf(m, &Main::mnuSort_Click)},
      {u"PulSort"_s, u"mnuSort"_s, 4, u"nach &PLZ"_s, ohne, aufruf(m, &Main::mnuSort_Click)},
      {u"PulSort"_s, u"mnuSort"_s, 6, u"nach &Land"_s, ohne, aufruf(m, &Main::mnuSort_Click)},
      {u"PulSort"_s, u"mnuSort"_s, 7, u"nach &Telefon-Nr."_s, ohne, aufruf(m, &Main::mnuSort_Click)},
      {u"PulSort"_s, u"mnuSort"_s, 10, u"nach &Zusatz"_s, ohne, aufruf(m, &Main::mnuSort_Click)},
      {u"PulSort"_s, u"mnuSort"_s, 15, u"nach &Erstellungsdatum"_s, ohne, aufruf(m, &Main::mnuSort_Click)},
      {u"PulSort"_s, u"mnuSort"_s, 16, u"nach &Änderungsdatum"_s, taste("Ctrl+Shift+F4"),
       aufruf(m, &Main::mnuSort_Click)},
      {u"PulSort"_s, u"mnuSort"_s, 20, u"nach &Geburtstag (Alter)"_s, ohne, aufruf(m, &Main::mnuSort_Click)},
      {u"PulSort"_s, u"mnuSort"_s, 22, u"nach &WWW-Seite"_s, ohne, aufruf(m, &Main::mnuSort_Click)},
      {u"PulSort"_s, u"mnuSort"_s, 23, u"nach &Index"_s, ohne, aufruf(m, &Main::mnuSort_Click)},
      {u"PulDatei"_s, u"Strich1"_s, -1, u"-"_s, ohne, keiner},
      {u"PulDatei"_s, u"PulAbbruch"_s, -1, u"Bee&nden"_s, ohne, aufruf(m, &Main::PulAbbruch_Click)},
      {u"PulDatei"_s, u"PulEnde"_s, -1, u"Speichern und Be&enden"_s, taste("F12"), aufruf(m, &Main::pulEnde_Click)},

      {u""_s, u"PulBearbeiten"_s, -1, u"&Adresse"_s, ohne, aufruf(m, &Main::PulBearbeiten_Click)},
      {u"PulBearbeiten"_s, u"mnuUndo"_s, -1, u"Änderungen &rückgängig"_s, taste("Ctrl+Z"),
       aufruf(m, &Main::mnuUndo_Click)},
      {u"PulBearbeiten"_s, u"mnuAdrEditX"_s, -1, u"&Bearbeiten"_s, ohne, keiner},
      {u"mnuAdrEditX"_s, u"PulEinfügen"_s, -1, u"Adresse &Anlegen"_s, taste("Ctrl+N"),
       aufruf(m, &Main::PulEinfügen_Click)},
      {u"mnuAdrEditX"_s, u"PulKopieren"_s, -1, u"Adresse &Kopieren"_s, taste("Ctrl+K"),
       aufruf(m, &Main::PulKopieren_Click)},
      {u"mnuAdrEditX"_s, u"PulAusschneiden"_s, -1, u"Adresse &Löschen"_s, taste("Ctrl+Y"),
       aufruf(m, &Main::PulAusschneiden_Click)},
      {u"mnuAdrEditX"_s, u"Strich34"_s, -1, u"-"_s, ohne, keiner},
      {u"mnuAdrEditX"_s, u"mnuSonderzeichenEinfg"_s, -1, u"S&onderzeichen einfügen..."_s, ohne,
       aufruf(m, &Main::mnuSonderzeichenEinfg_Click)},
      {u"PulBearbeiten"_s, u"Strich56"_s, -1, u"-"_s, ohne, keiner},
      {u"PulBearbeiten"_s, u"PulSuchen"_s, -1, u"&Suche Text"_s, taste("Ctrl+F"), aufruf(m, &Main::PulSuchen_Click)},
      {u"PulBearbeiten"_s, u"Strich77"_s, -1, u"-"_s, ohne, keiner},
      {u"PulBearbeiten"_s, u"mnuxWeiterAn"_s, -1, u"&Weiterleitung"_s, ohne, keiner},
      {u"mnuxWeiterAn"_s, u"mnuBrfAnWord"_s, -1, u"&Brief an Word..."_s, taste("Ctrl+B"),
       aufruf(m, &Main::mnuBrfAnWord_Click)},
      {u"mnuxWeiterAn"_s, u"PulTeleWählen"_s, -1, u"&Telefonnummer per Modem wählen..."_s, taste("Ctrl+W"),
       aufruf(m, &Main::PulTeleWählen_Click)},
      {u"mnuxWeiterAn"_s, u"mnueMailTo"_s, -1, u"&eMail senden..."_s, taste("Ctrl+E"),
       aufruf(m, &Main::mnueMailTo_Click)},
      {u"mnuxWeiterAn"_s, u"mnuWebStart"_s, -1, u"&Web-Seite aufrufen..."_s, ohne, aufruf(m, &Main::mnuWebStart_Click)},
      {u"PulBearbeiten"_s, u"mnuAdrExport"_s, -1, u"&Exportieren"_s, ohne, keiner},
      {u"mnuAdrExport"_s, u"PulZAdresse"_s, -1, u"&Anschrift in Zwischenablage..."_s, taste("Ctrl+A"),
       aufruf(m, &Main::PulZAdresse_Click)},
      {u"mnuAdrExport"_s, u"PulZFax"_s, -1, u"&Fax-Nr in Zwischenablage"_s, ohne, aufruf(m, &Main::PulZFax_Click)},
      {u"mnuAdrExport"_s, u"mnuEmailSend"_s, -1, u"&eMails versenden..."_s, ohne, aufruf(m, &Main::mnuEmailSend_Click)},
      {u"mnuAdrExport"_s, u"Strichihdf"_s, -1, u"-"_s, ohne, keiner},
      {u"mnuAdrExport"_s, u"mnuExpGeb2Kelvor"_s, -1, u"&Geburtstage an Kelvor..."_s, taste("Ctrl+F5"),
       aufruf(m, &Main::mnuExpGeb2Kelvor_Click)},
      {u"mnuAdrExport"_s, u"Strichwqre"_s, -1, u"-"_s, ohne, keiner},
      {u"mnuAdrExport"_s, u"mnuExpSeriendruck"_s, -1, u"&Seriendruck-Datei erstellen..."_s, ohne,
       aufruf(m, &Main::mnuExpSeriendruck_Click)},
      {u"mnuAdrExport"_s, u"mnuExportD2CardServer"_s, -1, u"Liste für &D2-CardServer 1.0..."_s, ohne,
       aufruf(m, &Main::mnuExportD2CardServer_Click)},
      {u"mnuAdrExport"_s, u"mnuExportTiptel195"_s, -1, u"Tiptel 195 Telefonregister 1000 !!!..."_s, ohne,
       aufruf(m, &Main::mnuExportTiptel195_Click)},
      {u"mnuAdrExport"_s, u"mnuExportTKAnlage"_s, -1, u"&Kurzwahl-Speicher für * !!! ..."_s, ohne,
       aufruf(m, &Main::mnuExportTKAnlage_Click)},
      {u"PulBearbeiten"_s, u"mnuAdrImport"_s, -1, u"&Importieren"_s, ohne, keiner},
      {u"mnuAdrImport"_s, u"mnuAdrImpDINFO3"_s, -1, u"&Suche bei D-Info 3.0..."_s, ohne,
       aufruf(m, &Main::mnuAdrImpDINFO3_Click)},
      {u"mnuAdrImport"_s, u"mnuAdrImpDINFO97"_s, -1, u"&Suche bei D-Info 97..."_s, ohne,
       aufruf(m, &Main::mnuAdrImpDINFO97_Click)},
      {u"mnuAdrImport"_s, u"mnuAdrImpKlickTel98"_s, -1, u"&Suche bei KlickTel 98..."_s, taste("Ctrl+Shift+F7"),
       aufruf(m, &Main::mnuAdrImpKlickTel98_Click)},
      {u"mnuAdrImport"_s, u"mnuAdrImpDINFO99"_s, -1, u"&Suche bei D-Info 99..."_s, taste("Ctrl+F7"),
       aufruf(m, &Main::mnuAdrImpDINFO99_Click)},
      {u"mnuAdrImport"_s, u"mnuImpZA"_s, -1, u"Import einer Adresse aus &Zwischenablage"_s, taste("Ctrl+F8"),
       aufruf(m, &Main::mnuImpZA_Click)},
      {u"mnuAdrImport"_s, u"mnuAdrImpListe"_s, -1, u"Import einer Adress&liste..."_s, taste("Ctrl+I"),
       aufruf(m, &Main::mnuAdrImpListe_Click)},
      {u"mnuAdrImport"_s, u"Strichjd"_s, -1, u"-"_s, ohne, keiner},
      {u"mnuAdrImport"_s, u"mnuPlzSuche"_s, -1, u"Externe &PLZ Suche..."_s, taste("Ctrl+F9"),
       aufruf(m, &Main::mnuPlzSuche_Click)},

      {u""_s, u"PulDrucken"_s, -1, u"D&rucken"_s, ohne, keiner},
      {u"PulDrucken"_s, u"PulListe"_s, -1, u"&Liste..."_s, taste("Ctrl+P"), aufruf(m, &Main::PulListe_Click)},
      {u"PulDrucken"_s, u"mnuPrnPersBogen"_s, -1, u"&Personenbogen"_s, ohne, aufruf(m, &Main::mnuPrnPersBogen_Click)},
      {u"PulDrucken"_s, u"Strichxx"_s, -1, u"-"_s, ohne, keiner},
      {u"PulDrucken"_s, u"PulBriefumschlag"_s, -1, u"&Umschlag..."_s, taste("Ctrl+T"),
       aufruf(m, &Main::PulBriefumschlag_Click)},
      {u"PulDrucken"_s, u"mnuPrnUmschlagsfenster"_s, -1, u"Umschlags&fenster"_s, ohne,
       aufruf(m, &Main::mnuPrnUmschlagsfenster_Click)},
      {u"PulDrucken"_s, u"mnuPrnÜberweisung"_s, -1, u"Über&weisung..."_s, taste("Ctrl+M"),
       aufruf(m, &Main::mnuPrnÜberweisung_Click)},
      {u"PulDrucken"_s, u"mnuPrnNachnahme"_s, -1, u"&Nachnahme..."_s, taste("Ctrl+H"),
       aufruf(m, &Main::mnuPrnNachnahme_Click)},
      {u"PulDrucken"_s, u"mnuPrnLastschrift"_s, -1, u"L&astschrift..."_s, ohne,
       aufruf(m, &Main::mnuPrnLastschrift_Click)},
      {u"PulDrucken"_s, u"Strich4"_s, -1, u"-"_s, ohne, keiner},
      {u"PulDrucken"_s, u"PulDruckEinrichten"_s, -1, u"Druckerein&richtung..."_s, ohne,
       aufruf(m, &Main::PulDruckEinrichten_Click)},

      {u""_s, u"mnuWeiteres"_s, -1, u"&Weiteres"_s, ohne, aufruf(m, &Main::mnuWeiteres_Click)},
      {u"mnuWeiteres"_s, u"mnuSetup"_s, -1, u"&Einstellungen..."_s, ohne, aufruf(m, &Main::mnuSetup_Click)},
      {u"mnuWeiteres"_s, u"mnuMaskenEdit"_s, -1, u"&Masken-Editor"_s, taste("Ctrl+J"),
       aufruf(m, &Main::mnuMaskenEdit_Click)},
      {u"mnuWeiteres"_s, u"mnuStrichdhf"_s, -1, u"-"_s, ohne, keiner},
      {u"mnuWeiteres"_s, u"mnuUebernahme"_s, -1, u"Über&nahme"_s, ohne, keiner},
      {u"mnuUebernahme"_s, u"mnuUebernahmePlzOrt"_s, -1, u"PLZ - &Ortsname"_s, taste("Shift+F9"),
       aufruf(m, &Main::mnuUebernahmePlzOrt_Click)},
      {u"mnuUebernahme"_s, u"mnuUebernahmePlzVorwahl"_s, -1, u"PLZ - &Vorwahl"_s, ohne,
       aufruf(m, &Main::mnuUebernahmePlzVorwahl_Click)},
      {u"mnuUebernahme"_s, u"mnuUebernahmeEmail"_s, -1, u"&eMail-Domains"_s, ohne,
       aufruf(m, &Main::mnuUebernahmeEmail_Click)},
      {u"mnuWeiteres"_s, u"mnuChk"_s, -1, u"&Prüfen"_s, ohne, keiner},
      {u"mnuChk"_s, u"mnuIndexSetNew"_s, -1, u"&Alle Kartulon mit einem Index versehen"_s, ohne,
       aufruf(m, &Main::mnuIndexSetNew_Click)},
      {u"mnuChk"_s, u"mnuChkEmails"_s, -1, u"&eMail-Kartulon auf Gültigkeit prüfen"_s, taste("Shift+F4"),
       aufruf(m, &Main::mnuChkEmails_Click)},
      {u"mnuWeiteres"_s, u"mnuStatistik"_s, -1, u"&Statistik"_s, ohne, keiner},
      {u"mnuStatistik"_s, u"mnuStatistikPLZ"_s, -1, u"&PLZ-Verteilung..."_s, ohne,
       aufruf(m, &Main::mnuStatistikPLZ_Click)},
      {u"mnuStatistik"_s, u"mnuStatistikFeldSuche"_s, -1, u"&Kartulon mit..."_s, ohne,
       aufruf(m, &Main::mnuStatistikFeldSuche_Click)},
      {u"mnuWeiteres"_s, u"Strichhh"_s, -1, u"-"_s, ohne, keiner},
      {u"mnuWeiteres"_s, u"mnuLinksX"_s, -1, u"&Links"_s, ohne, keiner},
      {u"mnuLinksX"_s, u"mnuLinks"_s, 0, u"&Teleauskunft online..."_s, taste("Shift+F7"),
       aufruf(m, &Main::mnuLinks_Click)},
      {u"mnuWeiteres"_s, u"mnuProgramme"_s, -1, u"&Zusätzliche Programme"_s, ohne, keiner},
      // This program, the notes program, the planner, the diary.
      {u"mnuProgramme"_s, u"mnuPrg"_s, 0, u"&Kartulon..."_s, ohne, aufruf(m, &Main::mnuPrg_Click)},
      {u"mnuProgramme"_s, u"mnuPrg"_s, 1, u"&Spindra..."_s, ohne, aufruf(m, &Main::mnuPrg_Click)},
      {u"mnuProgramme"_s, u"mnuPrg"_s, 2, u"&Kelvor..."_s, ohne, aufruf(m, &Main::mnuPrg_Click)},
      {u"mnuProgramme"_s, u"mnuPrg"_s, 3, u"&Murelkan..."_s, ohne, aufruf(m, &Main::mnuPrg_Click)},

      {u""_s, u"PulHilfe"_s, -1, u"&Hilfe"_s, ohne, keiner},
      {u"PulHilfe"_s, u"PulAnleitung"_s, -1, u"&Anleitung..."_s, ohne, aufruf(m, &Main::PulAnleitung_Click)},
      {u"PulHilfe"_s, u"mnuTips"_s, -1, u"&Tipps..."_s, ohne, aufruf(m, &Main::mnuTips_Click)},
      {u"PulHilfe"_s, u"PulInfo"_s, -1, u"&Info / Nutzungs-Vertrag..."_s, ohne, aufruf(m, &Main::PulInfo_Click)},
      {u"PulHilfe"_s, u"Strich22"_s, -1, u"-"_s, ohne, keiner},
      {u"PulHilfe"_s, u"PulWerbung"_s, -1, u"&Werbung..."_s, ohne, aufruf(m, &Main::PulWerbung_Click)},
      {u"PulHilfe"_s, u"mnuHlpWeb"_s, -1, u"Inter&net"_s, ohne, keiner},
      {u"mnuHlpWeb"_s, u"mnuURLHomePage"_s, -1, u"&Homepage"_s, ohne, aufruf(m, &Main::mnuURLHomePage_Click)},
      {u"mnuHlpWeb"_s, u"mnuURLUpdate"_s, -1, u"&Update (Infos und Download)"_s, ohne,
       aufruf(m, &Main::mnuURLUpdate_Click)},

      // The development menu, hidden at start-up.
      {u""_s, u"mnuXxxEntwicklung"_s, -1, u"Entwicklung"_s, ohne, keiner},
  };
  Menue = new vb::MenuBaum(this, tabelle);

  const std::pair<vb::MenuItem**, const char16_t*> ablage[] = {
      {&mnuPopUp, u"mnuPopUp"},
      {&mnuTips, u"mnuTips"},
      {&PulInfo, u"PulInfo"},
      {&PulDatei, u"PulDatei"},
      {&PulAnlegen, u"PulAnlegen"},
      {&PulÖffnen, u"PulÖffnen"},
      {&mnuDateiHinzufügen, u"mnuDateiHinzufügen"},
      {&PulSichern, u"PulSichern"},
      {&mnuDateiBeschreiben, u"mnuDateiBeschreiben"},
      {&PulSort, u"PulSort"},
      {&PulAbbruch, u"PulAbbruch"},
      {&PulEnde, u"PulEnde"},
      {&PulBearbeiten, u"PulBearbeiten"},
      {&mnuUndo, u"mnuUndo"},
      {&PulEinfügen, u"PulEinfügen"},
      {&PulKopieren, u"PulKopieren"},
      {&PulAusschneiden, u"PulAusschneiden"},
      {&mnuSonderzeichenEinfg, u"mnuSonderzeichenEinfg"},
      {&PulSuchen, u"PulSuchen"},
      {&mnuBrfAnWord, u"mnuBrfAnWord"},
      {&mnuWebStart, u"mnuWebStart"},
      {&PulZFax, u"PulZFax"},
      {&mnuExportTiptel195, u"mnuExportTiptel195"},
      {&mnuExportTKAnlage, u"mnuExportTKAnlage"},
      {&mnuAdrImport, u"mnuAdrImport"},
      {&mnuAdrImpDINFO3, u"mnuAdrImpDINFO3"},
      {&mnuAdrImpDINFO97, u"mnuAdrImpDINFO97"},
      {&mnuAdrImpKlickTel98, u"mnuAdrImpKlickTel98"},
      {&mnuAdrImpDINFO99, u"mnuAdrImpDINFO99"},
      {&mnuImpZA, u"mnuImpZA"},
      {&mnuPlzSuche, u"mnuPlzSuche"},
      {&PulDrucken, u"PulDrucken"},
      {&mnuPrnUmschlagsfenster, u"mnuPrnUmschlagsfenster"},
      {&PulDruckEinrichten, u"PulDruckEinrichten"},
      {&mnuWeiteres, u"mnuWeiteres"},
      {&mnuSetup, u"mnuSetup"},
      {&mnuMaskenEdit, u"mnuMaskenEdit"},
      {&mnuUebernahme, u"mnuUebernahme"},
      {&mnuChk, u"mnuChk"},
      {&mnuChkEmails, u"mnuChkEmails"},
      {&mnueMailTo, u"mnueMailTo"},
      {&PulHilfe, u"PulHilfe"},
      {&PulAnleitung, u"PulAnleitung"},
      {&PulWerbung, u"PulWerbung"},
      {&mnuURLHomePage, u"mnuURLHomePage"},
      {&mnuURLUpdate, u"mnuURLUpdate"},
      {&mnuXxxEntwicklung, u"mnuXxxEntwicklung"},
  };
  for (const auto& [ziel, name] : ablage) *ziel = Menue->item(QString::fromUtf16(name));
  Menue->arrayFuellen(QStringLiteral("mnuSort"), mnuSort);
  Menue->arrayFuellen(QStringLiteral("mnuLinks"), mnuLinks);
  Menue->arrayFuellen(QStringLiteral("mnuPrg"), mnuPrg);

  StdDialog = new vb::CommonDialog(QStringLiteral("StdDialog"), this);

  // The record menu's states follow the clipboard, so that its shortcuts never act on a stale state.
  zwischenablageBeobachter_ = Zwischenablage::beiAenderung([this] { PulBearbeiten_Click(); });
}
