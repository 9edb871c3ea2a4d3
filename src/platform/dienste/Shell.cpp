#include "platform/dienste/Shell.h"

#include "platform/dienste/Dienst.h"

#include "platform/vb/IniDatei.h"

#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QHash>
#include <QProcess>

namespace {

// The process's start time (clock ticks after boot, field 22 of /proc/<pid>/stat) and whether it is a
// zombie; false when there is no such process.
bool prozessLesen(qint64 pid, QByteArray& startzeit, bool& zombie) {
  QFile f(QStringLiteral("/proc/%1/stat").arg(pid));
  if (!f.open(QIODevice::ReadOnly)) return false;
  const QByteArray zeile = f.readAll();
  // The command name stands in parentheses and may itself hold blanks and parentheses.
  const qsizetype ende = zeile.lastIndexOf(')');
  if (ende < 0) return false;
  const QList<QByteArray> felder = zeile.mid(ende + 2).split(' ');
  if (felder.size() < 20) return false;
  zombie = felder[0] == "Z" || felder[0] == "X";
  startzeit = felder[19];  // field 22 counted from the pid
  return true;
}

class QtShell : public ShellService {
 public:
  bool oeffnen(const QUrl& adresse) override {
    if (!adresse.isValid() || adresse.isEmpty()) return false;
    Profil::sichern();  // the program opened may read a settings file just written
    return QDesktopServices::openUrl(adresse);
  }

  qint64 starten(const QString& programm, const QStringList& argumente, const QString& ordner) override {
    if (programm.isEmpty()) return 0;
    Profil::sichern();  // the program started may read a settings file just written
    qint64 pid = 0;
    const QString wo = ordner.isEmpty() ? QDir::currentPath() : ordner;
    if (!QProcess::startDetached(programm, argumente, wo, &pid) || pid <= 0) return 0;
    QByteArray startzeit;
    bool zombie = false;
    if (prozessLesen(pid, startzeit, zombie)) startzeiten_.insert(pid, startzeit);
    return pid;
  }

  bool laeuft(qint64 prozess) override {
    if (prozess <= 0) return false;
    QByteArray startzeit;
    bool zombie = false;
    if (!prozessLesen(prozess, startzeit, zombie) || zombie) return false;
    // A process id used again by a later process is not the program that was started.
    const auto it = startzeiten_.constFind(prozess);
    return it == startzeiten_.constEnd() || *it == startzeit;
  }

  bool inPapierkorb(const QString& pfad) override {
    if (pfad.isEmpty()) return false;
    return QFile::moveToTrash(pfad);
  }

 private:
  QHash<qint64, QByteArray> startzeiten_;
};

using Slot = Dienst<ShellService, QtShell>;

}  // namespace

namespace Shell {
ShellService& service() { return Slot::service(); }
std::unique_ptr<ShellService> install(std::unique_ptr<ShellService> service) { return Slot::install(std::move(service)); }
std::unique_ptr<ShellService> echt() { return std::make_unique<QtShell>(); }
}  // namespace Shell




