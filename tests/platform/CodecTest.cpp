#include "platform/vb/Codec.h"

#include <gtest/gtest.h>

TEST(Codec, EveryByteRoundTrips) {
  QByteArray alle;
  for (int b = 0; b < 256; ++b) alle.append(static_cast<char>(b));
  const QString text = Codec::aus1252(alle);
  ASSERT_EQ(text.size(), 256);
  EXPECT_EQ(Codec::nach1252(text), alle);
  EXPECT_EQ(text[0x80], QChar(0x20AC));
  EXPECT_EQ(text[0x81], QChar(0x0081));  // undefined bytes keep their number
  EXPECT_EQ(text[0x9D], QChar(0x009D));
  EXPECT_EQ(text[0xE4], QChar(u'ä'));
  EXPECT_EQ(text[0xB0], QChar(u'°'));
}

TEST(Codec, DetectsUtf8OnlyWithMultiByteSequences) {
  EXPECT_EQ(Codec::erkennen("M\xC3\xBCller"), Codec::Kodierung::Utf8);
  EXPECT_EQ(Codec::erkennen("M\xFCller"), Codec::Kodierung::Windows1252);
  EXPECT_EQ(Codec::erkennen("plain ascii"), Codec::Kodierung::Windows1252);
  EXPECT_EQ(Codec::erkennen("\xC3"), Codec::Kodierung::Windows1252);          // cut sequence
  EXPECT_EQ(Codec::erkennen("\xC0\xAF"), Codec::Kodierung::Windows1252);      // overlong
  EXPECT_EQ(Codec::erkennen("\xED\xA0\x80"), Codec::Kodierung::Windows1252);  // surrogate
  Codec::Kodierung k;
  EXPECT_EQ(Codec::dekodieren("Stra\xC3\x9F"
                              "e",
                              &k),
            QStringLiteral("Straße"));
  EXPECT_EQ(k, Codec::Kodierung::Utf8);
  EXPECT_EQ(Codec::kodieren(QStringLiteral("Straße"), Codec::Kodierung::Utf8), QByteArray("Stra\xC3\x9F"
                                                                                          "e"));
  EXPECT_EQ(Codec::kodieren(QStringLiteral("Straße"), Codec::Kodierung::Windows1252), QByteArray("Stra\xDF"
                                                                                                 "e"));
}

TEST(Codec, ReducesForeignTextAtTheBoundary) {
  struct Fall {
    const char16_t* ein;
    const char16_t* aus;
  };
  const Fall faelle[] = {
      {u"Müller", u"Müller"},                               // in the code page already
      {u"Łódź", u"?ódz"},                                   // Ł has no base letter in the page, ź becomes z
      {u"Dvořák", u"Dvorák"},                               // ř -> r
      {u"Nguyễn", u"Nguyên"},                               // the mark the page lacks is dropped, ê kept
      {u"€ – „x“", u"€ – „x“"},                             // typographic characters of the page
      {u"日本", u"??"},         {u"a\U0001F600b", u"a?b"},  // a surrogate pair is one "?"
      {u"u\u0308", u"ü"},                                   // a letter with a combining mark is composed
  };
  for (const Fall& f : faelle)
    EXPECT_EQ(Codec::auf1252Reduzieren(QString::fromUtf16(f.ein)), QString::fromUtf16(f.aus))
        << QString::fromUtf16(f.ein).toStdString();
  EXPECT_EQ(Codec::nach1252(QStringLiteral("a\u0142b")), QByteArray("a?b"));
}

TEST(Codec, SplitsEveryKindOfLineEnd) {
  using L = QStringList;
  EXPECT_EQ(Codec::zeilenTrennen(QStringLiteral("a\r\nb\r\n")), (L{"a", "b"}));
  EXPECT_EQ(Codec::zeilenTrennen(QStringLiteral("a\nb")), (L{"a", "b"}));
  EXPECT_EQ(Codec::zeilenTrennen(QStringLiteral("a\rb\r")), (L{"a", "b"}));
  EXPECT_EQ(Codec::zeilenTrennen(QStringLiteral("a\r\n\r\nb")), (L{"a", "", "b"}));
  EXPECT_EQ(Codec::zeilenTrennen(QStringLiteral("a\n\rb")), (L{"a", "", "b"}));
  EXPECT_EQ(Codec::zeilenTrennen(QString()), L{});
}

// Bytes given in pieces tell what the whole bytes tell, wherever the pieces are cut.
TEST(Codec, TheCheckInPiecesTellsWhatTheWholeBytesTell) {
  struct Fall {
    QByteArray bytes;
    bool gueltig;
    bool mehrbyte;
  };
  const Fall faelle[] = {
      {"plain ascii, longer than eight bytes", true, false},
      {"M\xC3\xBCller und Stra\xC3\x9F"
       "e",
       true, true},
      {"\xE2\x82\xAC and \xF0\x9F\x98\x80 in a longer text", true, true},
      {"M\xFCller", false, false},
      {"ends open \xE2\x82", false, false},
      {"\xC0\xAF overlong", false, false},
      {"\xE0\x80\xAF overlong", false, false},
      {"\xED\xA0\x80 surrogate", false, false},
      {"\xF4\x90\x80\x80 past U+10FFFF", false, false},
      {"\xC3\xBC then a stray \x80 continuation", false, true},
      {"", true, false},
  };
  for (const Fall& f : faelle) {
    SCOPED_TRACE(f.bytes.toStdString());
    EXPECT_EQ(Codec::istUtf8(f.bytes), f.gueltig);
    EXPECT_EQ(Codec::erkennen(f.bytes),
              f.gueltig && f.mehrbyte ? Codec::Kodierung::Utf8 : Codec::Kodierung::Windows1252);
    for (qsizetype a = 0; a <= f.bytes.size(); ++a) {
      for (qsizetype b = a; b <= f.bytes.size(); ++b) {
        Codec::Utf8Pruefung p;
        p.weiter(f.bytes.constData(), a);
        p.weiter(f.bytes.constData() + a, b - a);
        p.weiter(f.bytes.constData() + b, f.bytes.size() - b);
        EXPECT_EQ(p.gueltig(), f.gueltig) << a << " " << b;
        if (f.gueltig) {
          EXPECT_EQ(p.mehrbyte(), f.mehrbyte) << a << " " << b;
        }
        EXPECT_EQ(p.kodierung(), Codec::erkennen(f.bytes)) << a << " " << b;
      }
    }
  }
}
