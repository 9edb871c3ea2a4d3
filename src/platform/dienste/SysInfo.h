#pragma once
// Facts about the system the program runs on: run time since start-up, colour depth, login name, memory
// and processor, the program file and the number and date conventions that the program's own formatting
// gives (German, whatever the machine's locale).
#include <QLocale>
#include <QString>
#include <memory>

struct Speicher {
  qint64 physischGesamt = 0;  // bytes
  qint64 physischFrei = 0;    // bytes available
  qint64 auslagerungGesamt = 0;
  qint64 auslagerungFrei = 0;
};

struct Prozessor {
  int anzahl = 0;       // logical processors
  QString name;         // as the processor names itself, "" when unknown
  QString architektur;  // "x86_64", "arm64", ...
};

// Number and date conventions.
struct Regionaleinstellungen {
  QString dezimalzeichen;  // "," in German settings
  QString gruppenzeichen;  // "." in German settings
  // The short date and time form as a QLocale pattern ("dd.MM.yy HH:mm").
  QString datumZeitFormat;
};

class SysInfoService {
 public:
  virtual ~SysInfoService() = default;
  virtual qint64 laufzeitMs() = 0;  // since the system started
  virtual int farbtiefe() = 0;      // bits per pixel of the screen, 0 when there is none
  virtual QString anmeldeName() = 0;
  virtual Speicher speicher() = 0;
  virtual Prozessor prozessor() = 0;
  virtual QString programmDatei() = 0;  // full path of the running program's file
  virtual Regionaleinstellungen regionaleEinstellungen() = 0;
};

namespace SysInfo {
SysInfoService& service();
// Installs a service (tests) and returns the previous one; nullptr restores the real one.
std::unique_ptr<SysInfoService> install(std::unique_ptr<SysInfoService> service);
// The regional settings of a locale.
Regionaleinstellungen regionalVon(const QLocale& locale);
}  // namespace SysInfo
