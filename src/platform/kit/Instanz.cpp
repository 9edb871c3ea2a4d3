#include "platform/kit/Instanz.h"

#include "platform/vb/Paths.h"
#include "platform/vb/Programm.h"

#include <unistd.h>
#include <QCryptographicHash>
#include <QDir>
#include <QLocalServer>
#include <QLocalSocket>
#include <QLockFile>
#include <QPointer>

namespace Instanz {
namespace {

constexpr int kWartezeitMs = 2000;
const QByteArray kAnfrage = "aktivieren\n";
const QByteArray kAntwort = "ok\n";

QPointer<QLocalServer>& server() {
  static QPointer<QLocalServer> s;
  return s;
}

// True when a copy listens and took the request.
bool anfragen() {
  QLocalSocket s;
  s.connectToServer(serverName());
  if (!s.waitForConnected(kWartezeitMs)) return false;
  s.write(kAnfrage);
  s.waitForBytesWritten(kWartezeitMs);
  // The running copy answers once it has the request; a busy copy is still a running copy.
  if (s.bytesAvailable() == 0) s.waitForReadyRead(kWartezeitMs);
  s.disconnectFromServer();
  return true;
}

void zuhoeren(std::function<void()> aktivieren) {
  beenden();
  auto* srv = new QLocalServer();
  srv->setSocketOptions(QLocalServer::UserAccessOption);
  if (!srv->listen(serverName())) {
    // A socket file left behind by a copy that did not end normally: nobody answered on it.
    QLocalServer::removeServer(serverName());
    if (!srv->listen(serverName())) {
      delete srv;
      return;
    }
  }
  QObject::connect(srv, &QLocalServer::newConnection, srv, [srv, aktivieren] {
    while (QLocalSocket* verbindung = srv->nextPendingConnection()) {
      QObject::connect(verbindung, &QLocalSocket::disconnected, verbindung, &QObject::deleteLater);
      QObject::connect(verbindung, &QLocalSocket::readyRead, verbindung, [verbindung, aktivieren] {
        if (!verbindung->canReadLine()) return;
        const QByteArray zeile = verbindung->readLine();
        if (zeile != kAnfrage) return;
        verbindung->write(kAntwort);
        verbindung->flush();
        if (aktivieren) aktivieren();
      });
    }
  });
  server() = srv;
  vb::Programm::beimEnde(QStringLiteral("Instanz"), [] { beenden(); });
}

}  // namespace

QString serverName() {
  const QByteArray ordner = QDir(Paths::programmOrdner()).absolutePath().toUtf8();
  const QByteArray digest = QCryptographicHash::hash(ordner, QCryptographicHash::Sha1).toHex().left(12);
  return QStringLiteral("kartulon-%1-%2").arg(getuid()).arg(QString::fromLatin1(digest));
}

bool andereKopieAktivieren(std::function<void()> aktivieren) {
  // This copy already is the running one (a window loaded again asks again).
  if (wacht()) return false;
  QLockFile sperre(QDir::temp().filePath(serverName() + QStringLiteral(".lock")));
  sperre.tryLock(kWartezeitMs * 2);
  if (anfragen()) return true;
  zuhoeren(std::move(aktivieren));
  return false;
}

void beenden() {
  if (server()) {
    server()->close();
    delete server().data();
  }
  server() = nullptr;
  vb::Programm::beimEndeEntfernen(QStringLiteral("Instanz"));
}

bool wacht() { return server() && server()->isListening(); }

}  // namespace Instanz
