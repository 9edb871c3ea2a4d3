#include "platform/vb/Umgebung.h"

#include <gtest/gtest.h>
#include <unistd.h>

TEST(Umgebung, VariablenOhneRuecksichtAufGrossschreibung) {
  qputenv("KARTULON_TEST_STATION", "Empfang");
  EXPECT_EQ(Umgebung::variable(QStringLiteral("Kartulon_Test_Station")), QStringLiteral("Empfang"));
  qputenv("Kartulon_Test_Station", "Genau");
  EXPECT_EQ(Umgebung::variable(QStringLiteral("Kartulon_Test_Station")), QStringLiteral("Genau"));
  qunsetenv("KARTULON_TEST_STATION");
  qunsetenv("Kartulon_Test_Station");
  EXPECT_EQ(Umgebung::variable(QStringLiteral("Kartulon_Test_Station")), QString());
  EXPECT_EQ(Umgebung::kontoKennung(), QString::number(geteuid()));
}
