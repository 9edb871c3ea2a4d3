#include "platform/Form.h"

#include "platform/Twips.h"

#include <QApplication>
#include <QScreen>
#include <map>

namespace vb {

QString FormBase::Caption() const { return const_cast<FormBase*>(this)->widget()->windowTitle(); }
void FormBase::setCaption(const QString& c) { widget()->setWindowTitle(c); }

int FormBase::Left() const { return Twips::ausPixel(const_cast<FormBase*>(this)->widget()->frameGeometry().x()); }
int FormBase::Top() const { return Twips::ausPixel(const_cast<FormBase*>(this)->widget()->frameGeometry().y()); }
int FormBase::Width() const { return Twips::ausPixel(const_cast<FormBase*>(this)->widget()->frameGeometry().width()); }
int FormBase::Height() const { return Twips::ausPixel(const_cast<FormBase*>(this)->widget()->frameGeometry().height()); }
int FormBase::ScaleWidth() const { return Twips::ausPixel(const_cast<FormBase*>(this)->widget()->width()); }
int FormBase::ScaleHeight() const { return Twips::ausPixel(const_cast<FormBase*>(this)->widget()->height()); }

void FormBase::MoveForm(int left, int top, int width, int height) {
  QWidget* w = widget();
  const QRect rahmen = w->frameGeometry();
  const QRect innen = w->geometry();
  const int extraW = rahmen.width() - innen.width();
  const int extraH = rahmen.height() - innen.height();
  w->move(Twips::zuPixel(left), Twips::zuPixel(top));
  if (width >= 0 && height >= 0)
    w->resize(std::max(1, Twips::zuPixel(width) - extraW), std::max(1, Twips::zuPixel(height) - extraH));
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

void FormBase::Hide() {
  widget()->hide();
  Forms::endModal(*this);
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
void Forms::UnloadAll() {
  while (!unloader().empty()) {
    auto it = unloader().begin();
    auto f = it->second;
    unloader().erase(it);
    f();
  }
}

}  // namespace vb
