// The context menu of the field boxes on the real main window: right clicks sent as mouse events, the
// menu recorded by the test double (visible items, bold item) and its items chosen through it.
#include "common/Global.h"
#include "common/Ini.h"
#include "common/formen/Auswahl.h"
#include "common/formen/ZoomText.h"
#include "mainwindow/HauptfensterFixture.h"
#include "mainwindow/Main.h"
#include "platform/kit/Form.h"
#include "store/Datensatz.h"
#include "support/Kontextmenue.h"

#include <QApplication>
#include <QFile>
#include <QPlainTextEdit>
#include <QTest>
#include <optional>

namespace {

class KontextmenueTest : public HauptfensterTest {
 protected:
  // Opens the window afresh, with or without the letter templates' settings file.
  void vorlagen(bool da) {
    const QString pfad = programmOrdner() + QStringLiteral("/vorlagen.ini");
    if (da == QFile::exists(pfad) && Main::IsLoaded()) return;
    if (da)
      dateiSchreiben(pfad, "[Vorlagen]\r\n");
    else
      QFile::remove(pfad);
    vb::Forms::UnloadAll();
    zeigen();
  }

  void tabelle(const QList<std::pair<int, QString>>& felder = {}) {
    QList<std::pair<int, QString>> alle = {{0, "Kunde"},         {1, "Weiß"}, {2, "Bärbel"},
                                           {3, "Hauptstraße 1"}, {15, kAlt},  {16, kAlt}};
    for (const auto& f : felder) alle.append(f);
    Felder werte;
    for (const auto& [i, t] : alle) werte[i] = t;
    m().Liste->setItems({DatensatzBauen(werte), zeileAus({{1, "Zweiter"}, {15, kAlt}, {16, kAlt}})});
    m().Liste->setListIndex(0);
    Geaendert = 0;
  }
  QString gespeichert(int feld) { return FelderAusZeile(m().Liste->List(0))[feld]; }
  // The widget that takes the box's mouse events.
  QWidget* flaeche(int feld) {
    QWidget* e = m().Feld(feld).editor();
    if (auto* p = qobject_cast<QPlainTextEdit*>(e)) return p->viewport();
    return e;
  }
  // A click as the window system delivers it (the buttons held are known while the focus moves).
  void klick(int feld, Qt::MouseButton taste = Qt::RightButton) {
    QTest::mouseClick(m().windowHandle(), taste, {}, flaeche(feld)->mapTo(&m(), QPoint(6, 6)));
    QApplication::processEvents();
  }
  void auswaehlen(int feld, int start, int laenge) {
    m().Feld(feld).setSelStart(start);
    m().Feld(feld).setSelLength(laenge);
  }

  KontextmenueAttrappe menue;
};

// Item lists of the menu in its order.
const char* const kFeldItems = "mnuPopFeld mnuPopFeldAuschneiden mnuPopFeldKopieren ";
const char* const kAdrItems = "mnuPopAdr mnuPopAdrNeu mnuPopAdrKopieren mnuPopAdrLöschen ";

TEST_F(KontextmenueTest, TheMenuShowsWhatTheFieldAndTheRecordHold) {
  struct Fall {
    const char* name;
    int feld;
    QList<std::pair<int, QString>> texte;
    const char* popUp;  // the setting, nullptr: not set
    bool nurLesen;
    bool zwischenablage;
    bool vorlagen;
    Qt::MouseButton taste;
    std::optional<QString> sichtbar;  // none: no menu at all
    QString standard;
  };
  const QString feldAdr =
      QString::fromUtf8(kFeldItems) + QStringLiteral("mnuPopFeldEinfügen ") + QString::fromUtf8(kAdrItems);
  const QString feldOhneEinf = QString::fromUtf8(kFeldItems) + QString::fromUtf8(kAdrItems);
  const Fall faelle[] = {
      {"surname: no pick list, no bold item",
       1,
       {},
       nullptr,
       false,
       true,
       false,
       Qt::RightButton,
       feldAdr + QStringLiteral("mnuPopStrichEdit mnuPopZoom"),
       QString()},
      {"remark: zoom bold beside the pick list",
       11,
       {},
       nullptr,
       false,
       true,
       false,
       Qt::RightButton,
       feldAdr + QStringLiteral("mnuPopStrichEdit mnuPopListenwahl mnuPopZoom"),
       QStringLiteral("mnuPopZoom")},
      {"e-mail with an address, no phones, no web page",
       14,
       {{14, "a@b.de"}},
       nullptr,
       false,
       true,
       false,
       Qt::RightButton,
       feldAdr + QStringLiteral("mnuPopStrichEdit mnuPopListenwahl mnuPopZoom mnuPopeMailTo"),
       QStringLiteral("mnuPopeMailTo")},
      {"e-mail field empty: the pick list is bold",
       14,
       {},
       nullptr,
       false,
       true,
       false,
       Qt::RightButton,
       feldAdr + QStringLiteral("mnuPopStrichEdit mnuPopListenwahl mnuPopZoom"),
       QStringLiteral("mnuPopListenwahl")},
      {"fax with a number and letter templates",
       8,
       {{8, "040 11"}},
       nullptr,
       false,
       true,
       true,
       Qt::RightButton,
       feldAdr + QStringLiteral("mnuPopStrichEdit mnuPopListenwahl mnuPopZoom mnuPopBrfAnWord"),
       QStringLiteral("mnuPopBrfAnWord")},
      {"fax with a number, no letter templates",
       8,
       {{8, "040 11"}},
       nullptr,
       false,
       true,
       false,
       Qt::RightButton,
       feldAdr + QStringLiteral("mnuPopStrichEdit mnuPopListenwahl mnuPopZoom"),
       QStringLiteral("mnuPopListenwahl")},
      {"empty fax with letter templates",
       8,
       {},
       nullptr,
       false,
       true,
       true,
       Qt::RightButton,
       feldAdr + QStringLiteral("mnuPopStrichEdit mnuPopListenwahl mnuPopZoom mnuPopBrfAnWord"),
       QStringLiteral("mnuPopListenwahl")},
      {"web page field",
       22,
       {{22, "www.example.de"}, {12, "0171"}},
       nullptr,
       false,
       true,
       false,
       Qt::RightButton,
       feldAdr + QStringLiteral("mnuPopStrichEdit mnuPopListenwahl mnuPopZoom mnuPopStrichConnect mnuPopTeleWahl "
                                "mnuPopWebSite"),
       QStringLiteral("mnuPopWebSite")},
      {"a telephone of blanks counts",
       3,
       {{7, " "}},
       nullptr,
       false,
       true,
       false,
       Qt::RightButton,
       feldAdr + QStringLiteral("mnuPopStrichEdit mnuPopZoom mnuPopStrichConnect mnuPopTeleWahl"),
       QString()},
      {"empty clipboard: no paste",
       2,
       {},
       nullptr,
       false,
       false,
       false,
       Qt::RightButton,
       feldOhneEinf + QStringLiteral("mnuPopStrichEdit mnuPopZoom"),
       QString()},
      {"read-only: no field and record items",
       12,
       {{12, "0171"}, {14, "a@b.de"}},
       nullptr,
       true,
       true,
       false,
       Qt::RightButton,
       QStringLiteral("mnuPopStrichEdit mnuPopListenwahl mnuPopZoom mnuPopStrichConnect mnuPopTeleWahl "
                      "mnuPopeMailTo"),
       QStringLiteral("mnuPopListenwahl")},
      {"left click", 11, {}, nullptr, false, true, false, Qt::LeftButton, std::nullopt, QString()},
      {"middle click", 11, {}, nullptr, false, true, false, Qt::MiddleButton, std::nullopt, QString()},
      {"PopUp empty is on",
       1,
       {},
       "",
       false,
       true,
       false,
       Qt::RightButton,
       feldAdr + QStringLiteral("mnuPopStrichEdit mnuPopZoom"),
       QString()},
      {"PopUp 0", 11, {}, "0", false, true, false, Qt::RightButton, std::nullopt, QString()},
  };
  for (const Fall& f : faelle) {
    SCOPED_TRACE(f.name);
    vorlagen(f.vorlagen);
    // The rows that set PopUp come last: the others run without the key.
    if (f.popUp) IniSchreiben(QString(), QString(), QStringLiteral("PopUp"), QString::fromLatin1(f.popUp));
    tabelle(f.texte);
    if (f.zwischenablage)
      zwischenablage().inhalt = QStringLiteral("x");
    else
      zwischenablage().inhalt.reset();
    NurLesen = f.nurLesen ? -1 : 0;
    menue.gezeigt.clear();
    klick(f.feld, f.taste);
    if (!f.sichtbar) {
      EXPECT_TRUE(menue.gezeigt.isEmpty());
    } else {
      ASSERT_EQ(menue.gezeigt.size(), 1);
      EXPECT_EQ(menue.gezeigt[0].sichtbar.join(u' '), *f.sichtbar);
      EXPECT_EQ(menue.gezeigt[0].standard, f.standard);
      for (const char* name : {"mnuPopWebSite", "mnuPopeMailTo", "mnuPopTeleWahl", "mnuPopBrfAnWord"}) {
        if (f.sichtbar->contains(QString::fromLatin1(name))) {
          EXPECT_TRUE(menue.waehlbar(QString::fromLatin1(name)));
        }
      }
    }
    EXPECT_EQ(MausFeldIndex, -1);
    NurLesen = 0;
    QApplication::processEvents();
  }
}

TEST_F(KontextmenueTest, TheClickedBoxGetsTheFocusAndKeepsItsSelection) {
  tabelle();
  // A box reached by a click would select its whole text: the right click leaves the selection alone.
  IniSchreiben(QString(), QString(), QStringLiteral("MarkAllAtEntry"), QStringLiteral("1"));
  klick(2, Qt::LeftButton);
  menue.waehlen = QStringLiteral("mnuPopFeldKopieren");
  klick(3);
  EXPECT_EQ(fokusFeld(), 3);
  EXPECT_EQ(FeldIndex, 3);
  EXPECT_EQ(FeldFokus, 1);
  EXPECT_EQ(m().Feld(3).SelText(), QString());
  EXPECT_EQ(zwischenablage().inhalt, QString());

  // The submenu carries the field's caption, also a caption of the user's own.
  m().Bezeichnung1(3).setCaption(QStringLiteral("Anschrift"));
  klick(3);
  EXPECT_EQ(m().Menue->item(QStringLiteral("mnuPopFeld"))->Caption(), QStringLiteral("Anschrift-Feld"));

  // Read-only: the search box takes the focus, so the zoom opens the remark.
  NurLesen = -1;
  QString titel;
  vb::Forms::setModalInterceptor([&](vb::FormBase& form) {
    auto& z = dynamic_cast<ZoomText&>(form);
    titel = z.Caption();
    z.befAbbrechen->click();
  });
  menue.waehlen = QStringLiteral("mnuPopZoom");
  klick(5);
  EXPECT_EQ(FeldFokus, 0);
  EXPECT_EQ(titel, QStringLiteral("Zoom (Zusatzbemerkung)"));
  NurLesen = 0;
}

TEST_F(KontextmenueTest, TheItemsActOnTheClickedField) {
  struct Fall {
    const char* item;
    int feld;
    int start, laenge;              // the selection before the right click
    std::optional<QString> ablage;  // the clipboard before (none: empty)
    QString feldDanach;
    std::optional<QString> ablageDanach;
    bool gestempelt;  // stored with today's change date
    int zeilen;       // records afterwards
  };
  const Fall faelle[] = {
      {"mnuPopFeldAuschneiden", 3, 0, 6, std::nullopt, QStringLiteral("traße 1"), QStringLiteral("Haupts"), true, 2},
      {"mnuPopFeldAuschneiden", 3, 2, 0, QStringLiteral("alt"), QStringLiteral("Hauptstraße 1"), QString(), false, 2},
      {"mnuPopFeldAuschneiden", 11, 3, 4, std::nullopt, QStringLiteral("einwei"), QStringLiteral("s\nz"), true, 2},
      // A locked box hands the focus on (and loses its selection with it): its date stays.
      {"mnuPopFeldAuschneiden", 15, 0, 2, std::nullopt, kAlt, QString(), false, 2},
      {"mnuPopFeldKopieren", 3, 5, 6, std::nullopt, QStringLiteral("Hauptstraße 1"), QStringLiteral("straße"), false,
       2},
      {"mnuPopFeldEinfügen", 3, 0, 5, QStringLiteral("Neben\tweg"), QStringLiteral("Neben wegstraße 1"),
       QStringLiteral("Neben\tweg"), true, 2},
      // Cut to the box's limit (the postcode holds 8 characters), as a paste by key.
      {"mnuPopFeldEinfügen", 4, 0, 0, QStringLiteral("123456789"), QStringLiteral("12345678"),
       QStringLiteral("123456789"), true, 2},
      {"mnuPopFeldEinfügen", 11, 4, 0, QStringLiteral("A\nB"), QStringLiteral("einsA\r\nB\r\nzwei"),
       QStringLiteral("A\nB"), true, 2},
      {"mnuPopAdrNeu", 3, 0, 0, std::nullopt, QString(), std::nullopt, true, 3},
      {"mnuPopAdrKopieren", 3, 0, 0, std::nullopt, QStringLiteral("Hauptstraße 1"), std::nullopt, true, 3},
      {"mnuPopAdrLöschen", 3, 0, 0, std::nullopt, QString(), std::nullopt, false, 1},
  };
  for (const Fall& f : faelle) {
    SCOPED_TRACE(std::string(f.item) + " on field " + std::to_string(f.feld));
    tabelle({{11, "eins\r\nzwei"}});
    zwischenablage().inhalt = f.ablage;
    dialoge().clear();
    dialoge().answer(vb::vbYes);  // the question before deleting
    klick(2, Qt::LeftButton);
    // The user selects in the box, then right-clicks it.
    if (f.feld != 15) klick(f.feld, Qt::LeftButton);
    auswaehlen(f.feld, f.start, f.laenge);
    menue.waehlen = QString::fromUtf8(f.item);
    klick(f.feld);
    ASSERT_EQ(menue.gezeigt.size(), 1);
    menue.gezeigt.clear();

    EXPECT_EQ(m().Liste->ListCount(), f.zeilen);
    EXPECT_EQ(m().Feld(f.feld).Text(), f.feldDanach);
    EXPECT_EQ(zwischenablage().inhalt, f.ablageDanach);
    if (f.zeilen == 2) {
      EXPECT_EQ(gespeichert(f.feld), f.feldDanach);
      EXPECT_EQ(gespeichert(16), f.gestempelt ? kHeute : kAlt);
    } else if (f.gestempelt) {
      EXPECT_EQ(m().Feld(16).Text(), kHeute);
    }
  }
}

TEST_F(KontextmenueTest, PickListZoomAndWebPageOpenForTheClickedField) {
  tabelle({{6, "Schweiz"}, {22, "www.example.de"}});
  QStringList geoeffnet;
  vb::Forms::setModalInterceptor([&](vb::FormBase& form) {
    if (auto* a = dynamic_cast<Auswahl*>(&form)) {
      geoeffnet << a->Caption();
      a->befAbbruch->click();
    } else if (auto* z = dynamic_cast<ZoomText*>(&form)) {
      geoeffnet << z->Caption();
      z->befAbbrechen->click();
    }
  });
  menue.waehlen = QStringLiteral("mnuPopListenwahl");
  klick(6);
  menue.waehlen = QStringLiteral("mnuPopZoom");
  klick(6);
  menue.waehlen = QStringLiteral("mnuPopWebSite");
  klick(22);
  // The e-mail item is hidden without an address: choosing it does nothing.
  menue.waehlen = QStringLiteral("mnuPopeMailTo");
  klick(22);
  EXPECT_EQ(geoeffnet, QStringList({QStringLiteral("Land-Auswahl"), QStringLiteral("Zoom (Land)")}));
  ASSERT_EQ(shell().geoeffnet.size(), 1);
  EXPECT_TRUE(shell().geoeffnet[0].toString().contains(QStringLiteral("www.example.de")));
  EXPECT_EQ(Geaendert, 0);
}

}  // namespace
