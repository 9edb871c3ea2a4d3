// The look-ups of the shown address in the registered telephone-directory program, and the start of the
// external postcode search. The program is started in its own folder; this program's current folder stays
// as it is. Keys go out only while a window of another program has the focus, so that a program that
// failed to start or starts slowly never has the search typed into the field boxes.
#include "common/Fehler.h"
#include "common/Global.h"
#include "common/Hilfe.h"
#include "common/Ini.h"
#include "datatools/Nachschlagen.h"
#include "mainwindow/Main.h"
#include "platform/dienste/Shell.h"
#include "platform/dienste/Tastatur.h"
#include "platform/vb/Clock.h"
#include "platform/vb/Laufzeitfehler.h"
#include "platform/vb/Paths.h"
#include "platform/vb/Sanduhr.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QUrl>

namespace {

// How long the first keys after the start wait for the program's window to take the focus.
constexpr qint64 kFokusGrenzeMs = 10000;

// Starts the registered program in its own folder: 0, or the error number of what failed. A program that
// Linux cannot run itself (a Windows program without the execute bit) goes to the desktop's handler for
// its type, which runs it where a compatibility layer is installed.
int ImEigenenOrdnerStarten(const QString& datei) {
  const QString programm = Paths::normalisieren(datei.trimmed());
  if (programm.isEmpty()) return vb::ErrDateinameOderNummer;
  const QFileInfo info(programm);
  if (!QFileInfo(info.absolutePath()).isDir()) return vb::ErrPfadNichtGefunden;
  if (!info.isFile()) return vb::ErrDateiNichtGefunden;
  if (info.isExecutable())
    return Shell::service().starten(info.absoluteFilePath(), {}, info.absolutePath()) != 0 ? 0
                                                                                           : vb::ErrPfadDateiZugriff;
  return Shell::service().oeffnen(QUrl::fromLocalFile(info.absoluteFilePath())) ? 0 : vb::ErrPfadDateiZugriff;
}

// Waits, with events running, until a window of another program has the focus; false when the limit
// (measured on the program's clock) passes first. A limit of 0 only looks once.
bool FremdenFokusAbwarten(qint64 grenzeMs) {
  const qint64 beginn = Clock::tickMs();
  while (!Tastatur::service().fremderFokus()) {
    if (Clock::tickMs() - beginn >= grenzeMs) return false;
    Warten(0.05f);
  }
  return true;
}

// The frame of the four look-ups. Any failure is reported with the command's text and ends the look-up:
// after it no key is sent, since it could only reach this program's own window.
void ImVerzeichnisSuchen(const QString& fehlerText, const Nachschlagen::Ablauf& ablauf) {
  Sanduhr sanduhr;
  TastaturService& tastatur = Tastatur::service();
  if (const int fehler = tastatur.bereitschaft()) {
    FehlerMelden(fehler, fehlerText);
    return;
  }
  if (const int fehler = ImEigenenOrdnerStarten(IniLesen("", "", "DInfoPrg", ""))) {
    FehlerMelden(fehler, fehlerText);
    return;
  }
  bool ersterString = true;
  for (const Nachschlagen::Schritt& schritt : ablauf) {
    if (schritt.art == Nachschlagen::Schritt::Ereignisse) {
      QCoreApplication::processEvents();
      continue;
    }
    if (schritt.art == Nachschlagen::Schritt::Pause) {
      Warten(1);
      continue;
    }
    if (schritt.folge.isEmpty()) continue;  // an empty string types nothing
    // The whole string is read before its first key goes out.
    for (const Nachschlagen::Teil& teil : schritt.folge) {
      if (!teil.woertlich && !Tastenfolge::lesen(teil.text)) {
        FehlerMelden(vb::ErrUngueltigerAufruf, fehlerText);
        return;
      }
    }
    if (!FremdenFokusAbwarten(ersterString ? kFokusGrenzeMs : 0)) {
      FehlerMelden(vb::ErrTastenOhneFokus, fehlerText);
      return;
    }
    ersterString = false;
    for (const Nachschlagen::Teil& teil : schritt.folge) {
      const int fehler = teil.woertlich ? tastatur.tippen(teil.text) : tastatur.senden(teil.text);
      if (fehler) {
        FehlerMelden(fehler, fehlerText);
        return;
      }
    }
  }
}

}  // namespace

void Main::mnuAdrImpDINFO3_Click() {
  ImVerzeichnisSuchen(QStringLiteral("Es ist ein Fehler beim Suchen in D-Info 3.0 aufgetreten."),
                      Nachschlagen::DInfo3(FeldTexte(), FeldIndex));
}

void Main::mnuAdrImpDINFO97_Click() {
  ImVerzeichnisSuchen(QStringLiteral("Es ist ein Fehler beim Suchen in D-Info 97 aufgetreten."),
                      Nachschlagen::DInfo97(FeldTexte(), FeldIndex));
}

void Main::mnuAdrImpKlickTel98_Click() {
  ImVerzeichnisSuchen(QStringLiteral("Es ist ein Fehler beim Suchen in KlickTel 98 aufgetreten."),
                      Nachschlagen::KlickTel98(FeldTexte(), FeldIndex));
}

void Main::mnuAdrImpDINFO99_Click() {
  ImVerzeichnisSuchen(QStringLiteral("Es ist ein Fehler beim Suchen in D-Info 99 aufgetreten."),
                      Nachschlagen::DInfo99(FeldTexte()));
}

void Main::mnuPlzSuche_Click() {
  // Only a start: no keys, and the pointer stays as it is.
  if (const int fehler = ImEigenenOrdnerStarten(IniLesen("", "", "ExtPlzSuche", "")))
    FehlerMelden(fehler, QStringLiteral("Es ist ein Fehler beim Starten der externen PLZ-Suche aufgetreten."));
}
