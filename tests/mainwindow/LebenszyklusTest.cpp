// The main window's first paint and its ways to end: the Ende key, the idle time-out and the close box,
// each saving outside read-only mode and not saving in it; the file keys of the toolbar.
#include "common/Token.h"
#include "common/formen/File.h"
#include "mainwindow/AdressdateiFixture.h"
#include "platform/kit/Form.h"
#include "platform/vb/Clock.h"
#include "platform/vb/Programm.h"
#include "support/DateiDialog.h"

#include <QApplication>
#include <QTest>

namespace {

class LebenszyklusTest : public AdressdateiTest {
 protected:
  void SetUp() override {
    AdressdateiTest::SetUp();
    vb::Forms::setModalInterceptor([this](vb::FormBase& form) {
      if (auto* d = dynamic_cast<File*>(&form)) {
        ++dateiDialoge;
        DateiDialogBeantworten(*d, QString());
      }
    });
  }
  void laden() {
    dateiSchreiben(AktuelleDatei, datei);
    m().DatenLaden();
    ASSERT_EQ(NurLesen, 0);
  }
  // Changes the surname as a key release in its box would store it.
  void aendern() {
    m().Feld(1).setText(QStringLiteral("Meyer"));
    m().AdresseAktualisieren(0);
    ASSERT_EQ(Geaendert, 1);
  }
  bool gespeichert() { return dateiLesen(AktuelleDatei).contains("Meyer"); }

  int dateiDialoge = 0;
  const QByteArray datei = "..Privat\r\n" + zeileAus({{0, " "}, {1, "Meier"}, {23, "1"}}).toLatin1() + "\r\n";
};

TEST_F(LebenszyklusTest, DateAndTimeShowFromTheStart) {
  vb::Forms::UnloadAll();  // the fixture loaded the window already
  Clock::setFixed(QDateTime(QDate(2026, 3, 7), QTime(9, 5, 59)));
  EXPECT_EQ(panel("Datum"), QStringLiteral(" 07.03.2026 "));
  EXPECT_EQ(panel("Zeit"), QStringLiteral(" 09:05 "));
}

TEST_F(LebenszyklusTest, TheFirstPaintOffersTheFileDialogOnceWhenAsked) {
  struct Fall {
    const char* auswahlOeffnen;
    const char* token;  // "" none
    int dialoge;
  };
  const Fall faelle[] = {
      {"1", "", 1},
      {"0", "", 0},
      {"", "", 0},  // the default
      {"1", "Datei=kunden", 0},
      {"1", "readonly", 1},
  };
  for (const Fall& f : faelle) {
    vb::Forms::UnloadAll();
    dateiDialoge = 0;
    IniSchreiben(QString(), QString(), QStringLiteral("AuswahlÖffnen"), QString::fromUtf8(f.auswahlOeffnen));
    m();  // loaded first: the load splits the program's own command line
    TextZerlegen(QString::fromUtf8(f.token));
    m().Form_Paint();
    m().Form_Paint();
    EXPECT_EQ(dateiDialoge, f.dialoge) << f.auswahlOeffnen << " " << f.token;
  }
}

TEST_F(LebenszyklusTest, APaintEventRunsTheFirstPaintAfterIt) {
  IniSchreiben(QString(), QString(), QStringLiteral("AuswahlÖffnen"), QStringLiteral("1"));
  m().show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&m()));
  QCoreApplication::processEvents();
  EXPECT_EQ(dateiDialoge, 1);
  m().repaint();
  QCoreApplication::processEvents();
  EXPECT_EQ(dateiDialoge, 1);
}

TEST_F(LebenszyklusTest, EveryWayToEndSavesOutsideReadOnlyMode) {
  enum Weg { EndeKnopf, Zeitablauf, Schliessen };
  struct Fall {
    Weg weg;
    bool nurLesen;
  };
  const Fall faelle[] = {{EndeKnopf, false}, {EndeKnopf, true},   {Zeitablauf, false},
                         {Zeitablauf, true}, {Schliessen, false}, {Schliessen, true}};
  for (const Fall& f : faelle) {
    vb::Forms::UnloadAll();
    laden();
    aendern();
    if (f.nurLesen) NurLesen = -1;
    const qsizetype enden = programmEnden().size();
    try {
      switch (f.weg) {
        case EndeKnopf:
          m().Toolbar->Button(QStringLiteral("Ende"))->trigger();
          break;
        case Zeitablauf:
          TimeOutSekunden = 30;
          m().ZeitTimeOut_Timer();
          ASSERT_EQ(programmEnden().size(), enden);
          m().ZeitTimeOut_Timer();
          break;
        case Schliessen:
          m().close();
          break;
      }
    } catch (const vb::Programm::Beendet&) {
    }
    EXPECT_EQ(programmEnden().size(), enden + 1) << f.weg << f.nurLesen;
    EXPECT_EQ(gespeichert(), !f.nurLesen) << f.weg << f.nurLesen;
    NurLesen = 0;
    TimeOutSekunden = 0;
  }
}

TEST_F(LebenszyklusTest, FileKeysSaveAndOfferTheFileDialog) {
  laden();
  aendern();
  m().Toolbar->Button(QStringLiteral("Speichern"))->trigger();
  EXPECT_TRUE(gespeichert());
  EXPECT_EQ(Geaendert, 0);
  EXPECT_TRUE(programmEnden().isEmpty());
  m().Toolbar->Button(QStringLiteral("Laden"))->trigger();
  EXPECT_EQ(dateiDialoge, 1);
}

}  // namespace
