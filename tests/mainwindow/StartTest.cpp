// The program's start-up through the main window's load: paths, the start file from the command line,
// the captions, the menu items that depend on settings files, and the exchange file.
#include "common/Global.h"
#include "common/Ini.h"
#include "mainwindow/Main.h"
#include "platform/dienste/Screen.h"
#include "platform/dienste/SysInfo.h"
#include "platform/vb/Codec.h"
#include "platform/vb/Programm.h"
#include "support/kern/TestUmgebung.h"

#include <QDir>
#include <QFile>

class StartTest : public KartulonTest {
 protected:
  Main& starten(const QString& befehlszeile = {}) {
    Befehlszeile = befehlszeile;
    return Main::get();
  }
  QString imProgramm(const QString& name) const { return programmOrdner() + u'/' + name; }
  void ini(const QString& pfad, const QString& text) { dateiSchreiben(pfad, Codec::nach1252(text)); }
  void zedured(const QString& zeilen) {
    ini(windowsOrdner() + QStringLiteral("/Zedured.ini"), QStringLiteral("[Kartulon]\r\n") + zeilen);
  }
  const QByteArray adressen = "..Kunden\r\nPrivat\tMeier\tAnna\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\r\n";
};

TEST_F(StartTest, StartFileFromTheCommandLine) {
  struct Fall {
    const char* befehlszeile;
    QStringList dateien;   // present in the data folder
    const char* erwartet;  // the start file's name in the data folder
    const char* meldung;   // "" when none
  };
  const Fall faelle[] = {
      {"", {}, "kartulon.dat", ""},
      {"Datei=Kunden", {"Kunden.Dat"}, "Kunden.Dat", ""},
      {"Datei=Kunden.txt", {"Kunden.Dat"}, "Kunden.Dat", ""},
      {"Datei=/woanders/Kunden", {"Kunden.Dat"}, "Kunden.Dat", ""},  // always the data folder
      {"Datei=C:\\Andere\\Kunden", {"Kunden.Dat"}, "Kunden.Dat", ""},
      {"datei=kunden", {"Kunden.Dat"}, "kunden.Dat", ""},               // found whatever its case
      {"Datei=Alt /Datei=Neu", {"Alt.Dat", "Neu.Dat"}, "Neu.Dat", ""},  // the last one wins
      {"Datei=Mein Verein", {"Mein.Dat"}, "Mein.Dat", ""},              // a blank ends the name
      {"Datei=Fehlt", {}, "kartulon.dat", "Angegebene Datei fehlt.dat nicht gefunden.\rBenutze Standarddatei."},
      {"Datei=", {}, "kartulon.dat", "Angegebene Datei 1.dat nicht gefunden.\rBenutze Standarddatei."},
  };
  for (const Fall& f : faelle) {
    SCOPED_TRACE(f.befehlszeile);
    for (const QString& d : f.dateien) dateiSchreiben(imProgramm(d), adressen);
    int toeneBeiMeldung = -1;
    dialoge().onRequest = [&](const ScriptedDialogs::Request&) {
      toeneBeiMeldung = static_cast<int>(toene().aufrufe().size());
    };
    Main& m = starten(QString::fromUtf8(f.befehlszeile));
    EXPECT_EQ(AktuelleDatei, programmOrdner() + u'/' + QString::fromUtf8(f.erwartet));
    if (*f.meldung) {
      ASSERT_EQ(dialoge().requests().size(), 1);
      const auto& r = dialoge().requests().first();
      EXPECT_EQ(r.text, QString::fromUtf8(f.meldung));
      EXPECT_EQ(r.style, 48);
      EXPECT_EQ(r.title, QString::fromUtf16(u"Datei öffnen"));
      ASSERT_GE(toeneBeiMeldung, 1);  // the exclamation sound came first
      EXPECT_EQ(toene().aufrufe().first().art, QStringLiteral("klang"));
    } else {
      EXPECT_TRUE(dialoge().requests().isEmpty());
      if (!f.dateien.isEmpty()) {
        EXPECT_EQ(m.Liste->ListCount(), 1);
      }
    }
    vb::Forms::UnloadAll();
    dialoge().clear();
    toene().clear();
    for (const QString& d : QDir(programmOrdner()).entryList({"*.Dat", "*.dat"})) QFile::remove(imProgramm(d));
  }
}

TEST_F(StartTest, ReadOnlyFromTheCommandLine) {
  dateiSchreiben(imProgramm(QStringLiteral("Kunden.Dat")), adressen);
  Main& m = starten(QStringLiteral("Datei=Kunden readonly"));
  EXPECT_EQ(NurLesen, -1);
  EXPECT_TRUE(m.Feld(1).Locked());
  EXPECT_EQ(AktuelleDatei, imProgramm(QStringLiteral("Kunden.Dat")));
}

TEST_F(StartTest, DataFolder) {
  struct Fall {
    const char* zurirada;  // [Ordner] DirData, nullptr: no key
    const char* zedured;   // DirData of the program's section, nullptr: no key
    QString erwartet;
  };
  const QString p = programmOrdner();
  const Fall faelle[] = {
      {nullptr, nullptr, p},
      {"{appdir}\\Daten\\", nullptr, p + QStringLiteral("/Daten")},
      {"{APPDIR}/Daten/", nullptr, p + QStringLiteral("/Daten")},
      {nullptr, "/srv/adressen/", QStringLiteral("/srv/adressen")},
      {"/srv/gemeinsam", "/srv/adressen", QStringLiteral("/srv/gemeinsam")},  // the shared setting first
      {"", "{appdir}", p},
  };
  for (const Fall& f : faelle) {
    SCOPED_TRACE(f.erwartet.toStdString());
    for (const QString& d : QDir(programmOrdner()).entryList({"zurirada.ini"}, QDir::Files))
      if (d.compare(QStringLiteral("zurirada.ini"), Qt::CaseInsensitive) == 0) QFile::remove(imProgramm(d));
    if (f.zurirada)
      ini(imProgramm(QStringLiteral("Zurirada.ini")),
          QStringLiteral("[Ordner]\r\nDirData=") + QString::fromUtf8(f.zurirada) + "\r\n");
    zedured(f.zedured ? QStringLiteral("DirData=") + QString::fromUtf8(f.zedured) + "\r\n" : QString());
    starten();
    EXPECT_EQ(DatenOrdner, f.erwartet);
    EXPECT_EQ(MaskenOrdner, f.erwartet);
    EXPECT_EQ(AktuelleDatei, f.erwartet + QStringLiteral("/kartulon.dat"));
    vb::Forms::UnloadAll();
  }
}

TEST_F(StartTest, CaptionsFromKartulonIni) {
  ini(imProgramm(QStringLiteral("Kartulon.Ini")),
      QString::fromUtf16(
          u"[Beschriftung]\r\nBez_01=Familienname\r\nBez_05=\r\nBez_23=Nummer\r\nRahmen_03=Postanschrift\r\n"
          u"Rahmen_00=Finden\r\nRahmen_05=Gibt es nicht\r\nBez_24=Auch nicht\r\n"));
  Main& m = starten();
  EXPECT_EQ(IniDatei, imProgramm(QStringLiteral("Kartulon.Ini")));
  EXPECT_EQ(m.Bezeichnung1(1).Caption(), QStringLiteral("Familienname"));
  EXPECT_EQ(m.Bezeichnung1(5).Caption(), QString());  // present but empty
  EXPECT_EQ(m.Bezeichnung1(23).Caption(), QStringLiteral("Nummer"));
  EXPECT_EQ(m.Bezeichnung1(2).Caption(), QStringLiteral("Vorname"));
  EXPECT_EQ(m.Bezeichnung1(0).Caption(), QStringLiteral("Rubrik zum Einsortieren"));
  EXPECT_EQ(m.Rahmen3->Caption(), QStringLiteral("Postanschrift"));
  EXPECT_EQ(m.Rahmen0->Caption(), QStringLiteral("Finden"));
  EXPECT_EQ(m.Rahmen4->Caption(), QStringLiteral("Bemerkungen"));
  EXPECT_EQ(m.Rahmen6->Caption(), QStringLiteral("Bankverbindung"));
}

TEST_F(StartTest, MenuItemsFollowTheSettingsFiles) {
  Main* m = &starten();
  EXPECT_FALSE(m->mnuPopUp->Visible());
  EXPECT_FALSE(m->mnuXxxEntwicklung->Visible());
  EXPECT_FALSE(m->mnuExportTKAnlage->Visible());
  EXPECT_FALSE(m->mnuExportTiptel195->Visible());
  EXPECT_FALSE(m->mnuBrfAnWord->Visible());
  EXPECT_EQ(VorlagenIni, QString());
  EXPECT_EQ(TkAnlageIni, imProgramm(QStringLiteral("Export_Tk-Anlage.ini")));
  vb::Forms::UnloadAll();

  ini(imProgramm(QStringLiteral("Export_Tk-Anlage.ini")), QStringLiteral("[Allgemein]\r\nTk-Anlage=Alpha 40\r\n"));
  ini(imProgramm(QStringLiteral("Export_TeleTiptel195.ini")), QStringLiteral("[Export]\r\nDatei=register.txt\r\n"));
  ini(imProgramm(QStringLiteral("vorlagen.ini")), QStringLiteral("[Vorlagen]\r\n"));
  m = &starten();
  EXPECT_TRUE(m->mnuExportTKAnlage->Visible());
  EXPECT_EQ(m->mnuExportTKAnlage->Caption(), QString::fromUtf16(u"&Kurzwahl-Speicher für Alpha 40 !!! ..."));
  EXPECT_TRUE(m->mnuExportTiptel195->Visible());
  EXPECT_TRUE(m->mnuBrfAnWord->Visible());
  EXPECT_EQ(VorlagenIni, imProgramm(QStringLiteral("vorlagen.ini")));
  EXPECT_FALSE(m->mnuPopUp->Visible());
}

TEST_F(StartTest, ExchangeFileHoldsOnlyItsMarker) {
  const QString standard = imProgramm(QStringLiteral("X-Letzte.txt"));
  dateiSchreiben(standard, "[ZuletztNr]\r\n01=Meier\r\n[ZuletztBez]\r\nNachname=Meier\r\n");
  starten();
  EXPECT_EQ(AdrIniDatei, standard);
  EXPECT_EQ(IniLesen(QString(), QString(), QStringLiteral("Adr_IniSpeichern_In"), QString()), standard);
  IniSichern();
  EXPECT_EQ(dateiLesen(standard), QByteArray("[ZuletztNr]\r\n99=ja\r\n"));
  vb::Forms::UnloadAll();

  // A path of the user's is kept.
  const QString eigen = tempPfad(QStringLiteral("Letzte.txt"));
  zedured(QStringLiteral("Adr_IniSpeichern_In=") + eigen + "\r\n");
  starten();
  EXPECT_EQ(AdrIniDatei, eigen);
  IniSichern();
  EXPECT_EQ(dateiLesen(eigen), QByteArray("[ZuletztNr]\r\n99=ja\r\n"));
}

TEST_F(StartTest, AfterTheStartTheWindowIsReady) {
  Main& m = starten();
  for (int i = 0; i < 24; ++i) EXPECT_EQ(m.Feld(i).Text(), QString()) << i;
  EXPECT_EQ(m.TxtSuche->Text(), QString());
  EXPECT_EQ(m.StatusBar->PanelText(QStringLiteral("Status")), QStringLiteral("Bereit"));
  EXPECT_EQ(Feldtrenner, QStringLiteral("\t"));
  EXPECT_EQ(MausFeldIndex, -1);
  EXPECT_EQ(HilfeDatei, imProgramm(QStringLiteral("Kartulon.hlp")));
  // The start is counted.
  IniSichern();
  const QByteArray zedured = dateiLesen(windowsOrdner() + QStringLiteral("/Zedured.ini"));
  EXPECT_TRUE(zedured.contains("Stat_Starts= 1\r\n")) << zedured.toStdString();
  EXPECT_TRUE(zedured.contains("Stat_StartFirst=10.12.2026\r\n")) << zedured.toStdString();
  EXPECT_TRUE(zedured.contains("Stat_StartLast=10.12.2026 12:00:00\r\n")) << zedured.toStdString();
}

// The window fits the screen it starts on, whatever size was remembered.
TEST_F(StartTest, TheWindowFitsTheScreen) {
  vb::Screen::setTestFlaechen({QRect(0, 0, 9000, 15000)});
  starten();
  EXPECT_LE(Main::get().Width(), 9000);
  EXPECT_EQ(Main::get().WindowState(), 0);
  vb::Forms::UnloadAll();

  vb::Screen::setTestFlaechen({QRect(0, 0, 19200, 15360)});
  zedured(QStringLiteral("Form_Weite=30000\r\nForm_Höhe=9000\r\nForm_Links=0\r\nForm_Oben=0\r\n"));
  starten();
  EXPECT_EQ(Main::get().Width(), 19200);
  EXPECT_EQ(Main::get().Height(), 9000);
  vb::Screen::setTestFlaechen({});
}

// The regional-settings warning comes first, before the start file's message; the machine's own
// conventions decide it, not the program's German locale.
TEST_F(StartTest, RegionalWarningComesFirst) {
  sysInfo().regional = SysInfo::regionalVon(QLocale(QLocale::English, QLocale::UnitedStates));
  dialoge().answer(vb::vbYes);
  starten(QStringLiteral("Datei=Fehlt"));
  ASSERT_EQ(dialoge().requests().size(), 2);
  EXPECT_EQ(dialoge().requests()[0].title, QString::fromUtf16(u"Ländereinstellung"));
  EXPECT_EQ(dialoge().requests()[1].title, QString::fromUtf16(u"Datei öffnen"));
}

// Configuration jobs end the program before the start is counted or any file is touched.
TEST_F(StartTest, ConfigurationJobsEndTheStartEarly) {
  ini(imProgramm(QStringLiteral("Adapter.Cfg")), QStringLiteral("[Status]\r\nAutorun=1\r\n"));
  EXPECT_THROW(starten(), vb::Programm::Beendet);
  EXPECT_EQ(programmEnden().size(), 1);
  EXPECT_EQ(IniLesen(QString(), QString(), QStringLiteral("Stat_Starts"), QStringLiteral("fehlt")),
            QStringLiteral("fehlt"));
  EXPECT_FALSE(QFile::exists(imProgramm(QStringLiteral("X-Letzte.txt"))));
}
