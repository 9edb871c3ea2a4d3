// The open address file's own steps without a window: reading or creating the file, what a load keeps of
// it, and the save with its permission check, backup copy, header and note of the encoding.
#include "common/Ini.h"
#include "platform/vb/Dateirechte.h"
#include "platform/vb/SicheresSchreiben.h"
#include "store/DateiEinstellung.h"
#include "store/Datensatz.h"
#include "store/OffeneAdressdatei.h"
#include "support/kern/TestUmgebung.h"

#include <sys/resource.h>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <csignal>

namespace {

const QByteArray kLeereZeile = QByteArray(23, '\t') + "\r\n";

class OffeneAdressdateiTest : public KartulonTest {
 protected:
  QString ordner() const { return programmOrdner() + QStringLiteral("/daten"); }
  QString ini() const { return programmOrdner() + QStringLiteral("/Kartulon.Ini"); }
  void SetUp() override {
    KartulonTest::SetUp();
    QDir().mkpath(ordner());
  }
  void TearDown() override {
    Dateirechte::ohneVorrecht(false);
    QFile::setPermissions(ordner(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    KartulonTest::TearDown();
  }
  Speicherauftrag auftrag(const QString& pfad, const QStringList& zeilen) const {
    Speicherauftrag a;
    a.pfad = pfad;
    a.name = QFileInfo(pfad).fileName();
    a.kopf = QStringLiteral("Privat");
    a.standardBeschreibung = QStringLiteral("Kunden");
    a.zeilen = zeilen;
    a.iniDatei = ini();
    a.abschnitt = QFileInfo(pfad).fileName();
    return a;
  }
};

TEST_F(OffeneAdressdateiTest, ReadingTakesTheFileCreatesAMissingOneAndNeverCreatesOverAnother) {
  const QString vorhanden = dateiSchreiben(ordner() + QStringLiteral("/kunden.dat"), "..A\r\nx\t\r\n");
  const QString fehlt = ordner() + QStringLiteral("/neu.dat");
  const QString ordnerName = ordner() + QStringLiteral("/ordner.dat");
  QDir().mkpath(ordnerName);
  const QString unterDatei = vorhanden + QStringLiteral("/kunden.dat");  // its parent is a file
  struct Fall {
    const char* name;
    QString pfad;
    QByteArray bytes;
    bool fehler;
    bool ordner;
    QByteArray danach;  // the file on disk afterwards ("-" for none)
  };
  const Fall faelle[] = {
      {"an existing file", vorhanden, "..A\r\nx\t\r\n", false, false, "..A\r\nx\t\r\n"},
      {"a missing file is created with one empty record", fehlt, kLeereZeile, false, false, kLeereZeile},
      {"a folder of that name", ordnerName, "", true, true, "-"},
      {"a path whose folder is a file", unterDatei, "", true, false, "-"},
  };
  for (const Fall& f : faelle) {
    SCOPED_TRACE(f.name);
    AdressdateiLesung lesung = OffeneAdressdatei::lesen(f.pfad);
    EXPECT_EQ(lesung.fehler != 0, f.fehler) << lesung.fehler;
    EXPECT_EQ(lesung.ordner, f.ordner);
    // The load takes the bytes read (none after an error).
    OffeneAdressdatei datei;
    EXPECT_EQ(lesung.art.groesse(), f.bytes.size());
    EXPECT_EQ(datei.zerlegen(lesung, QStringLiteral("Kunden"), std::nullopt),
              AdressdateiZerlegen(f.bytes, QStringLiteral("Kunden")));
    if (f.danach == "-")
      EXPECT_FALSE(QFileInfo(f.pfad).isFile());
    else
      EXPECT_EQ(dateiLesen(f.pfad), f.danach);
  }
  EXPECT_TRUE(QDir(ordnerName).isEmpty());
}

TEST_F(OffeneAdressdateiTest, ALoadKeepsHowTheFileWasWrittenAndWhetherItWasReadWhole) {
  QByteArray voll = "..Viele\r\n";
  for (int i = 0; i <= kMaxDatensaetze; ++i) voll += "x\t" + QByteArray::number(i) + "\t\r\n";
  struct Fall {
    const char* name;
    QByteArray bytes;
    Codec::Kodierung kodierung;
    bool mitBom;
    bool unvollstaendig;
  };
  const Fall faelle[] = {
      {"Windows-1252", "..A\r\nK\xF6ln\t\r\n", Codec::Kodierung::Windows1252, false, false},
      {"UTF-8", "..A\r\nK\xC3\xB6ln\t\r\n", Codec::Kodierung::Utf8, false, false},
      {"UTF-8 with a byte-order mark", "\xEF\xBB\xBF..A\r\nK\xC3\xB6ln\t\r\n", Codec::Kodierung::Utf8, true, false},
      {"more records than the table holds", voll, Codec::Kodierung::Windows1252, false, true},
      {"a NUL byte", QByteArray("..A\r\nx\0y\t\r\n", 11), Codec::Kodierung::Windows1252, false, true},
  };
  OffeneAdressdatei datei;
  for (const Fall& f : faelle) {
    SCOPED_TRACE(f.name);
    // What the previous file left goes first, as before every load.
    datei.zuruecksetzen();
    EXPECT_EQ(datei.kodierung, Codec::Kodierung::Windows1252);
    EXPECT_FALSE(datei.mitBom);
    EXPECT_FALSE(datei.unvollstaendig);
    const AdressdateiInhalt inhalt = datei.zerlegen(f.bytes, QStringLiteral("Kunden"), std::nullopt);
    EXPECT_EQ(datei.kodierung, f.kodierung);
    EXPECT_EQ(datei.mitBom, f.mitBom);
    EXPECT_EQ(datei.unvollstaendig, f.unvollstaendig);
    EXPECT_EQ(inhalt.kodierung, f.kodierung);
  }
}

// The file on disk is read in pieces: a CR LF, a UTF-8 sequence and a byte-order mark split between two
// of them, and bytes that decide the encoding or make the file no text far from its start, load as the
// same bytes at once.
TEST_F(OffeneAdressdateiTest, AFileReadInPiecesLoadsAsItsBytesAtOnce) {
  QByteArray fuellung;
  for (int i = 0; fuellung.size() < 600 * 1024; ++i)
    fuellung += "Meier\tHauptstr. " + QByteArray::number(i % 1000 + 1000) + "\t12345\tBerlin\t\r\n";
  // The filler with einschub put in so that its byte at mitte lies at every power of two from 4 KB to
  // 512 KB, where the end of a piece read falls whatever its size.
  auto ueberGrenzen = [&](const QByteArray& einschub, qsizetype mitte) {
    QByteArray bytes;
    for (qsizetype grenze = 4096; grenze <= 512 * 1024; grenze *= 2) {
      bytes += fuellung.mid(bytes.size(), grenze - mitte - bytes.size());
      bytes += einschub;
    }
    return bytes + fuellung.left(5000);
  };
  struct Fall {
    const char* name;
    QByteArray bytes;
  };
  const Fall faelle[] = {
      {"CR LF across the pieces' end", ueberGrenzen("\r\n", 1)},
      {"CR, then LF as the next line", ueberGrenzen("\r\r\n", 1)},
      {"LF, then CR", ueberGrenzen("\n\r", 1)},
      {"a UTF-8 sequence across it", ueberGrenzen("\xC3\xBC\t\r\n", 1)},
      {"a 4-byte sequence across it", ueberGrenzen("\xF0\x9F\x98\x80\t\r\n", 2)},
      {"with a byte-order mark", "\xEF\xBB\xBF" + ueberGrenzen("\xE2\x82\xAC", 1)},
      {"Windows-1252 past the first piece", ueberGrenzen("\x80\xFC", 1)},
      {"a NUL byte at the end", fuellung + QByteArray(1, '\0')},
      {"a line longer than a piece", "..A\r\n" + QByteArray(600 * 1024, 'y') + "\t\r\nz\t"},
  };
  for (const Fall& f : faelle) {
    SCOPED_TRACE(f.name);
    const QString pfad = dateiSchreiben(ordner() + QStringLiteral("/stuecke.dat"), f.bytes);
    for (const auto bekannt : {std::optional<Codec::Kodierung>(), std::optional(Codec::Kodierung::Windows1252),
                               std::optional(Codec::Kodierung::Utf8)}) {
      QStringList gemeldet, erwartetGemeldet;
      AdressdateiMeldungen m;
      m.beschreibungGesetzt = [&](const QString& b) { gemeldet << b; };
      m.datensatzGelesen = [&](int n) { gemeldet << QString::number(n); };
      AdressdateiMeldungen e;
      e.beschreibungGesetzt = [&](const QString& b) { erwartetGemeldet << b; };
      e.datensatzGelesen = [&](int n) { erwartetGemeldet << QString::number(n); };
      OffeneAdressdatei datei;
      AdressdateiLesung lesung = OffeneAdressdatei::lesen(pfad);
      ASSERT_EQ(lesung.fehler, 0);
      const AdressdateiInhalt inhalt = datei.zerlegen(lesung, QStringLiteral("Kunden"), bekannt, m);
      const AdressdateiInhalt erwartet = AdressdateiZerlegen(f.bytes, QStringLiteral("Kunden"), e, bekannt);
      EXPECT_EQ(lesung.fehler, 0);
      EXPECT_TRUE(inhalt == erwartet);
      EXPECT_EQ(inhalt.datensaetze.size(), erwartet.datensaetze.size());
      EXPECT_EQ(gemeldet, erwartetGemeldet);
      EXPECT_EQ(datei.kodierung, erwartet.kodierung);
      EXPECT_EQ(datei.mitBom, erwartet.mitBom);
      EXPECT_EQ(datei.unvollstaendig, erwartet.keinText || erwartet.abgeschnitten);
    }
  }
}

// Between the two readings another program may write the file in place: bytes appended are not part of
// this load, and a file cut short loads what is left but is worked on read-only, so that no keystroke
// saves a part over the whole.
TEST_F(OffeneAdressdateiTest, AFileChangedBetweenTheTwoReadingsIsNeverSavedAsAPart) {
  const QByteArray bytes = "..A\r\nMeier\tBerlin\t\r\nSchulz\tKiel\t\r\nKrause\tUlm\t\r\n";
  struct Fall {
    const char* name;
    qint64 danachGroesse;  // the file's size after the first reading
    QByteArray geladen;    // the bytes the load shows
    bool unvollstaendig;
  };
  const Fall faelle[] = {
      {"unchanged", bytes.size(), bytes, false},
      {"grown", bytes.size() + 12, bytes, false},
      {"cut short", 24, bytes.left(24), true},
      {"emptied", 0, QByteArray(), true},
  };
  for (const Fall& f : faelle) {
    SCOPED_TRACE(f.name);
    const QString pfad = dateiSchreiben(ordner() + QStringLiteral("/geaendert.dat"), bytes);
    AdressdateiLesung lesung = OffeneAdressdatei::lesen(pfad);
    ASSERT_EQ(lesung.fehler, 0);
    QFile datei(pfad);
    ASSERT_TRUE(datei.open(QIODevice::ReadWrite));
    if (f.danachGroesse > bytes.size()) {
      ASSERT_TRUE(datei.seek(bytes.size()));
      datei.write(QByteArray(f.danachGroesse - bytes.size(), 'z'));
    } else {
      ASSERT_TRUE(datei.resize(f.danachGroesse));
    }
    datei.close();
    OffeneAdressdatei offen;
    const AdressdateiInhalt inhalt = offen.zerlegen(lesung, QStringLiteral("Kunden"), std::nullopt);
    EXPECT_EQ(lesung.fehler, 0);
    EXPECT_EQ(inhalt.datensaetze, AdressdateiZerlegen(f.geladen, QStringLiteral("Kunden")).datensaetze);
    EXPECT_EQ(offen.unvollstaendig, f.unvollstaendig);
  }
}

TEST_F(OffeneAdressdateiTest, ASaveWritesHeaderAndRecordsAndLeavesNoBackup) {
  const QString pfad = dateiSchreiben(ordner() + QStringLiteral("/kunden.dat"), "..Alt\r\nalt\t\r\n");
  const QString satz = zeileAus({{1, "Meier"}, {23, "1"}});
  struct Fall {
    const char* name;
    QString kopf;
    QByteArray erwarteteKopfzeile;
  };
  const Fall faelle[] = {
      {"the description", QStringLiteral("Privat"), "..Privat"},
      {"a header that already begins with ..", QStringLiteral("..Firma"), "..Firma"},
      {"^t becomes a TAB", QStringLiteral("Name^tVorname"), "..Name\tVorname"},
      {"no text: the base name", QString(), "..Kunden"},
  };
  for (const Fall& f : faelle) {
    SCOPED_TRACE(f.name);
    OffeneAdressdatei datei;
    Speicherauftrag a = auftrag(pfad, {satz});
    a.kopf = f.kopf;
    const Speicherergebnis ergebnis = datei.speichern(a);
    EXPECT_TRUE(ergebnis.gespeichert);
    EXPECT_EQ(ergebnis.nummer, 0);
    EXPECT_TRUE(datei.speicherFehler.isEmpty());
    EXPECT_EQ(dateiLesen(pfad), f.erwarteteKopfzeile + "\r\n" + satz.toLatin1() + "\r\n");
    EXPECT_FALSE(QFile::exists(ordner() + QStringLiteral("/kunden.BAK")));
    // A plain Windows-1252 file reads back as such: nothing is noted.
    EXPECT_EQ(IniLesen(ini(), QStringLiteral("kunden.dat"), QStringLiteral("Zeichensatz"), QString()), QString());
  }
}

// The encoding is noted only where the bytes alone would be read with another one.
TEST_F(OffeneAdressdateiTest, TheEncodingIsNotedWhereTheBytesWouldTellAnother) {
  const QString pfad = ordner() + QStringLiteral("/kunden.dat");
  struct Fall {
    const char* name;
    Codec::Kodierung kodierung;
    QString satz;
    QString vorher;  // the note before the save
    QString danach;
  };
  const Fall faelle[] = {
      {"UTF-8 with an umlaut", Codec::Kodierung::Utf8, QString::fromUtf8("K\xC3\xB6ln\t"), "", ""},
      {"UTF-8 without one any more", Codec::Kodierung::Utf8, QStringLiteral("Koeln\t"), "", "UTF-8"},
      {"Windows-1252 with an umlaut", Codec::Kodierung::Windows1252, QString::fromUtf8("K\xC3\xB6ln\t"), "", ""},
      {"Windows-1252 that reads as UTF-8", Codec::Kodierung::Windows1252, QString::fromUtf8("K\xC3\x83\xC2\xB6ln\t"),
       "", "Windows-1252"},
      {"a note that still holds stays", Codec::Kodierung::Utf8, QStringLiteral("Koeln\t"), "UTF-8", "UTF-8"},
      {"a wrong note is mended", Codec::Kodierung::Utf8, QStringLiteral("Koeln\t"), "Windows-1252", "UTF-8"},
  };
  for (const Fall& f : faelle) {
    SCOPED_TRACE(f.name);
    QFile::remove(ini());
    if (!f.vorher.isEmpty()) IniSchreiben(ini(), QStringLiteral("kunden.dat"), QStringLiteral("Zeichensatz"), f.vorher);
    OffeneAdressdatei datei;
    datei.kodierung = f.kodierung;
    ASSERT_TRUE(datei.speichern(auftrag(pfad, {f.satz})).gespeichert);
    EXPECT_EQ(IniLesen(ini(), QStringLiteral("kunden.dat"), QStringLiteral("Zeichensatz"), QString()), f.danach);
    // The file reads back as it was written.
    const AdressdateiInhalt inhalt =
        AdressdateiZerlegen(dateiLesen(pfad), QStringLiteral("Kunden"), {}, GespeicherteKodierung(f.danach));
    EXPECT_EQ(inhalt.datensaetze, QStringList{f.satz});
  }
}

TEST_F(OffeneAdressdateiTest, ASaveThatCannotReplaceTheFileLeavesItAndSaysWhy) {
  const QByteArray alt = "..Alt\r\nalt\t\r\n";
  const QString pfad = dateiSchreiben(ordner() + QStringLiteral("/kunden.dat"), alt);
  enum class Art { OrdnerOhneSchreibrecht, OrdnerIstDatei };
  const std::pair<Art, const char*> faelle[] = {{Art::OrdnerOhneSchreibrecht, "a folder without write access"},
                                                {Art::OrdnerIstDatei, "the folder replaced by a file"}};
  for (const auto& [art, name] : faelle) {
    SCOPED_TRACE(name);
    QString ziel = pfad;
    if (art == Art::OrdnerOhneSchreibrecht) {
      Dateirechte::ohneVorrecht(true);
      ASSERT_TRUE(QFile::setPermissions(ordner(), QFile::ReadOwner | QFile::ExeOwner));
    } else {
      ziel = dateiSchreiben(tempPfad(QStringLiteral("datei")), "x") + QStringLiteral("/kunden.dat");
    }
    OffeneAdressdatei datei;
    bool gefragt = false;
    Speicherauftrag a = auftrag(ziel, {QStringLiteral("neu\t")});
    a.name = QStringLiteral("Kunden.dat");
    a.ohneSicherungWeiter = [&] { return gefragt = true; };
    const Speicherergebnis ergebnis = datei.speichern(a);
    Dateirechte::ohneVorrecht(false);
    QFile::setPermissions(ordner(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    EXPECT_FALSE(ergebnis.gespeichert);
    EXPECT_NE(ergebnis.nummer, 0);
    EXPECT_FALSE(ergebnis.grund.isEmpty());
    EXPECT_FALSE(gefragt);  // the same cause is not reported twice, for the backup copy and for the file
    EXPECT_EQ(datei.speicherFehler,
              QString::fromUtf8("Die Adressdatei »Kunden.dat« konnte nicht gespeichert werden.\r\n") + ergebnis.grund);
    EXPECT_EQ(dateiLesen(pfad), alt);
    EXPECT_EQ(QDir(ordner()).entryList(QDir::Files), QStringList{QStringLiteral("kunden.dat")});
  }
}

// A file named *.BAK would be its own backup copy: the caller decides whether the save goes on without one.
TEST_F(OffeneAdressdateiTest, WithoutABackupCopyTheCallerDecides) {
  const QByteArray alt = "..Alt\r\nalt\t\r\n";
  struct Fall {
    const char* name;
    int frage;  // 0: no question, 1: go on, 2: stop
    bool gespeichert;
  };
  const Fall faelle[] = {
      {"no question: on without one", 0, true}, {"the caller goes on", 1, true}, {"the caller stops", 2, false}};
  for (const Fall& f : faelle) {
    SCOPED_TRACE(f.name);
    const QString pfad = dateiSchreiben(ordner() + QStringLiteral("/kunden.BAK"), alt);
    OffeneAdressdatei datei;
    datei.speicherFehler = QStringLiteral("vom letzten Mal");
    int gefragt = 0;
    Speicherauftrag a = auftrag(pfad, {QStringLiteral("neu\t")});
    if (f.frage != 0) a.ohneSicherungWeiter = [&, weiter = f.frage == 1] { return ++gefragt, weiter; };
    const Speicherergebnis ergebnis = datei.speichern(a);
    EXPECT_EQ(gefragt, f.frage != 0 ? 1 : 0);
    EXPECT_EQ(ergebnis.gespeichert, f.gespeichert);
    EXPECT_EQ(ergebnis.nummer, 0);
    EXPECT_EQ(ergebnis.grund, QString());
    EXPECT_EQ(dateiLesen(pfad), f.gespeichert ? QByteArray("..Privat\r\nneu\t\r\n") : alt);
    EXPECT_EQ(
        datei.speicherFehler,
        f.gespeichert ? QString() : QString::fromUtf8("Die Adressdatei »kunden.BAK« konnte nicht gespeichert werden."));
  }
}

// Files of many pieces: the bytes are those of the file built whole, in both encodings, and the note of
// the encoding looks at every piece (a byte that decides it may stand in the last one).
TEST_F(OffeneAdressdateiTest, AFileOfManyPiecesIsWrittenWholeAndItsEncodingNotedAsBefore) {
  const QString pfad = ordner() + QStringLiteral("/kunden.dat");
  // 1.2 MB: several pieces.
  QStringList ascii;
  for (int i = 0; i < 6000; ++i)
    ascii << QStringLiteral("Nachname %1\tVorname\tStrasse %1\t%2\t").arg(i).arg(QString(150, u'x'));
  QStringList amEndeUmlaut = ascii, amEndeUngueltig;
  amEndeUmlaut.last() += QString::fromUtf8("K\xC3\xB6ln\t");
  // Windows-1252 bytes that read as UTF-8 ("Ã¶" is C3 B6) in every piece but the last.
  for (const QString& z : ascii) amEndeUngueltig << z + QString::fromUtf8("\xC3\x83\xC2\xB6");
  amEndeUngueltig.last() += QString::fromUtf8("\xC3\xB6");
  struct Fall {
    const char* name;
    Codec::Kodierung kodierung;
    bool mitBom;
    QStringList saetze;
    QString danach;  // the note after the save
  };
  const Fall faelle[] = {
      {"Windows-1252, plain ASCII", Codec::Kodierung::Windows1252, false, ascii, ""},
      {"Windows-1252 that reads as UTF-8 up to its last piece", Codec::Kodierung::Windows1252, false, amEndeUngueltig,
       ""},
      {"UTF-8 whose only umlaut is in the last piece", Codec::Kodierung::Utf8, false, amEndeUmlaut, ""},
      {"UTF-8 without an umlaut", Codec::Kodierung::Utf8, false, ascii, "UTF-8"},
      {"UTF-8 with a byte-order mark", Codec::Kodierung::Utf8, true, ascii, ""},
  };
  for (const Fall& f : faelle) {
    SCOPED_TRACE(f.name);
    QFile::remove(ini());
    OffeneAdressdatei datei;
    datei.kodierung = f.kodierung;
    datei.mitBom = f.mitBom;
    ASSERT_TRUE(datei.speichern(auftrag(pfad, f.saetze)).gespeichert);
    const QByteArray bytes = dateiLesen(pfad);
    ASSERT_GT(bytes.size(), 1000000);
    EXPECT_TRUE(bytes == AdressdateiBauen(QStringLiteral("..Privat"), f.saetze, f.kodierung, f.mitBom));
    EXPECT_EQ(IniLesen(ini(), QStringLiteral("kunden.dat"), QStringLiteral("Zeichensatz"), QString()), f.danach);
    const AdressdateiInhalt inhalt =
        AdressdateiZerlegen(bytes, QStringLiteral("Kunden"), {}, GespeicherteKodierung(f.danach));
    EXPECT_TRUE(inhalt.datensaetze == f.saetze);
  }
}

// A write that fails in a later piece (here at the file size limit) leaves the old file and reports what
// the file written at once reports.
TEST_F(OffeneAdressdateiTest, AWriteThatFailsInALaterPieceLeavesTheOldFile) {
  const QByteArray alt = "..Alt\r\nalt\t\r\n";
  const QString pfad = dateiSchreiben(ordner() + QStringLiteral("/kunden.dat"), alt);
  QStringList saetze;
  for (int i = 0; i < 4000; ++i) saetze << QStringLiteral("Nachname %1\t").arg(i) + QString(200, u'x');
  rlimit altesLimit{};
  getrlimit(RLIMIT_FSIZE, &altesLimit);
  auto altesSignal = std::signal(SIGXFSZ, SIG_IGN);
  rlimit neu = altesLimit;
  neu.rlim_cur = 600000;  // within the third piece
  ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &neu), 0);
  int systemFehler = 0;
  const int aufEinmal = DateiSicherSchreiben(pfad, AdressdateiBauen(QStringLiteral("..Privat"), saetze), &systemFehler);
  OffeneAdressdatei datei;
  const Speicherergebnis ergebnis = datei.speichern(auftrag(pfad, saetze));
  setrlimit(RLIMIT_FSIZE, &altesLimit);
  std::signal(SIGXFSZ, altesSignal);
  EXPECT_NE(aufEinmal, 0);
  EXPECT_FALSE(ergebnis.gespeichert);
  EXPECT_EQ(ergebnis.nummer, aufEinmal);
  EXPECT_EQ(ergebnis.grund, Dateirechte::systemGrund(systemFehler));
  EXPECT_FALSE(ergebnis.grund.isEmpty());
  EXPECT_EQ(dateiLesen(pfad), alt);
  QStringList reste = QDir(ordner()).entryList(QDir::Files);
  reste.removeAll(QStringLiteral("kunden.BAK"));
  EXPECT_EQ(reste, QStringList{QStringLiteral("kunden.dat")});
}

}  // namespace
