// Saving the record table: what is written, the backup copy, and saves that fail or are killed half-way.
#include "common/Global.h"
#include "common/Ini.h"
#include "mainwindow/AdressdateiFixture.h"
#include "mainwindow/Main.h"
#include "platform/vb/Vb.h"
#include "store/Adressdatei.h"
#include "store/Datensatz.h"

#include <fcntl.h>
#include <linux/fs.h>
#include <sys/ioctl.h>
#include <sys/resource.h>
#include <unistd.h>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QSet>
#include <QThread>
#include <csignal>
#include <iostream>

namespace {

const QString kSpeicherFehler = QStringLiteral("Es ist ein Fehler beim Speichern aufgetreten.");

// Sets or clears the immutable flag of a folder: then nobody, root included, may create or rename
// files in it. false when the file system or the process may not do that.
bool unveraenderlich(const QString& ordner, bool an) {
  const int fd = ::open(QFile::encodeName(ordner).constData(), O_RDONLY | O_DIRECTORY);
  if (fd < 0) return false;
  int flags = 0;
  bool ok = ::ioctl(fd, FS_IOC_GETFLAGS, &flags) == 0;
  if (ok) {
    flags = an ? (flags | FS_IMMUTABLE_FL) : (flags & ~FS_IMMUTABLE_FL);
    ok = ::ioctl(fd, FS_IOC_SETFLAGS, &flags) == 0;
  }
  ::close(fd);
  return ok;
}

// The running numbers (field 23) of every record in a file: a complete file has them all.
QSet<QString> indexe(const QByteArray& bytes) {
  QSet<QString> s;
  for (const QString& z : AdressdateiZerlegen(bytes, QStringLiteral("X")).datensaetze) s.insert(FelderAusZeile(z)[23]);
  return s;
}

QSet<QString> alleIndexe(int anzahl) {
  QSet<QString> s;
  for (int i = 1; i <= anzahl; ++i) s.insert(QString::number(i));
  return s;
}

}  // namespace

class DatenSpeichernTest : public AdressdateiTest {
 protected:
  void laden(const QByteArray& datei) {
    adressdatei(datei);
    m().DatenLaden();
    ASSERT_EQ(NurLesen, 0);
  }
  // A key release in the surname box after typing text there.
  void bearbeiten(const QString& text) {
    m().Feld(1).setText(text);
    m().AdresseAktualisieren(0);
  }
  int speicherFehler() {
    int n = 0;
    for (const auto& r : dialoge().requests())
      if (r.text.contains(kSpeicherFehler)) ++n;
    return n;
  }
  const QByteArray drei = "..Privat\r\n" + zeileAus({{1, "Meier"}, {23, "1"}}).toLatin1() + "\r\n" +
                          QByteArray(23, '\t') + "1\t\r\n" + zeileAus({{1, "Weber"}, {23, "2"}}).toLatin1() + "\r\n";
};

TEST_F(DatenSpeichernTest, WritesHeaderAndTableAndRemovesTheBackup) {
  laden(drei);
  bearbeiten(QStringLiteral("Meyer"));
  ASSERT_EQ(panel("Unsaved"), QStringLiteral(" * "));
  EXPECT_TRUE(m().DatenSpeichern());
  // The record the load dropped (fields 0 to 14 empty) is gone from the file.
  EXPECT_EQ(dateiLesen(AktuelleDatei),
            "..Privat\r\n" + zeileAus({{0, " "}, {1, "Meyer"}, {16, "10.12.2026"}, {23, "1"}}).toLatin1() + "\r\n" +
                zeileAus({{0, " "}, {1, "Weber"}, {23, "2"}}).toLatin1() + "\r\n");
  EXPECT_FALSE(QFile::exists(sicherung()));
  EXPECT_EQ(Geaendert, 0);
  EXPECT_EQ(panel("Unsaved"), QString());
  EXPECT_EQ(panel("Status"), QStringLiteral("Bereit"));
  EXPECT_EQ(speicherFehler(), 0);
}

TEST_F(DatenSpeichernTest, WithoutChangesOnlyThePositionIsStored) {
  laden(drei);
  const QDateTime zeit = QFileInfo(AktuelleDatei).lastModified();
  m().Liste->setListIndex(1);
  EXPECT_TRUE(m().DatenSpeichern());
  EXPECT_EQ(dateiLesen(AktuelleDatei), drei);
  EXPECT_EQ(QFileInfo(AktuelleDatei).lastModified(), zeit);
  EXPECT_EQ(vb::Val(IniLesen(QString(), QString(), QStringLiteral("User_Maier_kunden_Pos"), QString())), 1);
}

TEST_F(DatenSpeichernTest, ReadOnlyModeDoesNothingAtAll) {
  laden(drei);
  bearbeiten(QStringLiteral("Meyer"));
  NurLesen = -1;
  const QByteArray zedured = dateiLesen(windowsOrdner() + QStringLiteral("/Zedured.ini"));
  EXPECT_TRUE(m().DatenSpeichern());
  EXPECT_EQ(dateiLesen(AktuelleDatei), drei);
  EXPECT_EQ(dateiLesen(windowsOrdner() + QStringLiteral("/Zedured.ini")), zedured);
  EXPECT_EQ(Geaendert, 1);
}

TEST_F(DatenSpeichernTest, HeaderLine) {
  struct Fall {
    const char* firstDataLine;
    const char* beschreibung;
    QByteArray kopf;
  };
  const Fall faelle[] = {
      {"", "Privat", "..Privat"},
      {"Nachname^tVorname", "Privat", "..Nachname\tVorname"},
      {"Nachname^TVorname", "Privat", "..Nachname\tVorname"},
      {"..Eigen", "Privat", "..Eigen"},
      {"", "..Punkte", "..Punkte"},
  };
  for (const Fall& f : faelle) {
    SCOPED_TRACE(f.firstDataLine);
    laden("..x\r\n");  // an empty table: the file holds only the header line
    IniSchreiben(QString(), QString(), QStringLiteral("FirstDataLine"), QString::fromLatin1(f.firstDataLine));
    DateiBeschreibung = QString::fromLatin1(f.beschreibung);
    Geaendert = 1;
    EXPECT_TRUE(m().DatenSpeichern());
    EXPECT_EQ(dateiLesen(AktuelleDatei), f.kopf + "\r\n");
  }
}

TEST_F(DatenSpeichernTest, A32000RecordFileSavesBackByteIdenticalAfterAnEditIsUndone) {
  const QString datei = AktuelleDatei;
  const QString fehler = AdressenErzeugen(kMaxDatensaetze, datei);
  ASSERT_TRUE(fehler.isEmpty()) << fehler.toStdString();
  const QByteArray vorher = dateiLesen(datei);
  m().DatenLaden();
  ASSERT_EQ(m().Liste->ListCount(), kMaxDatensaetze);
  ASSERT_TRUE(dialoge().requests().isEmpty());  // exactly 32000: no message
  ASSERT_EQ(NurLesen, 0);
  m().Liste->setListIndex(12345);
  bearbeiten(QStringLiteral("Geändert"));
  ASSERT_NE(m().Liste->List(12345), AktuellerDatensatz);
  // Undo puts the record back as it was when it was selected.
  m().Liste->setList(12345, AktuellerDatensatz);
  ASSERT_EQ(Geaendert, 1);
  EXPECT_TRUE(m().DatenSpeichern());
  EXPECT_TRUE(dateiLesen(datei) == vorher);
  EXPECT_FALSE(QFile::exists(sicherung()));
}

TEST_F(DatenSpeichernTest, UTF8FilesStayUTF8) {
  const QByteArray utf8 =
      "..M\xC3\xBC"
      "ller\r\n" +
      zeileAus({{0, "x"}, {1, QString::fromUtf8("Köhler")}}).toUtf8() + "\r\n";
  laden(utf8);
  EXPECT_EQ(m().Feld(1).Text(), QString::fromUtf8("Köhler"));
  bearbeiten(QString::fromUtf8("Kühn"));
  EXPECT_TRUE(m().DatenSpeichern());
  EXPECT_EQ(dateiLesen(AktuelleDatei),
            "..M\xC3\xBC"
            "ller\r\n" +
                zeileAus({{0, "x"}, {1, QString::fromUtf8("Kühn")}, {16, "10.12.2026"}}).toUtf8() + "\r\n");
}

// A save that the file system refuses: the old file stays, the changes stay unsaved, the caller is told,
// and the error is shown once.
TEST_F(DatenSpeichernTest, ASaveThatCannotBeWrittenKeepsTheOldFileAndTheChanges) {
  enum class Art { Unveraenderlich, ElternIstDatei, DateiZuGross };
  const std::pair<Art, const char*> faelle[] = {{Art::Unveraenderlich, "immutable folder"},
                                                {Art::ElternIstDatei, "folder replaced by a file"},
                                                {Art::DateiZuGross, "write fails half-way (file size limit)"}};
  for (const auto& [art, name] : faelle) {
    SCOPED_TRACE(name);
    dialoge().clear();
    laden(drei);
    bearbeiten(QStringLiteral("Meyer") + QString(200, u'x'));
    QString alteDatei = AktuelleDatei;
    rlimit altesLimit{};
    auto altesSignal = SIG_DFL;
    switch (art) {
      case Art::Unveraenderlich:
        if (!unveraenderlich(DatenOrdner, true)) {
          std::cout << "immutable folders are not available here; case skipped\n";
          continue;
        }
        break;
      case Art::ElternIstDatei:
        alteDatei = DatenOrdner + QStringLiteral("_weg/kunden.dat");
        ASSERT_TRUE(QDir().rename(DatenOrdner, DatenOrdner + QStringLiteral("_weg")));
        dateiSchreiben(DatenOrdner, "kein Ordner");
        break;
      case Art::DateiZuGross: {
        getrlimit(RLIMIT_FSIZE, &altesLimit);
        altesSignal = std::signal(SIGXFSZ, SIG_IGN);
        rlimit neu = altesLimit;
        neu.rlim_cur = static_cast<rlim_t>(drei.size() + 50);
        ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &neu), 0);
        break;
      }
    }
    const bool ok = m().DatenSpeichern();
    switch (art) {
      case Art::Unveraenderlich:
        unveraenderlich(DatenOrdner, false);
        break;
      case Art::ElternIstDatei:
        QFile::remove(DatenOrdner);
        QDir().rename(DatenOrdner + QStringLiteral("_weg"), DatenOrdner);
        break;
      case Art::DateiZuGross:
        setrlimit(RLIMIT_FSIZE, &altesLimit);
        std::signal(SIGXFSZ, altesSignal);
        break;
    }
    EXPECT_FALSE(ok);
    EXPECT_EQ(Geaendert, 1);
    EXPECT_EQ(panel("Unsaved"), QStringLiteral(" * "));
    EXPECT_EQ(speicherFehler(), 1);
    EXPECT_EQ(dateiLesen(AktuelleDatei), drei);
    // Nothing of the attempt is left beside the file but, at most, the backup of the old file.
    QStringList reste = QDir(DatenOrdner).entryList(QDir::Files);
    reste.removeAll(QStringLiteral("kunden.dat"));
    reste.removeAll(QStringLiteral("kunden.BAK"));
    EXPECT_TRUE(reste.isEmpty()) << reste.join(u' ').toStdString();
    if (QFile::exists(sicherung())) {
      EXPECT_EQ(dateiLesen(sicherung()), drei);
    }

    // Once the folder takes writes again, the same changes are saved.
    EXPECT_TRUE(m().DatenSpeichern());
    EXPECT_EQ(Geaendert, 0);
    EXPECT_TRUE(dateiLesen(AktuelleDatei).contains("Meyerxxx"));
    EXPECT_FALSE(QFile::exists(sicherung()));
    QFile::remove(AktuelleDatei);
  }
}

// The child of the next test: loads the file it is given and saves it again and again until it is killed.
TEST_F(DatenSpeichernTest, KindSpeichertBisEsGetoetetWird) {
  const QString datei = qEnvironmentVariable("KARTULON_KIND_DATEI");
  if (datei.isEmpty()) GTEST_SKIP() << "runs only as the child of ASaveKilledHalfWayLosesNoAddress";
  AktuelleDatei = datei;
  m().DatenLaden();
  ASSERT_EQ(m().Liste->ListCount(), kMaxDatensaetze);
  QElapsedTimer uhr;
  uhr.start();
  for (int n = 1; uhr.elapsed() < 60000; ++n) {
    m().Liste->setListIndex(n % kMaxDatensaetze);
    bearbeiten(QStringLiteral("Lauf %1").arg(n));
    ASSERT_TRUE(m().DatenSpeichern());
    std::printf("gespeichert %d\n", n);
    std::fflush(stdout);
  }
}

TEST_F(DatenSpeichernTest, ASaveKilledHalfWayLosesNoAddress) {
  const QString datei = AktuelleDatei;
  const QString fehler = AdressenErzeugen(kMaxDatensaetze, datei);
  ASSERT_TRUE(fehler.isEmpty()) << fehler.toStdString();
  const QSet<QString> alle = alleIndexe(kMaxDatensaetze);
  ASSERT_EQ(indexe(dateiLesen(datei)), alle);
  int mitSicherung = 0;
  for (int lauf = 0; lauf < 4; ++lauf) {
    SCOPED_TRACE(lauf);
    QProcess kind;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("KARTULON_KIND_DATEI"), datei);
    kind.setProcessEnvironment(env);
    kind.start(QCoreApplication::applicationFilePath(),
               {QStringLiteral("--gtest_filter=DatenSpeichernTest.KindSpeichertBisEsGetoetetWird")});
    ASSERT_TRUE(kind.waitForStarted());
    // Let it save a few times, then kill it while a save is writing (its backup exists only then).
    QByteArray ausgabe;
    while (!ausgabe.contains("gespeichert 2\n") && kind.state() == QProcess::Running) {
      kind.waitForReadyRead(1000);
      ausgabe += kind.readAllStandardOutput();
    }
    ASSERT_EQ(kind.state(), QProcess::Running) << ausgabe.toStdString() << kind.readAllStandardError().toStdString();
    QElapsedTimer warten;
    warten.start();
    while (!QFile::exists(sicherung()) && warten.elapsed() < 5000) {
    }
    // Not a wait: every other kill falls a little later into the save, at another place of its writing.
    if (lauf % 2) QThread::usleep(300 * lauf);
    ::kill(static_cast<pid_t>(kind.processId()), SIGKILL);
    kind.waitForFinished();
    if (QFile::exists(sicherung())) ++mitSicherung;

    // The file itself is always complete: the new file replaces it only when written whole.
    EXPECT_EQ(indexe(dateiLesen(datei)), alle);
    QFile::remove(sicherung());
    for (const QString& rest : QDir(DatenOrdner).entryList(QDir::Files))
      if (rest != QStringLiteral("kunden.dat")) QFile::remove(DatenOrdner + u'/' + rest);
  }
  // At least one kill fell into the middle of a save.
  EXPECT_GT(mitSicherung, 0);
}

// An empty file plus one record whose Rubrik begins with "..": the record is saved and loads again.
TEST_F(DatenSpeichernTest, AFirstRecordBeginningWithDotsIsNeverTakenForTheHeader) {
  const QString wichtig = zeileAus({{0, "..Wichtig"}, {1, "Meier"}, {23, "1"}});
  for (const QByteArray& vorher : {QByteArray(), QByteArray("..\r\n")}) {
    SCOPED_TRACE(vorher.constData());
    laden(vorher);
    m().Liste->AddItem(wichtig);
    Geaendert = 1;
    ASSERT_TRUE(m().DatenSpeichern());
    m().DatenLaden();
    EXPECT_EQ(m().Liste->items(), QStringList{wichtig});
  }
}

// A Windows-1252 file stays Windows-1252 when the save takes away its last byte that is invalid in
// UTF-8 ("GrÃ¼n" would read as "Grün" after "Müller" went), and a UTF-8 file stays UTF-8 when its last
// multi-byte character goes.
TEST_F(DatenSpeichernTest, AFileKeepsItsEncodingWhenItsTellingBytesGo) {
  const QString gruen = zeileAus({{0, "x"}, {1, QString::fromUtf8("GrÃ¼n")}, {23, "1"}});
  const QString mueller = zeileAus({{0, "x"}, {1, QString::fromUtf8("Müller")}, {23, "2"}});
  laden("..A\r\n" + Codec::nach1252(gruen) + "\r\n" + Codec::nach1252(mueller) + "\r\n");
  m().Liste->RemoveItem(1);
  Geaendert = 1;
  ASSERT_TRUE(m().DatenSpeichern());
  ASSERT_EQ(dateiLesen(AktuelleDatei), "..A\r\n" + Codec::nach1252(gruen) + "\r\n");
  m().DatenLaden();
  EXPECT_EQ(m().Liste->items(), QStringList{gruen});
  EXPECT_EQ(m().OffeneDatei.kodierung, Codec::Kodierung::Windows1252);
  // A new "ü" is written as one byte, as the file always had it.
  m().Liste->AddItem(mueller);
  Geaendert = 1;
  ASSERT_TRUE(m().DatenSpeichern());
  EXPECT_EQ(dateiLesen(AktuelleDatei), "..A\r\n" + Codec::nach1252(gruen) + "\r\n" + Codec::nach1252(mueller) + "\r\n");

  // The other way round: UTF-8 loses its only "ö".
  AktuelleDatei = DatenOrdner + QStringLiteral("/utf8.dat");
  const QString koeln = zeileAus({{0, "x"}, {1, QString::fromUtf8("Köln")}, {23, "1"}});
  const QString bonn = zeileAus({{0, "x"}, {1, QStringLiteral("Bonn")}, {23, "2"}});
  laden("..B\r\n" + koeln.toUtf8() + "\r\n" + bonn.toUtf8() + "\r\n");
  m().Liste->RemoveItem(0);
  Geaendert = 1;
  ASSERT_TRUE(m().DatenSpeichern());
  m().DatenLaden();
  EXPECT_EQ(m().OffeneDatei.kodierung, Codec::Kodierung::Utf8);
  m().Liste->AddItem(koeln);
  Geaendert = 1;
  ASSERT_TRUE(m().DatenSpeichern());
  EXPECT_EQ(dateiLesen(AktuelleDatei), "..B\r\n" + bonn.toUtf8() + "\r\n" + koeln.toUtf8() + "\r\n");
}
