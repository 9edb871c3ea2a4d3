#include "platform/vb/Laufzeitfehler.h"

#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <cerrno>

namespace vb {

QString FehlerBeschreibung(int nummer) {
  static const QHash<int, QString> texte = {
      {3, QStringLiteral("Return ohne GoSub")},
      {5, QStringLiteral("Unzulässiger Prozeduraufruf oder ungültiges Argument")},
      {6, QStringLiteral("Überlauf")},
      {7, QStringLiteral("Nicht genügend Speicher")},
      {9, QStringLiteral("Index außerhalb des gültigen Bereichs")},
      {10, QStringLiteral("Datenfeld ist unveränderlich oder momentan gesperrt")},
      {11, QStringLiteral("Division durch Null")},
      {13, QStringLiteral("Typen unverträglich")},
      {14, QStringLiteral("Nicht genügend Zeichenfolgenspeicher")},
      {16, QStringLiteral("Ausdruck zu komplex")},
      {17, QStringLiteral("Angeforderte Operation nicht durchführbar")},
      {18, QStringLiteral("Unterbrechung durch Benutzer")},
      {20, QStringLiteral("Resume ohne Fehler")},
      {28, QStringLiteral("Nicht genügend Stapelspeicher")},
      {35, QStringLiteral("Sub, Function oder Property nicht definiert")},
      {47, QStringLiteral("Zu viele Clients für DLL-Anwendung")},
      {48, QStringLiteral("Fehler beim Laden einer DLL")},
      {49, QStringLiteral("Falsche DLL-Aufrufkonvention")},
      {51, QStringLiteral("Interner Fehler")},
      {52, QStringLiteral("Dateiname oder -nummer falsch")},
      {53, QStringLiteral("Datei nicht gefunden")},
      {54, QStringLiteral("Dateimodus falsch")},
      {55, QStringLiteral("Datei bereits geöffnet")},
      {57, QStringLiteral("Geräte-E/A-Fehler")},
      {58, QStringLiteral("Datei existiert bereits")},
      {59, QStringLiteral("Falsche Datensatzlänge")},
      {61, QStringLiteral("Datenträger voll")},
      {62, QStringLiteral("Einlesen hinter Dateiende")},
      {63, QStringLiteral("Falsche Datensatznummer")},
      {64, QStringLiteral("Dateiname falsch")},
      {67, QStringLiteral("Zu viele Dateien")},
      {68, QStringLiteral("Gerät nicht verfügbar")},
      {70, QStringLiteral("Zugriff verweigert")},
      {71, QStringLiteral("Datenträger nicht bereit")},
      {74, QStringLiteral("Umbenennen bei Angabe unterschiedlicher Laufwerke nicht möglich")},
      {75, QStringLiteral("Fehler beim Zugriff auf Pfad/Datei")},
      {76, QStringLiteral("Pfad nicht gefunden")},
      {91, QStringLiteral("Objektvariable oder With-Blockvariable nicht festgelegt")},
      {92, QStringLiteral("For-Schleife nicht initialisiert")},
      {93, QStringLiteral("Ungültiges Zeichenfolgenmuster")},
      {94, QStringLiteral("Unzulässige Verwendung von Null")},
      {321, QStringLiteral("Ungültiges Dateiformat")},
      {380, QStringLiteral("Unzulässiger Eigenschaftswert")},
      {381, QStringLiteral("Unzulässiger Index für Eigenschaftsfeld")},
      {424, QStringLiteral("Objekt erforderlich")},
      {438, QStringLiteral("Objekt unterstützt diese Eigenschaft oder Methode nicht")},
      {457, QStringLiteral("Dieser Schlüssel ist bereits einem Element dieser Auflistung zugeordnet")},
      {481, QStringLiteral("Ungültiges Bild")},
      {482, QStringLiteral("Druckerfehler")},
      {483, QStringLiteral("Druckertreiber unterstützt die angegebene Eigenschaft nicht")},
      {484, QStringLiteral("Problem beim Abrufen von Druckerinformationen vom System")},
      {1001, QStringLiteral("Tastatureingaben an andere Programme sind nur in einer X11-Sitzung möglich, nicht unter "
                            "Wayland.")},
      {1002, QStringLiteral("Für Tastatureingaben an andere Programme fehlt das Programm xdotool.")},
      {1003, QStringLiteral("Kein Fenster eines anderen Programms hat den Fokus erhalten; es wurden keine Tasten "
                            "gesendet.")},
      {1004, QStringLiteral("Die Tastatureingaben an das andere Programm sind gescheitert.")},
  };
  return texte.value(nummer, QStringLiteral("Anwendungs- oder objektdefinierter Fehler"));
}

int FehlerAusDatei(QFileDevice::FileError fehler) {
  switch (fehler) {
    case QFileDevice::NoError:
      return 0;
    case QFileDevice::ReadError:
      return ErrGeraeteEA;
    case QFileDevice::WriteError:
      return ErrGeraeteEA;
    case QFileDevice::FatalError:
      return ErrGeraeteEA;
    case QFileDevice::ResourceError:
      return ErrDatentraegerVoll;
    case QFileDevice::OpenError:
      return ErrDateiNichtGefunden;
    case QFileDevice::AbortError:
      return ErrAbbruchDurchBenutzer;
    case QFileDevice::TimeOutError:
      return ErrDatentraegerNichtBereit;
    case QFileDevice::PermissionsError:
      return ErrZugriffVerweigert;
    case QFileDevice::CopyError:
      return ErrPfadDateiZugriff;
    case QFileDevice::RemoveError:
    case QFileDevice::RenameError:
    case QFileDevice::PositionError:
    case QFileDevice::ResizeError:
    case QFileDevice::UnspecifiedError:
    default:
      return ErrPfadDateiZugriff;
  }
}

int FehlerAusDatei(const QFileDevice& datei) {
  const QFileDevice::FileError fehler = datei.error();
  if (fehler != QFileDevice::OpenError) return FehlerAusDatei(fehler);
  // The open error covers every cause; the file and its folder tell which one it was.
  const QString name = datei.fileName();
  if (name.isEmpty()) return ErrDateinameOderNummer;
  const QFileInfo info(name);
  if (info.exists()) return info.isDir() ? ErrPfadDateiZugriff : ErrZugriffVerweigert;
  // A missing file: "not found" in an existing folder, else the folder is what is missing.
  return QFileInfo(info.absolutePath()).isDir() ? ErrDateiNichtGefunden : ErrPfadNichtGefunden;
}

int FehlerAusSystem(int e) {
  switch (e) {
    case 0:
      return 0;
    case ENOENT:
      return ErrDateiNichtGefunden;
    case ENOTDIR:
      return ErrPfadNichtGefunden;
    case EACCES:
    case EPERM:
    case EROFS:
    case ETXTBSY:
    case EBUSY:
      return ErrZugriffVerweigert;
    case ENOSPC:
    case EDQUOT:
    case EFBIG:
      return ErrDatentraegerVoll;
    case EEXIST:
    case ENOTEMPTY:
      return ErrDateiExistiert;
    case EMFILE:
    case ENFILE:
      return ErrZuVieleDateien;
    case ENOMEM:
      return ErrSpeicher;
    case EIO:
      return ErrGeraeteEA;
    case EXDEV:
      return ErrUmbenennenLaufwerke;
    case ENAMETOOLONG:
    case EILSEQ:
      return ErrDateinameFalsch;
    case EBADF:
      return ErrDateinameOderNummer;
    case ENODEV:
    case ENXIO:
    case ENOMEDIUM:
      return ErrGeraetNichtVerfuegbar;
    case EAGAIN:
    case ETIMEDOUT:
      return ErrDatentraegerNichtBereit;
    case EISDIR:
    case ELOOP:
      return ErrPfadDateiZugriff;
    case EINVAL:
    case ERANGE:
    case EDOM:
      return ErrUngueltigerAufruf;
    case EINTR:
      return ErrAbbruchDurchBenutzer;
    default:
      return ErrPfadDateiZugriff;
  }
}

}  // namespace vb
