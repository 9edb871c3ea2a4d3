#include "platform/vb/Vb.h"

#include <gtest/gtest.h>

TEST(Like, PatternElements) {
  struct Fall {
    const char16_t* text;
    const char16_t* muster;
    bool passt;
  };
  const Fall faelle[] = {
      {u"", u"", true},
      {u"", u"*", true},
      {u"", u"?", false},
      {u"abc", u"abc", true},
      {u"abc", u"ABC", false},  // binary comparison
      {u"abc", u"ab", false},   // the whole text
      {u"abc", u"*b*", true},
      {u"abc", u"*c", true},
      {u"abc", u"a*", true},
      {u"abc", u"*d*", false},
      {u"aXbXc", u"a*b*c", true},
      {u"abcabd", u"*abd", true},  // the star must give back what it took
      {u"aab", u"*ab", true},
      {u"1234", u"1?34", true},
      {u"1a34", u"1?34", true},
      {u"134", u"1?34", false},
      {u"x7y", u"x#y", true},
      {u"xay", u"x#y", false},
      {u"ab", u"*#*", false},
      {u"b", u"[a-c]", true},
      {u"d", u"[a-c]", false},
      {u"d", u"[!a-c]", true},
      {u"b", u"[!a-c]", false},
      {u"5", u"[a-c0-9]", true},
      {u"-", u"[a-]", true},  // "-" at the end of a list is itself
      {u"-", u"[-a]", true},
      {u"!", u"[!]", true},  // a lone "!" is itself
      {u"x!", u"x[a!]", true},
      {u"ab", u"a[]b", true},  // "[]" stands for nothing
      {u"*", u"[*]", true},
      {u"a", u"[*]", false},
      {u"[", u"[[]", true},
      {u"?", u"[?]", true},
      {u"#", u"[#]", true},
      {u"a]", u"a]", true},     // a "]" outside a list is itself
      {u"ä", u"[a-z]", false},  // ranges go by character code
      {u"ä", u"[ä-ü]", true},
      {u"meier\tx", u"*\tmeier\t*", false},
      {u"x\tmeier\ty", u"*\tmeier\t*", true},
      // Rejected patterns match nothing and do not crash.
      {u"[", u"[", false},
      {u"a[bc", u"a[bc", false},
      {u"abc", u"*[a*", false},
      {u"b", u"[c-a]", false},
  };
  for (const Fall& f : faelle) {
    const QString text = QString::fromUtf16(f.text), muster = QString::fromUtf16(f.muster);
    EXPECT_EQ(vb::Like(text, muster), f.passt) << text.toStdString() << " Like " << muster.toStdString();
  }
}

TEST(Like, RejectedPatternsAreReported) {
  EXPECT_TRUE(vb::LikeMuster(u"*[a-z]*").gueltig());
  EXPECT_TRUE(vb::LikeMuster(u"[]").gueltig());
  EXPECT_FALSE(vb::LikeMuster(u"*[ab*").gueltig());
  EXPECT_FALSE(vb::LikeMuster(u"[z-a]").gueltig());
}

TEST(Like, LiteralPatternMatchesTheTextItself) {
  const QString text = QStringLiteral("a*b?c#d[e]f");
  const vb::LikeMuster m(QString(u'*' + vb::LikeMuster::woertlich(text) + u'*'));
  ASSERT_TRUE(m.gueltig());
  EXPECT_TRUE(m.passt(QStringLiteral("xx") + text + QStringLiteral("yy")));
  EXPECT_FALSE(m.passt(QStringLiteral("aXb?c#d[e]f")));
  EXPECT_FALSE(m.passt(QStringLiteral("a*b?c5d[e]f")));
}

TEST(Like, LowerCaseMatchingEqualsMatchingTheLoweredText) {
  const QString texte[] = {QStringLiteral("MÜLLER Straße"), QStringLiteral("ÄÖÜ ŒŠŽŸ"), QStringLiteral("AbC")};
  const QString muster[] = {QStringLiteral("*müller*"), QStringLiteral("*öü œšžÿ*"), QStringLiteral("a[b]c"),
                            QStringLiteral("*ABC*")};
  for (const QString& t : texte)
    for (const QString& m : muster)
      EXPECT_EQ(vb::LikeMuster(m).passtKlein(t), vb::Like(t.toLower(), m)) << t.toStdString() << m.toStdString();
}

TEST(Like, TheLowerCaseOfEveryCharacterIsQtsLowerCase) {
  for (char32_t c = 0; c <= 0xFFFF; ++c)
    ASSERT_EQ(vb::Klein(static_cast<char16_t>(c)), static_cast<char16_t>(QChar::toLower(c))) << int(c);
}

TEST(Like, NoExponentialBacktracking) {
  // With backtracking into every star this pattern would take longer than the test's lifetime.
  const QString text(20000, u'a');
  const QString muster = QStringLiteral("*a*a*a*a*a*a*a*a*a*a*a*a*a*a*a*a*a*a*a*a*b");
  EXPECT_FALSE(vb::Like(text, muster));
  EXPECT_TRUE(vb::Like(text + u'b', muster));
  EXPECT_FALSE(vb::Like(text, QStringLiteral("*a?a?a?a?a?a?a?a?a?b*")));
}
