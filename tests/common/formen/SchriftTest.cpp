#include "common/Schrift.h"
#include "platform/dienste/Printer.h"
#include "platform/kit/Controls.h"
#include "support/kern/TestUmgebung.h"

#include <QLabel>

using vb::Printer;

class SchriftTest : public KartulonTest {};

namespace {
// An object with a font name and nothing else.
class NurName : public vb::FontObject {
 public:
  std::optional<QString> fontName() const override { return name; }
  bool setFontName(const QString& n) override {
    name = n;
    return true;
  }
  QString name = QStringLiteral("Arial");
};
}  // namespace

TEST_F(SchriftTest, DescriptionHasSixFieldsEachWithItsSemicolon) {
  auto& p = Printer();
  p.setFontName(QStringLiteral("Arial"));
  p.setFontSize(10);
  p.setFontBold(true);
  EXPECT_EQ(SchriftAlsText(p), QStringLiteral("Arial;10;-1;0;0;0;"));

  // The size keeps its point under German settings too; colours are the runtime's numbers.
  QWidget w;
  vb::TextBox box(&w);
  QFont f(QStringLiteral("Courier New"));
  f.setPointSizeF(8.25);
  f.setItalic(true);
  f.setUnderline(true);
  box.setFont(f);
  box.setForeColor(QColor(255, 0, 0));
  EXPECT_EQ(SchriftAlsText(&box), QStringLiteral("Courier New;8.25;0;-1;-1;255;"));
  QLabel label(&w);
  QFont g(QStringLiteral("Times New Roman"));
  g.setPointSizeF(13.5);
  label.setFont(g);
  QPalette pal = label.palette();
  pal.setColor(label.foregroundRole(), QColor(255, 255, 255));
  label.setPalette(pal);
  EXPECT_EQ(SchriftAlsText(&label), QStringLiteral("Times New Roman;13.5;0;0;0;16777215;"));

  // A property the object lacks leaves its field empty; the fields keep their places.
  NurName n;
  EXPECT_EQ(SchriftAlsText(n), QStringLiteral("Arial;;;;;;"));
}

TEST_F(SchriftTest, ApplyingSetsNameSizeFlagsAndColourInTurn) {
  struct Fall {
    const char* beschreibung;
    const char* name;
    double groesse;
    bool fett, kursiv, unterstrichen;
    long farbe;
  } faelle[] = {
      {"Arial;8.25;0;0;0;0;", "Arial", 8.25, false, false, false, 0},
      {"Arial;8,25;0;0;0;0;", "Arial", 8, false, false, false, 0},          // a decimal comma ends the number
      {";12;0;0;0;255;", "Times New Roman", 12, false, false, false, 255},  // an empty name stays
      {"Courier New;", "Courier New", 20, true, true, true, 65280},         // a name alone
      {" Courier New ; 9 ; -1 ;1; 0 ; 16711680 ;", "Courier New", 9, true, true, false, 16711680},
      {"Arial;;;;;;", "Arial", 20, true, true, true, 65280},
      {"Arial;10;ja;x;0;rot;", "Arial", 10, true, true, false, 65280},  // texts that are no numbers are refused
      {"BenjaminGothic;11;0;0;0;0;", "Times New Roman", 11, false, false, false, 0},  // refused name, the rest applies
      {"Arial;0;0;0;0;&HFF;", "Arial", 20, false, false, false, 255},                 // size 0 refused; hex colour
  };
  auto& p = Printer();
  for (const Fall& f : faelle) {
    SCOPED_TRACE(f.beschreibung);
    p.setFontName(QStringLiteral("Times New Roman"));
    p.setFontSize(20);
    p.setFontBold(true);
    p.setFontItalic(true);
    p.setFontUnderline(true);
    p.setForeColor(65280);
    SchriftSetzen(p, QString::fromUtf8(f.beschreibung), QStringLiteral("Alles"));
    EXPECT_EQ(p.FontName(), QString::fromUtf8(f.name));
    EXPECT_DOUBLE_EQ(p.FontSize(), f.groesse);
    EXPECT_EQ(p.FontBold(), f.fett);
    EXPECT_EQ(p.FontItalic(), f.kursiv);
    EXPECT_EQ(p.FontUnderline(), f.unterstrichen);
    EXPECT_EQ(p.ForeColor(), f.farbe);
  }
}

TEST_F(SchriftTest, TheChoiceSelectsFontPartsOrColour) {
  struct Fall {
    const char* was;
    bool schrift, farbe;
  } faelle[] = {{"Alles", true, true},   {"", true, true},         {"farb", false, true},
                {"print", true, false},  {"Schrift", true, false}, {"Farbe und Schrift", true, true},
                {"nichts", false, false}};
  for (const Fall& f : faelle) {
    SCOPED_TRACE(f.was);
    QWidget w;
    vb::TextBox box(&w);
    QFont alt(QStringLiteral("Arial"));
    alt.setPointSizeF(10);
    box.setFont(alt);
    box.setForeColor(QColor(0, 0, 0));
    QString beschreibung = QStringLiteral("Courier New;12;-1;0;-1;255;");
    QString was = QString::fromUtf8(f.was);
    SchriftSetzen(&box, beschreibung, was);
    EXPECT_EQ(was, QString::fromUtf8(f.was).toLower());
    EXPECT_EQ(box.font().family(), f.schrift ? QStringLiteral("Courier New") : QStringLiteral("Arial"));
    EXPECT_EQ(box.font().pointSizeF(), f.schrift ? 12 : 10);
    EXPECT_EQ(box.font().bold(), f.schrift);
    EXPECT_EQ(box.font().underline(), f.schrift);
    EXPECT_EQ(box.ForeColor(), f.farbe ? QColor(255, 0, 0) : QColor(0, 0, 0));
  }
}

TEST_F(SchriftTest, TheDescriptionIsConsumed) {
  auto& p = Printer();
  QString beschreibung = QStringLiteral("Arial;10;0;0;0;0;Rest");
  QString was = QStringLiteral("ALLES");
  SchriftSetzen(p, beschreibung, was);
  EXPECT_EQ(beschreibung, QStringLiteral("Rest;;;;;;;;;;"));
  EXPECT_EQ(was, QStringLiteral("alles"));
  QString kurz = QStringLiteral("Arial;");
  SchriftSetzen(p, kurz);                    // "Alles" by default
  EXPECT_EQ(kurz, QStringLiteral(";;;;;"));  // ten added, six taken
}

TEST_F(SchriftTest, ADescriptionWrittenAndReadGivesTheSameFont) {
  QWidget w;
  vb::TextBox quelle(&w);
  QFont f(QStringLiteral("Times New Roman"));
  f.setPointSizeF(13.5);
  f.setBold(true);
  quelle.setFont(f);
  quelle.setForeColor(QColor(1, 2, 3));
  const QString text = SchriftAlsText(&quelle);
  SchriftSetzen(Printer(), text);
  EXPECT_EQ(SchriftAlsText(Printer()), text);
  vb::TextBox ziel(&w);
  SchriftSetzen(&ziel, text);
  EXPECT_EQ(SchriftAlsText(&ziel), text);

  // An object without a colour writes an empty colour field, and reading it back shifts nothing.
  NurName n;
  n.name = QStringLiteral("Courier New");
  SchriftSetzen(Printer(), SchriftAlsText(n));
  EXPECT_EQ(SchriftAlsText(Printer()), QStringLiteral("Courier New;13.5;-1;0;0;197121;"));
}
