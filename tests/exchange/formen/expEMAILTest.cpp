// The serial e-mail dialog on a fixture table: the list and its marks, the preview, the placeholders,
// sending (the hand-over files and the stored templates byte for byte, the hand-over a double) and the
// layout at the design size and enlarged.
#include "common/Global.h"
#include "common/Ini.h"
#include "exchange/ExterneProgramme.h"
#include "exchange/formen/expEMAIL.h"
#include "mainwindow/Main.h"
#include "platform/kit/Form.h"
#include "platform/kit/Twips.h"
#include "platform/vb/Clock.h"
#include "support/Dialogtest.h"

#include <QApplication>
#include <QDir>
#include <QTest>

using namespace Qt::Literals::StringLiterals;

class ExpEMAILTest : public Dialogtest {
 protected:
  void SetUp() override {
    Dialogtest::SetUp();
    pausen_ = ExterneProgramme::pausen();
    ExterneProgramme::pausen().vorFrage = 0;
    uebergabe_ = expEMAIL::Uebergabe;
    expEMAIL::Uebergabe = [this](const QString& ordner, const QString& muster) {
      expEMAIL& d = expEMAIL::get();
      int cancel = 0;
      d.Form_QueryUnload(cancel, 0);
      uebergaben << ordner + u'|' + muster;
      waehrend << (d.Liste->isEnabled() || d.mnueMailSend->Enabled() || cancel != 1 || !d.isVisible());
      dateienBeiUebergabe = QDir(ordner).entryList({u"X-eMail-*"_s}, QDir::Files, QDir::Name);
    };
    QStringList& zeilen = tabelle;
    for (int i = 0; i < 20; ++i)
      zeilen << zeileAus(
          {{0, u"Privat"_s}, {1, u"Name%1"_s.arg(i)}, {2, u"Vor%1"_s.arg(i)}, {14, u"p%1@x.de"_s.arg(i)}});
    zeilen[2] = zeileAus({{0, u" "_s},
                          {1, u"Müller"_s},
                          {2, u"Hans"_s},
                          {3, u"Weg 1"_s},
                          {4, u"50667"_s},
                          {5, u"Köln"_s},
                          {11, u"meier°°Freund"_s},
                          {14, u"h.mueller@x.de"_s}});
    zeilen[3] = zeileAus({{1, u"Meier"_s}, {2, u"Eva"_s}, {14, u"eva@meier.de"_s}, {22, u"[a]"_s}});
    zeilen << zeileAus({{1, u"Bruch"_s}, {14, u"b@x.de°°Hauptstr. 1"_s}})  // 20: a line break in the address
           << zeileAus({{1, u"Ohne"_s}, {14, u"keine Adresse"_s}});        // 21
    AktuelleDatei = tempPfad(u"daten/kartulon.dat"_s);
    Clock::setFixed(QDateTime(QDate(2026, 12, 10), QTime(9, 5, 7)));
  }
  void TearDown() override {
    expEMAIL::Uebergabe = uebergabe_;
    ExterneProgramme::pausen() = pausen_;
    Dialogtest::TearDown();
  }
  // The dialog handed the table and the captions, as the menu command hands them.
  expEMAIL& d() {
    return geladen<expEMAIL>([this](expEMAIL& e) { e.DatenUebernehmen(tabelle, bezeichnungen); });
  }
  QStringList tabelle;
  Bezeichnungen bezeichnungen = standardBezeichnungen();
  QList<int> markiert() {
    QList<int> l;
    for (int i = 0; i < d().Liste->ListCount(); ++i)
      if (d().Liste->Selected(i)) l << i;
    return l;
  }
  // The user's click on an item's check box.
  void klicken(int i, bool an) {
    d().Liste->model()->setData(d().Liste->model()->index(i, 0), an ? Qt::Checked : Qt::Unchecked, Qt::CheckStateRole);
  }
  void zeigen() {
    d().show();
    QApplication::setActiveWindow(&d());
    EXPECT_TRUE(QTest::qWaitForWindowActive(&d()));
  }
  void neuwahl(const QString& m0, const QString& m1) {
    d().txtSuch(0).setText(m0);
    d().txtSuch(1).setText(m1);
    d().befGetEmailList->click();
  }
  QStringList uebergaben;
  QList<bool> waehrend;  // true when the dialog could be touched during a hand-over
  QStringList dateienBeiUebergabe;

 private:
  ExterneProgramme::Pausen pausen_;
  std::function<void(const QString&, const QString&)> uebergabe_;
};

TEST_F(ExpEMAILTest, TheDialogAsItOpens) {
  EXPECT_EQ(d().Caption(), u"eMails versenden"_s);
  EXPECT_EQ(vb::Forms::helpContext(d().Liste), 253);
  EXPECT_EQ(d().Rahmen1->Caption(), u"Liste verfügbarer eMail-Kartulon"_s);
  EXPECT_EQ(d().ListeFelder->ListCount(), 24);
  EXPECT_EQ(d().ListeFelder->List(0), u"Adresse für welchen User"_s);  // sorted
  EXPECT_EQ(d().Text1(0).Text(), u"{Vorname} {Nachname}\r\n{Straße} \r\n{PLZ} {Ort}"_s);
  EXPECT_EQ(d().Text1(1).Text(), u"Betrifft"_s);
  EXPECT_EQ(d().Text1(0).SelStart(), d().Text1(0).Text().size());
  EXPECT_EQ(d().Text1(1).MaxLength(), 75);
  EXPECT_EQ(d().Text1(0).MaxLength(), 999);
  EXPECT_EQ(d().txtSuch(0).MaxLength(), 8);
  EXPECT_TRUE(d().Text2(0).Locked());
  // The previews show record 0 before any list exists.
  EXPECT_EQ(d().Text2(0).Text(), u"Vor0 Name0\r\n \r\n "_s);
  EXPECT_EQ(d().Liste->ListCount(), 0);
  EXPECT_TRUE(d().ZeitInit->Enabled());
  EXPECT_EQ(d().ZeitInit->Interval(), 333);
  EXPECT_FALSE(d().mnueMailSend->Enabled());
  EXPECT_EQ(d().mnueMailSend->Caption(), u"An »&Outlook Express 4« übergeben"_s);
  EXPECT_EQ(d().befFeldEinfg(1).toolTip(), u"Feld ins Subjekt / Betreff kopieren"_s);
  EXPECT_EQ(d().befFeldEinfg(0).toolTip(), u"Feld ins in den Text kopieren"_s);
}

TEST_F(ExpEMAILTest, TheListAndItsMarks) {
  d().ZeitInit_Timer();
  EXPECT_FALSE(d().ZeitInit->Enabled());
  ASSERT_EQ(d().Liste->ListCount(), 20);
  EXPECT_TRUE(d().Liste->List(2).startsWith(u"Müller · Hans"_s));  // an empty first field
  EXPECT_TRUE(d().Liste->List(19).endsWith(u" · 000019"_s));
  EXPECT_EQ(d().Liste->ListIndex(), 0);
  struct Fall {
    const char* m0;
    const char* m1;
    QList<int> markiert;
  };
  QList<int> alle;
  for (int i = 0; i < 20; ++i) alle << i;
  const Fall faelle[] = {
      {"", "", alle},
      {"meier", "", {2, 3}},
      {"MEIER", "eva", {3}},
      {"[a", "", {3}},
      {"name1", "", {1, 10, 11, 12, 13, 14, 15, 16, 17, 18, 19}},
      {"nix", "", {}},
  };
  for (const Fall& f : faelle) {
    SCOPED_TRACE(f.m0);
    d().Liste->setSelected(5, true);  // a mark by hand is lost
    neuwahl(QString::fromUtf8(f.m0), QString::fromUtf8(f.m1));
    EXPECT_EQ(markiert(), f.markiert);
    EXPECT_EQ(d().Rahmen1->Caption(), u"%1 von 20 eMail-Kartulon ausgewählt"_s.arg(f.markiert.size()));
    EXPECT_EQ(d().mnueMailSend->Enabled(), !f.markiert.isEmpty());
    EXPECT_EQ(d().Liste->ListIndex(), 0);
  }
}

TEST_F(ExpEMAILTest, AMarkTheUserChangesCountsAtOnce) {
  neuwahl(u"meier"_s, QString());
  EXPECT_EQ(d().Rahmen1->Caption(), u"2 von 20 eMail-Kartulon ausgewählt"_s);
  klicken(7, true);
  EXPECT_EQ(d().Rahmen1->Caption(), u"3 von 20 eMail-Kartulon ausgewählt"_s);
  zeigen();
  d().Liste->setFocus();
  d().Liste->setListIndex(2);
  QTest::keyClick(d().Liste, Qt::Key_Space);
  EXPECT_EQ(markiert(), (QList<int>{3, 7}));
  EXPECT_EQ(d().Rahmen1->Caption(), u"2 von 20 eMail-Kartulon ausgewählt"_s);
  for (int i : {3, 7}) klicken(i, false);
  EXPECT_EQ(d().Rahmen1->Caption(), u"0 von 20 eMail-Kartulon ausgewählt"_s);
  EXPECT_FALSE(d().mnueMailSend->Enabled());
  QTest::keyClick(&d(), Qt::Key_F5);  // nothing to send
  EXPECT_TRUE(uebergaben.isEmpty());
}

TEST_F(ExpEMAILTest, ThePreviewFollowsTheHighlightedRecord) {
  bezeichnungen[5] = u"Wohnort"_s;
  neuwahl(QString(), QString());
  struct Fall {
    int eintrag;
    QString text, betreff;
    QString vorschau, vorschauBetreff;
  };
  const Fall faelle[] = {
      {2, u"{vorname} {NACHNAME}, {Straße}\t{Ort} {Wohnort}\r\n\r\n"_s, u"Für {Zusatzbemerkung}"_s,
       u"Hans Mueller, Weg 1 {Ort} Koeln"_s, u"Fuer meier Freund"_s},
      {3, u"[{Vorname}] (+) ^ 100% ~"_s, u"{WWW}"_s, u"[Eva] (+) ^ 100% ~"_s, u"[a]"_s},
      {2, u"{Zusatzbemerkung}"_s, QString(), u"meier\r\nFreund"_s, QString()},
  };
  for (const Fall& f : faelle) {
    d().Liste->setListIndex(f.eintrag);
    d().Text1(0).setText(f.text);
    d().Text1(1).setText(f.betreff);
    EXPECT_EQ(d().Text2(0).Text(), f.vorschau);
    EXPECT_EQ(d().Text2(1).Text(), f.vorschauBetreff);
  }
  // An empty table: the templates with every placeholder empty.
  tabelle.clear();
  d().DatenUebernehmen(tabelle, bezeichnungen);
  neuwahl(QString(), QString());
  EXPECT_EQ(d().Rahmen1->Caption(), u"0 von 0 eMail-Kartulon ausgewählt"_s);
  d().Text1(0).setText(u"Hallo {Vorname}!"_s);
  EXPECT_EQ(d().Text2(0).Text(), u"Hallo !"_s);
}

TEST_F(ExpEMAILTest, PlaceholdersGoInAtTheCaret) {
  d().Text1(0).setText(u"Hallo !"_s);
  d().Text1(0).setSelStart(6);
  d().befFeldEinfg_Click(0);  // nothing chosen: nothing happens
  EXPECT_EQ(d().Text1(0).Text(), u"Hallo !"_s);
  d().ListeFelder->setListIndex(d().ListeFelder->items().indexOf(u"Vorname"_s));
  d().befFeldEinfg_Click(0);
  EXPECT_EQ(d().Text1(0).Text(), u"Hallo {Vorname} !"_s);
  EXPECT_EQ(d().ListeFelder->ListIndex(), -1);
  d().Text1(1).setText(u"Betrifft X"_s);
  d().Text1(1).setSelStart(8);
  d().Text1(1).setSelLength(2);
  d().ListeFelder->setListIndex(d().ListeFelder->items().indexOf(u"Ort"_s));
  d().befFeldEinfg(1).click();
  EXPECT_EQ(d().Text1(1).Text(), u"Betrifft{Ort} "_s);
  d().ListeFelder->setListIndex(d().ListeFelder->items().indexOf(u"PLZ"_s));
  d().ListeFelder_DblClick();
  EXPECT_TRUE(d().Text1(0).Text().contains(u"{PLZ} "_s));
}

TEST_F(ExpEMAILTest, SendingWritesOneFilePerMarkedItemAndStoresTheTemplates) {
  neuwahl(u"meier"_s, QString());
  EXPECT_EQ(markiert(), (QList<int>{2, 3}));
  klicken(3, false);
  klicken(17, true);
  d().Text1(0).setText(u"Hallo {Vorname},\r\nviele Grüße\r\n\r\n"_s);
  d().Text1(1).setText(u"Für {Nachname}  "_s);
  IniSichern();
  const QByteArray iniVorher = dateiLesen(windowsOrdner() + u"/Zedured.ini"_s);
  for (const int antwort : {vb::vbYes, vb::vbNo}) {
    SCOPED_TRACE(antwort);
    dialoge().clear();
    toene().clear();
    uebergaben.clear();
    dialoge().answer(antwort);
    zeigen();
    QTest::keyClick(&d(), Qt::Key_F5);
    EXPECT_EQ(d().isVisible(), antwort == vb::vbYes);

    EXPECT_EQ(uebergaben, QStringList{programmOrdner() + u"|X-eMail-*.txt"_s});
    EXPECT_EQ(waehrend, QList<bool>{false});
    waehrend.clear();
    EXPECT_EQ(dateienBeiUebergabe,
              (QStringList{u"X-eMail-20261210090507-00002.txt"_s, u"X-eMail-20261210090507-00017.txt"_s}));
    EXPECT_EQ(dateiLesen(programmOrdner() + u"/X-eMail-20261210090507-00002.txt"_s),
              "h.mueller@x.de\r\nFuer Mueller  \r\nHallo Hans,\r\nviele Gruesse\r\n");
    EXPECT_EQ(dateiLesen(programmOrdner() + u"/X-eMail-20261210090507-00017.txt"_s),
              "p17@x.de\r\nFuer Name17  \r\nHallo Vor17,\r\nviele Gruesse\r\n");
    ASSERT_EQ(dialoge().requests().size(), 1);
    EXPECT_EQ(dialoge().requests()[0].text, u"Möchten Sie weitere eMails schreiben?"_s);
    EXPECT_EQ(dialoge().requests()[0].title, u"Weitere eMails?"_s);
    EXPECT_EQ(dialoge().requests()[0].style, vb::vbYesNo + vb::vbQuestion + vb::vbDefaultButton2);
    ASSERT_FALSE(toene().aufrufe().isEmpty());
    EXPECT_EQ(toene().aufrufe().front().typ, vb::vbExclamation);
    // The list, its marks and the templates stay; the list is usable again.
    EXPECT_EQ(markiert(), (QList<int>{2, 17}));
    EXPECT_TRUE(d().Liste->isEnabled());
    EXPECT_TRUE(d().mnueMailSend->Enabled());
  }
  IniSichern();
  const QByteArray zeilen =
      "kartulon_eMail0=Hallo {Vorname},\xb0\xb0viele Gr\xfc\xdf"
      "e\xb0\xb0\xb0\xb0\r\n"
      "kartulon_eMail1=F\xfcr {Nachname}\r\n";
  const QByteArray ini = dateiLesen(windowsOrdner() + u"/Zedured.ini"_s);
  EXPECT_TRUE(ini.contains(zeilen)) << ini.toStdString();
  EXPECT_FALSE(iniVorher.contains("kartulon_eMail"));
}

// The main window's command, which hands the dialog the window's table and captions.
class ExpEMAILBefehlTest : public ExpEMAILTest {
 protected:
  bool mitHauptfenster() const override { return true; }
};

TEST_F(ExpEMAILBefehlTest, TheMenuCommandShowsTheDialogAndUnloadsIt) {
  Main::get().Liste->setItems(tabelle);
  Main::get().Bezeichnung1(5).setCaption(u"Wohnort"_s);
  int gezeigt = 0;
  vb::Forms::setModalInterceptor([&](vb::FormBase& form) {
    if (auto* e = dynamic_cast<expEMAIL*>(&form)) {
      ++gezeigt;
      EXPECT_EQ(e->ListeFelder->ListCount(), 24);
      EXPECT_TRUE(e->ListeFelder->items().contains(u"Wohnort"_s));
      e->befGetEmailList_Click();
      EXPECT_EQ(e->Liste->ListCount(), 20);
    }
  });
  Main::get().Menue->item(u"mnuEmailSend"_s)->Click();
  vb::Forms::setModalInterceptor({});
  EXPECT_EQ(gezeigt, 1);
  EXPECT_FALSE(expEMAIL::IsLoaded());
}

TEST_F(ExpEMAILTest, TheLayoutAtTheDesignSizeAndEnlarged) {
  d().show();
  struct Fall {
    int breite, hoehe;  // the inner size in twips
  };
  for (const Fall f : {Fall{9000, 7200}, Fall{13500, 10800}, Fall{3000, 3000}}) {
    SCOPED_TRACE(f.breite);
    QWidget* flaeche = d().findChild<QWidget*>(u"Flaeche"_s);
    d().resize(Twips::zuPixel(f.breite), Twips::zuPixel(f.hoehe) + d().Menue->height());
    QApplication::processEvents();
    const int b = Twips::ausPixel(flaeche->width());
    const int h = Twips::ausPixel(flaeche->height());
    auto r = [](QWidget* w) { return Twips::rechteck(w); };
    auto nah = [](int a, int e) { return std::abs(a - e) <= 30; };  // a pixel's rounding
    if (b > 4000) {
      EXPECT_TRUE(nah(r(d().Rahmen1).width(), b - 240));
      EXPECT_TRUE(nah(r(d().Liste).width(), b - 240 - 240));
      const int w = (b - 240 - 2400 - 240) / 2;
      EXPECT_TRUE(nah(r(&d().Text1(0)).width(), w));
      EXPECT_TRUE(nah(r(&d().Text2(1)).left(), 2400 + w + 120));
      EXPECT_TRUE(nah(r(d().Bezeichnung3).left(), 2400 + w + 120));
    }
    if (h > 4000) {
      const int h1 = static_cast<int>(h / 2.5);
      EXPECT_TRUE(nah(r(d().Rahmen1).height(), h1));
      EXPECT_TRUE(nah(r(d().Liste).height(), h1 - 720 - 120));
      EXPECT_TRUE(nah(r(d().Rahmen2).top(), 120 + h1));
      const int h2 = h - (120 + h1) - 240;
      EXPECT_TRUE(nah(r(d().Rahmen2).height(), h2));
      EXPECT_TRUE(nah(r(&d().Text1(0)).height(), h2 - 960 - 120));
      EXPECT_TRUE(nah(r(d().ListeFelder).height(), h2 - 540 - 120));
      EXPECT_TRUE(nah(r(&d().Text1(1)).height(), 315));
    } else {
      // Too small: everything stays where the last layout put it.
      EXPECT_TRUE(nah(r(d().Rahmen1).height(), static_cast<int>(10800 / 2.5)));
    }
  }
}
