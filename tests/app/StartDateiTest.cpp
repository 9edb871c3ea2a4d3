// The real program on a temporary program folder: it opens its start file, leaves it as it was, and
// reserves it for its user.
#include "support/kern/TestUmgebung.h"
#include "support/kern/Warten.h"

#include <QFile>
#include <QProcess>
#include <QRegularExpression>

namespace {

const QRegularExpression kSeit(QStringLiteral("Seit=\\d\\d\\.\\d\\d\\.\\d{4} \\d\\d:\\d\\d:\\d\\d\\r\\n"));

// Starts the program, waits until ZurIrada.ini holds the reservation (or the time is up), ends it.
QByteArray startenBisReserviert(const QString& programm, const QString& windows, const QStringList& argumente) {
  QProcess kartulon;
  QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
  env.insert(QStringLiteral("KARTULON_HOME"), programm);
  env.insert(QStringLiteral("KARTULON_WINDIR"), windows);
  env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
  kartulon.setProcessEnvironment(env);
  kartulon.start(QStringLiteral(KARTULON_BINARY), argumente);
  if (!kartulon.waitForStarted()) return {};
  const QString ini = programm + QStringLiteral("/ZurIrada.ini");
  QByteArray inhalt;
  WartenBis(
      [&] {
        QFile f(ini);
        if (f.open(QIODevice::ReadOnly)) inhalt = f.readAll();
        // User is written before Seit: the reservation is complete when both are there.
        return (inhalt.contains("User=Maier\r\n") && kSeit.match(QString::fromLatin1(inhalt)).hasMatch()) ||
               kartulon.state() != QProcess::Running;
      },
      30000, 50);
  kartulon.kill();
  kartulon.waitForFinished();
  return inhalt;
}

}  // namespace

class StartDateiTest : public KartulonTest {
 protected:
  void SetUp() override {
    KartulonTest::SetUp();
    // An automated run: no regional-settings warning (the machine's locale may be any), no single-instance
    // guard.
    dateiSchreiben(windowsOrdner() + QStringLiteral("/Zedured.ini"),
                   "[Allgemein]\r\nUser=Maier\r\nL\xE4nderHinweis=0\r\n[Kartulon]\r\nTitelAus=1\r\nAutoTip=0\r\n");
    dateiSchreiben(programmOrdner() + QStringLiteral("/ZurIrada.ini"), "[Allgemein]\r\nNoInstanceWatch=1\r\n");
  }
  const QByteArray datei =
      "..Kunden und Freunde\r\nPrivat\tMeier\tAnna\tHauptstra\xDF"
      "e 1\t" +
      QByteArray(20, '\t') + "\r\n \tWeber\t" + QByteArray(22, '\t') + "\r\n";
};

TEST_F(StartDateiTest, TheProgramOpensItsStartFileAndReservesIt) {
  const QString pfad = dateiSchreiben(programmOrdner() + QStringLiteral("/kartulon.dat"), datei);
  const QByteArray ini = startenBisReserviert(programmOrdner(), windowsOrdner(), {});
  EXPECT_TRUE(ini.contains("[UserJetzt_Kartulon.")) << ini.toStdString();
  EXPECT_TRUE(ini.contains("User=Maier\r\n")) << ini.toStdString();
  EXPECT_TRUE(kSeit.match(QString::fromLatin1(ini)).hasMatch()) << ini.toStdString();
  EXPECT_EQ(dateiLesen(pfad), datei);
  EXPECT_FALSE(QFile::exists(programmOrdner() + QStringLiteral("/kartulon.BAK")));
}

TEST_F(StartDateiTest, ADateiSwitchNamesTheStartFile) {
  const QString pfad = dateiSchreiben(programmOrdner() + QStringLiteral("/Verein.Dat"), datei);
  const QByteArray ini = startenBisReserviert(programmOrdner(), windowsOrdner(), {QStringLiteral("Datei=Verein.txt")});
  EXPECT_TRUE(ini.contains("[UserJetzt_Verein.")) << ini.toStdString();
  EXPECT_TRUE(ini.contains("User=Maier\r\n")) << ini.toStdString();
  EXPECT_EQ(dateiLesen(pfad), datei);
  EXPECT_FALSE(QFile::exists(programmOrdner() + QStringLiteral("/kartulon.dat")));
}
