// The text of a filled mask as the list print prints it.
#include "printing/Listendrucken.h"

#include <gtest/gtest.h>

using namespace Qt::Literals::StringLiterals;

TEST(KommasVerdichten, ClosesTheGapsOfEmptyFieldsInACommaList) {
  const struct {
    QString text, erwartet;
  } faelle[] = {
      {u"Albers, , Hamburg"_s, u"Albers, Hamburg"_s},      // an empty street
      {u"Albers, , , , Hamburg"_s, u"Albers, Hamburg"_s},  // several
      {u"Albers,  Hamburg"_s, u"Albers, Hamburg"_s},       // two blanks after the comma
      {u"Albers,       Hamburg"_s, u"Albers, Hamburg"_s}, {u"Albers, Hamburg"_s, u"Albers, Hamburg"_s},
      {u"Albers ,Hamburg"_s, u"Albers ,Hamburg"_s},  // only gaps after a comma
      {u"a,  b\r\nc, , d"_s, u"a, b\r\nc, d"_s},
  };
  for (const auto& f : faelle) EXPECT_EQ(KommasVerdichten(f.text), f.erwartet) << f.text.toStdString();
}
