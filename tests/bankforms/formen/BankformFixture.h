#pragma once
// What the bank-form dialog tests share on the real main window: the address file of the fixture's
// records, a field of the shown record chosen as the purpose, the print-options dialog answered with
// margins or a cancel, a picture of the blank sheet, a print read back from its PDF, and a dialog made
// active for keys.
#include "mainwindow/AdressdateiFixture.h"
#include "platform/vb/Codec.h"
#include "printing/formen/PrinterSet.h"

#include <QApplication>
#include <QImage>
#include <QProcess>
#include <QTest>

class BankformTest : public AdressdateiTest {
 protected:
  // The address file of these records, loaded.
  void saetzeLaden(const QList<QString>& saetze) {
    adressdatei(Codec::nach1252(QStringList(saetze).join(QStringLiteral("\r\n")) + QStringLiteral("\r\n")));
    m().DatenLaden();
    ASSERT_EQ(m().Liste->ListCount(), saetze.size());
  }

  // The shown record's field wholly selected and current, its text being what a dialog takes as the
  // purpose; -1: nothing selected.
  void feldWaehlen(int feld) {
    if (feld >= 0) {
      FeldIndex = feld;
      m().Feld(feld).setSelStart(0);
      m().Feld(feld).setSelLength(static_cast<int>(m().Feld(feld).Text().size()));
    } else {
      m().Feld(0).setSelLength(0);
      FeldIndex = 0;
    }
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
};
