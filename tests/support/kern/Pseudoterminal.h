#pragma once
// A pseudo-terminal pair as a modem on a serial line: the program opens the slave's path as its port,
// the test plays the modem on the master side and keeps everything the program sent.
#include <QByteArray>
#include <QString>

class Pseudoterminal {
 public:
  Pseudoterminal();
  ~Pseudoterminal();
  Pseudoterminal(const Pseudoterminal&) = delete;
  Pseudoterminal& operator=(const Pseudoterminal&) = delete;

  bool ok() const { return master_ >= 0; }
  // The path the program opens, /dev/pts/N.
  QString pfad() const { return pfad_; }
  // Reads what the program sent until the text ends with the bytes or the milliseconds have passed;
  // returns what came and adds it to the log.
  QByteArray lesenBis(const QByteArray& ende, int ms = 2000);
  // Sends bytes to the program, as the modem's answer; returns when the program can read them.
  void schreiben(const QByteArray& daten);
  // Everything the program sent so far.
  const QByteArray& log() const { return log_; }

 private:
  int master_ = -1;
  int slave_ = -1;  // held open, so that the master side never reads the end of the line
  QString pfad_;
  QByteArray log_;
};
