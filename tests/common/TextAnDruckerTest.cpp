#include "common/TextAnDrucker.h"
#include "platform/dienste/Printer.h"
#include "platform/vb/Clock.h"
#include "support/kern/TestUmgebung.h"

using vb::Printer;
using Op = vb::RecordingPrinter::Op;

// The recorder's metrics at 10 points: a character is 120 twips wide, a line 240 twips high.
class TextImRahmenTest : public KartulonTest {
 public:
  // The printed texts with their places (x, y in the printer's scale).
  struct Stueck {
    QString text;
    double x, y;
    bool operator==(const Stueck&) const = default;
  };

 protected:
  void SetUp() override {
    KartulonTest::SetUp();
    Printer().setFontName(QStringLiteral("Courier New"));
    Printer().setFontSize(10);
  }
  // Prints into the box and returns the result; the text variable is kept for the test to look at.
  QString drucken(const QString& text, double left, double top, double right, double bottom) {
    rest_ = text;
    right_ = right;
    bottom_ = bottom;
    return TextImRahmenDrucken(rest_, left, top, right_, bottom_);
  }
  QList<Stueck> gedruckt() {
    QList<Stueck> s;
    for (const Op& o : drucker().texts()) s.append({o.text, o.at.x, o.at.y});
    return s;
  }
  QString rest_;
  double right_ = 0, bottom_ = 0;
};

void PrintTo(const QList<TextImRahmenTest::Stueck>& l, std::ostream* os) {
  for (const auto& s : l) *os << "[" << s.text.toStdString() << " @" << s.x << "," << s.y << "] ";
}

TEST_F(TextImRahmenTest, BreaksLinesBetweenWordsAfterBlanksHyphensAndLineBreaks) {
  struct Fall {
    const char* name;
    QString text;
    double right;
    QList<Stueck> erwartet;
  } faelle[] = {
      // "Hallo " ends at 1720; "Welt" + two blanks reaches 2440.
      {"both words fit", QStringLiteral("Hallo Welt"), 5000, {{"Hallo ", 1000, 1000}, {"Welt", 1720, 1000}}},
      {"second word to the next line at left",
       QStringLiteral("Hallo Welt"),
       2440,
       {{"Hallo ", 1000, 1000}, {"Welt", 1000, 1240}}},
      {"break after the hyphen",
       QStringLiteral("Kaffee-Maschine"),
       3000,
       {{"Kaffee-", 1000, 1000}, {"Maschine", 1000, 1240}}},
      // The CR goes to the printer with its word; the LF never does; the next line starts at left.
      {"CR LF starts a line",
       QStringLiteral("Zeile1\r\nZeile2"),
       8000,
       {{"Zeile1", 1000, 1000}, {"Zeile2", 1000, 1240}}},
      // A lone LF joins the characters on both sides into one word.
      {"a lone LF joins", QStringLiteral("ab\ncd ef"), 8000, {{"abcd ", 1000, 1000}, {"ef", 1600, 1000}}},
      // A word wider than the box runs past it, after an empty line.
      {"a word wider than the box",
       QStringLiteral("Donaudampfschifffahrt"),
       2000,
       {{"Donaudampfschifffahrt", 1000, 1240}}},
  };
  for (const Fall& f : faelle) {
    SCOPED_TRACE(f.name);
    drucker().clear();
    EXPECT_EQ(drucken(f.text, 1000, 1000, f.right, 8000), QString());
    EXPECT_EQ(rest_, QString());
    EXPECT_EQ(gedruckt(), f.erwartet);
  }
}

TEST_F(TextImRahmenTest, StopsAtTheBottomAndReturnsTheRestFromTheWordThatDidNotFit) {
  // "aa " and "bb " fill the first line (right 1000); "cc " needs a second one, whose y + 1.5 line
  // heights (240 + 360) reaches the bottom 500.
  EXPECT_EQ(drucken(QStringLiteral("aa bb cc dd ee"), 0, 0, 1000, 500), QStringLiteral("cc dd ee"));
  EXPECT_EQ(rest_, QStringLiteral("dd ee"));  // what followed the last word taken
  EXPECT_EQ(gedruckt(), (QList<Stueck>{{"aa ", 0, 0}, {"bb ", 360, 0}}));
  EXPECT_DOUBLE_EQ(Printer().CurrentY(), 240);  // the line was ended before the stop

  // The rest begins with the word that did not fit, with its break character; the first line ends at
  // the CR, and the second line is too low.
  const struct {
    QString text, ergebnis, rest;
  } faelle[] = {
      {QStringLiteral("aa\r\nbb cc"), QStringLiteral("bb cc"), QStringLiteral("cc")},
      {QStringLiteral("aa\r\nbb-cc"), QStringLiteral("bb-cc"), QStringLiteral("cc")},
      {QStringLiteral("aa\r\nbb\r\ncc"), QStringLiteral("bb\r\ncc"), QStringLiteral("\ncc")},
  };
  for (const auto& f : faelle) {
    drucker().clear();
    EXPECT_EQ(drucken(f.text, 0, 0, 8000, 500), f.ergebnis);
    EXPECT_EQ(rest_, f.rest);
    EXPECT_EQ(gedruckt(), (QList<Stueck>{{"aa", 0, 0}}));
  }
}

TEST_F(TextImRahmenTest, ABoxTooLowForOneLinePrintsNothingAndReturnsTheText) {
  EXPECT_EQ(drucken(QStringLiteral("\nAbc def"), 1000, 1000, 5000, 1300), QStringLiteral("Abc def"));
  EXPECT_EQ(rest_, QStringLiteral("def"));
  EXPECT_TRUE(drucker().texts().isEmpty());
  // So a caller that tries again on a new page must stop when a page gave back all it was given.
}

TEST_F(TextImRahmenTest, MeasuringGivesTheRestThatPrintingWouldAndPrintsNothing) {
  const struct {
    const char* name;
    QString text;
    double left, top, right, bottom;
  } faelle[] = {
      {"fits", QStringLiteral("Hallo Welt"), 1000, 1000, 5000, 8000},
      {"wraps and stops", QStringLiteral("aa bb cc dd ee ff gg"), 0, 0, 1000, 1000},
      {"lines by CR, the last too low", QStringLiteral("aa\r\nbb\r\ncc\r\ndd"), 0, 0, 8000, 1000},
      {"from the current position, open edges", QStringLiteral("eins zwei\r\ndrei vier-fünf sechs"), -1, -1, -1, -1},
      {"negative left: lines at the coordinate space's edge", QStringLiteral("aa\r\nbb cc dd"), -1, 2000, 1500, 3000},
      {"too low for one line", QStringLiteral("Abc def"), 1000, 1000, 5000, 1300},
  };
  for (const auto& f : faelle) {
    SCOPED_TRACE(f.name);
    // A shifted scale as with margins, and a position that the open edges start from.
    Printer().setScaleLeft(-500);
    Printer().setScaleTop(-300);
    Printer().setCurrentX(200);
    Printer().setCurrentY(15000);
    drucker().clear();
    const QString gemessen = TextImRahmenMessen(f.text, f.left, f.top, f.right, f.bottom);
    EXPECT_TRUE(drucker().ops().isEmpty());
    EXPECT_DOUBLE_EQ(Printer().CurrentX(), 200);
    EXPECT_DOUBLE_EQ(Printer().CurrentY(), 15000);
    EXPECT_EQ(gemessen, drucken(f.text, f.left, f.top, f.right, f.bottom));
  }
}

TEST_F(TextImRahmenTest, OpenEdgesBecomeThePageAndAreWrittenBack) {
  Printer().setCurrentX(300);
  Printer().setCurrentY(700);
  EXPECT_EQ(drucken(QStringLiteral("a b"), -1, -1, -1, -1), QString());
  EXPECT_DOUBLE_EQ(right_, 11520 - 1);
  EXPECT_DOUBLE_EQ(bottom_, 16200 - 2 * 240);
  EXPECT_EQ(gedruckt(), (QList<Stueck>{{"a ", 300, 700}, {"b", 540, 700}}));

  // A right edge not right of left, or a bottom not below top, takes the page as well.
  drucken(QStringLiteral("x"), 2000, 3000, 2000, 2500);
  EXPECT_DOUBLE_EQ(right_, 11519);
  EXPECT_DOUBLE_EQ(bottom_, 15720);

  // In centimetres the edges are centimetres: the page less 1 cm, less two "Ay" heights.
  Printer().setScaleMode(vb::vbCentimeters);
  drucken(QStringLiteral("x"), 1, 1, -1, -1);
  EXPECT_NEAR(right_, 20.32 - 1, 1e-9);
  EXPECT_NEAR(bottom_, 28.575 - 2 * 240 * 2.54 / 1440, 1e-9);
  // With the origin moved by margins the edges stay those of the page.
  Printer().setScaleLeft(-2);
  Printer().setScaleTop(-1.5);
  drucken(QStringLiteral("x"), 1, 1, -1, -1);
  EXPECT_NEAR(right_, -2 + 20.32 - 1, 1e-9);
  EXPECT_NEAR(bottom_, -1.5 + 28.575 - 2 * 240 * 2.54 / 1440, 1e-9);
}

TEST_F(TextImRahmenTest, WithANegativeLeftFurtherLinesStartAtTheLeftEdgeOfTheCoordinateSpace) {
  Printer().setScaleMode(vb::vbCentimeters);
  Printer().setScaleLeft(-0.5);
  Printer().setCurrentX(3);
  const double zeile = 240 * 2.54 / 1440;
  const double zeichen = 120 * 2.54 / 1440;
  // "Anna " from 3 cm; "Meier" does not fit below 4.5 cm and starts the next line at -0.5.
  EXPECT_EQ(drucken(QStringLiteral("Anna Meier"), -1, 1, 4.5, 10), QString());
  const QList<Op> t = drucker().texts();
  ASSERT_EQ(t.size(), 2);
  EXPECT_DOUBLE_EQ(t[0].at.x, 3);
  EXPECT_NEAR(t[1].at.x, -0.5, 1e-9);
  EXPECT_NEAR(t[1].at.y, 1 + zeile, 1e-9);
  EXPECT_NEAR(Printer().CurrentX(), -0.5 + 5 * zeichen, 1e-9);

  // So too after a CR, with a margin wider than 1 cm.
  drucker().clear();
  Printer().setScaleLeft(-2);
  EXPECT_EQ(drucken(QStringLiteral("Anna\r\nMeier"), -1, 1, 10, 10), QString());
  ASSERT_EQ(drucker().texts().size(), 2);
  EXPECT_NEAR(drucker().texts()[1].at.x, -2, 1e-9);
}

TEST_F(TextImRahmenTest, AnEmptyTextPrintsNothingButStillTestsTheWidth) {
  Printer().setCurrentX(4800);  // within two blanks (240) of the right edge
  EXPECT_EQ(drucken(QString(), -1, 1000, 5000, 8000), QString());
  EXPECT_TRUE(drucker().texts().isEmpty());
  EXPECT_DOUBLE_EQ(Printer().CurrentY(), 1240);  // the line was ended
  Printer().setCurrentX(0);
  EXPECT_EQ(drucken(QString(), -1, 2000, 5000, 8000), QString());
  EXPECT_DOUBLE_EQ(Printer().CurrentY(), 2000);
}

TEST_F(TextImRahmenTest, APrinterErrorIsReportedOnceAndTheAnswerDecides) {
  drucker().setFailing(true);
  dialoge().answer(vb::vbNo);  // Nein: go on
  EXPECT_EQ(drucken(QStringLiteral("eins zwei drei"), 0, 0, 8000, 8000), QString());
  EXPECT_EQ(rest_, QString());
  ASSERT_EQ(dialoge().requests().size(), 1);
  EXPECT_TRUE(dialoge().requests()[0].text.contains(QStringLiteral("Fehler bei der Textformatierung.")));

  dialoge().clear();
  dialoge().answer(vb::vbCancel);  // Abbrechen: leave at once, without a rest
  EXPECT_EQ(drucken(QStringLiteral("eins zwei drei"), 0, 0, 8000, 8000), QString());
  EXPECT_EQ(rest_, QStringLiteral("zwei drei"));
  EXPECT_EQ(dialoge().requests().size(), 1);
}

// ---------------------------------------------------------------------------------------------------
class FusszeileTest : public KartulonTest {
 protected:
  void fusszeileSetzen(const QByteArray& wert) {
    dateiSchreiben(windowsOrdner() + QStringLiteral("/Zedured.ini"), "[Kartulon]\r\nFusszeile=" + wert + "\r\n");
  }
};

TEST_F(FusszeileTest, PrintsNameVersionAndDateTwoAndAHalfLinesAboveTheBottom) {
  auto& p = Printer();
  p.setFontName(QStringLiteral("Times New Roman"));
  p.setFontSize(14);
  p.setFontBold(true);
  FusszeileDrucken(0);
  const QList<Op> t = drucker().texts();
  ASSERT_EQ(t.size(), 1);
  EXPECT_EQ(t[0].text, QStringLiteral("Kartulon 1 · Ausdruck vom 10.12.2026"));
  EXPECT_EQ(t[0].font.name, QStringLiteral("Arial"));
  EXPECT_DOUBLE_EQ(t[0].font.size, 6);
  EXPECT_FALSE(t[0].font.bold);
  EXPECT_TRUE(t[0].font.italic);
  EXPECT_DOUBLE_EQ(t[0].at.x, 0);
  EXPECT_DOUBLE_EQ(t[0].at.y, 16200 - 2.5 * 144);  // a line is 144 twips at 6 points
  EXPECT_FALSE(p.FontItalic());
  EXPECT_EQ(p.FontName(), QStringLiteral("Arial"));
}

TEST_F(FusszeileTest, SitsAtTheBottomWhateverTheScaleAndShowsTheDayOfPrinting) {
  auto& p = Printer();
  p.setScaleMode(vb::vbCentimeters);
  p.setScaleTop(-1.2);
  p.setScaleLeft(-0.8);
  Clock::setFixed(QDateTime(QDate(2027, 1, 4), QTime(8, 0)));
  FusszeileDrucken(2.5);
  const Op t = drucker().texts().at(0);
  EXPECT_EQ(t.text, QStringLiteral("Kartulon 1 · Ausdruck vom 04.01.2027"));
  EXPECT_DOUBLE_EQ(t.at.x, 2.5);
  EXPECT_NEAR(t.at.y, -1.2 + 28.575 - 2.5 * 144 * 2.54 / 1440, 1e-9);
  EXPECT_NEAR(t.at.twipsY, 16200 - 360, 1e-9);  // the same place on the page
}

TEST_F(FusszeileTest, OnlyTheValueZeroSwitchesTheTextOff) {
  for (const char* wert : {"1", "", "nein", "00"}) {
    SCOPED_TRACE(wert);
    fusszeileSetzen(wert);
    drucker().clear();
    FusszeileDrucken(0);
    ASSERT_EQ(drucker().texts().size(), 1);
  }
  fusszeileSetzen("0");
  drucker().clear();
  auto& p = Printer();
  p.setFontItalic(false);
  p.setFontBold(true);
  FusszeileDrucken(500);
  EXPECT_TRUE(drucker().texts().isEmpty());
  EXPECT_EQ(p.FontName(), QStringLiteral("Arial"));
  EXPECT_DOUBLE_EQ(p.FontSize(), 6);
  EXPECT_FALSE(p.FontBold());
  EXPECT_FALSE(p.FontItalic());
  EXPECT_DOUBLE_EQ(p.CurrentX(), 500);
  EXPECT_DOUBLE_EQ(p.CurrentY(), 16200 - 360);
}
