#pragma once
// Sounds: the system sound of a message-box icon and wave files. One service with a real back end (a
// player that Debian ships, when one is installed, else the bell) and a recording double for tests.
#include <QList>
#include <QString>
#include <functional>
#include <memory>

class SoundService {
 public:
  virtual ~SoundService() = default;
  // The system sound of a message-box icon type: 16 stop, 32 question, 48 exclamation, 64 information.
  // Returns 0, or the runtime error number when the sound could not be given.
  virtual int systemKlang(int typ) = 0;
  // Plays a wave file; asynchron returns at once, else it returns when the sound has ended. A name that
  // names no file gives the default sound. Returns 0 or a runtime error number.
  virtual int abspielen(const QString& name, bool asynchron) = 0;
};

namespace Sound {
SoundService& service();
// Installs a service (tests) and returns the previous one; nullptr restores the real one.
std::unique_ptr<SoundService> install(std::unique_ptr<SoundService> service);

// The player the real back end uses for a file: "pw-play", "paplay" or "aplay" when installed, else "".
QString player();
// The desktop's bell, set by the gui library; without it the terminal's bell rings.
void glockeSetzen(std::function<void()> glocke);
}  // namespace Sound
