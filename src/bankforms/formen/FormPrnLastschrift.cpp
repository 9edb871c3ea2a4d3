#include "bankforms/formen/FormPrnLastschrift.h"

#include "bankforms/Ueberweisung.h"
#include "bankforms/formen/Bankformteile.h"
#include "bankforms/formen/Druckrahmen.h"
#include "bankforms/formen/Feldregeln.h"
#include "common/Fehler.h"
#include "common/Global.h"
#include "common/Pfade.h"
#include "common/Text.h"
#include "common/Ton.h"
#include "common/formen/Listen.h"
#include "platform/dienste/Dialogs.h"
#include "platform/dienste/Screen.h"
#include "platform/kit/Twips.h"
#include "platform/vb/Clock.h"
#include "platform/vb/Codec.h"
#include "platform/vb/Fonts.h"
#include "platform/vb/Paths.h"
#include "platform/vb/Vb.h"
#include "printing/formen/Bausteine.h"

#include <QCoreApplication>
#include <QFile>

using namespace Qt::Literals::StringLiterals;
using Bankformteile::Beschriftung;
using Bankformteile::Eingabefeld;
using druckformen::rahmen;

namespace {

constexpr int kHilfe = 293;
constexpr int kHilfeKnoepfe = 290;

// A caption above its box, on white: red on the debtor's side, blue for the creditor.
QLabel* ueber(QWidget* eltern, const char* name, const QString& text, int l, int t, int w, QWidget* zu,
              bool blau = false) {
  vb::Label* b = druckformen::beschriftung(eltern, name, text, l, t, w, zu);
  b->setAutoFillBackground(true);
  QPalette p = b->palette();
  p.setColor(QPalette::Window, Qt::white);
  p.setColor(QPalette::WindowText, blau ? QColor(0, 0, 255) : QColor(255, 0, 0));
  b->setPalette(p);
  Twips::setzen(b, l, t, w, 210);
  return b;
}

}  // namespace

FormPrnLastschrift::FormPrnLastschrift() {
  using namespace Lastschrift;
  setObjectName(u"FormPrnLastschrift"_s);
  setCaption(u"Lastschrift drucken"_s);
  setFont(Fonts::schrift(u"MS Sans Serif"_s, 8.25));
  setBorderStyle(3);
  setMinButton(false);
  setMaxButton(false);
  setKeyPreview(true);
  setProperty("HelpContextID", kHilfe);

  QWidget* f = vb::MenueLeisteUndFlaeche(this, Menue);

  bezGelb = new QLabel(f);
  bezGelb->setObjectName(u"bezGelb"_s);
  bezGelb->setAutoFillBackground(true);
  QPalette gelb = bezGelb->palette();
  gelb.setColor(QPalette::Window, QColor(255, 255, 192));
  bezGelb->setPalette(gelb);
  Twips::setzen(bezGelb, 60, 60, 5760, 4380);

  // Caption above, box below: the debtor, the debit, the creditor.
  constexpr int L = 180, B = 5460;
  TxtAbsName = Eingabefeld(f, u"TxtAbsName"_s, kNameLaenge, L, 330, B);
  ueber(f, "bezAbsName", u"Zahlungspflichtiger"_s, L, 120, 2400, TxtAbsName);
  TxtAbsKontoNr = Eingabefeld(f, u"TxtAbsKontoNr"_s, kKontoLaenge, L, 930, 1800);
  ueber(f, "bezAbsKontoNr", u"Konto-Nr."_s, L, 720, 1800, TxtAbsKontoNr);
  TxtAbsBLZ = Eingabefeld(f, u"TxtAbsBLZ"_s, kBlzLaenge, 2160, 930, 1500);
  ueber(f, "bezAbsBLZ", u"Bankleitzahl"_s, 2160, 720, 1500, TxtAbsBLZ);
  TxtAbsBank = Eingabefeld(f, u"TxtAbsBank"_s, kBankLaenge, L, 1530, B);
  ueber(f, "bezAbsBank", u"Kreditinstitut"_s, L, 1320, 2400, TxtAbsBank);
  TxtWährung = druckformen::kombi(f, "TxtWährung", 0, L, 2130, 1200);
  TxtWährung->setSorted(true);
  ueber(f, "BezWährung", u"Währung"_s, L, 1920, 1200, TxtWährung);
  TxtBetrag = Eingabefeld(f, u"TxtBetrag"_s, kBetragLaenge, 1560, 2130, 1800);
  ueber(f, "bezBetrag", u"Betrag"_s, 1560, 1920, 1800, TxtBetrag);
  TxtVerwendung1 = Eingabefeld(f, u"TxtVerwendung1"_s, Lastschrift::kVerwendungLaenge, L, 2730, B);
  ueber(f, "bezVerwendung1", u"Verwendungszweck"_s, L, 2520, 2400, TxtVerwendung1);
  TxtVerwendung2 = Eingabefeld(f, u"TxtVerwendung2"_s, Lastschrift::kVerwendungLaenge, L, 3330, B);
  ueber(f, "bezVerwendung2", u"noch Verwendungszweck"_s, L, 3120, 2400, TxtVerwendung2);
  TxtEmpName = druckformen::kombi(f, "TxtEmpName", 0, L, 3930, 3600);
  ueber(f, "bezEmpName", u"Zahlungsempfänger"_s, L, 3720, 2400, TxtEmpName, true);
  TxtEmpKontoNr = Eingabefeld(f, u"TxtEmpKontoNr"_s, kKontoLaenge, 3960, 3930, 1680);
  ueber(f, "bezEmpKontoNr", u"Konto-Nr."_s, 3960, 3720, 1680, TxtEmpKontoNr, true);

  ComboSchrift = Bankformteile::Schriftrahmen(f, Frame2, "Frame2", 6000, 60, 2880);
  Bankformteile::Formulartypen(f, Rahmen1, "Rahmen1", optFormular, u"&Laserware LW 0102"_s, 6000, 1140, 2880);

  PictureBack = new vb::Image(f);
  PictureBack->setObjectName(u"PictureBack"_s);
  PictureBack->setVisible(false);

  befPrnLastschrift = new vb::CommandButton(f);
  befPrnLastschrift->setObjectName(u"befPrnLastschrift"_s);
  befPrnLastschrift->setCaption(u"&Drucken"_s);
  befPrnLastschrift->setProperty("HelpContextID", kHilfeKnoepfe);
  Twips::setzen(befPrnLastschrift, 6000, 4020, 1380, 375);
  befAbbrechen = new vb::CommandButton(f);
  befAbbrechen->setObjectName(u"befAbbrechen"_s);
  befAbbrechen->setCaption(u"&Zurück"_s);
  befAbbrechen->setCancel(true);
  befAbbrechen->setProperty("HelpContextID", kHilfeKnoepfe);
  Twips::setzen(befAbbrechen, 7500, 4020, 1380, 375);

  const std::vector<vb::MenuZeile> tabelle = {
      {u""_s, u"mnuSetup"_s, -1, u"&Einstellungen"_s, QKeySequence(), {}},
      {u"mnuSetup"_s, u"mnuSetupSave"_s, -1, u"Einstellungen jetzt &sichern"_s, QKeySequence(),
       [this](int) { mnuSetupSave_Click(); }},
      {u""_s, u"mnuLastFile"_s, -1, u"&Sammeldatei"_s, QKeySequence(), {}},
      {u"mnuLastFile"_s, u"mnuLastFileSave"_s, -1, u"Last&schrift in Sammeldatei ablegen und zurück"_s,
       QKeySequence(Qt::Key_F8), [this](int) { mnuLastFileSave_Click(); }},
      {u"mnuLastFile"_s, u"mnuLastFileLoad"_s, -1, u"Samme&ldatei drucken"_s, QKeySequence(),
       [this](int) { mnuLastFileLoad_Click(); }},
  };
  menue_ = std::make_unique<vb::MenuBaum>(this, Menue, tabelle);
  mnuSetup = menue_->item(u"mnuSetup"_s);
  mnuSetupSave = menue_->item(u"mnuSetupSave"_s);
  mnuLastFile = menue_->item(u"mnuLastFile"_s);
  mnuLastFileSave = menue_->item(u"mnuLastFileSave"_s);
  mnuLastFileLoad = menue_->item(u"mnuLastFileLoad"_s);

  befPrnLastschrift->Click = [this] { befPrnLastschrift_Click(); };
  befAbbrechen->Click = [this] { befAbbrechen_Click(); };

  for (vb::TextBox* b :
       {TxtAbsName, TxtAbsKontoNr, TxtAbsBLZ, TxtAbsBank, TxtBetrag, TxtVerwendung1, TxtVerwendung2, TxtEmpKontoNr})
    Feldregeln::TextMarkieren(*b);
  Feldregeln::Betragsfeld(*TxtBetrag);

  const QList<QWidget*> reihe = {TxtAbsName->editor(),
                                 TxtAbsKontoNr->editor(),
                                 TxtAbsBLZ->editor(),
                                 TxtAbsBank->editor(),
                                 TxtWährung,
                                 TxtBetrag->editor(),
                                 TxtVerwendung1->editor(),
                                 TxtVerwendung2->editor(),
                                 TxtEmpName,
                                 TxtEmpKontoNr->editor(),
                                 ComboSchrift,
                                 befPrnLastschrift,
                                 befAbbrechen,
                                 &optFormular(0),
                                 &optFormular(1)};
  Bankformteile::Tabfolge(reihe);

  setFixedSize(Twips::zuPixel(9000), Twips::zuPixel(4500) + Menue->sizeHint().height());
}

FormPrnLastschrift::~FormPrnLastschrift() = default;

void FormPrnLastschrift::Form_Load() {
  // Every step goes on whatever the one before did.
  vb::Screen::setMousePointer(vb::Screen::vbHourglass);
  if (vb::FormBase* haupt = vb::Forms::Hauptformular()) setWindowIcon(haupt->widget()->windowIcon());

  const Lastschrift::Einstellungen e = Lastschrift::EinstellungenLesen();
  Bankformteile::FormularWaehlen(optFormular, Paths::aufloesen(ProgrammOrdner() + u"/FormPrn_Lastschrift.bmp"_s),
                                 e.bild);

  TextAlsListe(*TxtWährung, Ueberweisung::WaehrungenLesen(), u";"_s);
  if (TxtWährung->ListCount() > 0) TxtWährung->setListIndex(0);
  TxtWährung->setText(e.waehrung);

  AdresseUebernehmen(adresse_);
  TxtEmpName->setText(e.name);
  TxtEmpKontoNr->setText(e.kontoNr);

  Bankformteile::SchriftWaehlen(*ComboSchrift, e.schrift);
}

void FormPrnLastschrift::AdresseUebernehmen(const Bankformteile::Adresse& adresse) {
  adresse_ = adresse;
  const auto& f = adresse.felder;
  TxtAbsName->setText(Lastschrift::Schuldnername(f[2], f[1], f[10]));
  TxtAbsKontoNr->setText(f[17]);
  TxtAbsBLZ->setText(f[18]);
  TxtAbsBank->setText(f[19]);
  TxtVerwendung1->setText(Bankformteile::Verwendung(adresse.auswahl));
  TxtVerwendung2->setText(u"Lastschrift Kunde "_s + f[23]);
}

void FormPrnLastschrift::Form_Paint() { vb::Screen::setMousePointer(vb::Screen::vbDefault); }

void FormPrnLastschrift::paintEvent(QPaintEvent* e) {
  vb::DialogForm::paintEvent(e);
  Form_Paint();
}

void FormPrnLastschrift::Form_KeyPress(int& keyAscii) { Feldregeln::EnterWeiter(keyAscii); }

void FormPrnLastschrift::Form_QueryUnload(int& cancel, int mode) {
  if (mode != 0) return;
  cancel = 1;
  befAbbrechen_Click();
}

void FormPrnLastschrift::befAbbrechen_Click() { Hide(); }

Lastschriftdaten FormPrnLastschrift::Daten() const {
  Lastschriftdaten d;
  d.absName = TxtAbsName->Text();
  d.absKontoNr = TxtAbsKontoNr->Text();
  d.absBlz = TxtAbsBLZ->Text();
  d.absBank = TxtAbsBank->Text();
  d.waehrung = TxtWährung->Text();
  d.betrag = TxtBetrag->Text();
  d.verwendung1 = TxtVerwendung1->Text();
  d.verwendung2 = TxtVerwendung2->Text();
  d.empName = TxtEmpName->Text();
  d.empKontoNr = TxtEmpKontoNr->Text();
  d.strasse = adresse_.felder[3];
  d.plz = adresse_.felder[4];
  d.ort = adresse_.felder[5];
  d.kundenNr = adresse_.felder[23];
  d.sammelDruck = SammelDruck;
  return d;
}

void FormPrnLastschrift::Fuellen(const Lastschriftdaten& d) {
  TxtAbsName->setText(d.absName);
  TxtAbsKontoNr->setText(d.absKontoNr);
  TxtAbsBLZ->setText(d.absBlz);
  TxtAbsBank->setText(d.absBank);
  TxtWährung->setText(d.waehrung);
  TxtBetrag->setText(d.betrag);
  TxtVerwendung1->setText(d.verwendung1);
  TxtVerwendung2->setText(d.verwendung2);
  TxtEmpName->setText(d.empName);
  TxtEmpKontoNr->setText(d.empKontoNr);
}

bool FormPrnLastschrift::befPrnLastschrift_Click() {
  if (!Feldregeln::BetragVorDemDruck(*TxtBetrag)) return true;
  const QString bild = optFormular(1).Value() ? optFormular(1).property("Tag").toString() : QString();
  int antwort = 0;
  const bool gedruckt =
      BankformDrucken(Lastschrift::Druck(Daten(), Clock::today(), ComboSchrift->Text(), bild), PictureBack, &antwort);
  // After a cancel or an error the dialog stays open, so nothing typed is lost.
  if (gedruckt && !SammelDruck) befAbbrechen_Click();
  return antwort != vb::vbCancel;
}

void FormPrnLastschrift::mnuSetupSave_Click() {
  Lastschrift::Einstellungen e;
  e.bild = !optFormular(0).Value();
  e.name = TxtEmpName->Text();
  e.kontoNr = TxtEmpKontoNr->Text();
  e.waehrung = TxtWährung->Text();
  e.schrift = ComboSchrift->Text();
  Lastschrift::EinstellungenSchreiben(e);
}

void FormPrnLastschrift::mnuLastFileSave_Click() {
  vb::Screen::setMousePointer(vb::Screen::vbHourglass);
  const QString pfad = Paths::aufloesen(Lastschrift::SammelPfad(DatenOrdner));
  if (!Lastschrift::SammelAnhaengen(pfad, Lastschrift::SammelZeile(Daten()))) {
    QFile datei(pfad);
    datei.open(QIODevice::Append);
    const int antwort =
        FehlerMelden(FehlerNummer(datei), u"Es ist ein Fehler beim Ablegen der Lastschrift aufgetreten."_s);
    if (antwort != 5) {
      vb::Screen::setMousePointer(vb::Screen::vbDefault);
      return;
    }
  }
  vb::Screen::setMousePointer(vb::Screen::vbDefault);
  TonAusgeben(u"#SystemExclamation");
  befAbbrechen_Click();
}

void FormPrnLastschrift::mnuLastFileLoad_Click() {
  vb::Screen::setMousePointer(vb::Screen::vbHourglass);
  const QString pfad = Paths::aufloesen(Lastschrift::SammelPfad(DatenOrdner));
  QFile datei(pfad);
  if (!datei.open(QIODevice::ReadOnly)) {
    // One report: every further step would need the file.
    vb::Screen::setMousePointer(vb::Screen::vbDefault);
    FehlerMelden(FehlerNummer(datei), u"Es ist ein Fehler beim Lesen der Lastschriften aufgetreten."_s);
    return;
  }
  const QString inhalt = Codec::dekodieren(datei.readAll());
  datei.close();
  QString text = inhalt;
  text.replace(u"\r\n"_s, u"\n"_s).replace(u'\r', u'\n');
  const QStringList zeilen = text.split(u'\n');
  for (const QString& zeile : zeilen) {
    const std::optional<Lastschriftdaten> d = Lastschrift::SammelZeileLesen(zeile);
    if (!d) continue;
    Fuellen(*d);
    QCoreApplication::processEvents();
    SammelDruck = true;
    if (!befPrnLastschrift_Click()) {
      // Ended at a printer error: the file stays, so nothing filed is lost.
      vb::Screen::setMousePointer(vb::Screen::vbDefault);
      return;
    }
  }
  vb::Screen::setMousePointer(vb::Screen::vbDefault);
  if (MsgBox(u"Soll die Lastschrift-Sammeldatei jetzt gelöscht werden?"_s, vb::vbYesNo | vb::vbQuestion,
             u"Lastschrift-Sammeldatei löschen?"_s) == vb::vbYes)
    QFile::remove(pfad);
  TonAusgeben(u"#SystemExclamation");
}
