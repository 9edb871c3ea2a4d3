// The clipboard import: the dialog alone (the cut, the targets, moving parts) and the main window's command
// (the take-over).
#include "common/Global.h"
#include "common/Ini.h"
#include "exchange/formen/ImpZA.h"
#include "mainwindow/Main.h"
#include "store/Datensatz.h"
#include "support/Dialogtest.h"

#include <QApplication>
#include <QTest>

using namespace Qt::Literals::StringLiterals;

class ImpZATest : public Dialogtest {
 protected:
  void SetUp() override {
    Dialogtest::SetUp();
    IniDatei = programmOrdner() + u"/Kartulon.Ini"_s;
  }
  ImpZA& d() {
    return geladen<ImpZA>([](ImpZA& z) { z.FelderBenennen(standardBezeichnungen()); });
  }
  QStringList boxen() {
    QStringList l;
    for (int i = 0; i < 8; ++i) l << d().Feld(i).Text();
    while (!l.isEmpty() && l.back().isEmpty()) l.removeLast();
    return l;
  }
};

// The menu command on the main window, whose shown record takes the parts.
class ImpZABefehlTest : public KartulonTest {
 protected:
  void SetUp() override {
    KartulonTest::SetUp();
    IniDatei = programmOrdner() + u"/Kartulon.Ini"_s;
    m().Liste->setItems({meier});
    m().Liste->setListIndex(0);
    Geaendert = 0;
  }
  Main& m() { return Main::get(); }
  // Runs the menu command; the dialog, once shown, is handled by `tun`.
  void befehl(const std::function<void(ImpZA&)>& tun) {
    int gezeigt = 0;
    vb::Forms::setModalInterceptor([&](vb::FormBase& form) {
      if (auto* z = dynamic_cast<ImpZA*>(&form)) {
        ++gezeigt;
        tun(*z);
      }
    });
    m().mnuImpZA_Click();
    vb::Forms::setModalInterceptor({});
    EXPECT_EQ(gezeigt, 1);
    EXPECT_FALSE(ImpZA::IsLoaded());
  }
  const QString meier = zeileAus(
      {{0, "Privat"}, {1, "Meier"}, {2, "Otto"}, {7, "0711 1"}, {15, "01.02.2003"}, {16, "04.05.2006"}, {23, "7"}});
};

TEST_F(ImpZATest, TheDialogAsItOpens) {
  zwischenablage().inhalt = u"Müller, Hans\nHauptstr. 5\n12345 Berlin\n030 123456\n"_s;
  EXPECT_EQ(d().Caption(), u"Kartulon-Import aus der Zwischenablage"_s);
  EXPECT_EQ(boxen(), (QStringList{u"Müller"_s, "Hans", "Hauptstr. 5", "12345", "Berlin", "030 123456"}));
  const int ziel[8] = {2, 3, 4, 5, 6, 8, 9, 12};
  const std::array<QString, 24> bez = standardBezeichnungen();
  for (int i = 0; i < 8; ++i) {
    EXPECT_EQ(d().KombiFeldZiel(i).ListIndex(), ziel[i]) << i;
    EXPECT_EQ(d().KombiFeldZiel(i).ListCount(), 25);
    EXPECT_EQ(d().KombiFeldZiel(i).List(0), u"--- verwerfen ---"_s);
    EXPECT_EQ(d().KombiFeldZiel(i).List(ziel[i]), bez[ziel[i] - 1]);
    EXPECT_EQ(d().Bezeichnung2(i).Caption(), u"->"_s);
    EXPECT_EQ(d().Feld(i).MaxLength(), i == 7 ? 1024 : 50);
  }
  EXPECT_EQ(d().bezFeldMove->Caption(), u"bezFeldMove"_s);
  EXPECT_FALSE(d().befFelderSchieb(0).isEnabled());
  EXPECT_FALSE(d().befFelderSchieb(1).isEnabled());
  EXPECT_EQ(d().strgAbbruch->Value(), 0);
  EXPECT_TRUE(d().strgAbbruch->isHidden());
  EXPECT_TRUE(d().befOk->isDefault());
  EXPECT_EQ(vb::Forms::helpContext(&d().Feld(3)), 254);
}

TEST_F(ImpZATest, TheDirectoryProgramsVersionDecidesTheCut) {
  struct Fall {
    const char* version;
    QStringList boxen;
  };
  const Fall faelle[] = {
      {nullptr, {u"Müller Hans"_s, "Hauptstr. 5", "12345 Berlin"}},
      {"98", {u"Müller"_s, "Hans", "Hauptstr. 5", "12345", "Berlin"}},
      {"97", {u"Müller"_s, "Hans", "Hauptstr. 5", "12345", "Berlin"}},
      {"99", {u"Müller Hans"_s, "Hauptstr. 5", "12345 Berlin"}},
  };
  zwischenablage().inhalt = u"Müller Hans, Hauptstr. 5, 12345 Berlin"_s;
  for (const Fall& f : faelle) {
    if (f.version) IniSchreiben("", "", "DInfoVer", QString::fromLatin1(f.version));
    EXPECT_EQ(boxen(), f.boxen) << (f.version ? f.version : "missing");
    ImpZA::Unload();
  }
}

TEST_F(ImpZATest, TextFromOutsideIsReducedButNeverCut) {
  const QString lang = QString(60, u'x');
  zwischenablage().inhalt = lang + u"\tŁukasz\tĆwik"_s;
  EXPECT_EQ(boxen(), (QStringList{lang, u"?ukasz"_s, u"Cwik"_s}));
  zwischenablage().inhalt.reset();  // no text at all
  ImpZA::Unload();
  EXPECT_EQ(boxen(), QStringList());
}

TEST_F(ImpZATest, TheResetRule) {
  zwischenablage().inhalt = u"a\tb"_s;
  d().KombiFeldZiel(0).setListIndex(6);  // Ort, which row 4 shows
  EXPECT_EQ(d().KombiFeldZiel(4).ListIndex(), 0);
  EXPECT_EQ(d().KombiFeldZiel(0).ListIndex(), 6);
  d().KombiFeldZiel(1).setListIndex(0);  // "--- verwerfen ---" twice changes nothing else
  EXPECT_EQ(d().KombiFeldZiel(4).ListIndex(), 0);
  EXPECT_EQ(d().KombiFeldZiel(1).ListIndex(), 0);
  for (int i : {2, 3, 5, 6, 7}) EXPECT_NE(d().KombiFeldZiel(i).ListIndex(), 0) << i;
}

TEST_F(ImpZATest, RemovingAndInsertingAtPartThree) {
  zwischenablage().inhalt = u"1\t2\t3\t4\t5\t6\t7\t8"_s;
  d().show();
  QApplication::setActiveWindow(&d());
  ASSERT_TRUE(QTest::qWaitForWindowActive(&d()));
  d().Feld(2).SetFocus();
  QApplication::processEvents();
  EXPECT_EQ(d().bezFeldMove->Caption(), u"3. Feld\r\n3"_s);
  EXPECT_EQ(d().Feld(2).SelLength(), 1);
  EXPECT_TRUE(d().befFelderSchieb(0).isEnabled());
  EXPECT_TRUE(d().befFelderSchieb(1).isEnabled());

  d().befFelderSchieb(0).click();
  EXPECT_EQ(boxen(), (QStringList{"1", "2", "4", "5", "6", "7", "8"}));
  EXPECT_EQ(d().Feld(7).Text(), QString());
  EXPECT_EQ(d().bezFeldMove->Caption(), u"3. Feld\r\n4"_s);
  EXPECT_TRUE(d().Feld(2).hasFocusNow());

  d().Feld(7).setText("8");
  d().befFelderSchieb(1).click();
  EXPECT_EQ(boxen(), (QStringList{"1", "2", "", "4", "5", "6", "7", "8"}));
  d().befFelderSchieb(1).click();  // the last part drops out
  EXPECT_EQ(boxen(), (QStringList{"1", "2", "", "", "4", "5", "6", "7"}));
  EXPECT_EQ(d().KombiFeldZiel(2).ListIndex(), 4);  // the targets stay
}

TEST_F(ImpZABefehlTest, TakingThePartsOver) {
  zwischenablage().inhalt = u"Schulz, Eva\nAm Markt 1\n70173 Stuttgart\n0711 99\nKunde"_s;
  befehl([](ImpZA& z) {
    z.KombiFeldZiel(5).setListIndex(1);   // the telephone to field 0: not taken
    z.KombiFeldZiel(1).setListIndex(11);  // Eva to Zusatz
    z.Feld(4).setText(u"  "_s);           // blanks only: the town stays
    z.befOk->click();
  });
  EXPECT_EQ(m().Feld(0).Text(), u"Privat"_s);
  EXPECT_EQ(m().Feld(1).Text(), u"Schulz"_s);
  EXPECT_EQ(m().Feld(2).Text(), u"Otto"_s);
  EXPECT_EQ(m().Feld(10).Text(), u"Eva"_s);
  EXPECT_EQ(m().Feld(3).Text(), u"Am Markt 1"_s);
  EXPECT_EQ(m().Feld(4).Text(), u"70173"_s);
  EXPECT_EQ(m().Feld(7).Text(), u"0711 1"_s);
  EXPECT_EQ(m().Liste->List(0), zeileAus({{0, "Privat"},
                                          {1, "Schulz"},
                                          {2, "Otto"},
                                          {3, "Am Markt 1"},
                                          {4, "70173"},
                                          {7, "0711 1"},
                                          {8, "Kunde"},
                                          {10, "Eva"},
                                          {15, "01.02.2003"},
                                          {16, "10.12.2026"},
                                          {23, "7"}}));
  EXPECT_EQ(Geaendert, 1);
}

TEST_F(ImpZABefehlTest, TenPartsTakenOverWithTheirLineBreaks) {
  zwischenablage().inhalt = u"1\t2\t3\t4\t5\t6\t7\t8\t9\t10"_s;
  befehl([](ImpZA& z) { z.befOk->click(); });
  EXPECT_EQ(m().Feld(11).Text(), u"8\r\n9\r\n10"_s);
  EXPECT_EQ(FelderAusZeile(m().Liste->List(0))[11], u"8\r\n9\r\n10"_s);
  EXPECT_TRUE(m().Liste->List(0).contains(u"\t8°°9°°10\t"));
}

TEST_F(ImpZABefehlTest, AcceptingNothingChangesNothing) {
  zwischenablage().inhalt = QString();
  befehl([](ImpZA& z) { z.befOk->click(); });
  EXPECT_EQ(m().Liste->List(0), meier);
}

TEST_F(ImpZABefehlTest, CancellingLeavesTheRecordAlone) {
  zwischenablage().inhalt = u"Schulz, Eva"_s;
  const std::function<void(ImpZA&)> wege[] = {
      [](ImpZA& z) { z.befAbbrechen->click(); },
      [](ImpZA& z) {
        z.show();
        QTest::keyClick(&z, Qt::Key_Escape);
      },
      [](ImpZA& z) {
        z.show();
        z.close();
        EXPECT_TRUE(ImpZA::IsLoaded());
      },
  };
  for (const auto& weg : wege) {
    befehl([&](ImpZA& z) {
      weg(z);
      EXPECT_EQ(z.strgAbbruch->Value(), 1);
      EXPECT_TRUE(z.isHidden());
    });
    EXPECT_EQ(m().Feld(1).Text(), u"Meier"_s);
    EXPECT_EQ(m().Liste->List(0), meier);
    EXPECT_EQ(Geaendert, 0);
  }
}
