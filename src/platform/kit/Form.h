#pragma once
// Forms: the load, unload and modal show of the runtime, with one default instance per form class.
#include <QCloseEvent>
#include <QDialog>
#include <QEventLoop>
#include <QMainWindow>
#include <QPointer>
#include <QWidget>
#include <functional>

namespace vb {

template <class F>
class DefaultInstance;

// What every form offers, whether it is a main window or a dialog.
class FormBase {
 public:
  virtual ~FormBase() = default;
  virtual QWidget* widget() = 0;

  virtual void Form_Load() {}
  // mode: 0 the user closed the window, 1 code unloads it. Setting cancel keeps the form.
  virtual void Form_QueryUnload(int& /*cancel*/, int /*mode*/) {}
  virtual void Form_Unload(int& /*cancel*/) {}
  virtual void Form_Resize() {}
  // With KeyPreview on, every typed key of the form's controls comes here first, as its character code
  // (Windows-1252): 0 swallows the key, another code is typed in its place. Tab, which moves the focus,
  // is never previewed.
  virtual void Form_KeyPress(int& /*keyAscii*/) {}
  bool KeyPreview() const { return keyPreview_; }
  void setKeyPreview(bool on);

  QString Caption() const;
  void setCaption(const QString& c);
  int Left() const;
  int Top() const;
  int Width() const;
  int Height() const;
  int ScaleWidth() const;
  int ScaleHeight() const;
  // Outer position and size in twips.
  void MoveForm(int left, int top, int width = -1, int height = -1);
  int WindowState() const;
  void setWindowState(int state);
  // 0 none, 1 fixed single, 2 sizable, 3 fixed dialog, 4 fixed tool window, 5 sizable tool window.
  int BorderStyle() const { return borderStyle_; }
  void setBorderStyle(int style) { borderStyle_ = style; }
  bool MinButton() const { return minButton_; }
  void setMinButton(bool on);
  bool MaxButton() const { return maxButton_; }
  void setMaxButton(bool on);

  // Modal show: returns when the form hides or unloads. Non-modal: shows it.
  void Show(bool modal = false);
  void Hide();
  bool isShownModal() const { return modal_; }

 protected:
  bool modal_ = false;
  QPointer<QEventLoop> loop_;
  int borderStyle_ = 2;
  bool minButton_ = true;
  bool maxButton_ = true;
  bool keyPreview_ = false;
  // Set by the default instance: forgets and destroys the form once it closed itself (close box).
  std::function<void()> verwerfen_;
  friend class Forms;
  template <class F>
  friend class DefaultInstance;
};

// A dialog form as the runtime had it: Esc presses the cancel button (and nothing else closes it),
// Enter the default button; the close box asks Form_QueryUnload with mode 0 and unloads the form
// unless it refuses; F1 opens the focused control's help topic (code unloads a form through its default instance, never
// by closing it, so every close event is the user's); every change of size raises Form_Resize.
class DialogForm : public QDialog, public FormBase {
 public:
  explicit DialogForm(QWidget* parent = nullptr);
  QWidget* widget() override { return this; }
  void reject() override {}

 protected:
  void keyPressEvent(QKeyEvent* e) override;
  void closeEvent(QCloseEvent* e) override;
  void resizeEvent(QResizeEvent* e) override;
};

// Tests replace the modal loop: the interceptor gets the form as it is shown and acts on it
// (sets controls, presses buttons), so no nested loop runs.
class Forms {
 public:
  using Interceptor = std::function<void(FormBase& form)>;
  static void setModalInterceptor(Interceptor i);
  static bool hasModalInterceptor();
  static void runModal(FormBase& form);
  static void endModal(FormBase& form);
  // Registry of loaded default instances, so tests can unload them all.
  static void registerUnloader(void* key, std::function<void()> unload);
  static void unregister(void* key);
  static void UnloadAll();
  // F1 in a dialog form opens the help topic of the focused control: its property "HelpContextID", else
  // that of the nearest container or of the form. The program installs what opens a topic (its help
  // file); without a handler, or with no topic, F1 does nothing.
  static void setHelpHandler(std::function<void(int topic)> handler);
  // The program's main form, while it is loaded (nullptr otherwise): dialogs take its icon and place
  // themselves over it.
  static FormBase* Hauptformular();
  static void setHauptformular(FormBase* form);
  static int helpContext(const QWidget* w);
  // Opens the help topic of the control as F1 does; false when there is no topic or no handler.
  static bool hilfeZeigen(const QWidget* w);
};

// The default instance: the first reference loads the form, Unload destroys it.
template <class F>
class DefaultInstance {
 public:
  // A form may unload itself inside its own load: the reference then stays valid only until the event
  // loop runs again, and IsLoaded() is false.
  static F& get() {
    if (!instance_) {
      F* f = new F();
      instance_ = f;
      Forms::registerUnloader(&instance_, [] { Unload(); });
      f->verwerfen_ = [] { verwerfen(); };
      struct Laden {
        Laden() { laedt_ = true; }
        ~Laden() { laedt_ = false; }
      } laden;
      f->Form_Load();
      return *f;
    }
    return *instance_;
  }
  static bool IsLoaded() { return instance_ != nullptr; }
  // Runs QueryUnload (mode 1) and Unload; returns false when the form refused.
  static bool Unload() {
    if (!instance_) return true;
    int cancel = 0;
    instance_->Form_QueryUnload(cancel, 1);
    if (cancel) return false;
    instance_->Form_Unload(cancel);
    if (cancel) return false;
    F* f = instance_;
    instance_ = nullptr;
    Forms::unregister(&instance_);
    f->Hide();
    // Unloaded inside its own load: destroyed once the load has returned.
    if (laedt_)
      f->widget()->deleteLater();
    else
      delete f;
    return true;
  }

 private:
  // The form closed itself: QueryUnload and Unload have run; destroy it once its event has returned.
  static void verwerfen() {
    if (!instance_) return;
    F* f = instance_;
    instance_ = nullptr;
    Forms::unregister(&instance_);
    f->Hide();
    f->widget()->deleteLater();
  }
  static inline F* instance_ = nullptr;
  static inline bool laedt_ = false;
};

}  // namespace vb
