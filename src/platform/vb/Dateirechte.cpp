#include "platform/vb/Dateirechte.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/statvfs.h>
#include <unistd.h>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <cerrno>

namespace Dateirechte {

namespace {

bool ohneVorrecht_ = false;

bool inGruppe(gid_t gruppe) {
  if (gruppe == getegid()) return true;
  gid_t gruppen[256];
  const int n = getgroups(256, gruppen);
  for (int i = 0; i < n; ++i)
    if (gruppen[i] == gruppe) return true;
  return false;
}

// 0 when this user may write (and, for a folder, enter) the path, else the error code.
int schreibZugriff(const QByteArray& pfad, bool ordner) {
  struct statvfs fs {};
  if (::statvfs(pfad.constData(), &fs) == 0 && (fs.f_flag & ST_RDONLY)) return EROFS;
  const int modus = ordner ? (W_OK | X_OK) : W_OK;
  if (!ohneVorrecht_) return ::faccessat(AT_FDCWD, pfad.constData(), modus, AT_EACCESS) == 0 ? 0 : errno;
  struct stat st {};
  if (::stat(pfad.constData(), &st) != 0) return errno;
  mode_t w = S_IWOTH, x = S_IXOTH;
  if (st.st_uid == geteuid())
    w = S_IWUSR, x = S_IXUSR;
  else if (inGruppe(st.st_gid))
    w = S_IWGRP, x = S_IXGRP;
  if (!(st.st_mode & w) || (ordner && !(st.st_mode & x))) return EACCES;
  return 0;
}

}  // namespace

void ohneVorrecht(bool ja) { ohneVorrecht_ = ja; }

Hindernis ersetzenVerwehrt(const QString& pfad) {
  const QFileInfo datei(pfad);
  const QString ordner = datei.absolutePath();
  const QByteArray o = QFile::encodeName(ordner);
  if (!QFileInfo(ordner).isDir())
    return {QFileInfo::exists(ordner) ? ENOTDIR : ENOENT, true, QDir::toNativeSeparators(ordner)};
  if (const int e = schreibZugriff(o, true)) return {e, true, QDir::toNativeSeparators(ordner)};
  if (!datei.exists()) return {};
  const QByteArray d = QFile::encodeName(datei.absoluteFilePath());
  if (const int e = schreibZugriff(d, false)) return {e, false, QDir::toNativeSeparators(datei.absoluteFilePath())};
  // In a folder with the sticky bit only the owner of a file (or of the folder) may rename over it.
  struct stat so {
  }, sd{};
  if (::stat(o.constData(), &so) == 0 && (so.st_mode & S_ISVTX) && ::stat(d.constData(), &sd) == 0) {
    const uid_t ich = geteuid();
    const bool vorrecht = ich == 0 && !ohneVorrecht_;
    if (!vorrecht && sd.st_uid != ich && so.st_uid != ich) return {EPERM, true, QDir::toNativeSeparators(ordner)};
  }
  return {};
}

QString grund(const Hindernis& h) {
  if (!h) return {};
  const QString name = QString::fromUtf16(u"»") + h.wo + QString::fromUtf16(u"«");
  switch (h.fehler) {
    case EACCES:
      return h.imOrdner ? QStringLiteral("Sie haben keine Schreibrechte für den Ordner ") + name + u'.'
                        : QStringLiteral("Sie haben keine Schreibrechte für die Datei ") + name + u'.';
    case EPERM:
      return h.imOrdner
                 ? QStringLiteral("Der Ordner ") + name + QStringLiteral(" erlaubt Ihnen nicht, die Datei zu ersetzen.")
                 : QStringLiteral("Die Datei ") + name + QStringLiteral(" ist gegen Änderungen gesperrt.");
    case EROFS:
      return name + QStringLiteral(" liegt auf einem schreibgeschützten Datenträger.");
    default:
      return name + QStringLiteral(": ") + systemGrund(h.fehler);
  }
}

QString systemGrund(int e) {
  switch (e) {
    case 0:
      return {};
    case EACCES:
      return QStringLiteral("Zugriff verweigert.");
    case EPERM:
      return QStringLiteral("Der Vorgang ist nicht erlaubt (Datei oder Ordner gesperrt).");
    case EROFS:
      return QStringLiteral("Der Datenträger ist schreibgeschützt.");
    case ENOSPC:
      return QStringLiteral("Kein Speicherplatz mehr auf dem Datenträger.");
    case EDQUOT:
      return QStringLiteral("Ihr Speicherkontingent auf dem Datenträger ist erschöpft.");
    case EFBIG:
      return QStringLiteral("Die Datei wäre größer, als erlaubt ist.");
    case ENOENT:
      return QStringLiteral("Die Datei oder der Ordner ist nicht vorhanden.");
    case ENOTDIR:
      return QStringLiteral("Ein Teil des Pfades ist kein Ordner.");
    case EISDIR:
      return QStringLiteral("Der Name gehört zu einem Ordner.");
    case EIO:
      return QStringLiteral("Ein-/Ausgabefehler des Datenträgers.");
    case EBUSY:
    case ETXTBSY:
      return QStringLiteral("Die Datei ist in Benutzung.");
    case EMFILE:
    case ENFILE:
      return QStringLiteral("Zu viele Dateien geöffnet.");
    case ENAMETOOLONG:
      return QStringLiteral("Der Dateiname ist zu lang.");
    case EXDEV:
      return QStringLiteral("Die Datei kann nicht über Datenträger hinweg umbenannt werden.");
    case ENOMEM:
      return QStringLiteral("Nicht genügend Arbeitsspeicher.");
    default:
      return QStringLiteral("Systemfehler %1.").arg(e);
  }
}

}  // namespace Dateirechte
