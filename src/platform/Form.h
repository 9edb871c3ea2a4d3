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

  // Modal show: returns when the form hides or unloads. Non-modal: shows it.
  void Show(bool modal = false);
  void Hide();
  bool isShownModal() const { return modal_; }

 protected:
  bool modal_ = false;
  QPointer<QEventLoop> loop_;
  friend class Forms;
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
};

// The default instance: the first reference loads the form, Unload destroys it.
template <class F>
class DefaultInstance {
 public:
  static F& get() {
    if (!instance_) {
      instance_ = new F();
      Forms::registerUnloader(&instance_, [] { Unload(); });
      instance_->Form_Load();
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
    delete f;
    return true;
  }
 private:
  static inline F* instance_ = nullptr;
};

}  // namespace vb
