// The mask editor on the real window, with the file and font dialogs answered from a script.
#include "common/Global.h"
#include "common/Ini.h"
#include "common/formen/File.h"
#include "mainwindow/Main.h"
#include "printing/formen/MaskenEdit.h"
#include "support/DateiDialog.h"
#include "support/Dialogtest.h"
#include "support/kern/TestUmgebung.h"

#include <QApplication>
#include <QDir>
#include <QTest>

using namespace Qt::Literals::StringLiterals;

class MaskenEditTest : public Dialogtest {
 protected:
  void SetUp() override {
    Dialogtest::SetUp();
    MaskenOrdner = tempPfad(u"masken"_s);
    QDir().mkpath(MaskenOrdner);
    // The file dialog: the test names the mask the user chooses ("" cancels).
    vb::Forms::setModalInterceptor([this](vb::FormBase& form) {
      auto* d = dynamic_cast<File*>(&form);
      if (!d) return;
      const DateiDialogAngebot angebot = DateiDialogBeantworten(*d, wahl, u".msk"_s);
      vorschlaege << angebot.vorschlag;
      ordner << angebot.ordner;
    });
  }

  MaskenEdit& e() {
    return geladen<MaskenEdit>([this](MaskenEdit& d) { d.FelderBenennen(bezeichnungen); });
  }
  Bezeichnungen bezeichnungen = standardBezeichnungen();
  QString status() { return e().StatusBar->PanelText(u"Status"_s); }
  QString maske(const QString& name) const { return MaskenOrdner + u'/' + name + u".Msk"_s; }
  QString ini() const { return MaskenOrdner + u"/Masken.Ini"_s; }
  QString speichern(const QString& name) {
    wahl = name;
    e().mnuSpeichern_Click();
    return status();
  }
  QString laden(const QString& name) {
    wahl = name;
    e().mnuLaden_Click();
    return status();
  }

  QString wahl;
  QStringList vorschlaege, ordner;
};

TEST_F(MaskenEditTest, LoadsWithTheFieldCaptionsSortedAnEmptyTextAndBereit) {
  bezeichnungen[21] = u"Briefanrede"_s;
  const QStringList& eintraege = e().ListeFelder->items();
  EXPECT_EQ(eintraege.size(), 29);
  for (const QString& e : {u"{Nachname}"_s, u"{Straße}"_s, u"{Briefanrede}"_s, u"{@Datum}"_s, u"{@Uhrzeit}"_s, u"An"_s,
                           u"Absender"_s, u"~"_s})
    EXPECT_TRUE(eintraege.contains(e)) << e.toStdString();
  EXPECT_FALSE(eintraege.contains(u"{Anrede}"_s));
  for (qsizetype i = 1; i < eintraege.size(); ++i)
    EXPECT_LE(vb::ListBox::compare(eintraege[i - 1], eintraege[i]), 0) << eintraege[i].toStdString();
  EXPECT_EQ(e().Text1->Text(), QString());
  EXPECT_EQ(e().Text1->MaxLength(), 999);
  EXPECT_EQ(e().Text1->font().family(), u"Arial"_s);
  EXPECT_EQ(status(), u"Bereit"_s);
  EXPECT_EQ(e().Caption(), u"Masken-Editor"_s);
  EXPECT_EQ(vb::Forms::helpContext(e().Text1->editor()), 360);
  EXPECT_TRUE(e().TimerHinweise->Enabled());
  EXPECT_EQ(e().TimerHinweise->Interval(), 1000);
}

TEST_F(MaskenEditTest, SaveLoadAndSaveAgainByteForByte) {
  e().Text1->setText(u"{Vorname} {Nachname}\r\n{Straße}"_s);
  EXPECT_EQ(speichern(u"Brief"_s), u"Maske BRIEF gespeichert."_s);
  EXPECT_EQ(ordner.last(), MaskenOrdner);
  EXPECT_EQ(vorschlaege.last(), QString());
  // No line end after the last line.
  EXPECT_EQ(dateiLesen(maske(u"Brief"_s)), QByteArray("{Vorname} {Nachname}\r\n{Stra\xdf"
                                                      "e}"));
  EXPECT_EQ(dateiLesen(ini()), QByteArray("[MaskenFonts]\r\nBRIEF=Arial;8.25;0;0;0;0;\r\n"));
  EXPECT_EQ(e().MaskenName, u"Brief"_s);

  e().mnuLöschen_Click();
  EXPECT_EQ(e().Text1->Text(), QString());
  EXPECT_EQ(status(), u"Bereit"_s);
  EXPECT_EQ(laden(u"Brief"_s), u"Maske BRIEF geladen."_s);
  // Clear, then load or save, proposes the mask last loaded or saved.
  EXPECT_EQ(vorschlaege.last(), u"Brief"_s);
  EXPECT_EQ(e().Text1->Text(), u"{Vorname} {Nachname}\r\n{Straße}\r\n"_s);

  dialoge().answer(vb::vbYes);  // replace the file
  EXPECT_EQ(speichern(u"Brief"_s), u"Maske BRIEF gespeichert."_s);
  EXPECT_EQ(dateiLesen(maske(u"Brief"_s)), QByteArray("{Vorname} {Nachname}\r\n{Stra\xdf"
                                                      "e}\r\n"));
}

TEST_F(MaskenEditTest, CancelledDialogsWriteAndLoadNothing) {
  e().Text1->setText(u"Text"_s);
  EXPECT_EQ(speichern(QString()), u"Maske speichern..."_s);
  EXPECT_TRUE(QDir(MaskenOrdner).entryList(QDir::Files).isEmpty());
  EXPECT_EQ(laden(QString()), u"Maske laden..."_s);
  EXPECT_EQ(e().Text1->Text(), u"Text"_s);
  EXPECT_EQ(e().MaskenName, QString());
}

TEST_F(MaskenEditTest, TheFontIsStoredWithoutStrikethroughAndAppliedOnLoad) {
  SchriftWahl w;
  w.name = u"Times New Roman"_s;
  w.groesse = 12;
  w.fett = true;
  w.durchgestrichen = true;
  w.farbe = QColor(255, 0, 0);
  dialoge().answerSchrift(w);
  e().mnuSchriftFarbe_Click();
  ASSERT_TRUE(dialoge().letzteSchriftVorgabe.has_value());
  EXPECT_EQ(dialoge().letzteSchriftVorgabe->kleinste, 4);
  EXPECT_EQ(dialoge().letzteSchriftVorgabe->groesste, 25);
  EXPECT_EQ(dialoge().letzteSchriftVorgabe->name, u"Arial"_s);
  EXPECT_TRUE(e().Text1->font().strikeOut());
  EXPECT_EQ(e().Text1->ForeColor(), QColor(255, 0, 0));

  // Cancelled, the dialog leaves the font as it was.
  dialoge().answerCancel();
  e().mnuSchriftFarbe_Click();
  EXPECT_EQ(e().Text1->font().family(), u"Times New Roman"_s);
  EXPECT_TRUE(e().Text1->font().bold());

  e().Text1->setText(u"A"_s);
  speichern(u"Rot"_s);
  EXPECT_EQ(IniLesen(ini(), u"MaskenFonts"_s, u"ROT"_s, QString()), u"Times New Roman;12;-1;0;0;255;"_s);

  // A mask with a stored font gets it; one without keeps the font in use.
  dateiSchreiben(maske(u"Ohne"_s), "B");
  IniSchreiben(ini(), u"MaskenFonts"_s, u"BLAU"_s, u"Courier New;10;0;-1;-1;16711680;"_s);
  dateiSchreiben(maske(u"Blau"_s), "C");
  laden(u"Ohne"_s);
  EXPECT_EQ(e().Text1->font().family(), u"Times New Roman"_s);
  laden(u"Blau"_s);
  EXPECT_EQ(e().Text1->font().family(), u"Courier New"_s);
  EXPECT_EQ(e().Text1->font().pointSizeF(), 10);
  EXPECT_TRUE(e().Text1->font().italic());
  EXPECT_TRUE(e().Text1->font().underline());
  EXPECT_FALSE(e().Text1->font().bold());
  EXPECT_EQ(e().Text1->ForeColor(), QColor(0, 0, 255));
}

TEST_F(MaskenEditTest, InsertPutsTheEntryAndABlankAtTheCaret) {
  e().show();
  QApplication::setActiveWindow(&e());
  struct Fall {
    const char* was;
    int selStart, selLength;
    QString eintrag;  // "" inserts nothing
    QString danach;
  };
  const Fall faelle[] = {
      {"caret inside a line", 7, 0, u"{Nachname}"_s, u"Herr\r\nE{Nachname} rna\r\n~"_s},
      {"selection replaced", 0, 4, u"An"_s, u"An \r\nErna\r\n~"_s},
      {"nothing chosen", 3, 0, QString(), u"Herr\r\nErna\r\n~"_s},
  };
  for (const Fall& f : faelle) {
    SCOPED_TRACE(f.was);
    e().Text1->setText(u"Herr\r\nErna\r\n~"_s);
    e().Text1->setSelStart(f.selStart);
    e().Text1->setSelLength(f.selLength);
    e().ListeFelder->setListIndex(f.eintrag.isEmpty() ? -1
                                                      : static_cast<int>(e().ListeFelder->items().indexOf(f.eintrag)));
    e().befFeldEinfg->setFocus();
    e().befFeldEinfg->click();
    EXPECT_EQ(e().Text1->Text(), f.danach);
    EXPECT_EQ(e().ListeFelder->ListIndex(), -1);
    if (!f.eintrag.isEmpty()) {
      EXPECT_TRUE(e().Text1->hasFocusNow());
    }
  }
  // A double click does the same.
  e().Text1->setText(QString());
  e().ListeFelder->setListIndex(static_cast<int>(e().ListeFelder->items().indexOf(u"{@Datum}"_s)));
  e().ListeFelder->DblClick();
  EXPECT_EQ(e().Text1->Text(), u"{@Datum} "_s);
}

TEST_F(MaskenEditTest, ThePositionPanelShowsLineAndCharacter) {
  struct Fall {
    QString text;
    int selStart;
    const char* panel;
    const char* tipp;
  };
  const Fall faelle[] = {
      {QString(), 0, "keine Eingaben", "keine Eingaben"},
      {u"Abcd"_s, 4, " 1 Zeile  5 / 4 Zeichen ", "1. Absatz   5 / 4 Zeichen"},
      {u"A\r\nB\r\nC"_s, 6, " 3 Zeile  7 / 7 Zeichen ", "3. Absatz   7 / 7 Zeichen"},
  };
  for (const Fall& f : faelle) {
    e().Text1->setText(f.text);
    e().Text1->setSelStart(f.selStart);
    e().TimerHinweise_Timer();
    EXPECT_EQ(e().StatusBar->PanelText(u"Position"_s), QString::fromLatin1(f.panel));
    EXPECT_EQ(e().StatusBar->Panel(u"Position"_s)->toolTip(), QString::fromLatin1(f.tipp));
  }
}

TEST_F(MaskenEditTest, ASaveThatFailsIsReportedAndChangesNothingElse) {
  dateiSchreiben(maske(u"Alt"_s), "Alt");
  laden(u"Alt"_s);
  const QByteArray iniVorher = "[MaskenFonts]\r\nANDERE=Arial;9;0;0;0;0;\r\n";
  dateiSchreiben(ini(), iniVorher);
  // A folder stands where the mask file would go: no one may write there, not even the administrator.
  QDir().mkpath(maske(u"Gesperrt"_s));
  dialoge().clear();
  e().Text1->setText(u"Neu"_s);
  EXPECT_EQ(speichern(u"Gesperrt"_s), u"Maske speichern..."_s);
  EXPECT_EQ(e().MaskenName, u"Alt"_s);
  EXPECT_EQ(dateiLesen(ini()), iniVorher);
  ASSERT_FALSE(dialoge().requests().isEmpty());
  EXPECT_TRUE(dialoge().requests().first().text.contains(maske(u"Gesperrt"_s)))
      << dialoge().requests().first().text.toStdString();
}

TEST_F(MaskenEditTest, AMaskThatCannotBeReadEndsTheLoadWithAMessage) {
  e().Text1->setText(u"bleibt"_s);
  dialoge().clear();
  EXPECT_EQ(laden(u"Fehlt"_s), u"Maske laden..."_s);
  EXPECT_EQ(e().Text1->Text(), u"bleibt"_s);
  EXPECT_EQ(e().MaskenName, QString());
  ASSERT_FALSE(dialoge().requests().isEmpty());
  EXPECT_TRUE(dialoge().requests().first().text.contains(u"Fehlt.Msk"_s));
}

TEST_F(MaskenEditTest, ALongMaskSurvivesLoadAndSaveWhole) {
  QByteArray lang;
  for (int i = 0; i < 100; ++i) lang += "{Nachname} " + QByteArray::number(1000 + i) + "\r\n";  // 1700 bytes
  dateiSchreiben(maske(u"Lang"_s), lang);
  laden(u"Lang"_s);
  EXPECT_EQ(e().Text1->Text().size(), lang.size());
  speichern(u"Kopie"_s);
  EXPECT_EQ(dateiLesen(maske(u"Kopie"_s)), lang);
  // Typing stops at the limit.
  e().show();
  e().Text1->SetFocus();
  QTest::keyClicks(e().Text1->editor(), u"xyz"_s);
  EXPECT_EQ(e().Text1->Text().size(), lang.size());
}

TEST_F(MaskenEditTest, EndeEscAndTheCloseBoxHideTheEditor) {
  const std::function<void()> wege[] = {
      [this] { e().mnuEnde->action()->trigger(); },
      [this] { QTest::keyClick(e().Text1->editor(), Qt::Key_Escape); },
      [this] { e().close(); },
  };
  for (const auto& weg : wege) {
    e().show();
    QApplication::setActiveWindow(&e());
    e().Text1->SetFocus();
    weg();
    EXPECT_FALSE(e().isVisible());
    EXPECT_TRUE(MaskenEdit::IsLoaded());
  }
}

TEST_F(MaskenEditTest, TheMenuShortcutsWinOverTheTextBox) {
  dateiSchreiben(maske(u"Brief"_s), "Hallo");
  e().show();
  QApplication::setActiveWindow(&e());
  e().Text1->SetFocus();
  e().Text1->setText(u"Text"_s);
  wahl = u"Brief"_s;
  QTest::keyClick(e().Text1->editor(), Qt::Key_L, Qt::ControlModifier);
  EXPECT_EQ(e().Text1->Text(), u"Hallo\r\n"_s);
  QTest::keyClick(e().Text1->editor(), Qt::Key_N, Qt::ControlModifier);
  EXPECT_EQ(e().Text1->Text(), QString());
  e().Text1->setText(u"Neu"_s);
  wahl = u"Zweite"_s;
  QTest::keyClick(e().Text1->editor(), Qt::Key_S, Qt::ControlModifier);
  EXPECT_EQ(dateiLesen(maske(u"Zweite"_s)), QByteArray("Neu"));
}

// The main window's command, which hands the dialog the captions the window shows.
class MaskenEditBefehlTest : public KartulonTest {};

TEST_F(MaskenEditBefehlTest, TheMainWindowOpensItModallyWithCtrlJAndUnloadsIt) {
  Main& m = Main::get();
  m.Bezeichnung1(21).setCaption(u"Briefanrede"_s);
  int gezeigt = 0;
  vb::Forms::setModalInterceptor([&](vb::FormBase& f) {
    if (auto* e = dynamic_cast<MaskenEdit*>(&f)) {
      ++gezeigt;
      EXPECT_TRUE(e->ListeFelder->items().contains(u"{Briefanrede}"_s));
      EXPECT_EQ(e->ListeFelder->ListCount(), 29);
    }
    f.Hide();
  });
  m.show();
  QApplication::setActiveWindow(&m);
  ASSERT_TRUE(m.mnuMaskenEdit->Bereit());
  QTest::keyClick(&m, Qt::Key_J, Qt::ControlModifier);
  EXPECT_EQ(gezeigt, 1);
  EXPECT_FALSE(MaskenEdit::IsLoaded());
}
