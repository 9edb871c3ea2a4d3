#include "platform/dienste/FontObject.h"

#include "platform/dienste/Printer.h"

namespace vb {

long RGB(int rot, int gruen, int blau) { return (rot & 0xFF) + 256L * (gruen & 0xFF) + 65536L * (blau & 0xFF); }

QColor QFarbe(long farbe) {
  if (farbe < 0 || farbe > 0xFFFFFF) return QColor(Qt::black);
  return QColor(static_cast<int>(farbe & 0xFF), static_cast<int>((farbe >> 8) & 0xFF),
                static_cast<int>((farbe >> 16) & 0xFF));
}

long VbFarbe(const QColor& farbe) { return RGB(farbe.red(), farbe.green(), farbe.blue()); }

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
FontTarget::FontTarget(PrinterObject& p) : eigen_(std::make_shared<PrinterFont>(p)), obj_(eigen_.get()) {}
FontTarget::FontTarget(FontObject& o) : obj_(&o) {}

}  // namespace vb
