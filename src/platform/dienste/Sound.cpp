#include "platform/dienste/Sound.h"

#include "platform/dienste/Dienst.h"

#include "platform/vb/Paths.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <cstdio>

namespace {

std::function<void()>& glockeFunktion() {
  static std::function<void()> f;
  return f;
}

// The desktop's bell when the gui library set one, else the terminal's.
void glocke() {
  if (glockeFunktion())
    glockeFunktion()();
  else
    std::fputc('\a', stderr);
}

// The sound theme's file for a message-box icon, when a sound theme is installed.
QString themaDatei(int typ) {
  const char* name = typ == 16 ? "dialog-error" : typ == 48 ? "dialog-warning" : "dialog-information";
  const QString basis = QStringLiteral("/usr/share/sounds/freedesktop/stereo/") + QLatin1String(name);
  for (const char* endung : {".oga", ".ogg", ".wav"})
    if (QFileInfo(basis + QLatin1String(endung)).isFile()) return basis + QLatin1String(endung);
  return {};
}

// A file as a sound name gives it: a bare name is looked for where the original's player looked, in the
// current folder, the program folder and the Windows folder; the case of the name does not matter.
QString dateiFinden(const QString& name) {
  if (name.trimmed().isEmpty()) return {};
  const QString pfad = Paths::normalisieren(name);
  QStringList kandidaten;
  if (QDir::isAbsolutePath(pfad)) {
    kandidaten << pfad;
  } else {
    kandidaten << QDir::current().filePath(pfad) << Paths::verbinden(Paths::programmOrdner(), pfad)
               << Paths::verbinden(Paths::windowsOrdner(), pfad);
  }
  for (const QString& k : kandidaten) {
    const QString gefunden = Paths::aufloesen(k);
    if (QFileInfo(gefunden).isFile()) return gefunden;
  }
  return {};
}

class SystemSound : public SoundService {
 public:
  int systemKlang(int typ) override {
    const QString datei = themaDatei(typ);
    const QString p = themaPlayer();
    if (datei.isEmpty() || p.isEmpty() || !QProcess::startDetached(p, {datei})) glocke();
    zuletzt_.start();
    return 0;
  }

  int abspielen(const QString& name, bool asynchron) override {
    const QString datei = dateiFinden(name);
    if (datei.isEmpty()) {
      // The default sound. Right after a system sound it would only repeat the signal (the original's
      // player cut the first one off), so one signal is given per message.
      if (!zuletzt_.isValid() || zuletzt_.elapsed() > 500) glocke();
      return 0;
    }
    const QString p = Sound::player();
    if (p.isEmpty()) {
      glocke();
      return 0;
    }
    if (asynchron) {
      if (!QProcess::startDetached(p, {datei})) glocke();
      return 0;
    }
    QProcess prozess;
    prozess.start(p, {datei});
    if (!prozess.waitForStarted(3000)) {
      glocke();
      return 0;
    }
    prozess.waitForFinished(60000);
    return 0;
  }

 private:
  // Theme sounds are Ogg files, which only the sound-server players read.
  static QString themaPlayer() {
    for (const char* p : {"pw-play", "paplay"})
      if (!QStandardPaths::findExecutable(QLatin1String(p)).isEmpty()) return QLatin1String(p);
    return {};
  }
  QElapsedTimer zuletzt_;
};

using Slot = Dienst<SoundService, SystemSound>;

}  // namespace

namespace Sound {
SoundService& service() { return Slot::service(); }
std::unique_ptr<SoundService> install(std::unique_ptr<SoundService> service) {
  return Slot::install(std::move(service));
}
QString player() {
  for (const char* p : {"pw-play", "paplay", "aplay"})
    if (!QStandardPaths::findExecutable(QLatin1String(p)).isEmpty()) return QLatin1String(p);
  return {};
}
}  // namespace Sound

namespace Sound {
void glockeSetzen(std::function<void()> f) { glockeFunktion() = std::move(f); }
}  // namespace Sound
