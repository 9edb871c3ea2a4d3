// The key editor on a settings file that holds every line rule's case.
#include "common/Ini.h"
#include "common/Ton.h"
#include "mainwindow/Main.h"
#include "mainwindow/Setup.h"
#include "mainwindow/SetupSpeziell.h"
#include "support/kern/TestUmgebung.h"

// gtest's Test has a member of that name.
using SetupForm = ::Setup;

#include <QTest>
#include <algorithm>

class SetupSpeziellTest : public KartulonTest {
 protected:
  void SetUp() override {
    KartulonTest::SetUp();
    Main::get();
    ASSERT_TRUE(IniSichern());
    dateiSchreiben(zedured(),
                   "; Kopf=vor dem ersten Abschnitt\r\nVorher=1\r\n[Allgemein]\r\nUser=Anna\r\n[zeta]\r\nZ=1\r\n"
                   "[Kartulon]\r\nSortAtClose=04\r\nKennwort=geheim\r\nAltesKENNWORT=x\r\nStat_Starts=5\r\n"
                   "Notiz=meine stat_werte\r\n;Kommentar=mit Gleich\r\nImmerKlein=von,zu\r\nimmerklein=doppelt\r\n"
                   "[x] ;c\r\nNachX=1\r\n[]\r\nLeer=1\r\n");
    TonAusgeben(u"#SystemExclamation");
    ausruf = toene().aufrufe();
    toene().clear();
  }
  QList<RecordingSound::Aufruf> ausruf;  // what "#SystemExclamation" plays
  QString zedured() const { return windowsOrdner() + QStringLiteral("/Zedured.ini"); }
  static QStringList eintraege(const vb::ComboBox* c) {
    QStringList l;
    for (int i = 0; i < c->ListCount(); ++i) l << c->List(i);
    std::sort(l.begin(), l.end());
    return l;
  }
};

TEST_F(SetupSpeziellTest, ListsSectionsAndTheVisibleKeysOfTheOwnSection) {
  SetupSpeziell& s = SetupSpeziell::get();
  EXPECT_EQ(s.Caption(), QStringLiteral("Setup spezial"));
  ASSERT_EQ(s.txtDatei->ListCount(), 1);
  EXPECT_EQ(s.txtDatei->Text(), zedured());
  EXPECT_EQ(eintraege(s.txtAbschnitt), QStringList({"", "Allgemein", "Kartulon", "Zeta"}));
  EXPECT_EQ(s.txtAbschnitt->Text(), QStringLiteral("Kartulon"));
  // "[x] ;c" is no header: its key belongs to the section above; the comment with "=" is a key; the
  // two spellings of one key are both listed.
  EXPECT_EQ(eintraege(s.txtSchlüssel), QStringList({";Kommentar", "Immerklein", "Immerklein", "Nachx", "Sortatclose"}));
  s.txtAbschnitt->setListIndex(s.txtAbschnitt->findText(QStringLiteral("Allgemein")));
  EXPECT_EQ(eintraege(s.txtSchlüssel), QStringList({"User"}));
  EXPECT_TRUE(s.txtSchlüssel->Text().isEmpty());
  s.txtAbschnitt->setListIndex(s.txtAbschnitt->findText(QString()));
  EXPECT_EQ(eintraege(s.txtSchlüssel), QStringList({"Leer"}));

  // Without the own section the first in sorted order is chosen.
  vb::DefaultInstance<SetupSpeziell>::Unload();
  dateiSchreiben(zedured(), "[zeta]\r\nZ=1\r\n[beta]\r\nB=1\r\n");
  EXPECT_EQ(SetupSpeziell::get().txtAbschnitt->Text(), QStringLiteral("Beta"));
  EXPECT_EQ(eintraege(SetupSpeziell::get().txtSchlüssel), QStringList({"B"}));
}

TEST_F(SetupSpeziellTest, ReadsAndWritesOneKeyWithItsMessagesAndSounds) {
  SetupSpeziell& s = SetupSpeziell::get();
  struct Fall {
    const char* was;
    QString abschnitt, schluessel;
    QString meldung;  // empty: read
    QString wert;
  };
  const Fall faelle[] = {
      {"a listed key", "Kartulon", "Sortatclose", {}, "04"},
      {"a hidden key typed by hand", "Kartulon", "kennwort", {}, "geheim"},
      {"the other spelling of a doubled key", "Kartulon", "IMMERKLEIN", {}, "von,zu"},
      {"no section", "  ", "Sortatclose", QStringLiteral("Kein Abschnitt angegeben."), {}},
      {"no key", "Kartulon", " ", QString::fromUtf16(u"Kein Schlüssel angegeben."), {}},
  };
  for (const Fall& f : faelle) {
    SCOPED_TRACE(f.was);
    dialoge().clear();
    toene().clear();
    s.txtAbschnitt->setText(f.abschnitt);
    s.txtSchlüssel->setText(f.schluessel);
    s.befLesen_Click(0);
    if (f.meldung.isEmpty()) {
      EXPECT_EQ(s.txtEintrag->Text(), f.wert);
      EXPECT_EQ(s.txtEintrag->ListCount(), 2);
      EXPECT_EQ(s.txtEintrag->List(0), QString());
      EXPECT_EQ(s.txtEintrag->List(1), f.wert);
      EXPECT_EQ(toene().aufrufe(), ausruf);
      EXPECT_TRUE(dialoge().requests().isEmpty());
    } else {
      ASSERT_EQ(dialoge().requests().size(), 1);
      EXPECT_EQ(dialoge().requests()[0].text, f.meldung);
      EXPECT_EQ(dialoge().requests()[0].style, 16);
      EXPECT_EQ(dialoge().requests()[0].title, QStringLiteral("Setup speziell"));
      EXPECT_TRUE(toene().aufrufe().isEmpty());
    }
  }
  // No file named.
  dialoge().clear();
  s.txtDatei->Clear();
  s.befLesen_Click(1);
  ASSERT_EQ(dialoge().requests().size(), 1);
  EXPECT_EQ(dialoge().requests()[0].text, QStringLiteral("Keine Einstellungsdatei angegeben."));
}

TEST_F(SetupSpeziellTest, WritesTheValueTrimmed) {
  SetupSpeziell& s = SetupSpeziell::get();
  s.txtSchlüssel->setText(QStringLiteral("FirstDataLine"));
  s.txtEintrag->setText(QStringLiteral("  Rubrik Name  "));
  s.befLesen_Click(1);
  EXPECT_EQ(toene().aufrufe(), ausruf);
  EXPECT_EQ(IniLesen(QString(), QString(), QStringLiteral("FirstDataLine"), QString()), QStringLiteral("Rubrik Name"));
  ASSERT_TRUE(IniSichern());
  EXPECT_TRUE(dateiLesen(zedured()).contains("\r\nFirstDataLine=Rubrik Name\r\n"));
}

TEST_F(SetupSpeziellTest, OpenedFromTheSettingsDialogWithTwoProposals) {
  QStringList vorgeschlagen;
  bool zurueck = false;
  vb::Forms::setModalInterceptor([&](vb::FormBase& f) {
    if (auto* sp = dynamic_cast<SetupSpeziell*>(&f)) {
      sp->show();
      vorgeschlagen = eintraege(sp->txtSchlüssel);
      QTest::keyClick(sp, Qt::Key_Escape);
      zurueck = !sp->isVisible();
    }
  });
  SetupForm::get().befSetupSpeziell_Click();
  vb::Forms::setModalInterceptor({});
  EXPECT_TRUE(vorgeschlagen.contains(QStringLiteral("FirstDataLine")));
  EXPECT_EQ(vorgeschlagen.count(QStringLiteral("ImmerKlein")), 1);
  EXPECT_EQ(vorgeschlagen.count(QStringLiteral("Immerklein")), 2);
  EXPECT_TRUE(zurueck);
  EXPECT_FALSE(vb::DefaultInstance<SetupSpeziell>::IsLoaded());
}
