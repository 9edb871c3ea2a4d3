// The letter from a template and the serial e-mails: both dialogs opened from the record menu.
#include "exchange/formen/expEMAIL.h"
#include "exchange/formen/expWord.h"
#include "mainwindow/Dialogbefehl.h"
#include "mainwindow/Main.h"
#include "mainwindow/MainFelder.h"

void Main::mnuBrfAnWord_Click() {
  // The letter reads the address from the exchange files, so they hold this record before it opens.
  DialogSchritte<expWord> schritte;
  schritte.vorLaden = [] { DatensatzExportieren(); };
  schritte.vorZeigen = [this](expWord& d) { d.NachnameUebernehmen(Feld(1).Text()); };
  DialogBefehl(schritte);
}

void Main::mnuEmailSend_Click() {
  DialogSchritte<expEMAIL> s;
  s.vorZeigen = [this](expEMAIL& d) { d.DatenUebernehmen(Liste->items(), FeldBezeichnungen()); };
  DialogBefehl(s);
}
