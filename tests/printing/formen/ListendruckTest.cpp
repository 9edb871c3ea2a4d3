// The list-print dialog handed a small record table, with the file dialog answered from a script; and the
// main window's commands that open it.
#include "common/Global.h"
#include "common/Ini.h"
#include "common/Ton.h"
#include "common/formen/File.h"
#include "mainwindow/Main.h"
#include "platform/vb/Dateirechte.h"
#include "printing/formen/Listendruck.h"
#include "support/DateiDialog.h"
#include "support/Dialogtest.h"
#include "support/kern/TestUmgebung.h"

#include <QDir>
#include <QFile>

using namespace Qt::Literals::StringLiterals;

namespace {

class ListendruckTest : public Dialogtest {
 protected:
  void SetUp() override {
    Dialogtest::SetUp();
    DatenOrdner = tempPfad(u"daten"_s);
    QDir().mkpath(DatenOrdner);
    MaskenOrdner = DatenOrdner;
    DateiBeschreibung = u"Privat"_s;
    zeilen = {
        zeileAus({{1, u"Albers"_s}, {5, u"Hamburg"_s}, {9, u"Müller"_s}}),
        zeileAus({{1, u"Berg"_s}, {5, u"HAMBURG"_s}, {9, u"müller"_s}}),
        zeileAus({{1, u"Conrad"_s}, {5, u"Bremen"_s}, {9, u"Müllermann"_s}}),
        zeileAus({{1, u"Dorn"_s}, {5, u"Hamburg"_s}, {10, u"Müller"_s}}),
        zeileAus({{1, u"Ernst"_s}, {3, u"hamburger Str. 1"_s}, {9, u"Schmidt"_s}}),
    };
    tabelle(zeilen, 2);
    // The file dialog: the test names the file the user chooses ("" cancels).
    vb::Forms::setModalInterceptor([this](vb::FormBase& form) {
      auto* d = dynamic_cast<File*>(&form);
      if (!d) return;
      const DateiDialogAngebot angebot = DateiDialogBeantworten(*d, wahl);
      vorschlaege << angebot.vorschlag;
      ordner << angebot.ordner;
    });
  }
  void TearDown() override {
    Dateirechte::ohneVorrecht(false);
    Dialogtest::TearDown();
  }

  // The main window's table and its current line (-1: none), and a fresh dialog over them.
  void tabelle(const QStringList& z, int aktuell) {
    Listendruck::Unload();
    tabelle_ = z;
    aktuell_ = aktuell;
    if (!mitHauptfenster()) return;
    Main::get().Bestand->setItems(z);
    Main::get().Liste->setListIndex(aktuell);
  }
  Listendruck& d() {
    return geladen<Listendruck>(
        [this](Listendruck& l) { l.TabelleUebernehmen(tabelle_, aktuell_, standardBezeichnungen()); });
  }
  QString rahmen() { return d().RahmenListe->Caption(); }
  QString maske(const QString& name, const QByteArray& text = "x") {
    return dateiSchreiben(MaskenOrdner + u'/' + name, text);
  }
  QByteArray zeile(int i) const { return zeilen[i].toLatin1(); }
  QString auszug() const { return DatenOrdner + u"/Auszug.Dat"_s; }
  void waehlen(std::initializer_list<int> z) {
    d().Liste->alleWaehlen(false);
    for (int i : z) d().Liste->setSelected(i, true);
    d().AuswahlAnzeigen();
  }

  QStringList zeilen;
  QStringList tabelle_;
  int aktuell_ = -1;
  QString wahl;
  QStringList vorschlaege, ordner;
};

TEST_F(ListendruckTest, LoadsACopyOfTheTableWithOnlyTheCurrentLineSelected) {
  Listendruck& l = d();
  EXPECT_EQ(l.Caption(), u"Kartulonliste drucken"_s);
  EXPECT_EQ(l.Liste->items(), zeilen);
  EXPECT_EQ(l.Liste->ausgewaehlteZeilen(), QList<int>{2});
  EXPECT_EQ(l.Liste->ListIndex(), 2);
  EXPECT_EQ(rahmen(), u"1 von 5 Kartulon sind zum Drucken ausgewählt"_s);
  EXPECT_EQ(l.Liste->tabStops(), (QList<int>{80, 240, 340, 500, 600, 700, 800, 900, 1000, 1100}));
  EXPECT_EQ(l.SSTab1->Tab(), 0);
  EXPECT_EQ(l.SSTab1->TabCaption(0), u"Auswahl der Kartulon"_s);
  EXPECT_EQ(l.SSTab1->TabCaption(1), u"Druck-Optionen"_s);
  EXPECT_TRUE(l.Bef2Datei->isEnabled());
  EXPECT_TRUE(l.BefOk->isEnabled());
  EXPECT_EQ(l.BefOk->Caption(), u"&Drucken..."_s);
  EXPECT_TRUE(l.BefAuswahl(2).isDefault());
  EXPECT_TRUE(l.BefAbbruch->Cancel());
  EXPECT_EQ(l.TxtÜberschrift->Text(), u"Privat"_s);
  EXPECT_EQ(l.TxtÜberschrift->MaxLength(), 100);
  EXPECT_EQ(l.ODruckenSeiteProAdr->Value() + l.ODruckenWaitForPage->Value(), 0);
  EXPECT_FALSE(l.ZeitNeuauswahl->Enabled());
  EXPECT_EQ(l.ZeitNeuauswahl->Interval(), 333);
  EXPECT_FALSE(l.ZeitAutoPersBogen->Enabled());
  EXPECT_EQ(l.ZeitAutoPersBogen->Interval(), 33);
  EXPECT_FALSE(l.ProgressBar->isVisibleTo(&l));
  EXPECT_FALSE(l.TextPrnFont->isVisibleTo(&l));
  EXPECT_EQ(l.SeitenNummer, 0);
  EXPECT_EQ(l.DruckAbbrechen, 0);
  EXPECT_EQ(vb::Forms::helpContext(l.Liste), 260);
  EXPECT_EQ(vb::Forms::helpContext(l.KombiFilter), 260);
  EXPECT_EQ(vb::Forms::helpContext(l.ComboMasken), 265);
  EXPECT_EQ(l.mnuSetupSave->Caption(), u"Jetzt &sichern"_s);
  EXPECT_EQ(l.mnuSetupSave->Shortcut(), QKeySequence(u"Ctrl+S"_s));
}

TEST_F(ListendruckTest, EmptyTableNoCurrentLineAndReadOnly) {
  struct Fall {
    const char* name;
    int zeilen, aktuell, nurLesen;
    QList<int> gewaehlt;
    const char* zaehler;
    bool inDatei, cls;
  };
  const Fall faelle[] = {
      {"empty", 0, -1, 0, {}, "0 von 0", false, true},
      {"no current", 5, -1, 0, {}, "0 von 5", false, true},
      {"last line", 5, 4, 0, {4}, "1 von 5", true, true},
      {"read-only", 5, 1, -1, {1}, "1 von 5", false, false},
      {"read-only, empty", 0, -1, -1, {}, "0 von 0", false, false},
  };
  for (const Fall& f : faelle) {
    SCOPED_TRACE(f.name);
    NurLesen = f.nurLesen;
    tabelle(zeilen.mid(0, f.zeilen), f.aktuell);
    EXPECT_EQ(d().Liste->ListCount(), f.zeilen);
    EXPECT_EQ(d().Liste->ausgewaehlteZeilen(), f.gewaehlt);
    EXPECT_EQ(rahmen(), QString::fromLatin1(f.zaehler) + u" Kartulon sind zum Drucken ausgewählt"_s);
    EXPECT_EQ(d().Bef2Datei->isEnabled(), f.inDatei);
    // Read-only mode leaves "Drucken" on whatever is selected.
    EXPECT_EQ(d().BefOk->isEnabled(), f.inDatei || f.nurLesen == -1);
    EXPECT_EQ(d().BefLöscheNamen->isEnabled(), f.cls);
    EXPECT_EQ(d().BefLöscheFilter->isEnabled(), f.cls);
    // Read-only keeps "In Datei" off whatever is selected.
    d().BefAuswahl_Click(1);
    EXPECT_EQ(d().Bef2Datei->isEnabled(), f.zeilen > 0 && f.nurLesen == 0);
  }
}

TEST_F(ListendruckTest, MasksFromMskFilesInAnyCaseTheStoredOneOrTheFirst) {
  for (const char* n : {"Brief.MSK", "liste_standard.msk", "Adressen.Msk", "notiz.txt"}) maske(QString::fromLatin1(n));
  struct Fall {
    const char* gespeichert;  // nullptr: no "DruckMaske"
    const char* gewaehlt;
  };
  for (const Fall& f : {Fall{nullptr, "liste_standard"}, Fall{"BRIEF", "Brief"}, Fall{"weg", "Adressen"}}) {
    SCOPED_TRACE(f.gespeichert ? f.gespeichert : "none");
    if (f.gespeichert) IniSchreiben(QString(), QString(), u"DruckMaske"_s, QString::fromLatin1(f.gespeichert));
    tabelle(zeilen, 0);
    EXPECT_EQ(d().ComboMasken->ListCount(), 3);
    EXPECT_EQ(d().ComboMasken->List(0), u"Adressen"_s);
    EXPECT_EQ(d().ComboMasken->Text(), QString::fromLatin1(f.gewaehlt));
  }
  for (const QString& datei : QDir(MaskenOrdner).entryList(QDir::Files)) QFile::remove(MaskenOrdner + u'/' + datei);
  tabelle(zeilen, 0);
  EXPECT_EQ(d().ComboMasken->ListCount(), 0);
  EXPECT_EQ(d().ComboMasken->ListIndex(), -1);
}

TEST_F(ListendruckTest, HistoriesLoadWithoutEmptyPiecesAndEmptyEditTexts) {
  IniSchreiben(QString(), QString(), u"PrnFürWen"_s, u";;Müller;;Meier;"_s);
  IniSchreiben(QString(), QString(), u"PrnFilter"_s, u"hamburg"_s);
  tabelle(zeilen, 0);
  EXPECT_EQ(d().KombiName->ListCount(), 2);
  EXPECT_EQ(d().KombiName->List(0), u"Müller"_s);
  EXPECT_EQ(d().KombiName->List(1), u"Meier"_s);
  EXPECT_EQ(d().KombiName->Text(), QString());
  EXPECT_EQ(d().KombiFilter->ListCount(), 1);
  EXPECT_EQ(d().KombiFilter->Text(), QString());
  d().KombiName->setText(u"Meier"_s);
  d().BefLöscheNamen_Click();
  EXPECT_EQ(d().KombiName->ListCount(), 0);
  EXPECT_EQ(d().KombiName->Text(), QString());
  EXPECT_EQ(d().KombiFilter->ListCount(), 1);
  d().BefLöscheFilter_Click();
  EXPECT_EQ(d().KombiFilter->ListCount(), 0);
}

TEST_F(ListendruckTest, NeuwahlByNameAndFilterReplacesTheSelectionAndKeepsTheHistories) {
  struct Fall {
    QString name, filter;
    QList<int> gewaehlt;
  };
  const Fall faelle[] = {
      {u"Müller"_s, u""_s, {0, 2}},                                           // the name with its case, only in field 9
      {u" müller "_s, u""_s, {1}},      {u""_s, u"HAMBURG"_s, {0, 1, 3, 4}},  // the filter in any case and any field
      {u"Müller"_s, u"hamburg"_s, {0}},                                       // both rules
      {u"Meier"_s, u""_s, {}},          {u""_s, u""_s, {0, 1, 2, 3, 4}},
  };
  for (const Fall& f : faelle) {
    SCOPED_TRACE((f.name + u" / "_s + f.filter).toStdString());
    d().KombiName->setText(f.name);
    d().KombiFilter->setText(f.filter);
    d().BefAuswahl(2).click();
    EXPECT_EQ(d().Liste->ausgewaehlteZeilen(), f.gewaehlt);
    EXPECT_EQ(rahmen(), u"%1 von 5 Kartulon sind zum Drucken ausgewählt"_s.arg(f.gewaehlt.size()));
    EXPECT_EQ(d().Bef2Datei->isEnabled(), !f.gewaehlt.isEmpty());
    EXPECT_EQ(d().Liste->ListIndex(), f.gewaehlt.isEmpty() ? 0 : f.gewaehlt.first());
    EXPECT_FALSE(d().ProgressBar->isVisibleTo(&d()));
    EXPECT_EQ(d().KombiName->List(0), f.name);
    EXPECT_EQ(d().KombiFilter->List(0), f.filter);
  }
  // Entries equal but for case are one; the newest first; an empty text is an entry as well.
  QStringList namen, filter;
  for (int i = 0; i < d().KombiName->ListCount(); ++i) namen << d().KombiName->List(i);
  for (int i = 0; i < d().KombiFilter->ListCount(); ++i) filter << d().KombiFilter->List(i);
  EXPECT_EQ(namen, (QStringList{u""_s, u"Meier"_s, u"Müller"_s, u" müller "_s}));
  EXPECT_EQ(filter, (QStringList{u""_s, u"hamburg"_s}));
}

TEST_F(ListendruckTest, NoneAllAndTheDelayedNeuwahlAfterAListChoice) {
  d().BefAuswahl(1).click();
  EXPECT_EQ(d().Liste->SelCount(), 5);
  EXPECT_EQ(rahmen(), u"5 von 5 Kartulon sind zum Drucken ausgewählt"_s);
  EXPECT_EQ(d().Liste->ListIndex(), 0);
  d().BefAuswahl(0).click();
  EXPECT_EQ(d().Liste->SelCount(), 0);
  EXPECT_EQ(rahmen(), u"0 von 5 Kartulon sind zum Drucken ausgewählt"_s);
  EXPECT_FALSE(d().Bef2Datei->isEnabled());

  // A choice from the drop-down list waits for the timer; typing alone starts nothing.
  d().KombiName->setText(u"Schmidt"_s);
  EXPECT_FALSE(d().ZeitNeuauswahl->Enabled());
  d().KombiName->Click();
  EXPECT_TRUE(d().ZeitNeuauswahl->Enabled());
  EXPECT_EQ(d().Liste->SelCount(), 0);
  d().ZeitNeuauswahl->Tick();
  EXPECT_FALSE(d().ZeitNeuauswahl->Enabled());
  EXPECT_EQ(d().Liste->ausgewaehlteZeilen(), QList<int>{4});
  d().KombiFilter->setText(u"nirgends"_s);
  d().KombiFilter->Click();
  EXPECT_TRUE(d().ZeitNeuauswahl->Enabled());
  d().ZeitNeuauswahl->Tick();
  EXPECT_EQ(d().Liste->SelCount(), 0);
}

TEST_F(ListendruckTest, SavingWritesTheHistoriesAndTheMaskAndSounds) {
  maske(u"Brief.msk.Msk"_s);
  maske(u"Adressen.msk"_s);
  tabelle(zeilen, 0);
  for (const QString& name : {u"Meier"_s, u"Müller"_s}) {
    d().KombiName->setText(name);
    d().BefAuswahl_Click(2);
  }
  // A typed text that has not gone through Neuwahl is not saved.
  d().KombiFilter->setText(u"ungesucht"_s);
  QStringList masken;
  for (int i = 0; i < d().ComboMasken->ListCount(); ++i) masken << d().ComboMasken->List(i);
  ASSERT_EQ(masken, (QStringList{u"Adressen"_s, u"Brief.msk"_s}));
  d().ComboMasken->setListIndex(1);
  ASSERT_EQ(d().ComboMasken->Text(), u"Brief.msk"_s);
  d().mnuSetupSave_Click();
  const QByteArray ini = dateiLesen(windowsOrdner() + u"/Zedured.ini"_s);
  EXPECT_TRUE(ini.contains("\r\nPrnF\xfcrWen=M\xfcller;Meier;\r\n")) << ini.toStdString();
  EXPECT_TRUE(ini.contains("\r\nPrnFilter=;\r\n")) << ini.toStdString();
  EXPECT_TRUE(ini.contains("\r\nDruckMaske=Brief\r\n")) << ini.toStdString();
  const auto gespielt = toene().aufrufe();
  toene().clear();
  TonAusgeben(u"#SystemExclamation");
  EXPECT_EQ(gespielt, toene().aufrufe());
  EXPECT_FALSE(gespielt.isEmpty());

  // Read back by the next opening.
  tabelle(zeilen, 0);
  EXPECT_EQ(d().KombiName->ListCount(), 2);
  EXPECT_EQ(d().KombiFilter->ListCount(), 0);
  // "Brief" names no mask here: the first one is chosen.
  EXPECT_EQ(d().ComboMasken->Text(), u"Adressen"_s);
}

TEST_F(ListendruckTest, OneAddressPerPageDisablesTheTitle) {
  d().ODruckenSeiteProAdr->setValue(1);
  EXPECT_FALSE(d().TxtÜberschrift->isEnabled());
  d().ODruckenSeiteProAdr->setValue(0);
  EXPECT_TRUE(d().TxtÜberschrift->isEnabled());
}

TEST_F(ListendruckTest, ExtractsInTableOrderWithAHeaderOnlyWhenNewAndThenCloses) {
  d().show();
  waehlen({4, 0, 2});
  wahl = u"Auszug"_s;
  d().Bef2Datei->click();
  EXPECT_EQ(vorschlaege.last(), u"Auszug"_s);  // the dialog shows the name without its extension
  EXPECT_EQ(ordner.last(), DatenOrdner);
  const QByteArray erst = "..Auszug aus Privat\r\n" + zeile(0) + "\r\n" + zeile(2) + "\r\n" + zeile(4) + "\r\n";
  EXPECT_EQ(dateiLesen(auszug()), erst);
  EXPECT_FALSE(d().isVisible());

  // A second extract into the same file, after the overwrite question, appends without a header.
  tabelle(zeilen, 3);
  d().show();
  dialoge().answer(vb::vbYes);
  d().Bef2Datei_Click();
  EXPECT_EQ(dateiLesen(auszug()), erst + zeile(3) + "\r\n");
  EXPECT_FALSE(d().isVisible());
}

TEST_F(ListendruckTest, AnExtractNeverJoinsTheLastLineOfAFileWithoutItsLineEnd) {
  dateiSchreiben(auszug(), "..Alt\r\nalt\t");
  d().show();
  wahl = u"Auszug"_s;
  dialoge().answer(vb::vbYes);
  d().Bef2Datei_Click();
  EXPECT_EQ(dateiLesen(auszug()), "..Alt\r\nalt\t\r\n" + zeile(2) + "\r\n");
}

TEST_F(ListendruckTest, CancelWritesNothingAndAFailureIsReportedOnceWithTheDialogOpen) {
  d().show();
  waehlen({1, 3});
  wahl.clear();
  d().Bef2Datei_Click();
  EXPECT_TRUE(QDir(DatenOrdner).entryList(QDir::Files).isEmpty());
  EXPECT_TRUE(d().isVisible());
  EXPECT_EQ(d().Liste->ausgewaehlteZeilen(), (QList<int>{1, 3}));

  // A folder that refuses the file: the old file stays, one message, the dialog keeps its selection.
  const QByteArray alt = "..Alt\r\n";
  dateiSchreiben(auszug(), alt);
  Dateirechte::ohneVorrecht(true);
  QFile::setPermissions(DatenOrdner, QFile::ReadOwner | QFile::ExeOwner);
  wahl = u"Auszug"_s;
  dialoge().clear();
  dialoge().answer(vb::vbYes);  // the overwrite question
  dialoge().answer(vb::vbNo);   // the error: go on
  d().Bef2Datei_Click();
  QFile::setPermissions(DatenOrdner, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
  EXPECT_EQ(dateiLesen(auszug()), alt);
  int meldungen = 0;
  for (const auto& r : dialoge().requests())
    if (r.text.contains(u"Es ist ein Fehler beim Speichern der Adressliste aufgetreten."_s)) ++meldungen;
  EXPECT_EQ(meldungen, 1);
  EXPECT_TRUE(d().isVisible());
  EXPECT_EQ(d().Liste->ausgewaehlteZeilen(), (QList<int>{1, 3}));
}

TEST_F(ListendruckTest, ADoubleClickPreviewsTheLineThroughTheChosenMask) {
  maske(u"Liste_Standard.msk"_s, "{Nachname}, {Ort}{~Vorname}{~Straße}\r\nEnde");
  tabelle(zeilen, 0);
  d().Liste->setListIndex(3);
  d().Liste_DblClick();
  ASSERT_EQ(dialoge().requests().size(), 1);
  const auto& r = dialoge().requests().last();
  EXPECT_EQ(r.kind, u"msgbox"_s);
  EXPECT_EQ(r.text, u"Dorn, Hamburg\r\nEnde"_s);
  EXPECT_EQ(r.style, 64);
  EXPECT_EQ(r.title, u"Kartulon-Vorschau"_s);
  EXPECT_TRUE(d().Liste->Selected(0));
  EXPECT_EQ(d().Liste->SelCount(), 1);

  // Without any mask the preview is empty.
  QFile::remove(MaskenOrdner + u"/Liste_Standard.msk"_s);
  tabelle(zeilen, 0);
  d().Liste->setListIndex(1);
  d().Liste_DblClick();
  EXPECT_EQ(dialoge().requests().last().text, QString());
}

// The main window's commands, which hand the dialog a copy of the window's table.
class ListendruckBefehlTest : public ListendruckTest {
 protected:
  bool mitHauptfenster() const override { return true; }
};

TEST_F(ListendruckBefehlTest, TheMenuItemAndTheToolbarKeyShowTheDialogModallyAndUnloadIt) {
  Listendruck::Unload();
  int gezeigt = 0;
  vb::Forms::setModalInterceptor([&](vb::FormBase& form) {
    auto* l = dynamic_cast<Listendruck*>(&form);
    ASSERT_NE(l, nullptr);
    EXPECT_EQ(l->Liste->ListCount(), 5);
    EXPECT_EQ(l->Liste->ausgewaehlteZeilen(), QList<int>{2});
    ++gezeigt;
    // Choosing here leaves the main window's selection alone.
    l->BefAuswahl_Click(1);
    l->BefAbbruch->click();
  });
  Main& m = Main::get();
  vb::MenuItem* liste = m.Menue->item(u"PulListe"_s);
  ASSERT_TRUE(liste->Bereit());
  liste->action()->trigger();
  EXPECT_EQ(gezeigt, 1);
  EXPECT_FALSE(Listendruck::IsLoaded());
  EXPECT_EQ(m.Liste->ListIndex(), 2);
  EXPECT_EQ(m.Liste->SelCount(), 1);
  ASSERT_TRUE(m.Toolbar->Button(u"Drucken"_s)->isEnabled());
  m.Toolbar_ButtonClick(u"Drucken"_s);
  EXPECT_EQ(gezeigt, 2);
  EXPECT_FALSE(Listendruck::IsLoaded());
  vb::Forms::setModalInterceptor({});
}

}  // namespace
