#include "platform/FontObject.h"

#include "platform/Controls.h"
#include "platform/Printer.h"

#include <QWidget>

namespace vb {

long RGB(int rot, int gruen, int blau) {
  return (rot & 0xFF) + 256L * (gruen & 0xFF) + 65536L * (blau & 0xFF);
}

QColor QFarbe(long farbe) {
  if (farbe < 0 || farbe > 0xFFFFFF) return QColor(Qt::black);
  return QColor(static_cast<int>(farbe & 0xFF), static_cast<int>((farbe >> 8) & 0xFF),
                static_cast<int>((farbe >> 16) & 0xFF));
}

long VbFarbe(const QColor& farbe) { return RGB(farbe.red(), farbe.green(), farbe.blue()); }

// ---------------------------------------------------------------------------------------------------
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
  return VbFarbe(w_->palette().color(w_->foregroundRole()));
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

// ---------------------------------------------------------------------------------------------------
std::optional<QString> PrinterFont::fontName() const { return p_.FontName(); }
std::optional<double> PrinterFont::fontSize() const { return p_.FontSize(); }
std::optional<bool> PrinterFont::fontBold() const { return p_.FontBold(); }
std::optional<bool> PrinterFont::fontItalic() const { return p_.FontItalic(); }
std::optional<bool> PrinterFont::fontUnderline() const { return p_.FontUnderline(); }
std::optional<long> PrinterFont::foreColor() const { return p_.ForeColor(); }
bool PrinterFont::setFontName(const QString& name) { return p_.setFontName(name); }
bool PrinterFont::setFontSize(double punkte) { return p_.setFontSize(punkte); }
bool PrinterFont::setFontBold(bool an) {
  p_.setFontBold(an);
  return true;
}
bool PrinterFont::setFontItalic(bool an) {
  p_.setFontItalic(an);
  return true;
}
bool PrinterFont::setFontUnderline(bool an) {
  p_.setFontUnderline(an);
  return true;
}
bool PrinterFont::setForeColor(long farbe) {
  p_.setForeColor(farbe);
  return true;
}

// ---------------------------------------------------------------------------------------------------
FontTarget::FontTarget(QWidget* w) : eigen_(std::make_shared<WidgetFont>(w)), obj_(eigen_.get()) {}
FontTarget::FontTarget(PrinterObject& p) : eigen_(std::make_shared<PrinterFont>(p)), obj_(eigen_.get()) {}
FontTarget::FontTarget(FontObject& o) : obj_(&o) {}

}  // namespace vb
