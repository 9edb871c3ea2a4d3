// Qt's printer writes a real PDF file; poppler's pdftotext reads it back.
#include "platform/dienste/Printer.h"
#include "support/kern/TestUmgebung.h"

#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>

class PrinterPdfTest : public KartulonTest {
 protected:
  // pdftotext's output for the file (extra arguments before the file name).
  static QString pdftotext(const QString& datei, const QStringList& extra = {}) {
    QProcess p;
    p.start(QStringLiteral("pdftotext"), extra + QStringList{datei, QStringLiteral("-")});
    if (!p.waitForFinished(30000) || p.exitCode() != 0) return QStringLiteral("<pdftotext failed>");
    return QString::fromUtf8(p.readAllStandardOutput());
  }
};

TEST_F(PrinterPdfTest, APagePrintedThroughQtReadsBackFromThePdf) {
  const QString datei = tempPfad(QStringLiteral("druck.pdf"));
  auto qt = std::make_unique<vb::QtPrinterBackend>(datei);
  vb::QtPrinterBackend* backend = qt.get();
  vb::installPrinterBackend(std::move(qt));
  auto& p = vb::Printer();
  EXPECT_EQ(p.DeviceName(), QStringLiteral("PDF"));
  EXPECT_EQ(vb::Printers().first().Port, datei);

  ASSERT_TRUE(p.setScaleMode(vb::vbCentimeters));
  // A4 less the 5 mm border.
  EXPECT_NEAR(p.ScaleWidth(), 20.0, 0.03);
  EXPECT_NEAR(p.ScaleHeight(), 28.7, 0.03);
  ASSERT_TRUE(p.setFontName(QStringLiteral("Arial")));
  ASSERT_TRUE(p.setFontSize(12));
  // Arial's stand-in has Arial's widths: K .667, a .556, r .333, t .278, u .556, l .222, o .556, n .556
  // make "Kartulon" 3.724 em wide.
  EXPECT_NEAR(p.TextWidth(QStringLiteral("Kartulon")), 12 * 3.724 / 72 * 2.54, 0.005);
  p.setCurrentX(5);
  p.setCurrentY(3);
  ASSERT_TRUE(p.Print(QStringLiteral("Kartulon Probedruck")));
  ASSERT_TRUE(p.setFontName(QStringLiteral("Courier New")));
  p.setFontBold(true);
  ASSERT_TRUE(p.Print(QStringLiteral("Straße 12 · Köln")));
  ASSERT_TRUE(p.Line(1, 10, 19, 10));
  ASSERT_TRUE(p.NewPage());
  ASSERT_TRUE(p.Print(QStringLiteral("Seite zwei")));
  ASSERT_TRUE(p.EndDoc());

  ASSERT_EQ(backend->lastPdfFile(), datei);
  ASSERT_TRUE(QFileInfo::exists(datei));
  const QString text = pdftotext(datei);
  const QStringList seiten = text.split(u'\f');
  ASSERT_GE(seiten.size(), 2) << text.toStdString();
  EXPECT_TRUE(seiten[0].contains(QStringLiteral("Kartulon Probedruck"))) << text.toStdString();
  EXPECT_TRUE(seiten[0].contains(QStringLiteral("Straße 12 · Köln"))) << text.toStdString();
  EXPECT_TRUE(seiten[1].contains(QStringLiteral("Seite zwei"))) << text.toStdString();

  // The first word stands where it was put: 5 cm right of and 3 cm below the printable corner, which
  // lies 5 mm inside the paper (positions in points).
  const QString boxen = pdftotext(datei, {QStringLiteral("-bbox")});
  const QRegularExpression wort(QString::fromUtf8(R"re(xMin="([0-9.]+)" yMin="([0-9.]+)"[^>]*>Kartulon<)re"));
  const auto m = wort.match(boxen);
  ASSERT_TRUE(m.hasMatch()) << boxen.toStdString();
  EXPECT_NEAR(m.captured(1).toDouble(), 5.5 / 2.54 * 72, 1.5);
  EXPECT_NEAR(m.captured(2).toDouble(), 3.5 / 2.54 * 72, 3.0);
}

TEST_F(PrinterPdfTest, AKilledJobLeavesNoFileAndAFolderTargetNumbersTheJobs) {
  const QString ordner = tempPfad(QString());
  vb::installPrinterBackend(std::make_unique<vb::QtPrinterBackend>(ordner));
  auto& p = vb::Printer();
  const auto alles = [&] { return QDir(ordner).entryList(QDir::Files | QDir::Hidden); };
  p.Print(QStringLiteral("weg damit"));
  p.KillDoc();
  EXPECT_TRUE(alles().isEmpty()) << alles().join(u' ').toStdString();
  // A job takes its name only when it is whole: a folder watcher never reads half a PDF.
  p.Print(QStringLiteral("eins"));
  EXPECT_FALSE(QFileInfo::exists(ordner + QStringLiteral("/Kartulon-Druck-001.pdf")));
  p.EndDoc();
  EXPECT_EQ(alles(), QStringList{QStringLiteral("Kartulon-Druck-001.pdf")});
  p.Print(QStringLiteral("zwei"));
  p.EndDoc();
  EXPECT_TRUE(pdftotext(ordner + QStringLiteral("/Kartulon-Druck-001.pdf")).contains(QStringLiteral("eins")));
  EXPECT_TRUE(pdftotext(ordner + QStringLiteral("/Kartulon-Druck-002.pdf")).contains(QStringLiteral("zwei")));
}

// The pages of a list are one job each: a file target takes the run's first job, and every later one,
// also of a new back end, goes to a numbered file beside it instead of overwriting an earlier one.
TEST_F(PrinterPdfTest, AFileTargetKeepsEveryJobOfTheRunInNumberedFilesBesideIt) {
  const QString datei = tempPfad(QStringLiteral("Liste.pdf"));
  const struct {
    const char* text;
    const char* datei;
    bool neuerDrucker;
  } jobs[] = {{"eins", "Liste.pdf", true}, {"zwei", "Liste-002.pdf", false}, {"drei", "Liste-003.pdf", true}};
  for (const auto& j : jobs) {
    if (j.neuerDrucker) vb::installPrinterBackend(std::make_unique<vb::QtPrinterBackend>(datei));
    auto& p = vb::Printer();
    ASSERT_TRUE(p.Print(QString::fromLatin1(j.text)));
    ASSERT_TRUE(p.EndDoc());
  }
  for (const auto& j : jobs)
    EXPECT_TRUE(pdftotext(tempPfad(QString::fromLatin1(j.datei))).contains(QString::fromLatin1(j.text))) << j.datei;
}
