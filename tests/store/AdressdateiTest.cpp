// The address file format: what the reader takes from odd files, and what the writer writes.
#include "store/Adressdatei.h"
#include "store/Datensatz.h"
#include "support/kern/TestUmgebung.h"

#include <random>

namespace {

QString L(const char* utf8) { return QString::fromUtf8(utf8); }

QString tabs(int n) { return QString(n, u'\t'); }

}  // namespace

TEST(Adressdatei, OddFilesLoadAsTheFormatSays) {
  const QByteArray rec1 = QByteArray("Privat\tMeier\t") + QByteArray(22, '\t');
  const QByteArray rec2 = QByteArray("Firma\tWeber\t") + QByteArray(22, '\t');
  struct Fall {
    const char* name;
    QByteArray bytes;
    QString beschreibung;
    QStringList datensaetze;
  };
  const QString r1 = QString::fromLatin1(rec1), r2 = QString::fromLatin1(rec2);
  const Fall faelle[] = {
      {"empty file", "", "", {}},
      {"header only", "..Privat\r\n", "Privat", {}},
      {"header with TAB", "..Name\tVorname\r\n" + rec1 + "\r\n", "Kunden", {r1}},
      {"no header", rec1 + "\r\n" + rec2 + "\r\n", "Kunden", {r1, r2}},
      {"bare .. header (the base name), then a record beginning with ..",
       "..\r\n..Firma\r\n" + rec1 + "\r\n",
       "Kunden",
       {"..Firma", r1}},
      {"later .. line is a record", "..A\r\n..B\tx\r\n", "A", {"..B\tx"}},
      {"line starting with TAB", "..A\r\n\tMeier\t\r\n", "A", {" \tMeier\t"}},
      {"empty lines skipped", "..A\r\n\r\n\r\n" + rec1 + "\r\n\r\n", "A", {r1}},
      {"blank and 23 TABs dropped", "..A\r\n " + QByteArray(23, '\t') + "\r\n", "A", {}},
      {"15 TABs then fields dropped", "..A\r\n" + QByteArray(15, '\t') + "01.01.2000\t02.02.2002\t\r\n", "A", {}},
      {"15 TABs then an account kept",
       "..A\r\n" + QByteArray(17, '\t') + "12345\t\r\n",
       "A",
       {tabs(17).prepend(u' ') + "12345\t"}},
      {"15 TABs then a birthday kept",
       "..A\r\n  " + QByteArray(20, '\t') + "15.03.1960\t\r\n",
       "A",
       {"  " + tabs(20) + "15.03.1960\t"}},
      {"15 TABs then an index only dropped", "..A\r\n" + QByteArray(23, '\t') + "4711\t\r\n", "A", {}},
      {"empty field 0 with a street kept", "..A\r\n \t\t\tWeg 1\t\r\n", "A", {" \t\t\tWeg 1\t"}},
      {"LF-only line ends", "..A\n" + rec1 + "\n" + rec2 + "\n", "A", {r1, r2}},
      {"CR-only line ends", "..A\r" + rec1 + "\r" + rec2 + "\r", "A", {r1, r2}},
      {"mixed line ends", "..A\r\n" + rec1 + "\n" + rec2 + "\r", "A", {r1, r2}},
      {"last line without CR LF", "..A\r\n" + rec1 + "\r\n" + rec2, "A", {r1, r2}},
      {"bytes 0x80-0x9F",
       "..\x80\x81\x9F\r\n\x8D\x8F\x90\x9D\t\x84x\x93\r\n",
       L("€\u0081Ÿ"),
       {L("\u008D\u008F\u0090\u009D\t„x“")}},
      {"UTF-8 file",
       "..M\xC3\xBC"
       "ller\r\nK\xC3\xB6ln\t\r\n",
       L("Müller"),
       {L("Köln\t")}},
      {"UTF-8 with BOM", "\xEF\xBB\xBF..Bom\r\nx\t\r\n", "Bom", {"x\t"}},
  };
  for (const Fall& f : faelle) {
    const AdressdateiInhalt inhalt = AdressdateiZerlegen(f.bytes, QStringLiteral("Kunden"));
    EXPECT_EQ(inhalt.beschreibung, f.beschreibung) << f.name;
    EXPECT_EQ(inhalt.datensaetze, f.datensaetze) << f.name;
    EXPECT_FALSE(inhalt.abgeschnitten) << f.name;
  }
}

TEST(Adressdatei, EveryByteReadsBackAndWritesOutUnchanged) {
  QByteArray zeile;
  for (int b = 0; b < 256; ++b)
    if (b != '\r' && b != '\n') zeile += static_cast<char>(b);
  zeile.replace('\t', ' ');
  const QByteArray datei = "..Alle Bytes\r\nA\t" + zeile + "\t\r\n";
  const AdressdateiInhalt inhalt = AdressdateiZerlegen(datei, QStringLiteral("X"));
  ASSERT_EQ(inhalt.kodierung, Codec::Kodierung::Windows1252);
  ASSERT_EQ(inhalt.datensaetze.size(), 1);
  EXPECT_EQ(AdressdateiBauen(KopfzeileBilden(inhalt.beschreibung, {}), inhalt.datensaetze, inhalt.kodierung), datei);
}

TEST(Adressdatei, Utf8FilesAreWrittenBackAsUtf8) {
  for (const QByteArray& datei : {QByteArray("..M\xC3\xBC"
                                             "ller\r\nK\xC3\xB6ln\t\r\n"),
                                  QByteArray("\xEF\xBB\xBF..Gr\xC3\xBC\xC3\x9F"
                                             "e\r\nx\t\r\n")}) {
    const AdressdateiInhalt inhalt = AdressdateiZerlegen(datei, QStringLiteral("X"));
    EXPECT_EQ(inhalt.kodierung, Codec::Kodierung::Utf8);
    EXPECT_EQ(
        AdressdateiBauen(KopfzeileBilden(inhalt.beschreibung, {}), inhalt.datensaetze, inhalt.kodierung, inhalt.mitBom),
        datei);
  }
}

TEST(Adressdatei, StopsAt32000RecordsAndTellsWhetherMoreWereThere) {
  const QByteArray rec = "Privat\tMeier\t" + QByteArray(22, '\t') + "\r\n";
  const QByteArray leer = " " + QByteArray(23, '\t') + "\r\n";
  struct Fall {
    const char* name;
    QByteArray nachher;  // what follows the 32000 records
    bool abgeschnitten;
  };
  const Fall faelle[] = {
      {"exactly 32000", "", false},
      {"only dropped lines follow", "\r\n" + leer + "\r\n", false},
      {"one more record", rec, true},
      {"a dropped line, then a record", leer + "x", true},
  };
  for (const Fall& f : faelle) {
    QByteArray datei = "..Viele\r\n";
    datei.reserve(40 * kMaxDatensaetze);
    for (int i = 0; i < kMaxDatensaetze; ++i) datei += rec;
    datei += f.nachher;
    int zuletzt = 0;
    AdressdateiMeldungen m;
    m.datensatzGelesen = [&](int n) { zuletzt = n; };
    const AdressdateiInhalt inhalt = AdressdateiZerlegen(datei, QStringLiteral("X"), m);
    EXPECT_EQ(inhalt.datensaetze.size(), kMaxDatensaetze) << f.name;
    EXPECT_EQ(zuletzt, kMaxDatensaetze) << f.name;
    EXPECT_EQ(inhalt.abgeschnitten, f.abgeschnitten) << f.name;
  }
}

TEST(Adressdatei, ReportsTheDescriptionWhenItIsSet) {
  QStringList gemeldet;
  AdressdateiMeldungen m;
  m.beschreibungGesetzt = [&](const QString& b) { gemeldet << b; };
  AdressdateiZerlegen("..\r\n..Firma\r\nx\t\r\n", QStringLiteral("Kunden"), m);
  // Once, for the first line only; a bare ".." names nothing, and the base name stands in.
  EXPECT_EQ(gemeldet, QStringList({"Kunden"}));
}

TEST(Adressdatei, WriterNeverBreaksALine) {
  const QByteArray bytes =
      AdressdateiBauen(QStringLiteral("..Kopf\r\nzeile"), {QStringLiteral("a\r\nb\t"), QStringLiteral("c\rd\ne\t")});
  EXPECT_EQ(bytes, QByteArray("..Kopf zeile\r\na\xB0\xB0"
                              "b\t\r\nc\xB0\xB0"
                              "d\xB0\xB0"
                              "e\t\r\n"));
  EXPECT_EQ(AdressdateiBauen(QStringLiteral(".."), {}), QByteArray("..\r\n"));
}

TEST(Adressdatei, HeaderLine) {
  const QString k = QStringLiteral("Kunden");
  EXPECT_EQ(KopfzeileBilden(QStringLiteral("Privat"), k), QStringLiteral("..Privat"));
  EXPECT_EQ(KopfzeileBilden(QStringLiteral("..Privat"), k), QStringLiteral("..Privat"));
  EXPECT_EQ(KopfzeileBilden(QStringLiteral("Nachname\tVorname"), k), QStringLiteral("..Nachname\tVorname"));
  // Never a bare "..": the standard description stands in.
  EXPECT_EQ(KopfzeileBilden(QString(), k), QStringLiteral("..Kunden"));
  EXPECT_EQ(KopfzeileBilden(QStringLiteral(".."), k), QStringLiteral("..Kunden"));
  EXPECT_EQ(KopfzeileBilden(QString(), QString()), QStringLiteral("..Adressen"));
}

// A first record whose Rubrik begins with "..", in a file whose description is empty (any empty file)
// or "..": saved and loaded again, it is still there.
TEST(Adressdatei, ARecordBeginningWithDotsSurvivesSaveAndLoad) {
  const QString wichtig = QStringLiteral("..Wichtig\tMeier") + QString(22, u'\t');
  for (const QByteArray& vorher : {QByteArray(), QByteArray("..\r\n"), QByteArray("....\r\n")}) {
    SCOPED_TRACE(vorher.constData());
    const AdressdateiInhalt geladen = AdressdateiZerlegen(vorher, QStringLiteral("Kunden"));
    ASSERT_TRUE(geladen.datensaetze.isEmpty());
    const QByteArray gespeichert =
        AdressdateiBauen(KopfzeileBilden(geladen.beschreibung, QStringLiteral("Kunden")), {wichtig});
    EXPECT_EQ(AdressdateiZerlegen(gespeichert, QStringLiteral("Kunden")).datensaetze, QStringList{wichtig});
  }
  // A file that an older version wrote with a bare header: the second line is a record, not a header.
  const QByteArray alt = "..\r\n" + wichtig.toLatin1() + "\r\n";
  EXPECT_EQ(AdressdateiZerlegen(alt, QStringLiteral("Kunden")).datensaetze, QStringList{wichtig});
}

// In a UTF-8 file only the file's first bytes can be a byte-order mark; a U+FEFF that starts a later
// line is text and survives any number of loads and saves.
TEST(Adressdatei, AByteOrderMarkOnALaterLineIsText) {
  const QString bom(QChar(0xFEFF));
  const QStringList datensaetze = {QStringLiteral("M\u00fcller\t"), bom, bom + bom + QStringLiteral("x\t")};
  for (bool mitBom : {false, true}) {
    QByteArray datei = AdressdateiBauen(QStringLiteral("..A"), datensaetze, Codec::Kodierung::Utf8, mitBom);
    for (int runde = 0; runde < 3; ++runde) {
      const AdressdateiInhalt inhalt = AdressdateiZerlegen(datei, QStringLiteral("A"));
      ASSERT_EQ(inhalt.kodierung, Codec::Kodierung::Utf8);
      EXPECT_EQ(inhalt.mitBom, mitBom);
      EXPECT_EQ(inhalt.datensaetze, datensaetze) << runde;
      datei = AdressdateiBauen(KopfzeileBilden(inhalt.beschreibung, {}), inhalt.datensaetze, inhalt.kodierung,
                               inhalt.mitBom);
    }
  }
  // A mark after the file's own mark is the first line's text.
  const AdressdateiInhalt zwei = AdressdateiZerlegen("\xEF\xBB\xBF\xEF\xBB\xBF\xC3\xBC\t\r\n", QStringLiteral("A"));
  EXPECT_EQ(zwei.datensaetze, QStringList{bom + QStringLiteral("\u00fc\t")});
}

// The encoding the file was last saved with decides over what its bytes look like now.
TEST(Adressdatei, AKnownEncodingIsKept) {
  // Windows-1252 "GrÃ¼n" is also valid UTF-8 for "Grün".
  const QByteArray gruen = "..A\r\nGr\xC3\xBCn\t\r\n";
  const QByteArray nurAscii = "..A\r\nGruen\t\r\n";
  struct Fall {
    const char* name;
    QByteArray bytes;
    std::optional<Codec::Kodierung> bekannt;
    Codec::Kodierung kodierung;
  };
  const Fall faelle[] = {
      {"unknown, valid UTF-8", gruen, std::nullopt, Codec::Kodierung::Utf8},
      {"known 1252, valid UTF-8", gruen, Codec::Kodierung::Windows1252, Codec::Kodierung::Windows1252},
      {"known UTF-8, plain ASCII", nurAscii, Codec::Kodierung::Utf8, Codec::Kodierung::Utf8},
      {"unknown, plain ASCII", nurAscii, std::nullopt, Codec::Kodierung::Windows1252},
      {"known UTF-8, no longer valid", "..A\r\nM\xFCller\t\r\n", Codec::Kodierung::Utf8, Codec::Kodierung::Windows1252},
  };
  for (const Fall& f : faelle) {
    const AdressdateiInhalt inhalt = AdressdateiZerlegen(f.bytes, QStringLiteral("A"), {}, f.bekannt);
    EXPECT_EQ(inhalt.kodierung, f.kodierung) << f.name;
    EXPECT_EQ(AdressdateiBauen(QStringLiteral("..A"), inhalt.datensaetze, inhalt.kodierung), f.bytes) << f.name;
  }
  EXPECT_EQ(AdressdateiZerlegen(gruen, QStringLiteral("A"), {}, Codec::Kodierung::Windows1252).datensaetze,
            QStringList{QStringLiteral("Gr\u00c3\u00bcn\t")});
}

TEST(Adressdatei, NulBytesMarkAFileThatIsNoAddressFile) {
  EXPECT_FALSE(AdressdateiZerlegen("..A\r\nx\t\r\n", QStringLiteral("A")).keinText);
  EXPECT_TRUE(AdressdateiZerlegen(QByteArray("..A\r\nx\0y\t\r\n", 11), QStringLiteral("A")).keinText);
  EXPECT_TRUE(AdressdateiZerlegen(QByteArray("\x7F"
                                             "ELF\x02\x01\x01\0\0\0",
                                             10),
                                  QStringLiteral("A"))
                  .keinText);
}

TEST(Adressdatei, TheWriterEncodesAsLineBreaksReplacedThenWindows1252) {
  // Lines whose breaks lengthen them past the size counted beforehand, pairs of surrogates, characters
  // Windows-1252 lacks, U+0000 and the bytes where it differs from Latin-1.
  const QString vieleCr(5000, u'\r');
  const QStringList zeilen = {QString(),
                              vieleCr,
                              QStringLiteral("a\r\n\r\rb\n"),
                              QString::fromUtf16(u"€‚ƒ„…†‡ˆ‰Š‹ŒŽ\x2018\x2019\x201C\x201D•–—˜™š›œžŸ äöüß"),
                              QString::fromUtf16(u"😀 \xD800 x \xDC00 Ω \x0080 \x0081"),
                              QString::fromUtf16(u"Hauptstraße 12\r\nHinterhaus Nr. 5 \x2014 links oben\tTAB\t"),
                              QString(QChar(0)) + QStringLiteral("\t")};
  QByteArray erwartet =
      Codec::nach1252(ZeilenumbruchErsetzen(QStringLiteral("..K\nopf"), QStringLiteral(" "))) + "\r\n";
  for (const QString& z : zeilen) erwartet += Codec::nach1252(ZeilenumbruchErsetzen(z, QStringLiteral("°°"))) + "\r\n";
  EXPECT_EQ(AdressdateiBauen(QStringLiteral("..K\nopf"), zeilen), erwartet);
}

TEST(Adressdatei, LinesDecodeAlikeWithAndWithoutBytesWhereWindows1252DiffersFromLatin1) {
  const QByteArray latin1 =
      "..K\r\nM\xFC"
      "ller\t\xE4\xDF\t\r\n";
  const QByteArray gemischt = latin1 + "Euro\t\x80\t\r\n";
  const AdressdateiInhalt a = AdressdateiZerlegen(latin1, QStringLiteral("X"));
  const AdressdateiInhalt b = AdressdateiZerlegen(gemischt, QStringLiteral("X"));
  ASSERT_EQ(a.datensaetze.size(), 1);
  ASSERT_EQ(b.datensaetze.size(), 2);
  EXPECT_EQ(a.datensaetze[0], QString::fromUtf16(u"Müller\täß\t"));
  EXPECT_EQ(b.datensaetze[0], a.datensaetze[0]);
  EXPECT_EQ(b.datensaetze[1], QString::fromUtf16(u"Euro\t€\t"));
}

namespace {

// A load with what it told its caller on the way: the description set, the counts of records taken.
struct Ladung {
  AdressdateiInhalt inhalt;
  QStringList meldungen;
};

Ladung stueckweiseLaden(const QList<QByteArrayView>& stuecke, std::optional<Codec::Kodierung> bekannt) {
  Ladung l;
  AdressdateiMeldungen m;
  m.beschreibungGesetzt = [&](const QString& b) { l.meldungen << QStringLiteral("Beschreibung ") + b; };
  m.datensatzGelesen = [&](int n) { l.meldungen << QString::number(n); };
  l.inhalt = AdressdateiStueckweiseZerlegen(stuecke, QStringLiteral("Kunden"), m, bekannt);
  return l;
}

// The bytes cut before each of the given positions (ascending; a repeated one gives an empty piece).
QList<QByteArrayView> geschnitten(const QByteArray& bytes, const QList<qsizetype>& schnitte) {
  QList<QByteArrayView> stuecke;
  qsizetype von = 0;
  for (qsizetype bis : schnitte) {
    stuecke << QByteArrayView(bytes).sliced(von, bis - von);
    von = bis;
  }
  stuecke << QByteArrayView(bytes).sliced(von);
  return stuecke;
}

void wieAmStueck(const QByteArray& bytes, const QList<qsizetype>& schnitte, std::optional<Codec::Kodierung> bekannt,
                 const Ladung& ganz) {
  const Ladung l = stueckweiseLaden(geschnitten(bytes, schnitte), bekannt);
  QStringList orte;
  for (qsizetype s : schnitte) orte << QString::number(s);
  SCOPED_TRACE("cut at " + orte.join(u' ').left(200).toStdString());
  EXPECT_EQ(l.inhalt.beschreibung, ganz.inhalt.beschreibung);
  EXPECT_EQ(l.inhalt.datensaetze, ganz.inhalt.datensaetze);
  EXPECT_EQ(l.inhalt.abgeschnitten, ganz.inhalt.abgeschnitten);
  EXPECT_EQ(l.inhalt.kodierung, ganz.inhalt.kodierung);
  EXPECT_EQ(l.inhalt.mitBom, ganz.inhalt.mitBom);
  EXPECT_EQ(l.inhalt.keinText, ganz.inhalt.keinText);
  EXPECT_EQ(l.meldungen, ganz.meldungen);
}

const std::optional<Codec::Kodierung> kBekannt[] = {std::nullopt, Codec::Kodierung::Windows1252,
                                                    Codec::Kodierung::Utf8};

}  // namespace

// A file read piece by piece gives what its bytes give at once, wherever the pieces are cut: through a
// CR LF, a UTF-8 sequence, a byte-order mark, a line past the table's end.
TEST(Adressdatei, PiecesCutAnywhereLoadAsTheWholeFile) {
  const QByteArray dateien[] = {
      "",
      "\r",
      "\n\r",
      "..A",
      "..A\r",
      "..A\r\n",
      "..\r\n..B\r\nx\t\r\n",
      "..A\r\nx\t\r\n\r\ny\t\rz\t\n\r\n\n\rw\t",
      "\t\r\n \t\r\n" + QByteArray(15, '\t') + "01.01.2000\t\r\n" + QByteArray(17, '\t') + "12345\t",
      "..\x80\x81\x9F\r\n\x8D\x8F\x90\x9D\t\x84x\x93\r\nM\xFC"
      "ller\t\xE4\xDF\t\r\n",
      "..M\xC3\xBCller\r\nK\xC3\xB6ln\t\xF0\x9F\x98\x80\t\xE2\x82\xAC\r\xC3\xBC\n\xC3\xBC",
      "\xEF\xBB\xBF..Bom\r\n\xEF\xBB\xBF\xC3\xBC\t\r\n\xEF\xBB\xBFx\t",
      "\xEF\xBB\xBF\xEF\xBB\xBF\xC3\xBC\t\r\n",
      "\xEF\xBB\xBF",
      "\xEF\xBB\xBF\r\n",
      "\xEF\xBB",
      "\xEF\xBB\xBFx",
      // Valid UTF-8 only without the last byte; ASCII only, valid either way.
      "..A\r\nK\xC3\xB6ln\t\r\nK\xC3",
      "..A\r\nGruen\t\r\n",
      // A blank that is one in UTF-8 only keeps or drops the line by the encoding.
      "..A\r\n" + QByteArray(20, '\t') + "\xC2\xA0\t\r\n",
      QByteArray("..A\r\nx\0y\t\r\n\0", 13),
  };
  std::mt19937 zufall(4711);
  for (const QByteArray& bytes : dateien) {
    SCOPED_TRACE(bytes.toPercentEncoding().toStdString());
    for (const auto bekannt : kBekannt) {
      SCOPED_TRACE(bekannt ? static_cast<int>(*bekannt) : -1);
      const Ladung ganz = stueckweiseLaden({bytes}, bekannt);
      // The same as the bytes at once as they always were read.
      EXPECT_EQ(ganz.inhalt, AdressdateiZerlegen(bytes, QStringLiteral("Kunden"), {}, bekannt));
      QList<qsizetype> jedesByte;
      for (qsizetype i = 0; i <= bytes.size(); ++i) {
        wieAmStueck(bytes, {i}, bekannt, ganz);
        wieAmStueck(bytes, {i, i}, bekannt, ganz);
        if (i > 0 && i < bytes.size()) jedesByte << i;
      }
      wieAmStueck(bytes, jedesByte, bekannt, ganz);
      for (int runde = 0; runde < 20; ++runde) {
        QList<qsizetype> schnitte;
        for (qsizetype i = 0; i <= bytes.size(); ++i)
          if (zufall() % 3 == 0) schnitte << i;
        wieAmStueck(bytes, schnitte, bekannt, ganz);
      }
    }
  }
}

TEST(Adressdatei, PiecesOfAFilePastTheTablesEndLoadAsTheWholeFile) {
  // Records past the table's end; what decides the encoding or makes the file no text lies past it too.
  QByteArray viele = "..Viele\r\n";
  for (int i = 0; i < kMaxDatensaetze + 3; ++i) viele += "x\t" + QByteArray::number(i) + (i % 3 ? "\t\r\n" : "\t\n");
  const QByteArray dateien[] = {viele, "\xEF\xBB\xBF" + viele + "\xC3\xBC\t\r\n", viele + QByteArray(1, '\0')};
  std::mt19937 zufall(815);
  for (const QByteArray& bytes : dateien) {
    for (const auto bekannt : kBekannt) {
      SCOPED_TRACE(bekannt ? static_cast<int>(*bekannt) : -1);
      const Ladung ganz = stueckweiseLaden({bytes}, bekannt);
      ASSERT_TRUE(ganz.inhalt.abgeschnitten);
      ASSERT_EQ(ganz.inhalt.datensaetze.size(), kMaxDatensaetze);
      for (qsizetype groesste : {qsizetype(7), qsizetype(300), qsizetype(5000), qsizetype(256 * 1024)}) {
        QList<qsizetype> schnitte;
        for (qsizetype i = zufall() % groesste; i < bytes.size(); i += 1 + zufall() % groesste) schnitte << i;
        wieAmStueck(bytes, schnitte, bekannt, ganz);
      }
    }
  }
}

// The file written piece by piece through a small reused buffer holds the bytes of the file built whole,
// whatever the size of the pieces: lines longer than the buffer, lines that end exactly where a piece
// ends, line breaks inside lines, characters of several bytes, an empty table, both encodings.
TEST(Adressdatei, PiecesJoinToTheBytesOfTheWholeFile) {
  const QStringList zeilen = {QStringLiteral("a\t"),
                              QString(40, u'x') + QStringLiteral("\t"),
                              QStringLiteral("K\u00F6ln\r\nHinterhaus\rlinks\n\t"),
                              QString(),
                              QString::fromUtf16(u"\u20AC \u2014 \U0001F600 \xD800 x \xDC00 \x0080 \u0101\t"),
                              QStringLiteral("Stra\u00DFe 12, 12345 M\u00FCnchen-Schwabing\t")};
  const QString kopf = QStringLiteral("..K\r\nopf");
  // The bytes as they were always written: line breaks replaced, then encoded; UTF-8 as QString writes it.
  auto erwartet = [&](const QStringList& saetze, Codec::Kodierung kodierung, bool mitBom) {
    QString text = ZeilenumbruchErsetzen(kopf, QStringLiteral(" ")) + QStringLiteral("\r\n");
    for (const QString& z : saetze) text += ZeilenumbruchErsetzen(z, QStringLiteral("°°")) + QStringLiteral("\r\n");
    if (kodierung == Codec::Kodierung::Windows1252) return Codec::nach1252(text);
    return (mitBom ? QByteArray("\xEF\xBB\xBF") : QByteArray()) + text.toUtf8();
  };
  QByteArray puffer("alter Inhalt");  // kept from piece size to piece size, as between saves
  for (const auto kodierung : {Codec::Kodierung::Windows1252, Codec::Kodierung::Utf8}) {
    for (const bool mitBom : {false, true}) {
      for (const QStringList& saetze : {zeilen, QStringList()}) {
        const QByteArray ganz = erwartet(saetze, kodierung, mitBom);
        ASSERT_EQ(AdressdateiBauen(kopf, saetze, kodierung, mitBom), ganz);
        for (qsizetype stueck = 1; stueck <= ganz.size() + 1; ++stueck) {
          SCOPED_TRACE(testing::Message()
                       << (kodierung == Codec::Kodierung::Utf8 ? "UTF-8" : "Windows-1252")
                       << (mitBom ? " with BOM" : "") << ", " << saetze.size() << " records, pieces of " << stueck);
          QList<QByteArray> teile;
          EXPECT_TRUE(AdressdateiSchreiben(kopf, saetze, kodierung, mitBom, puffer, stueck, [&](QByteArrayView teil) {
            teile.append(teil.toByteArray());
            return true;
          }));
          EXPECT_EQ(teile.join(), ganz);
          for (const QByteArray& teil : teile) EXPECT_TRUE(teil.endsWith("\r\n"));  // whole lines only
          if (stueck == 1) {
            EXPECT_EQ(teile.size(), saetze.size() + 1);  // one line each
          }
          if (stueck >= ganz.size()) {
            EXPECT_EQ(teile.size(), 1);
          }
        }
      }
    }
  }
}

TEST(Adressdatei, APieceRefusedStopsTheWriting) {
  QByteArray puffer;
  int teile = 0;
  EXPECT_FALSE(AdressdateiSchreiben(QStringLiteral("..A"), {QStringLiteral("a\t"), QStringLiteral("b\t")},
                                    Codec::Kodierung::Windows1252, false, puffer, 1, [&](QByteArrayView) {
                                      ++teile;
                                      return false;
                                    }));
  EXPECT_EQ(teile, 1);
}
