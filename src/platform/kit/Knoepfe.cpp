#include "platform/kit/Controls.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

namespace vb {

void Label::setCaption(const QString& c) {
  caption_ = c;
  QString t = c;
  t.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  t.replace(u'\r', u'\n');
  setText(t);
}
int Frame::RandOben() const { return fontMetrics().height() / 2; }

void Frame::paintEvent(QPaintEvent*) {
  QPainter p(this);
  // An etched border (a dark line and a light one beside it), drawn here: the styles' group box frame
  // keeps the whole caption height above its line.
  const QRectF rand(0.5, RandOben() + 0.5, width() - 2.0, height() - RandOben() - 2.0);
  p.setPen(palette().color(QPalette::Mid));
  p.drawRect(rand);
  p.setPen(palette().color(QPalette::Light));
  p.drawRect(rand.translated(1, 1));
  if (title().isEmpty()) return;
  const int abstand = fontMetrics().averageCharWidth();
  const QRect text(abstand, 0, fontMetrics().horizontalAdvance(QString(title()).remove(u'&')) + abstand,
                   fontMetrics().height());
  p.fillRect(text, palette().window());
  style()->drawItemText(&p, text, Qt::AlignCenter | Qt::TextShowMnemonic, palette(), isEnabled(), title(),
                        QPalette::WindowText);
}

void Label::mousePressEvent(QMouseEvent* e) {
  QLabel::mousePressEvent(e);
  if (Click && e->button() == Qt::LeftButton) Click();
}
void Label::mouseDoubleClickEvent(QMouseEvent* e) {
  QLabel::mouseDoubleClickEvent(e);
  if (DblClick) DblClick();
}

CommandButton::CommandButton(QWidget* parent) : QPushButton(parent) {
  setAutoDefault(false);
  connect(this, &QPushButton::clicked, this, [this] {
    if (Click) Click();
  });
}

void CommandButton::keyPressEvent(QKeyEvent* e) {
  const bool enter = e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter;
  if (enter && !(e->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))) {
    // A held key presses the button once.
    if (!e->isAutoRepeat()) click();
    e->accept();
    return;
  }
  QPushButton::keyPressEvent(e);
}

CheckBox::CheckBox(QWidget* parent) : QCheckBox(parent) {
  connect(this, &QCheckBox::toggled, this, [this] {
    if (Click) Click();
  });
}

OptionButton::OptionButton(QWidget* parent) : QRadioButton(parent) {
  connect(this, &QRadioButton::toggled, this, [this](bool on) {
    if (on && Click) Click();
  });
}

}  // namespace vb
