#pragma once
// The serial port a modem hangs on: one port at a time, opened at 300 baud, no parity, 8 data bits and
// 1 stop bit. A real back end over QSerialPort; tests install a recording double.
#include <QByteArray>
#include <QString>
#include <memory>

class SerialPortService {
 public:
  virtual ~SerialPortService() = default;
  // Opens the device (a path such as /dev/ttyS1). Returns 0, or the runtime error number: 68 for a
  // device that is missing or held by another program, 70 for one the user may not open.
  virtual int oeffnen(const QString& geraet) = 0;
  // Throws away what has arrived and not been read yet.
  virtual int eingangLeeren() = 0;
  // Sends the bytes; returns when the system has taken them.
  virtual int schreiben(const QByteArray& daten) = 0;
  // What has arrived since the last read; when nothing has, waits up to the milliseconds for it.
  virtual QByteArray lesen(int wartenMs) = 0;
  // Sets the DTR line. A device without one (a pseudo-terminal) answers with an error number.
  virtual int dtr(bool an) = 0;
  // Closes the port; nothing happens when it is not open.
  virtual void schliessen() = 0;
  virtual bool offen() const = 0;
};

namespace SerialPort {
SerialPortService& service();
// Installs a service (tests) and returns the previous one; nullptr restores the real one.
std::unique_ptr<SerialPortService> install(std::unique_ptr<SerialPortService> service);
// The real back end (the test double talks to a pseudo-terminal through it).
std::unique_ptr<SerialPortService> echt();
}  // namespace SerialPort
