// The import commands of the record menu: an address list from a text file, one address from the
// clipboard.
#include "exchange/formen/AdrImport2.h"
#include "mainwindow/Dialogbefehl.h"
#include "mainwindow/Main.h"

void Main::mnuAdrImpListe_Click() {
  DialogSchritte<AdrImport2> s;
  s.danach = [this] { AdresseAnzeigen(); };
  DialogBefehl(s);
}
