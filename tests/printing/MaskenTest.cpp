// Mask files, their font keys and the editor's position text; the presets' list entries.
#include "common/Global.h"
#include "printing/Druckvorgaben.h"
#include "printing/Masken.h"
#include "support/kern/TestUmgebung.h"

#include <QDir>

TEST(MaskenPosition, PanelAndTooltipFollowTheCaret) {
  struct Fall {
    const char* text;
    int selStart;
    const char* panel;
    const char* tipp;
  };
  const Fall faelle[] = {
      {"", 0, "keine Eingaben", "keine Eingaben"},
      // The caret after the last character stands one beyond the length.
      {"Abc", 3, " 1 Zeile  4 / 3 Zeichen ", "1. Absatz   4 / 3 Zeichen"},
      {"Abc", 0, " 1 Zeile  1 / 3 Zeichen ", "1. Absatz   1 / 3 Zeichen"},
      // A line break counts two; the caret between its CR and LF is still on the first line.
      {"A\r\nB", 1, " 1 Zeile  2 / 4 Zeichen ", "1. Absatz   2 / 4 Zeichen"},
      {"A\r\nB", 2, " 2 Zeile  3 / 4 Zeichen ", "2. Absatz   3 / 4 Zeichen"},
      {"A\r\n\r\nB\r\n", 8, " 4 Zeile  9 / 8 Zeichen ", "4. Absatz   9 / 8 Zeichen"},
  };
  for (const Fall& f : faelle) {
    SCOPED_TRACE(f.text);
    const MaskenPosition p = MaskenPositionText(QString::fromLatin1(f.text), f.selStart);
    EXPECT_EQ(p.text, QString::fromLatin1(f.panel));
    EXPECT_EQ(p.tipp, QString::fromLatin1(f.tipp));
  }
}

TEST(MaskenSchluessel, IsTheNameUpToItsFirstDotInCapitals) {
  EXPECT_EQ(MaskenSchluessel(QStringLiteral("/m/Brief.Msk")), QStringLiteral("BRIEF"));
  EXPECT_EQ(MaskenSchluessel(QStringLiteral("/m/Brief.v2.Msk")), QStringLiteral("BRIEF"));
  EXPECT_EQ(MaskenSchluessel(QString::fromUtf16(u"/m.x/straße.msk")), QString::fromUtf16(u"STRAßE"));
}

class MaskenDateiTest : public KartulonTest {
 protected:
  void SetUp() override {
    KartulonTest::SetUp();
    MaskenOrdner = tempPfad(QStringLiteral("masken"));
    QDir().mkpath(MaskenOrdner);
  }
};

TEST_F(MaskenDateiTest, ReadJoinsEveryLineWithCrLfAndWriteKeepsTheText) {
  struct Fall {
    QByteArray datei;
    QString text;
  };
  const Fall faelle[] = {
      {"{Vorname}\r\n{Stra\xdf"
       "e}",
       QString::fromUtf16(u"{Vorname}\r\n{Straße}\r\n")},
      {"A\r\nB\r\n", QStringLiteral("A\r\nB\r\n")},
      {"A\nB\rC", QStringLiteral("A\r\nB\r\nC\r\n")},
      {"", QString()},
      // A mask a Linux editor saved as UTF-8 reads as such.
      {"{Stra\xc3\x9f"
       "e}",
       QString::fromUtf16(u"{Straße}\r\n")},
  };
  const QString pfad = MaskenOrdner + QStringLiteral("/M.Msk");
  for (const Fall& f : faelle) {
    SCOPED_TRACE(f.datei.toStdString());
    dateiSchreiben(pfad, f.datei);
    QString text = QStringLiteral("alt");
    ASSERT_EQ(MaskeLesen(pfad, text), 0);
    EXPECT_EQ(text, f.text);
    // Written back, a UTF-8 file stays UTF-8 and every other is Windows-1252.
    ASSERT_EQ(MaskeSchreiben(pfad, QString::fromUtf16(u"Ä\r\nß")), 0);
    EXPECT_EQ(dateiLesen(pfad),
              f.datei.contains("\xc3") ? QByteArray("\xc3\x84\r\n\xc3\x9f") : QByteArray("\xc4\r\n\xdf"));
  }
  QString text = QStringLiteral("bleibt");
  EXPECT_EQ(MaskeLesen(MaskenOrdner + QStringLiteral("/Fehlt.Msk"), text), 53);
  EXPECT_EQ(text, QStringLiteral("bleibt"));
}

TEST_F(MaskenDateiTest, FontsAreKeptInMaskenIniUnderTheCapitalKey) {
  MaskenSchriftSchreiben(MaskenOrdner + QStringLiteral("/Brief.Msk"), QStringLiteral("Arial;10;-1;0;0;0;"));
  EXPECT_EQ(dateiLesen(MaskenOrdner + QStringLiteral("/Masken.Ini")),
            QByteArray("[MaskenFonts]\r\nBRIEF=Arial;10;-1;0;0;0;\r\n"));
  // The list print looks the key up by the mask name in any case.
  EXPECT_EQ(MaskenSchriftLesen(QStringLiteral("brief"), QString()), QStringLiteral("Arial;10;-1;0;0;0;"));
  EXPECT_EQ(MaskenSchriftLesen(QStringLiteral("Andere.Msk"), QStringLiteral("vorgabe")), QStringLiteral("vorgabe"));
}

TEST(Druckvorgaben, AStoredValueSelectsItsEntryOrTheFirst) {
  struct Fall {
    const char* wert;
    int letzter;
    int eintrag;
  };
  const Fall faelle[] = {
      {"15", 50, 15}, {" 15", 50, 15}, {"50", 50, 50}, {"60", 50, 0}, {"-3", 50, 0},
      {"8", 8, 8},    {"9", 8, 0},     {"", 8, 0},     {"abc", 8, 0}, {"7 Stück", 8, 7},
  };
  for (const Fall& f : faelle) EXPECT_EQ(VorgabeEintrag(QString::fromUtf8(f.wert), f.letzter), f.eintrag) << f.wert;
}
