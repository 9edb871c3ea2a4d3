#pragma once
// The tests that run programs on a screen of their own: a virtual X server.
#include <QElapsedTimer>
#include <QProcess>
#include <QStandardPaths>

// A virtual X server on a display number of its own; stopped when the object goes.
class VirtuellerBildschirm {
 public:
  // The server picks a free display number itself and names it once it takes connections: two tests
  // that start a server at the same moment never share one.
  bool starten() {
    const QString xvfb = QStandardPaths::findExecutable(QStringLiteral("Xvfb"));
    if (xvfb.isEmpty()) {
      warum_ = QStringLiteral("Xvfb is not installed");
      return false;
    }
    server_.start(xvfb, {QStringLiteral("-displayfd"), QStringLiteral("1"), QStringLiteral("-screen"),
                         QStringLiteral("0"), QStringLiteral("1280x1024x24"), QStringLiteral("-nolisten"),
                         QStringLiteral("tcp"), QStringLiteral("-dpi"), QStringLiteral("96"),
                         // Without it the server resets when its last client goes, and with it the
                         // keyboard map a test set (setxkbmap) before the program connects.
                         QStringLiteral("-noreset")});
    if (!server_.waitForStarted(5000)) {
      warum_ = QStringLiteral("Xvfb does not start");
      return false;
    }
    QByteArray gelesen;
    QElapsedTimer uhr;
    uhr.start();
    while (uhr.elapsed() < 30000 && server_.state() == QProcess::Running && !gelesen.contains('\n')) {
      server_.waitForReadyRead(100);
      gelesen += server_.readAllStandardOutput();
    }
    bool ok = false;
    const int nummer = gelesen.trimmed().toInt(&ok);
    if (!ok || server_.state() != QProcess::Running) {
      warum_ = QStringLiteral("Xvfb gave no display: ") + QString::fromLocal8Bit(server_.readAllStandardError());
      server_.kill();
      server_.waitForFinished();
      return false;
    }
    anzeige_ = QStringLiteral(":%1").arg(nummer);
    return true;
  }
  ~VirtuellerBildschirm() {
    if (server_.state() != QProcess::NotRunning) {
      server_.terminate();
      if (!server_.waitForFinished(5000)) {
        server_.kill();
        server_.waitForFinished();
      }
    }
  }
  QString anzeige() const { return anzeige_; }
  // Why the server did not start.
  QString warum() const { return warum_; }

 private:
  QProcess server_;
  QString anzeige_, warum_;
};
