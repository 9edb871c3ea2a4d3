#include "printing/formen/MaskenEdit.h"

#include "common/Fehler.h"
#include "common/Global.h"
#include "common/Pfade.h"
#include "common/Schrift.h"
#include "common/formen/File.h"
#include "platform/kit/Twips.h"
#include "platform/vb/Fonts.h"
#include "platform/vb/Twips.h"
#include "printing/Masken.h"

#include <QLayout>
#include <QMenuBar>

using namespace Qt::Literals::StringLiterals;

namespace {
constexpr int kHilfe = 360;
constexpr int kStatusHoehe = 255;
}  // namespace

MaskenEdit::MaskenEdit() {
  setObjectName(u"MaskenEdit"_s);
  setCaption(u"Masken-Editor"_s);
  setFont(Fonts::schrift(u"MS Sans Serif"_s, 8.25));
  setProperty("HelpContextID", kHilfe);
  setKeyPreview(true);

  Flaeche_ = vb::MenueLeisteUndFlaeche(this, Menue);

  bezFelder = new vb::Label(Flaeche_);
  bezFelder->setObjectName(u"bezFelder"_s);
  bezFelder->setCaption(u"Felder / Texte"_s);
  Twips::setzen(bezFelder, 120, 120, 2535, 225);

  ListeFelder = new vb::ListBox(Flaeche_);
  ListeFelder->setObjectName(u"ListeFelder"_s);
  ListeFelder->setSorted(true);
  Twips::setzen(ListeFelder, 120, 360, 2535, 4320);

  befFeldEinfg = new vb::CommandButton(Flaeche_);
  befFeldEinfg->setObjectName(u"befFeldEinfg"_s);
  befFeldEinfg->setCaption(u">"_s);
  befFeldEinfg->setToolTip(u"Einfügen"_s);
  Twips::setzen(befFeldEinfg, 2700, 360, 255, 375);

  bezText = new vb::Label(Flaeche_);
  bezText->setObjectName(u"bezText"_s);
  bezText->setCaption(u"Masken-Text"_s);
  Twips::setzen(bezText, 3000, 120, 2535, 225);

  Text1 = new vb::TextBox(Flaeche_, true);
  Text1->setObjectName(u"Text1"_s);
  Text1->setScrollBars(3);
  Text1->setMaxLength(999);
  // By the name the masks store ("Arial"); the font system draws its free stand-in.
  QFont schrift(u"Arial"_s);
  schrift.setPointSizeF(8.25);
  Text1->setFont(schrift);
  Twips::setzen(Text1, 3000, 360, 5175, 4320);

  StatusBar = new vb::StatusBar(Flaeche_);
  StatusBar->setObjectName(u"StatusBar"_s);
  StatusBar->setSizeGripEnabled(false);
  StatusBar->addPanel(u"Status"_s, 0, true);
  StatusBar->addPanel(u"Position"_s, 2700);

  TimerHinweise = new vb::Timer(this);
  TimerHinweise->setObjectName(u"TimerHinweise"_s);
  TimerHinweise->setInterval(1000);
  TimerHinweise->Tick = [this] { TimerHinweise_Timer(); };

  StdDialog = new vb::CommonDialog(u"StdDialog"_s, this);

  auto befehl = [this](void (MaskenEdit::*p)()) { return [this, p](int) { (this->*p)(); }; };
  const QKeySequence ohne;
  const std::vector<vb::MenuZeile> tabelle = {
      {u""_s, u"mnuMaske"_s, -1, u"&Maske"_s, ohne, {}},
      {u"mnuMaske"_s, u"mnuLöschen"_s, -1, u"Lös&chen"_s, QKeySequence(Qt::CTRL | Qt::Key_N),
       befehl(&MaskenEdit::mnuLöschen_Click)},
      {u"mnuMaske"_s, u"mnuLaden"_s, -1, u"&Laden"_s, QKeySequence(Qt::CTRL | Qt::Key_L),
       befehl(&MaskenEdit::mnuLaden_Click)},
      {u"mnuMaske"_s, u"mnuSpeichern"_s, -1, u"&Speichern..."_s, QKeySequence(Qt::CTRL | Qt::Key_S),
       befehl(&MaskenEdit::mnuSpeichern_Click)},
      {u"mnuMaske"_s, u"mnuStrich"_s, -1, u"-"_s, ohne, {}},
      {u"mnuMaske"_s, u"mnuEnde"_s, -1, u"&Ende"_s, ohne, befehl(&MaskenEdit::mnuEnde_Click)},
      {u""_s, u"mnuEinstellungen"_s, -1, u"&Einstellungen"_s, ohne, {}},
      {u"mnuEinstellungen"_s, u"mnuSchriftFarbe"_s, -1, u"&Schrift und Farbe..."_s, ohne,
       befehl(&MaskenEdit::mnuSchriftFarbe_Click)},
  };
  menue_ = std::make_unique<vb::MenuBaum>(this, Menue, tabelle);
  mnuMaske = menue_->item(u"mnuMaske"_s);
  mnuLöschen = menue_->item(u"mnuLöschen"_s);
  mnuLaden = menue_->item(u"mnuLaden"_s);
  mnuSpeichern = menue_->item(u"mnuSpeichern"_s);
  mnuEnde = menue_->item(u"mnuEnde"_s);
  mnuEinstellungen = menue_->item(u"mnuEinstellungen"_s);
  mnuSchriftFarbe = menue_->item(u"mnuSchriftFarbe"_s);

  befFeldEinfg->Click = [this] { befFeldEinfg_Click(); };
  ListeFelder->DblClick = [this] { ListeFelder_DblClick(); };

  setTabOrder(ListeFelder, befFeldEinfg);
  setTabOrder(befFeldEinfg, Text1->editor());

  resize(Twips::zuPixel(8400), Twips::zuPixel(5400) + Menue->sizeHint().height());
  Form_Resize();
}

void MaskenEdit::Form_Load() {
  if (vb::FormBase* haupt = vb::Forms::Hauptformular()) setWindowIcon(haupt->widget()->windowIcon());
  status(u"Bereit"_s);
  TimerHinweise_Timer();
}

void MaskenEdit::FelderBenennen(const Bezeichnungen& bezeichnungen) {
  ListeFelder->Clear();
  for (const QString& bezeichnung : bezeichnungen) ListeFelder->AddItem(u'{' + bezeichnung + u'}');
  for (const QString& wort : {u"{@Datum}"_s, u"{@Uhrzeit}"_s, u"An"_s, u"Absender"_s, u"~"_s})
    ListeFelder->AddItem(wort);
}

void MaskenEdit::Form_Resize() {
  if (layout()) layout()->activate();
  const int breite = Twips::ausPixel(Flaeche_->width());
  const int hoehe = Twips::ausPixel(Flaeche_->height());
  if (hoehe > 3000) {
    const int h = hoehe - vb::Top(ListeFelder) - 3 * vb::Left(ListeFelder);
    vb::setHeight(ListeFelder, h);
    vb::setHeight(Text1, h);
  }
  if (breite > 4000) vb::setWidth(Text1, breite - vb::Left(Text1) - vb::Left(ListeFelder));
  // The status bar keeps to the bottom edge, as high as its font needs.
  const int status = StatusBar->HoeheFuerSchrift(kStatusHoehe);
  Twips::setzen(StatusBar, 0, hoehe - status, breite, status);
}

void MaskenEdit::Form_KeyPress(int& keyAscii) {
  if (keyAscii == 27) {
    keyAscii = 0;
    Hide();
  }
}

void MaskenEdit::Form_QueryUnload(int& cancel, int mode) {
  // The close box hides the editor; the opener unloads it.
  if (mode == 0) {
    cancel = 1;
    Hide();
  }
}

void MaskenEdit::status(const QString& text) {
  StatusBar->setPanelText(u"Status"_s, text);
  StatusBar->Refresh();
}

void MaskenEdit::befFeldEinfg_Click() {
  const int i = ListeFelder->ListIndex();
  if (i < 0) return;
  Text1->setSelText(ListeFelder->List(i) + u' ');
  Text1->SetFocus();
  ListeFelder->setListIndex(-1);
}

void MaskenEdit::mnuLöschen_Click() {
  Text1->setText(QString());
  status(u"Bereit"_s);
}

QString MaskenEdit::maskeWaehlen(bool laden) { return DateiDialogZeigen(MaskenName, u"Msk"_s, laden, MaskenOrdner); }

void MaskenEdit::mnuLaden_Click() {
  status(u"Maske laden..."_s);
  const QString pfad = maskeWaehlen(true);
  if (pfad.isEmpty()) return;
  QString text;
  if (const int fehler = MaskeLesen(pfad, text)) {
    FehlerMelden(fehler, u"Die Maske »"_s + pfad + u"« konnte nicht gelesen werden."_s);
    return;
  }
  // The whole text, however long: the box's limit stops typing only.
  Text1->setText(text);
  const QString schluessel = MaskenSchluessel(pfad);
  SchriftSetzen(Text1, MaskenSchriftLesen(pfad, SchriftAlsText(Text1)), u"Alles"_s);
  MaskenName = DateiTeil(pfad, 1);
  status(u"Maske "_s + schluessel + u" geladen."_s);
}

void MaskenEdit::mnuSpeichern_Click() {
  status(u"Maske speichern..."_s);
  const QString pfad = maskeWaehlen(false);
  if (pfad.isEmpty()) return;
  if (const int fehler = MaskeSchreiben(pfad, Text1->Text())) {
    FehlerMelden(fehler, u"Die Maske »"_s + pfad + u"« konnte nicht gespeichert werden."_s);
    return;
  }
  MaskenSchriftSchreiben(pfad, SchriftAlsText(Text1));
  MaskenName = DateiTeil(pfad, 1);
  status(u"Maske "_s + MaskenSchluessel(pfad) + u" gespeichert."_s);
}

void MaskenEdit::mnuSchriftFarbe_Click() {
  // The font is stored only by the next save.
  vb::SchriftDialogFuer(*StdDialog, *Text1, 4, 25);
}

void MaskenEdit::TimerHinweise_Timer() {
  const MaskenPosition p = MaskenPositionText(Text1->Text(), Text1->SelStart());
  if (StatusBar->PanelText(u"Position"_s) == p.text) return;
  StatusBar->setPanelText(u"Position"_s, p.text);
  StatusBar->setPanelToolTip(u"Position"_s, p.tipp);
}
