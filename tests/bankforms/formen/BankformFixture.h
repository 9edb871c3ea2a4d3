#pragma once
// What the bank-form dialog tests share: the fixture's records as the main window would show them (loaded
// into the real window for the tests of its menu commands), a field of the shown record chosen as the
// purpose, the print-options dialog answered with margins or a cancel, a picture of the blank sheet, a
// print read back from its PDF, and a dialog made active for keys.
#include "bankforms/formen/Bankformteile.h"
#include "common/Global.h"
#include "common/Ini.h"
#include "mainwindow/Main.h"
#include "platform/dienste/Printer.h"
#include "platform/vb/Codec.h"
#include "printing/formen/PrinterSet.h"
#include "store/Datensatz.h"
#include "support/Dialogtest.h"

#include <QApplication>
#include <QImage>
#include <QProcess>
#include <QTest>

// Twips as centimetres.
inline double cm(double twips) { return twips * 2.54 / 1440; }

// A printed text and where it stands, in centimetres from the printable corner.
struct Stelle {
  QString text;
  double x, y;
};

class BankformTest : public Dialogtest {
 protected:
  void SetUp() override {
    Dialogtest::SetUp();
    adressdateiOrdnerEinrichten(programmOrdner());
  }

  Main& m() { return Main::get(); }

  // These records, the first one shown; the main window, where there is one, loads them as its address file.
  void saetzeLaden(const QList<QString>& saetze) {
    saetze_ = saetze;
    aktuell_ = 0;
    if (!mitHauptfenster()) return;
    dateiSchreiben(AktuelleDatei,
                   Codec::nach1252(QStringList(saetze).join(QStringLiteral("\r\n")) + QStringLiteral("\r\n")));
    m().DatenLaden();
    ASSERT_EQ(m().Liste->ListCount(), saetze.size());
  }
  // The record shown.
  void satzZeigen(int i) {
    aktuell_ = i;
    feld_ = -1;
    if (mitHauptfenster()) m().Liste->setListIndex(i);
  }

  // The shown record's field wholly selected and current, its text being what a dialog takes as the
  // purpose; -1: nothing selected.
  void feldWaehlen(int feld) {
    feld_ = feld;
    if (!mitHauptfenster()) return;
    if (feld >= 0) {
      FeldIndex = feld;
      m().Feld(feld).setSelStart(0);
      m().Feld(feld).setSelLength(static_cast<int>(m().Feld(feld).Text().size()));
    } else {
      m().Feld(0).setSelLength(0);
      FeldIndex = 0;
    }
  }

  // The shown record as the debit and the cash-on-delivery commands hand it: the texts of the window's
  // field boxes (an empty first field stored as a blank shows empty) and the selection.
  Bankformteile::Adresse gezeigteAdresse() {
    if (mitHauptfenster()) return {m().FeldTexte(), m().FeldAuswahl()};
    Bankformteile::Adresse a;
    a.felder = FelderAusZeile(saetze_.value(aktuell_));
    if (a.felder[0] == QStringLiteral(" ")) a.felder[0].clear();
    if (feld_ >= 0) a.auswahl = a.felder[feld_];
    return a;
  }

  // What a print-options dialog is answered with.
  struct Druckoptionen {
    int randX = 0, randY = 0;  // mm
    bool abbrechen = false;
  };
  static void beantworten(PrinterSet& p, const Druckoptionen& o) {
    if (o.abbrechen) {
      p.befAbbrechen->click();
      return;
    }
    p.ComboRandX->setListIndex(o.randX);
    p.ComboRandY->setListIndex(o.randY);
    p.befOk->click();
  }

  // A picture of 4 x 6 pixels as the blank sheet.
  static void bildAnlegen(const QString& datei) {
    QImage bild(4, 6, QImage::Format_RGB32);
    bild.fill(Qt::green);
    ASSERT_TRUE(bild.save(datei, "BMP"));
  }

  // The PDF's text laid out as on the page; "" when pdftotext failed.
  static QString pdfText(const QString& pdf) {
    QProcess p;
    p.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
    if (!p.waitForFinished(30000) || p.exitCode() != 0) return {};
    return QString::fromUtf8(p.readAllStandardOutput());
  }

  // The recording printer's operations of one kind.
  QList<vb::RecordingPrinter::Op> ops(vb::RecordingPrinter::Kind art) {
    QList<vb::RecordingPrinter::Op> l;
    for (const auto& o : drucker().ops())
      if (o.kind == art) l << o;
    return l;
  }
  // The printed texts after the blank that starts the page.
  QList<Stelle> texte() {
    QList<Stelle> l;
    const auto t = drucker().texts();
    for (qsizetype i = 1; i < t.size(); ++i) l << Stelle{t[i].text, cm(t[i].at.twipsX), cm(t[i].at.twipsY)};
    return l;
  }
  static void vergleichen(const QList<Stelle>& ist, const QList<Stelle>& soll) {
    ASSERT_EQ(ist.size(), soll.size());
    for (qsizetype i = 0; i < ist.size(); ++i) {
      EXPECT_EQ(ist[i].text, soll[i].text) << i;
      EXPECT_NEAR(ist[i].x, soll[i].x, 1e-6) << ist[i].text.toStdString();
      EXPECT_NEAR(ist[i].y, soll[i].y, 1e-6) << ist[i].text.toStdString();
    }
  }

  // The dialog shown and active, so that keys reach its focused control.
  static void aktivZeigen(QWidget& dialog) {
    dialog.show();
    QApplication::setActiveWindow(&dialog);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog));
  }
  static QWidget* fokus() { return QApplication::focusWidget(); }
  static void taste(Qt::Key key, Qt::KeyboardModifiers mod = Qt::NoModifier, const QString& text = {}) {
    QTest::sendKeyEvent(QTest::Press, fokus(), key, text, mod);
    QTest::sendKeyEvent(QTest::Release, fokus(), key, text, mod);
  }

 private:
  QList<QString> saetze_;
  int aktuell_ = 0;
  int feld_ = -1;
};
