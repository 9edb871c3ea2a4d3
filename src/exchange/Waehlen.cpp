#include "exchange/Waehlen.h"

#include "platform/dienste/SerialPort.h"
#include "platform/vb/Clock.h"
#include "platform/vb/Laufzeitfehler.h"
#include "platform/vb/Vb.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QStandardPaths>

namespace {

// How long one look at the port waits for bytes: short enough for the window to stay responsive.
constexpr int kBlickMs = 20;

// Reads and throws away what arrives for the milliseconds, events processed meanwhile.
void verwerfen(SerialPortService& port, qint64 ms) {
  const qint64 start = Clock::tickMs();
  while (Clock::tickMs() - start < ms) {
    QCoreApplication::processEvents();
    port.lesen(kBlickMs);
  }
}

}  // namespace

QStringList ModemEintraege() {
  QStringList l;
  for (int i = 1; i <= 8; ++i) l << QStringLiteral("COM%1").arg(i);
  l << kWaehlhilfe << QString();
  return l;
}

QStringList WaehlStringEintraege() {
  return {QStringLiteral("AT DT ; Tonwahl"),
          QStringLiteral("AT DP ; Pulswahl"),
          QString(),
          QStringLiteral("AT X3 DT0, ; Tonwahl mit einer 0 fürs Amt"),
          QStringLiteral("AT X3 DP0, ; Pulswahl mit einer 0 fürs Amt"),
          QString(),
          QStringLiteral("AT&F1 AT DT ; Tonwahl US-Robotics 56K Prof Message")};
}

QString WaehlBefehl(const QString& eintrag) {
  const qsizetype semikolon = eintrag.indexOf(u';');
  return vb::Trim(semikolon < 0 ? eintrag : eintrag.left(semikolon));
}

QString WaehlZeichen(const QString& nummer) {
  static const QString erlaubt = QStringLiteral("0123456789,ABCDEF#*$^");
  QString ergebnis;
  for (const QChar c : nummer.toUpper())
    if (erlaubt.contains(c)) ergebnis += c;
  return ergebnis;
}

QByteArray ModemBefehl(const QString& befehl, const QString& nummer) {
  // Both hold only what a modem reads: plain ASCII, whatever the user typed into the dial string.
  return (befehl + nummer + QStringLiteral(";\r")).toLatin1();
}

Anschluss AnschlussAusText(const QString& text) {
  if (text.startsWith(u'/')) return {text, 0};
  const QChar letztes = text.isEmpty() ? QChar() : text.back();
  const int nummer = letztes >= u'1' && letztes <= u'9' ? letztes.unicode() - u'0' : 0;
  if (nummer == 0) return {QString(), vb::ErrEigenschaftswert};
  return {QStringLiteral("/dev/ttyS%1").arg(nummer - 1), 0};
}

WahlEnde ModemWaehlen(const Anschluss& anschluss, const QByteArray& befehl, SerialPortService& port,
                      const ModemSchritte& schritte) {
  // One fault, one message: the port is closed first, so that the next try finds it free.
  auto fehler = [&](int nummer) {
    port.schliessen();
    return schritte.fehlerMelden(nummer) == 5 ? WahlEnde::Schliessen : WahlEnde::Offen;
  };
  if (anschluss.fehler) return fehler(anschluss.fehler);
  if (const int e = port.oeffnen(anschluss.geraet)) return fehler(e);
  if (const int e = port.eingangLeeren()) return fehler(e);
  if (const int e = port.schreiben(befehl)) return fehler(e);

  QByteArray antwort;
  const qint64 start = Clock::tickMs();
  while (Clock::tickMs() - start < 30000) {
    QCoreApplication::processEvents();
    if (schritte.abgebrochen && schritte.abgebrochen()) break;
    antwort += port.lesen(kBlickMs);
    if (antwort.contains("OK")) {
      antwort.clear();
      if (schritte.hoererAbnehmen) schritte.hoererAbnehmen();
      break;
    }
  }

  if (const int e = port.schreiben(QByteArrayLiteral("ATH0\r"))) return fehler(e);
  verwerfen(port, 2000);
  // A line without DTR (a pseudo-terminal) has nothing to reset: the call has gone through regardless.
  port.dtr(false);
  verwerfen(port, 1000);
  port.dtr(true);
  port.schliessen();
  return WahlEnde::Schliessen;
}

QString WaehlProgramm(const QString& dialer) {
  QString name = vb::Trim(dialer);
  name.replace(u'\\', u'/');
  if (name.isEmpty()) return {};
  if (!name.contains(u'/')) return QStandardPaths::findExecutable(name);
  const QFileInfo datei(name);
  return datei.isFile() && datei.isExecutable() ? datei.absoluteFilePath() : QString();
}

QUrl TelLink(const QString& zeichen) {
  QUrl link;
  link.setScheme(QStringLiteral("tel"));
  link.setPath(zeichen);
  return link;
}
