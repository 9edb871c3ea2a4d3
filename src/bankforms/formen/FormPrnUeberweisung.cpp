#include "bankforms/formen/FormPrnUeberweisung.h"

#include "bankforms/Empfaengervorgabe.h"
#include "bankforms/formen/Bankformteile.h"
#include "bankforms/formen/Druckrahmen.h"
#include "bankforms/formen/Feldregeln.h"
#include "common/Global.h"
#include "common/Pfade.h"
#include "common/ZDos.h"
#include "common/formen/Listen.h"
#include "platform/dienste/Dialogs.h"
#include "platform/dienste/Screen.h"
#include "platform/kit/Twips.h"
#include "platform/vb/Clock.h"
#include "platform/vb/Fonts.h"
#include "platform/vb/Paths.h"
#include "printing/formen/Bausteine.h"

#include <QFileInfo>

using namespace Qt::Literals::StringLiterals;
using Bankformteile::Beschriftung;
using Bankformteile::Eingabefeld;
using druckformen::rahmen;

namespace {

constexpr int kHilfe = 300;

// The fields' column: labels on the left, boxes from x = 2100.
constexpr int kBeschriftungX = 120;
constexpr int kBeschriftungBreite = 1920;
constexpr int kBoxX = 2100;
constexpr int kBoxBreite = 4080;

}  // namespace

FormPrnUeberweisung::FormPrnUeberweisung() {
  setObjectName(u"FormPrnUeberweisung"_s);
  setCaption(u"Überweisungsauftrag drucken"_s);
  setFont(Fonts::schrift(u"MS Sans Serif"_s, 8.25));
  setBorderStyle(3);
  setMinButton(false);
  setMaxButton(false);
  // Every control but the labels leads to the same help topic: it is the form's.
  setProperty("HelpContextID", kHilfe);

  QWidget* f = vb::MenueLeisteUndFlaeche(this, Menue);

  // Recipient, amount, purposes and payer, in the order of a transfer form.
  const int zeile[] = {120, 510, 900, 1290, 1800, 2190, 2700, 3090, 3480};
  TxtEmpfängerName = Eingabefeld(f, u"TxtEmpfängerName"_s, kEmpfaengerNameLaenge, kBoxX, zeile[0], kBoxBreite);
  Beschriftung(f, "bezEmpfängerName", u"Empfänger"_s, kBeschriftungX, zeile[0], kBeschriftungBreite, TxtEmpfängerName);
  TxtEmpfängerKontoNr = Eingabefeld(f, u"TxtEmpfängerKontoNr"_s, kEmpfaengerKontoLaenge, kBoxX, zeile[1], 1320);
  Beschriftung(f, "bezEmpfängerKontoNr", u"Konto-Nr. Empfänger"_s, kBeschriftungX, zeile[1], kBeschriftungBreite,
               TxtEmpfängerKontoNr);
  TxtEmpfängerBLZ = Eingabefeld(f, u"TxtEmpfängerBLZ"_s, kEmpfaengerBlzLaenge, 4860, zeile[1], 1320);
  Beschriftung(f, "bezEmpfängerBLZ", u"Bankleitzahl"_s, 3540, zeile[1], 1140, TxtEmpfängerBLZ);
  TxtEmpfängerBank = Eingabefeld(f, u"TxtEmpfängerBank"_s, kEmpfaengerBankLaenge, kBoxX, zeile[2], kBoxBreite);
  Beschriftung(f, "bezEmpfängerBank", u"Kreditinstitut"_s, kBeschriftungX, zeile[2], kBeschriftungBreite,
               TxtEmpfängerBank);

  TxtWährung = druckformen::kombi(f, "TxtWährung", 0, kBoxX, zeile[3], 1080);
  TxtWährung->setSorted(true);
  Beschriftung(f, "bezWährung", u"Währung"_s, kBeschriftungX, zeile[3], kBeschriftungBreite, TxtWährung);
  TxtBetrag = Eingabefeld(f, u"TxtBetrag"_s, 30, 3900, zeile[3], 2280);
  Beschriftung(f, "bezBetrag", u"Betrag"_s, 3300, zeile[3], 600, TxtBetrag);

  TxtVerwendung1 = Eingabefeld(f, u"TxtVerwendung1"_s, kVerwendungLaenge, kBoxX, zeile[4], kBoxBreite);
  Beschriftung(f, "bezVerwendung1", u"Verwendungszweck"_s, kBeschriftungX, zeile[4], kBeschriftungBreite,
               TxtVerwendung1);
  TxtVerwendung2 = Eingabefeld(f, u"TxtVerwendung2"_s, kVerwendungLaenge, kBoxX, zeile[5], kBoxBreite);
  Beschriftung(f, "bezVerwendung2", u"noch Verwendungszweck"_s, kBeschriftungX, zeile[5], kBeschriftungBreite,
               TxtVerwendung2);

  TxtAuftraggeberName = Eingabefeld(f, u"TxtAuftraggeberName"_s, kEmpfaengerNameLaenge, kBoxX, zeile[6], kBoxBreite);
  Beschriftung(f, "bezAuftraggeberName", u"Auftraggeber"_s, kBeschriftungX, zeile[6], kBeschriftungBreite,
               TxtAuftraggeberName);
  TxtAuftraggeberKontoNr = Eingabefeld(f, u"TxtAuftraggeberKontoNr"_s, kEmpfaengerKontoLaenge, kBoxX, zeile[7], 1320);
  Beschriftung(f, "bezAuftraggeberKontoNr", u"Konto-Nr. Auftraggeber"_s, kBeschriftungX, zeile[7], kBeschriftungBreite,
               TxtAuftraggeberKontoNr);
  TxtAuftraggeberBLZ = Eingabefeld(f, u"TxtAuftraggeberBLZ"_s, kEmpfaengerBlzLaenge, 4860, zeile[7], 1320);
  Beschriftung(f, "bezAuftraggeberBLZ", u"Bankleitzahl"_s, 3540, zeile[7], 1140, TxtAuftraggeberBLZ);
  TxtAuftraggeberBank = Eingabefeld(f, u"TxtAuftraggeberBank"_s, kEmpfaengerBankLaenge, kBoxX, zeile[8], kBoxBreite);
  Beschriftung(f, "bezAuftraggeberBank", u"Kreditinstitut"_s, kBeschriftungX, zeile[8], kBeschriftungBreite,
               TxtAuftraggeberBank);

  // The print options and the form type beside the fields, the buttons below them.
  RahmenDruckOptionen = rahmen(f, "RahmenDruckOptionen", u"Druck-Optionen"_s, 6360, 60, 2880, 1335);
  strgPrintDate = new vb::CheckBox(RahmenDruckOptionen);
  strgPrintDate->setObjectName(u"strgPrintDate"_s);
  strgPrintDate->setCaption(u"Datum drucken"_s);
  Twips::setzen(strgPrintDate, 120, 300, 2640, 255);
  bezSchrift = new vb::Label(RahmenDruckOptionen);
  bezSchrift->setObjectName(u"bezSchrift"_s);
  bezSchrift->setCaption(u"Schriftart"_s);
  Twips::setzen(bezSchrift, 120, 660, 2640, 195);
  ComboSchrift = druckformen::kombi(RahmenDruckOptionen, "ComboSchrift", 2, 120, 870, 2640);
  ComboSchrift->setSorted(true);

  RahmenFormular = rahmen(f, "RahmenFormular", u"Formular-Typ"_s, 6360, 1500, 2880, 1215);
  const char16_t* typen[] = {u"&Laserware LW 0106", u"Formular aus &Grafik laden", u"&Klassisch mit Durchschlag"};
  for (int i = 0; i < 3; ++i) {
    auto* o = new vb::OptionButton(RahmenFormular);
    o->setObjectName(u"optFormular_%1"_s.arg(i));
    o->setCaption(QString::fromUtf16(typen[i]));
    Twips::setzen(o, 120, 270 + 300 * i, 2640, 255);
    optFormular.set(i, o);
  }
  optFormular(0).setValue(true);

  befDrucken = new vb::CommandButton(f);
  befDrucken->setObjectName(u"befDrucken"_s);
  befDrucken->setCaption(u"&Drucken"_s);
  befDrucken->setEnabled(false);
  Twips::setzen(befDrucken, 6360, 2880, 1380, 375);
  befZurück = new vb::CommandButton(f);
  befZurück->setObjectName(u"befZurück"_s);
  befZurück->setCaption(u"&Zurück"_s);
  befZurück->setCancel(true);
  befZurück->setEnabled(false);
  Twips::setzen(befZurück, 7860, 2880, 1380, 375);

  RahmenAuftraggeber = rahmen(f, "RahmenAuftraggeber", u"Auftraggeber-Liste"_s, 120, 3960, 9120, 675);
  ComboAuftraggeber = druckformen::kombi(RahmenAuftraggeber, "ComboAuftraggeber", 2, 120, 270, 8880);

  TimerInit = new vb::Timer(this);
  TimerInit->setObjectName(u"TimerInit"_s);
  TimerInit->setInterval(500);
  TimerInit->Tick = [this] { TimerInit_Timer(); };

  PictureBack = new vb::Image(f);
  PictureBack->setObjectName(u"PictureBack"_s);
  PictureBack->setVisible(false);

  const std::vector<vb::MenuZeile> tabelle = {
      {u""_s, u"mnuUeberweisung"_s, -1, u"Über&weisung"_s, QKeySequence(), {}},
      {u"mnuUeberweisung"_s, u"mnuDrucken"_s, -1, u"&Drucken"_s, QKeySequence(Qt::CTRL | Qt::Key_P),
       [this](int) { mnuDrucken_Click(); }},
      {u"mnuUeberweisung"_s, u"mnuProtokoll"_s, -1, u"&Protokoll...."_s, QKeySequence(Qt::CTRL | Qt::Key_E),
       [this](int) { mnuProtokoll_Click(); }},
      {u"mnuUeberweisung"_s, u"mnuFlipEA_Click"_s, -1, u"Empfänger und Auftraggeber &vertauschen"_s,
       QKeySequence(Qt::CTRL | Qt::Key_V), [this](int) { mnuFlipEA_Click_Click(); }},
      {u"mnuUeberweisung"_s, u"StrichU"_s, -1, u"-"_s, QKeySequence(), {}},
      {u"mnuUeberweisung"_s, u"mnuEnde"_s, -1, u"&Zurück"_s, QKeySequence(Qt::Key_F12),
       [this](int) { mnuEnde_Click(); }},
      {u""_s, u"mnuEinstellungen"_s, -1, u"&Einstellungen"_s, QKeySequence(), {}},
      {u"mnuEinstellungen"_s, u"mniEinstellSichern"_s, -1, u"Einstellungen jetzt &sichern"_s, QKeySequence(),
       [this](int) { mniEinstellSichern_Click(); }},
      {u"mnuEinstellungen"_s, u"StrichE"_s, -1, u"-"_s, QKeySequence(), {}},
      {u"mnuEinstellungen"_s, u"mnuAuftraggeberMerken"_s, -1, u"Auftraggeber &aufnehmen"_s, QKeySequence(Qt::Key_F4),
       [this](int) { mnuAuftraggeberMerken_Click(); }},
      {u"mnuEinstellungen"_s, u"mnuAuftraggeberLöschen"_s, -1, u"Auftraggeber &löschen"_s,
       QKeySequence(Qt::SHIFT | Qt::Key_F4), [this](int) { mnuAuftraggeberLöschen_Click(); }},
  };
  menue_ = std::make_unique<vb::MenuBaum>(this, Menue, tabelle);
  mnuUeberweisung = menue_->item(u"mnuUeberweisung"_s);
  mnuDrucken = menue_->item(u"mnuDrucken"_s);
  mnuProtokoll = menue_->item(u"mnuProtokoll"_s);
  mnuFlipEA_Click = menue_->item(u"mnuFlipEA_Click"_s);
  mnuEnde = menue_->item(u"mnuEnde"_s);
  mnuEinstellungen = menue_->item(u"mnuEinstellungen"_s);
  mniEinstellSichern = menue_->item(u"mniEinstellSichern"_s);
  mnuAuftraggeberMerken = menue_->item(u"mnuAuftraggeberMerken"_s);
  mnuAuftraggeberLöschen = menue_->item(u"mnuAuftraggeberLöschen"_s);

  befDrucken->Click = [this] { befDrucken_Click(); };
  befZurück->Click = [this] { befZurück_Click(); };
  ComboAuftraggeber->Click = [this] { ComboAuftraggeber_Click(); };

  // The typing rules of the bank forms, after the dialog's own handlers.
  const QList<vb::TextBox*> felder = {TxtEmpfängerName,   TxtEmpfängerKontoNr, TxtEmpfängerBLZ,
                                      TxtEmpfängerBank,   TxtBetrag,           TxtVerwendung1,
                                      TxtVerwendung2,     TxtAuftraggeberName, TxtAuftraggeberKontoNr,
                                      TxtAuftraggeberBLZ, TxtAuftraggeberBank};
  for (vb::TextBox* b : felder) {
    if (b != TxtEmpfängerBank && b != TxtAuftraggeberBank) Feldregeln::TextMarkieren(*b);
    Feldregeln::EnterWeiter(*b);
  }
  Feldregeln::EnterWeiter(*TxtWährung);
  Feldregeln::BankAusBankleitzahl(*TxtEmpfängerBank, *TxtEmpfängerBLZ);
  Feldregeln::BankAusBankleitzahl(*TxtAuftraggeberBank, *TxtAuftraggeberBLZ);
  for (vb::TextBox* b : {TxtAuftraggeberName, TxtAuftraggeberKontoNr, TxtAuftraggeberBLZ, TxtAuftraggeberBank})
    Feldregeln::AuftraggeberZeichen(*b);
  Feldregeln::Betragsfeld(*TxtBetrag);

  const QList<QWidget*> reihe = {TxtEmpfängerName->editor(),
                                 TxtEmpfängerKontoNr->editor(),
                                 TxtEmpfängerBLZ->editor(),
                                 TxtEmpfängerBank->editor(),
                                 TxtWährung,
                                 TxtBetrag->editor(),
                                 TxtVerwendung1->editor(),
                                 TxtVerwendung2->editor(),
                                 TxtAuftraggeberName->editor(),
                                 TxtAuftraggeberKontoNr->editor(),
                                 TxtAuftraggeberBLZ->editor(),
                                 TxtAuftraggeberBank->editor(),
                                 strgPrintDate,
                                 ComboSchrift,
                                 &optFormular(0),
                                 &optFormular(1),
                                 &optFormular(2),
                                 ComboAuftraggeber,
                                 befDrucken,
                                 befZurück};
  Bankformteile::Tabfolge(reihe);

  setFixedSize(Twips::zuPixel(9360), Twips::zuPixel(4755) + Menue->sizeHint().height());
}

FormPrnUeberweisung::~FormPrnUeberweisung() = default;

void FormPrnUeberweisung::Form_Load() {
  // Every step goes on whatever the one before did.
  vb::Screen::setMousePointer(vb::Screen::vbHourglass);
  if (vb::FormBase* haupt = vb::Forms::Hauptformular()) setWindowIcon(haupt->widget()->windowIcon());
  if (NurLesen == -1) mniEinstellSichern->setEnabled(false);

  TextAlsListe(*TxtWährung, Ueberweisung::WaehrungenLesen(), u";"_s);
  TxtWährung->AddItem(QString());
  const Ueberweisung::Einstellungen e = Ueberweisung::EinstellungenLesen();
  TxtWährung->setText(e.waehrung);
  TextAlsListe(*ComboAuftraggeber, QString(e.konten), u";"_s);
  TxtAuftraggeberName->setText(e.name);
  TxtAuftraggeberKontoNr->setText(e.kontoNr);
  TxtAuftraggeberBank->setText(e.bank);
  TxtAuftraggeberBLZ->setText(e.blz);
  strgPrintDate->setValue(e.datum ? 1 : 0);

  const QString bild = Paths::aufloesen(ProgrammOrdner() + u"/FormPrn_Ueberweisung.bmp"_s);
  const bool mitBild = DateiVorhanden(bild);
  optFormular(1).setEnabled(mitBild);
  bildPfad_ = mitBild ? bild : QString();
  optFormular(1).setProperty("Tag", bildPfad_);

  const int typ = optFormular.has(e.formular) ? e.formular : -1;
  if (typ >= 0 && optFormular(typ).isEnabled())
    optFormular(typ).setValue(true);
  else
    optFormular(0).setValue(true);
  vb::Screen::setMousePointer(vb::Screen::vbDefault);
}

void FormPrnUeberweisung::TimerInit_Timer() {
  TimerInit->setEnabled(false);
  SchriftenLaden(*ComboSchrift);
  // The user's font, else a typewriter font, else a plain one, else the first.
  int wahl = ListeSuchen(*ComboSchrift, Ueberweisung::SchriftLesen());
  if (wahl < 0) wahl = ListeSuchen(*ComboSchrift, u"Courier NEW"_s);
  if (wahl < 0) wahl = ListeSuchen(*ComboSchrift, u"ARIAL"_s);
  if (wahl < 0) wahl = 0;
  if (ComboSchrift->ListCount() > 0) ComboSchrift->setListIndex(wahl);
  befDrucken->setEnabled(true);
  befZurück->setEnabled(true);
}

QString FormPrnUeberweisung::KontenLog() const {
  return Paths::aufloesen(Ueberweisung::KontenLogPfad(DatenOrdner, TxtAuftraggeberKontoNr->Text()));
}

Ueberweisungsdaten FormPrnUeberweisung::Daten() const {
  Ueberweisungsdaten d;
  d.empfaengerName = TxtEmpfängerName->Text();
  d.empfaengerKontoNr = TxtEmpfängerKontoNr->Text();
  d.empfaengerBlz = TxtEmpfängerBLZ->Text();
  d.empfaengerBank = TxtEmpfängerBank->Text();
  d.waehrung = TxtWährung->Text();
  d.betrag = TxtBetrag->Text();
  d.verwendung1 = TxtVerwendung1->Text();
  d.verwendung2 = TxtVerwendung2->Text();
  d.auftraggeberName = TxtAuftraggeberName->Text();
  d.auftraggeberKontoNr = TxtAuftraggeberKontoNr->Text();
  d.auftraggeberBlz = TxtAuftraggeberBLZ->Text();
  d.auftraggeberBank = TxtAuftraggeberBank->Text();
  d.kundenNr = KundenNr;
  d.datum = strgPrintDate->Value() != 0;
  return d;
}

void FormPrnUeberweisung::DruckeKlassisch() {
  BankformDrucken(Ueberweisung::Klassisch(Daten(), Clock::today(), ComboSchrift->Text()), PictureBack);
}

void FormPrnUeberweisung::DruckeFormular() {
  const QString bild = optFormular(1).Value() ? optFormular(1).property("Tag").toString() : QString();
  BankformDrucken(Ueberweisung::Formular(Daten(), Clock::today(), ComboSchrift->Text(), bild), PictureBack);
}

void FormPrnUeberweisung::mnuDrucken_Click() {
  if (!Feldregeln::BetragVorDemDruck(*TxtBetrag)) return;
  // The entry is written before the print options show: a print cancelled there is logged too.
  Ueberweisung::KontenLogAnhaengen(KontenLog(), Ueberweisung::KontenLogEintrag(Daten(), Clock::now()));
  if (optFormular(2).Value()) {
    DruckeKlassisch();
    return;
  }
  DruckeFormular();
  befZurück_Click();
}

void FormPrnUeberweisung::befDrucken_Click() { mnuDrucken_Click(); }

void FormPrnUeberweisung::befZurück_Click() { Hide(); }

void FormPrnUeberweisung::mnuEnde_Click() { befZurück_Click(); }

void FormPrnUeberweisung::Form_QueryUnload(int& cancel, int mode) {
  if (mode != 0) return;
  cancel = 1;
  befZurück_Click();
}

void FormPrnUeberweisung::ComboAuftraggeber_Click() {
  const QStringList teile = Ueberweisung::AuftraggeberTeile(ComboAuftraggeber->Text());
  TxtAuftraggeberName->setText(teile.at(0));
  TxtAuftraggeberKontoNr->setText(teile.at(1));
  TxtAuftraggeberBLZ->setText(teile.at(2));
  TxtAuftraggeberBank->setText(teile.at(3));
}

void FormPrnUeberweisung::mnuAuftraggeberMerken_Click() {
  ListeErgaenzen(*ComboAuftraggeber,
                 Ueberweisung::AuftraggeberEintrag(TxtAuftraggeberName->Text(), TxtAuftraggeberKontoNr->Text(),
                                                   TxtAuftraggeberBLZ->Text(), TxtAuftraggeberBank->Text()));
}

void FormPrnUeberweisung::mnuAuftraggeberLöschen_Click() {
  if (ComboAuftraggeber->ListIndex() < 0) {
    MsgBox(u"Bitte wählen Sie vor dem Löschen das gewünschte Konto aus."_s, vb::vbOKOnly | vb::vbInformation,
           u"Konto löschen"_s);
    return;
  }
  ListeAuswahlEntfernen(*ComboAuftraggeber);
}

void FormPrnUeberweisung::mniEinstellSichern_Click() {
  vb::Screen::setMousePointer(vb::Screen::vbHourglass);
  Ueberweisung::Einstellungen e;
  e.datum = strgPrintDate->Value() != 0;
  e.formular = 0;
  for (int i = 0; i < 3; ++i)
    if (optFormular(i).Value()) {
      e.formular = i;
      break;
    }
  e.waehrung = TxtWährung->Text();
  e.name = TxtAuftraggeberName->Text();
  e.kontoNr = TxtAuftraggeberKontoNr->Text();
  e.bank = TxtAuftraggeberBank->Text();
  e.blz = TxtAuftraggeberBLZ->Text();
  e.konten = ListeAlsText(*ComboAuftraggeber, u";"_s);
  e.schrift = ComboSchrift->Text();
  Ueberweisung::EinstellungenSchreiben(e);
  vb::Screen::setMousePointer(vb::Screen::vbDefault);
}

void FormPrnUeberweisung::mnuFlipEA_Click_Click() {
  const std::pair<vb::TextBox*, vb::TextBox*> paare[] = {{TxtAuftraggeberName, TxtEmpfängerName},
                                                         {TxtAuftraggeberKontoNr, TxtEmpfängerKontoNr},
                                                         {TxtAuftraggeberBLZ, TxtEmpfängerBLZ},
                                                         {TxtAuftraggeberBank, TxtEmpfängerBank}};
  for (const auto& [a, e] : paare) {
    const QString t = a->Text();
    a->setText(e->Text());
    e->setText(t);
  }
}

void FormPrnUeberweisung::mnuProtokoll_Click() {
  const QString log = KontenLog();
  if (!QFileInfo(log).isFile()) return;
  Z_DOS::TextDateiBearbeiten(log, false);
}
