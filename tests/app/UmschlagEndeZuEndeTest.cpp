// A new user prints an envelope: Ctrl+T opens the envelope dialog on the current address, Ctrl+P the print
// options, Enter prints into a PDF file of a folder, read back with pdftotext.
#include "EndeZuEnde.h"

TEST_F(EndeZuEndeTest, CtrlTCtrlPAndEnterPrintTheCurrentAddressOnAnEnvelope) {
  ASSERT_FALSE(QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty()) << "pdftotext is needed";
  einstellungenSchreiben();
  dateiSchreiben(
      programmOrdner() + QStringLiteral("/kartulon.dat"),
      "..Kunden und Freunde\r\n" +
          zeileAus({{1, "Meier"}, {2, "Anna"}, {3, "Lindenweg 1"}, {4, "20095"}, {5, "Hamburg"}}).toLatin1() + "\r\n");
  const QString ordner = pdfOrdnerAnlegen();
  const QString haupt = hauptfensterStarten(QStringLiteral("Kunden und Freunde"), ordner);
  ASSERT_FALSE(haupt.isEmpty()) << kartulon.readAllStandardError().toStdString();

  tastenAn(haupt, {QStringLiteral("ctrl+t")});
  const QString umschlag = warten(QStringLiteral("Umschlag drucken"));
  ASSERT_FALSE(umschlag.isEmpty()) << "Ctrl+T did not open the envelope dialog";
  tastenAn(umschlag, {QStringLiteral("ctrl+p")});
  const QString optionen = warten(QStringLiteral("Drucken - Kartulon Umschlag"));
  ASSERT_FALSE(optionen.isEmpty()) << "Ctrl+P did not open the print options";
  tastenAn(optionen, {QStringLiteral("Return")});
  const QStringList dateien = pdfDateienWarten(ordner);
  ASSERT_EQ(dateien.size(), 1);
  const QString text = pdfText(ordner + QLatin1Char('/') + dateien.first());
  for (const char* s : {"Ihr Absender", "Meier", "Lindenweg 1", "20095 Hamburg"})
    EXPECT_TRUE(text.contains(QString::fromUtf8(s))) << s << "\n" << text.toStdString();

  ASSERT_TRUE(fensterSchliessen(kartulon, haupt));
  ASSERT_TRUE(kartulon.waitForFinished(30000))
      << "the program did not end when its window was closed; its windows: " << fensterListe(kartulon).toStdString();
}
