#pragma once
// The menu commands that open a dialog all run the same way: the first reference loads the dialog (so
// its own start-up runs before anything is set in it), the command prepares it, shows it modally (the
// main window waits until the dialog hides itself) and unloads it, so that no dialog keeps state from one
// call to the next; then the command does what follows.
#include "platform/vb/Sanduhr.h"

#include <functional>
#include <optional>

template <class Dialog>
struct DialogSchritte {
  // The hourglass from before the load until after the unload (a dialog that starts slow work itself).
  bool sanduhr = false;
  std::function<void()> vorLaden{};          // runs before the dialog is loaded
  std::function<void(Dialog&)> vorZeigen{};  // prepares the loaded dialog
  std::function<void()> danach{};            // runs once the dialog is unloaded
};

template <class Dialog>
void DialogBefehl(const DialogSchritte<Dialog>& s = {}) {
  std::optional<Sanduhr> sanduhr;
  if (s.sanduhr) sanduhr.emplace();
  if (s.vorLaden) s.vorLaden();
  Dialog& d = Dialog::get();
  if (s.vorZeigen) s.vorZeigen(d);
  d.Show(true);
  Dialog::Unload();
  sanduhr.reset();
  if (s.danach) s.danach();
}
