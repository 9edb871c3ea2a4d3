#include "platform/dienste/Dialogs.h"

#include "platform/dienste/Dienst.h"

#include <cstdio>

namespace {

// Without a window system nobody can answer: a box is written to the error output and gets the answer
// that changes nothing (No, Cancel, or OK where that is the only button).
class OhneFensterDialoge : public DialogService {
 public:
  int msgBox(const QString& text, int style, const QString& title) override {
    std::fprintf(stderr, "%s: %s\n", qUtf8Printable(title.isEmpty() ? QStringLiteral("Kartulon") : title),
                 qUtf8Printable(text));
    switch (style & 7) {
      case vb::vbOKCancel:
      case vb::vbRetryCancel:
      case vb::vbYesNoCancel:
        return vb::vbCancel;
      case vb::vbYesNo:
        return vb::vbNo;
      case vb::vbAbortRetryIgnore:
        return vb::vbAbort;
      default:
        return vb::vbOK;
    }
  }
  QString inputBox(const QString&, const QString&, const QString&) override { return {}; }
  QString fileDialog(const FileDialogRequest&) override { return {}; }
  bool fontDialog(QFont&) override { return false; }
  bool colorDialog(QColor&) override { return false; }
};

using Slot = Dienst<DialogService, OhneFensterDialoge>;

}  // namespace

namespace Dialogs {
DialogService& service() { return Slot::service(); }
std::unique_ptr<DialogService> install(std::unique_ptr<DialogService> service) {
  return Slot::install(std::move(service));
}
void standardSetzen(std::function<std::unique_ptr<DialogService>()> fabrik) { Slot::standardSetzen(std::move(fabrik)); }
}  // namespace Dialogs

int MsgBox(const QString& text, int style, const QString& title) {
  return Dialogs::service().msgBox(text, style, title);
}
int MsgBox(const QString& text, int style, const QString& title, const std::function<void()>& hilfe) {
  return Dialogs::service().msgBoxMitHilfe(text, style, title, hilfe);
}
QString InputBox(const QString& prompt, const QString& title, const QString& standard) {
  return Dialogs::service().inputBox(prompt, title, standard);
}
QString InputBox(const QString& prompt, const QString& title, const QString& standard,
                 const std::function<void()>& hilfe) {
  return Dialogs::service().inputBoxMitHilfe(prompt, title, standard, hilfe);
}
