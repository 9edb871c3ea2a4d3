// One envelope through Qt's printer into a PDF folder: the text reads back, and the rendered page shows
// the sender in the upper left and the address in the lower right of the envelope's frame.
#include "platform/dienste/FontObject.h"
#include "platform/dienste/Printer.h"
#include "printing/Umschlagdruck.h"
#include "support/kern/TestUmgebung.h"

#include <QDir>
#include <QImage>
#include <QProcess>

using namespace Qt::Literals::StringLiterals;

namespace {

struct Arial : vb::FontObject {
  double groesse;
  explicit Arial(double g) : groesse(g) {}
  std::optional<QString> fontName() const override { return u"Arial"_s; }
  std::optional<double> fontSize() const override { return groesse; }
  std::optional<long> foreColor() const override { return 0; }
};

QByteArray laufen(const QString& programm, const QStringList& argumente) {
  QProcess p;
  p.start(programm, argumente);
  if (!p.waitForFinished(60000) || p.exitCode() != 0) return "<" + programm.toUtf8() + " failed>";
  return p.readAllStandardOutput();
}

class UmschlagPdfTest : public KartulonTest {};

TEST_F(UmschlagPdfTest, SenderAndAddressReadBackAndLieInTheirPartsOfTheFrame) {
  const QString ordner = tempPfad(u"pdf"_s);
  QDir().mkpath(ordner);
  auto qt = std::make_unique<vb::QtPrinterBackend>(ordner);
  vb::QtPrinterBackend* backend = qt.get();
  vb::installPrinterBackend(std::move(qt));

  Umschlagauftrag a;
  a.format = UmschlagFormate().at(1);  // C6: 16.2 x 11.4 cm
  a.absender = u"Erika Ems\r\nWeg 1"_s;
  a.anschrift = u"Herrn Otto Adler\r\nGasse 7\r\n12345 Ahlen"_s;
  ASSERT_TRUE(UmschlagDrucken(a, Arial(10), Arial(14)));
  const QString datei = backend->lastPdfFile();
  ASSERT_TRUE(datei.startsWith(ordner)) << datei.toStdString();

  const QString text = QString::fromUtf8(laufen(u"pdftotext"_s, {datei, u"-"_s}));
  for (const QString& s : {u"Erika Ems"_s, u"Weg 1"_s, u"Herrn Otto Adler"_s, u"Gasse 7"_s, u"12345 Ahlen"_s})
    EXPECT_TRUE(text.contains(s)) << text.toStdString();

  // 72 dots per inch; the printable corner lies 5 mm inside the paper.
  constexpr double kPunkteProCm = 72 / 2.54;
  ASSERT_EQ(laufen(u"pdftoppm"_s, {u"-r"_s, u"72"_s, u"-gray"_s, u"-singlefile"_s, datei, ordner + u"/seite"_s}),
            QByteArray());
  const QImage seite(ordner + u"/seite.pgm"_s);
  ASSERT_FALSE(seite.isNull());
  const auto cm = [&](int punkte) { return punkte / kPunkteProCm - 0.5; };
  int oben = 0, unten = 0;
  for (int y = 0; y < seite.height(); ++y)
    for (int x = 0; x < seite.width(); ++x) {
      if (qGray(seite.pixel(x, y)) > 128) continue;
      const double px = cm(x), py = cm(y);
      // Nothing outside the envelope's frame.
      ASSERT_TRUE(px > -0.1 && px < 16.2 && py > -0.1 && py < 11.4) << px << " " << py;
      if (py < 4.56) {
        ++oben;
        EXPECT_LT(px, 16.2 * 0.5) << py;
      } else {
        ++unten;
        EXPECT_GT(px, 16.2 / 2.5 - 0.05) << py;
      }
    }
  EXPECT_GT(oben, 50);
  EXPECT_GT(unten, 100);
}

}  // namespace
