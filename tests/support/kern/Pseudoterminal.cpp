#include "support/kern/Pseudoterminal.h"

#include <fcntl.h>
#include <poll.h>
#include <pty.h>
#include <termios.h>
#include <unistd.h>
#include <QElapsedTimer>

Pseudoterminal::Pseudoterminal() {
  char name[256] = {};
  if (::openpty(&master_, &slave_, name, nullptr, nullptr) != 0) {
    master_ = slave_ = -1;
    return;
  }
  // Raw on both sides from the start: no echo and no line editing, whatever the program sets later.
  termios t{};
  if (::tcgetattr(slave_, &t) == 0) {
    ::cfmakeraw(&t);
    ::tcsetattr(slave_, TCSANOW, &t);
  }
  pfad_ = QString::fromLocal8Bit(name);
}

Pseudoterminal::~Pseudoterminal() {
  if (slave_ >= 0) ::close(slave_);
  if (master_ >= 0) ::close(master_);
}

QByteArray Pseudoterminal::lesenBis(const QByteArray& ende, int ms) {
  QByteArray gelesen;
  QElapsedTimer uhr;
  uhr.start();
  while (!gelesen.endsWith(ende) && uhr.elapsed() < ms) {
    pollfd p{master_, POLLIN, 0};
    if (::poll(&p, 1, 20) <= 0 || !(p.revents & POLLIN)) continue;
    char puffer[256];
    const ssize_t n = ::read(master_, puffer, sizeof puffer);
    if (n > 0) gelesen.append(puffer, n);
  }
  log_ += gelesen;
  return gelesen;
}

void Pseudoterminal::schreiben(const QByteArray& daten) {
  qsizetype geschrieben = 0;
  while (geschrieben < daten.size()) {
    const ssize_t n =
        ::write(master_, daten.constData() + geschrieben, static_cast<size_t>(daten.size() - geschrieben));
    if (n <= 0) return;
    geschrieben += n;
  }
  // The line hands the bytes over a moment later: wait until the slave side can read them, so that the
  // program's next read finds them whatever the machine's load.
  pollfd p{slave_, POLLIN, 0};
  ::poll(&p, 1, 2000);
}
