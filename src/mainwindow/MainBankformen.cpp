// The bank forms of the print menu.
#include "bankforms/formen/FormPrnLastschrift.h"
#include "bankforms/formen/FormPrnNachnahme.h"
#include "bankforms/formen/FormPrnUeberweisung.h"
#include "mainwindow/Dialogbefehl.h"
#include "mainwindow/Main.h"

void Main::mnuPrnÜberweisung_Click() {
  DialogSchritte<FormPrnUeberweisung> s;
  s.vorZeigen = [this](FormPrnUeberweisung& d) {
    const Empfaengervorgabe v = UeberweisungsVorgabe();
    d.TxtEmpfängerName->setText(v.name);
    d.TxtEmpfängerKontoNr->setText(v.kontoNr);
    d.TxtEmpfängerBLZ->setText(v.blz);
    d.TxtEmpfängerBank->setText(v.bank);
    d.TxtVerwendung1->setText(v.verwendung1);
    d.KundenNr = Feld(23).Text();
  };
  DialogBefehl(s);
}

namespace {
// What the debit and the cash-on-delivery card take from the shown record.
Bankformteile::Adresse gezeigteAdresse(const Main& m) { return {m.FeldTexte(), m.FeldAuswahl()}; }
}  // namespace

void Main::mnuPrnLastschrift_Click() {
  DialogSchritte<FormPrnLastschrift> s;
  s.vorZeigen = [this](FormPrnLastschrift& d) { d.AdresseUebernehmen(gezeigteAdresse(*this)); };
  DialogBefehl(s);
}

void Main::mnuPrnNachnahme_Click() {
  DialogSchritte<FormPrnNachnahme> s;
  s.vorZeigen = [this](FormPrnNachnahme& d) { d.AdresseUebernehmen(gezeigteAdresse(*this)); };
  DialogBefehl(s);
}
