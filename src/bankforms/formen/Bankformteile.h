#pragma once
// The parts that the bank-form dialogs build alike: their text boxes and labels, the tab order, what
// they take from the shown record, the print options with the font list, the two form types (the
// pre-printed sheet, or the picture of the blank sheet when its file is there), and the choice of the
// printer font.
#include "platform/kit/Controls.h"

#include <QList>
#include <array>

namespace Bankformteile {

// A text box one line high, its typing limited to `laenge` characters.
vb::TextBox* Eingabefeld(QWidget* eltern, const QString& name, int laenge, int l, int t, int w);
// A label to the left of its box, its text on the box's base line.
void Beschriftung(QWidget* eltern, const char* name, const QString& text, int l, int t, int w, QWidget* box);
// Tab leads through the controls in this order.
void Tabfolge(const QList<QWidget*>& reihe);
// What a bank-form dialog takes from the shown record, handed to it by the command that opens it; empty
// until then.
struct Adresse {
  std::array<QString, 24> felder;  // the texts of the field boxes
  QString auswahl;                 // what is selected in the current field
};
// The selection as a purpose: line breaks as blanks, without outer blanks.
QString Verwendung(const QString& auswahl);

// The frame "Druck-Optionen" with the label "Schriftart" and the sorted font list under it.
vb::ComboBox* Schriftrahmen(QWidget* eltern, vb::Frame*& rahmen, const char* name, int l, int t, int w);
// The frame "Formular-Typ" with the sheet's option (chosen) and "Formular aus &Grafik laden".
void Formulartypen(QWidget* eltern, vb::Frame*& rahmen, const char* name, vb::ControlArray<vb::OptionButton>& opt,
                   const QString& blatt, int l, int t, int w);
// The picture's option is enabled only when the file exists, and keeps its path in its tag; the picture
// is chosen when the setting asks for it and the file is there, the sheet otherwise.
void FormularWaehlen(vb::ControlArray<vb::OptionButton>& opt, const QString& bilddatei, bool bildGewuenscht);
// The printer's fonts; the first that contains the setting, else "Courier NEW", else "ARIAL", else the
// first (case ignored).
void SchriftWaehlen(vb::ComboBox& liste, const QString& gespeichert);

}  // namespace Bankformteile
