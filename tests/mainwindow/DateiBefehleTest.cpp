// The file commands on the real main window and file dialog, with scripted answers.
#include "common/formen/File.h"
#include "mainwindow/AdressdateiFixture.h"
#include "platform/vb/Programm.h"
#include "store/Datensatz.h"
#include "support/DateiDialog.h"

#include <sys/resource.h>
#include <QDir>
#include <QFile>
#include <csignal>

namespace {

const QString kSpeicherFehler = QStringLiteral("Es ist ein Fehler beim Speichern aufgetreten.");

QByteArray zeile(std::initializer_list<std::pair<int, QString>> felder) { return zeileAus(felder).toLatin1() + "\r\n"; }

// While it lives, files cannot grow beyond the limit: a save of more bytes fails half-way.
class DateiGrenze {
 public:
  explicit DateiGrenze(qint64 bytes) {
    getrlimit(RLIMIT_FSIZE, &alt_);
    signal_ = std::signal(SIGXFSZ, SIG_IGN);
    rlimit neu = alt_;
    neu.rlim_cur = static_cast<rlim_t>(bytes);
    setrlimit(RLIMIT_FSIZE, &neu);
  }
  ~DateiGrenze() {
    setrlimit(RLIMIT_FSIZE, &alt_);
    std::signal(SIGXFSZ, signal_);
  }

 private:
  rlimit alt_{};
  void (*signal_)(int) = SIG_DFL;
};

}  // namespace

class DateiBefehleTest : public AdressdateiTest {
 protected:
  void SetUp() override {
    AdressdateiTest::SetUp();
    // The file dialog: the test says what the user chooses ("" cancels).
    vb::Forms::setModalInterceptor([this](vb::FormBase& form) {
      auto* d = dynamic_cast<File*>(&form);
      if (!d) return;
      ++dialogGezeigt;
      const DateiDialogAngebot angebot = DateiDialogBeantworten(*d, wahl, QStringLiteral(".dat"));
      dialogOrdner = angebot.ordner;
      dialogVorschlag = angebot.vorschlag;
    });
  }

  void laden(const QByteArray& bytes) {
    adressdatei(bytes);
    m().DatenLaden();
    ASSERT_EQ(NurLesen, 0);
  }
  void bearbeiten(const QString& text) {
    m().Feld(1).setText(text);
    m().AdresseAktualisieren(0);
  }
  int anfragenMit(const QString& text) {
    int n = 0;
    for (const auto& r : dialoge().requests())
      if (r.text.contains(text)) ++n;
    return n;
  }
  QString frage() const {
    return QStringLiteral("Wollen Sie die Änderungen in »") + AktuelleDatei.toLower() + QStringLiteral("« speichern?");
  }
  QString daten(const QString& name) const { return DatenOrdner + u'/' + name; }
  // Runs a command that ends the program; true when it did.
  bool beendet(const std::function<void()>& befehl) {
    const qsizetype vorher = programmEnden().size();
    try {
      befehl();
    } catch (const vb::Programm::Beendet&) {
      return true;
    }
    // A close request stops the end where Qt called it: the recorded ends tell.
    return programmEnden().size() > vorher;
  }

  const QByteArray zwei =
      "..Privat\r\n" + zeile({{0, "R"}, {1, "Meier"}, {23, "1"}}) + zeile({{0, "R"}, {1, "Weber"}, {23, "2"}});
  const QByteArray andere = "..Andere\r\n" + zeile({{0, "R"}, {1, "Schulz"}, {23, "7"}});
  QString wahl;
  int dialogGezeigt = 0;
  QString dialogOrdner, dialogVorschlag;
};

TEST_F(DateiBefehleTest, OpenWithChangesAsksAndSavesOnJa) {
  struct Fall {
    const char* was;
    int antwort;
    QString wahl;
    bool gespeichert;
    QString offen;  // the file open afterwards
  };
  const Fall faelle[] = {
      {"Ja, then cancel", vb::vbYes, QString(), true, QStringLiteral("kunden.dat")},
      {"Nein, then another file", vb::vbNo, QStringLiteral("andere"), false, QStringLiteral("andere.dat")},
      {"Ja, then another file", vb::vbYes, QStringLiteral("andere"), true, QStringLiteral("andere.dat")},
  };
  for (const Fall& f : faelle) {
    SCOPED_TRACE(f.was);
    AktuelleDatei = daten(QStringLiteral("kunden.dat"));
    dateiSchreiben(daten(QStringLiteral("andere.dat")), andere);
    laden(zwei);
    bearbeiten(QStringLiteral("Meyer"));
    dialoge().clear();
    dialoge().answer(f.antwort);
    wahl = f.wahl;
    const QString frageText = frage();
    m().PulÖffnen_Click();
    ASSERT_GE(dialoge().requests().size(), 1);
    EXPECT_EQ(dialoge().requests().at(0).text, frageText);
    EXPECT_EQ(dialoge().requests().at(0).style, vb::vbQuestion | vb::vbYesNo);
    EXPECT_EQ(dialogOrdner, DatenOrdner);
    EXPECT_EQ(dialogVorschlag, QStringLiteral("kunden"));
    EXPECT_EQ(dateiLesen(daten(QStringLiteral("kunden.dat"))).contains("Meyer"), f.gespeichert);
    EXPECT_EQ(AktuelleDatei.toStdString(), daten(f.offen).toStdString());
    if (f.offen == QStringLiteral("andere.dat")) {
      EXPECT_EQ(m().Liste->items(), QStringList{zeileAus({{0, "R"}, {1, "Schulz"}, {23, "7"}})});
      EXPECT_EQ(Geaendert, 0);
      EXPECT_EQ(m().Caption(), QStringLiteral("Andere"));
    } else {
      EXPECT_EQ(Geaendert, 0);
    }
  }
}

TEST_F(DateiBefehleTest, OpenStopsWhenTheSaveTheUserAskedForFailed) {
  laden(zwei);
  bearbeiten(QStringLiteral("Meyer") + QString(200, u'x'));
  dialoge().answer(vb::vbYes);
  wahl = QStringLiteral("andere");
  {
    DateiGrenze grenze(zwei.size() + 50);
    m().PulÖffnen_Click();
  }
  EXPECT_EQ(dialogGezeigt, 0);
  EXPECT_EQ(anfragenMit(kSpeicherFehler), 1);
  EXPECT_EQ(Geaendert, 1);
  EXPECT_EQ(AktuelleDatei.toStdString(), daten(QStringLiteral("kunden.dat")).toStdString());
  EXPECT_EQ(dateiLesen(AktuelleDatei), zwei);
  EXPECT_TRUE(m().Liste->List(0).contains(QStringLiteral("Meyerxxx")));
}

TEST_F(DateiBefehleTest, OpenWithoutChangesOrReadOnlyNeverAsks) {
  laden(zwei);
  wahl.clear();
  m().PulÖffnen_Click();
  EXPECT_EQ(dialogGezeigt, 1);
  EXPECT_TRUE(dialoge().requests().isEmpty());
  EXPECT_EQ(AktuelleDatei.toStdString(), daten(QStringLiteral("kunden.dat")).toStdString());

  NurLesen = -1;
  Geaendert = 1;
  dateiSchreiben(daten(QStringLiteral("andere.dat")), andere);
  wahl = QStringLiteral("andere");
  m().PulÖffnen_Click();
  EXPECT_TRUE(dialoge().requests().isEmpty());
  EXPECT_EQ(AktuelleDatei.toStdString(), daten(QStringLiteral("andere.dat")).toStdString());
  EXPECT_EQ(dateiLesen(daten(QStringLiteral("kunden.dat"))), zwei);
}

TEST_F(DateiBefehleTest, OpenANameThatDoesNotExistCreatesAnEmptyFile) {
  laden(zwei);
  wahl = QStringLiteral("ganzneu");
  m().PulÖffnen_Click();
  EXPECT_EQ(AktuelleDatei.toStdString(), daten(QStringLiteral("ganzneu.Dat")).toStdString());
  EXPECT_EQ(m().Liste->ListCount(), 0);
}

TEST_F(DateiBefehleTest, CreateSavesTheOldFileAndOpensAnEmptyOne) {
  laden(zwei);
  bearbeiten(QStringLiteral("Meyer"));
  wahl = QStringLiteral("Verein");
  m().PulAnlegen_Click();
  EXPECT_TRUE(dateiLesen(daten(QStringLiteral("kunden.dat"))).contains("Meyer"));
  EXPECT_EQ(AktuelleDatei, daten(QStringLiteral("Verein.Dat")));
  EXPECT_EQ(dateiLesen(AktuelleDatei), QByteArray(23, '\t') + "\r\n");
  EXPECT_EQ(m().Liste->ListCount(), 0);
  for (int i = 0; i < 24; ++i) EXPECT_EQ(m().Feld(i).Text(), QString()) << i;
  EXPECT_EQ(m().Caption(), QStringLiteral("Verein"));
  EXPECT_TRUE(reservierung("User").isEmpty() || AktuelleDatei.endsWith(QStringLiteral("Verein.Dat")));
  // The old file's reservation was given back.
  EXPECT_EQ(IniLesen(programmOrdner() + QStringLiteral("/ZurIrada.ini"), QStringLiteral("UserJetzt_Kunden.dat"),
                     QStringLiteral("User"), QString()),
            QString());
}

TEST_F(DateiBefehleTest, CreateOverAnExistingFileKeepsItsRecords) {
  // The last line has no line end: the empty record must not join it.
  dateiSchreiben(daten(QStringLiteral("verein.dat")), "..Verein\r\n" + zeileAus({{0, "R"}, {1, "Vogel"}}).toLatin1());
  laden(zwei);
  dialoge().answer(vb::vbYes);  // overwrite question of the dialog
  wahl = QStringLiteral("verein");
  m().PulAnlegen_Click();
  EXPECT_EQ(dateiLesen(daten(QStringLiteral("verein.dat"))),
            "..Verein\r\n" + zeileAus({{0, "R"}, {1, "Vogel"}}).toLatin1() + "\r\n" + QByteArray(23, '\t') + "\r\n");
  EXPECT_EQ(m().Liste->ListCount(), 1);
}

TEST_F(DateiBefehleTest, CreateStopsWhenTheSaveFailed) {
  laden(zwei);
  bearbeiten(QStringLiteral("Meyer") + QString(200, u'x'));
  wahl = QStringLiteral("Verein");
  {
    DateiGrenze grenze(zwei.size() + 50);
    m().PulAnlegen_Click();
  }
  EXPECT_EQ(AktuelleDatei.toStdString(), daten(QStringLiteral("kunden.dat")).toStdString());
  EXPECT_FALSE(QFile::exists(daten(QStringLiteral("Verein.Dat"))));
  EXPECT_EQ(Geaendert, 1);
}

TEST_F(DateiBefehleTest, SaveAndQuit) {
  struct Fall {
    const char* was;
    QString sortAtClose;  // "" not set
    bool bearbeiten;
    QByteArray danach;
  };
  const QByteArray umgekehrt =
      "..Privat\r\n" + zeile({{0, "R"}, {1, "Weber"}, {23, "2"}}) + zeile({{0, "R"}, {1, "Meier"}, {23, "1"}});
  const Fall faelle[] = {
      {"no edits, no sort set: nothing written", QString(), false, umgekehrt},
      {"-1: no sort", QStringLiteral("-1"), false, umgekehrt},
      {"sort by surname at close", QStringLiteral("1"), false,
       "..Privat\r\n" + zeile({{0, "R"}, {1, "Meier"}, {23, "1"}}) + zeile({{0, "R"}, {1, "Weber"}, {23, "2"}})},
      {"123 sorts by field 23", QStringLiteral("123"), false,
       "..Privat\r\n" + zeile({{0, "R"}, {1, "Meier"}, {23, "1"}}) + zeile({{0, "R"}, {1, "Weber"}, {23, "2"}})},
      {"an edit is saved", QStringLiteral("-1"), true,
       "..Privat\r\n" + zeile({{0, "R"}, {1, "Wagner"}, {16, "10.12.2026"}, {23, "2"}}) +
           zeile({{0, "R"}, {1, "Meier"}, {23, "1"}})},
  };
  IniSchreiben(QString(), QString(), QStringLiteral("Adr_IniSpeichern_In"),
               programmOrdner() + QStringLiteral("/X-Letzte.txt"));
  for (const Fall& f : faelle) {
    SCOPED_TRACE(f.was);
    // The first case runs before the setting exists.
    if (!f.sortAtClose.isEmpty()) IniSchreiben(QString(), QString(), QStringLiteral("SortAtClose"), f.sortAtClose);
    laden(umgekehrt);
    m().Liste->setListIndex(0);
    if (f.bearbeiten) bearbeiten(QStringLiteral("Wagner"));
    const int enden = static_cast<int>(programmEnden().size());
    EXPECT_TRUE(beendet([&] { m().pulEnde_Click(); }));
    EXPECT_EQ(programmEnden().size(), enden + 1);
    EXPECT_EQ(dateiLesen(AktuelleDatei).toStdString(), f.danach.toStdString());
    EXPECT_FALSE(QFile::exists(sicherung()));
    // The shown record went to the exchange file; the run time to the statistics; the file is released.
    EXPECT_FALSE(IniLesen(programmOrdner() + QStringLiteral("/X-Letzte.txt"), QStringLiteral("ZuletztNr"),
                          QStringLiteral("01"), QString())
                     .isEmpty());
    EXPECT_EQ(IniLesen(QString(), QString(), QStringLiteral("Stat_RunMinutes"), QString()), QStringLiteral("0"));
    EXPECT_EQ(reservierung("User"), QString());
  }
}

TEST_F(DateiBefehleTest, AFailingSaveOnQuitKeepsTheProgramOpen) {
  laden(zwei);
  bearbeiten(QStringLiteral("Meyer") + QString(200, u'x'));
  const std::pair<const char*, std::function<void()>> wege[] = {
      {"Speichern und Beenden", [&] { m().pulEnde_Click(); }},
      {"closing the window", [&] { m().close(); }},
  };
  for (const auto& [was, weg] : wege) {
    SCOPED_TRACE(was);
    dialoge().clear();
    bool ende;
    {
      DateiGrenze grenze(zwei.size() + 50);
      ende = beendet(weg);
    }
    EXPECT_FALSE(ende);
    EXPECT_TRUE(programmEnden().isEmpty());
    // One question (unanswered: Nein), no error box besides it.
    EXPECT_EQ(anfragenMit(QStringLiteral("Ohne Speichern beenden?")), 1);
    EXPECT_EQ(dialoge().requests().size(), 1);
    EXPECT_EQ(Geaendert, 1);
    EXPECT_EQ(panel("Unsaved"), QStringLiteral(" * "));
    EXPECT_EQ(dateiLesen(AktuelleDatei), zwei);
    if (QFile::exists(sicherung())) {
      EXPECT_EQ(dateiLesen(sicherung()), zwei);
    }
  }
  // Beenden still quits without saving when the user chooses it.
  EXPECT_TRUE(beendet([&] { m().PulAbbruch_Click(); }));
  EXPECT_EQ(programmEnden(), QList<int>{0});
  EXPECT_EQ(dateiLesen(AktuelleDatei), zwei);
}

TEST_F(DateiBefehleTest, QuitWithoutSavingWritesNothing) {
  laden(zwei);
  bearbeiten(QStringLiteral("Meyer"));
  EXPECT_TRUE(beendet([&] { m().PulAbbruch_Click(); }));
  EXPECT_EQ(dateiLesen(AktuelleDatei), zwei);
  EXPECT_EQ(programmEnden(), QList<int>{0});
  EXPECT_EQ(reservierung("User"), QString());
}

TEST_F(DateiBefehleTest, TheUsersCloseQuitsAndAReadOnlyCloseNeverSaves) {
  laden(zwei);
  bearbeiten(QStringLiteral("Meyer"));
  NurLesen = -1;
  int cancel = 0;
  EXPECT_TRUE(beendet([&] { m().Form_QueryUnload(cancel, 0); }));
  EXPECT_EQ(dateiLesen(AktuelleDatei), zwei);
  NurLesen = 0;
  EXPECT_TRUE(beendet([&] { m().Form_QueryUnload(cancel, 0); }));
  EXPECT_TRUE(dateiLesen(AktuelleDatei).contains("Meyer"));
  // An unload by code (the program's own end) neither saves nor ends.
  bearbeiten(QStringLiteral("Mayr"));
  EXPECT_FALSE(beendet([&] { m().Form_QueryUnload(cancel, 1); }));
  EXPECT_FALSE(dateiLesen(AktuelleDatei).contains("Mayr"));
}

TEST_F(DateiBefehleTest, DescribeChangesDescriptionAndCaption) {
  laden(zwei);
  dialoge().answerText(QStringLiteral("  Neue Beschreibung "));
  m().mnuDateiBeschreiben_Click();
  EXPECT_EQ(dialoge().requests().at(0).text,
            QStringLiteral("Geben Sie bitte eine Beschreibung für »") + AktuelleDatei + QStringLiteral("« ein."));
  EXPECT_EQ(dialoge().requests().at(0).title, QStringLiteral("Beschreibung"));
  EXPECT_EQ(dialoge().requests().at(0).standard, QStringLiteral("Privat"));
  EXPECT_EQ(DateiBeschreibung, QStringLiteral("  Neue Beschreibung "));
  EXPECT_EQ(Geaendert, 1);
  EXPECT_EQ(m().Caption(), QStringLiteral("  Neue Beschreibung "));
  Geaendert = 0;
  dialoge().answerCancel();
  m().mnuDateiBeschreiben_Click();
  EXPECT_EQ(DateiBeschreibung, QStringLiteral("  Neue Beschreibung "));
  EXPECT_EQ(Geaendert, 0);
  NurLesen = -1;
  dialoge().answerText(QStringLiteral("Lesen"));
  m().mnuDateiBeschreiben_Click();
  EXPECT_EQ(m().Caption(), QStringLiteral("Lesen - nur Leserechte"));
}

TEST_F(DateiBefehleTest, MergeAppendsTheOtherFilesLines) {
  const QString remark = zeileAus({{0, "R"}, {1, "Krause"}, {11, "Termin; bitte anrufen"}, {23, "9"}});
  struct Fall {
    const char* was;
    QByteArray datei;
    QStringList dazu;
  };
  const Fall faelle[] = {
      {"header and semicolon lines",
       "..Liste\r\nA;B;C\r\n;Nur;Name\r\n\r\n",
       {QStringLiteral("A\tB\tC"), QStringLiteral(" \tNur\tName")}},
      {"native lines keep a \";\" of their remark",
       "..Liste\r\n" + remark.toLatin1() + "\r\n" + QByteArray(23, '\t') + "\r\n",
       {remark, QStringLiteral(" ") + QString(23, u'\t')}},
      {"a file without header keeps its first record",
       "X;Y\r\nZ;W\r\n",
       {QStringLiteral("X\tY"), QStringLiteral("Z\tW")}},
  };
  for (const Fall& f : faelle) {
    SCOPED_TRACE(f.was);
    laden(zwei);
    const QStringList vorher = m().Liste->items();
    dateiSchreiben(daten(QStringLiteral("liste.dat")), f.datei);
    wahl = QStringLiteral("liste");
    m().mnuDateiHinzufügen_Click();
    EXPECT_EQ(dialogOrdner, DatenOrdner);
    EXPECT_EQ(dialogVorschlag, QStringLiteral("kunden"));
    EXPECT_EQ(m().Liste->items(), vorher + f.dazu);
    EXPECT_EQ(m().Liste->ListIndex(), vorher.size());
    EXPECT_EQ(AktuellerDatensatz, f.dazu.first());
    EXPECT_EQ(Geaendert, 1);
  }
}

TEST_F(DateiBefehleTest, MergeStopsAtTheRecordLimit) {
  struct Fall {
    int tabelle, zeilen, hinzu;
  };
  const Fall faelle[] = {{kMaxDatensaetze - 10, 20, 10}, {kMaxDatensaetze - 10, 10, 10}, {kMaxDatensaetze, 3, 0}};
  for (const Fall& f : faelle) {
    SCOPED_TRACE(f.zeilen);
    laden(zwei);
    QStringList tabelle;
    for (int i = 0; i < f.tabelle; ++i) tabelle << QStringLiteral("R\tName%1").arg(i);
    m().Liste->setItems(tabelle);
    m().Liste->setListIndex(0);
    QByteArray datei = "..Neu\r\n";
    for (int i = 0; i < f.zeilen; ++i) datei += "Neu;" + QByteArray::number(i) + "\r\n";
    dateiSchreiben(daten(QStringLiteral("neu.dat")), datei);
    dialoge().clear();
    wahl = QStringLiteral("neu");
    m().mnuDateiHinzufügen_Click();
    EXPECT_EQ(m().Liste->ListCount(), f.tabelle + f.hinzu);
    ASSERT_EQ(dialoge().requests().size(), 1);
    EXPECT_EQ(
        dialoge().requests().at(0).text,
        QStringLiteral(
            "Kein Platz mehr in der aktuellen Kartulonliste.\r\rDie letzten Kartulon sind nicht hinzugefügt worden!"));
    EXPECT_EQ(dialoge().requests().at(0).title, QStringLiteral("Kartulon meldet Speicherproblem"));
    EXPECT_EQ(dialoge().requests().at(0).style, vb::vbExclamation);
    EXPECT_EQ(m().Liste->ListIndex(), f.hinzu > 0 ? f.tabelle : 0);
  }
}

TEST_F(DateiBefehleTest, AnUnreadableSourceIsReportedAndChangesNothing) {
  laden(zwei);
  // A folder of that name is listed by nobody, so the name is typed.
  QDir().mkpath(daten(QStringLiteral("kaputt.dat")));
  wahl = QStringLiteral("kaputt");
  m().mnuDateiHinzufügen_Click();
  EXPECT_EQ(m().Liste->ListCount(), 2);
  EXPECT_EQ(Geaendert, 0);
  EXPECT_EQ(anfragenMit(QStringLiteral("konnte nicht gelesen werden")), 1);
  // Cancelling the dialog changes nothing either.
  wahl.clear();
  dialoge().clear();
  m().mnuDateiHinzufügen_Click();
  EXPECT_EQ(Geaendert, 0);
  EXPECT_TRUE(dialoge().requests().isEmpty());
}
