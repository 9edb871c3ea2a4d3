#include "common/Hilfe.h"
#include "common/formen/Formular.h"
#include "mainwindow/Instanzpruefung.h"
#include "mainwindow/MainFamilie.h"
#include "mainwindow/MainFelder.h"
#include "platform/kit/Controls.h"
#include "support/kern/TestUmgebung.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTimer>
#include <QWidget>

class HilfeTest : public KartulonTest {};

TEST_F(HilfeTest, AMissingHelpPageIsReportedWithTheFileNameInLowerCase) {
  HilfeZeigen(QStringLiteral("Werbung.HLP"), 1002);
  EXPECT_TRUE(hilfe().gezeigt.isEmpty());
  ASSERT_FALSE(toene().aufrufe().isEmpty());
  EXPECT_EQ(toene().aufrufe()[0].typ, 48);
  ASSERT_EQ(dialoge().requests().size(), 1);
  EXPECT_EQ(dialoge().requests()[0].text, QStringLiteral("Kann die Hilfe »werbung.hlp« nicht finden."));
  EXPECT_EQ(dialoge().requests()[0].style, vb::vbOKOnly + vb::vbExclamation);
  EXPECT_EQ(dialoge().requests()[0].title, QString());
}

TEST_F(HilfeTest, AnInstalledPageIsShown) {
  const QString seite = dateiSchreiben(programmOrdner() + "/Kartulon_1030.html", "<html/>");
  HilfeZeigen(QStringLiteral("Kartulon.Hlp"), 1030);
  EXPECT_EQ(hilfe().gezeigt, QStringList{seite});
  EXPECT_TRUE(dialoge().requests().isEmpty());
  EXPECT_TRUE(toene().aufrufe().isEmpty());
}

TEST_F(HilfeTest, WaitingProcessesEventsAndReallyWaits) {
  for (float s : {-5.0f, 0.0f}) {
    bool gelaufen = false;
    QTimer::singleShot(0, [&] { gelaufen = true; });
    QElapsedTimer t;
    t.start();
    Warten(s);
    EXPECT_TRUE(gelaufen) << s;
    EXPECT_LT(t.elapsed(), 100) << s;
  }
  int ticks = 0;
  QTimer takt;
  QObject::connect(&takt, &QTimer::timeout, [&] { ++ticks; });
  takt.start(50);
  QElapsedTimer t;
  t.start();
  Warten(0.5f);
  EXPECT_GE(t.elapsed(), 490);
  EXPECT_LT(t.elapsed(), 1000);
  EXPECT_GE(ticks, 5);
}

TEST_F(HilfeTest, LockingAWindowAndUnlockingRestoresEachControl) {
  QWidget fenster;
  fenster.setObjectName("Fenster");
  auto knopf = [&](const char* name) {
    auto* b = new vb::CommandButton(&fenster);
    b->setObjectName(name);
    return b;
  };
  auto* a = knopf("befA");
  auto* b = knopf("befB");
  auto* vorherAus = knopf("befAus");
  vorherAus->setEnabled(false);  // read-only mode disabled it
  auto* frei = knopf("befFrei");
  frei->setProperty("Tag", QStringLiteral("NoDisable"));
  auto* fastFrei = knopf("befFastFrei");
  fastFrei->setProperty("Tag", QStringLiteral("nodisable"));  // the tag counts only as written
  auto* rahmen = new vb::Frame(&fenster);
  rahmen->setObjectName("Rahmen1");
  auto* drin = new vb::TextBox(rahmen);
  drin->setObjectName("txtDrin");
  auto* zeit = new vb::Timer(&fenster);
  zeit->setObjectName("Zeit1");
  auto* zeitAus = new vb::Timer(&fenster);
  zeitAus->setObjectName("Zeit2");
  zeitAus->setEnabled(false);
  auto* menu = new vb::MenuItem("mnuX", "X", &fenster);

  FormularSperren(&fenster, 0);
  for (QWidget* w : std::initializer_list<QWidget*>{a, b, vorherAus, fastFrei, rahmen, drin})
    EXPECT_FALSE(w->isEnabled()) << w->objectName().toStdString();
  EXPECT_TRUE(frei->isEnabled());
  EXPECT_FALSE(zeit->Enabled());
  EXPECT_FALSE(menu->Enabled());
  EXPECT_EQ(QApplication::overrideCursor(), nullptr);

  FormularSperren(&fenster, 0);  // locked twice, still the state from before the first lock
  FormularSperren(&fenster, -1);
  for (QWidget* w : std::initializer_list<QWidget*>{a, b, fastFrei, rahmen, drin, frei})
    EXPECT_TRUE(w->isEnabled()) << w->objectName().toStdString();
  EXPECT_FALSE(vorherAus->isEnabled());
  EXPECT_TRUE(zeit->Enabled());
  EXPECT_FALSE(zeitAus->Enabled());
  EXPECT_TRUE(menu->Enabled());

  // Without a lock before, enabling enables.
  vorherAus->setEnabled(false);
  FormularSperren(&fenster, 1);
  EXPECT_TRUE(vorherAus->isEnabled());
  EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}
