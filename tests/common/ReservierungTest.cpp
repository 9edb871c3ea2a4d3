// Read-only decision and the reservation of address files in ZurIrada.ini, with two users and a fixed clock.
#include "common/Global.h"
#include "common/GrossKlein.h"
#include "common/Ini.h"
#include "common/Reservierung.h"
#include "platform/vb/Clock.h"
#include "platform/vb/Programm.h"
#include "support/kern/TestUmgebung.h"

#include <QDir>
#include <QFile>

namespace {

// The section is the file name proper-cased by the word-start rule (sections compare without case).
const QString kDatei = QStringLiteral("kartulon.dat");

}  // namespace

class ReservierungTest : public KartulonTest {
 protected:
  void SetUp() override {
    KartulonTest::SetUp();
    ich(QStringLiteral("Maier"));
  }
  void ich(const QString& name) { IniSchreiben(QString(), QStringLiteral("Allgemein"), QStringLiteral("User"), name); }
  QString ini() const { return programmOrdner() + QStringLiteral("/ZurIrada.ini"); }
  QString sektion() const { return QStringLiteral("UserJetzt_") + WortAnfaengeGross(kDatei); }
  QString lesen(const QString& key) { return lesen(key, sektion()); }
  QString lesen(const QString& key, const QString& sektion) {
    return IniLesen(ini(), sektion, key, QStringLiteral("<fehlt>"));
  }
  // The file as another program left it (the switch NoZurIrada already written back once).
  void belegt(const QString& user, const QDateTime& seit) {
    IniSchreiben(ini(), QStringLiteral("Allgemein"), QStringLiteral("NoZurIrada"), QStringLiteral("0"));
    IniSchreiben(ini(), sektion(), QStringLiteral("User"), user);
    IniSchreiben(ini(), sektion(), QStringLiteral("Seit"), seit.toString(QStringLiteral("dd.MM.yyyy hh:mm:ss")));
  }
  QDateTime vorMinuten(int m) { return standardZeit().addSecs(-60 * m); }
  int meldungen() {
    int n = 0;
    for (const auto& r : dialoge().requests())
      if (r.title == QStringLiteral("Kartulon Datei-Reservierung")) ++n;
    return n;
  }
};

TEST_F(ReservierungTest, AFreeFileIsReservedForThisUser) {
  NetzReservierung(1, kDatei);
  EXPECT_EQ(lesen("User"), QStringLiteral("Maier"));
  EXPECT_EQ(lesen("Seit"), QStringLiteral("10.12.2026 12:00:00"));
  EXPECT_EQ(lesen("NoZurIrada", QStringLiteral("Allgemein")),
            QStringLiteral("0"));  // written back after the first call
  EXPECT_EQ(NurLesen, 0);
  EXPECT_EQ(meldungen(), 0);
  EXPECT_EQ(ReservierteDatei, WortAnfaengeGross(kDatei));
}

TEST_F(ReservierungTest, AnotherUsersReservationHoldsForFiveHours) {
  struct Fall {
    const char* name;
    QString user;
    QDateTime seit;
    bool gemeldet;
  };
  const Fall faelle[] = {
      {"299 minutes ago", "Weber", vorMinuten(299), true},  {"300 minutes ago", "Weber", vorMinuten(300), true},
      {"301 minutes ago", "Weber", vorMinuten(301), false}, {"six hours ahead", "Weber", vorMinuten(-360), false},
      {"own name", "Maier", vorMinuten(10), false},         {"own name in other case", "maier", vorMinuten(10), true},
      {"Seit not a date", "Weber", QDateTime(), false},
  };
  for (const Fall& f : faelle) {
    SCOPED_TRACE(f.name);
    dialoge().clear();
    NurLesen = 0;
    belegt(f.user, f.seit);
    if (!f.seit.isValid()) IniSchreiben(ini(), sektion(), QStringLiteral("Seit"), QStringLiteral("gestern"));
    const QByteArray vorher = dateiLesen(ini());
    dialoge().answer(vb::vbOK);
    NetzReservierung(1, kDatei);
    EXPECT_EQ(meldungen(), f.gemeldet ? 1 : 0);
    if (f.gemeldet) {
      EXPECT_EQ(NurLesen, -1);
      EXPECT_EQ(dateiLesen(ini()), vorher);  // the other user's entry stays as it was
    } else {
      EXPECT_EQ(NurLesen, 0);
      EXPECT_EQ(lesen("User"), QStringLiteral("Maier"));
      EXPECT_EQ(lesen("Seit"), QStringLiteral("10.12.2026 12:00:00"));
    }
  }
}

TEST_F(ReservierungTest, TheMessageNamesTheFileTheUserAndTheTime) {
  belegt(QStringLiteral("Weber"), vorMinuten(120));
  dialoge().answer(vb::vbOK);
  NetzReservierung(1, kDatei);
  ASSERT_EQ(dialoge().requests().size(), 1);
  const auto& r = dialoge().requests().first();
  EXPECT_EQ(r.text, QStringLiteral("Kartulon (") + WortAnfaengeGross(kDatei) +
                        QStringLiteral(") wird seit 2,0 Stunden von Weber genutzt.\r\n\r\n"
                                       "Wählen Sie bitte ...\r\n\r\nOK, um das Programm schreibgeschützt zu öffnen."
                                       "\r\n\r\nAbbrechen, um das Programm nicht zu starten.\r\n"));
  EXPECT_TRUE(r.text.startsWith(QStringLiteral("Kartulon (Kartulon.")));
  EXPECT_EQ(r.style, vb::vbOKCancel | vb::vbCritical | vb::vbMsgBoxHelpButton);
  ASSERT_FALSE(toene().aufrufe().isEmpty());
  EXPECT_EQ(toene().aufrufe().first().typ, vb::vbCritical);  // "#SystemHand" before the box
}

TEST_F(ReservierungTest, CancelEndsTheProgramReadOnly) {
  belegt(QStringLiteral("Weber"), vorMinuten(10));
  const QByteArray vorher = dateiLesen(ini());
  dialoge().answer(vb::vbCancel);
  EXPECT_THROW(NetzReservierung(1, kDatei), vb::Programm::Beendet);
  EXPECT_EQ(programmEnden(), QList<int>({0}));
  EXPECT_EQ(NurLesen, -1);
  EXPECT_EQ(dateiLesen(ini()), vorher);
}

TEST_F(ReservierungTest, ReleaseClearsOnlyThisUsersOwnEntry) {
  NetzReservierung(1, kDatei);
  NetzReservierung(0, kDatei);
  EXPECT_EQ(lesen("User"), QString());
  EXPECT_EQ(lesen("Seit"), QStringLiteral("10.12.2026 12:00:00"));  // Seit is not touched
  EXPECT_TRUE(ReservierteDatei.isEmpty());

  // A second user took the file over while this one still worked: this user's release leaves it.
  belegt(QStringLiteral("Weber"), vorMinuten(5));
  NetzReservierung(0, kDatei);
  EXPECT_EQ(lesen("User"), QStringLiteral("Weber"));
}

TEST_F(ReservierungTest, ReadOnlyModeLeavesTheFileUntouched) {
  belegt(QStringLiteral("Weber"), vorMinuten(10));
  const QByteArray vorher = dateiLesen(ini());
  NurLesen = -1;
  NetzReservierung(1, kDatei);
  NetzReservierung(0, kDatei);
  EXPECT_EQ(dateiLesen(ini()), vorher);
  EXPECT_EQ(meldungen(), 0);
}

TEST_F(ReservierungTest, NoZurIradaSwitchesReservationsOff) {
  struct Fall {
    const char* wert;
    bool aus;
    const char* danach;
  };
  const Fall faelle[] = {{"1", true, "1"}, {"2", true, "2"}, {"abc", false, "abc"}, {nullptr, false, "0"}};
  for (const Fall& f : faelle) {
    SCOPED_TRACE(f.danach);
    QFile::remove(ini());
    if (f.wert)
      IniSchreiben(ini(), QStringLiteral("Allgemein"), QStringLiteral("NoZurIrada"), QString::fromLatin1(f.wert));
    NetzReservierung(1, kDatei);
    EXPECT_EQ(lesen("NoZurIrada", QStringLiteral("Allgemein")), QString::fromLatin1(f.danach));
    EXPECT_EQ(lesen("User"), f.aus ? QStringLiteral("<fehlt>") : QStringLiteral("Maier"));
  }
}

TEST_F(ReservierungTest, TheHolderRenewsItsReservationSoNobodyTakesItOver) {
  NetzReservierung(1, kDatei);
  // Six hours of work later, renewed in between: the second user still finds the file held.
  for (int i = 0; i < 15; ++i) {
    Clock::advance(kReservierungErneuernMs);
    ReservierungErneuern(kDatei);
  }
  EXPECT_EQ(lesen("Seit"), Clock::now().toString(QStringLiteral("dd.MM.yyyy hh:mm:ss")));
  EXPECT_LE(kReservierungErneuernMs, 30 * 60 * 1000);

  ReservierteDatei.clear();
  ich(QStringLiteral("Weber"));
  dialoge().answer(vb::vbOK);
  NetzReservierung(1, kDatei);
  EXPECT_EQ(meldungen(), 1);
  EXPECT_EQ(NurLesen, -1);
  EXPECT_EQ(lesen("User"), QStringLiteral("Maier"));
}

TEST_F(ReservierungTest, RenewingNeverOverwritesAnotherUser) {
  NetzReservierung(1, kDatei);
  belegt(QStringLiteral("Weber"), vorMinuten(1));
  Clock::advance(60 * 1000);
  ReservierungErneuern(kDatei);
  EXPECT_EQ(lesen("User"), QStringLiteral("Weber"));
  EXPECT_EQ(lesen("Seit"), QStringLiteral("10.12.2026 11:59:00"));
  // A file that is not held here (another file, or read-only mode) is not renewed either.
  ReservierungErneuern(QStringLiteral("andere.dat"));
  EXPECT_EQ(lesen("User", QStringLiteral("UserJetzt_andere.dat")), QStringLiteral("<fehlt>"));
}

TEST(Reservierungszeit, MinuteBoundariesAndStaleness) {
  const QDateTime jetzt(QDate(2026, 12, 10), QTime(12, 0, 30));
  EXPECT_EQ(MinutenGrenzen(QDateTime(QDate(2026, 12, 10), QTime(11, 59, 59)), jetzt), 1);
  EXPECT_EQ(MinutenGrenzen(QDateTime(QDate(2026, 12, 10), QTime(12, 0, 0)), jetzt), 0);
  EXPECT_FALSE(ReservierungVeraltet(jetzt.addSecs(-300 * 60), jetzt));
  EXPECT_TRUE(ReservierungVeraltet(jetzt.addSecs(-301 * 60), jetzt));
  EXPECT_TRUE(ReservierungVeraltet(jetzt.addSecs(301 * 60), jetzt));
  EXPECT_EQ(ReservierungsZeit(QStringLiteral("10.12.2026 09:05:07")), QDateTime(QDate(2026, 12, 10), QTime(9, 5, 7)));
  EXPECT_EQ(ReservierungsZeit(QStringLiteral("kein Datum")), QDateTime(QDate(1970, 1, 1), QTime(0, 0)));
  EXPECT_EQ(ReservierungsZeit(QString()), QDateTime(QDate(1970, 1, 1), QTime(0, 0)));
}

class NurLesenPruefenTest : public KartulonTest {
 protected:
  void SetUp() override {
    KartulonTest::SetUp();
    alterOrdner_ = QDir::currentPath();
    QDir().mkpath(tempPfad(QStringLiteral("eltern/arbeit")));
    QDir::setCurrent(tempPfad(QStringLiteral("eltern/arbeit")));
  }
  void TearDown() override {
    QDir::setCurrent(alterOrdner_);
    KartulonTest::TearDown();
  }
  QString alterOrdner_;
};

TEST_F(NurLesenPruefenTest, CommandLine) {
  const std::pair<const char*, int> faelle[] = {
      {"Datei=Liste readonly", -1}, {"Datei=Readonlyliste", -1}, {"Datei=Liste", 0}, {"", 0}};
  for (const auto& [zeile, erwartet] : faelle) {
    Befehlszeile = QString::fromLatin1(zeile);
    NurLesen = -1;
    NurLesenPruefen();
    EXPECT_EQ(NurLesen, erwartet) << zeile;
  }
}

TEST_F(NurLesenPruefenTest, AWriteProtectedDatFileInTheProgramFolder) {
  NurLesenPruefen();
  EXPECT_EQ(NurLesen, 0);  // no *.dat file at all
  const QString dat = dateiSchreiben(programmOrdner() + QStringLiteral("/Muster.DAT"), "..x\r\n");
  NurLesenPruefen();
  EXPECT_EQ(NurLesen, 0);
  QFile::setPermissions(dat, QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther);
  NurLesenPruefen();
  EXPECT_EQ(NurLesen, -1);  // even for root, who could still write it
}

TEST_F(NurLesenPruefenTest, MarkerFile) {
  struct Fall {
    const char* name;
    QByteArray eltern, hier;  // READONLY.TXT in the parent and in the current folder ("-": none)
    QString gezeigt;          // "-": no message
  };
  const QByteArray lang(700, 'x');
  const Fall faelle[] = {
      {"two lines", "-", "Nur Lesen~bitte\r\n", QStringLiteral("Nur Lesen\r\nbitte")},
      {"empty", "-", "", QStringLiteral("-")},
      {"700 characters", "-", lang, QString(600, u'x') + QStringLiteral("...")},
      {"lines and trailing CRs", "eins\r\nzwei\r\n\r\n", "-", QStringLiteral("eins\rzwei")},
      {"current folder wins", "Eltern", "Hier", QStringLiteral("Hier")},
  };
  for (const Fall& f : faelle) {
    SCOPED_TRACE(f.name);
    dialoge().clear();
    toene().clear();
    QFile::remove(tempPfad(QStringLiteral("eltern/READONLY.TXT")));
    QFile::remove(tempPfad(QStringLiteral("eltern/arbeit/READONLY.TXT")));
    if (f.eltern != "-") dateiSchreiben(tempPfad(QStringLiteral("eltern/READONLY.TXT")), f.eltern);
    if (f.hier != "-") dateiSchreiben(tempPfad(QStringLiteral("eltern/arbeit/READONLY.TXT")), f.hier);
    NurLesenPruefen();
    EXPECT_EQ(NurLesen, -1);
    if (f.gezeigt == QStringLiteral("-")) {
      EXPECT_TRUE(dialoge().requests().isEmpty());
      continue;
    }
    ASSERT_EQ(dialoge().requests().size(), 1);
    EXPECT_EQ(dialoge().requests().first().text, f.gezeigt);
    EXPECT_EQ(dialoge().requests().first().title, QStringLiteral("Kartulon, nur Leserechte"));
    EXPECT_EQ(dialoge().requests().first().style, vb::vbOKOnly | vb::vbInformation);
    ASSERT_FALSE(toene().aufrufe().isEmpty());
    EXPECT_EQ(toene().aufrufe().first().typ, vb::vbExclamation);  // "#SystemExclamation" before the box
  }
  QFile::remove(tempPfad(QStringLiteral("eltern/READONLY.TXT")));
  QFile::remove(tempPfad(QStringLiteral("eltern/arbeit/READONLY.TXT")));
  NurLesenPruefen();
  EXPECT_EQ(NurLesen, 0);
}
