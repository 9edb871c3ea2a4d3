#include "common/Global.h"
#include "exchange/Zwischenablageimport.h"

#include <gtest/gtest.h>
#include <QStringList>

using namespace Qt::Literals::StringLiterals;

namespace {
QStringList teile(const ZaTeile& t) {
  QStringList l(t.begin(), t.end());
  while (!l.isEmpty() && l.back().isEmpty()) l.removeLast();
  return l;
}
}  // namespace

TEST(ZwischenablageimportTest, CutsTheTextIntoParts) {
  struct Fall {
    const char* name;
    QString text;
    bool kommaRegel;
    QStringList erwartet;
  };
  const QStringList adresse = {u"Müller"_s, "Hans", "Hauptstr. 5", "12345", "Berlin", "030 123456"};
  const Fall faelle[] = {
      {"lines and a comma", u"Müller, Hans\r\nHauptstr. 5\r\n12345 Berlin\r\n030 123456"_s, false, adresse},
      {"LF line ends", u"Müller, Hans\nHauptstr. 5\n12345 Berlin\n030 123456\n"_s, false, adresse},
      {"CR line ends", u"Müller, Hans\rHauptstr. 5\r12345 Berlin\r030 123456"_s, false, adresse},
      {"ten parts: the rest on the last",
       "1\t2\t3\t4\t5\t6\t7\t8\t9\t10",
       false,
       {"1", "2", "3", "4", "5", "6", "7", "8\r\n9\r\n10"}},
      {"a town of two letters is not split", "12345 Ab", false, {"12345 Ab"}},
      {"a town of three letters is", "12345 Abc", false, {"12345", "Abc"}},
      {"five digits and more digits", "06221 123456", false, {"06221", "123456"}},
      {"four digits", "1234 Berlin", false, {"1234 Berlin"}},
      {"comma rule",
       u"Müller Hans, Hauptstr. 5, 12345 Berlin"_s,
       true,
       {u"Müller"_s, "Hans", "Hauptstr. 5", "12345", "Berlin"}},
      {"without it",
       u"Müller Hans, Hauptstr. 5, 12345 Berlin"_s,
       false,
       {u"Müller Hans"_s, "Hauptstr. 5", "12345 Berlin"}},
      {"comma rule keeps line breaks as cuts later",
       "Meier Eva\r\nWeg 1, 12345 Ulmen",
       true,
       {"Meier", "Eva", "Weg 1", "12345", "Ulmen"}},
      {"a street with a comma",
       "Hauptstr. 5, Hinterhaus\r\n12345 Berlin",
       false,
       {"Hauptstr. 5", "Hinterhaus", "12345", "Berlin"}},
      {"semicolons and blanks", " a ; b \t c ", false, {"a", "b", "c"}},
      {"empty lines drop", "a\r\n\r\n\r\nb", false, {"a", "b"}},
      {"no text", "", false, {}},
  };
  for (const Fall& f : faelle) EXPECT_EQ(teile(ZaTextZerlegen(f.text, f.kommaRegel)), f.erwartet) << f.name;
}

TEST(ZwischenablageimportTest, TheCommaRuleByVersion) {
  struct Fall {
    const char* version;
    bool regel;
  };
  const Fall faelle[] = {{"97", true},   {"98", true},  {"98.5", false}, {"99", false},
                         {"3.0", false}, {"xx", false}, {"", false},     {"96", false}};
  for (const Fall& f : faelle) EXPECT_EQ(ZaKommaRegel(QString::fromLatin1(f.version)), f.regel) << f.version;
}
