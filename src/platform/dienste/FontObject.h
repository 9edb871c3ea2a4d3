#pragma once
// The runtime's font and text-colour properties (FontName, FontSize, FontBold, FontItalic, FontUnderline,
// ForeColor) of any object that has them: a control or the printer. The runtime looked them up by name;
// here an object offers them through FontObject, and FontTarget takes a widget, the printer or such an
// object wherever a procedure accepts "any object with a font".
#include <QColor>
#include <QString>
#include <memory>
#include <optional>

class QWidget;

namespace vb {

class PrinterObject;

// Colours as the runtime numbered them: red + 256 * green + 65536 * blue; negative numbers are system
// colours.
long RGB(int rot, int gruen, int blau);
// A runtime colour as a Qt colour; a system colour gives the standard text colour (black).
QColor QFarbe(long farbe);
long VbFarbe(const QColor& farbe);

// A getter gives nothing when the object lacks the property. A setter answers false when the object
// lacks the property or refuses the value; the property then stays as it was.
class FontObject {
 public:
  virtual ~FontObject() = default;
  virtual std::optional<QString> fontName() const { return std::nullopt; }
  virtual std::optional<double> fontSize() const { return std::nullopt; }
  virtual std::optional<bool> fontBold() const { return std::nullopt; }
  virtual std::optional<bool> fontItalic() const { return std::nullopt; }
  virtual std::optional<bool> fontUnderline() const { return std::nullopt; }
  virtual std::optional<long> foreColor() const { return std::nullopt; }
  virtual bool setFontName(const QString&) { return false; }
  virtual bool setFontSize(double) { return false; }
  virtual bool setFontBold(bool) { return false; }
  virtual bool setFontItalic(bool) { return false; }
  virtual bool setFontUnderline(bool) { return false; }
  virtual bool setForeColor(long) { return false; }
};

// A widget's font and text colour (a vb::TextBox's ForeColor is that of its editor). The font name is
// the name as set ("Arial"), not the free font drawn in its place.
class WidgetFont : public FontObject {
 public:
  explicit WidgetFont(QWidget* w) : w_(w) {}
  std::optional<QString> fontName() const override;
  std::optional<double> fontSize() const override;
  std::optional<bool> fontBold() const override;
  std::optional<bool> fontItalic() const override;
  std::optional<bool> fontUnderline() const override;
  std::optional<long> foreColor() const override;
  bool setFontName(const QString& name) override;
  bool setFontSize(double punkte) override;
  bool setFontBold(bool an) override;
  bool setFontItalic(bool an) override;
  bool setFontUnderline(bool an) override;
  bool setForeColor(long farbe) override;

 private:
  QWidget* w_;
};

// The printer's font and colour.
class PrinterFont : public FontObject {
 public:
  explicit PrinterFont(PrinterObject& p) : p_(p) {}
  std::optional<QString> fontName() const override;
  std::optional<double> fontSize() const override;
  std::optional<bool> fontBold() const override;
  std::optional<bool> fontItalic() const override;
  std::optional<bool> fontUnderline() const override;
  std::optional<long> foreColor() const override;
  bool setFontName(const QString& name) override;
  bool setFontSize(double punkte) override;
  bool setFontBold(bool an) override;
  bool setFontItalic(bool an) override;
  bool setFontUnderline(bool an) override;
  bool setForeColor(long farbe) override;

 private:
  PrinterObject& p_;
};

// Any object with a font, as a procedure's argument: a widget, the printer, or a FontObject of the
// caller's (which must outlive the target).
class FontTarget {
 public:
  FontTarget(QWidget* w);
  FontTarget(PrinterObject& p);
  FontTarget(FontObject& o);
  FontObject& operator*() const { return *obj_; }
  FontObject* operator->() const { return obj_; }

 private:
  std::shared_ptr<FontObject> eigen_;
  FontObject* obj_;
};

}  // namespace vb
