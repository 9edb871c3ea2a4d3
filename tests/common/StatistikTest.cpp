#include "common/Global.h"
#include "common/Ini.h"
#include "common/Statistik.h"
#include "platform/vb/Clock.h"
#include "support/kern/TestUmgebung.h"

namespace {

class StatistikTest : public KartulonTest {
 protected:
  static QString lesen(const QString& schluessel) { return IniLesen(QString(), QString(), schluessel, u"-fehlt-"); }
  static void schreiben(const QString& schluessel, const QString& wert) {
    IniSchreiben(QString(), QString(), schluessel, wert);
  }
};

TEST_F(StatistikTest, FirstStartCountsAndDatesIt) {
  StatistikStart();
  EXPECT_EQ(lesen(QStringLiteral("Stat_Starts")), QStringLiteral("1"));
  IniSichern();
  EXPECT_TRUE(dateiLesen(windowsOrdner() + QStringLiteral("/Zedured.ini")).contains("Stat_Starts= 1"));
  EXPECT_EQ(lesen(QStringLiteral("Stat_StartFirst")), QStringLiteral("10.12.2026"));
  EXPECT_EQ(lesen(QStringLiteral("Stat_StartLast")), QStringLiteral("10.12.2026 12:00:00"));
  schreiben(QStringLiteral("Stat_StartFirst"), QStringLiteral("irgendwann"));
  StatistikStart();
  EXPECT_EQ(lesen(QStringLiteral("Stat_Starts")), QStringLiteral("2"));
  EXPECT_EQ(lesen(QStringLiteral("Stat_StartFirst")), QStringLiteral("10.12.2026"));
  schreiben(QStringLiteral("Stat_StartFirst"), QStringLiteral("01.02.2020"));
  StatistikStart();
  EXPECT_EQ(lesen(QStringLiteral("Stat_StartFirst")), QStringLiteral("01.02.2020"));
}

TEST_F(StatistikTest, EndAddsMinuteBoundariesAndRecordsWhereAndWhat) {
  struct Fall {
    QTime start, ende;
    QString minuten;
  };
  const Fall faelle[] = {
      {QTime(10, 59, 50), QTime(11, 0, 10), QStringLiteral("6")},
      {QTime(11, 0, 0), QTime(11, 0, 59), QStringLiteral("6")},
  };
  schreiben(QStringLiteral("Stat_RunMinutes"), QStringLiteral(" 5"));
  for (const Fall& f : faelle) {
    Clock::setFixed(QDateTime(QDate(2026, 12, 10), f.start));
    StatistikStart();
    Clock::setFixed(QDateTime(QDate(2026, 12, 10), f.ende));
    StatistikEnde();
    EXPECT_EQ(lesen(QStringLiteral("Stat_RunMinutes")), f.minuten);
  }
  sysInfo().datei = QStringLiteral("/Opt/Kartulon/bin/kartulon");
  ProgrammVersion = QStringLiteral("3.020017");
  StatistikEnde();
  EXPECT_EQ(lesen(QStringLiteral("Dir")), QStringLiteral("/Opt/Kartulon/bin"));
  EXPECT_EQ(lesen(QStringLiteral("Ver")), QStringLiteral("3.020017"));
  EXPECT_EQ(lesen(QStringLiteral("VerBit")), QStringLiteral("323.020017"));
}

TEST_F(StatistikTest, EndWithoutStartTimeAddsNothing) {
  StatistikEnde();
  EXPECT_EQ(lesen(QStringLiteral("Stat_RunMinutes")), QStringLiteral("0"));
}

TEST_F(StatistikTest, Texts) {
  for (int art : {0, 1, 2})
    EXPECT_EQ(StatistikText(art), QStringLiteral("Sorry, aber keine Datengrundlage vorhanden."));
  schreiben(QStringLiteral("Stat_StartFirst"), QStringLiteral("20.11.2026"));
  schreiben(QStringLiteral("Stat_Starts"), QStringLiteral(" 1234"));
  schreiben(QStringLiteral("Stat_RunMinutes"), QStringLiteral(" 600"));
  EXPECT_EQ(StatistikText(1), QStringLiteral("1.234 Ausrufe und 10,0 Stunden Laufzeit."));
  EXPECT_EQ(StatistikText(2), QStringLiteral("62 Starts pro Tag und 30,0 Minuten pro Tag."));
  EXPECT_EQ(StatistikText(0),
            QStringLiteral("Seit dem 20.11.2026 wurde das Programm auf diesem Rechner 1.234 mal gestartet und lief "
                           "dabei 10,0 Stunden.\r\n\r\nDas entspricht durchschnittlich 62 Starts pro Tag und 30,0 "
                           "Minuten pro Tag."));
}

TEST_F(StatistikTest, FirstDayCountsAsOneDay) {
  StatistikStart();
  schreiben(QStringLiteral("Stat_RunMinutes"), QStringLiteral(" 90"));
  EXPECT_EQ(StatistikText(2), QStringLiteral("1,0 Starts pro Tag und 1,5 Stunden pro Tag."));
  EXPECT_TRUE(StatistikText(0).endsWith(
      QStringLiteral("Das entspricht durchschnittlich 1,0 Starts pro Tag und 1,5 Stunden pro Tag.")));
}

}  // namespace
