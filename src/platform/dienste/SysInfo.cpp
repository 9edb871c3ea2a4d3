#include "platform/dienste/SysInfo.h"

#include "platform/dienste/Dienst.h"
#include "platform/vb/Vb.h"

#include <pwd.h>
#include <time.h>
#include <unistd.h>
#include <QCoreApplication>
#include <QFile>
#include <QGuiApplication>
#include <QLocale>
#include <QScreen>
#include <QSysInfo>
#include <QThread>

namespace {

// A "Name: 123 kB" line of /proc/meminfo in bytes.
qint64 meminfoWert(const QByteArray& text, const QByteArray& name) {
  const qsizetype i = text.indexOf("\n" + name + ":");
  const qsizetype start = i < 0 ? (text.startsWith(name + ":") ? 0 : -1) : i + 1;
  if (start < 0) return 0;
  const qsizetype ende = text.indexOf('\n', start);
  QByteArray zeile = text.mid(start + name.size() + 1, ende < 0 ? -1 : ende - start - name.size() - 1);
  zeile = zeile.trimmed();
  const bool kb = zeile.endsWith("kB");
  if (kb) zeile.chop(2);
  return zeile.trimmed().toLongLong() * (kb ? 1024 : 1);
}

class EchteSysInfo : public SysInfoService {
 public:
  qint64 laufzeitMs() override {
    timespec t{};
    if (clock_gettime(CLOCK_BOOTTIME, &t) != 0) return 0;
    return static_cast<qint64>(t.tv_sec) * 1000 + t.tv_nsec / 1000000;
  }

  int farbtiefe() override {
    if (!qobject_cast<QGuiApplication*>(QCoreApplication::instance())) return 0;
    const QScreen* s = QGuiApplication::primaryScreen();
    return s ? s->depth() : 0;
  }

  QString anmeldeName() override {
    if (const passwd* pw = getpwuid(geteuid()); pw && pw->pw_name) return QString::fromLocal8Bit(pw->pw_name);
    QString n = qEnvironmentVariable("USER");
    if (n.isEmpty()) n = qEnvironmentVariable("LOGNAME");
    return n;
  }

  Speicher speicher() override {
    Speicher s;
    QFile f(QStringLiteral("/proc/meminfo"));
    if (!f.open(QIODevice::ReadOnly)) return s;
    const QByteArray text = f.readAll();
    s.physischGesamt = meminfoWert(text, "MemTotal");
    s.physischFrei = meminfoWert(text, "MemAvailable");
    if (s.physischFrei == 0) s.physischFrei = meminfoWert(text, "MemFree");
    s.auslagerungGesamt = meminfoWert(text, "SwapTotal");
    s.auslagerungFrei = meminfoWert(text, "SwapFree");
    return s;
  }

  Prozessor prozessor() override {
    Prozessor p;
    p.anzahl = QThread::idealThreadCount();
    p.architektur = QSysInfo::currentCpuArchitecture();
    QFile f(QStringLiteral("/proc/cpuinfo"));
    if (f.open(QIODevice::ReadOnly)) {
      for (const QByteArray& zeile : f.readAll().split('\n')) {
        if (zeile.startsWith("model name") || zeile.startsWith("Model") || zeile.startsWith("Hardware")) {
          const qsizetype i = zeile.indexOf(':');
          if (i >= 0) {
            p.name = QString::fromUtf8(zeile.mid(i + 1)).trimmed();
            break;
          }
        }
      }
    }
    return p;
  }

  QString programmDatei() override {
    return QCoreApplication::instance() ? QCoreApplication::applicationFilePath() : QString();
  }

  // The program writes numbers and dates itself, in German, whatever the machine's locale: what counts is
  // what its own formatting gives (numbers from the runtime's Format, dates and times from the program's
  // locale), not the machine's setting, which nothing here uses.
  Regionaleinstellungen regionaleEinstellungen() override {
    Regionaleinstellungen r = SysInfo::regionalVon(QLocale());
    r.dezimalzeichen = vb::Format(static_cast<double>(1.0f / 3.0f), QStringLiteral(".0")).left(1);
    r.gruppenzeichen = vb::Format(1000, QStringLiteral("0,000")).mid(1, 1);
    return r;
  }
};

using Slot = Dienst<SysInfoService, EchteSysInfo>;

}  // namespace

namespace SysInfo {
SysInfoService& service() { return Slot::service(); }
std::unique_ptr<SysInfoService> install(std::unique_ptr<SysInfoService> service) {
  return Slot::install(std::move(service));
}

Regionaleinstellungen regionalVon(const QLocale& locale) {
  return {locale.decimalPoint(), locale.groupSeparator(),
          locale.dateFormat(QLocale::ShortFormat) + u' ' + locale.timeFormat(QLocale::ShortFormat)};
}
}  // namespace SysInfo
