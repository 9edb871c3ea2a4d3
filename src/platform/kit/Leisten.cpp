#include "platform/kit/Controls.h"

#include "platform/kit/Twips.h"
#include "platform/vb/Programm.h"

#include <QPainter>

namespace vb {

ProgressBar::ProgressBar(QWidget* parent) : QProgressBar(parent) {
  setRange(0, 100);
  setTextVisible(false);
}

// ---------------------------------------------------------------------------------------------------
namespace {

// A status bar panel: its width is its own, never its text's. A text longer than the panel is cut with
// "…" instead of widening the status bar and with it the window.
class PanelFeld : public QLabel {
 public:
  using QLabel::QLabel;
  QSize sizeHint() const override { return {minimumWidth(), QLabel::sizeHint().height()}; }
  QSize minimumSizeHint() const override { return {minimumWidth(), QLabel::minimumSizeHint().height()}; }

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter p(this);
    drawFrame(&p);
    const QRect r = contentsRect().adjusted(margin(), margin(), -margin(), -margin());
    p.setPen(palette().color(foregroundRole()));
    p.drawText(r, static_cast<int>(alignment()), fontMetrics().elidedText(text(), Qt::ElideRight, r.width()));
  }
};

}  // namespace

QLabel* StatusBar::addPanel(const QString& key, int widthTwips, bool stretch) {
  auto* l = new PanelFeld(this);
  l->setObjectName(key);
  l->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  if (widthTwips > 0) l->setMinimumWidth(Twips::zuPixel(widthTwips));
  addPermanentWidget(l, stretch ? 1 : 0);
  panels_[key] = l;
  return l;
}
QLabel* StatusBar::Panel(const QString& key) const {
  auto it = panels_.find(key);
  return it == panels_.end() ? nullptr : it->second;
}
QString StatusBar::PanelText(const QString& key) const {
  const QLabel* l = Panel(key);
  return l ? l->text() : QString();
}
void StatusBar::setPanelText(const QString& key, const QString& text) {
  if (QLabel* l = Panel(key)) l->setText(text);
}
void StatusBar::setPanelToolTip(const QString& key, const QString& tip) {
  if (QLabel* l = Panel(key)) l->setToolTip(tip);
}
void StatusBar::Refresh() { repaint(); }
int StatusBar::HoeheFuerSchrift(int mindestens) const {
  // A pixel more than Qt asks for: on a finer screen the same font is hinted a little taller.
  return std::max(mindestens, Twips::ausPixel(sizeHint().height() + 1));
}

Toolbar::Toolbar(QWidget* parent) : QToolBar(parent) {
  setMovable(false);
  setFloatable(false);
}
QAction* Toolbar::addButton(const QString& key, const QString& toolTip, const QIcon& icon) {
  QAction* a = icon.isNull() ? addAction(key) : addAction(icon, key);
  a->setObjectName(key);
  a->setToolTip(toolTip);
  buttons_[key] = a;
  connect(a, &QAction::triggered, this, [this, key] {
    if (ButtonClick) Programm::ausQtAufrufen([&] { ButtonClick(key); });
  });
  return a;
}
QAction* Toolbar::Button(const QString& key) const {
  auto it = buttons_.find(key);
  return it == buttons_.end() ? nullptr : it->second;
}
void Toolbar::setButtonEnabled(const QString& key, bool on) {
  if (QAction* a = Button(key)) a->setEnabled(on);
}
void Toolbar::setButtonToolTip(const QString& key, const QString& tip) {
  if (QAction* a = Button(key)) a->setToolTip(tip);
}

}  // namespace vb
