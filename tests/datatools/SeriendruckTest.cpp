// The serial-letter file and the index renumbering.
#include "datatools/ExportHilfe.h"
#include "datatools/Indexvergabe.h"
#include "datatools/Seriendruck.h"

#include "common/Global.h"
#include "common/Ini.h"

using namespace Qt::Literals::StringLiterals;

namespace {

const QByteArray kKopf =
    "Rubrik zum Einsortieren\tNachname\tVorname\tStra\xdf"
    "e\tPLZ\tOrt\tLand\tTelefon\tTelefax\t"
    "Adresse f\xfcr welchen User\tZusatz\tZusatzbemerkung\tMobiltelefon\tDatentelefon\teMail\terstellt am\t"
    "ge\xe4ndert am\tKontonummer\tBankleitzahl\tKreditinstitut\tGeburtstag\tAnrede\tWWW\tIndex\t\r\n";

class SeriendruckTest : public ExportTest {};

}  // namespace

TEST_F(SeriendruckTest, CaptionLineAndRecordLinesUnchanged) {
  const QString datei = tempPfad(u"Seriendruck.Txt"_s);
  const QStringList zeilen = {
      u" \tMeier\tHans\tEine Stra\u00dfe\t"_s + QString(20, u'\t'),
      u"\tOhne Rubrik\t\tZwei°°Zeilen\t"_s,  // its own TAB count, its degree signs, the TAB in front
      u"Firma\tDvořák\t"_s,
  };
  const Exportergebnis e = SeriendruckExportieren(zeilen, standardBezeichnungen(), datei);
  EXPECT_EQ(e.stand, Exportstand::Geschrieben);
  EXPECT_EQ(e.meldung, u"Die Datei »"_s + datei + u"« wurde erstellt."_s);
  EXPECT_EQ(e.titel, u"Seriendruck-Datei erstellen"_s);
  EXPECT_EQ(kKopf.count('\t'), 24);
  EXPECT_EQ(dateiLesen(datei), kKopf +
                                   " \tMeier\tHans\tEine Stra\xdf"
                                   "e\t" +
                                   QByteArray(20, '\t') + "\r\n" + "\tOhne Rubrik\t\tZwei\xb0\xb0Zeilen\t\r\n" +
                                   "Firma\tDvor\xe1k\t\r\n");
  // An empty table: the caption line alone.
  SeriendruckExportieren({}, standardBezeichnungen(), datei);
  EXPECT_EQ(dateiLesen(datei), kKopf);
  EXPECT_EQ(SeriendruckUeberschreibenFrage(datei), u"Soll die Datei »"_s + datei + u"« überschrieben werden?"_s);
}

TEST_F(SeriendruckTest, NeverOverTheOpenAddressFileAndOneReportForAFailedWrite) {
  AktuelleDatei = tempPfad(u"kartulon.dat"_s);
  dateiSchreiben(AktuelleDatei, "..Adressen\r\n");
  Exportergebnis e = SeriendruckExportieren({u"x\t"_s}, standardBezeichnungen(), AktuelleDatei);
  EXPECT_EQ(e.stand, Exportstand::Abgewiesen);
  EXPECT_EQ(e.meldung, u"»"_s + AktuelleDatei +
                           u"« ist die geöffnete Adressdatei und kann nicht als Exportdatei verwendet werden."_s);
  EXPECT_EQ(dateiLesen(AktuelleDatei), "..Adressen\r\n");
  EXPECT_EQ(AktuelleDatei, tempPfad(u"kartulon.dat"_s));

  const QString gesperrt = tempPfad(u"gesperrt"_s);
  dateiSchreiben(gesperrt + u"/Seriendruck.Txt"_s, "alt");
  sperren(gesperrt);
  e = SeriendruckExportieren({u"x\t"_s}, standardBezeichnungen(), gesperrt + u"/Seriendruck.Txt"_s);
  EXPECT_EQ(e.stand, Exportstand::Fehlgeschlagen);
  const auto boxen = fehlerBoxen(dialoge());
  ASSERT_EQ(boxen.size(), 1);
  EXPECT_TRUE(boxen[0].text.contains(u"Es ist ein Fehler beim Erstellen der Seriendruck-Datei aufgetreten."_s));
  EXPECT_EQ(dateiLesen(gesperrt + u"/Seriendruck.Txt"_s), "alt");
  EXPECT_EQ(AktuelleDatei, tempPfad(u"kartulon.dat"_s));
}

class IndexvergabeTest : public ExportTest {
 protected:
  void SetUp() override {
    ExportTest::SetUp();
    IniDatei = programmOrdner() + u"/Kartulon.Ini"_s;
    dateiSchreiben(IniDatei, "[Allgemein]\r\nAdressIndex=500\r\n");
    dateiSchreiben(windowsOrdner() + u"/Zedured.ini"_s, "[Kartulon]\r\nAdressIndex=480\r\n");
  }
  Indexvergabe setzen(Adressbestand& bestand) {
    const Indexvergabe v = IndizesNeuSetzen(bestand);
    IniSichern();
    return v;
  }
  void zaehlerPruefen(const char* stand) {
    EXPECT_EQ(dateiLesen(IniDatei), QByteArray("[Allgemein]\r\nAdressIndex=") + stand + "\r\n");
    EXPECT_EQ(dateiLesen(windowsOrdner() + u"/Zedured.ini"_s),
              QByteArray("[Kartulon]\r\nAdressIndex=") + stand + "\r\n");
  }
};

TEST_F(IndexvergabeTest, RecordsWithoutAPositiveIndexGetTheNextFreeOnes) {
  Adressbestand bestand;
  const QStringList index = {u"17"_s, u""_s, u"0"_s, u"-3"_s, u"abc"_s, u"42"_s};
  QStringList zeilen;
  for (const QString& i : index) zeilen << zeileAus({{1, u"Name "_s + i}, {23, i}});
  zeilen[1] = u"\tOhne Rubrik\t"_s;  // an empty first field and a short line, as imported
  bestand.setItems(zeilen);
  const Indexvergabe v = setzen(bestand);
  // Every line is stored back as the shown record is: an empty first field becomes one blank.
  const QStringList erwartet = {
      zeileAus({{0, u" "_s}, {1, u"Name 17"_s}, {23, u"17"_s}}),
      zeileAus({{0, u" "_s}, {1, u"Ohne Rubrik"_s}, {23, u"500"_s}}),
      zeileAus({{0, u" "_s}, {1, u"Name 0"_s}, {23, u"501"_s}}),
      zeileAus({{0, u" "_s}, {1, u"Name -3"_s}, {23, u"502"_s}}),
      zeileAus({{0, u" "_s}, {1, u"Name abc"_s}, {23, u"503"_s}}),
      zeileAus({{0, u" "_s}, {1, u"Name 42"_s}, {23, u"42"_s}}),
  };
  EXPECT_EQ(bestand.Zeilen(), erwartet);
  EXPECT_EQ(v.vergeben, 4);
  EXPECT_EQ(v.naechsterFreier, 504);
  EXPECT_EQ(v.status, u"Nächster freier Index bei 504"_s);
  zaehlerPruefen("504");
  EXPECT_EQ(Geaendert, 1);
  EXPECT_EQ(AktuellerDatensatz, zeilen.last());
}

TEST_F(IndexvergabeTest, EmptyTableAndASingleRecordWithItsIndex) {
  Adressbestand leer;
  Indexvergabe v = setzen(leer);
  EXPECT_EQ(leer.Anzahl(), 0);
  EXPECT_EQ(v.status, u"Nächster freier Index bei 500"_s);
  EXPECT_EQ(Geaendert, 0);
  zaehlerPruefen("500");

  Adressbestand einer;
  const QString zeile = zeileAus({{0, u"Privat"_s}, {23, u"7"_s}});
  einer.setItems({zeile});
  v = setzen(einer);
  EXPECT_EQ(v.vergeben, 0);
  EXPECT_EQ(einer.Zeilen(), QStringList{zeile});
  EXPECT_EQ(Geaendert, 1);  // stored back although nothing changed
  EXPECT_EQ(v.status, u"Nächster freier Index bei 500"_s);
  zaehlerPruefen("500");
}
