// The font of a widget as a font object (declared with the font objects, defined here with the widgets).
#include "platform/dienste/FontObject.h"
#include "platform/kit/Controls.h"

#include <QWidget>

namespace vb {

std::optional<QString> WidgetFont::fontName() const { return w_->font().family(); }

std::optional<double> WidgetFont::fontSize() const {
  const double p = w_->font().pointSizeF();
  if (p <= 0) return std::nullopt;
  return p;
}

std::optional<bool> WidgetFont::fontBold() const { return w_->font().bold(); }
std::optional<bool> WidgetFont::fontItalic() const { return w_->font().italic(); }
std::optional<bool> WidgetFont::fontUnderline() const { return w_->font().underline(); }

std::optional<long> WidgetFont::foreColor() const {
  if (const auto* t = qobject_cast<const TextBox*>(w_)) return VbFarbe(t->ForeColor());
  return VbFarbe(w_->palette().color(QPalette::Active, w_->foregroundRole()));
}

bool WidgetFont::setFontName(const QString& name) {
  if (name.trimmed().isEmpty()) return false;
  QFont f = w_->font();
  f.setFamily(name);
  w_->setFont(f);
  return true;
}

bool WidgetFont::setFontSize(double punkte) {
  if (!(punkte > 0 && punkte <= 2160)) return false;
  QFont f = w_->font();
  f.setPointSizeF(punkte);
  w_->setFont(f);
  return true;
}

bool WidgetFont::setFontBold(bool an) {
  QFont f = w_->font();
  f.setBold(an);
  w_->setFont(f);
  return true;
}

bool WidgetFont::setFontItalic(bool an) {
  QFont f = w_->font();
  f.setItalic(an);
  w_->setFont(f);
  return true;
}

bool WidgetFont::setFontUnderline(bool an) {
  QFont f = w_->font();
  f.setUnderline(an);
  w_->setFont(f);
  return true;
}

bool WidgetFont::setForeColor(long farbe) {
  if (auto* t = qobject_cast<TextBox*>(w_)) {
    t->setForeColor(QFarbe(farbe));
    return true;
  }
  QPalette p = w_->palette();
  p.setColor(w_->foregroundRole(), QFarbe(farbe));
  w_->setPalette(p);
  return true;
}

FontTarget::FontTarget(QWidget* w) : eigen_(std::make_shared<WidgetFont>(w)), obj_(eigen_.get()) {}

}  // namespace vb
