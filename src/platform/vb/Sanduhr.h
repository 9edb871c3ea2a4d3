#pragma once
// The hourglass mouse pointer while a slow step runs; the pointer that was set before comes back when
// the object goes, whatever way the step is left. Without a window system nothing happens.
class Sanduhr {
 public:
  Sanduhr();
  ~Sanduhr();
  Sanduhr(const Sanduhr&) = delete;
  Sanduhr& operator=(const Sanduhr&) = delete;

 private:
  bool gesetzt_ = false;
};
