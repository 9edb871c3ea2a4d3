// The main window's menu tree (walked in the real menu bar), the rules that change it at run time, its
// shortcuts with the focus in a field box, and the commands of help, web pages, the family's programs,
// the directory-enquiry link, the record's web page, the fax number and the printer set-up.
#include "AdressdateiFixture.h"

#include "common/Familie.h"
#include "mainwindow/Dialogbefehl.h"
#include "platform/dienste/FontObject.h"
#include "platform/dienste/Printer.h"
#include "platform/dienste/Zwischenablage.h"
#include "platform/kit/Form.h"
#include "platform/vb/Programm.h"
#include "platform/vb/Vb.h"

#include <QApplication>
#include <QMenuBar>
#include <QTest>

namespace {

// One row of the tree: parent ("" = menu bar), name, index, caption, shortcut, and whether the item
// waits for a later command (shown, but disabled whatever the rules say).
struct Zeile {
  const char16_t* eltern;
  const char16_t* name;
  int index;
  const char16_t* caption;
  const char* taste;
  bool wartet;
  bool operator==(const Zeile& z) const = default;
};

std::string text(const Zeile& z) {
  return QStringLiteral("%1 > %2(%3) \"%4\" [%5]%6")
      .arg(QString::fromUtf16(z.eltern), QString::fromUtf16(z.name))
      .arg(z.index)
      .arg(QString::fromUtf16(z.caption), QString::fromLatin1(z.taste), z.wartet ? " wartet" : "")
      .toStdString();
}

// The tree as designed, in order.
const Zeile kBaum[] = {
    {u"", u"mnuPopUp", -1, u"Popup", "", false},
    {u"mnuPopUp", u"mnuPopFeld", -1, u"Feld xyz", "", false},
    {u"mnuPopFeld", u"mnuPopFeldAuschneiden", -1, u"Ausschneiden", "", false},
    {u"mnuPopFeld", u"mnuPopFeldKopieren", -1, u"Kopieren", "", false},
    {u"mnuPopFeld", u"mnuPopFeldEinfügen", -1, u"Einfügen / ersetzen", "", false},
    {u"mnuPopUp", u"mnuPopAdr", -1, u"Adresse", "", false},
    {u"mnuPopAdr", u"mnuPopAdrNeu", -1, u"Neu anlegen", "", false},
    {u"mnuPopAdr", u"mnuPopAdrKopieren", -1, u"Kopieren", "", false},
    {u"mnuPopAdr", u"mnuPopAdrLöschen", -1, u"Löschen", "", false},
    {u"mnuPopUp", u"mnuPopStrichEdit", -1, u"-", "", false},
    {u"mnuPopUp", u"mnuPopListenwahl", -1, u"Listenauswahl...", "", false},
    {u"mnuPopUp", u"mnuPopZoom", -1, u"Zoom...", "", false},
    {u"mnuPopUp", u"mnuPopStrichConnect", -1, u"-", "", false},
    {u"mnuPopUp", u"mnuPopBrfAnWord", -1, u"Brief an Word...", "", false},
    {u"mnuPopUp", u"mnuPopTeleWahl", -1, u"Telefon-Nr. wählen...", "", false},
    {u"mnuPopUp", u"mnuPopeMailTo", -1, u"eMail senden...", "", false},
    {u"mnuPopUp", u"mnuPopWebSite", -1, u"Web-Seite aufrufen...", "", false},

    {u"", u"PulDatei", -1, u"&Datei", "", false},
    {u"PulDatei", u"PulAnlegen", -1, u"&Anlegen...", "", false},
    {u"PulDatei", u"PulÖffnen", -1, u"Ö&ffnen...", "Ctrl+L", false},
    {u"PulDatei", u"mnuDateiHinzufügen", -1, u"&Hinzufügen...", "", false},
    {u"PulDatei", u"PulSichern", -1, u"&Speichern", "Ctrl+S", false},
    {u"PulDatei", u"Strixchif", -1, u"-", "", false},
    {u"PulDatei", u"mnuDateiBeschreiben", -1, u"&Beschreiben...", "", false},
    {u"PulDatei", u"PulSort", -1, u"S&ortieren", "", false},
    {u"PulSort", u"mnuSort", 0, u"nach &Rubrik", "Ctrl+F4", false},
    {u"PulSort", u"mnuSort", 1, u"nach &Nachname", "", false},
    {u"PulSort", u"mnuSort", 4, u"nach &PLZ", "", false},
    {u"PulSort", u"mnuSort", 6, u"nach &Land", "", false},
    {u"PulSort", u"mnuSort", 7, u"nach &Telefon-Nr.", "", false},
    {u"PulSort", u"mnuSort", 10, u"nach &Zusatz", "", false},
    {u"PulSort", u"mnuSort", 15, u"nach &Erstellungsdatum", "", false},
    {u"PulSort", u"mnuSort", 16, u"nach &Änderungsdatum", "Ctrl+Shift+F4", false},
    {u"PulSort", u"mnuSort", 20, u"nach &Geburtstag (Alter)", "", false},
    {u"PulSort", u"mnuSort", 22, u"nach &WWW-Seite", "", false},
    {u"PulSort", u"mnuSort", 23, u"nach &Index", "", false},
    {u"PulDatei", u"Strich1", -1, u"-", "", false},
    {u"PulDatei", u"PulAbbruch", -1, u"Bee&nden", "", false},
    {u"PulDatei", u"PulEnde", -1, u"Speichern und Be&enden", "F12", false},

    {u"", u"PulBearbeiten", -1, u"&Adresse", "", false},
    {u"PulBearbeiten", u"mnuUndo", -1, u"Änderungen &rückgängig", "Ctrl+Z", false},
    {u"PulBearbeiten", u"mnuAdrEditX", -1, u"&Bearbeiten", "", false},
    {u"mnuAdrEditX", u"PulEinfügen", -1, u"Adresse &Anlegen", "Ctrl+N", false},
    {u"mnuAdrEditX", u"PulKopieren", -1, u"Adresse &Kopieren", "Ctrl+K", false},
    {u"mnuAdrEditX", u"PulAusschneiden", -1, u"Adresse &Löschen", "Ctrl+Y", false},
    {u"mnuAdrEditX", u"Strich34", -1, u"-", "", false},
    {u"mnuAdrEditX", u"mnuSonderzeichenEinfg", -1, u"S&onderzeichen einfügen...", "", false},
    {u"PulBearbeiten", u"Strich56", -1, u"-", "", false},
    {u"PulBearbeiten", u"PulSuchen", -1, u"&Suche Text", "Ctrl+F", false},
    {u"PulBearbeiten", u"Strich77", -1, u"-", "", false},
    {u"PulBearbeiten", u"mnuxWeiterAn", -1, u"&Weiterleitung", "", false},
    {u"mnuxWeiterAn", u"mnuBrfAnWord", -1, u"&Brief an Word...", "Ctrl+B", false},
    {u"mnuxWeiterAn", u"PulTeleWählen", -1, u"&Telefonnummer per Modem wählen...", "Ctrl+W", false},
    {u"mnuxWeiterAn", u"mnueMailTo", -1, u"&eMail senden...", "Ctrl+E", false},
    {u"mnuxWeiterAn", u"mnuWebStart", -1, u"&Web-Seite aufrufen...", "", false},
    {u"PulBearbeiten", u"mnuAdrExport", -1, u"&Exportieren", "", false},
    {u"mnuAdrExport", u"PulZAdresse", -1, u"&Anschrift in Zwischenablage...", "Ctrl+A", false},
    {u"mnuAdrExport", u"PulZFax", -1, u"&Fax-Nr in Zwischenablage", "", false},
    {u"mnuAdrExport", u"mnuEmailSend", -1, u"&eMails versenden...", "", false},
    {u"mnuAdrExport", u"Strichihdf", -1, u"-", "", false},
    {u"mnuAdrExport", u"mnuExpGeb2Kelvor", -1, u"&Geburtstage an Kelvor...", "Ctrl+F5", false},
    {u"mnuAdrExport", u"Strichwqre", -1, u"-", "", false},
    {u"mnuAdrExport", u"mnuExpSeriendruck", -1, u"&Seriendruck-Datei erstellen...", "", false},
    {u"mnuAdrExport", u"mnuExportD2CardServer", -1, u"Liste für &D2-CardServer 1.0...", "", false},
    {u"mnuAdrExport", u"mnuExportTiptel195", -1, u"Tiptel 195 Telefonregister 1000 !!!...", "", false},
    {u"mnuAdrExport", u"mnuExportTKAnlage", -1, u"&Kurzwahl-Speicher für * !!! ...", "", false},
    {u"PulBearbeiten", u"mnuAdrImport", -1, u"&Importieren", "", false},
    {u"mnuAdrImport", u"mnuAdrImpDINFO3", -1, u"&Suche bei D-Info 3.0...", "", false},
    {u"mnuAdrImport", u"mnuAdrImpDINFO97", -1, u"&Suche bei D-Info 97...", "", false},
    {u"mnuAdrImport", u"mnuAdrImpKlickTel98", -1, u"&Suche bei KlickTel 98...", "Ctrl+Shift+F7", false},
    {u"mnuAdrImport", u"mnuAdrImpDINFO99", -1, u"&Suche bei D-Info 99...", "Ctrl+F7", false},
    {u"mnuAdrImport", u"mnuImpZA", -1, u"Import einer Adresse aus &Zwischenablage", "Ctrl+F8", false},
    {u"mnuAdrImport", u"mnuAdrImpListe", -1, u"Import einer Adress&liste...", "Ctrl+I", false},
    {u"mnuAdrImport", u"Strichjd", -1, u"-", "", false},
    {u"mnuAdrImport", u"mnuPlzSuche", -1, u"Externe &PLZ Suche...", "Ctrl+F9", false},

    {u"", u"PulDrucken", -1, u"D&rucken", "", false},
    {u"PulDrucken", u"PulListe", -1, u"&Liste...", "Ctrl+P", false},
    {u"PulDrucken", u"mnuPrnPersBogen", -1, u"&Personenbogen", "", false},
    {u"PulDrucken", u"Strichxx", -1, u"-", "", false},
    {u"PulDrucken", u"PulBriefumschlag", -1, u"&Umschlag...", "Ctrl+T", false},
    {u"PulDrucken", u"mnuPrnUmschlagsfenster", -1, u"Umschlags&fenster", "", false},
    {u"PulDrucken", u"mnuPrnÜberweisung", -1, u"Über&weisung...", "Ctrl+M", false},
    {u"PulDrucken", u"mnuPrnNachnahme", -1, u"&Nachnahme...", "Ctrl+H", false},
    {u"PulDrucken", u"mnuPrnLastschrift", -1, u"L&astschrift...", "", false},
    {u"PulDrucken", u"Strich4", -1, u"-", "", false},
    {u"PulDrucken", u"PulDruckEinrichten", -1, u"Druckerein&richtung...", "", false},

    {u"", u"mnuWeiteres", -1, u"&Weiteres", "", false},
    {u"mnuWeiteres", u"mnuSetup", -1, u"&Einstellungen...", "", false},
    {u"mnuWeiteres", u"mnuMaskenEdit", -1, u"&Masken-Editor", "Ctrl+J", false},
    {u"mnuWeiteres", u"mnuStrichdhf", -1, u"-", "", false},
    {u"mnuWeiteres", u"mnuUebernahme", -1, u"Über&nahme", "", false},
    {u"mnuUebernahme", u"mnuUebernahmePlzOrt", -1, u"PLZ - &Ortsname", "Shift+F9", false},
    {u"mnuUebernahme", u"mnuUebernahmePlzVorwahl", -1, u"PLZ - &Vorwahl", "", false},
    {u"mnuUebernahme", u"mnuUebernahmeEmail", -1, u"&eMail-Domains", "", false},
    {u"mnuWeiteres", u"mnuChk", -1, u"&Prüfen", "", false},
    {u"mnuChk", u"mnuIndexSetNew", -1, u"&Alle Kartulon mit einem Index versehen", "", false},
    {u"mnuChk", u"mnuChkEmails", -1, u"&eMail-Kartulon auf Gültigkeit prüfen", "Shift+F4", false},
    {u"mnuWeiteres", u"mnuStatistik", -1, u"&Statistik", "", false},
    {u"mnuStatistik", u"mnuStatistikPLZ", -1, u"&PLZ-Verteilung...", "", false},
    {u"mnuStatistik", u"mnuStatistikFeldSuche", -1, u"&Kartulon mit...", "", false},
    {u"mnuWeiteres", u"Strichhh", -1, u"-", "", false},
    {u"mnuWeiteres", u"mnuLinksX", -1, u"&Links", "", false},
    {u"mnuLinksX", u"mnuLinks", 0, u"&Teleauskunft online...", "Shift+F7", false},
    {u"mnuWeiteres", u"mnuProgramme", -1, u"&Zusätzliche Programme", "", false},
    {u"mnuProgramme", u"mnuPrg", 0, u"&Kartulon...", "", false},
    {u"mnuProgramme", u"mnuPrg", 1, u"&Spindra...", "", false},
    {u"mnuProgramme", u"mnuPrg", 2, u"&Kelvor...", "", false},
    {u"mnuProgramme", u"mnuPrg", 3, u"&Murelkan...", "", false},

    {u"", u"PulHilfe", -1, u"&Hilfe", "", false},
    {u"PulHilfe", u"PulAnleitung", -1, u"&Anleitung...", "", false},
    {u"PulHilfe", u"mnuTips", -1, u"&Tipps...", "", false},
    {u"PulHilfe", u"PulInfo", -1, u"&Info / Nutzungs-Vertrag...", "", false},
    {u"PulHilfe", u"Strich22", -1, u"-", "", false},
    {u"PulHilfe", u"PulWerbung", -1, u"&Werbung...", "", false},
    {u"PulHilfe", u"mnuHlpWeb", -1, u"Inter&net", "", false},
    {u"mnuHlpWeb", u"mnuURLHomePage", -1, u"&Homepage", "", false},
    {u"mnuHlpWeb", u"mnuURLUpdate", -1, u"&Update (Infos und Download)", "", false},

    {u"", u"mnuXxxEntwicklung", -1, u"Entwicklung", "", false},
};

class MenueTest : public AdressdateiTest {
 protected:
  void SetUp() override {
    AdressdateiTest::SetUp();
    adressdatei("..Kunden\r\n" + zeileAus({{0, "Privat"}, {1, "Meier"}, {2, "Hans"}, {23, "1"}}).toUtf8() + "\r\n" +
                zeileAus({{0, "Firma"}, {1, "Albers"}, {2, "Eva"}, {23, "2"}}).toUtf8() + "\r\n");
    m().DatenLaden();
    dialoge().clear();
  }

  // The menu bar's actions, depth first, as rows.
  static void sammeln(const QList<QAction*>& aktionen, const QString& eltern, QList<QPair<QString, QAction*>>& aus) {
    for (QAction* a : aktionen) {
      aus.append({eltern, a});
      if (a->menu()) sammeln(a->menu()->actions(), a->objectName(), aus);
    }
  }
  static QString basisName(const QAction* a) {
    const int index = a->property("index").toInt();
    return index < 0 ? a->objectName() : a->objectName().chopped(QString::number(index).size() + 1);
  }
  vb::MenuItem* item(const QAction* a) { return qobject_cast<vb::MenuItem*>(a->parent()); }

  // The window shown and active, the focus in a field box.
  void zeigen(int feld = 1) {
    m().show();
    QApplication::setActiveWindow(&m());
    ASSERT_TRUE(QTest::qWaitForWindowActive(&m()));
    if (feld < 0) return;
    m().Feld(feld).SetFocus();
    QApplication::processEvents();
    ASSERT_EQ(QApplication::focusWidget(), m().Feld(feld).editor());
  }
  void taste(int feld, Qt::Key k, Qt::KeyboardModifiers mod = Qt::NoModifier) {
    QTest::keyClick(m().Feld(feld).editor(), k, mod);
  }
  // Runs a command that ends the program; true when it did. A menu command stops the end where Qt called
  // it, so the recorded ends tell.
  bool beendet(const std::function<void()>& befehl) {
    const qsizetype vorher = programmEnden().size();
    try {
      befehl();
    } catch (const vb::Programm::Beendet&) {
      return true;
    }
    return programmEnden().size() > vorher;
  }
  QList<QString> meldungen() {
    QList<QString> l;
    for (const auto& r : dialoge().requests()) l << r.text;
    return l;
  }
};

TEST_F(MenueTest, TheMenuBarHoldsTheTreeAsDesigned) {
  QList<QPair<QString, QAction*>> aktionen;
  sammeln(m().menuBar()->actions(), QString(), aktionen);
  EXPECT_FALSE(m().menuBar()->isNativeMenuBar());
  std::vector<std::string> ist, soll;
  for (const auto& [eltern, a] : aktionen) {
    const QString name = basisName(a);
    const QString caption = a->isSeparator() ? QStringLiteral("-") : a->text();
    vb::MenuItem* i = item(a);
    ASSERT_NE(i, nullptr) << a->objectName().toStdString();
    const QByteArray kurz = a->shortcut().toString(QKeySequence::PortableText).toLatin1();
    ist.push_back(text({reinterpret_cast<const char16_t*>(eltern.utf16()),
                        reinterpret_cast<const char16_t*>(name.utf16()), a->property("index").toInt(),
                        reinterpret_cast<const char16_t*>(caption.utf16()), kurz.constData(), i->Wartend()}));
    // A waiting item can never be chosen.
    if (i->Wartend()) {
      EXPECT_FALSE(a->isEnabled()) << a->objectName().toStdString();
    }
  }
  for (const Zeile& z : kBaum) soll.push_back(text(z));
  EXPECT_EQ(ist, soll);
  // The members point into the tree.
  EXPECT_EQ(m().PulBearbeiten, m().Menue->item(QStringLiteral("PulBearbeiten")));
  EXPECT_EQ(m().mnuSort.Count(), 11);
  EXPECT_EQ(m().mnuPrg.Count(), 4);
  EXPECT_EQ(m().mnuLinks.Count(), 1);
  vb::MenuItem* strich = m().Menue->item(QStringLiteral("Strich1"));
  ASSERT_NE(strich, nullptr);
  EXPECT_EQ(strich->Caption(), QStringLiteral("-"));
  EXPECT_EQ(strich->action()->text(), QString());  // a style could draw a separator's text as a title
}

TEST_F(MenueTest, TheShortDialExportIsNamedAfterTheTelephoneSystemOrAbsent) {
  struct Fall {
    const char* ini;  // nullptr: no Export_Tk-Anlage.ini
    bool sichtbar;
    const char16_t* caption;
  };
  const Fall faelle[] = {
      {nullptr, false, u"&Kurzwahl-Speicher für * !!! ..."},
      {"[Allgemein]\r\nAnderes=1\r\n", false, u"&Kurzwahl-Speicher für * !!! ..."},
      {"[Allgemein]\r\nTk-Anlage=\r\n", false, u"&Kurzwahl-Speicher für * !!! ..."},
      {"[Allgemein]\r\nTk-Anlage=ABC\r\n", true, u"&Kurzwahl-Speicher für ABC !!! ..."},
  };
  const QString datei = programmOrdner() + QStringLiteral("/Export_Tk-Anlage.ini");
  for (const Fall& f : faelle) {
    SCOPED_TRACE(f.ini ? f.ini : "none");
    vb::Forms::UnloadAll();
    QFile::remove(datei);
    if (f.ini) dateiSchreiben(datei, f.ini);
    EXPECT_EQ(m().mnuExportTKAnlage->Visible(), f.sichtbar);
    EXPECT_EQ(m().mnuExportTKAnlage->Caption(), QString::fromUtf16(f.caption));
  }
}

TEST_F(MenueTest, TheDesignClientAreaLiesBelowTheMenuBar) {
  zeigen();
  EXPECT_GT(m().menuBar()->height(), 0);
  EXPECT_EQ(m().menuBar()->y(), 0);
  EXPECT_EQ(m().centralWidget()->y(), m().menuBar()->height());
}

TEST_F(MenueTest, ReadOnlyDisablesTheFifteenItemsAndAWritableFileEnablesTheBuiltOnesAgain) {
  const char16_t* fuenfzehn[] = {
      u"PulAnlegen",   u"mnuDateiHinzufügen", u"PulSichern",    u"mnuDateiBeschreiben", u"PulSort",
      u"PulEnde",      u"PulEinfügen",        u"PulKopieren",   u"PulAusschneiden",     u"mnuSonderzeichenEinfg",
      u"mnuAdrImport", u"mnuSetup",           u"mnuMaskenEdit", u"mnuUebernahme",       u"mnuChk"};
  const QStringList wartend;
  IniSchreiben(IniDatei, QStringLiteral("kunden.dat"), QStringLiteral("ReadOnly"), QStringLiteral("1"));
  m().DatenLaden();
  ASSERT_EQ(NurLesen, -1);
  for (const char16_t* n : fuenfzehn) {
    vb::MenuItem* i = m().Menue->item(QString::fromUtf16(n));
    EXPECT_FALSE(i->Enabled()) << i->objectName().toStdString();
    EXPECT_FALSE(i->action()->isEnabled()) << i->objectName().toStdString();
  }
  // F12 does nothing; "Beenden" still ends the program.
  zeigen(-1);
  const QByteArray vorher = dateiLesen(AktuelleDatei);
  EXPECT_FALSE(beendet([&] { QTest::keyClick(&m(), Qt::Key_F12); }));
  EXPECT_TRUE(programmEnden().isEmpty());
  EXPECT_TRUE(beendet([&] { m().PulAbbruch->action()->trigger(); }));
  EXPECT_EQ(programmEnden().size(), 1);
  EXPECT_EQ(dateiLesen(AktuelleDatei), vorher);

  IniSchreiben(IniDatei, QStringLiteral("kunden.dat"), QStringLiteral("ReadOnly"), QStringLiteral("0"));
  m().DatenLaden();
  ASSERT_EQ(NurLesen, 0);
  for (const char16_t* n : fuenfzehn) {
    vb::MenuItem* i = m().Menue->item(QString::fromUtf16(n));
    EXPECT_TRUE(i->Enabled()) << i->objectName().toStdString();
    EXPECT_EQ(i->action()->isEnabled(), !wartend.contains(i->objectName())) << i->objectName().toStdString();
  }
}

TEST_F(MenueTest, TheRecordMenusStatesFollowTheirInputsAndItsShortcutsObeyThem) {
  zeigen(1);
  // No look-up version: none of the four CD searches, and their shortcuts do nothing.
  IniSchreiben("", "", "DInfoVer", "");
  m().DatenLaden();
  for (auto* i : {m().mnuAdrImpDINFO3, m().mnuAdrImpDINFO97, m().mnuAdrImpKlickTel98, m().mnuAdrImpDINFO99})
    EXPECT_FALSE(i->Visible()) << i->objectName().toStdString();
  IniSchreiben("", "", "DInfoVer", "98");
  m().DatenLaden();
  EXPECT_TRUE(m().mnuAdrImpKlickTel98->Visible());
  EXPECT_FALSE(m().mnuAdrImpDINFO99->Visible());
  // The clipboard: the item's state follows it at once; without text its shortcut does nothing.
  Zwischenablage::textSetzen(QStringLiteral("Hans Meier\r\nKöln"));
  EXPECT_TRUE(m().mnuImpZA->Enabled());
  EXPECT_TRUE(m().mnuImpZA->action()->isEnabled());
  Zwischenablage::leeren();
  EXPECT_FALSE(m().mnuImpZA->Enabled());
  const QString text = m().Feld(1).Text();
  for (QKeyCombination k :
       {Qt::CTRL | Qt::Key_F7, Qt::CTRL | Qt::SHIFT | Qt::Key_F7, Qt::CTRL | Qt::Key_F8, Qt::CTRL | Qt::Key_F9})
    taste(1, k.key(), k.keyboardModifiers());
  EXPECT_EQ(m().Feld(1).Text(), text);
  EXPECT_EQ(m().Liste->ListCount(), 2);
  // Only the shown look-up runs (and reports that no program is registered); the postcode search without
  // its program is disabled, the hidden look-up and the waiting import do nothing.
  ASSERT_EQ(dialoge().requests().size(), 1);
  EXPECT_TRUE(dialoge().requests()[0].text.contains(QStringLiteral("beim Suchen in KlickTel 98")));
  EXPECT_TRUE(tastatur().aufrufe.isEmpty());
}

TEST_F(MenueTest, ShortcutsRunTheirCommandsFromAFieldBoxAndAreNeverTyped) {
  struct Fall {
    const char* name;
    QKeyCombination taste;
    std::function<void()> vorher;
    std::function<bool()> gelaufen;
  };
  const auto anzahl = [this] { return m().Liste->ListCount(); };
  const Fall faelle[] = {
      {"Ctrl+N new", Qt::CTRL | Qt::Key_N, [] {}, [&] { return anzahl() == 3; }},
      {"Ctrl+K copy", Qt::CTRL | Qt::Key_K, [] {}, [&] { return anzahl() == 3; }},
      {"Ctrl+Y delete", Qt::CTRL | Qt::Key_Y, [this] { dialoge().answer(vb::vbYes); }, [&] { return anzahl() == 1; }},
      {"Ctrl+F search", Qt::CTRL | Qt::Key_F, [this] { m().TxtSuche->setText(QString()); },
       [this] { return m().TxtSuche->Text() == QStringLiteral("Meier"); }},
      {"Ctrl+F4 sort by category", Qt::CTRL | Qt::Key_F4, [] {},
       [this] { return m().Liste->List(0).startsWith(QStringLiteral("Firma")); }},
      {"Ctrl+S save", Qt::CTRL | Qt::Key_S,
       [this] {
         m().Liste->setList(1, m().Liste->List(1).replace(QStringLiteral("Albers"), QStringLiteral("Albert")));
         Geaendert = 1;
       },
       [this] { return dateiLesen(AktuelleDatei).contains("Albert"); }},
  };
  for (const Fall& f : faelle) {
    SCOPED_TRACE(f.name);
    m().DatenLaden();
    m().Liste->setListIndex(0);
    zeigen(1);
    f.vorher();
    taste(1, f.taste.key(), f.taste.keyboardModifiers());
    EXPECT_TRUE(f.gelaufen());
    // Neither the box nor any stored line shows the key.
    const QString b = QKeySequence(f.taste.key()).toString().toLower();
    if (b.size() == 1) {
      EXPECT_NE(m().Feld(1).Text(), b);
      EXPECT_FALSE(m().Feld(1).Text().endsWith(b)) << m().Feld(1).Text().toStdString();
      for (int i = 0; i < m().Liste->ListCount(); ++i) {
        EXPECT_FALSE(m().Liste->List(i).contains(QStringLiteral("Meier") + b)) << i;
        EXPECT_NE(m().Liste->List(i).section(u'\t', 1, 1), b) << i;
      }
    }
    IniSichern();
  }
}

TEST_F(MenueTest, UndoAndF12FromAFieldBox) {
  zeigen(1);
  m().Feld(1).setSelStart(5);
  QTest::keyClicks(m().Feld(1).editor(), QStringLiteral("x"));
  EXPECT_EQ(m().Feld(1).Text(), QStringLiteral("Meierx"));
  ASSERT_TRUE(m().Liste->List(0).contains(QStringLiteral("Meierx")));
  // Ctrl+Z is the record's undo, not the box's: the whole record goes back.
  taste(1, Qt::Key_Z, Qt::ControlModifier);
  EXPECT_EQ(m().Feld(1).Text(), QStringLiteral("Meier"));
  EXPECT_FALSE(m().Liste->List(0).contains(QStringLiteral("Meierx")));
  // F12 saves and ends.
  m().Feld(1).setSelStart(5);
  QTest::keyClicks(m().Feld(1).editor(), QStringLiteral("y"));
  EXPECT_TRUE(beendet([&] { taste(1, Qt::Key_F12); }));
  EXPECT_EQ(programmEnden().size(), 1);
  EXPECT_TRUE(dateiLesen(AktuelleDatei).contains("Meiery"));
}

TEST_F(MenueTest, ADisabledItemsShortcutDoesNothingAndTypesNothing) {
  zeigen(11);  // the notes box, several lines
  m().Feld(11).setText(QStringLiteral("Notiz"));
  m().Feld(11).setSelStart(5);
  // With its item disabled Ctrl+H does nothing: no backspace. Ctrl+B has no template file, so its item is
  // hidden.
  m().Menue->item(QStringLiteral("mnuPrnNachnahme"))->setEnabled(false);
  for (Qt::Key k : {Qt::Key_H, Qt::Key_B}) taste(11, k, Qt::ControlModifier);
  EXPECT_EQ(m().Feld(11).Text(), QStringLiteral("Notiz"));
  EXPECT_EQ(m().Feld(11).SelLength(), 0);
  EXPECT_TRUE(dialoge().requests().isEmpty());
}

TEST_F(MenueTest, TheMoreMenuRestartsTheIdleCountAndChecksTheFamilysPrograms) {
  LeerlaufSekunden = 500;
  emit m().mnuWeiteres->menu()->aboutToShow();
  EXPECT_EQ(LeerlaufSekunden, 0);
  EXPECT_EQ(m().StatusBar->PanelText(QStringLiteral("Status")), QStringLiteral("Bereit"));
  // A family program that is not installed: the message names it.
  m().mnuPrg(2).action()->trigger();
  ASSERT_EQ(dialoge().requests().size(), 1);
  EXPECT_EQ(dialoge().requests()[0].title, QStringLiteral("Kelvor nicht installiert."));
}

TEST_F(MenueTest, TheDirectoryEnquiryLinkOpensOnlyAWholeWebAddress) {
  struct Fall {
    const char* links;      // nullptr: no Links.txt
    const char* geoeffnet;  // "" when the invalid-link message comes
    const char* link;
  };
  const Fall faelle[] = {
      {nullptr, "", ""},
      {"[Links]\r\nAnderes=http://www.example.de/x\r\n", "", ""},
      {"[Links]\r\nTeleauskunftHome=anna@example.de\r\n", "", "anna@example.de"},
      {"[Links]\r\nTeleauskunftHome=24.12.2026\r\n", "", "24.12.2026"},
      {"[Links]\r\nTeleauskunftHome=http://www.example.de/auskunft\r\n", "http://www.example.de/auskunft", ""},
      {"[Links]\r\nTeleauskunftHome=siehe http://www.example.de\r\n", "", "siehe http://www.example.de"},
      {"[Links]\r\nTeleauskunftHome=http://\r\n", "", "http://"},
      {"[Links]\r\nTeleauskunftHome=http://  /usr/bin/xterm\r\n", "", "http://  /usr/bin/xterm"},
  };
  const QString datei = programmOrdner() + QStringLiteral("/Links.txt");
  for (const Fall& f : faelle) {
    SCOPED_TRACE(f.links ? f.links : "none");
    QFile::remove(datei);
    if (f.links) dateiSchreiben(datei, f.links);
    dialoge().clear();
    shell().geoeffnet.clear();
    m().mnuLinks(0).action()->trigger();
    if (*f.geoeffnet) {
      ASSERT_EQ(shell().geoeffnet.size(), 1);
      EXPECT_EQ(shell().geoeffnet[0].toString(), QString::fromLatin1(f.geoeffnet));
      EXPECT_TRUE(dialoge().requests().isEmpty());
    } else {
      EXPECT_TRUE(shell().geoeffnet.isEmpty());
      ASSERT_EQ(dialoge().requests().size(), 1);
      const auto& r = dialoge().requests()[0];
      EXPECT_EQ(r.text, QStringLiteral("Der Link »%1« scheint ungültig zu sein.").arg(QString::fromLatin1(f.link)));
      EXPECT_EQ(r.style, vb::vbCritical);
      EXPECT_EQ(r.title, QStringLiteral("Link aufrufen"));
    }
    EXPECT_TRUE(shell().gestartet.isEmpty());
  }
}

TEST_F(MenueTest, TheRecordsWebPageOpensOnlyAWebAddress) {
  QFile programm(tempPfad("werkzeug"));
  ASSERT_TRUE(programm.open(QIODevice::WriteOnly));
  programm.write("#!/bin/sh\n");
  programm.close();
  programm.setPermissions(QFile::ReadOwner | QFile::ExeOwner);
  struct Fall {
    QString www;
    QString geoeffnet;  // "" when nothing is opened
    bool meldung;
  };
  const Fall faelle[] = {
      {"", "", true},
      {"   ", "", false},
      {"www.example.de", "http://www.example.de", false},
      {" https://example.de/seite ", "https://example.de/seite", false},
      {programm.fileName(), "", false},
  };
  for (const Fall& f : faelle) {
    SCOPED_TRACE(f.www.toStdString());
    dialoge().clear();
    shell().geoeffnet.clear();
    m().Feld(22).setText(f.www);
    m().mnuWebStart->action()->trigger();
    if (f.geoeffnet.isEmpty()) {
      EXPECT_TRUE(shell().geoeffnet.isEmpty());
    } else {
      ASSERT_EQ(shell().geoeffnet, QList<QUrl>({QUrl(f.geoeffnet)}));
    }
    if (f.meldung) {
      ASSERT_EQ(dialoge().requests().size(), 1);
      EXPECT_EQ(dialoge().requests()[0].text, QStringLiteral("Keine Web-Seite angegeben."));
      EXPECT_EQ(dialoge().requests()[0].style, vb::vbExclamation);
      EXPECT_EQ(dialoge().requests()[0].title, QString());
    } else {
      EXPECT_TRUE(dialoge().requests().isEmpty());
    }
    EXPECT_TRUE(shell().gestartet.isEmpty());
  }
}

TEST_F(MenueTest, TheFaxNumberGoesToTheClipboardUnchanged) {
  m().Feld(8).setText(QStringLiteral(" 0221 / 12 34-5 "));
  m().PulZFax->action()->trigger();
  EXPECT_EQ(Zwischenablage::text(), QStringLiteral(" 0221 / 12 34-5 "));
  Zwischenablage::textSetzen(QStringLiteral("etwas anderes"));
  m().Feld(8).setText(QString());
  m().PulZFax->action()->trigger();
  EXPECT_EQ(zwischenablage().inhalt, std::optional<QString>(QString()));
}

TEST_F(MenueTest, HelpAdvertisingAndTheMakersPages) {
  // Without pages: the help layer's own messages.
  m().PulAnleitung->action()->trigger();
  m().PulWerbung->action()->trigger();
  EXPECT_EQ(meldungen(), QList<QString>({QStringLiteral("Kann die Hilfe »kartulon.hlp« nicht finden."),
                                         QStringLiteral("Kann leider keine Werbung finden!")}));
  // With the contents page installed, it is shown.
  const QString seite = dateiSchreiben(programmOrdner() + QStringLiteral("/Kartulon.html"), "<html></html>");
  dialoge().clear();
  m().PulAnleitung->action()->trigger();
  EXPECT_EQ(hilfe().gezeigt, QStringList({seite}));
  EXPECT_TRUE(dialoge().requests().isEmpty());
  // The maker's pages, after the confirmation.
  dialoge().answer(vb::vbOK);
  m().mnuURLHomePage->action()->trigger();
  dialoge().answer(vb::vbOK);
  FrageFaellig(QStringLiteral("Browser1stHTML2nd"), -100);
  m().mnuURLUpdate->action()->trigger();
  ASSERT_EQ(shell().geoeffnet.size(), 2);
  EXPECT_EQ(shell().geoeffnet[0].toString(), kFamilienSeite + InternetSeitePfad(kSeiteHomepage));
  EXPECT_EQ(shell().geoeffnet[1].toString(), kFamilienSeite + InternetSeitePfad(kSeiteUpdate));
}

TEST_F(MenueTest, PrinterSetUpMakesTheChoiceTheProgramsPrinter) {
  drucker().setPrinters({{"Testdrucker", "LPT1:", "x"}, {"Laser", "cups", "y"}});
  ASSERT_EQ(vb::Printer().DeviceName(), QStringLiteral("Testdrucker"));
  dialoge().answerCancel();
  m().PulDruckEinrichten->action()->trigger();
  EXPECT_EQ(vb::Printer().DeviceName(), QStringLiteral("Testdrucker"));
  dialoge().answerPrinter(QStringLiteral("Laser"), vb::vbPRORLandscape);
  m().PulDruckEinrichten->action()->trigger();
  ASSERT_EQ(dialoge().requests().size(), 2);
  EXPECT_EQ(dialoge().requests()[1].kind, QStringLiteral("printer"));
  EXPECT_EQ(dialoge().requests()[1].text, QStringLiteral("Testdrucker|Laser"));
  EXPECT_EQ(vb::Printer().DeviceName(), QStringLiteral("Laser"));
  EXPECT_EQ(vb::Printer().Orientation(), vb::vbPRORLandscape);
}

TEST_F(MenueTest, AfterTheSettingsTheWindowsOwnColoursAreStoredThenEveryOptionApplied) {
  // The settings dialog changes the boxes directly; what follows it stores them before reading back.
  const QColor gelb(255, 255, 192);
  for (int i = 0; i < 24; ++i) m().Feld(i).setBackColor(gelb);
  m().NachEinstellungen();
  EXPECT_EQ(vb::Val(IniLesen(QString(), QString(), QStringLiteral("SchriftBackCol"), QString())),
            static_cast<double>(vb::VbFarbe(gelb)));
  EXPECT_EQ(m().Feld(0).BackColor(), gelb);
  EXPECT_EQ(m().Feld(11).BackColor(), gelb);
}

// A dialog for the dialog-command pattern: it records what happened to it.
QStringList gDialogLauf;
class Probedialog : public vb::DialogForm, public vb::DefaultInstance<Probedialog> {
 public:
  void Form_Load() override { gDialogLauf << "geladen"; }
  void Form_Unload(int&) override { gDialogLauf << "entladen"; }
  bool vorbereitet = false;
};

TEST_F(MenueTest, TheDialogCommandLoadsPreparesShowsModallyAndUnloads) {
  gDialogLauf.clear();
  vb::Forms::setModalInterceptor([](vb::FormBase& f) {
    auto& d = dynamic_cast<Probedialog&>(f);
    gDialogLauf << (d.vorbereitet ? "modal, vorbereitet" : "modal");
    gDialogLauf << (QApplication::overrideCursor() ? "Sanduhr" : "Zeiger");
    d.hide();
  });
  DialogSchritte<Probedialog> s;
  s.sanduhr = true;
  s.vorLaden = [] { gDialogLauf << "vor dem Laden"; };
  s.vorZeigen = [](Probedialog& d) { d.vorbereitet = true; };
  s.danach = [] { gDialogLauf << (QApplication::overrideCursor() ? "danach, Sanduhr" : "danach"); };
  DialogBefehl(s);
  EXPECT_EQ(gDialogLauf,
            QStringList({"vor dem Laden", "geladen", "modal, vorbereitet", "Sanduhr", "entladen", "danach"}));
  EXPECT_FALSE(Probedialog::IsLoaded());
  // A second call starts afresh.
  gDialogLauf.clear();
  DialogBefehl<Probedialog>();
  EXPECT_EQ(gDialogLauf, QStringList({"geladen", "modal", "Zeiger", "entladen"}));
  vb::Forms::setModalInterceptor({});
}

}  // namespace
