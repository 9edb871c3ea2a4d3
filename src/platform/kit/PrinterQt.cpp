// Qt's printer behind the printer object: the system's print service, or PDF files.
#include "platform/dienste/Printer.h"
#include "platform/vb/Fonts.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFontDatabase>
#include <QFontMetricsF>
#include <QHash>
#include <QPageLayout>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>
#include <QSet>
#include <cmath>
#include <filesystem>
#include <system_error>

namespace vb {

namespace {

const QString kPdf = QStringLiteral("PDF");

// The PDF files that jobs of this program run wrote, whichever back end wrote them: a later job never
// overwrites one (the pages of a list are one job each).
QSet<QString>& geschriebenePdf() {
  static QSet<QString> dateien;
  return dateien;
}

QFont qtSchrift(const PrinterFontSpec& s) {
  QFont f(Fonts::familie(s.name));
  f.setPointSizeF(s.size);
  f.setBold(s.bold);
  f.setItalic(s.italic);
  f.setUnderline(s.underline);
  f.setStrikeOut(s.strikethru);
  return f;
}

}  // namespace

struct QtPrinterBackend::Impl {
  QString pdfTarget;
  QString device;
  QString lastPdf;
  std::unique_ptr<QPrinter> job;
  QPainter painter;
  double res = 1200;  // dots per inch of the job's printer
  // Metrics are taken at 1440 dots per inch, so that a pixel is a twip, whatever the device.
  QImage messflaeche;
  mutable QHash<QString, QSizeF> flaechen;
  mutable QHash<QString, double> aufloesungen;

  Impl() : messflaeche(1, 1, QImage::Format_RGB32) {
    const int proMeter = static_cast<int>(std::lround(1440 / 0.0254));
    messflaeche.setDotsPerMeterX(proMeter);
    messflaeche.setDotsPerMeterY(proMeter);
  }

  bool istPdf() const { return !pdfTarget.isEmpty() && device == kPdf; }

  std::unique_ptr<QPrinter> drucker(int orientation) const {
    auto p = std::make_unique<QPrinter>(QPrinter::HighResolution);
    if (istPdf()) {
      p->setOutputFormat(QPrinter::PdfFormat);
      p->setPageSize(QPageSize(QPageSize::A4));
      // A printer cannot print to the paper's edge; a PDF keeps the same border.
      p->setPageMargins(QMarginsF(5, 5, 5, 5), QPageLayout::Millimeter);
    } else {
      p->setPrinterName(device);
    }
    p->setPageOrientation(orientation == vbPRORLandscape ? QPageLayout::Landscape : QPageLayout::Portrait);
    p->setDocName(QStringLiteral("Kartulon"));
    p->setCreator(QStringLiteral("Kartulon"));
    return p;
  }

  // A folder gets a new file per job; a file takes the first job of the run, and later jobs go to
  // numbered files beside it ("Liste.pdf", "Liste-002.pdf", ...).
  QString naechsteDatei() const {
    const QFileInfo ziel(pdfTarget);
    if (ziel.isDir()) {
      for (int n = 1;; ++n) {
        const QString name =
            ziel.absoluteFilePath() + QStringLiteral("/Kartulon-Druck-%1.pdf").arg(n, 3, 10, QLatin1Char('0'));
        if (!QFileInfo::exists(name)) return name;
      }
    }
    const QString erste = ziel.absoluteFilePath();
    if (!geschriebenePdf().contains(erste)) return erste;
    const QString stamm = ziel.absolutePath() + u'/' + ziel.completeBaseName();
    const QString endung = ziel.suffix().isEmpty() ? QString() : u'.' + ziel.suffix();
    for (int n = 2;; ++n) {
      const QString name = stamm + QStringLiteral("-%1").arg(n, 3, 10, QLatin1Char('0')) + endung;
      if (!geschriebenePdf().contains(name)) return name;
    }
  }

  // A job is written beside its file and takes the file's name only when it is whole, so that a program
  // that watches the folder never reads half a PDF.
  QString teilDatei() const {
    const QFileInfo f(lastPdf);
    return f.absolutePath() + QStringLiteral("/.") + f.fileName() + QStringLiteral(".teil");
  }

  double px(double twips) const { return twips * res / 1440.0; }
};

QtPrinterBackend::QtPrinterBackend(const QString& pdfTarget) : d_(std::make_unique<Impl>()) {
  d_->pdfTarget = pdfTarget;
}

QtPrinterBackend::~QtPrinterBackend() {
  if (d_->painter.isActive()) killDoc();
}

QList<PrinterInfo> QtPrinterBackend::printers() const {
  QList<PrinterInfo> liste;
  if (!d_->pdfTarget.isEmpty()) liste.append({kPdf, d_->pdfTarget, kPdf});
  for (const QPrinterInfo& i : QPrinterInfo::availablePrinters())
    liste.append({i.printerName(), i.location(), i.makeAndModel()});
  return liste;
}

QString QtPrinterBackend::defaultPrinter() const {
  if (!d_->pdfTarget.isEmpty()) return kPdf;
  const QString standard = QPrinterInfo::defaultPrinterName();
  if (!standard.isEmpty()) return standard;
  const QStringList namen = QPrinterInfo::availablePrinterNames();
  return namen.isEmpty() ? QString() : namen.first();
}

void QtPrinterBackend::selectPrinter(const QString& deviceName) { d_->device = deviceName; }

QStringList QtPrinterBackend::fontNames() const {
  QStringList namen;
  for (const QString& w : Fonts::windowsNamen())
    if (QFontDatabase::hasFamily(Fonts::familie(w))) namen.append(w);
  for (const QString& f : QFontDatabase::families())
    if (!namen.contains(f, Qt::CaseInsensitive)) namen.append(f);
  return namen;
}

QString QtPrinterBackend::fontName(const QString& name) const {
  // A Windows name is taken even where its free font is missing: Qt then draws a similar one.
  const QString windows = Fonts::windowsName(name);
  if (!windows.isEmpty()) return windows;
  for (const QString& f : QFontDatabase::families())
    if (f.compare(name, Qt::CaseInsensitive) == 0) return f;
  return {};
}

QSizeF QtPrinterBackend::printableTwips(int orientation) const {
  const QString schluessel = d_->device + u'|' + QString::number(orientation) + u'|' + QString::number(d_->istPdf());
  auto it = d_->flaechen.constFind(schluessel);
  if (it != d_->flaechen.constEnd()) return *it;
  QSizeF groesse;
  if (!d_->device.isEmpty()) {
    const auto p = d_->drucker(orientation);
    const QRectF r = p->pageLayout().paintRect(QPageLayout::Point);
    groesse = QSizeF(r.width() * 20, r.height() * 20);
  }
  d_->flaechen.insert(schluessel, groesse);
  return groesse;
}

double QtPrinterBackend::dpi() const {
  auto it = d_->aufloesungen.constFind(d_->device);
  if (it != d_->aufloesungen.constEnd()) return *it;
  double aufloesung = 1200;
  if (!d_->device.isEmpty()) aufloesung = d_->drucker(vbPRORPortrait)->resolution();
  if (aufloesung <= 0) aufloesung = 1200;
  d_->aufloesungen.insert(d_->device, aufloesung);
  return aufloesung;
}

double QtPrinterBackend::textWidthTwips(const PrinterFontSpec& font, const QString& line) const {
  return QFontMetricsF(qtSchrift(font), &d_->messflaeche).horizontalAdvance(line);
}

double QtPrinterBackend::lineHeightTwips(const PrinterFontSpec& font) const {
  return QFontMetricsF(qtSchrift(font), &d_->messflaeche).lineSpacing();
}

bool QtPrinterBackend::startDoc(int orientation) {
  if (d_->device.isEmpty()) return false;
  d_->job = d_->drucker(orientation);
  if (d_->istPdf()) {
    d_->lastPdf = d_->naechsteDatei();
    QDir().mkpath(QFileInfo(d_->lastPdf).absolutePath());
    d_->job->setOutputFileName(d_->teilDatei());
  }
  if (!d_->painter.begin(d_->job.get())) {
    d_->job.reset();
    return false;
  }
  if (d_->istPdf()) geschriebenePdf().insert(d_->lastPdf);
  d_->res = d_->job->resolution();
  return true;
}

bool QtPrinterBackend::newPage(int orientation) {
  if (!d_->job) return false;
  d_->job->setPageOrientation(orientation == vbPRORLandscape ? QPageLayout::Landscape : QPageLayout::Portrait);
  return d_->job->newPage();
}

bool QtPrinterBackend::text(const PrintPoint& at, const PrinterFontSpec& font, long color, const QString& text) {
  if (!d_->painter.isActive()) return false;
  const QFont f = qtSchrift(font);
  d_->painter.setFont(f);
  d_->painter.setPen(QFarbe(color));
  const QFontMetricsF fm(f, d_->job.get());
  d_->painter.drawText(QPointF(d_->px(at.twipsX), d_->px(at.twipsY) + fm.ascent()), text);
  return true;
}

bool QtPrinterBackend::line(const PrintPoint& from, const PrintPoint& to, long color, int style) {
  if (!d_->painter.isActive()) return false;
  // One printer pixel is too thin to see on a fine printer: draw a 1/300 inch line.
  QPen stift(QFarbe(color));
  stift.setWidthF(std::max(1.0, d_->res / 300));
  d_->painter.setPen(stift);
  const QPointF a(d_->px(from.twipsX), d_->px(from.twipsY));
  const QPointF b(d_->px(to.twipsX), d_->px(to.twipsY));
  if (style == LinePlain) {
    d_->painter.setBrush(Qt::NoBrush);
    d_->painter.drawLine(a, b);
  } else {
    d_->painter.setBrush(style == LineBoxFilled ? QBrush(QFarbe(color)) : QBrush(Qt::NoBrush));
    d_->painter.drawRect(QRectF(a, b).normalized());
  }
  return true;
}

bool QtPrinterBackend::picture(const QImage& image, const PrintPoint& at, const PrintPoint& size) {
  if (!d_->painter.isActive()) return false;
  d_->painter.drawImage(QRectF(d_->px(at.twipsX), d_->px(at.twipsY), d_->px(size.twipsX), d_->px(size.twipsY)), image);
  return true;
}

bool QtPrinterBackend::endDoc() {
  if (!d_->job) return false;
  bool ok = d_->painter.end();
  d_->job.reset();
  if (d_->istPdf()) {
    std::error_code fehler;
    if (ok)
      std::filesystem::rename(QFile::encodeName(d_->teilDatei()).toStdString(),
                              QFile::encodeName(d_->lastPdf).toStdString(), fehler);
    if (!ok || fehler) {
      QFile::remove(d_->teilDatei());
      geschriebenePdf().remove(d_->lastPdf);
      ok = false;
    }
  }
  return ok;
}

void QtPrinterBackend::killDoc() {
  if (!d_->job) return;
  d_->job->abort();
  if (d_->painter.isActive()) d_->painter.end();
  d_->job.reset();
  if (d_->istPdf()) {
    QFile::remove(d_->teilDatei());
    geschriebenePdf().remove(d_->lastPdf);
  }
}

QString QtPrinterBackend::lastPdfFile() const { return d_->lastPdf; }

}  // namespace vb
