#include "common/formen/Sonderzeichen.h"
#include "support/kern/TestUmgebung.h"

#include <QTest>

class SonderzeichenTest : public KartulonTest {
 protected:
  // The caller's side: load, show modally, read Text, unload.
  QString einfuegen(const std::function<void(Sonderzeichen&)>& benutzer) {
    vb::Forms::setModalInterceptor([&](vb::FormBase& f) {
      auto& s = dynamic_cast<Sonderzeichen&>(f);
      s.show();
      s.activateWindow();
      EXPECT_TRUE(QTest::qWaitForWindowActive(&s));
      benutzer(s);
    });
    Sonderzeichen::get().Show(true);
    EXPECT_FALSE(Sonderzeichen::get().isVisible());
    const QString text = Sonderzeichen::get().Text->Text();
    EXPECT_TRUE(Sonderzeichen::Unload());
    return text;
  }
  static void satzWaehlen(Sonderzeichen& s, const QString& name) {
    for (int i = 0; i < s.ComboSatz->ListCount(); ++i)
      if (s.ComboSatz->List(i).startsWith(name + u' ')) s.ComboSatz->setListIndex(i);
  }
  static void doppelklick(Sonderzeichen& s, QChar zeichen) {
    const int i = s.Liste->items().indexOf(QStringLiteral(" ") + zeichen);
    ASSERT_GE(i, 0);
    const QRect r = s.Liste->visualRect(s.Liste->model()->index(i, 0));
    QTest::mouseClick(s.Liste->viewport(), Qt::LeftButton, {}, r.center());
    QTest::mouseDClick(s.Liste->viewport(), Qt::LeftButton, {}, r.center());
  }
};

TEST_F(SonderzeichenTest, TheSevenSetsAndTheirItems) {
  const QStringList saetze = Sonderzeichen::Zeichensaetze();
  ASSERT_EQ(saetze.size(), 7);
  const std::pair<const char16_t*, const char16_t*> erwartet[] = {
      {u"Deutsch", u"äÄöÖüÜß"},
      {u"Dänisch", u"æÆåÅøØ"},
      {u"Spanisch", u"Ññéíó¡!"},
      {u"Zeichen", u"©®™¶£$@€"},
      {u"Zahlen", u"+-±×·•÷<«=»>¼½¾¹²³%‰øØ°~¶"},
      {u"Paarweise", u"«»{}[]“”"},
  };
  for (int i = 0; i < 6; ++i) {
    const QString name = QString::fromUtf16(erwartet[i].first);
    EXPECT_EQ(saetze[i + 1],
              name + QString(12 - name.size() + 29, u' ') + u';' + QString::fromUtf16(erwartet[i].second));
  }
  // "Alle": the codes 32 to 255 without digits and the letters a to z in either case.
  const QString alle = saetze[0].mid(42);
  EXPECT_EQ(saetze[0].left(42), QStringLiteral("Alle") + QString(37, u' ') + u';');
  EXPECT_EQ(alle.size(), 162);
  EXPECT_EQ(alle[0], u' ');
  for (QChar c : QStringLiteral("0123456789azAZmM")) EXPECT_FALSE(alle.contains(c)) << int(c.unicode());
  for (QChar c : QString::fromUtf16(u"äÄéÉß€!~ÿ\u0081")) EXPECT_TRUE(alle.contains(c)) << int(c.unicode());
  EXPECT_EQ(alle.back(), QChar(0xFF));
}

TEST_F(SonderzeichenTest, OpensOnAlleWithTheBlankSelected) {
  Sonderzeichen& s = Sonderzeichen::get();
  EXPECT_EQ(s.Caption(), QString::fromUtf16(u"Sonderzeichen einfügen"));
  EXPECT_EQ(s.ComboSatz->ListCount(), 7);
  EXPECT_EQ(s.ComboSatz->ListIndex(), 0);
  EXPECT_EQ(s.Liste->ListCount(), 162);
  EXPECT_EQ(s.Liste->ListIndex(), 0);
  EXPECT_EQ(s.Liste->List(0), QStringLiteral("  "));
  EXPECT_EQ(s.Liste->List(1), QStringLiteral(" !"));
  EXPECT_EQ(s.Text->Text(), QString());
  EXPECT_TRUE(s.BefAbbruch->Cancel());
  for (QWidget* w : {static_cast<QWidget*>(&s), static_cast<QWidget*>(s.Liste), static_cast<QWidget*>(s.BefOk)})
    EXPECT_EQ(w->property("HelpContextID").toInt(), 1022);
}

TEST_F(SonderzeichenTest, F1OpensHelpTopic1022) {
  QList<int> themen;
  vb::Forms::setHelpHandler([&](int thema) { themen << thema; });
  einfuegen([](Sonderzeichen& s) {
    QTest::keyClick(s.Liste, Qt::Key_F1);
    s.Text->SetFocus();
    QTest::keyClick(s.Text->editor(), Qt::Key_F1);
    QTest::mouseClick(s.BefOk, Qt::LeftButton);
  });
  vb::Forms::setHelpHandler({});
  EXPECT_EQ(themen, (QList<int>{1022, 1022}));
}

TEST_F(SonderzeichenTest, EnterAtOnceCollectsOneBlank) {
  EXPECT_EQ(einfuegen([](Sonderzeichen& s) {
              EXPECT_TRUE(s.Liste->hasFocus());
              QTest::keyClick(s.Liste, Qt::Key_Return);
              EXPECT_TRUE(s.isVisible());  // the key was swallowed, nothing closed
              QTest::mouseClick(s.BefOk, Qt::LeftButton);
            }),
            QStringLiteral(" "));
}

TEST_F(SonderzeichenTest, CollectingEmptyingAndInserting) {
  EXPECT_EQ(einfuegen([&](Sonderzeichen& s) {
              satzWaehlen(s, QStringLiteral("Deutsch"));
              EXPECT_EQ(s.Liste->items(),
                        (QStringList{QString::fromUtf16(u" ä"), QString::fromUtf16(u" Ä"), QString::fromUtf16(u" ö"),
                                     QString::fromUtf16(u" Ö"), QString::fromUtf16(u" ü"), QString::fromUtf16(u" Ü"),
                                     QString::fromUtf16(u" ß")}));
              for (int i = 0; i < 3; ++i) doppelklick(s, u'ä');
              EXPECT_EQ(s.Text->Text(), QString::fromUtf16(u"äää"));
              QTest::mouseClick(s.BefLöschen, Qt::LeftButton);
              EXPECT_EQ(s.Text->Text(), QString());
              // Kopieren, then the blank key in the list, on the selected ß.
              s.Liste->setListIndex(6);
              QTest::mouseClick(s.befKopieren, Qt::LeftButton);
              s.Liste->setFocus();
              QTest::keyClick(s.Liste, Qt::Key_Space);
              satzWaehlen(s, QStringLiteral("Zeichen"));
              s.Liste->setListIndex(7);
              QTest::mouseClick(s.befKopieren, Qt::LeftButton);
              QTest::mouseClick(s.BefOk, Qt::LeftButton);
            }),
            QString::fromUtf16(u"ßß€"));
}

TEST_F(SonderzeichenTest, CancelEscAndTheCloseBoxReturnTheEmptyText) {
  const std::pair<const char*, std::function<void(Sonderzeichen&)>> wege[] = {
      {"Abbrechen", [](Sonderzeichen& s) { QTest::mouseClick(s.BefAbbruch, Qt::LeftButton); }},
      {"Esc", [](Sonderzeichen& s) { QTest::keyClick(s.Liste, Qt::Key_Escape); }},
      {"Esc in the text", [](Sonderzeichen& s) { QTest::keyClick(s.Text->editor(), Qt::Key_Escape); }},
      {"close box", [](Sonderzeichen& s) { s.close(); }},
  };
  for (const auto& [was, weg] : wege) {
    SCOPED_TRACE(was);
    EXPECT_EQ(einfuegen([&](Sonderzeichen& s) {
                QTest::mouseClick(s.befKopieren, Qt::LeftButton);
                s.Text->setText(s.Text->Text() + QStringLiteral("abc"));
                weg(s);
              }),
              QString());
  }
}

TEST_F(SonderzeichenTest, TypedCharactersCountAndCollectedOnesGoToTheEnd) {
  EXPECT_EQ(einfuegen([](Sonderzeichen& s) {
              s.Text->SetFocus();
              QTest::keyClicks(s.Text->editor(), QStringLiteral("xyz"));
              s.Text->setSelStart(1);
              satzWaehlen(s, QStringLiteral("Paarweise"));
              s.Liste->setListIndex(2);
              QTest::mouseClick(s.befKopieren, Qt::LeftButton);
              EXPECT_EQ(s.Text->SelStart(), 4);
              QTest::mouseClick(s.BefOk, Qt::LeftButton);
            }),
            QStringLiteral("xyz{"));
}

TEST_F(SonderzeichenTest, KopierenWithoutASelectionAddsNothing) {
  Sonderzeichen& s = Sonderzeichen::get();
  s.Liste->setListIndex(-1);
  s.befKopieren_Click();
  EXPECT_EQ(s.Text->Text(), QString());
}

TEST_F(SonderzeichenTest, EveryLoadStartsAfresh) {
  einfuegen([](Sonderzeichen& s) {
    satzWaehlen(s, QStringLiteral("Zahlen"));
    QTest::mouseClick(s.befKopieren, Qt::LeftButton);
    QTest::mouseClick(s.BefOk, Qt::LeftButton);
  });
  Sonderzeichen& neu = Sonderzeichen::get();
  EXPECT_EQ(neu.Text->Text(), QString());
  EXPECT_EQ(neu.ComboSatz->ListIndex(), 0);
  EXPECT_EQ(neu.Liste->ListCount(), 162);
}

TEST_F(SonderzeichenTest, ResizingFitsTheListAndSkipsWhatIsTooSmall) {
  Sonderzeichen& s = Sonderzeichen::get();
  s.MoveForm(0, 0, 9000, 6000);
  EXPECT_EQ(vb::Height(s.Liste), s.ScaleHeight() - 240);
  EXPECT_EQ(vb::Width(s.Liste), s.ScaleWidth() - 1560 - 120);
  EXPECT_EQ(vb::Left(s.BefAbbruch), 120);
  EXPECT_EQ(vb::Top(s.BefAbbruch), 2760);
  // Too low and too narrow: the height of the cancel button's bottom stays; the width stays.
  const int breite = vb::Width(s.Liste);
  s.MoveForm(0, 0, 1200, 150);
  EXPECT_EQ(vb::Height(s.Liste), 2760 + 375);
  EXPECT_EQ(vb::Width(s.Liste), breite);
}
