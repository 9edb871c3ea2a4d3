// The exchange commands of the record menu: an address list from a text file, one address from the
// clipboard, the shown address to the clipboard through a mask.
#include "exchange/formen/AdrImport2.h"
#include "exchange/formen/ImpZA.h"
#include "exchange/formen/ZAexport.h"
#include "mainwindow/Dialogbefehl.h"
#include "mainwindow/Main.h"
#include "platform/vb/Vb.h"

void Main::mnuAdrImpListe_Click() {
  DialogSchritte<AdrImport2> s;
  s.vorZeigen = [this](AdrImport2& d) { d.TabelleUebernehmen(*Bestand, *Liste, FeldBezeichnungen()); };
  s.danach = [this] { AdresseAnzeigen(); };
  DialogBefehl(s);
}

void Main::mnuImpZA_Click() {
  ImpZA& d = ImpZA::get();
  d.FelderBenennen(FeldBezeichnungen());
  d.Show(true);
  if (d.strgAbbruch->Value() == 0) {
    // Entry 0 discards the part and entry 1, the sort category, takes none; an empty box clears nothing.
    for (int i = 0; i < 8; ++i) {
      const int z = d.KombiFeldZiel(i).ListIndex();
      const QString text = d.Feld(i).Text();
      if (z > 1 && !vb::Trim(text).isEmpty()) Feld(z - 1).setText(text);
    }
    AdresseAktualisieren(0);
  }
  ImpZA::Unload();
}

void Main::PulZAdresse_Click() {
  DialogSchritte<ZAexport> s;
  s.vorZeigen = [this](ZAexport& d) { d.DatensatzUebernehmen(GezeigteZeile(), FeldBezeichnungen()); };
  DialogBefehl(s);
}
