#include "support/kern/Adressgenerator.h"

#include <QFileInfo>
#include <QProcess>

QString AdressenErzeugen(int anzahl, const QString& pfad, int seed) {
  const QString skript = QStringLiteral(KARTULON_TOOLS_DIR "/adressen.py");
  if (!QFileInfo::exists(skript)) return QStringLiteral("the generator %1 is missing").arg(skript);
  QProcess p;
  p.start(QStringLiteral("python3"),
          {skript, QString::number(anzahl), pfad, QStringLiteral("--seed"), QString::number(seed)});
  if (!p.waitForStarted()) return QStringLiteral("python3 did not start (bash tools/deps.sh installs it)");
  // A loaded machine writes 32000 addresses in a few seconds; the limit only stops a hung interpreter.
  if (!p.waitForFinished(300000)) return QStringLiteral("%1 did not finish within 5 minutes").arg(skript);
  if (p.exitStatus() != QProcess::NormalExit || p.exitCode() != 0)
    return QStringLiteral("%1 failed (exit code %2): %3")
        .arg(skript)
        .arg(p.exitCode())
        .arg(QString::fromLocal8Bit(p.readAllStandardError()).trimmed());
  return {};
}
