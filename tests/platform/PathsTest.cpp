#include "platform/vb/Paths.h"
#include "support/kern/TestUmgebung.h"

#include <QDir>
#include <QFileInfo>

class PathsTest : public KartulonTest {};

TEST_F(PathsTest, FoldersComeFromTheEnvironment) {
  EXPECT_EQ(Paths::programmOrdner(), programmOrdner());
  EXPECT_EQ(Paths::windowsOrdner(), windowsOrdner());
  qputenv("KARTULON_HOME", (programmOrdner() + "/").toLocal8Bit());
  EXPECT_EQ(Paths::programmOrdner(), programmOrdner());  // no trailing "/"
}

TEST_F(PathsTest, ResolvesNamesCaseInsensitivelyPerComponent) {
  dateiSchreiben(programmOrdner() + "/Kataloge/D-Plz.txt", "x");
  const QString p = programmOrdner();
  EXPECT_EQ(Paths::aufloesen(p + "/kataloge/d-plz.TXT"), p + "/Kataloge/D-Plz.txt");
  EXPECT_EQ(Paths::aufloesen(p + "\\KATALOGE\\D-PLZ.txt"), p + "/Kataloge/D-Plz.txt");
  // A missing name keeps the spelling asked for, below the folder found.
  EXPECT_EQ(Paths::aufloesen(p + "/KATALOGE/Neu/Datei.txt"), p + "/Kataloge/Neu/Datei.txt");
  EXPECT_EQ(Paths::aufloesen(p + "/Kartulon.Ini"), p + "/Kartulon.Ini");
  EXPECT_EQ(Paths::verbinden(p + "/", "/x"), p + "/x");
}

TEST_F(PathsTest, SeedingCopiesTheShippedFilesButNeverOverwritesAUsersFile) {
  const QString eigene = programmOrdner() + "/Kataloge/D-BLZ_1.Txt";
  dateiSchreiben(eigene, "eigene");
  Paths::ordnerEinrichten();
  EXPECT_EQ(dateiLesen(eigene), QByteArray("eigene"));
  EXPECT_TRUE(QFileInfo::exists(programmOrdner() + "/Kataloge/D-PLZ_Ort_1.txt"));
  EXPECT_TRUE(QFileInfo(windowsOrdner()).isDir());
}
