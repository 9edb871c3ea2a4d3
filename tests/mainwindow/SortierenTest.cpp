#include "common/Global.h"
#include "mainwindow/Main.h"
#include "store/Sortieren.h"
#include "support/kern/TestUmgebung.h"

#include <QGuiApplication>

static void PrintTo(const QString& s, std::ostream* os) { *os << '"' << s.toStdString() << '"'; }

namespace {

// The field of each line, in table order.
QStringList spalte(const QStringList& zeilen, int feld) {
  QStringList s;
  for (const QString& z : zeilen) s << z.split(u'\t').value(feld);
  return s;
}

QStringList zeilenMit(int feld, const QStringList& werte) {
  QStringList zeilen;
  for (const QString& w : werte) zeilen << zeileAus({{0, "x"}, {feld, w}});
  return zeilen;
}

}  // namespace

class SortierenTest : public KartulonTest {
 protected:
  Main& m() { return Main::get(); }
  QStringList tabelle() const { return Main::get().Liste->items(); }
};

TEST_F(SortierenTest, OrderByField) {
  struct Fall {
    int feld;
    QStringList werte;
    QStringList erwartet;
  };
  const Fall faelle[] = {
      // German collation, case-insensitive: umlauts beside their base letters.
      {1,
       {"Zimmer", "Übel", "Öz", "Ober", "Ärger", "Abel", "Ullmann"},
       {"Abel", "Ärger", "Ober", "Öz", "Übel", "Ullmann", "Zimmer"}},
      {1, {"zander", "Adler", "müller", "Muller", "MEIER"}, {"Adler", "MEIER", "Muller", "müller", "zander"}},
      // Dates dd.mm.yyyy sort by year, month, day; other lengths by their raw text.
      {15, {"01.02.2000", "31.12.1999", "15.06.1998"}, {"15.06.1998", "31.12.1999", "01.02.2000"}},
      {16, {"02.01.2001", "01.02.2000", "1.2.2000"}, {"1.2.2000", "01.02.2000", "02.01.2001"}},
      {20, {"1999/12/31", "01.01.1970", ""}, {"", "01.01.1970", "1999/12/31"}},  // "/" form: key "2/31.12.19"
      // Numbers sort as text.
      {23, {"9", "10", "100", "2"}, {"10", "100", "2", "9"}},
      {4, {"80331", "01067", "1000"}, {"01067", "1000", "80331"}},
  };
  for (const Fall& f : faelle) {
    m().Liste->setItems(zeilenMit(f.feld, f.werte));
    m().mnuSort_Click(static_cast<short>(f.feld));
    EXPECT_EQ(spalte(tabelle(), f.feld), f.erwartet) << "field " << f.feld;
  }
}

TEST_F(SortierenTest, TheWholeKeyDecides) {
  // A difference of letters in a later field outweighs a difference of accents in the sort field.
  m().Liste->setItems({zeileAus({{1, "Müller"}, {2, "Anna"}}), zeileAus({{1, "Muller"}, {2, "Bert"}})});
  m().mnuSort_Click(1);
  EXPECT_EQ(spalte(tabelle(), 1), (QStringList{"Müller", "Muller"}));
  m().Liste->setItems({zeileAus({{1, "Müller"}, {2, "Anna"}}), zeileAus({{1, "Muller"}, {2, "anna"}})});
  m().mnuSort_Click(1);
  EXPECT_EQ(spalte(tabelle(), 1), (QStringList{"Muller", "Müller"}));
}

TEST_F(SortierenTest, OtherFieldsBreakTiesInRotation) {
  m().Liste->setItems({
      zeileAus({{0, "B"}, {1, "Meier"}, {2, "Udo"}, {3, "Weg 1"}}),
      zeileAus({{0, "A"}, {1, "meier"}, {2, "Anna"}, {3, "Weg 2"}}),
      zeileAus({{0, "C"}, {1, "Meier"}, {2, "Anna"}, {3, "Allee 9"}}),
      zeileAus({{0, "A"}, {1, "Abt"}, {2, "Zoe"}}),
  });
  m().mnuSort_Click(1);
  EXPECT_EQ(spalte(tabelle(), 0), (QStringList{"A", "C", "A", "B"}));
  // Sorting by field 0: equal categories are ordered by surname, then first name.
  m().mnuSort_Click(0);
  EXPECT_EQ(spalte(tabelle(), 2), (QStringList{"Zoe", "Anna", "Udo", "Anna"}));
}

TEST_F(SortierenTest, EqualKeysKeepTheirOrderAndIdenticalLinesSurvive) {
  const QString a = zeileAus({{0, "x"}, {1, "meier"}});
  const QString b = zeileAus({{0, "x"}, {1, "Meier"}});
  const QString c = zeileAus({{0, "x"}, {1, "Abel"}});
  m().Liste->setItems({a, b, c, a});
  m().mnuSort_Click(1);
  EXPECT_EQ(tabelle(), (QStringList{c, a, b, a}));
}

TEST_F(SortierenTest, SameOrderAsTheSortedListBox) {
  // The sorted list box is the reference engine: insert the keys one by one and compare.
  const QStringList namen = {"Müller", "Mueller",   "muller",    "Muller",   "Öztürk", "Oz",   "Ärger", "Arg",   "ABEL",
                             "abel",   "Abel-Zahn", "Abel Zahn", "van Dijk", "Von",    "Weiß", "Weiss", "weiss", ""};
  const QStringList vornamen = {"Jörg", "Jorg", "jörg", "Zoë", "Zoe", ""};
  QStringList zeilen;
  for (const QString& n : namen)
    for (const QString& v : vornamen) zeilen << zeileAus({{0, " "}, {1, n}, {2, v}, {5, v + n}});
  for (int feld : {1, 2, 5}) {
    m().ListeSort->Clear();
    for (const QString& z : zeilen) m().ListeSort->AddItem(SortSchluessel(z, feld));
    QStringList erwartet;
    for (const QString& s : m().ListeSort->items()) {
      // Rotate the key back into a line.
      const QStringList teile = s.split(u'\t');
      QString zeile;
      for (int f = 0; f < 24; ++f) zeile += teile[(f - feld + 24) % 24] + u'\t';
      erwartet << zeile;
    }
    EXPECT_EQ(ZeilenSortieren(zeilen, feld), erwartet) << "field " << feld;
  }
  m().ListeSort->Clear();
}

TEST_F(SortierenTest, LinesComeOutWithExactly24Fields) {
  QString kurz = zeileAus({{0, "k"}, {1, "Kurz"}});
  kurz.chop(1);  // 23 separators
  QString lang = zeileAus({{0, "l"}, {1, "Lang"}});
  for (int i = 0; i < 6; ++i) lang += QStringLiteral("extra\t");
  const QString ohneTab = QStringLiteral("Nur Rubrik");
  m().Liste->setItems({kurz, lang, ohneTab});
  m().mnuSort_Click(0);
  EXPECT_EQ(tabelle(), (QStringList{zeileAus({{0, "k"}, {1, "Kurz"}}), zeileAus({{0, "l"}, {1, "Lang"}}),
                                    zeileAus({{0, "Nur Rubrik"}})}));
}

TEST_F(SortierenTest, SelectedRecordIsSelectedAgain) {
  QString c = zeileAus({{0, "x"}, {1, "Cäsar"}});
  c.chop(1);  // rewritten by the sort
  const QString a = zeileAus({{0, "x"}, {1, "Anton"}});
  const QString b = zeileAus({{0, "x"}, {1, "Berta"}});
  m().Liste->setItems({c, b, a, b});
  m().Liste->setListIndex(0);
  m().mnuSort_Click(1);
  EXPECT_EQ(m().Liste->ListIndex(), 3);
  EXPECT_EQ(m().Feld(1).Text(), QStringLiteral("Cäsar"));
  EXPECT_EQ(AktuellerDatensatz, c + u'\t');
  // Two identical lines: the first in the new order is selected.
  m().Liste->setListIndex(3);
  m().Liste->setListIndex(1);
  m().mnuSort_Click(1);
  EXPECT_EQ(m().Liste->ListIndex(), 1);
  EXPECT_EQ(tabelle(), (QStringList{a, b, b, c + u'\t'}));
  // Nothing selected: nothing selected afterwards.
  m().Liste->setListIndex(-1);
  m().mnuSort_Click(1);
  EXPECT_EQ(m().Liste->ListIndex(), -1);
}

TEST_F(SortierenTest, SmallTablesAndTheIdleStateAfterwards) {
  m().mnuSort_Click(1);
  EXPECT_EQ(Geaendert, 1);  // an empty table counts as changed too
  EXPECT_EQ(m().Liste->ListCount(), 0);
  EXPECT_EQ(m().Liste->ListIndex(), -1);

  Geaendert = 0;
  QString eine = zeileAus({{0, "x"}, {1, "Solo"}});
  eine.chop(1);
  m().Liste->setItems({eine});
  m().Liste->setListIndex(0);
  m().mnuSort_Click(16);
  EXPECT_EQ(tabelle(), QStringList{eine + u'\t'});
  EXPECT_EQ(m().Liste->ListIndex(), 0);
  EXPECT_EQ(Geaendert, 1);
  EXPECT_EQ(dialoge().requests().size(), 0);
  EXPECT_EQ(m().StatusBar->PanelText(QStringLiteral("Status")), QStringLiteral("Bereit"));
  EXPECT_FALSE(m().ProgressBar->isVisible());
  EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
  EXPECT_TRUE(m().ListeSort->items().isEmpty());
}

TEST_F(SortierenTest, FieldOutsideTheRecordLeavesTheTableAlone) {
  QString kurz = zeileAus({{1, "Zeta"}});
  kurz.chop(1);
  const QStringList vorher = {kurz, zeileAus({{1, "Alpha"}})};
  m().Liste->setItems(vorher);
  m().Liste->setListIndex(0);
  for (short feld : {-1, 24, 99}) {
    m().mnuSort_Click(feld);
    EXPECT_EQ(tabelle(), vorher) << feld;
    EXPECT_EQ(m().Liste->ListIndex(), 0);
  }
  EXPECT_EQ(Geaendert, 0);
}

TEST_F(SortierenTest, TheSortMenuHasItsElevenItems) {
  struct Eintrag {
    int feld;
    const char* caption;
    QKeySequence taste;
  };
  const Eintrag eintraege[] = {
      {0, "nach &Rubrik", QKeySequence(Qt::CTRL | Qt::Key_F4)},
      {1, "nach &Nachname", {}},
      {4, "nach &PLZ", {}},
      {6, "nach &Land", {}},
      {7, "nach &Telefon-Nr.", {}},
      {10, "nach &Zusatz", {}},
      {15, "nach &Erstellungsdatum", {}},
      {16, "nach &Änderungsdatum", QKeySequence(Qt::SHIFT | Qt::CTRL | Qt::Key_F4)},
      {20, "nach &Geburtstag (Alter)", {}},
      {22, "nach &WWW-Seite", {}},
      {23, "nach &Index", {}},
  };
  EXPECT_EQ(m().mnuSort.Count(), 11);
  for (const Eintrag& e : eintraege) {
    vb::MenuItem* item = m().mnuSort.at(e.feld);
    ASSERT_NE(item, nullptr) << e.feld;
    EXPECT_EQ(item->Caption(), QString::fromUtf8(e.caption)) << e.feld;
    EXPECT_EQ(item->action()->shortcut(), e.taste) << e.feld;
  }
  // An item sorts by its own field.
  m().Liste->setItems(zeilenMit(4, {"80331", "10115"}));
  m().mnuSort.at(4)->Click();
  EXPECT_EQ(spalte(tabelle(), 4), QStringList({"10115", "80331"}));
}
