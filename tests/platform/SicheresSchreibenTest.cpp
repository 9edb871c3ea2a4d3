#include "platform/vb/IniDatei.h"
#include "platform/vb/SicheresSchreiben.h"
#include "support/kern/TestUmgebung.h"

#include <sys/resource.h>
#include <QDir>
#include <csignal>

class SicheresSchreibenTest : public KartulonTest {
 protected:
  // Runs f with the process's file-size limit set to `grenze` bytes (a write past it fails half-way, as
  // on a full disk).
  template <class F>
  void mitGroessenGrenze(rlim_t grenze, F f) {
    rlimit alt{};
    getrlimit(RLIMIT_FSIZE, &alt);
    auto altesSignal = std::signal(SIGXFSZ, SIG_IGN);
    rlimit neu = alt;
    neu.rlim_cur = grenze;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &neu), 0);
    f();
    setrlimit(RLIMIT_FSIZE, &alt);
    std::signal(SIGXFSZ, altesSignal);
  }
};

TEST_F(SicheresSchreibenTest, AWriteThatFailsHalfWayLeavesTheOldFile) {
  const QString pfad = dateiSchreiben(tempPfad("daten.txt"), "alter Inhalt\r\n");
  const QByteArray neu(4096, 'x');
  int nummer = 0;
  mitGroessenGrenze(1000, [&] { nummer = DateiSicherSchreiben(pfad, neu); });
  EXPECT_NE(nummer, 0);
  EXPECT_EQ(dateiLesen(pfad), QByteArray("alter Inhalt\r\n"));
  EXPECT_EQ(QDir(tempPfad("")).entryList(QDir::Files), QStringList{"daten.txt"});  // nothing left beside it
  EXPECT_EQ(DateiSicherSchreiben(pfad, neu), 0);
  EXPECT_EQ(dateiLesen(pfad), neu);
}

TEST_F(SicheresSchreibenTest, ASettingsWriteThatFailsHalfWayLeavesTheOldFile) {
  QByteArray alt = "[Kartulon]\r\n";
  for (int i = 0; i < 50; ++i) alt += QStringLiteral("Schluessel%1=Wert %1\r\n").arg(i).toLatin1();
  const QString pfad = dateiSchreiben(tempPfad("Test.ini"), alt);
  bool ok = true;
  mitGroessenGrenze(static_cast<rlim_t>(alt.size() + 10),
                    [&] { ok = Profil::schreiben(pfad, "Kartulon", "Lang", QString(500, u'y')); });
  EXPECT_FALSE(ok);
  EXPECT_EQ(dateiLesen(pfad), alt);
  EXPECT_EQ(Profil::lesen(pfad, "Kartulon", "Schluessel7", "fehlt"), QStringLiteral("Wert 7"));
}

// Written in pieces: the file takes the old one's place only when finished, whole; a piece that fails
// half-way, or a writer left unfinished, leaves the old file and nothing beside it.
TEST_F(SicheresSchreibenTest, PiecesReplaceTheFileOnlyWhenFinishedWhole) {
  const QString pfad = dateiSchreiben(tempPfad("daten.txt"), "alter Inhalt\r\n");
  const QByteArray teil(700, 'x');
  {
    SichererSchreiber datei(pfad);
    EXPECT_TRUE(datei.schreiben(teil));
    EXPECT_EQ(dateiLesen(pfad), QByteArray("alter Inhalt\r\n"));  // not yet in place
  }
  EXPECT_EQ(dateiLesen(pfad), QByteArray("alter Inhalt\r\n"));
  EXPECT_EQ(QDir(tempPfad("")).entryList(QDir::Files), QStringList{"daten.txt"});

  // The second piece passes the size limit: the same error as the file written at once.
  int nummerAufEinmal = 0, fehlerAufEinmal = 0, nummer = 0, fehler = 0;
  bool zweites = true, drittes = true;
  mitGroessenGrenze(1000, [&] {
    nummerAufEinmal = DateiSicherSchreiben(pfad, teil + teil + teil, &fehlerAufEinmal);
    SichererSchreiber datei(pfad);
    datei.schreiben(teil);
    zweites = datei.schreiben(teil);
    drittes = datei.schreiben(teil);
    nummer = datei.abschliessen(&fehler);
  });
  EXPECT_FALSE(zweites);
  EXPECT_FALSE(drittes);
  EXPECT_NE(nummer, 0);
  EXPECT_EQ(nummer, nummerAufEinmal);
  EXPECT_EQ(fehler, fehlerAufEinmal);
  EXPECT_NE(fehler, 0);
  EXPECT_EQ(dateiLesen(pfad), QByteArray("alter Inhalt\r\n"));
  EXPECT_EQ(QDir(tempPfad("")).entryList(QDir::Files), QStringList{"daten.txt"});

  SichererSchreiber datei(pfad);
  for (int i = 0; i < 3; ++i) EXPECT_TRUE(datei.schreiben(teil));
  EXPECT_EQ(datei.abschliessen(), 0);
  EXPECT_EQ(dateiLesen(pfad), teil + teil + teil);
  EXPECT_EQ(QDir(tempPfad("")).entryList(QDir::Files), QStringList{"daten.txt"});
}
