#include "printing/Druckausgabe.h"

#include "common/Fehler.h"

bool DruckschriftUebernehmen(vb::PrinterObject& p, const vb::FontObject& traeger) {
  bool ok = true;
  if (const auto name = traeger.fontName(); name && !p.setFontName(*name)) ok = p.setFontName(QStringLiteral("Arial"));
  if (const auto groesse = traeger.fontSize()) ok = p.setFontSize(*groesse) && ok;
  p.setFontUnderline(traeger.fontUnderline().value_or(false));
  p.setFontStrikethru(false);
  p.setFontItalic(traeger.fontItalic().value_or(false));
  p.setFontBold(traeger.fontBold().value_or(false));
  p.setForeColor(traeger.foreColor().value_or(0));
  return ok;
}

bool DruckfehlerMelden(vb::PrinterObject& p, int nummer, const QString& text) {
  const int antwort = FehlerMelden(nummer, text);
  if (nummer != vb::FehlerDrucker && antwort == 5) return true;
  p.KillDoc();
  return false;
}
