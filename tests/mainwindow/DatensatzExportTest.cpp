#include "common/Global.h"
#include "common/Ini.h"
#include "common/formen/Formular.h"
#include "mainwindow/Instanzpruefung.h"
#include "mainwindow/Main.h"
#include "mainwindow/MainFamilie.h"
#include "mainwindow/MainFelder.h"
#include "store/DatensatzExport.h"
#include "support/kern/TestUmgebung.h"

#include <QFile>

namespace {

class DatensatzExportTest : public KartulonTest {
 protected:
  void SetUp() override {
    KartulonTest::SetUp();
    textDatei = tempPfad(QStringLiteral("Adresse.txt"));
    tauschDatei = tempPfad(QStringLiteral("X-Letzte.txt"));
  }
  static void setzen(const char16_t* schluessel, const QString& wert) {
    IniSchreiben(QString(), QString(), schluessel, wert);
  }
  QString tausch(const QString& sektion, const QString& schluessel) const {
    return IniLesen(tauschDatei, sektion, schluessel, u"-fehlt-");
  }
  QStringList textZeilen() const {
    const QByteArray b = dateiLesen(textDatei);
    QStringList z = QString::fromLatin1(b).split(QStringLiteral("\r\n"));
    EXPECT_EQ(z.takeLast(), QString());  // every line ends with CR LF
    return z;
  }
  QString textDatei, tauschDatei;
};

TEST_F(DatensatzExportTest, BothPathsEmptyWritesOnlyTheNormalisedSwitch) {
  setzen(u"Adr_TeleFormat3&2", QStringLiteral("7"));
  Main::get().Feld(1).setText(QStringLiteral("Muster"));
  DatensatzExportieren();
  IniSichern();
  EXPECT_TRUE(dateiLesen(windowsOrdner() + QStringLiteral("/Zedured.ini")).contains("Adr_TeleFormat3&2= 1"));
  EXPECT_FALSE(QFile::exists(textDatei));
  EXPECT_FALSE(QFile::exists(tauschDatei));
}

TEST_F(DatensatzExportTest, FieldsByNumberAndCaptionWithTheMomentsValues) {
  setzen(u"Adr_Speichern_In", textDatei);
  setzen(u"Adr_IniSpeichern_In", tauschDatei);
  setzen(u"Adr_TeleFormat3&2", QStringLiteral("0"));
  Main& m = Main::get();
  m.Feld(1).setText(QStringLiteral("  Müller "));
  m.Feld(7).setText(QStringLiteral(" 0221 123456 "));
  m.Feld(11).setText(QStringLiteral("Zeile eins\r\nZeile zwei\r\nZeile drei"));
  m.Feld(21).setText(QStringLiteral(" FRAU "));
  m.Bezeichnung1(2).setCaption(QStringLiteral(" Nachname "));  // the same caption as field 1's
  m.Bezeichnung1(1).setCaption(QStringLiteral("Nachname"));
  m.Feld(2).setText(QStringLiteral("Zwei"));
  // An earlier export's key under an old caption stays.
  IniSchreiben(tauschDatei, QStringLiteral("ZuletztBez"), QStringLiteral("AlteBeschriftung"), QStringLiteral("alt"));
  DatensatzExportieren();

  IniSichern();
  EXPECT_TRUE(dateiLesen(windowsOrdner() + QStringLiteral("/Zedured.ini")).contains("Adr_TeleFormat3&2= 0"));
  const QStringList zeilen = textZeilen();
  ASSERT_EQ(zeilen.size(), 24);
  EXPECT_EQ(zeilen[1], QStringLiteral("M\u00fcller"));
  EXPECT_EQ(zeilen[7], QStringLiteral("0221 123456"));
  EXPECT_EQ(zeilen[11], QStringLiteral("Zeile eins~Zeile zwei~Zeile drei"));
  EXPECT_EQ(dateiLesen(textDatei).mid(2, 6), QByteArray("M\xfcller", 6));  // Windows-1252

  EXPECT_EQ(tausch(QStringLiteral("ZuletztNr"), QStringLiteral("01")), QStringLiteral("Müller"));
  EXPECT_EQ(tausch(QStringLiteral("ZuletztNr"), QStringLiteral("11")),
            QStringLiteral("Zeile eins~Zeile zwei~Zeile drei"));
  EXPECT_EQ(tausch(QStringLiteral("ZuletztNr"), QStringLiteral("23")), QString());
  // Two fields with one caption: the higher number wins.
  EXPECT_EQ(tausch(QStringLiteral("ZuletztBez"), QStringLiteral("Nachname")), QStringLiteral("Zwei"));
  EXPECT_EQ(tausch(QStringLiteral("ZuletztBez"), QStringLiteral("AlteBeschriftung")), QStringLiteral("alt"));
  EXPECT_EQ(tausch(QStringLiteral("ZuletztBez"), QStringLiteral("Anrede2")), QStringLiteral("Sehr geehrte Frau"));
  EXPECT_EQ(tausch(QStringLiteral("ZuletztBez"), QStringLiteral("Datum")), QStringLiteral("10.12.2026"));
  EXPECT_EQ(tausch(QStringLiteral("ZuletztBez"), QStringLiteral("Uhrzeit")), QStringLiteral("12:00"));
  EXPECT_EQ(tausch(QStringLiteral("ZuletztBez"), QStringLiteral("Wochentag")), QStringLiteral("Donnerstag"));
  EXPECT_EQ(tausch(QStringLiteral("ZuletztBez"), QStringLiteral("KartulonVersion")), QStringLiteral("1.00"));
  EXPECT_EQ(tausch(QStringLiteral("ZuletztBez"), QStringLiteral("KartulonReversion")), QStringLiteral("1"));
  EXPECT_NE(tausch(QStringLiteral("ZuletztBez"), QStringLiteral("User")), QStringLiteral("-fehlt-"));
}

TEST_F(DatensatzExportTest, SalutationsAndSelectionOfTheRemark) {
  setzen(u"Adr_Speichern_In", textDatei);
  setzen(u"Adr_IniSpeichern_In", tauschDatei);
  Main& m = Main::get();
  const std::pair<QString, QString> anreden[] = {
      {QStringLiteral("herr"), QStringLiteral("Sehr geehrter Herr")},
      {QStringLiteral("Firma"), QStringLiteral("firma")},
  };
  for (const auto& [anrede, erwartet] : anreden) {
    m.Feld(21).setText(anrede);
    DatensatzExportieren();
    EXPECT_EQ(tausch(QStringLiteral("ZuletztBez"), QStringLiteral("Anrede2")), erwartet);
  }
  m.Feld(11).setText(QStringLiteral("Vorne  ausgewaehlter Teil hinten"));
  for (const auto& [laenge, nr11] : {std::pair{10, QStringLiteral("Vorne  ausgewaehlter Teil hinten")},
                                     std::pair{11, QStringLiteral("ausgewaehl")}}) {
    m.Feld(11).setSelStart(6);
    m.Feld(11).setSelLength(laenge);
    DatensatzExportieren();
    EXPECT_EQ(tausch(QStringLiteral("ZuletztNr"), QStringLiteral("11")), nr11) << laenge;
    EXPECT_EQ(textZeilen().value(11), QStringLiteral("Vorne  ausgewaehlter Teil hinten"));
  }
}

TEST_F(DatensatzExportTest, TelephoneNumbersAreFormattedWhenSwitchedOn) {
  setzen(u"Adr_Speichern_In", textDatei);
  Main& m = Main::get();
  m.Feld(7).setText(QStringLiteral("089/123456"));
  m.Feld(6).setText(QStringLiteral("089/123456"));
  DatensatzExportieren();
  const QStringList zeilen = textZeilen();
  EXPECT_EQ(zeilen.value(7), QStringLiteral("089 / 12 34 56"));
  EXPECT_EQ(zeilen.value(6), QStringLiteral("089/123456"));
  // The record text file of an empty record still has 24 lines.
  for (int i = 0; i < 24; ++i) m.Feld(i).setText(QString());
  DatensatzExportieren();
  EXPECT_EQ(textZeilen(), QStringList(24, QString()));
}

}  // namespace
