#pragma once
// Keystrokes into other programs: the key-sequence notation ("~" Enter; "^", "%", "+" Ctrl, Alt, Shift
// before a key; "{Key}" and "{Key n}" a named key, n times; every other character as it is), and the
// service that sends keys and types text into the window that has the keyboard focus. The real back end
// runs xdotool in an X11 session; elsewhere it sends nothing and says why.
#include <QList>
#include <QString>
#include <memory>
#include <optional>

// One key press: an X11 key name ("Home", "a", "U00E4") with its modifiers.
struct Taste {
  QString name;
  bool strg = false;
  bool alt = false;
  bool umschalt = false;
  // As xdotool's key command takes it: "ctrl+alt+shift+Home".
  QString text() const;
  bool operator==(const Taste&) const = default;
};

namespace Tastenfolge {
// The keys of a sequence in the notation; nothing when any part of it cannot be read (an unknown key
// name, a count that is no number, a modifier without a key, an unclosed brace), so that a sequence is
// refused whole and never sent in part. The empty sequence is no keys.
std::optional<QList<Taste>> lesen(const QString& folge);
}  // namespace Tastenfolge

class TastaturService {
 public:
  virtual ~TastaturService() = default;
  // 0 when keys can reach other programs here, else the error number that says why not (nur X11,
  // xdotool fehlt).
  virtual int bereitschaft() = 0;
  // True when a window of another program has the keyboard focus (never one of ours).
  virtual bool fremderFokus() = 0;
  // Sends the keys of a sequence in the notation to the focused window and returns when they are sent.
  // 0, or the error number: an unreadable sequence sends nothing.
  virtual int senden(const QString& folge) = 0;
  // Types the text as it stands (umlauts and "ß" included) into the focused window; 0 or an error number.
  virtual int tippen(const QString& text) = 0;
};

namespace Tastatur {
TastaturService& service();
// Installs a service (tests) and returns the previous one; nullptr restores the real one.
std::unique_ptr<TastaturService> install(std::unique_ptr<TastaturService> service);
}  // namespace Tastatur
