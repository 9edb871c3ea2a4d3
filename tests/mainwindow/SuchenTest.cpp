#include "common/Global.h"
#include "mainwindow/Main.h"
#include "platform/vb/Keys.h"
#include "store/Suchen.h"
#include "support/kern/TestUmgebung.h"

#include <QTest>
#include <QTimer>

static void PrintTo(const QString& s, std::ostream* os) { *os << '"' << s.toStdString() << '"'; }

class SuchenTest : public KartulonTest {
 protected:
  Main& m() { return Main::get(); }
  QString status() { return m().StatusBar->PanelText(QStringLiteral("Status")); }
  void tabelle(const QStringList& zeilen, int auswahl) {
    m().Liste->setItems(zeilen);
    m().Liste->setListIndex(auswahl);
  }
  void suche(const QString& text, bool shift = false) {
    vb::TastenHalten(shift ? Qt::ShiftModifier : Qt::NoModifier);
    m().TxtSuche->setText(text);
    m().TextSuchen();
  }
};

TEST_F(SuchenTest, FindsTheNextMatchingRecord) {
  const QStringList zeilen = {
      zeileAus({{0, "Privat"}, {1, "Meier"}, {5, "Berlin"}, {7, "030 / 12-34"}}),  // 0
      zeileAus({{0, "Firma"}, {1, "Schulz"}, {5, "Köln"}, {10, "Meierhof"}}),      // 1
      zeileAus({{0, " "}, {1, "MEIER"}, {5, "Bonn"}, {7, "1a34"}}),                // 2
      zeileAus({{0, "Verein"}, {1, "Abel"}, {5, "BERLIN"}, {6, "[abc"}}),          // 3
      zeileAus({{0, "Kunde"}, {1, "Zorn"}, {5, "Ulm"}}),                           // 4
  };
  struct Fall {
    int auswahl;
    const char* text;
    bool shift;
    int erwartet;  // the selection afterwards; -2: nothing found
  };
  const Fall faelle[] = {
      {0, "mei", false, 1},  // the next record, in any case, any field
      {1, "mei", false, 2},
      {2, "mei", false, 0},            // wraps round
      {-1, "mei", false, 0},           // nothing selected: starts at the first record
      {0, "meier berlin", false, 0},   // both terms: only record 0 holds both, tested last
      {1, "berlin  meier", false, 0},  // any order, runs of blanks
      {4, "Berlin", false, 0},
      {0, "Berlin", false, 3},
      {0, "\"meier\"", false, 2},  // a whole field: not Meierhof
      {0, "\"meier", false, 1},    // a field that begins with it: Meierhof
      {0, "03012", true, 0},       // Shift: separators in the records are ignored
      {0, "03012", false, -2},
      {0, "030/12", true, -2},  // the term keeps its own
      {0, "1?34", false, 2},
      {2, "1?34", false, 2},
      {3, "#", false, 0},     // any record with a digit
      {0, "[abc", false, 3},  // no valid pattern: looked for as plain text
      {0, "b[aeiou]nn", false, 2},
      {3, "", false, 4},  // no terms: the next record
      {0, "xyz", false, -2},
  };
  for (const Fall& f : faelle) {
    tabelle(zeilen, f.auswahl);
    const QString text = QString::fromUtf8(f.text);
    suche(text, f.shift);
    SCOPED_TRACE(text.toStdString());
    if (f.erwartet >= 0) {
      EXPECT_EQ(m().Liste->ListIndex(), f.erwartet);
      EXPECT_EQ(status(), QStringLiteral("Bereit"));
      EXPECT_EQ(m().TxtSuche->ForeColor(), m().Feld(1).ForeColor());
      EXPECT_EQ(AktuellerDatensatz, zeilen[f.erwartet]);
      EXPECT_EQ(m().Feld(1).Text(), zeilen[f.erwartet].split(u'\t')[1]);
    } else {
      EXPECT_EQ(m().Liste->ListIndex(), f.auswahl);  // unchanged
      EXPECT_EQ(status(), QStringLiteral("Gesuchten Text »") + text + QStringLiteral("« nicht gefunden."));
      EXPECT_EQ(m().TxtSuche->ForeColor(), QColor(255, 0, 0));
    }
  }
}

TEST_F(SuchenTest, OneRecordAndEmptyTables) {
  tabelle({zeileAus({{1, "Meier"}})}, 0);
  suche(QStringLiteral("meier"));
  EXPECT_EQ(m().Liste->ListIndex(), 0);
  EXPECT_EQ(status(), QStringLiteral("Bereit"));

  tabelle({}, -1);
  suche(QStringLiteral("meier"));
  EXPECT_EQ(status(), QStringLiteral("Gesuchten Text »meier« nicht gefunden."));
  suche(QStringLiteral(""));  // no terms: the hit feedback, nothing to select
  EXPECT_EQ(status(), QStringLiteral("Bereit"));
  EXPECT_EQ(m().Liste->ListIndex(), -1);

  // The text shown is the box's text without blanks at both ends, quotes and all.
  tabelle({zeileAus({{1, "Meier"}})}, 0);
  suche(QStringLiteral("  \"xy z\" "));
  EXPECT_EQ(status(), QStringLiteral("Gesuchten Text »\"xy z\"« nicht gefunden."));
}

TEST_F(SuchenTest, TermsFromTheSearchText) {
  EXPECT_EQ(SuchBegriffe(QStringLiteral("  Meier   \"Berlin\" ")), (QStringList{"Meier", "\tBerlin\t"}));
  EXPECT_EQ(SuchBegriffe(QStringLiteral("   ")), QStringList());
  QStringList viele;
  for (int i = 1; i <= 120; ++i) viele << QStringLiteral("w%1").arg(i);
  const QStringList begriffe = SuchBegriffe(viele.join(u' '));
  ASSERT_EQ(begriffe.size(), 99);
  EXPECT_EQ(begriffe[97], QStringLiteral("w98"));
  EXPECT_EQ(begriffe[98], QStringLiteral("w120"));
}

TEST_F(SuchenTest, TimerEnterAndDoubleClick) {
  tabelle({zeileAus({{1, "Abel"}}), zeileAus({{1, "Meier"}})}, 0);
  m().TxtSuche->setText(QStringLiteral("mei"));  // typing enables the timer
  EXPECT_TRUE(m().zeitSuche->Enabled());
  EXPECT_EQ(m().Liste->ListIndex(), 0);
  m().zeitSuche_Timer();
  EXPECT_FALSE(m().zeitSuche->Enabled());
  EXPECT_EQ(m().Liste->ListIndex(), 1);

  // A tick while a timer search runs does nothing and leaves the timer running.
  m().zeitSuche->setEnabled(true);
  m().SucheLaeuft = 1;
  m().Liste->setListIndex(0);
  m().zeitSuche_Timer();
  EXPECT_TRUE(m().zeitSuche->Enabled());
  EXPECT_EQ(m().Liste->ListIndex(), 0);
  m().SucheLaeuft = 0;

  // Enter searches on and types nothing.
  QTest::keyClick(m().TxtSuche->editor(), Qt::Key_Return);
  EXPECT_EQ(m().Liste->ListIndex(), 1);
  EXPECT_EQ(m().TxtSuche->Text(), QStringLiteral("mei"));

  // Double-click empties the box; the timer then finds it empty and searches nothing.
  m().TxtSuche_DblClick();
  EXPECT_EQ(m().TxtSuche->Text(), QString());
  EXPECT_TRUE(m().zeitSuche->Enabled());
  m().StatusBar->setPanelText(QStringLiteral("Status"), QStringLiteral("vorher"));
  m().zeitSuche_Timer();
  EXPECT_FALSE(m().zeitSuche->Enabled());
  EXPECT_EQ(status(), QStringLiteral("vorher"));
  EXPECT_EQ(m().Liste->ListIndex(), 1);
}

TEST_F(SuchenTest, MenuCommandTakesTheFieldText) {
  tabelle({zeileAus({{1, "Meier"}, {2, "Hans"}}), zeileAus({{1, "Abel"}}), zeileAus({{1, "Meierhof"}})}, 0);
  FeldIndex = 1;
  FeldFokus = 1;
  m().Feld(1).setSelStart(0);
  m().Feld(1).setSelLength(4);  // "Meie" selected in the surname box
  m().PulSuchen_Click();
  EXPECT_EQ(m().TxtSuche->Text(), QStringLiteral("Meie"));
  EXPECT_EQ(m().Liste->ListIndex(), 2);
  EXPECT_EQ(FeldFokus, 0);
  EXPECT_EQ(m().TxtSuche->SelStart(), 0);
  EXPECT_EQ(m().TxtSuche->SelLength(), 4);
  // Again with the search box focused last: the same text, the next hit.
  m().PulSuchen_Click();
  EXPECT_EQ(m().TxtSuche->Text(), QStringLiteral("Meie"));
  EXPECT_EQ(m().Liste->ListIndex(), 0);
  // Nothing selected in the box: its whole text.
  FeldIndex = 2;
  FeldFokus = 1;
  m().PulSuchen_Click();
  EXPECT_EQ(m().TxtSuche->Text(), QStringLiteral("Hans"));
  EXPECT_EQ(m().Liste->ListIndex(), 0);
}

TEST_F(SuchenTest, TheMenuItemRunsTheCommandOnCtrlF) {
  EXPECT_EQ(m().PulSuchen->Caption(), QStringLiteral("&Suche Text"));
  EXPECT_EQ(m().PulSuchen->action()->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_F));
  tabelle({zeileAus({{1, "Meier"}}), zeileAus({{1, "Abel"}})}, 0);
  FeldIndex = 1;
  FeldFokus = 1;
  m().PulSuchen->action()->trigger();
  EXPECT_EQ(m().TxtSuche->Text(), QStringLiteral("Meier"));
  EXPECT_EQ(FeldFokus, 0);
}

TEST_F(SuchenTest, WhileTheSearchYieldsTheTableIsGuarded) {
  const QStringList zeilen = {zeileAus({{1, "Abel"}}), zeileAus({{1, "Berta"}}), zeileAus({{1, "Cäsar"}}),
                              zeileAus({{1, "Meier"}})};
  tabelle(zeilen, 0);
  QString fortschritt;
  bool zweiteSucheLief = false;
  // Runs at the first yield of the search: shows the progress, tries a second search, changes the table.
  QTimer::singleShot(0, [&] {
    fortschritt = status();
    const int vorher = m().Liste->ListIndex();
    m().TextSuchen();
    zweiteSucheLief = m().Liste->ListIndex() != vorher || status() != fortschritt;
    m().Liste->setList(2, zeileAus({{1, "Meiser"}}));
  });
  suche(QStringLiteral("mei"), true);
  EXPECT_EQ(fortschritt, QStringLiteral("Text-Suche Adresse...24%"));  // |100 * 1 / 4 - 1|
  EXPECT_FALSE(zweiteSucheLief);
  EXPECT_EQ(m().Liste->ListIndex(), 0);  // the table changed: nothing found, selection kept
  EXPECT_EQ(status(), QStringLiteral("Gesuchten Text »mei« nicht gefunden."));
  // The next search works normally again.
  suche(QStringLiteral("mei"));
  EXPECT_EQ(m().Liste->ListIndex(), 2);
}

TEST_F(SuchenTest, SoundsTellTheOutcome) {
  const QString jo = dateiSchreiben(programmOrdner() + QStringLiteral("/Sgn_Jo.Wav"), "RIFF");
  const QString no = dateiSchreiben(programmOrdner() + QStringLiteral("/Sgn_No.Wav"), "RIFF");
  tabelle({zeileAus({{1, "Abel"}}), zeileAus({{1, "Meier"}})}, 0);
  suche(QStringLiteral("meier"));
  suche(QStringLiteral("xyz"));
  ASSERT_EQ(toene().aufrufe().size(), 2);
  EXPECT_EQ(toene().aufrufe()[0].name, jo);
  EXPECT_EQ(toene().aufrufe()[1].name, no);
}
