#include "common/Pfade.h"
#include "platform/vb/SicheresSchreiben.h"
#include "support/kern/TestUmgebung.h"

#include <fcntl.h>
#include <sys/resource.h>
#include <sys/syscall.h>
#include <unistd.h>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <cerrno>
#include <csignal>
#include <cstring>

namespace {

// A file system without hard links, while a test says so: a second name for a file fails as it does there
// (Qt's own link that names a new unnamed file stays).
bool ohneLinks = false;

}  // namespace

extern "C" int linkat(int von, const char* alt, int nach, const char* neu, int flags) noexcept {
  if (ohneLinks && std::strncmp(alt, "/proc/", 6) != 0) {
    errno = EPERM;
    return -1;
  }
  return static_cast<int>(::syscall(SYS_linkat, von, alt, nach, neu, flags));
}

class PfadeTest : public KartulonTest {
 protected:
  void TearDown() override {
    ohneLinks = false;
    KartulonTest::TearDown();
  }
};

TEST(Pfade, DateiTeilTakesAPathApart) {
  struct Fall {
    const char* pfad;
    int teil;
    const char* aus;
  };
  const Fall faelle[] = {
      {"/home/anna/Daten/Kunden.dat", -2, ""},
      {"/home/anna/Daten/Kunden.dat", -1, "/home/anna/Daten"},
      {"/home/anna/Daten/Kunden.dat", 0, "/home/anna/Daten/"},
      {"/home/anna/Daten/Kunden.dat", 1, "Kunden"},
      {"/home/anna/Daten/Kunden.dat", 2, "dat"},
      {"/home/anna/Daten/Kunden.dat", 3, "Kunden.dat"},
      // A switch after the path goes; the blank before it stays (the trim runs first).
      {"/home/anna/Daten/Kunden.dat /readonly", 3, "Kunden.dat "},
      {"/home/anna/Daten/Kunden.dat /readonly", 0, "/home/anna/Daten/"},
      {"  /home/anna/Kunden.dat  ", 3, "Kunden.dat"},
      {"/home/anna/Mein Ordner/Kunden.dat", -1, "/home/anna/Mein Ordner"},
      {"Kunden.dat", -2, ""},
      {"Kunden.dat", -1, ""},
      {"Kunden.dat", 0, ""},
      {"Kunden.dat", 1, "Kunden"},
      {"Kunden.dat", 2, "dat"},
      {"/Kunden.dat", 0, "/"},
      {"/Kunden.dat", -1, ""},  // the root, like a drive's root
      {"archiv.tar.gz", 1, "archiv"},
      {"archiv.tar.gz", 2, "tar.gz"},
      {"/home/anna/.config/kartulon/", 3, ""},
      {"/home/anna/.config/kartulon/", 0, "/home/anna/.config/kartulon/"},
      {"/home/anna/.profil", 1, ""},
      {"/home/anna/.profil", 2, "profil"},
      // Old Windows paths from settings: "\" is a separator, drive and server stay recognised.
      {"C:\\Daten\\Kunden.dat", -2, "C:"},
      {"C:\\Daten\\Kunden.dat", -1, "C:/Daten"},
      {"C:\\Daten\\Kunden.dat", 0, "C:/Daten/"},
      {"C:\\Daten\\Kunden.dat", 3, "Kunden.dat"},
      {"C:\\Kunden.dat", 0, "C:/"},
      {"C:\\Kunden.dat", -1, "C:"},
      {"\\\\srv\\ablage\\liste.txt", -2, "//srv"},
      {"\\\\srv\\ablage\\liste.txt", -1, "//srv/ablage"},
      {"\\\\srv\\ablage\\liste.txt", 0, "//srv/ablage/"},
      {"\\\\srv\\ablage\\liste.txt", 1, "liste"},
      {"\\\\srv", -2, "//srv"},
      {"\\\\srv", 0, "//srv"},
      {"\\\\srv", 1, ""},
      {"\\\\srv", 3, ""},
      {"/home/anna/Kunden.dat", 4, ""},
      {"/home/anna/Kunden.dat", -3, ""},
  };
  for (const Fall& f : faelle)
    EXPECT_EQ(DateiTeil(QString::fromUtf8(f.pfad), f.teil), QString::fromUtf8(f.aus)) << f.pfad << " " << f.teil;
  EXPECT_EQ(DateiTeil(QStringLiteral("/a/b.c"), QStringLiteral("1")), QStringLiteral("b"));
  EXPECT_EQ(DateiTeil(QStringLiteral("/a/b.c"), QStringLiteral("1.5")), QString());
  EXPECT_EQ(SicherungsName(QStringLiteral("/home/anna/Daten/Kunden.dat")),
            QStringLiteral("/home/anna/Daten/Kunden.BAK"));
}

TEST_F(PfadeTest, FoldersKeepTheirCase) {
  EXPECT_EQ(WindowsOrdner(), windowsOrdner());
  EXPECT_EQ(SystemOrdner(), windowsOrdner());
  EXPECT_EQ(ProgrammOrdner(), programmOrdner());
  const QString gemischt = tempPfad("Win Ordner/Zweiter");
  qputenv("KARTULON_WINDIR", (gemischt + "/").toLocal8Bit());
  EXPECT_EQ(WindowsOrdner(), gemischt);
}

TEST_F(PfadeTest, DateiVorhanden) {
  const QString kunden = dateiSchreiben(programmOrdner() + "/Kunden.dat", "..\r\n");
  EXPECT_TRUE(DateiVorhanden(kunden));
  EXPECT_TRUE(DateiVorhanden(programmOrdner() + "/KUNDEN.dat"));  // found without regard to case
  EXPECT_TRUE(DateiVorhanden(programmOrdner() + "\\Kunden.dat"));
  EXPECT_FALSE(DateiVorhanden(programmOrdner() + "/*.dat"));
  EXPECT_FALSE(DateiVorhanden(programmOrdner() + "/Kunden.da?"));
  EXPECT_FALSE(DateiVorhanden(programmOrdner()));
  EXPECT_FALSE(DateiVorhanden(programmOrdner() + "/Fehlt.dat"));
  EXPECT_FALSE(DateiVorhanden(QString()));
}

TEST_F(PfadeTest, DateiSuchenLooksInTheUsualFolders) {
  const QString vorher = QDir::currentPath();
  const QString aktuell = tempPfad("aktuell");
  QDir().mkpath(aktuell);
  QDir::setCurrent(aktuell);
  dateiSchreiben(aktuell + "/Sgn_Jo.Wav", "a");
  dateiSchreiben(programmOrdner() + "/Sgn_Jo.Wav", "b");
  dateiSchreiben(programmOrdner() + "/Tips.Bot", "c");
  dateiSchreiben(windowsOrdner() + "/Telefon.Wav", "d");
  EXPECT_EQ(DateiSuchen(QStringLiteral("Sgn_Jo.Wav")), aktuell + "/Sgn_Jo.Wav");
  EXPECT_EQ(DateiSuchen(QStringLiteral("tips.bot")), programmOrdner() + "/Tips.Bot");  // its real name
  EXPECT_EQ(DateiSuchen(QStringLiteral("Telefon.wav")), windowsOrdner() + "/Telefon.Wav");
  EXPECT_EQ(DateiSuchen(QStringLiteral("Fehlt.wav")), QString());
  QDir::setCurrent(vorher);
}

TEST_F(PfadeTest, SicherungAnlegenMakesAndRemovesTheBackup) {
  const QString kunden = dateiSchreiben(programmOrdner() + "/Kunden.dat", "neu");
  const QString bak = programmOrdner() + "/Kunden.BAK";
  dateiSchreiben(bak, "alte Sicherung");
  EXPECT_TRUE(SicherungAnlegen(kunden, 1));
  EXPECT_EQ(dateiLesen(bak), "neu");
  EXPECT_TRUE(SicherungAnlegen(kunden, 0));
  EXPECT_FALSE(QFileInfo::exists(bak));
  EXPECT_EQ(dateiLesen(kunden), "neu");
  // An old copy in another case is replaced by one in the spelling of the name.
  dateiSchreiben(programmOrdner() + "/kunden.bak", "alt");
  EXPECT_TRUE(SicherungAnlegen(kunden, 1));
  EXPECT_EQ(QDir(programmOrdner()).entryList(QDir::Files), (QStringList{"Kunden.BAK", "Kunden.dat"}));
  // A file that does not exist: the old copy goes, none is made.
  const QString fehlt = programmOrdner() + "/Fehlt.dat";
  dateiSchreiben(programmOrdner() + "/Fehlt.BAK", "alt");
  EXPECT_TRUE(SicherungAnlegen(fehlt, 1));
  EXPECT_FALSE(QFileInfo::exists(programmOrdner() + "/Fehlt.BAK"));
}

TEST_F(PfadeTest, ABackupThatFailsSaysSo) {
  const QString kunden = dateiSchreiben(programmOrdner() + "/Kunden.dat", "Daten");
  // Something that cannot be removed stands where the copy goes.
  QDir().mkpath(programmOrdner() + "/Kunden.BAK/drin");
  EXPECT_FALSE(SicherungAnlegen(kunden, 1));
  EXPECT_FALSE(SicherungAnlegen(kunden, 0));
  EXPECT_EQ(dateiLesen(kunden), "Daten");
  // A file named like its own backup is never removed as its own "copy".
  const QString bak = dateiSchreiben(programmOrdner() + "/Archiv.bak", "wertvoll");
  EXPECT_FALSE(SicherungAnlegen(bak, 1));
  EXPECT_FALSE(SicherungAnlegen(bak, 0));
  EXPECT_EQ(dateiLesen(bak), "wertvoll");
}

TEST_F(PfadeTest, TheBackupKeepsTheOldBytesWhenTheFileIsReplaced) {
  // Straight and through a symbolic link: the save replaces the file the link points to.
  const QString kunden = dateiSchreiben(programmOrdner() + "/Kunden.dat", "alt");
  ASSERT_TRUE(QFile::link(kunden, programmOrdner() + "/Verweis.dat"));
  for (const QString& name : {QStringLiteral("Kunden"), QStringLiteral("Verweis")}) {
    dateiSchreiben(kunden, "alt");
    const QString datei = programmOrdner() + "/" + name + ".dat";
    ASSERT_TRUE(SicherungAnlegen(datei, 1));
    ASSERT_EQ(DateiSicherSchreiben(kunden, "neu"), 0);
    EXPECT_EQ(dateiLesen(programmOrdner() + "/" + name + ".BAK"), "alt") << name.toStdString();
    EXPECT_EQ(dateiLesen(datei), "neu");
  }
}

// Where the file system has no links the backup is a copy, and a copy that cannot be made whole is none.
TEST_F(PfadeTest, WithoutLinksTheBackupIsACopy) {
  const QString kunden = dateiSchreiben(programmOrdner() + "/Kunden.dat", QByteArray(5000, 'a'));
  const QString bak = programmOrdner() + "/Kunden.BAK";
  ohneLinks = true;
  ASSERT_TRUE(SicherungAnlegen(kunden, 1));
  ohneLinks = false;
  ASSERT_EQ(DateiSicherSchreiben(kunden, "neu"), 0);
  EXPECT_EQ(dateiLesen(bak), QByteArray(5000, 'a'));  // a copy, not a second name of the replaced file
  ASSERT_TRUE(SicherungAnlegen(kunden, 0));
  EXPECT_FALSE(QFileInfo::exists(bak));

  // The copy stops at the file size limit: no backup, and nothing of it left.
  dateiSchreiben(kunden, QByteArray(5000, 'b'));
  rlimit alt{};
  getrlimit(RLIMIT_FSIZE, &alt);
  auto altesSignal = std::signal(SIGXFSZ, SIG_IGN);
  rlimit grenze = alt;
  grenze.rlim_cur = 1000;
  ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &grenze), 0);
  ohneLinks = true;
  const bool angelegt = SicherungAnlegen(kunden, 1);
  ohneLinks = false;
  setrlimit(RLIMIT_FSIZE, &alt);
  std::signal(SIGXFSZ, altesSignal);
  EXPECT_FALSE(angelegt);
  EXPECT_FALSE(QFileInfo::exists(bak));
  EXPECT_EQ(dateiLesen(kunden), QByteArray(5000, 'b'));
}
