#pragma once
// What forms draw and show besides their controls: a drawing surface that keeps what was printed on it
// (the runtime's AutoRedraw), Image controls with their pictures, and the frameless fixed window.
#include <QColor>
#include <QCursor>
#include <QFont>
#include <QImage>
#include <QLabel>
#include <QList>
#include <QPixmap>
#include <QString>
#include <functional>

namespace vb {

// The runtime's colour number (&H00BBGGRR) as a colour, and back.
QColor Farbe(long bgr);
long FarbNummer(const QColor& c);
// The standard 16-colour palette (QBColor): 8 dark grey, 15 white, ...
long QBColor(int index);

// A form's drawing surface in twips. What is printed stays on an image of the form's client area and is
// painted behind the controls at every repaint, so the drawing survives being covered. Positions are the
// top-left of the printed text.
//
// Recording mode (tests): every operation is also kept with its position, font and colour, and the
// metrics are fixed, whatever the fonts of the machine: a character is 12 twips wide per point of size,
// a line 24 twips high per point (as the recording printer measures).
class Zeichenflaeche : public QObject {
 public:
  struct Op {
    enum Art { Text, Linie } art = Text;
    double x = 0, y = 0, x2 = 0, y2 = 0;  // twips; Linie: from (x, y) to (x2, y2)
    QString text;
    QString schrift;
    double groesse = 0;
    bool fett = false;
    long farbe = 0;
  };

  // Draws on the form's background; the font is the form's font at design.
  Zeichenflaeche(QWidget* form, const QFont& schrift);

  double CurrentX() const { return x_; }
  void setCurrentX(double twips) { x_ = twips; }
  double CurrentY() const { return y_; }
  void setCurrentY(double twips) { y_ = twips; }
  double FontSize() const { return schrift_.pointSizeF(); }
  void setFontSize(double punkte);
  const QFont& Font() const { return schrift_; }
  long ForeColor() const { return farbe_; }
  void setForeColor(long bgr) { farbe_ = bgr; }
  double TextWidth(const QString& text) const;
  double TextHeight(const QString& text = QStringLiteral("Ay")) const;
  // Prints one line at the current position; the next line starts at the left edge below it.
  void Print(const QString& text);
  // A line of one pixel's width; the current position moves to its end.
  void Line(double x1, double y1, double x2, double y2, long bgr);

  const QImage& bild() const { return bild_; }
  const QList<Op>& ops() const { return ops_; }
  // zeichenbreite: the width of a character in twips per point of size (12 unless a test needs another).
  static void setAufnahme(bool an, double zeichenbreite = 12);
  static bool aufnahme();

 protected:
  bool eventFilter(QObject* obj, QEvent* ev) override;

 private:
  void bildAnpassen();
  QWidget* form_;
  QFont schrift_;
  QImage bild_;
  double x_ = 0, y_ = 0;
  long farbe_ = 0;
  QList<Op> ops_;
};

// The Image control: shows its picture at the picture's own size, transparent around it. Disabled, it
// shows the picture greyed and raises no events.
class Image : public QLabel {
  Q_OBJECT
 public:
  explicit Image(QWidget* parent = nullptr);
  const QPixmap& Picture() const { return bild_; }
  void setPicture(const QPixmap& bild);
  // Whether a picture is loaded.
  bool hatBild() const { return !bild_.isNull(); }
  // Loads the picture file (LoadPicture): 0, or the runtime's error number, 53 for a file that is not
  // there and 481 for one that is no readable picture; the holder keeps no picture after an error.
  int LoadPicture(const QString& datei);
  bool Enabled() const { return isEnabled(); }
  void setEnabled(bool an) { QLabel::setEnabled(an); }
  // The mouse pointer over the picture (the runtime's MousePointer with a picture of its own).
  void setMousePointer(const QCursor& zeiger) { setCursor(zeiger); }
  std::function<void()> Click, DblClick;

 protected:
  void mousePressEvent(QMouseEvent* e) override;
  void mouseDoubleClickEvent(QMouseEvent* e) override;

 private:
  QPixmap bild_;
};

// The pictures built into the program (from data/Bilder): a null picture for an unknown name. Tests may
// take them from a folder instead ("" restores the built-in ones).
QPixmap BildLaden(const QString& name);
void setBilderOrdner(const QString& ordner);

// A window without title bar and border, of a fixed client size in twips.
void FensterOhneRahmen(QWidget* fenster, int breite, int hoehe);

}  // namespace vb
