// The dialling dialog on a modem played by the test on a pseudo-terminal: what the modem reads, the
// handset message, the hang-up, the stored choices; the messages and errors; the desktop's dialler; and
// the main window's three ways into the dialog.
#include "common/Global.h"
#include "common/Ini.h"
#include "exchange/Waehlen.h"
#include "exchange/formen/Telewahl.h"
#include "mainwindow/HauptfensterFixture.h"
#include "mainwindow/Main.h"
#include "platform/kit/Twips.h"
#include "platform/vb/Clock.h"
#include "platform/vb/Vb.h"
#include "support/Kontextmenue.h"
#include "support/kern/Pseudoterminal.h"
#include "support/kern/TestUmgebung.h"
#include "support/kern/Warten.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTest>
#include <memory>

using namespace Qt::Literals::StringLiterals;

namespace {

const QString kFehlerText =
    u"Es ist ein Fehler beim Wählen per Modem aufgetreten. Überprüfen Sie bitte die Einstellungen."_s;
const QString kHoerer = u"Bitte jetzt den Telefonhörer abnehmen und ENTER drücken."_s;
const QByteArray kZeduredAnfang = "[Kartulon]\r\nTitelAus=1\r\nAutoTip=0\r\n[Allgemein]\r\n";

QString alsVerlauf(const QByteArray& daten) { return QString::fromLatin1(daten).replace(u'\r', u"\\r"_s); }

class TelewahlTest : public KartulonTest {
 protected:
  void SetUp() override {
    KartulonTest::SetUp();
    auto p = std::make_unique<RecordingSerialPort>();
    port_ = p.get();
    SerialPort::install(std::move(p));
    // The handset sound is looked up by its bare name in the current folder.
    ordner_ = QDir::currentPath();
    ASSERT_TRUE(QFile::copy(QStringLiteral(KARTULON_DATA_DIR "/Telefon.Wav"), programmOrdner() + u"/Telefon.Wav"_s));
    QDir::setCurrent(programmOrdner());
    zeduredSchreiben(u"COM3"_s, u"AT DP ; Pulswahl"_s);
    neuesModem();
  }
  void TearDown() override {
    QDir::setCurrent(ordner_);
    KartulonTest::TearDown();
    SerialPort::install(nullptr);
  }

  Telewahl& d() { return Telewahl::get(); }
  QString zedured() const { return windowsOrdner() + u"/Zedured.ini"_s; }
  static QByteArray zeduredText(const QString& port, const QString& string) {
    return kZeduredAnfang + "COM2Dial=" + port.toLatin1() + "\r\nDialString=" + string.toLatin1() + "\r\n";
  }
  void zeduredSchreiben(const QString& port, const QString& string) {
    dateiSchreiben(zedured(), zeduredText(port, string));
  }
  QByteArray zeduredLesen() {
    IniSichern();
    return dateiLesen(zedured());
  }

  // A fresh modem on a fresh line: it reads each command the program sends and answers with the chunks,
  // one before each read of the program.
  void neuesModem(QList<QByteArray> antwort = {}) {
    modem = std::make_unique<Pseudoterminal>();
    ASSERT_TRUE(modem->ok());
    port_->verlauf.clear();
    port_->gelesen.clear();
    port_->lesungen = 0;
    port_->nachSchreiben = [this](const QByteArray& daten) { modem->lesenBis(daten); };
    port_->vorLesen = [this, antwort](int lesung) {
      if (lesung <= antwort.size()) modem->schreiben(antwort[lesung - 1]);
    };
  }
  // What the port double records for a whole dialling on the modem's line.
  QStringList ganzerVerlauf(const QByteArray& befehl) const {
    return {u"oeffnen "_s + modem->pfad(),
            u"leeren"_s,
            u"schreiben "_s + alsVerlauf(befehl),
            u"schreiben ATH0\\r"_s,
            u"dtr 0"_s + dtrFehler,
            u"dtr 1"_s + dtrFehler,
            u"schliessen"_s};
  }

  // Shows the dialog, fills its boxes and presses "&Wählen".
  void waehlen(const QString& port, const QString& string, const QString& nummer) {
    d().show();
    d().kombiModem->setText(port);
    d().kombiString->setText(string);
    d().txtNummer->setText(nummer);
    d().befWählen->click();
  }
  bool offen() { return d().isVisible(); }
  bool knoepfe() { return d().befWählen->isEnabled() && d().befAbbrechen->isEnabled(); }

  RecordingSerialPort* port_ = nullptr;
  std::unique_ptr<Pseudoterminal> modem;
  QString ordner_;
  // A pseudo-terminal has no DTR line: the double records the refusal, the dialling goes on.
  const QString dtrFehler = u" = 57"_s;
};

TEST_F(TelewahlTest, TheDialogAsItOpens) {
  EXPECT_EQ(d().Caption(), u"Telefonnummer wählen"_s);
  EXPECT_EQ(d().bezNummer->Caption(), u"Diese Nummer wählen"_s);
  EXPECT_EQ(d().txtNummer->toolTip(), u"Diese Telefonnummer wählen"_s);
  EXPECT_EQ(d().bezModem->Caption(), u"über das Modem / Schnittstelle an"_s);
  EXPECT_EQ(d().bezString->Caption(), u"Befehls-String"_s);
  EXPECT_EQ(d().bezHinweis->Caption(), u"Bitte den Hörer erst bei entsprechendem Hinweis abnehmen!"_s);
  EXPECT_EQ(d().befWählen->Caption(), u"&Wählen"_s);
  EXPECT_TRUE(d().befWählen->isDefault());
  EXPECT_EQ(d().befAbbrechen->Caption(), u"&Abbrechen"_s);
  EXPECT_EQ(vb::Forms::helpContext(d().kombiString), 3006);
  EXPECT_EQ(vb::Forms::helpContext(&d()), 3006);
  // From top to bottom in the order of the controls; the two buttons side by side at the bottom.
  const QWidget* reihe[] = {d().bezNummer, d().txtNummer,   d().bezModem,   d().kombiModem,
                            d().bezString, d().kombiString, d().bezHinweis, d().befWählen};
  for (size_t i = 1; i < std::size(reihe); ++i) EXPECT_GT(reihe[i]->y(), reihe[i - 1]->y()) << i;
  EXPECT_EQ(d().befAbbrechen->y(), d().befWählen->y());
  EXPECT_GT(d().befAbbrechen->x(), d().befWählen->x());
  // The port list sorted: the empty entry first, the dialler last.
  QStringList ports;
  for (int i = 0; i < d().kombiModem->ListCount(); ++i) ports << d().kombiModem->List(i);
  EXPECT_EQ(ports,
            QStringList({"", "COM1", "COM2", "COM3", "COM4", "COM5", "COM6", "COM7", "COM8", u"Windows-Wählhilfe"_s}));
  QStringList strings;
  for (int i = 0; i < d().kombiString->ListCount(); ++i) strings << d().kombiString->List(i);
  EXPECT_EQ(strings, WaehlStringEintraege());
}

TEST_F(TelewahlTest, TheStoredChoicesAreShown) {
  struct Fall {
    const char* zedured;  // the [Allgemein] lines
    QString port;
    QString string;
  };
  const Fall faelle[] = {
      {"COM2Dial=C\r\nDialString=AT DT ; Tonwahl\r\n", u"COM2"_s, u"AT DT ; Tonwahl"_s},
      {"COM2Dial=\r\n", u"COM2"_s, QString()},
      {"", u"COM2"_s, QString()},
      {"COM2Dial=COM5\r\nDialString=ATDT\r\n", u"COM5"_s, u"ATDT"_s},
      {"COM2Dial=/dev/ttyUSB0\r\n", u"/dev/ttyUSB0"_s, QString()},
      {"COM2Dial=Windows-W\xE4hlhilfe\r\nDialString=AT X3 DT0, ; Tonwahl mit einer 0 f\xFCrs Amt\r\n",
       u"Windows-Wählhilfe"_s, u"AT X3 DT0, ; Tonwahl mit einer 0 fürs Amt"_s},
  };
  for (const Fall& f : faelle) {
    SCOPED_TRACE(f.zedured);
    Telewahl::Unload();
    dateiSchreiben(zedured(), kZeduredAnfang + QByteArray(f.zedured));
    EXPECT_EQ(d().kombiModem->Text(), f.port);
    EXPECT_EQ(d().kombiString->Text(), f.string);
  }
}

TEST_F(TelewahlTest, TheModemReadsTheCommandAnswersOkAndIsHungUp) {
  struct Fall {
    const char* name;
    QString string;
    QString nummer;
    QByteArray befehl;
    QList<QByteArray> antwort;  // one chunk per read
  };
  const QStringList liste = WaehlStringEintraege();
  const Fall faelle[] = {
      {"tone dialling", liste[0], u"030 / 123 45-67"_s, "AT DT0301234567;\r", {"OK\r\n"}},
      {"with a 0 for the line", liste[3], u"030 / 123 45-67"_s, "AT X3 DT0,0301234567;\r", {"O", "K\r\n"}},
      {"call-by-call prefix",
       liste[0],
       u"01013 030 1234567"_s,
       "AT DT010130301234567;\r",
       {"AT DT010130301234567;\r\r\n", "OK\r\n"}},
      {"Tel.", liste[0], u"Tel. 030"_s, "AT DTE030;\r", {"\r\nRING\r\n\r\nOK\r\n"}},
      {"Fax, pulse dialling", liste[1], u"Fax 089"_s, "AT DPFA089;\r", {"", "", "OK"}},
      {"dial string without ;", u"  ATDT  "_s, u"089 1"_s, "ATDT0891;\r", {"xxOKyy"}},
  };
  for (const Fall& f : faelle) {
    SCOPED_TRACE(f.name);
    Telewahl::Unload();
    zeduredSchreiben(u"COM3"_s, u"AT DP ; Pulswahl"_s);
    neuesModem(f.antwort);
    dialoge().clear();
    dialoge().answer(vb::vbOK);
    toene().clear();
    waehlen(modem->pfad(), f.string, f.nummer);

    EXPECT_EQ(modem->log(), f.befehl + "ATH0\r");
    EXPECT_EQ(port_->verlauf, ganzerVerlauf(f.befehl));
    QList<QByteArray> gelesen;
    for (const QByteArray& a : f.antwort)
      if (!a.isEmpty()) gelesen << a;
    EXPECT_EQ(port_->gelesen, gelesen);
    EXPECT_FALSE(port_->offen());
    ASSERT_EQ(dialoge().requests().size(), 1);
    EXPECT_EQ(dialoge().requests()[0].text, kHoerer);
    EXPECT_EQ(dialoge().requests()[0].style, vb::vbInformation);
    EXPECT_EQ(dialoge().requests()[0].title, u"Telewahl"_s);
    EXPECT_EQ(dialoge().unanswered(), 0);
    EXPECT_EQ(toene().aufrufe(), QList<RecordingSound::Aufruf>({{u"datei"_s, 0, u"Telefon.Wav"_s, true}}));
    // Closed, not unloaded: the caller unloads it.
    EXPECT_FALSE(offen());
    EXPECT_TRUE(Telewahl::IsLoaded());
    // Stored as shown, right-trimmed as every setting.
    EXPECT_EQ(zeduredLesen(), zeduredText(modem->pfad(), vb::RTrim(f.string)));
  }
}

TEST_F(TelewahlTest, AModemThatNeverAnswersIsHungUpAfterThirtySecondsAlsoOverMidnight) {
  Clock::setFixed(QDateTime(QDate(2026, 12, 31), QTime(23, 59, 45)));
  const qint64 start = Clock::tickMs();
  // An "OK" that waited on the line before the dialling is thrown away with the input.
  modem->schreiben("OK\r\n");
  waehlen(modem->pfad(), u"AT DT ; Tonwahl"_s, u"030 1"_s);
  EXPECT_EQ(modem->log(), "AT DT0301;\rATH0\r");
  EXPECT_EQ(port_->verlauf, ganzerVerlauf("AT DT0301;\r"));
  EXPECT_TRUE(port_->gelesen.isEmpty());
  EXPECT_TRUE(dialoge().requests().isEmpty());
  EXPECT_TRUE(toene().aufrufe().isEmpty());
  // 30 s for the answer, 2 s for the rest after the hang-up, 1 s without DTR.
  EXPECT_GE(Clock::tickMs() - start, 33000);
  EXPECT_LE(Clock::tickMs() - start, 36000);
  EXPECT_EQ(Clock::today(), QDate(2027, 1, 1));
  EXPECT_FALSE(offen());
  EXPECT_EQ(zeduredLesen(), zeduredText(modem->pfad(), u"AT DT ; Tonwahl"_s));
}

TEST_F(TelewahlTest, MissingDialStringPortOrNumberIsToldAndTheUserMayCorrectIt) {
  struct Fall {
    QString string;
    QString port;
    QString nummer;
    QString meldung;
  };
  const QStringList liste = WaehlStringEintraege();
  const QString ohneString = u"Bitte legen Sie einen Wählstring fest"_s;
  const QString ohnePort = u"Bitte legen Sie einen Modem-Anschluss fest"_s;
  const QString ohneNummer = u"Bitte geben Sie eine Telefonnummer ein."_s;
  const Fall faelle[] = {
      {liste[2], u"COM1"_s, u"030"_s, ohneString},
      {liste[5], u"COM1"_s, u"030"_s, ohneString},
      {u"  ; nur ein Kommentar"_s, u"COM1"_s, u"030"_s, ohneString},
      // The dial string is looked at first.
      {QString(), QString(), QString(), ohneString},
      {liste[0], QString(), u"030"_s, ohnePort},
      {liste[0], u"   "_s, u"030"_s, ohnePort},
      {liste[0], u"COM1"_s, QString(), ohneNummer},
      {liste[0], u"COM1"_s, u"--- / ()"_s, ohneNummer},
  };
  for (const Fall& f : faelle) {
    SCOPED_TRACE((f.string + u" | "_s + f.port + u" | "_s + f.nummer).toStdString());
    dialoge().clear();
    waehlen(f.port, f.string, f.nummer);
    ASSERT_EQ(dialoge().requests().size(), 1);
    EXPECT_EQ(dialoge().requests()[0].text, f.meldung);
    EXPECT_EQ(dialoge().requests()[0].style, vb::vbExclamation);
    EXPECT_EQ(dialoge().requests()[0].title, u"Telewahl"_s);
    EXPECT_TRUE(offen());
    EXPECT_TRUE(knoepfe());
    EXPECT_TRUE(port_->verlauf.isEmpty());
  }
  // The empty entries of the port list are what the user chooses there.
  d().kombiModem->setListIndex(0);
  d().kombiString->setListIndex(0);
  d().txtNummer->setText(QString());
  dialoge().clear();
  d().befWählen->click();
  ASSERT_EQ(dialoge().requests().size(), 1);
  EXPECT_EQ(dialoge().requests()[0].text, ohnePort);

  // Corrected, the second "&Wählen" dials.
  neuesModem({"OK\r\n"});
  dialoge().clear();
  dialoge().answer(vb::vbOK);
  d().kombiModem->setText(modem->pfad());
  d().txtNummer->setText(u"089 12"_s);
  d().befWählen->click();
  EXPECT_EQ(modem->log(), "AT DT08912;\rATH0\r");
  EXPECT_EQ(dialoge().requests().size(), 1);
  EXPECT_FALSE(offen());
}

TEST_F(TelewahlTest, APortThatCannotBeUsedGoesToTheErrorHandlerAndIsClosed) {
  // Another program holds the line.
  QProcess halter;
  halter.start(QStringLiteral(KARTULON_MODEM_HELFER), {u"halten"_s, modem->pfad()});
  ASSERT_TRUE(halter.waitForReadyRead(10000));
  ASSERT_EQ(halter.readLine().trimmed(), "offen");
  const QString fehlt = tempPfad(u"kein-modem"_s);
  struct Fall {
    QString port;
    int antwort;  // to the error handler
    QStringList verlauf;
    const char* nummer;
    bool offen;
  };
  const Fall faelle[] = {
      {u"COM10"_s, vb::vbCancel, {u"schliessen"_s}, "(380)", true},
      {u"Windows-Wählhelfer"_s, vb::vbCancel, {u"schliessen"_s}, "(380)", true},
      {fehlt, vb::vbCancel, {u"oeffnen "_s + fehlt + u" = 68"_s, u"schliessen"_s}, "(68)", true},
      {modem->pfad(), vb::vbCancel, {u"oeffnen "_s + modem->pfad() + u" = 68"_s, u"schliessen"_s}, "(68)", true},
      // "Nein" to the printed report goes on: the dialling ends and the dialog closes as after a call.
      {u"COM10"_s, vb::vbNo, {u"schliessen"_s}, "(380)", false},
  };
  for (const Fall& f : faelle) {
    SCOPED_TRACE(f.port.toStdString());
    Telewahl::Unload();
    zeduredSchreiben(u"COM3"_s, u"AT DP ; Pulswahl"_s);
    port_->verlauf.clear();
    dialoge().clear();
    dialoge().answer(f.antwort);
    waehlen(f.port, u"AT DT ; Tonwahl"_s, u"030 1"_s);
    ASSERT_EQ(dialoge().requests().size(), 1);
    EXPECT_TRUE(dialoge().requests()[0].text.contains(kFehlerText));
    EXPECT_TRUE(dialoge().requests()[0].text.contains(QString::fromLatin1(f.nummer)));
    EXPECT_EQ(port_->verlauf, f.verlauf);
    EXPECT_FALSE(port_->offen());
    EXPECT_EQ(offen(), f.offen);
    EXPECT_TRUE(knoepfe());
    EXPECT_TRUE(modem->lesenBis("\r", 50).isEmpty());
    if (f.offen)
      EXPECT_EQ(IniLesen(QString(), u"Allgemein"_s, u"COM2Dial"_s, QString()), u"COM3"_s);
    else
      EXPECT_EQ(IniLesen(QString(), u"Allgemein"_s, u"COM2Dial"_s, QString()), f.port);
  }
  halter.closeWriteChannel();
  EXPECT_TRUE(halter.waitForFinished(10000));
  // Once the other program has let go, the line dials.
  Telewahl::Unload();
  neuesModem({"OK\r\n"});
  dialoge().clear();
  dialoge().answer(vb::vbOK);
  waehlen(modem->pfad(), u"AT DT ; Tonwahl"_s, u"030 1"_s);
  EXPECT_EQ(modem->log(), "AT DT0301;\rATH0\r");
}

TEST_F(TelewahlTest, TheCloseBoxDuringTheWaitHangsUpStoresAndHides) {
  port_->vorLesen = [this](int lesung) {
    if (lesung != 1) return;
    // The dialog stays loaded while its dialling runs.
    EXPECT_FALSE(Telewahl::Unload());
    d().close();
  };
  waehlen(modem->pfad(), u"AT DT ; Tonwahl"_s, u"030 1"_s);
  EXPECT_EQ(modem->log(), "AT DT0301;\rATH0\r");
  EXPECT_EQ(port_->verlauf, ganzerVerlauf("AT DT0301;\r"));
  EXPECT_TRUE(dialoge().requests().isEmpty());
  EXPECT_FALSE(offen());
  EXPECT_TRUE(Telewahl::IsLoaded());
  EXPECT_EQ(zeduredLesen(), zeduredText(modem->pfad(), u"AT DT ; Tonwahl"_s));
  // Afterwards the close box only stores and hides, and the caller's unload goes through.
  d().show();
  d().close();
  EXPECT_FALSE(offen());
  EXPECT_TRUE(Telewahl::Unload());
}

TEST_F(TelewahlTest, TheDesktopsDiallerGetsTheNumber) {
  const QString waehlhilfe = u"Windows-Wählhilfe"_s;
  // No dialler program: the desktop gets a "tel:" link, and no keys are typed anywhere.
  waehlen(waehlhilfe, u"AT DT ; Tonwahl"_s, u"Tel. 030 / 123-4"_s);
  EXPECT_EQ(shell().geoeffnet, QList<QUrl>({QUrl(u"tel:E0301234"_s)}));
  EXPECT_TRUE(shell().gestartet.isEmpty());
  EXPECT_TRUE(tastatur().aufrufe.isEmpty());
  EXPECT_TRUE(port_->verlauf.isEmpty());
  EXPECT_FALSE(offen());
  EXPECT_EQ(zeduredLesen(), zeduredText(u"Windows-W\xE4hlhilfe"_s, u"AT DT ; Tonwahl"_s));

  // A dialler program gets the dialled characters as its one argument.
  const QString ausgabe = tempPfad(u"gewaehlt.txt"_s);
  const QString programm = tempPfad(u"waehler.sh"_s);
  dateiSchreiben(programm, "#!/bin/sh\nprintf '%s|' \"$#\" \"$@\" > \"" + ausgabe.toLocal8Bit() + ".neu\"\nmv \"" +
                               ausgabe.toLocal8Bit() + ".neu\" \"" + ausgabe.toLocal8Bit() + "\"\n");
  QFile::setPermissions(programm, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
  IniSchreiben(QString(), u"Verknüpfung"_s, u"Dialer"_s, programm);
  Telewahl::Unload();
  shell().geoeffnet.clear();
  waehlen(waehlhilfe, u"AT DT ; Tonwahl"_s, u"01013 030 / 123"_s);
  ASSERT_EQ(shell().gestartet.size(), 1);
  EXPECT_EQ(shell().gestartet[0].programm, programm);
  EXPECT_EQ(shell().gestartet[0].argumente, QStringList({u"01013030123"_s}));
  EXPECT_TRUE(shell().geoeffnet.isEmpty());
  EXPECT_FALSE(offen());
  WartenBis([&] { return dateiLesen(ausgabe) == "1|01013030123|"; }, 10000, 20);
  EXPECT_EQ(dateiLesen(ausgabe), "1|01013030123|");

  // Neither: the error handler; "Abbrechen" leaves the dialog open.
  IniSchreiben(QString(), u"Verknüpfung"_s, u"Dialer"_s, tempPfad(u"Dialer.exe"_s));
  Telewahl::Unload();
  shell().gestartet.clear();
  shell().oeffnenGelingt = false;
  dialoge().answer(vb::vbCancel);
  waehlen(waehlhilfe, u"AT DT ; Tonwahl"_s, u"030"_s);
  ASSERT_EQ(dialoge().requests().size(), 1);
  EXPECT_TRUE(dialoge().requests()[0].text.contains(kFehlerText));
  EXPECT_EQ(shell().geoeffnet, QList<QUrl>({QUrl(u"tel:030"_s)}));
  EXPECT_TRUE(offen());
  EXPECT_TRUE(knoepfe());
}

// The main window's ways into the dialog: Ctrl+W in a field box, the toolbar key, the context menu.
class TelewahlAufrufTest : public HauptfensterTest {
 protected:
  void SetUp() override {
    HauptfensterTest::SetUp();
    m().Liste->setItems({zeileAus({{1, "Meier"}, {7, "030 / 1234"}, {12, "0171 555"}})});
    m().Liste->setListIndex(0);
  }
  void rechtsklick(int feld) {
    QTest::mouseClick(m().windowHandle(), Qt::RightButton, {}, m().Feld(feld).editor()->mapTo(&m(), QPoint(6, 6)));
    QApplication::processEvents();
  }
  KontextmenueAttrappe menue;
};

TEST_F(TelewahlAufrufTest, EveryWayOpensTheDialogWithTheNumberAndItsChoicesAreStored) {
  enum Weg { StrgW, Werkzeug, Kontext };
  struct Fall {
    const char* name;
    Weg weg;
    int feld;           // the box the user is in
    bool schliessfeld;  // the close box instead of "&Abbrechen"
    QString nummer;
  };
  const Fall faelle[] = {
      {"Ctrl+W", StrgW, 1, false, u"030 / 1234"_s},
      {"toolbar key", Werkzeug, 2, true, u"030 / 1234"_s},
      {"context menu on the mobile number", Kontext, 12, false, u"0171 555"_s},
      {"context menu on the name", Kontext, 1, true, u"030 / 1234"_s},
  };
  for (const Fall& f : faelle) {
    SCOPED_TRACE(f.name);
    dateiSchreiben(windowsOrdner() + u"/Zedured.ini"_s, "[Kartulon]\r\nTitelAus=1\r\nAutoTip=0\r\n");
    QStringList gesehen;
    vb::Forms::setModalInterceptor([&](vb::FormBase& form) {
      auto* t = dynamic_cast<Telewahl*>(&form);
      if (!t) return;
      gesehen << t->txtNummer->Text();
      t->kombiModem->setText(u"COM4"_s);
      t->kombiString->setListIndex(1);
      if (f.schliessfeld) {
        QCloseEvent schliessen;  // what the window system sends for the close box
        QApplication::sendEvent(t, &schliessen);
        EXPECT_FALSE(schliessen.isAccepted());
      } else {
        t->befAbbrechen->click();
      }
      EXPECT_FALSE(t->isVisible());
    });
    zeigen();
    m().Feld(f.feld).SetFocus();
    QApplication::processEvents();
    if (f.weg == StrgW) {
      QTest::keyClick(m().Feld(f.feld).editor(), Qt::Key_W, Qt::ControlModifier);
    } else if (f.weg == Werkzeug) {
      m().Toolbar->Button(u"Telefon"_s)->trigger();
    } else {
      menue.waehlen = u"mnuPopTeleWahl"_s;
      rechtsklick(f.feld);
    }
    vb::Forms::setModalInterceptor({});
    EXPECT_EQ(gesehen, QStringList({f.nummer}));
    EXPECT_FALSE(Telewahl::IsLoaded());
    EXPECT_EQ(IniLesen(QString(), u"Allgemein"_s, u"COM2Dial"_s, QString()), u"COM4"_s);
    EXPECT_EQ(IniLesen(QString(), u"Allgemein"_s, u"DialString"_s, QString()), u"AT DP ; Pulswahl"_s);
  }
}

}  // namespace
