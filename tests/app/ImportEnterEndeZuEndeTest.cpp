// The import dialog by keys alone: on its last tab the import button has the focus, and Enter starts the
// import as the space bar does.
#include "EndeZuEnde.h"

TEST_F(EndeZuEndeTest, EnterStartsTheImportOnTheLastTab) {
  einstellungenSchreiben();
  const QString datei = dateiSchreiben(
      programmOrdner() + QStringLiteral("/kartulon.dat"),
      "..Kunden\r\n" + zeileAus({{0, "Privat"}, {1, "Meier"}, {2, "Anna"}, {23, "1"}}).toLatin1() + "\r\n");
  const QString liste = dateiSchreiben(tempPfad(QStringLiteral("Neue Kunden.txt")), "Kunde;Schulz;Eva\r\n");

  const QString haupt = hauptfensterStarten(QStringLiteral("Kunden"));
  ASSERT_FALSE(haupt.isEmpty()) << kartulon.readAllStandardError().toStdString();
  tastenAn(haupt, {QStringLiteral("ctrl+i")});
  const QString import = warten(QStringLiteral("Kartulonimport"));
  ASSERT_FALSE(import.isEmpty()) << "Ctrl+I did not open the import";
  tastenAn(import, {QStringLiteral("alt+d")});
  const QString titel = QStringLiteral("Wähle Sie ein Datei zum Kartulonimport");
  const QString waehlen = warten(titel);
  ASSERT_FALSE(waehlen.isEmpty()) << "Alt+D did not open the file dialog";
  tastenAn(waehlen, {});
  ASSERT_TRUE(ausfuehren(xdotool, {QStringLiteral("type"), QStringLiteral("--delay"), QStringLiteral("30"), liste}));
  tastenAn(waehlen, {QStringLiteral("Return")});
  ASSERT_TRUE(fensterZu(titel)) << "the file dialog did not take the path";
  // The separator has the focus once the file is read; Esc moves on twice, to the import button.
  tastenAn(import, {QStringLiteral("ctrl+a")});
  ASSERT_TRUE(ausfuehren(xdotool, {QStringLiteral("type"), QStringLiteral("--delay"), QStringLiteral("30"), ";"}));
  tastenAn(import, {QStringLiteral("Escape"), QStringLiteral("Escape"), QStringLiteral("Return")});
  EXPECT_TRUE(fensterZu(QStringLiteral("Kartulonimport"))) << "Enter did not start the import";

  tastenAn(haupt, {QStringLiteral("F12")});
  ASSERT_TRUE(kartulon.waitForFinished(30000))
      << "the program did not end on F12; its windows: " << fensterListe(kartulon).toStdString();
  EXPECT_TRUE(dateiLesen(datei).contains("\r\nKunde\tSchulz\tEva\t")) << dateiLesen(datei).toStdString();
}
