#include "platform/dienste/Shell.h"

#include "platform/dienste/Dienst.h"

#include "platform/vb/IniDatei.h"

#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QProcess>
#include <QStandardPaths>
#include <optional>

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

// Runs xdg-mime with the arguments; its first output line, "" when it said nothing, nullopt when it could
// not be asked.
std::optional<QString> xdgMime(const QStringList& argumente) {
  const QString programm = QStandardPaths::findExecutable(QStringLiteral("xdg-mime"));
  if (programm.isEmpty()) return std::nullopt;
  QProcess p;
  p.start(programm, argumente);
  if (!p.waitForFinished(10000)) {
    p.kill();
    p.waitForFinished();
    return std::nullopt;
  }
  if (p.exitStatus() != QProcess::NormalExit) return std::nullopt;
  return QString::fromLocal8Bit(p.readAllStandardOutput()).section(u'\n', 0, 0).trimmed();
}

// False when the desktop has no program for the document, folder or link, as xdg-open would look for
// one: a file by the type xdg-mime reads from it, a link by its scheme. True when there is one or when
// nobody can tell (no xdg-mime here). Web addresses always count: the desktop opens them in a browser
// even without a program named for them.
bool hatProgramm(const QUrl& adresse) {
  QString typ;
  if (adresse.isLocalFile()) {
    const QString pfad = adresse.toLocalFile();
    if (QFileInfo(pfad).isDir()) {
      typ = QStringLiteral("inode/directory");
    } else {
      const auto gelesen = xdgMime({QStringLiteral("query"), QStringLiteral("filetype"), pfad});
      if (!gelesen || gelesen->isEmpty()) return true;
      typ = gelesen->section(u';', 0, 0).trimmed();
    }
  } else {
    const QString schema = adresse.scheme().toLower();
    if (schema.isEmpty() || schema == u"http" || schema == u"https" || schema == u"ftp") return true;
    typ = QStringLiteral("x-scheme-handler/") + schema;
  }
  const auto programm = xdgMime({QStringLiteral("query"), QStringLiteral("default"), typ});
  return !programm || !programm->isEmpty();
}

class QtShell : public ShellService {
 public:
  bool oeffnen(const QUrl& adresse) override {
    if (!adresse.isValid() || adresse.isEmpty()) return false;
    if (!hatProgramm(adresse)) return false;
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
std::unique_ptr<ShellService> install(std::unique_ptr<ShellService> service) {
  return Slot::install(std::move(service));
}
std::unique_ptr<ShellService> echt() { return std::make_unique<QtShell>(); }
}  // namespace Shell
