#include "printing/formen/PrinterSet.h"

#include "common/Benutzer.h"
#include "common/Global.h"
#include "common/Text.h"
#include "common/Ton.h"
#include "platform/dienste/Dialogs.h"
#include "platform/dienste/Printer.h"
#include "platform/kit/Twips.h"
#include "platform/vb/Clock.h"
#include "platform/vb/Fonts.h"
#include "platform/vb/Keys.h"
#include "printing/Druckvorgaben.h"
#include "printing/formen/Bausteine.h"

#include <QCoreApplication>
#include <QLocale>
#include <QPainter>
#include <QPainterPath>

using namespace Qt::Literals::StringLiterals;
using namespace druckformen;

namespace {

constexpr int kHilfe = 3005;

// A sheet of paper with lines of text, upright or lying: the orientation pictures.
QPixmap blattBild(bool quer) {
  QPixmap bild(32, 32);
  bild.fill(Qt::transparent);
  QPainter p(&bild);
  p.setRenderHint(QPainter::Antialiasing);
  const QRectF blatt = quer ? QRectF(2.5, 7.5, 27, 19) : QRectF(7.5, 2.5, 19, 27);
  QPainterPath umriss;
  const double ecke = 6;
  umriss.moveTo(blatt.left(), blatt.top());
  umriss.lineTo(blatt.right() - ecke, blatt.top());
  umriss.lineTo(blatt.right(), blatt.top() + ecke);
  umriss.lineTo(blatt.right(), blatt.bottom());
  umriss.lineTo(blatt.left(), blatt.bottom());
  umriss.closeSubpath();
  p.setPen(QPen(Qt::black, 1));
  p.setBrush(Qt::white);
  p.drawPath(umriss);
  p.drawLine(QPointF(blatt.right() - ecke, blatt.top()), QPointF(blatt.right() - ecke, blatt.top() + ecke));
  p.drawLine(QPointF(blatt.right() - ecke, blatt.top() + ecke), QPointF(blatt.right(), blatt.top() + ecke));
  QFont f = Fonts::schrift(u"Times New Roman"_s, 8, true);
  f.setPixelSize(quer ? 12 : 14);
  p.setFont(f);
  p.setPen(Qt::darkBlue);
  p.drawText(blatt.adjusted(3, 3, -3, -3), Qt::AlignLeft | Qt::AlignTop, u"A"_s);
  p.setPen(QPen(Qt::gray, 1));
  for (double y = blatt.top() + (quer ? 13 : 16); y < blatt.bottom() - 2; y += 3)
    p.drawLine(QPointF(blatt.left() + 3, y), QPointF(blatt.right() - 3, y));
  return bild;
}

// Three sheets one behind the other: the copies picture.
QPixmap stapelBild() {
  QPixmap bild(32, 32);
  bild.fill(Qt::transparent);
  QPainter p(&bild);
  p.setPen(QPen(Qt::black, 1));
  for (int i = 2; i >= 0; --i) {
    p.setBrush(i == 0 ? QColor(Qt::white) : QColor(0xe0, 0xe0, 0xe0));
    p.drawRect(QRect(3 + 5 * i, 2 + 4 * i, 17, 22));
  }
  p.setPen(QPen(Qt::gray, 1));
  for (int y = 7; y < 22; y += 3) p.drawLine(6, y, 17, y);
  return bild;
}

}  // namespace

PrinterSet* PrinterSet::Erfragen(const QString& job, const QString& titel, Sperren sperren) {
  // Without any printer the options offer nothing to choose and the job could only fail: say why instead.
  // A PDF target counts as a printer.
  if (vb::Printers().isEmpty()) {
    MsgBox(
        u"Es ist kein Drucker eingerichtet.\r\n\r\n"
        u"Bitte richten Sie in der Druckerverwaltung des Systems einen Drucker ein; zum Drucken in "
        u"PDF-Dateien genügt der Drucker \"PDF\" aus dem Paket printer-driver-cups-pdf."_s,
        vb::vbOKOnly | vb::vbExclamation, u"Drucken - Kartulon"_s);
    return nullptr;
  }
  Unload();
  PresetName = job;
  // The first reference loads the dialog with the job's preset.
  PrinterSet& dialog = get();
  dialog.setCaption(titel);
  if (sperren.kopien) dialog.ComboAnzahl->setEnabled(false);
  if (sperren.ausrichtung) dialog.optAusrichtung(0).setEnabled(false);
  dialog.Show(true);
  QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
  if (!IsLoaded()) return nullptr;
  if (dialog.Abbruch->Value() != 0) {
    Unload();
    return nullptr;
  }
  return &dialog;
}

PrinterSet::PrinterSet() {
  setObjectName(u"PrinterSet"_s);
  setCaption(u"Drucken"_s);
  setFont(Fonts::schrift(u"MS Sans Serif"_s, 8.25));
  setBorderStyle(3);
  setMinButton(false);
  setMaxButton(false);
  setProperty("HelpContextID", kHilfe);

  RahmenDrucker = rahmen(this, "RahmenDrucker", u"Drucker-Name"_s, 120, 120, 4335, 1455);
  ComboDrucker = kombi(RahmenDrucker, "ComboDrucker", 2, 120, 300, 4095);
  bezDrucker = new vb::Label(RahmenDrucker);
  bezDrucker->setObjectName(u"bezDrucker"_s);
  Twips::setzen(bezDrucker, 120, 720, 4095, 660);

  RahmenBereich = rahmen(this, "RahmenBereich", u"Bereich"_s, 120, 1680, 2055, 855);
  RahmenAusrichtung = rahmen(this, "RahmenAusrichtung", u"Ausrichtung"_s, 2280, 1680, 2175, 855);
  const char16_t* bereiche[] = {u"&Alles", u"&Markierung"};
  const char16_t* richtungen[] = {u"&Hochformat", u"&Querformat"};
  for (int i = 0; i < 2; ++i) {
    auto* b = new vb::OptionButton(RahmenBereich);
    b->setObjectName(u"optBereich_%1"_s.arg(i));
    b->setCaption(QString::fromUtf16(bereiche[i]));
    Twips::setzen(b, 120, 270 + 270 * i, 1815, 255);
    optBereich.set(i, b);
    auto* a = new vb::OptionButton(RahmenAusrichtung);
    a->setObjectName(u"optAusrichtung_%1"_s.arg(i));
    a->setCaption(QString::fromUtf16(richtungen[i]));
    Twips::setzen(a, 120, 270 + 270 * i, 1455, 255);
    a->Click = [this, i] { optAusrichtung_Click(i); };
    optAusrichtung.set(i, a);
    auto* bild = new vb::Image(RahmenAusrichtung);
    bild->setObjectName(u"imgAusrichtung_%1"_s.arg(i));
    bild->setPicture(blattBild(i == 1));
    Twips::setzen(bild, 1620, 300, 480, 480);
    imgAusrichtung.set(i, bild);
  }
  optBereich(0).setValue(true);
  optBereich(1).setEnabled(false);
  optAusrichtung(0).setValue(true);
  imgAusrichtung(1).setVisible(false);

  RahmenRaender = rahmen(this, "RahmenRaender", u"Ränder"_s, 120, 2640, 2055, 1095);
  ComboRandX = kombi(RahmenRaender, "ComboRandX", 2, 840, 270, 1095);
  ComboRandY = kombi(RahmenRaender, "ComboRandY", 2, 840, 660, 1095);
  bezRandX = beschriftung(RahmenRaender, "bezRandX", u"&Links"_s, 120, 300, 700, ComboRandX);
  bezRandY = beschriftung(RahmenRaender, "bezRandY", u"&Oben"_s, 120, 690, 700, ComboRandY);

  RahmenExemplare = rahmen(this, "RahmenExemplare", u"Exemplare"_s, 2280, 2640, 2175, 1095);
  ComboAnzahl = kombi(RahmenExemplare, "ComboAnzahl", 2, 840, 270, 615);
  bezAnzahl = beschriftung(RahmenExemplare, "bezAnzahl", u"An&zahl"_s, 120, 300, 700, ComboAnzahl);
  ImageAnzahl = new vb::Image(RahmenExemplare);
  ImageAnzahl->setObjectName(u"ImageAnzahl"_s);
  ImageAnzahl->setPicture(stapelBild());
  Twips::setzen(ImageAnzahl, 1620, 300, 480, 480);

  RahmenAusdruck = rahmen(this, "RahmenAusdruck", u"Ausdruck"_s, 120, 3840, 4335, 795);
  CheckSichern = new vb::CheckBox(RahmenAusdruck);
  CheckSichern->setObjectName(u"CheckSichern"_s);
  CheckSichern->setCaption(u"Einstellungen sichern"_s);
  Twips::setzen(CheckSichern, 120, 240, 4095, 255);
  CheckAutomatisch = new vb::CheckBox(RahmenAusdruck);
  CheckAutomatisch->setObjectName(u"CheckAutomatisch"_s);
  CheckAutomatisch->setCaption(u"Diesen Dialog künftig übergehen"_s);
  Twips::setzen(CheckAutomatisch, 120, 495, 4095, 255);

  befOk = new vb::CommandButton(this);
  befOk->setObjectName(u"befOk"_s);
  befOk->setCaption(u"&Drucken"_s);
  befOk->setDefault(true);
  Twips::setzen(befOk, 4680, 200, 1335, 375);
  befAbbrechen = new vb::CommandButton(this);
  befAbbrechen->setObjectName(u"befAbbrechen"_s);
  befAbbrechen->setCaption(u"Abbr&echen"_s);
  befAbbrechen->setCancel(true);
  Twips::setzen(befAbbrechen, 4680, 680, 1335, 375);

  Abbruch = new vb::CheckBox(this);
  Abbruch->setObjectName(u"Abbruch"_s);
  Abbruch->setCaption(u"Esc"_s);
  Abbruch->setVisible(false);

  TimerAutoJob = new vb::Timer(this);
  TimerAutoJob->setObjectName(u"TimerAutoJob"_s);
  TimerAutoJob->setEnabled(false);
  TimerAutoJob->setInterval(750);
  TimerAutoJob->Tick = [this] { TimerAutoJob_Timer(); };

  befOk->Click = [this] { BefOk_Click(); };
  befAbbrechen->Click = [this] { befAbbrechen_Click(); };
  CheckSichern->Click = [this] { CheckSichern_Click(); };
  CheckAutomatisch->Click = [this] { CheckAutomatisch_Click(); };
  ComboDrucker->Click = [this] { ComboDrucker_Click(); };

  setTabOrder(ComboDrucker, &optBereich(0));
  setTabOrder(&optBereich(0), &optAusrichtung(0));
  setTabOrder(&optAusrichtung(0), ComboRandX);
  setTabOrder(ComboRandX, ComboRandY);
  setTabOrder(ComboRandY, ComboAnzahl);
  setTabOrder(ComboAnzahl, CheckSichern);
  setTabOrder(CheckSichern, CheckAutomatisch);
  setTabOrder(CheckAutomatisch, befOk);
  setTabOrder(befOk, befAbbrechen);

  setFixedSize(Twips::zuPixel(6150), Twips::zuPixel(4755));
}

void PrinterSet::Form_Load() {
  // Every step goes on whatever the one before did.
  if (vb::FormBase* haupt = vb::Forms::Hauptformular()) setWindowIcon(haupt->widget()->windowIcon());
  setCaption(u"Drucken - Kartulon"_s);

  // Entry i stands for i millimetres; the program writes German numbers whatever the machine's locale.
  const QLocale deutsch(QLocale::German, QLocale::Germany);
  for (int i = 0; i <= kLetzterRand; ++i) {
    const QString eintrag = deutsch.toString(i / 10.0, 'f', 1) + u" cm"_s;
    ComboRandX->AddItem(eintrag);
    ComboRandY->AddItem(eintrag);
  }
  ComboRandX->setListIndex(0);
  ComboRandY->setListIndex(0);
  for (int i = 1; i <= kLetzteAnzahl + 1; ++i) ComboAnzahl->AddItem(QString::number(i));
  ComboAnzahl->setListIndex(-1);

  ComboDrucker->setEnabled(DruckerauswahlErlaubt());
  if (ComboDrucker->isEnabled()) {
    const QString aktuell = vb::Printer().DeviceName();
    for (const vb::PrinterInfo& p : vb::Printers()) {
      ComboDrucker->AddItem(p.DeviceName);
      if (p.DeviceName == aktuell) ComboDrucker->setListIndex(ComboDrucker->ListCount() - 1);
    }
    if (ComboDrucker->ListIndex() < 0 && ComboDrucker->ListCount() > 0) ComboDrucker->setListIndex(0);
  } else {
    RahmenDrucker->setEnabled(false);
    bezDrucker->setCaption(u"Keine Drucker-Auswahl möglich."_s);
  }

  if (NurLesen == -1) CheckSichern->setEnabled(false);
  PresetLoad();
}

void PrinterSet::PresetLoad() {
  const QString job = PresetName.trimmed();
  if (job.isEmpty()) return;
  const bool mitDrucker = ComboDrucker->isEnabled();
  const Druckvorgabe v = VorgabeLesen(job, mitDrucker, vb::Printer().DeviceName());
  optBereich(v.markierung ? 1 : 0).setValue(true);
  optAusrichtung(v.quer ? 1 : 0).setValue(true);
  ComboRandX->setListIndex(v.randX);
  ComboRandY->setListIndex(v.randY);
  ComboAnzahl->setListIndex(v.anzahl);
  if (mitDrucker) {
    // A later equal entry wins; a printer that is not installed leaves the current one selected.
    for (int i = 0; i < ComboDrucker->ListCount(); ++i)
      if (ComboDrucker->List(i) == v.drucker) ComboDrucker->setListIndex(i);
    if (ComboDrucker->ListIndex() < 0 && ComboDrucker->ListCount() > 0) ComboDrucker->setListIndex(0);
    ComboDrucker_Click();
  }
  if (v.automatisch) TimerAutoJob->setEnabled(true);
}

void PrinterSet::PresetSave() {
  const QString job = PresetName.trimmed();
  if (job.isEmpty()) return;
  Druckvorgabe v;
  v.drucker = ComboDrucker->Text();
  v.quer = !optAusrichtung(0).Value();
  v.randX = ComboRandX->ListIndex();
  v.randY = ComboRandY->ListIndex();
  v.anzahl = ComboAnzahl->ListIndex();
  v.automatisch = CheckAutomatisch->Value() != 0;
  VorgabeSchreiben(job, v, ComboDrucker->isEnabled(), Clock::today(), BenutzerName());
}

void PrinterSet::BefOk_Click() {
  if (CheckSichern->Value() != 0) PresetSave();
  vb::PrinterObject& drucker = vb::Printer();
  if (ComboDrucker->isEnabled() && ComboDrucker->Text() != drucker.DeviceName()) {
    const QString gewaehlt = ComboDrucker->Text();
    for (const vb::PrinterInfo& p : vb::Printers())
      if (p.DeviceName == gewaehlt) drucker.setPrinter(p.DeviceName);
  }
  QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
  drucker.setOrientation(optAusrichtung(0).Value() ? vb::vbPRORPortrait : vb::vbPRORLandscape);
  Hide();
}

void PrinterSet::befAbbrechen_Click() {
  Abbruch->setValue(1);
  Hide();
}

void PrinterSet::Form_QueryUnload(int& cancel, int mode) {
  // The close box cancels like Abbrechen; the caller's unload goes through.
  if (mode == 0) {
    cancel = 1;
    befAbbrechen_Click();
  }
}

void PrinterSet::CheckAutomatisch_Click() {
  if (CheckAutomatisch->Value() == 0) return;
  CheckSichern->setValue(1);
  MsgBox(
      u"Dieser Dialog wird künftigt nicht mehr angezeigt.\r\n\r\n"
      u"Wollen Sie dennoch einmal Änderungen vornehmen,\r\n"
      u"so halten Sie beim Aufrufen der Druck-Funktion die Shift-Taste gedrückt."_s,
      vb::vbOKOnly | vb::vbInformation, u"Druck-Optionen übergehen"_s);
}

void PrinterSet::CheckSichern_Click() {
  if (CheckSichern->Value() == 0 && CheckAutomatisch->Value() != 0) CheckAutomatisch->setValue(0);
  // Before the dialog shows, the focus cannot move: nothing happens then.
  if (isVisible()) befOk->setFocus(Qt::OtherFocusReason);
}

void PrinterSet::ComboDrucker_Click() {
  if (!ComboDrucker->isEnabled()) return;
  const QString name = ComboDrucker->Text();
  QString info;
  for (const vb::PrinterInfo& p : vb::Printers())
    if (p.DeviceName == name)
      info = Ersetzen(u"Typ: "_s + p.DeviceName + u"~~"_s + u"Ort: "_s + p.Port, u"~"_s, u"\r\n"_s);
  bezDrucker->setCaption(info);
}

void PrinterSet::optAusrichtung_Click(int index) {
  imgAusrichtung(index).setVisible(true);
  imgAusrichtung(1 - index).setVisible(false);
}

void PrinterSet::Form_Paint() {
  if (!ComboAnzahl->isEnabled()) {
    bezAnzahl->setEnabled(false);
    ImageAnzahl->setEnabled(false);
    if (ComboAnzahl->ListIndex() != 0) ComboAnzahl->setListIndex(0);
  }
  if (!optAusrichtung(0).isEnabled()) optAusrichtung(1).setEnabled(false);
}

void PrinterSet::paintEvent(QPaintEvent* e) {
  Form_Paint();
  vb::DialogForm::paintEvent(e);
}

// The first paint comes with the showing: what the caller disabled is in force before anything shows.
void PrinterSet::showEvent(QShowEvent* e) {
  Form_Paint();
  vb::DialogForm::showEvent(e);
}

void PrinterSet::TimerAutoJob_Timer() {
  TimerAutoJob->setEnabled(false);
  if (vb::ShiftKey()) {
    TonAusgeben(u"#SystemExclamation");
    CheckSichern->setValue(1);
    return;
  }
  BefOk_Click();
}
