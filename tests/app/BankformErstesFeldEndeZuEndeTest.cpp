// A debit typed straight after the dialog opened: the name typed first replaces the debtor that the
// dialog proposes.
#include "EndeZuEnde.h"

TEST_F(EndeZuEndeTest, ANameTypedAsTheDebitOpensReplacesTheDebtor) {
  einstellungenSchreiben("Lastschrift_Name=Hans Maier\r\nLastschrift_KontoNr=4711\r\n");
  dateiSchreiben(programmOrdner() + QStringLiteral("/kartulon.dat"),
                 "..Kunden\r\n" + zeileAus({{0, "Firma"}, {1, "Meier"}, {2, "Anna"}, {23, "7"}}).toLatin1() + "\r\n");
  const QString haupt = hauptfensterStarten(QStringLiteral("Kunden"));
  ASSERT_FALSE(haupt.isEmpty()) << kartulon.readAllStandardError().toStdString();

  tastenAn(haupt, {QStringLiteral("alt+r"), QStringLiteral("a")});
  const QString dialog = warten(QStringLiteral("Lastschrift drucken"));
  ASSERT_FALSE(dialog.isEmpty()) << "the menu did not open the direct debit";
  tastenAn(dialog, {});
  ASSERT_TRUE(
      ausfuehren(xdotool, {QStringLiteral("type"), QStringLiteral("--delay"), QStringLiteral("40"), "Eva Berg"}));
  // Five Enters from the debtor's name to the amount, then the debit filed with F8.
  tastenAn(dialog, {QStringLiteral("Return"), QStringLiteral("Return"), QStringLiteral("Return"),
                    QStringLiteral("Return"), QStringLiteral("Return")});
  ASSERT_TRUE(ausfuehren(xdotool, {QStringLiteral("type"), QStringLiteral("--delay"), QStringLiteral("40"), "1,00"}));
  tastenAn(dialog, {QStringLiteral("F8")});
  EXPECT_TRUE(fensterZu(QStringLiteral("Lastschrift drucken"))) << "F8 did not file the debit";
  const QByteArray sammlung = dateiLesen(programmOrdner() + QStringLiteral("/LaschriftSammlung.txt"));
  EXPECT_TRUE(sammlung.startsWith("Kartulon Lastschrift\t-Eva Berg\t")) << sammlung.toStdString();

  ASSERT_TRUE(fensterSchliessen(kartulon, haupt));
  ASSERT_TRUE(kartulon.waitForFinished(30000))
      << "the program did not end when its window was closed; its windows: " << fensterListe(kartulon).toStdString();
}
