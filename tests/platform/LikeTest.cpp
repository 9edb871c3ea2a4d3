#include "platform/vb/Vb.h"

#include <gtest/gtest.h>
#include <iterator>
#include <random>

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

// passtKlein looks only at the characters that can start the term after a "*" (the Latin-1 ones whose
// lower case is the term's character, and every character from 0x100 on); it must decide exactly as
// looking at every character through Klein does, wherever the term lies.
TEST(Like, LowerCaseScanAgreesWithLookingAtEveryCharacter) {
  auto pruefen = [](const QString& muster, const QString& text) {
    const vb::LikeMuster m(muster);
    const bool zeichenweise = m.passtKleinZeichenweise(text);
    EXPECT_EQ(m.passtKlein(text), zeichenweise) << text.toStdString() << " / " << muster.toStdString();
    return zeichenweise;
  };
  // Capitals above 0xFF whose lower case is Latin (Kelvin, Angstrom, dotted I, capital sharp s, Ÿ), other
  // characters above 0xFF, the Latin-1 capitals and small letters, and the pattern characters.
  const QString alphabet = QString::fromUtf16(
      u"aAbBiIkKxXyYzZäÄöÖüÜåÅßÿµ×÷\u212A\u212B\u0130\u0131\u1E9E\u0178\u039C\u03BC\u0100\u0101\u01C5\uFFFF"
      u"\t -/*?#[]!09");
  // A term at every place of texts long enough to cross the scan's blocks of 8 and 16 characters, the
  // last place ending the text.
  const QString fueller = QStringLiteral("Heinz\tMeier-L\u00fcdenscheidt Ga\u00dfweg 12\t");
  const QString begriffe[] = {QStringLiteral("xyzzy"),  QStringLiteral("stra\u00dfe"), QStringLiteral("\u00fcl"),
                              QStringLiteral("\u00ff"), QStringLiteral("k"),           QStringLiteral("\u00e5")};
  const QString inText[] = {QStringLiteral("XYZZY"), QStringLiteral("STRA\u1E9EE"), QStringLiteral("\u00dcL"),
                            QString(QChar(0x178)),   QString(QChar(0x212A)),        QString(QChar(0x212B))};
  for (size_t b = 0; b < std::size(begriffe); ++b) {
    const QString muster = u'*' + begriffe[b] + u'*';
    for (qsizetype vorn = 0; vorn <= fueller.size(); ++vorn) {
      const QString text = fueller.left(vorn) + inText[b];
      EXPECT_TRUE(pruefen(muster, text)) << text.toStdString();
      EXPECT_TRUE(pruefen(muster, text + fueller)) << text.toStdString();
      EXPECT_TRUE(pruefen(u'*' + begriffe[b], text)) << text.toStdString();
      EXPECT_FALSE(pruefen(muster, fueller.left(vorn) + inText[b].chopped(1))) << text.toStdString();
    }
  }
  // Crafted patterns over texts of the alphabet's characters.
  const QString muster[] = {
      QStringLiteral("*x*"),      QStringLiteral("*X*"),      QStringLiteral("*\u00df*"),
      QStringLiteral("*\u00ff*"), QStringLiteral("*\u0178*"), QStringLiteral("*k*"),
      QStringLiteral("*i*"),      QStringLiteral("*\u00e5*"), QStringLiteral("*\u03bc*"),
      QStringLiteral("*\u00b5*"), QStringLiteral("*\u0101*"), QStringLiteral("*[a\u00e4]*"),
      QStringLiteral("*?y*"),     QStringLiteral("*#*"),      QStringLiteral("*[*]*"),
      QStringLiteral("*a*b*"),    QStringLiteral("*\t*"),     QStringLiteral("a*"),
      QStringLiteral("*zy"),      QStringLiteral("*z?"),      QStringLiteral("*\u00fc*\u00fc*"),
      QStringLiteral("*[!a]x*"),  QStringLiteral("*x[ab]x*"), QStringLiteral("*"),
      QStringLiteral("*[]x*"),    QStringLiteral("*\u00d7*"), QStringLiteral("*\u00f7*"),
  };
  std::mt19937 zufall(44);
  auto zufallsText = [&](int laenge) {
    QString t;
    for (int i = 0; i < laenge; ++i) t += alphabet[static_cast<qsizetype>(zufall() % alphabet.size())];
    return t;
  };
  for (int runde = 0; runde < 400; ++runde) {
    const QString text = zufallsText(static_cast<int>(zufall() % 70));
    for (const QString& m : muster) pruefen(m, text);
  }
  // Random patterns: a star, one to four characters (so also "?", "#", "[", "*"), a star; every other
  // time the characters are taken from the text and lower-cased, so that many patterns match.
  for (int runde = 0; runde < 20000; ++runde) {
    const QString text = zufallsText(static_cast<int>(zufall() % 70));
    const int laenge = 1 + static_cast<int>(zufall() % 4);
    QString begriff = zufallsText(laenge);
    if (runde % 2 == 1 && text.size() >= laenge) {
      begriff = text.mid(static_cast<qsizetype>(zufall() % (text.size() - laenge + 1)), laenge);
      for (QChar& c : begriff) c = QChar(vb::Klein(c.unicode()));
    }
    pruefen(u'*' + begriff + u'*', text);
  }
}
