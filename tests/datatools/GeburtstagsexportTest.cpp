// The birthdays in the planner's date file: the file byte for byte, the planner's list of date files,
// the count, and the refusals and failures that write nothing.
#include "datatools/ExportHilfe.h"
#include "datatools/Geburtstagsexport.h"

#include "common/Ini.h"
#include "common/Text.h"
#include "platform/vb/Clock.h"
#include "platform/vb/IniDatei.h"
#include "platform/vb/Vb.h"

using namespace Qt::Literals::StringLiterals;

namespace {

QString person(const QString& nachname, const QString& vorname, const QString& geburtstag) {
  return zeileAus({{1, nachname}, {2, vorname}, {20, geburtstag}});
}

QString zedured(const char* schluessel) { return IniLesen("", "Kelvor", schluessel, "<fehlt>"); }

class GeburtstagTest : public ExportTest {
 protected:
  // A planner folder with a date file of these bytes (none for nothing), registered as Dir.
  QString planer(const QString& name, const std::optional<QByteArray>& dci, const QString& anhang = {}) {
    const QString ordner = tempPfad(name);
    QDir().mkpath(ordner);
    if (dci) dateiSchreiben(ordner + u"/Geburtstage.dci"_s, *dci);
    IniSchreiben("", "Kelvor", "Dir", ordner + anhang);
    return ordner + u"/Geburtstage.dci"_s;
  }
  Exportergebnis exportieren(const QStringList& zeilen) {
    status_.clear();
    const Exportergebnis e =
        GeburtstageExportieren(zeilen, standardBezeichnungen(), [this](const QString& t) { status_ << t; });
    IniSichern();
    return e;
  }
  QStringList status_;
};

const QByteArray kVorher =
    "[Allgemein]\r\nBeschreibung=Meine Geburtstage\r\n\r\n"
    "[Zyklisch]\r\n05.03=Alt~Eintrag\r\n24.12=Weihnachten\r\n\r\n"
    "[Sonstiges]\r\nX=1\r\n";

}  // namespace

TEST(Geburtsdatum, OnlyADateWithAYearIsOne) {
  const std::pair<const char*, bool> faelle[] = {
      {"05.03.1961", true}, {"5.3.61", true},  {"29.02.1960", true}, {"29.02.1961", false}, {"12.05.", false},
      {"12.05", false},     {"29.02.", false}, {"ab.cd", false},     {"", false},           {"05.03.1961 10:30", true},
  };
  for (const auto& [text, mitJahr] : faelle) EXPECT_EQ(GeburtsdatumMitJahr(QString::fromLatin1(text)), mitJahr) << text;
}

TEST_F(GeburtstagTest, DateFileByteForByteWithAnyFolderSpelling) {
  const QStringList zeilen = {
      person(u"Meier"_s, u"Hans"_s, u"05.03.1961"_s),
      person(u"Bergmann"_s, u"Anna"_s, u"12.05."_s),
      person(u"Berg"_s, u"Anna"_s, u"12.05."_s),  // found inside Anna Bergmann's entry: not added
      person(u"Zander"_s, u"Eva"_s, u"05.03.1980"_s),
      person(u"meier"_s, u"hans"_s, u"05.03.1961"_s),  // there already in another case
      person(u"Schaltjahr"_s, u"Lea"_s, u"29.02.1960"_s),
      person(u"Kurz"_s, u"Karl"_s, u"5.3.1960"_s),  // not of the form dd.mm: left out
      person(u"Rätsel"_s, u"Rita"_s, u"ab.cd"_s),   // no date: the template without age
      person(u"Ohne"_s, u"Otto"_s, u""_s),
  };
  const QByteArray erwartet =
      "[Allgemein]\r\nBeschreibung=Meine Geburtstage\r\nDruckFarbe=Blau\r\n\r\n"
      "[Zyklisch]\r\n"
      "05.03=Geburtstag: Hans Meier wird {DiffJa:05.03.1961} alt~Geburtstag: Eva Zander wird {DiffJa:05.03.1980} "
      "alt\r\n"
      "24.12=\r\n"
      "12.05=Geburtstag: Anna Bergmann\r\n"
      "29.02=Geburtstag: Lea Schaltjahr wird {DiffJa:29.02.1960} alt\r\n"
      "ab.cd=Geburtstag: Rita R\xe4tsel\r\n\r\n"
      "[Sonstiges]\r\nX=1\r\n\r\n"
      "[Kartulon_Daten]\r\n"
      "Maske0=Geburtstag: {Vorname} {Nachname} wird {DiffJa:{Geburtstag}} alt\r\n"
      "Maske1=Geburtstag: {Vorname} {Nachname}\r\n"
      "Zuletzt=10.12.2026 12:00:00\r\n";
  int n = 0;
  for (const QString& anhang : {u""_s, u"/"_s, u"\\"_s}) {
    SCOPED_TRACE(anhang.toStdString());
    const QString dci = planer(u"kelvor%1"_s.arg(++n), kVorher, anhang);
    const Exportergebnis e = exportieren(zeilen);
    EXPECT_EQ(e.stand, Exportstand::Geschrieben);
    EXPECT_EQ(e.anzahl, 7);
    EXPECT_EQ(e.meldung, u"Es wurden 7 Geburtstage für den Kelvor exportiert."_s);
    EXPECT_EQ(e.titel, u"Geburtstage an Kelvor"_s);
    EXPECT_EQ(dateiLesen(dci), erwartet);
    EXPECT_EQ(status_, (QStringList{u"Geburtstage exportieren: lösche alte Daten"_s, u"Geburtstage exportieren"_s}));
  }
  EXPECT_EQ(zedured("DCIout"), u"Geburtstage.dci*"_s);
  EXPECT_TRUE(fehlerBoxen(dialoge()).isEmpty());
}

TEST_F(GeburtstagTest, ALaterRunEmptiesDaysWithoutBirthdaysAndKeepsTheUsersTemplates) {
  const QString dci =
      planer(u"kelvor"_s, QByteArray("[Kartulon_Daten]\r\nMaske1={Nachname}, {Vorname}\r\nEigen=ja\r\n"));
  exportieren({person(u"Meier"_s, u"Hans"_s, u"05.03."_s), person(u"Weber"_s, u"Ute"_s, u"24.12."_s)});
  Clock::advance(3600000);
  const Exportergebnis e = exportieren({person(u"Meier"_s, u"Hans"_s, u"05.03."_s)});
  EXPECT_EQ(e.anzahl, 1);
  EXPECT_EQ(dateiLesen(dci),
            "[Kartulon_Daten]\r\nMaske1={Nachname}, {Vorname}\r\nEigen=ja\r\n"
            "Maske0=Geburtstag: {Vorname} {Nachname} wird {DiffJa:{Geburtstag}} alt\r\n"
            "Zuletzt=10.12.2026 13:00:00\r\n\r\n"
            "[Allgemein]\r\nBeschreibung=Geburtstage\r\nDruckFarbe=Blau\r\n\r\n"
            "[Zyklisch]\r\n05.03=Meier, Hans\r\n24.12=\r\n");
}

TEST_F(GeburtstagTest, PlannersListOfDateFiles) {
  const std::pair<const char*, const char*> faelle[] = {
      {nullptr, "Geburtstage.dci*"},
      {"", "Geburtstage.dci*"},
      {"Feiertage.dci*", "Geburtstage.dci*Feiertage.dci*"},
      {"Feiertage.dci*GEBURTSTAGE.DCI*", "Feiertage.dci*GEBURTSTAGE.DCI*"},
  };
  planer(u"kelvor"_s, std::nullopt);
  for (const auto& [vorher, nachher] : faelle) {
    SCOPED_TRACE(vorher ? vorher : "missing");
    QFile::remove(windowsOrdner() + u"/Zedured.ini"_s);
    planer(u"kelvor"_s, std::nullopt);
    if (vorher) IniSchreiben("", "Kelvor", "DCIout", vorher);
    exportieren({});
    EXPECT_EQ(zedured("DCIout"), QString::fromLatin1(nachher));
  }
}

TEST_F(GeburtstagTest, NoRecordsEmptiesTheYearAndCountsNone) {
  const QString dci = planer(u"kelvor"_s, QByteArray("[Zyklisch]\r\n31.12=Silvester\r\n"));
  const Exportergebnis e = exportieren({});
  EXPECT_EQ(e.stand, Exportstand::Geschrieben);
  EXPECT_EQ(e.meldung, u"Es wurden 0 Geburtstage für den Kelvor exportiert."_s);
  EXPECT_TRUE(dateiLesen(dci).startsWith("[Zyklisch]\r\n31.12=\r\n\r\n[Kartulon_Daten]\r\n"));
}

TEST_F(GeburtstagTest, WithoutPlannerOrFolderNothingIsWritten) {
  const QStringList zeilen = {person(u"Meier"_s, u"Hans"_s, u"05.03.1961"_s)};
  // No planner: the message names its download page.
  Exportergebnis e = exportieren(zeilen);
  EXPECT_EQ(e.stand, Exportstand::Abgewiesen);
  EXPECT_EQ(e.titel, u"Kelvor nicht installiert."_s);
  EXPECT_EQ(e.meldung,
            u"Das Programm Kelvor ist auf diesem System nicht installiert.\r\n\r\nSie können die aktuelle "
            "Version kostenlos aus dem Internet unter der URL https://www.sorveks.de/kelvor.html laden.\r\n\r\n"
            "Starten Sie den Kelvor bitte nach der Installation einmal manuell, damit Kartulon es auf "
            "Ihrem System finden kann."_s);
  EXPECT_TRUE(dialoge().requests().isEmpty());

  // A planner folder that is gone, or one that may not be changed: one report, and neither the date
  // file nor the planner's list is touched.
  const QString gesperrt = tempPfad(u"gesperrt"_s);
  dateiSchreiben(gesperrt + u"/Geburtstage.dci"_s, kVorher);
  sperren(gesperrt);
  for (const QString& ordner : {tempPfad(u"weg"_s), gesperrt}) {
    SCOPED_TRACE(ordner.toStdString());
    dialoge().clear();
    IniSchreiben("", "Kelvor", "Dir", ordner);
    e = exportieren(zeilen);
    EXPECT_EQ(e.stand, Exportstand::Fehlgeschlagen);
    const auto boxen = fehlerBoxen(dialoge());
    ASSERT_EQ(boxen.size(), 1);
    EXPECT_TRUE(boxen[0].text.contains(u"Es ist ein Fehler beim Export der Geburtstage aufgetreten."_s));
    EXPECT_EQ(zedured("DCIout"), u"<fehlt>"_s);
    EXPECT_TRUE(status_.isEmpty());
  }
  EXPECT_FALSE(QFile::exists(tempPfad(u"weg/Geburtstage.dci"_s)));
  EXPECT_EQ(dateiLesen(gesperrt + u"/Geburtstage.dci"_s), kVorher);
}

// The day lists are built in memory; the file must come out as the day's reads and writes one record at
// a time would have made it, also for entries and keys that the settings file reads back changed.
TEST_F(GeburtstagTest, SameFileAsWritingEveryRecordAtOnce) {
  const QStringList zeilen = {
      person(u"\"Meier\""_s, u""_s, u"05.03."_s),  // read back without its quotes
      person(u"Meier"_s, u""_s, u"05.03."_s),
      person(u"  Vorn"_s, u""_s, u"08.08."_s),  // read back without the blank in front
      person(u"Vorn"_s, u""_s, u"08.08."_s),
      person(u"  Blank"_s, u""_s, u"AB.cd"_s),
      person(u"Zeilen°°Umbruch"_s, u"x"_s, u"ab.CD"_s),
      person(u"Ist"_s, u"Da"_s, u"ab.cd"_s),
      person(u"Gleich"_s, u"Zeichen"_s, u"=1.05.1970"_s),  // keys that cannot be written
      person(u"Klammer"_s, u"Auf"_s, u"[1.05.1970"_s),
      person(u"Leer"_s, u"Zeichen"_s, u" 5.03.1970"_s),
      person(u"Tab"_s, u"Ende"_s, u"07.07.1977"_s),
  };
  const QByteArray vorher = "[Kartulon_Daten]\r\nMaske1={Nachname}\r\n[Zyklisch]\r\nab.cd=Ist\r\n";
  // Step by step through the settings helpers.
  const QString referenz = planer(u"referenz"_s, vorher);
  {
    for (int m = 1; m <= 12; ++m)
      for (int d = 1; d <= 31; ++d) {
        const QString k = u"%1.%2"_s.arg(d, 2, 10, QLatin1Char('0')).arg(m, 2, 10, QLatin1Char('0'));
        if (!IniLesen(referenz, "Zyklisch", k, "").isEmpty()) IniSchreiben(referenz, "Zyklisch", k, "");
      }
    IniSchreiben(referenz, "Kartulon_Daten", "Maske0",
                 IniLesen(referenz, "Kartulon_Daten", "Maske0", GeburtstagMaske0Standard()));
    IniSchreiben(referenz, "Kartulon_Daten", "Maske1",
                 IniLesen(referenz, "Kartulon_Daten", "Maske1", GeburtstagMaske1Standard()));
    IniSchreiben(referenz, "Kartulon_Daten", "Zuletzt", "10.12.2026 12:00:00");
    IniSchreiben(referenz, "Allgemein", "Beschreibung", IniLesen(referenz, "Allgemein", "Beschreibung", "Geburtstage"));
    IniSchreiben(referenz, "Allgemein", "DruckFarbe", IniLesen(referenz, "Allgemein", "DruckFarbe", "Blau"));
    const Bezeichnungen b = standardBezeichnungen();
    for (const QString& zeile : zeilen) {
      const Felder f = FelderAusZeile(zeile);
      if (!vb::Like(f[20], u"??.??*")) continue;
      QString eintrag = IniLesen(referenz, "Kartulon_Daten", GeburtsdatumMitJahr(f[20]) ? "Maske0" : "Maske1", "");
      for (int k = 0; k < 24; ++k) eintrag = Ersetzen(eintrag, u'{' + b[k] + u'}', f[k]);
      eintrag = Ersetzen(eintrag, u"  "_s, u" "_s);
      QString wert = IniLesen(referenz, "Zyklisch", f[20].left(5), "");
      if (wert.isEmpty())
        wert = eintrag;
      else if (!wert.contains(eintrag, Qt::CaseInsensitive))
        wert += u'~' + eintrag;
      IniSchreiben(referenz, "Zyklisch", f[20].left(5), wert);
    }
    IniSichern();
  }
  const QString dci = planer(u"kelvor"_s, vorher);
  EXPECT_EQ(exportieren(zeilen).anzahl, 11);
  EXPECT_EQ(dateiLesen(dci), dateiLesen(referenz));
  // The cases above do reach the file.
  const QByteArray bytes = dateiLesen(dci);
  for (const char* teil : {"ab.cd=Ist~ Blank~Zeilen**Umbruch\r\n", "05.03=Meier\r\n", "08.08=Vorn\r\n",
                           "5.03=Geburtstag: Zeichen Leer wird {DiffJa: 5.03.1970} alt\r\n"})
    EXPECT_TRUE(bytes.contains(teil)) << teil;
  EXPECT_FALSE(bytes.contains("1.05"));
}
