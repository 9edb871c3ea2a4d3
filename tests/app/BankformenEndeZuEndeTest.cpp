// A new user files two direct debits with F8, prints the collection file in one batch into a PDF and
// deletes it with "Ja", then prints a cash-on-delivery card with Ctrl+H into a PDF.
#include "EndeZuEnde.h"

TEST_F(EndeZuEndeTest, DebitsFiledAndPrintedInOneBatchThenACashOnDeliveryCard) {
  if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
    GTEST_SKIP() << "pdftotext (poppler-utils) is needed";
  einstellungenSchreiben(
      "Lastschrift_Name=Hans Maier\r\nLastschrift_KontoNr=4711\r\nNN_Name=Hans Maier\r\n"
      "NN_KontoNr=4711\r\nNN_PreisZustell=3,00\r\n");
  dateiSchreiben(programmOrdner() + QStringLiteral("/kartulon.dat"), "..Kunden\r\n" +
                                                                         zeileAus({{0, "Firma"},
                                                                                   {1, "Meier"},
                                                                                   {2, "Anna"},
                                                                                   {3, "Hauptstr. 1"},
                                                                                   {4, "50667"},
                                                                                   {5, "Koeln"},
                                                                                   {17, "1234567890"},
                                                                                   {18, "37050198"},
                                                                                   {19, "Sparkasse"},
                                                                                   {23, "7"}})
                                                                             .toLatin1() +
                                                                         "\r\n");
  const QString pdfOrdner = pdfOrdnerAnlegen();

  const QString haupt = hauptfensterStarten(QStringLiteral("Kunden"), pdfOrdner);
  ASSERT_FALSE(haupt.isEmpty()) << kartulon.readAllStandardError().toStdString();

  // Two debits, each typed into the amount box (five Enters from the debtor's name) and filed with F8,
  // which closes the dialog.
  const QString sammeldatei = programmOrdner() + QStringLiteral("/LaschriftSammlung.txt");
  int abgelegt = 0;
  for (const char* betrag : {"12,50", "7,25"}) {
    tastenAn(haupt, {QStringLiteral("alt+r"), QStringLiteral("a")});
    const QString dialog = warten(QStringLiteral("Lastschrift drucken"));
    ASSERT_FALSE(dialog.isEmpty()) << "the menu did not open the direct debit";
    tastenAn(dialog, {QStringLiteral("Return"), QStringLiteral("Return"), QStringLiteral("Return"),
                      QStringLiteral("Return"), QStringLiteral("Return")});
    ASSERT_TRUE(ausfuehren(xdotool, {QStringLiteral("type"), QStringLiteral("--delay"), QStringLiteral("40"),
                                     QString::fromLatin1(betrag)}));
    tastenAn(dialog, {QStringLiteral("F8")});
    ++abgelegt;
    WartenBis([&] { return dateiLesen(sammeldatei).count("Kartulon Lastschrift\t") >= abgelegt; }, 10000, 100);
    ASSERT_TRUE(fensterZu(QStringLiteral("Lastschrift drucken"))) << "F8 left the direct debit open";
  }
  const QByteArray sammlung = dateiLesen(sammeldatei);
  EXPECT_EQ(sammlung.count("Kartulon Lastschrift\t-Anna Meier\t"), 2) << sammlung.toStdString();

  // The batch: one print per debit, then the delete question answered "Ja".
  tastenAn(haupt, {QStringLiteral("alt+r"), QStringLiteral("a")});
  const QString dialog = warten(QStringLiteral("Lastschrift drucken"));
  ASSERT_FALSE(dialog.isEmpty());
  tastenAn(dialog, {QStringLiteral("alt+s"), QStringLiteral("l")});
  for (int i = 0; i < 2; ++i) {
    const QString optionen = warten(QStringLiteral("Drucken - Kartulon Überweisung"));
    ASSERT_FALSE(optionen.isEmpty()) << "no print options for debit " << i;
    tastenAn(optionen, {QStringLiteral("Return")});
    ASSERT_EQ(pdfDateienWarten(pdfOrdner, i + 1).size(), i + 1);
  }
  const QString frage = warten(QStringLiteral("Lastschrift-Sammeldatei löschen?"));
  ASSERT_FALSE(frage.isEmpty()) << "no delete question";
  tastenAn(frage, {QStringLiteral("Return")});  // "Ja" is the default button
  WartenBis([&] { return !QFileInfo::exists(sammeldatei); }, 10000, 100);
  EXPECT_FALSE(QFileInfo::exists(programmOrdner() + QStringLiteral("/LaschriftSammlung.txt")));
  ASSERT_TRUE(fensterZu(QStringLiteral("Lastschrift-Sammeldatei löschen?")));
  tastenAn(dialog, {QStringLiteral("Escape")});
  ASSERT_TRUE(fensterZu(QStringLiteral("Lastschrift drucken"))) << "Esc left the direct debit open";

  // The card: Ctrl+H, the price, Drucken.
  tastenAn(haupt, {QStringLiteral("ctrl+h")});
  const QString karte = warten(QStringLiteral("Nachnahme drucken"));
  ASSERT_FALSE(karte.isEmpty()) << "Ctrl+H did not open the cash-on-delivery dialog";
  tastenAn(karte, {QStringLiteral("Return"), QStringLiteral("Return")});
  ASSERT_TRUE(ausfuehren(
      xdotool, {QStringLiteral("type"), QStringLiteral("--delay"), QStringLiteral("40"), QStringLiteral("12,50")}));
  tastenAn(karte, {QStringLiteral("Return"), QStringLiteral("alt+d")});
  const QString optionen = warten(QStringLiteral("Drucken - Kartulon Überweisung"));
  ASSERT_FALSE(optionen.isEmpty()) << "Drucken did not show the print options";
  tastenAn(optionen, {QStringLiteral("Return")});
  const QStringList pdfs = pdfDateienWarten(pdfOrdner, 3);
  ASSERT_EQ(pdfs.size(), 3);
  ASSERT_TRUE(fensterSchliessen(kartulon, haupt));
  ASSERT_TRUE(kartulon.waitForFinished(30000))
      << "the program did not end when its window was closed; its windows: " << fensterListe(kartulon).toStdString();

  auto text = [&](const QString& pdf) { return pdfText(pdfOrdner + u'/' + pdf, {QStringLiteral("-layout")}); };
  const QString alle = text(pdfs[0]) + text(pdfs[1]);
  for (const char* t : {"12,50 DM", "7,25 DM", "Anna Meier", "Hans Maier", "Lastschrift"})
    EXPECT_TRUE(alle.contains(QString::fromUtf8(t))) << t << "\n" << alle.toStdString();
  const QString kartenText = text(pdfs[2]);
  for (const char* t : {"Nachnahme Nr.", "Anna", "12,50 DM", "Kunde #7", "15", "50"})
    EXPECT_TRUE(kartenText.contains(QString::fromUtf8(t))) << t << "\n" << kartenText.toStdString();
}
