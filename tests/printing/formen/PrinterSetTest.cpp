// The print-options dialog on the real window, over the recording printer with two printers.
#include "common/Global.h"
#include "common/Ini.h"
#include "common/Ton.h"
#include "platform/dienste/Printer.h"
#include "platform/vb/Keys.h"
#include "printing/formen/PrinterSet.h"
#include "support/kern/TestUmgebung.h"

#include <QApplication>
#include <QFile>
#include <QTest>

using namespace Qt::Literals::StringLiterals;

class PrinterSetTest : public KartulonTest {
 protected:
  void SetUp() override {
    KartulonTest::SetUp();
    IniSchreiben(QString(), u"Allgemein"_s, u"User"_s, u"Maier"_s);
    drucker().setPrinters({{u"Laser"_s, u"LPT1:"_s, {}}, {u"Tinte"_s, u"USB001"_s, {}}});
    vb::Printer().setPrinter(u"Laser"_s);
  }
  void TearDown() override {
    vb::TastenHalten(std::nullopt);
    KartulonTest::TearDown();
  }

  QString duroVar() const { return windowsOrdner() + u"/DuroVar.ini"_s; }
  // The first steps of every caller: a fresh dialog for the job.
  PrinterSet& job(const QString& name = u"Kartulon_Liste_Standard"_s) {
    PrinterSet::Unload();
    PresetName = name;
    PrinterSet& d = PrinterSet::get();
    d.setCaption(u"Liste drucken"_s);
    return d;
  }
  static void waehlen(vb::ComboBox* c, const QString& text) { c->setListIndex(c->findText(text)); }
};

TEST_F(PrinterSetTest, ThePresetFillsTheControls) {
  struct Fall {
    const char* was;
    QByteArray ini;  // "" no DuroVar.ini at all
    const char* randX;
    const char* randY;
    const char* anzahl;
    bool quer;
    const char* drucker;  // selected; "" an empty disabled list
    const char* info;
    bool automatisch;
  };
  const char* laser = "Typ: Laser\r\n\r\nOrt: LPT1:";
  const QByteArray kopf = "[Kartulon_Liste_Standard]\r\n";
  const Fall faelle[] = {
      {"none", "", "0,0 cm", "0,0 cm", "1", false, "Laser", laser, false},
      {"RandX 60", kopf + "RandX=60\r\nRandY=7\r\n", "0,0 cm", "0,7 cm", "1", false, "Laser", laser, false},
      {"Anzahl 9", kopf + "Anzahl=9\r\n", "0,0 cm", "0,0 cm", "1", false, "Laser", laser, false},
      {"RandX -3", kopf + "RandX=-3\r\nAnzahl= 2\r\n", "0,0 cm", "0,0 cm", "3", false, "Laser", laser, false},
      {"all set", kopf + "Drucker=Tinte\r\nAusrichtung=1\r\nRandX=50\r\nRandY= 15\r\nAnzahl=8\r\nAutomatisch=-1\r\n",
       "5,0 cm", "1,5 cm", "9", true, "Tinte", "Typ: Tinte\r\n\r\nOrt: USB001", true},
      {"Druckerauswahl 0", "[Allgemein]\r\nDruckerauswahl=0\r\n" + kopf + "Drucker=Tinte\r\n", "0,0 cm", "0,0 cm", "1",
       false, "", "Keine Drucker-Auswahl möglich.", false},
      {"printer not installed", kopf + "Drucker=Fehlt\r\nAutomatisch=2\r\n", "0,0 cm", "0,0 cm", "1", false, "Laser",
       laser, false},
  };
  for (const Fall& f : faelle) {
    SCOPED_TRACE(f.was);
    QFile::remove(duroVar());
    if (!f.ini.isEmpty()) dateiSchreiben(duroVar(), f.ini);
    PrinterSet& d = job();
    EXPECT_EQ(d.ComboRandX->Text(), QString::fromLatin1(f.randX));
    EXPECT_EQ(d.ComboRandY->Text(), QString::fromLatin1(f.randY));
    EXPECT_EQ(d.ComboAnzahl->Text(), QString::fromLatin1(f.anzahl));
    EXPECT_EQ(d.optAusrichtung(1).Value(), f.quer);
    EXPECT_EQ(d.imgAusrichtung(1).isVisibleTo(&d), f.quer);
    EXPECT_EQ(d.imgAusrichtung(0).isVisibleTo(&d), !f.quer);
    const bool wahl = *f.drucker != 0;
    EXPECT_EQ(d.ComboDrucker->isEnabled(), wahl);
    EXPECT_EQ(d.RahmenDrucker->isEnabled(), wahl);
    EXPECT_EQ(d.ComboDrucker->ListCount(), wahl ? 2 : 0);
    EXPECT_EQ(d.ComboDrucker->Text(), QString::fromLatin1(f.drucker));
    EXPECT_EQ(d.bezDrucker->Caption(), QString::fromUtf8(f.info));
    EXPECT_EQ(d.TimerAutoJob->Enabled(), f.automatisch);
    EXPECT_EQ(d.CheckSichern->Value(), 0);
    EXPECT_EQ(d.CheckAutomatisch->Value(), 0);
    EXPECT_EQ(d.Abbruch->Value(), 0);
    EXPECT_TRUE(d.optBereich(0).Value());
    EXPECT_FALSE(d.optBereich(1).isEnabled());
  }
  PrinterSet& d = job();
  EXPECT_EQ(d.Caption(), u"Liste drucken"_s);
  EXPECT_EQ(vb::Forms::helpContext(d.ComboRandX), 3005);
  EXPECT_EQ(d.ComboRandX->ListCount(), 51);
  EXPECT_EQ(d.ComboRandY->List(1), u"0,1 cm"_s);
  EXPECT_EQ(d.ComboAnzahl->ListCount(), 9);
}

TEST_F(PrinterSetTest, DruckenSavesThePresetOnlyWhenAsked) {
  PrinterSet& d = job();
  waehlen(d.ComboDrucker, u"Tinte"_s);
  d.optAusrichtung(1).setValue(true);
  d.ComboRandX->setListIndex(15);
  d.ComboAnzahl->setListIndex(2);
  d.befOk->click();
  EXPECT_FALSE(QFile::exists(duroVar()));
  EXPECT_EQ(d.Abbruch->Value(), 0);

  PrinterSet& zweiter = job();
  zweiter.ComboRandY->setListIndex(5);
  zweiter.CheckSichern->setValue(1);
  zweiter.befOk->click();
  EXPECT_EQ(dateiLesen(duroVar()),
            QByteArray("[Kartulon_Liste_Standard]\r\nDrucker=Tinte\r\nAusrichtung=0\r\nRandX=0\r\n"
                       "RandY=5\r\nAnzahl=0\r\nAutomatisch=0\r\nLastSave=10.12.2026\r\n"
                       "LastUser=Maier\r\n"));

  // Without printer choice the printer is neither written nor switched.
  dateiSchreiben(duroVar(), "[Allgemein]\r\nDruckerauswahl=0\r\n");
  PrinterSet& e = job(u" Kartulon_Umschlag "_s);
  e.CheckSichern->setValue(1);
  e.befOk->click();
  EXPECT_EQ(dateiLesen(duroVar()),
            QByteArray("[Allgemein]\r\nDruckerauswahl=0\r\n\r\n[Kartulon_Umschlag]\r\nAusrichtung=0\r\n"
                       "RandX=0\r\nRandY=0\r\nAnzahl=0\r\nAutomatisch=0\r\n"
                       "LastSave=10.12.2026\r\nLastUser=Maier\r\n"));
  EXPECT_EQ(vb::Printer().DeviceName(), u"Tinte"_s);
}

TEST_F(PrinterSetTest, TheChosenPrinterAndOrientationLastIntoLaterJobs) {
  PrinterSet& d = job();
  waehlen(d.ComboDrucker, u"Tinte"_s);
  d.optAusrichtung(1).setValue(true);
  d.befOk->click();
  PrinterSet::Unload();
  EXPECT_EQ(vb::Printer().DeviceName(), u"Tinte"_s);
  EXPECT_EQ(vb::Printer().Orientation(), vb::vbPRORLandscape);
  // A job that does not pass the dialog prints there too.
  vb::Printer().Print(u"x"_s);
  vb::Printer().EndDoc();
  ASSERT_FALSE(drucker().texts().isEmpty());
  EXPECT_EQ(drucker().texts().last().device, u"Tinte"_s);
  EXPECT_EQ(drucker().texts().last().orientation, vb::vbPRORLandscape);
  // The next job offers the program's printer.
  EXPECT_EQ(job().ComboDrucker->Text(), u"Tinte"_s);
}

TEST_F(PrinterSetTest, AbbrechenEscAndTheCloseBoxCancel) {
  const std::function<void(PrinterSet&)> wege[] = {
      [](PrinterSet& d) { d.befAbbrechen->click(); },
      [](PrinterSet& d) { QTest::keyClick(d.ComboRandX, Qt::Key_Escape); },
      [](PrinterSet& d) { d.close(); },
  };
  for (const auto& weg : wege) {
    PrinterSet& d = job();
    d.show();
    waehlen(d.ComboDrucker, u"Tinte"_s);
    d.CheckSichern->setValue(1);
    weg(d);
    EXPECT_FALSE(d.isVisible());
    EXPECT_TRUE(PrinterSet::IsLoaded());
    EXPECT_EQ(d.Abbruch->Value(), 1);
    EXPECT_EQ(vb::Printer().DeviceName(), u"Laser"_s);
    EXPECT_FALSE(QFile::exists(duroVar()));
  }
}

TEST_F(PrinterSetTest, ASkippedDialogClosesOnTheTickUnlessShiftIsHeld) {
  const QByteArray ini = "[Kartulon_Liste_Standard]\r\nAusrichtung=1\r\nAutomatisch=1\r\n";
  dateiSchreiben(duroVar(), ini);
  PrinterSet& d = job();
  d.show();
  ASSERT_TRUE(d.TimerAutoJob->Enabled());
  EXPECT_EQ(d.TimerAutoJob->Interval(), 750);
  d.TimerAutoJob_Timer();
  EXPECT_FALSE(d.isVisible());
  EXPECT_FALSE(d.TimerAutoJob->Enabled());
  EXPECT_EQ(d.Abbruch->Value(), 0);
  EXPECT_EQ(vb::Printer().Orientation(), vb::vbPRORLandscape);
  EXPECT_EQ(dateiLesen(duroVar()), ini);
  EXPECT_TRUE(toene().aufrufe().isEmpty());

  PrinterSet& e = job();
  e.show();
  vb::TastenHalten(Qt::ShiftModifier);
  e.TimerAutoJob_Timer();
  EXPECT_TRUE(e.isVisible());
  EXPECT_EQ(e.CheckSichern->Value(), 1);
  EXPECT_EQ(e.CheckAutomatisch->Value(), 0);
  const auto gespielt = toene().aufrufe();
  toene().clear();
  TonAusgeben(u"#SystemExclamation");
  EXPECT_EQ(gespielt, toene().aufrufe());
  // Drucken now saves the preset without the mark, unless the user ticks it again.
  e.befOk->click();
  EXPECT_EQ(IniLesen(duroVar(), u"Kartulon_Liste_Standard"_s, u"Automatisch"_s, QString()), u"0"_s);
}

TEST_F(PrinterSetTest, TheSkipMarkTicksSavingAndReadOnlyLetsOnlyCodeTickIt) {
  for (const int nurLesen : {0, -1}) {
    SCOPED_TRACE(nurLesen);
    QFile::remove(duroVar());
    NurLesen = nurLesen;
    PrinterSet& d = job();
    EXPECT_EQ(d.CheckSichern->isEnabled(), nurLesen == 0);
    dialoge().clear();
    d.CheckAutomatisch->click();
    EXPECT_EQ(d.CheckSichern->Value(), 1);
    ASSERT_EQ(dialoge().requests().size(), 1);
    const auto& r = dialoge().requests().first();
    EXPECT_EQ(r.title, u"Druck-Optionen übergehen"_s);
    EXPECT_EQ(r.style, vb::vbOKOnly | vb::vbInformation);
    EXPECT_EQ(r.text,
              u"Dieser Dialog wird künftigt nicht mehr angezeigt.\r\n\r\nWollen Sie dennoch einmal Änderungen "
              u"vornehmen,\r\nso halten Sie beim Aufrufen der Druck-Funktion die Shift-Taste gedrückt."_s);
    EXPECT_TRUE(toene().aufrufe().isEmpty());
    d.befOk->click();
    EXPECT_EQ(IniLesen(duroVar(), u"Kartulon_Liste_Standard"_s, u"Automatisch"_s, QString()), u"1"_s);
  }
  NurLesen = 0;
  // Unticking "Einstellungen sichern" unticks the mark again.
  PrinterSet& d = job();
  d.CheckAutomatisch->setValue(1);
  d.CheckSichern->setValue(0);
  EXPECT_EQ(d.CheckAutomatisch->Value(), 0);
}

TEST_F(PrinterSetTest, EnvelopeAndBankFormJobsFollowTheCallingProtocol) {
  struct Fall {
    const char* job;
    bool ausrichtungFest;
  };
  const Fall faelle[] = {{"Kartulon_Umschlag", false}, {"Kartulon_Ueberweisung", true}, {"Kartulon_Nachnahme", true}};
  for (const Fall& f : faelle) {
    SCOPED_TRACE(f.job);
    const QString name = QString::fromLatin1(f.job);
    dateiSchreiben(duroVar(), "[" + name.toLatin1() + "]\r\nAnzahl=4\r\nAusrichtung=1\r\nRandX=12\r\n");
    bool gesehen = false;
    vb::Forms::setModalInterceptor([&](vb::FormBase& form) {
      auto& d = dynamic_cast<PrinterSet&>(form);
      d.show();
      d.repaint();
      gesehen = true;
      EXPECT_EQ(d.Caption(), u"Umschlag drucken"_s);
      EXPECT_EQ(d.ComboAnzahl->Text(), u"1"_s);
      EXPECT_FALSE(d.bezAnzahl->isEnabled());
      EXPECT_FALSE(d.ImageAnzahl->Enabled());
      EXPECT_EQ(d.optAusrichtung(1).isEnabled(), !f.ausrichtungFest);
      EXPECT_TRUE(d.optAusrichtung(1).Value());
      d.befOk->click();
    });
    PrinterSet::Unload();
    PresetName = name;
    PrinterSet& d = PrinterSet::get();
    d.setCaption(u"Umschlag drucken"_s);
    d.ComboAnzahl->setEnabled(false);
    if (f.ausrichtungFest) d.optAusrichtung(0).setEnabled(false);
    d.Show(true);
    QCoreApplication::processEvents();
    EXPECT_TRUE(gesehen);
    EXPECT_EQ(d.Abbruch->Value(), 0);
    EXPECT_EQ(d.ComboRandX->ListIndex(), 12);
    EXPECT_EQ(d.ComboAnzahl->ListIndex(), 0);
    EXPECT_EQ(vb::Printer().Orientation(), vb::vbPRORLandscape);
    PrinterSet::Unload();
    vb::Forms::setModalInterceptor({});
  }
}
