#include "common/Benutzer.h"
#include "common/Fehler.h"
#include "common/Fehlerbericht.h"
#include "common/Global.h"
#include "platform/dienste/Printer.h"
#include "support/kern/TestUmgebung.h"

#include <QDir>
#include <QFile>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QMap>
#include <QScreen>
#include <cmath>

using vb::Printer;
using Op = vb::RecordingPrinter::Op;

class FehlerberichtTest : public KartulonTest {
 protected:
  // The last job's page as lines from the top-left corner of the printable area: the text of every line
  // height (240 twips at 10 points), "" where nothing was printed, up to the last line with text.
  QStringList seite() {
    QMap<int, QString> zeilen;
    qsizetype start = 0;
    for (qsizetype i = 0; i < drucker().ops().size(); ++i)
      if (drucker().ops()[i].kind == vb::RecordingPrinter::StartDoc) start = i;
    for (const Op& o : drucker().ops().mid(start)) {
      if (o.kind != vb::RecordingPrinter::Text) continue;
      EXPECT_NEAR(o.at.twipsX, 0, 1e-9) << o.text.toStdString();
      EXPECT_EQ(o.font.name, QStringLiteral("Courier New"));
      EXPECT_DOUBLE_EQ(o.font.size, 10);
      const int nr = static_cast<int>(std::lround(o.at.twipsY / 240));
      EXPECT_NEAR(o.at.twipsY, nr * 240.0, 1e-9);
      zeilen[nr] += o.text;
    }
    QStringList s;
    for (int i = 0; !zeilen.isEmpty() && i <= zeilen.lastKey(); ++i) s.append(zeilen.value(i));
    return s;
  }
};

TEST_F(FehlerberichtTest, PrintsTheErrorTextAndTheFactsLineByLine) {
  DatenOrdner = QStringLiteral("/home/anna/Adressen");
  sysInfo().tiefe = 16;
  sysInfo().speicherWerte.physischGesamt = 8LL << 30;
  // One of the support files exists, so that its date shows.
  const QString datei = windowsOrdner() + QStringLiteral("/Comctl32.ocx");
  dateiSchreiben(datei, "x");
  {
    QFile f(datei);
    ASSERT_TRUE(f.open(QIODevice::ReadWrite));
    ASSERT_TRUE(f.setFileTime(QDateTime(QDate(1999, 12, 8), QTime(14, 3, 21)), QFileDevice::FileModificationTime));
  }

  FehlerDrucken(
      QStringLiteral("Es ist ein Fehler im Programm Kartulon aufgetreten.~~Es ist ein Fehler beim "
                     "Speichern aufgetreten.~~Datei nicht gefunden (53).~~Tip: Ist der Dateiname in "
                     "Ordnung?~~"));

  QSize pixel;
  if (const QScreen* s = QGuiApplication::primaryScreen()) pixel = s->size() * s->devicePixelRatio();
  QStringList erwartet = {
      "",
      "",
      "F E H L E R P R O T O K O L L",
      "=============================",
      "",
      "Es ist ein Fehler im Programm Kartulon aufgetreten.",
      "",
      "Es ist ein Fehler beim Speichern aufgetreten.",
      "",
      "Datei nicht gefunden (53).",
      "",
      "Tip: Ist der Dateiname in Ordnung?",
      "",
      "",
      "",
      "Datum:      10.12.2026 12:00:00 · 10.Dezember.2026 Donnerstag · (true)",
      "User:       " + BenutzerName(),
      "Programm:   Kartulon",
      "Version:    1.00.0001",
      "Prg-Ordner: " + programmOrdner(),
      "Dat-Ordner: /home/anna/Adressen",
      "Akt-Ordner: " + QDir::currentPath(),
      "Num.Format: 3333,333  3.333,3",
      QStringLiteral("Fonts:      %1 Scr  4 Prn").arg(QFontDatabase::families().size()),
      "CPU:        Testprozessor",
      "RAM:        8193 MB",  // 8192 MB, plus 0.5, rounded
      QStringLiteral("Video:      %1 x %2 Pixel, 16-Bit Farbe").arg(pixel.width()).arg(pixel.height()),
      "Drucker:    Testdrucker",
      "",
  };
  for (const char* name :
       {"Asycfilt.dll", "Comcat.dll", "Comctl32.ocx", "Comctl32.dll", "Comdlg32.ocx", "Ctl3d32.dll", "Msacal70.ocx",
        "Mscal.ocx", "Mscomm32.ocx", "Msflxgrd.ocx", "Msmask32.ocx", "Msvbvm50.dll", "Msvbvm60.dll", "Oleaut32.dll",
        "Olepro32.dll", "Dezu32.dll", "Stdole2.tlb", "Tabctl32.ocx"}) {
    QString z = (windowsOrdner() + u'/' + QString::fromLatin1(name)).leftJustified(35, u' ', true);
    if (QString::fromLatin1(name) == u"Comctl32.ocx") z += QStringLiteral("08.12.1999 14:03:21");
    erwartet.append(z);
  }
  const QStringList gedruckt = seite();
  ASSERT_EQ(gedruckt.size(), erwartet.size());
  for (qsizetype i = 0; i < erwartet.size(); ++i) EXPECT_EQ(gedruckt[i], erwartet[i]) << "line " << i;

  // One job of one page, ended, with the empty last line.
  EXPECT_EQ(drucker().ops().first().kind, vb::RecordingPrinter::StartDoc);
  EXPECT_EQ(drucker().ops().last().kind, vb::RecordingPrinter::EndDoc);
  EXPECT_EQ(drucker().jobsEnded(), 1);
  EXPECT_DOUBLE_EQ(Printer().CurrentY(), 0);
}

TEST_F(FehlerberichtTest, StartsOnAFreshPageAfterAnOpenJobAndShowsTheSystemsSeparators) {
  auto& p = Printer();
  p.setScaleMode(vb::vbCentimeters);
  p.setScaleLeft(-1);
  p.setFontBold(true);
  p.setCurrentY(12);
  p.Print(QStringLiteral("halbe Liste"));
  sysInfo().regional.dezimalzeichen = QStringLiteral(".");
  sysInfo().regional.gruppenzeichen = QStringLiteral("'");

  FehlerDrucken(QStringLiteral("Kurz~~"));

  EXPECT_EQ(drucker().jobsEnded(), 2);  // the open job was ended, the report is a job of its own
  const QStringList s = seite();
  EXPECT_EQ(s.at(2), QStringLiteral("F E H L E R P R O T O K O L L"));
  EXPECT_TRUE(s.contains(QStringLiteral("Num.Format: 3333.333  3'333.3")));
  for (const Op& o : drucker().texts()) EXPECT_EQ(o.font.bold, o.text == u"halbe Liste") << o.text.toStdString();
  // A caller that goes on prints with its own scale and font.
  EXPECT_EQ(p.ScaleMode(), vb::vbUser);
  EXPECT_DOUBLE_EQ(p.ScaleLeft(), -1);
  EXPECT_NEAR(p.ScaleWidth(), 20.32, 1e-9);
  EXPECT_EQ(p.FontName(), QStringLiteral("Arial"));
  EXPECT_TRUE(p.FontBold());
}

TEST_F(FehlerberichtTest, WithoutAPrinterNothingHappens) {
  drucker().setFailing(true);
  FehlerDrucken(QStringLiteral("Es ist ein Fehler aufgetreten.~~"));
  EXPECT_TRUE(drucker().ops().isEmpty());
  EXPECT_TRUE(dialoge().requests().isEmpty());  // the report never reports errors itself
}

TEST_F(FehlerberichtTest, ColoursMemoryAndProcessor) {
  for (const auto& [bits, anzahl] :
       {std::pair{1, 16.0f}, {2, 16.0f}, {3, 16.0f}, {4, 16.0f}, {8, 256.0f}, {16, 65536.0f}, {24, 16777216.0f}})
    EXPECT_EQ(FarbAnzahlAusBits(bits), anzahl) << bits;
  sysInfo().tiefe = 24;
  EXPECT_EQ(FarbtiefeBits(), 24);
  EXPECT_EQ(FarbAnzahl(), 16777216.0f);
  sysInfo().tiefe = 0;  // no display to ask
  EXPECT_EQ(FarbtiefeBits(), 32);
  EXPECT_EQ(FarbAnzahl(), 4294967295.0f);

  sysInfo().speicherWerte.physischGesamt = 6LL << 30;  // above 4 GB: no wrap
  sysInfo().speicherWerte.physischFrei = 5LL << 30;
  EXPECT_EQ(SpeicherGroesse(1), 6LL << 30);
  EXPECT_EQ(SpeicherGroesse(-3), 6LL << 30);
  EXPECT_EQ(SpeicherGroesse(0), 5LL << 30);

  // A little over 95 MB prints as 96 MB.
  sysInfo().speicherWerte.physischGesamt = 95 * 1048576LL + 10000;
  FehlerDrucken(QString());
  EXPECT_TRUE(seite().contains(QStringLiteral("RAM:        96 MB")));

  const struct {
    long typ;
    const char* name;
  } typen[] = {{586, "Pentium"},     {486, "486"},     {386, "386"},
               {4000, "MIPS R3000"}, {860, "PPC 604"}, {21064, "ALPHA 21064"},
               {601, "PPC 601"},     {2, ""},          {0, ""}};
  for (const auto& t : typen) EXPECT_EQ(ProzessorNameAusTyp(t.typ), QString::fromLatin1(t.name)) << t.typ;
  EXPECT_EQ(ProzessorName(), QStringLiteral("Testprozessor"));
  sysInfo().prozessorWerte.name.clear();
  EXPECT_EQ(ProzessorName(), QStringLiteral("x86_64"));
}

TEST_F(FehlerberichtTest, VersionTexts) {
  EXPECT_EQ(VersionText({3, 2, 17}), QStringLiteral("3.020017"));
  EXPECT_EQ(ProgrammVersion, QStringLiteral("3.020017"));
  EXPECT_FLOAT_EQ(ProgrammVersionZahl, 3.020017f);
  EXPECT_EQ(VersionMitPunkten({3, 2, 17}), QStringLiteral("3.02.0017"));
  EXPECT_EQ(VersionText({12, 10, 0}), QStringLiteral("12.100000"));
  // This build.
  EXPECT_EQ(VersionText(), QStringLiteral("1.000001"));
  EXPECT_FLOAT_EQ(ProgrammVersionZahl, 1.000001f);
}

TEST_F(FehlerberichtTest, WindowsVersionTexts) {
  const struct {
    WindowsVersionsDaten d;
    const char* text;
  } faelle[] = {
      {{1, 4, 10, 2222, QStringLiteral("A")}, "98 a 4.10.2222"},
      {{1, 4, 10, 2222, QString()}, "98  4.10.2222"},
      {{1, 4, 0, 950, QString()}, "95  4.00.0950"},
      {{1, 4, 90, 3000, QStringLiteral(" B ")}, "98 b 4.90.3000"},
      {{1, 4, 10, 0x040A08AE, QString()}, "98  4.10.2222"},  // only the low 16 bits of the build
      {{2, 4, 0, 1381, QStringLiteral("Service Pack 6")}, "NT service pack 6 4.00.1381"},
      {{2, 5, 0, 70000, QString()}, "NT  5.00.70000"},
      {{0, 3, 11, 0, QStringLiteral("X\u0000Rest")}, "3.1 Win32s x 3.11.0000"},
      {{3, 6, 0, 1, QString()}, " 6.00.0001"},
  };
  for (const auto& f : faelle) EXPECT_EQ(WindowsVersionAus(f.d), QString::fromUtf8(f.text)) << f.text;
  // Linux answers with its own name.
  EXPECT_TRUE(WindowsVersion().contains(QSysInfo::kernelVersion()));
}

TEST_F(FehlerberichtTest, CopyrightYearsStartIn1994) {
  const struct {
    const char* text;
    const char* ergebnis;
  } faelle[] = {
      {"Copyright © 2026 Sorvek", "Copyright © 1994-2026 Sorvek"},
      {"Copyright © 1994-2026 Sorvek", "Copyright © 1994-2026 Sorvek"},
      {"(c) 2026 Sorvek", "(c) 2026 Sorvek"},
      {"Kartulon Copyright © 2026", "Kartulon Copyright © 1994-2026"},  // text before the marker stays
      {"Copyright © ", "Copyright © 1994-"},
  };
  for (const auto& f : faelle) {
    const QString text = QString::fromUtf8(f.text);
    EXPECT_EQ(CopyrightJahre(text), QString::fromUtf8(f.ergebnis)) << f.text;
  }
}

TEST_F(FehlerberichtTest, AnsweringJaInTheErrorBoxPrintsTheReport) {
  dialoge().answer(vb::vbYes);
  EXPECT_EQ(FehlerMelden(482, QStringLiteral("Es ist ein Fehler beim Drucken aufgetreten.")), 5);
  ASSERT_EQ(drucker().jobsEnded(), 1);
  const QStringList s = seite();
  ASSERT_GE(s.size(), 14);
  EXPECT_EQ(s.at(5), QStringLiteral("Es ist ein Fehler im Programm Kartulon aufgetreten."));
  EXPECT_EQ(s.at(7), QStringLiteral("Es ist ein Fehler beim Drucken aufgetreten."));
  EXPECT_EQ(s.at(9), FehlerText(482) + QStringLiteral(" (482)."));
  EXPECT_EQ(s.at(11), QStringLiteral("Tip: Ist der Drucker angeschaltet?"));
  EXPECT_FALSE(s.join(u'\n').contains(QStringLiteral("ausdrucken")));  // the question is not printed

  // Nein prints nothing.
  drucker().clear();
  dialoge().answer(vb::vbNo);
  EXPECT_EQ(FehlerMelden(53, QStringLiteral("x")), 5);
  EXPECT_TRUE(drucker().ops().isEmpty());
}
