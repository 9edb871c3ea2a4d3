#pragma once
// The slot of a platform service: the real back end until a test installs its double.
#include <memory>

template <class Service, class Echt>
class Dienst {
 public:
  static Service& service() { return *slot(); }
  // Installs a back end and returns the previous one; nullptr puts the real one back.
  static std::unique_ptr<Service> install(std::unique_ptr<Service> neu) {
    auto alt = std::move(slot());
    slot() = neu ? std::move(neu) : std::make_unique<Echt>();
    return alt;
  }
 private:
  static std::unique_ptr<Service>& slot() {
    static std::unique_ptr<Service> s = std::make_unique<Echt>();
    return s;
  }
};
