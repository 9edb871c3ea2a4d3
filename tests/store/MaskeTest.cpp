// Mask filling in the core: the chain of placeholders that values may bring, and its bound.
#include "common/Global.h"
#include "store/Maske.h"
#include "support/kern/TestUmgebung.h"

#include <QDir>

namespace {

Bezeichnungen bezeichnungen() {
  Bezeichnungen b;
  for (int i = 0; i < 24; ++i) b[i] = QStringLiteral("F%1").arg(i);
  return b;
}

// Fields 0 to tiefe - 1 hold the placeholder of the next field n times, field tiefe an "x".
QString kette(int n, int tiefe = 23) {
  QStringList felder;
  for (int i = 0; i < 24; ++i)
    felder << (i < tiefe    ? QStringLiteral("{F%1}").arg(i + 1).repeated(n)
               : i == tiefe ? QStringLiteral("x")
                            : QString());
  return felder.join(u'\t');
}

}  // namespace

class MaskeKernTest : public KartulonTest {
 protected:
  void SetUp() override {
    KartulonTest::SetUp();
    MaskenOrdner = tempPfad(QStringLiteral("masken"));
    QDir().mkpath(MaskenOrdner);
    dateiSchreiben(MaskenOrdner + QStringLiteral("/Kette.msk"), "<{F0}>\r\n");
  }
};

// Below the bound the chain is filled as the mask language says: each value's placeholders of later
// fields are filled in turn.
TEST_F(MaskeKernTest, AChainOfPlaceholdersIsFilledBelowTheBound) {
  const QString text = MaskeFuellen(QStringLiteral("Kette"), kette(2, 16), bezeichnungen());
  EXPECT_EQ(text, u'<' + QString(1 << 16, u'x') + u'>');
  // Deeper, the next step would pass the bound (2^18 times "{F18}"), so 2^17 times "{F17}" is left: it stops before
  // that step.
  const QString halb = MaskeFuellen(QStringLiteral("Kette"), kette(2, 20), bezeichnungen());
  EXPECT_EQ(halb, u'<' + QStringLiteral("{F17}").repeated(1 << 17) + u'>');
}

// A record within every typing limit whose values chain placeholders five or six times: without a bound
// the text doubles and more per field until it asks for gigabytes. The filling stops before 1,000,000
// characters and returns what it had filled.
TEST_F(MaskeKernTest, AChainThatWouldGrowWithoutEndStopsAtTheBound) {
  for (int n : {3, 6}) {
    const QString text = MaskeFuellen(QStringLiteral("Kette"), kette(n), bezeichnungen());
    EXPECT_LE(text.size(), kMaskeHoechstens) << n;
    EXPECT_GT(text.size(), kMaskeHoechstens / (n + 1)) << n;  // filled as far as the bound allows
    EXPECT_TRUE(text.startsWith(QStringLiteral("<{F"))) << n;
    EXPECT_FALSE(text.contains(QStringLiteral("{F1}"))) << n;  // the first fields are filled
  }
}
