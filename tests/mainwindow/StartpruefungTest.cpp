#include "common/Ini.h"
#include "common/Startpruefung.h"
#include "common/formen/Formular.h"
#include "mainwindow/Instanzpruefung.h"
#include "mainwindow/Main.h"
#include "mainwindow/MainFamilie.h"
#include "mainwindow/MainFelder.h"
#include "platform/dienste/SysInfo.h"
#include "platform/kit/Instanz.h"
#include "platform/vb/Clock.h"
#include "platform/vb/Paths.h"
#include "platform/vb/Programm.h"
#include "support/kern/TestUmgebung.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QProcess>

class StartpruefungTest : public KartulonTest {
 protected:
  void regional(const QString& dezimal, const QString& gruppe, const QString& form) {
    sysInfo().regional = {dezimal, gruppe, form};
  }
  void laenderHinweis(const QByteArray& wert) {
    dateiSchreiben(windowsOrdner() + "/Zedured.ini", "[Allgemein]\r\nLänderHinweis=" + wert + "\r\n");
  }
  QByteArray zedured() {
    IniSichern();
    return dateiLesen(windowsOrdner() + "/Zedured.ini");
  }
};

namespace {
const QString kEinleitung = QStringLiteral(
    "Die Software erwartet eine Ländereinstellung, wie sie im deutschsprachigen Gebiet üblich ist.\r\n\r\n");
const QString kZahlen = QStringLiteral(
    "Als Dezimaltrennzeichen sollte ein Komma und als Gruppierungszeichen ein Punkt eingestellt sein. Es könnte "
    "sein, dass Berechnungen und Zahlenformatierungen falsch durchgeführt werden!\r\n\r\n");
const QString kDatum = QStringLiteral(
    "Als Datumsformat sollte die Form tt.mm.jjjj gewählt werden. Es könnte sein, dass Berechnungen und "
    "Formatierungen falsch durchgeführt werden!\r\n\r\n");
const QString kSchluss =
    QStringLiteral("Die Einstellungen können Sie innerhalb der Systemsteuerung / Ländereinstellungen vornehmen.");
const QString kFrage = QStringLiteral("\r\n\r\nDiesen Hinweis als Erinnerung weiterhin anzeigen?");
}  // namespace

TEST_F(StartpruefungTest, GermanSettingsNeedNoWarning) {
  Clock::setFixed(QDateTime(QDate(1999, 12, 24), QTime(14, 30)));
  const QByteArray vorher = zedured();  // the automated run's settings only
  EXPECT_EQ(LaenderPruefen(1), QString());
  EXPECT_TRUE(dialoge().requests().isEmpty());
  EXPECT_EQ(zedured(), vorher);
}

// The real check looks at the program's own formatting, not at the machine's locale (the tests run under
// C, C.UTF-8 or English locales too): German, so no box. Only a program whose own date form is not German
// warns.
TEST_F(StartpruefungTest, TheProgramsOwnGermanFormattingNeedsNoWarningWhateverTheMachinesLocale) {
  SysInfo::install(nullptr);
  Clock::setFixed(QDateTime(QDate(1999, 12, 24), QTime(14, 30)));
  EXPECT_EQ(LaenderPruefen(1), QString()) << "machine locale " << QLocale::system().name().toStdString();
  EXPECT_TRUE(dialoge().requests().isEmpty());

  const QLocale programm;
  QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
  const QString text = LaenderPruefen(0);
  QLocale::setDefault(programm);
  EXPECT_EQ(text, kEinleitung + kDatum + kSchluss);
}

TEST_F(StartpruefungTest, WarnsAboutNumberSeparatorsAndAsksOnce) {
  regional(".", ",", "dd.MM.yyyy HH:mm:ss");
  dialoge().answer(vb::vbNo);
  const QString text = LaenderPruefen(1);
  EXPECT_EQ(text, kEinleitung + kZahlen + kSchluss + kFrage);
  ASSERT_EQ(dialoge().requests().size(), 1);
  EXPECT_EQ(dialoge().requests()[0].text, text);
  EXPECT_EQ(dialoge().requests()[0].style, vb::vbYesNo + vb::vbCritical);
  EXPECT_EQ(dialoge().requests()[0].title, QStringLiteral("Ländereinstellung"));
  EXPECT_TRUE(toene().aufrufe().isEmpty());
  EXPECT_TRUE(zedured().contains("nderHinweis=0"));

  // Answered No: the same text, no box.
  EXPECT_EQ(LaenderPruefen(1), text);
  EXPECT_EQ(dialoge().requests().size(), 1);
}

TEST_F(StartpruefungTest, DateFormsAndTheSwitch) {
  struct Fall {
    QDate heute;
    QString form;
    QByteArray hinweis;  // "" = not set
    int flag;
    QString text;
    bool box;
  };
  const QDate tag(1999, 12, 24), august(1999, 8, 12);
  const Fall faelle[] = {
      {tag, "MM/dd/yyyy h:mm AP", "", 1, kEinleitung + kDatum + kSchluss + kFrage, true},
      // "8/12/1999": the third character is "1"; the month-first form still refuses 31.12.1997.
      {august, "M/d/yyyy h:mm AP", "", 1, kEinleitung + kDatum + kSchluss + kFrage, true},
      {august, "d.M.yyyy HH:mm", "", 1, QString(), false},
      {tag, "yyyy-MM-dd HH:mm", "", 1, kEinleitung + kDatum + kSchluss + kFrage, true},
      {tag, "MM/dd/yyyy", "0", 1, kEinleitung + kDatum + kSchluss + kFrage, false},
      {tag, "MM/dd/yyyy", "nein", 1, kEinleitung + kDatum + kSchluss + kFrage, false},
      {tag, "MM/dd/yyyy", "2", 1, kEinleitung + kDatum + kSchluss + kFrage, true},
      {tag, "MM/dd/yyyy", "", 0, kEinleitung + kDatum + kSchluss, false},
  };
  for (const Fall& f : faelle) {
    dialoge().clear();
    Clock::setFixed(QDateTime(f.heute, QTime(14, 30)));
    regional(",", ".", f.form);
    if (f.hinweis.isEmpty())
      QFile::remove(windowsOrdner() + "/Zedured.ini");
    else
      laenderHinweis(f.hinweis);
    dialoge().answer(vb::vbYes);
    EXPECT_EQ(LaenderPruefen(f.flag), f.text) << f.form.toStdString() << " " << f.hinweis.toStdString();
    EXPECT_EQ(dialoge().requests().size(), f.box ? 1 : 0) << f.form.toStdString() << " " << f.hinweis.toStdString();
    // Yes keeps the switch as it was.
    if (!f.hinweis.isEmpty())
      EXPECT_TRUE(zedured().contains("nderHinweis=" + f.hinweis));
    else
      EXPECT_FALSE(zedured().contains("nderHinweis"));
  }
}

TEST_F(StartpruefungTest, BothWarningsTogether) {
  regional(".", ",", "M/d/yy h:mm AP");
  EXPECT_EQ(LaenderPruefen(0), kEinleitung + kZahlen + kDatum + kSchluss);
  regional(",", ",", "dd.MM.yy HH:mm");  // the same sign twice
  EXPECT_EQ(LaenderPruefen(0), kEinleitung + kZahlen + kSchluss);
}

TEST_F(StartpruefungTest, TheGuardCanBeSwitchedOff) {
  dateiSchreiben(Paths::aufloesen(programmOrdner() + "/Zurirada.ini"), "[Allgemein]\r\nNoInstanceWatch=1\r\n");
  InstanzPruefen();
  EXPECT_FALSE(Instanz::wacht());
  EXPECT_TRUE(programmEnden().isEmpty());
  EXPECT_EQ(IniLesen(programmOrdner() + "/Zurirada.ini", "Allgemein", "NoInstanceWatch", "fehlt"), "1");
}

TEST_F(StartpruefungTest, TheFirstCopyListensAndWritesTheSwitchBack) {
  InstanzPruefen();
  EXPECT_TRUE(Instanz::wacht());
  InstanzPruefen();  // asked again in the running copy: it is the running copy
  EXPECT_TRUE(Instanz::wacht());
  EXPECT_TRUE(programmEnden().isEmpty());
  EXPECT_EQ(IniLesen(programmOrdner() + "/Zurirada.ini", "Allgemein", "NoInstanceWatch", "fehlt"), "0");
}

namespace {
QProcess* helferStarten(const QString& art) {
  // The helper's start-up must not stop at the regional-settings warning of the machine it runs on.
  IniSchreiben(QString(), QStringLiteral("Allgemein"), QString::fromUtf16(u"LänderHinweis"), QStringLiteral("0"));
  IniSichern();
  auto* p = new QProcess;
  p->setProgram(QStringLiteral(KARTULON_INSTANZ_HELFER));
  p->setArguments({art});
  p->start();
  return p;
}
// Processes events until the condition holds or the time is up.
template <class F>
bool bis(F&& bedingung, int ms = 15000) {
  QElapsedTimer t;
  t.start();
  while (!bedingung()) {
    if (t.elapsed() > ms) return false;
    QApplication::processEvents(QEventLoop::AllEvents, 20);
  }
  return true;
}
}  // namespace

TEST_F(StartpruefungTest, ASecondProcessBringsThisCopyToTheFrontAndEnds) {
  Main& fenster = Main::get();
  fenster.showMinimized();
  InstanzPruefen();
  ASSERT_TRUE(Instanz::wacht());

  std::unique_ptr<QProcess> zweite(helferStarten(QStringLiteral("zweite")));
  ASSERT_TRUE(bis([&] { return zweite->state() == QProcess::NotRunning; }));
  EXPECT_EQ(zweite->exitStatus(), QProcess::NormalExit);
  EXPECT_EQ(zweite->exitCode(), 0);
  EXPECT_EQ(zweite->readAllStandardOutput(), QByteArray());  // it ended inside the guard
  EXPECT_TRUE(bis([&] { return !(fenster.QMainWindow::windowState() & Qt::WindowMinimized); }));

  // With the guard switched off, a later copy runs beside this one.
  IniSichern();
  dateiSchreiben(Paths::aufloesen(programmOrdner() + "/Zurirada.ini"), "[Allgemein]\r\nNoInstanceWatch=1\r\n");
  std::unique_ptr<QProcess> dritte(helferStarten(QStringLiteral("zweite")));
  ASSERT_TRUE(bis([&] { return dritte->state() == QProcess::NotRunning; }));
  EXPECT_EQ(dritte->readAllStandardOutput(), QByteArray("weiter\n"));
  EXPECT_TRUE(Instanz::wacht());
}

TEST_F(StartpruefungTest, ThisCopyEndsWhenAnotherProcessRuns) {
  std::unique_ptr<QProcess> erste(helferStarten(QStringLiteral("erste")));
  ASSERT_TRUE(bis([&] { return erste->canReadLine(); }));
  EXPECT_EQ(erste->readLine(), QByteArray("weiter\n"));

  EXPECT_THROW(InstanzPruefen(), vb::Programm::Beendet);
  EXPECT_EQ(programmEnden(), QList<int>{0});
  EXPECT_FALSE(Instanz::wacht());
  ASSERT_TRUE(bis([&] { return erste->state() == QProcess::NotRunning; }));
  EXPECT_EQ(erste->exitCode(), 0);
  EXPECT_EQ(erste->readAllStandardOutput(), QByteArray("aktiviert\n"));
}
