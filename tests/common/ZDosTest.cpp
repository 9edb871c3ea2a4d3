#include "common/ZDos.h"
#include "support/kern/TestUmgebung.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QTimer>
#include <csignal>

class ZDosTest : public KartulonTest {
 protected:
  // A shell script that writes its folder and its arguments, one a line, into the file "aus" beside it.
  QString skript(const QString& ordner, const QString& name = QStringLiteral("zeig.sh")) {
    QDir().mkpath(ordner);
    const QString pfad = dateiSchreiben(
        ordner + u'/' + name,
        "#!/bin/sh\n{ pwd; for a in \"$@\"; do printf '%s\\n' \"$a\"; done; } > \"$(dirname \"$0\")/aus\"\n");
    QFile::setPermissions(pfad, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    return pfad;
  }
  static bool warteAufDatei(const QString& pfad) {
    QElapsedTimer t;
    t.start();
    while (!QFileInfo(pfad).isFile() || QFileInfo(pfad).size() == 0) {
      if (t.elapsed() > 5000) return false;
      QGuiApplication::processEvents(QEventLoop::AllEvents, 20);
    }
    return true;
  }
};

TEST_F(ZDosTest, CleansTextsForFileNames) {
  const std::pair<QString, QString> faelle[] = {
      {"Konto 12.345,00", "Konto_12_345_00"},
      {"a:\\x?.txt", "a__x__txt"},
      {"Meier/Schulze", "Meier_Schulze"},  // no folder can slip into the name
      {"a;b*c", "a_b_c"},
      {QStringLiteral("Zeile\r\nzwei\tdrei\x7f"), "Zeile__zwei_drei_"},
      {"Müller-Lüdenscheid <1>", "Müller-Lüdenscheid_<1>"},
      {"", ""},
  };
  for (const auto& [ein, aus] : faelle) EXPECT_EQ(Z_DOS::DateinameBereinigen(ein), aus) << ein.toStdString();
}

TEST_F(ZDosTest, MovesEachListedFileToTheTrash) {
  Z_DOS::DateienInPapierkorb(QString());
  EXPECT_TRUE(shell().papierkorb.isEmpty());
  Z_DOS::DateienInPapierkorb(QStringLiteral("/tmp/a.txt"));
  Z_DOS::DateienInPapierkorb(QStringLiteral("/tmp/b.txt") + QChar(0) + QStringLiteral("C:\\x\\c.txt") + QChar(0));
  EXPECT_EQ(shell().papierkorb, QStringList({"/tmp/a.txt", "/tmp/b.txt", "C:/x/c.txt"}));
}

TEST_F(ZDosTest, StartsInTheProgramsFolderAndKeepsTheCurrentOne) {
  const QString ordner = tempPfad("werkzeug");
  const QString prog = skript(ordner);
  const QString vorher = QDir::currentPath();
  const qint64 h = Z_DOS::ProgrammStarten(prog + QStringLiteral(" notiz.txt \"zwei Worte\""), QString(), 1);
  EXPECT_GT(h, 0);
  EXPECT_EQ(Z_DOS::TaskId, h);
  EXPECT_EQ(QDir::currentPath(), vorher);
  Z_DOS::ProzessAbwarten(h, 5);
  ASSERT_TRUE(warteAufDatei(ordner + "/aus"));
  EXPECT_EQ(dateiLesen(ordner + "/aus"), QDir(ordner).canonicalPath().toUtf8() + "\nnotiz.txt\nzwei Worte\n");
  EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
  EXPECT_TRUE(dialoge().requests().isEmpty());
}

TEST_F(ZDosTest, AFailedStartGivesZeroNotTheEarlierProgram) {
  const qint64 erster = Z_DOS::ProgrammStarten(QStringLiteral("sleep 30"), QString(), 1);
  ASSERT_GT(erster, 0);
  struct Beenden {
    qint64 pid;
    ~Beenden() { ::kill(static_cast<pid_t>(pid), SIGTERM); }
  } beenden{erster};
  const qint64 h = Z_DOS::ProgrammStarten(QStringLiteral("/gibt/es/nicht/prog -x"), QString(), 1);
  EXPECT_EQ(h, 0);
  EXPECT_EQ(Z_DOS::TaskId, 0);
  ASSERT_EQ(dialoge().requests().size(), 1);
  EXPECT_TRUE(dialoge().requests()[0].text.contains(
      QStringLiteral("Es ist ein Fehler beim Programmstart von\r\n/gibt/es/nicht/prog -x\r\n aufgetreten.")))
      << dialoge().requests()[0].text.toStdString();
  EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
}

TEST_F(ZDosTest, AMissingFolderIsReportedAndTheAnswerDecides) {
  const QString fehlt = tempPfad("fehlt");
  dialoge().answer(vb::vbCancel);
  EXPECT_EQ(Z_DOS::ProgrammStarten(QStringLiteral("true"), fehlt, 1), 0);
  EXPECT_TRUE(shell().gestartet.isEmpty());
  ASSERT_EQ(dialoge().requests().size(), 1);
  EXPECT_TRUE(
      dialoge().requests()[0].text.contains(QStringLiteral("true\r\n") + fehlt + QStringLiteral(" aufgetreten.")));

  // "Nein" goes on: the program starts in the current folder.
  dialoge().answer(vb::vbNo);
  EXPECT_GT(Z_DOS::ProgrammStarten(QStringLiteral("true"), fehlt, 1), 0);
  ASSERT_EQ(shell().gestartet.size(), 1);
  EXPECT_EQ(shell().gestartet[0].ordner, QDir::currentPath());
}

TEST_F(ZDosTest, WaitsForTheProgramUpToTheLimit) {
  QElapsedTimer t;
  // A program that has ended: one look.
  const qint64 wahr = Z_DOS::ProgrammStarten(QStringLiteral("true"), QString(), 1);
  ASSERT_GT(wahr, 0);
  QElapsedTimer ende;
  ende.start();
  while (shell().laeuft(wahr) && ende.elapsed() < 5000) QGuiApplication::processEvents(QEventLoop::AllEvents, 10);
  t.start();
  Z_DOS::ProzessAbwarten(wahr, 0);
  EXPECT_LT(t.elapsed(), 200);

  // A program that ends by itself within the limit.
  const qint64 kurz = Z_DOS::ProgrammStarten(QStringLiteral("sleep 0.4"), QString(), 1);
  t.start();
  Z_DOS::ProzessAbwarten(kurz, 10);
  EXPECT_GE(t.elapsed(), 300);
  EXPECT_LT(t.elapsed(), 3000);

  // A program that runs on: the limit ends the wait; events run meanwhile.
  const qint64 lang = Z_DOS::ProgrammStarten(QStringLiteral("sleep 30"), QString(), 1);
  int ereignisse = 0;
  QTimer takt;
  QObject::connect(&takt, &QTimer::timeout, [&] { ++ereignisse; });
  takt.start(100);
  t.start();
  Z_DOS::ProzessAbwarten(lang, 1);
  EXPECT_GE(t.elapsed(), 950);
  EXPECT_LT(t.elapsed(), 2500);
  EXPECT_GE(ereignisse, 5);
  EXPECT_TRUE(shell().laeuft(lang));
  ::kill(static_cast<pid_t>(lang), SIGTERM);

  // No handle: nothing to wait for.
  t.start();
  Z_DOS::ProzessAbwarten(0, 5);
  EXPECT_LT(t.elapsed(), 200);
}

TEST_F(ZDosTest, TheDefaultEditorIsTheDesktopsProgramForTextFiles) {
  const QString datei = dateiSchreiben(tempPfad("Meine Liste.txt"), "x");
  Z_DOS::TextDateiBearbeiten(datei, true);
  ASSERT_EQ(shell().geoeffnet.size(), 1);
  EXPECT_EQ(shell().geoeffnet[0], QUrl::fromLocalFile(datei));
  EXPECT_TRUE(shell().gestartet.isEmpty());
}

TEST_F(ZDosTest, AConfiguredEditorGetsTheFileAsOneArgumentAndIsWaitedFor) {
  const QString ordner = tempPfad("editor");
  const QString editor = skript(ordner, QStringLiteral("ed.sh"));
  dateiSchreiben(windowsOrdner() + "/Zedured.ini", "[Allgemein]\r\nPrgTxtEdit=" + editor.toUtf8() + " -n\r\n");
  const QString datei = dateiSchreiben(tempPfad("Meine Liste.txt"), "x");
  Z_DOS::TextDateiBearbeiten(datei, true);
  // Waited for: the editor has written its file when the call returns.
  ASSERT_TRUE(QFileInfo(ordner + "/aus").isFile());
  EXPECT_EQ(dateiLesen(ordner + "/aus"),
            QDir(windowsOrdner()).canonicalPath().toUtf8() + "\n-n\n" + datei.toUtf8() + "\n");
  EXPECT_TRUE(shell().geoeffnet.isEmpty());
}
