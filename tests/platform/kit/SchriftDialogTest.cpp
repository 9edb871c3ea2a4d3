// The kit's font dialog: preset, limits, the refused sizes; the tab control.
#include "platform/kit/Register.h"
#include "platform/kit/SchriftDialog.h"
#include "support/kern/TestUmgebung.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFontComboBox>
#include <QLabel>

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
