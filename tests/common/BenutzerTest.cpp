#include "common/Benutzer.h"

#include "common/Ini.h"
#include "platform/vb/Umgebung.h"
#include "support/kern/TestUmgebung.h"

#include <QProcessEnvironment>

namespace {

// The user-name sources under the test's control: login name, the four environment variables (in any
// case, as the lookup ignores case) and WIN.INI; the machine's own values come back afterwards.
class BenutzerTest : public KartulonTest {
 protected:
  void SetUp() override {
    KartulonTest::SetUp();
    const QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const QString& k : env.keys()) {
      if (QStringList{"USER", "USERID", "STATION", "USERNAME"}.contains(k.toUpper())) {
        gesichert_.append({k, env.value(k)});
        qunsetenv(k.toLocal8Bit().constData());
      }
    }
    sysInfo().anmeldung.clear();
  }
  void TearDown() override {
    for (const char* k : {"User", "USERID", "Station", "Username"}) qunsetenv(k);
    for (const auto& [k, v] : gesichert_) qputenv(k.toLocal8Bit().constData(), v.toLocal8Bit());
    KartulonTest::TearDown();
  }
  QByteArray zedured() const {
    IniSichern();
    return dateiLesen(windowsOrdner() + QStringLiteral("/Zedured.ini"));
  }
  QString gespeichert() const { return IniLesen("", "Allgemein", "User", "<fehlt>"); }
  QList<std::pair<QString, QString>> gesichert_;
};

}  // namespace

TEST_F(BenutzerTest, DerGespeicherteNameWirdBereinigtAberNichtZurueckgeschrieben) {
  dateiSchreiben(windowsOrdner() + QStringLiteral("/Zedured.ini"), "[Allgemein]\r\nUser=  mAIER  \r\n");
  sysInfo().anmeldung = QStringLiteral("jdoe");
  const QByteArray vorher = zedured();
  EXPECT_EQ(BenutzerName(), QStringLiteral("Maier"));
  EXPECT_EQ(zedured(), vorher);
  EXPECT_TRUE(dialoge().requests().isEmpty());
}

TEST_F(BenutzerTest, DerAnmeldenameWirdGespeichertUndGiltDanach) {
  sysInfo().anmeldung = QStringLiteral("jdoe");
  EXPECT_EQ(BenutzerName(), QStringLiteral("Jdoe"));
  EXPECT_EQ(gespeichert(), QStringLiteral("Jdoe"));
  sysInfo().anmeldung = QStringLiteral("anderer");
  EXPECT_EQ(BenutzerName(), QStringLiteral("Jdoe"));
}

TEST_F(BenutzerTest, DieQuellenDerReiheNach) {
  struct Fall {
    const char* variable;
    const char* wert;
    const char* name;
  };
  const Fall faelle[] = {
      {"USER", "anna", "Anna"},  // "User" finds it whatever its case
      {"USERID", "bernd", "Bernd"},
      {"STATION", "empfang 3", "Empfang 3"},
      {"USERNAME", "carla", "Carla"},
  };
  for (const Fall& f : faelle) {
    QFile::remove(windowsOrdner() + QStringLiteral("/Zedured.ini"));
    qputenv(f.variable, f.wert);
    qputenv("USERNAME", f.wert);  // a later source is not consulted once an earlier one has a name
    EXPECT_EQ(BenutzerName(), QString::fromUtf8(f.name)) << f.variable;
    qunsetenv(f.variable);
    qunsetenv("USERNAME");
  }
  QFile::remove(windowsOrdner() + QStringLiteral("/Zedured.ini"));
  dateiSchreiben(windowsOrdner() + QStringLiteral("/Win.ini"), "[MS User Info]\r\nDefName=dora DIE erste\r\n");
  EXPECT_EQ(BenutzerName(), QStringLiteral("Dora die Erste"));
  EXPECT_TRUE(dialoge().requests().isEmpty());
}

TEST_F(BenutzerTest, EinLangerNameWirdVorDerGrossschreibungGekuerzt) {
  sysInfo().anmeldung = QStringLiteral("  ") + QString(98, u'a') + QStringLiteral(" bcd");
  // Cut to 99 characters (the last one a blank), proper-cased, and stored without the trailing blank.
  EXPECT_EQ(BenutzerName(), u'A' + QString(97, u'a'));
  QFile::remove(windowsOrdner() + QStringLiteral("/Zedured.ini"));
  dateiSchreiben(windowsOrdner() + QStringLiteral("/Zedured.ini"),
                 "[Allgemein]\r\nUser=" + QByteArray(120, 'x') + "\r\n");
  EXPECT_EQ(BenutzerName(), u'X' + QString(98, u'x'));
}

TEST_F(BenutzerTest, AnmeldenameDerDenPufferFuellt) {
  sysInfo().anmeldung = QString(254, u'a');
  EXPECT_EQ(AnmeldeName().size(), 254);
  sysInfo().anmeldung = QString(255, u'a');
  EXPECT_EQ(AnmeldeName(), QString());
  qputenv("USER", "ersatz");
  EXPECT_EQ(BenutzerName(), QStringLiteral("Ersatz"));
}

TEST_F(BenutzerTest, OhneQuelleWirdGefragtUndDieAntwortGenommenWieGetippt) {
  dialoge().answerText(QStringLiteral("dr. Weber "));
  EXPECT_EQ(BenutzerName(), QStringLiteral("dr. Weber"));
  EXPECT_EQ(gespeichert(), QStringLiteral("dr. Weber"));
  ASSERT_EQ(dialoge().requests().size(), 1);
  EXPECT_EQ(dialoge().requests()[0].kind, QStringLiteral("inputbox"));
  EXPECT_EQ(dialoge().requests()[0].text, QStringLiteral("Wählen Sie bitte einen Benutzernamen aus."));
  EXPECT_EQ(dialoge().requests()[0].title, QStringLiteral("Benutzername"));
  EXPECT_EQ(dialoge().requests()[0].standard, QString());
  EXPECT_EQ(toene().aufrufe().value(0).typ, 32);  // the question sound first
}

TEST_F(BenutzerTest, AbbrechenFragtNichtEndlosSondernNimmtDenKontonamen) {
  // The login name was too long for the original's buffer, so every source was empty; the account's
  // name, cut and proper-cased, is taken instead of asking again.
  sysInfo().anmeldung = QStringLiteral("jdoe") + QString(300, u'x');
  dialoge().answerCancel();
  EXPECT_EQ(BenutzerName(), QStringLiteral("Jdoe") + QString(95, u'x'));
  EXPECT_EQ(dialoge().requests().size(), 1);

  // No account name at all: the account's number.
  QFile::remove(windowsOrdner() + QStringLiteral("/Zedured.ini"));
  dialoge().clear();
  sysInfo().anmeldung.clear();
  dialoge().answerText(QStringLiteral("   "));
  const QString name = BenutzerName();
  EXPECT_EQ(name, QStringLiteral("Benutzer ") + Umgebung::kontoKennung());
  EXPECT_EQ(gespeichert(), name);
  EXPECT_EQ(dialoge().requests().size(), 1);
}
