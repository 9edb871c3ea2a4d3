#include "common/formen/Listen.h"
#include "support/kern/TestUmgebung.h"

#include <QApplication>

namespace {

QStringList inhalt(const vb::ListBox& l) { return l.items(); }
QStringList inhalt(const vb::ComboBox& c) {
  QStringList s;
  for (int i = 0; i < c.ListCount(); ++i) s << c.List(i);
  return s;
}

template <class L>
void fuellen(L& l, const QStringList& eintraege) {
  l.Clear();
  for (const QString& e : eintraege) l.AddItem(e);
}

}  // namespace

// The helpers work alike on list boxes and combo boxes.
template <class L>
class ListenTest : public KartulonTest {
 protected:
  L liste;
};
using Listenarten = ::testing::Types<vb::ListBox, vb::ComboBox>;
TYPED_TEST_SUITE(ListenTest, Listenarten);

TYPED_TEST(ListenTest, JoinAndSplit) {
  auto& l = this->liste;
  fuellen(l, {"a", "b"});
  QString trenner;
  EXPECT_EQ(ListeAlsText(l, trenner), QStringLiteral("a;b;"));
  EXPECT_EQ(trenner, QStringLiteral(";"));
  EXPECT_EQ(ListeAlsText(l, QStringLiteral("|")), QStringLiteral("a|b|"));
  l.Clear();
  EXPECT_EQ(ListeAlsText(l), QString());

  QString text = QStringLiteral(";;a;b");
  trenner.clear();
  EXPECT_EQ(TextAlsListe(l, text, trenner), 2);
  EXPECT_EQ(inhalt(l), (QStringList{"a", "b"}));
  EXPECT_TRUE(text.isEmpty());
  EXPECT_EQ(trenner, QStringLiteral(";"));
  EXPECT_EQ(TextAlsListe(l, QStringLiteral("x,,y,z,"), QStringLiteral(",")), 3);
  EXPECT_EQ(inhalt(l), (QStringList{"x", "y", "z"}));
}

TYPED_TEST(ListenTest, AddOnceAndSearch) {
  auto& l = this->liste;
  fuellen(l, {"Arial", "Courier New"});
  EXPECT_EQ(ListeErgaenzen(l, QStringLiteral("arial")), 2);  // other case: added
  EXPECT_EQ(ListeErgaenzen(l, QStringLiteral("Arial")), 2);  // equal: not added
  EXPECT_EQ(l.ListCount(), 3);
  EXPECT_EQ(ListeSuchen(l, QStringLiteral("COURIER")), 1);
  EXPECT_EQ(ListeSuchen(l, QStringLiteral("ria")), 0);
  EXPECT_EQ(ListeSuchen(l, QStringLiteral("ria"), 1), 2);
  EXPECT_EQ(ListeSuchen(l, QStringLiteral("ria"), 5), -1);
  EXPECT_EQ(ListeSuchen(l, QStringLiteral("Times")), -1);
}

TYPED_TEST(ListenTest, RemoveTheSelected) {
  auto& l = this->liste;
  fuellen(l, {"a", "b", "c"});
  ListeAuswahlEntfernen(l);  // nothing selected
  EXPECT_EQ(l.ListCount(), 3);
  l.setListIndex(1);
  ListeAuswahlEntfernen(l);
  EXPECT_EQ(inhalt(l), (QStringList{"a", "c"}));
  EXPECT_EQ(l.ListIndex(), 1);  // the successor
  ListeAuswahlEntfernen(l);     // the last: the new last one
  EXPECT_EQ(inhalt(l), QStringList{"a"});
  EXPECT_EQ(l.ListIndex(), 0);
  ListeAuswahlEntfernen(l);
  EXPECT_EQ(l.ListCount(), 0);
  EXPECT_EQ(l.ListIndex(), -1);
}

TYPED_TEST(ListenTest, RemoveDuplicates) {
  auto& l = this->liste;
  struct Fall {
    QStringList vorher, alle, nachbarn;
  };
  const Fall faelle[] = {
      {{"b", "a", "b", "a", "c"}, {"b", "a", "c"}, {"b", "a", "b", "a", "c"}},
      {{"a", "a", "b", "b", "b"}, {"a", "b"}, {"a", "b"}},
      {{"a", "b", "a"}, {"a", "b"}, {"a", "b", "a"}},
      {{"a", "A", "a"}, {"a", "A"}, {"a", "A", "a"}},
      {{}, {}, {}},
  };
  for (const Fall& f : faelle) {
    fuellen(l, f.vorher);
    ListeDoppelteEntfernen(l);
    EXPECT_EQ(inhalt(l), f.alle);
    fuellen(l, f.vorher);
    ListeNachbarDoppelteEntfernen(l);
    EXPECT_EQ(inhalt(l), f.nachbarn);
  }
  EXPECT_EQ(QApplication::overrideCursor(), nullptr);  // the hourglass is gone again

  fuellen(l, {"a", "a", "b", "b", "c"});  // a selected item keeps its place in the list
  l.setListIndex(4);
  ListeNachbarDoppelteEntfernen(l);
  EXPECT_EQ(inhalt(l), (QStringList{"a", "b", "c"}));
  EXPECT_EQ(l.ListIndex(), 2);
  ListeDoppelteEntfernen(l);
  EXPECT_EQ(l.ListIndex(), 2);
}

TYPED_TEST(ListenTest, FontNames) {
  auto& l = this->liste;
  fuellen(l, {"alt"});
  SchriftenLaden(l);
  QStringList erwartet;
  for (int i = 0; i < vb::Printer().FontCount(); ++i) erwartet << vb::Printer().Fonts(i);
  EXPECT_FALSE(erwartet.isEmpty());
  EXPECT_EQ(inhalt(l), erwartet);  // in the printer's order
  EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

class ComboVerlaufTest : public KartulonTest {
 protected:
  vb::ComboBox combo;
};

TEST_F(ComboVerlaufTest, EditTextFirstWithoutCaseCopies) {
  struct Fall {
    QString text;
    QStringList vorher;
    int n;
    QStringList nachher;
  };
  const Fall faelle[] = {
      {"x", {"X", "y", "z", "w"}, 3, {"x", "y"}},  // X dropped, only slots 0 to 2 used
      {"neu", {"a", "b", "c"}, 9, {"neu", "a", "b", "c"}},
      {"b", {"a", "B", "c"}, 9, {"b", "a", "c"}},
      {"", {"a"}, 9, {"", "a"}},
      {"q", {}, 20, {"q"}},
  };
  for (const Fall& f : faelle) {
    SCOPED_TRACE(f.text.toStdString());
    fuellen(combo, f.vorher);
    combo.setText(f.text);
    EXPECT_EQ(ComboVerlauf(combo, f.n), f.nachher.size());
    EXPECT_EQ(inhalt(combo), f.nachher);
    EXPECT_EQ(combo.Text(), f.text);
    EXPECT_EQ(combo.SelStart(), 0);
    EXPECT_EQ(combo.SelLength(), f.text.size());
  }
}
