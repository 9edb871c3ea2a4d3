#include "platform/dienste/Zufall.h"

#include "platform/dienste/Dienst.h"
#include "platform/vb/Clock.h"

#include <cstring>

namespace {

// The runtime's generator: a 24-bit linear congruential sequence, seeded from the seconds since midnight.
class EchterZufall : public ZufallService {
 public:
  void mischen() override {
    const double sekunden = Clock::secondsSinceMidnight();
    quint64 bits = 0;
    std::memcpy(&bits, &sekunden, sizeof bits);
    const quint32 mix = static_cast<quint32>(bits ^ (bits >> 32));
    zustand_ = ((mix & 0xFFFF) << 8 ^ (mix >> 16)) & 0xFFFFFF;
  }
  double naechste() override {
    zustand_ = (zustand_ * 1140671485u + 12820163u) & 0xFFFFFFu;
    return static_cast<double>(zustand_) / 16777216.0;
  }

 private:
  quint32 zustand_ = 0x50000;
};

using Slot = Dienst<ZufallService, EchterZufall>;

}  // namespace

namespace Zufall {
ZufallService& service() { return Slot::service(); }
std::unique_ptr<ZufallService> install(std::unique_ptr<ZufallService> service) {
  return Slot::install(std::move(service));
}
}  // namespace Zufall
