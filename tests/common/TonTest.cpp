#include "common/Ton.h"

#include "support/kern/TestUmgebung.h"

namespace {

using Aufruf = RecordingSound::Aufruf;
Aufruf klang(int typ) { return {QStringLiteral("klang"), typ, {}, false}; }
Aufruf standardKlang() { return {QStringLiteral("datei"), 0, QStringLiteral("0"), false}; }
Aufruf datei(const QString& name) { return {QStringLiteral("datei"), 0, name, true}; }

class TonTest : public KartulonTest {
 protected:
  // The sound settings in WIN.INI of the Windows folder.
  void klangEinstellungen(const QByteArray& zeilen) {
    dateiSchreiben(windowsOrdner() + QStringLiteral("/Win.ini"), "[Sounds]\r\n" + zeilen);
  }
};

}  // namespace

TEST_F(TonTest, EingebauteNamenGebenDenSystemklangUndLeerenDieVariable) {
  const std::pair<const char16_t*, int> faelle[] = {
      {u"#SystemHand", 16},     {u"#SystemQuestion", 32}, {u"#SystemExclamation", 48},
      {u"#SystemAsterisk", 64}, {u"#RingIn", 32},         {u"#RingOut", 48},
  };
  for (const auto& [name, typ] : faelle) {
    toene().clear();
    QString ton = QString::fromUtf16(name);
    TonAusgeben(ton);
    EXPECT_EQ(ton, QString()) << typ;
    EXPECT_EQ(toene().aufrufe(), (QList<Aufruf>{klang(typ), standardKlang()})) << ton.toStdString();
  }
  EXPECT_TRUE(dialoge().requests().isEmpty());
}

TEST_F(TonTest, EinNameDerKlangEinstellungenSpieltSeineDateiImHintergrund) {
  const QString wav = dateiSchreiben(programmOrdner() + QStringLiteral("/Anruf.wav"), "RIFF");
  klangEinstellungen("Anruf=" + wav.toLocal8Bit() + ",Eingehender Anruf\r\nsystemhand=" + wav.toLocal8Bit() + "\r\n");
  QString ton = QStringLiteral("#Anruf");
  TonAusgeben(ton);
  EXPECT_EQ(ton, wav);
  // A built-in name in another case is looked up in the settings like any other name.
  ton = QStringLiteral("#systemhand");
  TonAusgeben(ton);
  EXPECT_EQ(ton, wav);
  EXPECT_EQ(toene().aufrufe(), (QList<Aufruf>{datei(wav), datei(wav)}));
}

TEST_F(TonTest, OhneDateiKommtDerStandardklangOhneMeldung) {
  klangEinstellungen("Leer=,nur eine Beschreibung\r\nWeg=" + tempPfad(QStringLiteral("weg.wav")).toLocal8Bit() +
                     "\r\n");
  const std::pair<QString, QString> faelle[] = {
      {QStringLiteral("#systemhand"), QString()},  // not in the settings
      {QStringLiteral("#Leer"), QString()},
      {QStringLiteral("#Weg"), tempPfad(QStringLiteral("weg.wav"))},
      {tempPfad(QStringLiteral("fehlt.wav")), tempPfad(QStringLiteral("fehlt.wav"))},
      {QString(), QString()},
  };
  for (const auto& [name, nachher] : faelle) {
    toene().clear();
    QString ton = name;
    TonAusgeben(ton);
    EXPECT_EQ(ton, nachher) << name.toStdString();
    EXPECT_EQ(toene().aufrufe(), QList<Aufruf>{standardKlang()}) << name.toStdString();
  }
  EXPECT_TRUE(dialoge().requests().isEmpty());
}

TEST_F(TonTest, EineWellendateiSpieltImHintergrund) {
  const QString wav = dateiSchreiben(programmOrdner() + QStringLiteral("/Sgn_No.Wav"), "RIFF");
  QString ton = wav;
  TonAusgeben(ton);
  EXPECT_EQ(ton, wav);
  EXPECT_EQ(toene().aufrufe(), QList<Aufruf>{datei(wav)});
}

TEST_F(TonTest, EinFehlerWirdGemeldetUndDieAntwortEntscheidetObEsWeitergeht) {
  toene().fehler = [](const Aufruf& a) { return a.typ == 32 ? 57 : 0; };
  // Nein: the next step runs.
  dialoge().answer(vb::vbNo);
  QString ton = QStringLiteral("#SystemQuestion");
  TonAusgeben(ton);
  ASSERT_EQ(dialoge().requests().size(), 1);
  EXPECT_TRUE(
      dialoge().requests()[0].text.contains(QStringLiteral("Fehler bei Tonausgabe\r\n\r\nGeräte-E/A-Fehler (57).")));
  EXPECT_EQ(ton, QString());
  // The handler's own sound comes between; then the step after the failed one.
  EXPECT_EQ(toene().aufrufe(), (QList<Aufruf>{klang(32), klang(16), standardKlang(), standardKlang()}));

  // Abbrechen: the procedure ends at once.
  toene().clear();
  dialoge().clear();
  dialoge().answer(vb::vbCancel);
  ton = QStringLiteral("#SystemQuestion");
  TonAusgeben(ton);
  EXPECT_EQ(dialoge().requests().size(), 1);
  EXPECT_EQ(ton, QStringLiteral("#SystemQuestion"));
  EXPECT_EQ(toene().aufrufe(), (QList<Aufruf>{klang(32), klang(16), standardKlang()}));
}

TEST_F(TonTest, PfadNichtGefundenBleibtStill) {
  toene().fehler = [](const Aufruf&) { return 76; };
  QString ton = QStringLiteral("#SystemHand");
  TonAusgeben(ton);
  EXPECT_TRUE(dialoge().requests().isEmpty());
  EXPECT_EQ(toene().aufrufe(), (QList<Aufruf>{klang(16), standardKlang()}));
}

TEST_F(TonTest, EinKlangDerImmerFehlschlaegtFuehrtNichtInEineEndloseKette) {
  toene().fehler = [](const Aufruf&) { return 57; };
  dialoge().answer(vb::vbNo);
  dialoge().answer(vb::vbNo);
  QString ton = QStringLiteral("#SystemHand");
  TonAusgeben(ton);
  // One report for each failed step of this call; the handler's own failing sounds are skipped.
  EXPECT_EQ(dialoge().requests().size(), 2);
  EXPECT_EQ(dialoge().unanswered(), 0);
  EXPECT_EQ(toene().aufrufe().size(), 6);
}
