#include "platform/kit/Grafik.h"

#include "platform/vb/Paths.h"
#include "platform/vb/Twips.h"

#include <QMouseEvent>

#include <QEvent>
#include <QFileInfo>
#include <QFontMetricsF>
#include <QPainter>
#include <QWidget>
#include <cmath>

namespace vb {

QColor Farbe(long bgr) { return QColor(bgr & 0xFF, (bgr >> 8) & 0xFF, (bgr >> 16) & 0xFF); }
long FarbNummer(const QColor& c) { return c.red() | (c.green() << 8) | (static_cast<long>(c.blue()) << 16); }

long QBColor(int index) {
  static const long palette[16] = {0x000000, 0x800000, 0x008000, 0x808000, 0x000080, 0x800080, 0x008080, 0xC0C0C0,
                                   0x808080, 0xFF0000, 0x00FF00, 0xFFFF00, 0x0000FF, 0xFF00FF, 0x00FFFF, 0xFFFFFF};
  return palette[index & 15];
}

namespace {
bool& aufnahmeModus() {
  static bool an = false;
  return an;
}
double& aufnahmeZeichenbreite() {
  static double b = 12;
  return b;
}
double pixel(double twips) { return twips * Twips::dpi() / 1440.0; }
double twips(double px) { return px * 1440.0 / Twips::dpi(); }
}  // namespace

void Zeichenflaeche::setAufnahme(bool an, double zeichenbreite) {
  aufnahmeModus() = an;
  aufnahmeZeichenbreite() = zeichenbreite;
}
bool Zeichenflaeche::aufnahme() { return aufnahmeModus(); }

Zeichenflaeche::Zeichenflaeche(QWidget* form, const QFont& schrift) : QObject(form), form_(form), schrift_(schrift) {
  bildAnpassen();
  form->installEventFilter(this);
}

void Zeichenflaeche::bildAnpassen() {
  const QSize soll = form_->size().expandedTo(QSize(1, 1));
  if (!bild_.isNull() && bild_.width() >= soll.width() && bild_.height() >= soll.height()) return;
  QImage neu(soll.expandedTo(bild_.size()), QImage::Format_ARGB32_Premultiplied);
  const int dpm = static_cast<int>(std::lround(Twips::dpi() / 0.0254));
  neu.setDotsPerMeterX(dpm);
  neu.setDotsPerMeterY(dpm);
  neu.fill(form_->palette().color(QPalette::Window));
  if (!bild_.isNull()) {
    QPainter p(&neu);
    p.drawImage(0, 0, bild_);
  }
  bild_ = neu;
}

void Zeichenflaeche::setFontSize(double punkte) {
  if (punkte > 0) schrift_.setPointSizeF(punkte);
}

double Zeichenflaeche::TextWidth(const QString& text) const {
  if (aufnahme()) return text.size() * FontSize() * aufnahmeZeichenbreite();
  return twips(QFontMetricsF(schrift_, &bild_).horizontalAdvance(text));
}

double Zeichenflaeche::TextHeight(const QString& /*text*/) const {
  if (aufnahme()) return FontSize() * 24;
  return twips(QFontMetricsF(schrift_, &bild_).height());
}

void Zeichenflaeche::Print(const QString& text) {
  bildAnpassen();
  if (aufnahme()) ops_.append({Op::Text, x_, y_, 0, 0, text, schrift_.family(), FontSize(), schrift_.bold(), farbe_});
  {
    QPainter p(&bild_);
    p.setRenderHint(QPainter::TextAntialiasing);
    p.setFont(schrift_);
    p.setPen(Farbe(farbe_));
    p.drawText(QPointF(pixel(x_), pixel(y_) + QFontMetricsF(schrift_, &bild_).ascent()), text);
  }
  const double hoehe = TextHeight(text);
  x_ = 0;
  y_ += hoehe;
  form_->update();
}

void Zeichenflaeche::Line(double x1, double y1, double x2, double y2, long bgr) {
  bildAnpassen();
  if (aufnahme()) ops_.append({Op::Linie, x1, y1, x2, y2, QString(), QString(), 0, false, bgr});
  {
    QPainter p(&bild_);
    p.setPen(QPen(Farbe(bgr), 1));
    p.drawLine(QPointF(std::floor(pixel(x1)), std::floor(pixel(y1))),
               QPointF(std::floor(pixel(x2)), std::floor(pixel(y2))));
  }
  x_ = x2;
  y_ = y2;
  form_->update();
}

bool Zeichenflaeche::eventFilter(QObject* obj, QEvent* ev) {
  if (obj == form_ && ev->type() == QEvent::Resize) bildAnpassen();
  if (obj == form_ && ev->type() == QEvent::Paint) {
    QPainter p(form_);
    p.drawImage(0, 0, bild_);
  }
  return false;
}

Image::Image(QWidget* parent) : QLabel(parent) {
  setAttribute(Qt::WA_TranslucentBackground);
  setAlignment(Qt::AlignLeft | Qt::AlignTop);
}

void Image::mousePressEvent(QMouseEvent* e) {
  QLabel::mousePressEvent(e);
  if (e->button() == Qt::LeftButton && Click) Click();
}

void Image::mouseDoubleClickEvent(QMouseEvent* e) {
  QLabel::mouseDoubleClickEvent(e);
  if (e->button() == Qt::LeftButton && DblClick) DblClick();
}

void Image::setPicture(const QPixmap& bild) {
  bild_ = bild;
  setPixmap(bild);
  if (!bild.isNull()) resize(bild.size());
}

int Image::LoadPicture(const QString& datei) {
  setPicture(QPixmap());
  if (datei.isEmpty() || !QFileInfo(datei).isFile()) return 53;
  QImage bild;
  if (!bild.load(datei)) return 481;
  setPicture(QPixmap::fromImage(bild));
  return 0;
}

namespace {
QString& bilderOrdner() {
  static QString o;
  return o;
}
}  // namespace

void setBilderOrdner(const QString& ordner) { bilderOrdner() = ordner; }

QPixmap BildLaden(const QString& name) {
  if (bilderOrdner().isEmpty()) return QPixmap(QStringLiteral(":/bilder/") + name);
  return QPixmap(Paths::aufloesen(bilderOrdner() + u'/' + name));
}

void FensterOhneRahmen(QWidget* fenster, int breite, int hoehe) {
  fenster->setWindowFlags(Qt::Dialog | Qt::FramelessWindowHint);
  fenster->setFixedSize(Twips::zuPixel(breite), Twips::zuPixel(hoehe));
}

}  // namespace vb
