#include "common/TextAnDrucker.h"

#include "common/Fehler.h"
#include "common/Fehlerbericht.h"
#include "common/Ini.h"
#include "platform/dienste/Printer.h"
#include "platform/vb/Clock.h"
#include "platform/vb/Vb.h"

namespace {

// The word-wrap itself, on a page that prints (Drucken) or one that only follows the position (Messen),
// so that a caller can learn beforehand whether a text fits without a second set of rules.
struct Drucken {
  vb::PrinterObject& p;
  double x() const { return p.CurrentX(); }
  double y() const { return p.CurrentY(); }
  void setX(double v) { p.setCurrentX(v); }
  void setY(double v) { p.setCurrentY(v); }
  bool zeilenende() { return p.Print(); }
  bool wort(const QString& w) { return p.Print(w, false); }
};

struct Messen {
  const vb::PrinterObject& p;
  double posX = 0, posY = 0;
  double x() const { return posX; }
  double y() const { return posY; }
  void setX(double v) { posX = v; }
  void setY(double v) { posY = v; }
  // As the printer moves: a line end, and every line break inside a word, go to the left edge of the
  // coordinate space one line lower.
  bool zeilenende() {
    posX = p.ScaleLeft();
    posY += p.TextHeight(QString());
    return true;
  }
  bool wort(const QString& w) {
    qsizetype anfang = 0;
    for (qsizetype i = 0; i <= w.size(); ++i) {
      if (i < w.size() && w.at(i) != u'\r') continue;
      posX += p.TextWidth(w.mid(anfang, i - anfang));
      if (i < w.size()) zeilenende();
      anfang = i + 1;
    }
    return true;
  }
};

template <class Seite>
QString imRahmen(Seite& s, const vb::PrinterObject& p, QString& text, double left, double top, double& right,
                 double& bottom) {
  if (left >= 0) s.setX(left);
  if (top >= 0) s.setY(top);
  // The page's edges are counted from the scale's origin, so that a scale shifted by margins still
  // keeps the box on the page and clear of the footer.
  if (right <= left || right < 0) right = p.ScaleLeft() + p.ScaleWidth() - 1;
  if (bottom <= top || bottom < 0) bottom = p.ScaleTop() + p.ScaleHeight() - 2 * p.TextHeight(QStringLiteral("Ay"));

  // The text is read from the front through an index and cut once on the way out.
  qsizetype pos = 0;
  bool gemeldet = false;
  // A failed print goes to the error handler once per call: a printer that is off would otherwise ask
  // for every word. Answer 5 goes on with the next word, any other answer ends without a rest.
  const auto fehler = [&](int nummer) {
    if (gemeldet) return true;
    gemeldet = true;
    return FehlerMelden(nummer, QStringLiteral("Fehler bei der Textformatierung.")) == 5;
  };
  do {
    QString wort;
    for (;;) {
      QChar c;
      if (pos < text.size()) c = text.at(pos++);
      if (c != u'\n' && !c.isNull()) wort += c;
      if (c == u' ' || c == u'-' || c == u'\r' || pos >= text.size()) break;
    }
    if (s.x() + p.TextWidth(wort + QStringLiteral("  ")) >= right) {
      if (!s.zeilenende() && !fehler(p.Fehler())) {
        text = text.mid(pos);
        return {};
      }
      if (left >= 0) s.setX(left);
    }
    if (s.y() + 1.5 * p.TextHeight(QStringLiteral("ABCxyz")) >= bottom) {
      text = text.mid(pos);
      return wort + text;
    }
    if (!s.wort(wort) && !fehler(p.Fehler())) {
      text = text.mid(pos);
      return {};
    }
    // A line that followed a CR goes back to the box's left edge. A negative left means no edge: such
    // lines start at the left edge of the coordinate space, also when a margin puts that below -1.
    if (left >= 0 && s.x() < left) s.setX(left);
  } while (pos < text.size());
  text.clear();
  return {};
}

}  // namespace

QString TextImRahmenDrucken(QString& text, double left, double top, double& right, double& bottom) {
  vb::PrinterObject& p = vb::Printer();
  Drucken seite{p};
  return imRahmen(seite, p, text, left, top, right, bottom);
}

QString TextImRahmenMessen(QString text, double left, double top, double right, double bottom) {
  const vb::PrinterObject& p = vb::Printer();
  Messen seite{p, p.CurrentX(), p.CurrentY()};
  return imRahmen(seite, p, text, left, top, right, bottom);
}

void FusszeileDrucken(double x) {
  vb::PrinterObject& p = vb::Printer();
  p.setFontName(QStringLiteral("Arial"));
  p.setFontSize(6);
  p.setFontBold(false);
  p.setFontItalic(true);
  QString fuss = QStringLiteral("Kartulon ") + QString::number(ProgrammVersionNummern().major) +
                 QStringLiteral(" · Ausdruck vom ") + vb::Format(Clock::today(), QStringLiteral("dd.mm.yyyy"));
  p.setCurrentY(p.ScaleTop() + p.ScaleHeight() - 2.5 * p.TextHeight(fuss));
  p.setCurrentX(x);
  if (IniLesen("", "", "Fusszeile", "1") == u"0") fuss.clear();
  p.Print(fuss, false);
  p.setFontItalic(false);
}
