// The pick lists of the field boxes on the real main window: a double-click (or Alt+Enter) on a box, the
// pick list answered as a user would (clicks into the list, then a button), and the box and the stored
// record line afterwards.
#include "common/Global.h"
#include "common/formen/Auswahl.h"
#include "mainwindow/Main.h"
#include "platform/vb/Keys.h"
#include "platform/vb/ListModel.h"
#include "store/Datensatz.h"
#include "support/kern/TestUmgebung.h"

#include <QApplication>
#include <QDir>
#include <QSet>
#include <QTest>

namespace {

const QString kAlt = QStringLiteral("01.01.2020");
const QString kHeute = QStringLiteral("10.12.2026");

// What the pick list showed when it opened.
struct Gezeigt {
  QStringList eintraege;
  QString titel;
  bool mehrfach = false;
  QStringList ausgewaehlt;  // the entries selected as it opened
};

enum class Weg { Ok, Abbruch, Schliessen, RechtsklickOk };

class FeldAuswahlTest : public KartulonTest {
 protected:
  void SetUp() override {
    KartulonTest::SetUp();
    const QString ordner = programmOrdner();
    dateiSchreiben(ordner + QStringLiteral("/Liste04.txt"), "99999\r\n12346\r\n");
    dateiSchreiben(ordner + QStringLiteral("/liste06.TXT"), "Schweiz\r\nDeutschland\r\n\xd6sterreich\r\n");
    dateiSchreiben(ordner + QStringLiteral("/Liste11.txt"), "cd\r\nab\r\n");
    dateiSchreiben(ordner + QStringLiteral("/Liste14.txt"), "@example.de\r\n@example.org\r\n");
    dateiSchreiben(ordner + QStringLiteral("/Liste22.txt"), "https://www.\r\nhttp://www.\r\n");
    dateiSchreiben(ordner + QStringLiteral("/Kataloge/D-PLZ_Ort_1.txt"), "[PLZ]\r\n12346=Oberdorf,Aachen\r\n");
    dateiSchreiben(ordner + QStringLiteral("/Kataloge/D-PLZ_Vorwahl_1.txt"), "[PLZ]\r\n12346=0302,0303\r\n");
    dateiSchreiben(ordner + QStringLiteral("/Kataloge/D-BLZ_1.Txt"), "[BLZ]\r\n12345679=Zweite Bank,Erste Bank\r\n");
    Main& w = m();
    w.show();
    QApplication::setActiveWindow(&w);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&w));
    OrtAusPlz = 1;
    KatalogStdLand = QStringLiteral("D-");
  }

  Main& m() { return Main::get(); }

  // The record being edited first, then two others that lend their field values.
  static QString ersteZeile() {
    return zeileAus({{0, "Kunde"},
                     {1, "Weiß"},
                     {2, "Bärbel"},
                     {4, "12346"},
                     {5, "Altort"},
                     {6, "deutschland"},
                     {7, "040 / 12-34"},
                     {11, " Notiz"},
                     {12, "0171"},
                     {15, kAlt},
                     {16, kAlt},
                     {18, "12345679"},
                     {21, "Frau"}});
  }
  void tabelle(QStringList zeilen = {}) {
    if (zeilen.isEmpty())
      zeilen = {ersteZeile(), zeileAus({{0, "Lieferant"}, {9, "Maier"}, {10, "z.Hd."}, {21, "Herr"}}),
                zeileAus({{0, " "}, {21, "Frau"}})};
    m().Liste->setItems(zeilen);
    m().Liste->setListIndex(0);
    Geaendert = 0;
  }
  QString gespeichert(int feld) { return FelderAusZeile(m().Liste->List(0))[feld]; }

  // Answers the next pick lists: clicks the entries, then leaves the dialog the given way.
  void antworten(const QStringList& klicks, Weg weg = Weg::Ok) {
    vb::Forms::setModalInterceptor([this, klicks, weg](vb::FormBase& form) {
      auto& a = dynamic_cast<Auswahl&>(form);
      a.show();
      QApplication::processEvents();
      Gezeigt g;
      g.eintraege = a.Liste->items();
      g.titel = a.Caption();
      g.mehrfach = a.CheckSingle->Value() == 0;
      for (int i = 0; i < a.Liste->ListCount(); ++i)
        if (a.Liste->Selected(i)) g.ausgewaehlt << a.Liste->List(i);
      gezeigt << g;
      for (const QString& k : klicks) {
        const int zeile = static_cast<int>(a.Liste->items().indexOf(k));
        ASSERT_GE(zeile, 0) << k.toStdString();
        klick(a, zeile);
      }
      switch (weg) {
        case Weg::Ok:
          a.befOk->click();
          break;
        case Weg::Abbruch:
          a.befAbbruch->click();
          break;
        case Weg::Schliessen:
          a.close();
          break;
        case Weg::RechtsklickOk:
          klick(a, 0, Qt::RightButton);
          a.befOk->click();
          break;
      }
      QApplication::processEvents();
    });
  }
  static void klick(Auswahl& a, int zeile, Qt::MouseButton taste = Qt::LeftButton) {
    const QRect r = a.Liste->visualRect(a.Liste->model()->index(zeile, 0));
    QTest::mouseClick(a.Liste->viewport(), taste, {}, r.center());
  }
  // The entries in the order of the pick list.
  static QStringList sortiert(QStringList eintraege) {
    vb::ListModel::sortieren(eintraege);
    return eintraege;
  }
  static QString titel(int feld) { return QString::fromUtf16(kFeldBezeichnung[feld]) + QStringLiteral("-Auswahl"); }

  QList<Gezeigt> gezeigt;
};

TEST_F(FeldAuswahlTest, EachFieldOffersWritesAndStoresItsOwnWay) {
  struct Fall {
    int feld;
    QStringList klicks;     // the entries clicked before "Über&nehmen"
    QStringList angeboten;  // in list order; empty with kein Dialog
    bool dialog;
    const char* titel;  // nullptr: not checked (the catalogue's choice)
    bool mehrfach;
    QStringList vorbelegt;
    const char* text;  // the box afterwards
    bool gespeichert;  // the record line was stored (and stamped)
  };
  const QStringList telefone = sortiert({"", "040 / 12-34", "0171", "0302", "0302 - ", "0303", "0303 - "});
  const QStringList email =
      sortiert({"@example.de", "@example.org", "Weiss", "WeissBaerbel", "Weiss_Baerbel", "Weiss.Baerbel", "Baerbel",
                "BaerbelWeiss", "Baerbel.Weiss", "Baerbel_Weiss", "BWeiss", "B.Weiss", "0401234", "0401234001"});
  const Fall faelle[] = {
      {0,
       {"Lieferant"},
       {"", "Kunde", "Lieferant"},
       true,
       "Rubrik zum Einsortieren-Auswahl",
       false,
       {"Kunde"},
       "Lieferant",
       true},
      {4, {"99999"}, {"12346", "99999"}, true, "PLZ-Auswahl", false, {"12346"}, "99999", true},
      {5, {"Aachen"}, {"Aachen", "Oberdorf"}, true, nullptr, false, {}, "Aachen", true},
      // Über&nehmen without a touch takes the entry equal to the box, in the list's spelling.
      {6,
       {},
       {"Deutschland", "Österreich", "Schweiz"},
       true,
       "Land-Auswahl",
       false,
       {"Deutschland"},
       "Deutschland",
       true},
      {7, {"0303 - "}, telefone, true, "Telefon-Auswahl", false, {}, "0303 - ", true},
      // The first entry is empty and preselected: taken, it writes nothing.
      {9, {}, {"", "Maier"}, true, "Adresse für welchen User-Auswahl", false, {""}, "", false},
      {10, {"z.Hd."}, {"", "z.Hd."}, true, "Zusatz-Auswahl", false, {""}, "z.Hd.", true},
      {11, {"ab", "cd"}, {"ab", "cd"}, true, "Zusatzbemerkung-Auswahl", true, {}, "Notizabcd", true},
      {12, {"0302"}, telefone, true, "Mobiltelefon-Auswahl", false, {}, "0302", true},
      {13, {"040 / 12-34"}, telefone, true, "Datentelefon-Auswahl", false, {}, "040 / 12-34", true},
      {14, {"BWeiss"}, email, true, nullptr, false, {}, "BWeiss", true},
      {19, {"Erste Bank"}, {"Erste Bank", "Zweite Bank"}, true, nullptr, false, {}, "Erste Bank", true},
      {21, {"Herr"}, {"Frau", "Herr"}, true, "Anrede-Auswahl", false, {"Frau"}, "Herr", true},
      {22, {}, {"http://www.", "https://www."}, true, "WWW-Auswahl", false, {"http://www."}, "http://www.", true},
      {18, {}, {}, false, nullptr, false, {}, "12345679", false},
      {2, {}, {}, false, nullptr, false, {}, "Bärbel", false},
  };
  for (const Fall& f : faelle) {
    SCOPED_TRACE(f.feld);
    tabelle();
    gezeigt.clear();
    antworten(f.klicks);
    const QString vorher = m().Liste->List(0);
    m().Feld_DblClick(static_cast<short>(f.feld));

    ASSERT_EQ(gezeigt.size(), f.dialog ? 1 : 0);
    if (f.dialog) {
      const Gezeigt& g = gezeigt.front();
      EXPECT_EQ(g.eintraege, f.angeboten);
      if (f.titel) {
        EXPECT_EQ(g.titel, QString::fromUtf8(f.titel));
      }
      EXPECT_EQ(g.mehrfach, f.mehrfach);
      EXPECT_EQ(g.ausgewaehlt, f.vorbelegt);
    }
    EXPECT_EQ(m().Feld(f.feld).Text(), QString::fromUtf8(f.text));
    if (f.gespeichert) {
      EXPECT_EQ(gespeichert(f.feld), QString::fromUtf8(f.text));
      EXPECT_EQ(gespeichert(16), kHeute);
      EXPECT_EQ(Geaendert, 1);
      // The caret stands at the end of a text taken from a list.
      if (f.feld != 5 && f.feld != 19 && f.feld != 7 && f.feld != 12 && f.feld != 13) {
        EXPECT_EQ(m().Feld(f.feld).SelStart(), m().Feld(f.feld).Text().size());
      }
    } else {
      EXPECT_EQ(m().Liste->List(0), vorher);
      EXPECT_EQ(Geaendert, 0);
    }
    EXPECT_EQ(Auswahl::get().Liste->ListCount(), 0);  // emptied after use
    EXPECT_EQ(Auswahl::get().CheckSingle->Value(), 1);
  }
}

TEST_F(FeldAuswahlTest, CatalogueLookUpsStoreButStampOnlyARealChange) {
  struct Fall {
    int feld;
    const char* plz;
    const char* blz;
    int ortAusPlz;
    bool abbruch;      // the several towns or banks offered are cancelled
    const char* text;  // box 5 or 19 afterwards
    bool gespeichert;
  };
  const Fall faelle[] = {
      {5, "", "", 1, false, "Altort", false},       // no postcode: nothing happens
      {5, "12346", "", 0, false, "Altort", false},  // the look-up is switched off
      {5, "55555", "", 1, false, "Altort", true},   // no entry: the town stays, the record is stored
      {5, "12346", "", 1, true, "Altort", true},   {19, "", "", 1, false, "", false},  // no bank code
      {19, "", "99999999", 1, false, "", true},    {19, "", "12345679", 1, true, "", true},
  };
  for (const Fall& f : faelle) {
    SCOPED_TRACE(f.feld);
    SCOPED_TRACE(f.plz);
    tabelle({zeileAus({{0, " "}, {1, "Weiß"}, {4, f.plz}, {5, "Altort"}, {15, kAlt}, {16, kAlt}, {18, f.blz}})});
    OrtAusPlz = f.ortAusPlz;
    antworten({}, f.abbruch ? Weg::Abbruch : Weg::Ok);
    const QString vorher = m().Liste->List(0);
    m().Feld_DblClick(static_cast<short>(f.feld));
    EXPECT_EQ(m().Feld(f.feld).Text(), QString::fromUtf8(f.text));
    EXPECT_EQ(m().Liste->List(0), vorher);  // nothing changed, so not even the date
    EXPECT_EQ(Geaendert, f.gespeichert ? 1 : 0);
  }
}

TEST_F(FeldAuswahlTest, ReadOnlyModeChangesNothingByDoubleClickOrAltEnter) {
  antworten({"Lieferant"});
  for (const int feld : {0, 4, 5, 6, 7, 11, 14, 19, 21, 22}) {
    SCOPED_TRACE(feld);
    tabelle();
    NurLesen = -1;
    const QString vorher = m().Liste->List(0);
    m().Feld_DblClick(static_cast<short>(feld));
    int taste = vb::vbKeyReturn;
    m().Feld_KeyDown(static_cast<short>(feld), taste, vb::vbAltMask);
    EXPECT_EQ(m().Liste->List(0), vorher);
    EXPECT_EQ(Geaendert, 0);
    NurLesen = 0;
  }
  EXPECT_TRUE(gezeigt.isEmpty());
  EXPECT_TRUE(shell().geoeffnet.isEmpty());
}

TEST_F(FeldAuswahlTest, CancellingWritesAndStoresNothing) {
  for (const Weg weg : {Weg::Abbruch, Weg::Schliessen, Weg::RechtsklickOk}) {
    for (const int feld : {6, 11, 7, 14}) {
      SCOPED_TRACE(feld);
      SCOPED_TRACE(static_cast<int>(weg));
      tabelle();
      const QString vorher = m().Liste->List(0);
      const QString text = m().Feld(feld).Text();
      // An entry is clicked before the dialog is left.
      const char* eintrag = feld == 6 ? "Schweiz" : feld == 11 ? "ab" : feld == 7 ? "0302" : "BWeiss";
      antworten({QString::fromUtf8(eintrag)}, weg);
      m().Feld_DblClick(static_cast<short>(feld));
      EXPECT_EQ(m().Feld(feld).Text(), text);
      EXPECT_EQ(m().Liste->List(0), vorher);
      EXPECT_EQ(Geaendert, 0);
      EXPECT_TRUE(Auswahl::IsLoaded());
    }
  }
}

TEST_F(FeldAuswahlTest, PhoneListWithTheAreaCodesOfThePostcode) {
  struct Fall {
    const char* eintrag;
    QStringList vorwahlen;
  };
  const Fall faelle[] = {
      {"040,089", {"040", "040 - ", "089", "089 - "}},
      {"040, 089", {"040", "040 - ", " 089", "089 - "}},
  };
  for (const Fall& f : faelle) {
    SCOPED_TRACE(f.eintrag);
    dateiSchreiben(programmOrdner() + QStringLiteral("/Kataloge/D-PLZ_Vorwahl_1.txt"),
                   QByteArray("[PLZ]\r\n12346=") + f.eintrag + "\r\n");
    tabelle();
    m().Feld(8).setText(QStringLiteral("040 9"));
    gezeigt.clear();
    antworten({f.vorwahlen[1]});
    m().Feld_DblClick(8);
    ASSERT_EQ(gezeigt.size(), 1);
    EXPECT_EQ(gezeigt[0].eintraege, sortiert(QStringList{"040 / 12-34", "040 9", "0171", ""} + f.vorwahlen));
    EXPECT_EQ(gezeigt[0].titel, titel(8));
    EXPECT_TRUE(gezeigt[0].ausgewaehlt.isEmpty());
    EXPECT_EQ(m().Feld(8).Text(), QStringLiteral("040 - "));
    EXPECT_EQ(gespeichert(8), QStringLiteral("040 - "));
  }
}

TEST_F(FeldAuswahlTest, NotesOpenAWebOrMailAddressElseOfferTheirList) {
  const QString datei = dateiSchreiben(programmOrdner() + QStringLiteral("/brief.txt"), "x");
  struct Fall {
    QString wort;
    const char* geoeffnet;  // nullptr: the list opens
  };
  const Fall faelle[] = {
      {QStringLiteral("http://www.example.de/a.html"), "http://www.example.de/a.html"},
      {QStringLiteral("anna@example.de"), "mailto:anna@example.de"},
      {datei, nullptr},  // a file is not opened from here
      {QStringLiteral("Termin"), nullptr},
  };
  for (const Fall& f : faelle) {
    SCOPED_TRACE(f.wort.toStdString());
    tabelle();
    shell().geoeffnet.clear();
    gezeigt.clear();
    vb::TextBox& notiz = m().Feld(11);
    notiz.setText(QStringLiteral("Siehe ") + f.wort + QStringLiteral(" bald"));
    m().AdresseAktualisieren(0);
    notiz.setSelStart(6);
    notiz.setSelLength(static_cast<int>(f.wort.size()));
    antworten({"ab", "cd"});
    m().Feld_DblClick(11);
    if (f.geoeffnet) {
      ASSERT_EQ(shell().geoeffnet.size(), 1);
      EXPECT_EQ(shell().geoeffnet[0].toString(), QString::fromUtf8(f.geoeffnet));
      EXPECT_TRUE(gezeigt.isEmpty());
    } else {
      EXPECT_TRUE(shell().geoeffnet.isEmpty());
      ASSERT_EQ(gezeigt.size(), 1);
      EXPECT_TRUE(gezeigt[0].mehrfach);
      EXPECT_EQ(notiz.Text(), QStringLiteral("Siehe ") + f.wort + QStringLiteral(" baldabcd"));
      EXPECT_EQ(gespeichert(11), notiz.Text());
    }
  }
}

TEST_F(FeldAuswahlTest, AMissingPickListFileStillOpensTheDialog) {
  QFile::remove(programmOrdner() + QStringLiteral("/liste06.TXT"));
  tabelle();
  antworten({});
  m().Feld_DblClick(6);
  ASSERT_EQ(gezeigt.size(), 1);
  EXPECT_TRUE(gezeigt[0].eintraege.isEmpty());
  EXPECT_EQ(gezeigt[0].titel, QStringLiteral("Land-Auswahl"));
  EXPECT_EQ(m().Feld(6).Text(), QStringLiteral("deutschland"));
  EXPECT_EQ(Geaendert, 0);
}

TEST_F(FeldAuswahlTest, FieldValuesAreOfferedOnceEachInListOrder) {
  tabelle({zeileAus({{0, "Kunde"}}), zeileAus({{0, "Kunde"}}), zeileAus({{0, ""}}), zeileAus({{0, "Lieferant"}})});
  antworten({});
  m().Feld_DblClick(0);
  ASSERT_EQ(gezeigt.size(), 1);
  EXPECT_EQ(gezeigt[0].eintraege, (QStringList{"", "Kunde", "Lieferant"}));
  EXPECT_EQ(gezeigt[0].ausgewaehlt, QStringList{"Kunde"});
  EXPECT_EQ(m().StatusBar->PanelText(QStringLiteral("Status")), QStringLiteral("Bereit"));
  EXPECT_FALSE(m().ProgressBar->isVisible());
}

TEST_F(FeldAuswahlTest, EmailProposals) {
  struct Fall {
    const char* vorname;
    const char* telefon;
    QStringList enthalten;  // among the entries
    QStringList nicht;      // not among them
  };
  const Fall faelle[] = {
      {"Bärbel",
       "",
       {"Weiss", "WeissBaerbel", "Weiss_Baerbel", "Weiss.Baerbel", "Baerbel", "BaerbelWeiss", "Baerbel.Weiss",
        "Baerbel_Weiss", "BWeiss", "B.Weiss", "@example.de", "@example.org"},
       {"", "001"}},  // without a phone number neither its digits nor "001"
      {"", "", {"", "Weiss", "Weiss_", "Weiss.", "_Weiss", ".Weiss"}, {}},
      {"B", "0 40 / 12-34 5", {"04012345", "04012345001"}, {"0 40 / 12-34 5"}},
  };
  for (const Fall& f : faelle) {
    SCOPED_TRACE(f.vorname);
    tabelle();
    m().Feld(2).setText(QString::fromUtf8(f.vorname));
    m().Feld(7).setText(QString::fromUtf8(f.telefon));
    gezeigt.clear();
    antworten({});
    m().Feld_DblClick(14);
    ASSERT_EQ(gezeigt.size(), 1);
    const QStringList& e = gezeigt[0].eintraege;
    EXPECT_EQ(e, sortiert(e));
    EXPECT_EQ(QSet<QString>(e.begin(), e.end()).size(), e.size());  // each once
    for (const QString& s : f.enthalten) EXPECT_TRUE(e.contains(s)) << s.toStdString();
    for (const QString& s : f.nicht) EXPECT_FALSE(e.contains(s)) << s.toStdString();
    EXPECT_FALSE(gezeigt[0].mehrfach);
    EXPECT_TRUE(gezeigt[0].ausgewaehlt.isEmpty());  // "Über&nehmen" alone writes nothing
    EXPECT_EQ(m().Feld(14).Text(), QString());
  }
}

TEST_F(FeldAuswahlTest, AnAddressIsBuiltInTwoStepsUnderTheCaptionOfThePreviousList) {
  tabelle();
  antworten({"Herr"});
  m().Feld_DblClick(21);  // another list before: its caption stays
  antworten({"Baerbel.Weiss"});
  m().Feld_DblClick(14);
  antworten({"@example.org"});
  m().Feld_DblClick(14);
  ASSERT_EQ(gezeigt.size(), 3);
  EXPECT_EQ(gezeigt[1].titel, QStringLiteral("Anrede-Auswahl"));
  EXPECT_EQ(gezeigt[2].titel, QStringLiteral("Anrede-Auswahl"));
  EXPECT_EQ(m().Feld(14).Text(), QStringLiteral("Baerbel.Weiss@example.org"));
  EXPECT_EQ(gespeichert(14), QStringLiteral("Baerbel.Weiss@example.org"));
  EXPECT_EQ(m().Feld(14).SelStart(), m().Feld(14).Text().size());
}

TEST_F(FeldAuswahlTest, TheFirstEmailListIsCaptionedAuswahl) {
  tabelle();
  antworten({});
  m().Feld_DblClick(14);
  ASSERT_EQ(gezeigt.size(), 1);
  EXPECT_EQ(gezeigt[0].titel, QStringLiteral("Auswahl"));
}

TEST_F(FeldAuswahlTest, ARealDoubleClickOnAMailAddressInTheNotesSelectsItWholeAndOpensIt) {
  tabelle();
  antworten({});
  vb::TextBox& notiz = m().Feld(11);
  notiz.setText(QStringLiteral("Bitte an anna.berg@example.de\r\nschreiben"));
  QApplication::processEvents();
  auto* edit = qobject_cast<QPlainTextEdit*>(notiz.editor());
  ASSERT_NE(edit, nullptr);
  QTextCursor c = edit->textCursor();
  c.setPosition(16);  // inside "berg"
  const QPoint p = edit->cursorRect(c).center() + QPoint(2, 0);
  QTest::mouseDClick(edit->viewport(), Qt::LeftButton, {}, p);
  EXPECT_EQ(notiz.SelText(), QStringLiteral("anna.berg@example.de"));
  ASSERT_EQ(shell().geoeffnet.size(), 1);
  EXPECT_EQ(shell().geoeffnet[0].toString(), QStringLiteral("mailto:anna.berg@example.de"));
  EXPECT_TRUE(gezeigt.isEmpty());
}

TEST_F(FeldAuswahlTest, AltEnterRunsTheActionAndLeavesTheFocusInTheBox) {
  tabelle();
  antworten({"Schweiz"});
  m().Feld(6).editor()->setFocus(Qt::MouseFocusReason);
  QApplication::processEvents();
  QWidget* fokus = QApplication::focusWidget();
  ASSERT_EQ(fokus, m().Feld(6).editor());
  QTest::keyClick(fokus, Qt::Key_Return, Qt::AltModifier);
  QApplication::processEvents();
  ASSERT_EQ(gezeigt.size(), 1);
  EXPECT_EQ(m().Feld(6).Text(), QStringLiteral("Schweiz"));
  EXPECT_EQ(gespeichert(6), QStringLiteral("Schweiz"));
  // The focus stays where it was (the dialog took the activation while it was shown).
  EXPECT_EQ(m().focusWidget(), m().Feld(6).editor());

  // In the notes it types no line break either.
  QApplication::setActiveWindow(&m());
  m().Feld(11).editor()->setFocus(Qt::MouseFocusReason);
  QApplication::processEvents();
  antworten({});
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return, Qt::AltModifier);
  EXPECT_EQ(m().Feld(11).Text(), QStringLiteral(" Notiz"));
  EXPECT_EQ(m().focusWidget(), m().Feld(11).editor());
}

}  // namespace
