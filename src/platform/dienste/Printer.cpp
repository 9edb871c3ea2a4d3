#include "platform/dienste/Printer.h"

#include <algorithm>
#include <cmath>

namespace vb {

namespace {

// The lines of a text, split at CR LF, CR or LF.
QStringList zeilen(const QString& text) {
  QStringList teile;
  QString aktuell;
  for (qsizetype i = 0; i < text.size(); ++i) {
    const QChar c = text.at(i);
    if (c == u'\r' || c == u'\n') {
      teile.append(aktuell);
      aktuell.clear();
      if (c == u'\r' && i + 1 < text.size() && text.at(i + 1) == u'\n') ++i;
    } else {
      aktuell.append(c);
    }
  }
  teile.append(aktuell);
  return teile;
}

// Scale units per twip of the standard modes (x, y).
bool einheit(int mode, double dpi, double& x, double& y) {
  switch (mode) {
    case vbTwips:
      x = y = 1;
      return true;
    case vbPoints:
      x = y = 1.0 / 20;
      return true;
    case vbPixels:
      x = y = dpi / 1440;
      return true;
    case vbCharacters:
      x = 1.0 / 120;
      y = 1.0 / 240;
      return true;
    case vbInches:
      x = y = 1.0 / 1440;
      return true;
    case vbMillimeters:
      x = y = 25.4 / 1440;
      return true;
    case vbCentimeters:
      x = y = 2.54 / 1440;
      return true;
    default:
      return false;
  }
}

}  // namespace

// ---------------------------------------------------------------------------------------------------
PrinterObject::PrinterObject(std::unique_ptr<PrinterBackend> backend) : backend_(std::move(backend)) {
  const QString standard = backend_->defaultPrinter();
  for (const PrinterInfo& p : backend_->printers())
    if (p.DeviceName == standard) device_ = p;
  backend_->selectPrinter(device_.DeviceName);
  resetToDefaults();
}

PrinterObject::~PrinterObject() {
  if (inJob_) backend_->killDoc();
}

void PrinterObject::resetToDefaults() {
  scaleMode_ = vbTwips;
  scaleLeft_ = scaleTop_ = 0;
  unitX_ = unitY_ = 1;
  posX_ = posY_ = tabAnfang_ = 0;
  font_ = PrinterFontSpec();
  const QString name = backend_->fontName(font_.name);
  if (!name.isEmpty()) font_.name = name;
  foreColor_ = 0;
  orientation_ = vbPRORPortrait;
  page_ = 1;
}

bool PrinterObject::fail(int nummer) {
  fehler_ = nummer;
  return false;
}

bool PrinterObject::setScaleMode(int mode) {
  if (mode == vbUser) {
    scaleMode_ = vbUser;
    return true;
  }
  double x = 1, y = 1;
  if (!einheit(mode, backend_->dpi(), x, y)) return fail(FehlerEigenschaftswert);
  scaleMode_ = mode;
  unitX_ = x;
  unitY_ = y;
  scaleLeft_ = scaleTop_ = 0;
  return true;
}

void PrinterObject::setScaleLeft(double v) {
  scaleLeft_ = v;
  scaleMode_ = vbUser;
}

void PrinterObject::setScaleTop(double v) {
  scaleTop_ = v;
  scaleMode_ = vbUser;
}

double PrinterObject::ScaleWidth() const { return backend_->printableTwips(orientation_).width() * unitX_; }
double PrinterObject::ScaleHeight() const { return backend_->printableTwips(orientation_).height() * unitY_; }

bool PrinterObject::setScaleWidth(double v) {
  const double breite = backend_->printableTwips(orientation_).width();
  if (v == 0 || breite <= 0) return fail(FehlerEigenschaftswert);
  unitX_ = v / breite;
  scaleMode_ = vbUser;
  return true;
}

bool PrinterObject::setScaleHeight(double v) {
  const double hoehe = backend_->printableTwips(orientation_).height();
  if (v == 0 || hoehe <= 0) return fail(FehlerEigenschaftswert);
  unitY_ = v / hoehe;
  scaleMode_ = vbUser;
  return true;
}

double PrinterObject::TwipsPerPixelX() const { return 1440.0 / backend_->dpi(); }
double PrinterObject::TwipsPerPixelY() const { return 1440.0 / backend_->dpi(); }

double PrinterObject::toTwipsX(double x) const { return (x - scaleLeft_) / unitX_; }
double PrinterObject::toTwipsY(double y) const { return (y - scaleTop_) / unitY_; }
double PrinterObject::CurrentX() const { return scaleLeft_ + posX_ * unitX_; }
double PrinterObject::CurrentY() const { return scaleTop_ + posY_ * unitY_; }
void PrinterObject::setCurrentX(double x) {
  posX_ = toTwipsX(x);
  tabAnfang_ = posX_;
}
void PrinterObject::setCurrentY(double y) { posY_ = toTwipsY(y); }

PrintPoint PrinterObject::point(double twipsX, double twipsY) const {
  return {twipsX, twipsY, scaleLeft_ + twipsX * unitX_, scaleTop_ + twipsY * unitY_};
}

bool PrinterObject::setFontName(const QString& name) {
  const QString gefunden = backend_->fontName(name.trimmed());
  if (gefunden.isEmpty()) return fail(FehlerEigenschaftswert);
  font_.name = gefunden;
  return true;
}

bool PrinterObject::setFontSize(double points) {
  if (!(points > 0 && points <= 2160)) return fail(FehlerEigenschaftswert);
  font_.size = points;
  return true;
}

double PrinterObject::naechsterTab(double x, double anfang) const {
  const double luecke = backend_->textWidthTwips(font_, QStringLiteral(" "));
  double stopp = anfang + (std::floor((x - anfang) / kTabAbstand) + 1) * kTabAbstand;
  while (stopp - x < luecke) stopp += kTabAbstand;
  return stopp;
}

double PrinterObject::nachText(const QString& zeile, double x, double anfang) const {
  const QStringList stuecke = zeile.split(u'\t');
  for (qsizetype i = 0; i < stuecke.size(); ++i) {
    if (i > 0) x = naechsterTab(x, anfang);
    if (!stuecke.at(i).isEmpty()) x += backend_->textWidthTwips(font_, stuecke.at(i));
  }
  return x;
}

double PrinterObject::TextWidth(const QString& text) const {
  double breite = 0;
  for (const QString& z : zeilen(text)) breite = std::max(breite, nachText(z, 0, 0));
  return breite * unitX_;
}

double PrinterObject::TextHeight(const QString& text) const {
  return static_cast<double>(zeilen(text).size()) * backend_->lineHeightTwips(font_) * unitY_;
}

bool PrinterObject::ensureJob() {
  if (inJob_) return true;
  if (device_.DeviceName.isEmpty() || !backend_->startDoc(orientation_)) return fail(FehlerDrucker);
  inJob_ = true;
  page_ = 1;
  return true;
}

bool PrinterObject::Print(const QString& text, bool lineEnd) {
  if (!ensureJob()) return false;
  const double zeile = backend_->lineHeightTwips(font_);
  const QStringList teile = zeilen(text);
  for (qsizetype i = 0; i < teile.size(); ++i) {
    if (i > 0) {
      posX_ = tabAnfang_ = 0;
      posY_ += zeile;
    }
    const QString& t = teile.at(i);
    if (t.isEmpty()) continue;
    // Text that would run off the bottom of the page goes on a new one, as the runtime's printer did.
    if (seitenwechsel_ && posY_ > 0 && posY_ + zeile > backend_->printableTwips(orientation_).height()) {
      if (!backend_->newPage(orientation_)) return fail(FehlerDrucker);
      ++page_;
      posY_ = 0;
    }
    // The tabs are laid out here, so that every back end puts the text after a TAB at the same stop.
    const QStringList stuecke = t.split(u'\t');
    for (qsizetype j = 0; j < stuecke.size(); ++j) {
      if (j > 0) posX_ = naechsterTab(posX_, tabAnfang_);
      const QString& stueck = stuecke.at(j);
      if (stueck.isEmpty()) continue;
      if (!backend_->text(point(posX_, posY_), font_, foreColor_, stueck)) return fail(FehlerDrucker);
      posX_ += backend_->textWidthTwips(font_, stueck);
    }
  }
  if (lineEnd) {
    posX_ = tabAnfang_ = 0;
    posY_ += zeile;
  }
  return true;
}

bool PrinterObject::Line(double x1, double y1, double x2, double y2, long color, int style) {
  if (!ensureJob()) return false;
  const PrintPoint von = point(toTwipsX(x1), toTwipsY(y1));
  const PrintPoint bis = point(toTwipsX(x2), toTwipsY(y2));
  posX_ = bis.twipsX;
  posY_ = bis.twipsY;
  if (!backend_->line(von, bis, color == -1 ? foreColor_ : color, style)) return fail(FehlerDrucker);
  return true;
}

bool PrinterObject::PaintPicture(const QImage& picture, double x, double y, double width, double height) {
  if (picture.isNull()) return fail(FehlerEigenschaftswert);
  if (!ensureJob()) return false;
  const PrintPoint groesse{width / unitX_, height / unitY_, width, height};
  if (!backend_->picture(picture, point(toTwipsX(x), toTwipsY(y)), groesse)) return fail(FehlerDrucker);
  return true;
}

bool PrinterObject::NewPage() {
  if (!ensureJob()) return false;
  posX_ = posY_ = tabAnfang_ = 0;
  if (!backend_->newPage(orientation_)) return fail(FehlerDrucker);
  ++page_;
  return true;
}

bool PrinterObject::EndDoc() {
  posX_ = posY_ = tabAnfang_ = 0;
  if (!inJob_) return true;
  inJob_ = false;
  page_ = 1;
  if (!backend_->endDoc()) return fail(FehlerDrucker);
  return true;
}

void PrinterObject::KillDoc() {
  if (inJob_) backend_->killDoc();
  inJob_ = false;
  page_ = 1;
  posX_ = posY_ = tabAnfang_ = 0;
}

bool PrinterObject::setOrientation(int orientation) {
  if (orientation != vbPRORPortrait && orientation != vbPRORLandscape) return fail(FehlerEigenschaftswert);
  orientation_ = orientation;
  return true;
}

int PrinterObject::FontCount() const { return static_cast<int>(backend_->fontNames().size()); }

QString PrinterObject::Fonts(int index) const {
  const QStringList namen = backend_->fontNames();
  return index >= 0 && index < namen.size() ? namen.at(index) : QString();
}

bool PrinterObject::setPrinter(const QString& deviceName) {
  for (const PrinterInfo& p : backend_->printers()) {
    if (p.DeviceName != deviceName) continue;
    EndDoc();
    device_ = p;
    backend_->selectPrinter(p.DeviceName);
    resetToDefaults();
    return true;
  }
  return fail(FehlerDrucker);
}

// ---------------------------------------------------------------------------------------------------
namespace {
std::unique_ptr<PrinterObject>& drucker() {
  static std::unique_ptr<PrinterObject> p;
  return p;
}
std::function<std::unique_ptr<PrinterBackend>()>& druckerFabrik() {
  static std::function<std::unique_ptr<PrinterBackend>()> f;
  return f;
}
}  // namespace

// Without the gui library's printer the core prints into the recorder, which keeps every operation.
PrinterObject& Printer() {
  auto& p = drucker();
  if (!p)
    p = std::make_unique<PrinterObject>(druckerFabrik() ? druckerFabrik()() : std::make_unique<RecordingPrinter>());
  return *p;
}

void druckerStandardSetzen(std::function<std::unique_ptr<PrinterBackend>()> fabrik) {
  druckerFabrik() = std::move(fabrik);
  drucker().reset();
}

QList<PrinterInfo> Printers() { return Printer().backend().printers(); }

void installPrinterBackend(std::unique_ptr<PrinterBackend> backend) {
  auto& p = drucker();
  p.reset();
  if (backend) p = std::make_unique<PrinterObject>(std::move(backend));
}

}  // namespace vb
