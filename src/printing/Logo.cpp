#include "printing/Logo.h"

#include "platform/dienste/FontObject.h"
#include "platform/dienste/Printer.h"

const char16_t* const kLogoZeilen[3] = {u"Sorvek", u"  Software", u"Adressen und Briefe"};

void LogoDrucken(double faktor) {
  vb::PrinterObject& p = vb::Printer();
  const double x0 = p.CurrentX();
  // Arial first, so that a printer without the logo font keeps Arial rather than the caller's font.
  p.setFontName(QStringLiteral("Arial"));
  p.setFontName(QStringLiteral("BenjaminGothic"));
  p.setFontBold(true);
  p.setFontItalic(false);
  p.setFontUnderline(false);
  p.setFontStrikethru(false);

  const QString eins = QString::fromUtf16(kLogoZeilen[0]);
  const QString zwei = QString::fromUtf16(kLogoZeilen[1]);
  const QString drei = QString::fromUtf16(kLogoZeilen[2]);

  p.setCurrentX(x0);
  p.setFontSize(17 * faktor);
  p.setForeColor(vb::RGB(248, 194, 78));
  p.Print(eins, true);

  p.setCurrentX(x0);
  p.setFontSize(17 * faktor);
  p.setForeColor(vb::RGB(167, 167, 167));
  p.Print(zwei, true);
  const double w2 = p.TextWidth(zwei);

  p.setFontName(QStringLiteral("Arial"));
  p.setFontBold(false);
  p.setFontSize(10 * faktor);
  p.setForeColor(0);
  p.setCurrentY(p.CurrentY() + 0.2 * p.TextHeight(drei));
  const double w3 = p.TextWidth(drei);
  p.setCurrentX(x0 + (w2 - w3) / 2);
  p.Print(drei, true);
}
