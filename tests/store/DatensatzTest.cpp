#include "common/Global.h"
#include "store/Datensatz.h"
#include "support/kern/TestUmgebung.h"

namespace {
Felder felder(std::initializer_list<std::pair<int, QString>> werte) {
  Felder f;
  for (const auto& [i, t] : werte) f[i] = t;
  return f;
}
QString tabs(int n) { return QString(n, u'\t'); }
}  // namespace

TEST(Datensatz, BuildsLinesFromFields) {
  struct Fall {
    Felder ein;
    QString zeile;
  };
  const Fall faelle[] = {
      {felder({}), u' ' + tabs(24)},
      {felder({{0, "Firma"}}), "Firma" + tabs(24)},
      {felder({{11, "a\r\nb"}}), " " + tabs(11) + "a°°b" + tabs(13)},
      {felder({{1, "a\tb"}}), " \ta b" + tabs(23)},                      // a TAB becomes a blank
      {felder({{1, "a\rb"}, {2, "c\nd"}}), " \ta°°b\tc°°d" + tabs(22)},  // lone CR or LF: a line break
      {felder({{0, " "}}), " " + tabs(24)},
      {felder({{1, "  x  "}}), " \t  x  " + tabs(23)},  // untrimmed
  };
  for (const Fall& f : faelle) EXPECT_EQ(DatensatzBauen(f.ein), f.zeile) << f.zeile.toStdString();
}

TEST(Datensatz, SplitsLinesIntoTheFieldTable) {
  struct Fall {
    QString zeile;
    Felder felder;
  };
  const Fall faelle[] = {
      {"a\tb", felder({{0, "a"}, {1, "b"}})},
      {tabs(23), felder({})},
      {QString(), felder({})},
      {" " + tabs(24), felder({{0, " "}})},
      {" \t" + tabs(10) + "°°°" + tabs(13), felder({{0, " "}, {11, "\r\n°"}})},
      {" \tx°°y" + tabs(23), felder({{0, " "}, {1, "x\r\ny"}})},
      {"0\t1\t2\t3\t4\t5\t6\t7\t8\t9\t10\t11\t12\t13\t14\t15\t16\t17\t18\t19\t20\t21\t22\t23",  // 23 TABs
       felder({{0, "0"},   {1, "1"},   {2, "2"},   {3, "3"},   {4, "4"},   {5, "5"},   {6, "6"},   {7, "7"},
               {8, "8"},   {9, "9"},   {10, "10"}, {11, "11"}, {12, "12"}, {13, "13"}, {14, "14"}, {15, "15"},
               {16, "16"}, {17, "17"}, {18, "18"}, {19, "19"}, {20, "20"}, {21, "21"}, {22, "22"}, {23, "23"}})},
  };
  for (const Fall& f : faelle) {
    DatensatzZerlegen(f.zeile);
    EXPECT_EQ(DatenFeld, f.felder) << f.zeile.toStdString();
  }
  // 30 fields: the first 24 are kept.
  QString lang;
  for (int i = 0; i < 30; ++i) lang += QString::number(i) + u'\t';
  DatensatzZerlegen(lang);
  EXPECT_EQ(DatenFeld[23], QStringLiteral("23"));
  EXPECT_EQ(DatenFeld[0], QStringLiteral("0"));
}

TEST(Datensatz, TypedDegreeSignsReadBackAsALineBreak) {
  const QString zeile = DatensatzBauen(felder({{5, "x°°y"}}));
  EXPECT_EQ(FelderAusZeile(zeile)[5], QStringLiteral("x\r\ny"));
  EXPECT_EQ(DatensatzBauen(FelderAusZeile(zeile)), zeile);
}

TEST(Datensatz, Field11LimitIsWhatTheOthersLeaveOf1024) {
  Felder f = felder({{1, QString(100, u'x')}});
  EXPECT_EQ(Feld11Grenze(f), 900);
  Felder voll;
  for (int i = 0; i < 24; ++i)
    if (i != 11) voll[i] = QString(kFeldLaenge[i], u'x');
  EXPECT_EQ(Feld11Grenze(voll), 133);
  voll[11] = QString(133, u'y');
  EXPECT_EQ(DatensatzBauen(voll).size(), 1024);
  voll[10] = QString(1000, u'x');  // over-long from a file: no room left
  EXPECT_LE(Feld11Grenze(voll), 0);
}
