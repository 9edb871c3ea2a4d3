#include "common/Fehler.h"

#include "common/Fehlerbericht.h"
#include "common/Global.h"
#include "common/Ini.h"
#include "common/Text.h"
#include "common/Ton.h"
#include "platform/dienste/Dialogs.h"
#include "platform/vb/Clock.h"
#include "platform/vb/Laufzeitfehler.h"

#include <QCursor>
#include <QGuiApplication>

namespace {

const QString programmName = QStringLiteral("Kartulon");

// Above 0 while the handler runs a step of its own (the log, the sound, the report). An error raised
// there is skipped instead of reported, so that a sound that keeps failing and the handler cannot call
// each other without end.
int eigenerSchritt = 0;
struct EigenerSchritt {
  EigenerSchritt() { ++eigenerSchritt; }
  ~EigenerSchritt() { --eigenerSchritt; }
};

QString tipp(int nummer) {
  switch (nummer) {
    case 482:
      return QStringLiteral("Tip: Ist der Drucker angeschaltet?");
    case 52:
    case 53:
    case 64:
    case 75:
    case 76:
      return QStringLiteral("Tip: Ist der Dateiname in Ordnung?");
    case 70:
      return QStringLiteral("Tip: Ist der Schreibschutz entfernt?");
    case 71:
      return QStringLiteral("Tip: Ist eine Diskette eingelegt?");
    case 380:
      return QStringLiteral("Tip: Evtl. andere Schriftart wählen.");
    default:
      return {};
  }
}

void normalerMauszeiger() {
  if (!qobject_cast<QGuiApplication*>(QCoreApplication::instance())) return;
  while (QGuiApplication::overrideCursor()) QGuiApplication::restoreOverrideCursor();
}

}  // namespace

int FehlerMelden(int nummer, const QString& text) {
  if (nummer == 0) return 0;
  if (eigenerSchritt > 0) return 5;
  normalerMauszeiger();

  const QString t = text.isEmpty() ? QString() : text + QStringLiteral("~~");
  const QString d = nummer > 0
                        ? FehlerText(nummer) + QStringLiteral(" (") + QString::number(nummer) + QStringLiteral(").~~")
                        : QString();
  QString h = tipp(nummer);
  if (!h.isEmpty()) h += QStringLiteral("~~");

  {
    EigenerSchritt schritt;
    const QString sektion = QStringLiteral("Fehler");
    IniSchreiben("", sektion, "Programm", programmName);
    IniSchreiben("", sektion, "Wann", Clock::now().toString(QStringLiteral("dd.MM.yyyy hh:mm:ss")));
    IniSchreiben("", sektion, "Nummer", QString::number(nummer) + QStringLiteral(", ") + FehlerText(nummer));
    IniSchreiben("", sektion, "Pos", "0");
    IniSchreiben("", sektion, "Txt1", t);
    IniSchreiben("", sektion, "Txt2", d);
    IniSichern();  // the log is on disk before the box waits for the user
    TonAusgeben(u"#SystemHand");
  }

  const QString e =
      QStringLiteral("Es ist ein Fehler im Programm ") + programmName + QStringLiteral(" aufgetreten.~~") + t + d + h;
  const QString anzeige = Ersetzen(e + QStringLiteral("Möchten Sie die Meldung ausdrucken?"), "~", "\r\n", 0);
  const int stil = vb::vbYesNoCancel | vb::vbCritical | vb::vbDefaultButton2 | vb::vbSystemModal;
  const int antwort = MsgBox(anzeige, stil, QStringLiteral("Fehler im Programm ") + programmName);
  if (antwort == vb::vbYes) {
    EigenerSchritt schritt;
    if (FehlerBerichtDrucker())
      FehlerBerichtDrucker()(e);
    else
      FehlerDrucken(e);
    return 5;
  }
  if (antwort == vb::vbNo) return 5;
  return 2;
}

bool InEntwicklung() {
  // The built program is never run inside its development environment.
  if (EntwicklungsStatus == 0) EntwicklungsStatus = 1;
  return EntwicklungsStatus == 2;
}

std::function<void(const QString&)>& FehlerBerichtDrucker() {
  static std::function<void(const QString&)> drucker;
  return drucker;
}

int FehlerNummer(QFileDevice::FileError fehler) { return vb::FehlerAusDatei(fehler); }
int FehlerNummer(const QFileDevice& datei) { return vb::FehlerAusDatei(datei); }
int SystemFehlerNummer(int errnoWert) { return vb::FehlerAusSystem(errnoWert); }
QString FehlerText(int nummer) { return vb::FehlerBeschreibung(nummer); }
