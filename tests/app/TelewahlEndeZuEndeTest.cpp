// A new user dials the shown address's number: a modem program on a pseudo-terminal is the configured
// port; Ctrl+W opens the dialling dialog, Enter dials, Enter closes the handset message. The modem's log
// holds the dial command and the hang-up; the choices are stored.
#include "EndeZuEnde.h"

namespace {

class TelewahlEndeZuEndeTest : public EndeZuEndeTest {};

TEST_F(TelewahlEndeZuEndeTest, CtrlWEnterEnterDialsThroughTheModemAndHangsUp) {
  const QString log = tempPfad(QStringLiteral("modem.log"));
  QProcess modem;
  modem.start(QStringLiteral(KARTULON_MODEM_HELFER), {QStringLiteral("modem"), log});
  ASSERT_TRUE(modem.waitForReadyRead(10000)) << "the modem program did not start";
  const Aufraeumen modemEnde{modem};
  const QByteArray leitung = modem.readLine().trimmed();
  ASSERT_TRUE(leitung.startsWith("/dev/")) << leitung.toStdString();

  const QByteArray allgemein =
      "[Allgemein]\r\nUser=Maier\r\nL\xE4nderHinweis=0\r\nCOM2Dial=" + leitung + "\r\nDialString=AT DT ; Tonwahl\r\n";
  dateiSchreiben(windowsOrdner() + QStringLiteral("/Zedured.ini"),
                 allgemein + "[Kartulon]\r\nTitelAus=1\r\nAutoTip=0\r\n");
  dateiSchreiben(programmOrdner() + QStringLiteral("/ZurIrada.ini"), "[Allgemein]\r\nNoInstanceWatch=1\r\n");
  dateiSchreiben(
      programmOrdner() + QStringLiteral("/kartulon.dat"),
      "..Kunden und Freunde\r\n" + zeileAus({{0, "Privat"}, {1, "Meier"}, {7, "030 / 123 45-67"}}).toLatin1() + "\r\n");

  // Started in its program folder, where the handset sound lies.
  kartulon.setWorkingDirectory(programmOrdner());
  const QString haupt = hauptfensterStarten(QStringLiteral("Kunden und Freunde"));
  ASSERT_FALSE(haupt.isEmpty()) << kartulon.readAllStandardError().toStdString();
  tastenAn(haupt, {QStringLiteral("ctrl+w")});
  const QString dialog = warten(QString::fromUtf8("Telefonnummer wählen"));
  ASSERT_FALSE(dialog.isEmpty()) << "Ctrl+W did not open the dialling dialog";
  tastenAn(dialog, {QStringLiteral("Return")});
  const QString hinweis = warten(QStringLiteral("Telewahl"));
  ASSERT_FALSE(hinweis.isEmpty()) << "no handset message after the modem's OK";
  tastenAn(hinweis, {QStringLiteral("Return")});

  // The hang-up, 2 s of reading and 1 s without DTR, then the dialog goes.
  EXPECT_TRUE(fensterZu(QString::fromUtf8("Telefonnummer wählen"), 20000)) << "the dialling dialog stayed open";
  EXPECT_EQ(dateiLesen(log), "AT DT0301234567;\rATH0\r");

  ASSERT_TRUE(fensterSchliessen(kartulon, haupt));
  ASSERT_TRUE(kartulon.waitForFinished(30000))
      << "the program did not end when its window was closed; its windows: " << fensterListe(kartulon).toStdString();
  // The section of the choices as the dialog left it: the port and the dial string as shown.
  const QByteArray zedured = dateiLesen(windowsOrdner() + QStringLiteral("/Zedured.ini"));
  EXPECT_TRUE(zedured.startsWith(allgemein + "[")) << zedured.toStdString();
  EXPECT_EQ(dateiLesen(log), "AT DT0301234567;\rATH0\r");
}

}  // namespace
