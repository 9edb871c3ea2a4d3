#pragma once
// The slot of a platform service: the real back end until a test installs its double. The core library
// has a back end of its own that needs no window; the gui library registers its widget back end at start
// (kit::DiensteAnmelden), and that one then counts as the real one.
#include <functional>
#include <memory>

template <class Service, class Echt>
class Dienst {
 public:
  static Service& service() { return *slot(); }
  // Installs a back end and returns the previous one; nullptr puts the real one back.
  static std::unique_ptr<Service> install(std::unique_ptr<Service> neu) {
    auto alt = std::move(slot());
    slot() = neu ? std::move(neu) : standard();
    return alt;
  }
  // Makes the factory's back end the real one and installs it.
  static void standardSetzen(std::function<std::unique_ptr<Service>()> f) {
    fabrik() = std::move(f);
    slot() = standard();
  }

 private:
  static std::unique_ptr<Service> standard() { return fabrik() ? fabrik()() : std::make_unique<Echt>(); }
  static std::function<std::unique_ptr<Service>()>& fabrik() {
    static std::function<std::unique_ptr<Service>()> f;
    return f;
  }
  static std::unique_ptr<Service>& slot() {
    static std::unique_ptr<Service> s = standard();
    return s;
  }
};
