#include "platform/dienste/RecordingPrinter.h"

#include <algorithm>

namespace vb {

RecordingPrinter::RecordingPrinter() {
  printers_ = {PrinterInfo{QStringLiteral("Testdrucker"), QStringLiteral("LPT1:"), QStringLiteral("winspool")}};
}

QString RecordingPrinter::defaultPrinter() const {
  return printers_.isEmpty() ? QString() : printers_.first().DeviceName;
}

QStringList RecordingPrinter::fontNames() const {
  return {QStringLiteral("Arial"), QStringLiteral("Courier New"), QStringLiteral("MS Sans Serif"),
          QStringLiteral("Times New Roman")};
}

QString RecordingPrinter::fontName(const QString& name) const {
  for (const QString& f : fontNames())
    if (f.compare(name, Qt::CaseInsensitive) == 0) return f;
  return {};
}

QSizeF RecordingPrinter::printableTwips(int orientation) const {
  return orientation == vbPRORLandscape ? QSizeF(kHeight, kWidth) : QSizeF(kWidth, kHeight);
}

double RecordingPrinter::textWidthTwips(const PrinterFontSpec& font, const QString& line) const {
  return static_cast<double>(line.size()) * charWidth(font.size);
}

double RecordingPrinter::lineHeightTwips(const PrinterFontSpec& font) const { return lineHeight(font.size); }

RecordingPrinter::Op RecordingPrinter::op(Kind kind) const {
  Op o;
  o.kind = kind;
  o.page = page_;
  o.device = device_;
  o.orientation = orientation_;
  return o;
}

bool RecordingPrinter::startDoc(int orientation) {
  if (failing_ || device_.isEmpty()) return false;
  page_ = 1;
  orientation_ = orientation;
  ops_.append(op(StartDoc));
  return true;
}

bool RecordingPrinter::newPage(int orientation) {
  if (failing_) return false;
  ++page_;
  orientation_ = orientation;
  ops_.append(op(NewPage));
  return true;
}

bool RecordingPrinter::text(const PrintPoint& at, const PrinterFontSpec& font, long color, const QString& text) {
  if (failing_) return false;
  Op o = op(Text);
  o.at = at;
  o.font = font;
  o.color = color;
  o.text = text;
  ops_.append(o);
  return true;
}

bool RecordingPrinter::line(const PrintPoint& from, const PrintPoint& to, long color, int style) {
  if (failing_) return false;
  Op o = op(Line);
  o.at = from;
  o.to = to;
  o.color = color;
  o.style = style;
  ops_.append(o);
  return true;
}

bool RecordingPrinter::picture(const QImage& image, const PrintPoint& at, const PrintPoint& size) {
  if (failing_) return false;
  Op o = op(Picture);
  o.at = at;
  o.to = size;
  o.pictureSize = image.size();
  ops_.append(o);
  return true;
}

bool RecordingPrinter::endDoc() {
  if (failing_) return false;
  ops_.append(op(EndDoc));
  page_ = 1;
  return true;
}

void RecordingPrinter::killDoc() {
  ops_.append(op(KillDoc));
  page_ = 1;
}

QList<RecordingPrinter::Op> RecordingPrinter::texts() const {
  QList<Op> t;
  for (const Op& o : ops_)
    if (o.kind == Text) t.append(o);
  return t;
}

QStringList RecordingPrinter::jobTexts() const {
  qsizetype start = 0;
  for (qsizetype i = 0; i < ops_.size(); ++i)
    if (ops_.at(i).kind == StartDoc) start = i;
  QStringList t;
  for (qsizetype i = start; i < ops_.size(); ++i)
    if (ops_.at(i).kind == Text) t.append(ops_.at(i).text);
  return t;
}

int RecordingPrinter::jobsEnded() const {
  return static_cast<int>(std::count_if(ops_.begin(), ops_.end(), [](const Op& o) { return o.kind == EndDoc; }));
}

}  // namespace vb
