#pragma once
#include "platform/dienste/Printer.h"

namespace vb {

// The recorder for tests. Fixed, so that tests can assert exact positions:
// - printers: one, "Testdrucker" on "LPT1:" (setPrinters changes the list; the first is the default);
// - printable area: 11520 x 16200 twips (8 x 11.25 inches) upright, the other way round in landscape;
//   600 dots per inch;
// - fonts: "Arial", "Courier New", "MS Sans Serif", "Times New Roman";
// - metrics, whatever the font and style: every character is 12 twips per point of size wide (0.6 em:
//   120 twips at 10 points), a line is 24 twips per point high (1.2 em: 240 twips at 10 points).
class RecordingPrinter : public PrinterBackend {
 public:
  enum Kind { StartDoc, Text, Line, Picture, NewPage, EndDoc, KillDoc };
  struct Op {
    Kind kind = StartDoc;
    int page = 1;    // the page of the job it is on
    QString device;  // the printer
    int orientation = vbPRORPortrait;
    PrintPoint at, to;  // Text, Picture: at = top-left; Line: from, to; Picture: to = width, height
    QString text;
    PrinterFontSpec font;
    long color = 0;
    int style = 0;
    QSize pictureSize;
  };

  static constexpr double kWidth = 11520, kHeight = 16200, kDpi = 600;
  static constexpr double charWidth(double points) { return points * 12; }
  static constexpr double lineHeight(double points) { return points * 24; }

  RecordingPrinter();
  void setPrinters(const QList<PrinterInfo>& printers) { printers_ = printers; }
  // Every output fails from now on, as with a printer that is switched off.
  void setFailing(bool on) { failing_ = on; }

  const QList<Op>& ops() const { return ops_; }
  QList<Op> texts() const;  // the Text operations
  // The printed texts of the last job (or of the open one), one entry per Text operation.
  QStringList jobTexts() const;
  int jobsEnded() const;
  void clear() { ops_.clear(); }

  QList<PrinterInfo> printers() const override { return printers_; }
  QString defaultPrinter() const override;
  void selectPrinter(const QString& deviceName) override { device_ = deviceName; }
  QStringList fontNames() const override;
  QString fontName(const QString& name) const override;
  QSizeF printableTwips(int orientation) const override;
  double dpi() const override { return kDpi; }
  double textWidthTwips(const PrinterFontSpec& font, const QString& line) const override;
  double lineHeightTwips(const PrinterFontSpec& font) const override;
  bool startDoc(int orientation) override;
  bool newPage(int orientation) override;
  bool text(const PrintPoint& at, const PrinterFontSpec& font, long color, const QString& text) override;
  bool line(const PrintPoint& from, const PrintPoint& to, long color, int style) override;
  bool picture(const QImage& image, const PrintPoint& at, const PrintPoint& size) override;
  bool endDoc() override;
  void killDoc() override;

 private:
  Op op(Kind kind) const;
  QList<PrinterInfo> printers_;
  QString device_;
  QList<Op> ops_;
  bool failing_ = false;
  int page_ = 1;
  int orientation_ = vbPRORPortrait;
};

}  // namespace vb
