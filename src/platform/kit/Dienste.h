#pragma once
// The widget back ends of the services: the message boxes and common dialogs, the desktop's bell and Qt's
// printer. The program (and every window test) registers them once at start.
#include <memory>

class DialogService;

namespace kit {
void DiensteAnmelden();
std::unique_ptr<DialogService> qtDialoge();
}  // namespace kit
