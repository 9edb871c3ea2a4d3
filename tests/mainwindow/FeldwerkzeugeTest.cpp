// The editing aids of the field boxes on the real main window: the zoom editor (answered through the
// modal interceptor), renaming a field's caption (scripted input answers) and the special characters.
#include "common/Global.h"
#include "common/Ini.h"
#include "common/formen/Sonderzeichen.h"
#include "common/formen/ZoomText.h"
#include "mainwindow/HauptfensterFixture.h"
#include "mainwindow/Main.h"
#include "platform/kit/Form.h"
#include "platform/vb/Fonts.h"
#include "store/Datensatz.h"

#include <QApplication>
#include <QTest>
#include <optional>

namespace {

class FeldwerkzeugeTest : public HauptfensterTest {
 protected:
  void tabelle() {
    m().Liste->setItems({zeileAus({{0, "Kunde"},
                                   {1, "Weiß"},
                                   {2, "Bärbel"},
                                   {4, "12345"},
                                   {5, "Altort"},
                                   {11, "erste Zeile\r\nzweite Zeile"},
                                   {15, kAlt},
                                   {16, kAlt}}),
                         zeileAus({{0, "Kunde"}, {1, "Zweiter"}, {15, kAlt}, {16, kAlt}})});
    m().Liste->setListIndex(0);
    Geaendert = 0;
  }
  QString gespeichert(int feld) { return FelderAusZeile(m().Liste->List(0))[feld]; }
  // The focus as a click gives it; -1 is the search box.
  void fokus(int feld) {
    if (feld < 0)
      m().TxtSuche->SetFocus();
    else
      QTest::mouseClick(m().Feld(feld).editor(), Qt::LeftButton, {}, QPoint(4, 4));
    QApplication::processEvents();
  }
  QString ini() { return QString::fromLatin1(dateiLesen(programmOrdner() + QStringLiteral("/Kartulon.Ini"))); }
};

// What the zoom editor showed when it opened.
struct Zoomanzeige {
  QString titel, text;
  int selStart = -1, selLength = -1, maxLength = -1;
  QFont schrift;
};

TEST_F(FeldwerkzeugeTest, ZoomShowsTheFieldAndWritesItBack) {
  enum class Weg { Knopf, StrgF2 };
  struct Fall {
    const char* name;
    int fokus;  // the box that had the focus last (-1: the search box)
    Weg weg;
    std::optional<QString> eingabe;  // typed into the editor; none: left as shown
    bool ok;
    int feld;  // the field that opens
    QString titel;
    QString danach;   // the field's text afterwards
    bool fest;        // Courier New bold
    bool gestempelt;  // field 16 shows today
  };
  const Fall faelle[] = {
      {"postcode, two lines joined", 4, Weg::StrgF2, QStringLiteral("ab\r\ncd"), true, 4, QStringLiteral("Zoom (PLZ)"),
       QStringLiteral("abcd"), true, true},
      {"remark keeps its lines and its font", 11, Weg::Knopf, QStringLiteral("eins\r\n\r\ndrei"), true, 11,
       QStringLiteral("Zoom (Zusatzbemerkung)"), QStringLiteral("eins\r\n\r\ndrei"), false, true},
      {"cancel", 5, Weg::Knopf, QStringLiteral("Neuort"), false, 5, QStringLiteral("Zoom (Ort)"),
       QStringLiteral("Altort"), true, false},
      {"confirmed unchanged", 2, Weg::StrgF2, std::nullopt, true, 2, QStringLiteral("Zoom (Vorname)"),
       QStringLiteral("Bärbel"), true, false},
      {"after the search box: the remark", -1, Weg::Knopf, QStringLiteral("neu"), true, 11,
       QStringLiteral("Zoom (Zusatzbemerkung)"), QStringLiteral("neu"), false, true},
  };
  // The remark box gets a face of the user's own: the zoom keeps it.
  QFont eigen = Fonts::schrift(QStringLiteral("Arial"), 9, false, true);
  m().Feld(11).setFont(eigen);
  // Wide enough for the zoom button to show.
  m().resize(1200, m().height());
  QApplication::processEvents();
  ASSERT_TRUE(m().befZoom->isVisible());

  for (const Fall& f : faelle) {
    SCOPED_TRACE(f.name);
    tabelle();
    const QString vorher = m().Liste->List(0);
    const QString alt = m().Feld(f.feld).Text();
    const int grenze = m().Feld(f.feld).MaxLength();
    fokus(f.fokus);
    if (f.fokus >= 0) {
      m().Feld(f.fokus).setSelStart(1);
      m().Feld(f.fokus).setSelLength(2);
    }
    std::optional<Zoomanzeige> gesehen;
    vb::Forms::setModalInterceptor([&](vb::FormBase& form) {
      auto& z = dynamic_cast<ZoomText&>(form);
      gesehen = Zoomanzeige{z.Caption(),         z.Text->Text(),      z.Text->SelStart(),
                            z.Text->SelLength(), z.Text->MaxLength(), z.Text->font()};
      if (f.eingabe) z.Text->setText(*f.eingabe);
      (f.ok ? z.befOk : z.befAbbrechen)->click();
    });
    switch (f.weg) {
      case Weg::Knopf:
        QTest::mouseClick(m().befZoom, Qt::LeftButton);
        break;
      case Weg::StrgF2:
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_F2, Qt::ControlModifier);
        break;
    }
    QApplication::processEvents();
    vb::Forms::setModalInterceptor({});

    if (!f.gestempelt && f.ok) {
      for (int i = 0; i < 24; ++i) EXPECT_EQ(FelderAusZeile(vorher)[i], gespeichert(i)) << i;
    }
    ASSERT_TRUE(gesehen.has_value());
    EXPECT_EQ(gesehen->titel, f.titel);
    EXPECT_EQ(gesehen->text, alt);
    EXPECT_EQ(gesehen->maxLength, grenze);
    // A click on the button takes the focus, and a box of one line loses its selection with it.
    if (f.weg == Weg::StrgF2) {
      EXPECT_EQ(gesehen->selStart, 1);
      EXPECT_EQ(gesehen->selLength, 2);
    }
    if (f.fest) {
      EXPECT_EQ(gesehen->schrift.family(), Fonts::familie(QStringLiteral("Courier New")));
      EXPECT_TRUE(gesehen->schrift.bold());
    } else {
      EXPECT_EQ(gesehen->schrift.family(), eigen.family());
      EXPECT_TRUE(gesehen->schrift.italic());
      EXPECT_FALSE(gesehen->schrift.bold());
    }
    // The size stays the zoom's own.
    EXPECT_DOUBLE_EQ(gesehen->schrift.pointSizeF(), 13.0);

    EXPECT_EQ(m().Feld(f.feld).Text(), f.danach);
    if (f.ok) {
      EXPECT_EQ(gespeichert(f.feld), f.danach);
    } else {
      EXPECT_EQ(m().Liste->List(0), vorher);
    }
    EXPECT_EQ(gespeichert(16), f.gestempelt ? kHeute : kAlt);
    EXPECT_EQ(m().Feld(16).Text(), f.gestempelt ? kHeute : kAlt);
    EXPECT_EQ(fokusFeld(), f.feld);
    EXPECT_FALSE(ZoomText::IsLoaded());
  }
}

TEST_F(FeldwerkzeugeTest, ARenamedCaptionIsStoredAndReadAtTheNextStart) {
  IniDatei = programmOrdner() + QStringLiteral("/Kartulon.Ini");
  const QString vorher = ini();
  dialoge().answerText(QStringLiteral("Wohnort  "));
  QTest::mouseDClick(&m().Bezeichnung1(5), Qt::LeftButton);
  ASSERT_EQ(dialoge().requests().size(), 1);
  const auto& r = dialoge().requests()[0];
  EXPECT_EQ(r.kind, QStringLiteral("inputbox"));
  EXPECT_EQ(r.title, QStringLiteral("Feldbeschriftung ändern"));
  EXPECT_EQ(r.text, QStringLiteral("Bitte geben Sie eine neue Beschriftung für das Feld »Ort« ein.\r\n\r\n"
                                   "Beachten Sie bitte, dass alle Masken, die dieses Feld verwenden, angepasst "
                                   "werden müssen."));
  EXPECT_EQ(r.standard, QStringLiteral("Ort"));
  // Shown as it is stored: without the trailing blanks.
  EXPECT_EQ(m().Bezeichnung1(5).Caption(), QStringLiteral("Wohnort"));
  EXPECT_EQ(m().FeldBezeichnungen()[5], QStringLiteral("Wohnort"));
  EXPECT_EQ(dateiLesen(IniDatei), vorher.toLatin1() + "[Beschriftung]\r\nBez_05=Wohnort\r\n");

  // A second start reads it back.
  vb::Forms::UnloadAll();
  EXPECT_EQ(m().Bezeichnung1(5).Caption(), QStringLiteral("Wohnort"));
  EXPECT_EQ(m().Bezeichnung1(4).Caption(), QStringLiteral("PLZ"));
}

TEST_F(FeldwerkzeugeTest, ACaptionStaysWhenTheAnswerGivesNone) {
  IniDatei = programmOrdner() + QStringLiteral("/Kartulon.Ini");
  struct Fall {
    const char* name;
    std::optional<QString> antwort;  // none: Abbrechen
    short nurLesen;
    int fragen;  // input boxes shown
  };
  const Fall faelle[] = {
      {"cancel", std::nullopt, 0, 1},
      {"empty", QString(), 0, 1},
      {"blanks only", QStringLiteral("   "), 0, 1},
      {"read-only", QStringLiteral("Wohnort"), -1, 0},
  };
  const QString vorher = ini();
  for (const Fall& f : faelle) {
    SCOPED_TRACE(f.name);
    dialoge().clear();
    NurLesen = f.nurLesen;
    if (f.antwort)
      dialoge().answerText(*f.antwort);
    else
      dialoge().answerCancel();
    QTest::mouseDClick(&m().Bezeichnung1(5), Qt::LeftButton);
    EXPECT_EQ(dialoge().requests().size(), f.fragen);
    EXPECT_EQ(m().Bezeichnung1(5).Caption(), QStringLiteral("Ort"));
    EXPECT_EQ(ini(), vorher);
  }
}

TEST_F(FeldwerkzeugeTest, SpecialCharactersReplaceTheSelection) {
  enum class Weg { Ok, Abbrechen, KeinFeld };
  struct Fall {
    const char* name;
    Weg weg;
    QString danach;
  };
  const Fall faelle[] = {
      {"selection replaced", Weg::Ok, QStringLiteral("W€ß")},
      {"Abbrechen", Weg::Abbrechen, QStringLiteral("Weiß")},
      {"the search box had the focus", Weg::KeinFeld, QStringLiteral("Weiß")},
  };
  for (const Fall& f : faelle) {
    SCOPED_TRACE(f.name);
    tabelle();
    dialoge().clear();
    fokus(1);
    m().Feld(1).setSelStart(1);
    m().Feld(1).setSelLength(2);
    if (f.weg == Weg::KeinFeld) fokus(-1);
    int gezeigt = 0;
    vb::Forms::setModalInterceptor([&](vb::FormBase& form) {
      auto& s = dynamic_cast<Sonderzeichen&>(form);
      ++gezeigt;
      s.Text->setText(QStringLiteral("€"));
      (f.weg == Weg::Ok ? s.BefOk : s.BefAbbruch)->click();
    });
    ASSERT_TRUE(m().mnuSonderzeichenEinfg->Bereit());
    m().mnuSonderzeichenEinfg->action()->trigger();
    vb::Forms::setModalInterceptor({});

    EXPECT_EQ(m().Feld(1).Text(), f.danach);
    EXPECT_EQ(gespeichert(1), f.danach);
    EXPECT_EQ(Geaendert, f.weg == Weg::Ok ? 1 : 0);
    EXPECT_FALSE(Sonderzeichen::IsLoaded());
    if (f.weg == Weg::KeinFeld) {
      EXPECT_EQ(gezeigt, 0);
      ASSERT_EQ(dialoge().requests().size(), 1);
      EXPECT_EQ(dialoge().requests()[0].style, 64);
      EXPECT_EQ(dialoge().requests()[0].title, QStringLiteral("Sonderzeichen einfügen"));
      EXPECT_EQ(dialoge().requests()[0].text,
                QStringLiteral("Wählen Sie bitte zuerst das Feld aus, ein welches Sonderzeichen eingefügt werden "
                               "sollen."));
    } else {
      EXPECT_EQ(gezeigt, 1);
      EXPECT_TRUE(dialoge().requests().isEmpty());
      // Abbrechen leaves the selection as it was.
      if (f.weg == Weg::Abbrechen) {
        EXPECT_EQ(m().Feld(1).SelText(), QStringLiteral("ei"));
      }
    }
  }
}

}  // namespace
