// A new user writes an extract: Ctrl+P opens the list print, a name typed into "Liste für..." and Enter
// choose its addresses, "In Datei..." and Enter in the file dialog write them beside the address file.
#include "EndeZuEnde.h"

TEST_F(EndeZuEndeTest, ChooseAddressesByNameAndWriteThemToAnExtractFile) {
  einstellungenSchreiben();
  const QList<QByteArray> zeilen = {
      zeileAus({{0, "Privat"}, {1, "Meier"}, {9, "Maier"}, {23, "1"}}).toLatin1(),
      zeileAus({{0, "Privat"}, {1, "Weber"}, {9, "Schulz"}, {23, "2"}}).toLatin1(),
      zeileAus({{0, "Firma"},
                {1,
                 "B\xFC"
                 "cher"},
                {9, "Maier"},
                {23, "3"}})
          .toLatin1(),
  };
  dateiSchreiben(programmOrdner() + QStringLiteral("/kartulon.dat"),
                 "..Kunden und Freunde\r\n" + zeilen[0] + "\r\n" + zeilen[1] + "\r\n" + zeilen[2] + "\r\n");
  const QString haupt = hauptfensterStarten(QStringLiteral("Kunden und Freunde"));
  ASSERT_FALSE(haupt.isEmpty()) << kartulon.readAllStandardError().toStdString();
  tastenAn(haupt, {QStringLiteral("ctrl+p")});
  const QString dialog = warten(QStringLiteral("Kartulonliste drucken"));
  ASSERT_FALSE(dialog.isEmpty()) << "Ctrl+P did not open the list print";
  // The list has the focus first; Tab leads into "Liste für...".
  tastenAn(dialog, {QStringLiteral("Tab")});
  ASSERT_TRUE(ausfuehren(
      xdotool, {QStringLiteral("type"), QStringLiteral("--delay"), QStringLiteral("40"), QStringLiteral("Maier")}));
  tastenAn(dialog, {QStringLiteral("Return"), QStringLiteral("alt+t")});
  const QString datei = warten(QStringLiteral("Datei speichern unter"));
  ASSERT_FALSE(datei.isEmpty()) << "In Datei... did not open the file dialog";
  tastenAn(datei, {QStringLiteral("Return")});
  EXPECT_TRUE(fensterZu(QStringLiteral("Kartulonliste drucken"))) << "the list print stayed open after the extract";
  ASSERT_TRUE(fensterSchliessen(kartulon, haupt));
  ASSERT_TRUE(kartulon.waitForFinished(30000))
      << "the program did not end when its window was closed; its windows: " << fensterListe(kartulon).toStdString();
  EXPECT_EQ(dateiLesen(programmOrdner() + QStringLiteral("/Auszug.Dat")),
            "..Auszug aus Kunden und Freunde\r\n" + zeilen[0] + "\r\n" + zeilen[2] + "\r\n");
}
