// The toolbar's keys, the status-bar clock with the idle time-out, and the first paint.
#include "common/Global.h"
#include "common/Ini.h"
#include "mainwindow/Main.h"
#include "platform/vb/Clock.h"
#include "platform/vb/Programm.h"
#include "store/Datensatz.h"
#include "support/kern/TestUmgebung.h"

#include <QTest>

namespace {

class WerkzeugleisteTest : public KartulonTest {
 protected:
  Main& m() { return Main::get(); }
  QString panel(const char* key) { return m().StatusBar->PanelText(QString::fromLatin1(key)); }
  void klick(const char16_t* key) {
    QAction* a = m().Toolbar->Button(QString::fromUtf16(key));
    ASSERT_NE(a, nullptr);
    a->trigger();
  }
  void tabelle(int anzahl, int auswahl) {
    QStringList zeilen;
    for (int i = 0; i < anzahl; ++i) zeilen << zeileAus({{1, QStringLiteral("Name%1").arg(i)}});
    m().Liste->setItems(zeilen);
    m().Liste->setListIndex(auswahl);
  }
};

TEST_F(WerkzeugleisteTest, NavigationKeysStepThroughTheTable) {
  struct Fall {
    const char16_t* key;
    int anzahl, vorher, nachher;
  };
  const Fall faelle[] = {
      {u"LaufPos1", 5, 3, 0}, {u"LaufEnde", 5, 1, 4},   {u"LaufBw", 5, 3, 2},     {u"LaufBw", 5, 0, 0},
      {u"LaufBw", 5, -1, 0},  {u"LaufFw", 5, 3, 4},     {u"LaufFw", 5, 4, 4},     {u"LaufFw", 5, -1, 0},
      {u"LaufFw", 1, 0, 0},   {u"LaufPos1", 0, -1, -1}, {u"LaufEnde", 0, -1, -1}, {u"LaufBw", 0, -1, -1},
  };
  for (const Fall& f : faelle) {
    tabelle(f.anzahl, f.vorher);
    AktuellerDatensatz = QStringLiteral("alt");
    LeerlaufSekunden = 7;
    klick(f.key);
    const QString fall = QString::fromUtf16(f.key) + QStringLiteral(" %1/%2").arg(f.vorher).arg(f.anzahl);
    EXPECT_EQ(m().Liste->ListIndex(), f.nachher) << fall.toStdString();
    if (f.nachher < 0) continue;
    EXPECT_EQ(AktuellerDatensatz, m().Liste->List(f.nachher)) << fall.toStdString();
    EXPECT_EQ(m().Feld(1).Text(), QStringLiteral("Name%1").arg(f.nachher)) << fall.toStdString();
    EXPECT_EQ(panel("Position"), QStringLiteral(" Pos. %1 von %2 ").arg(f.nachher + 1).arg(f.anzahl));
    EXPECT_EQ(LeerlaufSekunden, 0);
  }
}

TEST_F(WerkzeugleisteTest, SortKeysSortByChangeDateAndByCategory) {
  const QString a = zeileAus({{0, "Privat"}, {1, "A"}, {16, "03.01.2020"}});
  const QString b = zeileAus({{0, "Arbeit"}, {1, "B"}, {16, "01.01.2020"}});
  const QString c = zeileAus({{0, "Verein"}, {1, "C"}, {16, "02.01.2020"}});
  m().Liste->setItems({a, b, c});
  m().Liste->setListIndex(0);
  klick(u"Ordne01");
  EXPECT_EQ(m().Liste->items(), (QStringList{b, c, a}));
  EXPECT_EQ(m().Liste->List(m().Liste->ListIndex()), a);  // the current record stays selected
  klick(u"OrdneAZ");
  EXPECT_EQ(m().Liste->items(), (QStringList{b, a, c}));
}

TEST_F(WerkzeugleisteTest, SearchKeySearchesTheCurrentFieldsText) {
  m().Liste->setItems({zeileAus({{1, "Meier"}, {5, "Ulm"}}), zeileAus({{1, "Huber"}, {5, "Bonn"}}),
                       zeileAus({{1, "Kurz"}, {5, "Ulm"}})});
  m().Liste->setListIndex(0);
  FeldIndex = 5;
  FeldFokus = 1;
  klick(u"Suchen");
  EXPECT_EQ(m().TxtSuche->Text(), QStringLiteral("Ulm"));
  EXPECT_EQ(m().Liste->ListIndex(), 2);
}

TEST_F(WerkzeugleisteTest, RecordKeysAddCopyAndDelete) {
  const QString a = zeileAus({{1, "Meier"}, {2, "Hans"}, {23, "7"}});
  m().Liste->setItems({a});
  m().Liste->setListIndex(0);
  klick(u"ListeKopieren");
  ASSERT_EQ(m().Liste->ListCount(), 2);
  EXPECT_EQ(m().Liste->ListIndex(), 1);
  EXPECT_EQ(m().Feld(1).Text(), QStringLiteral("Meier"));
  EXPECT_EQ(m().Feld(15).Text(), QStringLiteral("10.12.2026"));
  klick(u"ListeNeu");
  ASSERT_EQ(m().Liste->ListCount(), 3);
  EXPECT_EQ(m().Liste->ListIndex(), 2);
  EXPECT_EQ(m().Feld(1).Text(), QString());
  dialoge().answer(vb::vbYes);
  m().Liste->setListIndex(1);
  klick(u"ListeLöschen");
  EXPECT_EQ(m().Liste->ListCount(), 2);
  ASSERT_EQ(dialoge().requests().size(), 1);
  EXPECT_EQ(dialoge().requests()[0].title, QStringLiteral("Adresse löschen?"));
  EXPECT_EQ(m().Liste->List(0), a);
}

TEST_F(WerkzeugleisteTest, ClockTickWritesDateAndTime) {
  Clock::setFixed(QDateTime(QDate(2026, 3, 7), QTime(9, 5, 59)));
  m().ZeitTimeOut_Timer();
  EXPECT_EQ(panel("Datum"), QStringLiteral(" 07.03.2026 "));
  EXPECT_EQ(panel("Zeit"), QStringLiteral(" 09:05 "));
  EXPECT_EQ(m().ZeitTimeOut->Interval(), 25001);
  // The timer runs the same procedure.
  Clock::setFixed(QDateTime(QDate(2026, 3, 8), QTime(23, 59)));
  ASSERT_TRUE(m().ZeitTimeOut->Tick);
  m().ZeitTimeOut->Tick();
  EXPECT_EQ(panel("Zeit"), QStringLiteral(" 23:59 "));
}

TEST_F(WerkzeugleisteTest, IdleTimeOutWarnsThenEnds) {
  m().Liste->setItems({zeileAus({{1, "A"}})});
  TimeOutSekunden = 600;
  LeerlaufSekunden = 0;
  m().StatusBar->setPanelText(QStringLiteral("Status"), QStringLiteral("Status"));
  for (int tick = 1; tick <= 19; ++tick) m().ZeitTimeOut_Timer();
  EXPECT_NEAR(LeerlaufSekunden, 475.019, 0.01);
  EXPECT_EQ(panel("Status"), QStringLiteral("Status"));  // not yet: 124.98 s left
  m().ZeitTimeOut_Timer();
  EXPECT_EQ(panel("Status"), QStringLiteral("Automatisches Programmende in 1,7 Minuten..."));
  for (int tick = 21; tick <= 23; ++tick) m().ZeitTimeOut_Timer();
  EXPECT_TRUE(programmEnden().isEmpty());
  EXPECT_THROW(m().ZeitTimeOut_Timer(), vb::Programm::Beendet);  // 600.024
  EXPECT_EQ(programmEnden().size(), 1);
}

TEST_F(WerkzeugleisteTest, AChangeOfAFieldRestartsTheIdleCount) {
  m();                   // loaded first: the load takes the time-out of the file it opens
  TimeOutSekunden = 60;  // under 120: warned from the first tick
  m().ZeitTimeOut_Timer();
  EXPECT_EQ(panel("Status"), QStringLiteral("Automatisches Programmende in 35 Sekunden..."));
  m().ZeitTimeOut_Timer();
  m().Feld(3).setText(QStringLiteral("Weg"));  // set by code counts too
  EXPECT_EQ(LeerlaufSekunden, 0);
  m().ZeitTimeOut_Timer();
  EXPECT_TRUE(programmEnden().isEmpty());
}

TEST_F(WerkzeugleisteTest, NoTimeOutWithoutASetting) {
  m();
  TimeOutSekunden = 0;
  m().StatusBar->setPanelText(QStringLiteral("Status"), QStringLiteral("Status"));
  for (int tick = 0; tick < 100; ++tick) m().ZeitTimeOut_Timer();
  EXPECT_EQ(panel("Status"), QStringLiteral("Status"));
  EXPECT_TRUE(programmEnden().isEmpty());
}

}  // namespace

namespace {

// Every key shows a picture of its own (from the icon theme or the program's own) and is on.
TEST_F(WerkzeugleisteTest, EveryKeyHasItsOwnPictureAndIsOn) {
  const QStringList tasten = {"Ende",         "Laden",    "Speichern", "Drucken", "Foto",     "Umschlag",
                              "Telefon",      "Ordne01",  "OrdneAZ",   "Suchen",  "ListeNeu", "ListeKopieren",
                              "ListeLöschen", "LaufPos1", "LaufBw",    "LaufFw",  "LaufEnde"};
  QList<QImage> gesehen;
  for (const QString& taste : tasten) {
    SCOPED_TRACE(taste.toStdString());
    QAction* a = m().Toolbar->Button(taste);
    ASSERT_NE(a, nullptr);
    const QImage bild = a->icon().pixmap(QSize(24, 24)).toImage().convertToFormat(QImage::Format_ARGB32);
    ASSERT_FALSE(bild.isNull());
    EXPECT_FALSE(gesehen.contains(bild)) << "the same picture as another key";
    gesehen.append(bild);
    EXPECT_TRUE(a->isEnabled());
  }
  // The program's own pictures are built in.
  for (const char* name : {"Ende", "Suchen", "ListeLoeschen", "Umschlag"})
    EXPECT_FALSE(QIcon(QStringLiteral(":/Symbole/%1.png").arg(QString::fromLatin1(name))).pixmap(24).isNull()) << name;
}

}  // namespace
