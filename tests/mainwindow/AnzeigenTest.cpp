#include "common/Global.h"
#include "mainwindow/Main.h"
#include "platform/vb/Clock.h"
#include "store/Datensatz.h"
#include "support/kern/TestUmgebung.h"

#include <QTest>

class AnzeigenTest : public KartulonTest {
 protected:
  Main& m() { return Main::get(); }
  QString panel(const char* key) { return m().StatusBar->PanelText(QString::fromLatin1(key)); }
  void setHeute(QDate d) { Clock::setFixed(QDateTime(d, QTime(9, 0))); }
};

TEST_F(AnzeigenTest, ShowsTheSelectedRecordWithStatusPanels) {
  QStringList zeilen;
  for (int i = 0; i < 120; ++i) zeilen << zeileAus({{1, QStringLiteral("Name%1").arg(i)}, {23, "4711"}});
  zeilen[4] = zeileAus({{0, " "}, {1, "Meier"}, {11, "a°°b"}, {23, "4711"}});
  m().Liste->setItems(zeilen);
  m().Liste->setListIndex(4);
  EXPECT_EQ(m().Feld(1).Text(), QStringLiteral("Meier"));
  EXPECT_EQ(m().Feld(0).Text(), QString());  // the stored blank of an empty field 0 shows as an empty box
  EXPECT_EQ(m().Feld(11).Text(), QStringLiteral("a\r\nb"));
  EXPECT_EQ(AktuellerDatensatz, zeilen[4]);
  EXPECT_EQ(panel("Position"), QStringLiteral(" Pos. 5 von 120 "));
  EXPECT_EQ(panel("Index"), QStringLiteral(" #4711 "));
  EXPECT_EQ(panel("Unsaved"), QString());
  EXPECT_EQ(panel("Status"), QStringLiteral("Bereit"));
}

TEST_F(AnzeigenTest, EmptyTableClearsTheBoxesAndKeepsTheLabels) {
  m().Liste->setItems({zeileAus({{1, "A"}, {20, "15.03.1960"}})});
  m().Liste->setListIndex(0);
  const QString alter = m().bezInfo2(20).Caption();
  m().Liste->Clear();
  m().AdresseAnzeigen();
  for (int i = 0; i < 24; ++i) EXPECT_EQ(m().Feld(i).Text(), QString()) << i;
  EXPECT_EQ(panel("Position"), QStringLiteral(" Pos. 0 von 0 "));
  EXPECT_EQ(panel("Index"), QStringLiteral(" # "));
  EXPECT_EQ(m().bezInfo2(20).Caption(), alter);
}

TEST_F(AnzeigenTest, IndexPanelShowsTheLeadingNumberWhateverItsSize) {
  struct Fall {
    const char* feld;
    const char* panel;
  };
  const Fall faelle[] = {{"4711", " #4711 "},
                         {"", " # "},
                         {"0", " # "},
                         {"12abc", " #12 "},
                         {"100000000000000000000", " #100000000000000000000 "}};
  for (const Fall& f : faelle) {
    m().Liste->setItems({zeileAus({{23, QString::fromLatin1(f.feld)}})});
    m().Liste->setListIndex(0);
    EXPECT_EQ(panel("Index"), QString::fromLatin1(f.panel)) << f.feld;
  }
}

TEST_F(AnzeigenTest, AgeAndDayLabels) {
  struct Fall {
    QDate heute;
    const char* geburt;
    const char* alter;
  };
  const Fall faelle[] = {
      {{2000, 1, 10}, "15.03.1960", "39 Jahre und\r\n10 Monate alt"},
      {{2000, 1, 10}, "28.01.1999", "1 Jahr alt"},
      {{2000, 1, 10}, "02.01.2000", ""},
      {{2000, 1, 10}, "31.12.1999", "1 Monat alt"},
      {{2000, 1, 10}, "10.06.2000", "7 Monate alt"},  // five months ahead
      {{2000, 1, 10}, "kein Datum", ""},
  };
  for (const Fall& f : faelle) {
    setHeute(f.heute);
    m().Liste->setItems({zeileAus({{20, QString::fromUtf8(f.geburt)}})});
    m().Liste->setListIndex(0);
    EXPECT_EQ(m().bezInfo2(20).Caption(), QString::fromUtf8(f.alter)) << f.geburt;
  }
  setHeute({2000, 1, 6});
  m().Liste->setItems({zeileAus({{16, "01.01.2000"}})});
  m().Liste->setListIndex(0);
  EXPECT_EQ(m().bezZeit1->Caption(), QStringLiteral(">1588 Tg."));
  EXPECT_EQ(m().bezZeit2->Caption(), QStringLiteral("5 Tg."));
}

TEST_F(AnzeigenTest, StoringStampsTheChangeDateOnlyOnARealChange) {
  setHeute({2026, 12, 10});
  const QString alt = zeileAus({{0, "Privat"}, {3, "Weg 1"}, {16, "09.12.2026"}});
  m().Liste->setItems({alt});
  m().Liste->setListIndex(0);
  m().AdresseAktualisieren(0);  // nothing changed
  EXPECT_EQ(m().Liste->List(0), alt);
  EXPECT_EQ(Geaendert, 1);  // set whatever follows
  m().Feld(3).setText(QStringLiteral("Weg 2"));
  m().AdresseAktualisieren(0);
  EXPECT_EQ(m().Liste->List(0), zeileAus({{0, "Privat"}, {3, "Weg 2"}, {16, "10.12.2026"}}));
  EXPECT_EQ(panel("Unsaved"), QStringLiteral(" * "));
  m().Feld(3).setText(QStringLiteral("Weg 3"));
  Clock::setFixed(QDateTime(QDate(2026, 12, 11), QTime(9, 0)));
  m().AdresseAktualisieren(1);  // leaves the change date
  EXPECT_EQ(m().Liste->List(0), zeileAus({{0, "Privat"}, {3, "Weg 3"}, {16, "10.12.2026"}}));
}

TEST_F(AnzeigenTest, EmptyingBoxZeroStoresABlank) {
  m().Liste->setItems({zeileAus({{0, "Privat"}, {1, "X"}})});
  m().Liste->setListIndex(0);
  m().Feld(0).setText(QString());
  m().AdresseAktualisieren(0);
  EXPECT_TRUE(m().Liste->List(0).startsWith(QStringLiteral(" \tX\t")));
  EXPECT_EQ(m().Feld(0).Text(), QString());  // the stored blank shows as an empty box
}

TEST_F(AnzeigenTest, TypingIntoAnEmptyTableAppendsTheFirstRecord) {
  m().show();
  m().Feld(1).SetFocus();
  m().Feld(1).KeyUp = [&](int&, int) { m().AdresseAktualisieren(0); };
  QTest::keyClicks(m().Feld(1).editor(), QStringLiteral("Neu"));
  ASSERT_EQ(m().Liste->ListCount(), 1);
  EXPECT_EQ(m().Liste->ListIndex(), 0);
  // Created today with the next running index, as the new-record command makes it.
  EXPECT_EQ(m().Liste->List(0), zeileAus({{0, " "}, {1, "Neu"}, {15, "10.12.2026"}, {16, "10.12.2026"}, {23, "1"}}));
  EXPECT_EQ(m().Feld(23).Text(), QStringLiteral("1"));
  EXPECT_EQ(m().Feld(1).Text(), QStringLiteral("Neu"));
}

TEST_F(AnzeigenTest, Field11LimitFollowsTheOtherFields) {
  m().Liste->setItems({zeileAus({{1, QString(100, u'x')}})});
  m().Liste->setListIndex(0);
  m().AdresseAktualisieren(1);
  EXPECT_EQ(m().Feld(11).MaxLength(), 900);
  EXPECT_FALSE(m().Feld(11).TypingBlocked());
  m().Feld(10).setText(QString(1100, u'y'));  // over-long from a file
  m().AdresseAktualisieren(1);
  EXPECT_TRUE(m().Feld(11).TypingBlocked());
  EXPECT_EQ(m().Feld(10).Text().size(), 1100);  // kept whole
}

TEST_F(AnzeigenTest, DoubleClickPutsTheFocusIntoTheSurname) {
  m().show();
  m().Liste->setItems({zeileAus({{1, "A"}})});
  m().Liste->setListIndex(0);
  m().activateWindow();
  m().Liste_DblClick();
  QApplication::processEvents();
  EXPECT_TRUE(m().Feld(1).hasFocusNow());
}
