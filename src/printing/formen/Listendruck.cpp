#include "printing/formen/Listendruck.h"

#include "common/Fehler.h"
#include "common/Global.h"
#include "common/Ini.h"
#include "common/Ton.h"
#include "common/formen/File.h"
#include "common/formen/Formular.h"
#include "common/formen/Listen.h"
#include "platform/dienste/Dialogs.h"
#include "platform/kit/Twips.h"
#include "platform/vb/Fonts.h"
#include "platform/vb/Sanduhr.h"
#include "printing/Listenauswahl.h"
#include "printing/Listendrucken.h"
#include "printing/formen/Bausteine.h"
#include "printing/formen/PrinterSet.h"
#include "store/Maske.h"

#include <QMenuBar>
#include <QVBoxLayout>
#include <algorithm>

using namespace Qt::Literals::StringLiterals;
using namespace druckformen;

namespace {

constexpr int kHilfe = 260;
constexpr int kHilfeMasken = 265;
constexpr int kVerlauf = 20;
const QString kAuszugFehler = u"Es ist ein Fehler beim Speichern der Adressliste aufgetreten."_s;

vb::CommandButton* knopf(QWidget* eltern, const QString& name, const QString& text, int l, int t, int w, int h) {
  auto* b = new vb::CommandButton(eltern);
  b->setObjectName(name);
  b->setCaption(text);
  Twips::setzen(b, l, t, w, h);
  return b;
}

vb::CheckBox* kaestchen(QWidget* eltern, const char* name, const QString& text, int l, int t) {
  auto* c = new vb::CheckBox(eltern);
  c->setObjectName(QString::fromLatin1(name));
  c->setCaption(text);
  Twips::setzen(c, l, t, 4500, 255);
  return c;
}

}  // namespace

Listendruck::Listendruck() {
  setObjectName(u"Listendruck"_s);
  setCaption(u"Kartulonliste drucken"_s);
  setFont(Fonts::schrift(u"MS Sans Serif"_s, 8.25));
  setBorderStyle(3);
  setMinButton(false);
  setMaxButton(false);
  setProperty("HelpContextID", kHilfe);

  QWidget* flaeche = vb::MenueLeisteUndFlaeche(this, Menue);

  SSTab1 = new vb::TabControl(flaeche);
  SSTab1->setObjectName(u"SSTab1"_s);
  Twips::setzen(SSTab1, 120, 120, 7575, 5655);
  QWidget* auswahl = SSTab1->addTab(u"Auswahl der Kartulon"_s);
  QWidget* optionen = SSTab1->addTab(u"Druck-Optionen"_s);

  // The first tab: the list with its count, and the search.
  RahmenListe = rahmen(auswahl, "RahmenListe", QString(), 120, 120, 7215, 3375);
  Liste = new vb::ListBox(RahmenListe);
  Liste->setObjectName(u"Liste"_s);
  Liste->setMultiSelect(1);
  // The main window's columns, in quarters of the average character width.
  Liste->setTabStops({80, 240, 340, 500, 600, 700, 800, 900, 1000, 1100});
  // Street and town lie beyond the right edge: the list scrolls sideways to them.
  Liste->setHorizontalScrollen(true);
  Twips::setzen(Liste, 120, 270, 6975, 2985);

  RahmenAuswahl = rahmen(auswahl, "RahmenAuswahl", u"Auswahl-Optionen"_s, 120, 3600, 7215, 1575);
  KombiName = kombi(RahmenAuswahl, "KombiName", 0, 1200, 270, 3015);
  bezName = beschriftung(RahmenAuswahl, "bezName", u"Liste für..."_s, 120, 300, 1035, KombiName);
  BefLöscheNamen = knopf(RahmenAuswahl, u"BefLöscheNamen"_s, u"cls"_s, 4260, 270, 495, 315);
  KombiFilter = kombi(RahmenAuswahl, "KombiFilter", 0, 1200, 705, 3015);
  bezFilter = beschriftung(RahmenAuswahl, "bezFilter", u"Textfilter"_s, 120, 735, 1035, KombiFilter);
  BefLöscheFilter = knopf(RahmenAuswahl, u"BefLöscheFilter"_s, u"cls"_s, 4260, 705, 495, 315);
  const char16_t* auswahlTexte[] = {u"Ke&ine wählen", u"A&lle wählen", u"&Neuwahl"};
  for (int i = 0; i < 3; ++i) {
    auto* b = knopf(RahmenAuswahl, u"BefAuswahl_%1"_s.arg(i), QString::fromUtf16(auswahlTexte[i]), 5640, 240 + 420 * i,
                    1455, 375);
    b->Click = [this, i] { BefAuswahl_Click(i); };
    BefAuswahl.set(i, b);
  }
  BefAuswahl(2).setDefault(true);

  // The second tab: mask, title and page options.
  RahmenMaske = rahmen(optionen, "RahmenMaske", u"Listen-Typ (Maske)"_s, 120, 120, 3495, 795);
  ComboMasken = kombi(RahmenMaske, "ComboMasken", 2, 120, 330, 3255);
  ComboMasken->setSorted(true);
  ComboMasken->setProperty("HelpContextID", kHilfeMasken);
  RahmenÜberschrift = rahmen(optionen, "RahmenÜberschrift", u"Überschrift der Liste"_s, 3735, 120, 3600, 795);
  TxtÜberschrift = new vb::TextBox(RahmenÜberschrift);
  TxtÜberschrift->setObjectName(u"TxtÜberschrift"_s);
  TxtÜberschrift->setMaxLength(100);
  Twips::setzen(TxtÜberschrift, 120, 330, 3360, 315);
  RahmenDruckoptionen = rahmen(optionen, "RahmenDruckoptionen", u"Druckoptionen"_s, 120, 1035, 7215, 915);
  ODruckenSeiteProAdr =
      kaestchen(RahmenDruckoptionen, "ODruckenSeiteProAdr", u"jede Adresse auf eine e&xtra Seite"_s, 120, 300);
  ODruckenWaitForPage =
      kaestchen(RahmenDruckoptionen, "ODruckenWaitForPage", u"Bestätigung der Seiten&wechsel"_s, 120, 570);
  TextPrnFont = new vb::TextBox(optionen);
  TextPrnFont->setObjectName(u"TextPrnFont"_s);
  TextPrnFont->setFont(Fonts::schrift(u"Arial"_s, 11.25));
  TextPrnFont->setVisible(false);

  BefOk = knopf(flaeche, u"BefOk"_s, u"&Drucken..."_s, 7815, 420, 1455, 375);
  Bef2Datei = knopf(flaeche, u"Bef2Datei"_s, u"In Da&tei..."_s, 7815, 900, 1455, 375);
  BefAbbruch = knopf(flaeche, u"BefAbbruch"_s, u"&Abbrechen"_s, 7815, 1380, 1455, 375);
  BefAbbruch->setCancel(true);

  ProgressBar = new vb::ProgressBar(flaeche);
  ProgressBar->setObjectName(u"ProgressBar"_s);
  ProgressBar->setRange(0, 100);
  ProgressBar->setTextVisible(false);
  ProgressBar->setVisible(false);
  Twips::setzen(ProgressBar, 0, 5880, 9390, 240);

  ZeitNeuauswahl = new vb::Timer(this);
  ZeitNeuauswahl->setObjectName(u"ZeitNeuauswahl"_s);
  ZeitNeuauswahl->setEnabled(false);
  ZeitNeuauswahl->setInterval(333);
  ZeitNeuauswahl->Tick = [this] { ZeitNeuauswahl_Timer(); };
  ZeitAutoPersBogen = new vb::Timer(this);
  ZeitAutoPersBogen->setObjectName(u"ZeitAutoPersBogen"_s);
  ZeitAutoPersBogen->setEnabled(false);
  ZeitAutoPersBogen->setInterval(33);
  ZeitAutoPersBogen->Tick = [this] { ZeitAutoPersBogen_Timer(); };

  const std::vector<vb::MenuZeile> tabelle = {
      {u""_s, u"mnuSetup"_s, -1, u"&Einstellungen"_s, QKeySequence(), {}},
      {u"mnuSetup"_s, u"mnuSetupSave"_s, -1, u"Jetzt &sichern"_s, QKeySequence(Qt::CTRL | Qt::Key_S),
       [this](int) { mnuSetupSave_Click(); }},
  };
  menue_ = std::make_unique<vb::MenuBaum>(this, Menue, tabelle);
  mnuSetup = menue_->item(u"mnuSetup"_s);
  mnuSetupSave = menue_->item(u"mnuSetupSave"_s);

  Liste->Click = [this] { Liste_Click(); };
  Liste->DblClick = [this] { Liste_DblClick(); };
  KombiName->Click = [this] { KombiName_Click(); };
  KombiFilter->Click = [this] { KombiFilter_Click(); };
  BefLöscheNamen->Click = [this] { BefLöscheNamen_Click(); };
  BefLöscheFilter->Click = [this] { BefLöscheFilter_Click(); };
  ODruckenSeiteProAdr->Click = [this] { ODruckenSeiteProAdr_Click(); };
  BefOk->Click = [this] { BefOk_Click(); };
  Bef2Datei->Click = [this] { Bef2Datei_Click(); };
  BefAbbruch->Click = [this] { befAbbruch_Click(); };

  setTabOrder(Liste, KombiName);
  setTabOrder(KombiName, BefLöscheNamen);
  setTabOrder(BefLöscheNamen, KombiFilter);
  setTabOrder(KombiFilter, BefLöscheFilter);
  setTabOrder(BefLöscheFilter, &BefAuswahl(0));
  setTabOrder(&BefAuswahl(0), &BefAuswahl(1));
  setTabOrder(&BefAuswahl(1), &BefAuswahl(2));
  setTabOrder(&BefAuswahl(2), ComboMasken);
  setTabOrder(ComboMasken, TxtÜberschrift->editor());
  setTabOrder(TxtÜberschrift->editor(), ODruckenSeiteProAdr);
  setTabOrder(ODruckenSeiteProAdr, ODruckenWaitForPage);
  setTabOrder(ODruckenWaitForPage, BefOk);
  setTabOrder(BefOk, Bef2Datei);
  setTabOrder(Bef2Datei, BefAbbruch);

  resize(Twips::zuPixel(9390), Twips::zuPixel(6120) + Menue->sizeHint().height());
}

void Listendruck::Form_Load() {
  Sanduhr sanduhr;
  SSTab1->setTab(0);
  if (vb::FormBase* haupt = vb::Forms::Hauptformular()) setWindowIcon(haupt->widget()->windowIcon());
  if (NurLesen == -1) {
    Bef2Datei->setEnabled(false);
    BefLöscheNamen->setEnabled(false);
    BefLöscheFilter->setEnabled(false);
  }

  // The list first, as the lowest control of the first tab; Tab leads on to the name.
  Liste->setFocus();

  ComboMasken->Clear();
  const QStringList masken = MaskenNamen(MaskenOrdner);
  for (const QString& name : masken) ComboMasken->AddItem(name);
  const QString gespeichert = IniLesen(QString(), QString(), u"DruckMaske"_s, u"Liste_Standard"_s);
  ComboMasken->setListIndex(GespeicherteMaskeFinden(masken, gespeichert));

  TxtÜberschrift->setText(DateiBeschreibung);
  TextAlsListe(*KombiName, IniLesen(QString(), QString(), u"PrnFürWen"_s, QString()));
  TextAlsListe(*KombiFilter, IniLesen(QString(), QString(), u"PrnFilter"_s, QString()));
  KombiName->setText(QString());
  KombiFilter->setText(QString());
  AuswahlAnzeigen();
}

void Listendruck::TabelleUebernehmen(const QStringList& zeilen, int aktuell, const Bezeichnungen& bezeichnungen) {
  aktuell_ = aktuell;
  bezeichnungen_ = bezeichnungen;
  // The whole table in one step, then the current address alone selected, with the line after it in view.
  Liste->setItems(zeilen);
  // Without a current address nothing is preselected.
  if (aktuell >= 0 && aktuell < Liste->ListCount()) {
    if (aktuell + 1 < Liste->ListCount()) Liste->setListIndex(aktuell + 1);
    Liste->setListIndex(aktuell);
    Liste->setSelected(aktuell, true);
  }
  AuswahlAnzeigen();
}

void Listendruck::Form_QueryUnload(int& cancel, int mode) {
  // The close box is Abbrechen: the dialog hides, and its opener unloads it.
  if (mode == 0) {
    cancel = 1;
    befAbbruch_Click();
  }
}

void Listendruck::AuswahlAnzeigen() {
  const QString text = AuswahlZaehltext(Liste->SelCount(), Liste->ListCount());
  if (RahmenListe->Caption() != text) RahmenListe->setCaption(text);
  // Read-only mode leaves both as they are: printing stays offered, the extract stays off.
  if (NurLesen == -1) return;
  const bool gewaehlt = Liste->SelCount() > 0;
  BefOk->setEnabled(gewaehlt);
  Bef2Datei->setEnabled(gewaehlt);
}

void Listendruck::BefAuswahl_Click(int index) {
  Sanduhr sanduhr;
  ProgressBar->setValue(0);
  ProgressBar->setVisible(true);
  if (index == 0 || index == 1) {
    Liste->alleWaehlen(index == 1);
    ProgressBar->setValue(100);
  } else if (index == 2) {
    const Zeilenbereiche bereiche = NeuwahlBereiche(Liste->items(), KombiName->Text(), KombiFilter->Text(),
                                                    [this](int prozent) { ProgressBar->setValue(prozent); });
    QList<std::pair<int, int>> auswahl;
    auswahl.reserve(bereiche.size());
    for (const Zeilenbereich& b : bereiche) auswahl.append({b.von, b.bis});
    Liste->setAuswahlBereiche(auswahl);
    ComboVerlauf(*KombiName, kVerlauf);
    ComboVerlauf(*KombiFilter, kVerlauf);
  }
  // The first selected line scrolled into view.
  Liste->setListIndex(0);
  const QList<int> gewaehlt = Liste->ausgewaehlteZeilen();
  if (!gewaehlt.isEmpty()) Liste->setListIndex(gewaehlt.first());
  ProgressBar->setVisible(false);
  AuswahlAnzeigen();
}

void Listendruck::ZeitNeuauswahl_Timer() {
  ZeitNeuauswahl->setEnabled(false);
  BefAuswahl_Click(2);
}

void Listendruck::mnuSetupSave_Click() {
  IniSchreiben(QString(), QString(), u"PrnFürWen"_s, ListeAlsText(*KombiName));
  IniSchreiben(QString(), QString(), u"PrnFilter"_s, ListeAlsText(*KombiFilter));
  IniSchreiben(QString(), QString(), u"DruckMaske"_s, MaskeZumSpeichern(ComboMasken->Text()));
  TonAusgeben(u"#SystemExclamation");
}

void Listendruck::ODruckenSeiteProAdr_Click() {
  // Pages of one address each carry no title line.
  TxtÜberschrift->setEnabled(ODruckenSeiteProAdr->Value() == 0);
}

void Listendruck::Bef2Datei_Click() {
  const QString pfad = DateiDialogZeigen(u"Auszug.Dat"_s, u"Dat"_s, false, DatenOrdner);
  if (pfad.isEmpty()) return;
  QStringList zeilen;
  for (int i : Liste->ausgewaehlteZeilen()) zeilen << Liste->List(i);
  QString grund;
  int fehler;
  {
    Sanduhr sanduhr;
    fehler = AuszugSchreiben(pfad, DateiBeschreibung, zeilen, &grund);
  }
  if (fehler != 0) {
    // Reported once; the dialog stays open with its selection.
    FehlerMelden(fehler, kAuszugFehler + u'~' + pfad + u'~' + grund);
    return;
  }
  Hide();
}

void Listendruck::Liste_DblClick() {
  const int zeile = Liste->ListIndex();
  if (zeile < 0) return;
  // Without any mask the preview is empty.
  const QString text =
      ComboMasken->ListIndex() < 0 ? QString() : MaskeFuellen(ComboMasken->Text(), Liste->List(zeile), bezeichnungen_);
  MsgBox(text, vb::vbOKOnly | vb::vbInformation, u"Kartulon-Vorschau"_s);
}

void Listendruck::BefOk_Click() {
  const QString titel = u"Kartulon drucken"_s;
  if (Liste->SelCount() == 0) {
    MsgBox(u"Es sind keine Kartulon zum Drucken ausgewählt!"_s, vb::vbOKOnly | vb::vbCritical, titel);
    return;
  }
  if (ComboMasken->ListIndex() < 0) {
    MsgBox(u"Bitte zuerst eine Maske auswählen."_s, vb::vbOKOnly | vb::vbCritical, titel);
    return;
  }
  const QString maske = ComboMasken->Text();
  PrinterSet* gewaehlt = PrinterSet::Erfragen(u"Kartulon_"_s + maske, u"Drucken - Kartulon "_s + maske, {});
  if (!gewaehlt) return;
  const PrinterSet& optionen = *gewaehlt;

  Listendruckauftrag auftrag;
  auftrag.zeilen = Liste->items();
  auftrag.gewaehlt = Liste->ausgewaehlteZeilen();
  auftrag.maske = maske;
  auftrag.ueberschrift = TxtÜberschrift->Text();
  auftrag.seiteProAdresse = ODruckenSeiteProAdr->Value() != 0;
  auftrag.seitenBestaetigen = ODruckenWaitForPage->Value() != 0;
  auftrag.randX = std::max(0, optionen.ComboRandX->ListIndex());
  auftrag.randY = std::max(0, optionen.ComboRandY->ListIndex());
  auftrag.kopien = std::max(0, optionen.ComboAnzahl->ListIndex()) + 1;
  auftrag.bezeichnungen = bezeichnungen_;
  auftrag.fortschritt = [this](int prozent) { ProgressBar->setValue(prozent); };

  bool fertig = false;
  {
    Sanduhr sanduhr;
    ProgressBar->setValue(0);
    ProgressBar->setVisible(true);
    FormularSperren(this, 0);
    Listendruckstand stand{SeitenNummer, DruckAbbrechen};
    fertig = ListeDrucken(auftrag, TextPrnFont, stand);
    SeitenNummer = stand.SeitenNummer;
    DruckAbbrechen = stand.DruckAbbrechen;
    FormularSperren(this, 1);
    // Neither one-shot timer may fire after a run: it would start a new selection or a new print.
    ZeitNeuauswahl->setEnabled(false);
    ZeitAutoPersBogen->setEnabled(false);
    ProgressBar->setVisible(false);
  }
  PrinterSet::Unload();
  // After an error the dialog stays open with its choice, for another try.
  if (fertig) Hide();
}

void Listendruck::ZeitAutoPersBogen_Timer() {
  ZeitAutoPersBogen->setEnabled(false);
  for (int i = 0; i < ComboMasken->ListCount(); ++i)
    if (ComboMasken->List(i).compare(u"Personenbogen"_s, Qt::CaseInsensitive) == 0) {
      ComboMasken->setListIndex(i);
      break;
    }
  ODruckenSeiteProAdr->setValue(1);
  // The main window's current address alone.
  Liste->alleWaehlen(false);
  if (aktuell_ >= 0 && aktuell_ < Liste->ListCount()) Liste->setSelected(aktuell_, true);
  AuswahlAnzeigen();
  BefOk_Click();
}
