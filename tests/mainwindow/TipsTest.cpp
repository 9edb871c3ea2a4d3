// The tip of the day as a window: the tip at load, the next one, the switch written at once, the state
// without tips, and the main window's first paint that shows it after the file dialog, once per run.
#include "common/Global.h"
#include "common/Ini.h"
#include "common/Tipps.h"
#include "common/formen/File.h"
#include "mainwindow/Main.h"
#include "mainwindow/Tips.h"
#include "support/DateiDialog.h"
#include "support/kern/TestUmgebung.h"

#include <QCoreApplication>
#include <QFile>
#include <QTest>

namespace {

class TipsTest : public KartulonTest {
 protected:
  void SetUp() override {
    KartulonTest::SetUp();
    auto z = std::make_unique<FolgeZufall>(QList<double>{0.1, 0.5, 0.9});
    zufall_ = z.get();
    Zufall::install(std::move(z));
    dateiSchreiben(zedured(), "[Kartulon]\r\nTitelAus=1\r\n");
  }
  QString zedured() const { return windowsOrdner() + QStringLiteral("/Zedured.ini"); }
  QString tips() const { return programmOrdner() + QStringLiteral("/Tips.Bot"); }
  static QByteArray lesen(const QString& pfad) {
    IniSichern();
    return dateiLesen(pfad);
  }
  static void neu() {
    vb::Forms::UnloadAll();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  }
  const QByteArray datei =
      "[Tips]\r\nAnzahl=3\r\nZuletzt=\r\nFrage=Wussten Sie schon...\r\nHeader=Willkommen zu Version {Major}\r\n"
      "Tip0001=Erster Absatz~Zweiter Absatz\r\nTip0002=Geht das?\r\nTip0003=Mehr unter {URL}\r\n";
  FolgeZufall* zufall_ = nullptr;
};

TEST_F(TipsTest, TheFirstTipShowsAtLoadAndTheSettingsAreWrittenAtOnce) {
  dateiSchreiben(tips(), datei);
  Tips& t = Tips::get();
  EXPECT_EQ(t.Caption(), QStringLiteral("Willkommen zu Version 01"));
  EXPECT_EQ(t.bezTip0->Caption(), QStringLiteral("Wussten Sie schon..."));
  EXPECT_EQ(t.bezTip->Caption(), QStringLiteral("Erster Absatz\r\n\r\nZweiter Absatz."));
  EXPECT_EQ(t.bezTip->text(), QStringLiteral("Erster Absatz\n\nZweiter Absatz."));
  EXPECT_EQ(t.strgAutoTip->Value(), 1);
  EXPECT_TRUE(t.befNext->isEnabled());
  // AutoTip was missing (on by default): ticking the box wrote it; the recent list holds tip 1.
  EXPECT_EQ(lesen(zedured()), QByteArray("[Kartulon]\r\nTitelAus=1\r\nAutoTip= 1\r\n"));
  QByteArray erwartet = datei;
  erwartet.replace("Zuletzt=\r\n", "Zuletzt=.0001\r\n");
  EXPECT_EQ(lesen(tips()), erwartet);

  t.befNext->click();
  EXPECT_EQ(t.bezTip->Caption(), QStringLiteral("Geht das?"));
  t.befNext->click();
  EXPECT_EQ(t.bezTip->Caption(), QStringLiteral("Mehr unter ") + kTippHomepage + u'.');
  erwartet.replace("Zuletzt=.0001\r\n", "Zuletzt=.0003.0002\r\n");
  EXPECT_EQ(lesen(tips()), erwartet);

  // Unticking writes at once, though the window is then closed with Esc.
  t.strgAutoTip->click();
  EXPECT_EQ(lesen(zedured()), QByteArray("[Kartulon]\r\nTitelAus=1\r\nAutoTip= 0\r\n"));
  t.show();
  QTest::keyClick(&t, Qt::Key_Escape);
  EXPECT_FALSE(t.isVisible());
  EXPECT_EQ(lesen(zedured()), QByteArray("[Kartulon]\r\nTitelAus=1\r\nAutoTip= 0\r\n"));
}

TEST_F(TipsTest, TheSwitchMirrorsTheSetting) {
  dateiSchreiben(tips(), datei);
  struct Fall {
    QByteArray autoTip;
    int wert;
    QByteArray danach;
  };
  const Fall faelle[] = {{"0", 0, "0"}, {" 0", 0, " 0"}, {"1", 1, " 1"}, {"2", 1, " 1"}, {"abc", 0, "abc"}};
  for (const Fall& f : faelle) {
    neu();
    dateiSchreiben(zedured(), "[Kartulon]\r\nAutoTip=" + f.autoTip + "\r\n");
    EXPECT_EQ(Tips::get().strgAutoTip->Value(), f.wert) << f.autoTip.constData();
    // Only a change of the box from its unticked design state writes.
    EXPECT_EQ(lesen(zedured()), "[Kartulon]\r\nAutoTip=" + f.danach + "\r\n");
  }
}

TEST_F(TipsTest, WithoutTipsTheWindowSaysSoAndTurnsTheTipsOff) {
  for (const QByteArray& inhalt : {QByteArray(), QByteArray("[Tips]\r\nAnzahl=0\r\nTip0001=Eins\r\n")}) {
    neu();
    QFile::remove(tips());
    if (!inhalt.isEmpty()) dateiSchreiben(tips(), inhalt);
    dateiSchreiben(zedured(), "[Kartulon]\r\nAutoTip=1\r\n");
    Tips& t = Tips::get();
    EXPECT_EQ(t.bezTip0->Caption(), QStringLiteral("Keine Tipps gefunden!"));
    EXPECT_EQ(t.bezTip->Caption(), QString());
    EXPECT_FALSE(t.befNext->isEnabled());
    EXPECT_EQ(t.strgAutoTip->Value(), 0);
    EXPECT_EQ(t.Caption(), QStringLiteral("Willkommen"));
    EXPECT_EQ(lesen(zedured()), QByteArray("[Kartulon]\r\nAutoTip= 0\r\n"));
  }
}

TEST_F(TipsTest, TheCloseBoxHidesItAndF1OpensItsTopic) {
  dateiSchreiben(tips(), datei);
  Tips& t = Tips::get();
  t.show();
  t.close();
  EXPECT_FALSE(t.isVisible());
  EXPECT_TRUE(Tips::IsLoaded());
  EXPECT_EQ(vb::Forms::helpContext(t.befNext), 1010);
  EXPECT_EQ(vb::Forms::helpContext(t.strgAutoTip), 1010);
}

TEST_F(TipsTest, TheFirstPaintShowsTheFileDialogThenTheTipOncePerRun) {
  dateiSchreiben(tips(), datei);
  struct Fall {
    const char* auswahlOeffnen;
    const char* autoTip;
    QStringList folge;
  };
  const Fall faelle[] = {
      {"1", "1", {QStringLiteral("File"), QStringLiteral("Tips")}},
      {"0", "1", {QStringLiteral("Tips")}},
      {"1", "0", {QStringLiteral("File")}},
      {"0", nullptr, {QStringLiteral("Tips")}},  // on by default
      {"0", " 0", {}},
  };
  for (const Fall& f : faelle) {
    neu();
    QStringList folge;
    vb::Forms::setModalInterceptor([&](vb::FormBase& form) {
      folge << form.widget()->objectName();
      if (auto* d = dynamic_cast<File*>(&form)) DateiDialogBeantworten(*d, QString());
      if (auto* d = dynamic_cast<Tips*>(&form)) d->befAbbrechen->click();
    });
    QByteArray zedured =
        "[Allgemein]\r\nUser=Maier\r\n[Kartulon]\r\nAuswahl\xD6"
        "ffnen=" +
        QByteArray(f.auswahlOeffnen) + "\r\n";
    if (f.autoTip) zedured += "AutoTip=" + QByteArray(f.autoTip) + "\r\n";
    IniSichern();  // what the last run wrote is on disk before the file is replaced
    dateiSchreiben(windowsOrdner() + QStringLiteral("/Zedured.ini"), zedured);
    Main& m = Main::get();
    m.Form_Paint();
    m.Form_Paint();
    EXPECT_EQ(folge, f.folge) << f.auswahlOeffnen << " " << f.autoTip;
    EXPECT_FALSE(Tips::IsLoaded()) << "unloaded when it hid";
  }
  // The menu command shows it whatever the setting.
  QStringList folge;
  vb::Forms::setModalInterceptor([&](vb::FormBase& form) {
    folge << form.widget()->objectName();
    if (auto* d = dynamic_cast<Tips*>(&form)) d->befAbbrechen->click();
  });
  Main::get().mnuTips->action()->trigger();
  EXPECT_EQ(folge, QStringList{QStringLiteral("Tips")});
  EXPECT_FALSE(Tips::IsLoaded());
}

}  // namespace
