// What the transfer form and the dialling dialog start with, taken from the shown record.
#include "common/Global.h"
#include "exchange/formen/Telewahl.h"
#include "mainwindow/Dialogbefehl.h"
#include "mainwindow/Main.h"
#include "store/CallByCall.h"

QString Main::FeldAuswahl() const { return Feld.has(FeldIndex) ? Feld(FeldIndex).SelText() : QString(); }

Empfaengervorgabe Main::UeberweisungsVorgabe() const {
  return EmpfaengerAusAdresse(Feld(2).Text(), Feld(1).Text(), Feld(17).Text(), Feld(18).Text(), Feld(19).Text(),
                              FeldAuswahl());
}

QString Main::TelewahlNummer() const { return WahlNummer(Feld(7).Text(), Feld(12).Text(), FeldIndex); }

void Main::PulTeleWählen_Click() {
  DialogSchritte<Telewahl> s;
  s.vorZeigen = [this](Telewahl& d) { d.txtNummer->setText(TelewahlNummer()); };
  DialogBefehl(s);
}

void Main::mnuPopTeleWahl_Click() { PulTeleWählen_Click(); }
