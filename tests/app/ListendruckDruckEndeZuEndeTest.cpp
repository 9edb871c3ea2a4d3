// A new user prints: Ctrl+P, "Alle wählen", "Drucken..." and Enter in the print options print the list;
// then "Personenbogen" from the menu prints the current address. Every job goes into a PDF file of a
// folder, read back with pdftotext.
#include "EndeZuEnde.h"

TEST_F(EndeZuEndeTest, PrintAllAddressesThenThePersonSheetIntoPdfFiles) {
  ASSERT_FALSE(QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty()) << "pdftotext is needed";
  einstellungenSchreiben();
  dateiSchreiben(
      programmOrdner() + QStringLiteral("/kartulon.dat"),
      "..Kunden und Freunde\r\n" +
          zeileAus({{1, "Meier"}, {2, "Anna"}, {3, "Lindenweg 1"}, {4, "20095"}, {5, "Hamburg"}}).toLatin1() + "\r\n" +
          zeileAus({{1, "Weber"}, {2, "Jan"}, {3, "Hauptstr. 7"}, {4, "28195"}, {5, "Bremen"}}).toLatin1() + "\r\n" +
          zeileAus({{1, "Bücher"}, {2, "Eva"}, {4, "50667"}, {5, "Köln"}}).toLatin1() + "\r\n");
  const QString ordner = pdfOrdnerAnlegen();
  const QString haupt = hauptfensterStarten(QStringLiteral("Kunden und Freunde"), ordner);
  ASSERT_FALSE(haupt.isEmpty()) << kartulon.readAllStandardError().toStdString();

  tastenAn(haupt, {QStringLiteral("ctrl+p")});
  const QString dialog = warten(QStringLiteral("Kartulonliste drucken"));
  ASSERT_FALSE(dialog.isEmpty()) << "Ctrl+P did not open the list print";
  tastenAn(dialog, {QStringLiteral("alt+l"), QStringLiteral("alt+d")});
  const QString optionen = warten(QStringLiteral("Drucken - Kartulon Liste_Standard"));
  ASSERT_FALSE(optionen.isEmpty()) << "Drucken... did not open the print options";
  tastenAn(optionen, {QStringLiteral("Return")});
  const QStringList liste = pdfDateienWarten(ordner, 1);
  ASSERT_EQ(liste.size(), 1) << "three addresses are one page, one job";
  const QString listenText = pdfText(ordner + QLatin1Char('/') + liste.first());
  for (const char* n : {"Anna Meier", "Lindenweg 1", "20095 Hamburg", "Jan Weber", "28195 Bremen", "Eva B\u00fccher",
                        "50667 K\u00f6ln", "Kunden und Freunde, Seite 1", "Ausdruck vom"})
    EXPECT_EQ(listenText.count(QString::fromUtf8(n)), 1) << n << "\n" << listenText.toStdString();

  // The list print hides itself; the person sheet comes from the menu "Drucken".
  ASSERT_TRUE(fensterZu(QStringLiteral("Kartulonliste drucken"))) << "the list print stayed open after printing";
  tastenAn(haupt, {QStringLiteral("alt+r"), QStringLiteral("p")});
  const QString bogen = warten(QStringLiteral("Drucken - Kartulon Personenbogen"));
  ASSERT_FALSE(bogen.isEmpty()) << "Personenbogen did not reach the print options";
  tastenAn(bogen, {QStringLiteral("Return")});
  const QStringList alle = pdfDateienWarten(ordner, 2);
  ASSERT_EQ(alle.size(), 2);
  const QString bogenText = pdfText(ordner + QLatin1Char('/') + alle.last());
  EXPECT_TRUE(bogenText.contains(QStringLiteral("Personenbogen vom"))) << bogenText.toStdString();
  EXPECT_TRUE(bogenText.contains(QStringLiteral("Anna Meier"))) << bogenText.toStdString();
  EXPECT_FALSE(bogenText.contains(QStringLiteral("Weber")));
  EXPECT_FALSE(bogenText.contains(QStringLiteral("Seite 1")));  // one address per page: no title line

  ASSERT_TRUE(fensterSchliessen(kartulon, haupt));
  ASSERT_TRUE(kartulon.waitForFinished(30000))
      << "the program did not end when its window was closed; its windows: " << fensterListe(kartulon).toStdString();
}
