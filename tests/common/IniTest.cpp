#include "common/Ini.h"
#include "common/Pfade.h"
#include "platform/vb/Codec.h"
#include "platform/vb/IniDatei.h"
#include "platform/vb/Programm.h"
#include "support/kern/TestUmgebung.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QList>
#include <QPair>

class IniTest : public KartulonTest {
 protected:
  void SetUp() override {
    KartulonTest::SetUp();
    IniFehlerMeldungSetzen([this](int nummer, const QString& text) { meldungen.append({nummer, text}); });
  }
  QString zedured() const { return windowsOrdner() + QStringLiteral("/Zedured.ini"); }
  QList<QPair<int, QString>> meldungen;
};

TEST_F(IniTest, ResolvesTheFileName) {
  const QString w = windowsOrdner();
  struct Fall {
    QString datei;
    QString pfad;
  };
  const Fall faelle[] = {
      {"", w + "/Zedured.ini"},
      {"Win.ini", w + "/Win.ini"},
      {"SYSTEM.INI", w + "/SYSTEM.INI"},
      {"ZEDURED.INI", w + "/ZEDURED.INI"},
      {"Zedured", w + "/Zedured.ini"},
      {"/srv/andere/Zedured.ini", "/srv/andere/Zedured.ini"},  // a full path stays as it is
      {"Tips.Bot", "Tips.Bot"},
      {"Adapter.Cfg", "Adapter.Cfg"},
      {"Liste.ab", "Liste.ab.ini"},  // a two-letter extension
      {"/home/anna/Daten/Kunden", "/home/anna/Daten/Kunden.ini"},
      {".ab", ".ab"},  // shorter than four: its first character
      {"ab", "ab.ini"},
  };
  for (const Fall& f : faelle) EXPECT_EQ(IniDateiAufloesen(f.datei), f.pfad) << f.datei.toStdString();
  // A name without a folder lies in the Windows folder.
  EXPECT_EQ(Profil::pfad(QStringLiteral("DuroVar.ini")), w + "/DuroVar.ini");
}

TEST_F(IniTest, EmptyFileAndSectionReadTheProgramSectionOfZedured) {
  dateiSchreiben(zedured(), "[Allgemein]\r\nFarbe=blau\r\n[Kartulon]\r\nFarbe=rot\r\n");
  EXPECT_EQ(IniLesen("", "", "Farbe", "grau"), "rot");
  EXPECT_EQ(IniLesen("", "Allgemein", "Farbe", "grau"), "blau");
  EXPECT_EQ(IniLesen("", "", "Fehlt", "grau"), "grau");
  EXPECT_EQ(IniLesen("Zedured", "KARTULON", "farbe", ""), "rot");
  EXPECT_EQ(IniLesen("  ZEDURED.INI  ", "", "Farbe", ""), "rot");  // blanks around the file name
  // Names the user gave in another case are found; the file keeps its name.
  QFile::rename(zedured(), windowsOrdner() + "/ZEDURED.INI");
  EXPECT_EQ(IniLesen("", "", "Farbe", ""), "rot");
  IniSchreiben("", "", "Farbe", "gelb");
  EXPECT_FALSE(QFileInfo::exists(zedured()));
  EXPECT_EQ(dateiLesen(windowsOrdner() + "/ZEDURED.INI"), "[Allgemein]\r\nFarbe=blau\r\n[Kartulon]\r\nFarbe=gelb\r\n");
  EXPECT_TRUE(meldungen.isEmpty());
}

TEST_F(IniTest, MissingFilesAndSectionsAreCreated) {
  EXPECT_EQ(IniSchreiben("Neu", "Erste", "Schlüssel", "Wert"), "Wert");
  EXPECT_EQ(dateiLesen(windowsOrdner() + "/Neu.ini"), "[Erste]\r\nSchl\xFCssel=Wert\r\n");
  IniSchreiben("Neu", "Zweite", "a", "1");
  IniSchreiben("Neu", "erste", "b", "2");
  EXPECT_EQ(dateiLesen(windowsOrdner() + "/Neu.ini"), "[Erste]\r\nSchl\xFCssel=Wert\r\nb=2\r\n\r\n[Zweite]\r\na=1\r\n");
  const QString daten = tempPfad("Daten/Kunden.ini");
  QDir().mkpath(tempPfad("Daten"));
  IniSchreiben(daten, "Kunden.dat", "ReadOnly", "0");
  EXPECT_EQ(dateiLesen(daten), "[Kunden.dat]\r\nReadOnly=0\r\n");
}

TEST_F(IniTest, LineBreaksAreStoredAsTwoAsterisks) {
  dateiSchreiben(zedured(), "[Kartulon]\r\nZwei=Hallo**Welt\r\nDrei=a***b\r\nVier=****\r\n");
  EXPECT_EQ(IniLesen("", "", "Zwei", ""), "Hallo\r\nWelt");
  EXPECT_EQ(IniLesen("", "", "Drei", ""), "a\r\n*b");
  EXPECT_EQ(IniLesen("", "", "Vier", ""), "\r\n\r\n");
  EXPECT_EQ(IniLesen("", "", "Fehlt", "Zeile 1\r\nZeile 2"), "Zeile 1\r\nZeile 2");
  EXPECT_EQ(IniLesen("", "", "Fehlt", "nur\nLF und\rCR"), "nur\nLF und\rCR");  // a default is never stored

  struct Fall {
    QString wert;
    QString gespeichert;
  };
  const Fall faelle[] = {
      {"Hallo\r\nWelt", "Hallo**Welt"}, {"nur\rCR", "nur**CR"},  // a lone CR could start a line of its own
      {"nur\nLF", "nur**LF"},           {"a\r\n\r\nb", "a****b"}, {"Ende\r\n", "Ende**"},
  };
  for (const Fall& f : faelle) {
    EXPECT_EQ(IniSchreiben("", "", "Text", f.wert), f.gespeichert);
    EXPECT_EQ(IniLesen("", "", "Text", ""), QString(f.gespeichert).replace("**", "\r\n"));
  }
  const QByteArray datei = dateiLesen(zedured());
  EXPECT_TRUE(datei.endsWith("Text=Ende**\r\n")) << datei.toStdString();
  EXPECT_EQ(datei.count("\r\n"), 5);  // no value ever adds a line
}

TEST_F(IniTest, LongValuesComeBackWhole) {
  const QString lang = QString(300, u'x') + QStringLiteral("ende");
  IniSchreiben("", "", "Vorlage", lang);
  EXPECT_EQ(IniLesen("", "", "Vorlage", ""), lang);
}

TEST_F(IniTest, TrailingBlanksGoLeadingBlanksStay) {
  EXPECT_EQ(IniSchreiben("", "", "Name", "  Anna  "), "  Anna");
  EXPECT_EQ(dateiLesen(zedured()), "[Kartulon]\r\nName=  Anna\r\n");
  EXPECT_EQ(IniLesen("", "", "Fehlt", "Vorgabe   "), "Vorgabe");
  EXPECT_EQ(IniLesen("", "", "  Name  ", ""), "Anna");  // the key is trimmed; the value as the platform reads it
  EXPECT_EQ(IniSchreiben("", "", "Tab", "a\t "), "a\t");
}

TEST_F(IniTest, EmptyValuesStayAsKeys) {
  IniSchreiben("", "", "Name", "Anna");
  EXPECT_EQ(IniSchreiben("", "", "Name", ""), "");
  EXPECT_EQ(IniSchreiben("", "", "Leer", "   "), "");
  EXPECT_EQ(dateiLesen(zedured()), "[Kartulon]\r\nName=\r\nLeer=\r\n");
  EXPECT_EQ(IniLesen("", "", "Name", "Vorgabe"), "");
}

TEST_F(IniTest, NumbersAreUsedAsTheirText) {
  IniSchreiben("", 3, 7, 1.5);
  IniSchreiben("", "", "Höhe", 4500);
  EXPECT_EQ(dateiLesen(zedured()), "[3]\r\n7=1,5\r\n\r\n[Kartulon]\r\nH\xF6he=4500\r\n");
  EXPECT_EQ(IniLesen("", 3, 7, 0), "1,5");
  EXPECT_EQ(IniLesen("", "", "Fehlt", 12), "12");
}

TEST_F(IniTest, BadCallsAreReportedAndTouchNothing) {
  EXPECT_EQ(IniLesen("Test", "Abschnitt", "   ", "vor"), "");
  EXPECT_EQ(IniSchreiben("", "", "", "Wert  "), "");
  ASSERT_EQ(meldungen.size(), 2);
  EXPECT_EQ(meldungen[0].first, 424);
  EXPECT_EQ(meldungen[0].second, "Segmentierungsfehler beim Ini-Lesen\r\n|Test|\r\n|Abschnitt|\r\n|   |\r\n|vor|");
  EXPECT_EQ(meldungen[1].second, "Segmentierungsfehler beim Ini-Lesen\r\n||\r\n||\r\n||\r\n|Wert  |");
  EXPECT_FALSE(QFileInfo::exists(windowsOrdner() + "/Test.ini"));
  EXPECT_FALSE(QFileInfo::exists(zedured()));
  // The counter reports a bad call once and writes nothing.
  EXPECT_EQ(IniZaehler("", "", " ", 1), 1);
  EXPECT_EQ(meldungen.size(), 3);
  EXPECT_FALSE(QFileInfo::exists(zedured()));
}

TEST_F(IniTest, BadCallsReachTheCentralErrorHandlerByDefault) {
  IniFehlerMeldungSetzen({});
  dialoge().answer(vb::vbNo);
  EXPECT_EQ(IniLesen("", "", "", "vor"), "");
  ASSERT_EQ(dialoge().requests().size(), 1);
  EXPECT_TRUE(dialoge().requests()[0].text.contains("Segmentierungsfehler beim Ini-Lesen\r\n||\r\n||\r\n||\r\n|vor|"))
      << dialoge().requests()[0].text.toStdString();
  EXPECT_TRUE(IniLesen("", "Fehler", "Nummer", "").startsWith("424"));
}

TEST_F(IniTest, CounterAddsTheStep) {
  struct Fall {
    QByteArray gespeichert;
    double schritt;
    double summe;
    QString geschrieben;
  };
  const Fall faelle[] = {
      {"", 1, 1, "1"},              // missing key
      {"Zahl=abc\r\n", 1, 1, "1"},  // not a number: starts from 0
      {"Zahl=\r\n", 1, 1, "1"},
      {"Zahl=41\r\n", 1, 42, "42"},
      {"Zahl=1\r\n", 2.5, 3.5, "4"},  // written as the nearest whole number
      {"Zahl=10\r\n", -3, 7, "7"},
      {"Zahl=1.234\r\n", 1, 1235, "1235"},
      {"Zahl=12x\r\n", 5, 5, "5"},
  };
  for (const Fall& f : faelle) {
    dateiSchreiben(zedured(), "[Statistik]\r\n" + f.gespeichert);
    EXPECT_DOUBLE_EQ(IniZaehler("", "Statistik", "Zahl", f.schritt), f.summe) << f.gespeichert.toStdString();
    EXPECT_EQ(IniLesen("", "Statistik", "Zahl", ""), f.geschrieben);
  }
  EXPECT_TRUE(meldungen.isEmpty());
}

TEST_F(IniTest, HandEditedFileKeepsEveryLineItDidNotChange) {
  const QByteArray vorher =
      "; Einstellungen, von Hand gepflegt\r\n"
      "\r\n"
      "[ Allgemein ]\r\n"
      "  User = Anna Beispiel  \r\n"
      "# keine Raute-Kommentare im Original, bleibt trotzdem\r\n"
      "Zitat=\"  mit Blanks  \"\r\n"
      "kaputte Zeile ohne Gleichheitszeichen\r\n"
      "\r\n"
      "[KARTULON]\r\n"
      "FORM_HÖHE=4500\r\n"
      ";Form_Weite=1\r\n"
      "Form_Weite=9000\r\n"
      "\r\n"
      "\r\n"
      "[Kartulon]\r\n"
      "Doppelt=zweite Sektion\r\n";
  dateiSchreiben(zedured(), Codec::nach1252(QString::fromUtf8(vorher)));
  EXPECT_EQ(IniLesen("", "allgemein", "USER", ""), "Anna Beispiel");
  EXPECT_EQ(IniLesen("", "Allgemein", "Zitat", ""), "  mit Blanks  ");
  EXPECT_EQ(IniLesen("", "", "form_höhe", ""), "4500");
  EXPECT_EQ(IniLesen("", "", "Form_Weite", ""), "9000");
  EXPECT_EQ(IniLesen("", "", "Doppelt", "nicht gesehen"), "nicht gesehen");  // the first section decides

  IniSchreiben("", "", "Form_Höhe", "4800");
  IniSchreiben("", "", "Neu", "ja");
  IniSchreiben("", "ALLGEMEIN", "user", "Bert");
  const QByteArray nachher =
      "; Einstellungen, von Hand gepflegt\r\n"
      "\r\n"
      "[ Allgemein ]\r\n"
      "User=Bert\r\n"
      "# keine Raute-Kommentare im Original, bleibt trotzdem\r\n"
      "Zitat=\"  mit Blanks  \"\r\n"
      "kaputte Zeile ohne Gleichheitszeichen\r\n"
      "\r\n"
      "[KARTULON]\r\n"
      "FORM_HÖHE=4800\r\n"
      ";Form_Weite=1\r\n"
      "Form_Weite=9000\r\n"
      "Neu=ja\r\n"
      "\r\n"
      "\r\n"
      "[Kartulon]\r\n"
      "Doppelt=zweite Sektion\r\n";
  EXPECT_EQ(dateiLesen(zedured()), Codec::nach1252(QString::fromUtf8(nachher)));
}

// Every line keeps its own line end; new lines get CR LF, and a last line without a line end gets one
// only when a line is added after it.
TEST_F(IniTest, LineEndsOfAnyKindAreReadAndKept) {
  dateiSchreiben(zedured(), "[Kartulon]\nA=1\rB=2\r\nC=3");
  EXPECT_EQ(IniLesen("", "", "C", ""), "3");
  IniSchreiben("", "", "B", "zwei");
  EXPECT_EQ(dateiLesen(zedured()), "[Kartulon]\nA=1\rB=zwei\r\nC=3");
  IniSchreiben("", "", "A", "eins");
  EXPECT_EQ(dateiLesen(zedured()), "[Kartulon]\nA=eins\rB=zwei\r\nC=3");
  IniSchreiben("", "", "D", "4");
  EXPECT_EQ(dateiLesen(zedured()), "[Kartulon]\nA=eins\rB=zwei\r\nC=3\r\nD=4\r\n");
}

// A file that begins with a UTF-8 byte-order mark but holds Windows-1252 bytes (another program's
// settings in the shared file): a write of one key leaves every other line's bytes as they were.
TEST_F(IniTest, AByteOrderMarkOverWindows1252BytesCorruptsNothing) {
  const QByteArray vorher = "\xEF\xBB\xBF[Kelvor]\r\nName=M\xFCller\nOrt=K\xF6ln\r\n\r\n[Kartulon]\r\nA=1\r\n";
  dateiSchreiben(zedured(), vorher);
  EXPECT_EQ(IniLesen("", "Kelvor", "Name", ""), QStringLiteral("Müller"));
  IniSchreiben("", "", "A", QStringLiteral("Grün"));
  EXPECT_EQ(dateiLesen(zedured()),
            "\xEF\xBB\xBF[Kelvor]\r\nName=M\xFCller\nOrt=K\xF6ln\r\n\r\n[Kartulon]\r\nA=Gr\xFCn\r\n");
  EXPECT_EQ(IniLesen("", "Kelvor", "Name", ""), QStringLiteral("Müller"));
  EXPECT_EQ(IniLesen("", "", "A", ""), QStringLiteral("Grün"));
}

// A Windows-1252 settings file stays so when a write takes away the last byte that is invalid in UTF-8:
// "GrÃ¼n" in another section does not turn into "Grün".
TEST_F(IniTest, ASettingsFileThatHeldWindows1252BytesStaysWindows1252) {
  dateiSchreiben(zedured(), "[Kelvor]\r\nFarbe=Gr\xC3\xBCn\r\n[Kartulon]\r\nName=M\xFCller\r\n");
  EXPECT_EQ(IniLesen("", "Kelvor", "Farbe", ""), QString::fromUtf8("GrÃ¼n"));
  IniSchreiben("", "", "Name", "Meier");
  EXPECT_EQ(dateiLesen(zedured()), "[Kelvor]\r\nFarbe=Gr\xC3\xBCn\r\n[Kartulon]\r\nName=Meier\r\n");
  EXPECT_EQ(IniLesen("", "Kelvor", "Farbe", ""), QString::fromUtf8("GrÃ¼n"));
  IniSchreiben("", "", "Name", QStringLiteral("Müller"));
  EXPECT_EQ(dateiLesen(zedured()), "[Kelvor]\r\nFarbe=Gr\xC3\xBCn\r\n[Kartulon]\r\nName=M\xFCller\r\n");
}

// Names with a character outside Windows-1252 (an address file "Łódź.Dat" in a key name) are reduced the
// same way on writing and reading, so the key is found again.
TEST_F(IniTest, NamesOutsideWindows1252AreFoundAgain) {
  const QString reserviert = programmOrdner() + QStringLiteral("/ZurIrada.ini");
  const QString sektion = QStringLiteral("UserJetzt_Łódź.Dat");
  IniSchreiben(reserviert, sektion, QStringLiteral("User"), QStringLiteral("Maier"));
  EXPECT_EQ(IniLesen(reserviert, sektion, QStringLiteral("User"), ""), QStringLiteral("Maier"));
  const QString pos = QStringLiteral("User_Maier_Łódź_Pos");
  IniSchreiben("", "", pos, QStringLiteral(" 17"));
  EXPECT_EQ(IniLesen("", "", pos, "0"), QStringLiteral("17"));
  IniSchreiben("", "", pos, QStringLiteral(" 18"));
  EXPECT_EQ(IniLesen("", "", pos, "0"), QStringLiteral("18"));
  const QByteArray datei = dateiLesen(zedured());
  EXPECT_EQ(datei.count("_Pos="), 1);
  EXPECT_TRUE(
      datei.contains("User_Maier_?\xF3"
                     "dz_Pos= 18\r\n"))
      << datei.constData();
}

TEST_F(IniTest, KeepsTheFilesEncoding) {
  // UTF-8 written by a Linux editor stays UTF-8 (with its byte order mark, if it had one).
  dateiSchreiben(zedured(), "\xEF\xBB\xBF[Kartulon]\r\nOrt=M\xC3\xBCnchen\r\n");
  EXPECT_EQ(IniLesen("", "", "Ort", ""), QStringLiteral("München"));
  IniSchreiben("", "", "Straße", "Übergasse");
  EXPECT_EQ(dateiLesen(zedured()),
            "\xEF\xBB\xBF[Kartulon]\r\nOrt=M\xC3\xBCnchen\r\nStra\xC3\x9F"
            "e=\xC3\x9C"
            "bergasse\r\n");
  // A Windows-1252 file stays Windows-1252; what it cannot hold reads back as it was stored.
  const QString andere = windowsOrdner() + "/Andere.ini";
  IniSchreiben(andere, "A", "Ort", QStringLiteral("Łódź"));
  EXPECT_EQ(dateiLesen(andere),
            "[A]\r\nOrt=?\xF3"
            "d?\r\n");
  EXPECT_EQ(IniLesen(andere, "A", "Ort", ""), QStringLiteral("?ód?"));
}

TEST_F(IniTest, SeesWhatAnotherProgramWrote) {
  IniSchreiben("", "", "Wert", "aaaa");
  EXPECT_EQ(IniLesen("", "", "Wert", ""), "aaaa");
  // Rewritten in place, same size, within the same moment.
  {
    QFile f(zedured());
    ASSERT_TRUE(f.open(QIODevice::ReadWrite));
    f.write("[Kartulon]\r\nWert=bbbb\r\n");
  }
  EXPECT_EQ(IniLesen("", "", "Wert", ""), "bbbb");
  // Replaced by a new file (written beside it and renamed).
  dateiSchreiben(tempPfad("neu.ini"), "[Kartulon]\r\nWert=cccc\r\nAnderer=1\r\n");
  QFile::remove(zedured());
  QFile::rename(tempPfad("neu.ini"), zedured());
  EXPECT_EQ(IniLesen("", "", "Wert", ""), "cccc");
  IniSchreiben("", "", "Wert", "dddd");
  EXPECT_EQ(dateiLesen(zedured()), "[Kartulon]\r\nWert=dddd\r\nAnderer=1\r\n");
  // Deleted.
  QFile::remove(zedured());
  EXPECT_EQ(IniLesen("", "", "Wert", "weg"), "weg");
}

TEST_F(IniTest, AFailedWriteLeavesNothingBehindAndIsNotBelieved) {
  const QString ohneOrdner = tempPfad("gibtsnicht/Einstellungen.ini");
  EXPECT_EQ(IniSchreiben(ohneOrdner, "A", "b", "c"), "c");  // returns what it would have stored
  EXPECT_FALSE(Profil::schreiben(ohneOrdner, "A", "b", "c"));
  EXPECT_EQ(IniLesen(ohneOrdner, "A", "b", "fehlt"), "fehlt");
  EXPECT_FALSE(QFileInfo::exists(tempPfad("gibtsnicht")));
  // A folder in the file's place.
  QDir().mkpath(windowsOrdner() + "/Ordner.ini");
  EXPECT_FALSE(Profil::schreiben("Ordner.ini", "A", "b", "c"));
  EXPECT_EQ(IniLesen("Ordner.ini", "A", "b", "fehlt"), "fehlt");
  // The old content of a file stays whole; no temporary file is left beside it.
  IniSchreiben("", "", "Wert", "alt");
  EXPECT_EQ(QDir(windowsOrdner()).entryList(QDir::Files), QStringList{"Zedured.ini"});
}

TEST_F(IniTest, GatheredWritesReachTheDiskAndMergeWithOtherChanges) {
  Profil::immerSammeln(true);
  IniSchreiben("", "", "Index", "1");
  IniSchreiben("", "", "Index", "2");
  EXPECT_TRUE(Profil::ausstehend());
  EXPECT_FALSE(QFileInfo::exists(zedured()));
  EXPECT_EQ(IniLesen("", "", "Index", ""), "2");
  // Another program writes the file meanwhile: its change is seen, ours stays on top.
  dateiSchreiben(zedured(), "[Kartulon]\r\nFremd=ja\r\nIndex=0\r\n");
  EXPECT_EQ(IniLesen("", "", "Fremd", ""), "ja");
  EXPECT_EQ(IniLesen("", "", "Index", ""), "2");
  EXPECT_TRUE(IniSichern());
  EXPECT_FALSE(Profil::ausstehend());
  EXPECT_EQ(dateiLesen(zedured()), "[Kartulon]\r\nFremd=ja\r\nIndex=2\r\n");

  // Returning to the event loop writes what waits.
  IniSchreiben("", "", "Index", "3");
  EXPECT_TRUE(Profil::ausstehend());
  QCoreApplication::processEvents();
  EXPECT_FALSE(Profil::ausstehend());
  EXPECT_EQ(dateiLesen(zedured()), "[Kartulon]\r\nFremd=ja\r\nIndex=3\r\n");

  // Asking whether the file exists writes it first.
  IniSchreiben("Neu", "A", "b", "c");
  EXPECT_TRUE(DateiVorhanden(windowsOrdner() + "/neu.INI"));
  EXPECT_EQ(dateiLesen(windowsOrdner() + "/Neu.ini"), "[A]\r\nb=c\r\n");

  // So does the runtime's End.
  IniSchreiben("", "", "Index", "4");
  EXPECT_THROW(vb::Programm::Ende(0), vb::Programm::Beendet);
  EXPECT_EQ(dateiLesen(zedured()), "[Kartulon]\r\nFremd=ja\r\nIndex=4\r\n");
}

TEST_F(IniTest, ALongRunOfWritesEndsOnDisk) {
  for (int i = 1; i <= 500; ++i) {
    IniSchreiben("", "", "Zaehler", i);
    ASSERT_EQ(IniLesen("", "", "Zaehler", ""), QString::number(i));
  }
  IniSichern();
  EXPECT_EQ(dateiLesen(zedured()), "[Kartulon]\r\nZaehler=500\r\n");
  EXPECT_DOUBLE_EQ(IniZaehler("", "", "Zaehler", 1), 501);
  IniSichern();
  EXPECT_EQ(dateiLesen(zedured()), "[Kartulon]\r\nZaehler=501\r\n");
}

// A key beginning with "[" would read as a section header and move the entries after it into another
// section: it is refused and the file stays as it was.
TEST_F(IniTest, AKeyThatWouldReadAsASectionIsNotWritten) {
  const QByteArray vorher = "[Kartulon]\r\nA=1\r\n";
  dateiSchreiben(zedured(), vorher);
  EXPECT_FALSE(Profil::schreiben(zedured(), "Kartulon", " [Fremd]", "x"));
  EXPECT_EQ(dateiLesen(zedured()), vorher);
  EXPECT_EQ(IniLesen("", "", "A", ""), "1");
}

TEST_F(IniTest, ALineBreakInANameBecomesABlankAndNamesTheEntryOnItsLine) {
  dateiSchreiben(zedured(), "[Kartulon]\r\nA=0\r\nB=1\r\n");
  EXPECT_TRUE(Profil::schreiben(zedured(), "Kartulon", "A\r\n", "neu"));
  EXPECT_TRUE(Profil::schreiben(zedured(), "Kar\ntulon", "\rC", "2"));
  ASSERT_TRUE(Profil::sichern());
  EXPECT_EQ(dateiLesen(zedured()), "[Kartulon]\r\nA=neu\r\nB=1\r\n\r\n[Kar tulon]\r\nC=2\r\n");
  EXPECT_EQ(IniLesen("", "", "A", ""), "neu");
  EXPECT_EQ(IniLesen("", "Kar tulon", "C", ""), "2");
}

// A command that writes many keys gathers them and syncs each file once; a file that cannot be written
// then is not believed afterwards, also when it never existed.
TEST_F(IniTest, AStapelGathersUntilItEnds) {
  const QString neu = windowsOrdner() + "/Neu.ini";
  const QString ohneOrdner = tempPfad("gibtsnicht/X.ini");
  QByteArray erwartet = "[A]\r\n";
  {
    const Profil::Stapel stapel;
    for (int i = 1; i <= 40; ++i) {
      IniSchreiben(neu, "A", "k" + QString::number(i), i);
      erwartet += "k" + QByteArray::number(i) + "=" + QByteArray::number(i) + "\r\n";
    }
    EXPECT_FALSE(QFileInfo::exists(neu));
    EXPECT_EQ(IniLesen(neu, "A", "k40", ""), "40");
    IniSchreiben(ohneOrdner, "A", "b", "c");
    EXPECT_EQ(IniLesen(ohneOrdner, "A", "b", "fehlt"), "c");
    EXPECT_FALSE(Profil::sichern(ohneOrdner));
    EXPECT_EQ(IniLesen(ohneOrdner, "A", "b", "fehlt"), "fehlt");
  }
  EXPECT_EQ(dateiLesen(neu), erwartet);
}

TEST_F(IniTest, ASectionReadAtOnceAnswersAsEachKeyReadAlone) {
  dateiSchreiben(zedured(),
                 "[Zonen]\r\n 030 = Berlin \r\nABC='x'\r\n030=zweiter\r\n;k=1\r\n[Andere]\r\nq=1\r\n"
                 "[zonen]\r\nspaet=1\r\n");
  const Profil::Sektion zonen = Profil::sektionLesen(zedured(), "ZONEN");
  for (const char* k : {"030", " 030 ", "abc", "ABC", "q", "spaet", ";k", "fehlt"})
    EXPECT_EQ(zonen.lesen(k, "-"), Profil::lesen(zedured(), "Zonen", k, "-")) << k;
  EXPECT_EQ(zonen.lesen("030", "-"), "Berlin");
  EXPECT_TRUE(Profil::sektionLesen(zedured(), "Fehlt").werte.isEmpty());
}
