#include "printing/formen/Umschlag.h"

#include "common/Benutzer.h"
#include "common/Fehler.h"
#include "common/Global.h"
#include "common/Ini.h"
#include "common/Logbuch.h"
#include "common/Pfade.h"
#include "common/Schrift.h"
#include "platform/dienste/FontObject.h"
#include "platform/kit/Twips.h"
#include "platform/vb/Clock.h"
#include "platform/vb/Fonts.h"
#include "platform/vb/Sanduhr.h"
#include "platform/vb/Vb.h"
#include "printing/Listenauswahl.h"
#include "printing/Umschlagdruck.h"
#include "printing/formen/Bausteine.h"
#include "printing/formen/PrinterSet.h"
#include "store/Maske.h"

#include <QApplication>
#include <QMenuBar>
#include <QPainter>
#include <optional>

using namespace Qt::Literals::StringLiterals;
using namespace druckformen;

namespace {

constexpr int kHilfe = 265;
const QString kStandardAbsender = u"Ihr Absender"_s;
const QString kLogFehler = u"Es ist ein Fehler beim Umschlag drucken aufgetreten."_s;

// The printer in the corner: a sheet coming out of a grey body.
QPixmap druckerBild() {
  QPixmap bild(32, 32);
  bild.fill(Qt::transparent);
  QPainter m(&bild);
  m.setPen(Qt::black);
  m.setBrush(Qt::white);
  m.drawRect(9, 2, 14, 12);
  m.setBrush(QColor(192, 192, 192));
  m.drawRect(2, 12, 28, 12);
  m.setBrush(Qt::white);
  m.drawRect(7, 20, 18, 9);
  m.setBrush(Qt::green);
  m.drawRect(25, 15, 2, 2);
  m.setPen(QColor(128, 128, 128));
  for (int y : {5, 8, 11}) m.drawLine(11, y, 21, y);
  return bild;
}

QString benutzer() { return BenutzerName(); }
QString basis() { return DateiTeil(AktuelleDatei, 1); }

vb::TextBox* textfeld(QWidget* eltern, const char* name, const QString& text, int grenze, int l, int t, int w, int h) {
  auto* b = new vb::TextBox(eltern, true);
  b->setObjectName(QString::fromUtf8(name));
  b->setText(text);
  b->setMaxLength(grenze);
  b->setProperty("HelpContextID", kHilfe);
  Twips::setzen(b, l, t, w, h);
  return b;
}

}  // namespace

Umschlag::Umschlag() {
  setObjectName(u"Umschlag"_s);
  setCaption(u"Umschlag drucken"_s);
  setFont(Fonts::schrift(u"MS Sans Serif"_s, 8.25));
  setBorderStyle(3);
  setMinButton(false);
  setMaxButton(false);
  setKeyPreview(true);

  QWidget* flaeche = vb::MenueLeisteUndFlaeche(this, Menue);

  // Laid out like the envelope: the sender top left, size and mask top right under the printer, the
  // address lower right.
  TxtAbsender = textfeld(flaeche, "TxtAbsender", u"Absender"_s, 255, 120, 120, 3615, 1455);
  bezSaveInfo = new vb::Label(flaeche);
  bezSaveInfo->setObjectName(u"bezSaveInfo"_s);
  bezSaveInfo->setCaption(u" Im Menü Einstellungen können Sie Ihre Eingaben sichern"_s);
  bezSaveInfo->setVisible(false);
  // Two lines under the sender, clear of the mask list and the address.
  bezSaveInfo->setWordWrap(true);
  Twips::setzen(bezSaveInfo, 120, 1635, 3015, 450);

  Image1 = new vb::Image(flaeche);
  Image1->setObjectName(u"Image1"_s);
  Image1->setPicture(druckerBild());
  Image1->setMousePointer(QCursor(Qt::PointingHandCursor));
  Image1->setToolTip(u"Doppelklick: Umschlag drucken"_s);
  Twips::setzen(Image1, 7560, 120, 480, 480);

  KombiFormat = kombi(flaeche, "KombiFormat", 2, 4440, 900, 3615);
  KombiFormat->setProperty("HelpContextID", kHilfe);
  bezFormat = beschriftung(flaeche, "bezFormat", u"Umschlagsformat"_s, 4440, 660, 2535, KombiFormat);
  ComboMasken = kombi(flaeche, "ComboMasken", 2, 4440, 1515, 3615);
  ComboMasken->setSorted(true);
  ComboMasken->setProperty("HelpContextID", kHilfe);
  bezMasken = beschriftung(flaeche, "bezMasken", u"Maske"_s, 4440, 1275, 2535, ComboMasken);

  TxtAnschrift = textfeld(flaeche, "TxtAnschrift", u"Anschrift"_s, 1024, 3240, 2280, 4815, 2295);

  StdDialog = new vb::CommonDialog(u"StdDialog"_s, this);

  const QKeySequence ohne;
  const std::vector<vb::MenuZeile> tabelle = {
      {u""_s, u"PulUmschlag"_s, -1, u"&Umschlag"_s, ohne, {}},
      {u"PulUmschlag"_s, u"PulDrucken"_s, -1, u"&Drucken"_s, QKeySequence(Qt::CTRL | Qt::Key_P),
       [this](int) { PulDrucken_Click(); }},
      {u"PulUmschlag"_s, u"mnuFlipAA"_s, -1, u"Anschrift mit Absender &vertauschen"_s,
       QKeySequence(Qt::CTRL | Qt::Key_V), [this](int) { mnuFlipAA_Click(); }},
      {u"PulUmschlag"_s, u"Strich1"_s, -1, u"-"_s, ohne, {}},
      {u"PulUmschlag"_s, u"PulEnde"_s, -1, u"&Zurück"_s, QKeySequence(Qt::Key_F12), [this](int) { pulEnde_Click(); }},
      {u""_s, u"PulEinstellungen"_s, -1, u"&Einstellungen"_s, ohne, {}},
      {u"PulEinstellungen"_s, u"PulSchritWahl"_s, -1, u"&Schrift und Farbe einstellen"_s, ohne, {}},
      {u"PulSchritWahl"_s, u"PulSchriftAbsender"_s, -1, u"&Absender..."_s, ohne,
       [this](int) { PulSchriftAbsender_Click(); }},
      {u"PulSchritWahl"_s, u"PulSchriftAnschrift"_s, -1, u"A&nschrift..."_s, ohne,
       [this](int) { PulSchriftAnschrift_Click(); }},
      {u"PulEinstellungen"_s, u"PulEinstellSichern"_s, -1, u"Einstellungen jetzt &sichern"_s,
       QKeySequence(Qt::CTRL | Qt::Key_S), [this](int) { PulEinstellSichern_Click(); }},
  };
  menue_ = std::make_unique<vb::MenuBaum>(this, Menue, tabelle);
  PulUmschlag = menue_->item(u"PulUmschlag"_s);
  PulDrucken = menue_->item(u"PulDrucken"_s);
  mnuFlipAA = menue_->item(u"mnuFlipAA"_s);
  PulEnde = menue_->item(u"PulEnde"_s);
  PulEinstellungen = menue_->item(u"PulEinstellungen"_s);
  PulSchritWahl = menue_->item(u"PulSchritWahl"_s);
  PulSchriftAbsender = menue_->item(u"PulSchriftAbsender"_s);
  PulSchriftAnschrift = menue_->item(u"PulSchriftAnschrift"_s);
  PulEinstellSichern = menue_->item(u"PulEinstellSichern"_s);

  ComboMasken->Click = [this] { ComboMasken_Click(); };
  Image1->DblClick = [this] { Image1_DblClick(); };
  TxtAbsender->KeyPress = [this](int& k) { TxtAbsender_KeyPress(k); };

  setTabOrder(TxtAbsender->editor(), KombiFormat);
  setTabOrder(KombiFormat, ComboMasken);
  setTabOrder(ComboMasken, TxtAnschrift->editor());

  resize(Twips::zuPixel(8280), Twips::zuPixel(4740) + Menue->sizeHint().height());
  setFixedSize(size());
}

void Umschlag::Form_Load() {
  if (vb::FormBase* haupt = vb::Forms::Hauptformular()) setWindowIcon(haupt->widget()->windowIcon());
  OptionenLaden();

  KombiFormat->Clear();
  for (const QString& f : UmschlagFormate()) KombiFormat->AddItem(f);
  int groesse = static_cast<int>(vb::Val(IniLesen(QString(), QString(), u"Umschlagsgröße"_s, u"1"_s)));
  if (groesse < 0 || groesse > KombiFormat->ListCount() - 1) groesse = 0;
  KombiFormat->setListIndex(groesse);

  ComboMasken->Clear();
  const QStringList masken = MaskenNamen(MaskenOrdner);
  for (const QString& name : masken) ComboMasken->AddItem(name);
  const QString gespeichert =
      IniLesen(QString(), QString(), u"User_"_s + benutzer() + u"_UmschlagsMaske"_s, u"Umschlag"_s);
  ComboMasken->setListIndex(GespeicherteMaskeFinden(masken, gespeichert));
  ComboMasken_Click();
}

void Umschlag::OptionenLaden() {
  const QString user = benutzer();
  const QString absender = IniLesen(QString(), QString(), u"User_"_s + user, kStandardAbsender);
  TxtAbsender->setText(IniLesen(QString(), QString(), u"UmschlagSpezialAbsender_"_s + basis(), absender));
  bezSaveInfo->setVisible(TxtAbsender->Text() == kStandardAbsender);

  // The keys this dialog writes win; the older ones count only where those are empty.
  const auto schrift = [&user](const QString& neu, const QString& alt) {
    QString s = IniLesen(QString(), QString(), u"User_"_s + user + neu, QString());
    return s.isEmpty() ? IniLesen(QString(), QString(), alt + user, QString()) : s;
  };
  SchriftSetzen(TxtAbsender, schrift(u"_FontAbs"_s, u"Font_Abs_"_s));
  SchriftSetzen(TxtAnschrift, schrift(u"_FontAns"_s, u"Font_Ans_"_s));

  const QColor grund = palette().color(QPalette::Window);
  TxtAbsender->setBackColor(grund);
  TxtAnschrift->setBackColor(grund);
}

void Umschlag::OptionenSichern() {
  const QString user = benutzer();
  const QString gespeichert = IniSchreiben(QString(), QString(), u"User_"_s + user, TxtAbsender->Text());
  IniSchreiben(QString(), QString(), u"UmschlagSpezialAbsender_"_s + basis(), gespeichert);
  IniSchreiben(QString(), QString(), u"User_"_s + user + u"_FontAbs"_s, SchriftAlsText(TxtAbsender));
  IniSchreiben(QString(), QString(), u"User_"_s + user + u"_FontAns"_s, SchriftAlsText(TxtAnschrift));
  IniSchreiben(QString(), QString(), u"Umschlagsgröße"_s, u" "_s + QString::number(KombiFormat->ListIndex()));
  IniSchreiben(QString(), QString(), u"User_"_s + user + u"_UmschlagsMaske"_s, MaskeZumSpeichern(ComboMasken->Text()));
}

void Umschlag::ComboMasken_Click() {
  TxtAnschrift->setText(ComboMasken->ListIndex() < 0 ? QString()
                                                     : MaskeFuellen(ComboMasken->Text(), zeile_, bezeichnungen_));
}

void Umschlag::DatensatzUebernehmen(const QString& zeile, const Bezeichnungen& bezeichnungen) {
  zeile_ = zeile;
  bezeichnungen_ = bezeichnungen;
  ComboMasken_Click();
}

void Umschlag::mnuFlipAA_Click() {
  // Both texts stay whole: the boxes' limits stop typing only.
  const QString anschrift = TxtAnschrift->Text();
  TxtAnschrift->setText(TxtAbsender->Text());
  TxtAbsender->setText(anschrift);
}

void Umschlag::PulEinstellSichern_Click() {
  Sanduhr sanduhr;
  OptionenSichern();
  bezSaveInfo->setVisible(false);
}

void Umschlag::PulSchriftAbsender_Click() { vb::SchriftDialogFuer(*StdDialog, *TxtAbsender, 4, 50); }

void Umschlag::PulSchriftAnschrift_Click() { vb::SchriftDialogFuer(*StdDialog, *TxtAnschrift, 4, 50); }

void Umschlag::TxtAbsender_KeyPress(int& /*keyAscii*/) { bezSaveInfo->setVisible(true); }

void Umschlag::Form_KeyPress(int& keyAscii) {
  if (keyAscii == 27) {
    keyAscii = 0;
    pulEnde_Click();
  }
}

void Umschlag::Form_QueryUnload(int& cancel, int mode) {
  // The close box hides the dialog; its opener unloads it.
  if (mode == 0) {
    cancel = 1;
    pulEnde_Click();
  }
}

void Umschlag::PulDrucken_Click() {
  PrinterSet* gewaehlt =
      PrinterSet::Erfragen(u"Kartulon_Umschlag"_s, u"Drucken - Kartulon "_s + u"Umschlag"_s, {.kopien = true});
  if (!gewaehlt) return;
  const PrinterSet& optionen = *gewaehlt;

  bool fertig = false;
  {
    std::optional<Sanduhr> sanduhr(std::in_place);
    bool weiter = true;
    const QString log = IniLesen(QString(), QString(), u"UmschlagLogbuch"_s, QString());
    if (!log.isEmpty() && DateiVorhanden(log)) {
      const QString eintrag = UmschlagLogEintrag(Clock::now(), TxtAnschrift->Text(), TxtAbsender->Text(), benutzer());
      // A log that cannot be written is reported once; the envelope is printed all the same unless the
      // user stops there.
      if (!LogAnhaengen(log, eintrag)) weiter = FehlerMelden(75, kLogFehler + u'~' + log) == 5;
    }
    if (weiter) {
      Umschlagauftrag a;
      a.format = KombiFormat->Text();
      a.absender = TxtAbsender->Text();
      a.anschrift = TxtAnschrift->Text();
      a.randX = std::max(0, optionen.ComboRandX->ListIndex());
      a.randY = std::max(0, optionen.ComboRandY->ListIndex());
      a.quer = !optionen.optAusrichtung(0).Value();
      a.logo = IniLesen(QString(), QString(), u"Logo4Umschlag"_s, QString()) == u"Sorvek"_s;
      const vb::WidgetFont absender(TxtAbsender);
      const vb::WidgetFont anschrift(TxtAnschrift);
      fertig = UmschlagDrucken(a, absender, anschrift);
    }
  }
  PrinterSet::Unload();
  // After an error the dialog stays open, for another try.
  if (fertig) pulEnde_Click();
}
