#pragma once
// The clipboard: clear it, put text on it, read its text, ask whether it holds text. Text put on it gets
// the desktop's LF line ends; text read from it has the program's CR LF, whatever line ends it came with.
#include <QString>
#include <functional>
#include <memory>

class ZwischenablageService {
 public:
  virtual ~ZwischenablageService() = default;
  virtual void leeren() = 0;
  // The text as it goes on the clipboard (line ends already LF).
  virtual void textSetzen(const QString& text) = 0;
  // The clipboard's text as it is there; "" when it holds none.
  virtual QString text() = 0;
  virtual bool hatText() = 0;
};

namespace Zwischenablage {
ZwischenablageService& service();
// Installs a service (tests) and returns the previous one; nullptr restores the real one.
std::unique_ptr<ZwischenablageService> install(std::unique_ptr<ZwischenablageService> service);

void leeren();
// Puts the text on the clipboard with LF line ends.
void textSetzen(const QString& text);
// The clipboard's text with CR LF line ends (CR LF, a lone CR and LF all read as one line break).
QString text();
bool hatText();

// Whoever must follow the clipboard's content (a menu item's state) is told when it changes. Back ends
// call geaendert(). beiAenderung returns the number that abmelden takes.
int beiAenderung(std::function<void()> f);
void abmelden(int nummer);
void geaendert();
}  // namespace Zwischenablage
