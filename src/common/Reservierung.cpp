#include "common/Reservierung.h"

#include "common/Benutzer.h"
#include "common/Global.h"
#include "common/GrossKlein.h"
#include "common/Ini.h"
#include "common/Pfade.h"
#include "common/Text.h"
#include "common/Ton.h"
#include "common/ZahlTexte.h"
#include "platform/dienste/Dialogs.h"
#include "platform/dienste/Help.h"
#include "platform/vb/Clock.h"
#include "platform/vb/Codec.h"
#include "platform/vb/Paths.h"
#include "platform/vb/Programm.h"
#include "platform/vb/Vb.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <cmath>

namespace {

const QString kAllgemein = QStringLiteral("Allgemein");

QString reservierungsDatei() { return Paths::verbinden(ProgrammOrdner(), QStringLiteral("ZurIrada.ini")); }

QString zeitText(const QDateTime& t) { return t.toString(QStringLiteral("dd.MM.yyyy hh:mm:ss")); }

// Seconds of a local time on a plain calendar (no time zone, no daylight saving), as the runtime counted.
qint64 sekundenAufKalender(const QDateTime& t) {
  return t.date().toJulianDay() * 86400 + t.time().msecsSinceStartOfDay() / 1000;
}

// The switch NoZurIrada is read and written back (so the key exists after the first call); a leading
// number other than 0 switches reservations off.
bool reservierungenAus(const QString& ini) {
  const QString wert = IniLesen(ini, kAllgemein, QStringLiteral("NoZurIrada"), QStringLiteral("0"));
  IniSchreiben(ini, kAllgemein, QStringLiteral("NoZurIrada"), wert);
  return vb::Val(wert) != 0;
}

// The read-only attribute: no write bit at all in the file's mode (what this user may do does not count:
// for root every file is writable).
bool ohneSchreibrecht(const QFileInfo& info) {
  return (info.permissions() & (QFile::WriteOwner | QFile::WriteGroup | QFile::WriteOther)) == 0;
}

}  // namespace

QDateTime ReservierungsZeit(const QString& seit) {
  const QDateTime ersatz(QDate(1970, 1, 1), QTime(0, 0));
  const QString text = seit.trimmed();
  if (!vb::IsDate(text)) return ersatz;
  const qsizetype blank = text.indexOf(u' ');
  const QDate datum = vb::CDate(blank < 0 ? text : text.left(blank));
  if (!datum.isValid()) return ersatz;
  QTime zeit(0, 0);
  if (blank >= 0) {
    const QString rest = text.mid(blank + 1).trimmed();
    zeit = QTime::fromString(rest, QStringLiteral("H:mm:ss"));
    if (!zeit.isValid()) zeit = QTime::fromString(rest, QStringLiteral("H:mm"));
    if (!zeit.isValid()) return ersatz;
  }
  return QDateTime(datum, zeit);
}

qint64 MinutenGrenzen(const QDateTime& von, const QDateTime& bis) {
  const auto minute = [](const QDateTime& t) { return static_cast<qint64>(std::floor(sekundenAufKalender(t) / 60.0)); };
  return minute(bis) - minute(von);
}

bool ReservierungVeraltet(const QDateTime& seit, const QDateTime& jetzt) {
  return std::llabs(MinutenGrenzen(seit, jetzt)) / 60.0 > 5;
}

void NurLesenPruefen() {
  NurLesen = 0;
  if (Befehlszeile.toLower().contains(QLatin1String("readonly"))) NurLesen = -1;

  // A read-only installation: the first *.dat file the program folder lists has no write bit at all.
  const QFileInfoList dateien =
      QDir(ProgrammOrdner()).entryInfoList({QStringLiteral("*.dat")}, QDir::Files, QDir::Unsorted);
  if (!dateien.isEmpty()) {
    const QFileInfo& erste = dateien.first();
    if (DateiVorhanden(erste.absoluteFilePath()) && ohneSchreibrecht(erste)) NurLesen = -1;
  }

  // The marker file: the one in the current folder wins over the one in its parent.
  QString marker;
  for (const char* name : {"../READONLY.TXT", "READONLY.TXT"}) {
    const QString pfad = Paths::aufloesen(QDir::cleanPath(QDir::current().absoluteFilePath(QString::fromLatin1(name))));
    if (DateiVorhanden(pfad)) marker = pfad;
  }
  if (marker.isEmpty()) return;
  NurLesen = -1;
  QFile datei(marker);
  QString text;
  if (datei.open(QIODevice::ReadOnly))
    for (const QString& zeile : Codec::zeilenTrennen(Codec::dekodieren(datei.readAll()))) text += zeile + u'\r';
  text = Ersetzen(text, QStringLiteral("~"), QStringLiteral("\r\n"));
  while (text.endsWith(u'\r')) text.chop(1);
  if (text.isEmpty()) return;
  TonAusgeben(u"#SystemExclamation");
  if (text.size() > 600) text = text.left(600) + QStringLiteral("...");
  MsgBox(text, vb::vbOKOnly | vb::vbInformation, QStringLiteral("Kartulon, nur Leserechte"));
}

void NetzReservierung(int mode, QString file) {
  if (NurLesen == -1) return;
  if (!file.isEmpty()) file = WortAnfaengeGross(file);
  const QString ini = reservierungsDatei();
  const QString sektion = QStringLiteral("UserJetzt_") + file;
  if (reservierungenAus(ini)) return;

  if (mode == 0) {
    // Only this user's own reservation is cleared: one taken over by another user stays theirs.
    if (NurLesen == 0 && IniLesen(ini, sektion, QStringLiteral("User"), QString()) == BenutzerName())
      IniSchreiben(ini, sektion, QStringLiteral("User"), QString());
    ReservierteDatei.clear();
    return;
  }

  QString user = IniLesen(ini, sektion, QStringLiteral("User"), QString());
  const QDateTime seit = ReservierungsZeit(IniLesen(ini, sektion, QStringLiteral("Seit"), QString()));
  const QDateTime jetzt = Clock::now();
  if (ReservierungVeraltet(seit, jetzt)) user.clear();
  const QString ich = BenutzerName();
  if (user == ich) user.clear();

  if (!user.isEmpty()) {
    double sekunden = static_cast<double>(sekundenAufKalender(jetzt) - sekundenAufKalender(seit));
    QString text = QStringLiteral("Kartulon");
    if (!file.isEmpty()) text += QStringLiteral(" (") + file + u')';
    text += QStringLiteral(" wird seit ") + DauerText(sekunden) + QStringLiteral(" von ") + user +
            QStringLiteral(" genutzt.") + QStringLiteral("~~Wählen Sie bitte ...") +
            QStringLiteral("~~OK, um das Programm schreibgeschützt zu öffnen.") +
            QStringLiteral("~~Abbrechen, um das Programm nicht zu starten.~");
    text = Ersetzen(text, QStringLiteral("~"), QStringLiteral("\r\n"));
    TonAusgeben(u"#SystemHand");
    const int antwort = MsgBox(text, vb::vbOKCancel | vb::vbCritical | vb::vbMsgBoxHelpButton,
                               QStringLiteral("Kartulon Datei-Reservierung"), [] {
                                 const QString seite = Help::service().seite(QStringLiteral("Kartulon.Hlp"), 3004);
                                 if (!seite.isEmpty()) Help::service().zeigen(seite);
                               });
    // Read-only before the end: nothing is saved on the way out and the other user's entry stays.
    NurLesen = -1;
    if (antwort != vb::vbOK) vb::Programm::Ende(0);
    return;
  }

  IniSchreiben(ini, sektion, QStringLiteral("User"), ich);
  IniSchreiben(ini, sektion, QStringLiteral("Seit"), zeitText(jetzt));
  ReservierteDatei = file;
}

void ReservierungErneuern(const QString& file) {
  if (NurLesen == -1 || ReservierteDatei.isEmpty()) return;
  if (WortAnfaengeGross(file) != ReservierteDatei) return;
  const QString ini = reservierungsDatei();
  if (vb::Val(IniLesen(ini, kAllgemein, QStringLiteral("NoZurIrada"), QStringLiteral("0"))) != 0) return;
  const QString sektion = QStringLiteral("UserJetzt_") + ReservierteDatei;
  const QString user = IniLesen(ini, sektion, QStringLiteral("User"), QString());
  const QString ich = BenutzerName();
  // Another user's entry is never overwritten.
  if (!user.isEmpty() && user != ich) return;
  if (user.isEmpty()) IniSchreiben(ini, sektion, QStringLiteral("User"), ich);
  IniSchreiben(ini, sektion, QStringLiteral("Seit"), zeitText(Clock::now()));
}
