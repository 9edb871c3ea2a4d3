#include "common/Global.h"
#include "common/Ini.h"
#include "exchange/Listenimport.h"
#include "store/Index.h"
#include "support/kern/TestUmgebung.h"

#include <gtest/gtest.h>
#include <QStringList>

using namespace Qt::Literals::StringLiterals;

class ListenimportTest : public KartulonTest {
 protected:
  static QStringList spalten(const Importspalten& s, int n) {
    QStringList l;
    for (int i = 0; i < n; ++i) l << s[i];
    return l;
  }
};

TEST_F(ListenimportTest, CutsALineWithTheSeparatorAndTheOptions) {
  struct Fall {
    const char* name;
    QString zeile;
    QString trennText;
    bool dos;
    bool trim;
    QStringList erwartet;  // the first columns; every later one must be empty
  };
  QStringList sechzehn;
  QString lang;
  for (int i = 1; i <= 17; ++i) lang += QString::number(i) + (i < 17 ? u";"_s : QString());
  for (int i = 1; i <= 15; ++i) sechzehn << QString::number(i);
  const Fall faelle[] = {
      {"tab", "a\tb;c\td", "{Tab}", false, false, {"a", "b;c", "d"}},
      {"tab in lower case is its brace", "x{y\tz", "{tab}", false, false, {"x", "y\tz"}},
      {"line feed", "a\nb;c", "{LF}", false, false, {"a", "b;c"}},
      {"semicolon",
       "Meier;Hans;Hauptstr. 5;12345;Berlin",
       ";",
       false,
       false,
       {"Meier", "Hans", "Hauptstr. 5", "12345", "Berlin"}},
      {"comma and blank: the comma only", "a, b,c", ", ", false, false, {"a", " b", "c"}},
      {"empty separator is a semicolon", "a;b,c", "", false, false, {"a", "b,c"}},
      {"two separators: an empty column", "a;;b", ";", false, false, {"a", "", "b"}},
      {"a separator at the end adds nothing", "a;b;", ";", false, false, {"a", "b"}},
      {"no separator: one column", "a b c", ";", false, false, {"a b c"}},
      {"empty line", "", ";", false, false, {}},
      {"quotes mean nothing", "\"a;b\";c", ";", false, false, {"\"a", "b\"", "c"}},
      {"after the fifteenth nothing", lang, ";", false, false, sechzehn},
      {"trim", " a ; b ;  ", ";", false, true, {"a", "b"}},
      {"no trim", " a ; b ", ";", false, false, {" a ", " b "}},
      {"a TAB inside a column", "a\tb;c", ";", false, false, {"a\tb", "c"}},
      {"DOS letters",
       QString::fromUtf16(u"M\u0081ller;Stra\u00E1e;\u201Ergern;\u0152"),
       ";",
       true,
       false,
       {u"Müller"_s, u"Straße"_s, u"ärgern"_s, u"Œ"_s}},
      {"DOS off", QString::fromUtf16(u"M\u0081ller"), ";", false, false, {QString::fromUtf16(u"M\u0081ller")}},
      {"DOS then trim", QString::fromUtf16(u" \u0081 ;x"), ";", true, true, {u"ü"_s, "x"}},
  };
  for (const Fall& f : faelle) {
    const Importspalten s = ImportZeileZerlegen(f.zeile, ImportTrennzeichen(f.trennText), f.dos, f.trim);
    const int n = static_cast<int>(f.erwartet.size());
    EXPECT_EQ(spalten(s, n), f.erwartet) << f.name;
    for (int i = n; i < kImportSpalten; ++i) EXPECT_EQ(s[i], QString()) << f.name << " column " << i + 1;
  }
}

TEST_F(ListenimportTest, TheSeparatorOfATypedText) {
  EXPECT_EQ(ImportTrennzeichen("{Tab}"), QChar(u'\t'));
  EXPECT_EQ(ImportTrennzeichen("{LF}"), QChar(u'\n'));
  EXPECT_EQ(ImportTrennzeichen("{lf}"), QChar(u'{'));
  EXPECT_EQ(ImportTrennzeichen(""), QChar(u';'));
  EXPECT_EQ(ImportTrennzeichen("|x"), QChar(u'|'));
}

TEST_F(ListenimportTest, ReadsTheFilesLines) {
  struct Fall {
    const char* name;
    QByteArray bytes;
    QStringList zeilen;
  };
  const Fall faelle[] = {
      {"CR LF", "a;1\r\nb;2\r\n", {"a;1", "b;2"}},
      {"LF", "a;1\nb;2\n", {"a;1", "b;2"}},
      {"CR", "a;1\rb;2\r", {"a;1", "b;2"}},
      {"empty line counts", "a\r\n\r\nb\r\n", {"a", "", "b"}},
      {"no final line end", "a\r\nb", {"a", "b"}},
      {"Windows-1252", "M\xFCller;\x80\r\n", {u"Müller;€"_s}},
      {"DOS byte read unchanged", "M\x81ller\r\n", {QString::fromUtf16(u"M\u0081ller")}},
      {"UTF-8", "M\xC3\xBCller;\xE2\x82\xAC\n", {u"Müller;€"_s}},
      {"empty file", "", {}},
  };
  for (const Fall& f : faelle)
    EXPECT_EQ(ImportDateiLesen(dateiSchreiben(tempPfad("liste.txt"), f.bytes)), f.zeilen) << f.name;
  EXPECT_EQ(ImportDateiLesen(tempPfad("fehlt.txt")), QStringList());
}

TEST_F(ListenimportTest, TheRecordLine) {
  Felder f;
  f[1] = "Meier";
  f[3] = "Haupt\tstr. 5";
  f[5] = u"Ćwik"_s;
  f[23] = "7";
  const QString zeile = ImportZeile(f);
  EXPECT_EQ(zeile, zeileAus({{1, "Meier"}, {3, "Haupt str. 5"}, {5, "Cwik"}, {23, "7"}}));
  EXPECT_TRUE(zeile.startsWith(u"\tMeier\t"));
  EXPECT_EQ(zeile.count(u'\t'), 24);
}

TEST_F(ListenimportTest, ColumnsToFields) {
  Importspalten s;
  for (int i = 0; i < kImportSpalten; ++i) s[i] = QString::number(i + 1);
  Importzuordnung z = ImportStandardZuordnung();
  Felder f = ImportFelder(s, z);
  for (int i = 0; i < kImportSpalten; ++i) EXPECT_EQ(f[i], QString::number(i + 1));
  for (int i = kImportSpalten; i < kFeldAnzahl; ++i) EXPECT_EQ(f[i], QString());
  z[0] = 0;    // unused: dropped, nothing shifts
  z[4] = 2;    // two columns on Nachname: the later one wins
  z[14] = 24;  // the index
  f = ImportFelder(s, z);
  EXPECT_EQ(f[0], QString());
  EXPECT_EQ(f[1], "5");
  EXPECT_EQ(f[2], "3");
  EXPECT_EQ(f[4], QString());
  EXPECT_EQ(f[23], "15");
}

TEST_F(ListenimportTest, IndexesAreReservedOnceAndInOrder) {
  IniDatei = programmOrdner() + "/Kartulon.Ini";
  IniSchreiben(IniDatei, "Allgemein", "AdressIndex", "40");
  Adressbestand bestand;
  Importoptionen o;
  o.trennText = ";";
  o.zuordnung = ImportStandardZuordnung();
  o.zuordnung[2] = 24;  // column 3 is the index
  const QStringList zeilen = {"A;a;", "B;b;0", "C;c;abc", "D;d;-3", "E;e;17", "F;f; 9x"};
  QList<std::pair<int, int>> meldungen;
  const Importergebnis e = ListeImportieren(bestand, zeilen, o, [&](int i, int m) { meldungen.append({i, m}); });
  EXPECT_EQ(e.zeilen, 6);
  EXPECT_EQ(e.angefuegt, 6);
  ASSERT_EQ(bestand.Anzahl(), 6);
  const QStringList index = {"40", "41", "42", "43", "17", " 9x"};
  for (int i = 0; i < 6; ++i) {
    const Felder f = FelderAusZeile(bestand.Zeile(i));
    EXPECT_EQ(f[23], index[i]) << i;
    EXPECT_EQ(f[15], "10.12.2026");
    EXPECT_EQ(f[16], "10.12.2026");
  }
  EXPECT_EQ(NeuerIndex(1) - 1, 44);  // the next record gets the number after them
  EXPECT_EQ(meldungen.back(), std::make_pair(5, 5));
  EXPECT_GE(meldungen.size(), 6);
}

TEST_F(ListenimportTest, NearTheCountersEndTheIndexStartsAgain) {
  IniDatei = programmOrdner() + "/Kartulon.Ini";
  IniSchreiben(IniDatei, "Allgemein", "AdressIndex", "999999998");
  Adressbestand bestand;
  Importoptionen o;
  o.trennText = ";";
  ListeImportieren(bestand, {"a", "b", "c"}, o);
  ASSERT_EQ(bestand.Anzahl(), 3);
  // Line by line, as new records get them where the counter starts again.
  EXPECT_EQ(FelderAusZeile(bestand.Zeile(0))[23], "999999998");
  EXPECT_EQ(FelderAusZeile(bestand.Zeile(1))[23], "0");
  EXPECT_EQ(FelderAusZeile(bestand.Zeile(2))[23], "1");
  EXPECT_EQ(NeuerIndex(0), 2);
}

TEST_F(ListenimportTest, DatesFromTheFileStay) {
  Adressbestand bestand;
  Importoptionen o;
  o.trennText = ";";
  o.zuordnung[0] = 16;  // erstellt am
  o.zuordnung[1] = 17;  // geändert am
  ListeImportieren(bestand, {"01.02.2003;", ";04.05.2006"}, o);
  ASSERT_EQ(bestand.Anzahl(), 2);
  const Felder a = FelderAusZeile(bestand.Zeile(0));
  const Felder b = FelderAusZeile(bestand.Zeile(1));
  EXPECT_EQ(a[15], "01.02.2003");
  EXPECT_EQ(a[16], "10.12.2026");
  EXPECT_EQ(b[15], "10.12.2026");
  EXPECT_EQ(b[16], "04.05.2006");
}

TEST_F(ListenimportTest, OnlyAsManyAsTheTableHoldsTheFirstOnes) {
  Adressbestand bestand;
  QStringList voll;
  for (int i = 0; i < kMaxDatensaetze - 2; ++i) voll << "x\t";
  bestand.setItems(voll);
  Importoptionen o;
  o.trennText = ";";
  const Importergebnis e = ListeImportieren(bestand, {"a", "b", "c"}, o);
  EXPECT_EQ(e.zeilen, 3);
  EXPECT_EQ(e.angefuegt, 2);
  EXPECT_EQ(bestand.Anzahl(), kMaxDatensaetze);
  EXPECT_TRUE(bestand.Zeile(kMaxDatensaetze - 1).startsWith(u"b\t"));
  EXPECT_EQ(ListeImportieren(bestand, {"d"}, o).angefuegt, 0);
}
