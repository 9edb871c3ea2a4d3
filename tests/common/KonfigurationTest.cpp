#include "common/Ini.h"
#include "common/Konfiguration.h"
#include "platform/vb/Programm.h"
#include "support/kern/TestUmgebung.h"

#include <unistd.h>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QProcess>

class KonfigurationTest : public KartulonTest {
 protected:
  QString cfg() const { return programmOrdner() + "/Adapter.Cfg"; }
  QString jobdatei(const QByteArray& inhalt) {
    const QString p = dateiSchreiben(cfg(), inhalt);
    QFile::setPermissions(p, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup | QFile::ReadOther);
    return p;
  }
  // Runs the jobs; true when the program ended.
  bool ausfuehren() {
    try {
      KonfigurationAnpassen();
    } catch (const vb::Programm::Beendet&) {
      return true;
    }
    return false;
  }
  QByteArray zedured() {
    IniSichern();
    return dateiLesen(windowsOrdner() + "/Zedured.ini");
  }
};

TEST_F(KonfigurationTest, NothingHappensWithoutAFileOrWithoutAutorun) {
  EXPECT_FALSE(ausfuehren());
  for (const QByteArray& autorun : {QByteArray("Autorun=0\r\n"), QByteArray("Autorun=nein\r\n"), QByteArray()}) {
    jobdatei("[Status]\r\n" + autorun + "[Job_Ini]\r\n01s=User\r\n01e=Maier\r\n");
    EXPECT_FALSE(ausfuehren());
    EXPECT_TRUE(QFileInfo::exists(cfg()));
  }
  QFile::remove(cfg());
  QDir().mkpath(cfg());  // a folder of that name is no job file
  EXPECT_FALSE(ausfuehren());
  EXPECT_TRUE(dialoge().requests().isEmpty());
  EXPECT_TRUE(programmEnden().isEmpty());
}

TEST_F(KonfigurationTest, AutorunWithoutJobsTellsDeletesAndEnds) {
  jobdatei("[Status]\r\nAutorun=1\r\n");
  EXPECT_TRUE(ausfuehren());
  ASSERT_EQ(dialoge().requests().size(), 2);
  EXPECT_EQ(dialoge().requests()[0].text, QStringLiteral("Konfigurierungen werden automatisch angepasst."));
  EXPECT_EQ(dialoge().requests()[0].style, vb::vbOKOnly + vb::vbInformation);
  EXPECT_EQ(dialoge().requests()[0].title, QStringLiteral("Anpassen der Konfigurierung"));
  EXPECT_EQ(
      dialoge().requests()[1].text,
      QStringLiteral("Konfigurierungen wurden automatisch angepasst.\r\n\r\nProgramm wird jetzt wieder beendet."));
  EXPECT_EQ(dialoge().requests()[1].title, QStringLiteral("Anpassen der Konfigurierung abgeschlossen."));
  EXPECT_FALSE(QFileInfo::exists(cfg()));
  EXPECT_EQ(programmEnden(), QList<int>{0});
  EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
}

TEST_F(KonfigurationTest, RunsSettingsAndProgramJobsInOrder) {
  const QString arbeit = tempPfad("arbeit");
  QDir().mkpath(arbeit);
  const QString vorher = QDir::currentPath();
  jobdatei(
      "[Status]\r\nAutorun=1\r\n"
      "[Hinweise]\r\nVor=Bitte warten~Danke\r\nNach=Fertig\r\n"
      "[Job_Ini]\r\n"
      "03f=\r\n03a=Allgemein\r\n03s=User\r\n03e=Maier\r\n"
      "05f=Kartulon.Ini\r\n05a=Beschriftung\r\n05e=Ohne Schluessel\r\n"
      "f07=" +
      programmOrdner().toUtf8() +
      "/x.ini\r\na07=A\r\ns07=B\r\ne07=C\r\n"
      "12f=" +
      programmOrdner().toUtf8() +
      "/Eigene.ini\r\n12a=Sektion\r\n12s=Schluessel\r\n12e=Wert\r\n"
      "99s=Letzter\r\n99e=ja\r\n"
      "[Job_Prg]\r\n"
      "02f=sh -c \"pwd > ort.txt\"\r\n02o=" +
      arbeit.toUtf8() +
      "\r\n"
      "10f=true eins \"zwei drei\"\r\n");
  ASSERT_TRUE(ausfuehren());

  ASSERT_EQ(dialoge().requests().size(), 2);
  EXPECT_EQ(dialoge().requests()[0].text, QStringLiteral("Bitte warten\r\nDanke"));
  EXPECT_EQ(dialoge().requests()[1].text, QStringLiteral("Fertig"));

  const QByteArray z = zedured();
  EXPECT_TRUE(z.contains("[Allgemein]\r\nUser=Maier")) << z.toStdString();
  EXPECT_TRUE(z.contains("Letzter=ja")) << z.toStdString();  // empty section: the program's own
  EXPECT_FALSE(z.contains("Ohne Schluessel"));
  EXPECT_FALSE(QFileInfo::exists(programmOrdner() + "/x.ini"));
  EXPECT_TRUE(dateiLesen(programmOrdner() + "/Eigene.ini").contains("Schluessel=Wert"));

  ASSERT_EQ(shell().gestartet.size(), 2);
  EXPECT_EQ(shell().gestartet[0].programm, QStringLiteral("sh"));
  EXPECT_EQ(shell().gestartet[0].argumente, QStringList({"-c", "pwd > ort.txt"}));
  EXPECT_EQ(shell().gestartet[0].ordner, arbeit);
  EXPECT_EQ(shell().gestartet[1].argumente, QStringList({"eins", "zwei drei"}));
  EXPECT_EQ(shell().gestartet[1].ordner, arbeit);  // the folder stays as the last job set it
  EXPECT_FALSE(QFileInfo::exists(cfg()));
  QDir::setCurrent(vorher);
}

TEST_F(KonfigurationTest, OnlyAFileOfRootOrTheUserThatNobodyElseMayWriteRuns) {
  const uint ich = 1000;
  const auto rw = QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadGroup | QFileDevice::ReadOther;
  struct Fall {
    uint besitzer;
    QFileDevice::Permissions rechte;
    bool erlaubt;
  };
  const Fall faelle[] = {
      {ich, rw, true},
      {0, rw, true},
      {1001, rw, false},
      {ich, rw | QFileDevice::WriteGroup, false},
      {0, rw | QFileDevice::WriteOther, false},
      {ich, QFileDevice::ReadOwner, true},
  };
  for (const Fall& f : faelle)
    EXPECT_EQ(KonfigurationVertrauenswuerdig(f.besitzer, f.rechte, ich), f.erlaubt) << f.besitzer;

  // On a real file: writable by others, it does not run and stays.
  const QString p = jobdatei("[Status]\r\nAutorun=1\r\n[Job_Ini]\r\n01s=User\r\n01e=Fremd\r\n");
  QFile::setPermissions(p, QFile::permissions(p) | QFile::WriteOther);
  EXPECT_FALSE(ausfuehren());
  EXPECT_TRUE(QFileInfo::exists(p));
  EXPECT_FALSE(zedured().contains("Fremd"));

  // Belonging to another user.
  QFile::setPermissions(p, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup | QFile::ReadOther);
  if (::chown(p.toLocal8Bit().constData(), 65534, 65534) != 0) GTEST_SKIP() << "cannot give the file away";
  EXPECT_FALSE(ausfuehren());
  EXPECT_FALSE(zedured().contains("Fremd"));

  // A link to a file elsewhere is no job file either.
  QFile::remove(p);
  const QString ziel = dateiSchreiben(tempPfad("woanders.cfg"), "[Status]\r\nAutorun=1\r\n");
  QFile::link(ziel, cfg());
  EXPECT_FALSE(ausfuehren());
  EXPECT_TRUE(dialoge().requests().isEmpty());
}

TEST_F(KonfigurationTest, AFileThatCannotBeDeletedDoesNotRunAgain) {
  jobdatei("[Status]\r\nAutorun=1\r\n[Job_Ini]\r\n01s=Zaehler\r\n01e=1\r\n");
  // The file must stay: a folder the user may not change, or (for root) a file marked immutable.
  struct Zurueck {
    QString ordner, datei;
    bool unveraenderlich = false;
    ~Zurueck() {
      if (unveraenderlich) QProcess::execute(QStringLiteral("chattr"), {QStringLiteral("-i"), datei});
      QFile::setPermissions(ordner, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }
  } zurueck{programmOrdner(), cfg()};
  QFile::setPermissions(programmOrdner(), QFile::ReadOwner | QFile::ExeOwner);
  if (::access(programmOrdner().toLocal8Bit().constData(), W_OK) == 0) {
    zurueck.unveraenderlich = QProcess::execute(QStringLiteral("chattr"), {QStringLiteral("+i"), cfg()}) == 0;
    if (!zurueck.unveraenderlich) GTEST_SKIP() << "the job file cannot be kept from being deleted";
  }
  EXPECT_TRUE(ausfuehren());
  EXPECT_TRUE(QFileInfo::exists(cfg()));
  EXPECT_TRUE(zedured().contains("Zaehler=1"));
  EXPECT_TRUE(zedured().contains("AdapterCfgErledigt="));
  EXPECT_FALSE(ausfuehren());  // the same file: no jobs, no messages, no end
  EXPECT_EQ(dialoge().requests().size(), 2);
  EXPECT_EQ(programmEnden().size(), 1);
}

TEST_F(KonfigurationTest, ARememberedFileRunsAgainOnlyWhenItChanged) {
  const QString p = jobdatei("[Status]\r\nAutorun=1\r\n");
  const QFileInfo info(p);
  dateiSchreiben(windowsOrdner() + "/Zedured.ini", QStringLiteral("[Kartulon]\r\nAdapterCfgErledigt=%1;%2\r\n")
                                                       .arg(info.size())
                                                       .arg(info.lastModified().toMSecsSinceEpoch())
                                                       .toUtf8());
  EXPECT_FALSE(ausfuehren());
  EXPECT_TRUE(dialoge().requests().isEmpty());
  jobdatei("[Status]\r\nAutorun=1\r\n[Hinweise]\r\nVor=Neu\r\n");
  EXPECT_TRUE(ausfuehren());
  EXPECT_FALSE(QFileInfo::exists(p));
}
