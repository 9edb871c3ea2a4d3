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
  };
  DialogBefehl(s);
}

void Main::mnuPrnLastschrift_Click() { DialogBefehl<FormPrnLastschrift>(); }

void Main::mnuPrnNachnahme_Click() { DialogBefehl<FormPrnNachnahme>(); }
