#include "common/Pfade.h"

#include "platform/vb/IniDatei.h"
#include "platform/vb/Paths.h"
#include "platform/vb/Sanduhr.h"
#include "platform/vb/Vb.h"

#include <fcntl.h>
#include <unistd.h>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <cmath>

QString WindowsOrdner() { return Paths::windowsOrdner(); }
QString SystemOrdner() { return Paths::systemOrdner(); }
QString ProgrammOrdner() { return Paths::programmOrdner(); }

QString DateiTeil(const QString& eingabe, int teil) {
  QString pfad = vb::Trim(eingabe);
  // A switch after the path ("... /readonly"): only a "/" after a blank starts one, so that the
  // folders of a Linux path stay. The blank before it stays with the path.
  const qsizetype schalter = pfad.indexOf(QStringLiteral(" /"));
  if (schalter >= 0) pfad.truncate(schalter + 1);
  pfad = Paths::normalisieren(pfad);

  QString laufwerk, rest;
  if (pfad.indexOf(u':') == 1) {
    laufwerk = pfad.left(2);
    rest = pfad.mid(2);
  } else if (pfad.startsWith(QStringLiteral("//"))) {
    const qsizetype naechster = pfad.indexOf(u'/', 3);
    laufwerk = naechster < 0 ? pfad : pfad.left(naechster);
    rest = naechster < 0 ? QString() : pfad.mid(naechster);
  } else {
    rest = pfad;
  }
  const qsizetype letzter = rest.lastIndexOf(u'/');
  const QString ordner = rest.left(letzter + 1);
  const QString name = rest.mid(letzter + 1);
  const qsizetype punkt = name.indexOf(u'.');
  switch (teil) {
    case -2:
      return laufwerk;
    case -1: {
      const QString beides = laufwerk + ordner;
      return beides.isEmpty() ? QString() : beides.left(beides.size() - 1);
    }
    case 0:
      return laufwerk + ordner;
    case 1:
      return punkt < 0 ? name : name.left(punkt);
    case 2:
      return punkt < 0 ? QString() : name.mid(punkt + 1);
    case 3:
      return name;
    default:
      return {};
  }
}

QString DateiTeil(const QString& pfad, const QString& teil) {
  const double zahl = vb::Val(teil);
  if (zahl != std::floor(zahl) || std::fabs(zahl) > 100) return {};
  return DateiTeil(pfad, static_cast<int>(zahl));
}

bool DateiVorhanden(const QString& name) {
  if (name.isEmpty() || name.contains(u'*') || name.contains(u'?')) return false;
  QString pfad = Paths::aufloesen(name);
  // A settings file written a moment ago may still wait in memory.
  if (Profil::ausstehend()) {
    Profil::sichernFallsAusstehend(QFileInfo(pfad).absoluteFilePath());
    pfad = Paths::aufloesen(name);
  }
  if (QFileInfo(pfad).isDir()) return false;
  QFile f(pfad);
  if (!f.open(QIODevice::ReadOnly)) return false;
  f.close();
  return true;
}

QString DateiSuchen(const QString& name) {
  const Sanduhr sanduhr;
  const QString ordner[] = {QDir::currentPath(), ProgrammOrdner(), WindowsOrdner(), SystemOrdner()};
  for (const QString& o : ordner) {
    const QString pfad = Paths::verbinden(o, Paths::normalisieren(name));
    if (DateiVorhanden(pfad)) return Paths::aufloesen(pfad);
  }
  return {};
}

QString SicherungsName(const QString& datei) {
  return DateiTeil(datei, 0) + DateiTeil(datei, 1) + QStringLiteral(".BAK");
}

bool SicherungAnlegen(const QString& datei, int modus) {
  const Sanduhr sanduhr;
  const QString sicherung = Paths::aufloesen(SicherungsName(datei));
  const QString original = Paths::aufloesen(Paths::normalisieren(vb::Trim(datei)));
  // A file named like its own backup copy: removing the "copy" would remove the file itself.
  if (sicherung == original) return false;
  // A second name for the old file costs no copy and no sync; the save replaces the file by renaming a new
  // one over it, so the old bytes stay under this name. Through a symbolic link to the file itself, which
  // is what the save replaces.
  auto verknuepfen = [&](const QString& neu) {
    return ::linkat(AT_FDCWD, QFile::encodeName(original).constData(), AT_FDCWD, QFile::encodeName(neu).constData(),
                    AT_SYMLINK_FOLLOW) == 0;
  };
  // Usually there is no copy (a good save removes it) and the file is there: then the link alone is the
  // whole step. Anything else (a copy left over, no file, a file system without links) goes the long way.
  if (modus == 1 && verknuepfen(sicherung)) return true;
  const QFileInfo s(sicherung), o(original);
  if (s.exists() && o.exists() && s.canonicalFilePath() == o.canonicalFilePath()) return false;
  bool ok = true;
  if (s.exists() || s.isSymLink()) ok = QFile::remove(sicherung);
  if (ok && modus == 1 && DateiVorhanden(original)) {
    // Named as asked for, now that no copy in another case is left.
    const QString neu = Paths::aufloesen(SicherungsName(datei));
    if (!verknuepfen(neu)) {
      // A copy where the file system has no links; one that came out short is no backup.
      ok = QFile::copy(original, neu);
      if (ok && QFileInfo(neu).size() != QFileInfo(original).size()) {
        QFile::remove(neu);
        ok = false;
      }
    }
  }
  return ok;
}
