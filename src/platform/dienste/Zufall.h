#pragma once
// The runtime's random numbers: a sequence seeded from the time of day (Randomize) and its next number
// r with 0 <= r < 1 (Rnd). Tests install a double that answers a fixed sequence.
#include <memory>

class ZufallService {
 public:
  virtual ~ZufallService() = default;
  // Seeds the sequence from the time of day.
  virtual void mischen() = 0;
  // The next number of the sequence, 0 <= r < 1.
  virtual double naechste() = 0;
};

namespace Zufall {
ZufallService& service();
// Installs a service (tests) and returns the previous one; nullptr restores the real one.
std::unique_ptr<ZufallService> install(std::unique_ptr<ZufallService> service);
inline void Randomize() { service().mischen(); }
inline double Rnd() { return service().naechste(); }
}  // namespace Zufall
