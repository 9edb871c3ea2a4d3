// The exports of all records from the menu "Adresse" › "Exportieren" (the birthdays, the card-server list,
// the telephone register, the short-dial memory, the serial-letter file) and the index renumbering of
// "Weiteres" › "Prüfen". Each asks for what it needs, runs the walk of the core inside the frame of
// Satzgang.h and shows the result; the files are built and written by the core.
#include "common/Global.h"
#include "common/Hilfe.h"
#include "common/Pfade.h"
#include "common/Ton.h"
#include "datatools/Geburtstagsexport.h"
#include "datatools/Indexvergabe.h"
#include "datatools/Seriendruck.h"
#include "datatools/Telefonlisten.h"
#include "datatools/TkAnlage.h"
#include "mainwindow/Main.h"
#include "mainwindow/Satzgang.h"
#include "platform/dienste/Dialogs.h"
#include "platform/vb/Sanduhr.h"

namespace {

std::function<void()> hilfeThema(const QString& datei, int thema) {
  return [datei, thema] { HilfeZeigen(datei, thema); };
}

void abweisen(const Exportergebnis& e) { MsgBox(e.meldung, vb::vbOKOnly | vb::vbExclamation, e.titel); }

// The refusal of the open address file as a target, before anything is shown or written.
bool zielAbgewiesen(const QString& datei, const QString& titel) {
  const QString nein = ExportzielAbweisung(datei);
  if (nein.isEmpty()) return false;
  MsgBox(nein, vb::vbOKOnly | vb::vbExclamation, titel);
  return true;
}

// The end of a walk's export after the frame is gone: a refusal with the exclamation icon, a closing
// message (when the export has one) with the information icon; a failure was reported already.
void ergebnisZeigen(const Exportergebnis& e) {
  if (e.stand == Exportstand::Abgewiesen)
    abweisen(e);
  else if (e.stand == Exportstand::Geschrieben && !e.meldung.isEmpty())
    MsgBox(e.meldung, vb::vbOKOnly | vb::vbInformation, e.titel);
}

}  // namespace

void Main::mnuExpGeb2Kelvor_Click() {
  Exportergebnis e;
  {
    // The hourglass from the start; the frame with its bar only once the date file is being written.
    const Sanduhr sanduhr;
    Satzgang gang(*this);
    bool begonnen = false;
    const qsizetype anzahl = Bestand->Anzahl();
    e = GeburtstageExportieren(
        Bestand->Zeilen(), FeldBezeichnungen(),
        [&](const QString& text) {
          if (begonnen) {
            gang.status(text);
            return;
          }
          begonnen = true;
          gang.beginnen(text);
        },
        [&](int k) { gang.zufallsFortschritt(k, anzahl); });
  }
  if (e.stand == Exportstand::Abgewiesen)
    MsgBox(e.meldung, vb::vbOKOnly | vb::vbExclamation | vb::vbMsgBoxHelpButton, e.titel,
           hilfeThema(QStringLiteral("werbung.hlp"), 1007));
  else if (e.stand == Exportstand::Geschrieben)
    MsgBox(e.meldung, vb::vbOKOnly | vb::vbInformation | vb::vbMsgBoxHelpButton, e.titel,
           hilfeThema(QStringLiteral("Kartulon.Hlp"), 3007));
}

void Main::mnuExportD2CardServer_Click() {
  const QString datei = InputBox(D2Aufforderung(Bezeichnung1(9).Caption()), D2Titel(), D2Vorschlag(),
                                 hilfeThema(QStringLiteral("Kartulon.Hlp"), 292));
  if (datei.isEmpty() || zielAbgewiesen(datei, D2Titel())) return;
  Satzgang gang(*this, QStringLiteral("D2-ACardServer-Liste exportieren..."));
  const qsizetype anzahl = Bestand->Anzahl();
  const Exportergebnis e =
      D2ListeExportieren(Bestand->Zeilen(), datei, [&](int k) { gang.zufallsFortschritt(k, anzahl); });
  // The closing message comes with the normal pointer and the bar gone, "Bereit" after it.
  gang.zeigerZurueck();
  ergebnisZeigen(e);
}

void Main::mnuExportTiptel195_Click() {
  const QString datei = InputBox(TiptelAufforderung(), TiptelTitel(), TiptelVorschlag(),
                                 hilfeThema(QStringLiteral("Kartulon.Hlp"), 9999));
  if (datei.isEmpty() || zielAbgewiesen(datei, TiptelTitel())) return;
  Exportergebnis e;
  {
    Satzgang gang(*this, TiptelTitel() + QStringLiteral("..."));
    const qsizetype anzahl = Bestand->Anzahl();
    e = TiptelRegisterExportieren(Bestand->Zeilen(), datei, [&](int k) { gang.zufallsFortschritt(k, anzahl); });
  }
  ergebnisZeigen(e);
}

void Main::mnuExportTKAnlage_Click() {
  Exportergebnis e;
  {
    Satzgang gang(*this, QStringLiteral("Export des Tk-Anlagen-Kurzwahlspeichers..."));
    const qsizetype anzahl = Bestand->Anzahl();
    e = TkAnlageExportieren(Bestand->Zeilen(), TkAnlageIni, [&](int k) { gang.zufallsFortschritt(k, anzahl); });
  }
  // Written, the list is open in the text editor: nothing more to say.
  ergebnisZeigen(e);
}

void Main::mnuExpSeriendruck_Click() {
  const QString titel = SeriendruckTitel();
  const QString vorschlag = SeriendruckVorschlag();
  StdDialog->DialogTitle = titel;
  StdDialog->Filter = QStringLiteral("Texte|*.txt|");
  StdDialog->InitDir = DateiTeil(vorschlag, -1);
  StdDialog->FileName = DateiTeil(vorschlag, 3);
  // No overwrite question from the dialog: the command asks its own.
  StdDialog->Flags = vb::cdlOFNHideReadOnly;
  StdDialog->CancelError = true;
  if (!StdDialog->ShowSave()) return;
  const QString datei = StdDialog->FileName;
  if (datei.isEmpty() || zielAbgewiesen(datei, titel)) return;
  if (DateiVorhanden(Exportpfad(datei))) {
    TonAusgeben(u"#SystemQuestion");
    if (MsgBox(SeriendruckUeberschreibenFrage(datei), vb::vbOKCancel | vb::vbQuestion, titel) != vb::vbOK) return;
  }
  ergebnisZeigen(SeriendruckExportieren(Bestand->Zeilen(), FeldBezeichnungen(), datei));
}

void Main::mnuIndexSetNew_Click() {
  Indexvergabe v;
  QString undo;
  {
    Satzgang gang(*this, QStringLiteral("Indizes werden neu gesetzt..."));
    const qsizetype anzahl = Bestand->Anzahl();
    v = IndizesNeuSetzen(*Bestand, [&](int k) {
      gang.fortschritt(k, anzahl);
      gang.ereignisse();
    });
    undo = AktuellerDatensatz;
  }
  const int n = Liste->ListCount();
  if (n > 0) {
    // The last record shown, its line as it was before the renumbering kept as the undo copy.
    Liste->setListIndex(n - 1);
    AktuellerDatensatz = undo;
  }
  StatusBar->setPanelText(QStringLiteral("Status"), v.status);
  StatusBar->Refresh();
  TonAusgeben(u"#SystemExclamation");
}
