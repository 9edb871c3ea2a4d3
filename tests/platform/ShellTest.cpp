#include "platform/dienste/Help.h"
#include "platform/dienste/Shell.h"
#include "platform/dienste/SysInfo.h"
#include "platform/vb/Programm.h"
#include "support/kern/TestUmgebung.h"
#include "support/kern/Warten.h"

#include <QDir>
#include <QFileInfo>
#include <QLocale>
#include <QStandardPaths>

class ShellTest : public KartulonTest {};

namespace {
// Waits (up to a limit) until the process has ended.
bool endetBinnen(ShellService& s, qint64 pid, int ms) {
  return WartenBis([&] { return !s.laeuft(pid); }, ms);
}
}  // namespace

TEST_F(ShellTest, StartsRealProgramsAndSeesThemEnd) {
  auto echt = Shell::echt();
  const qint64 schlaf = echt->starten(QStringLiteral("sleep"), {QStringLiteral("0.4")}, {});
  ASSERT_GT(schlaf, 0);
  EXPECT_TRUE(echt->laeuft(schlaf));
  EXPECT_TRUE(endetBinnen(*echt, schlaf, 5000));

  const qint64 wahr = echt->starten(QStringLiteral("true"), {}, {});
  ASSERT_GT(wahr, 0);
  EXPECT_TRUE(endetBinnen(*echt, wahr, 5000));

  EXPECT_EQ(echt->starten(QStringLiteral("/gibt/es/nicht"), {}, {}), 0);
  EXPECT_EQ(echt->starten(QStringLiteral("sleep"), {QStringLiteral("1")}, tempPfad("fehlt")), 0);
  EXPECT_FALSE(echt->laeuft(0));
}

TEST_F(ShellTest, StartsInTheFolderGiven) {
  const QString ordner = tempPfad("arbeit");
  QDir().mkpath(ordner);
  auto echt = Shell::echt();
  const qint64 pid =
      echt->starten(QStringLiteral("sh"), {QStringLiteral("-c"), QStringLiteral("pwd > hier.txt")}, ordner);
  ASSERT_GT(pid, 0);
  ASSERT_TRUE(endetBinnen(*echt, pid, 5000));
  EXPECT_EQ(dateiLesen(ordner + "/hier.txt").trimmed(), QDir(ordner).canonicalPath().toUtf8());
}

TEST_F(ShellTest, MovesFilesToTheTrash) {
  const QString xdg = tempPfad("xdg");
  QDir().mkpath(xdg);
  const QByteArray alt = qgetenv("XDG_DATA_HOME");
  qputenv("XDG_DATA_HOME", xdg.toLocal8Bit());
  const QString datei = dateiSchreiben(tempPfad("weg.txt"), "inhalt");
  EXPECT_TRUE(Shell::echt()->inPapierkorb(datei));
  EXPECT_FALSE(QFileInfo::exists(datei));
  EXPECT_FALSE(Shell::echt()->inPapierkorb(tempPfad("fehlt.txt")));
  if (alt.isNull())
    qunsetenv("XDG_DATA_HOME");
  else
    qputenv("XDG_DATA_HOME", alt);
}

TEST_F(ShellTest, TheDoubleRecordsAndStartsForReal) {
  EXPECT_TRUE(Shell::service().oeffnen(QUrl(QStringLiteral("https://example.org/a"))));
  ASSERT_EQ(shell().geoeffnet.size(), 1);
  EXPECT_EQ(shell().geoeffnet[0].toString(), QStringLiteral("https://example.org/a"));
  const qint64 pid = Shell::service().starten(QStringLiteral("true"), {}, {});
  EXPECT_GT(pid, 0);
  ASSERT_EQ(shell().gestartet.size(), 1);
  EXPECT_EQ(shell().gestartet[0].programm, QStringLiteral("true"));
  shell().echtStarten = false;
  EXPECT_EQ(Shell::service().starten(QStringLiteral("egal"), {}, {}), 4711);
  EXPECT_FALSE(Shell::service().laeuft(4711));
}

TEST_F(ShellTest, HelpPagesAreNamedAfterFileAndTopic) {
  EXPECT_EQ(Help::seitenName(QStringLiteral("Kartulon.Hlp"), 1030), QStringLiteral("Kartulon_1030.html"));
  EXPECT_EQ(Help::seitenName(QStringLiteral("C:\\Programme\\werbung.hlp"), 1002), QStringLiteral("werbung_1002.html"));
  EXPECT_EQ(Help::seitenName(QStringLiteral("Werbung.hlp"), -1), QStringLiteral("Werbung.html"));
  EXPECT_EQ(Help::seitenName(QString(), 5), QString());

  EXPECT_EQ(Help::service().seite(QStringLiteral("Kartulon.hlp"), 1030), QString());
  const QString seite = dateiSchreiben(programmOrdner() + "/Kartulon_1030.html", "<html/>");
  EXPECT_EQ(Help::service().seite(QStringLiteral("KARTULON.HLP"), 1030), seite);
  EXPECT_EQ(Help::service().seite(QStringLiteral("Kartulon.hlp"), 1031), QString());
}

TEST_F(ShellTest, EndRunsTheCleanUpsOnceInReverseOrder) {
  QStringList lauf;
  vb::Programm::beimEnde("a", [&] { lauf << "a"; });
  vb::Programm::beimEnde("b", [&] { lauf << "b"; });
  vb::Programm::beimEnde("a", [&] { lauf << "a2"; });  // replaces the first
  vb::Programm::beimEnde("c", [&] { lauf << "c"; });
  vb::Programm::beimEndeEntfernen("c");
  try {
    vb::Programm::Ende(3);
    FAIL() << "Ende returned";
  } catch (const vb::Programm::Beendet& b) {
    EXPECT_EQ(b.code, 3);
  }
  EXPECT_EQ(lauf, QStringList({"a2", "b"}));
  EXPECT_EQ(programmEnden(), QList<int>{3});
  EXPECT_THROW(vb::Programm::Ende(), vb::Programm::Beendet);
  EXPECT_EQ(lauf.size(), 2);  // the clean-ups ran only the first time
}

TEST_F(ShellTest, RealSystemFacts) {
  SysInfo::install(nullptr);
  SysInfoService& s = SysInfo::service();
  EXPECT_GT(s.laufzeitMs(), 0);
  EXPECT_FALSE(s.anmeldeName().isEmpty());
  const Speicher m = s.speicher();
  EXPECT_GT(m.physischGesamt, 0);
  EXPECT_LE(m.physischFrei, m.physischGesamt);
  EXPECT_GT(s.prozessor().anzahl, 0);
  EXPECT_TRUE(QFileInfo(s.programmDatei()).isFile());

  const Regionaleinstellungen de = SysInfo::regionalVon(QLocale(QLocale::German, QLocale::Germany));
  EXPECT_EQ(de.dezimalzeichen, QStringLiteral(","));
  EXPECT_EQ(de.gruppenzeichen, QStringLiteral("."));
  const Regionaleinstellungen us = SysInfo::regionalVon(QLocale(QLocale::English, QLocale::UnitedStates));
  EXPECT_EQ(us.dezimalzeichen, QStringLiteral("."));
  EXPECT_TRUE(us.datumZeitFormat.contains(u'/'));
}

TEST_F(ShellTest, NothingIsHandedToADesktopWithoutAProgramForIt) {
  if (QStandardPaths::findExecutable(QStringLiteral("xdg-mime")).isEmpty())
    GTEST_SKIP() << "xdg-mime is needed (tools/deps.sh installs xdg-utils)";
  // A desktop of the test's own: no program for anything.
  const QString xdg = tempPfad("xdg");
  QDir().mkpath(xdg + "/daten/applications");
  QDir().mkpath(xdg + "/konfig");
  const char* namen[] = {"XDG_DATA_HOME", "XDG_CONFIG_HOME", "XDG_DATA_DIRS", "XDG_CURRENT_DESKTOP"};
  QList<QByteArray> alt;
  for (const char* n : namen) alt << qgetenv(n);
  qputenv("XDG_DATA_HOME", (xdg + "/daten").toLocal8Bit());
  qputenv("XDG_CONFIG_HOME", (xdg + "/konfig").toLocal8Bit());
  qputenv("XDG_DATA_DIRS", (xdg + "/keine").toLocal8Bit());
  qunsetenv("XDG_CURRENT_DESKTOP");

  const QString brief = dateiSchreiben(tempPfad("Brief.doc"), "{\\rtf1 Brief}");
  auto echt = Shell::echt();
  for (const QUrl& url :
       {QUrl(QStringLiteral("mailto:a@b.de?subject=x")), QUrl::fromLocalFile(brief), QUrl::fromLocalFile(xdg)})
    EXPECT_FALSE(echt->oeffnen(url)) << url.toString().toStdString();

  for (int i = 0; i < 4; ++i) {
    if (alt[i].isNull())
      qunsetenv(namen[i]);
    else
      qputenv(namen[i], alt[i]);
  }
}
