// The record commands of the main window: new, copy, delete, undo, and the state of the record menu.
#include "common/Global.h"
#include "common/Ini.h"
#include "common/Pfade.h"
#include "common/Ton.h"
#include "mainwindow/Main.h"
#include "platform/dienste/Dialogs.h"
#include "platform/dienste/Zwischenablage.h"
#include "platform/vb/Clock.h"
#include "platform/vb/Vb.h"
#include "store/Datensatz.h"
#include "store/Index.h"

namespace {

const QString kSpeicherproblem = QStringLiteral("Kartulon meldet Speicherproblem");

// Fields 1 to 14 empty and field 0 empty or blanks only: the trimmed line begins with 15 separators.
bool LeererDatensatz(const QString& zeile) { return vb::Trim(zeile).startsWith(Feldtrenner.repeated(15)); }

}  // namespace

void Main::PulEinfügen_Click() {
  if (Liste->ListCount() >= kMaxDatensaetze) {
    TonAusgeben(u"#SystemHand");
    MsgBox(QStringLiteral(
               "Kein Platz mehr in der aktuellen Kartulonliste.\r\rEs kann keine Adresse mehr angelegt werden!"),
           vb::vbExclamation | vb::vbOKOnly, kSpeicherproblem);
    return;
  }
  Liste->AddItem(Feldtrenner.repeated(23));
  NeuenDatensatzAuswaehlen();
}

void Main::PulKopieren_Click() {
  const int index = Liste->ListIndex();
  if (index < 0) {
    MsgBox(QStringLiteral("Bitte eine Adresse auswählen, die kopiert werden soll."), vb::vbExclamation | vb::vbOKOnly,
           QStringLiteral("Adresse kopieren"));
    return;
  }
  if (Liste->ListCount() >= kMaxDatensaetze) {
    TonAusgeben(u"#SystemHand");
    MsgBox(QStringLiteral(
               "Kein Platz mehr in der aktuellen Kartulonliste.\r\rDie Kartulon kann nicht mehr kopiert werden!"),
           vb::vbExclamation | vb::vbOKOnly, kSpeicherproblem);
    return;
  }
  Liste->AddItem(Liste->List(index));
  NeuenDatensatzAuswaehlen();
}

void Main::NeuenDatensatzAuswaehlen() {
  Liste->setListIndex(Liste->ListCount() - 1);
  AktuellerDatensatz = Liste->List(Liste->ListIndex());
  AdresseAnzeigen();
  Geaendert = 1;
  Feld(2).SetFocus();
  const QString heute = vb::DatumText(Clock::today());
  Feld(15).setText(heute);
  Feld(16).setText(heute);
  Feld(23).setText(QString::number(NeuerIndex(1) - 1));
  AdresseAktualisieren(0);
}

void Main::PulAusschneiden_Click() {
  const QString titel = QStringLiteral("Adresse löschen?");
  int index = Liste->ListIndex();
  if (index < 0) {
    MsgBox(QStringLiteral("Bitte eine Adresse auswählen, welche gelöscht werden soll."),
           vb::vbExclamation | vb::vbOKOnly, titel);
    return;
  }
  if (!LeererDatensatz(Liste->List(index)) && vb::Val(IniLesen("", "", "BestätigeLöschen", "1")) != 0) {
    const QString name = vb::Trim(Feld(2).Text() + u' ' + Feld(1).Text());
    const QString frage = QStringLiteral("Sind Sie sicher, dass die Adresse #") + Feld(23).Text() +
                          QStringLiteral("\r\n»") + name + QStringLiteral("«\r\ngelöscht werden soll?");
    if (MsgBox(frage, vb::vbQuestion | vb::vbYesNo, titel) != vb::vbYes) return;
  }
  const int danach = index == Liste->ListCount() - 1 ? index - 1 : index;
  Liste->RemoveItem(index);
  // Marked before the next record shows, so that its status panel shows the unsaved change.
  Geaendert = 1;
  Liste->setListIndex(danach);
}

void Main::mnuUndo_Click() {
  const int index = Liste->ListIndex();
  const QString gespeichert = Liste->List(index);
  Liste->setList(index, AktuellerDatensatz);
  if (index >= 0 && gespeichert != AktuellerDatensatz) Geaendert = 1;  // the undone state must be saved
  AdresseAnzeigen();
  AktuellerDatensatz = gespeichert;
  for (int i = 0; i < 24; ++i) Feld(i).UndoVerlaufLeeren();
}

void Main::PulBearbeiten_Click() {
  mnuUndo->setEnabled(Liste->List(Liste->ListIndex()) != AktuellerDatensatz);
  mnuImpZA->setEnabled(Zwischenablage::hatText());
  const QString version = IniLesen("", "", "DInfoVer", "");
  mnuAdrImpDINFO3->setVisible(false);
  mnuAdrImpDINFO97->setVisible(false);
  mnuAdrImpKlickTel98->setVisible(false);
  mnuAdrImpDINFO99->setVisible(false);
  if (version == u"3.0")
    mnuAdrImpDINFO3->setVisible(true);
  else if (version == u"97")
    mnuAdrImpDINFO97->setVisible(true);
  else if (version == u"98")
    mnuAdrImpKlickTel98->setVisible(true);
  else if (version == u"99")
    mnuAdrImpDINFO99->setVisible(true);
  mnuPlzSuche->setVisible(true);
  mnuPlzSuche->setEnabled(DateiVorhanden(IniLesen("", "", "ExtPlzSuche", "")));
}
