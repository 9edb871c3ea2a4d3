// The main window's printing commands that open a dialog: the mask editor, the list print and the person
// sheet.
#include "mainwindow/Dialogbefehl.h"
#include "mainwindow/Main.h"
#include "printing/formen/Listendruck.h"
#include "printing/formen/MaskenEdit.h"

void Main::mnuMaskenEdit_Click() {
  DialogSchritte<MaskenEdit> s;
  s.vorZeigen = [this](MaskenEdit& d) { d.FelderBenennen(FeldBezeichnungen()); };
  DialogBefehl(s);
}

namespace {
// The list print works on a copy of the table, the current address preselected.
void tabelleUebergeben(const Main& m, Listendruck& d) {
  d.TabelleUebernehmen(m.Liste->items(), m.Liste->ListIndex(), m.FeldBezeichnungen());
}
}  // namespace

void Main::PulListe_Click() {
  DialogSchritte<Listendruck> s;
  s.vorZeigen = [this](Listendruck& d) { tabelleUebergeben(*this, d); };
  DialogBefehl(s);
}

// The list print prints the person sheet by itself once its timer fires after the showing.
void Main::mnuPrnPersBogen_Click() {
  DialogSchritte<Listendruck> s;
  s.sanduhr = true;
  s.vorZeigen = [this](Listendruck& d) {
    tabelleUebergeben(*this, d);
    d.ZeitAutoPersBogen->setEnabled(true);
  };
  DialogBefehl(s);
}
