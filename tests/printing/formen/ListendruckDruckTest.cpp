// Printing the chosen addresses from the list-print dialog on the recording printer. Its fixed metrics
// (a line is 24 twips per point, so 270 twips at 11.25 pt; the page's printable height is 16200 twips)
// give every expected position: a page ends after a block when the position plus two lines and 0.5 cm
// (283.46 twips) reaches 16200, and a block is moved to the next page when its last line would not pass
// the word-wrap's bottom test (the line's top plus 1.5 lines below 16200 less two lines).
#include "common/Global.h"
#include "common/Ini.h"
#include "mainwindow/Main.h"
#include "platform/dienste/Printer.h"
#include "printing/formen/Listendruck.h"
#include "printing/formen/PrinterSet.h"
#include "support/Dialogtest.h"
#include "support/kern/TestUmgebung.h"
#include "support/kern/Warten.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QMap>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>

using namespace Qt::Literals::StringLiterals;
using Op = vb::RecordingPrinter::Op;

namespace {

constexpr double kZeile = 270;  // Arial 11.25
constexpr double kTwipsProMm = 1440 / 25.4;

class ListendruckDruckTest : public Dialogtest {
 protected:
  void SetUp() override {
    Dialogtest::SetUp();
    MaskenOrdner = tempPfad(u"masken"_s);
    QDir().mkpath(MaskenOrdner);
    DateiBeschreibung = u"Liste"_s;
    maske(u"Eins"_s, "{Nachname}");
    maske(u"Drei"_s, "{Nachname}\r\n{Vorname}\r\n{Ort}");
    vb::Forms::setModalInterceptor([this](vb::FormBase& form) {
      auto* optionen = dynamic_cast<PrinterSet*>(&form);
      if (!optionen) return;
      ++optionenGezeigt;
      optionenTitel = optionen->Caption();
      if (abbrechen) {
        optionen->befAbbrechen_Click();
        return;
      }
      if (kopien > 0) optionen->ComboAnzahl->setListIndex(kopien - 1);
      optionen->BefOk_Click();
    });
  }

  void maske(const QString& name, const QByteArray& text) {
    dateiSchreiben(MaskenOrdner + u'/' + name + u".msk"_s, text);
  }
  // n addresses N001/V001/O001 ..., the first one current (in the main window too, where there is one);
  // a fresh dialog handed them with every line selected and the mask chosen.
  Listendruck& liste(int n, const QString& mask = u"Eins"_s, bool alle = true) {
    Listendruck::Unload();
    QStringList z;
    for (int i = 1; i <= n; ++i)
      z << zeileAus({{1, u"N%1"_s.arg(i, 3, 10, QChar(u'0'))},
                     {2, u"V%1"_s.arg(i, 3, 10, QChar(u'0'))},
                     {5, u"O%1"_s.arg(i, 3, 10, QChar(u'0'))}});
    const int aktuell = n > 0 ? 0 : -1;
    if (mitHauptfenster()) {
      Main::get().Bestand->setItems(z);
      Main::get().Liste->setListIndex(aktuell);
    }
    Listendruck& d =
        geladen<Listendruck>([&](Listendruck& l) { l.TabelleUebernehmen(z, aktuell, standardBezeichnungen()); });
    if (alle) d.BefAuswahl_Click(1);
    d.ComboMasken->setListIndex(d.ComboMasken->findText(mask));
    return d;
  }

  // The jobs as the printer got them: the texts of the page (without the blank that starts the job and
  // the footer), the footers, and whether the job was ended or discarded.
  struct Job {
    QList<Op> texte;
    int fuesse = 0;
    bool beendet = false, verworfen = false;
  };
  QList<Job> jobs() {
    QList<Job> j;
    for (const Op& o : drucker().ops()) {
      if (o.kind == vb::RecordingPrinter::StartDoc) j.append(Job{});
      if (j.isEmpty()) continue;
      if (o.kind == vb::RecordingPrinter::EndDoc) j.last().beendet = true;
      if (o.kind == vb::RecordingPrinter::KillDoc) j.last().verworfen = true;
      if (o.kind != vb::RecordingPrinter::Text) continue;
      if (o.font.size == 6 && o.font.italic && o.text.contains(u"Ausdruck vom"_s))
        ++j.last().fuesse;
      else if (o.font.size != 1)
        j.last().texte.append(o);
    }
    return j;
  }
  // The printed lines: the words that the word-wrap printed one by one on a line, joined.
  static QStringList texte(const Job& j) {
    QStringList t;
    double y = -1;
    for (const Op& o : j.texte) {
      if (!t.isEmpty() && o.at.twipsY == y)
        t.last() += o.text;
      else
        t << o.text;
      y = o.at.twipsY;
    }
    return t;
  }
  QStringList meldungen() {
    QStringList m;
    for (const auto& r : dialoge().requests()) m << r.text;
    return m;
  }
  QList<ScriptedDialogs::Request> fehlerberichte() {
    QList<ScriptedDialogs::Request> f;
    for (const auto& r : dialoge().requests())
      if (r.title == u"Fehler im Programm Kartulon"_s) f << r;
    return f;
  }

  // After every run: the controls, the pointer and the progress bar are back, no timer is armed and the
  // print-options dialog is gone.
  void nachDemLauf(Listendruck& d) {
    EXPECT_TRUE(d.BefOk->isEnabled());
    EXPECT_TRUE(d.Liste->isEnabled());
    EXPECT_FALSE(d.ZeitNeuauswahl->Enabled());
    EXPECT_FALSE(d.ZeitAutoPersBogen->Enabled());
    EXPECT_FALSE(d.ProgressBar->isVisibleTo(&d));
    EXPECT_FALSE(PrinterSet::IsLoaded());
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    EXPECT_FALSE(vb::Printer().InJob());
  }

  int kopien = 0;  // 0: the preset's
  bool abbrechen = false;
  int optionenGezeigt = 0;
  QString optionenTitel;
};

QString nummer(int i) { return u"%1"_s.arg(i, 3, 10, QChar(u'0')); }

TEST_F(ListendruckDruckTest, PageBreaksKeepEveryAddressWholeAndEveryLineOnce) {
  struct Fall {
    const char* maske;
    int zeilen;  // lines per address
    bool titel;
    int adressen;
    QList<int> proSeite;
  };
  const Fall faelle[] = {
      // 57 one-line blocks: after the 57th the position is 15390, past 16200 - 540 - 283.46.
      {"Eins", 1, false, 60, {57, 3}},
      // The title line (13.25 pt, 318 twips) and an empty line first: 55 fit.
      {"Eins", 1, true, 60, {55, 5}},
      {"Drei", 3, false, 40, {19, 19, 2}},
      // The 19th block would start at 15168: its second line fails the bottom test, so it starts page 2.
      {"Drei", 3, true, 40, {18, 18, 4}},
  };
  for (const Fall& f : faelle) {
    SCOPED_TRACE(f.maske + (f.titel ? u" with title"_s : u""_s).toStdString());
    drucker().clear();
    Listendruck& d = liste(f.adressen, QString::fromLatin1(f.maske));
    d.TxtÜberschrift->setText(f.titel ? u"Liste"_s : QString());
    d.show();
    d.BefOk_Click();
    EXPECT_FALSE(d.isVisible());  // a finished run hides the dialog
    nachDemLauf(d);
    const QList<Job> j = jobs();
    ASSERT_EQ(j.size(), f.proSeite.size());
    int adresse = 1;
    for (qsizetype s = 0; s < j.size(); ++s) {
      SCOPED_TRACE("job " + std::to_string(s + 1));
      EXPECT_TRUE(j[s].beendet);
      EXPECT_EQ(j[s].fuesse, 1);
      QStringList soll;
      if (f.titel) soll << u"Liste, Seite %1"_s.arg(s + 1);
      for (int a = 0; a < f.proSeite[s]; ++a, ++adresse) {
        soll << u"N"_s + nummer(adresse);
        if (f.zeilen == 3) soll << u"V"_s + nummer(adresse) << u"O"_s + nummer(adresse);
      }
      ASSERT_EQ(texte(j[s]), soll);
      // Line k of the page's addresses lies k lines below the first; the title sits at the top.
      const double erste = f.titel ? 318 + kZeile : 0;
      for (qsizetype k = f.titel ? 1 : 0; k < j[s].texte.size(); ++k) {
        const double y = erste + static_cast<double>(k - (f.titel ? 1 : 0)) * kZeile;
        EXPECT_NEAR(j[s].texte[k].at.twipsY, y, 0.01) << j[s].texte[k].text.toStdString();
        EXPECT_NEAR(j[s].texte[k].at.twipsX, 0, 0.01);
      }
      if (f.titel) {
        EXPECT_NEAR(j[s].texte[0].at.twipsY, 0, 0.01);
        EXPECT_EQ(j[s].texte[0].font.size, 13.25);
      }
    }
    EXPECT_EQ(adresse, f.adressen + 1);
    EXPECT_EQ(optionenTitel, u"Drucken - Kartulon "_s + QString::fromLatin1(f.maske));
    EXPECT_EQ(PresetName, u"Kartulon_"_s + QString::fromLatin1(f.maske));
  }
}

TEST_F(ListendruckDruckTest, TopDistanceAndMarginsHoldForTitleAndAddresses) {
  struct Fall {
    const char* was;
    const char* randOben;  // nullptr: not set
    QByteArray preset;     // DuroVar.ini section of the job
    double x, y;           // the title line's corner in twips from the printable corner
  };
  const Fall faelle[] = {
      {"none", nullptr, "", 0, 0},
      {"RandOben 15", "15", "", 0, 15 * kTwipsProMm},
      {"RandOben 1,5 reads as 1", "1,5", "", 0, 1 * kTwipsProMm},
      {"margins from the preset", nullptr, "RandX=20\r\nRandY=10\r\n", 20 * kTwipsProMm, 10 * kTwipsProMm},
      {"both", "15", "RandX=5\r\nRandY=10\r\n", 5 * kTwipsProMm, 25 * kTwipsProMm},
  };
  for (const Fall& f : faelle) {
    SCOPED_TRACE(f.was);
    drucker().clear();
    IniSchreiben(QString(), u"Drucker"_s, u"RandOben"_s, f.randOben ? QString::fromLatin1(f.randOben) : QString());
    dateiSchreiben(windowsOrdner() + u"/DuroVar.ini"_s, "[Kartulon_Drei]\r\n" + f.preset);
    Listendruck& d = liste(40, u"Drei"_s);
    d.TxtÜberschrift->setText(u"Liste"_s);
    d.BefOk_Click();
    const QList<Job> j = jobs();
    ASSERT_GE(j.size(), 2);
    for (const Job& job : j) {
      ASSERT_GE(job.texte.size(), 2);
      EXPECT_NEAR(job.texte[0].at.twipsX, f.x, 0.01);
      EXPECT_NEAR(job.texte[0].at.twipsY, f.y, 0.01);
      EXPECT_NEAR(job.texte[1].at.twipsX, f.x, 0.01);
      EXPECT_NEAR(job.texte[1].at.twipsY, f.y + 318 + kZeile, 0.01);
      // Nothing leaves the page, and every line starts at the left margin.
      for (const Op& o : job.texte) {
        EXPECT_NEAR(o.at.twipsX, f.x, 0.01) << o.text.toStdString();
        EXPECT_LT(o.at.twipsY + kZeile, vb::RecordingPrinter::kHeight) << o.text.toStdString();
      }
    }
    // Every address once, whatever the margins.
    QStringList alle;
    for (const Job& job : j) alle << texte(job).mid(1);
    EXPECT_EQ(alle.size(), 120);
    EXPECT_EQ(alle.removeDuplicates(), 0);
  }
}

TEST_F(ListendruckDruckTest, ThePrintFontIsTheMasksOrArialAndAMissingFontPrintsInArial) {
  struct Fall {
    const char* ini;  // Masken.Ini entry for the mask; nullptr: none
    vb::PrinterFontSpec schrift;
    long farbe;
  };
  const Fall faelle[] = {
      {nullptr, {u"Arial"_s, 11.25, false, false, false, false}, 0},
      {"Courier New;14;-1;0;0;255;", {u"Courier New"_s, 14, true, false, false, false}, 255},
      // A Windows font this machine does not have: Arial at the mask's size and style.
      {"Palatino Linotype;9;0;-1;-1;0;", {u"Arial"_s, 9, false, true, true, false}, 0},
  };
  for (const Fall& f : faelle) {
    SCOPED_TRACE(f.ini ? f.ini : "none");
    drucker().clear();
    QFile::remove(MaskenOrdner + u"/Masken.Ini"_s);
    if (f.ini) dateiSchreiben(MaskenOrdner + u"/Masken.Ini"_s, "[MaskenFonts]\r\nEINS=" + QByteArray(f.ini) + "\r\n");
    Listendruck& d = liste(2);
    d.TxtÜberschrift->setText(u"Liste"_s);
    d.BefOk_Click();
    EXPECT_TRUE(fehlerberichte().isEmpty());
    const QList<Job> j = jobs();
    ASSERT_EQ(j.size(), 1);
    ASSERT_EQ(texte(j[0]), QStringList({u"Liste, Seite 1"_s, u"N001"_s, u"N002"_s}));
    vb::PrinterFontSpec titel = f.schrift;
    titel.size += 2;
    EXPECT_EQ(j[0].texte[0].font, titel);
    EXPECT_EQ(j[0].texte[1].font, f.schrift);
    EXPECT_EQ(j[0].texte[1].color, f.farbe);
  }
}

TEST_F(ListendruckDruckTest, CopiesOneAddressPerPageAndTheConfirmations) {
  struct Fall {
    const char* was;
    int kopien;
    bool seiteProAdresse, bestaetigen;
    int jobs;
    QStringList fragen;  // the pages asked for
  };
  const Fall faelle[] = {
      {"two copies", 2, false, false, 2, {}},
      {"one per page", 2, true, false, 6, {}},
      // Pages without a title line all ask for page 1.
      {"one per page, confirmed", 1, true, true, 3, {u"1"_s, u"1"_s, u"1"_s}},
      {"confirmed", 2, false, true, 2, {u"1"_s, u"1"_s}},
  };
  for (const Fall& f : faelle) {
    SCOPED_TRACE(f.was);
    drucker().clear();
    dialoge().clear();
    for (int i = 0; i < f.fragen.size(); ++i) dialoge().answer(vb::vbOK);
    kopien = f.kopien;
    Listendruck& d = liste(3);
    d.ODruckenSeiteProAdr->setValue(f.seiteProAdresse ? 1 : 0);
    d.ODruckenWaitForPage->setValue(f.bestaetigen ? 1 : 0);
    d.BefOk_Click();
    nachDemLauf(d);
    const QList<Job> j = jobs();
    ASSERT_EQ(j.size(), f.jobs);
    QStringList alle;
    for (const Job& job : j) {
      EXPECT_TRUE(job.beendet);
      EXPECT_EQ(job.fuesse, 1);
      EXPECT_EQ(job.texte.size(), f.seiteProAdresse ? 1 : 4);  // the title only with several per page
      alle << texte(job);
    }
    EXPECT_EQ(alle.count(u"N002"_s), f.kopien);
    QStringList fragen;
    for (const auto& r : dialoge().requests()) {
      EXPECT_EQ(r.title, u"Kartulon-Ausdruck"_s);
      EXPECT_EQ(r.style, vb::vbOKCancel | vb::vbInformation);
      fragen << r.text;
    }
    QStringList soll;
    for (const QString& s : f.fragen) soll << u"Drucke jetzt Seite "_s + s + u" von »Liste«."_s;
    EXPECT_EQ(fragen, soll);
  }
}

TEST_F(ListendruckDruckTest, PagesAreAskedPerCopyAndAbbrechenAtPageTwoEndsTheRun) {
  struct Fall {
    const char* was;
    QList<int> antworten;
    QStringList seiten;        // the pages asked for
    QList<int> letzteAdresse;  // per job, the last address printed
  };
  const Fall faelle[] = {
      {"all confirmed", {vb::vbOK, vb::vbOK, vb::vbOK, vb::vbOK}, {u"1"_s, u"2"_s, u"1"_s, u"2"_s}, {55, 60, 55, 60}},
      // Page 2 still takes the next address with its footer; no second copy follows.
      {"Abbrechen at page 2", {vb::vbOK, vb::vbCancel}, {u"1"_s, u"2"_s}, {55, 56}},
  };
  for (const Fall& f : faelle) {
    SCOPED_TRACE(f.was);
    drucker().clear();
    dialoge().clear();
    for (int a : f.antworten) dialoge().answer(a);
    kopien = 2;
    Listendruck& d = liste(60);
    d.TxtÜberschrift->setText(u"Liste"_s);
    d.ODruckenWaitForPage->setValue(1);
    d.BefOk_Click();
    nachDemLauf(d);
    QStringList soll;
    for (const QString& s : f.seiten) soll << u"Drucke jetzt Seite "_s + s + u" von »Liste«."_s;
    EXPECT_EQ(meldungen(), soll);
    const QList<Job> j = jobs();
    ASSERT_EQ(j.size(), f.letzteAdresse.size());
    for (qsizetype s = 0; s < j.size(); ++s) {
      EXPECT_TRUE(j[s].beendet);
      EXPECT_EQ(j[s].fuesse, 1);
      EXPECT_EQ(j[s].texte.first().text, u"Liste, Seite "_s + f.seiten[s]);
      EXPECT_EQ(j[s].texte.last().text, u"N"_s + nummer(f.letzteAdresse[s]));
    }
  }
}

TEST_F(ListendruckDruckTest, RefusedAndCancelledRunsLeaveTheDialogOpenAndPrintNothing) {
  struct Fall {
    const char* was;
    int nurLesen;
    bool gewaehlt, maske, abbrechen;
    const char* meldung;  // nullptr: none
    int optionen;         // times the print-options dialog showed
  };
  const Fall faelle[] = {
      {"nothing selected", 0, false, true, false, "Es sind keine Kartulon zum Drucken ausgewählt!", 0},
      {"no mask", 0, true, false, false, "Bitte zuerst eine Maske auswählen.", 0},
      {"read-only, nothing selected", -1, false, true, false, "Es sind keine Kartulon zum Drucken ausgewählt!", 0},
      {"cancelled in the print options", 0, true, true, true, nullptr, 1},
  };
  for (const Fall& f : faelle) {
    SCOPED_TRACE(f.was);
    drucker().clear();
    dialoge().clear();
    NurLesen = f.nurLesen;
    abbrechen = f.abbrechen;
    optionenGezeigt = 0;
    Listendruck& d = liste(3, f.maske ? u"Eins"_s : u"fehlt"_s, false);
    if (!f.gewaehlt) {
      d.BefAuswahl_Click(0);
      // Outside read-only mode the button goes off with the last selected line; read-only leaves it on.
      EXPECT_EQ(d.BefOk->isEnabled(), f.nurLesen == -1);
    }
    d.show();
    d.BefOk_Click();
    EXPECT_TRUE(d.isVisible());
    EXPECT_EQ(optionenGezeigt, f.optionen);
    EXPECT_FALSE(PrinterSet::IsLoaded());
    EXPECT_TRUE(drucker().ops().isEmpty());
    if (f.meldung) {
      ASSERT_EQ(dialoge().requests().size(), 1);
      EXPECT_EQ(dialoge().requests()[0].text, QString::fromUtf8(f.meldung));
      EXPECT_EQ(dialoge().requests()[0].title, u"Kartulon drucken"_s);
      EXPECT_EQ(dialoge().requests()[0].style, vb::vbOKOnly | vb::vbCritical);
    } else {
      EXPECT_TRUE(dialoge().requests().isEmpty());
    }
  }
}

// Fails every text after the first n: a printer that goes off in the middle of a page.
class AusfallenderDrucker : public vb::RecordingPrinter {
 public:
  explicit AusfallenderDrucker(int n) : rest_(n) {}
  bool text(const vb::PrintPoint& at, const vb::PrinterFontSpec& f, long farbe, const QString& t) override {
    if (rest_-- <= 0) return false;
    return RecordingPrinter::text(at, f, farbe, t);
  }

 private:
  int rest_;
};

TEST_F(ListendruckDruckTest, AFailingPrinterIsReportedOnceAndItsJobDiscarded) {
  struct Fall {
    const char* was;
    int texte;    // texts that print before the printer fails; -1: no job starts at all
    int antwort;  // to the report
  };
  const Fall faelle[] = {
      {"no job starts, Abbrechen", -1, vb::vbCancel},
      {"no job starts, Nein", -1, vb::vbNo},
      // Off in the middle of the first page: the word-wrap's report is the only one.
      {"off on page 1, Abbrechen", 5, vb::vbCancel},
      {"off on page 1, Nein", 5, vb::vbNo},
  };
  for (const Fall& f : faelle) {
    SCOPED_TRACE(f.was);
    dialoge().clear();
    auto* d0 = new AusfallenderDrucker(std::max(f.texte, 0));
    if (f.texte < 0) d0->setFailing(true);
    vb::installPrinterBackend(std::unique_ptr<vb::PrinterBackend>(d0));
    dialoge().answer(f.antwort);
    kopien = 2;
    Listendruck& d = liste(60);
    d.show();
    d.ZeitNeuauswahl->setEnabled(true);
    d.BefOk_Click();
    EXPECT_TRUE(d.isVisible());  // the dialog stays for another try
    nachDemLauf(d);
    ASSERT_EQ(fehlerberichte().size(), 1);
    EXPECT_EQ(dialoge().requests().size(), 1);
    if (f.texte >= 0) {
      EXPECT_TRUE(fehlerberichte()[0].text.contains(u"Fehler bei der Textformatierung."_s));
      ASSERT_FALSE(d0->ops().isEmpty());
      EXPECT_EQ(d0->ops().last().kind, vb::RecordingPrinter::KillDoc);
    } else {
      EXPECT_TRUE(fehlerberichte()[0].text.contains(u"Es ist ein Fehler beim Drucken aufgetreten."_s));
    }
    EXPECT_EQ(d0->jobsEnded(), 0);
  }
}

TEST_F(ListendruckDruckTest, ABlockTallerThanAPageRunsOnAndOneThatNoPageTakesIsAnError) {
  QByteArray lang;
  for (int i = 1; i <= 70; ++i) lang += "{Nachname}z" + QByteArray::number(i) + "\r\n";
  maske(u"Lang"_s, lang);
  // 57 lines fit a fresh page (the last at 15120); the second address does not fit below the 13 lines of
  // the first one on page 2, so it starts page 3.
  {
    drucker().clear();
    Listendruck& d = liste(2, u"Lang"_s);
    d.TxtÜberschrift->setText(QString());
    d.BefOk_Click();
    nachDemLauf(d);
    const QList<Job> j = jobs();
    ASSERT_EQ(j.size(), 4);
    const QList<int> proSeite = {57, 13, 57, 13};
    QStringList alle;
    for (qsizetype s = 0; s < j.size(); ++s) {
      EXPECT_EQ(j[s].texte.size(), proSeite[s]);
      EXPECT_TRUE(j[s].beendet);
      EXPECT_EQ(j[s].fuesse, 1);
      EXPECT_NEAR(j[s].texte.first().at.twipsY, 0, 0.01);
      alle << texte(j[s]);
    }
    QStringList soll;
    for (int a = 1; a <= 2; ++a)
      for (int i = 1; i <= 70; ++i) soll << u"N%1z%2"_s.arg(nummer(a)).arg(i);
    EXPECT_EQ(alle, soll);
    EXPECT_TRUE(fehlerberichte().isEmpty());
  }
  // A top distance below the page's foot: not a line fits on a fresh page.
  {
    drucker().clear();
    dialoge().clear();
    IniSchreiben(QString(), u"Drucker"_s, u"RandOben"_s, u"280"_s);
    Listendruck& d = liste(2, u"Eins"_s);
    d.TxtÜberschrift->setText(QString());
    d.show();
    d.BefOk_Click();
    EXPECT_TRUE(d.isVisible());
    nachDemLauf(d);
    ASSERT_EQ(fehlerberichte().size(), 1);
    EXPECT_TRUE(fehlerberichte()[0].text.contains(u"Es ist ein Fehler beim Drucken aufgetreten."_s));
    ASSERT_EQ(jobs().size(), 1);
    EXPECT_TRUE(jobs()[0].verworfen);
    EXPECT_TRUE(jobs()[0].texte.isEmpty());
  }
}

// The main window's person-sheet commands, which hand the dialog the window's table.
class PersonenbogenBefehlTest : public ListendruckDruckTest {
 protected:
  bool mitHauptfenster() const override { return true; }
};

TEST_F(PersonenbogenBefehlTest, ThePersonSheetPrintsTheCurrentAddressAloneThroughItsMask) {
  maske(u"Liste_Standard"_s, "Liste {Nachname}");
  struct Fall {
    const char* was;
    const char* personenbogen;  // the mask file's name; nullptr: none
    bool werkzeug;              // from the toolbar key "Foto"
    const char* text;
  };
  const Fall faelle[] = {
      {"menu", "Personenbogen", false, "Bogen N002"},
      {"toolbar, any case", "PERSONENBOGEN", true, "Bogen N002"},
      {"no person sheet mask: the one chosen at load", nullptr, false, "Liste N002"},
  };
  for (const Fall& f : faelle) {
    SCOPED_TRACE(f.was);
    for (const QString& n : QDir(MaskenOrdner).entryList({u"*ersonenbogen*"_s, u"PERSONENBOGEN*"_s}))
      QFile::remove(MaskenOrdner + u'/' + n);
    if (f.personenbogen) maske(QString::fromLatin1(f.personenbogen), "Bogen {Nachname}");
    drucker().clear();
    liste(5, u"Eins"_s, false);
    Listendruck::Unload();
    Main::get().Liste->setListIndex(1);
    bool zeitGesehen = false, sanduhr = false;
    auto optionen = [](vb::FormBase& form) {
      if (auto* o = dynamic_cast<PrinterSet*>(&form)) o->BefOk_Click();
    };
    vb::Forms::setModalInterceptor([&](vb::FormBase& form) {
      auto* l = dynamic_cast<Listendruck*>(&form);
      if (!l) return optionen(form);
      zeitGesehen = l->ZeitAutoPersBogen->Enabled();
      sanduhr = QApplication::overrideCursor() != nullptr;
      l->show();
      l->ZeitAutoPersBogen_Timer();
      EXPECT_EQ(l->ODruckenSeiteProAdr->Value(), 1);
      EXPECT_FALSE(l->TxtÜberschrift->isEnabled());
      EXPECT_FALSE(l->isVisible());
    });
    if (f.werkzeug)
      Main::get().Toolbar_ButtonClick(u"Foto"_s);
    else
      Main::get().Menue->item(u"mnuPrnPersBogen"_s)->action()->trigger();
    EXPECT_TRUE(zeitGesehen);
    EXPECT_TRUE(sanduhr);
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    EXPECT_FALSE(Listendruck::IsLoaded());
    const QList<Job> j = jobs();
    ASSERT_EQ(j.size(), 1);
    EXPECT_EQ(texte(j[0]), QStringList{QString::fromLatin1(f.text)});
    EXPECT_EQ(j[0].fuesse, 1);
  }
}

// The shipped person sheet sets its values in one column: after every label a TAB, and every value starts
// at the same x, clear of the widest label.
TEST_F(PersonenbogenBefehlTest, TheShippedPersonSheetPutsEveryValueInOneColumn) {
  for (const char* datei : {"Personenbogen.Msk", "Masken.Ini"})
    ASSERT_TRUE(QFile::copy(QStringLiteral(KARTULON_DATA_DIR "/") + QString::fromLatin1(datei),
                            MaskenOrdner + u'/' + QString::fromLatin1(datei)));
  Main::get().Bestand->setItems({zeileAus({{1, u"Adler"_s},
                                           {2, u"Anna"_s},
                                           {7, u"02382 4711"_s},
                                           {8, u"02382 4712"_s},
                                           {12, u"0171 123456"_s},
                                           {14, u"anna@example.org"_s},
                                           {17, u"1234567"_s},
                                           {18, u"40050150"_s},
                                           {19, u"Sparkasse Münsterland Ost"_s},
                                           {20, u"01.02.1970"_s},
                                           {22, u"www.example.org"_s}})});
  Main::get().Liste->setListIndex(0);
  vb::Forms::setModalInterceptor([](vb::FormBase& form) {
    if (auto* o = dynamic_cast<PrinterSet*>(&form)) o->BefOk_Click();
    if (auto* l = dynamic_cast<Listendruck*>(&form)) l->ZeitAutoPersBogen_Timer();
  });
  Main::get().Menue->item(u"mnuPrnPersBogen"_s)->action()->trigger();
  const QList<Job> j = jobs();
  ASSERT_EQ(j.size(), 1);
  // The lines as the printer got them: the x of each piece, by line.
  QMap<double, QList<Op>> zeilen;
  for (const Op& o : j[0].texte) zeilen[o.at.twipsY].append(o);
  const QStringList werte = {u"02382 "_s,     u"0171 "_s,      u"anna@example.org"_s, u"www.example.org"_s,
                             u"01.02.1970"_s, u"Sparkasse "_s, u"40050150"_s,         u"1234567"_s};
  QList<double> xWerte;
  double links = -1, breitestes = 0;
  for (const QList<Op>& z : zeilen) {
    if (z.size() < 2 || !werte.contains(z[1].text)) continue;
    SCOPED_TRACE(z[0].text.toStdString());
    EXPECT_TRUE(z[0].text.endsWith(u':'));
    if (links < 0) links = z[0].at.twipsX;
    EXPECT_DOUBLE_EQ(z[0].at.twipsX, links);  // the labels start at the margin
    breitestes = std::max(breitestes, vb::RecordingPrinter::charWidth(z[0].font.size) * z[0].text.size());
    xWerte << z[1].at.twipsX;
  }
  ASSERT_EQ(xWerte.size(), werte.size());
  for (double x : xWerte) EXPECT_DOUBLE_EQ(x, xWerte[0]);
  EXPECT_GE(xWerte[0] - links - breitestes, vb::RecordingPrinter::charWidth(11));  // at least a blank's gap
}

TEST_F(PersonenbogenBefehlTest, ThePersonSheetOfAnEmptyTableIsRefusedAndTheDialogStays) {
  liste(0, u"Eins"_s, false);
  Listendruck::Unload();
  vb::Forms::setModalInterceptor([](vb::FormBase& form) {
    if (auto* l = dynamic_cast<Listendruck*>(&form)) {
      l->show();
      l->ZeitAutoPersBogen_Timer();
      EXPECT_TRUE(l->isVisible());
      l->hide();
    }
  });
  Main::get().mnuPrnPersBogen_Click();
  ASSERT_EQ(dialoge().requests().size(), 1);
  EXPECT_EQ(dialoge().requests()[0].text, u"Es sind keine Kartulon zum Drucken ausgewählt!"_s);
  EXPECT_TRUE(drucker().ops().isEmpty());
  EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

// What a poppler tool printed; empty when it failed.
QString werkzeug(const QString& programm, const QStringList& argumente) {
  QProcess p;
  p.start(programm, argumente);
  if (!p.waitForFinished(60000) || p.exitCode() != 0) return {};
  return QString::fromUtf8(p.readAllStandardOutput());
}

// Through Qt's printer into PDF files: a folder gets a file per page; a file takes the first page and
// the later ones go beside it, numbered. Texts are read back from the files, and the first page's
// leftmost ink lies at the chosen left margin plus the PDF page's 5 mm border.
TEST_F(ListendruckDruckTest, AListIntoPdfFilesKeepsEveryAddressTheFooterAndTheMargin) {
  for (const char* t : {"pdftotext", "pdfinfo", "pdftoppm"})
    ASSERT_FALSE(QStandardPaths::findExecutable(QString::fromLatin1(t)).isEmpty()) << t << " (poppler-utils) is needed";
  struct Fall {
    const char* was;
    const char* ziel;  // below the test's folder; ending in "/": a folder
  };
  for (const Fall& f : {Fall{"folder", "pdf/"}, Fall{"file", "pdf/Liste.pdf"}}) {
    SCOPED_TRACE(f.was);
    const QString ordner = tempPfad(u"pdf"_s);
    QDir(ordner).removeRecursively();
    QDir().mkpath(ordner);
    const QString ziel = tempPfad(QString::fromLatin1(f.ziel));
    vb::installPrinterBackend(std::make_unique<vb::QtPrinterBackend>(ziel.endsWith(u'/') ? ordner : ziel));
    dateiSchreiben(windowsOrdner() + u"/DuroVar.ini"_s, "[Kartulon_Eins]\r\nRandX=20\r\n");
    Listendruck& d = liste(150);
    d.BefOk_Click();
    EXPECT_TRUE(fehlerberichte().isEmpty());
    const QStringList dateien = QDir(ordner).entryList({u"*.pdf"_s}, QDir::Files, QDir::Name);
    ASSERT_GE(dateien.size(), 2);
    if (!ziel.endsWith(u'/')) {
      EXPECT_EQ(dateien.first(), u"Liste-002.pdf"_s);
      EXPECT_EQ(dateien.last(), u"Liste.pdf"_s);
    }
    QStringList gefunden;
    for (const QString& datei : dateien) {
      const QString pfad = ordner + u'/' + datei;
      EXPECT_TRUE(werkzeug(u"pdfinfo"_s, {pfad}).contains(QRegularExpression(u"Pages:\\s+1\\b"_s)))
          << datei.toStdString();
      const QString text = werkzeug(u"pdftotext"_s, {pfad, u"-"_s});
      EXPECT_EQ(text.count(u"Ausdruck vom 10.12.2026"_s), 1) << datei.toStdString();
      EXPECT_EQ(text.count(u"Liste, Seite"_s), 1) << datei.toStdString();
      for (const auto& m : QRegularExpression(u"N\\d{3}"_s).globalMatch(text)) gefunden << m.captured();
    }
    gefunden.sort();
    QStringList soll;
    for (int i = 1; i <= 150; ++i) soll << u"N"_s + nummer(i);
    EXPECT_EQ(gefunden, soll);

    // Page one at 254 dpi: 10 pixels a millimetre.
    const QString erste = ordner + u'/' + (ziel.endsWith(u'/') ? dateien.first() : u"Liste.pdf"_s);
    const QString bild = tempPfad(u"seite"_s);
    werkzeug(u"pdftoppm"_s, {u"-r"_s, u"254"_s, u"-gray"_s, u"-png"_s, u"-singlefile"_s, u"-f"_s, u"1"_s, u"-l"_s,
                             u"1"_s, erste, bild});
    const QImage seite(bild + u".png"_s);
    ASSERT_FALSE(seite.isNull());
    int links = seite.width();
    for (int y = 0; y < seite.height(); ++y)
      for (int x = 0; x < std::min(links, seite.width()); ++x)
        if (qGray(seite.pixel(x, y)) < 128) {
          links = x;
          break;
        }
    EXPECT_NEAR(links, 250, 10) << "the leftmost ink should start 25 mm from the paper's edge";
  }
}

// The words of a PDF page with their left edges in points, as pdftotext -bbox gives them.
QList<std::pair<QString, double>> woerter(const QString& pdf) {
  QList<std::pair<QString, double>> w;
  const QString html = werkzeug(u"pdftotext"_s, {u"-bbox"_s, pdf, u"-"_s});
  static const QRegularExpression wort(u"<word xMin=\"([0-9.]+)\"[^>]*>([^<]*)</word>"_s);
  for (const auto& m : wort.globalMatch(html)) w.append({m.captured(2), m.captured(1).toDouble()});
  return w;
}

// A list of two pages through a queue of the system's print service (tools/test.sh sets one up that
// writes PDF files into a folder of its own), and the same list into PDF files of the program's own:
// two jobs of one A4 page each, and the words where the margins put them. The service's conversion
// drops the glyphs' text, so texts and their places are read from the program's own files.
TEST_F(ListendruckDruckTest, ATwoPageListThroughThePrintService) {
  const QString queue = qEnvironmentVariable("KARTULON_TEST_DRUCKER");
  const QString ausgabe = qEnvironmentVariable("KARTULON_TEST_DRUCKER_AUSGABE");
  if (queue.isEmpty() || ausgabe.isEmpty())
    GTEST_SKIP() << "no print service of the tests here: tools/test.sh starts one where cups, "
                    "printer-driver-cups-pdf and root rights are at hand (tools/druckdienst.sh)";
  const QString eigene = tempPfad(u"pdf"_s);
  QDir().mkpath(eigene);
  vb::installPrinterBackend(std::make_unique<vb::QtPrinterBackend>(eigene));
  const QStringList vorher = QDir(ausgabe).entryList({u"*.pdf"_s}, QDir::Files);
  for (const QString& drucker : {queue, u"PDF"_s}) {
    dateiSchreiben(windowsOrdner() + u"/DuroVar.ini"_s,
                   "[Kartulon_Eins]\r\nDrucker=" + drucker.toUtf8() + "\r\nRandX=20\r\nRandY=10\r\n");
    liste(80).BefOk_Click();
    EXPECT_EQ(vb::Printer().DeviceName(), drucker);
    EXPECT_TRUE(fehlerberichte().isEmpty());
  }

  // The service's files come when its queue has converted the jobs; a file shows while it is still being
  // written, so it counts once it reads as a whole PDF.
  QStringList neu;
  WartenBis(
      [&] {
        neu = QDir(ausgabe).entryList({u"*.pdf"_s}, QDir::Files, QDir::Time | QDir::Reversed);
        for (const QString& v : vorher) neu.removeAll(v);
        if (neu.size() < 2) return false;
        for (const QString& datei : neu)
          if (!werkzeug(u"pdfinfo"_s, {ausgabe + u'/' + datei}).contains(u"Pages:"_s)) return false;
        return true;
      },
      60000, 200);
  ASSERT_EQ(neu.size(), 2) << "the print service wrote " << neu.size() << " files into " << ausgabe.toStdString();
  for (const QString& datei : neu) {
    const QString info = werkzeug(u"pdfinfo"_s, {ausgabe + u'/' + datei});
    EXPECT_TRUE(info.contains(QRegularExpression(u"Pages:\\s+1\\b"_s))) << info.toStdString();
    EXPECT_TRUE(info.contains(QRegularExpression(u"Page size:\\s+595\\.?\\d* x 841\\.?\\d*|Page size:.*A4"_s)))
        << info.toStdString();
  }

  const QStringList dateien = QDir(eigene).entryList({u"*.pdf"_s}, QDir::Files, QDir::Name);
  ASSERT_EQ(dateien.size(), 2);
  const double mm = 72 / 25.4;
  QStringList adressen;
  for (const QString& datei : dateien) {
    const auto w = woerter(eigene + u'/' + datei);
    ASSERT_FALSE(w.isEmpty());
    // The title first, at the margins plus the page's 5 mm border; each address at the same left edge.
    EXPECT_EQ(w.first().first, u"Liste,"_s);
    for (const auto& [text, x] : w) {
      if (!text.startsWith(u'N') && text != u"Liste,"_s) continue;
      EXPECT_NEAR(x, 25 * mm, 1.5) << text.toStdString();
      if (text.startsWith(u'N')) adressen << text;
    }
  }
  EXPECT_EQ(adressen.size(), 80);
  EXPECT_EQ(adressen.removeDuplicates(), 0);
}

}  // namespace
