// The random numbers: seeded from the time of day, the same time gives the same sequence.
#include "platform/dienste/Zufall.h"
#include "platform/vb/Clock.h"
#include "support/kern/TestUmgebung.h"

#include <QSet>

namespace {

class ZufallTest : public KartulonTest {};

QList<double> folge(int n) {
  Zufall::Randomize();
  QList<double> f;
  for (int i = 0; i < n; ++i) f << Zufall::Rnd();
  return f;
}

TEST_F(ZufallTest, SeededFromTheTimeOfDay) {
  Clock::setFixed(QDateTime(QDate(2026, 12, 10), QTime(9, 15, 0)));
  const QList<double> erste = folge(2000);
  for (double r : erste) {
    EXPECT_GE(r, 0.0);
    EXPECT_LT(r, 1.0);
  }
  // Spread over the whole range, and hardly a number twice.
  double summe = 0;
  for (double r : erste) summe += r;
  EXPECT_NEAR(summe / erste.size(), 0.5, 0.05);
  EXPECT_GT(QSet<double>(erste.begin(), erste.end()).size(), 1990);
  EXPECT_EQ(folge(2000), erste);
  Clock::setFixed(QDateTime(QDate(2026, 12, 10), QTime(9, 15, 1)));
  EXPECT_NE(folge(20), erste.mid(0, 20));
}

TEST_F(ZufallTest, ATestSetsTheSequence) {
  auto alt = Zufall::install(std::make_unique<FolgeZufall>(QList<double>{0.25, 0.75}));
  Zufall::Randomize();
  EXPECT_EQ(Zufall::Rnd(), 0.25);
  EXPECT_EQ(Zufall::Rnd(), 0.75);
  EXPECT_EQ(Zufall::Rnd(), 0.25);
  Zufall::install(nullptr);
  EXPECT_EQ(dynamic_cast<FolgeZufall*>(&Zufall::service()), nullptr);
}

}  // namespace
