// A new user tidies the e-mail fields and fills the town catalogue: Shift+F4 checks the addresses and
// stops at the second one, whose address cannot be right; Shift+F9 with OK takes the towns over; F12
// saves and ends.
#include "EndeZuEnde.h"

TEST_F(EndeZuEndeTest, TheEmailCheckStopsAtTheSecondAddressAndTheTownsGoIntoTheCatalogue) {
  einstellungenSchreiben();
  auto zeile = [](const char* email, const char* plz, const char* ort) {
    return zeileAus({{0, "Privat"},
                     {1, "Meier"},
                     {4, plz},
                     {5, QString::fromUtf8(ort)},
                     {14, email},
                     {15, "01.01.2020"},
                     {16, "01.01.2020"},
                     {23, "1"}})
        .toLatin1();
  };
  const QByteArray erste = zeile("  anna@example.de ", "50667", "Porz");
  const QByteArray zweite = zeile("anna@example", "53229", "Bonn");
  const QByteArray dritte = zeile("", "50667", "K\xc3\xb6ln");
  dateiSchreiben(programmOrdner() + QStringLiteral("/kartulon.dat"),
                 "..Kunden\r\n" + erste + "\r\n" + zweite + "\r\n" + dritte + "\r\n");
  const QString haupt = hauptfensterStarten(QStringLiteral("Kunden"));
  ASSERT_FALSE(haupt.isEmpty()) << kartulon.readAllStandardError().toStdString();

  tastenAn(haupt, {QStringLiteral("shift+F4")});
  const QString meldung = warten("eMail-Kartulon");
  ASSERT_FALSE(meldung.isEmpty()) << "Shift+F4 did not stop at the second address";
  tastenAn(meldung, {QStringLiteral("Return")});

  tastenAn(haupt, {QStringLiteral("shift+F9")});
  const QString frage = warten("Ortsnamen");
  ASSERT_FALSE(frage.isEmpty()) << "Shift+F9 asked nothing";
  tastenAn(frage, {QStringLiteral("Return")});
  const QString bericht = warten("PLZ-Ortsnamen");
  ASSERT_FALSE(bericht.isEmpty()) << "the take-over did not report";
  tastenAn(bericht, {QStringLiteral("Return")});

  tastenAn(haupt, {QStringLiteral("F12")});
  ASSERT_TRUE(kartulon.waitForFinished(30000)) << "F12 did not end the program";
  // The first address was stored trimmed; the second stays as it was, for the user to correct.
  EXPECT_EQ(dateiLesen(programmOrdner() + QStringLiteral("/kartulon.dat")),
            "..Kunden\r\n" + zeile("anna@example.de", "50667", "Porz") + "\r\n" + zweite + "\r\n" + dritte + "\r\n");
  // The shipped catalogue with Porz beside Köln and Bonn's second postcode at the end.
  EXPECT_EQ(dateiLesen(programmOrdner() + QStringLiteral("/Kataloge/D-PLZ_Ort_5.txt")),
            QByteArray("[PLZ]\r\n50667=K\xf6ln, Porz\r\n53111=Bonn\r\n55116=Mainz\r\n53229=Bonn\r\n"));
}
