#include "common/Global.h"
#include "common/Token.h"

#include <gtest/gtest.h>
#include <QStringList>

class TokenTest : public ::testing::Test {
 protected:
  void SetUp() override { GlobaleZuruecksetzen(); }
  void TearDown() override { GlobaleZuruecksetzen(); }
  static QStringList tokens() {
    QStringList l;
    for (int i = 1; i <= TokenAnzahl; ++i) l << Token[i];
    return l;
  }
};

TEST_F(TokenTest, EmptyTextWithTheDefaultSet) {
  for (auto& t : Token) t = QStringLiteral("alt");
  QString text, trenner;
  EXPECT_EQ(TextZerlegen(text, trenner), 0);
  EXPECT_EQ(text, QStringLiteral(" "));
  EXPECT_EQ(trenner, QStringLiteral(" /,;|\t\n\r"));
  EXPECT_EQ(TokenAnzahl, 0);
  for (int i = 1; i <= 50; ++i) EXPECT_TRUE(Token[i].isEmpty()) << i;
  EXPECT_EQ(Token[0], QStringLiteral("alt"));  // never written
}

TEST_F(TokenTest, SplitsAndSkipsEmptyPieces) {
  struct Fall {
    QString text;
    QString trenner;
    QStringList stuecke;
    QString textDanach;
  };
  const Fall faelle[] = {
      {"a,,b", ",", {"a", "b"}, "a,,b,"},
      {",a;b,", ",;", {"a", "b"}, ",a;b,,"},
      {"1x2y3", "xy", {"1", "2", "3"}, "1x2y3x"},
      {";;;", ";", {}, ";;;;"},
      {"Anna Beispiel\tBerlin\r\nMitte",
       "",
       {"Anna", "Beispiel", "Berlin", "Mitte"},
       "Anna Beispiel\tBerlin\r\nMitte "},
      {"1/2/99", "/", {"1", "2", "99"}, "1/2/99/"},  // a set of its own: every "/" separates
  };
  for (const Fall& f : faelle) {
    QString text = f.text, trenner = f.trenner;
    EXPECT_EQ(TextZerlegen(text, trenner), f.stuecke.size()) << f.text.toStdString();
    EXPECT_EQ(tokens(), f.stuecke) << f.text.toStdString();
    EXPECT_EQ(text, f.textDanach);
  }
  // Literal arguments leave nothing to change.
  EXPECT_EQ(TextZerlegen(QStringLiteral("x|y"), QStringLiteral("|")), 2);
}

TEST_F(TokenTest, CommandLineSwitchesKeepLinuxPaths) {
  struct Fall {
    QString zeile;
    QStringList stuecke;
  };
  const Fall faelle[] = {
      {"/Datei=Kunden readonly", {"Datei=Kunden", "readonly"}},
      {"Datei=/home/anna/Daten/Kunden.dat /readonly", {"Datei=/home/anna/Daten/Kunden.dat", "readonly"}},
      {"Datei=/pfad/Kunden", {"Datei=/pfad/Kunden"}},
      {"a, b;c|d /e", {"a", "b", "c", "d", "e"}},
  };
  for (const Fall& f : faelle) {
    QString zeile = f.zeile;
    TextZerlegen(zeile);
    EXPECT_EQ(tokens(), f.stuecke) << f.zeile.toStdString();
  }
  QString zeile = QStringLiteral("/DATEI=Kunden readonly");
  TextZerlegen(zeile);
  EXPECT_EQ(SchalterWert(QStringLiteral("Datei=")), QStringLiteral("Kunden"));
  EXPECT_EQ(SchalterWert(QStringLiteral("readonly")), QStringLiteral("1"));
  EXPECT_EQ(SchalterWert(QStringLiteral("fehlt")), QString());
}

TEST_F(TokenTest, AtMost99PiecesTheLastOneInToken99) {
  QString text;
  for (int i = 1; i <= 120; ++i) text += QStringLiteral("w%1 ").arg(i);
  EXPECT_EQ(TextZerlegen(text, QStringLiteral(" ")), 99);
  EXPECT_EQ(Token[98], QStringLiteral("w98"));
  EXPECT_EQ(Token[99], QStringLiteral("w120"));
}

TEST_F(TokenTest, ASecondSplitClearsOnlyTheFirstFifty) {
  QString text;
  for (int i = 1; i <= 60; ++i) text += QStringLiteral("t%1,").arg(i);
  TextZerlegen(text, QStringLiteral(","));
  TextZerlegen(QStringLiteral("a,b,c"), QStringLiteral(","));
  EXPECT_EQ(TokenAnzahl, 3);
  for (int i = 4; i <= 50; ++i) EXPECT_TRUE(Token[i].isEmpty()) << i;
  for (int i = 51; i <= 60; ++i) EXPECT_EQ(Token[i], QStringLiteral("t%1").arg(i));
}

TEST_F(TokenTest, SchalterWertTheLastMatchWins) {
  TextZerlegen(QStringLiteral("Datei=a x datei=b"), QStringLiteral(" "));
  EXPECT_EQ(SchalterWert(QStringLiteral("Datei=")), QStringLiteral("b"));
  TextZerlegen(QStringLiteral("x DATEI="), QStringLiteral(" "));
  EXPECT_EQ(SchalterWert(QStringLiteral("Datei=")), QStringLiteral("1"));
  EXPECT_EQ(SchalterWert(QString()), QStringLiteral("DATEI="));  // an empty prefix: the last token
  TextZerlegen(QString(), QString());
  EXPECT_EQ(SchalterWert(QString()), QString());
  // A count lowered by a caller is respected.
  TextZerlegen(QStringLiteral("Datei=a Datei=b"), QStringLiteral(" "));
  TokenAnzahl = 1;
  EXPECT_EQ(SchalterWert(QStringLiteral("Datei=")), QStringLiteral("a"));
}
