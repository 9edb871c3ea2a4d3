#include "mainwindow/MainFelder.h"

#include "mainwindow/Main.h"
#include "store/Anschrift.h"
#include "store/DatensatzExport.h"
#include "store/Maske.h"

std::array<QString, 24> Main::FeldBezeichnungen() const {
  std::array<QString, 24> b;
  for (int i = 0; i < 24; ++i) b[i] = Bezeichnung1(i).Caption();
  return b;
}

QString Main::GezeigteZeile() const {
  const int aktuell = Liste->ListIndex();
  return aktuell >= 0 && aktuell < Liste->ListCount() ? Liste->List(aktuell) : QString();
}

QString AnschriftErstellen(short leerzeile) { return AnschriftErstellen(Main::get().FeldTexte(), leerzeile); }

QString Laenderkennzeichen() { return Laenderkennzeichen(Main::get().FeldTexte()); }

QString MaskeFuellen(const QString& maske, const QString& zeile) {
  return MaskeFuellen(maske, zeile, Main::get().FeldBezeichnungen());
}

void DatensatzExportieren() {
  Main& m = Main::get();
  DatensatzExportieren(DatensatzAusgabe{m.FeldTexte(), m.FeldBezeichnungen(), m.Feld(11).SelText()});
}

void ListeTabsSetzen() {
  constexpr std::array<int, 10> breiten = {80, 160, 100, 160, 100, 100, 100, 100, 100, 100};
  QList<int> stops;
  int stop = 0;
  for (int b : breiten) stops << (stop += b);
  Main::get().Liste->setTabStops(stops);
}
