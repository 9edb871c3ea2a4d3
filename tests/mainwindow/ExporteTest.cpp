// The exports and the index renumbering as the main window runs them: what each asks (with its help),
// a cancelled question, the open address file as a target, a failed write, the closing messages, and the
// pointer, bar and status afterwards. The files themselves are the core's tests.
#include "datatools/ExportHilfe.h"

#include "common/Global.h"
#include "common/Ini.h"
#include "common/Ton.h"
#include "mainwindow/Main.h"
#include "platform/vb/Codec.h"

#include <QApplication>
#include <QGuiApplication>
#include <QProgressBar>
#include <QTest>
#include <cmath>
#include <vector>

using namespace Qt::Literals::StringLiterals;

namespace {

using Request = ScriptedDialogs::Request;

const QStringList kSaetze = {
    zeileAus({{0, u"Privat"_s},
              {1, u"Meier"_s},
              {2, u"Hans"_s},
              {7, u"040 123456"_s},
              {9, u"Mob S12"_s},
              {12, u"0171 9"_s},
              {20, u"05.03.1961"_s},
              {23, u"17"_s}}),
    zeileAus({{0, u"Firma"_s}, {1, u"Weber"_s}, {2, u"Eva"_s}, {7, u"0511 1"_s}, {20, u"12.05."_s}}),
};

class ExporteTest : public ExportTest {
 protected:
  void SetUp() override {
    ExportTest::SetUp();
    m().Liste->setItems(kSaetze);
    m().Liste->setListIndex(0);
    Geaendert = 0;
    AktuelleDatei = dateiSchreiben(tempPfad(u"daten/kunden.dat"_s), "..Kunden\r\n");
    ausgabe_ = tempPfad(u"aus"_s);
    QDir().mkpath(ausgabe_);
    dialoge().onRequest = [this](const Request& r) {
      if (r.kind == u"msgbox"_s) statusBeiMeldung_ << panel();
    };
  }
  Main& m() { return Main::get(); }
  QString panel() { return m().StatusBar->PanelText(u"Status"_s); }
  // The pages of the help topics, so that the help double shows them.
  void hilfeseite(const QString& name) { dateiSchreiben(programmOrdner() + u'/' + name, "<html></html>"); }
  QList<Request> boxen() const {
    QList<Request> b;
    for (const Request& r : const_cast<ExporteTest*>(this)->dialoge().requests())
      if (r.kind == u"msgbox"_s) b << r;
    return b;
  }
  QStringList klaenge() {
    QStringList t;
    for (const auto& a : toene().aufrufe()) t << a.art + u':' + (a.name.isEmpty() ? QString::number(a.typ) : a.name);
    return t;
  }
  // What a system sound records.
  QStringList klang(const char16_t* name) {
    toene().clear();
    TonAusgeben(name);
    const QStringList k = klaenge();
    toene().clear();
    return k;
  }
  void rahmenZu() {
    EXPECT_EQ(panel(), u"Bereit"_s);
    EXPECT_TRUE(m().ProgressBar->isHidden());
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
  }
  QString ausgabe_;
  QStringList statusBeiMeldung_;
};

}  // namespace

// The three exports that ask for their file: each way out of the question.
TEST_F(ExporteTest, AnsweredFileCancelOpenAddressFileFailureAndSuccess) {
  const QString tiptelIni = programmOrdner() + u"/Export_TeleTiptel195.ini"_s;
  const QString gesperrt = tempPfad(u"gesperrt"_s);
  struct Export {
    const char* name;
    void (Main::*befehl)();
    const char* art;  // "inputbox" or "file"
    QString titel;
    QString hilfe;                         // the help page of the question, "" for none
    std::function<QString()> gespeichert;  // the name the export keeps, "" for none
    QString fehlerText;
    std::function<QString(const QString&)> schluss;  // the closing message, "" for none
    bool rahmen;                                     // runs inside the walk frame: "Bereit" afterwards
  };
  const Export exporte[] = {
      {"card server", &Main::mnuExportD2CardServer_Click, "inputbox", u"D2-CardServer-V1.0-Liste exportieren"_s,
       u"Kartulon_292.html"_s, [] { return IniLesen("", "", "Export_D2Liste", "<keiner>"); },
       u"Es ist ein Fehler aufgetreten. D2-CardServer-V1.0-Liste exportieren"_s,
       [](const QString& d) { return u"2 Nummern nach »"_s + d + u"« exportiert."_s; }, true},
      {"register", &Main::mnuExportTiptel195_Click, "inputbox", u"Tiptel 195 Telefonregister 1000 exportieren"_s,
       u"Kartulon_9999.html"_s, [&] { return IniLesen(tiptelIni, "Export", "Datei", "<keiner>"); },
       u"Es ist ein Fehler aufgetreten. Tiptel 195 Telefonregister 1000 exportieren"_s,
       [](const QString&) { return QString(); }, true},
      {"serial letter", &Main::mnuExpSeriendruck_Click, "file", u"Seriendruck-Datei erstellen"_s, QString(),
       [] { return QString(); }, u"Es ist ein Fehler beim Erstellen der Seriendruck-Datei aufgetreten."_s,
       [](const QString& d) { return u"Die Datei »"_s + d + u"« wurde erstellt."_s; }, false},
  };
  enum Weg { Abbruch, Adressdatei, Fehler, Geschrieben };
  for (const Export& x : exporte) {
    for (Weg weg : {Abbruch, Adressdatei, Fehler, Geschrieben}) {
      SCOPED_TRACE(std::string(x.name) + " " + std::to_string(weg));
      IniSchreiben("", "", "Export_D2Liste", ausgabe_ + u"/vorher.txt"_s);
      dateiSchreiben(tiptelIni, "[Export]\r\nDatei=" + ausgabe_.toUtf8() + "/vorher.txt\r\n");
      const QString vorher = x.gespeichert();
      if (!x.hilfe.isEmpty()) hilfeseite(x.hilfe);
      QFile::setPermissions(gesperrt, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
      dateiSchreiben(gesperrt + u"/ziel.txt"_s, "alt");
      sperren(gesperrt);
      QFile::remove(ausgabe_ + u"/neu.txt"_s);
      dialoge().clear();
      hilfe().gezeigt.clear();
      toene().clear();
      statusBeiMeldung_.clear();
      m().StatusBar->setPanelText(u"Status"_s, u"vorher"_s);

      const QString ziel = weg == Adressdatei ? AktuelleDatei
                           : weg == Fehler    ? gesperrt + u"/ziel.txt"_s
                                              : ausgabe_ + u"/neu.txt"_s;
      if (!x.hilfe.isEmpty()) dialoge().answerHilfe();
      if (weg == Abbruch)
        dialoge().answerCancel();
      else
        dialoge().answerText(ziel);
      // The serial letter asks before it replaces a file.
      if (weg == Fehler && x.art == std::string("file")) dialoge().answer(vb::vbOK);
      (m().*x.befehl)();

      const QList<Request> r = dialoge().requests();
      ASSERT_FALSE(r.isEmpty());
      EXPECT_EQ(r[0].kind, QString::fromLatin1(x.art));
      EXPECT_EQ(r[0].title, x.titel);
      if (!x.hilfe.isEmpty()) {
        EXPECT_TRUE(r[0].hilfe);
        ASSERT_EQ(hilfe().gezeigt.size(), 1);
        EXPECT_TRUE(hilfe().gezeigt[0].endsWith(x.hilfe)) << hilfe().gezeigt[0].toStdString();
      }
      EXPECT_EQ(dateiLesen(AktuelleDatei), "..Kunden\r\n");
      EXPECT_EQ(dateiLesen(gesperrt + u"/ziel.txt"_s), "alt");
      EXPECT_EQ(QFile::exists(ausgabe_ + u"/neu.txt"_s), weg == Geschrieben);
      EXPECT_EQ(AktuelleDatei, tempPfad(u"daten/kunden.dat"_s));
      EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
      const QList<Request> b = boxen();
      const auto fehler = fehlerBoxen(dialoge());
      switch (weg) {
        case Abbruch:
          EXPECT_EQ(r.size(), 1);
          EXPECT_EQ(x.gespeichert(), vorher);
          EXPECT_EQ(panel(), u"vorher"_s);
          break;
        case Adressdatei:
          ASSERT_EQ(b.size(), 1);
          EXPECT_EQ(
              b[0].text,
              u"»"_s + ziel + u"« ist die geöffnete Adressdatei und kann nicht als Exportdatei verwendet werden."_s);
          EXPECT_EQ(b[0].style, vb::vbOKOnly | vb::vbExclamation);
          EXPECT_EQ(b[0].title, x.titel);
          EXPECT_EQ(x.gespeichert(), vorher);
          // Refused before the walk began.
          EXPECT_EQ(panel(), u"vorher"_s);
          break;
        case Fehler:
          ASSERT_EQ(fehler.size(), 1);
          EXPECT_TRUE(fehler[0].text.contains(x.fehlerText)) << fehler[0].text.toStdString();
          // No closing message after the report; the serial letter's question came before it.
          EXPECT_EQ(b.size(), x.art == std::string("file") ? 2 : 1);
          EXPECT_EQ(b.last().title, fehler[0].title);
          EXPECT_EQ(x.gespeichert(), vorher);
          if (x.rahmen) rahmenZu();
          break;
        case Geschrieben: {
          EXPECT_TRUE(fehler.isEmpty());
          EXPECT_FALSE(dateiLesen(ausgabe_ + u"/neu.txt"_s).isEmpty());
          if (!vorher.isEmpty()) {
            EXPECT_EQ(x.gespeichert(), ziel);
          }
          const QString schluss = x.schluss(ziel);
          if (schluss.isEmpty()) {
            EXPECT_TRUE(b.isEmpty());
          } else {
            ASSERT_EQ(b.size(), 1);
            EXPECT_EQ(b[0].text, schluss);
            EXPECT_EQ(b[0].style, vb::vbOKOnly | vb::vbInformation);
            EXPECT_EQ(b[0].title, x.titel);
          }
          if (x.rahmen) {
            rahmenZu();
            // The closing message comes before "Bereit", with the bar gone.
            if (!schluss.isEmpty()) {
              EXPECT_EQ(statusBeiMeldung_, QStringList{u"D2-ACardServer-Liste exportieren..."_s});
            }
          } else {
            EXPECT_EQ(panel(), u"vorher"_s);
          }
          break;
        }
      }
    }
  }
}

TEST_F(ExporteTest, TheInputBoxesProposeTheLastFileAndNameTheMarkedField) {
  m().Bezeichnung1(9).setCaption(u"Gruppe"_s);
  IniSchreiben("", "", "Export_D2Liste", u"/tmp/zuletzt.txt"_s);
  dateiSchreiben(programmOrdner() + u"/Export_TeleTiptel195.ini"_s, "[Export]\r\nDatei=/tmp/register.txt\r\n");
  dialoge().answerCancel();
  dialoge().answerCancel();
  m().mnuExportD2CardServer_Click();
  m().mnuExportTiptel195_Click();
  const QList<Request> r = dialoge().requests();
  ASSERT_EQ(r.size(), 2);
  EXPECT_EQ(r[0].text,
            u"Geben Sie bitte eine Exportdatei an.\r\n\r\nEs werden alle Rufnummern exportiert in dessen "
            u"»Gruppe« der Text »Mob« vorkommt."_s);
  EXPECT_EQ(r[0].standard, u"/tmp/zuletzt.txt"_s);
  EXPECT_EQ(r[1].text,
            u"Geben Sie bitte eine Exportdatei an.\r\n\r\nWeitere Einstellmöglichkeiten finden Sie in der "
            u"Datei »"_s +
                programmOrdner() + u"/Export_TeleTiptel195.ini«."_s);
  EXPECT_EQ(r[1].standard, u"/tmp/register.txt"_s);
}

TEST_F(ExporteTest, TheSerialLetterAsksBeforeReplacingAndTheAddressFileStaysTheOneSaved) {
  const QString ziel = ausgabe_ + u"/Brief.txt"_s;
  const QStringList frage = klang(u"#SystemQuestion");
  // The window's captions, each followed by a TAB, then the record lines.
  QString text;
  for (const QString& b : m().FeldBezeichnungen()) text += b + u'\t';
  const QByteArray seriendruck = Codec::nach1252(text + u"\r\n"_s + kSaetze.join(u"\r\n"_s) + u"\r\n"_s);
  for (const int antwort : {int(vb::vbCancel), int(vb::vbOK)}) {
    SCOPED_TRACE(antwort);
    dateiSchreiben(ziel, "alt");
    dialoge().clear();
    toene().clear();
    dialoge().answerText(ziel);
    dialoge().answer(antwort);
    dialoge().answer(vb::vbOK);
    m().mnuExpSeriendruck_Click();
    // The dialog proposes the program folder's file and asks nothing itself.
    EXPECT_EQ(m().StdDialog->InitDir, programmOrdner());
    EXPECT_EQ(m().StdDialog->Flags, vb::cdlOFNHideReadOnly);
    EXPECT_EQ(dialoge().requests()[0].text, u"Texte|*.txt|"_s);
    const QList<Request> b = boxen();
    ASSERT_GE(b.size(), 1);
    EXPECT_EQ(b[0].text, u"Soll die Datei »"_s + ziel + u"« überschrieben werden?"_s);
    EXPECT_EQ(b[0].style, vb::vbOKCancel | vb::vbQuestion);
    EXPECT_EQ(b[0].title, u"Seriendruck-Datei erstellen"_s);
    EXPECT_EQ(klaenge(), frage);
    if (antwort == vb::vbOK) {
      ASSERT_EQ(b.size(), 2);
      EXPECT_EQ(b[1].text, u"Die Datei »"_s + ziel + u"« wurde erstellt."_s);
      EXPECT_EQ(dateiLesen(ziel), seriendruck);
    } else {
      EXPECT_EQ(b.size(), 1);
      EXPECT_EQ(dateiLesen(ziel), "alt");
    }
  }
  // The file name was the export's own: saving writes the address file.
  Geaendert = 1;
  m().PulSichern_Click();
  EXPECT_EQ(AktuelleDatei, tempPfad(u"daten/kunden.dat"_s));
  EXPECT_TRUE(dateiLesen(AktuelleDatei).contains("Weber"));
  EXPECT_EQ(dateiLesen(ziel), seriendruck);
}

TEST_F(ExporteTest, BirthdaysWithoutPlannerMissingFolderAndWritten) {
  hilfeseite(u"werbung_1007.html"_s);
  hilfeseite(u"Kartulon_3007.html"_s);
  const QString planer = tempPfad(u"kelvor"_s);
  QDir().mkpath(planer);
  struct Fall {
    const char* was;
    QString dir;  // [Kelvor] Dir
    QString titel, text, hilfe;
    int stil;
    bool fehler;  // one report of the central handler, nothing else
  };
  const Fall faelle[] = {
      {"no planner", QString(), u"Kelvor nicht installiert."_s, u"Das Programm Kelvor ist auf diesem System"_s,
       u"werbung_1007.html"_s, vb::vbOKOnly | vb::vbExclamation | vb::vbMsgBoxHelpButton, false},
      {"missing folder", tempPfad(u"fehlt"_s), QString(), QString(), QString(), 0, true},
      {"written, folder with a final separator", planer + u'/', u"Geburtstage an Kelvor"_s,
       u"Es wurden 2 Geburtstage für den Kelvor exportiert."_s, u"Kartulon_3007.html"_s,
       vb::vbOKOnly | vb::vbInformation | vb::vbMsgBoxHelpButton, false},
  };
  for (const Fall& f : faelle) {
    SCOPED_TRACE(f.was);
    IniSchreiben("", "Kelvor", "Dir", f.dir);
    IniSchreiben("", "Kelvor", "DCIout", "");
    dialoge().clear();
    hilfe().gezeigt.clear();
    statusBeiMeldung_.clear();
    m().StatusBar->setPanelText(u"Status"_s, u"vorher"_s);
    dialoge().answerHilfe();
    dialoge().answer(vb::vbOK);
    // Ctrl+F5 from the record's name box.
    m().show();
    QApplication::setActiveWindow(&m());
    ASSERT_TRUE(QTest::qWaitForWindowActive(&m()));
    m().Feld(1).SetFocus();
    QApplication::processEvents();
    QTest::keyClick(m().Feld(1).editor(), Qt::Key_F5, Qt::ControlModifier);
    IniSichern();

    const QList<Request> b = boxen();
    if (f.fehler) {
      ASSERT_EQ(b.size(), 1);
      ASSERT_EQ(fehlerBoxen(dialoge()).size(), 1);
      EXPECT_TRUE(b[0].text.contains(u"Es ist ein Fehler beim Export der Geburtstage aufgetreten."_s));
      EXPECT_EQ(IniLesen("", "Kelvor", "DCIout", "<leer>"), QString());
      EXPECT_FALSE(QFile::exists(f.dir + u"/Geburtstage.dci"_s));
      continue;
    }
    ASSERT_EQ(b.size(), 1);
    EXPECT_EQ(b[0].title, f.titel);
    EXPECT_TRUE(b[0].text.startsWith(f.text)) << b[0].text.toStdString();
    EXPECT_EQ(b[0].style, f.stil);
    ASSERT_EQ(hilfe().gezeigt.size(), 1);
    EXPECT_TRUE(hilfe().gezeigt[0].endsWith(f.hilfe)) << hilfe().gezeigt[0].toStdString();
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
    EXPECT_TRUE(m().ProgressBar->isHidden());
    if (f.dir.isEmpty()) {
      EXPECT_EQ(panel(), u"vorher"_s);
    } else {
      EXPECT_EQ(statusBeiMeldung_, QStringList{u"Bereit"_s});
      const QByteArray dci = dateiLesen(planer + u"/Geburtstage.dci"_s);
      EXPECT_TRUE(dci.contains("05.03=Geburtstag: Hans Meier wird {DiffJa:05.03.1961} alt\r\n"));
      EXPECT_TRUE(dci.contains("12.05=Geburtstag: Eva Weber\r\n"));
      EXPECT_EQ(IniLesen("", "Kelvor", "DCIout", ""), u"Geburtstage.dci*"_s);
    }
  }
}

TEST_F(ExporteTest, ShortDialRefusalsFailureAndTheListOpened) {
  dateiSchreiben(programmOrdner() + u"/CallByCall.ini"_s, "[TeleNr]\r\n");
  TkAnlageIni = programmOrdner() + u"/Export_Tk-Anlage.ini"_s;
  m().Liste->setItems({zeileAus({{1, u"Meier"_s}, {9, u"S5"_s}, {7, u"040 12"_s}})});
  const QString gesperrt = tempPfad(u"gesperrt"_s);
  dateiSchreiben(gesperrt + u"/tk.txt"_s, "alt");
  sperren(gesperrt);
  struct Fall {
    const char* was;
    QString exportDatei, listeDatei;
    QString meldung;  // the refusal, "" for none
    bool fehler;
  };
  const QString liste = ausgabe_ + u"/liste.txt"_s;
  const Fall faelle[] = {
      {"no export file", QString(), liste, u"In der Datei »"_s + TkAnlageIni + u"« fehlt der Eintrag [Export] Datei."_s,
       false},
      {"no list file", ausgabe_ + u"/tk.txt"_s, QString(),
       u"In der Datei »"_s + TkAnlageIni + u"« fehlt der Eintrag [InfoText] Datei."_s, false},
      {"the open address file", AktuelleDatei, liste,
       u"»"_s + AktuelleDatei + u"« ist die geöffnete Adressdatei und kann nicht als Exportdatei verwendet werden."_s,
       false},
      {"a folder that refuses writing", gesperrt + u"/tk.txt"_s, liste, QString(), true},
      {"written", ausgabe_ + u"/tk.txt"_s, liste, QString(), false},
  };
  for (const Fall& f : faelle) {
    SCOPED_TRACE(f.was);
    QByteArray ini = "[Allgemein]\r\nTk-Anlage=Haus\r\n[Export]\r\nDatensatz={Speicher};{Nummer}\r\n";
    if (!f.exportDatei.isEmpty()) ini += "Datei=" + f.exportDatei.toUtf8() + "\r\n";
    ini += "[InfoText]\r\nLinkerRand=0\r\n";
    if (!f.listeDatei.isEmpty()) ini += "Datei=" + f.listeDatei.toUtf8() + "\r\n";
    dateiSchreiben(TkAnlageIni, ini);
    QFile::remove(liste);
    dialoge().clear();
    shell().geoeffnet.clear();
    m().StatusBar->setPanelText(u"Status"_s, u"vorher"_s);
    m().mnuExportTKAnlage_Click();

    rahmenZu();
    EXPECT_EQ(dateiLesen(AktuelleDatei), "..Kunden\r\n");
    EXPECT_EQ(dateiLesen(gesperrt + u"/tk.txt"_s), "alt");
    const QList<Request> b = boxen();
    const bool geschrieben = f.meldung.isEmpty() && !f.fehler;
    EXPECT_EQ(QFile::exists(liste), geschrieben);
    if (geschrieben) {
      EXPECT_TRUE(b.isEmpty());
      EXPECT_EQ(dateiLesen(ausgabe_ + u"/tk.txt"_s), "\r\n105;04012\r\n\r\n");
      ASSERT_EQ(shell().geoeffnet.size(), 1);
      EXPECT_EQ(shell().geoeffnet[0].toLocalFile(), liste);
    } else if (f.fehler) {
      ASSERT_EQ(b.size(), 1);
      ASSERT_EQ(fehlerBoxen(dialoge()).size(), 1);
      EXPECT_TRUE(b[0].text.contains(u"Es ist ein Fehler beim Export des Tk-Anlagen-Kurzwahlspeichers aufgetreten."_s));
      EXPECT_TRUE(shell().geoeffnet.isEmpty());
    } else {
      ASSERT_EQ(b.size(), 1);
      EXPECT_EQ(b[0].text, f.meldung);
      EXPECT_EQ(b[0].style, vb::vbOKOnly | vb::vbExclamation);
      EXPECT_EQ(b[0].title, u"Export des Tk-Anlagen-Kurzwahlspeichers"_s);
      EXPECT_TRUE(shell().geoeffnet.isEmpty());
    }
  }
}

TEST_F(ExporteTest, RenumberingShowsTheLastRecordReportsTheNextIndexAndSounds) {
  IniDatei = programmOrdner() + u"/Kartulon.Ini"_s;
  const QStringList ausruf = klang(u"#SystemExclamation");
  QList<int> balken;
  QObject::connect(m().ProgressBar, &QProgressBar::valueChanged, [&](int w) { balken << w; });
  struct Fall {
    const char* was;
    QStringList indizes;   // field 23 of each record
    QStringList erwartet;  // afterwards
    const char* naechster;
  };
  const Fall faelle[] = {
      {"the table of handed-out numbers",
       {u"17"_s, u""_s, u"0"_s, u"-3"_s, u"abc"_s, u"42"_s},
       {u"17"_s, u"500"_s, u"501"_s, u"502"_s, u"503"_s, u"42"_s},
       "504"},
      {"the last record gets a number: its old line is the undo copy", {u"5"_s, u""_s}, {u"5"_s, u"500"_s}, "501"},
      {"one record with its index: the bar stays", {u"7"_s}, {u"7"_s}, "500"},
      {"no record", {}, {}, "500"},
  };
  for (const Fall& f : faelle) {
    SCOPED_TRACE(f.was);
    dateiSchreiben(IniDatei, "[Allgemein]\r\nAdressIndex=500\r\n");
    dateiSchreiben(windowsOrdner() + u"/Zedured.ini"_s, "[Kartulon]\r\nAdressIndex=480\r\n");
    QStringList zeilen;
    for (const QString& i : f.indizes) zeilen << zeileAus({{0, u"Privat"_s}, {1, u"Name "_s + i}, {23, i}});
    m().Liste->setItems(zeilen);
    m().Liste->setListIndex(zeilen.isEmpty() ? -1 : 0);
    Geaendert = 0;
    AktuellerDatensatz = u"vorher"_s;
    toene().clear();
    dialoge().clear();
    m().ProgressBar->setValue(0);
    balken.clear();
    m().mnuIndexSetNew_Click();
    IniSichern();

    for (int i = 0; i < f.erwartet.size(); ++i) EXPECT_EQ(FelderAusZeile(m().Liste->List(i))[23], f.erwartet[i]) << i;
    const int n = static_cast<int>(zeilen.size());
    EXPECT_EQ(m().Liste->ListIndex(), n - 1);
    if (n > 0) {
      EXPECT_EQ(m().Feld(23).Text(), f.erwartet.last());
      EXPECT_EQ(AktuellerDatensatz, zeilen.last());  // the undo copy: the line as it was
      EXPECT_EQ(Geaendert, 1);
    } else {
      EXPECT_EQ(AktuellerDatensatz, u"vorher"_s);
      EXPECT_EQ(Geaendert, 0);
    }
    // The bar at every record: 100 x k / (n - 1).
    QList<int> erwartet;
    for (int k = 1; n > 1 && k < n; ++k) erwartet << static_cast<int>(std::lround(100.0 * k / (n - 1)));
    // Compared as vectors: Qt's own list comparison hands memcmp a null pointer when one empty list has
    // storage and the other has none, which the sanitizer build stops on.
    EXPECT_EQ(std::vector<int>(balken.cbegin(), balken.cend()), std::vector<int>(erwartet.cbegin(), erwartet.cend()));
    EXPECT_EQ(panel(), u"Nächster freier Index bei "_s + QString::fromLatin1(f.naechster));
    EXPECT_EQ(klaenge(), ausruf);
    EXPECT_TRUE(dialoge().requests().isEmpty());
    EXPECT_TRUE(m().ProgressBar->isHidden());
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
    EXPECT_EQ(dateiLesen(IniDatei), QByteArray("[Allgemein]\r\nAdressIndex=") + f.naechster + "\r\n");
  }
}
