// The short-dial export: the export file and the short-dial list byte for byte, the list opened in the
// text editor, the settings the system leaves open, and a failed write.
#include "datatools/ExportHilfe.h"
#include "datatools/TkAnlage.h"

#include "common/Global.h"

#include <QUrl>

using namespace Qt::Literals::StringLiterals;

namespace {

class TkAnlageTest : public ExportTest {
 protected:
  void SetUp() override {
    ExportTest::SetUp();
    dateiSchreiben(programmOrdner() + u"/CallByCall.ini"_s,
                   "[TeleNr]\r\n040=Hamburg\r\n[CallByCall]\r\nHamburg=01088\r\n");
    ini_ = programmOrdner() + u"/Export_Tk-Anlage.ini"_s;
    exportDatei_ = tempPfad(u"aus/tk.txt"_s);
    listeDatei_ = tempPfad(u"aus/liste.txt"_s);
    QDir().mkpath(tempPfad(u"aus"_s));
  }
  void einstellungen(const QByteArray& speicherUndRand, bool mitExport = true, bool mitListe = true) {
    QByteArray text = "[Allgemein]\r\nTk-Anlage=Haus\r\n[Export]\r\n";
    if (mitExport) text += "Datei=" + exportDatei_.toUtf8() + "\r\n";
    text += "DateiInclude=" + tempPfad(u"include.txt"_s).toUtf8() +
            "\r\nTextKopf=KOPF\r\nDatensatz=KW {Speicher};{Nummer};{Name}\r\nTextFuss=ENDE\r\n[InfoText]\r\n";
    if (mitListe) text += "Datei=" + listeDatei_.toUtf8() + "\r\n";
    text +=
        "TelInfo=Telefon\r\nFaxInfo=Telefax\r\nMobInfo=Mobil\r\nFusszeile1=Erste~Zweite\r\nFusszeile3=Fuss drei\r\n";
    dateiSchreiben(ini_, text + speicherUndRand);
  }
  QString ini_, exportDatei_, listeDatei_;
};

}  // namespace

TEST_F(TkAnlageTest, ExportFileAndListByteForByte) {
  einstellungen("LinkerRand=2\r\n[Speicher]\r\nTelOffset=100\r\nMobOffset=150\r\nFaxOffset=200\r\n");
  dateiSchreiben(tempPfad(u"include.txt"_s), "INC1\r\n   \r\n\r\n\tTAB\r\n  INC2  \r\n");
  const QStringList zeilen = {
      zeileAus({{1, u"Meier"_s},
                {2, u"Hans"_s},
                {10, u"Dr."_s},
                {9, u"S5"_s},
                {7, u"040 12"_s},
                {8, u"040 13"_s},
                {12, u"0171 9"_s}}),
      zeileAus({{1, u"Weber"_s}, {9, u"Kundin Sommer"_s}, {7, u"0511 1"_s}}),  // no number after the S: slot 20
      zeileAus({{1, u"Leer"_s}, {9, u"S"_s}}),                                 // uses up slot 21
      zeileAus({{2, u"Eva"_s}, {9, u"s"_s}, {12, u"0160 5"_s}}),
      zeileAus({{1, u"Mustermann-Schulze"_s}, {2, u"Johannes"_s}, {9, u"S7"_s}, {7, u"030 1"_s}}),
      zeileAus({{1, u"Zweiter"_s}, {2, u"Platz"_s}, {9, u"S7"_s}, {7, u"030 2"_s}}),
      zeileAus({{1, u"Privat"_s}, {9, u"Privat"_s}, {7, u"030 3"_s}}),
  };
  const Exportergebnis e = TkAnlageExportieren(zeilen, ini_);
  EXPECT_EQ(e.stand, Exportstand::Geschrieben);
  EXPECT_EQ(dateiLesen(exportDatei_),
            "KOPF\r\n"
            "KW 105;0108804012;Meier, Hans (Dr.)\r\n"
            "KW 205;0108804013;Meier, Hans (Dr., Fax)\r\n"
            "KW 155;01719;Meier, Hans (Dr., Mobil)\r\n"
            "KW 120;05111;Weber,\r\n"
            "KW 172;01605;, Eva (Mobil)\r\n"
            "KW 107;0301;Mustermann-Schulze, Johan\r\n"
            "KW 107;0302;Zweiter, Platz\r\n"
            "INC1\r\n\tTAB\r\n  INC2  \r\n"
            "ENDE\r\n");
  EXPECT_EQ(dateiLesen(listeDatei_),
            "  HAUS-KURZWAHLLISTE vom 10.12.2026\r\n"
            "\r\n  Telefon\r\n\r\n"
            "   105 Meier, Hans (Dr.) [Hamburg]\r\n"
            "   107 Zweiter, Platz\r\n"
            "   120 Weber,\r\n"
            "\r\n  Mobil\r\n\r\n"
            "   155 Meier, Hans (Dr., Mobil)\r\n"
            "   172 , Eva (Mobil)\r\n"
            "\r\n  Telefax\r\n\r\n"
            "   205 Meier, Hans (Dr., Fax) [Hamburg]\r\n"
            "\r\n"
            "  Erste\r\nZweite\r\n"
            "   Fuss drei\r\n");
  ASSERT_EQ(shell().geoeffnet.size(), 1);
  EXPECT_EQ(shell().geoeffnet[0], QUrl::fromLocalFile(listeDatei_));
  EXPECT_TRUE(dialoge().requests().isEmpty());
}

// A negative margin counts as none; a memory place beyond 999 + TelOffset lengthens the list.
TEST_F(TkAnlageTest, NegativeMarginAndPlacesBeyondTheListsEnd) {
  einstellungen("LinkerRand=-2\r\n[Speicher]\r\nTelOffset=-800\r\n");
  const Exportergebnis e =
      TkAnlageExportieren({zeileAus({{1, u"Ohne"_s}, {2, u"Platz"_s}, {9, u"S"_s}, {7, u"1"_s}, {8, u"2"_s}})}, ini_);
  EXPECT_EQ(e.stand, Exportstand::Geschrieben);
  EXPECT_EQ(dateiLesen(exportDatei_), "KOPF\r\nKW 120;1;Ohne, Platz\r\nKW 220;2;Ohne, Platz (Fax)\r\nENDE\r\n");
  EXPECT_EQ(dateiLesen(listeDatei_),
            "HAUS-KURZWAHLLISTE vom 10.12.2026\r\n"
            "\r\nTelefax\r\n\r\n\r\nMobil\r\n\r\n"  // FaxOffset and MobOffset read as 0
            " 120 Ohne, Platz\r\n"
            " 220 Ohne, Platz (Fax)\r\n"
            "\r\nErste\r\nZweite\r\n Fuss drei\r\n");
}

TEST_F(TkAnlageTest, MissingFileKeysOpenAddressFileAndFailedWritesWriteNothing) {
  const QStringList zeilen = {zeileAus({{1, u"Meier"_s}, {9, u"S1"_s}, {7, u"1"_s}})};
  const QString fehlt = u"In der Datei »"_s + ini_ + u"« fehlt der Eintrag "_s;
  einstellungen({}, false, true);
  Exportergebnis e = TkAnlageExportieren(zeilen, ini_);
  EXPECT_EQ(e.stand, Exportstand::Abgewiesen);
  EXPECT_EQ(e.meldung, fehlt + u"[Export] Datei."_s);
  einstellungen({}, true, false);
  EXPECT_EQ(TkAnlageExportieren(zeilen, ini_).meldung, fehlt + u"[InfoText] Datei."_s);
  EXPECT_FALSE(QFile::exists(exportDatei_));
  EXPECT_FALSE(QFile::exists(listeDatei_));

  einstellungen({});
  AktuelleDatei = listeDatei_;
  dateiSchreiben(listeDatei_, "..Adressen\r\n");
  e = TkAnlageExportieren(zeilen, ini_);
  EXPECT_EQ(e.stand, Exportstand::Abgewiesen);
  EXPECT_EQ(e.meldung, u"»"_s + listeDatei_ +
                           u"« ist die geöffnete Adressdatei und kann nicht als Exportdatei verwendet werden."_s);
  EXPECT_FALSE(QFile::exists(exportDatei_));
  EXPECT_EQ(dateiLesen(listeDatei_), "..Adressen\r\n");

  // A list folder that may not be changed: one report, and the export file is not written either.
  AktuelleDatei.clear();
  listeDatei_ = tempPfad(u"gesperrt/liste.txt"_s);
  dateiSchreiben(listeDatei_, "alt");
  sperren(tempPfad(u"gesperrt"_s));
  einstellungen({});
  e = TkAnlageExportieren(zeilen, ini_);
  EXPECT_EQ(e.stand, Exportstand::Fehlgeschlagen);
  const auto boxen = fehlerBoxen(dialoge());
  ASSERT_EQ(boxen.size(), 1);
  EXPECT_TRUE(boxen[0].text.contains(u"Es ist ein Fehler beim Export des Tk-Anlagen-Kurzwahlspeichers aufgetreten."_s));
  EXPECT_FALSE(QFile::exists(exportDatei_));
  EXPECT_EQ(dateiLesen(listeDatei_), "alt");
  EXPECT_TRUE(shell().geoeffnet.isEmpty());
}
