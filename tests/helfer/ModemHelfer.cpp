// A modem for the tests, as a program of its own.
//   modem <log file>: opens a pseudo-terminal, prints the path of its slave side, logs every byte the
//     program sends and answers the first command (up to its CR) with "OK" CR LF.
//   halten <device>: holds the device open as a serial port, as another program would, and prints
//     "offen" (or "fehler").
// Both end when their standard input closes.
#include <poll.h>
#include <pty.h>
#include <termios.h>
#include <unistd.h>
#include <QCoreApplication>
#include <QFile>
#include <QSerialPort>
#include <cstdio>

namespace {

int modem(const char* logPfad) {
  int master = -1;
  int slave = -1;
  char name[256] = {};
  if (::openpty(&master, &slave, name, nullptr, nullptr) != 0) return 1;
  termios t{};
  if (::tcgetattr(slave, &t) == 0) {
    ::cfmakeraw(&t);
    ::tcsetattr(slave, TCSANOW, &t);
  }
  std::printf("%s\n", name);
  std::fflush(stdout);
  QFile log(QString::fromLocal8Bit(logPfad));
  if (!log.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Unbuffered)) return 1;
  bool beantwortet = false;
  for (;;) {
    pollfd p[2] = {{master, POLLIN, 0}, {STDIN_FILENO, POLLIN, 0}};
    if (::poll(p, 2, 1000) < 0) return 1;
    if (p[1].revents) {
      char c;
      if (::read(STDIN_FILENO, &c, 1) <= 0) return 0;
    }
    if (!(p[0].revents & POLLIN)) continue;
    char puffer[256];
    const ssize_t n = ::read(master, puffer, sizeof puffer);
    if (n <= 0) continue;
    log.write(puffer, n);
    if (!beantwortet && QByteArray(puffer, static_cast<qsizetype>(n)).contains('\r')) {
      beantwortet = true;
      const char ok[] = "OK\r\n";
      if (::write(master, ok, sizeof ok - 1) < 0) return 1;
    }
  }
}

int halten(const char* geraet) {
  QSerialPort port(QString::fromLocal8Bit(geraet));
  std::printf(port.open(QIODevice::ReadWrite) ? "offen\n" : "fehler\n");
  std::fflush(stdout);
  char c;
  while (::read(STDIN_FILENO, &c, 1) > 0) {
  }
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  QCoreApplication app(argc, argv);
  if (argc == 3 && QByteArray(argv[1]) == "modem") return modem(argv[2]);
  if (argc == 3 && QByteArray(argv[1]) == "halten") return halten(argv[2]);
  std::fprintf(stderr, "usage: %s modem <log> | halten <device>\n", argv[0]);
  return 2;
}
