// The switches of the settings dialog as read from and written to Zedured.ini and CallByCall.ini.
#include "common/Einstellungen.h"
#include "common/Ini.h"
#include "platform/vb/Codec.h"
#include "support/kern/TestUmgebung.h"

#include <QFile>
#include <QFileInfo>

class EinstellungenTest : public KartulonTest {
 protected:
  QString zedured() const { return windowsOrdner() + QStringLiteral("/Zedured.ini"); }
  QString callByCall() const { return programmOrdner() + QStringLiteral("/CallByCall.ini"); }
};

TEST_F(EinstellungenTest, StoredValuesGiveTheDialogsChoices) {
  struct Fall {
    const char* was;
    QByteArray zedured;     // lines of the program's section
    QByteArray callByCall;  // the file's bytes; empty: no file
    int sort;
    bool sortUnbekannt;
    int fall;
    int land;
    bool landUnbekannt;
    int auswahl, ortPlz, trim, doppelt;
    bool cbcSichtbar;
    int cbc;
  };
  const Fall faelle[] = {
      {"nothing stored: the defaults", {}, {}, 0, false, 0, 2, false, 0, 1, 0, 0, false, 1},
      {"sort by postcode, rounded case, small country, ticks from 2 and -1",
       "SortAtClose=04\r\nAutoFormatUCase=2.5\r\nKatalogStdLand=ch-\r\nAuswahl\xD6"
       "ffnen=2\r\nOrtAusPlz=0\r\n"
       "AutoFormatTrim=-1\r\nAutoSucheDoppeltenNamen=1\r\n",
       "[Allgemein]\r\naktiviert=0\r\n", 3, false, 2, 1, false, 1, 0, 1, 1, true, 0},
      {"a code without its zero, a case beyond the list, an unknown country",
       "SortAtClose=4\r\nAutoFormatUCase=7\r\nKatalogStdLand=F-\r\n", "[Allgemein]\r\naktiviert=\r\n", 0, true, -1, 0,
       true, 0, 1, 0, 0, false, 0},
      {"case 2, field 16, a half rounded to the even neighbour", "SortAtClose=16\r\nAutoFormatUCase=3.5\r\n",
       "[Allgemein]\r\naktiviert=2\r\n", 8, false, 4, 2, false, 0, 1, 0, 0, true, 1},
  };
  for (const Fall& f : faelle) {
    SCOPED_TRACE(f.was);
    dateiSchreiben(zedured(), "[Kartulon]\r\n" + f.zedured);
    QFile::remove(callByCall());
    if (!f.callByCall.isEmpty()) dateiSchreiben(callByCall(), f.callByCall);
    const EinstellungsWerte w = EinstellungenLesen();
    EXPECT_EQ(w.sortAmEnde, f.sort);
    EXPECT_EQ(w.sortUnbekannt, f.sortUnbekannt);
    EXPECT_EQ(w.autoFormatCase, f.fall);
    EXPECT_EQ(w.katalogLand, f.land);
    EXPECT_EQ(w.katalogUnbekannt, f.landUnbekannt);
    EXPECT_EQ(w.auswahlOeffnen, f.auswahl);
    EXPECT_EQ(w.ortAusPlz, f.ortPlz);
    EXPECT_EQ(w.autoFormatTrim, f.trim);
    EXPECT_EQ(w.autoNameDoppelt, f.doppelt);
    EXPECT_EQ(w.callByCallSichtbar, f.cbcSichtbar);
    EXPECT_EQ(w.callByCall, f.cbc);
  }
}

TEST_F(EinstellungenTest, WritingBackGivesNumberTextsAndCodesAndKeepsWhatTheListsCannotShow) {
  const QByteArray vorher =
      "[Kartulon]\r\nAuswahl\xD6"
      "ffnen=2\r\nOrtAusPlz=-1\r\nAutoSucheDoppeltenNamen=0\r\nAutoFormatUCase=2.5\r\n"
      "AutoFormatTrim=1\r\nSortAtClose=4\r\nKatalogStdLand=F-\r\nAndere=  bleibt\r\n";
  const QByteArray cbcVorher = "[Allgemein]\r\naktiviert=7\r\n";
  struct Fall {
    const char* was;
    bool sortGewaehlt, landGewaehlt;
    QByteArray sortZeile, landZeile;
  };
  const Fall faelle[] = {
      {"nothing chosen: the hand-made values stay", false, false, "SortAtClose=4\r\n", "KatalogStdLand=F-\r\n"},
      {"chosen: the lists' entries are written", true, true, "SortAtClose=-1\r\n", "KatalogStdLand=A-\r\n"},
  };
  for (const Fall& f : faelle) {
    SCOPED_TRACE(f.was);
    dateiSchreiben(zedured(), vorher);
    dateiSchreiben(callByCall(), cbcVorher);
    EinstellungenSchreiben(EinstellungenLesen(), f.sortGewaehlt, f.landGewaehlt);
    ASSERT_TRUE(IniSichern());
    EXPECT_EQ(dateiLesen(zedured()),
              QByteArray("[Kartulon]\r\nAuswahl\xD6"
                         "ffnen= 1\r\nOrtAusPlz= 1\r\n"
                         "AutoSucheDoppeltenNamen= 0\r\nAutoFormatUCase= 2\r\nAutoFormatTrim= 1\r\n") +
                  f.sortZeile + f.landZeile + "Andere=  bleibt\r\n");
    EXPECT_EQ(dateiLesen(callByCall()), QByteArray("[Allgemein]\r\naktiviert= 1\r\n"));
  }
}

TEST_F(EinstellungenTest, AHiddenCallByCallBoxLeavesItsFileAlone) {
  for (const QByteArray& cbc : {QByteArray(), QByteArray("[Allgemein]\r\naktiviert=\r\n")}) {
    QFile::remove(callByCall());
    if (!cbc.isEmpty()) dateiSchreiben(callByCall(), cbc);
    EinstellungsWerte w = EinstellungenLesen();
    ASSERT_FALSE(w.callByCallSichtbar);
    w.callByCall = 0;
    w.autoFormatCase = -1;
    EinstellungenSchreiben(w, false, false);
    ASSERT_TRUE(IniSichern());
    EXPECT_EQ(QFileInfo::exists(callByCall()), !cbc.isEmpty());
    if (!cbc.isEmpty()) {
      EXPECT_EQ(dateiLesen(callByCall()), cbc);
    }
    // No selection in the case list is written as -1.
    EXPECT_EQ(IniLesen(QString(), QString(), QStringLiteral("AutoFormatUCase"), QString()), QStringLiteral("-1"));
  }
}
