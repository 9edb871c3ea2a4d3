#pragma once
// The runtime's printer object: a scale (twips unless set otherwise), a current position, a font and a
// text colour, text that moves the position, lines, pictures, pages and print jobs, and the choice among
// the installed printers. The object keeps the runtime's semantics; a back end does the device work:
// Qt's printer (a printer of the system's print service, or a PDF file) or a recorder for tests that
// keeps every operation with its position and font.
//
// Positions: (0, 0) of the device is the top-left corner of the printable area. A scale maps it to
// (ScaleLeft, ScaleTop); ScaleWidth and ScaleHeight are the printable size in scale units. A text is
// placed with the top-left corner of its first character cell at the current position.
#include "platform/dienste/FontObject.h"

#include <QImage>
#include <QList>
#include <QSizeF>
#include <QString>
#include <QStringList>
#include <functional>
#include <memory>

namespace vb {

enum ScaleModes : int {
  vbUser = 0,
  vbTwips = 1,
  vbPoints = 2,
  vbPixels = 3,
  vbCharacters = 4,
  vbInches = 5,
  vbMillimeters = 6,
  vbCentimeters = 7
};
enum PrinterOrientation : int { vbPRORPortrait = 1, vbPRORLandscape = 2 };
enum LineStyle : int { LinePlain = 0, LineBox = 1, LineBoxFilled = 2 };

// The runtime's error numbers that the printer raises.
constexpr int FehlerDrucker = 482;           // printer error (no printer, a job that cannot start)
constexpr int FehlerEigenschaftswert = 380;  // invalid property value (a font it lacks, a size of 0)

struct PrinterFontSpec {
  QString name = QStringLiteral("Arial");
  double size = 10;
  bool bold = false;
  bool italic = false;
  bool underline = false;
  bool strikethru = false;
  bool operator==(const PrinterFontSpec&) const = default;
};

struct PrinterInfo {
  QString DeviceName;
  QString Port;
  QString DriverName;
};

// A point of an operation: from the printable corner in twips, and in the caller's scale at that time.
struct PrintPoint {
  double twipsX = 0, twipsY = 0;
  double x = 0, y = 0;
};

// The device work behind the printer object. Positions and sizes are in twips from the printable corner.
class PrinterBackend {
 public:
  virtual ~PrinterBackend() = default;
  virtual QList<PrinterInfo> printers() const = 0;
  // The printer the program starts with; "" when none is installed.
  virtual QString defaultPrinter() const = 0;
  // The printer that the next job prints on (a device name of printers()).
  virtual void selectPrinter(const QString& deviceName) = 0;
  // The fonts that the current printer offers.
  virtual QStringList fontNames() const = 0;
  // The spelling of a font the printer offers, matched without regard to case; "" when it has none.
  virtual QString fontName(const QString& name) const = 0;
  virtual QSizeF printableTwips(int orientation) const = 0;
  virtual double dpi() const = 0;
  virtual double textWidthTwips(const PrinterFontSpec& font, const QString& line) const = 0;
  virtual double lineHeightTwips(const PrinterFontSpec& font) const = 0;
  // false when the job cannot start (no printer, the print service refuses it).
  virtual bool startDoc(int orientation) = 0;
  virtual bool newPage(int orientation) = 0;
  virtual bool text(const PrintPoint& at, const PrinterFontSpec& font, long color, const QString& text) = 0;
  virtual bool line(const PrintPoint& from, const PrintPoint& to, long color, int style) = 0;
  virtual bool picture(const QImage& image, const PrintPoint& at, const PrintPoint& size) = 0;
  virtual bool endDoc() = 0;
  virtual void killDoc() = 0;
};

// The printer object. Operations that can fail answer false and leave the runtime's error number in
// Fehler() (482 printer error, 380 invalid property value); the others answer true.
class PrinterObject {
 public:
  explicit PrinterObject(std::unique_ptr<PrinterBackend> backend);
  ~PrinterObject();
  PrinterBackend& backend() const { return *backend_; }

  // Scale. Setting a mode from 1 to 7 puts ScaleLeft and ScaleTop at 0 and the unit of that mode;
  // setting ScaleLeft, ScaleTop, ScaleWidth or ScaleHeight makes the mode 0 (user) and keeps the rest.
  int ScaleMode() const { return scaleMode_; }
  bool setScaleMode(int mode);
  double ScaleLeft() const { return scaleLeft_; }
  void setScaleLeft(double v);
  double ScaleTop() const { return scaleTop_; }
  void setScaleTop(double v);
  double ScaleWidth() const;
  bool setScaleWidth(double v);
  double ScaleHeight() const;
  bool setScaleHeight(double v);
  double TwipsPerPixelX() const;
  double TwipsPerPixelY() const;

  double CurrentX() const;
  void setCurrentX(double x);
  double CurrentY() const;
  void setCurrentY(double y);

  // Font and colour. A font name the printer does not offer is refused (380) and the name stays; the
  // name reads back in the printer's spelling ("courier new" gives "Courier New").
  QString FontName() const { return font_.name; }
  bool setFontName(const QString& name);
  double FontSize() const { return font_.size; }
  bool setFontSize(double points);  // 0 < points <= 2160
  bool FontBold() const { return font_.bold; }
  void setFontBold(bool on) { font_.bold = on; }
  bool FontItalic() const { return font_.italic; }
  void setFontItalic(bool on) { font_.italic = on; }
  bool FontUnderline() const { return font_.underline; }
  void setFontUnderline(bool on) { font_.underline = on; }
  bool FontStrikethru() const { return font_.strikethru; }
  void setFontStrikethru(bool on) { font_.strikethru = on; }
  const PrinterFontSpec& font() const { return font_; }
  long ForeColor() const { return foreColor_; }
  void setForeColor(long color) { foreColor_ = color; }

  // Measures in scale units. Lines are separated by CR LF, CR or LF: the width is the widest line,
  // the height the number of lines times the line height (one line for an empty text).
  double TextWidth(const QString& text) const;
  double TextHeight(const QString& text) const;

  // The distance of the tab stops in twips (0.83 inch, about 2.1 cm), counted from the line's left edge:
  // the x last set, or the left edge of the coordinate space after a line break.
  static constexpr double kTabAbstand = 1200;

  // Prints the text at the current position; the position moves on by the text's width. A TAB moves it
  // to the next tab stop that lies at least a blank's width further on. A line break
  // inside the text (CR LF, CR or LF), and the line end when asked for, move the position to the left
  // edge of the coordinate space, one line height lower. A text whose line would reach below the
  // printable area starts a new page first, unless that rule is off (setSeitenwechsel). The first output
  // of a job starts the job. Positions left of or above the printable corner are printed as they are.
  bool Print(const QString& text = {}, bool lineEnd = true);
  // A line from (x1, y1) to (x2, y2), or a box with these corners; color -1 means ForeColor. The
  // current position moves to (x2, y2).
  bool Line(double x1, double y1, double x2, double y2, long color = -1, int style = LinePlain);
  // The picture stretched into the rectangle.
  bool PaintPicture(const QImage& picture, double x, double y, double width, double height);
  // Ends the page; the position goes to the top-left corner of the next one.
  bool NewPage();
  // Ends the job: its pages go to the printer. Without output nothing is printed.
  bool EndDoc();
  // Discards the job.
  void KillDoc();
  // The page of the job being printed (1 before the first output).
  int Page() const { return page_; }
  bool InJob() const { return inJob_; }
  // Whether Print starts a new page for a text below the printable area (on unless switched off). A
  // print of one fixed page switches it off: what lies below is lost at the paper edge.
  bool Seitenwechsel() const { return seitenwechsel_; }
  void setSeitenwechsel(bool an) { seitenwechsel_ = an; }

  int Orientation() const { return orientation_; }
  bool setOrientation(int orientation);  // 1 portrait, 2 landscape

  // The current printer ("" when none is installed).
  QString DeviceName() const { return device_.DeviceName; }
  QString Port() const { return device_.Port; }
  QString DriverName() const { return device_.DriverName; }
  int FontCount() const;
  QString Fonts(int index) const;

  // Makes the installed printer of that name the current one, as assigning an entry of the printers
  // collection did: an open job is ended, and the new printer starts with the standard font, scale and
  // orientation. false (482) when no printer has that name.
  bool setPrinter(const QString& deviceName);

  int Fehler() const { return fehler_; }
  // Forgets the last error, so that a caller can tell whether a series of steps failed.
  void FehlerLoeschen() { fehler_ = 0; }

 private:
  bool fail(int nummer);
  bool ensureJob();
  PrintPoint point(double twipsX, double twipsY) const;
  // The x in twips after a line's text, printed from x with tab stops counted from anfang.
  double nachText(const QString& zeile, double x, double anfang) const;
  double naechsterTab(double x, double anfang) const;
  double toTwipsX(double x) const;
  double toTwipsY(double y) const;
  void resetToDefaults();

  std::unique_ptr<PrinterBackend> backend_;
  PrinterInfo device_;
  int scaleMode_ = vbTwips;
  double scaleLeft_ = 0, scaleTop_ = 0;
  double unitX_ = 1, unitY_ = 1;  // scale units per twip
  double posX_ = 0, posY_ = 0;    // twips from the printable corner
  double tabAnfang_ = 0;          // twips: where the tab stops of the current line are counted from
  PrinterFontSpec font_;
  long foreColor_ = 0;
  int orientation_ = vbPRORPortrait;
  bool inJob_ = false;
  bool seitenwechsel_ = true;
  int page_ = 1;
  int fehler_ = 0;
};

// The program's printer and the installed printers, in the order the system reports them.
PrinterObject& Printer();
QList<PrinterInfo> Printers();

// Installs a back end (tests: a RecordingPrinter) and starts a fresh printer object on it; nullptr
// brings back Qt's printer.
void installPrinterBackend(std::unique_ptr<PrinterBackend> backend);
// The back end that the printer object starts on (the gui library registers Qt's printer).
void druckerStandardSetzen(std::function<std::unique_ptr<PrinterBackend>()> fabrik);

// Qt's printer: the printers of the system's print service, or PDF files. With a PDF target (set here,
// or the environment variable KARTULON_PDF) the list begins with the printer "PDF", which is then the
// default: a target that is a folder gets one new file per job; any other target is the file of the
// run's first job, and later jobs go to numbered files beside it ("Liste-002.pdf"), so that no job
// overwrites another's pages; a file takes its name only when its job is whole. Text is drawn in the
// free fonts that stand in for the Windows fonts (Fonts::familie).
class QtPrinterBackend : public PrinterBackend {
 public:
  explicit QtPrinterBackend(const QString& pdfTarget = {});
  ~QtPrinterBackend() override;
  QList<PrinterInfo> printers() const override;
  QString defaultPrinter() const override;
  void selectPrinter(const QString& deviceName) override;
  QStringList fontNames() const override;
  QString fontName(const QString& name) const override;
  QSizeF printableTwips(int orientation) const override;
  double dpi() const override;
  double textWidthTwips(const PrinterFontSpec& font, const QString& line) const override;
  double lineHeightTwips(const PrinterFontSpec& font) const override;
  bool startDoc(int orientation) override;
  bool newPage(int orientation) override;
  bool text(const PrintPoint& at, const PrinterFontSpec& font, long color, const QString& text) override;
  bool line(const PrintPoint& from, const PrintPoint& to, long color, int style) override;
  bool picture(const QImage& image, const PrintPoint& at, const PrintPoint& size) override;
  bool endDoc() override;
  void killDoc() override;
  // The file that the last PDF job wrote.
  QString lastPdfFile() const;

 private:
  struct Impl;
  std::unique_ptr<Impl> d_;
};

}  // namespace vb

// The recorder for tests lives in a header of its own; callers of the printer reach it through this one.
#include "platform/dienste/RecordingPrinter.h"
