#pragma once
// Message boxes, input boxes and the common dialogs go through one service, so that tests answer them
// from a script and never block on a modal window.
#include <QColor>
#include <QFont>
#include <QList>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <deque>
#include <functional>
#include <memory>
#include <optional>

// Button and icon styles and answers as the runtime numbered them.
namespace vb {
enum MsgStyle : int {
  vbOKOnly = 0, vbOKCancel = 1, vbAbortRetryIgnore = 2, vbYesNoCancel = 3, vbYesNo = 4,
  vbRetryCancel = 5, vbCritical = 16, vbQuestion = 32, vbExclamation = 48, vbInformation = 64,
  vbDefaultButton2 = 256, vbDefaultButton3 = 512, vbSystemModal = 4096, vbMsgBoxHelpButton = 16384
};
enum MsgAnswer : int { vbOK = 1, vbCancel = 2, vbAbort = 3, vbRetry = 4, vbIgnore = 5, vbYes = 6, vbNo = 7 };
}  // namespace vb

struct FileDialogRequest {
  QString title;
  QString folder;
  QString fileName;
  QString filter;  // "Adressdateien (*.dat)|*.dat|Alle Dateien (*.*)|*.*"
  bool save = false;
};

class DialogService {
 public:
  virtual ~DialogService() = default;
  virtual int msgBox(const QString& text, int style, const QString& title) = 0;
  // A box with a Help button as well (style holds vbMsgBoxHelpButton): the button calls hilfe and the
  // box stays. Without a box of its own, the plain box answers.
  virtual int msgBoxMitHilfe(const QString& text, int style, const QString& title,
                             const std::function<void()>& /*hilfe*/) {
    return msgBox(text, style, title);
  }
  // "" when cancelled.
  virtual QString inputBox(const QString& prompt, const QString& title, const QString& standard) = 0;
  // "" when cancelled.
  virtual QString fileDialog(const FileDialogRequest& request) = 0;
  // false when cancelled.
  virtual bool fontDialog(QFont& font) = 0;
  virtual bool colorDialog(QColor& color) = 0;
};

namespace Dialogs {
DialogService& service();
// Installs a service (tests) and returns the previous one; nullptr restores the real one.
std::unique_ptr<DialogService> install(std::unique_ptr<DialogService> service);
}  // namespace Dialogs

// The runtime's message box: text (already with real line breaks), style, title (empty: "Kartulon").
int MsgBox(const QString& text, int style = vb::vbOKOnly, const QString& title = {});
// With a Help button that calls hilfe (the box stays open).
int MsgBox(const QString& text, int style, const QString& title, const std::function<void()>& hilfe);
QString InputBox(const QString& prompt, const QString& title = {}, const QString& standard = {});

// Answers from a script, in order, and records every request. A request without a scripted answer is
// recorded as unanswered and gets the cancelling answer.
class ScriptedDialogs : public DialogService {
 public:
  struct Request {
    QString kind;  // "msgbox", "inputbox", "file", "font", "color"
    QString text;
    int style = 0;
    QString title;
    QString standard;
  };

  void answer(int msgBoxAnswer) { answers_.push_back(msgBoxAnswer); }
  void answerText(const QString& text) { answers_.push_back(text); }
  void answerFont(const QFont& f) { answers_.push_back(f); }
  void answerColor(const QColor& c) { answers_.push_back(c); }
  void answerCancel() { answers_.push_back(QVariant()); }

  const QList<Request>& requests() const { return requests_; }
  int unanswered() const { return unanswered_; }
  qsizetype pending() const { return static_cast<qsizetype>(answers_.size()); }
  void clear() {
    requests_.clear();
    answers_.clear();
    unanswered_ = 0;
  }
  // Called for each request, before it is answered (tests may answer here).
  std::function<void(const Request&)> onRequest;

  int msgBox(const QString& text, int style, const QString& title) override;
  QString inputBox(const QString& prompt, const QString& title, const QString& standard) override;
  QString fileDialog(const FileDialogRequest& request) override;
  bool fontDialog(QFont& font) override;
  bool colorDialog(QColor& color) override;

 private:
  std::optional<QVariant> next(const Request& r);
  std::deque<QVariant> answers_;
  QList<Request> requests_;
  int unanswered_ = 0;
};
