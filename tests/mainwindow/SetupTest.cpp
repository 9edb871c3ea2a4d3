// The settings dialog on the real forms: what the stored settings show, what every way out writes,
// the main window applying the options, the field fonts and colour, the external programs.
#include "common/Global.h"
#include "common/Ini.h"
#include "common/Schrift.h"
#include "mainwindow/Main.h"
#include "mainwindow/Setup.h"
#include "mainwindow/SetupSpeziell.h"
#include "platform/dienste/FontObject.h"
#include "platform/vb/Codec.h"
#include "platform/vb/Vb.h"
#include "support/kern/TestUmgebung.h"

// gtest's Test has a member of that name.
using SetupForm = ::Setup;

#include <QFile>
#include <QTest>

class SetupTest : public KartulonTest {
 protected:
  Main& m() { return Main::get(); }
  QString zedured() const { return windowsOrdner() + QStringLiteral("/Zedured.ini"); }
  QString callByCall() const { return programmOrdner() + QStringLiteral("/CallByCall.ini"); }
  // The program section's lines (bytes) and CallByCall.ini before the dialog opens.
  void gespeichert(const QByteArray& zeilen, const QByteArray& cbc = {}) {
    dateiSchreiben(zedured(), "[Kartulon]\r\n" + zeilen);
    QFile::remove(callByCall());
    if (!cbc.isEmpty()) dateiSchreiben(callByCall(), cbc);
  }
  // Opens the dialog through the menu command; the user acts on the shown form.
  void oeffnen(const std::function<void(SetupForm&)>& benutzer,
               const std::function<void(SetupSpeziell&)>& spezial = {}) {
    vb::Forms::setModalInterceptor([&](vb::FormBase& f) {
      if (auto* s = dynamic_cast<SetupForm*>(&f)) {
        s->show();
        benutzer(*s);
      } else if (auto* sp = dynamic_cast<SetupSpeziell*>(&f)) {
        sp->show();
        if (spezial) spezial(*sp);
      }
    });
    m().mnuSetup_Click();
    vb::Forms::setModalInterceptor({});
  }
  // The dialog's own keys as they stand in Zedured.ini, in file order.
  QList<QByteArray> schalterZeilen() {
    EXPECT_TRUE(IniSichern());
    QList<QByteArray> z;
    for (const QByteArray& zeile : dateiLesen(zedured()).split('\n'))
      for (const char* key : {"Auswahl\xD6"
                              "ffnen=",
                              "OrtAusPlz=", "AutoSucheDoppeltenNamen=", "AutoFormatUCase=", "AutoFormatTrim=",
                              "SortAtClose=", "KatalogStdLand="})
        if (zeile.startsWith(key)) z << zeile + '\n';
    return z;
  }
};

TEST_F(SetupTest, StoredSettingsGiveTheControls) {
  struct Fall {
    const char* was;
    QByteArray zeilen, cbc;
    QString sortText;
    int fall;
    QString land;
    int ticks[4];  // StrgAuswahl, StrgOrtPlz, strgAutoFormatTrim, StrgAutoNameDoppelt
    bool cbcSichtbar;
    int cbc_;
  };
  const Fall faelle[] = {
      {"absent: the defaults", {}, {}, "Keine Sortierung", 0, "D-", {0, 1, 0, 0}, false, 1},
      {"04, 2, ch-, ticks from 2 and -1, aktiviert 0",
       "SortAtClose=04\r\nAutoFormatUCase=2\r\nKatalogStdLand=ch-\r\nAuswahl\xD6"
       "ffnen=2\r\nOrtAusPlz=-1\r\n"
       "AutoFormatTrim=0\r\nAutoSucheDoppeltenNamen=-1\r\n",
       "[Allgemein]\r\naktiviert=0\r\n",
       "PLZ",
       2,
       "CH-",
       {1, 1, 0, 1},
       true,
       0},
      {"4, 7, F-, aktiviert empty",
       "SortAtClose=4\r\nAutoFormatUCase=7\r\nKatalogStdLand=F-\r\nOrtAusPlz=0\r\n",
       "[Allgemein]\r\naktiviert=\r\n",
       "Keine Sortierung",
       -1,
       "A-",
       {0, 0, 0, 0},
       false,
       0},
      {"2.5 rounds to 2",
       "AutoFormatUCase=2.5\r\nAutoFormatTrim=2\r\n",
       "[Allgemein]\r\naktiviert=1\r\n",
       "Keine Sortierung",
       2,
       "D-",
       {0, 1, 1, 0},
       true,
       1},
  };
  for (const Fall& f : faelle) {
    SCOPED_TRACE(f.was);
    gespeichert(f.zeilen, f.cbc);
    SetupForm& s = SetupForm::get();
    EXPECT_EQ(s.SSTab->Tab(), 0);
    EXPECT_EQ(s.kombiSortAtEnd->Text().left(f.sortText.size()), f.sortText);
    EXPECT_EQ(s.comboAutoFormatCase->ListIndex(), f.fall);
    EXPECT_EQ(s.comboKatalogStdLand->Text(), f.land);
    EXPECT_EQ(s.StrgAuswahl->Value(), f.ticks[0]);
    EXPECT_EQ(s.StrgOrtPlz->Value(), f.ticks[1]);
    EXPECT_EQ(s.strgAutoFormatTrim->Value(), f.ticks[2]);
    EXPECT_EQ(s.StrgAutoNameDoppelt->Value(), f.ticks[3]);
    EXPECT_EQ(!s.strgCallByCall->isHidden(), f.cbcSichtbar);
    EXPECT_EQ(s.strgCallByCall->Value(), f.cbc_);
    vb::DefaultInstance<SetupForm>::Unload();
  }
}

TEST_F(SetupTest, ListsCaptionsAndTabs) {
  SetupForm& s = SetupForm::get();
  EXPECT_EQ(s.Caption(), QStringLiteral("Einstellungen"));
  ASSERT_EQ(s.SSTab->Tabs(), 3);
  EXPECT_EQ(s.SSTab->TabCaption(0), QStringLiteral("Allgemeines"));
  EXPECT_EQ(s.SSTab->TabCaption(1), QStringLiteral("Schriften"));
  EXPECT_EQ(s.SSTab->TabCaption(2), QStringLiteral("Externes"));
  ASSERT_EQ(s.kombiSortAtEnd->ListCount(), 9);
  EXPECT_EQ(s.kombiSortAtEnd->List(8),
            QString::fromUtf16(u"Änderungsdatum") + QString(50, u' ') + QStringLiteral("16"));
  EXPECT_EQ(s.comboKatalogStdLand->List(0), QStringLiteral("A-"));
  EXPECT_EQ(s.comboKatalogStdLand->List(2), QStringLiteral("D-"));
  EXPECT_EQ(s.comboAutoFormatCase->List(4), QStringLiteral("Alles in Kleinschrift"));
  EXPECT_TRUE(s.BefOk->isDefault());
  EXPECT_TRUE(s.BefOk->Cancel());
  EXPECT_EQ(s.befExtern(3).Caption(), QStringLiteral("KlickTel 9&8 32-Bit"));
  EXPECT_EQ(s.befDatenOrdnerFestlegen->Caption(), QStringLiteral("&Daten-Ordner verlegen..."));
}

TEST_F(SetupTest, EveryWayOutWritesTheSwitches) {
  const QByteArray vorher =
      "SortAtClose=4\r\nAutoFormatUCase=2.5\r\nKatalogStdLand=F-\r\nAuswahl\xD6"
      "ffnen=2\r\n"
      "OrtAusPlz=-1\r\nAutoSucheDoppeltenNamen=0\r\nAutoFormatTrim=7\r\n";
  struct Fall {
    const char* was;
    std::function<void(SetupForm&)> weg;
  };
  const Fall faelle[] = {
      {"Ok", [](SetupForm& s) { QTest::mouseClick(s.BefOk, Qt::LeftButton); }},
      {"Enter", [](SetupForm& s) { QTest::keyClick(&s, Qt::Key_Return); }},
      {"Esc", [](SetupForm& s) { QTest::keyClick(&s, Qt::Key_Escape); }},
      {"close box", [](SetupForm& s) { s.close(); }},
  };
  for (const Fall& f : faelle) {
    SCOPED_TRACE(f.was);
    gespeichert(vorher, "[Allgemein]\r\naktiviert=0\r\n");
    bool offenNachher = true;
    oeffnen([&](SetupForm& s) {
      s.StrgAutoNameDoppelt->setValue(1);
      s.strgCallByCall->setValue(1);
      f.weg(s);
      offenNachher = s.isVisible();
    });
    EXPECT_FALSE(offenNachher);
    EXPECT_FALSE(vb::DefaultInstance<SetupForm>::IsLoaded());
    // The sort code and the country the lists cannot show stay as they were.
    EXPECT_EQ(schalterZeilen(),
              QList<QByteArray>({"SortAtClose=4\r\n", "AutoFormatUCase= 2\r\n", "KatalogStdLand=F-\r\n",
                                 "Auswahl\xD6"
                                 "ffnen= 1\r\n",
                                 "OrtAusPlz= 1\r\n", "AutoSucheDoppeltenNamen= 1\r\n", "AutoFormatTrim= 1\r\n"}));
    EXPECT_EQ(dateiLesen(callByCall()), QByteArray("[Allgemein]\r\naktiviert= 1\r\n"));
  }
}

TEST_F(SetupTest, ChoicesAreWrittenAndTheMainWindowAppliesThemAtOnce) {
  gespeichert("SortAtClose=4\r\nKatalogStdLand=F-\r\n");
  oeffnen([](SetupForm& s) {
    // The user picks from the lists (the keyboard chooses like a click).
    s.kombiSortAtEnd->setFocus();
    s.kombiSortAtEnd->setCurrentIndex(2);
    emit s.kombiSortAtEnd->activated(2);
    s.comboKatalogStdLand->setCurrentIndex(1);
    emit s.comboKatalogStdLand->activated(1);
    s.comboAutoFormatCase->setListIndex(3);
    s.strgAutoFormatTrim->setValue(1);
    s.StrgOrtPlz->setValue(0);
    QTest::keyClick(&s, Qt::Key_Return);
  });
  EXPECT_EQ(schalterZeilen(), QList<QByteArray>({"SortAtClose=01\r\n", "KatalogStdLand=CH-\r\n",
                                                 "Auswahl\xD6"
                                                 "ffnen= 0\r\n",
                                                 "OrtAusPlz= 0\r\n", "AutoSucheDoppeltenNamen= 0\r\n",
                                                 "AutoFormatUCase= 3\r\n", "AutoFormatTrim= 1\r\n"}));
  // CallByCall.ini does not exist: its box was hidden and the file stays away.
  EXPECT_FALSE(QFileInfo::exists(callByCall()));
  EXPECT_EQ(KatalogStdLand, QStringLiteral("CH-"));
  EXPECT_EQ(AutoFormatUCase, 3);
  EXPECT_EQ(AutoFormatTrim, 1);
  EXPECT_EQ(OrtAusPlz, 0);
}

TEST_F(SetupTest, FieldFontsThroughTheFontDialog) {
  const QString vorherBem = SchriftAlsText(&m().Feld(11));
  const QString vorher15 = SchriftAlsText(&m().Feld(15));
  SchriftWahl gross;
  gross.name = QStringLiteral("Courier New");
  gross.groesse = 12;
  gross.fett = true;
  gross.durchgestrichen = true;
  gross.farbe = QColor(0x80, 0, 0);
  SchriftWahl zuGross = gross;
  zuGross.groesse = 20;
  SchriftWahl zuKlein = gross;
  zuKlein.groesse = 3;
  dialoge().answerSchrift(zuGross);
  dialoge().answerSchrift(zuKlein);
  dialoge().answerSchrift(gross);
  QString nachEingabe;
  oeffnen([&](SetupForm& s) {
    const QString anfang = SchriftAlsText(&m().Feld(0));
    // Sizes outside 4 to 16 are refused: nothing changes.
    s.BefSetFont_Click(0);
    s.BefSetFont_Click(0);
    EXPECT_EQ(SchriftAlsText(&m().Feld(0)), anfang);
    s.BefSetFont_Click(0);
    nachEingabe = SchriftAlsText(&m().Feld(0));
    EXPECT_TRUE(m().Feld(0).font().strikeOut());
    EXPECT_FALSE(m().Feld(1).font().strikeOut());
    EXPECT_EQ(SchriftAlsText(&m().Feld(1)), nachEingabe);
    s.BefOk_Click();
  });
  ASSERT_EQ(dialoge().requests().size(), 3);
  EXPECT_EQ(dialoge().requests()[0].kind, QStringLiteral("schrift"));
  EXPECT_EQ(dialoge().requests()[0].title, QStringLiteral("4-16"));
  EXPECT_EQ(nachEingabe, QStringLiteral("Courier New;12;-1;0;0;128;"));
  for (int i : {2, 10, 14, 17, 23}) EXPECT_EQ(SchriftAlsText(&m().Feld(i)), nachEingabe) << i;
  EXPECT_EQ(SchriftAlsText(&m().Feld(11)), vorherBem);
  EXPECT_EQ(SchriftAlsText(&m().Feld(15)), vorher15);
  // Stored without strikethrough: a restart does not bring it back.
  EXPECT_EQ(IniLesen(QString(), QString(), QStringLiteral("SchriftEin"), QString()), nachEingabe);
  vb::Forms::UnloadAll();
  EXPECT_FALSE(Main::get().Feld(0).font().strikeOut());
  EXPECT_EQ(SchriftAlsText(&m().Feld(0)), nachEingabe);
}

TEST_F(SetupTest, TheRemarksFontAloneAndTheBackgroundColour) {
  const QString vorher0 = SchriftAlsText(&m().Feld(0));
  SchriftWahl bem;
  bem.name = QStringLiteral("Arial");
  bem.groesse = 9;
  bem.kursiv = true;
  dialoge().answerSchrift(bem);
  dialoge().answerColor(QColor(0xFF, 0xFF, 0xC0));
  QColor farbeVorher;
  oeffnen([&](SetupForm& s) {
    s.BefSetFont_Click(1);
    farbeVorher = m().Feld(0).BackColor();
    s.BefSetBackCol_Click();
    // Only the first box has it while the dialog is open.
    EXPECT_NE(m().Feld(1).BackColor(), QColor(0xFF, 0xFF, 0xC0));
    s.BefOk_Click();
  });
  EXPECT_EQ(SchriftAlsText(&m().Feld(11)), QStringLiteral("Arial;9;0;-1;0;0;"));
  EXPECT_EQ(SchriftAlsText(&m().Feld(0)), vorher0);
  EXPECT_EQ(SchriftAlsText(&m().Feld(3)), vorher0);
  EXPECT_EQ(dialoge().requests()[1].kind, QStringLiteral("color"));
  EXPECT_EQ(dialoge().requests()[1].text, farbeVorher.name());
  for (int i = 0; i < 24; ++i)
    if (!m().Feld(i).Locked()) {
      EXPECT_EQ(m().Feld(i).BackColor(), QColor(0xFF, 0xFF, 0xC0)) << i;
    }
  EXPECT_EQ(IniLesen(QString(), QString(), QStringLiteral("SchriftBackCol"), QString()),
            QString::number(vb::RGB(0xFF, 0xFF, 0xC0)));
  EXPECT_EQ(IniLesen(QString(), QString(), QStringLiteral("SchriftBem"), QString()),
            QStringLiteral("Arial;9;0;-1;0;0;"));
}

TEST_F(SetupTest, RegisteringExternalPrograms) {
  struct Fall {
    int index;
    QString titel, filter, datei, prg, ver, plz;
  };
  const QString programm = QStringLiteral("Programm|*.exe;*.com;*.bat;*.pif|Alle Dateien|*|");
  const Fall faelle[] = {
      {3, "Wo ist das KlickTel 98  Startprogramm?", "KlickTel 98|ktel32*.exe|" + programm, "/opt/kt/ktel32b.exe",
       "/opt/kt/ktel32b.exe", "98", "fehlt"},
      {4, "Wo ist das D-Info 99 Startprogramm?", "D-Info 99|DInfo.exe|" + programm, "/opt/di/DInfo.exe",
       "/opt/di/DInfo.exe", "99", "fehlt"},
      {1, QString::fromUtf16(u"Wählen Sie ein externes PLZ-Programm"), programm, "/usr/bin/plz", "/opt/di/DInfo.exe",
       "99", "/usr/bin/plz"},
      {0, "Wo ist das D-Info 3.0 Startprogramm?", "D-Info 3.0|DINFOWIN.EXE|" + programm, QString(), "/opt/di/DInfo.exe",
       "99", "/usr/bin/plz"},
      {2, "Wo ist das D-Info 97 Startprogramm?", "D-Info 97|Dinfo32.exe|" + programm, "/d/Dinfo32.exe",
       "/d/Dinfo32.exe", "97", "/usr/bin/plz"},
  };
  SetupForm& s = SetupForm::get();
  for (const Fall& f : faelle) {
    SCOPED_TRACE(f.index);
    dialoge().clear();
    if (f.datei.isEmpty())
      dialoge().answerCancel();
    else
      dialoge().answerText(f.datei);
    s.befExtern_Click(f.index);
    ASSERT_EQ(dialoge().requests().size(), 1);
    EXPECT_EQ(dialoge().requests()[0].kind, QStringLiteral("file"));
    EXPECT_EQ(dialoge().requests()[0].title, f.titel);
    EXPECT_EQ(dialoge().requests()[0].text, f.filter);
    EXPECT_EQ(dialoge().requests()[0].style, 0);  // an open dialog
    auto lesen = [](const char* k) {
      return IniLesen(QString(), QString(), QString::fromLatin1(k), QStringLiteral("fehlt"));
    };
    EXPECT_EQ(lesen("DInfoPrg"), f.prg);
    EXPECT_EQ(lesen("DInfoVer"), f.ver);
    EXPECT_EQ(lesen("ExtPlzSuche"), f.plz);
  }
}
