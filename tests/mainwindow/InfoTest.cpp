// The about box: its caption and facts, the ways to close it, the statistics and the terms of use.
#include "common/Global.h"
#include "common/Ini.h"
#include "common/Pfade.h"
#include "common/Statistik.h"
#include "mainwindow/Info.h"
#include "mainwindow/Main.h"
#include "platform/vb/Umgebung.h"
#include "support/kern/TestUmgebung.h"

#include <QApplication>
#include <QFile>
#include <QTest>

namespace {

class InfoTest : public KartulonTest {
 protected:
  void SetUp() override {
    KartulonTest::SetUp();
    vb::Zeichenflaeche::setAufnahme(true);
  }
  void TearDown() override {
    vb::Zeichenflaeche::setAufnahme(false);
    KartulonTest::TearDown();
  }
  static void neu() {
    vb::Forms::UnloadAll();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  }
  QString programmDatei() {
    const QString p = dateiSchreiben(tempPfad(QStringLiteral("bin/kartulon")), "ELF");
    QFile f(p);
    EXPECT_TRUE(f.open(QIODevice::ReadWrite));
    EXPECT_TRUE(f.setFileTime(QDateTime(QDate(2026, 11, 3), QTime(10, 0)), QFileDevice::FileModificationTime));
    return p;
  }
};

TEST_F(InfoTest, CaptionTitleAndTheFactsOfThisInstallation) {
  const QString datei = programmDatei();
  struct Fall {
    QString anmeldung;
    QString datenOrdner;
    const char* modulPaket;  // nullptr: not in Zedured.ini
    QString programm;
    QString text;
  };
  const QString ordner = programmOrdner();
  const Fall faelle[] = {
      {QStringLiteral("anna"), QStringLiteral("/Daten/Adressen"), "e", datei,
       QStringLiteral("Benutzername / Rechnerstation: Anna\r\nDaten-Ordner: /Daten/Adressen\r\n"
                      "Modul-Paket: Installiert ist e und benötigt wird e\r\nVersion 32-Bit 1.00.0001\r\n"
                      "Freigabe-Datum: 03.11.2026")},
      // No login name (the question for a user name is cancelled: the account's name stands in), no data
      // folder, no module package, no program file.
      {QString(), QString(), nullptr, tempPfad(QStringLiteral("fehlt")),
       QStringLiteral("Benutzername / Rechnerstation: Benutzer ") + Umgebung::kontoKennung() +
           QStringLiteral("\r\nOrdner: ") + ordner +
           QStringLiteral("\r\nModul-Paket: Installiert ist ? und benötigt wird e\r\nVersion 32-Bit 1.00.0001")},
  };
  for (const Fall& f : faelle) {
    neu();
    QFile::remove(windowsOrdner() + QStringLiteral("/Zedured.ini"));
    if (f.modulPaket)
      dateiSchreiben(windowsOrdner() + QStringLiteral("/Zedured.ini"),
                     QByteArray("[Allgemein]\r\nModulPaket32=") + f.modulPaket + "\r\n");
    sysInfo().anmeldung = f.anmeldung;
    sysInfo().datei = f.programm;
    DatenOrdner = f.datenOrdner;
    Info& info = Info::get();
    EXPECT_EQ(info.Caption(), QStringLiteral("Infos über Kartulon · Version 1.00.0001"));
    EXPECT_EQ(info.SysInfo->Text(), f.text);
  }
  // The title as on the splash: shadow, then the face two pixels up and left, 45 pt at most.
  const auto& ops = Info::get().Flaeche->ops();
  ASSERT_EQ(ops.size(), 2);
  EXPECT_EQ(ops[0].text, QStringLiteral("Kartulon 1"));
  EXPECT_NEAR(ops[0].groesse, (5925 - 1800) / 120.0, 1e-9);
  EXPECT_EQ(vb::Farbe(ops[0].farbe), QColor(80, 80, 80));
  EXPECT_EQ(vb::Farbe(ops[1].farbe), QColor(252, 136, 48));
  EXPECT_NEAR(ops[0].x, (5925 - 10 * ops[0].groesse * 12) / 2, 1e-6);
}

TEST_F(InfoTest, TheTitleColoursOfASmallDisplay) {
  sysInfo().tiefe = 8;
  const auto& ops = Info::get().Flaeche->ops();
  ASSERT_EQ(ops.size(), 2);
  EXPECT_EQ(vb::Farbe(ops[0].farbe), QColor(128, 128, 128));
  EXPECT_EQ(vb::Farbe(ops[1].farbe), QColor(255, 0, 0));
}

TEST_F(InfoTest, BlankEscAndEnterCloseItWhicheverControlHasTheFocus) {
  sysInfo().anmeldung = QStringLiteral("anna");
  for (Qt::Key taste : {Qt::Key_Space, Qt::Key_Escape, Qt::Key_Return}) {
    for (const char* name : {"befLizenz", "befAbbrechen", "SysInfo"}) {
      neu();
      Info& info = Info::get();
      info.show();
      QApplication::setActiveWindow(&info);
      ASSERT_TRUE(QTest::qWaitForWindowActive(&info));
      QWidget* ziel = info.findChild<QWidget*>(QString::fromLatin1(name));
      ASSERT_NE(ziel, nullptr);
      if (auto* box = qobject_cast<vb::TextBox*>(ziel)) ziel = box->editor();
      ziel->setFocus();
      ASSERT_EQ(QApplication::focusWidget(), ziel);
      const QString vorher = info.SysInfo->Text();
      QTest::keyClick(ziel, taste);
      EXPECT_FALSE(info.isVisible()) << name << " " << taste;
      EXPECT_TRUE(Info::IsLoaded());
      EXPECT_EQ(info.SysInfo->Text(), vorher) << "the key went no further";
      EXPECT_TRUE(hilfe().gezeigt.isEmpty());
    }
  }
}

TEST_F(InfoTest, TheCloseBoxHidesItAndTheMenuCommandUnloadsIt) {
  Info& info = Info::get();
  info.show();
  info.close();
  EXPECT_FALSE(info.isVisible());
  EXPECT_TRUE(Info::IsLoaded());
  neu();
  // The menu command shows it modally and unloads it once it hides.
  int gezeigt = 0;
  vb::Forms::setModalInterceptor([&](vb::FormBase& form) {
    if (auto* i = dynamic_cast<Info*>(&form)) {
      ++gezeigt;
      i->befAbbrechen->click();
    }
  });
  IniSchreiben(QString(), QStringLiteral("Allgemein"), QStringLiteral("User"), QStringLiteral("Maier"));
  Main::get().PulInfo->action()->trigger();
  EXPECT_EQ(gezeigt, 1);
  EXPECT_FALSE(Info::IsLoaded());
}

TEST_F(InfoTest, ADoubleClickOnTheNoteShowsTheStatistics) {
  StatistikStart();
  Info& info = Info::get();
  dialoge().clear();
  toene().clear();
  QTest::mouseDClick(info.CopyrightHinweis, Qt::LeftButton);
  ASSERT_EQ(dialoge().requests().size(), 1);
  EXPECT_EQ(dialoge().requests()[0].text, StatistikText(0));
  EXPECT_EQ(dialoge().requests()[0].style, 64);
  EXPECT_EQ(dialoge().requests()[0].title, QStringLiteral("Kartulon, Anwender-Statistik"));
  EXPECT_TRUE(toene().aufrufe().isEmpty()) << "no sound";
}

TEST_F(InfoTest, TheTermsOfUseWithAndWithoutTheirHelpPage) {
  for (bool seite : {true, false}) {
    neu();
    dialoge().clear();
    hilfe().gezeigt.clear();
    const QString pfad = programmOrdner() + QStringLiteral("/Werbung_1002.html");
    if (seite)
      dateiSchreiben(pfad, "<html>Nutzungs-Vertrag</html>");
    else
      QFile::remove(pfad);
    Info& info = Info::get();
    info.show();
    QApplication::setActiveWindow(&info);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&info));
    info.befLizenz->setFocus();
    info.befLizenz->click();
    EXPECT_EQ(hilfe().gezeigt.size(), seite ? 1 : 0);
    EXPECT_EQ(dialoge().requests().size(), seite ? 0 : 1) << "a missing page is reported";
    EXPECT_TRUE(info.isVisible());
    EXPECT_EQ(QApplication::focusWidget(), info.befAbbrechen);
  }
}

}  // namespace
