#include "common/Programminfo.h"

#include "common/Benutzer.h"
#include "common/Global.h"
#include "common/Ini.h"
#include "common/Pfade.h"
#include "platform/dienste/SysInfo.h"

#include <QFile>
#include <QFileInfo>
#include <QStringList>

InstallationsFakten InstallationsFaktenSammeln() {
  InstallationsFakten f;
  f.benutzer = BenutzerName();
  f.datenOrdner = DatenOrdner;
  f.programmOrdner = ProgrammOrdner();
  f.modulPaket = IniLesen(QString(), QStringLiteral("Allgemein"), QStringLiteral("ModulPaket32"), QStringLiteral("?"));
  f.version = ProgrammVersionNummern();
  // The program's own file: the date of its last change, when it can be read.
  const QString datei = SysInfo::service().programmDatei();
  QFile programm(datei);
  if (!datei.isEmpty() && programm.open(QIODevice::ReadOnly)) {
    const QDateTime geaendert = QFileInfo(datei).lastModified();
    if (geaendert.isValid()) f.freigabe = geaendert.date();
  }
  return f;
}

QString InfoUeberschrift(const VersionNummern& v) {
  return QStringLiteral("Infos über Kartulon · Version ") + VersionMitPunkten(v);
}

QString InstallationsText(const InstallationsFakten& f) {
  QStringList zeilen;
  if (!f.benutzer.isEmpty()) zeilen << QStringLiteral("Benutzername / Rechnerstation: ") + f.benutzer;
  zeilen << (f.datenOrdner.isEmpty() ? QStringLiteral("Ordner: ") + f.programmOrdner
                                     : QStringLiteral("Daten-Ordner: ") + f.datenOrdner);
  zeilen << QStringLiteral("Modul-Paket: Installiert ist ") + f.modulPaket + QStringLiteral(" und benötigt wird e");
  zeilen << QStringLiteral("Version 32-Bit ") + VersionMitPunkten(f.version);
  if (f.freigabe) zeilen << QStringLiteral("Freigabe-Datum: ") + f.freigabe->toString(QStringLiteral("dd.MM.yyyy"));
  return zeilen.join(QStringLiteral("\r\n"));
}
