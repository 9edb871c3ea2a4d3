#include "platform/vb/Paths.h"

#include <QCoreApplication>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

namespace Paths {
namespace {

QString ohneSchraegstrich(QString p) {
  while (p.size() > 1 && p.endsWith(u'/')) p.chop(1);
  return p;
}

QString ausUmgebung(const char* variable, const char* xdg, const QString& standard) {
  const QString direkt = qEnvironmentVariable(variable);
  if (!direkt.isEmpty()) return ohneSchraegstrich(normalisieren(direkt));
  QString basis = qEnvironmentVariable(xdg);
  if (basis.isEmpty()) basis = QDir::homePath() + u'/' + standard;
  return ohneSchraegstrich(basis) + QStringLiteral("/kartulon");
}

void kopierenWoFehlt(const QString& quelle, const QString& ziel) {
  QDir().mkpath(ziel);
  const QDir q(quelle);
  for (const QFileInfo& info : q.entryInfoList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot)) {
    // The toolbar's pictures are built into the program: the program folder needs no copy of them.
    if (info.isDir() && info.fileName() == u"Symbole" && q.absolutePath() == QDir(datenVorlagenOrdner()).absolutePath())
      continue;
    const QString zielPfad = aufloesen(ziel + u'/' + info.fileName());
    if (info.isDir()) {
      kopierenWoFehlt(info.absoluteFilePath(), zielPfad);
    } else if (!QFileInfo::exists(zielPfad)) {
      QFile::copy(info.absoluteFilePath(), zielPfad);
      QFile(zielPfad).setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup | QFile::ReadOther);
    }
  }
}

}  // namespace

QString programmOrdner() { return ausUmgebung("KARTULON_HOME", "XDG_DATA_HOME", ".local/share"); }
QString windowsOrdner() { return ausUmgebung("KARTULON_WINDIR", "XDG_CONFIG_HOME", ".config"); }
QString systemOrdner() { return windowsOrdner(); }

QString datenVorlagenOrdner() {
  const QString neben = QCoreApplication::applicationDirPath() + QStringLiteral("/data");
  if (QFileInfo(neben).isDir()) return neben;
  const QString installiert = QCoreApplication::applicationDirPath() + QStringLiteral("/../share/kartulon");
  if (QFileInfo(installiert).isDir()) return QDir(installiert).absolutePath();
  return QStringLiteral(KARTULON_DATA_DIR);
}

void ordnerEinrichten() {
  QDir().mkpath(windowsOrdner());
  const QString vorlagen = datenVorlagenOrdner();
  if (QFileInfo(vorlagen).isDir())
    kopierenWoFehlt(vorlagen, programmOrdner());
  else
    QDir().mkpath(programmOrdner());
}

QString normalisieren(const QString& pfad) {
  QString p = pfad;
  p.replace(u'\\', u'/');
  return p;
}

QString verbinden(const QString& ordner, const QString& name) {
  if (ordner.isEmpty()) return name;
  QString n = name;
  while (n.startsWith(u'/')) n.remove(0, 1);
  return ordner.endsWith(u'/') ? ordner + n : ordner + u'/' + n;
}

QString aufloesen(const QString& pfad) {
  const QString p = normalisieren(pfad);
  if (p.isEmpty() || QFileInfo::exists(p)) return p;
  const bool absolut = p.startsWith(u'/');
  const QStringList teile = p.split(u'/', Qt::SkipEmptyParts);
  QString aktuell = absolut ? QStringLiteral("/") : QString();
  for (qsizetype i = 0; i < teile.size(); ++i) {
    const QString& teil = teile[i];
    const QString direkt = aktuell.isEmpty() ? teil : verbinden(aktuell, teil);
    if (teil == u"." || teil == u".." || QFileInfo::exists(direkt)) {
      aktuell = direkt;
      continue;
    }
    QString gefunden;
    const QDir ordner(aktuell.isEmpty() ? QStringLiteral(".") : aktuell);
    if (ordner.exists()) {
      const QStringList namen = ordner.entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
      for (const QString& n : namen) {
        if (n.compare(teil, Qt::CaseInsensitive) == 0) {
          gefunden = n;
          break;
        }
      }
    }
    if (gefunden.isEmpty()) {
      // Not there in any case: keep the rest as asked.
      QString rest = teile.mid(i).join(u'/');
      QString ergebnis = aktuell.isEmpty() ? rest : verbinden(aktuell, rest);
      if (p.endsWith(u'/')) ergebnis += u'/';
      return ergebnis;
    }
    aktuell = aktuell.isEmpty() ? gefunden : verbinden(aktuell, gefunden);
  }
  if (p.endsWith(u'/') && !aktuell.endsWith(u'/')) aktuell += u'/';
  return aktuell;
}

}  // namespace Paths
