// The tip of the day without a window: the tips file, the choice among the tips not shown recently, and
// the text as shown.
#include "common/Ini.h"
#include "common/Tipps.h"
#include "support/kern/TestUmgebung.h"

#include <QSet>

namespace {

class TippsTest : public KartulonTest {
 protected:
  void SetUp() override {
    KartulonTest::SetUp();
    auto z = std::make_unique<FolgeZufall>();
    zufall_ = z.get();
    Zufall::install(std::move(z));
  }
  QString datei() const { return programmOrdner() + QStringLiteral("/Tips.Bot"); }
  // A tips file with the numbers and texts given, CR LF line ends.
  QByteArray tippsDatei(int anzahl, const QList<int>& vorhanden, const QByteArray& zuletzt = ".0000") {
    QByteArray b = "; Tipps\r\n[Tips]\r\nAnzahl=" + QByteArray::number(anzahl) + "\r\nZuletzt=" + zuletzt +
                   "\r\nFrage=Wussten Sie schon...\r\nHeader=Willkommen zu Kartulon {Major}\r\n";
    for (int n : vorhanden)
      b += "Tip" + QByteArray::number(n).rightJustified(4, '0') + "=Tipp Nummer " + QByteArray::number(n) + "\r\n";
    return b;
  }
  QString zuletzt() {
    IniSichern();
    return IniLesen(datei(), QStringLiteral("Tips"), QStringLiteral("Zuletzt"), QStringLiteral("-fehlt-"));
  }
  FolgeZufall* zufall_ = nullptr;
};

TEST_F(TippsTest, OneTipIsShownEveryTimeAndTheRecentListStaysEmpty) {
  const QByteArray vorher = tippsDatei(1, {1});
  dateiSchreiben(datei(), vorher);
  zufall_->folge = {0.0, 0.3, 0.99};
  for (int i = 0; i < 3; ++i) {
    const TippAnzeige a = NaechsterTipp(datei(), 7);
    ASSERT_TRUE(a.gefunden);
    EXPECT_EQ(a.nummer, 1);
    EXPECT_EQ(a.text, QStringLiteral("Tipp Nummer 1."));
  }
  IniSichern();
  QByteArray erwartet = vorher;
  erwartet.replace("Zuletzt=.0000\r\n", "Zuletzt=\r\n");
  EXPECT_EQ(dateiLesen(datei()), erwartet);
  EXPECT_EQ(zufall_->gemischt, 3);
}

TEST_F(TippsTest, ThreeTipsFollowEachOtherInAFixedCycle) {
  dateiSchreiben(datei(), tippsDatei(3, {1, 2, 3}, ""));
  // Draws give 1, 2, 3, 1, 2, 3, ...: only the one tip not among the last two is accepted.
  zufall_->folge = {0.1, 0.5, 0.9};
  QList<int> gezeigt;
  for (int i = 0; i < 7; ++i) gezeigt << NaechsterTipp(datei(), 7).nummer;
  ASSERT_EQ(gezeigt.size(), 7);
  for (int i = 3; i < 7; ++i) EXPECT_EQ(gezeigt[i], gezeigt[i - 3]) << i;
  EXPECT_EQ(QSet<int>(gezeigt.begin(), gezeigt.begin() + 3), QSet<int>({1, 2, 3}));
  EXPECT_EQ(zuletzt(), TippMarke(gezeigt[6]) + TippMarke(gezeigt[5]));
}

TEST_F(TippsTest, TwentyTipsNeverRepeatTheTenMostRecent) {
  QList<int> alle;
  for (int n = 1; n <= 20; ++n) alle << n;
  dateiSchreiben(datei(), tippsDatei(20, alle));
  QList<double> folge;
  for (int i = 0; i < 97; ++i) folge << (i * 37 % 97) / 97.0;
  zufall_->folge = folge;
  QList<int> gezeigt;
  for (int i = 0; i < 40; ++i) {
    const int n = NaechsterTipp(datei(), 7).nummer;
    ASSERT_GE(n, 1);
    ASSERT_LE(n, 20);
    for (int j = std::max(0, static_cast<int>(gezeigt.size()) - 10); j < gezeigt.size(); ++j)
      EXPECT_NE(gezeigt[j], n) << "tip " << n << " repeated after " << gezeigt.size() - j << " others";
    gezeigt << n;
  }
  QString erwartet;
  for (int j = 39; j >= 30; --j) erwartet += TippMarke(gezeigt[j]);
  EXPECT_EQ(zuletzt(), erwartet);
  EXPECT_EQ(zuletzt().size(), 50);
}

TEST_F(TippsTest, MissingTipsAreRejectedAndTipOneComesAfterAThousandTries) {
  dateiSchreiben(datei(), tippsDatei(5, {1, 3}));
  // r = 0.5 draws 3, r = 0.1 draws 1 (N = 5: 4.5 x r + 1).
  zufall_->folge = {0.5, 0.1};
  const TippAnzeige erster = NaechsterTipp(datei(), 7);
  EXPECT_EQ(erster.nummer, 3);
  const int zuege = zufall_->gezogen;
  const TippAnzeige zweiter = NaechsterTipp(datei(), 7);
  EXPECT_EQ(zweiter.nummer, 1);
  EXPECT_EQ(zuletzt(), QStringLiteral(".0001.0003.0000"));
  for (int i = 0; i < 2; ++i) {
    zufall_->gezogen = 0;
    const TippAnzeige a = NaechsterTipp(datei(), 7);
    EXPECT_EQ(a.nummer, 1);
    EXPECT_EQ(a.text, QStringLiteral("Tipp Nummer 1."));
    EXPECT_EQ(zufall_->gezogen, 1000) << "999 draws are checked, the thousandth is not";
  }
  EXPECT_EQ(zuletzt(), QStringLiteral(".0001.0001.0001.0003"));
  EXPECT_EQ(zuege, 1);
}

TEST_F(TippsTest, TheChoiceWeighsTheLastNumberHalf) {
  struct Fall {
    int anzahl;
    double r;
    int nummer;
  };
  const Fall faelle[] = {{3, 0.0, 1},    {3, 0.399, 1},  {3, 0.4, 2},      {3, 0.799, 2}, {3, 0.8, 3},
                         {3, 0.9999, 3}, {1, 0.9999, 1}, {20, 0.9999, 20}, {20, 0.97, 19}};
  for (const Fall& f : faelle)
    EXPECT_EQ(TippWaehlen(
                  f.anzahl, {}, [](int) { return true; }, [&] { return f.r; }),
              f.nummer)
        << f.anzahl << " " << f.r;
}

TEST_F(TippsTest, TextAndCaptionAsShown) {
  struct Fall {
    QString roh, gezeigt;
  };
  const Fall texte[] = {
      {QStringLiteral("  Erster Absatz~Zweiter Absatz  "), QStringLiteral("Erster Absatz\r\n\r\nZweiter Absatz.")},
      {QStringLiteral("Schon gewusst?"), QStringLiteral("Schon gewusst?")},
      {QStringLiteral("Achtung!"), QStringLiteral("Achtung!")},
      {QStringLiteral("Fertig."), QStringLiteral("Fertig.")},
      {QStringLiteral("Mehr unter {URL}"), QStringLiteral("Mehr unter ") + kTippHomepage + u'.'},
      {QString(), QString()},
  };
  for (const Fall& f : texte) EXPECT_EQ(TippText(f.roh), f.gezeigt) << f.roh.toStdString();
  EXPECT_EQ(TippKopf(QStringLiteral("Willkommen zu Version {Major}"), 12), QStringLiteral("Willkommen zu Version 12"));
  EXPECT_EQ(TippKopf(QStringLiteral("Willkommen zu Version {major}"), 5), QStringLiteral("Willkommen zu Version 05"));
}

TEST_F(TippsTest, TheFileGivesQuestionCaptionAndWholeLongTexts) {
  const QByteArray lang = QByteArray(300, 'x') + "~Ende";
  dateiSchreiben(datei(), "[Tips]\r\nAnzahl=1\r\nHeader=Willkommen zu Version {Major}\r\nTip0001=" + lang + "\r\n");
  const TippAnzeige a = NaechsterTipp(datei(), 5);
  ASSERT_TRUE(a.gefunden);
  EXPECT_EQ(a.kopf, QStringLiteral("Willkommen zu Version 05"));
  EXPECT_EQ(a.frage, QStringLiteral("???"));
  EXPECT_EQ(a.text, QString(300, u'x') + QStringLiteral("\r\n\r\nEnde."));
}

TEST_F(TippsTest, NoFileOrNoCountFindsNoTips) {
  EXPECT_FALSE(NaechsterTipp(datei(), 7).gefunden);
  for (const QByteArray& anzahl : {QByteArray("0"), QByteArray("abc"), QByteArray("-2"), QByteArray("99999")}) {
    dateiSchreiben(datei(), "[Tips]\r\nAnzahl=" + anzahl + "\r\nTip0001=Eins\r\n");
    EXPECT_FALSE(NaechsterTipp(datei(), 7).gefunden) << anzahl.constData();
  }
  EXPECT_EQ(TippAnzahl(QStringLiteral("2.5")), 2);
  EXPECT_EQ(TippAnzahl(QStringLiteral("3.5x")), 4);
}

}  // namespace
