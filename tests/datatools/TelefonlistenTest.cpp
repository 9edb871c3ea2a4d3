// The card-server list and the telephone register: both files byte for byte, the numbers in
// international form, the slots, the stored file names, and the refusals and failures.
#include "datatools/ExportHilfe.h"
#include "datatools/Telefonlisten.h"

#include "common/Global.h"
#include "common/Ini.h"

using namespace Qt::Literals::StringLiterals;

namespace {

class TelefonlistenTest : public ExportTest {
 protected:
  void SetUp() override {
    ExportTest::SetUp();
    dateiSchreiben(programmOrdner() + u"/CallByCall.ini"_s,
                   "[TeleNr]\r\n040=Hamburg\r\n0171=Netz\r\n[CallByCall]\r\nHamburg=01088\r\n");
  }
};

}  // namespace

TEST(D2Nummer, InternationalFormAndSlot) {
  const std::pair<const char*, const char*> nummern[] = {
      {"040 123456", "+4940123456"},
      {"0049 40 123456", "+4940123456"},
      {"+0041 1 2345", "+4112345"},
      {"+49 40 1", "+49401"},
      {"-", ""},
      {"(0)171/23-4", "+49171234"},
  };
  for (const auto& [ein, aus] : nummern)
    EXPECT_EQ(InternationaleNummer(QString::fromLatin1(ein)), QString::fromLatin1(aus)) << ein;
  const std::pair<const char*, int> plaetze[] = {
      {"Mob S12", 12}, {"Mob s7", 7},        {"Mob Sa", 0}, {"Mob", 0}, {"S-3", 0},
      {"S 5", 5},      {"Kundin Sommer", 0}, {"xS9S4", 9},  {"S", 0},
  };
  for (const auto& [feld9, platz] : plaetze) EXPECT_EQ(Speicherplatz(QString::fromLatin1(feld9)), platz) << feld9;
}

TEST_F(TelefonlistenTest, CardServerListByteForByte) {
  const QStringList zeilen = {
      zeileAus({{1, u"Meier"_s}, {2, u"Hans"_s}, {9, u"Mob"_s}, {7, u"040 123456"_s}, {12, u"0171 1234567"_s}}),
      zeileAus({{1, u"Müller"_s},
                {2, u"Jürgen"_s},
                {10, u"Dr."_s},
                {9, u"Mob S12"_s},
                {7, u"0049 40 1"_s},
                {12, u"0160 2"_s}}),
      zeileAus(
          {{1, u"Mustermann-Schulze"_s}, {2, u"Jo"_s}, {9, u"MOBIL"_s}, {7, u"+0041 1 2345"_s}, {12, u"+49 40 1"_s}}),
      zeileAus({{1, u"Nur"_s}, {2, u"Strich"_s}, {9, u"Mob Sa"_s}, {7, u"-"_s}, {12, u"0151 3"_s}}),
      zeileAus({{1, u"Privat"_s}, {9, u"Privat"_s}, {7, u"040 9"_s}}),
      zeileAus({{1, u"  Dvořák"_s}, {9, u"mob"_s}, {7, u"030 1"_s}}),  // ř lies outside the code page
  };
  const QString datei = tempPfad(u"ExpD2Card.txt"_s);
  const Exportergebnis e = D2ListeExportieren(zeilen, datei);
  EXPECT_EQ(e.stand, Exportstand::Geschrieben);
  EXPECT_EQ(dateiLesen(datei),
            "+4940123456\tMeier Hans\t 201 \r\n"
            "+491711234567\tMeier Hans Mob\t 202 \r\n"
            "+49401\tM\xfcller J\xfcrgen Dr.\t 12 \r\n"
            "+491602\tM\xfcller J\xfcrgen Mob\t 62 \r\n"
            "+4112345\tMustermann-Schulz\t 205 \r\n"
            "+49401\tMustermann-Sc Mob\t 206 \r\n"
            "+491513\tNur Strich Mob\t 207 \r\n"
            "+49301\tDvor\xe1k\t 208 \r\n");
  EXPECT_EQ(e.anzahl, 8);
  EXPECT_EQ(e.meldung, u"8 Nummern nach »"_s + datei + u"« exportiert."_s);
  EXPECT_EQ(e.titel, u"D2-CardServer-V1.0-Liste exportieren"_s);
  EXPECT_EQ(D2Vorschlag(), datei);

  // No records: an empty list, and the count 0.
  EXPECT_EQ(D2ListeExportieren({}, datei).meldung, u"0 Nummern nach »"_s + datei + u"« exportiert."_s);
  EXPECT_EQ(dateiLesen(datei), QByteArray());
  EXPECT_TRUE(dialoge().requests().isEmpty());
}

TEST_F(TelefonlistenTest, RegisterByteForByteWithFixedEntries) {
  const QString ini = programmOrdner() + u"/Export_TeleTiptel195.ini"_s;
  dateiSchreiben(
      ini, "[Export]\r\nDatei=alt.txt\r\n[Manuel]\r\n10=Pizza;040 555;Extra\r\n00=Notruf;112\r\n05=;0800 111\r\n");
  const QStringList zeilen = {
      zeileAus({{1, u"Müller"_s}, {2, u"Jürgen"_s}, {7, u"040 123456"_s}, {12, u"0171 77"_s}}),
      zeileAus({{1, u"Datenbank"_s}, {13, u"0511-998877"_s}}),
      zeileAus({{1, u"Mustermann-Schulze"_s}, {2, u"Johannes"_s}, {10, u"Dr."_s}, {12, u"0160 1"_s}}),
      zeileAus({{1, u"Abcdefghijklmnopqrs"_s}, {2, u"Tuv"_s}, {7, u"privat"_s}}),
      zeileAus({{1, u"Weiß"_s}, {2, u" "_s}, {10, u"  Ärztin"_s}, {7, u"030"_s}}),
      zeileAus({{1, u"Ohne"_s}, {2, u"Nummer"_s}}),
  };
  const QString datei = tempPfad(u"register.txt"_s);
  const Exportergebnis e = TiptelRegisterExportieren(zeilen, datei);
  EXPECT_EQ(e.stand, Exportstand::Geschrieben);
  EXPECT_TRUE(e.meldung.isEmpty());
  EXPECT_EQ(dateiLesen(datei),
            "Mueller Juergen\r\n01088040123456\r\n\r\n"
            "Mueller Juerge (Mob)\r\n017177\r\n\r\n"
            "Datenbank      (Dat)\r\n0511998877\r\n\r\n"
            "Mustermann-Sch (Mob)\r\n01601\r\n\r\n"
            "Abcdefghijklmnopqrs\r\n\r\n\r\n"
            "Weiss   Aerztin\r\n030\r\n\r\n"
            "Notruf\r\n112\r\n\r\n"
            "0800 111\r\n\r\n\r\n"
            "Pizza\r\n040 555\r\n\r\n");
  EXPECT_EQ(TiptelVorschlag(), datei);

  // No records: the fixed entries alone.
  TiptelRegisterExportieren({}, datei);
  EXPECT_EQ(dateiLesen(datei), "Notruf\r\n112\r\n\r\n0800 111\r\n\r\n\r\nPizza\r\n040 555\r\n\r\n");
}

TEST_F(TelefonlistenTest, RefusedAndFailedWritesKeepTheOldFileAndStoreNoName) {
  const QString ini = programmOrdner() + u"/Export_TeleTiptel195.ini"_s;
  dateiSchreiben(ini, "[Export]\r\nDatei=alt.txt\r\n");
  IniSchreiben("", "", "Export_D2Liste", "alt.txt");
  const QStringList zeilen = {zeileAus({{1, u"Meier"_s}, {9, u"Mob"_s}, {7, u"040 1"_s}})};
  const QString gesperrt = tempPfad(u"gesperrt"_s);
  dateiSchreiben(gesperrt + u"/liste.txt"_s, "alt");
  sperren(gesperrt);
  AktuelleDatei = tempPfad(u"daten/Kunden.dat"_s);
  dateiSchreiben(AktuelleDatei, "..Kunden\r\n");

  struct Fall {
    const char* name;
    std::function<Exportergebnis(const QString&)> exportieren;
    QString fehlerText;
  };
  const Fall faelle[] = {
      {"card server", [&](const QString& d) { return D2ListeExportieren(zeilen, d); },
       u"Es ist ein Fehler aufgetreten. D2-CardServer-V1.0-Liste exportieren"_s},
      {"register", [&](const QString& d) { return TiptelRegisterExportieren(zeilen, d); },
       u"Es ist ein Fehler aufgetreten. Tiptel 195 Telefonregister 1000 exportieren"_s},
  };
  for (const Fall& f : faelle) {
    SCOPED_TRACE(f.name);
    dialoge().clear();
    Exportergebnis e = f.exportieren(gesperrt + u"/liste.txt"_s);
    EXPECT_EQ(e.stand, Exportstand::Fehlgeschlagen);
    const auto boxen = fehlerBoxen(dialoge());
    ASSERT_EQ(boxen.size(), 1);
    EXPECT_TRUE(boxen[0].text.contains(f.fehlerText)) << boxen[0].text.toStdString();
    EXPECT_EQ(dateiLesen(gesperrt + u"/liste.txt"_s), "alt");

    // The open address file, also spelt in another case.
    dialoge().clear();
    const QString andersGeschrieben = tempPfad(u"daten/KUNDEN.DAT"_s);
    e = f.exportieren(andersGeschrieben);
    EXPECT_EQ(e.stand, Exportstand::Abgewiesen);
    EXPECT_EQ(e.meldung, u"»"_s + andersGeschrieben +
                             u"« ist die geöffnete Adressdatei und kann nicht als Exportdatei verwendet werden."_s);
    EXPECT_TRUE(dialoge().requests().isEmpty());
    EXPECT_EQ(dateiLesen(AktuelleDatei), "..Kunden\r\n");
  }
  EXPECT_EQ(D2Vorschlag(), u"alt.txt"_s);
  EXPECT_EQ(TiptelVorschlag(), u"alt.txt"_s);
}
