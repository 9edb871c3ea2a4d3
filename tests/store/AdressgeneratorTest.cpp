// The project's address generator (tools/adressen.py), which the tests and benchmarks of many addresses
// use: its files are address files as the program writes them, and the same seed gives the same file.
#include "common/Email.h"
#include "store/Adressdatei.h"
#include "store/Datensatz.h"
#include "support/kern/Adressgenerator.h"
#include "support/kern/TestUmgebung.h"

#include <QDate>
#include <QRegularExpression>
#include <algorithm>

namespace {

class AdressgeneratorTest : public KartulonTest {
 protected:
  // The bytes of a generated file of anzahl addresses; a failed generator fails the test with its reason.
  QByteArray erzeugen(int anzahl, int seed = 1) {
    // A new file each time: a run that writes nothing cannot pass for one that wrote the same.
    const QString pfad = tempPfad(QStringLiteral("gen-%1.dat").arg(++laeufe_));
    const QString fehler = AdressenErzeugen(anzahl, pfad, seed);
    EXPECT_TRUE(fehler.isEmpty()) << fehler.toStdString();
    return dateiLesen(pfad);
  }

 private:
  int laeufe_ = 0;
};

// Any count gives a file that the store reads whole without a word, in Windows-1252, and writes back
// byte for byte: header, CR LF after every line, 24 TAB-terminated fields, the running index.
TEST_F(AdressgeneratorTest, FilesOfAnyCountAreAddressFilesAsTheProgramWritesThem) {
  for (const int anzahl : {0, 1, 250, kMaxDatensaetze}) {
    SCOPED_TRACE(anzahl);
    const QByteArray bytes = erzeugen(anzahl);
    ASSERT_TRUE(bytes.startsWith("..Testadressen\r\n"));
    ASSERT_TRUE(bytes.endsWith("\r\n"));
    EXPECT_EQ(bytes.count('\n'), anzahl + 1);
    EXPECT_EQ(bytes.count("\r\n"), anzahl + 1);  // no lone CR or LF
    EXPECT_EQ(bytes.count('\r'), anzahl + 1);

    const AdressdateiInhalt inhalt = AdressdateiZerlegen(bytes, QStringLiteral("Gen"));
    EXPECT_EQ(inhalt.beschreibung, QStringLiteral("Testadressen"));
    ASSERT_EQ(inhalt.datensaetze.size(), anzahl);  // no line dropped
    EXPECT_FALSE(inhalt.abgeschnitten);
    EXPECT_FALSE(inhalt.keinText);
    EXPECT_EQ(inhalt.kodierung, Codec::Kodierung::Windows1252);
    EXPECT_FALSE(inhalt.mitBom);
    for (qsizetype i = 0; i < inhalt.datensaetze.size(); ++i) {
      const QString& zeile = inhalt.datensaetze[i];
      ASSERT_EQ(zeile.count(u'\t'), kFeldAnzahl) << i;
      ASSERT_TRUE(zeile.endsWith(u'\t')) << i;
      ASSERT_EQ(FelderAusZeile(zeile)[23], QString::number(i + 1));
    }
    EXPECT_TRUE(AdressdateiBauen(KopfzeileBilden(inhalt.beschreibung, QString()), inhalt.datensaetze) == bytes);
  }
}

// Umlauts and "ß" in Windows-1252 (no valid UTF-8), inside Latin-1: the bytes 0x80 to 0x9F, which only
// Windows-1252 has, would send the load benchmarks down another decoder than most real files.
TEST_F(AdressgeneratorTest, TextIsWindows1252WithUmlauts) {
  const QByteArray bytes = erzeugen(500);
  EXPECT_EQ(Codec::erkennen(bytes), Codec::Kodierung::Windows1252);
  EXPECT_FALSE(Codec::istUtf8(bytes));
  EXPECT_FALSE(
      std::any_of(bytes.begin(), bytes.end(), [](char b) { return (static_cast<unsigned char>(b) & 0xE0) == 0x80; }));
  const QString text = Codec::dekodieren(bytes);
  for (const QChar c : QString::fromUtf8("äöüÄÖÜß°")) EXPECT_TRUE(text.contains(c)) << QString(c).toStdString();
}

// Every field fits the main window's box for it, and what the tests and benchmarks count on is there: an
// e-mail address in about three of five records (the serial e-mails need 1000 of 32000), every one of them
// plausible; real dates, the change never before the creation; postcodes of the country's length.
TEST_F(AdressgeneratorTest, FieldsAreWhatAUserCouldHaveTyped) {
  const AdressdateiInhalt inhalt = AdressdateiZerlegen(erzeugen(2000), QStringLiteral("Gen"));
  ASSERT_EQ(inhalt.datensaetze.size(), 2000);
  const QRegularExpression plz5(QStringLiteral("^[0-9]{5}$")), plz4(QStringLiteral("^[0-9]{4}$"));
  int mitEmail = 0, mitBank = 0, mitBemerkung = 0;
  for (const QString& zeile : inhalt.datensaetze) {
    SCOPED_TRACE(zeile.toStdString());
    const Felder f = FelderAusZeile(zeile);
    for (int i = 0; i < kFeldAnzahl; ++i)
      if (i != 11) {
        EXPECT_LE(f[i].size(), kFeldLaenge[i]) << "field " << i;
      }
    EXPECT_GE(Feld11Grenze(f), f[11].size());
    for (const int i : {1, 2, 3, 4, 5, 6, 7, 15, 16}) EXPECT_FALSE(f[i].isEmpty()) << "field " << i;
    EXPECT_TRUE((f[6] == QLatin1String("D") ? plz5 : plz4).match(f[4]).hasMatch()) << f[6].toStdString();
    const QDate erstellt = QDate::fromString(f[15], QStringLiteral("dd.MM.yyyy"));
    const QDate geaendert = QDate::fromString(f[16], QStringLiteral("dd.MM.yyyy"));
    EXPECT_TRUE(erstellt.isValid());
    EXPECT_LE(erstellt, geaendert);
    if (!f[20].isEmpty()) {
      EXPECT_TRUE(QDate::fromString(f[20], QStringLiteral("dd.MM.yyyy")).isValid());
    }
    if (!f[14].isEmpty()) {
      ++mitEmail;
      EXPECT_TRUE(EmailPruefen(f[14]));
    }
    EXPECT_EQ(f[17].isEmpty(), f[18].isEmpty());
    mitBank += !f[18].isEmpty();
    mitBemerkung += f[11].contains(QStringLiteral("\r\n"));
  }
  EXPECT_GT(mitEmail, 1000);
  EXPECT_LT(mitEmail, 1400);
  EXPECT_GT(mitBank, 0);
  EXPECT_GT(mitBemerkung, 0);  // remarks of several lines, stored with "°°"
}

// The same seed gives the same bytes, another seed other addresses.
TEST_F(AdressgeneratorTest, TheSeedMakesFilesRepeatable) {
  const QByteArray a = erzeugen(300, 7);
  EXPECT_TRUE(erzeugen(300, 7) == a);
  EXPECT_FALSE(erzeugen(300, 8) == a);
}

}  // namespace
