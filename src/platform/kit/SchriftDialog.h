#pragma once
// The font dialog of the kit: name, size (only from the smallest to the largest size when limited),
// bold, italic, underline, strikethrough and the text colour, with a sample. Qt's own has no colour
// and no size limits.
#include "platform/dienste/Dialogs.h"

#include <QDialog>

class QCheckBox;
class QComboBox;
class QFontComboBox;
class QLabel;
class QPushButton;

namespace kit {

class SchriftDialog : public QDialog {
  Q_OBJECT
 public:
  explicit SchriftDialog(const SchriftWahl& vorgabe, QWidget* parent = nullptr);
  // What the dialog shows now.
  SchriftWahl Wahl() const;
  // OK: refuses a size that is no number or lies outside the limits (a message says which sizes are
  // allowed, the dialog stays open).
  void accept() override;

  QFontComboBox* Name = nullptr;
  QComboBox* Groesse = nullptr;
  QCheckBox* Fett = nullptr;
  QCheckBox* Kursiv = nullptr;
  QCheckBox* Unterstrichen = nullptr;
  QCheckBox* Durchgestrichen = nullptr;
  QComboBox* Farbe = nullptr;
  QLabel* Muster = nullptr;
  QPushButton* Ok = nullptr;
  QPushButton* Abbrechen = nullptr;

 private:
  void musterZeigen();
  SchriftWahl vorgabe_;
};

}  // namespace kit
