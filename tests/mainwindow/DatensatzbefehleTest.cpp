#include "common/Global.h"
#include "common/Ini.h"
#include "mainwindow/Main.h"
#include "platform/dienste/Zwischenablage.h"
#include "store/Datensatz.h"
#include "support/kern/TestUmgebung.h"

#include <QClipboard>
#include <QGuiApplication>

class DatensatzbefehleTest : public KartulonTest {
 protected:
  void SetUp() override {
    KartulonTest::SetUp();
    IniDatei = programmOrdner() + QStringLiteral("/Kartulon.Ini");
  }
  Main& m() { return Main::get(); }
  void tabelle(const QStringList& zeilen, int auswahl) {
    m().Liste->setItems(zeilen);
    m().Liste->setListIndex(auswahl);
    Geaendert = 0;
  }
  const QString heute = QStringLiteral("10.12.2026");
  const QString meier = zeileAus(
      {{0, "Privat"}, {1, "Meier"}, {2, "Hans"}, {5, "Köln"}, {15, "01.02.2003"}, {16, "04.05.2006"}, {23, "7"}});
  const QString schulz = zeileAus({{1, "Schulz"}, {23, "8"}});
};

TEST_F(DatensatzbefehleTest, NewRecordHasTodaysDatesAndTheNextIndex) {
  IniSchreiben(IniDatei, "Allgemein", "AdressIndex", "500");
  IniSchreiben("", "", "AdressIndex", "20");
  tabelle({meier}, 0);
  m().PulEinfügen_Click();
  ASSERT_EQ(m().Liste->ListCount(), 2);
  EXPECT_EQ(m().Liste->ListIndex(), 1);
  EXPECT_EQ(m().Liste->List(1), zeileAus({{0, " "}, {15, heute}, {16, heute}, {23, "500"}}));
  EXPECT_EQ(m().Liste->List(0), meier);
  EXPECT_EQ(AktuellerDatensatz, QString(23, u'\t'));
  EXPECT_EQ(Geaendert, 1);
  EXPECT_EQ(m().Feld(23).Text(), QStringLiteral("500"));
  EXPECT_EQ(IniLesen(IniDatei, "Allgemein", "AdressIndex", ""), QStringLiteral("501"));
  EXPECT_EQ(m().StatusBar->PanelText(QStringLiteral("Unsaved")), QStringLiteral(" * "));
  EXPECT_TRUE(dialoge().requests().isEmpty());
}

TEST_F(DatensatzbefehleTest, CopyKeepsEverythingButDatesAndIndex) {
  tabelle({meier, schulz}, 0);
  m().PulKopieren_Click();
  ASSERT_EQ(m().Liste->ListCount(), 3);
  EXPECT_EQ(m().Liste->ListIndex(), 2);
  EXPECT_EQ(m().Liste->List(2),
            zeileAus({{0, "Privat"}, {1, "Meier"}, {2, "Hans"}, {5, "Köln"}, {15, heute}, {16, heute}, {23, "1"}}));
  EXPECT_EQ(AktuellerDatensatz, meier);
  EXPECT_EQ(Geaendert, 1);
}

TEST_F(DatensatzbefehleTest, TheRecordLimit) {
  QStringList zeilen;
  for (int i = 0; i < kMaxDatensaetze - 1; ++i) zeilen << zeileAus({{1, QStringLiteral("N%1").arg(i)}});
  tabelle(zeilen, 5);
  m().PulEinfügen_Click();  // 31999 records take one more
  EXPECT_EQ(m().Liste->ListCount(), kMaxDatensaetze);
  EXPECT_TRUE(dialoge().requests().isEmpty());

  m().Liste->setListIndex(5);
  Geaendert = 0;
  for (int befehl = 0; befehl < 2; ++befehl) {
    dialoge().clear();
    toene().clear();
    if (befehl == 0)
      m().PulEinfügen_Click();
    else
      m().PulKopieren_Click();
    EXPECT_EQ(m().Liste->ListCount(), kMaxDatensaetze);
    EXPECT_EQ(m().Liste->ListIndex(), 5);
    EXPECT_EQ(Geaendert, 0);
    ASSERT_FALSE(toene().aufrufe().isEmpty());  // "#SystemHand" before the message
    EXPECT_EQ(toene().aufrufe()[0].art, QStringLiteral("klang"));
    EXPECT_EQ(toene().aufrufe()[0].typ, vb::vbCritical);
    ASSERT_EQ(dialoge().requests().size(), 1);
    const auto& r = dialoge().requests()[0];
    EXPECT_EQ(r.title, QStringLiteral("Kartulon meldet Speicherproblem"));
    EXPECT_EQ(r.style, vb::vbExclamation);
    EXPECT_EQ(r.text, befehl == 0 ? QStringLiteral("Kein Platz mehr in der aktuellen Kartulonliste.\r\rEs kann keine "
                                                   "Adresse mehr angelegt werden!")
                                  : QStringLiteral("Kein Platz mehr in der aktuellen Kartulonliste.\r\rDie Kartulon "
                                                   "kann nicht mehr kopiert werden!"));
  }
}

TEST_F(DatensatzbefehleTest, CopyAndDeleteNeedASelection) {
  tabelle({meier}, -1);
  m().PulKopieren_Click();
  m().PulAusschneiden_Click();
  EXPECT_EQ(m().Liste->ListCount(), 1);
  EXPECT_EQ(Geaendert, 0);
  ASSERT_EQ(dialoge().requests().size(), 2);
  EXPECT_EQ(dialoge().requests()[0].title, QStringLiteral("Adresse kopieren"));
  EXPECT_EQ(dialoge().requests()[0].text, QStringLiteral("Bitte eine Adresse auswählen, die kopiert werden soll."));
  EXPECT_EQ(dialoge().requests()[1].title, QStringLiteral("Adresse löschen?"));
  EXPECT_EQ(dialoge().requests()[1].text, QStringLiteral("Bitte eine Adresse auswählen, welche gelöscht werden soll."));
}

TEST_F(DatensatzbefehleTest, DeleteAsksUnlessTheRecordIsEmptyOrTheQuestionIsOff) {
  const QString nurRubrik = zeileAus({{0, "Kunde"}});
  const QString leer = zeileAus({{0, "   "}, {15, "01.01.2000"}, {23, "9"}});
  struct Fall {
    QString zeile;
    const char* bestaetigen;  // nullptr: the key is missing
    bool frage;
  };
  const Fall faelle[] = {
      {meier, nullptr, true}, {meier, "1", true},     {meier, "0", false},
      {leer, "1", false},     {nurRubrik, "1", true}, {QString(23, u'\t'), "1", false},
  };
  for (const Fall& f : faelle) {
    SCOPED_TRACE(f.zeile.toStdString());
    if (f.bestaetigen) IniSchreiben("", "", "BestätigeLöschen", f.bestaetigen);
    tabelle({schulz, f.zeile, schulz}, 1);
    dialoge().clear();
    if (f.frage) dialoge().answer(vb::vbYes);
    m().PulAusschneiden_Click();
    EXPECT_EQ(dialoge().requests().size(), f.frage ? 1 : 0);
    EXPECT_EQ(m().Liste->ListCount(), 2);
    EXPECT_EQ(Geaendert, 1);
  }
}

TEST_F(DatensatzbefehleTest, TheQuestionNamesIndexAndNameAndNoKeepsTheRecord) {
  tabelle({meier, schulz}, 0);
  dialoge().answer(vb::vbNo);
  m().PulAusschneiden_Click();
  EXPECT_TRUE(toene().aufrufe().isEmpty());  // no sound before the question
  ASSERT_EQ(dialoge().requests().size(), 1);
  const auto& r = dialoge().requests()[0];
  EXPECT_EQ(r.text, QStringLiteral("Sind Sie sicher, dass die Adresse #7\r\n»Hans Meier«\r\ngelöscht werden soll?"));
  EXPECT_EQ(r.style, vb::vbQuestion | vb::vbYesNo);
  EXPECT_EQ(r.title, QStringLiteral("Adresse löschen?"));
  EXPECT_EQ(m().Liste->ListCount(), 2);
  EXPECT_EQ(Geaendert, 0);
}

TEST_F(DatensatzbefehleTest, DeleteSelectsTheFollowingOrTheNewLastRecord) {
  IniSchreiben("", "", "BestätigeLöschen", "0");
  const QString a = zeileAus({{1, "A"}}), b = zeileAus({{1, "B"}}), c = zeileAus({{1, "C"}});
  tabelle({a, b, c}, 1);
  m().PulAusschneiden_Click();
  EXPECT_EQ(m().Liste->ListIndex(), 1);
  EXPECT_EQ(m().Feld(1).Text(), QStringLiteral("C"));
  EXPECT_EQ(AktuellerDatensatz, c);
  EXPECT_EQ(m().StatusBar->PanelText(QStringLiteral("Unsaved")), QStringLiteral(" * "));
  m().PulAusschneiden_Click();  // the last one
  EXPECT_EQ(m().Liste->ListIndex(), 0);
  EXPECT_EQ(m().Feld(1).Text(), QStringLiteral("A"));
  m().PulAusschneiden_Click();  // the only one
  EXPECT_EQ(m().Liste->ListCount(), 0);
  EXPECT_EQ(m().Liste->ListIndex(), -1);
  EXPECT_EQ(m().Feld(1).Text(), QString());
}

TEST_F(DatensatzbefehleTest, UndoTwiceAfterANewRecordAndAfterACopy) {
  for (int befehl = 0; befehl < 2; ++befehl) {
    tabelle({meier}, 0);
    if (befehl == 0)
      m().PulEinfügen_Click();
    else
      m().PulKopieren_Click();
    const QString neu = m().Liste->List(1);
    const QString kopie = AktuellerDatensatz;
    Geaendert = 0;
    m().mnuUndo_Click();
    EXPECT_EQ(m().Liste->List(1), befehl == 0 ? QString(23, u'\t') : meier);
    EXPECT_EQ(m().Feld(15).Text(), befehl == 0 ? QString() : QStringLiteral("01.02.2003"));
    EXPECT_EQ(AktuellerDatensatz, neu);
    EXPECT_EQ(Geaendert, 1);  // the undone state is saved
    m().mnuUndo_Click();
    EXPECT_EQ(m().Liste->List(1), neu);
    EXPECT_EQ(AktuellerDatensatz, kopie);
    EXPECT_EQ(m().Feld(15).Text(), heute);
  }
}

TEST_F(DatensatzbefehleTest, UndoWithoutAChangeLeavesTheTableUnchanged) {
  tabelle({meier}, 0);
  m().mnuUndo_Click();
  EXPECT_EQ(m().Liste->List(0), meier);
  EXPECT_EQ(Geaendert, 0);
}

TEST_F(DatensatzbefehleTest, MenuStateOfUndo) {
  tabelle({meier}, 0);
  m().PulBearbeiten_Click();
  EXPECT_FALSE(m().mnuUndo->Enabled());
  m().Feld(1).setText(QStringLiteral("Maier"));
  m().AdresseAktualisieren(0);
  m().PulBearbeiten_Click();
  EXPECT_TRUE(m().mnuUndo->Enabled());
  m().mnuUndo_Click();
  m().PulBearbeiten_Click();
  EXPECT_TRUE(m().mnuUndo->Enabled());  // exchanged, so undo can switch back
  m().Liste->setListIndex(-1);
  m().PulBearbeiten_Click();
  EXPECT_FALSE(m().mnuUndo->Enabled());
}

TEST_F(DatensatzbefehleTest, MenuStateOfLookUpItemsAndClipboard) {
  struct Fall {
    const char* version;
    vb::MenuItem* Main::*sichtbar;
  };
  const Fall faelle[] = {
      {"3.0", &Main::mnuAdrImpDINFO3},
      {"97", &Main::mnuAdrImpDINFO97},
      {"98", &Main::mnuAdrImpKlickTel98},
      {"99", &Main::mnuAdrImpDINFO99},
      {"2000", nullptr},
      {"", nullptr},
  };
  vb::MenuItem* Main::*alle[] = {&Main::mnuAdrImpDINFO3, &Main::mnuAdrImpDINFO97, &Main::mnuAdrImpKlickTel98,
                                 &Main::mnuAdrImpDINFO99};
  for (const Fall& f : faelle) {
    SCOPED_TRACE(f.version);
    IniSchreiben("", "", "DInfoVer", f.version);
    m().PulBearbeiten_Click();
    for (auto eintrag : alle) EXPECT_EQ((m().*eintrag)->Visible(), eintrag == f.sichtbar);
  }

  EXPECT_TRUE(m().mnuPlzSuche->Visible());
  EXPECT_FALSE(m().mnuPlzSuche->Enabled());
  IniSchreiben("", "", "ExtPlzSuche", tempPfad("fehlt.sh"));
  m().PulBearbeiten_Click();
  EXPECT_FALSE(m().mnuPlzSuche->Enabled());
  IniSchreiben("", "", "ExtPlzSuche", dateiSchreiben(tempPfad("plz.sh"), "#!/bin/sh\n"));
  m().PulBearbeiten_Click();
  EXPECT_TRUE(m().mnuPlzSuche->Visible());
  EXPECT_TRUE(m().mnuPlzSuche->Enabled());

  Zwischenablage::leeren();
  m().PulBearbeiten_Click();
  EXPECT_FALSE(m().mnuImpZA->Enabled());
  Zwischenablage::textSetzen(QStringLiteral("Hans Meier"));
  m().PulBearbeiten_Click();
  EXPECT_TRUE(m().mnuImpZA->Enabled());
  Zwischenablage::leeren();
}

TEST_F(DatensatzbefehleTest, MenuItemsRunTheCommands) {
  tabelle({meier}, 0);
  EXPECT_EQ(m().PulEinfügen->Caption(), QStringLiteral("Adresse &Anlegen"));
  EXPECT_EQ(m().mnuUndo->action()->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_Z));
  EXPECT_EQ(m().PulAusschneiden->action()->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_Y));
  m().PulEinfügen->action()->trigger();
  EXPECT_EQ(m().Liste->ListCount(), 2);
  m().PulKopieren->action()->trigger();
  EXPECT_EQ(m().Liste->ListCount(), 3);
}
