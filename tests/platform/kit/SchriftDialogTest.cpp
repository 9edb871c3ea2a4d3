// The kit's font dialog: preset, limits, the refused sizes; the tab control.
#include "platform/kit/Register.h"
#include "platform/kit/SchriftDialog.h"
#include "support/kern/TestUmgebung.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFontComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QMap>
#include <QPushButton>
#include <QTest>

class SchriftDialogTest : public KartulonTest {};

TEST_F(SchriftDialogTest, OnlySizesWithinTheLimitsAreTaken) {
  SchriftWahl v;
  v.name = QStringLiteral("Arial");
  v.groesse = 10;
  v.unterstrichen = true;
  v.farbe = QColor(0x80, 0, 0);
  v.kleinste = 4;
  v.groesste = 16;
  kit::SchriftDialog d(v);
  EXPECT_TRUE(d.Unterstrichen->isChecked());
  EXPECT_FALSE(d.Durchgestrichen->isChecked());
  EXPECT_EQ(d.Farbe->currentData().value<QColor>(), QColor(0x80, 0, 0));
  EXPECT_EQ(d.Groesse->findText(QStringLiteral("18")), -1);
  EXPECT_NE(d.Groesse->findText(QStringLiteral("16")), -1);

  struct Fall {
    QString groesse;
    bool angenommen;
  };
  const Fall faelle[] = {{"20", false},   {"3", false}, {"3,9", false}, {"gross", false},
                         {"16,5", false}, {"4", true},  {"16", true},   {"9,5", true}};
  for (const Fall& f : faelle) {
    SCOPED_TRACE(f.groesse.toStdString());
    dialoge().clear();
    d.setResult(QDialog::Rejected);
    d.Groesse->setEditText(f.groesse);
    d.accept();
    EXPECT_EQ(d.result() == QDialog::Accepted, f.angenommen);
    EXPECT_EQ(dialoge().requests().size(), f.angenommen ? 0 : 1);
    if (!f.angenommen) {
      EXPECT_EQ(dialoge().requests()[0].text, QString::fromUtf16(u"Die Größe muss zwischen 4 und 16 Punkt liegen."));
    }
  }
  d.Durchgestrichen->setChecked(true);
  d.Fett->setChecked(true);
  const SchriftWahl w = d.Wahl();
  EXPECT_DOUBLE_EQ(w.groesse, 9.5);
  EXPECT_TRUE(w.fett);
  EXPECT_TRUE(w.durchgestrichen);
  EXPECT_TRUE(w.unterstrichen);
  EXPECT_FALSE(w.kursiv);
  EXPECT_EQ(w.farbe, QColor(0x80, 0, 0));
  EXPECT_TRUE(d.Muster->font().strikeOut());
}

TEST_F(SchriftDialogTest, EveryControlHasItsOwnAccessKey) {
  SchriftWahl v;
  v.name = QStringLiteral("Arial");
  v.groesse = 10;
  kit::SchriftDialog d(v);
  // The key of every text that carries one: buttons and check boxes, frames, and the labels that lead to
  // a control.
  QMap<QChar, QString> schluessel;
  QList<QWidget*> erreichbar;
  auto taste = [&](const QString& text, QWidget* ziel) {
    const qsizetype i = text.indexOf(u'&');
    if (i < 0 || i + 1 >= text.size()) return;
    const QChar k = text[i + 1].toUpper();
    EXPECT_FALSE(schluessel.contains(k)) << "Alt+" << QString(k).toStdString() << ": " << text.toStdString() << " and "
                                         << schluessel.value(k).toStdString();
    schluessel.insert(k, text);
    erreichbar << ziel;
  };
  for (QAbstractButton* b : d.findChildren<QAbstractButton*>()) taste(b->text(), b);
  for (QGroupBox* g : d.findChildren<QGroupBox*>()) taste(g->title(), g);
  for (QLabel* l : d.findChildren<QLabel*>())
    if (l->buddy()) taste(l->text(), l->buddy());
  for (QWidget* c : std::initializer_list<QWidget*>{d.Name, d.Groesse, d.Fett, d.Kursiv, d.Unterstrichen,
                                                    d.Durchgestrichen, d.Farbe, d.Ok, d.Abbrechen})
    EXPECT_TRUE(erreichbar.contains(c)) << c->objectName().toStdString() << " has no access key";
}

TEST_F(SchriftDialogTest, AltAndTheAccessKeyTicksABoxOrEntersAList) {
  SchriftWahl v;
  v.name = QStringLiteral("Arial");
  v.groesse = 10;
  kit::SchriftDialog d(v);
  d.show();
  QApplication::setActiveWindow(&d);
  ASSERT_TRUE(QTest::qWaitForWindowActive(&d));
  const QList<QCheckBox*> kaestchen = {d.Fett, d.Kursiv, d.Unterstrichen, d.Durchgestrichen};
  for (QCheckBox* b : kaestchen) {
    SCOPED_TRACE(b->text().toStdString());
    const qsizetype i = b->text().indexOf(u'&');
    ASSERT_GE(i, 0);
    const int taste = b->text()[i + 1].toUpper().unicode();
    ASSERT_FALSE(b->isChecked());
    QTest::keyClick(QApplication::focusWidget(), static_cast<Qt::Key>(taste), Qt::AltModifier);
    // The key presses the box as a click does, released a moment later.
    EXPECT_TRUE(QTest::qWaitFor([b] { return b->isChecked(); }, 2000));
    for (QCheckBox* andere : kaestchen) {
      if (andere != b) {
        EXPECT_FALSE(andere->isChecked()) << andere->text().toStdString();
      }
    }
    b->setChecked(false);
  }
  // The colour list is entered by its label's key.
  d.Name->setFocus();
  QLabel* farbe = nullptr;
  for (QLabel* l : d.findChildren<QLabel*>())
    if (l->buddy() == d.Farbe) farbe = l;
  ASSERT_NE(farbe, nullptr);
  const int taste = farbe->text()[farbe->text().indexOf(u'&') + 1].toUpper().unicode();
  QTest::keyClick(QApplication::focusWidget(), static_cast<Qt::Key>(taste), Qt::AltModifier);
  EXPECT_TRUE(d.Farbe->hasFocus());
  EXPECT_FALSE(d.Fett->isChecked());
}

TEST_F(SchriftDialogTest, TabControlHoldsContainers) {
  vb::TabControl t;
  QWidget* a = t.addTab(QStringLiteral("Eins"));
  QWidget* b = t.addTab(QStringLiteral("Zwei"));
  EXPECT_EQ(t.Tabs(), 2);
  EXPECT_EQ(t.Seite(1), b);
  EXPECT_NE(a, b);
  t.setTab(1);
  EXPECT_EQ(t.Tab(), 1);
  EXPECT_EQ(t.TabCaption(0), QStringLiteral("Eins"));
}
