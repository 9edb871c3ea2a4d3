#include "common/Statistik.h"

#include "common/Fehlerbericht.h"
#include "common/Global.h"
#include "common/Ini.h"
#include "common/Text.h"
#include "common/ZahlTexte.h"
#include "platform/dienste/SysInfo.h"
#include "platform/vb/Clock.h"
#include "platform/vb/Vb.h"

#include <QFileInfo>

namespace {

const QString kKeineDaten = QStringLiteral("Sorry, aber keine Datengrundlage vorhanden.");

QString lesen(const char16_t* schluessel, const QString& standard = QString()) {
  return IniLesen(QString(), QString(), schluessel, standard);
}
void schreiben(const char16_t* schluessel, const QString& wert) {
  IniSchreiben(QString(), QString(), schluessel, wert);
}

QString zeitText(const QDateTime& t) { return vb::Format(t, QStringLiteral("dd.mm.yyyy hh:nn:ss")); }

// A stored start time: date and time, or the date alone at midnight; invalid when it is no date.
QDateTime zeitAus(const QString& text) {
  const QString t = vb::Trim(text);
  const QDateTime z = QDateTime::fromString(t, QStringLiteral("dd.MM.yyyy HH:mm:ss"));
  if (z.isValid()) return z;
  if (!vb::IsDate(t)) return {};
  return QDateTime(vb::CDate(t), QTime(0, 0));
}

// Minute boundaries crossed between two times.
qint64 minutenGrenzen(const QDateTime& von, const QDateTime& bis) {
  auto minute = [](const QDateTime& t) {
    return static_cast<qint64>(QDate(1899, 12, 30).daysTo(t.date())) * 1440 + t.time().hour() * 60 + t.time().minute();
  };
  return minute(bis) - minute(von);
}

// Starts and run time per day. On the day of the first start no midnight has passed yet: that day
// counts as one, so the averages are the day's own figures instead of a division by zero.
QString jeTag(double starts, double minuten, qint64 tage) {
  const double t = static_cast<double>(tage < 1 ? 1 : tage);
  return GroesseText(starts / t) + QStringLiteral("Starts pro Tag und ") + DauerText(minuten * 60.0 / t) +
         QStringLiteral(" pro Tag.");
}

}  // namespace

void StatistikStart() {
  schreiben(u"Stat_Starts", vb::Str(vb::Val(lesen(u"Stat_Starts", QStringLiteral("0"))) + 1));
  if (!vb::IsDate(lesen(u"Stat_StartFirst"))) schreiben(u"Stat_StartFirst", vb::DatumText(Clock::today()));
  schreiben(u"Stat_StartLast", zeitText(Clock::now()));
  VersionText();
}

void StatistikEnde() {
  const QDateTime jetzt = Clock::now();
  QDateTime start = zeitAus(lesen(u"Stat_StartLast", zeitText(jetzt)));
  if (!start.isValid()) start = jetzt;
  const double minuten = vb::Val(lesen(u"Stat_RunMinutes", QStringLiteral("0")));
  schreiben(u"Stat_RunMinutes", vb::Str(minuten + static_cast<double>(minutenGrenzen(start, jetzt))));
  // The folder as it is on disk: on Linux its case is part of its name.
  schreiben(u"Dir", QFileInfo(SysInfo::service().programmDatei()).absolutePath());
  schreiben(u"Ver", ProgrammVersion);
  schreiben(u"VerBit", QStringLiteral("32") + ProgrammVersion);
}

QString StatistikText(int art) {
  const QString erster = lesen(u"Stat_StartFirst");
  if (erster.isEmpty()) return kKeineDaten;
  const double starts = vb::Val(lesen(u"Stat_Starts"));
  const double minuten = vb::Val(lesen(u"Stat_RunMinutes"));
  const QDate beginn = vb::CDate(erster);
  const qint64 tage = beginn.isValid() ? beginn.daysTo(Clock::today()) : 0;
  QString text;
  if (art == 1) {
    text = vb::Format(starts, QStringLiteral("#,##0")) + QStringLiteral(" Ausrufe und ") + DauerText(minuten * 60.0) +
           QStringLiteral(" Laufzeit.");
  } else if (art == 2) {
    text = jeTag(starts, minuten, tage);
  } else {
    text = QStringLiteral("Seit dem ") + erster + QStringLiteral(" wurde das Programm auf diesem Rechner ") +
           vb::Format(starts, QStringLiteral("#,##0")) + QStringLiteral(" mal gestartet und lief dabei ") +
           DauerText(minuten * 60.0) + QStringLiteral(".\r\n~Das entspricht durchschnittlich ") +
           jeTag(starts, minuten, tage);
  }
  text = Ersetzen(text, QStringLiteral("~"), QStringLiteral("\r\n"));
  return text.isEmpty() ? kKeineDaten : text;
}
