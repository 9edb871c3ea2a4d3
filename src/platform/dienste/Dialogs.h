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
  vbOKOnly = 0,
  vbOKCancel = 1,
  vbAbortRetryIgnore = 2,
  vbYesNoCancel = 3,
  vbYesNo = 4,
  vbRetryCancel = 5,
  vbCritical = 16,
  vbQuestion = 32,
  vbExclamation = 48,
  vbInformation = 64,
  vbDefaultButton2 = 256,
  vbDefaultButton3 = 512,
  vbSystemModal = 4096,
  vbMsgBoxHelpButton = 16384
};
enum MsgAnswer : int { vbOK = 1, vbCancel = 2, vbAbort = 3, vbRetry = 4, vbIgnore = 5, vbYes = 6, vbNo = 7 };
}  // namespace vb

struct FileDialogRequest {
  QString title;
  QString folder;
  QString fileName;
  QString filter;  // "Adressdateien (*.dat)|*.dat|Alle Dateien (*.*)|*.*"
  bool save = false;
  bool ueberschreibenFragen = false;  // a save dialog asks before a chosen file is replaced
};

// The printer set-up: the installed printers to choose from, the current one and its orientation
// (1 portrait, 2 landscape); the choice comes back in the same fields.
struct DruckerEinrichtung {
  QStringList drucker;
  QString gewaehlt;
  int ausrichtung = 1;
};

// The font dialog: the font and its text colour, preset by the caller and changed by the user. With
// sizes limited (groesste > 0) the dialog accepts only sizes from kleinste to groesste.
struct SchriftWahl {
  QString name;
  double groesse = 8;
  bool fett = false;
  bool kursiv = false;
  bool unterstrichen = false;
  bool durchgestrichen = false;
  QColor farbe = Qt::black;
  double kleinste = 0;
  double groesste = 0;
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
  // An input box with a Help button as well: the button calls hilfe and the box stays with what was
  // typed. Without a box of its own, the plain input box answers.
  virtual QString inputBoxMitHilfe(const QString& prompt, const QString& title, const QString& standard,
                                   const std::function<void()>& /*hilfe*/) {
    return inputBox(prompt, title, standard);
  }
  // "" when cancelled.
  virtual QString fileDialog(const FileDialogRequest& request) = 0;
  // false when cancelled.
  virtual bool fontDialog(QFont& font) = 0;
  virtual bool colorDialog(QColor& color) = 0;
  // false when cancelled.
  virtual bool druckerEinrichten(DruckerEinrichtung& /*einrichtung*/) { return false; }
  // false when cancelled. Without a dialog of its own, the plain font dialog answers (no colour).
  virtual bool schriftDialog(SchriftWahl& wahl) {
    QFont f(wahl.name);
    f.setPointSizeF(wahl.groesse);
    f.setBold(wahl.fett);
    f.setItalic(wahl.kursiv);
    f.setUnderline(wahl.unterstrichen);
    f.setStrikeOut(wahl.durchgestrichen);
    if (!fontDialog(f)) return false;
    wahl.name = f.family();
    wahl.groesse = f.pointSizeF();
    wahl.fett = f.bold();
    wahl.kursiv = f.italic();
    wahl.unterstrichen = f.underline();
    wahl.durchgestrichen = f.strikeOut();
    return true;
  }
};

namespace Dialogs {
DialogService& service();
// Installs a service (tests) and returns the previous one; nullptr restores the real one.
std::unique_ptr<DialogService> install(std::unique_ptr<DialogService> service);
// Makes the factory's dialogs the real ones (the gui library's message boxes and common dialogs).
void standardSetzen(std::function<std::unique_ptr<DialogService>()> fabrik);
}  // namespace Dialogs

// The runtime's message box: text (already with real line breaks), style, title (empty: "Kartulon").
int MsgBox(const QString& text, int style = vb::vbOKOnly, const QString& title = {});
// With a Help button that calls hilfe (the box stays open).
int MsgBox(const QString& text, int style, const QString& title, const std::function<void()>& hilfe);
QString InputBox(const QString& prompt, const QString& title = {}, const QString& standard = {});
// With a Help button that calls hilfe (the box stays open).
QString InputBox(const QString& prompt, const QString& title, const QString& standard,
                 const std::function<void()>& hilfe);

Q_DECLARE_METATYPE(SchriftWahl)
