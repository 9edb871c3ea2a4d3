#include "common/Konfiguration.h"

#include "common/Ini.h"
#include "common/Pfade.h"
#include "common/Text.h"
#include "platform/dienste/Dialogs.h"
#include "platform/dienste/Shell.h"
#include "platform/vb/Paths.h"
#include "platform/vb/Programm.h"
#include "platform/vb/Vb.h"

#include <unistd.h>
#include <QCursor>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QProcess>

namespace {

// The key of the program's own section that remembers a job file which could not be deleted.
const QString kErledigt = QStringLiteral("AdapterCfgErledigt");

QString kennung(const QFileInfo& f) {
  return QStringLiteral("%1;%2").arg(f.size()).arg(f.lastModified().toMSecsSinceEpoch());
}

QString nummer(int nn, char16_t art) { return QStringLiteral("%1").arg(nn, 2, 10, QChar(u'0')) + QChar(art); }

}  // namespace

bool KonfigurationVertrauenswuerdig(uint besitzer, QFileDevice::Permissions rechte, uint benutzer) {
  if (besitzer != 0 && besitzer != benutzer) return false;
  return !(rechte & (QFileDevice::WriteGroup | QFileDevice::WriteOther));
}

void KonfigurationAnpassen() {
  const QString pfad = Paths::aufloesen(Paths::verbinden(ProgrammOrdner(), QStringLiteral("Adapter.Cfg")));
  const QFileInfo info(pfad);
  if (info.isSymLink() || !info.isFile()) return;
  // Jobs write settings and start programs: only from a file that nobody else could have put or changed.
  if (!KonfigurationVertrauenswuerdig(info.ownerId(), info.permissions(), geteuid())) return;
  if (IniLesen(QString(), QString(), kErledigt, QString()) == kennung(info)) return;

  if (vb::Val(IniLesen(pfad, QStringLiteral("Status"), QStringLiteral("Autorun"), QStringLiteral("0"))) == 0) return;

  QString vor = IniLesen(pfad, QStringLiteral("Hinweise"), QStringLiteral("Vor"),
                         QStringLiteral("Konfigurierungen werden automatisch angepasst."));
  vor = Ersetzen(vor, QStringLiteral("~"), QStringLiteral("\r\n"));
  MsgBox(vor, vb::vbOKOnly + vb::vbInformation, QStringLiteral("Anpassen der Konfigurierung"));

  QGuiApplication::setOverrideCursor(Qt::WaitCursor);
  const QString jobIni = QStringLiteral("Job_Ini"), jobPrg = QStringLiteral("Job_Prg");
  for (int nn = 1; nn <= 99; ++nn) {
    const QString datei = IniLesen(pfad, jobIni, nummer(nn, u'f'), QString());
    const QString sektion = IniLesen(pfad, jobIni, nummer(nn, u'a'), QString());
    const QString schluessel = IniLesen(pfad, jobIni, nummer(nn, u's'), QString());
    const QString wert = IniLesen(pfad, jobIni, nummer(nn, u'e'), QString());
    if (!schluessel.isEmpty()) IniSchreiben(datei, sektion, schluessel, wert);
  }
  for (int nn = 1; nn <= 99; ++nn) {
    const QString befehl = IniLesen(pfad, jobPrg, nummer(nn, u'f'), QString());
    const QString ordner = IniLesen(pfad, jobPrg, nummer(nn, u'o'), QString());
    if (befehl.isEmpty()) continue;
    // The folder stays the current one for the jobs after it; one that does not exist is skipped.
    if (!ordner.isEmpty()) QDir::setCurrent(Paths::normalisieren(ordner));
    const QStringList teile = QProcess::splitCommand(befehl);
    if (!teile.isEmpty()) Shell::service().starten(teile.first(), teile.mid(1), QDir::currentPath());
  }

  QString nach = IniLesen(pfad, QStringLiteral("Hinweise"), QStringLiteral("Nach"),
                          QStringLiteral("Konfigurierungen wurden automatisch angepasst.~~Programm wird jetzt "
                                         "wieder beendet."));
  nach = Ersetzen(nach, QStringLiteral("~"), QStringLiteral("\r\n"));
  MsgBox(nach, vb::vbOKOnly + vb::vbInformation, QStringLiteral("Anpassen der Konfigurierung abgeschlossen."));

  const QString erledigt = kennung(QFileInfo(pfad));
  // A file that stays (a folder the user may not change) would run its jobs and end at every start.
  if (!QFile::remove(pfad)) IniSchreiben(QString(), QString(), kErledigt, erledigt);
  // The end skips every destructor: the settings the jobs wrote must be in their files now.
  IniSichern();
  while (QGuiApplication::overrideCursor()) QGuiApplication::restoreOverrideCursor();
  vb::Programm::Ende(0);
}
