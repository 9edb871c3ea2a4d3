#include "common/Global.h"
#include "common/Ini.h"
#include "common/Ton.h"
#include "mainwindow/Main.h"
#include "platform/vb/IniDatei.h"
#include "platform/vb/Keys.h"
#include "support/kern/TestUmgebung.h"

#include <QDir>
#include <QGuiApplication>
#include <QProgressBar>
#include <QUrlQuery>
#include <cmath>
#include <vector>

class DatenwerkzeugeTest : public KartulonTest {
 protected:
  void SetUp() override {
    KartulonTest::SetUp();
    m().Liste->setItems({});
    m().Liste->setListIndex(-1);
    Geaendert = 0;
    NurLesen = 0;
    klick = m().Liste->Click;
    // Every record the walk selects, with the status text and the bar's value it finds.
    m().Liste->Click = [this] {
      gewaehlt << m().Liste->ListIndex();
      statusBeimWaehlen << panel();
      balken << m().ProgressBar->Value();
      const QCursor* zeiger = QGuiApplication::overrideCursor();
      sanduhr << (zeiger && zeiger->shape() == Qt::WaitCursor && !m().ProgressBar->isHidden());
      klick();
    };
    ausruf = ausrufAufnehmen();
    dialoge().onRequest = [this](const ScriptedDialogs::Request&) {
      statusBeiMeldung << panel();
      toeneBeiMeldung << static_cast<int>(toene().aufrufe().size());
    };
  }
  void TearDown() override {
    m().Liste->Click = klick;
    KartulonTest::TearDown();
  }
  Main& m() { return Main::get(); }
  QString panel() { return m().StatusBar->PanelText(QStringLiteral("Status")); }
  void tabelle(const QStringList& zeilen, int auswahl) {
    m().Liste->setItems(zeilen);
    m().Liste->setListIndex(auswahl);
    Geaendert = 0;
    gewaehlt.clear();
    statusBeimWaehlen.clear();
    balken.clear();
    sanduhr.clear();
  }
  // The pages of the help topics, so that the help double shows them.
  void hilfeseite(int thema) {
    dateiSchreiben(programmOrdner() + QStringLiteral("/Kartulon_%1.html").arg(thema), "<html></html>");
  }
  QStringList meldungen() const {
    QStringList t;
    for (const auto& r : const_cast<DatenwerkzeugeTest*>(this)->dialoge().requests()) t << r.text;
    return t;
  }
  // The system sounds played, by their type.
  QStringList klaenge() {
    QStringList t;
    for (const auto& a : toene().aufrufe()) t << a.art + u':' + (a.name.isEmpty() ? QString::number(a.typ) : a.name);
    return t;
  }
  // What the exclamation sound records.
  QStringList ausrufAufnehmen() {
    toene().clear();
    TonAusgeben(u"#SystemExclamation");
    const QStringList k = klaenge();
    toene().clear();
    return k;
  }
  std::function<void()> klick;
  QStringList ausruf;
  QList<int> gewaehlt;
  QStringList statusBeimWaehlen;
  QList<int> balken;
  QList<bool> sanduhr;  // the hourglass and the bar while a record was selected
  QStringList statusBeiMeldung;
  QList<int> toeneBeiMeldung;
};

namespace {
// A record with a name, an old change date and the e-mail field.
QString satz(int nr, const char* email) {
  return zeileAus(
      {{0, "Privat"}, {1, QStringLiteral("Name %1").arg(nr)}, {16, "01.01.2020"}, {14, QString::fromUtf8(email)}});
}
}  // namespace

TEST_F(DatenwerkzeugeTest, TheEmailCheckTidiesEveryFieldAndStopsAtTheFirstImplausibleAddress) {
  struct Fall {
    const char* was;
    QList<const char*> emails;
    int start;
    QList<int> gewaehlt;             // the records the walk selected, in order
    QList<const char*> gespeichert;  // the e-mail fields afterwards
    const char* ungueltig;           // the address of the message, nullptr: none
  };
  const Fall faelle[] = {
      {"the current address is invalid: nothing is stored",
       {"a@b.de", "anna@example", "c@d.de"},
       1,
       {1},
       {"a@b.de", "anna@example", "c@d.de"},
       "anna@example"},
      {"blanks, \"-\" with blanks and a trimmed address, from the last record round to it again",
       {" - ", "   ", " x@y.de ", "ok@z.de"},
       3,
       {3, 0, 1, 2, 3},
       {"", "", "x@y.de", "ok@z.de"},
       nullptr},
      {"round from the last record to an invalid first one",
       {"bad one", "a@b.de", "c@d.de"},
       1,
       {1, 2, 0},
       {"bad one", "a@b.de", "c@d.de"},
       "bad one"},
      {"an invalid address is shown trimmed but not stored",
       {" anna@example "},
       0,
       {0},
       {" anna@example "},
       "anna@example"},
      {"no record selected: from the first", {"a@b.de", "x"}, -1, {0, 1}, {"a@b.de", "x"}, "x"},
      {"one record: two passes", {"a@b.de"}, 0, {0, 0}, {"a@b.de"}, nullptr},
  };
  for (const Fall& f : faelle) {
    SCOPED_TRACE(f.was);
    QStringList zeilen;
    for (int i = 0; i < f.emails.size(); ++i) zeilen << satz(i, f.emails[i]);
    tabelle(zeilen, f.start);
    dialoge().clear();
    toene().clear();
    statusBeiMeldung.clear();
    toeneBeiMeldung.clear();
    m().mnuChkEmails_Click();

    EXPECT_EQ(gewaehlt, f.gewaehlt);
    for (const QString& s : statusBeimWaehlen) EXPECT_EQ(s, QStringLiteral("Prüfe eMail-Kartulon"));
    EXPECT_EQ(sanduhr, QList<bool>(f.gewaehlt.size(), true));
    // The bar stands at 100 x pass / records before each pass.
    for (int c = 0; c < balken.size(); ++c) EXPECT_EQ(balken[c], std::lround(100.0 * c / f.emails.size()));
    QStringList erwartet;
    for (int i = 0; i < f.emails.size(); ++i) {
      erwartet << satz(i, f.gespeichert[i]);
      // The change date stays.
      EXPECT_EQ(FelderAusZeile(m().Liste->List(i))[16], QStringLiteral("01.01.2020"));
    }
    EXPECT_EQ(m().Liste->items(), erwartet);
    const int zuletzt = f.gewaehlt.last();
    EXPECT_EQ(m().Liste->ListIndex(), zuletzt);
    EXPECT_EQ(AktuellerDatensatz, f.ungueltig ? zeilen[zuletzt] : erwartet[zuletzt]);
    // A check that stored a record leaves the file changed, one that stopped at once does not.
    EXPECT_EQ(Geaendert, f.gewaehlt.size() > 1 || !f.ungueltig ? 1 : 0);
    if (f.ungueltig) {
      const QString meldung =
          QStringLiteral("eMail »") + QString::fromUtf8(f.ungueltig) + QStringLiteral("« ist ungültig");
      ASSERT_EQ(meldungen(), QStringList{meldung});
      EXPECT_EQ(dialoge().requests()[0].style, vb::vbOKOnly);
      EXPECT_EQ(statusBeiMeldung, QStringList{meldung});
      EXPECT_EQ(toeneBeiMeldung, QList<int>{0});  // the sound follows the closed box
      EXPECT_EQ(m().Feld(14).Text(), QString::fromUtf8(f.ungueltig));
    } else {
      EXPECT_TRUE(meldungen().isEmpty());
    }
    EXPECT_EQ(klaenge(), ausruf);
    EXPECT_EQ(panel(), QStringLiteral("Bereit"));
    EXPECT_TRUE(m().ProgressBar->isHidden());
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
  }
}

TEST_F(DatenwerkzeugeTest, TheEmailCheckOnAnEmptyTableOnlyEnds) {
  m().ProgressBar->setValue(40);
  m().mnuChkEmails_Click();
  EXPECT_TRUE(gewaehlt.isEmpty());
  EXPECT_EQ(m().Liste->ListCount(), 0);
  EXPECT_EQ(m().Liste->ListIndex(), -1);
  EXPECT_EQ(Geaendert, 0);
  EXPECT_TRUE(meldungen().isEmpty());
  EXPECT_EQ(klaenge(), ausruf);
  EXPECT_EQ(panel(), QStringLiteral("Bereit"));
  EXPECT_TRUE(m().ProgressBar->isHidden());
}

TEST_F(DatenwerkzeugeTest, MailToTheShownAddressWithTheSelectionAsSubject) {
  struct Fall {
    const char* was;
    const char* email;
    int feld;  // the box that last had the focus, its whole text selected
    const char* text;
    const char* adresse;  // of the link; nullptr: no link
    const char* betreff;  // nullptr: no subject
  };
  const Fall faelle[] = {
      {"the whole address selected: no subject", " anna@example.de ", 14, nullptr, "anna@example.de", nullptr},
      {"two lines of the remark: one blank between", "anna@example.de", 11, "Zeile eins\r\nZeile zwei",
       "anna@example.de", "Zeile eins Zeile zwei"},
      {"signs stay in the subject and the address", "x@y.de?bcc=z@w.de", 1, " A & B #1 ", "x@y.de?bcc=z@w.de",
       "A & B #1"},
      {"an empty field", "  ", 1, "Betreff", nullptr, nullptr},
  };
  for (const Fall& f : faelle) {
    SCOPED_TRACE(f.was);
    tabelle({zeileAus({{1, "Meier"}})}, 0);
    shell().geoeffnet.clear();
    dialoge().clear();
    m().Feld(14).setText(QString::fromUtf8(f.email));
    if (f.text) m().Feld(f.feld).setText(QString::fromUtf8(f.text));
    m().Feld(f.feld).setSelStart(0);
    m().Feld(f.feld).setSelLength(static_cast<int>(m().Feld(f.feld).Text().size()));
    FeldIndex = static_cast<short>(f.feld);
    m().Menue->item(QStringLiteral("mnueMailTo"))->action()->trigger();
    if (!f.adresse) {
      EXPECT_TRUE(shell().geoeffnet.isEmpty());
      ASSERT_EQ(meldungen(), QStringList{QStringLiteral("Keine eMail angegeben.")});
      EXPECT_EQ(dialoge().requests()[0].style, vb::vbOKOnly | vb::vbExclamation);
      continue;
    }
    EXPECT_TRUE(meldungen().isEmpty());
    ASSERT_EQ(shell().geoeffnet.size(), 1);
    const QUrl url = shell().geoeffnet[0];
    EXPECT_EQ(url.scheme(), QStringLiteral("mailto"));
    EXPECT_EQ(url.path(QUrl::FullyDecoded), QString::fromUtf8(f.adresse));
    const QUrlQuery anfrage(url);
    if (f.betreff) {
      EXPECT_EQ(anfrage.queryItems(QUrl::FullyDecoded),
                (QList<QPair<QString, QString>>{{QStringLiteral("subject"), QString::fromUtf8(f.betreff)}}));
    } else {
      EXPECT_FALSE(url.hasQuery());
    }
  }
  // The field context menu's item runs the same command; a desktop without an e-mail program says so.
  shell().geoeffnet.clear();
  shell().oeffnenGelingt = false;
  m().Feld(14).setText(QStringLiteral("anna@example.de"));
  FeldIndex = 14;
  dialoge().clear();
  m().mnuPopeMailTo_Click();
  EXPECT_EQ(shell().geoeffnet.size(), 1);
  ASSERT_EQ(meldungen().size(), 1);
  EXPECT_EQ(meldungen()[0],
            QStringLiteral("Es ist kein Programm eingerichtet, das »mailto:anna@example.de« öffnen kann."));
}

TEST_F(DatenwerkzeugeTest, TheWordStatisticAsksCountsAndReports) {
  tabelle({zeileAus({{0, "Kunde"}, {1, "Meier"}, {5, "Köln"}, {7, "030 / 12-34"}}),
           zeileAus({{0, "Privat"}, {1, "Köln"}, {2, "Anna"}}), zeileAus({{0, "Köln"}, {1, "Schulz"}, {7, "0301234"}})},
          1);
  hilfeseite(4002);
  struct Fall {
    const char* eingabe;
    bool umschalt;
    const char* gespeichert;  // StatAMLast and the text of the report
    const char* zahlen;       // the report's counts and percentage
    const char* vorschlag;    // what the next question proposes (a pair of quotes round a setting is dropped)
  };
  const Fall faelle[] = {
      {"   ", false, "", "3 / 3 Kartulon enthalten den Suchtext.\r\n\r\nDas entspricht 100,0%.\r\n", ""},
      {"meier köln  ", false, "meier köln", "1 / 3 Kartulon enthalten den Suchtext.\r\n\r\nDas entspricht 33,3%.\r\n",
       "meier köln"},
      {"\"köln\"", false, "\"köln\"", "2 / 3 Kartulon enthalten den Suchtext.\r\n\r\nDas entspricht 66,7%.\r\n",
       "köln"},
      {"0301234", false, "0301234", "1 / 3 Kartulon enthalten den Suchtext.\r\n\r\nDas entspricht 33,3%.\r\n",
       "0301234"},
      {"0301234", true, "0301234", "2 / 3 Kartulon enthalten den Suchtext.\r\n\r\nDas entspricht 66,7%.\r\n",
       "0301234"},
      {"[a", false, "[a", "0 / 3 Kartulon enthalten den Suchtext.\r\n\r\nDas entspricht 0,0%.\r\n", "[a"},
  };
  QString vorschlag;
  for (const Fall& f : faelle) {
    SCOPED_TRACE(f.eingabe);
    dialoge().clear();
    toene().clear();
    statusBeiMeldung.clear();
    toeneBeiMeldung.clear();
    hilfe().gezeigt.clear();
    vb::TastenHalten(f.umschalt ? Qt::KeyboardModifiers(Qt::ShiftModifier) : Qt::KeyboardModifiers());
    dialoge().answerHilfe();
    dialoge().answerText(QString::fromUtf8(f.eingabe));
    dialoge().answer(vb::vbCancel);
    m().mnuStatistikFeldSuche_Click();

    ASSERT_EQ(dialoge().requests().size(), 2);
    const auto& frage = dialoge().requests()[0];
    EXPECT_EQ(frage.kind, QStringLiteral("inputbox"));
    EXPECT_EQ(frage.title, QStringLiteral("Statistik, Kartulon mit..."));
    EXPECT_EQ(frage.text, QStringLiteral("Geben Sie bitte den gewünschten Suchtext ein, der in jeder Adresse "
                                         "enthalten sein muss. Platzhalter sind erlaubt."));
    EXPECT_EQ(frage.standard, vorschlag);
    EXPECT_TRUE(frage.hilfe);
    EXPECT_EQ(hilfe().gezeigt.size(), 1);
    EXPECT_TRUE(hilfe().gezeigt.value(0).endsWith(QStringLiteral("Kartulon_4002.html")));
    const auto& bericht = dialoge().requests()[1];
    EXPECT_EQ(bericht.text, QStringLiteral("Gesucht wurden Kartulon mit folgendem Inhalt:\r\n\r\n»") +
                                QString::fromUtf8(f.gespeichert) + QStringLiteral("«\r\n\r\n") +
                                QString::fromUtf8(f.zahlen));
    EXPECT_EQ(bericht.style, vb::vbOKCancel | vb::vbInformation | vb::vbDefaultButton2);
    EXPECT_EQ(bericht.title, QStringLiteral("Statistik, Kartulon mit..."));
    EXPECT_EQ(statusBeiMeldung.value(1), QStringLiteral("Statistik, Kartulon mit..."));
    EXPECT_EQ(toeneBeiMeldung.value(1), ausruf.size());  // the sound before the report
    EXPECT_EQ(klaenge(), ausruf);
    EXPECT_EQ(panel(), QStringLiteral("Bereit"));
    EXPECT_TRUE(m().ProgressBar->isHidden());
    // Neither the selection nor a record changes.
    EXPECT_TRUE(gewaehlt.isEmpty());
    EXPECT_EQ(m().Liste->ListIndex(), 1);
    EXPECT_EQ(Geaendert, 0);
    vorschlag = QString::fromUtf8(f.vorschlag);
  }
  vb::TastenHalten(std::nullopt);

  // OK asks again with the text just used; cancelling the question ends.
  dialoge().clear();
  dialoge().answerText(QStringLiteral("Köln"));
  dialoge().answer(vb::vbOK);
  dialoge().answerCancel();
  m().mnuStatistikFeldSuche_Click();
  ASSERT_EQ(dialoge().requests().size(), 3);
  EXPECT_EQ(dialoge().requests()[2].kind, QStringLiteral("inputbox"));
  EXPECT_EQ(dialoge().requests()[2].standard, QStringLiteral("Köln"));
  EXPECT_EQ(panel(), QStringLiteral("Bereit"));
  // Stored in the program's section of Zedured.ini, in its encoding.
  Profil::sichern();
  EXPECT_TRUE(dateiLesen(windowsOrdner() + QStringLiteral("/Zedured.ini")).contains("\r\nStatAMLast=K\xf6ln\r\n"));
}

TEST_F(DatenwerkzeugeTest, ThePostcodeDistributionShowsEachRecordAndReports) {
  DateiBeschreibung = QStringLiteral("Kunden");
  struct Fall {
    QList<const char*> plz;
    const char* status;   // at the report
    const char* bericht;  // after the heading
  };
  const char* kopf = "Verteilung der Postleitzahlen innerhalb der Adressdatei »Kunden«.\r\n\r\n";
  const Fall faelle[] = {
      {{"01234", "1234", "D-12345", "00000", "99999", "+1234", "1,234", "80331"},
       "2 PLZ statistisch ausgewertet...",
       "0....   50,0 %   1 x\r\n1....   00,0 %   0 x\r\n2....   00,0 %   0 x\r\n3....   00,0 %   0 x\r\n"
       "4....   00,0 %   0 x\r\n5....   00,0 %   0 x\r\n6....   00,0 %   0 x\r\n7....   00,0 %   0 x\r\n"
       "8....   50,0 %   1 x\r\n9....   00,0 %   0 x\r\n"
       "\r\nErfasst sind 2 Kartulon mit Postleitzahl.\r\n4 entsprechen nicht dem 5-stelligen Ziffernschema."},
      {{"", "  "},
       "Statistik, PLZ-Verteilung...",
       "\r\nErfasst sind 0 Kartulon mit Postleitzahl.\r\n2 entsprechen nicht dem 5-stelligen Ziffernschema."},
      {{"50667"},
       "1 PLZ statistisch ausgewertet...",
       "0....   00,0 %   0 x\r\n1....   00,0 %   0 x\r\n2....   00,0 %   0 x\r\n3....   00,0 %   0 x\r\n"
       "4....   00,0 %   0 x\r\n5....   100,0 %   1 x\r\n6....   00,0 %   0 x\r\n7....   00,0 %   0 x\r\n"
       "8....   00,0 %   0 x\r\n9....   00,0 %   0 x\r\n"
       "\r\nErfasst sind 1 Kartulon mit Postleitzahl.\r\n0 entsprechen nicht dem 5-stelligen Ziffernschema."},
      {{},
       "Statistik, PLZ-Verteilung...",
       "\r\nErfasst sind 0 Kartulon mit Postleitzahl.\r\n0 entsprechen nicht dem 5-stelligen Ziffernschema."},
  };
  for (const Fall& f : faelle) {
    SCOPED_TRACE(f.plz.size());
    QStringList zeilen;
    for (const char* p : f.plz) zeilen << zeileAus({{1, "X"}, {4, QString::fromUtf8(p)}});
    tabelle(zeilen, -1);
    dialoge().clear();
    toene().clear();
    statusBeiMeldung.clear();
    toeneBeiMeldung.clear();
    m().mnuStatistikPLZ_Click();
    ASSERT_EQ(dialoge().requests().size(), 1);
    const auto& r = dialoge().requests()[0];
    EXPECT_EQ(r.text, QString::fromUtf8(kopf) + QString::fromUtf8(f.bericht));
    EXPECT_EQ(r.title, QStringLiteral("Statistik, Verteilung der 5-stelligen Postleitzahlen"));
    EXPECT_EQ(r.style, vb::vbOKOnly | vb::vbInformation);
    EXPECT_EQ(statusBeiMeldung, QStringList{QString::fromUtf8(f.status)});
    EXPECT_EQ(toeneBeiMeldung, QList<int>{static_cast<int>(ausruf.size())});
    // Every record shown in turn; the last stays shown.
    QList<int> alle;
    for (int i = 0; i < f.plz.size(); ++i) alle << i;
    // Compared as vectors: Qt's own list comparison hands memcmp a null pointer when one empty list has
    // storage and the other has none, which the sanitizer build stops on.
    EXPECT_EQ(std::vector<int>(gewaehlt.cbegin(), gewaehlt.cend()), std::vector<int>(alle.cbegin(), alle.cend()));
    EXPECT_EQ(m().Liste->ListIndex(), static_cast<int>(f.plz.size()) - 1);
    if (!zeilen.isEmpty()) {
      EXPECT_EQ(AktuellerDatensatz, zeilen.last());
    }
    EXPECT_EQ(m().Liste->items(), zeilen);
    EXPECT_EQ(Geaendert, 0);
    EXPECT_EQ(std::vector<bool>(sanduhr.cbegin(), sanduhr.cend()), std::vector<bool>(f.plz.size(), true));
    EXPECT_EQ(panel(), QStringLiteral("Bereit"));
    EXPECT_TRUE(m().ProgressBar->isHidden());
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
  }
}

TEST_F(DatenwerkzeugeTest, TheCatalogueTakeOversAskFirstWithHelp) {
  hilfeseite(9911);
  KatalogStdLand = QStringLiteral("D-");
  const QString katalog = programmOrdner() + QStringLiteral("/Kataloge/");
  tabelle({zeileAus({{4, "50667"}, {5, "Köln"}, {7, "0221/1"}, {8, "02203/2"}}), zeileAus({{4, "50667"}, {5, "K"}})},
          1);
  struct Fall {
    void (Main::*befehl)();
    const char* titel;
    const char* frage;
    const char* berichtTitel;
    const char* bericht;
    const char* datei;
    const char* inhalt;
  };
  const Fall faelle[] = {
      {&Main::mnuUebernahmePlzOrt_Click, "Ortsnamen übernehmen",
       "Sollen jetzt neue Ortsnamen in den Katalog übernommen werden.\r\n\r\nDer zur Zeit gewählte Standard-Katalog "
       "ist »D-«.",
       "PLZ-Ortsnamen Übernahme", "1 PLZ-Ortsnamen wurde übernommen.", "D-PLZ_Ort_5.txt", "[PLZ]\r\n50667=K\xf6ln\r\n"},
      {&Main::mnuUebernahmePlzVorwahl_Click, "Vorwahlen übernehmen",
       "Sollen jetzt neue Vorwahlen in den Katalog übernommen werden.\r\n\r\nDer zur Zeit gewählte Standard-Katalog "
       "ist »D-«.",
       "PLZ-Vorwahlen-Übernahme", "2 PLZ-Vorwahlen wurden übernommen.", "D-PLZ_Vorwahl_5.txt",
       "[PLZ]\r\n50667=0221, 02203\r\n"},
  };
  for (const Fall& f : faelle) {
    SCOPED_TRACE(f.titel);
    const QString datei = katalog + QString::fromLatin1(f.datei);
    // Abbrechen, also after the help: nothing is shown or written.
    dialoge().clear();
    hilfe().gezeigt.clear();
    dialoge().answerHilfe();
    dialoge().answer(vb::vbCancel);
    m().StatusBar->setPanelText(QStringLiteral("Status"), QStringLiteral("vorher"));
    (m().*f.befehl)();
    ASSERT_EQ(dialoge().requests().size(), 1);
    const auto& frage = dialoge().requests()[0];
    EXPECT_EQ(frage.text, QString::fromUtf8(f.frage));
    EXPECT_EQ(frage.title, QString::fromUtf8(f.titel));
    EXPECT_EQ(frage.style, vb::vbOKCancel | vb::vbQuestion | vb::vbMsgBoxHelpButton);
    EXPECT_TRUE(frage.hilfe);
    ASSERT_EQ(hilfe().gezeigt.size(), 1);
    EXPECT_TRUE(hilfe().gezeigt[0].endsWith(QStringLiteral("Kartulon_9911.html")));
    EXPECT_EQ(panel(), QStringLiteral("vorher"));
    EXPECT_FALSE(QFile::exists(datei));

    dialoge().clear();
    dialoge().answer(vb::vbOK);
    (m().*f.befehl)();
    ASSERT_EQ(dialoge().requests().size(), 2);
    EXPECT_EQ(dialoge().requests()[1].text, QString::fromUtf8(f.bericht));
    EXPECT_EQ(dialoge().requests()[1].title, QString::fromUtf8(f.berichtTitel));
    EXPECT_EQ(dialoge().requests()[1].style, vb::vbOKOnly | vb::vbInformation);
    EXPECT_EQ(statusBeiMeldung.last(), QStringLiteral("Bereit"));
    IniSichern();
    EXPECT_EQ(dateiLesen(datei), QByteArray(f.inhalt));
    EXPECT_TRUE(m().ProgressBar->isHidden());
  }
  EXPECT_TRUE(gewaehlt.isEmpty());
  EXPECT_EQ(m().Liste->ListIndex(), 1);
  EXPECT_EQ(Geaendert, 0);
}

TEST_F(DatenwerkzeugeTest, TheDomainTakeOverMovesTheBarOnlyOnARandomTenth) {
  auto* zufall = new FolgeZufall({0.95, 0.5, 0.9, 0.91});
  Zufall::install(std::unique_ptr<ZufallService>(zufall));
  QStringList zeilen;
  for (const char* a : {"a@neu.de", "b@neu.de", "c@neu.de", "d@example.com"}) zeilen << zeileAus({{14, a}});
  tabelle(zeilen, 0);
  m().ProgressBar->setValue(0);
  QList<int> werte;
  const auto verbindung = QObject::connect(m().ProgressBar, &QProgressBar::valueChanged, [&](int v) { werte << v; });
  m().mnuUebernahmeEmail_Click();
  QObject::disconnect(verbindung);
  EXPECT_EQ(zufall->gezogen, 4);
  EXPECT_EQ(werte, QList<int>({100}));  // the first draw leaves it at 0, the last moves it to 100 x 3 / 3
  EXPECT_EQ(dateiLesen(programmOrdner() + QStringLiteral("/Liste14.txt")), QByteArray(" @neu.de\r\n"));
  EXPECT_TRUE(meldungen().isEmpty());
  EXPECT_EQ(panel(), QStringLiteral("Bereit"));
  EXPECT_TRUE(m().ProgressBar->isHidden());
  EXPECT_EQ(Geaendert, 0);
}
