#include "common/Global.h"
#include "common/Ini.h"
#include "mainwindow/Main.h"
#include "platform/vb/Clock.h"
#include "platform/vb/Laufzeitfehler.h"
#include "support/kern/TestUmgebung.h"

#include <QDir>
#include <QFile>
#include <QUrl>

class NachschlagenTest : public KartulonTest {
 protected:
  void SetUp() override {
    KartulonTest::SetUp();
    shell().echtStarten = false;
    programm = dateiSchreiben(tempPfad("D Info/dinfo.sh"), "#!/bin/sh\n");
    QFile::setPermissions(programm, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    IniSchreiben("", "", "DInfoPrg", programm);
    m().Liste->setItems({zeile});
    m().Liste->setListIndex(0);
    Geaendert = 0;
    FeldIndex = 5;
    ordnerVorher = QDir::currentPath();
  }
  void TearDown() override {
    // The current folder is the program's own before and after every command.
    EXPECT_EQ(QDir::currentPath(), ordnerVorher);
    EXPECT_EQ(m().Liste->List(0), zeile);
    EXPECT_EQ(Geaendert, 0);
    KartulonTest::TearDown();
  }
  Main& m() { return Main::get(); }
  // The texts of the error messages shown.
  QStringList meldungen() const {
    QStringList t;
    for (const auto& r : const_cast<NachschlagenTest*>(this)->dialoge().requests()) t.append(r.text);
    return t;
  }
  QString programm;
  QString ordnerVorher;
  const QString zeile = zeileAus({{0, "Privat"},
                                  {1, "Meier+Co"},
                                  {2, "Anna"},
                                  {3, "Straße 5"},
                                  {4, "50667"},
                                  {5, "Köln"},
                                  {7, "0221 / 123-45"},
                                  {23, "1"}});
};

namespace {
QStringList tabs(int n) {
  QStringList t;
  for (int i = 0; i < n; ++i) t.append(QStringLiteral("senden:{Tab 2}"));
  return t;
}
}  // namespace

TEST_F(NachschlagenTest, EachLookUpStartsTheProgramInItsFolderAndTypesItsSearch) {
  struct Fall {
    const char* was;
    void (Main::*befehl)();
    QStringList verlauf;
    int pauseVor;  // the step that follows a pause of one second (-1 none checked)
  };
  const QStringList dinfo99 =
      QStringList{"senden:{Esc 2}", "senden:{F2}",    "tippen:Köln",    "senden:{Tab 2}",  "tippen:Meier+Co",
                  "senden:{Tab 2}", "tippen:50667",   "senden:{Tab 2}", "tippen:Straße 5", "senden:{Tab 2}",
                  "tippen:0221",    "senden:{Tab 2}", "senden:{Tab 2}", "tippen:Anna"} +
      tabs(4);
  const Fall faelle[] = {
      {"D-Info 3.0",
       &Main::mnuAdrImpDINFO3_Click,
       {"senden: ", "senden:{Esc 1}", "senden:%1{Home}", "tippen:Köln", "senden:~", "tippen:Meier+Co Anna"},
       -1},
      {"D-Info 97", &Main::mnuAdrImpDINFO97_Click, {"senden:^o", "tippen:Köln", "senden:~", "tippen:Meier+Co Anna"}, 3},
      {"KlickTel 98",
       &Main::mnuAdrImpKlickTel98_Click,
       {"senden:^o", "tippen:Köln", "senden:~", "tippen:Meier+Co Anna"},
       3},
      {"D-Info 99", &Main::mnuAdrImpDINFO99_Click, dinfo99, 1},
  };
  for (const Fall& f : faelle) {
    SCOPED_TRACE(f.was);
    tastatur().aufrufe.clear();
    shell().gestartet.clear();
    (m().*f.befehl)();
    ASSERT_EQ(shell().gestartet.size(), 1);
    EXPECT_EQ(shell().gestartet[0].programm, programm);
    EXPECT_EQ(shell().gestartet[0].argumente, QStringList());
    EXPECT_EQ(shell().gestartet[0].ordner, tempPfad("D Info"));
    EXPECT_EQ(tastatur().verlauf(), f.verlauf);
    if (f.pauseVor > 0 && tastatur().aufrufe.size() > f.pauseVor) {
      const auto& a = tastatur().aufrufe;
      EXPECT_GE(a[f.pauseVor].ms - a[f.pauseVor - 1].ms, 950);
    }
    EXPECT_EQ(meldungen(), QStringList());
  }
  // The field boxes are read as they stand, and the field that last had the focus chooses the search.
  m().Feld(1).setText(QStringLiteral("Schulz"));
  FeldIndex = 7;
  tastatur().aufrufe.clear();
  m().mnuAdrImpDINFO3_Click();
  EXPECT_EQ(tastatur().verlauf().mid(2), QStringList({"senden:{F4}", "tippen:022112345", "senden:~"}));
  m().AdresseAnzeigen();
}

TEST_F(NachschlagenTest, TheMenuItemsRunTheLookUpRegistered) {
  IniSchreiben("", "", "DInfoVer", "98");
  m().PulBearbeiten_Click();
  ASSERT_TRUE(m().mnuAdrImpKlickTel98->action()->isEnabled());
  EXPECT_EQ(m().mnuAdrImpKlickTel98->action()->shortcut(), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_F7));
  m().mnuAdrImpKlickTel98->action()->trigger();
  EXPECT_EQ(tastatur().verlauf().first(), QStringLiteral("senden:^o"));
  EXPECT_EQ(m().mnuAdrImpDINFO99->action()->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_F7));
  EXPECT_EQ(m().mnuPlzSuche->action()->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_F9));
  for (auto* i : {m().mnuAdrImpDINFO3, m().mnuAdrImpDINFO97, m().mnuAdrImpDINFO99}) EXPECT_FALSE(i->Wartend());
}

// A program that cannot be started: the command's text through the error handler, no key sent.
TEST_F(NachschlagenTest, AProgramThatDoesNotStartSendsNoKey) {
  const QString text = QStringLiteral("Es ist ein Fehler beim Suchen in D-Info 97 aufgetreten.");
  struct Fall {
    const char* was;
    QString dinfoPrg;
    int nummer;
    bool gestartet;
  };
  const Fall faelle[] = {
      {"empty", QString(), vb::ErrDateinameOderNummer, false},
      {"blanks", QStringLiteral("  "), vb::ErrDateinameOderNummer, false},
      {"file gone", tempPfad("D Info/weg.exe"), vb::ErrDateiNichtGefunden, false},
      {"folder gone", tempPfad("Weg/dinfo.exe"), vb::ErrPfadNichtGefunden, false},
      {"start fails", programm, vb::ErrPfadDateiZugriff, true},
  };
  for (const Fall& f : faelle) {
    SCOPED_TRACE(f.was);
    dialoge().clear();
    shell().gestartet.clear();
    IniSchreiben("", "", "DInfoPrg", f.dinfoPrg);
    shell().naechsteId = 0;
    m().mnuAdrImpDINFO97_Click();
    EXPECT_EQ(shell().gestartet.size(), f.gestartet ? 1 : 0);
    EXPECT_TRUE(tastatur().aufrufe.isEmpty());
    ASSERT_EQ(meldungen().size(), 1);
    EXPECT_TRUE(meldungen()[0].contains(text)) << meldungen()[0].toStdString();
    EXPECT_TRUE(meldungen()[0].contains(vb::FehlerBeschreibung(f.nummer))) << meldungen()[0].toStdString();
  }
}

// A Windows program without the execute bit goes to the desktop's handler for its type.
TEST_F(NachschlagenTest, AWindowsProgramIsHandedToTheDesktop) {
  const QString exe = dateiSchreiben(tempPfad("D Info/DINFOWIN.EXE"), "MZ");
  IniSchreiben("", "", "DInfoPrg", exe);
  m().mnuAdrImpDINFO99_Click();
  EXPECT_TRUE(shell().gestartet.isEmpty());
  EXPECT_EQ(shell().geoeffnet, QList<QUrl>{QUrl::fromLocalFile(exe)});
  EXPECT_EQ(tastatur().verlauf().first(), QStringLiteral("senden:{Esc 2}"));
  dialoge().clear();
  tastatur().aufrufe.clear();
  shell().oeffnenGelingt = false;
  m().mnuAdrImpDINFO99_Click();
  EXPECT_TRUE(tastatur().aufrufe.isEmpty());
  EXPECT_EQ(meldungen().size(), 1);
}

TEST_F(NachschlagenTest, KeysWaitForAnotherProgramsWindowAndNeverReachOurs) {
  const QString keinFokus = vb::FehlerBeschreibung(vb::ErrTastenOhneFokus);
  // A slow start: the first string waits until the window has the focus.
  tastatur().fokusAbgelehnt = 5;  // 2.5 s on the program's clock
  m().mnuAdrImpDINFO3_Click();
  EXPECT_EQ(tastatur().verlauf().size(), 6);
  EXPECT_EQ(meldungen(), QStringList());

  // The focus stays ours: after 10 s nothing is sent, and the message says why.
  tastatur().aufrufe.clear();
  tastatur().fokusAbgelehnt = -1;
  const qint64 vorher = Clock::tickMs();
  m().mnuAdrImpDINFO3_Click();
  EXPECT_TRUE(tastatur().aufrufe.isEmpty());
  EXPECT_GE(Clock::tickMs() - vorher, 10000);
  EXPECT_LT(Clock::tickMs() - vorher, 11000);
  ASSERT_EQ(meldungen().size(), 1);
  EXPECT_TRUE(meldungen()[0].contains(QStringLiteral("Es ist ein Fehler beim Suchen in D-Info 3.0 aufgetreten.")));
  EXPECT_TRUE(meldungen()[0].contains(keinFokus));

  // Every later string looks again: the focus came back to us after the first, and the look-up ends.
  dialoge().clear();
  tastatur().fokusAntwort = [](int frage) { return frage == 1; };
  tastatur().fokusFragen = 0;
  m().mnuAdrImpDINFO3_Click();
  EXPECT_EQ(tastatur().verlauf(), QStringList{QStringLiteral("senden: ")});
  ASSERT_EQ(meldungen().size(), 1);
  EXPECT_TRUE(meldungen()[0].contains(keinFokus));

  // A failed send ends the look-up too.
  dialoge().clear();
  tastatur().aufrufe.clear();
  tastatur().fokusAntwort = {};
  tastatur().fokusAbgelehnt = 0;
  tastatur().fehler = vb::ErrTastenGescheitert;
  m().mnuAdrImpDINFO97_Click();
  EXPECT_TRUE(tastatur().aufrufe.isEmpty());
  EXPECT_EQ(meldungen().size(), 1);
}

// Without an X11 session or without xdotool nothing is started or typed.
TEST_F(NachschlagenTest, WithoutX11OrXdotoolNothingStarts) {
  for (const int grund : {int(vb::ErrTastenNurX11), int(vb::ErrTastenOhneXdotool)}) {
    SCOPED_TRACE(grund);
    dialoge().clear();
    tastatur().bereit = grund;
    m().mnuAdrImpDINFO99_Click();
    EXPECT_TRUE(shell().gestartet.isEmpty());
    EXPECT_TRUE(shell().geoeffnet.isEmpty());
    EXPECT_TRUE(tastatur().aufrufe.isEmpty());
    ASSERT_EQ(meldungen().size(), 1);
    EXPECT_TRUE(meldungen()[0].contains(QStringLiteral("Es ist ein Fehler beim Suchen in D-Info 99 aufgetreten.")));
    EXPECT_TRUE(meldungen()[0].contains(vb::FehlerBeschreibung(grund)));
  }
}

// The postcode search only starts its program; it sends no keys and needs no X11 session.
TEST_F(NachschlagenTest, ThePostcodeSearchStartsItsProgram) {
  tastatur().bereit = vb::ErrTastenNurX11;
  m().mnuPlzSuche_Click();
  EXPECT_TRUE(shell().gestartet.isEmpty());
  ASSERT_EQ(meldungen().size(), 1);
  EXPECT_TRUE(
      meldungen()[0].contains(QStringLiteral("Es ist ein Fehler beim Starten der externen PLZ-Suche aufgetreten.")));

  dialoge().clear();
  const QString plz = dateiSchreiben(tempPfad("PLZ/suche.sh"), "#!/bin/sh\n");
  QFile::setPermissions(plz, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
  IniSchreiben("", "", "ExtPlzSuche", plz);
  m().mnuPlzSuche_Click();
  ASSERT_EQ(shell().gestartet.size(), 1);
  EXPECT_EQ(shell().gestartet[0].programm, plz);
  EXPECT_EQ(shell().gestartet[0].ordner, tempPfad("PLZ"));
  EXPECT_TRUE(tastatur().aufrufe.isEmpty());
  EXPECT_EQ(meldungen(), QStringList());
}
