#pragma once
// Handing work to the desktop: open a document or address with the program the desktop has for it,
// start a program on its own and see whether it still runs, move a file to the trash.
#include <QList>
#include <QString>
#include <QStringList>
#include <QUrl>
#include <memory>

class ShellService {
 public:
  virtual ~ShellService() = default;
  // Opens a document (a file: address) or an address with the desktop's handler; false when none took it.
  virtual bool oeffnen(const QUrl& adresse) = 0;
  // Starts a program that runs on by itself (it outlives this program), in the folder ("" = the current
  // one). Returns its process id, 0 when it did not start.
  virtual qint64 starten(const QString& programm, const QStringList& argumente, const QString& ordner) = 0;
  // True while a process that starten() returned still runs (0 never runs).
  virtual bool laeuft(qint64 prozess) = 0;
  // Moves a file or folder to the trash; false when it could not.
  virtual bool inPapierkorb(const QString& pfad) = 0;
};

namespace Shell {
ShellService& service();
// Installs a service (tests) and returns the previous one; nullptr restores the real one.
std::unique_ptr<ShellService> install(std::unique_ptr<ShellService> service);
// The real back end (tests use it to start real child processes through the double).
std::unique_ptr<ShellService> echt();
}  // namespace Shell
