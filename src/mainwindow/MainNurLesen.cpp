// Read-only mode of the open file: the per-file settings decide it together with the program-wide tests,
// the file is reserved, and the commands and boxes that would change it are disabled or locked.
#include "common/Global.h"
#include "common/Ini.h"
#include "common/Pfade.h"
#include "common/Reservierung.h"
#include "common/Ton.h"
#include "mainwindow/Main.h"
#include "platform/dienste/Dialogs.h"
#include "platform/vb/Dateirechte.h"
#include "platform/vb/Paths.h"
#include "platform/vb/Vb.h"
#include "store/DateiEinstellung.h"

#include <cmath>

void Main::ReadOnlySet() {
  NurLesenPruefen();
  if (std::fabs(vb::Val(DateiEinstellung(QStringLiteral("ReadOnly")))) == 1) NurLesen = -1;
  // A file the load could not read whole is never written back (and so never reserved).
  if (OffeneDatei.unvollstaendig) NurLesen = -1;
  // A file this user cannot replace (every save writes beside it and renames) is worked on read-only
  // from the start, so that no change is typed that could never be saved.
  if (NurLesen != -1) {
    if (const Dateirechte::Hindernis h = Dateirechte::ersetzenVerwehrt(Paths::aufloesen(AktuelleDatei))) {
      NurLesen = -1;
      TonAusgeben(u"#SystemExclamation");
      MsgBox(QString::fromUtf16(u"Die Adressdatei »") + AktuelleDatei +
                 QString::fromUtf16(u"« wird nur zum Lesen geöffnet.\r\n\r\n") + Dateirechte::grund(h),
             vb::vbOKOnly | vb::vbInformation, QStringLiteral("Kartulon, nur Leserechte"));
    }
  }
  NetzReservierung(1, DateiTeil(AktuelleDatei, 3));

  const bool schreiben = NurLesen != -1;
  for (vb::MenuItem* m :
       {PulSichern, PulEnde, PulEinfügen, PulAusschneiden, mnuSonderzeichenEinfg, PulKopieren, PulSort, PulAnlegen,
        mnuChk, mnuSetup, mnuDateiBeschreiben, mnuDateiHinzufügen, mnuUebernahme, mnuAdrImport, mnuMaskenEdit})
    m->setEnabled(schreiben);
  // The sort menu's items go with their menu (their shortcuts would sort even with the menu off).
  for (const auto& [feld, item] : mnuSort) item->setEnabled(schreiben);
  for (const char16_t* key : {u"Speichern", u"ListeNeu", u"ListeKopieren", u"ListeLöschen", u"Ordne01", u"OrdneAZ"})
    Toolbar->setButtonEnabled(QString::fromUtf16(key), schreiben);
  Toolbar->setButtonToolTip(QStringLiteral("Ende"),
                            schreiben ? QStringLiteral("Speichern und Ende") : QStringLiteral("Programm beenden"));
  for (int i = 0; i < 24; ++i) Feld(i).setLocked(!schreiben);
  Feld(15).setLocked(true);
  Feld(16).setLocked(true);
  mnuPrnUmschlagsfenster->setVisible(vb::Val(DateiEinstellung(QStringLiteral("VorloUndMisa"))) != 0);

  // While the file is held here, its reservation is renewed so that nobody takes it over as stale.
  if (!ZeitReservierung) {
    ZeitReservierung = new vb::Timer(this);
    ZeitReservierung->setObjectName(QStringLiteral("ZeitReservierung"));
    ZeitReservierung->setInterval(kReservierungErneuernMs);
    ZeitReservierung->Tick = [this] { ZeitReservierung_Timer(); };
  }
  ZeitReservierung->setEnabled(!ReservierteDatei.isEmpty());
  // The record menu's states follow the loaded file, so that its shortcuts act on what the menu shows.
  PulBearbeiten_Click();
}

void Main::Daten_Schließen() {
  NetzReservierung(0, DateiTeil(AktuelleDatei, 3));
  if (ZeitReservierung) ZeitReservierung->setEnabled(false);
}

void Main::ZeitReservierung_Timer() { ReservierungErneuern(DateiTeil(AktuelleDatei, 3)); }
