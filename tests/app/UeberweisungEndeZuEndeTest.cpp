// A new user prints a transfer order: the first address is shown, Ctrl+M opens the transfer order with
// its recipient, the amount is typed as a sum and Tab shows its value, "Drucken" and the print options
// confirmed put the sheet into a PDF, and the payer account's log holds the order.
#include "EndeZuEnde.h"

TEST_F(EndeZuEndeTest, ATransferOrderTypedAsASumIsPrintedAndLogged) {
  if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
    GTEST_SKIP() << "pdftotext (poppler-utils) is needed";
  einstellungenSchreiben(
      "User_Maier_KontoName=Hans Maier\r\nUser_Maier_KontoNr=4711\r\nUser_Maier_KontoBLZ=10010010\r\n"
      "User_Maier_KontoBank=Postbank\r\n");
  dateiSchreiben(programmOrdner() + QStringLiteral("/kartulon.dat"),
                 "..Kunden\r\n" +
                     zeileAus({{0, "Firma"},
                               {1, "Meier"},
                               {2, "Anna"},
                               {17, "1234567890"},
                               {18, "37050198"},
                               {19, "Sparkasse"},
                               {23, "7"}})
                         .toLatin1() +
                     "\r\n" + zeileAus({{0, "Privat"}, {1, "Schulz"}, {23, "8"}}).toLatin1() + "\r\n");
  const QString pdfOrdner = pdfOrdnerAnlegen();

  const QString haupt = hauptfensterStarten(QStringLiteral("Kunden"), pdfOrdner);
  ASSERT_FALSE(haupt.isEmpty()) << kartulon.readAllStandardError().toStdString();

  tastenAn(haupt, {QStringLiteral("ctrl+m")});
  const QString dialog = warten(QStringLiteral("Überweisungsauftrag drucken"));
  ASSERT_FALSE(dialog.isEmpty()) << "Ctrl+M did not open the transfer order";
  // From the recipient's name to the amount: account, bank code, bank, currency, amount.
  tastenAn(dialog, {QStringLiteral("Tab"), QStringLiteral("Tab"), QStringLiteral("Tab"), QStringLiteral("Tab"),
                    QStringLiteral("Tab")});
  ASSERT_TRUE(ausfuehren(
      xdotool, {QStringLiteral("type"), QStringLiteral("--delay"), QStringLiteral("40"), QStringLiteral("19,99*3")}));
  tastenAn(dialog, {QStringLiteral("Tab")});
  // The buttons are enabled half a second after the dialog shows: Alt+D until the print options come (a
  // press while they are modal goes nowhere).
  const QString optionen =
      tasteBisFenster(kartulon, dialog, QStringLiteral("alt+d"), QStringLiteral("Drucken - Kartulon Überweisung"));
  ASSERT_FALSE(optionen.isEmpty()) << "Drucken did not show the print options";
  tastenAn(optionen, {QStringLiteral("Return")});

  // The sheet closes the dialog once it is printed.
  const QStringList pdfs = pdfDateienWarten(pdfOrdner);
  ASSERT_EQ(pdfs.size(), 1) << "no PDF was written";
  EXPECT_TRUE(fensterZu(QStringLiteral("Überweisungsauftrag drucken")))
      << "the transfer order stayed open after the sheet was printed";
  ASSERT_TRUE(fensterSchliessen(kartulon, haupt));
  ASSERT_TRUE(kartulon.waitForFinished(30000))
      << "the program did not end when its window was closed; its windows: " << fensterListe(kartulon).toStdString();

  const QString text = pdfText(pdfOrdner + u'/' + pdfs.first(), {QStringLiteral("-layout")});
  for (const char* t : {"Anna Meier", "1234567890", "59,97", "Postbank", "Hans Maier", "Kunde #7", "59,97 DM"})
    EXPECT_TRUE(text.contains(QString::fromUtf8(t))) << t << "\n" << text.toStdString();

  const QByteArray log = dateiLesen(programmOrdner() + QStringLiteral("/Konto_4711.Log"));
  EXPECT_TRUE(
      log.contains("\r\nVon:  Hans Maier, Konto: 4711, BLZ: 10010010\r\nDM:   59,97\r\n"
                   "An:   Anna Meier, Konto: 1234567890, BLZ: 37050198\r\n"))
      << log.toStdString();
}
