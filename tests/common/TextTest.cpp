#include "common/Text.h"
#include "platform/vb/Codec.h"

#include <gtest/gtest.h>

namespace {
QString T(const char* s) { return QString::fromUtf8(s); }
}  // namespace

TEST(Text, ErsetzenReplacesEveryOccurrenceWithoutRegardToCase) {
  struct Fall {
    const char* text;
    const char* such;
    const char* ersatz;
    const char* aus;
  };
  const Fall faelle[] = {
      {"", "x", "y", ""},
      {"~~", "~", "\r\n", "\r\n\r\n"},
      {"~", "~", "\r\n", "\r\n"},
      {"abab", "ab", "xaby", "xabyxaby"},  // the search goes on after the replacement
      {"Herr MÜLLER", "müller", "Meier", "Herr Meier"},
      {"Hallo Welt", "WELT", "Erde", "Hallo Erde"},  // the replacement keeps its own case
      {"{Name} und {NAME}", "{name}", "Anna", "Anna und Anna"},
      {"aaa", "aa", "b", "ba"},  // occurrences never overlap
      {"abc", "", "x", "abc"},   // an empty search text changes nothing
      {"abc", "abcd", "x", "abc"},
      {"Ä-ä", "ä", "ae", "ae-ae"},
  };
  for (const Fall& f : faelle)
    EXPECT_EQ(Ersetzen(T(f.text), T(f.such), T(f.ersatz), 0), T(f.aus)) << f.text << " / " << f.such;
}

TEST(Text, ZeichenErsetzenComparesExactly) {
  EXPECT_EQ(ZeichenErsetzen(T("Herr MÜLLER"), T("müller"), T("Meier")), T("Herr MÜLLER"));
  EXPECT_EQ(ZeichenErsetzen(T("Herr Müller, müller"), T("müller"), T("Meier")), T("Herr Müller, Meier"));
  EXPECT_EQ(ZeichenErsetzen(T("abab"), T("ab"), T("xaby")), T("xabyxaby"));
}

TEST(Text, DosUmlauteConvertsTheCallersText) {
  QString text = Codec::aus1252(
      "Stra\xE1"
      "e \x84\x94\x81\x8E\x99\x9A");
  const QString aus = DosUmlaute(text);
  EXPECT_EQ(aus, T("Straße äöüÄÖÜ"));
  EXPECT_EQ(text, aus);
  EXPECT_EQ(DosUmlaute(QStringLiteral("ohne")), T("ohne"));
}

TEST(Text, Ansi2AsciiTransliterates) {
  struct Fall {
    const char* text;
    const char* aus;
  };
  const Fall faelle[] = {
      {"Größe 5×3 µm ©", "Groesse 5*3 Mikrom (c)"},
      {"Ø ø Þ", "0 0 Þ"},
      {"«Zitat» ¼ ½ ¾ ±", "\"Zitat\" 1/4 1/2 3/4 +-"},
      {"Æsop Ærger æ", "Aesop Aerger ae"},
      {"ÀÁÂÃÅ àáâãå Ç ç", "AAAAA aaaaa C c"},
      {"Ñ ñ Ð ð Ý ý ÿ þ", "N n D o Y y y b"},
      {"ÈÉÊË ÌÍÎÏ ÒÓÔÕ ÙÚÛ", "EEEE IIII OOOO UUU"},
      {"Ä Ö Ü ä ö ü ß", "Ae Oe Ue ae oe ue ss"},
      {"¿Qué? 3÷4 ¦ ® · °", "?Que? 3/4 ! (R) . '"},
      {"ˆ € ‰ Ÿ ¡ ¢ £ ¤ ¥ § ¨ ª ¬ ¯ ² ³ ´ ¶ ¸ ¹ º", "' € ‰ Ÿ ¡ ¢ £ ¤ ¥ § ¨ ª ¬ ¯ ² ³ ´ ¶ ¸ ¹ º"},
  };
  for (const Fall& f : faelle) EXPECT_EQ(Ansi2Ascii(T(f.text)), T(f.aus)) << f.text;
}

TEST(Text, NurZeichenKeepsTheAllowedCharacters) {
  EXPECT_EQ(NurZeichen(T("(089) 123-45 67"), T("0123456789")), T("0891234567"));
  EXPECT_EQ(NurZeichen(T("AbC"), T("abc")), T("b"));
  EXPECT_EQ(NurZeichen(T(""), T("abc")), T(""));
}

TEST(Text, SatzzeichenAbstandPutsOneBlankAfterMarks) {
  struct Fall {
    const char* text;
    const char* aus;
  };
  const Fall faelle[] = {
      {"Ende...", "Ende. . ."},  {"a.b", "a. b"},
      {"a,   b", "a, b"},        {"3,5", "3,5"},
      {"3, 5", "3,5"},           {"Hallo!", "Hallo!"},
      {"Hallo !", "Hallo !"},    {"Ja.  ", "Ja."},
      {"a:b;c?d", "a: b; c? d"}, {"", ""},
      {"1.2.2026", "1.2.2026"},
  };
  for (const Fall& f : faelle) EXPECT_EQ(SatzzeichenAbstand(T(f.text)), T(f.aus)) << f.text;
}
