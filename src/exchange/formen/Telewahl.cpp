#include "exchange/formen/Telewahl.h"

#include "common/Fehler.h"
#include "common/Ini.h"
#include "common/Pfade.h"
#include "common/Ton.h"
#include "exchange/Waehlen.h"
#include "platform/dienste/Dialogs.h"
#include "platform/dienste/SerialPort.h"
#include "platform/dienste/Shell.h"
#include "platform/kit/Twips.h"
#include "platform/vb/Laufzeitfehler.h"
#include "platform/vb/Vb.h"

using namespace Qt::Literals::StringLiterals;

namespace {

const QString kAllgemein = u"Allgemein"_s;
const QString kFehlerText =
    u"Es ist ein Fehler beim Wählen per Modem aufgetreten. Überprüfen Sie bitte die Einstellungen."_s;

vb::Label* bezeichnung(QWidget* eltern, const QString& name, const QString& text, int top, int hoehe = 255) {
  auto* b = new vb::Label(eltern);
  b->setObjectName(name);
  b->setCaption(text);
  Twips::setzen(b, 120, top, 4455, hoehe);
  return b;
}

}  // namespace

Telewahl::Telewahl() {
  setObjectName(u"Telewahl"_s);
  setCaption(u"Telefonnummer wählen"_s);
  setProperty("HelpContextID", 3006);

  // From top to bottom: the number, the line, the dial string, the hint, the two buttons.
  bezNummer = bezeichnung(this, u"bezNummer"_s, u"Diese Nummer wählen"_s, 120);
  txtNummer = new vb::TextBox(this);
  txtNummer->setObjectName(u"txtNummer"_s);
  txtNummer->setToolTip(u"Diese Telefonnummer wählen"_s);
  Twips::setzen(txtNummer, 120, 375, 4455, 315);

  bezModem = bezeichnung(this, u"bezModem"_s, u"über das Modem / Schnittstelle an"_s, 810);
  kombiModem = new vb::ComboBox(this, 0);
  kombiModem->setObjectName(u"kombiModem"_s);
  kombiModem->setSorted(true);
  Twips::setzen(kombiModem, 120, 1065, 4455, 315);

  bezString = bezeichnung(this, u"bezString"_s, u"Befehls-String"_s, 1500);
  kombiString = new vb::ComboBox(this, 0);
  kombiString->setObjectName(u"kombiString"_s);
  Twips::setzen(kombiString, 120, 1755, 4455, 315);

  bezHinweis =
      bezeichnung(this, u"bezHinweis"_s, u"Bitte den Hörer erst bei entsprechendem Hinweis abnehmen!"_s, 2190, 435);
  bezHinweis->setWordWrap(true);

  befWählen = new vb::CommandButton(this);
  befWählen->setObjectName(u"befWählen"_s);
  befWählen->setCaption(u"&Wählen"_s);
  befWählen->setDefault(true);
  befWählen->setAutoDefault(true);
  Twips::setzen(befWählen, 120, 2745, 2160, 375);
  befAbbrechen = new vb::CommandButton(this);
  befAbbrechen->setObjectName(u"befAbbrechen"_s);
  befAbbrechen->setCaption(u"&Abbrechen"_s);
  Twips::setzen(befAbbrechen, 2415, 2745, 2160, 375);

  setFixedSize(Twips::zuPixel(4695), Twips::zuPixel(3240));
  setBorderStyle(3);
  setTabOrder(txtNummer->editor(), kombiModem);
  setTabOrder(kombiModem, kombiString);
  setTabOrder(kombiString, befWählen);
  setTabOrder(befWählen, befAbbrechen);

  befWählen->Click = [this] { befWählen_Click(); };
  befAbbrechen->Click = [this] { befAbbrechen_Click(); };
}

void Telewahl::Form_Load() {
  if (vb::Forms::Hauptformular()) setWindowIcon(vb::Forms::Hauptformular()->widget()->windowIcon());
  kombiString->Clear();
  for (const QString& e : WaehlStringEintraege()) kombiString->AddItem(e);
  kombiString->setText(IniLesen(QString(), kAllgemein, u"DialString"_s, QString()));
  kombiModem->Clear();
  for (const QString& e : ModemEintraege()) kombiModem->AddItem(e);
  QString port = IniLesen(QString(), kAllgemein, u"COM2Dial"_s, u"COM2"_s);
  if (port.size() < 2) port = u"COM2"_s;
  kombiModem->setText(port);
  txtNummer->setFocus(Qt::OtherFocusReason);
}

void Telewahl::Form_QueryUnload(int& cancel, int mode) {
  // A dialling that runs ends its wait for the modem and closes the port itself before the dialog goes.
  if (waehlt_) {
    cancel = 1;
    abbruch_ = true;
    return;
  }
  if (mode != 0) return;
  cancel = 1;
  befAbbrechen_Click();
}

void Telewahl::KnoepfeFreigeben(bool an) {
  befWählen->setEnabled(an);
  befAbbrechen->setEnabled(an);
}

void Telewahl::Meldung(const QString& text) {
  MsgBox(text, vb::vbExclamation, u"Telewahl"_s);
  KnoepfeFreigeben(true);
}

void Telewahl::befWählen_Click() {
  if (waehlt_) return;
  KnoepfeFreigeben(false);
  const QString befehl = WaehlBefehl(kombiString->Text());
  if (befehl.isEmpty()) return Meldung(u"Bitte legen Sie einen Wählstring fest"_s);
  const QString port = vb::Trim(kombiModem->Text());
  if (port.isEmpty()) return Meldung(u"Bitte legen Sie einen Modem-Anschluss fest"_s);
  const QString zeichen = WaehlZeichen(txtNummer->Text());
  if (zeichen.isEmpty()) return Meldung(u"Bitte geben Sie eine Telefonnummer ein."_s);

  if (port == kWaehlhilfe)
    Waehlhilfe(zeichen);
  else
    Modem(port, ModemBefehl(befehl, zeichen));
}

void Telewahl::Waehlhilfe(const QString& zeichen) {
  // A dialler program takes the number as its argument; without one the desktop gets a "tel:" link.
  QString dialer = IniLesen(QString(), u"Verknüpfung"_s, u"Dialer"_s, WindowsOrdner() + u"/Dialer.exe"_s);
  const QString programm = WaehlProgramm(dialer);
  const bool gelungen = programm.isEmpty() ? Shell::service().oeffnen(TelLink(zeichen))
                                           : Shell::service().starten(programm, {zeichen}, QString()) != 0;
  if (!gelungen) {
    KnoepfeFreigeben(true);
    if (FehlerMelden(vb::ErrDateiNichtGefunden, kFehlerText) != 5) return;
  }
  befAbbrechen_Click();
}

void Telewahl::Modem(const QString& portText, const QByteArray& befehl) {
  ModemSchritte schritte;
  schritte.abgebrochen = [this] { return abbruch_; };
  schritte.hoererAbnehmen = [] {
    TonAusgeben(u"Telefon.Wav");
    MsgBox(u"Bitte jetzt den Telefonhörer abnehmen und ENTER drücken."_s, vb::vbInformation, u"Telewahl"_s);
  };
  schritte.fehlerMelden = [this](int fehler) {
    KnoepfeFreigeben(true);
    return FehlerMelden(fehler, kFehlerText);
  };
  waehlt_ = true;
  abbruch_ = false;
  const WahlEnde ende = ModemWaehlen(AnschlussAusText(portText), befehl, SerialPort::service(), schritte);
  waehlt_ = false;
  if (ende == WahlEnde::Offen) return;
  befAbbrechen_Click();
}

void Telewahl::befAbbrechen_Click() {
  IniSchreiben(QString(), kAllgemein, u"COM2Dial"_s, kombiModem->Text());
  IniSchreiben(QString(), kAllgemein, u"DialString"_s, kombiString->Text());
  Hide();
}
