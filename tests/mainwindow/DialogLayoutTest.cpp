// Every dialog of the program at its design size shows its texts whole, in the shipped fonts at 96 and at
// 144 dots per inch: labels, buttons, frame captions, status panels and list lines fit, no label runs into
// a neighbour, every control lies inside the window, and read-only facts need no scrolling. Each dialog
// holds the longest texts it shows in use.
#include "bankforms/formen/FormPrnLastschrift.h"
#include "bankforms/formen/FormPrnNachnahme.h"
#include "bankforms/formen/FormPrnUeberweisung.h"
#include "common/Global.h"
#include "common/Ini.h"
#include "common/Programminfo.h"
#include "common/formen/Auswahl.h"
#include "common/formen/File.h"
#include "common/formen/MsgDoppelt.h"
#include "common/formen/Sonderzeichen.h"
#include "common/formen/ZoomText.h"
#include "exchange/formen/AdrImport2.h"
#include "exchange/formen/ImpZA.h"
#include "exchange/formen/Telewahl.h"
#include "exchange/formen/ZAexport.h"
#include "exchange/formen/expEMAIL.h"
#include "exchange/formen/expWord.h"
#include "mainwindow/Info.h"
#include "mainwindow/Main.h"
#include "mainwindow/Setup.h"
#include "mainwindow/SetupSpeziell.h"
#include "mainwindow/Tips.h"
#include "mainwindow/Titel.h"
#include "printing/formen/Listendruck.h"
#include "printing/formen/MaskenEdit.h"
#include "printing/formen/PrinterSet.h"
#include "printing/formen/Umschlag.h"
#include "support/Textplatz.h"
#include "support/kern/TestUmgebung.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <functional>

using namespace Qt::Literals::StringLiterals;

namespace {

class DialogLayoutTest : public KartulonTest {
 protected:
  void SetUp() override {
    KartulonTest::SetUp();
    // A data folder deep enough for a long path, a program file with its date, a user.
    DatenOrdner = tempPfad(u"Daten/Adressen der Familie Mustermann"_s);
    QDir().mkpath(DatenOrdner);
    sysInfo().anmeldung = u"Annemarie"_s;
    sysInfo().datei = dateiSchreiben(tempPfad(u"bin/kartulon"_s), "ELF");
    // Addresses whose street and town lie far right in a list of all fields.
    Main::get().Bestand->setItems({zeileAus({{0, u"Kunden"_s},
                                             {1, u"Mustermann-Lüdenscheidt"_s},
                                             {2, u"Annemarie"_s},
                                             {3, u"Hauptstraße 117"_s},
                                             {4, u"59227"_s},
                                             {5, u"Ahlen-Vorhelm"_s},
                                             {7, u"02382 4711"_s},
                                             {14, u"annemarie.mustermann@example.org"_s}}),
                                   zeileAus({{1, u"Berg"_s}, {2, u"Eva"_s}, {5, u"Köln"_s}})});
    Main::get().Liste->setListIndex(0);
  }
};

struct Dialog {
  const char* name;
  // Loads the dialog with the longest texts it shows and returns its window; unload unloads it.
  std::function<QWidget*()> laden;
  std::function<void()> entladen;
  QStringList ganzZuSehen;  // text boxes of facts that show their whole text
};

// vorbereiten runs before the load, fuellen after it.
template <class F>
Dialog dialog(const char* name, std::function<void(F&)> fuellen = {}, std::function<void()> vorbereiten = {},
              const QStringList& ganzZuSehen = {}) {
  return {name,
          [fuellen, vorbereiten] {
            if (vorbereiten) vorbereiten();
            F& f = F::get();
            if (fuellen) fuellen(f);
            f.show();
            QCoreApplication::processEvents();
            return static_cast<QWidget*>(&f);
          },
          [] { F::Unload(); }, ganzZuSehen};
}

TEST_F(DialogLayoutTest, EveryDialogShowsItsTextsWholeAtItsDesignSize) {
  const Dialog dialoge[] = {
      dialog<Auswahl>("Auswahl",
                      [](Auswahl& f) {
                        f.Liste->AddItem(u"Hamburg"_s);
                        f.Liste->AddItem(u"Berlin"_s);
                      }),
      dialog<File>("File"),
      dialog<MsgDoppelt>("MsgDoppelt"),
      dialog<Sonderzeichen>("Sonderzeichen"),
      dialog<ZoomText>("ZoomText"),
      dialog<FormPrnLastschrift>("FormPrnLastschrift"),
      dialog<FormPrnNachnahme>("FormPrnNachnahme"),
      dialog<FormPrnUeberweisung>("FormPrnUeberweisung"),
      dialog<AdrImport2>("AdrImport2"),
      dialog<ImpZA>("ImpZA"),
      dialog<Telewahl>("Telewahl"),
      dialog<ZAexport>("ZAexport"),
      dialog<expEMAIL>("expEMAIL", [](expEMAIL& f) { f.befGetEmailList_Click(); }),
      dialog<expWord>("expWord"),
      dialog<Listendruck>("Listendruck"),
      dialog<MaskenEdit>("MaskenEdit",
                         [](MaskenEdit& f) {
                           f.StatusBar->setPanelText(u"Status"_s, u"Maske PERSONENBOGEN gespeichert."_s);
                           f.StatusBar->setPanelText(u"Position"_s, u"Zeile 12, Spalte 40"_s);
                         }),
      dialog<PrinterSet>("PrinterSet"),
      dialog<Umschlag>("Umschlag", [](Umschlag& f) { f.bezSaveInfo->setVisible(true); }),
      dialog<Info>("Info",
                   [](Info& f) {
                     InstallationsFakten fakten;
                     fakten.benutzer = u"Annemarie / BUERO-2"_s;
                     fakten.datenOrdner = u"/home/annemarie/Dokumente/Adressen"_s;
                     fakten.modulPaket = u"e"_s;
                     fakten.version = ProgrammVersionNummern();
                     fakten.freigabe = QDate(2026, 11, 3);
                     f.SysInfo->setText(InstallationsText(fakten));
                   },
                   {}, {u"SysInfo"_s}),
      dialog<::Setup>("Setup"),
      dialog<SetupSpeziell>("SetupSpeziell"),
      dialog<Tips>("Tips"),
      // The start-up window as it stands while the program starts (its timer would end it).
      dialog<Titel>(
          "Titel", [](Titel& f) { f.Zeit->setEnabled(false); },
          [] { IniSchreiben(QString(), QString(), u"TitelAus"_s, u"0"_s); }),
  };
  for (const Dialog& d : dialoge) {
    SCOPED_TRACE(d.name);
    QWidget* fenster = d.laden();
    ASSERT_TRUE(fenster);
    for (int dpi : {96, 144}) {
      const QStringList fehler = textplatz::fehler(fenster, dpi, d.ganzZuSehen);
      EXPECT_TRUE(fehler.isEmpty()) << fehler.join(u'\n').toStdString();
    }
    d.entladen();
    QCoreApplication::processEvents();
  }
}

}  // namespace
