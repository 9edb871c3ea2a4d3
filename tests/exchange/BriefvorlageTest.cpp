// Letters from templates without a window: the section, the folder, the proposed name, the name filter,
// the exchange values and copying a template.
#include "common/Ini.h"
#include "exchange/Briefvorlage.h"
#include "support/kern/TestUmgebung.h"

#include <QDir>
#include <QFile>

using namespace Qt::Literals::StringLiterals;

TEST(BriefvorlageTest, TheProposedName) {
  struct Fall {
    const char* docName1;
    const char* nummer;
    const char* docName2;
    const char* docName3;
    const char* nachname;
    const char* erwartet;
    int anfang;
  };
  const Fall faelle[] = {
      {"{jjjj}_", "0", "00000", "_", "Meier", "2001_00000_Meier", 11},
      {"{jj}-", "17", "000", "-", " Meier ", "01-017-Meier", 7},
      {"{JJJJ}/{Jj}_", "3", "0", "", "Meier", "2001/01_3Meier", 9},
      {"Brief", "x", "00", "_", "v. Berg", "Brief00_v__Berg", 8},
      {"", "12.7", "0000", "_", "a:b*c?d;e,f\\g/h", "0013_a_b_c_d_e_f_g_h", 5},
      {"", "5", "00", "", "", "05", 2},
  };
  for (const Fall& f : faelle) {
    SCOPED_TRACE(f.erwartet);
    int anfang = -1;
    EXPECT_EQ(
        DokumentVorschlag(QString::fromUtf8(f.docName1), QString::fromUtf8(f.nummer), QString::fromUtf8(f.docName2),
                          QString::fromUtf8(f.docName3), QString::fromUtf8(f.nachname), QDate(2001, 6, 30), &anfang),
        QString::fromUtf8(f.erwartet));
    EXPECT_EQ(anfang, f.anfang);
  }
}

TEST(BriefvorlageTest, TheNameFilterTurnsEverythingAFileNameCannotHoldIntoUnderscores) {
  const std::pair<QString, QString> faelle[] = {
      {u"Brief an Meier"_s, u"Brief_an_Meier"_s},
      {u"../x"_s, u"___x"_s},
      {uR"(a*b?c:d\e/f,g;h.i~j^k"l)"_s, u"a_b_c_d_e_f_g_h_i_j_k_l"_s},
      {u"Tab\there\r\nund\x7f"_s, u"Tab_here__und_"_s},
      {u"Müller-Lüdenscheid_2"_s, u"Müller-Lüdenscheid_2"_s},
  };
  for (const auto& [ein, aus] : faelle) EXPECT_EQ(DokumentnameFiltern(ein), aus) << ein.toStdString();
}

TEST(BriefvorlageTest, ExchangeValuesStayOnOneLine) {
  const std::pair<QString, QString> faelle[] = {
      {u"Zeile eins\r\nZeile zwei\r\n"_s, u"Zeile eins^aZeile zwei"_s},
      {u"a\nb\rc"_s, u"a^ab^ac"_s},
      {u"a\r\n\r\nb"_s, u"a^a^ab"_s},  // a blank line stays one
      {u"10.12.2026"_s, u"10.12.2026"_s},
      {u"~"_s, QString()},
  };
  for (const auto& [ein, aus] : faelle) EXPECT_EQ(AustauschWert(ein), aus) << ein.toStdString();
}

class BriefvorlageDateiTest : public KartulonTest {};

TEST_F(BriefvorlageDateiTest, TheSectionIsTheUsersOnlyWhenItNamesItsDocuments) {
  const QString ini = dateiSchreiben(tempPfad(u"vorlagen.ini"_s),
                                     "[def]\r\nDocName1=x\r\n[Anna]\r\nDocName1={jj}-\r\n[Bert]\r\nSuffix=rtf\r\n");
  EXPECT_EQ(VorlagenSektion(ini, u"Anna"_s), u"Anna"_s);
  EXPECT_EQ(VorlagenSektion(ini, u"Bert"_s), u"def"_s);
  EXPECT_EQ(VorlagenSektion(ini, u"Carl"_s), u"def"_s);
  EXPECT_EQ(VorlagenSektion(ini, QString()), u"def"_s);
}

TEST_F(BriefvorlageDateiTest, FolderAndPatternOfTheTemplates) {
  const VorlagenOrt a = VorlagenOrtAus(u"/home/anna/WordPost/_*.doc"_s);
  EXPECT_EQ(a.ordner, u"/home/anna/WordPost"_s);
  EXPECT_EQ(a.muster, u"_*.doc"_s);
  const VorlagenOrt b = VorlagenOrtAus(u"C:\\Kartulon\\WordPost\\_*.rtf"_s);
  EXPECT_EQ(b.ordner, u"C:/Kartulon/WordPost"_s);
  EXPECT_EQ(b.muster, u"_*.rtf"_s);
}

TEST_F(BriefvorlageDateiTest, ExchangeValuesGoByNumberOrByName) {
  const QString austausch = tempPfad(u"X-Letzte.txt"_s);
  AdressParaSet(u"Datum"_s, u"10.12.2026"_s);  // no exchange file named: nothing is written
  EXPECT_FALSE(QFile::exists(austausch));
  IniSchreiben(QString(), QString(), u"Adr_IniSpeichern_In"_s, austausch);
  AdressParaSet(u"Datum"_s, u"10.12.2026"_s);
  AdressParaSet(u"7"_s, u"Zeile eins\r\nZeile zwei\r\n"_s);
  AdressParaSet(u"0"_s, u"null"_s);
  AdressParaSet(u"12"_s, u"zwölf"_s);
  IniSichern();
  EXPECT_EQ(dateiLesen(austausch).toStdString(),
            std::string("[Zuletztbez]\r\nDatum=10.12.2026\r\n0=null\r\n\r\n[Zuletztnr]\r\n07=Zeile eins^aZeile "
                        "zwei\r\n12=zw\xf6lf\r\n"));
}

TEST_F(BriefvorlageDateiTest, CopiesNeverDestroyATemplate) {
  const QString ordner = tempPfad(u"WordPost"_s);
  QDir().mkpath(ordner);
  QByteArray inhalt("{\\rtf1 Brief}\r\n");
  inhalt.append('\0').append("\xff\x81 Ende");
  const QString quelle = dateiSchreiben(ordner + u"/_Brief.doc"_s, inhalt);
  const QString alt = dateiSchreiben(ordner + u"/2026_00001_Meier.Doc"_s, "alter Brief, viel laenger als die Vorlage");
  QFile::link(quelle, ordner + u"/verweis.doc"_s);

  struct Fall {
    QString ziel;
    KopieErgebnis ergebnis;
  };
  const Fall faelle[] = {
      {ordner + u"/2026_00000_Meier.Doc"_s, KopieErgebnis::Kopiert},
      {alt, KopieErgebnis::Kopiert},  // replaced whole
      {quelle, KopieErgebnis::Gleich},
      {ordner + u"/_BRIEF.DOC"_s, KopieErgebnis::Gleich},  // found without regard to case: the same file
      {ordner + u"/./_Brief.doc"_s, KopieErgebnis::Gleich},
      {ordner + u"/../WordPost/_Brief.doc"_s, KopieErgebnis::Gleich},
      {ordner + u"/verweis.doc"_s, KopieErgebnis::Gleich},
  };
  for (const Fall& f : faelle) {
    SCOPED_TRACE(f.ziel.toStdString());
    EXPECT_EQ(VorlageKopieren(quelle, f.ziel), f.ergebnis);
    EXPECT_EQ(dateiLesen(quelle), inhalt);
    if (f.ergebnis == KopieErgebnis::Kopiert) {
      EXPECT_EQ(dateiLesen(f.ziel), inhalt);
    }
  }

  int fehler = 0;
  EXPECT_EQ(VorlageKopieren(ordner + u"/_Fehlt.doc"_s, ordner + u"/neu.Doc"_s, &fehler), KopieErgebnis::Fehler);
  EXPECT_EQ(fehler, 53);
  EXPECT_EQ(VorlageKopieren(ordner + u"/"_s, ordner + u"/neu.Doc"_s, &fehler), KopieErgebnis::Fehler);
  EXPECT_EQ(fehler, 53);
  EXPECT_FALSE(QFile::exists(ordner + u"/neu.Doc"_s));
  // A target in a folder that is not there: the template stays, nothing else appears.
  EXPECT_EQ(VorlageKopieren(quelle, ordner + u"/fehlt/neu.Doc"_s, &fehler), KopieErgebnis::Fehler);
  EXPECT_NE(fehler, 0);
  EXPECT_EQ(dateiLesen(quelle), inhalt);
}
