#include "platform/kit/StdDialog.h"

#include "platform/dienste/Dialogs.h"
#include "platform/dienste/FontObject.h"
#include "platform/dienste/Printer.h"
#include "platform/kit/Controls.h"

namespace vb {

CommonDialog::CommonDialog(const QString& name, QObject* owner) : QObject(owner) { setObjectName(name); }

bool CommonDialog::setAction(int aktion) {
  switch (aktion) {
    case cdlAktionOeffnen:
      return ShowOpen();
    case cdlAktionSpeichern:
      return ShowSave();
    case cdlAktionFarbe:
      return ShowColor();
    case cdlAktionSchrift:
      return ShowFont();
    case cdlAktionDrucker:
      return ShowPrinter();
    default:
      return false;
  }
}

bool CommonDialog::ShowPrinter() {
  DruckerEinrichtung e;
  for (const PrinterInfo& p : Printers()) e.drucker << p.DeviceName;
  e.gewaehlt = Printer().DeviceName();
  e.ausrichtung = Printer().Orientation();
  if (!Dialogs::service().druckerEinrichten(e)) return false;
  // Choosing a printer starts it afresh (standard orientation): the orientation goes on after it.
  if (e.gewaehlt != Printer().DeviceName() && !Printer().setPrinter(e.gewaehlt)) return false;
  return Printer().setOrientation(e.ausrichtung);
}

bool CommonDialog::ShowOpen() { return dateiDialog(false); }
bool CommonDialog::ShowSave() { return dateiDialog(true); }

bool CommonDialog::dateiDialog(bool speichern) {
  FileDialogRequest r;
  r.title = DialogTitle;
  r.folder = InitDir;
  r.fileName = FileName;
  r.filter = Filter;
  r.save = speichern;
  r.ueberschreibenFragen = (Flags & cdlOFNOverwritePrompt) != 0;
  const QString gewaehlt = Dialogs::service().fileDialog(r);
  if (gewaehlt.isEmpty()) return false;
  FileName = gewaehlt;
  return true;
}

bool CommonDialog::ShowFont() {
  SchriftWahl w;
  w.name = FontName;
  w.groesse = FontSize;
  w.fett = FontBold;
  w.kursiv = FontItalic;
  w.unterstrichen = FontUnderline;
  w.durchgestrichen = FontStrikethru;
  w.farbe = QFarbe(Color);
  const bool begrenzt = (Flags & cdlCFLimitSize) && Max > 0;
  if (begrenzt) {
    w.kleinste = Min;
    w.groesste = Max;
  }
  if (!Dialogs::service().schriftDialog(w)) return false;
  // The dialog lets no size outside the limits through.
  if (begrenzt && (w.groesse < Min || w.groesse > Max)) return false;
  FontName = w.name;
  FontSize = w.groesse;
  FontBold = w.fett;
  FontItalic = w.kursiv;
  FontUnderline = w.unterstrichen;
  FontStrikethru = w.durchgestrichen;
  if (Flags & cdlCFEffects) Color = VbFarbe(w.farbe);
  return true;
}

bool CommonDialog::ShowColor() {
  QColor c = QFarbe(Color);
  if (!Dialogs::service().colorDialog(c)) return false;
  Color = VbFarbe(c);
  return true;
}

void SchriftDialogFuer(CommonDialog& dialog, TextBox& box, double kleinste, double groesste) {
  WidgetFont schrift(&box);
  dialog.FontName = schrift.fontName().value_or(QString());
  dialog.FontSize = schrift.fontSize().value_or(8);
  dialog.FontUnderline = box.font().underline();
  dialog.FontStrikethru = box.font().strikeOut();
  dialog.FontItalic = box.font().italic();
  dialog.FontBold = box.font().bold();
  dialog.Color = VbFarbe(box.ForeColor());
  dialog.Min = kleinste;
  dialog.Max = groesste;
  dialog.Flags = cdlCFScreenFonts | cdlCFPrinterFonts | cdlCFEffects | cdlCFLimitSize;
  dialog.setAction(cdlAktionSchrift);
  schrift.setFontName(dialog.FontName);
  schrift.setFontSize(dialog.FontSize);
  schrift.setFontUnderline(dialog.FontUnderline);
  QFont f = box.font();
  f.setStrikeOut(dialog.FontStrikethru);
  box.setFont(f);
  schrift.setFontItalic(dialog.FontItalic);
  schrift.setFontBold(dialog.FontBold);
  box.setForeColor(QFarbe(dialog.Color));
}

}  // namespace vb
