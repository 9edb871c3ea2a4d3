// The pick lists of the field boxes on a double-click (and Alt+Enter): catalogue look-ups, the phone
// list, opening an address from the notes, the pick-list files, the values of a field in all addresses
// and the e-mail address proposals. What is offered comes from the core; here it is shown and taken.
#include "common/Email.h"
#include "common/Fehler.h"
#include "common/Global.h"
#include "common/Pfade.h"
#include "common/formen/Auswahl.h"
#include "common/formen/Listen.h"
#include "mainwindow/Main.h"
#include "platform/vb/Sanduhr.h"
#include "platform/vb/Vb.h"
#include "store/Auswahllisten.h"
#include "store/Kataloge.h"

#include <QRandomGenerator>
#include <optional>

namespace {

const QString kFehlerText = QStringLiteral("Es ist ein Fehler beim Einfügen aus der Liste aufgetreten.");

// The selected entries, each with blanks at both ends cut, joined without a separator.
QString GewaehlterText(const vb::ListBox& liste, bool rueckwaerts) {
  QString text;
  const int n = liste.ListCount();
  for (int k = 0; k < n; ++k) {
    const int i = rueckwaerts ? n - 1 - k : k;
    if (liste.Selected(i)) text += vb::Trim(liste.List(i));
  }
  return text;
}

// Adds entries to the pick list in one go; the list sorts them once.
void Hinzufuegen(vb::ListBox& liste, const QStringList& eintraege) {
  if (eintraege.isEmpty()) return;
  liste.setItems(liste.items() + eintraege);
}

}  // namespace

void Main::Feld_DblClick(short index) {
  if (NurLesen == -1) return;
  if (index < 0 || index > 23) return;
  vb::TextBox& box = Feld(index);
  const QString titel = Bezeichnung1(index).Caption() + QStringLiteral("-Auswahl");

  // The town from the postcode.
  if (index == 5) {
    if (!Feld(4).Text().isEmpty() && OrtAusPlz != 0) {
      const QString ort = OrtZuPLZ(Feld(4).Text(), 1);
      if (!ort.isEmpty()) Feld(5).setText(ort);
      AdresseAktualisieren(0);
    }
    return;
  }

  // An e-mail or web address in the notes is opened instead of offering the list.
  if (index == 11 && AdresseOeffnen(vb::Trim(box.SelText()))) return;

  Auswahl& auswahl = Auswahl::get();

  // The phone numbers of the address with the area codes of its postcode.
  if (index == 7 || index == 8 || index == 12 || index == 13) {
    auswahl.Liste->Clear();
    Hinzufuegen(*auswahl.Liste, TelefonAuswahl({Feld(7).Text(), Feld(8).Text(), Feld(12).Text(), Feld(13).Text()},
                                               VorwahlZuPLZ(Feld(4).Text(), 0)));
    ListeNachbarDoppelteEntfernen(*auswahl.Liste);
    auswahl.setCaption(titel);
    auswahl.Show(true);
    const int gewaehlt = auswahl.Liste->ListIndex();
    if (gewaehlt != -1) {
      box.setText(auswahl.Liste->List(gewaehlt));
      AdresseAktualisieren(0);
    }
    auswahl.Liste->Clear();
    return;
  }

  // The bank's name from the bank code.
  if (index == 19) {
    if (!Feld(18).Text().isEmpty()) {
      const QString bank = BankZuBLZ(Feld(18).Text());
      if (!bank.isEmpty()) Feld(19).setText(bank);
      AdresseAktualisieren(0);
    }
    return;
  }

  if (index == 14) {
    Auswahl_eMail(index);
    return;
  }

  const bool ausDatei = index == 4 || index == 6 || index == 11 || index == 22;
  const bool ausAdressen = index == 0 || index == 9 || index == 10 || index == 21;
  if (!ausDatei && !ausAdressen) return;

  std::optional<Sanduhr> sanduhr(std::in_place);
  if (index == 11) auswahl.CheckSingle->setValue(0);
  auswahl.Liste->Clear();
  if (ausDatei) {
    if (const int fehler = AuswahlListeLaden(index); fehler != 0 && FehlerMelden(fehler, kFehlerText) == 2) {
      auswahl.Liste->Clear();
      auswahl.CheckSingle->setValue(1);
      return;
    }
  } else {
    AuswahlFeldwerte(index);
  }
  ListeNachbarDoppelteEntfernen(*auswahl.Liste);
  // In the list of several entries nothing starts selected: the notes get only what the user picks.
  const int vorbelegt = AuswahlVorbelegung(auswahl.Liste->items(), box.Text());
  if (vorbelegt >= 0) auswahl.Liste->setListIndex(vorbelegt);
  sanduhr.reset();
  auswahl.setCaption(titel);
  auswahl.Show(true);

  const QString gewaehlt = GewaehlterText(*auswahl.Liste, false);
  if (!gewaehlt.isEmpty()) {
    box.setText(index == 11 ? vb::LTrim(box.Text()) + gewaehlt : gewaehlt);
    box.setSelStart(static_cast<int>(box.Text().size()));
    AdresseAktualisieren(0);
  }
  auswahl.Liste->Clear();
}

int Main::AuswahlListeLaden(short index) {
  QStringList zeilen;
  const int fehler = AuswahlDateiLesen(ProgrammOrdner(), index, zeilen);
  Hinzufuegen(*Auswahl::get().Liste, zeilen);
  return fehler;
}

void Main::AuswahlFeldwerte(short index) {
  StatusBar->setPanelText(QStringLiteral("Status"), QStringLiteral("Suche Daten..."));
  StatusBar->Refresh();
  ProgressBar->setVisible(true);
  const int anzahl = Bestand->Anzahl();
  const QStringList werte = Feldwerte(*Bestand, index, [this, anzahl](int zeile) {
    // The bar moves for about one line in ten, so that drawing it costs little.
    if (anzahl > 1 && QRandomGenerator::global()->generateDouble() > 0.9)
      ProgressBar->setValue(static_cast<int>(100LL * zeile / (anzahl - 1)));
  });
  Hinzufuegen(*Auswahl::get().Liste, werte);
  StatusBar->setPanelText(QStringLiteral("Status"), QStringLiteral("Bereit"));
  StatusBar->Refresh();
  ProgressBar->setVisible(false);
}

void Main::Auswahl_eMail(short index) {
  vb::TextBox& box = Feld(index);
  Auswahl& auswahl = Auswahl::get();
  auswahl.Liste->Clear();
  auswahl.CheckSingle->setValue(1);
  // A missing or unreadable Liste14.txt only leaves out its lines.
  AuswahlListeLaden(index);
  Hinzufuegen(*auswahl.Liste, EmailVorschlaege(Feld(1).Text(), Feld(2).Text(), Feld(7).Text()));
  ListeDoppelteEntfernen(*auswahl.Liste);
  // The caption stays as the last pick list left it.
  auswahl.Show(true);

  const QString gewaehlt = GewaehlterText(*auswahl.Liste, true);
  if (!gewaehlt.isEmpty()) {
    box.setText(box.Text() + gewaehlt);
    box.setSelStart(static_cast<int>(box.Text().size()));
    AdresseAktualisieren(0);
  }
  auswahl.Liste->Clear();
}
