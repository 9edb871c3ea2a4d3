#include "platform/kit/Form.h"

#include "platform/kit/Twips.h"

#include "platform/kit/Controls.h"
#include "platform/vb/Codec.h"
#include "platform/vb/Keys.h"

#include <QApplication>
#include <QKeyEvent>
#include <QResizeEvent>
#include <QScreen>
#include <map>

namespace vb {

QString FormBase::Caption() const { return const_cast<FormBase*>(this)->widget()->windowTitle(); }
void FormBase::setCaption(const QString& c) { widget()->setWindowTitle(c); }

int FormBase::Left() const { return Twips::ausPixel(const_cast<FormBase*>(this)->widget()->frameGeometry().x()); }
int FormBase::Top() const { return Twips::ausPixel(const_cast<FormBase*>(this)->widget()->frameGeometry().y()); }
int FormBase::Width() const { return Twips::ausPixel(const_cast<FormBase*>(this)->widget()->frameGeometry().width()); }
int FormBase::Height() const {
  return Twips::ausPixel(const_cast<FormBase*>(this)->widget()->frameGeometry().height());
}
int FormBase::ScaleWidth() const { return Twips::ausPixel(const_cast<FormBase*>(this)->widget()->width()); }
int FormBase::ScaleHeight() const { return Twips::ausPixel(const_cast<FormBase*>(this)->widget()->height()); }

void FormBase::MoveForm(int left, int top, int width, int height) {
  QWidget* w = widget();
  const QRect rahmen = w->frameGeometry();
  const QRect innen = w->geometry();
  const int extraW = rahmen.width() - innen.width();
  const int extraH = rahmen.height() - innen.height();
  w->move(Twips::zuPixel(left), Twips::zuPixel(top));
  if (width >= 0 && height >= 0) {
    const QSize alt = w->size();
    w->resize(std::max(1, Twips::zuPixel(width) - extraW), std::max(1, Twips::zuPixel(height) - extraH));
    // Qt keeps the resize event of a hidden window until it is shown; the runtime raised it at once,
    // so a form lays out its controls while it is loaded.
    if (!w->isVisible() && w->size() != alt) {
      QResizeEvent ev(w->size(), alt);
      QCoreApplication::sendEvent(w, &ev);
      w->setAttribute(Qt::WA_PendingResizeEvent, false);
    }
  }
}

void FormBase::setMinButton(bool on) {
  minButton_ = on;
  widget()->setWindowFlag(Qt::WindowMinimizeButtonHint, on);
}

void FormBase::setMaxButton(bool on) {
  maxButton_ = on;
  widget()->setWindowFlag(Qt::WindowMaximizeButtonHint, on);
}

int FormBase::WindowState() const {
  const Qt::WindowStates s = const_cast<FormBase*>(this)->widget()->windowState();
  if (s & Qt::WindowMinimized) return 1;
  if (s & Qt::WindowMaximized) return 2;
  return 0;
}

void FormBase::setWindowState(int state) {
  widget()->setWindowState(state == 1 ? Qt::WindowMinimized : state == 2 ? Qt::WindowMaximized : Qt::WindowNoState);
}

void FormBase::Show(bool modal) {
  if (!modal) {
    widget()->show();
    return;
  }
  Forms::runModal(*this);
}

namespace {

// One filter for the whole program: a key pressed in a control of a form with KeyPreview goes to the
// form's Form_KeyPress before the control sees it.
class TastenVorschau : public QObject {
 public:
  using QObject::QObject;

 protected:
  bool eventFilter(QObject* obj, QEvent* ev) override {
    if (ev->type() != QEvent::KeyPress || ersatz_) return false;
    auto* w = qobject_cast<QWidget*>(obj);
    // A key that a control passes on to its parent arrives here once more: only its first delivery counts.
    if (!w || w != QApplication::focusWidget()) return false;
    auto* form = dynamic_cast<FormBase*>(w->window());
    if (!form || !form->KeyPreview()) return false;
    auto* ke = static_cast<QKeyEvent*>(ev);
    if (ke->key() == Qt::Key_Tab || ke->key() == Qt::Key_Backtab) return false;
    int ascii = KeyAscii(ke);
    if (ascii == 0) return false;
    const int vorher = ascii;
    form->Form_KeyPress(ascii);
    if (ascii == vorher) return false;
    if (ascii > 0 && ascii < 256) {
      const QString zeichen = Codec::aus1252(QByteArray(1, static_cast<char>(ascii)));
      const int gross = zeichen[0].toUpper().unicode();
      int taste = gross < 128 ? gross : int(Qt::Key_unknown);
      if (ascii == 13)
        taste = Qt::Key_Return;
      else if (ascii == 8)
        taste = Qt::Key_Backspace;
      else if (ascii == 27)
        taste = Qt::Key_Escape;
      QKeyEvent neu(QEvent::KeyPress, taste, Qt::NoModifier, zeichen);
      ersatz_ = true;
      QCoreApplication::sendEvent(obj, &neu);
      ersatz_ = false;
    }
    return true;
  }

 private:
  bool ersatz_ = false;
};

}  // namespace

void FormBase::setKeyPreview(bool on) {
  keyPreview_ = on;
  static QPointer<TastenVorschau> vorschau;
  if (on && !vorschau) {
    vorschau = new TastenVorschau(QCoreApplication::instance());
    QCoreApplication::instance()->installEventFilter(vorschau);
  }
}

void FormBase::Hide() {
  widget()->hide();
  Forms::endModal(*this);
}

namespace {
std::function<void(int)>& helpHandler() {
  static std::function<void(int)> h;
  return h;
}
}  // namespace

DialogForm::DialogForm(QWidget* parent) : QDialog(parent) { setSizeGripEnabled(false); }

void DialogForm::keyPressEvent(QKeyEvent* e) {
  if (e->key() == Qt::Key_F1 && e->modifiers() == Qt::NoModifier) {
    QWidget* fokus = focusWidget();
    Forms::hilfeZeigen(fokus ? fokus : this);
    return;
  }
  if (e->key() == Qt::Key_Escape && !(e->modifiers() & (Qt::ControlModifier | Qt::AltModifier))) {
    for (CommandButton* b : findChildren<CommandButton*>()) {
      if (b->Cancel() && b->isEnabled() && b->isVisibleTo(this)) {
        b->click();
        return;
      }
    }
    e->ignore();
    return;
  }
  QDialog::keyPressEvent(e);
}

void DialogForm::closeEvent(QCloseEvent* e) {
  int cancel = 0;
  Form_QueryUnload(cancel, 0);
  if (!cancel) Form_Unload(cancel);
  if (cancel) {
    e->ignore();
    return;
  }
  e->accept();
  if (verwerfen_) {
    auto v = verwerfen_;
    v();
  } else {
    Hide();
  }
}

void DialogForm::resizeEvent(QResizeEvent* e) {
  QDialog::resizeEvent(e);
  Form_Resize();
}

namespace {
Forms::Interceptor& interceptor() {
  static Forms::Interceptor i;
  return i;
}
std::map<void*, std::function<void()>>& unloader() {
  static std::map<void*, std::function<void()>> m;
  return m;
}
}  // namespace

void Forms::setModalInterceptor(Interceptor i) { interceptor() = std::move(i); }

namespace {
FormBase*& hauptformular() {
  static FormBase* f = nullptr;
  return f;
}
}  // namespace
FormBase* Forms::Hauptformular() { return hauptformular(); }
void Forms::setHauptformular(FormBase* form) { hauptformular() = form; }
bool Forms::hasModalInterceptor() { return static_cast<bool>(interceptor()); }

void Forms::runModal(FormBase& form) {
  if (form.modal_) return;
  form.modal_ = true;
  if (interceptor()) {
    interceptor()(form);
    form.modal_ = false;
    return;
  }
  QWidget* w = form.widget();
  w->setWindowModality(Qt::ApplicationModal);
  w->show();
  QEventLoop loop;
  form.loop_ = &loop;
  if (w->isVisible()) loop.exec(QEventLoop::DialogExec);
  form.loop_ = nullptr;
  form.modal_ = false;
}

void Forms::endModal(FormBase& form) {
  if (form.loop_) form.loop_->quit();
}

void Forms::registerUnloader(void* key, std::function<void()> unload) { unloader()[key] = std::move(unload); }
void Forms::unregister(void* key) { unloader().erase(key); }
void Forms::setHelpHandler(std::function<void(int topic)> handler) { helpHandler() = std::move(handler); }

int Forms::helpContext(const QWidget* w) {
  for (; w; w = w->isWindow() ? nullptr : w->parentWidget()) {
    const int topic = w->property("HelpContextID").toInt();
    if (topic > 0) return topic;
  }
  return 0;
}

bool Forms::hilfeZeigen(const QWidget* w) {
  const int topic = helpContext(w);
  if (topic <= 0 || !helpHandler()) return false;
  helpHandler()(topic);
  return true;
}

void Forms::UnloadAll() {
  while (!unloader().empty()) {
    auto it = unloader().begin();
    auto f = it->second;
    unloader().erase(it);
    f();
  }
}

}  // namespace vb
