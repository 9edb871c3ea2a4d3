#include "bankforms/formen/FormPrnNachnahme.h"

#include "bankforms/Betragsregeln.h"
#include "bankforms/Lastschrift.h"
#include "bankforms/formen/Bankformteile.h"
#include "bankforms/formen/Druckrahmen.h"
#include "bankforms/formen/Feldregeln.h"
#include "common/Global.h"
#include "common/Ini.h"
#include "common/Pfade.h"
#include "common/Text.h"
#include "common/formen/Listen.h"
#include "platform/dienste/Screen.h"
#include "platform/kit/Twips.h"
#include "platform/vb/Clock.h"
#include "platform/vb/Fonts.h"
#include "platform/vb/Paths.h"
#include "platform/vb/Vb.h"
#include "printing/formen/Bausteine.h"

using namespace Qt::Literals::StringLiterals;
using Bankformteile::Beschriftung;
using Bankformteile::Eingabefeld;
using druckformen::rahmen;

float NachnahmeGebühr() {
  static const float gebuehr = Nachnahme::Gebuehr(Clock::today());
  return gebuehr;
}

namespace {

constexpr int kHilfe = 290;
constexpr int kHilfeWaehrung = 1000;
constexpr int kLabelX = 120, kLabelBreite = 1140, kBoxX = 1320, kBoxBreite = 4440;

}  // namespace

FormPrnNachnahme::FormPrnNachnahme() {
  using namespace Nachnahme;
  setObjectName(u"FormPrnNachnahme"_s);
  setCaption(u"Nachnahme drucken"_s);
  setFont(Fonts::schrift(u"MS Sans Serif"_s, 8.25));
  setBorderStyle(3);
  setMinButton(false);
  setMaxButton(false);
  setKeyPreview(true);
  setProperty("HelpContextID", kHilfe);

  QWidget* f = vb::MenueLeisteUndFlaeche(this, Menue);

  RahmenAnschrift = rahmen(f, "RahmenAnschrift", u"Verwendung, Betrag und Anschrift"_s, 120, 60, 5940, 3300);
  QWidget* a = RahmenAnschrift;
  txtArtikel1 = druckformen::kombi(a, "txtArtikel1", 0, kBoxX, 270, kBoxBreite);
  txtArtikel1->setSorted(true);
  Beschriftung(a, "bezArtikel1", u"Verwendung"_s, kLabelX, 270, kLabelBreite, txtArtikel1);
  txtArtikel2 = druckformen::kombi(a, "txtArtikel2", 0, kBoxX, 630, kBoxBreite);
  txtArtikel2->setSorted(true);
  Beschriftung(a, "bezArtikel2", u"Verwendung"_s, kLabelX, 630, kLabelBreite, txtArtikel2);
  txtPreis = Eingabefeld(a, u"txtPreis"_s, kPreisLaenge, kBoxX, 990, 1320);
  Beschriftung(a, "bezPreis", u"Preis"_s, kLabelX, 990, kLabelBreite, txtPreis);
  ComboWährung = druckformen::kombi(a, "ComboWährung", 0, 2760, 990, 1080);
  ComboWährung->setProperty("HelpContextID", kHilfeWaehrung);
  txtPreisZustell = Eingabefeld(a, u"txtPreisZustell"_s, kPreisLaenge, kBoxX, 1350, 1320);
  Beschriftung(a, "bezPlus", u"+"_s, 1080, 1350, 180, txtPreisZustell);
  Beschriftung(a, "bezZustell", u"Zustellgebebühr"_s, 2760, 1350, 1800, txtPreisZustell);
  txtAuftragsnummer = Eingabefeld(a, u"txtAuftragsnummer"_s, kAuftragLaenge, kBoxX, 1710, 1320);
  Beschriftung(a, "bezAuftrag", u"Auftragsnr."_s, kLabelX, 1710, kLabelBreite, txtAuftragsnummer);
  TxtName = Eingabefeld(a, u"TxtName"_s, kZeileLaenge, kBoxX, 2130, kBoxBreite);
  Beschriftung(a, "bezName", u"Name"_s, kLabelX, 2130, kLabelBreite, TxtName);
  txtStrasse = Eingabefeld(a, u"txtStrasse"_s, kZeileLaenge, kBoxX, 2490, kBoxBreite);
  Beschriftung(a, "bezStrasse", u"Straße"_s, kLabelX, 2490, kLabelBreite, txtStrasse);
  txtOrt = Eingabefeld(a, u"txtOrt"_s, kZeileLaenge, kBoxX, 2850, kBoxBreite);
  Beschriftung(a, "bezOrt", u"Ort"_s, kLabelX, 2850, kLabelBreite, txtOrt);

  RahmenAbsender = rahmen(f, "RahmenAbsender", u"Absender"_s, 120, 3420, 5940, 2460);
  QWidget* b = RahmenAbsender;
  const struct {
    vb::TextBox** box;
    const char16_t* name;
    const char* bez;
    const char16_t* text;
    int laenge, breite;
  } absender[] = {{&AbsName, u"AbsName", "bezAbsName", u"Name", kZeileLaenge, kBoxBreite},
                  {&AbsStrasse, u"AbsStrasse", "bezAbsStrasse", u"Straße", kZeileLaenge, kBoxBreite},
                  {&AbsOrt, u"AbsOrt", "bezAbsOrt", u"PLZ, Ort", kZeileLaenge, kBoxBreite},
                  {&AbsBLZ, u"AbsBLZ", "bezAbsBLZ", u"BLZ", kBlzLaenge, 1320},
                  {&AbsBank, u"AbsBank", "bezAbsBank", u"Bank", kZeileLaenge, kBoxBreite},
                  {&AbsKontoNr, u"AbsKontoNr", "bezAbsKontoNr", u"Konto-Nr.", kKontoLaenge, 1800}};
  int y = 270;
  for (const auto& z : absender) {
    *z.box = Eingabefeld(b, QString::fromUtf16(z.name), z.laenge, kBoxX, y, z.breite);
    Beschriftung(b, z.bez, QString::fromUtf16(z.text), kLabelX, y, kLabelBreite, *z.box);
    y += 360;
  }

  ComboSchrift = Bankformteile::Schriftrahmen(f, RahmenDruckOptionen, "RahmenDruckOptionen", 6240, 60, 2760);
  Bankformteile::Formulartypen(f, RahmenFormular, "RahmenFormular", optFormular, u"&Laserware LW 0101"_s, 120, 5940,
                               5940);

  befPrnÜberweisung = new vb::CommandButton(f);
  befPrnÜberweisung->setObjectName(u"befPrnÜberweisung"_s);
  befPrnÜberweisung->setCaption(u"&Drucken"_s);
  Twips::setzen(befPrnÜberweisung, 6240, 1200, 2760, 375);
  befAbbrechen = new vb::CommandButton(f);
  befAbbrechen->setObjectName(u"befAbbrechen"_s);
  befAbbrechen->setCaption(u"&Zurück"_s);
  befAbbrechen->setCancel(true);
  Twips::setzen(befAbbrechen, 6240, 1680, 2760, 375);

  PictureBack = new vb::Image(f);
  PictureBack->setObjectName(u"PictureBack"_s);
  PictureBack->setVisible(false);

  const std::vector<vb::MenuZeile> tabelle = {
      {u""_s, u"mnuSetup"_s, -1, u"&Einstellungen"_s, QKeySequence(), {}},
      {u"mnuSetup"_s, u"mnuSetupSave"_s, -1, u"Einstellungen jetzt &sichern"_s, QKeySequence(),
       [this](int) { mnuSetupSave_Click(); }},
  };
  menue_ = std::make_unique<vb::MenuBaum>(this, Menue, tabelle);
  mnuSetup = menue_->item(u"mnuSetup"_s);
  mnuSetupSave = menue_->item(u"mnuSetupSave"_s);

  befPrnÜberweisung->Click = [this] { befPrnÜberweisung_Click(); };
  befAbbrechen->Click = [this] { befAbbrechen_Click(); };
  txtPreis->LostFocus = [this] { txtPreis_LostFocus(); };
  for (vb::TextBox* t : {txtPreis, txtPreisZustell, txtAuftragsnummer, TxtName, txtStrasse, txtOrt, AbsName, AbsStrasse,
                         AbsOrt, AbsBLZ, AbsBank, AbsKontoNr})
    Feldregeln::TextMarkieren(*t);

  const QList<QWidget*> reihe = {txtArtikel1,
                                 txtArtikel2,
                                 txtPreis->editor(),
                                 ComboWährung,
                                 txtPreisZustell->editor(),
                                 txtAuftragsnummer->editor(),
                                 TxtName->editor(),
                                 txtStrasse->editor(),
                                 txtOrt->editor(),
                                 AbsName->editor(),
                                 AbsStrasse->editor(),
                                 AbsOrt->editor(),
                                 AbsBLZ->editor(),
                                 AbsBank->editor(),
                                 AbsKontoNr->editor(),
                                 ComboSchrift,
                                 befPrnÜberweisung,
                                 befAbbrechen,
                                 &optFormular(0),
                                 &optFormular(1)};
  Bankformteile::Tabfolge(reihe);

  setFixedSize(Twips::zuPixel(9120), Twips::zuPixel(6960) + Menue->sizeHint().height());
}

FormPrnNachnahme::~FormPrnNachnahme() = default;

void FormPrnNachnahme::IniLaden() {
  const Nachnahme::Einstellungen e = Nachnahme::EinstellungenLesen(NachnahmeGebühr());
  AbsName->setText(e.name);
  AbsStrasse->setText(e.strasse);
  AbsOrt->setText(e.ort);
  AbsBLZ->setText(e.blz);
  AbsBank->setText(e.bank);
  AbsKontoNr->setText(e.kontoNr);
  txtPreisZustell->setText(e.preisZustell);
}

void FormPrnNachnahme::Form_Load() {
  // Every step goes on whatever the one before did.
  vb::Screen::setMousePointer(vb::Screen::vbHourglass);
  if (vb::FormBase* haupt = vb::Forms::Hauptformular()) setWindowIcon(haupt->widget()->windowIcon());
  IniLaden();
  const Nachnahme::Einstellungen e = Nachnahme::EinstellungenLesen(NachnahmeGebühr());
  ComboWährung->AddItem(u"DM"_s);
  ComboWährung->AddItem(u"EUR"_s);
  ComboWährung->setListIndex(0);
  ComboWährung->setText(e.waehrung);

  Bankformteile::FormularWaehlen(optFormular, Paths::aufloesen(ProgrammOrdner() + u"/FormPrn_Nachnahme.bmp"_s), e.bild);

  Bankformteile::SchriftWaehlen(*ComboSchrift, e.schrift);

  txtArtikel1->AddItem(u"Bestellung"_s);
  txtArtikel1->AddItem(u"Auftrag"_s);
  AdresseUebernehmen(adresse_);
}

void FormPrnNachnahme::AdresseUebernehmen(const Bankformteile::Adresse& adresse) {
  adresse_ = adresse;
  const auto& f = adresse.felder;
  TxtName->setText(Lastschrift::Schuldnername(f[2], f[1], f[10]));
  txtStrasse->setText(vb::Trim(f[3]));
  txtOrt->setText(vb::Trim(f[4] + u' ' + f[5]));
  txtArtikel1->setText(Bankformteile::Verwendung(adresse.auswahl));
}

void FormPrnNachnahme::Form_Paint() { vb::Screen::setMousePointer(vb::Screen::vbDefault); }

void FormPrnNachnahme::paintEvent(QPaintEvent* e) {
  vb::DialogForm::paintEvent(e);
  Form_Paint();
}

void FormPrnNachnahme::Form_KeyPress(int& keyAscii) { Feldregeln::EnterWeiter(keyAscii); }

void FormPrnNachnahme::Form_QueryUnload(int& cancel, int mode) {
  if (mode != 0) return;
  cancel = 1;
  befAbbrechen_Click();
}

void FormPrnNachnahme::befAbbrechen_Click() { Hide(); }

void FormPrnNachnahme::txtPreis_LostFocus() { txtPreis->setText(Nachnahme::PreisVerlassen(txtPreis->Text())); }

Nachnahmedaten FormPrnNachnahme::Daten() const {
  Nachnahmedaten d;
  d.artikel1 = txtArtikel1->Text();
  d.artikel2 = txtArtikel2->Text();
  d.preis = txtPreis->Text();
  d.waehrung = ComboWährung->Text();
  d.preisZustell = txtPreisZustell->Text();
  d.auftragsnummer = txtAuftragsnummer->Text();
  d.name = TxtName->Text();
  d.strasse = txtStrasse->Text();
  d.ort = txtOrt->Text();
  d.absName = AbsName->Text();
  d.absStrasse = AbsStrasse->Text();
  d.absOrt = AbsOrt->Text();
  d.absBlz = AbsBLZ->Text();
  d.absBank = AbsBank->Text();
  d.absKontoNr = AbsKontoNr->Text();
  d.kundenNr = adresse_.felder[23];
  d.logo = IniLesen(QString(), QString(), QStringLiteral("Logo4Umschlag"), QString()) == QStringLiteral("Sorvek");
  return d;
}

int FormPrnNachnahme::DruckeBorkaneNN() {
  const QString bild = optFormular(1).Value() ? optFormular(1).property("Tag").toString() : QString();
  int antwort = 0;
  BankformDrucken(Nachnahme::Karte(Daten(), Clock::now(), ComboSchrift->Text(), bild), PictureBack, &antwort);
  return antwort;
}

void FormPrnNachnahme::befPrnÜberweisung_Click() {
  if (!Betragsregeln::BetragFragen(txtPreis->Text(), [this] { txtPreis->SetFocus(); })) return;
  // After a printer error the dialog stays open, so nothing typed is lost.
  if (DruckeBorkaneNN() != 0) return;
  befAbbrechen_Click();
}

void FormPrnNachnahme::mnuSetupSave_Click() {
  Nachnahme::Einstellungen e;
  e.bild = !optFormular(0).Value();
  e.name = AbsName->Text();
  e.strasse = AbsStrasse->Text();
  e.ort = AbsOrt->Text();
  e.blz = AbsBLZ->Text();
  e.bank = AbsBank->Text();
  e.kontoNr = AbsKontoNr->Text();
  e.preisZustell = txtPreisZustell->Text();
  e.waehrung = ComboWährung->Text();
  e.schrift = ComboSchrift->Text();
  Nachnahme::EinstellungenSchreiben(e);
}
