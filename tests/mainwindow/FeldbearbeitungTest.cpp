// Field editing on the real main window, driven by key events sent to whichever widget has the focus,
// as a keyboard would.
#include "common/Global.h"
#include "common/Ini.h"
#include "common/formen/Auswahl.h"
#include "common/formen/MsgDoppelt.h"
#include "mainwindow/Main.h"
#include "platform/kit/Form.h"
#include "platform/vb/Clock.h"
#include "platform/vb/Keys.h"
#include "store/Datensatz.h"
#include "support/kern/TestUmgebung.h"
#include "support/kern/Warten.h"

#include <QApplication>
#include <QLineEdit>
#include <QTest>

namespace {

class FeldbearbeitungTest : public KartulonTest {
 protected:
  void SetUp() override {
    KartulonTest::SetUp();
    Main& w = m();
    w.show();
    QApplication::setActiveWindow(&w);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&w));
  }
  void TearDown() override {
    vb::TastenHalten(std::nullopt);
    KartulonTest::TearDown();
  }

  Main& m() { return Main::get(); }
  static QWidget* fokus() { return QApplication::focusWidget(); }
  // Lets what is pending run, then waits until the search-as-you-type timer has fired (it switches itself
  // off when it searches).
  void suchzeitAbwarten() {
    QCoreApplication::processEvents();
    ASSERT_TRUE(WartenBis([&] { return !m().zeitSuche->Enabled(); }, 10000)) << "the search timer never fired";
  }
  // The box that has the focus, -1 for none or another control.
  int fokusFeld() {
    for (int i = 0; i < 24; ++i)
      if (m().Feld(i).editor() == fokus()) return i;
    return -1;
  }

  // One key pressed and released; each event goes to the widget that has the focus at that moment.
  static void taste(Qt::Key key, Qt::KeyboardModifiers mod = Qt::NoModifier, const QString& text = {}) {
    QTest::sendKeyEvent(QTest::Press, fokus(), key, text, mod);
    QTest::sendKeyEvent(QTest::Release, fokus(), key, text, mod);
  }
  // Types the text; "\n" is Enter, "\x04" Ctrl+D, "\x15" Ctrl+U.
  static void tippen(const QString& text) {
    for (QChar c : text) {
      if (c == u'\n')
        taste(Qt::Key_Return, Qt::NoModifier, QStringLiteral("\r"));
      else if (c == u'\x04')
        taste(Qt::Key_D, Qt::ControlModifier, QString(QChar(4)));
      else if (c == u'\x15')
        taste(Qt::Key_U, Qt::ControlModifier, QString(QChar(21)));
      else {
        const bool gross = c.isUpper();
        taste(static_cast<Qt::Key>(c.toUpper().unicode()), gross ? Qt::ShiftModifier : Qt::NoModifier, QString(c));
      }
    }
  }
  // Lets posted focus moves happen.
  static void warten() { QCoreApplication::processEvents(); }

  // A table of records with the given one selected.
  void tabelle(const QStringList& zeilen, int auswahl) {
    m().Liste->setItems(zeilen);
    m().Liste->setListIndex(auswahl);
  }
  // How often the system sound of the type was played.
  int klaenge(int typ) {
    int n = 0;
    for (const auto& a : toene().aufrufe()) n += a.art == u"klang" && a.typ == typ;
    return n;
  }
  QString gespeichert(int feld, int zeile = 0) { return FelderAusZeile(m().Liste->List(zeile))[feld]; }
  // Gives the box the focus as a mouse click does (no Tab, no selection).
  void hinein(int feld) {
    m().Feld(feld).editor()->setFocus(Qt::MouseFocusReason);
    warten();
  }
};

TEST_F(FeldbearbeitungTest, TypedKeysGiveTextAndStoredLine) {
  struct Fall {
    int feld;
    const char* tasten;
    const char* text;   // the box afterwards
    const char* zeile;  // the stored field
  };
  const Fall faelle[] = {
      {2, "Ab;cd", "Ab,cd", "Ab,cd"},
      {3, "Weg 1;2\n", "Weg 1,2", "Weg 1,2"},    // Enter stores and types nothing
      {20, "1 2-1999", "1.2.1999", "1.2.1999"},  // the separators as typed, before leaving
      {20, "3/4,99;", "3.4.99.", "3.4.99."},     // ";" becomes "," and then "."
      {11, "a\nb;", "a\r\nb,", "a\r\nb,"},       // the remark takes the line break
      {7, "089 123", "089 123", "089 123"},
      {14, "x@y.de", "x@y.de", "x@y.de"},
      {0, "Privat", "Privat", "Privat"},
  };
  for (const Fall& f : faelle) {
    tabelle({zeileAus({{1, "Alt"}, {16, "01.01.2020"}})}, 0);
    hinein(f.feld);
    tippen(QString::fromUtf8(f.tasten));
    EXPECT_EQ(m().Feld(f.feld).Text(), QString::fromUtf8(f.text)) << f.tasten;
    EXPECT_EQ(gespeichert(f.feld), QString::fromUtf8(f.zeile)) << f.tasten;
    EXPECT_EQ(gespeichert(16), QStringLiteral("10.12.2026")) << f.tasten;
    EXPECT_EQ(gespeichert(1), QStringLiteral("Alt")) << f.tasten;
    if (f.feld == 11) {
      EXPECT_TRUE(m().Liste->List(0).contains(QStringLiteral("\ta°°b,\t")));
    }
  }
  EXPECT_EQ(dialoge().requests().size(), 0);
}

TEST_F(FeldbearbeitungTest, EveryKeyReleaseStoresAndResetsTheIdleCount) {
  tabelle({zeileAus({{1, "Alt"}})}, 0);
  hinein(2);
  LeerlaufSekunden = 50;
  Geaendert = 0;
  QTest::sendKeyEvent(QTest::Press, fokus(), Qt::Key_X, QStringLiteral("x"), Qt::NoModifier);
  EXPECT_EQ(LeerlaufSekunden, 0);        // the text changed
  EXPECT_EQ(gespeichert(2), QString());  // not yet: the store follows the release
  QTest::sendKeyEvent(QTest::Release, fokus(), Qt::Key_X, QStringLiteral("x"), Qt::NoModifier);
  EXPECT_EQ(gespeichert(2), QStringLiteral("x"));
  EXPECT_EQ(Geaendert, 1);
  // A release after the focus moved stores in the box that has it now.
  m().Feld(3).setText(QStringLiteral("Weg"));
  QTest::sendKeyEvent(QTest::Press, fokus(), Qt::Key_Return, QStringLiteral("\r"), Qt::NoModifier);
  EXPECT_EQ(fokusFeld(), 1);
  QTest::sendKeyEvent(QTest::Release, fokus(), Qt::Key_Return, QStringLiteral("\r"), Qt::NoModifier);
  EXPECT_EQ(gespeichert(3), QStringLiteral("Weg"));
}

TEST_F(FeldbearbeitungTest, CtrlDAndCtrlUTypeDateAndTime) {
  Clock::setFixed(QDateTime(QDate(2026, 3, 7), QTime(9, 5, 59)));
  tabelle({zeileAus({{11, "Anruf am XXX wegen"}})}, 0);
  hinein(11);
  m().Feld(11).setSelStart(9);
  m().Feld(11).setSelLength(3);
  tippen(QStringLiteral("\x04"));
  EXPECT_EQ(m().Feld(11).Text(), QStringLiteral("Anruf am 07.03.2026  wegen"));
  tippen(QStringLiteral("um \x15"));
  EXPECT_EQ(m().Feld(11).Text(), QStringLiteral("Anruf am 07.03.2026 um 09:05  wegen"));
  EXPECT_EQ(gespeichert(11), QStringLiteral("Anruf am 07.03.2026 um 09:05  wegen"));
  hinein(2);
  tippen(QStringLiteral("\x15"));
  EXPECT_EQ(m().Feld(2).Text(), QStringLiteral("09:05 "));
  // A locked box takes neither.
  m().Feld(2).setLocked(true);
  tippen(QStringLiteral("\x04\x15"));
  EXPECT_EQ(m().Feld(2).Text(), QStringLiteral("09:05 "));
}

TEST_F(FeldbearbeitungTest, EnterUpAndDownMoveAlongTheTabOrder) {
  tabelle({zeileAus({{11, "eins\r\nzwei"}})}, 0);
  hinein(2);
  taste(Qt::Key_Return, Qt::NoModifier, QStringLiteral("\r"));
  EXPECT_EQ(fokusFeld(), 1);
  taste(Qt::Key_Down);
  EXPECT_EQ(fokusFeld(), 3);
  taste(Qt::Key_Down);
  EXPECT_EQ(fokusFeld(), 4);
  taste(Qt::Key_Up);
  taste(Qt::Key_Up);
  taste(Qt::Key_Up);
  EXPECT_EQ(fokusFeld(), 2);
  taste(Qt::Key_Up);
  EXPECT_EQ(fokus(), m().TxtSuche->editor());
  // From box 9 on to the birthday, then into the remark, whose arrows move the caret.
  hinein(9);
  taste(Qt::Key_Down);
  EXPECT_EQ(fokusFeld(), 20);
  taste(Qt::Key_Return, Qt::NoModifier, QStringLiteral("\r"));
  EXPECT_EQ(fokusFeld(), 11);
  m().Feld(11).setSelStart(0);
  taste(Qt::Key_Down);
  EXPECT_EQ(fokusFeld(), 11);
  EXPECT_EQ(m().Feld(11).SelStart(), 6);  // second line, after CR LF
  taste(Qt::Key_Up);
  EXPECT_EQ(m().Feld(11).SelStart(), 0);
  // Alt+Enter and Ctrl+F2 are not swallowed and do not move the focus (the pick list of the remark
  // that Alt+Enter opens is cancelled).
  vb::Forms::setModalInterceptor([](vb::FormBase& f) { dynamic_cast<Auswahl&>(f).befAbbruch->click(); });
  taste(Qt::Key_Return, Qt::AltModifier);
  EXPECT_EQ(fokusFeld(), 11);
}

TEST_F(FeldbearbeitungTest, TheFaxBoxTakesTheTelephoneNumberWithCtrlShiftHash) {
  tabelle({zeileAus({{7, "089 4711"}, {8, "alt"}})}, 0);
  hinein(8);
  // Shift+# is "'" on a German keyboard; with Ctrl nothing is typed.
  taste(Qt::Key_Apostrophe, Qt::ControlModifier | Qt::ShiftModifier, QStringLiteral("'"));
  EXPECT_EQ(m().Feld(8).Text(), QStringLiteral("089 4711"));
  EXPECT_EQ(gespeichert(8), QStringLiteral("089 4711"));
  // In any other box the keys do nothing.
  hinein(12);
  taste(Qt::Key_NumberSign, Qt::ControlModifier | Qt::ShiftModifier, QStringLiteral("'"));
  EXPECT_EQ(m().Feld(12).Text(), QString());
}

TEST_F(FeldbearbeitungTest, TheMailBoxQuestionsUnusualCharacters) {
  tabelle({zeileAus({{1, "A"}})}, 0);
  hinein(14);
  dialoge().answer(vb::vbYes);
  dialoge().answer(vb::vbNo);
  dialoge().answer(vb::vbNo);
  tippen(QStringLiteral("a;b c\u00e4d"));
  EXPECT_EQ(m().Feld(14).Text(), QStringLiteral("a,bcd"));
  EXPECT_EQ(gespeichert(14), QStringLiteral("a,bcd"));
  ASSERT_EQ(dialoge().requests().size(), 3);
  const auto& frage = dialoge().requests()[0];
  EXPECT_EQ(frage.text,
            QStringLiteral("Das Zeichen \u00bb,\u00ab ist f\u00fcr eine eMail-Adresse ungew\u00f6hnlich.\r\n\r\n"
                           "M\u00f6chten Sie es trotzdem verwenden?"));
  EXPECT_EQ(frage.style, 36);
  EXPECT_EQ(frage.title, QStringLiteral("eMail in Ordnung?"));
  EXPECT_TRUE(dialoge().requests()[1].text.startsWith(QStringLiteral("Das Zeichen \u00bb \u00ab")));
  EXPECT_TRUE(dialoge().requests()[2].text.startsWith(QStringLiteral("Das Zeichen \u00bb\u00e4\u00ab")));
  // Other boxes never ask.
  hinein(22);
  tippen(QStringLiteral("a b"));
  EXPECT_EQ(dialoge().requests().size(), 3);
}

TEST_F(FeldbearbeitungTest, LeavingABoxAppliesCaseRuleAndTrimmingAndStoresAtOnce) {
  struct Fall {
    short regel;
    short trim;
    bool shift;
    int feld;
    const char* vorher;
    const char* nachher;
  };
  const Fall faelle[] = {
      {1, 0, false, 3, "rote rose", "Rote Rose"},
      {2, 0, false, 3, "rote rose", "Rote rose"},
      {3, 0, false, 3, "rote rose", "ROTE ROSE"},
      {4, 0, false, 3, "Rote ROSE", "rote rose"},
      {3, 0, false, 3, "stra\u00dfe", "STRA\u00dfE"},  // ß has no capital of its own
      {0, 0, false, 3, "rote rose", "rote rose"},
      {7, 0, false, 3, "rote rose", "rote rose"},
      {1, 1, false, 5, "  bad t\u00f6lz ", "Bad T\u00f6lz"},
      {3, 1, true, 5, " rote rose ", "rote rose"},  // Shift held: trimmed only
      {1, 0, true, 5, "rote rose", "rote rose"},
      {3, 1, false, 0, "x", "x"},            // one character: never
      {3, 1, false, 0, "  ", "  "},          // empty result is not written
      {3, 1, false, 9, " user ", " user "},  // 9, 14, 22 keep what was typed
      {3, 1, false, 14, " a@b.de ", " a@b.de "},
      {3, 1, false, 22, " www.x.de ", " www.x.de "},
      {3, 1, false, 11, " notiz ", " notiz "},  // the remark box is never reformatted
  };
  for (const Fall& f : faelle) {
    AutoFormatUCase = f.regel;
    AutoFormatTrim = f.trim;
    const QString vorher = QString::fromUtf8(f.vorher);
    tabelle({zeileAus({{f.feld, vorher}})}, 0);
    hinein(f.feld);
    vb::TastenHalten(f.shift ? std::optional(Qt::KeyboardModifiers(Qt::ShiftModifier)) : std::nullopt);
    hinein(f.feld == 1 ? 2 : 1);  // left by mouse: no key release follows
    vb::TastenHalten(std::nullopt);
    EXPECT_EQ(m().Feld(f.feld).Text(), QString::fromUtf8(f.nachher)) << f.vorher << " " << f.regel;
    EXPECT_EQ(gespeichert(f.feld), QString::fromUtf8(f.nachher)) << f.vorher << " " << f.regel;
  }
}

TEST_F(FeldbearbeitungTest, TheTownComesFromThePostcodeCatalogue) {
  dateiSchreiben(programmOrdner() + QStringLiteral("/Kataloge/D-PLZ_Ort_2.txt"),
                 "[PLZ]\r\n22765=Hamburg-Altona\r\n20095=Hamburg\r\n");
  dateiSchreiben(programmOrdner() + QStringLiteral("/Kataloge/D-PLZ_Ort_8.txt"),
                 "[PLZ]\r\n89077=Ulm-S\xf6"
                 "flingen\r\n");
  OrtAusPlz = 1;
  struct Fall {
    const char* plz;
    const char* ortVorher;
    const char* ort;
    int selStart, selLength;
  };
  const Fall faelle[] = {
      {"22765", "", "Hamburg-Altona", 7, 7},
      {"89077", "", "Ulm-S\u00f6flingen", -1, 0},  // "-" at position 4: nothing selected
      {"20095", "", "Hamburg", -1, 0},
      {"22765", "Altona", "Altona", -1, 0},  // a town already there stays
      {"99999", "", "", -1, 0},              // not in the catalogue
  };
  for (const Fall& f : faelle) {
    tabelle({zeileAus({{1, "A"}, {5, QString::fromUtf8(f.ortVorher)}})}, 0);
    hinein(4);
    tippen(QString::fromUtf8(f.plz));
    taste(Qt::Key_Tab, Qt::NoModifier, QStringLiteral("\t"));
    EXPECT_EQ(fokusFeld(), 5);
    EXPECT_EQ(m().Feld(5).Text(), QString::fromUtf8(f.ort)) << f.plz;
    EXPECT_EQ(gespeichert(5), QString::fromUtf8(f.ort)) << f.plz;
    if (f.selStart >= 0) {
      EXPECT_EQ(m().Feld(5).SelStart(), f.selStart) << f.plz;
      EXPECT_EQ(m().Feld(5).SelLength(), f.selLength) << f.plz;
    } else {
      EXPECT_EQ(m().Feld(5).SelLength(), 0) << f.plz;
    }
  }
  // Typing replaces the district.
  tabelle({zeileAus({{1, "A"}})}, 0);
  hinein(4);
  tippen(QStringLiteral("22765\n-Ottensen"));
  EXPECT_EQ(gespeichert(5), QStringLiteral("Hamburg-Ottensen"));
  // Switched off: no look-up.
  OrtAusPlz = 0;
  tabelle({zeileAus({{1, "A"}})}, 0);
  hinein(4);
  tippen(QStringLiteral("20095"));
  hinein(5);
  EXPECT_EQ(m().Feld(5).Text(), QString());
}

TEST_F(FeldbearbeitungTest, TheBankNameComesFromTheBankCodeCatalogue) {
  dateiSchreiben(programmOrdner() + QStringLiteral("/Kataloge/D-BLZ_7.Txt"), "[BLZ]\r\n70050000=Landesbank\r\n");
  tabelle({zeileAus({{1, "A"}})}, 0);
  hinein(18);
  tippen(QStringLiteral("70050000"));
  hinein(17);
  EXPECT_EQ(m().Feld(19).Text(), QStringLiteral("Landesbank"));
  EXPECT_EQ(gespeichert(19), QStringLiteral("Landesbank"));
  // A name already there stays.
  m().Feld(19).setText(QStringLiteral("Meine Bank"));
  hinein(18);
  hinein(17);
  EXPECT_EQ(m().Feld(19).Text(), QStringLiteral("Meine Bank"));
}

TEST_F(FeldbearbeitungTest, TheBirthdayIsWrittenAsADateOrBeeps) {
  struct Fall {
    const char* getippt;
    const char* ergebnis;
    bool ton;
  };
  const Fall faelle[] = {
      {"1 2 1999", "01.02.1999", false},  {"1.2.99", "01.02.1999", false}, {" 24.12.1970 ", "24.12.1970", false},
      {"31.02.1999", "31.02.1999", true}, {"morgen", "morgen", true},      {"", "", false},
  };
  for (const Fall& f : faelle) {
    tabelle({zeileAus({{1, "A"}})}, 0);
    toene().clear();
    hinein(20);
    m().Feld(20).setText(QString::fromUtf8(f.getippt));
    hinein(11);
    EXPECT_EQ(m().Feld(20).Text(), QString::fromUtf8(f.ergebnis)) << f.getippt;
    if (!f.ton) {
      EXPECT_EQ(gespeichert(20), QString::fromUtf8(f.ergebnis)) << f.getippt;
    }
    EXPECT_EQ(klaenge(16), f.ton ? 1 : 0) << f.getippt;
    EXPECT_EQ(toene().aufrufe().isEmpty(), !f.ton) << f.getippt;
  }
}

TEST_F(FeldbearbeitungTest, LockedBoxesHandTheFocusToTheLastName) {
  tabelle({zeileAus({{1, "A"}, {15, "01.01.2000"}})}, 0);
  hinein(3);
  m().Feld(15).editor()->setFocus(Qt::MouseFocusReason);
  EXPECT_EQ(FeldIndex, 3);  // the locked box is never named
  warten();
  EXPECT_EQ(fokusFeld(), 1);
  EXPECT_EQ(FeldIndex, 1);
  EXPECT_EQ(FeldFokus, 1);
  // Read-only mode: the search box takes the focus and the field index stays.
  NurLesen = -1;
  Geaendert = 0;
  const QString zeile = m().Liste->List(0);
  m().Feld(7).editor()->setFocus(Qt::MouseFocusReason);
  tippen(QStringLiteral("\n"));  // a key before the focus has moved on stores nothing
  warten();
  EXPECT_EQ(fokus(), m().TxtSuche->editor());
  EXPECT_EQ(FeldIndex, 1);
  EXPECT_EQ(Geaendert, 0);
  EXPECT_EQ(m().Liste->List(0), zeile);
}

TEST_F(FeldbearbeitungTest, MarkAllAtEntrySelectsSingleLineBoxes) {
  tabelle({zeileAus({{2, "Hans"}, {1, "Meier"}, {11, "Notiz"}})}, 0);
  auto eintritt = [&](const char* wert, int feld) {
    IniSchreiben(QString(), QString(), QStringLiteral("MarkAllAtEntry"), QString::fromUtf8(wert));
    hinein(feld == 2 ? 3 : 2);
    m().Feld(feld).editor()->setFocus(Qt::TabFocusReason);
    warten();
    return m().Feld(feld).SelLength();
  };
  EXPECT_EQ(eintritt("1", 1), 5);
  EXPECT_EQ(FeldIndex, 1);
  EXPECT_EQ(eintritt("1", 11), 0);
  EXPECT_EQ(eintritt("yes", 1), 0);
  EXPECT_EQ(eintritt("2", 1), 0);
  EXPECT_EQ(eintritt("0", 2), 0);
  // The box under the context menu keeps its selection as it is.
  MausFeldIndex = 1;
  EXPECT_EQ(eintritt("1", 1), 0);
}

// An empty field 0 is stored as one blank, and its box shows it empty: typed text does not begin with a
// blank; emptying the box stores the blank again.
TEST_F(FeldbearbeitungTest, TheStoredBlankOfAnEmptyCategoryShowsAsAnEmptyBox) {
  tabelle({zeileAus({{0, " "}, {1, "Meier"}})}, 0);
  EXPECT_EQ(m().Feld(0).Text(), QString());
  hinein(0);
  tippen(QStringLiteral("Kunde"));
  EXPECT_EQ(m().Feld(0).Text(), QStringLiteral("Kunde"));
  EXPECT_TRUE(m().Liste->List(0).startsWith(QStringLiteral("Kunde\tMeier\t")));
  for (int i = 0; i < 5; ++i) taste(Qt::Key_Backspace);
  EXPECT_EQ(m().Feld(0).Text(), QString());
  EXPECT_TRUE(m().Liste->List(0).startsWith(QStringLiteral(" \tMeier\t")));
}

// Typing into an empty list makes the record that the new-record command would make.
TEST_F(FeldbearbeitungTest, ARecordTypedIntoAnEmptyListIsCreatedTodayWithTheNextIndex) {
  IniDatei = programmOrdner() + QStringLiteral("/Kartulon.Ini");
  IniSchreiben(IniDatei, "Allgemein", "AdressIndex", "41");
  tabelle({}, -1);
  hinein(1);
  tippen(QStringLiteral("Neu"));
  ASSERT_EQ(m().Liste->ListCount(), 1);
  EXPECT_EQ(m().Liste->List(0), zeileAus({{0, " "}, {1, "Neu"}, {15, "10.12.2026"}, {16, "10.12.2026"}, {23, "41"}}));
  EXPECT_EQ(m().Feld(15).Text(), QStringLiteral("10.12.2026"));
  EXPECT_EQ(m().Feld(23).Text(), QStringLiteral("41"));
  EXPECT_EQ(IniLesen(IniDatei, "Allgemein", "AdressIndex", ""), QStringLiteral("42"));
  // The following keys store into that record: no second one, no second index.
  tippen(QStringLiteral("er"));
  EXPECT_EQ(m().Liste->ListCount(), 1);
  EXPECT_EQ(gespeichert(1), QStringLiteral("Neuer"));
  EXPECT_EQ(gespeichert(23), QStringLiteral("41"));
}

// A box's own undo stays with its record: after the next record is shown, undo in the box has nothing
// to bring back, also where both records hold the same text.
TEST_F(FeldbearbeitungTest, ABoxUndoNeverReachesAnotherRecord) {
  const struct {
    const char* naechste;  // the street of the record shown next
  } faelle[] = {{"Abc"}, {"Hauptstraße 7"}, {""}};
  for (const auto& f : faelle) {
    SCOPED_TRACE(f.naechste);
    tabelle({zeileAus({{1, "A"}}), zeileAus({{1, "B"}, {3, QString::fromUtf8(f.naechste)}})}, 0);
    hinein(3);
    tippen(QStringLiteral("Abc"));
    auto* strasse = qobject_cast<QLineEdit*>(m().Feld(3).editor());
    ASSERT_TRUE(strasse);
    EXPECT_TRUE(strasse->isUndoAvailable());
    m().Toolbar_ButtonClick(QStringLiteral("LaufFw"));
    EXPECT_EQ(m().Liste->ListIndex(), 1);
    EXPECT_FALSE(strasse->isUndoAvailable());
    hinein(3);
    QTest::sendKeyEvent(QTest::Press, fokus(), Qt::Key_Z, QString(QChar(26)), Qt::ControlModifier);
    QTest::sendKeyEvent(QTest::Release, fokus(), Qt::Key_Z, QString(QChar(26)), Qt::ControlModifier);
    strasse->undo();
    EXPECT_EQ(m().Feld(3).Text(), QString::fromUtf8(f.naechste));
    EXPECT_EQ(gespeichert(3, 1), QString::fromUtf8(f.naechste));
    EXPECT_EQ(gespeichert(3, 0), QStringLiteral("Abc"));
  }
}

// The toolbar's search key leaves the search text selected, so that typing replaces it.
TEST_F(FeldbearbeitungTest, AfterTheSearchKeyTheSearchTextIsSelected) {
  tabelle({zeileAus({{1, "Meier"}, {3, "Weg 1"}}), zeileAus({{1, "Weber"}, {3, "Weg 2"}})}, 0);
  hinein(3);
  QWidget* knopf = m().Toolbar->widgetForAction(m().Toolbar->Button(QStringLiteral("Suchen")));
  ASSERT_TRUE(knopf);
  QTest::mouseClick(knopf, Qt::LeftButton);
  suchzeitAbwarten();
  auto* suche = qobject_cast<QLineEdit*>(m().TxtSuche->editor());
  ASSERT_TRUE(suche);
  EXPECT_EQ(fokus(), suche);
  EXPECT_EQ(suche->text(), QStringLiteral("Weg 1"));
  EXPECT_EQ(suche->selectedText(), QStringLiteral("Weg 1"));
  EXPECT_EQ(m().Liste->ListIndex(), 0);
  // Typed text replaces it; the key again searches for the typed text and selects it.
  tippen(QStringLiteral("Weber"));
  EXPECT_EQ(suche->text(), QStringLiteral("Weber"));
  suchzeitAbwarten();
  EXPECT_EQ(m().Liste->ListIndex(), 1);
  QTest::mouseClick(knopf, Qt::LeftButton);
  suchzeitAbwarten();
  EXPECT_EQ(m().Liste->ListIndex(), 1);
  EXPECT_EQ(suche->selectedText(), QStringLiteral("Weber"));
}

class DoppeltTest : public FeldbearbeitungTest {
 protected:
  // Answers the duplicate question in turn (true Ja) and keeps the texts shown.
  void antworten(std::vector<bool> ja) {
    antworten_ = std::move(ja);
    vb::Forms::setModalInterceptor([this](vb::FormBase& f) {
      auto* d = dynamic_cast<MsgDoppelt*>(&f);
      ASSERT_NE(d, nullptr);
      gezeigt.append(d->Text->Text());
      const bool ja = antworten_.empty() ? false : antworten_.front();
      if (!antworten_.empty()) antworten_.erase(antworten_.begin());
      if (ja)
        d->befOk_Click();
      else
        d->befAbbrechen_Click();
    });
  }
  QStringList gezeigt;
  std::vector<bool> antworten_;
};

TEST_F(DoppeltTest, ANewAddressWithAKnownNameOffersTheOthers) {
  IniSchreiben(QString(), QString(), QStringLiteral("AutoSucheDoppeltenNamen"), QStringLiteral("1"));
  const QString erster = zeileAus({{1, "Meier"}, {2, "Hans"}, {3, "Weg 1"}, {5, "Bonn"}, {11, "a°°b"}});
  const QString andere = zeileAus({{1, "Meier"}, {2, "Eva"}});
  const QString zweiter = zeileAus({{0, " "}, {1, "MEIER"}, {2, "hans"}, {5, " Ulm"}});
  tabelle({erster, andere, zweiter, zeileAus({})}, 3);
  antworten({false, true});
  hinein(2);
  tippen(QStringLiteral("Hans"));
  hinein(1);
  tippen(QStringLiteral("Meier"));
  taste(Qt::Key_Tab, Qt::NoModifier, QStringLiteral("\t"));
  ASSERT_EQ(gezeigt.size(), 2);
  EXPECT_EQ(gezeigt[0], QStringLiteral("\r\nMeier\r\nHans\r\nWeg 1\r\nBonn\r\na\r\nb\r\n"));
  EXPECT_EQ(gezeigt[1], QStringLiteral("\r\nMEIER\r\nhans\r\nUlm\r\n"));
  EXPECT_EQ(klaenge(32), 2);
  // Ja: the record being typed is gone, the found one is selected and shown.
  ASSERT_EQ(m().Liste->ListCount(), 3);
  EXPECT_EQ(m().Liste->List(2), zweiter);
  EXPECT_EQ(m().Liste->ListIndex(), 2);
  EXPECT_EQ(AktuellerDatensatz, zweiter);
  EXPECT_EQ(m().Feld(1).Text(), QStringLiteral("MEIER"));
  EXPECT_EQ(Geaendert, 1);
}

TEST_F(DoppeltTest, TheSearchRunsOnlyWhileANewAddressIsTyped) {
  const QString anderer = zeileAus({{1, "Meier"}, {2, "Hans"}});
  struct Fall {
    const char* schalter;
    int feld;
    const char* wert;
  };
  const Fall faelle[] = {
      {"0", 3, ""},   // switched off
      {"1", 3, "x"},  // a street is there
      {"1", 4, "1"},  // a postcode
      {"1", 5, " Ulm"},
  };
  for (const Fall& f : faelle) {
    IniSchreiben(QString(), QString(), QStringLiteral("AutoSucheDoppeltenNamen"), QString::fromUtf8(f.schalter));
    tabelle({anderer, zeileAus({{1, "Meier"}, {2, "Hans"}, {f.feld, QString::fromUtf8(f.wert)}})}, 1);
    antworten({true});
    hinein(1);
    hinein(2);
    EXPECT_EQ(gezeigt.size(), 0) << f.schalter << f.feld;
    EXPECT_EQ(m().Liste->ListCount(), 2);
  }
  // The current record itself is never offered, and leaving another box does not search.
  IniSchreiben(QString(), QString(), QStringLiteral("AutoSucheDoppeltenNamen"), QStringLiteral("1"));
  tabelle({zeileAus({{1, "Meier"}, {2, "Hans"}})}, 0);
  hinein(1);
  hinein(2);
  hinein(1);
  EXPECT_EQ(gezeigt.size(), 0);
}

}  // namespace

// A single-line box shows at most 32767 characters; storing the boxes after an edit of another field
// keeps a longer stored text whole (it used to be cut to 32767). The edited box itself stores what it
// shows.
TEST_F(FeldbearbeitungTest, AnUneditedLongFieldIsNeverCut) {
  const QString lang = QStringLiteral("Weg ").repeated(10000);  // 40000 characters
  tabelle({zeileAus({{1, "Alt"}, {3, lang}, {16, "01.01.2020"}})}, 0);
  ASSERT_EQ(m().Feld(3).Text(), lang);
  hinein(2);
  tippen(QStringLiteral("Hans"));
  EXPECT_EQ(gespeichert(2), QStringLiteral("Hans"));
  EXPECT_EQ(gespeichert(3), lang);
  // An edit of the long box itself stores the text it holds.
  hinein(3);
  m().Feld(3).setSelStart(0);
  taste(Qt::Key_Delete);
  EXPECT_EQ(gespeichert(3), lang.left(32767).mid(1));
}
