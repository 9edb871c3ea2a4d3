#include "common/formen/Auswahl.h"
#include "mainwindow/Main.h"
#include "platform/kit/Twips.h"
#include "support/kern/TestUmgebung.h"

#include <QApplication>
#include <QTest>

class AuswahlTest : public KartulonTest {
 protected:
  Auswahl& a() { return Auswahl::get(); }
  void fuellen(const QStringList& eintraege) {
    a().Liste->Clear();
    for (const QString& e : eintraege) a().Liste->AddItem(e);
  }
  // Shows the window modally; `handeln` acts on it as the user would.
  void zeigen(const std::function<void(Auswahl&)>& handeln) {
    vb::Forms::setModalInterceptor([handeln](vb::FormBase& form) {
      auto& f = dynamic_cast<Auswahl&>(form);
      f.show();
      QApplication::processEvents();
      handeln(f);
      QApplication::processEvents();
    });
    a().Show(true);
  }
  static void klick(Auswahl& f, int zeile, Qt::MouseButton taste = Qt::LeftButton) {
    const QRect r = f.Liste->visualRect(f.Liste->model()->index(zeile, 0));
    QTest::mouseClick(f.Liste->viewport(), taste, {}, r.center());
  }
  QList<int> ausgewaehlt() {
    QList<int> z;
    for (int i = 0; i < a().Liste->ListCount(); ++i)
      if (a().Liste->Selected(i)) z << i;
    return z;
  }
};

TEST_F(AuswahlTest, DesignAndSortedEntries) {
  EXPECT_EQ(a().Caption(), QStringLiteral("Auswahl"));
  EXPECT_EQ(a().befOk->Caption(), QStringLiteral("Über&nehmen"));
  EXPECT_EQ(a().befAbbruch->Caption(), QStringLiteral("&Abbruch"));
  EXPECT_TRUE(a().befOk->isDefault());
  EXPECT_FALSE(a().CheckSingle->isVisibleTo(&a()));
  EXPECT_EQ(a().CheckSingle->Value(), 1);
  fuellen({"Zell", "aachen", "Bonn", "Öhringen"});
  EXPECT_EQ(a().Liste->items(), (QStringList{"aachen", "Bonn", "Öhringen", "Zell"}));
}

TEST_F(AuswahlTest, OkWithoutChoosingGivesMinusOneThoughTheListHasTheFocus) {
  fuellen({"a", "b", "c"});
  zeigen([](Auswahl& f) {
    f.activateWindow();
    f.Liste->setFocus(Qt::TabFocusReason);
    QApplication::processEvents();
    EXPECT_TRUE(f.Liste->currentIndex().isValid());  // Qt's own current row
    f.befOk->click();
  });
  EXPECT_EQ(a().Liste->ListIndex(), -1);
  EXPECT_TRUE(ausgewaehlt().isEmpty());
  EXPECT_FALSE(a().isVisible());
}

TEST_F(AuswahlTest, AClickChoosesEvenTheRowQtMadeCurrent) {
  fuellen({"a", "b", "c"});
  zeigen([](Auswahl& f) {
    f.activateWindow();
    f.Liste->setFocus(Qt::TabFocusReason);
    QApplication::processEvents();
    klick(f, 0);
    f.befOk->click();
  });
  EXPECT_EQ(a().Liste->ListIndex(), 0);
  EXPECT_EQ(ausgewaehlt(), QList<int>{0});
}

TEST_F(AuswahlTest, SingleModeKeepsOneSelectedEntry) {
  fuellen({"a", "b", "c"});
  zeigen([](Auswahl& f) {
    klick(f, 1);
    klick(f, 2);
    klick(f, 2);  // already selected: stays the only one
    f.befOk->click();
  });
  EXPECT_EQ(a().Liste->ListIndex(), 2);
  EXPECT_EQ(ausgewaehlt(), QList<int>{2});
  a().Liste->setListIndex(0);  // setting the index by code too
  EXPECT_EQ(ausgewaehlt(), QList<int>{0});
}

TEST_F(AuswahlTest, SeveralModeTogglesAndIsResetAfterUse) {
  fuellen({"a", "b", "c", "d"});
  a().CheckSingle->setValue(0);
  zeigen([](Auswahl& f) {
    klick(f, 0);
    klick(f, 2);
    klick(f, 3);
    f.befOk->click();
  });
  EXPECT_EQ(ausgewaehlt(), (QList<int>{0, 2, 3}));
  EXPECT_EQ(a().CheckSingle->Value(), 1);
}

TEST_F(AuswahlTest, DoubleClickIsOk) {
  fuellen({"a", "b"});
  zeigen([](Auswahl& f) {
    const QRect r = f.Liste->visualRect(f.Liste->model()->index(1, 0));
    QTest::mouseClick(f.Liste->viewport(), Qt::LeftButton, {}, r.center());
    QTest::mouseDClick(f.Liste->viewport(), Qt::LeftButton, {}, r.center());
  });
  EXPECT_EQ(a().Liste->ListIndex(), 1);
  EXPECT_FALSE(a().isVisible());
}

TEST_F(AuswahlTest, RightClickAbbruchEscAndCloseBoxChooseNothing) {
  const std::function<void(Auswahl&)> wege[] = {
      [](Auswahl& f) {
        klick(f, 1, Qt::RightButton);
        f.befOk->click();
      },
      [](Auswahl& f) { f.befAbbruch->click(); },
      [](Auswahl& f) { QTest::keyClick(f.Liste, Qt::Key_Escape); },
      [](Auswahl& f) { f.close(); },
  };
  int weg = 0;
  for (const auto& w : wege) {
    SCOPED_TRACE(weg++);
    fuellen({"a", "b", "c"});
    a().CheckSingle->setValue(0);
    a().Liste->setSelected(0, true);
    zeigen([&w](Auswahl& f) {
      klick(f, 1);
      w(f);
    });
    EXPECT_EQ(a().Liste->ListIndex(), -1);
    EXPECT_TRUE(ausgewaehlt().isEmpty());
    EXPECT_FALSE(a().isVisible());
    EXPECT_TRUE(Auswahl::IsLoaded());
    EXPECT_EQ(a().CheckSingle->Value(), 1);
  }
}

TEST_F(AuswahlTest, EnterIsOk) {
  fuellen({"a", "b"});
  zeigen([](Auswahl& f) {
    klick(f, 1);
    QTest::keyClick(f.Liste, Qt::Key_Return);
  });
  EXPECT_EQ(a().Liste->ListIndex(), 1);
  EXPECT_FALSE(a().isVisible());
}

TEST_F(AuswahlTest, FirstUseIsCentredOnTheMainWindowAndNinetyPercentHigh) {
  Main& m = Main::get();
  m.MoveForm(1500, 1200, 9675, 7500);
  ASSERT_FALSE(Auswahl::IsLoaded());
  const int twip = 15 + 1;  // one pixel of rounding
  EXPECT_NEAR(a().Height(), 0.9 * m.Height(), 2 * twip);
  EXPECT_NEAR(a().Left() + a().Width() / 2, m.Left() + m.Width() / 2, 2 * twip);
  EXPECT_NEAR(a().Top() + a().Height() / 2, m.Top() + m.Height() / 2, 2 * twip);

  // Size and place stay between uses.
  zeigen([](Auswahl& f) { f.befOk->click(); });
  a().MoveForm(300, 400, 4500, 6000);
  const QRect vorher = a().geometry();
  zeigen([](Auswahl& f) { f.befOk->click(); });
  zeigen([](Auswahl& f) { f.befOk->click(); });
  EXPECT_EQ(a().geometry(), vorher);
}

TEST_F(AuswahlTest, LayoutFollowsTheSizeAboveItsLimits) {
  a().show();
  auto setzen = [this](int w, int h) {
    a().resize(Twips::zuPixel(w), Twips::zuPixel(h));
    QApplication::processEvents();
  };
  setzen(4500, 6000);
  QRect liste = Twips::rechteck(a().Liste), ok = Twips::rechteck(a().befOk), ab = Twips::rechteck(a().befAbbruch);
  EXPECT_NEAR(liste.width(), 4500 - 240, 15);
  EXPECT_NEAR(ab.left(), 4500 - 1215 - 120, 15);
  EXPECT_NEAR(ok.top(), 6000 - 375 - 120, 15);
  EXPECT_EQ(ab.top(), ok.top());
  EXPECT_NEAR(liste.height(), ok.top() - 120 - 120, 15);

  setzen(2700, 1700);  // below both limits: everything stays
  EXPECT_EQ(Twips::rechteck(a().Liste), liste);
  EXPECT_EQ(Twips::rechteck(a().befOk), ok);
  EXPECT_EQ(Twips::rechteck(a().befAbbruch), ab);

  setzen(2700, 3000);  // only the heights follow
  EXPECT_EQ(Twips::rechteck(a().Liste).width(), liste.width());
  EXPECT_EQ(Twips::rechteck(a().befAbbruch).left(), ab.left());
  EXPECT_NEAR(Twips::rechteck(a().befOk).top(), 3000 - 375 - 120, 15);
}
