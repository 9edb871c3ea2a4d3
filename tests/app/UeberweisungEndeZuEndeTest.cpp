// A new user prints a transfer order: the first address is shown, Ctrl+M opens the transfer order with
// its recipient, the amount is typed as a sum and Tab shows its value, "Drucken" and the print options
// confirmed put the sheet into a PDF, and the payer account's log holds the order.
#include "EndeZuEnde.h"

TEST_F(EndeZuEndeTest, ATransferOrderTypedAsASumIsPrintedAndLogged) {
  const QString pdftotext = QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
  if (pdftotext.isEmpty()) GTEST_SKIP() << "pdftotext (poppler-utils) is needed";
  dateiSchreiben(windowsOrdner() + QStringLiteral("/Zedured.ini"),
                 "[Allgemein]\r\nUser=Maier\r\nL\xE4nderHinweis=0\r\n[Kartulon]\r\nTitelAus=1\r\nAutoTip=0\r\n"
                 "User_Maier_KontoName=Hans Maier\r\nUser_Maier_KontoNr=4711\r\nUser_Maier_KontoBLZ=10010010\r\n"
                 "User_Maier_KontoBank=Postbank\r\n");
  dateiSchreiben(programmOrdner() + QStringLiteral("/kartulon.dat"),
                 "..Kunden\r\n" +
                     zeileAus({{0, "Firma"}, {1, "Meier"}, {2, "Anna"}, {17, "1234567890"}, {18, "37050198"},
                               {19, "Sparkasse"}, {23, "7"}})
                         .toLatin1() +
                     "\r\n" + zeileAus({{0, "Privat"}, {1, "Schulz"}, {23, "8"}}).toLatin1() + "\r\n");
  const QString skript = tempPfad(QStringLiteral("schliessen.py"));
  dateiSchreiben(skript, kSchliessen);
  const QString pdfOrdner = tempPfad(QStringLiteral("pdf"));
  QDir().mkpath(pdfOrdner);

  QProcess kartulon;
  QProcessEnvironment env = umgebung();
  env.insert(QStringLiteral("KARTULON_PDF"), pdfOrdner);
  kartulon.setProcessEnvironment(env);
  kartulon.start(QStringLiteral(KARTULON_BINARY), {});
  ASSERT_TRUE(kartulon.waitForStarted());
  const Aufraeumen aufraeumen{kartulon};
  auto warten = [&](const QString& name) { return fensterWarten(kartulon, name); };
  const QString haupt = warten(QStringLiteral("Kunden"));
  ASSERT_FALSE(haupt.isEmpty()) << kartulon.readAllStandardError().toStdString();

  tastenAn(haupt, {QStringLiteral("ctrl+m")});
  const QString dialog = warten(QStringLiteral("Überweisungsauftrag drucken"));
  ASSERT_FALSE(dialog.isEmpty()) << "Ctrl+M did not open the transfer order";
  // The buttons come half a second after the dialog.
  QThread::msleep(900);
  // From the recipient's name to the amount: account, bank code, bank, currency, amount.
  tastenAn(dialog, {QStringLiteral("Tab"), QStringLiteral("Tab"), QStringLiteral("Tab"), QStringLiteral("Tab"),
                    QStringLiteral("Tab")});
  ASSERT_TRUE(ausfuehren(xdotool, {QStringLiteral("type"), QStringLiteral("--delay"), QStringLiteral("40"),
                                   QStringLiteral("19,99*3")}));
  tastenAn(dialog, {QStringLiteral("Tab"), QStringLiteral("alt+d")});
  const QString optionen = warten(QStringLiteral("Drucken - Kartulon Überweisung"));
  ASSERT_FALSE(optionen.isEmpty()) << "Drucken did not show the print options";
  tastenAn(optionen, {QStringLiteral("Return")});

  // The sheet closes the dialog once it is printed.
  QElapsedTimer uhr;
  uhr.start();
  QStringList pdfs;
  while (uhr.elapsed() < 30000 && pdfs.isEmpty()) {
    QThread::msleep(200);
    pdfs = QDir(pdfOrdner).entryList({QStringLiteral("*.pdf")}, QDir::Files);
  }
  ASSERT_EQ(pdfs.size(), 1) << "no PDF was written";
  QString offen;
  for (int i = 0; i < 50 && ausfuehren(xdotool, {QStringLiteral("search"), QStringLiteral("--onlyvisible"),
                                                 QStringLiteral("--name"), QStringLiteral("Überweisungsauftrag drucken")},
                                       &offen);
       ++i)
    QThread::msleep(100);
  EXPECT_FALSE(ausfuehren(xdotool, {QStringLiteral("search"), QStringLiteral("--onlyvisible"), QStringLiteral("--name"),
                                    QStringLiteral("Überweisungsauftrag drucken")},
                          &offen))
      << "the transfer order stayed open after the sheet was printed";
  ASSERT_TRUE(ausfuehren(python, {skript, haupt}));
  ASSERT_TRUE(kartulon.waitForFinished(30000)) << "the program did not end when its window was closed";

  QProcess p;
  p.start(pdftotext, {QStringLiteral("-layout"), pdfOrdner + u'/' + pdfs.first(), QStringLiteral("-")});
  ASSERT_TRUE(p.waitForFinished(30000));
  const QString text = QString::fromUtf8(p.readAllStandardOutput());
  for (const char* t : {"Anna Meier", "1234567890", "59,97", "Postbank", "Hans Maier", "Kunde #7", "59,97 DM"})
    EXPECT_TRUE(text.contains(QString::fromUtf8(t))) << t << "\n" << text.toStdString();

  const QByteArray log = dateiLesen(programmOrdner() + QStringLiteral("/Konto_4711.Log"));
  EXPECT_TRUE(log.contains("\r\nVon:  Hans Maier, Konto: 4711, BLZ: 10010010\r\nDM:   59,97\r\n"
                           "An:   Anna Meier, Konto: 1234567890, BLZ: 37050198\r\n"))
      << log.toStdString();
}
