// The file commands of the main window: open, create, save, quit with and without saving, the close of
// the window; the file description and merging another address file.
#include "common/Fehler.h"
#include "common/Global.h"
#include "common/Ini.h"
#include "common/Pfade.h"
#include "common/Statistik.h"
#include "common/Ton.h"
#include "common/formen/File.h"
#include "mainwindow/Main.h"
#include "mainwindow/MainFelder.h"
#include "platform/dienste/Dialogs.h"
#include "platform/vb/Codec.h"
#include "platform/vb/IniDatei.h"
#include "platform/vb/Paths.h"
#include "platform/vb/Programm.h"
#include "platform/vb/Vb.h"
#include "store/Datensatz.h"
#include "store/DatensatzExport.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QFile>
#include <optional>

namespace {

// Shows the file dialog for an address file and returns its result ("" when cancelled).
QString DateiWaehlen(const QString& name, bool laden, const QString& ordner) {
  File& f = File::get();
  f.Bezeichnung->setText(name);
  f.Kürzel->setCaption(QStringLiteral("Dat"));
  if (laden)
    f.Laden->setValue(true);
  else
    f.Speichern->setValue(true);
  f.Datei1->setPath(ordner);
  f.Show(true);
  return f.Bezeichnung->Text();
}

}  // namespace

void Main::PulÖffnen_Click() {
  // Read-only mode has nothing to save and never asks.
  if (Geaendert == 1 && NurLesen == 0) {
    TonAusgeben(u"#SystemQuestion");
    const int antwort = MsgBox(QString::fromUtf16(u"Wollen Sie die Änderungen in »") + AktuelleDatei.toLower() +
                                   QStringLiteral("« speichern?"),
                               vb::vbQuestion | vb::vbYesNo);
    // The save the user asked for failed: the file stays open with its changes.
    if (antwort == vb::vbYes && !DatenSpeichern()) return;
  }
  ListenPositionSpeichern();
  const QString gewaehlt = DateiWaehlen(DateiTeil(AktuelleDatei, 1), true, DatenOrdner);
  QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
  if (gewaehlt.isEmpty()) return;
  Daten_Schließen();
  // An existing file keeps its name as it is on disk.
  AktuelleDatei = Paths::aufloesen(Paths::verbinden(DatenOrdner, DateiTeil(gewaehlt, 3)));
  DatenLaden();
}

void Main::PulAnlegen_Click() {
  const QString gewaehlt = DateiWaehlen(QString(), false, DatenOrdner);
  if (gewaehlt.isEmpty()) return;
  // A failed save keeps the open file open: its changes must not be left behind.
  if (!DatenSpeichern()) return;
  const QString neu = Paths::verbinden(DatenOrdner, DateiTeil(gewaehlt, 3));
  // The new file gets one empty record line; an existing file keeps its records (the line is appended,
  // after a line end of its own when its last line has none).
  QFile datei(Paths::aufloesen(neu));
  bool ok = datei.open(QIODevice::ReadWrite | QIODevice::Append);
  if (ok) {
    QByteArray zeile = QByteArray(23, '\t') + "\r\n";
    if (datei.size() > 0 && datei.seek(datei.size() - 1)) {
      const QByteArray letztes = datei.read(1);
      if (letztes != "\n" && letztes != "\r") zeile.prepend("\r\n");
    }
    ok = datei.write(zeile) == zeile.size();
    ok = datei.flush() && ok;
    datei.close();
  }
  if (!ok) {
    FehlerMelden(FehlerNummer(datei),
                 QStringLiteral("Die Adressdatei »") + neu + QStringLiteral("« konnte nicht angelegt werden."));
    return;
  }
  Daten_Schließen();
  AktuelleDatei = neu;
  for (int i = 0; i < 24; ++i) Feld(i).setText(QString());
  DatenLaden();
}

void Main::PulSichern_Click() { DatenSpeichern(); }

void Main::PulAbbruch_Click() {
  // The settings written on the way out go to disk once per file, not with a sync for each key.
  const Profil::Stapel stapel;
  Daten_Schließen();
  // Help pages are shown by the desktop's browser: there is no help window of this program to close.
  StatistikEnde();
  ProgrammEnde();
}

void Main::ProgrammEnde() { vb::Programm::Ende(0); }

void Main::pulEnde_Click() {
  const QString wert = QStringLiteral("   ") + IniLesen(QString(), QString(), u"SortAtClose", u"-1");
  const short feld = static_cast<short>(vb::Val(wert.right(2)));
  if (feld >= 0) {
    mnuSort_Click(feld);
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
  }
  // The settings written on the way out (list position, reservation, encoding note, options, the record's
  // exchange file, statistics) are gathered and go to disk once per file when the close is done, instead
  // of with a sync for each key.
  std::optional<Profil::Stapel> stapel(std::in_place);
  // A failed save never traps the user: one question names the file and the reason. Nein keeps the
  // window open with its changes; Ja ends without saving, and the file stays as it was.
  if (!DatenSpeichern(true)) {
    stapel.reset();  // on disk before the question waits for the user
    TonAusgeben(u"#SystemExclamation");
    const int antwort = MsgBox(OffeneDatei.speicherFehler + QStringLiteral("\r\n\r\nOhne Speichern beenden?"),
                               vb::vbYesNo | vb::vbExclamation | vb::vbDefaultButton2, QStringLiteral("Kartulon"));
    if (antwort == vb::vbYes) PulAbbruch_Click();
    return;
  }
  OptionenSpeichern();
  DatensatzExportieren();
  PulAbbruch_Click();
}

void Main::Form_QueryUnload(int& /*cancel*/, int mode) {
  // Only the user's close quits; code unloads the window only once the program ends anyway.
  if (mode != 0) return;
  if (NurLesen == -1)
    PulAbbruch_Click();
  else
    pulEnde_Click();
}

void Main::closeEvent(QCloseEvent* e) {
  int cancel = 0;
  vb::Programm::ausQtAufrufen([&] { Form_QueryUnload(cancel, 0); });
  // Still here: the save failed and the program stays open with its changes.
  e->ignore();
}

void Main::mnuDateiBeschreiben_Click() {
  const QString antwort =
      InputBox(QStringLiteral("Geben Sie bitte eine Beschreibung für »") + AktuelleDatei + QStringLiteral("« ein."),
               QStringLiteral("Beschreibung"), DateiBeschreibung);
  if (antwort.isEmpty()) return;
  DateiBeschreibung = antwort;
  Geaendert = 1;
  setCaption(DateiBeschreibung + (NurLesen == -1 ? QStringLiteral(" - nur Leserechte") : QString()));
}

void Main::mnuDateiHinzufügen_Click() {
  // The other file is looked for where the address files are: the data folder.
  const QString gewaehlt = DateiWaehlen(DateiTeil(AktuelleDatei, 1), true, DatenOrdner);
  if (gewaehlt.isEmpty()) return;
  const QString pfad = Paths::aufloesen(Paths::verbinden(DatenOrdner, DateiTeil(gewaehlt, 3)));
  QFile datei(pfad);
  QByteArray bytes;
  bool gelesen = datei.open(QIODevice::ReadOnly);
  if (gelesen) {
    bytes = datei.readAll();
    gelesen = datei.error() == QFileDevice::NoError;
    datei.close();
  }
  if (!gelesen) {
    // Nothing of an unreadable file reaches the table.
    FehlerMelden(FehlerNummer(datei),
                 QStringLiteral("Die Adressdatei »") + pfad + QStringLiteral("« konnte nicht gelesen werden."));
    return;
  }
  const int vorher = Liste->ListCount();
  const Anfuegeergebnis ergebnis = ZeilenAnfuegen(*Bestand, bytes);
  if (ergebnis.voll) {
    TonAusgeben(u"#SystemHand");
    MsgBox(QStringLiteral("Kein Platz mehr in der aktuellen Kartulonliste.\r\r") +
               QStringLiteral("Die letzten Kartulon sind nicht hinzugefügt worden!"),
           vb::vbExclamation, QStringLiteral("Kartulon meldet Speicherproblem"));
  }
  Geaendert = 1;
  if (ergebnis.angefuegt > 0) Liste->setListIndex(vorher);
}
