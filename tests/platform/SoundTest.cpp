#include "platform/dienste/Sound.h"

#include "support/kern/TestUmgebung.h"
#include "support/kern/Warten.h"

#include <QFile>

namespace {

// The real back end, with PATH pointing at a folder whose only player is a script that notes what it
// was asked to play.
class EchterKlangTest : public KartulonTest {
 protected:
  void SetUp() override {
    KartulonTest::SetUp();
    alterPfad_ = qgetenv("PATH");
    const QString bin = tempPfad(QStringLiteral("bin"));
    protokoll_ = tempPfad(QStringLiteral("gespielt.txt"));
    const QString skript =
        dateiSchreiben(bin + QStringLiteral("/aplay"),
                       QStringLiteral("#!/bin/sh\necho \"$@\" >> '%1'\n").arg(protokoll_).toLocal8Bit());
    QFile::setPermissions(skript, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    qputenv("PATH", bin.toLocal8Bit());
    echt_ = Sound::install(nullptr);  // the real back end; the fixture's double comes back in TearDown
  }
  void TearDown() override {
    qputenv("PATH", alterPfad_);
    KartulonTest::TearDown();
  }
  QString gespielt(int warteMs = 0) const {
    QByteArray b;
    WartenBis(
        [&] {
          b = dateiLesen(protokoll_);
          return !b.isEmpty();
        },
        warteMs, 20);
    return QString::fromLocal8Bit(b).trimmed();
  }
  QByteArray alterPfad_;
  QString protokoll_;
  std::unique_ptr<SoundService> echt_;
};

}  // namespace

TEST_F(EchterKlangTest, FindetDenPlayerAufDemPfad) { EXPECT_EQ(Sound::player(), QStringLiteral("aplay")); }

TEST_F(EchterKlangTest, SpieltEineWellendateiAusDemProgrammordnerBisZumEnde) {
  const QString datei = dateiSchreiben(programmOrdner() + QStringLiteral("/Sgn_Jo.Wav"), "RIFF");
  EXPECT_EQ(Sound::service().abspielen(QStringLiteral("sgn_jo.wav"), false), 0);
  EXPECT_EQ(gespielt(), datei);
}

TEST_F(EchterKlangTest, SpieltImHintergrund) {
  const QString datei = dateiSchreiben(tempPfad(QStringLiteral("Telefon.wav")), "RIFF");
  EXPECT_EQ(Sound::service().abspielen(datei, true), 0);
  EXPECT_EQ(gespielt(5000), datei);
}

TEST_F(EchterKlangTest, EinNameOhneDateiRuftKeinenPlayer) {
  EXPECT_EQ(Sound::service().abspielen(QStringLiteral("0"), false), 0);
  EXPECT_EQ(Sound::service().abspielen(tempPfad(QStringLiteral("fehlt.wav")), false), 0);
  EXPECT_EQ(Sound::service().systemKlang(16), 0);
  EXPECT_EQ(gespielt(200), QString());
}

TEST_F(KartulonTest, DieAufnahmeHaeltJedenAufrufFestUndKannFehlschlagen) {
  toene().fehler = [](const RecordingSound::Aufruf& a) { return a.art == QStringLiteral("datei") ? 57 : 0; };
  EXPECT_EQ(Sound::service().systemKlang(32), 0);
  EXPECT_EQ(Sound::service().abspielen(QStringLiteral("a.wav"), true), 57);
  const QList<RecordingSound::Aufruf> erwartet = {{QStringLiteral("klang"), 32, {}, false},
                                                  {QStringLiteral("datei"), 0, QStringLiteral("a.wav"), true}};
  EXPECT_EQ(toene().aufrufe(), erwartet);
}
