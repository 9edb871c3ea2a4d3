#pragma once
// The tests that run programs on a screen of their own: a virtual X server.
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QThread>

// A virtual X server on a display number that nobody uses; stopped when the object goes.
class VirtuellerBildschirm {
 public:
  bool starten() {
    const QString xvfb = QStandardPaths::findExecutable(QStringLiteral("Xvfb"));
    if (xvfb.isEmpty()) return false;
    for (int n = 140 + static_cast<int>(QCoreApplication::applicationPid() % 60), versuche = 0; versuche < 40;
         ++versuche, ++n) {
      const QString sockel = QStringLiteral("/tmp/.X11-unix/X%1").arg(n);
      if (QFile::exists(sockel) || QFile::exists(QStringLiteral("/tmp/.X%1-lock").arg(n))) continue;
      server_.start(xvfb, {QStringLiteral(":%1").arg(n), QStringLiteral("-screen"), QStringLiteral("0"),
                           QStringLiteral("1280x1024x24"), QStringLiteral("-nolisten"), QStringLiteral("tcp"),
                           QStringLiteral("-dpi"), QStringLiteral("96"),
                           // Without it the server resets when its last client goes, and with it the
                           // keyboard map a test set (setxkbmap) before the program connects.
                           QStringLiteral("-noreset")});
      if (!server_.waitForStarted(5000)) return false;
      QElapsedTimer uhr;
      uhr.start();
      while (uhr.elapsed() < 10000 && server_.state() == QProcess::Running && !QFile::exists(sockel))
        QThread::msleep(50);
      if (server_.state() == QProcess::Running && QFile::exists(sockel)) {
        anzeige_ = QStringLiteral(":%1").arg(n);
        return true;
      }
      // Another server took the number in the meantime: the next one.
      server_.kill();
      server_.waitForFinished();
    }
    return false;
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

 private:
  QProcess server_;
  QString anzeige_;
};
