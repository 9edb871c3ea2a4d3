// The address list import handed a record table: the file, the preview, the rows and the import; and the
// main window's command with the saved address file.
#include "common/Global.h"
#include "common/Ini.h"
#include "exchange/formen/AdrImport2.h"
#include "mainwindow/Main.h"
#include "store/Datensatz.h"
#include "support/Dialogtest.h"

#include <QApplication>
#include <QDir>
#include <QTabBar>
#include <QTest>

using namespace Qt::Literals::StringLiterals;

class AdrImport2Test : public Dialogtest {
 protected:
  void SetUp() override {
    Dialogtest::SetUp();
    adressdateiOrdnerEinrichten(programmOrdner());
    IniSchreiben(IniDatei, "Allgemein", "AdressIndex", "100");
    IniSchreiben("", "", "AdressIndex", "90");
    // Without a main window: a table and a list that shows it, whose current record is the shown one.
    ansicht_ = std::make_unique<vb::ListBox>();
    ansicht_->setBestand(&bestand_);
    ansicht_->Click = [this] { gezeigt = ansicht_->List(ansicht_->ListIndex()); };
  }
  void TearDown() override {
    AdrImport2::Unload();
    ansicht_.reset();
    Dialogtest::TearDown();
  }
  // The record table and its list: the main window's when there is one.
  vb::ListBox& liste() { return mitHauptfenster() ? *Main::get().Liste : *ansicht_; }
  Adressbestand& bestand() { return mitHauptfenster() ? *Main::get().Bestand : bestand_; }
  // The dialog handed the table, as the menu command hands it.
  AdrImport2& d() {
    return geladen<AdrImport2>([this](AdrImport2& a) {
      a.TabelleUebernehmen(bestand(), liste(),
                           mitHauptfenster() ? Main::get().FeldBezeichnungen() : standardBezeichnungen());
    });
  }
  void tabelle(int anzahl, int auswahl = -1) {
    QStringList zeilen;
    for (int i = 0; i < anzahl; ++i) zeilen << zeileAus({{0, " "}, {1, QStringLiteral("Alt%1").arg(i)}, {23, "5"}});
    liste().setItems(zeilen);
    liste().setListIndex(auswahl);
    Geaendert = 0;
  }
  // Chooses the file in the dialog (a path with capitals: it is opened as written).
  QString waehlen(const QByteArray& bytes, const QString& name = u"Import/Liste.TXT"_s) {
    QDir().mkpath(tempPfad("Import"));
    const QString pfad = dateiSchreiben(tempPfad(name), bytes);
    dialoge().answerText(pfad);
    d().befDatei_Click();
    return pfad;
  }
  QStringList vorschau() {
    QStringList l;
    for (int i = 0; i < kImportSpalten; ++i) l << d().bezFeldDemo(i).Caption();
    while (!l.isEmpty() && l.back().isEmpty()) l.removeLast();
    return l;
  }
  Felder satz(int i) { return FelderAusZeile(liste().List(i)); }
  // The record the window shows: the one its list made current last.
  QString gezeigt;

 private:
  Adressbestand bestand_;
  std::unique_ptr<vb::ListBox> ansicht_;
};

// The main window's command, and what the window does with the imported records.
class AdrImport2BefehlTest : public AdrImport2Test {
 protected:
  bool mitHauptfenster() const override { return true; }
  Main& m() { return Main::get(); }
  QString adressdatei(const QByteArray& bytes) { return dateiSchreiben(AktuelleDatei, bytes); }
};

TEST_F(AdrImport2Test, TheDialogAsItOpens) {
  EXPECT_EQ(d().Caption(), u"Kartulonimport"_s);
  EXPECT_EQ(d().SSTab1->Tab(), 0);
  ASSERT_EQ(d().SSTab1->Tabs(), 3);
  EXPECT_EQ(d().SSTab1->TabCaption(0), u"Datei-Auswahl"_s);
  EXPECT_EQ(d().SSTab1->TabCaption(1), u"Datei-Aufbau"_s);
  EXPECT_EQ(d().SSTab1->TabCaption(2), u"Datei-Import"_s);
  EXPECT_EQ(d().kombiTrenn->Text(), u"{Tab}"_s);
  EXPECT_EQ(d().kombiTrenn->ListCount(), 3);
  EXPECT_EQ(d().kombiTrenn->List(0), u";"_s);
  EXPECT_EQ(d().kombiTrenn->List(2), u"{LF}"_s);
  EXPECT_EQ(d().CheckAscii2Ansi->Value(), 0);
  EXPECT_EQ(d().CheckTrim->Value(), 0);
  EXPECT_FALSE(d().befImport->isEnabled());
  EXPECT_TRUE(d().ProgressBar->isHidden());
  EXPECT_EQ(d().Liste->ListCount(), 0);
  EXPECT_EQ(vb::Forms::helpContext(d().Liste), 252);

  const std::array<QString, 24> bez = standardBezeichnungen();
  const int oben = vb::Top(&d().komboFeld(0));
  const int schritt = vb::Height(&d().komboFeld(0)) + 50;
  for (int i = 0; i < kImportSpalten; ++i) {
    SCOPED_TRACE(i);
    vb::ComboBox& k = d().komboFeld(i);
    EXPECT_EQ(d().bezFeld(i).Caption(), QString::number(i + 1) + u". Feld"_s);
    EXPECT_EQ(k.ListCount(), 25);
    EXPECT_EQ(k.List(0), u"--- unbenutzt ---"_s);
    EXPECT_EQ(k.List(24), bez[23]);
    EXPECT_EQ(k.ListIndex(), i + 1);
    EXPECT_EQ(d().bezFeldDemo(i).Caption(), QString());
    // Rows one combo height and 50 twips apart, the labels 70 twips below the combo's top (within a
    // pixel's rounding).
    EXPECT_NEAR(vb::Top(&k), oben + i * schritt, 15);
    EXPECT_NEAR(vb::Top(&d().bezFeld(i)), vb::Top(&k) + 70, 15);
    EXPECT_NEAR(vb::Top(&d().bezFeldDemo(i)), vb::Top(&k) + 70, 15);
  }
  EXPECT_EQ(d().befPos(2).Caption(), u"<-|"_s);
  EXPECT_EQ(d().befPos(1).toolTip(), u"Zur nächtsen Import-Adresse"_s);
  EXPECT_LT(d().befPos(2).x(), d().befPos(0).x());
  EXPECT_LT(d().befPos(0).x(), d().befPos(1).x());
  EXPECT_LT(d().befPos(1).x(), d().befPos(3).x());
}

TEST_F(AdrImport2Test, ChoosingAndReadingTheFile) {
  struct Fall {
    const char* name;
    QByteArray bytes;
    QStringList zeilen;
  };
  const Fall faelle[] = {
      {"CR LF", "a\tb\r\nc\r\n", {"a\tb", "c"}},
      {"LF from a Linux program", "a\nb\n", {"a", "b"}},
      {"CR", "a\rb\r", {"a", "b"}},
      {"an empty line and no final line end", "a\r\n\r\nb", {"a", "", "b"}},
      {"UTF-8", "M\xC3\xBCller\tK\xC3\xB6ln\n", {u"Müller\tKöln"_s}},
  };
  for (const Fall& f : faelle) {
    SCOPED_TRACE(f.name);
    const QString pfad = waehlen(f.bytes);
    EXPECT_EQ(d().Liste->items(), f.zeilen);
    EXPECT_EQ(d().Liste->ListIndex(), 0);
    EXPECT_EQ(d().bezImpDateiInfo->Caption(),
              QString::number(f.zeilen.size()) + u" Kartulon in "_s + pfad + u" gefunden."_s);
    EXPECT_TRUE(pfad.contains(u"Import/Liste.TXT"));
    EXPECT_TRUE(d().befImport->isEnabled());
    EXPECT_EQ(d().bezFeldDemo(0).Caption(), f.zeilen[0].section(u'\t', 0, 0));
  }
  ASSERT_FALSE(dialoge().requests().isEmpty());
  EXPECT_EQ(dialoge().requests()[0].kind, u"file"_s);
  EXPECT_EQ(dialoge().requests()[0].title, u"Wähle Sie ein Datei zum Kartulonimport"_s);
  EXPECT_EQ(dialoge().requests()[0].text, u"Texte|*.txt;*.dat|Alles|*.*"_s);

  // Cancelled: nothing changes.
  const QString vorher = d().bezImpDateiInfo->Caption();
  dialoge().answerCancel();
  d().befDatei_Click();
  EXPECT_EQ(d().Liste->ListCount(), 1);
  EXPECT_EQ(d().bezImpDateiInfo->Caption(), vorher);

  // Unreadable (a folder) and empty: no lines.
  for (const QString& pfad : {tempPfad("Import"), dateiSchreiben(tempPfad("leer.txt"), "")}) {
    dialoge().answerText(pfad);
    d().befDatei_Click();
    EXPECT_EQ(d().Liste->ListCount(), 0);
    EXPECT_EQ(d().bezImpDateiInfo->Caption(), u"Keine Kartulon gefunden!"_s);
    EXPECT_FALSE(d().befImport->isEnabled());
    EXPECT_EQ(vorschau(), QStringList());
  }
}

TEST_F(AdrImport2Test, ThePreviewFollowsSeparatorOptionsAndRows) {
  waehlen("Meier;Hans;Hauptstr. 5;12345;Berlin\r\n a ;;b; \x81 \r\n");
  EXPECT_EQ(vorschau(), QStringList{"Meier;Hans;Hauptstr. 5;12345;Berlin"});  // cut at TAB: one column
  d().kombiTrenn->setText(";");
  EXPECT_EQ(vorschau(), (QStringList{"Meier", "Hans", "Hauptstr. 5", "12345", "Berlin"}));
  d().kombiTrenn->setText(", ");  // the comma only
  EXPECT_EQ(vorschau(), QStringList{"Meier;Hans;Hauptstr. 5;12345;Berlin"});
  d().kombiTrenn->setText("");
  EXPECT_EQ(vorschau().size(), 5);
  d().komboFeld(0).setListIndex(0);  // the preview shows every column, used or not
  EXPECT_EQ(d().bezFeldDemo(0).Caption(), u"Meier"_s);

  // A selection by the user does not refresh the preview; the buttons do.
  d().Liste->setListIndex(1);
  EXPECT_EQ(d().bezFeldDemo(0).Caption(), u"Meier"_s);
  d().befPos_Click(1);
  EXPECT_EQ(vorschau(), (QStringList{" a ", "", "b", QString::fromUtf16(u" \u0081 ")}));
  d().CheckTrim->setValue(1);
  EXPECT_EQ(vorschau(), (QStringList{"a", "", "b", QString::fromUtf16(u"\u0081")}));
  d().CheckAscii2Ansi->setValue(1);
  EXPECT_EQ(vorschau(), (QStringList{"a", "", "b", u"ü"_s}));
}

TEST_F(AdrImport2Test, NavigationAndDel) {
  waehlen("1\r\n2\r\n3\r\n4\r\n");
  struct Schritt {
    short knopf;
    int danach;
  };
  const Schritt schritte[] = {{0, 0}, {1, 1}, {1, 2}, {3, 3}, {1, 3}, {0, 2}, {2, 0}, {3, 3}};
  for (const Schritt& s : schritte) {
    d().befPos_Click(s.knopf);
    EXPECT_EQ(d().Liste->ListIndex(), s.danach) << s.knopf;
    EXPECT_EQ(d().bezFeldDemo(0).Caption(), QString::number(s.danach + 1));
  }

  // Del on the last line selects the new last one; the preview stays as it was.
  QTest::keyClick(d().Liste, Qt::Key_Delete);
  EXPECT_EQ(d().Liste->items(), (QStringList{"1", "2", "3"}));
  EXPECT_EQ(d().Liste->ListIndex(), 2);
  EXPECT_EQ(d().bezFeldDemo(0).Caption(), u"4"_s);
  EXPECT_EQ(d().bezImpDateiInfo->Caption(), u"Prüfen Sie, ob die 3 Kartulon ok sind"_s);
  // In the middle: the next line moves up into its place.
  d().Liste->setListIndex(0);
  int taste = 46;
  d().Liste_KeyDown(taste, 0);
  EXPECT_EQ(d().Liste->items(), (QStringList{"2", "3"}));
  EXPECT_EQ(d().Liste->ListIndex(), 0);
  // Another key does nothing; Del without a selection does nothing.
  taste = 45;
  d().Liste_KeyDown(taste, 0);
  d().Liste->setListIndex(-1);
  taste = 46;
  d().Liste_KeyDown(taste, 0);
  EXPECT_EQ(d().Liste->ListCount(), 2);
  // The only line: the list empties and the import cannot run.
  d().Liste->setItems({"x"});
  d().Liste->setListIndex(0);
  d().Liste_KeyDown(taste, 0);
  EXPECT_EQ(d().Liste->ListCount(), 0);
  EXPECT_EQ(d().Liste->ListIndex(), -1);
  EXPECT_EQ(d().bezImpDateiInfo->Caption(), u"Keine Kartulon gefunden!"_s);
  EXPECT_FALSE(d().befImport->isEnabled());
}

TEST_F(AdrImport2BefehlTest, ImportFillsTheFieldsAsTheRowsSay) {
  tabelle(0);
  waehlen(
      "R;Meier;Hans;;;;;;;;;;;;1\r\n"
      "R;Schulz;Eva;;;;;;;;;;;;0\r\n"
      "R;Weber;Jan;;;;;;;;;;;;abc\r\n"
      "R;Kern;Ute;;;;;;;;;;;;-3\r\n"
      "R;Roth;Ida;;;;;;;;;;;;17\r\n"
      ";Leer;;01.02.2003;04.05.2006\r\n");
  d().kombiTrenn->setText(";");
  d().komboFeld(0).setListIndex(0);    // column 1 unused: Rubrik stays empty, nothing shifts
  d().komboFeld(2).setListIndex(2);    // columns 2 and 3 both Nachname: the later one wins
  d().komboFeld(3).setListIndex(16);   // erstellt am
  d().komboFeld(4).setListIndex(17);   // geändert am
  d().komboFeld(14).setListIndex(24);  // the index
  d().befImport_Click();

  ASSERT_EQ(m().Liste->ListCount(), 6);
  const QString heute = u"10.12.2026"_s;
  const QStringList nachname = {"Hans", "Eva", "Jan", "Ute", "Ida", ""};
  const QStringList index = {"1", "100", "101", "102", "17", "103"};
  for (int i = 0; i < 6; ++i) {
    SCOPED_TRACE(i);
    const Felder f = satz(i);
    EXPECT_EQ(f[0], QString());
    EXPECT_EQ(f[1], nachname[i]);
    EXPECT_EQ(f[2], QString());
    EXPECT_EQ(f[15], i == 5 ? u"01.02.2003"_s : heute);
    EXPECT_EQ(f[16], i == 5 ? u"04.05.2006"_s : heute);
    EXPECT_EQ(f[23], index[i]);
    EXPECT_TRUE(m().Liste->List(i).startsWith(u'\t'));
  }
  // The next record made in the main window gets the number after them.
  m().PulEinfügen_Click();
  EXPECT_EQ(satz(6)[23], u"104"_s);
}

TEST_F(AdrImport2Test, TheSelectionAfterTheImport) {
  struct Fall {
    int vorher;
    int auswahl;
    int danach;
  };
  // An empty table: the first imported; one selected record: the first imported; one without a
  // selection: that one; five: the last is selected first, so the sixth (the first imported).
  const Fall faelle[] = {{0, -1, 0}, {1, 0, 1}, {1, -1, 0}, {5, 2, 5}};
  for (const Fall& f : faelle) {
    SCOPED_TRACE(f.vorher);
    tabelle(f.vorher, f.auswahl);
    waehlen("Neu\tErster\r\nNeu\tZweiter\r\n");
    d().befImport_Click();
    EXPECT_EQ(liste().ListCount(), f.vorher + 2);
    EXPECT_EQ(liste().ListIndex(), f.danach);
    EXPECT_EQ(FelderAusZeile(gezeigt)[1], satz(f.danach)[1]);
    EXPECT_EQ(Geaendert, 1);
    EXPECT_TRUE(d().isHidden());
    EXPECT_FALSE(d().ProgressBar->isHidden());      // left as it was at the end
    EXPECT_TRUE(d().befAbbrechen->isEnabled());     // unlocked again
    EXPECT_TRUE(dialoge().requests().size() == 1);  // only the file dialog
    dialoge().clear();
    AdrImport2::Unload();
  }
}

TEST_F(AdrImport2Test, TheLimitOf32000) {
  QByteArray zwanzig;
  for (int i = 1; i <= 20; ++i) zwanzig += "Neu\tN" + QByteArray::number(i) + "\r\n";
  struct Fall {
    int vorher;
    int angefuegt;
  };
  for (const Fall f : {Fall{kMaxDatensaetze - 10, 10}, Fall{kMaxDatensaetze, 0}}) {
    SCOPED_TRACE(f.vorher);
    tabelle(f.vorher, 0);
    waehlen(zwanzig);
    dialoge().clear();
    d().befImport_Click();
    EXPECT_EQ(liste().ListCount(), f.vorher + f.angefuegt);
    if (f.angefuegt > 0) {
      EXPECT_EQ(satz(liste().ListCount() - 1)[1], u"N10"_s);
    }
    ASSERT_EQ(dialoge().requests().size(), 1);
    const auto& r = dialoge().requests()[0];
    EXPECT_EQ(r.text, u"Von 20 Adressen wurden "_s + QString::number(f.angefuegt) +
                          u" importiert: eine Adressdatei kann höchstens 32000 Adressen aufnehmen."_s);
    EXPECT_EQ(r.title, u"Kartulonimport"_s);
    EXPECT_EQ(r.style & 0x70, vb::vbExclamation);
    EXPECT_TRUE(d().isHidden());
    AdrImport2::Unload();
  }
}

TEST_F(AdrImport2Test, LeavingWithoutImportAndEsc) {
  tabelle(2, 0);
  d().show();
  waehlen("a\tb\r\n");
  // Esc acts as "&Weiter" on every tab, and on the last one does nothing.
  for (int tab : {1, 2, 2}) {
    QTest::keyClick(&d(), Qt::Key_Escape);
    EXPECT_EQ(d().SSTab1->Tab(), tab);
    EXPECT_TRUE(d().isVisible());
  }
  d().SSTab1->setTab(0);
  d().befWeiter_Click(1);
  EXPECT_EQ(d().SSTab1->Tab(), 1);

  // The close box hides it as "&Abbrechen" does; the dialog stays loaded for its opener to unload.
  d().close();
  EXPECT_TRUE(d().isHidden());
  EXPECT_TRUE(AdrImport2::IsLoaded());
  d().show();
  d().befAbbrechen->click();
  EXPECT_TRUE(d().isHidden());
  EXPECT_EQ(liste().ListCount(), 2);
  EXPECT_EQ(Geaendert, 0);
}

TEST_F(AdrImport2Test, WhileTheImportRunsNothingElseCan) {
  tabelle(0);
  waehlen("a\r\nb\r\nc\r\n");
  d().show();
  int schritte = 0;
  QObject::connect(d().ProgressBar, &QProgressBar::valueChanged, [&] {
    ++schritte;
    EXPECT_TRUE(d().importLaeuft());
    EXPECT_FALSE(d().befAbbrechen->isEnabled());
    EXPECT_FALSE(d().befImport->isEnabled());
    EXPECT_FALSE(d().Liste->isEnabled());
    EXPECT_FALSE(d().SSTab1->tabBar()->isEnabled());
    d().close();  // the close box does nothing now
    EXPECT_TRUE(d().isVisible());
    d().befImport_Click();  // a second click imports nothing twice
  });
  d().befImport_Click();
  EXPECT_GT(schritte, 0);
  EXPECT_EQ(liste().ListCount(), 3);
  EXPECT_FALSE(d().importLaeuft());
}

TEST_F(AdrImport2BefehlTest, TheMenuCommandAndTheSavedFile) {
  adressdatei("..Privat\r\n" + zeileAus({{0, "Alt"}, {1, "Bauer"}, {23, "3"}}).toLatin1() + "\r\n");
  m().DatenLaden();
  ASSERT_EQ(m().Liste->ListCount(), 1);
  const QString pfad = dateiSchreiben(tempPfad("liste.dat"),
                                      ";M\x81ller;Hans;Weg 1\r\nPrivat;Gr\x84"
                                      "f;Ida\r\n");
  ASSERT_TRUE(m().mnuAdrImport->Enabled());
  int gezeigt = 0;
  vb::Forms::setModalInterceptor([&](vb::FormBase& form) {
    auto* dlg = dynamic_cast<AdrImport2*>(&form);
    if (!dlg) return;
    ++gezeigt;
    dialoge().answerText(pfad);
    dlg->befDatei->click();
    dlg->kombiTrenn->setText(";");
    dlg->CheckAscii2Ansi->setValue(1);
    dlg->befImport->click();
  });
  // The menu item (its shortcut is typed in the end-to-end run: a key released in a field box stores
  // the shown record as the field editor does, with a blank for an empty first field).
  m().Menue->item(u"mnuAdrImpListe"_s)->action()->trigger();
  vb::Forms::setModalInterceptor({});
  EXPECT_EQ(gezeigt, 1);
  EXPECT_FALSE(AdrImport2::IsLoaded());
  ASSERT_EQ(m().Liste->ListCount(), 3);
  EXPECT_EQ(m().Liste->ListIndex(), 1);
  EXPECT_EQ(m().Feld(1).Text(), u"Müller"_s);
  ASSERT_TRUE(m().DatenSpeichern());

  const QByteArray heute = "10.12.2026";
  QByteArray erwartet = "..Privat\r\nAlt\tBauer\t" + QByteArray(21, '\t') + "3\t\r\n";
  erwartet += "\tM\xFCller\tHans\tWeg 1\t" + QByteArray(11, '\t') + heute + "\t" + heute + "\t" + QByteArray(6, '\t') +
              "100\t\r\n";
  erwartet +=
      "Privat\tGr\xE4"
      "f\tIda\t" +
      QByteArray(12, '\t') + heute + "\t" + heute + "\t" + QByteArray(6, '\t') + "101\t\r\n";
  EXPECT_EQ(dateiLesen(AktuelleDatei).toStdString(), erwartet.toStdString());
  for (const QByteArray& zeile : dateiLesen(AktuelleDatei).split('\n').mid(1, 3)) EXPECT_EQ(zeile.count('\t'), 24);
}
