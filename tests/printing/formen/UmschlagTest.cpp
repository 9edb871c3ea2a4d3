// The envelope dialog handed one record, with fixture settings in Zedured.ini, masks in a folder of their
// own and the recording printer; and the main window's envelope commands.
#include "common/Benutzer.h"
#include "common/Global.h"
#include "common/Ini.h"
#include "common/Schrift.h"
#include "mainwindow/Main.h"
#include "platform/dienste/FontObject.h"
#include "platform/vb/Codec.h"
#include "platform/vb/IniDatei.h"
#include "printing/Logo.h"
#include "printing/formen/PrinterSet.h"
#include "printing/formen/Umschlag.h"
#include "store/Maske.h"
#include "support/Dialogtest.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTest>

using namespace Qt::Literals::StringLiterals;
using Op = vb::RecordingPrinter::Op;

namespace {

class UmschlagTest : public Dialogtest {
 protected:
  void SetUp() override {
    Dialogtest::SetUp();
    MaskenOrdner = tempPfad(u"masken"_s);
    QDir().mkpath(MaskenOrdner);
    maske(u"Umschlag"_s, "{Vorname} {Nachname}\r\n{Ort}");
    maske(u"Anders"_s, "{Ort}");
    AktuelleDatei = tempPfad(u"Privat.dat"_s);
    IniSchreiben(QString(), u"Allgemein"_s, u"User"_s, u"Erika"_s);
    user = BenutzerName();
    vb::Forms::setModalInterceptor([this](vb::FormBase& form) {
      auto* optionen = dynamic_cast<PrinterSet*>(&form);
      if (!optionen) return;
      ++optionenGezeigt;
      optionenTitel = optionen->Caption();
      anzahlAn = optionen->ComboAnzahl->isEnabled();
      if (abbrechen) {
        optionen->befAbbrechen_Click();
        return;
      }
      optionen->BefOk_Click();
    });
  }

  void maske(const QString& name, const QByteArray& text) {
    dateiSchreiben(MaskenOrdner + u'/' + name + u".msk"_s, text);
  }
  static void setze(const QString& schluessel, const QString& wert) {
    IniSchreiben(QString(), QString(), schluessel, wert);
  }
  static QString lies(const QString& schluessel) { return IniLesen(QString(), QString(), schluessel, u"?"_s); }
  QByteArray ini() const { return dateiLesen(windowsOrdner() + u"/Zedured.ini"_s); }
  // A fresh dialog, as every opening loads it and hands it the shown record.
  Umschlag& neu() {
    Umschlag::Unload();
    return geladen<Umschlag>([this](Umschlag& d) { d.DatensatzUebernehmen(satz, standardBezeichnungen()); });
  }
  QString gefuellt(const QString& name) const { return MaskeFuellen(name, satz, standardBezeichnungen()); }
  static QString schriftName(vb::TextBox* b) { return vb::WidgetFont(b).fontName().value_or(QString()); }
  QStringList gedruckt() {
    QStringList t;
    for (const Op& o : drucker().texts()) t << o.text;
    return t;
  }

  const QString satz = zeileAus({{1, u"Adler"_s}, {2, u"Anna"_s}, {5, u"Ahlen"_s}});
  QString user;
  bool abbrechen = false;
  int optionenGezeigt = 0;
  QString optionenTitel;
  bool anzahlAn = true;
};

TEST_F(UmschlagTest, StoredSettingsFillTheBoxesListsFontsAndHint) {
  const QString entwurf = schriftName(neu().TxtAbsender);
  const struct {
    const char* fall;
    std::vector<std::pair<QString, QString>> werte;  // keys with "%u" for the user
    QString absender;
    bool hinweis;
    int format;
    QString maske;
    QString schriftAbs, schriftAns;  // "" the design's
  } faelle[] = {
      {"none", {}, u"Ihr Absender"_s, true, 1, u"Umschlag"_s, {}, {}},
      {"size 9", {{u"Umschlagsgröße"_s, u"9"_s}}, u"Ihr Absender"_s, true, 0, u"Umschlag"_s, {}, {}},
      {"size -1", {{u"Umschlagsgröße"_s, u"-1"_s}}, u"Ihr Absender"_s, true, 0, u"Umschlag"_s, {}, {}},
      {"size x", {{u"Umschlagsgröße"_s, u"x"_s}}, u"Ihr Absender"_s, true, 0, u"Umschlag"_s, {}, {}},
      {"size 7", {{u"Umschlagsgröße"_s, u" 7"_s}}, u"Ihr Absender"_s, true, 7, u"Umschlag"_s, {}, {}},
      {"mask in other case",
       {{u"User_%u_UmschlagsMaske"_s, u"anders"_s}},
       u"Ihr Absender"_s,
       true,
       1,
       u"Anders"_s,
       {},
       {}},
      {"unknown mask", {{u"User_%u_UmschlagsMaske"_s, u"Weg"_s}}, u"Ihr Absender"_s, true, 1, u"Anders"_s, {}, {}},
      {"user's sender",
       {{u"User_%u"_s, u"Erika Ems**Weg 1"_s}},
       u"Erika Ems\r\nWeg 1"_s,
       false,
       1,
       u"Umschlag"_s,
       {},
       {}},
      {"both senders",
       {{u"User_%u"_s, u"Erika"_s}, {u"UmschlagSpezialAbsender_Privat"_s, u"Verein"_s}},
       u"Verein"_s,
       false,
       1,
       u"Umschlag"_s,
       {},
       {}},
      {"old font keys",
       {{u"Font_Abs_%u"_s, u"Courier New;9;0;0;0;0;"_s}, {u"Font_Ans_%u"_s, u"Courier New;9;0;0;0;0;"_s}},
       u"Ihr Absender"_s,
       true,
       1,
       u"Umschlag"_s,
       u"Courier New"_s,
       u"Courier New"_s},
      {"new keys win over old",
       {{u"Font_Abs_%u"_s, u"Courier New;9;0;0;0;0;"_s},
        {u"User_%u_FontAbs"_s, u"Times New Roman;12;-1;0;0;255;"_s},
        {u"User_%u_FontAns"_s, u"Times New Roman;14;0;0;0;0;"_s}},
       u"Ihr Absender"_s,
       true,
       1,
       u"Umschlag"_s,
       u"Times New Roman"_s,
       u"Times New Roman"_s},
  };
  for (const auto& f : faelle) {
    SCOPED_TRACE(f.fall);
    QFile::remove(windowsOrdner() + u"/Zedured.ini"_s);
    Profil::verwerfen();
    IniSchreiben(QString(), u"Allgemein"_s, u"User"_s, u"Erika"_s);
    for (const auto& [k, v] : f.werte) setze(QString(k).replace(u"%u"_s, user), v);
    Umschlag& d = neu();
    EXPECT_EQ(d.TxtAbsender->Text(), f.absender);
    EXPECT_EQ(d.bezSaveInfo->isVisibleTo(&d), f.hinweis);
    EXPECT_EQ(d.KombiFormat->ListCount(), 8);
    EXPECT_EQ(d.KombiFormat->ListIndex(), f.format);
    EXPECT_EQ(d.ComboMasken->Text(), f.maske);
    EXPECT_EQ(d.TxtAnschrift->Text(), gefuellt(f.maske));
    EXPECT_EQ(schriftName(d.TxtAbsender), f.schriftAbs.isEmpty() ? entwurf : f.schriftAbs);
    EXPECT_EQ(schriftName(d.TxtAnschrift), f.schriftAns.isEmpty() ? entwurf : f.schriftAns);
    EXPECT_EQ(d.TxtAbsender->BackColor(), d.palette().color(QPalette::Window));
  }
  // The address is the current record in the mask.
  EXPECT_TRUE(gefuellt(u"Umschlag"_s).startsWith(u"Anna Adler\r\nAhlen"_s));
  // The new keys' fonts, colour included.
  EXPECT_EQ(vb::WidgetFont(Umschlag::get().TxtAbsender).foreColor(), std::optional<long>(255));
  EXPECT_EQ(vb::WidgetFont(Umschlag::get().TxtAnschrift).fontSize(), std::optional<double>(14));
}

TEST_F(UmschlagTest, SavingWritesEveryKeyAndHidesTheHint) {
  setze(u"Font_Abs_"_s + user, u"Courier New;9;0;0;0;0;"_s);
  Umschlag& d = neu();
  d.TxtAbsender->setText(u"Erika Ems\r\nWeg 1  "_s);
  vb::WidgetFont abs(d.TxtAbsender);
  abs.setFontName(u"Times New Roman"_s);
  abs.setFontSize(12);
  abs.setFontBold(true);
  abs.setForeColor(vb::RGB(0, 0, 255));
  d.KombiFormat->setListIndex(1);
  d.ComboMasken->setListIndex(d.ComboMasken->findText(u"Anders"_s));
  d.PulEinstellSichern_Click();
  EXPECT_FALSE(d.bezSaveInfo->isVisibleTo(&d));
  const QByteArray bytes = ini();
  const QByteArray u = user.toLatin1();
  for (const QByteArray& zeile : QList<QByteArray>{
           "\r\nUser_" + u + "=Erika Ems**Weg 1\r\n", "\r\nUmschlagSpezialAbsender_Privat=Erika Ems**Weg 1\r\n",
           "\r\nUser_" + u + "_FontAbs=" + SchriftAlsText(d.TxtAbsender).toLatin1() + "\r\n",
           "\r\nUser_" + u + "_FontAns=" + SchriftAlsText(d.TxtAnschrift).toLatin1() + "\r\n",
           QByteArray("\r\nUmschlagsgr\xf6\xdf"
                      "e= 1\r\n"),
           "\r\nUser_" + u + "_UmschlagsMaske=Anders\r\n"})
    EXPECT_TRUE(bytes.contains(zeile)) << zeile.toStdString() << "\n" << bytes.toStdString();
  EXPECT_TRUE(SchriftAlsText(d.TxtAbsender).startsWith(u"Times New Roman;12;-1;0;0;16711680;"_s));
  // The old key is never written, and the next opening shows what was saved.
  EXPECT_EQ(lies(u"Font_Abs_"_s + user), u"Courier New;9;0;0;0;0;"_s);
  Umschlag& wieder = neu();
  EXPECT_EQ(schriftName(wieder.TxtAbsender), u"Times New Roman"_s);
  EXPECT_EQ(wieder.TxtAbsender->Text(), u"Erika Ems\r\nWeg 1"_s);
  EXPECT_EQ(wieder.ComboMasken->Text(), u"Anders"_s);
}

TEST_F(UmschlagTest, SwappingTwiceRestoresAndCtrlVSwapsInsteadOfPasting) {
  Umschlag& d = neu();
  const QString lang = QString(u"x"_s).repeated(300);
  d.TxtAnschrift->setText(lang);
  d.TxtAbsender->setText(u"Ich"_s);
  d.mnuFlipAA_Click();
  // Longer than the sender box lets anyone type: it stays whole.
  EXPECT_EQ(d.TxtAbsender->Text(), lang);
  EXPECT_EQ(d.TxtAnschrift->Text(), u"Ich"_s);
  d.mnuFlipAA_Click();
  EXPECT_EQ(d.TxtAnschrift->Text(), lang);
  EXPECT_EQ(d.TxtAbsender->Text(), u"Ich"_s);

  zwischenablage().textSetzen(u"Eingefügt"_s);
  d.show();
  QApplication::setActiveWindow(&d);
  d.TxtAbsender->SetFocus();
  QTest::keyClick(d.TxtAbsender->editor(), Qt::Key_V, Qt::ControlModifier);
  EXPECT_EQ(d.TxtAbsender->Text(), lang);
  EXPECT_EQ(d.TxtAnschrift->Text(), u"Ich"_s);
  // Typing into the sender shows the hint.
  d.bezSaveInfo->setVisible(false);
  QTest::keyClicks(d.TxtAbsender->editor(), u"a"_s);
  EXPECT_TRUE(d.bezSaveInfo->isVisible());
}

TEST_F(UmschlagTest, AnotherMaskReplacesTheAddressEditsIncluded) {
  Umschlag& d = neu();
  d.TxtAnschrift->setText(u"getippt"_s);
  d.ComboMasken->setListIndex(d.ComboMasken->findText(u"Anders"_s));
  EXPECT_EQ(d.TxtAnschrift->Text(), gefuellt(u"Anders"_s));
  EXPECT_FALSE(d.TxtAnschrift->Text().contains(u"getippt"_s));
}

TEST_F(UmschlagTest, TheFontDialogsOfferFourToFiftyAndACancelChangesNothing) {
  Umschlag& d = neu();
  const QString vorher = SchriftAlsText(d.TxtAbsender);
  dialoge().answerCancel();
  d.PulSchriftAbsender_Click();
  EXPECT_EQ(SchriftAlsText(d.TxtAbsender), vorher);
  QFont times(u"Times New Roman"_s);
  times.setPointSizeF(20);
  dialoge().answerFont(times);
  d.PulSchriftAnschrift_Click();
  EXPECT_EQ(schriftName(d.TxtAnschrift), u"Times New Roman"_s);
  EXPECT_EQ(vb::WidgetFont(d.TxtAnschrift).fontSize(), std::optional<double>(20));
  ASSERT_EQ(dialoge().requests().size(), 2);
  for (const auto& r : dialoge().requests()) {
    EXPECT_EQ(r.kind, u"schrift"_s);
    EXPECT_EQ(r.title, u"4-50"_s);
  }
}

TEST_F(UmschlagTest, ZurueckF12EscAndTheCloseBoxHideWithoutSaving) {
  Umschlag& d = neu();
  const std::function<void()> wege[] = {
      [&d] { d.PulEnde->action()->trigger(); },
      [&d] { QTest::keyClick(d.TxtAbsender->editor(), Qt::Key_F12); },
      [&d] { QTest::keyClick(d.TxtAbsender->editor(), Qt::Key_Escape); },
      [&d] { d.close(); },
  };
  for (const auto& weg : wege) {
    d.show();
    QApplication::setActiveWindow(&d);
    d.TxtAbsender->SetFocus();
    d.TxtAbsender->setText(u"Neu"_s);
    weg();
    EXPECT_FALSE(d.isVisible());
    EXPECT_TRUE(Umschlag::IsLoaded());
  }
  EXPECT_EQ(lies(u"User_"_s + user), u"?"_s);
  EXPECT_EQ(drucker().ops().size(), 0);
}

// The print: the print options under the envelope's preset with one copy, the log appended in the file's
// own encoding before the page, and the dialog closed after a finished print.
TEST_F(UmschlagTest, PrintingLogsInTheFilesEncodingThenPrintsAndCloses) {
  const struct {
    const char* fall;
    QByteArray alt;  // nullptr-like: no file
    bool datei;
    Codec::Kodierung kodierung;
  } faelle[] = {
      {"Windows-1252", "alt\r\n", true, Codec::Kodierung::Windows1252},
      {"UTF-8", "\xc3\xa4lter\r\n", true, Codec::Kodierung::Utf8},
      {"no file", {}, false, Codec::Kodierung::Windows1252},
  };
  for (const auto& f : faelle) {
    SCOPED_TRACE(f.fall);
    drucker().clear();
    const QString log = tempPfad(QString::fromLatin1(f.fall) + u".log"_s);
    if (f.datei) dateiSchreiben(log, f.alt);
    setze(u"UmschlagLogbuch"_s, log);
    Umschlag& d = neu();
    d.TxtAbsender->setText(u"Jörg"_s);
    d.show();
    optionenGezeigt = 0;
    d.PulDrucken_Click();
    EXPECT_EQ(optionenGezeigt, 1);
    EXPECT_EQ(optionenTitel, u"Drucken - Kartulon Umschlag"_s);
    EXPECT_FALSE(anzahlAn);
    EXPECT_EQ(PresetName, u"Kartulon_Umschlag"_s);
    EXPECT_FALSE(PrinterSet::IsLoaded());
    EXPECT_FALSE(d.isVisible());
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    EXPECT_EQ(drucker().jobsEnded(), 1);
    EXPECT_TRUE(gedruckt().contains(u"Jörg"_s));
    if (!f.datei) {
      EXPECT_FALSE(QFile::exists(log));
      continue;
    }
    const QString eintrag = u"\r\nAm        10.12.2026 12:00\r\nAnschrift "_s +
                            d.TxtAnschrift->Text().remove(u'\n').replace(u"\r"_s, u" ~ "_s) +
                            u"\r\nAbsender  Jörg\r\nUser      "_s + user + u"\r\n"_s;
    EXPECT_EQ(dateiLesen(log), f.alt + Codec::kodieren(eintrag, f.kodierung));
  }
}

// The shipped envelope mask prints a German address block: its lines follow one another without a gap.
TEST_F(UmschlagTest, TheShippedMaskPrintsTheAddressBlockWithoutABlankLine) {
  QFile::remove(MaskenOrdner + u"/Umschlag.msk"_s);
  ASSERT_TRUE(QFile::copy(QStringLiteral(KARTULON_DATA_DIR "/Umschlag.Msk"), MaskenOrdner + u"/Umschlag.Msk"_s));
  Umschlag::Unload();
  Umschlag& d = geladen<Umschlag>([](Umschlag& u) {
    u.DatensatzUebernehmen(
        zeileAus(
            {{1, u"Adler"_s}, {2, u"Anna"_s}, {3, u"Lindenweg"_s}, {4, u"59227"_s}, {5, u"Ahlen"_s}, {21, u"Frau"_s}}),
        standardBezeichnungen());
  });
  d.TxtAbsender->setText(QString());
  d.PulDrucken_Click();
  ASSERT_EQ(drucker().jobsEnded(), 1);
  QList<double> zeilen;
  double hoehe = 0;
  for (const Op& o : drucker().texts()) {
    if (!QStringList{u"Frau"_s, u"Anna "_s, u"Lindenweg"_s, u"59227 "_s}.contains(o.text)) continue;
    zeilen << o.at.twipsY;
    hoehe = vb::RecordingPrinter::lineHeight(o.font.size);
  }
  ASSERT_EQ(zeilen.size(), 4);
  for (qsizetype i = 1; i < zeilen.size(); ++i) EXPECT_DOUBLE_EQ(zeilen[i] - zeilen[i - 1], hoehe) << i;
}

TEST_F(UmschlagTest, CancellingThePrintOptionsPrintsAndLogsNothing) {
  const QString log = dateiSchreiben(tempPfad(u"u.log"_s), "alt\r\n");
  setze(u"UmschlagLogbuch"_s, log);
  abbrechen = true;
  Umschlag& d = neu();
  d.show();
  d.PulDrucken_Click();
  EXPECT_TRUE(d.isVisible());
  EXPECT_FALSE(PrinterSet::IsLoaded());
  EXPECT_EQ(dateiLesen(log), QByteArray("alt\r\n"));
  EXPECT_TRUE(drucker().ops().isEmpty());
}

TEST_F(UmschlagTest, OnlyTheExactWordSwitchesTheLogoOn) {
  const struct {
    QByteArray wert;
    bool logo;
  } faelle[] = {{"Sorvek", true}, {"sorvek", false}, {"SORVEK", false}, {"Sorvek2", false}, {"", false}};
  for (const auto& f : faelle) {
    SCOPED_TRACE(f.wert.toStdString());
    drucker().clear();
    // Written as bytes, as a user would edit the file.
    dateiSchreiben(windowsOrdner() + u"/Zedured.ini"_s,
                   "[" + IniProgrammSektion().toLatin1() + "]\r\nLogo4Umschlag=" + f.wert + "\r\n");
    Profil::verwerfen();
    ASSERT_EQ(IniLesen(QString(), QString(), u"Logo4Umschlag"_s, QString()).toLatin1(), f.wert);
    Umschlag& d = neu();
    d.PulDrucken_Click();
    EXPECT_EQ(gedruckt().contains(QString::fromUtf16(kLogoZeilen[0])), f.logo);
    EXPECT_EQ(drucker().jobsEnded(), 1);
  }
}

TEST_F(UmschlagTest, AFailingPrinterReportsOnceAndKeepsTheDialogOpen) {
  drucker().setFailing(true);
  dialoge().answer(vb::vbYes);
  Umschlag& d = neu();
  d.show();
  d.PulDrucken_Click();
  EXPECT_EQ(dialoge().requests().size(), 1);
  EXPECT_TRUE(d.isVisible());
  EXPECT_FALSE(PrinterSet::IsLoaded());
  EXPECT_FALSE(vb::Printer().InJob());
  EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

// The main window's envelope commands, over the record as the window shows it.
class UmschlagBefehlTest : public UmschlagTest {
 protected:
  void SetUp() override {
    UmschlagTest::SetUp();
    Main::get().Bestand->setItems({satz});
    Main::get().Liste->setListIndex(0);
  }
  bool mitHauptfenster() const override { return true; }
};

TEST_F(UmschlagBefehlTest, TheMenuCommandAndTheToolbarKeyOpenAFreshDialogModally) {
  int gezeigt = 0;
  vb::Forms::setModalInterceptor([this, &gezeigt](vb::FormBase& f) {
    auto* d = dynamic_cast<Umschlag*>(&f);
    if (!d) return;
    ++gezeigt;
    EXPECT_EQ(d->TxtAnschrift->Text(), gefuellt(u"Umschlag"_s));
    d->TxtAbsender->setText(u"geändert"_s);
    d->pulEnde_Click();
  });
  Main::get().PulBriefumschlag_Click();
  EXPECT_FALSE(Umschlag::IsLoaded());
  Main::get().Toolbar_ButtonClick(u"Umschlag"_s);
  EXPECT_FALSE(Umschlag::IsLoaded());
  EXPECT_EQ(gezeigt, 2);
  EXPECT_TRUE(Main::get().Menue->item(u"PulBriefumschlag"_s)->Enabled());
}

// The window envelope asks for the sender line of the open file every time and keeps it per file.
TEST_F(UmschlagBefehlTest, TheWindowEnvelopeAsksForTheSenderLineAndKeepsItPerFile) {
  const struct {
    const char* fall;
    QString datei;
    std::optional<QString> antwort;  // nullopt: cancelled
    QString vorschlag;
    bool gedruckt;
    QString gespeichert;  // "?" none
  } faelle[] = {
      {"first use", u"Privat.dat"_s, u"Erika Ems, Weg 1, 12345 Ort  "_s, user, true, u"Erika Ems, Weg 1, 12345 Ort"_s},
      {"again", u"Privat.dat"_s, u"Neu"_s, u"Erika Ems, Weg 1, 12345 Ort"_s, true, u"Neu"_s},
      {"cancelled", u"Privat.dat"_s, std::nullopt, u"Neu"_s, false, u"Neu"_s},
      {"empty", u"Privat.dat"_s, u""_s, u"Neu"_s, false, u"Neu"_s},
      {"another file", u"Verein.x.dat"_s, u"Club"_s, user, true, u"Club"_s},
  };
  for (const auto& f : faelle) {
    SCOPED_TRACE(f.fall);
    drucker().clear();
    AktuelleDatei = tempPfad(f.datei);
    const QString basis = f.datei.section(u'.', 0, 0);
    const int vorher = static_cast<int>(dialoge().requests().size());
    if (f.antwort)
      dialoge().answerText(*f.antwort);
    else
      dialoge().answerCancel();
    Main::get().mnuPrnUmschlagsfenster_Click();
    ASSERT_EQ(dialoge().requests().size(), vorher + 1);
    const auto& r = dialoge().requests().last();
    EXPECT_EQ(r.kind, u"inputbox"_s);
    EXPECT_EQ(r.text, u"Bitte die Absenderzeile festlegen."_s);
    EXPECT_EQ(r.title, u"Absenderzeile für Umschlagsfenster"_s);
    EXPECT_EQ(r.standard, f.vorschlag);
    EXPECT_EQ(lies(u"AbsenderZeile_"_s + basis), f.gespeichert);
    EXPECT_EQ(drucker().jobsEnded(), f.gedruckt ? 1 : 0);
    if (!f.gedruckt) {
      EXPECT_TRUE(drucker().ops().isEmpty());
      continue;
    }
    const QStringList t = gedruckt();
    EXPECT_EQ(t.first().trimmed(), f.gespeichert.section(u' ', 0, 0));
    EXPECT_TRUE(t.contains(u"Adler"_s));  // the mask "Umschlag" with the current record
  }
  EXPECT_EQ(lies(u"AbsenderZeile_Privat"_s), u"Neu"_s);
}

}  // namespace
