// The rules of the start-up window and the about box that need no window.
#include "common/Titelbild.h"

#include <gtest/gtest.h>

namespace {

TEST(TitelbildTest, HolidayPictureOfTheDay) {
  struct Fall {
    int monat, tag, bild;
  };
  const Fall faelle[] = {
      {1, 1, 7},   {1, 2, -1},  {3, 21, 2},  {3, 20, -1},  {6, 21, 3},   {9, 23, 4},  {11, 29, 8},
      {12, 6, 1},  {12, 8, -1}, {12, 9, 6},  {12, 20, 6},  {12, 21, 5},  {12, 22, 6}, {12, 23, 6},
      {12, 24, 0}, {12, 25, 0}, {12, 26, 0}, {12, 27, -1}, {12, 30, -1}, {12, 31, 7}, {7, 14, -1},
  };
  for (const Fall& f : faelle) EXPECT_EQ(FeiertagsBild(QDate(2026, f.monat, f.tag)), f.bild) << f.tag << "." << f.monat;
  // The same days in a leap year.
  EXPECT_EQ(FeiertagsBild(QDate(2028, 12, 21)), 5);
  EXPECT_EQ(FeiertagsBild(QDate(2028, 3, 21)), 2);
}

TEST(TitelbildTest, TitleSizeFillsTheWidthUpToTheCap) {
  struct Fall {
    double breite, rand, groesse, textBreite, obergrenze, erwartet;
  };
  const Fall faelle[] = {
      {5610, 1600, 39.75, 4010, 55, 39.75},  // exactly fills
      {5610, 1600, 40, 2000, 55, 55},        // would need 80 pt
      {5610, 1600, 40, 3000, 55, 40.0 * 4010 / 3000},
      {3610, 1600, 40, 4020, 55, 20},  // a narrower window gives a smaller font
      {5925, 1800, 30, 2750, 45, 45},
  };
  for (const Fall& f : faelle)
    EXPECT_DOUBLE_EQ(TitelSchriftGroesse(f.breite, f.rand, f.groesse, f.textBreite, f.obergrenze), f.erwartet);
}

TEST(TitelbildTest, TextsAndColours) {
  const VersionNummern v{7, 2, 15};
  EXPECT_EQ(TitelText(7), QStringLiteral("Kartulon 7"));
  EXPECT_EQ(TitelText(12), QStringLiteral("Kartulon 12"));
  EXPECT_EQ(LadeText(v), QStringLiteral("Lade Programm Version 32-Bit 7.02.0015"));
  struct Fall {
    double farben;
    long schatten, flaeche;
  };
  const Fall faelle[] = {{16, 0x808080, 0x0000FF}, {256, 0x808080, 0x0000FF}, {16777216, 0x505050, 0x3088FC}};
  for (const Fall& f : faelle) {
    EXPECT_EQ(TitelSchatten(f.farben), f.schatten) << f.farben;
    EXPECT_EQ(TitelFlaeche(f.farben), f.flaeche) << f.farben;
  }
}

}  // namespace
