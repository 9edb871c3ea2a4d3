// Loading the open address file into the record table, and the remembered list position per user and file.
#include "common/Benutzer.h"
#include "common/Fehler.h"
#include "common/Global.h"
#include "common/GrossKlein.h"
#include "common/Ini.h"
#include "common/Pfade.h"
#include "common/Ton.h"
#include "mainwindow/Main.h"
#include "platform/dienste/Dialogs.h"
#include "platform/vb/Clock.h"
#include "platform/vb/Paths.h"
#include "platform/vb/Sanduhr.h"
#include "platform/vb/Vb.h"
#include "store/Adressdatei.h"
#include "store/DateiEinstellung.h"
#include "store/Datensatz.h"
#include "store/OffeneAdressdatei.h"

#include <QLocale>
#include <cmath>

namespace {

QString positionsSchluessel() {
  return QStringLiteral("User_") + BenutzerName() + u'_' + DateiTeil(AktuelleDatei, 1) + QStringLiteral("_Pos");
}

}  // namespace

void Main::DatenLaden() {
  Sanduhr sanduhr;
  Geaendert = 0;
  Liste->Clear();
  OffeneDatei.zuruecksetzen();
  DateiBeschreibung.clear();

  // Any failure to read leaves the file as it is and works on it read-only: a file that exists is never
  // taken for missing and created over, and a part of it is never saved over the whole.
  // Abbrechen ends the load (false), but the window still shows the read-only state (locked fields,
  // disabled commands, caption), so that nobody types changes that could never be saved.
  AdressdateiLesung lesung = OffeneAdressdatei::lesen(Paths::aufloesen(AktuelleDatei));
  auto lesefehlerMelden = [&] {
    OffeneDatei.unvollstaendig = true;
    NurLesen = -1;
    // A folder of that name is no address file: said in plain words, and the window shows an empty,
    // read-only table (as after the error's "go on").
    if (lesung.ordner) {
      MsgBox(QStringLiteral("Der Ordner »") + AktuelleDatei +
                 QStringLiteral("« ist keine Adressdatei. Er wird nicht geöffnet."),
             vb::vbOKOnly | vb::vbExclamation, QStringLiteral("Kartulon"));
    } else if (FehlerMelden(lesung.fehler, QStringLiteral("Es ist ein Fehler aufgetreten.")) == 2) {
      ReadOnlySet();
      setCaption(DateiBeschreibung + QStringLiteral(" - nur Leserechte"));
      return false;
    }
    return true;
  };
  const bool gelesen = lesung.fehler == 0;
  if (!gelesen && !lesefehlerMelden()) return;

  AdressdateiMeldungen meldungen;
  meldungen.beschreibungGesetzt = [this](const QString& beschreibung) {
    StatusBar->setPanelText(QStringLiteral("Status"),
                            QStringLiteral("Öffne gerade ") + beschreibung + QStringLiteral("..."));
  };
  // The count now and then (the first record always); the clock is asked every 1024 records only.
  qint64 letzteAnzeige = -1;
  meldungen.datensatzGelesen = [this, &letzteAnzeige](int anzahl) {
    if (letzteAnzeige >= 0 && (anzahl & 1023) != 0) return;
    const qint64 jetzt = Clock::tickMs();
    if (letzteAnzeige >= 0 && jetzt - letzteAnzeige <= 700) return;
    letzteAnzeige = jetzt;
    StatusBar->setPanelText(QStringLiteral("Position"),
                            QStringLiteral("Anz. ") + QLocale(QLocale::German).toString(anzahl));
    StatusBar->Refresh();
  };
  AdressdateiInhalt inhalt =
      OffeneDatei.zerlegen(lesung, GrossKlein(DateiTeil(AktuelleDatei, 1)),
                           GespeicherteKodierung(DateiEinstellung(kZeichensatzSchluessel)), meldungen);
  // The second reading, piece by piece, can fail as well (a disk, a network share): the same message.
  if (gelesen && lesung.fehler != 0 && !lesefehlerMelden()) return;
  DateiBeschreibung = inhalt.beschreibung;
  Liste->setItems(std::move(inhalt.datensaetze));
  if (inhalt.abgeschnitten) {
    TonAusgeben(u"#SystemHand");
    MsgBox(QStringLiteral("Eine Adressdatei ist auf maximal %1 Kartulon beschränkt.\r\rDie letzten Kartulon sind "
                          "nicht eingelesen worden!")
               .arg(kMaxDatensaetze),
           vb::vbOKOnly | vb::vbExclamation, QStringLiteral("Kartulon meldet Speicherproblem"));
  }

  if (inhalt.keinText) {
    // One keystroke must not rewrite some other file as an address file: it opens read-only.
    MsgBox(QStringLiteral("Die Datei »") + AktuelleDatei +
               QStringLiteral("« ist keine Adressdatei. Sie wird nur zum Lesen geöffnet."),
           vb::vbOKOnly | vb::vbExclamation, QStringLiteral("Kartulon"));
  }

  ListenPositionLaden();
  for (int i = 0; i < 24; ++i) {
    const QString wert = DateiEinstellung(QStringLiteral("NoTabStop_%1").arg(i, 2, 10, QChar(u'0')));
    Feld(i).setTabStop(vb::Val(wert) == 0);
  }
  ReadOnlySet();
  const double sekunden = vb::Val(DateiEinstellung(QStringLiteral("TimeOut_") + BenutzerName()));
  TimeOutSekunden = std::isfinite(sekunden) ? static_cast<int>(std::clamp(sekunden, 0.0, 2.0e9)) : 0;
  setCaption(NurLesen == -1 ? DateiBeschreibung + QStringLiteral(" - nur Leserechte") : DateiBeschreibung);
  StatusBar->setPanelText(QStringLiteral("Status"), QStringLiteral("Bereit"));
}

void Main::ListenPositionLaden() {
  const double wert = vb::Val(IniLesen(QString(), QString(), positionsSchluessel(), QStringLiteral("0")));
  const int letzter = Liste->ListCount() - 1;
  qint64 p = std::isfinite(wert) ? std::llround(std::clamp(wert, -1.0e9, 1.0e9)) : 0;
  if (p < 0 && letzter >= 0) p = 0;
  if (p > letzter) p = letzter;
  // Selecting runs the list's click: the undo copy is taken and the record (or nothing) is shown.
  Liste->setListIndex(static_cast<int>(p));
}

void Main::ListenPositionSpeichern() {
  if (NurLesen == -1) return;
  const int index = Liste->ListIndex();
  IniSchreiben(QString(), QString(), positionsSchluessel(),
               index >= 0 ? QStringLiteral(" %1").arg(index) : QString::number(index));
}
