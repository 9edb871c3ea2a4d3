#include "support/Textplatz.h"

#include "platform/kit/Controls.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QFontMetricsF>
#include <QGroupBox>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QStatusBar>
#include <QStyle>
#include <QTabWidget>
#include <QTextBlock>
#include <QTextLayout>
#include <cmath>

namespace textplatz {

namespace {

QImage flaecheBei(int dpi) {
  QImage flaeche(1, 1, QImage::Format_ARGB32);
  flaeche.setDotsPerMeterX(static_cast<int>(std::lround(dpi / 0.0254)));
  flaeche.setDotsPerMeterY(static_cast<int>(std::lround(dpi / 0.0254)));
  return flaeche;
}

QString name(const QWidget* w) {
  return w->objectName().isEmpty() ? QString::fromLatin1(w->metaObject()->className()) : w->objectName();
}

// A button's text as it is drawn: "&" marks the access key and is not shown, "&&" shows one "&".
QString ohneZugriffstaste(QString text) {
  text.replace(QStringLiteral("&&"), QStringLiteral("\x01"));
  text.remove(u'&');
  text.replace(u'\x01', u'&');
  return text;
}

QString bericht(const QWidget* w, const QString& text, const QString& was, int dpi) {
  return QStringLiteral("%1 »%2« at %3 dpi: %4").arg(name(w), text.left(60), QString::number(dpi), was);
}

QString masse(double noetig, int platz) {
  return QStringLiteral("%1 px needed, %2 px there").arg(noetig, 0, 'f', 1).arg(platz);
}

// The text of a label as wide and as high as it is drawn.
QSizeF labelText(const QLabel* l, int dpi) {
  const QRect platz = l->contentsRect();
  if (!l->wordWrap()) return {breiteBei(l->font(), l->text(), dpi), hoeheBei(l->font(), l->text(), dpi)};
  const QImage flaeche = flaecheBei(dpi);
  const QFontMetricsF fm(l->font(), &flaeche);
  const double k = dpi / 96.0;
  const QRectF r = fm.boundingRect(QRectF(0, 0, platz.width() * k, 1e6),
                                   static_cast<int>(Qt::TextWordWrap | l->alignment()), l->text());
  return {r.width() / k, r.height() / k};
}

void labelPruefen(const QLabel* l, int dpi, QStringList& f) {
  if (l->text().isEmpty() || !l->pixmap().isNull()) return;
  const QRect platz = l->contentsRect();
  const QSizeF noetig = labelText(l, dpi);
  if (noetig.width() > platz.width())
    f << bericht(l, l->text(), QStringLiteral("too narrow, ") + masse(noetig.width(), platz.width()), dpi);
  if (noetig.height() > platz.height() + 0.5)
    f << bericht(l, l->text(), QStringLiteral("too low, ") + masse(noetig.height(), platz.height()), dpi);
  // Where the text is drawn stays clear of every other control beside the label.
  const QSize ganz(static_cast<int>(std::ceil(std::min<double>(noetig.width(), platz.width()))),
                   static_cast<int>(std::ceil(std::min<double>(noetig.height(), platz.height()))));
  const QRect text = QStyle::alignedRect(Qt::LeftToRight, l->alignment(), ganz, platz).translated(l->pos());
  const QWidget* eltern = l->parentWidget();
  if (!eltern || qobject_cast<const QStatusBar*>(eltern)) return;
  for (const QWidget* nachbar : eltern->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly)) {
    if (nachbar == l || !nachbar->isVisibleTo(eltern) || nachbar->isWindow()) continue;
    // A label without text or picture is a coloured area that texts are meant to stand on.
    const auto* flaeche = qobject_cast<const QLabel*>(nachbar);
    if (flaeche && flaeche->text().isEmpty() && flaeche->pixmap().isNull()) continue;
    if (nachbar->geometry().intersects(text))
      f << bericht(l, l->text(),
                   QStringLiteral("runs into %1 (text %2,%3 %4x%5, %1 %6,%7 %8x%9)")
                       .arg(name(nachbar))
                       .arg(text.x())
                       .arg(text.y())
                       .arg(text.width())
                       .arg(text.height())
                       .arg(nachbar->x())
                       .arg(nachbar->y())
                       .arg(nachbar->width())
                       .arg(nachbar->height()),
                   dpi);
  }
}

void knopfPruefen(const QAbstractButton* b, int dpi, QStringList& f) {
  const QString text = ohneZugriffstaste(b->text());
  if (text.isEmpty()) return;
  const QStyle* stil = b->style();
  double rand = 0;
  int innen = b->height();
  if (qobject_cast<const QCheckBox*>(b)) {
    rand = stil->pixelMetric(QStyle::PM_IndicatorWidth, nullptr, b) +
           stil->pixelMetric(QStyle::PM_CheckBoxLabelSpacing, nullptr, b);
  } else if (qobject_cast<const QRadioButton*>(b)) {
    rand = stil->pixelMetric(QStyle::PM_ExclusiveIndicatorWidth, nullptr, b) +
           stil->pixelMetric(QStyle::PM_RadioButtonLabelSpacing, nullptr, b);
  } else {
    const int rahmen = stil->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, b);
    rand = 2 * rahmen;
    if (!b->icon().isNull()) rand += b->iconSize().width() + 4;
    innen -= 2 * rahmen;
  }
  const double breite = breiteBei(b->font(), text, dpi) + rand;
  const double hoehe = hoeheBei(b->font(), text, dpi);
  if (breite > b->width()) f << bericht(b, text, QStringLiteral("too narrow, ") + masse(breite, b->width()), dpi);
  if (hoehe > innen + 0.5) f << bericht(b, text, QStringLiteral("too low, ") + masse(hoehe, innen), dpi);
}

void rahmenPruefen(const QGroupBox* g, int dpi, QStringList& f) {
  if (g->title().isEmpty()) return;
  const double breite = breiteBei(g->font(), g->title(), dpi) + 2.0 * g->fontMetrics().averageCharWidth();
  if (breite > g->width()) f << bericht(g, g->title(), QStringLiteral("caption ") + masse(breite, g->width()), dpi);
}

void platzhalterPruefen(const QLineEdit* e, int dpi, QStringList& f) {
  if (e->placeholderText().isEmpty() || !e->text().isEmpty()) return;
  const int rand = e->hasFrame() ? 2 * e->style()->pixelMetric(QStyle::PM_DefaultFrameWidth) + 4 : 0;
  const double breite = breiteBei(e->font(), e->placeholderText(), dpi);
  if (breite > e->contentsRect().width() - rand)
    f << bericht(e, e->placeholderText(), masse(breite, e->contentsRect().width() - rand), dpi);
}

// Every line of a list can be read: it fits the list, or the list scrolls sideways to its end.
void listePruefen(const vb::ListBox* l, int dpi, QStringList& f) {
  // A list that scrolls sideways measures its lines in its own font, on any screen: this screen's
  // measure is the one to check.
  if (l->ListCount() == 0 || (l->HorizontalScrollen() && dpi != 96)) return;
  const int sichtbar = l->viewport()->width();
  const int erreichbar =
      sichtbar + (l->horizontalScrollBarPolicy() == Qt::ScrollBarAlwaysOff ? 0 : l->horizontalScrollBar()->maximum());
  double breitest = 0;
  QString zeile;
  // A line without columns is as wide as its text and the item's margins.
  const int marge = 2 * (l->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, l) + 1);
  for (int i = 0; i < l->ListCount(); ++i) {
    const QString text = l->List(i);
    if (text.contains(u'\t')) continue;
    const double b = breiteBei(l->font(), text, dpi) + marge;
    if (b > breitest) {
      breitest = b;
      zeile = text;
    }
  }
  // Lines in columns as the list lays them out on this screen.
  if (dpi == 96 && l->breitesteZeile() > breitest) {
    breitest = l->breitesteZeile();
    zeile = QStringLiteral("(columns)");
  }
  if (breitest > erreichbar) f << bericht(l, zeile, QStringLiteral("line cut, ") + masse(breitest, erreichbar), dpi);
}

// A text box of facts shows every line without scrolling.
void textPruefen(const vb::TextBox* t, int dpi, QStringList& f) {
  if (t->Text().isEmpty()) return;
  const auto* e = qobject_cast<const QPlainTextEdit*>(t->editor());
  if (!e) return;
  int zeilen = 0;
  for (QTextBlock b = e->document()->begin(); b.isValid(); b = b.next())
    zeilen += b.layout() ? std::max(1, b.layout()->lineCount()) : 1;
  const QImage flaeche = flaecheBei(dpi);
  const QFontMetricsF fm(e->font(), &flaeche);
  const double hoehe = (zeilen * fm.lineSpacing()) * 96.0 / dpi + 2 * e->document()->documentMargin();
  const int platz = e->viewport()->height();
  if (hoehe > platz || e->horizontalScrollBar()->maximum() > 0)
    f << bericht(t, t->Text().section(u'\n', -1), QStringLiteral("needs scrolling, ") + masse(hoehe, platz), dpi);
}

// A control lies inside its container, and so inside the window.
void lagePruefen(const QWidget* w, const QWidget* fenster, QStringList& f) {
  const QWidget* eltern = w->parentWidget();
  if (!eltern) return;
  const bool steuerelement = QByteArray(w->metaObject()->className()).startsWith("vb::");
  if (!steuerelement && eltern != fenster && !qobject_cast<const QStatusBar*>(eltern)) return;
  if (!eltern->rect().contains(w->geometry()))
    f << QStringLiteral("%1 lies outside %2: %3,%4 %5x%6 in %7x%8")
             .arg(name(w), name(eltern))
             .arg(w->x())
             .arg(w->y())
             .arg(w->width())
             .arg(w->height())
             .arg(eltern->width())
             .arg(eltern->height());
}

void seitePruefen(QWidget* fenster, int dpi, const QStringList& ganz, QStringList& f) {
  for (QWidget* w : fenster->findChildren<QWidget*>()) {
    if (!w->isVisibleTo(fenster) || w->isWindow()) continue;
    lagePruefen(w, fenster, f);
    if (auto* l = qobject_cast<QLabel*>(w)) labelPruefen(l, dpi, f);
    if (qobject_cast<QPushButton*>(w) || qobject_cast<QCheckBox*>(w) || qobject_cast<QRadioButton*>(w))
      knopfPruefen(static_cast<QAbstractButton*>(w), dpi, f);
    if (auto* g = qobject_cast<QGroupBox*>(w)) rahmenPruefen(g, dpi, f);
    if (auto* e = qobject_cast<QLineEdit*>(w)) platzhalterPruefen(e, dpi, f);
    if (auto* l = qobject_cast<vb::ListBox*>(w)) listePruefen(l, dpi, f);
    auto* t = qobject_cast<vb::TextBox*>(w);
    if (t && ganz.contains(t->objectName())) textPruefen(t, dpi, f);
  }
}

}  // namespace

double breiteBei(const QFont& font, const QString& text, int dpi) {
  const QImage flaeche = flaecheBei(dpi);
  const QFontMetricsF fm(font, &flaeche);
  double breite = 0;
  for (const QString& zeile : text.split(u'\n')) breite = std::max(breite, fm.horizontalAdvance(zeile));
  return breite * 96.0 / dpi;
}

double hoeheBei(const QFont& font, const QString& text, int dpi) {
  const QImage flaeche = flaecheBei(dpi);
  const QFontMetricsF fm(font, &flaeche);
  return (fm.height() + static_cast<double>(text.count(u'\n')) * fm.lineSpacing()) * 96.0 / dpi;
}

QStringList fehler(QWidget* fenster, int dpi, const QStringList& ganzZuSehen) {
  QStringList f;
  QCoreApplication::processEvents();
  seitePruefen(fenster, dpi, ganzZuSehen, f);
  for (QTabWidget* reiter : fenster->findChildren<QTabWidget*>()) {
    const int vorher = reiter->currentIndex();
    for (int i = 0; i < reiter->count(); ++i) {
      if (i == vorher) continue;
      reiter->setCurrentIndex(i);
      QCoreApplication::processEvents();
      seitePruefen(fenster, dpi, ganzZuSehen, f);
    }
    reiter->setCurrentIndex(vorher);
    QCoreApplication::processEvents();
  }
  f.removeDuplicates();
  return f;
}

}  // namespace textplatz
