#include "common/TextAnDrucker.h"

#include "common/Fehler.h"
#include "common/Fehlerbericht.h"
#include "common/Ini.h"
#include "platform/vb/Clock.h"
#include "platform/dienste/Printer.h"
#include "platform/vb/Vb.h"

QString TextImRahmenDrucken(QString& text, double left, double top, double& right, double& bottom) {
  vb::PrinterObject& p = vb::Printer();
  if (left >= 0) p.setCurrentX(left);
  if (top >= 0) p.setCurrentY(top);
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
    if (p.CurrentX() + p.TextWidth(wort + QStringLiteral("  ")) >= right) {
      if (!p.Print() && !fehler(p.Fehler())) {
        text = text.mid(pos);
        return {};
      }
      if (left >= 0) p.setCurrentX(left);
    }
    if (p.CurrentY() + 1.5 * p.TextHeight(QStringLiteral("ABCxyz")) >= bottom) {
      text = text.mid(pos);
      return wort + text;
    }
    if (!p.Print(wort, false) && !fehler(p.Fehler())) {
      text = text.mid(pos);
      return {};
    }
    // A line that followed a CR goes back to the box's left edge. A negative left means no edge: such
    // lines start at the left edge of the coordinate space, also when a margin puts that below -1.
    if (left >= 0 && p.CurrentX() < left) p.setCurrentX(left);
  } while (pos < text.size());
  text.clear();
  return {};
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
