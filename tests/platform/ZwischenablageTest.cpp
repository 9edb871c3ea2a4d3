// The clipboard's line ends: LF on the clipboard, CR LF in the program.
#include "platform/dienste/Zwischenablage.h"
#include "support/kern/TestUmgebung.h"

class ZwischenablageTest : public KartulonTest {};

TEST_F(ZwischenablageTest, TextGoesOnWithLfAndComesBackWithCrLf) {
  const std::tuple<QString, QString, QString> faelle[] = {
      // put on, as it stands on the clipboard, as the program reads it back
      {"a\r\nb", "a\nb", "a\r\nb"},
      {"a\rb\nc", "a\nb\nc", "a\r\nb\r\nc"},
      {"a\r\n\r\nb\r\n", "a\n\nb\n", "a\r\n\r\nb\r\n"},
      {" 0221 / 12 34 ", " 0221 / 12 34 ", " 0221 / 12 34 "},
      {"", "", ""},
  };
  for (const auto& [text, ablage, zurueck] : faelle) {
    Zwischenablage::textSetzen(text);
    EXPECT_EQ(zwischenablage().inhalt.value_or("<none>"), ablage) << text.toStdString();
    EXPECT_EQ(Zwischenablage::text(), zurueck) << text.toStdString();
  }
  // Text that another program put there with CR or CR LF reads the same.
  zwischenablage().inhalt = QStringLiteral("x\ry\r\nz\nw");
  EXPECT_EQ(Zwischenablage::text(), QStringLiteral("x\r\ny\r\nz\r\nw"));
}

TEST_F(ZwischenablageTest, EmptyTextIsTextButAClearedClipboardHoldsNone) {
  Zwischenablage::leeren();
  EXPECT_FALSE(Zwischenablage::hatText());
  Zwischenablage::textSetzen(QString());
  EXPECT_TRUE(Zwischenablage::hatText());
}

TEST_F(ZwischenablageTest, WhoFollowsTheClipboardIsToldOfEachChangeUntilItLeaves) {
  int gemeldet = 0;
  const int nummer = Zwischenablage::beiAenderung([&] { ++gemeldet; });
  Zwischenablage::textSetzen(QStringLiteral("a"));
  Zwischenablage::leeren();
  EXPECT_EQ(gemeldet, 2);
  Zwischenablage::abmelden(nummer);
  Zwischenablage::textSetzen(QStringLiteral("b"));
  EXPECT_EQ(gemeldet, 2);
}
