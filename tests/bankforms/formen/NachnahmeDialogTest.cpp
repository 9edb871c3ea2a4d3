// The cash-on-delivery dialog and its card on the recording printer, positions in centimetres from the
// printable corner; then one real print into a PDF.
#include "bankforms/formen/FormPrnNachnahme.h"
#include "bankforms/formen/LastschriftFixture.h"
#include "common/Ini.h"
#include "platform/dienste/Dialogs.h"
#include "platform/vb/Clock.h"

#include <QApplication>
#include <QProcess>
#include <QStandardPaths>
#include <QTest>

using namespace Qt::Literals::StringLiterals;
using Op = vb::RecordingPrinter::Op;
using RP = vb::RecordingPrinter;

namespace {

class NachnahmeTest : public LastschriftTest {
 protected:
  FormPrnNachnahme& n() {
    return geladen<FormPrnNachnahme>([this](FormPrnNachnahme& k) { k.AdresseUebernehmen(gezeigteAdresse()); });
  }
  FormPrnNachnahme& ausgefuellt(const QString& preis) {
    satzZeigen(0);
    FormPrnNachnahme& k = n();
    k.txtPreis->setText(preis);
    k.txtPreisZustell->setText(u"3,00"_s);
    k.ComboWährung->setText(u"DM"_s);
    k.txtArtikel1->setText(u"Bestellung 5"_s);
    k.txtArtikel2->setText(u"Bücher"_s);
    k.txtAuftragsnummer->setText(u"4711"_s);
    k.AbsName->setText(u"Hans Maier"_s);
    k.AbsStrasse->setText(u"Ring 2"_s);
    k.AbsOrt->setText(u"10115 Berlin"_s);
    k.AbsBLZ->setText(u"10010010"_s);
    k.AbsBank->setText(u"Postbank"_s);
    k.AbsKontoNr->setText(u"123456"_s);
    return k;
  }
  // Where the text (a word of a wrapped box without its blank) was printed, in cm, or (-99, -99); nummer
  // counts its occurrences from 0.
  QPointF stelle(const QString& text, int nummer = 0) {
    const Op* o = op(text, nummer);
    return o ? QPointF(cm(o->at.twipsX), cm(o->at.twipsY)) : QPointF(-99, -99);
  }
  const Op* op(const QString& text, int nummer = 0) {
    texte_ = drucker().texts();
    for (const Op& o : texte_)
      if (o.text.trimmed() == text && nummer-- == 0) return &o;
    return nullptr;
  }
  QList<Op> texte_;
};

// The main window's command, which hands the dialog the record the window shows.
class NachnahmeBefehlTest : public NachnahmeTest {
 protected:
  bool mitHauptfenster() const override { return true; }
};

TEST_F(NachnahmeBefehlTest, TheDialogStartsWithTheRecipientAndTheSettings) {
  struct Fall {
    const char* name;
    int satz, feld;
    QString name_, strasse, ort, artikel1;
  };
  const Fall faelle[] = {
      {"name, street, town; a two-line selection", 0, 11, u"Anna Meier"_s, u"Hauptstr. 1"_s, u"50667 Köln"_s,
       u"Rechnung 12 vom 1.12."_s},
      {"surname with Zusatz, nothing selected", 1, -1, u"Schulz (Praxis)"_s, {}, {}, {}},
  };
  einstellen("NN_Name", u"Hans Maier"_s);
  for (const Fall& f : faelle) {
    SCOPED_TRACE(f.name);
    satzZeigen(f.satz);
    feldWaehlen(f.feld);
    int mal = 0;
    vb::Forms::setModalInterceptor([&](vb::FormBase& fb) {
      auto* k = dynamic_cast<FormPrnNachnahme*>(&fb);
      if (!k) return;
      ++mal;
      EXPECT_EQ(k->Caption(), u"Nachnahme drucken"_s);
      EXPECT_EQ(k->TxtName->Text(), f.name_);
      EXPECT_EQ(k->txtStrasse->Text(), f.strasse);
      EXPECT_EQ(k->txtOrt->Text(), f.ort);
      EXPECT_EQ(k->txtArtikel1->Text(), f.artikel1);
      EXPECT_EQ(k->txtArtikel1->List(0), u"Auftrag"_s);
      EXPECT_EQ(k->AbsName->Text(), u"Hans Maier"_s);
      EXPECT_EQ(k->txtPreisZustell->Text(), Nachnahme::GebuehrText(NachnahmeGebühr()));
      EXPECT_EQ(k->ComboWährung->Text(), u"DM"_s);
      EXPECT_EQ(k->txtPreis->Text(), QString());
    });
    m().mnuPrnNachnahme_Click();
    EXPECT_EQ(mal, 1);
    EXPECT_FALSE(FormPrnNachnahme::IsLoaded());
  }
}

TEST_F(NachnahmeTest, ALongNameLineIsCutToFifty) {
  satzZeigen(2);
  EXPECT_EQ(n().TxtName->Text(), u"Maximilian-Alexander Mustermann-Schulzes (Steuerber"_s.left(50));
}

TEST_F(NachnahmeTest, TheFormTypeNeedsThePictureAndTheSettingsSaveWritesTenKeys) {
  einstellen("NN_BankForm", u"1"_s);
  EXPECT_FALSE(n().optFormular(1).isEnabled());
  EXPECT_TRUE(n().optFormular(0).Value());
  FormPrnNachnahme::Unload();
  QImage bild(4, 6, QImage::Format_RGB32);
  bild.fill(Qt::green);
  ASSERT_TRUE(bild.save(programmOrdner() + u"/FormPrn_Nachnahme.bmp"_s, "BMP"));
  FormPrnNachnahme& k = ausgefuellt(u"1"_s);
  EXPECT_TRUE(k.optFormular(1).Value());
  k.AbsName->setText(u" Hans Maier "_s);
  k.ComboSchrift->setListIndex(k.ComboSchrift->findText(u"Times New Roman"_s));
  k.mnuSetupSave->action()->trigger();
  QFile ini(IniDateiAufloesen(QString()));
  ASSERT_TRUE(ini.open(QIODevice::ReadOnly));
  const QString text = Codec::dekodieren(ini.readAll());
  EXPECT_TRUE(
      text.contains(u"NN_BankForm=1\r\nNN_Name=Hans Maier\r\nNN_Strasse=Ring 2\r\nNN_Ort=10115 Berlin\r\n"
                    "NN_BLZ=10010010\r\nNN_Bank=Postbank\r\nNN_KontoNr=123456\r\nNN_PreisZustell=3,00\r\n"
                    "NN_Währung=DM\r\nNN_Font=Times New Roman\r\n"_s))
      << text.toStdString();
}

TEST_F(NachnahmeTest, ThePriceBoxIsEvaluatedWhenLeftAndEnterMovesOn) {
  FormPrnNachnahme& k = n();
  k.show();
  QApplication::setActiveWindow(&k);
  ASSERT_TRUE(QTest::qWaitForWindowActive(&k));
  for (const auto& [getippt, danach] :
       {std::pair{u"12,50"_s, u"12.5"_s}, std::pair{QString(), u"0"_s}, std::pair{u"100/3"_s, u"33.33333"_s}}) {
    k.txtPreis->SetFocus();
    k.txtPreis->setText(getippt);
    k.txtAuftragsnummer->SetFocus();
    EXPECT_EQ(k.txtPreis->Text(), danach);
  }
  k.txtArtikel1->setFocus(Qt::OtherFocusReason);
  const QList<QWidget*> reihe = {k.txtArtikel2,
                                 k.txtPreis->editor(),
                                 k.ComboWährung,
                                 k.txtPreisZustell->editor(),
                                 k.txtAuftragsnummer->editor(),
                                 k.TxtName->editor(),
                                 k.txtStrasse->editor(),
                                 k.txtOrt->editor(),
                                 k.AbsName->editor(),
                                 k.AbsStrasse->editor(),
                                 k.AbsOrt->editor(),
                                 k.AbsBLZ->editor(),
                                 k.AbsBank->editor(),
                                 k.AbsKontoNr->editor(),
                                 k.ComboSchrift};
  for (QWidget* naechstes : reihe) {
    QWidget* w = QApplication::focusWidget();
    QTest::sendKeyEvent(QTest::Press, w, Qt::Key_Return, u"\r"_s, Qt::NoModifier);
    QTest::sendKeyEvent(QTest::Release, w, Qt::Key_Return, u"\r"_s, Qt::NoModifier);
    QWidget* erwartet = naechstes->focusProxy() ? naechstes->focusProxy() : naechstes;
    ASSERT_EQ(QApplication::focusWidget(), erwartet) << naechstes->objectName().toStdString();
  }
  EXPECT_TRUE(k.isVisible());
}

TEST_F(NachnahmeTest, NoPriceAsksAndCancelKeepsTheDialog) {
  FormPrnNachnahme& k = ausgefuellt(u"0"_s);
  k.show();
  druckoptionen({});
  dialoge().answer(vb::vbCancel);
  k.befPrnÜberweisung_Click();
  ASSERT_EQ(dialoge().requests().size(), 1);
  EXPECT_EQ(dialoge().requests()[0].title, u"Formular ohne Betrag drucken?"_s);
  EXPECT_EQ(optionenGezeigt, 0);
  EXPECT_TRUE(k.isVisible());
}

TEST_F(NachnahmeTest, TheCardAtTheMargins) {
  Clock::setFixed(QDateTime(QDate(1999, 11, 15), QTime(12, 0)));
  for (const auto& [rx, ry] : {std::pair{0, 0}, std::pair{10, 5}}) {
    SCOPED_TRACE(rx);
    drucker().clear();
    FormPrnNachnahme& k = ausgefuellt(u"12.5"_s);
    k.show();
    druckoptionen({{rx, ry}});
    k.befPrnÜberweisung_Click();
    EXPECT_FALSE(k.isVisible());
    ASSERT_EQ(titel.size(), 1);
    EXPECT_EQ(titel[0], u"Drucken - Kartulon Überweisung"_s);
    EXPECT_EQ(jobs[0], u"Kartulon_Nachnahme"_s);
    const double x = rx / 10.0, y = ry / 10.0;
    struct Soll {
      QString text;
      double x, y;
      int nummer = 0;
    };
    const double z9 = cm(RP::lineHeight(9)), z10 = cm(RP::lineHeight(10));
    const Soll soll[] = {
        {u"Hans"_s, x + 0.0, y + 8.0},
        {u"15"_s, x + 4.3, y + 11.6},
        {u"50"_s, x + 7.6, y + 11.6},
        {u"Anna"_s, x + 7.05, y + 13.4},
        {u"Knt.-Nr."_s, x + 0.0, y + 13.2},
        {u"123456"_s, x + 1.4, y + 13.2},
        {u"BLZ"_s, x + 0.0, y + 13.2 + z10},
        {u"Bank"_s, x + 0.0, y + 13.2 + 2 * z10},
        {u"4711 (99-4)"_s, x + 0.0, y + 17.2},
        {u"Hans Maier 10115 Berlin"_s, x + 0.0, y + 19.93},
        {u"10010010"_s, x + 9.6, y + 20.83, 1},
        {u"12,50"_s, x + 7.6, y + 22.48},
        {u"Anna Meier 50667 Köln"_s, x + 0.0, y + 25.03},
        {u"Nachnahme Nr. 4711"_s, x + 14.6, y + 8.2},
        {u"15.11.1999"_s, x + 14.6, y + 8.2 + 3 * z9},
        {u"12,50 DM"_s, x + 14.6, y + 8.2 + 5 * z9},
        {u"Kunde #7"_s, x + 14.6, y + 8.2 + 20 * z9},
    };
    for (const Soll& s : soll) {
      const QPointF p = stelle(s.text, s.nummer);
      EXPECT_NEAR(p.x(), s.x, 1e-6) << s.text.toStdString();
      EXPECT_NEAR(p.y(), s.y, 1e-6) << s.text.toStdString();
    }
    ASSERT_TRUE(op(u"Nachnahme Nr. 4711"_s));
    EXPECT_EQ(op(u"Nachnahme Nr. 4711"_s)->color, 0x0000FF);
    EXPECT_EQ(op(u"Kunde #7"_s)->color, 0);
    EXPECT_EQ(op(u"15"_s)->font.size, 16);
    EXPECT_TRUE(op(u"15"_s)->font.bold);
    EXPECT_EQ(op(u"15"_s)->font.name, u"Arial"_s);
    EXPECT_EQ(op(u"12,50"_s)->font.name, u"Courier New"_s);
    EXPECT_EQ(op(u"12,50"_s)->font.size, 12);
    EXPECT_EQ(op(u"Anna"_s)->font.size, 16);
    FormPrnNachnahme::Unload();
  }
}

TEST_F(NachnahmeTest, TheLogoOnlyWhenTheSettingIsExactlyItsName) {
  Clock::setFixed(QDateTime(QDate(1999, 11, 15), QTime(12, 0)));
  const double z10 = cm(RP::lineHeight(10));
  for (const QString& wert : {u"Sorvek"_s, u"sorvek"_s, u"Sorvek2"_s, QString()}) {
    SCOPED_TRACE(wert.toStdString());
    IniSchreiben(QString(), QString(), u"Logo4Umschlag"_s, wert);
    drucker().clear();
    FormPrnNachnahme& k = ausgefuellt(u"12.5"_s);
    druckoptionen({});
    k.befPrnÜberweisung_Click();
    if (wert == u"Sorvek"_s) {
      // 0.4 cm below the line after the bank, at the bank line's x; the order number keeps its place.
      const QPointF logo = stelle(u"Sorvek"_s);
      EXPECT_NEAR(logo.x(), 0.0, 1e-6);
      EXPECT_NEAR(logo.y(), 13.2 + 3 * z10 + 0.4, 1e-6);
      ASSERT_NE(op(u"Sorvek"_s), nullptr);
      EXPECT_NEAR(op(u"Sorvek"_s)->font.size, 17 * 1.1, 1e-6);
    } else {
      EXPECT_EQ(op(u"Sorvek"_s), nullptr);
    }
    EXPECT_NEAR(stelle(u"4711 (99-4)"_s).y(), 17.2, 1e-6);
    FormPrnNachnahme::Unload();
  }
}

TEST_F(NachnahmeTest, TheRecipientFontShrinksToFitAndRowNineIsCut) {
  struct Fall {
    int laenge;
    double punkte;
  };
  for (const Fall& f : {Fall{20, 16}, Fall{21, 15}, Fall{22, 14}, Fall{24, 13}, Fall{40, 13}}) {
    SCOPED_TRACE(f.laenge);
    drucker().clear();
    FormPrnNachnahme& k = ausgefuellt(u"1"_s);
    const QString name = QString(f.laenge, u'N');
    k.TxtName->setText(name);
    druckoptionen({});
    k.befPrnÜberweisung_Click();
    bool gefunden = false;
    for (const Op& o : drucker().texts())
      if (o.text.startsWith(u"NNNN"_s) && cm(o.at.twipsX) > 7 && cm(o.at.twipsX) < 14) {
        EXPECT_EQ(o.font.size, f.punkte);
        gefunden = true;
      }
    EXPECT_TRUE(gefunden);
    const QString zeile9 = name + u" 50667 Köln"_s;
    EXPECT_NEAR(stelle(zeile9.left(54)).y(), 25.03, 1e-6);
    FormPrnNachnahme::Unload();
  }
}

TEST_F(NachnahmeTest, AFailingPrinterGivesOneMessageAndTheDialogStays) {
  FormPrnNachnahme& k = ausgefuellt(u"12.5"_s);
  k.show();
  drucker().setFailing(true);
  druckoptionen({});
  k.befPrnÜberweisung_Click();
  ASSERT_EQ(dialoge().requests().size(), 1);
  EXPECT_TRUE(dialoge().requests()[0].text.contains(u"Es ist ein Fehler aufgetreten."_s));
  EXPECT_TRUE(k.isVisible());
}

TEST_F(NachnahmeTest, ARealPrintIntoAPdf) {
  if (QStandardPaths::findExecutable(u"pdftotext"_s).isEmpty()) GTEST_SKIP() << "pdftotext (poppler-utils) is needed";
  const QString pdf = tempPfad(u"nachnahme.pdf"_s);
  vb::installPrinterBackend(std::make_unique<vb::QtPrinterBackend>(pdf));
  FormPrnNachnahme& k = ausgefuellt(u"12.5"_s);
  druckoptionen({{10, 10}});
  k.befPrnÜberweisung_Click();
  ASSERT_TRUE(QFileInfo::exists(pdf));
  const QString text = pdfText(pdf);
  for (const QString& t : {u"Anna Meier"_s, u"Nachnahme Nr. 4711"_s, u"12,50 DM"_s, u"Hans Maier"_s, u"Postbank"_s})
    EXPECT_TRUE(text.contains(t)) << t.toStdString() << "\n" << text.toStdString();
  EXPECT_EQ(text.count(u'\f'), 1) << "one page";
}

}  // namespace
