// The address to the clipboard through a mask, the dialog handed one record: the mask chosen at start, the
// filled text, edits, the clipboard, the remembered mask; and the main window's command.
#include "common/Global.h"
#include "common/Ini.h"
#include "exchange/Zwischenablageexport.h"
#include "exchange/formen/ZAexport.h"
#include "mainwindow/Dialogbefehl.h"
#include "mainwindow/Main.h"
#include "support/Dialogtest.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTest>

using namespace Qt::Literals::StringLiterals;

class ZAexportTest : public Dialogtest {
 protected:
  void SetUp() override {
    Dialogtest::SetUp();
    // A section after the program's, as the main window's start leaves one.
    IniSchreiben(QString(), u"Allgemein"_s, u"User"_s, u"Maier"_s);
    DatenOrdner = tempPfad(u"daten"_s);
    QDir().mkpath(DatenOrdner);
    MaskenOrdner = DatenOrdner;
    Geaendert = 0;
  }
  // The record the main window would show.
  QString gezeigteZeile() const { return aktuell >= 0 && aktuell < zeilen.size() ? zeilen[aktuell] : QString(); }
  void uebergeben(ZAexport& z) const { z.DatensatzUebernehmen(gezeigteZeile(), standardBezeichnungen()); }
  ZAexport& d() {
    return geladen<ZAexport>([this](ZAexport& z) { uebergeben(z); });
  }
  void maske(const QString& datei, const QByteArray& text) { dateiSchreiben(MaskenOrdner + u'/' + datei, text); }
  void dreiMasken() {
    maske(u"Brief.msk"_s, "{Vorname} {Nachname}");
    maske(u"anschrift.msk"_s, "{Nachname}\r\n{Ort}");
    maske(u"Etikett.msk"_s, "{Nachname}, {Zusatzbemerkung}");
  }
  QStringList eintraege() {
    QStringList l;
    for (int i = 0; i < d().ComboMasken->ListCount(); ++i) l << d().ComboMasken->List(i);
    return l;
  }
  QString zedured() const { return windowsOrdner() + u"/Zedured.ini"_s; }
  // Opens the dialog as the menu command does.
  virtual void oeffnen() {
    DialogSchritte<ZAexport> s;
    s.vorZeigen = [this](ZAexport& z) { uebergeben(z); };
    DialogBefehl(s);
  }
  // Runs the dialog as the menu command does; the dialog, once shown, is handled by `tun`.
  void befehl(const std::function<void(ZAexport&)>& tun) {
    int gezeigt = 0;
    vb::Forms::setModalInterceptor([&](vb::FormBase& form) {
      if (auto* z = dynamic_cast<ZAexport*>(&form)) {
        ++gezeigt;
        tun(*z);
      }
    });
    oeffnen();
    vb::Forms::setModalInterceptor({});
    EXPECT_EQ(gezeigt, 1);
    EXPECT_FALSE(ZAexport::IsLoaded());
  }
  const QString meier =
      zeileAus({{0, "Privat"}, {1, "Meier"}, {2, "Otto"}, {5, "Berlin"}, {11, "Zeile eins°°Zeile zwei"}, {23, "7"}});
  const QString schulz = zeileAus({{0, "Privat"}, {1, "Schulz"}, {2, "Eva"}, {5, "Bonn"}, {23, "8"}});
  QStringList zeilen{meier, schulz};
  int aktuell = 0;
};

// The menu command on the main window, over the same records.
class ZAexportBefehlTest : public ZAexportTest {
 protected:
  void SetUp() override {
    ZAexportTest::SetUp();
    m().Liste->setItems(zeilen);
    m().Liste->setListIndex(aktuell);
    Geaendert = 0;
  }
  bool mitHauptfenster() const override { return true; }
  Main& m() { return Main::get(); }
  void oeffnen() override { m().PulZAdresse_Click(); }
};

TEST(ZaMaskeFinden, TheLastEqualNameElseTheFirst) {
  const QStringList namen{u"Anschrift"_s, u"anschrift"_s, u"Brief"_s};
  EXPECT_EQ(ZaMaskeFinden(namen, u"ANSCHRIFT"_s), 1);
  EXPECT_EQ(ZaMaskeFinden(namen, u"brief"_s), 2);
  EXPECT_EQ(ZaMaskeFinden(namen, u"weg"_s), 0);
  EXPECT_EQ(ZaMaskeFinden({}, u"Anschrift"_s), -1);
}

TEST_F(ZAexportTest, TheDialogAsItOpens) {
  dreiMasken();
  maske(u"notiz.txt"_s, "x");
  EXPECT_EQ(d().Caption(), u"Anschrift in die Zwischenablage kopieren"_s);
  EXPECT_EQ(d().bezMaske->Caption(), u"Maske"_s);
  EXPECT_EQ(d().befOK->Caption(), u"&Ok"_s);
  EXPECT_EQ(d().befAbbrechen->Caption(), u"&Abbrechen"_s);
  EXPECT_TRUE(d().befAbbrechen->Cancel());
  EXPECT_EQ(d().Text->MaxLength(), 255);
  EXPECT_TRUE(d().Text->MultiLine());
  EXPECT_EQ(vb::Forms::helpContext(d().Text), 25);
  EXPECT_EQ(vb::Forms::helpContext(d().ComboMasken), 25);
  // Sorted, without extension; no setting: "Anschrift" finds anschrift.
  EXPECT_EQ(eintraege(), (QStringList{u"anschrift"_s, u"Brief"_s, u"Etikett"_s}));
  EXPECT_EQ(d().ComboMasken->Text(), u"anschrift"_s);
  EXPECT_EQ(d().Text->Text(), u"Meier\r\nBerlin"_s);
}

TEST_F(ZAexportTest, TheMaskChosenAtStart) {
  struct Fall {
    const char* gemerkt;  // nullptr: no setting
    const char* gewaehlt;
    const char* text;
  };
  const Fall faelle[] = {
      {nullptr, "anschrift", "Meier\r\nBerlin"},
      {"Anschrift", "anschrift", "Meier\r\nBerlin"},
      {"ETIKETT", "Etikett", "Meier, Zeile eins\r\nZeile zwei"},
      {"Weg", "anschrift", "Meier\r\nBerlin"},  // no longer there: the first of the list
  };
  dreiMasken();
  for (const Fall& f : faelle) {
    SCOPED_TRACE(f.gemerkt ? f.gemerkt : "none");
    if (f.gemerkt) IniSchreiben("", "", "AnschriftZaMaske", QString::fromLatin1(f.gemerkt));
    EXPECT_EQ(d().ComboMasken->Text(), QString::fromLatin1(f.gewaehlt));
    EXPECT_EQ(d().Text->Text(), QString::fromUtf8(f.text));
    ZAexport::Unload();
  }
}

TEST_F(ZAexportTest, OkPutsTheEditedTextWithRealLineBreaksOnTheClipboardAndRemembersTheMask) {
  dreiMasken();
  zwischenablage().inhalt = u"vorher"_s;
  const QByteArray iniVorher = dateiLesen(zedured());
  befehl([](ZAexport& z) {
    z.ComboMasken->setListIndex(2);  // Etikett: the notes field's line break is a real one
    EXPECT_EQ(z.Text->Text(), u"Meier, Zeile eins\r\nZeile zwei"_s);
    z.befOK->click();
  });
  EXPECT_EQ(zwischenablage().inhalt, u"Meier, Zeile eins\nZeile zwei"_s);
  // The key joins the program's section, the rest of the file byte for byte as it was.
  QByteArray erwartet = iniVorher;
  ASSERT_TRUE(erwartet.startsWith("[Kartulon]\r\n"));
  erwartet.replace("\r\n\r\n[Allgemein]", "\r\nAnschriftZaMaske=Etikett\r\n\r\n[Allgemein]");
  EXPECT_EQ(dateiLesen(zedured()).toStdString(), erwartet.toStdString());
  EXPECT_EQ(Geaendert, 0);

  // The next use starts with Etikett; typed text is what reaches the clipboard.
  aktuell = 1;
  befehl([](ZAexport& z) {
    EXPECT_EQ(z.ComboMasken->Text(), u"Etikett"_s);
    EXPECT_EQ(z.Text->Text(), u"Schulz,"_s);
    z.Text->SetFocus();
    z.Text->setSelStart(7);
    QTest::keyClicks(z.Text->editor(), u" Gruß"_s);
    QTest::keyClick(z.Text->editor(), Qt::Key_Return);
    QTest::keyClicks(z.Text->editor(), u"Ende"_s);
    z.befOK->click();
  });
  EXPECT_EQ(zwischenablage().inhalt, u"Schulz, Gruß\nEnde"_s);
}

TEST_F(ZAexportTest, AnotherMaskReplacesTypedText) {
  dreiMasken();
  d().Text->setSelStart(0);
  d().Text->typeText(u"getippt "_s);
  EXPECT_EQ(d().Text->Text(), u"getippt Meier\r\nBerlin"_s);
  d().ComboMasken->setListIndex(1);
  EXPECT_EQ(d().Text->Text(), u"Otto Meier"_s);
}

TEST_F(ZAexportTest, CancellingLeavesClipboardAndSettingAlone) {
  dreiMasken();
  IniSchreiben("", "", "AnschriftZaMaske", "Brief");
  const QByteArray iniVorher = dateiLesen(zedured());
  const std::function<void(ZAexport&)> wege[] = {
      [](ZAexport& z) { z.befAbbrechen->click(); },
      [](ZAexport& z) { QTest::keyClick(z.Text->editor(), Qt::Key_Escape); },
      [](ZAexport& z) {
        z.ComboMasken->setListIndex(2);
        z.close();  // the close box: the dialog stays loaded and only hides
        EXPECT_TRUE(ZAexport::IsLoaded());
      },
  };
  zwischenablage().inhalt = u"vorher"_s;
  for (const auto& weg : wege) {
    befehl([&](ZAexport& z) {
      z.show();
      QApplication::setActiveWindow(&z);
      ASSERT_TRUE(QTest::qWaitForWindowActive(&z));
      z.Text->SetFocus();
      weg(z);
      EXPECT_TRUE(z.isHidden());
    });
    EXPECT_EQ(zwischenablage().inhalt, u"vorher"_s);
    EXPECT_EQ(dateiLesen(zedured()), iniVorher);
  }
}

TEST_F(ZAexportTest, WithoutAnyMaskOkCopiesTheBoxAndKeepsTheSetting) {
  maske(u"notiz.txt"_s, "{Nachname}");
  IniSchreiben("", "", "AnschriftZaMaske", "Brief");
  const QByteArray iniVorher = dateiLesen(zedured());
  befehl([](ZAexport& z) {
    EXPECT_EQ(z.ComboMasken->ListCount(), 0);
    EXPECT_EQ(z.Text->Text(), QString());
    z.Text->typeText(u"Frei\r\ngeschrieben"_s);
    z.befOK->click();
  });
  EXPECT_EQ(zwischenablage().inhalt, u"Frei\ngeschrieben"_s);
  EXPECT_EQ(dateiLesen(zedured()), iniVorher);
  // And an empty box clears the clipboard's text to an empty one.
  befehl([](ZAexport& z) { z.befOK->click(); });
  EXPECT_EQ(zwischenablage().inhalt, QString());
}

TEST_F(ZAexportTest, AnEmptyTableFillsTheMaskFromAnEmptyRecord) {
  maske(u"Anschrift.msk"_s, "An {Nachname}\r\n{~Ort}Ende {@Datum}");
  zeilen.clear();
  befehl([](ZAexport& z) {
    EXPECT_EQ(z.Text->Text(), u"An \r\nEnde 10.12.2026"_s);
    z.befOK->click();
  });
  EXPECT_EQ(zwischenablage().inhalt, u"An \nEnde 10.12.2026"_s);
}

TEST_F(ZAexportTest, AnUpperCaseMaskFileAndAFilledMaskLongerThanTheTypingLimit) {
  maske(u"X.MSK"_s, "{Nachname}\r\n" + QByteArray(300, 'y'));
  befehl([](ZAexport& z) {
    EXPECT_EQ(z.ComboMasken->Text(), u"X"_s);
    // Never cut: the limit stops typing only.
    EXPECT_EQ(z.Text->Text(), u"Meier\r\n"_s + QString(300, u'y'));
    z.Text->SetFocus();
    z.Text->setSelStart(0);
    QTest::keyClicks(z.Text->editor(), u"z"_s);
    EXPECT_TRUE(z.Text->Text().startsWith(u"Meier"_s));
    z.befOK->click();
  });
  EXPECT_EQ(zwischenablage().inhalt, u"Meier\n"_s + QString(300, u'y'));
  EXPECT_EQ(IniLesen("", "", "AnschriftZaMaske", ""), u"X"_s);
}

TEST_F(ZAexportTest, TheShippedSampleMaskGivesThePostalAddressBlock) {
  QFile::copy(QStringLiteral(KARTULON_DATA_DIR "/Anschrift.Msk"), MaskenOrdner + u"/Anschrift.Msk"_s);
  zeilen = {zeileAus(
      {{0, "Privat"}, {1, "Müller"}, {2, "Hans"}, {3, "Hauptstr. 5"}, {4, "12345"}, {5, "Berlin"}, {21, "Herrn"}})};
  aktuell = 0;
  EXPECT_EQ(d().ComboMasken->Text(), u"Anschrift"_s);
  EXPECT_EQ(d().Text->Text(), u"Herrn\r\nHans Müller\r\nHauptstr. 5\r\n12345 Berlin"_s);
}

TEST_F(ZAexportBefehlTest, CtrlAInAFieldBoxOpensTheDialogAndSelectsNothingInTheBox) {
  dreiMasken();
  m().show();
  QApplication::setActiveWindow(&m());
  ASSERT_TRUE(QTest::qWaitForWindowActive(&m()));
  m().Feld(1).SetFocus();
  QApplication::processEvents();
  m().Feld(1).setSelStart(2);
  int gezeigt = 0;
  vb::Forms::setModalInterceptor([&](vb::FormBase& form) {
    if (auto* z = dynamic_cast<ZAexport*>(&form)) {
      ++gezeigt;
      z->befOK->click();
    }
  });
  QTest::keyClick(m().Feld(1).editor(), Qt::Key_A, Qt::ControlModifier);
  vb::Forms::setModalInterceptor({});
  EXPECT_EQ(gezeigt, 1);
  EXPECT_FALSE(ZAexport::IsLoaded());
  EXPECT_EQ(zwischenablage().inhalt, u"Meier\nBerlin"_s);
  EXPECT_EQ(m().Feld(1).SelLength(), 0);
  EXPECT_EQ(m().Feld(1).Text(), u"Meier"_s);
}

TEST_F(ZAexportBefehlTest, TheCommandHandsTheShownRecordAndLeavesTheTableAlone) {
  dreiMasken();
  m().Liste->setListIndex(1);
  befehl([](ZAexport& z) {
    EXPECT_EQ(z.Text->Text(), u"Schulz\r\nBonn"_s);
    z.befOK->click();
  });
  EXPECT_EQ(zwischenablage().inhalt, u"Schulz\nBonn"_s);
  EXPECT_EQ(Geaendert, 0);
  EXPECT_EQ(m().Liste->List(0), meier);
}
