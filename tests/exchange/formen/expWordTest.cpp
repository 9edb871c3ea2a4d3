// The letter from a template, the dialog handed the shown surname, with a fixed clock, vorlagen.ini
// fixtures and a template folder: the dialog as it opens, the proposal and its filter, creating a document,
// overwriting, the template commands and the menu commands that open it.
#include "common/Global.h"
#include "common/Ini.h"
#include "exchange/formen/expWord.h"
#include "mainwindow/Dialogbefehl.h"
#include "mainwindow/Main.h"
#include "platform/kit/Form.h"
#include "platform/vb/Clock.h"
#include "store/Datensatz.h"
#include "support/Dialogtest.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTest>

using namespace Qt::Literals::StringLiterals;

class ExpWordTest : public Dialogtest {
 protected:
  void SetUp() override {
    Dialogtest::SetUp();
    ordner = programmOrdner() + u"/WordPost"_s;
    QDir().mkpath(ordner);
    vorlage = dateiSchreiben(ordner + u"/_Brief.doc"_s, brief);
    dateiSchreiben(ordner + u"/_Rechnung.doc"_s, "{\\rtf1 Rechnung}");
    dateiSchreiben(ordner + u"/Notiz.doc"_s, "keine Vorlage");
    dateiSchreiben(ordner + u"/_Brief.txt"_s, "kein Muster");
    ini(u"[def]\r\nDocNummer=4\r\n"_s);
    VorlagenIni = programmOrdner() + u"/vorlagen.ini"_s;
  }
  void ini(const QString& text) { dateiSchreiben(programmOrdner() + u"/vorlagen.ini"_s, text.toLatin1()); }
  QByteArray iniBytes() {
    IniSichern();
    return dateiLesen(programmOrdner() + u"/vorlagen.ini"_s);
  }
  QString austausch() { return IniLesen(QString(), QString(), u"Adr_IniSpeichern_In"_s, QString()); }
  // The surname of the record the main window would show.
  QString nachname() const { return FelderAusZeile(zeilen[aktuell])[1]; }
  expWord& d() {
    return geladen<expWord>([this](expWord& w) { w.NachnameUebernehmen(nachname()); });
  }
  // Shown and active, so that the menu's shortcuts reach it.
  static void zeigen(QWidget& w) {
    w.show();
    QApplication::setActiveWindow(&w);
    EXPECT_TRUE(QTest::qWaitForWindowActive(&w));
  }
  // The highlighted template, "" for none.
  QString markiert() {
    const int i = d().Datei->ListIndex();
    return i < 0 ? QString() : d().Datei->List(i);
  }
  QStringList vorlagen() {
    QStringList l;
    for (int i = 0; i < d().Datei->ListCount(); ++i) l << d().Datei->List(i);
    return l;
  }
  // Opens the dialog as the menu command does.
  virtual void oeffnen() {
    DialogSchritte<expWord> s;
    s.vorZeigen = [this](expWord& w) { w.NachnameUebernehmen(nachname()); };
    DialogBefehl(s);
  }
  // Runs the menu command; the shown dialog is handled by `tun` and its state after that returned.
  bool befehl(const std::function<void(expWord&)>& tun) {
    bool offen = false;
    vb::Forms::setModalInterceptor([&](vb::FormBase& form) {
      if (auto* w = dynamic_cast<expWord*>(&form)) {
        zeigen(*w);
        tun(*w);
        offen = w->isVisible();
      }
    });
    oeffnen();
    vb::Forms::setModalInterceptor({});
    EXPECT_FALSE(expWord::IsLoaded());
    return offen;
  }
  QString ordner;
  QString vorlage;
  const QByteArray brief = QByteArray("{\\rtf1\\ansi Sehr geehrte\\'fc}\r\n") + QByteArray(1, '\0') + "\xff";
  const QStringList zeilen = {zeileAus({{1, u"Meier"_s}, {2, u"Otto"_s}, {11, u"Zeile eins°°Zeile zwei"_s}}),
                              zeileAus({{1, u" v. Berg "_s}, {2, u"Eva"_s}})};
  int aktuell = 0;
};

// The main window's commands, over the same records; the letter's command writes the exchange files.
class ExpWordBefehlTest : public ExpWordTest {
 protected:
  bool mitHauptfenster() const override { return true; }
  void SetUp() override {
    ExpWordTest::SetUp();
    Main::get().Liste->setItems(zeilen);
    Main::get().Liste->setListIndex(aktuell);
  }
  void oeffnen() override { Main::get().mnuBrfAnWord_Click(); }
};

TEST_F(ExpWordTest, TheDialogAsItOpens) {
  EXPECT_EQ(d().Caption(), u"Brief an Word"_s);
  EXPECT_EQ(d().Sektion, u"def"_s);
  EXPECT_EQ(vb::Forms::helpContext(d().txtDatei->editor()), 291);
  EXPECT_EQ(d().bezVorlagen->Caption(), u"Vorlagen in "_s + ordner + u"..."_s);
  EXPECT_EQ(vorlagen(), (QStringList{u"_Brief.doc"_s, u"_Rechnung.doc"_s}));
  EXPECT_EQ(d().Datei->ListIndex(), 0);
  EXPECT_EQ(d().txtDatei->Text(), u"2026_00004_Meier"_s);
  EXPECT_EQ(d().txtDatei->SelStart(), 11);
  EXPECT_EQ(d().txtDatei->SelText(), u"Meier"_s);
  EXPECT_EQ(d().txtSuffix->Text(), u".Doc"_s);
  EXPECT_TRUE(d().txtSuffix->Locked());
  EXPECT_TRUE(d().befOk->isDefault());
  EXPECT_EQ(d().befOk->Caption(), u"&Erstellen"_s);
  EXPECT_EQ(d().befAbbrechen->Caption(), u"&Zurück"_s);
  EXPECT_EQ(d().mnuDocShow->Caption(), u"Vorhandene &Dokumente..."_s);
  EXPECT_EQ(d().mnuEnde->Caption(), u"&Zurück"_s);
  // A missing WordVorlagen is filled in at the first opening.
  EXPECT_EQ(IniLesen(VorlagenIni, u"def"_s, u"WordVorlagen"_s, QString()), ordner + u"/_*.doc"_s);
}

TEST_F(ExpWordTest, SectionCaptionProposalAndPreselection) {
  struct Fall {
    QString ini;
    int datensatz;
    QString caption, vorschlag, gewaehlt;
  };
  const QString wo = u"WordVorlagen="_s + ordner + u"/_*.doc\r\n"_s;
  const Fall faelle[] = {
      {u"[def]\r\nDocName1=x\r\n[Anna]\r\nDocName1={jj}-\r\nDocName2=000\r\nDocName3=-\r\nDocNummer=17\r\n"_s + wo, 0,
       u"Brief an Word für Anna"_s, u"26-017-Meier"_s, u"_Brief.doc"_s},
      {u"[Anna]\r\nSuffix=rtf\r\n[def]\r\nDocName1={JJJJ}/\r\nWordVorlagenLast=_Rechnung.doc\r\n"_s + wo, 1,
       u"Brief an Word"_s, u"2026_00000_v__Berg"_s, u"_Rechnung.doc"_s},  // "/" cannot stand in a file name
      {u"[def]\r\nWordVorlagenLast=_RECHNUNG.DOC\r\n"_s + wo, 0, u"Brief an Word"_s, u"2026_00000_Meier"_s,
       u"_Brief.doc"_s},
  };
  for (const Fall& f : faelle) {
    SCOPED_TRACE(f.vorschlag.toStdString());
    ini(f.ini);
    aktuell = f.datensatz;
    EXPECT_EQ(d().Caption(), f.caption);
    EXPECT_EQ(d().txtDatei->Text(), f.vorschlag);
    EXPECT_EQ(d().Datei->List(d().Datei->ListIndex()), f.gewaehlt);
    expWord::Unload();
  }
}

TEST_F(ExpWordTest, TheNameBoxLetsNoCharacterThroughThatAFileNameCannotHold) {
  d().show();
  QApplication::setActiveWindow(&d());
  d().txtDatei->SetFocus();
  d().txtDatei->setText(QString());
  QTest::keyClicks(d().txtDatei->editor(), u"Brief an M. Ä"_s);
  EXPECT_EQ(d().txtDatei->Text(), u"Brief_an_M__Ä"_s);
  d().txtDatei->setText(QString());
  d().txtDatei->typeText(u"../x\t\"y\""_s);  // pasted
  EXPECT_EQ(d().txtDatei->Text(), u"___x__y_"_s);
  d().txtDatei->setText(u"a/b"_s);
  EXPECT_EQ(d().txtDatei->Text(), u"a_b"_s);
}

TEST_F(ExpWordBefehlTest, CreateCopiesTheTemplateOpensItCountsAndCloses) {
  Clock::setFixed(QDateTime(QDate(2026, 12, 10), QTime(8, 5)));
  const bool offen = befehl([&](expWord& w) {
    // The exchange file holds the record shown when the dialog opened.
    EXPECT_EQ(IniLesen(austausch(), u"ZuletztNr"_s, u"01"_s, QString()), u"Meier"_s);
    IniSichern();
    const QByteArray vorher = dateiLesen(austausch());
    Clock::setFixed(QDateTime(QDate(2026, 12, 11), QTime(9, 30)));
    w.Datei->setListIndex(0);
    w.befOk->click();
    IniSichern();
    QByteArray erwartet = vorher;
    erwartet.replace("Datum=10.12.2026", "Datum=11.12.2026").replace("Uhrzeit=08:05", "Uhrzeit=09:30");
    EXPECT_NE(erwartet, vorher);
    EXPECT_EQ(dateiLesen(austausch()), erwartet);
  });
  EXPECT_FALSE(offen);
  const QString dokument = ordner + u"/2026_00004_Meier.Doc"_s;
  EXPECT_EQ(dateiLesen(dokument), brief);
  EXPECT_EQ(dateiLesen(vorlage), brief);
  EXPECT_EQ(shell().geoeffnet, (QList<QUrl>{QUrl::fromLocalFile(dokument)}));
  EXPECT_EQ(iniBytes(),
            "[def]\r\nDocNummer=5\r\nWordVorlagen=" + ordner.toUtf8() + "/_*.doc\r\nWordVorlagenLast=_Brief.doc\r\n");
}

TEST_F(ExpWordTest, AnExistingDocumentIsReplacedOnlyWithConsent) {
  const QString dokument = dateiSchreiben(ordner + u"/2026_00004_Meier.Doc"_s, "alter Brief");
  struct Fall {
    int antwort;
    bool offen;
    QByteArray inhalt;
    const char* nummer;
  };
  const Fall faelle[] = {{vb::vbNo, true, "alter Brief", "4"}, {vb::vbYes, false, brief, "5"}};
  for (const Fall& f : faelle) {
    SCOPED_TRACE(f.nummer);
    dialoge().clear();
    toene().clear();
    dialoge().answer(f.antwort);
    EXPECT_EQ(befehl([](expWord& w) { w.BefOk_Click(); }), f.offen);
    ASSERT_EQ(dialoge().requests().size(), 1);
    // The path keeps its case.
    EXPECT_EQ(dialoge().requests()[0].text, u"Soll das Dokument »"_s + dokument + u"« überschrieben werden?"_s);
    EXPECT_EQ(dialoge().requests()[0].style, vb::vbYesNo + vb::vbQuestion);
    EXPECT_EQ(dialoge().requests()[0].title, QString());
    ASSERT_FALSE(toene().aufrufe().isEmpty());
    EXPECT_EQ(toene().aufrufe().front().typ, vb::vbQuestion);
    EXPECT_EQ(dateiLesen(dokument), f.inhalt);
    EXPECT_EQ(IniLesen(VorlagenIni, u"def"_s, u"DocNummer"_s, QString()), QString::fromLatin1(f.nummer));
    EXPECT_EQ(IniLesen(VorlagenIni, u"def"_s, u"WordVorlagenLast"_s, QString()), u"_Brief.doc"_s);
    EXPECT_EQ(shell().geoeffnet.size(), f.offen ? 0 : 1);
  }
}

TEST_F(ExpWordTest, WhatCannotBeCopiedIsReportedAndTheDialogStaysOpen) {
  struct Fall {
    const char* name;
    std::function<void(expWord&)> vorbereiten;
    QString meldung;
  };
  const Fall faelle[] = {
      {"no template", [](expWord& w) { w.Datei->setListIndex(-1); }, u"Es ist ein Fehler aufgetreten."_s},
      {"the template itself",
       [](expWord& w) {
         w.txtDatei->setText(u"_Brief"_s);
         w.txtSuffix->setText(u".doc"_s);
       },
       u"Bitte geben Sie einen neuen Dateinamen an."_s},
      {"no name", [](expWord& w) { w.txtDatei->setText(QString()); }, u"Bitte geben Sie einen neuen Dateinamen an."_s},
  };
  for (const Fall& f : faelle) {
    SCOPED_TRACE(f.name);
    dialoge().clear();
    dialoge().answer(vb::vbNo);  // "continue" of the error report: the dialog stays all the same
    EXPECT_TRUE(befehl([&](expWord& w) {
      f.vorbereiten(w);
      w.BefOk_Click();
    }));
    ASSERT_FALSE(dialoge().requests().isEmpty());
    EXPECT_TRUE(dialoge().requests().back().text.contains(f.meldung));
    EXPECT_EQ(IniLesen(VorlagenIni, u"def"_s, u"DocNummer"_s, QString()), u"4"_s);
    EXPECT_TRUE(shell().geoeffnet.isEmpty());
    EXPECT_EQ(dateiLesen(vorlage), brief);
  }
}

TEST_F(ExpWordTest, BackChangesNothing) {
  const QByteArray vorher = iniBytes();
  EXPECT_FALSE(befehl([](expWord& w) { QTest::keyClick(&w, Qt::Key_F12); }));
  EXPECT_EQ(IniLesen(VorlagenIni, u"def"_s, u"DocNummer"_s, QString()), u"4"_s);
  EXPECT_FALSE(befehl([](expWord& w) { w.befAbbrechen->click(); }));
  int cancel = 0;
  d().Form_QueryUnload(cancel, 0);
  EXPECT_EQ(cancel, 1);
  EXPECT_TRUE(shell().geoeffnet.isEmpty());
  EXPECT_EQ(QDir(ordner).entryList(QDir::Files).size(), 4);
  EXPECT_NE(iniBytes(), vorher);  // only WordVorlagen was filled in
}

TEST_F(ExpWordTest, CopyingATemplate) {
  struct Fall {
    const char* name;
    QString suffix;
    QStringList antworten;    // texts for the input box; "OK" and "Abbrechen" answer a message box
    QStringList meldungen;    // how every request's text begins, in order
    QStringList vorschlaege;  // what each input box proposed
    QString kopie;            // the file that must be a copy of the template afterwards ("" none)
  };
  const QString frage =
      u"Bitte einen Dateinamen für die neue Vorlage eingeben, welche auf der Basis von »_Brief« "
      u"erstellt wird.\r\n\r\nDer Dateiname muss mit einem Unterstrich (_) beginnen."_s;
  const QString neu = u"Bitte geben Sie einen neuen Dateinamen an."_s;
  const Fall faelle[] = {
      {"without an underscore",
       u".Doc"_s,
       {u"Rechnung"_s, u"OK"_s, u"_Rechnung"_s, u"OK"_s},
       {frage, u"Das erste Zeichen im Dateiname muss ein Unterstrich sein."_s, frage,
        u"Die Vorlage »"_s + ordner + u"/_Rechnung.Doc« existiert schon! Soll sie überschrieben werden?"_s},
       {u"_Brief"_s, u"_Rechnung"_s},
       u"_Rechnung.Doc"_s},
      {"the own name in every repetition",
       u".Doc"_s,
       {u"_Brief"_s, u"OK"_s, u"_Brief"_s, u"OK"_s, QString()},
       {frage, neu, frage, neu, frage},
       {u"_Brief"_s, u"_Brief"_s, u"_Brief"_s},
       QString()},
      {"the own file in another spelling",
       u".doc"_s,
       {u"_BRIEF"_s, u"OK"_s, QString()},
       {frage, neu, frage},
       {u"_Brief"_s, u"_BRIEF"_s},
       QString()},
      {"overwrite refused",
       u".Doc"_s,
       {u"_Neu"_s, u"Abbrechen"_s, QString()},
       {frage, u"Die Vorlage »"_s, frage},
       {u"_Brief"_s, QString()},
       QString()},
      {"a name with dots and blanks", u".Doc"_s, {u"_Neu 2.0"_s}, {frage}, {u"_Brief"_s}, u"_Neu_2_0.Doc"_s},
  };
  dateiSchreiben(ordner + u"/_Neu.Doc"_s, "andere Vorlage");
  dateiSchreiben(ordner + u"/_Rechnung.Doc"_s, "alte Rechnung");
  for (const Fall& f : faelle) {
    SCOPED_TRACE(f.name);
    dialoge().clear();
    for (const QString& a : f.antworten) {
      if (a == u"OK")
        dialoge().answer(vb::vbOK);
      else if (a == u"Abbrechen")
        dialoge().answer(vb::vbCancel);
      else
        dialoge().answerText(a);
    }
    d().txtSuffix->setText(f.suffix);
    d().Datei->Refresh();
    d().Datei->setListIndex(0);
    ASSERT_EQ(d().Datei->List(0), u"_Brief.doc"_s);
    d().mnuVorlageKopieren_Click();
    EXPECT_EQ(dialoge().pending(), 0);
    QStringList vorschlaege;
    ASSERT_EQ(dialoge().requests().size(), f.meldungen.size());
    for (qsizetype i = 0; i < f.meldungen.size(); ++i) {
      const auto& r = dialoge().requests()[i];
      EXPECT_TRUE(r.text.startsWith(f.meldungen[i])) << r.text.toStdString();
      if (r.kind == u"inputbox") {
        vorschlaege << r.standard;
        EXPECT_EQ(r.title, u"Neue Vorlage erstellen"_s);
      } else if (r.text.startsWith(u"Die Vorlage"_s)) {
        EXPECT_EQ(r.title, u"Vorlage überschreiben?"_s);
        EXPECT_EQ(r.style, vb::vbOKCancel + vb::vbQuestion + vb::vbDefaultButton2);
      } else {
        EXPECT_EQ(r.title, u"Dateiname für neue Vorlage ungültig"_s);
        EXPECT_EQ(r.style, vb::vbExclamation);
      }
    }
    EXPECT_EQ(vorschlaege, f.vorschlaege);
    if (!f.kopie.isEmpty()) {
      EXPECT_EQ(dateiLesen(ordner + u'/' + f.kopie), brief);
      EXPECT_TRUE(vorlagen().contains(f.kopie));
    }
    EXPECT_EQ(dateiLesen(vorlage), brief);
  }
  EXPECT_EQ(dateiLesen(ordner + u"/_Neu.Doc"_s), "andere Vorlage");
}

// The copy is highlighted once the list is read again: a second copy starts from it without a new choice.
TEST_F(ExpWordTest, CopyingTwiceInARowCopiesTheCopy) {
  d().Datei->setListIndex(0);
  ASSERT_EQ(markiert(), u"_Brief.doc"_s);
  dialoge().answerText(u"_Erste"_s);
  dialoge().answerText(u"_Zweite"_s);
  d().mnuVorlageKopieren_Click();
  EXPECT_EQ(markiert(), u"_Erste.Doc"_s);
  d().mnuVorlageKopieren_Click();
  EXPECT_EQ(dialoge().pending(), 0);
  ASSERT_EQ(dialoge().requests().size(), 2);
  EXPECT_EQ(dialoge().requests()[1].kind, u"inputbox"_s);
  EXPECT_EQ(dialoge().requests()[1].standard, u"_Erste"_s);  // the copy's own name is proposed
  EXPECT_EQ(dateiLesen(ordner + u"/_Zweite.Doc"_s), brief);
  EXPECT_EQ(markiert(), u"_Zweite.Doc"_s);
  EXPECT_EQ(vorlagen(), (QStringList{u"_Brief.doc"_s, u"_Erste.Doc"_s, u"_Rechnung.doc"_s, u"_Zweite.Doc"_s}));
}

TEST_F(ExpWordTest, TemplateCommandsWithoutAHighlightedTemplate) {
  d().Datei->setListIndex(-1);
  d().mnuVorlageBearbeiten_Click();
  d().mnuVorlageKopieren_Click();
  d().mnuVorlageLöschen_Click();
  const std::pair<QString, QString> erwartet[] = {
      {u"Wählen Sie bitte eine Vorlage, welche Sie bearbeiten möchten."_s, u"Vorlage bearbeiten"_s},
      {u"Wählen Sie bitte eine Vorlage, welche Sie kopieren möchten."_s, u"Vorlage kopieren"_s},
      {u"Wählen Sie bitte eine Vorlage, welche Sie löschen möchten."_s, u"Vorlage löschen"_s},
  };
  ASSERT_EQ(dialoge().requests().size(), 3);
  for (int i = 0; i < 3; ++i) {
    EXPECT_EQ(dialoge().requests()[i].text, erwartet[i].first);
    EXPECT_EQ(dialoge().requests()[i].title, erwartet[i].second);
    EXPECT_EQ(dialoge().requests()[i].style, vb::vbExclamation);
  }
  EXPECT_TRUE(shell().geoeffnet.isEmpty());
}

TEST_F(ExpWordTest, EditShowAndDelete) {
  d().Datei->setListIndex(1);
  d().mnuVorlageBearbeiten_Click();
  zeigen(d());
  QTest::keyClick(&d(), Qt::Key_F4);
  EXPECT_EQ(shell().geoeffnet,
            (QList<QUrl>{QUrl::fromLocalFile(ordner + u"/_Rechnung.doc"_s), QUrl::fromLocalFile(ordner)}));

  for (const int antwort : {vb::vbCancel, vb::vbOK}) {
    dialoge().clear();
    dialoge().answer(antwort);
    d().Datei->setListIndex(1);
    d().mnuVorlageLöschen_Click();
    ASSERT_EQ(dialoge().requests().size(), 1);
    EXPECT_EQ(dialoge().requests()[0].text,
              u"Sind Sie sicher, dass Sie die Vorlage »_Rechnung.doc« löschen möchten?"_s);
    EXPECT_EQ(dialoge().requests()[0].title, u"Vorlage löschen?"_s);
    EXPECT_EQ(dialoge().requests()[0].style, vb::vbOKCancel + vb::vbQuestion + vb::vbDefaultButton2);
    EXPECT_EQ(QFile::exists(ordner + u"/_Rechnung.doc"_s), antwort == vb::vbCancel);
    EXPECT_EQ(d().Datei->ListIndex(), -1);  // the list is read again
  }
  EXPECT_EQ(vorlagen(), QStringList{u"_Brief.doc"_s});
}

TEST_F(ExpWordBefehlTest, TheMenuCommandsOpenTheDialog) {
  Main& m = Main::get();
  m.show();
  QApplication::setActiveWindow(&m);
  ASSERT_TRUE(QTest::qWaitForWindowActive(&m));
  int gezeigt = 0;
  vb::Forms::setModalInterceptor([&](vb::FormBase& form) {
    if (dynamic_cast<expWord*>(&form)) ++gezeigt;
  });
  m.mnuBrfAnWord->setVisible(true);
  m.Feld(1).SetFocus();
  QTest::keyClick(m.Feld(1).editor(), Qt::Key_B, Qt::ControlModifier);
  EXPECT_EQ(gezeigt, 1);
  m.Menue->item(u"mnuPopBrfAnWord"_s)->Click();
  EXPECT_EQ(gezeigt, 2);
  // Hidden without vorlagen.ini: the shortcut does nothing.
  m.mnuBrfAnWord->setVisible(false);
  QTest::keyClick(m.Feld(1).editor(), Qt::Key_B, Qt::ControlModifier);
  EXPECT_EQ(gezeigt, 2);
  vb::Forms::setModalInterceptor({});
}
