#include "platform/dienste/SerialPort.h"

#include "platform/dienste/Dienst.h"
#include "platform/vb/Laufzeitfehler.h"

#include <unistd.h>
#include <QFile>
#include <QSerialPort>
#include <QThread>
#include <memory>

namespace {

class QtSerialPort : public SerialPortService {
 public:
  int oeffnen(const QString& geraet) override {
    schliessen();
    if (geraet.isEmpty() || !QFile::exists(geraet)) return vb::ErrGeraetNichtVerfuegbar;
    // Made for each opening and gone with the closing: no port object outlives the application.
    port_ = std::make_unique<QSerialPort>(geraet);
    if (!port_->open(QIODevice::ReadWrite)) {
      const QSerialPort::SerialPortError fehler = port_->error();
      port_.reset();
      if (fehler == QSerialPort::DeviceNotFoundError) return vb::ErrGeraetNichtVerfuegbar;
      if (fehler == QSerialPort::PermissionError) {
        // Qt reports a device held by another program (its lock, or the exclusive mode) the same way as
        // one the user may not open: the file's rights tell them apart.
        const QByteArray pfad = QFile::encodeName(geraet);
        return ::access(pfad.constData(), R_OK | W_OK) == 0 ? vb::ErrGeraetNichtVerfuegbar : vb::ErrZugriffVerweigert;
      }
      return vb::ErrGeraeteEA;
    }
    const bool gesetzt = port_->setBaudRate(300) && port_->setParity(QSerialPort::NoParity) &&
                         port_->setDataBits(QSerialPort::Data8) && port_->setStopBits(QSerialPort::OneStop) &&
                         port_->setFlowControl(QSerialPort::NoFlowControl);
    if (!gesetzt) {
      schliessen();
      return vb::ErrGeraeteEA;
    }
    return 0;
  }

  int eingangLeeren() override {
    if (!offen()) return vb::ErrGeraetNichtVerfuegbar;
    port_->readAll();
    if (!port_->clear(QSerialPort::Input)) {
      port_->clearError();
      return vb::ErrGeraeteEA;
    }
    return 0;
  }

  int schreiben(const QByteArray& daten) override {
    if (!offen()) return vb::ErrGeraetNichtVerfuegbar;
    if (port_->write(daten) != daten.size()) {
      port_->clearError();
      return vb::ErrGeraeteEA;
    }
    // The system takes the bytes at once; only a stuck line makes this wait, and then not for long.
    while (port_->bytesToWrite() > 0) {
      if (!port_->waitForBytesWritten(2000)) {
        port_->clearError();
        return vb::ErrGeraeteEA;
      }
    }
    return 0;
  }

  QByteArray lesen(int wartenMs) override {
    if (!offen()) {
      if (wartenMs > 0) QThread::msleep(static_cast<unsigned long>(wartenMs));
      return {};
    }
    if (port_->bytesAvailable() == 0 && wartenMs > 0 && !port_->waitForReadyRead(wartenMs)) {
      // A timeout is no fault; a vanished device must not make the caller's loop spin.
      if (port_->error() != QSerialPort::TimeoutError && port_->error() != QSerialPort::NoError)
        QThread::msleep(static_cast<unsigned long>(wartenMs));
      port_->clearError();
    }
    return port_->readAll();
  }

  int dtr(bool an) override {
    if (!offen()) return vb::ErrGeraetNichtVerfuegbar;
    if (!port_->setDataTerminalReady(an)) {
      port_->clearError();
      return vb::ErrGeraeteEA;
    }
    return 0;
  }

  void schliessen() override {
    if (port_ && port_->isOpen()) port_->close();
    port_.reset();
  }

  bool offen() const override { return port_ && port_->isOpen(); }

 private:
  std::unique_ptr<QSerialPort> port_;
};

using Slot = Dienst<SerialPortService, QtSerialPort>;

}  // namespace

namespace SerialPort {
SerialPortService& service() { return Slot::service(); }
std::unique_ptr<SerialPortService> install(std::unique_ptr<SerialPortService> service) {
  return Slot::install(std::move(service));
}
std::unique_ptr<SerialPortService> echt() { return std::make_unique<QtSerialPort>(); }
}  // namespace SerialPort
