#include "support/kern/Warten.h"

#include <QDeadlineTimer>
#include <QTest>

bool WartenBis(const std::function<bool()>& bedingung, int ms, int abstand) {
  const QDeadlineTimer frist(ms);
  for (;;) {
    if (bedingung()) return true;
    if (frist.hasExpired()) return false;
    QTest::qWait(abstand);
  }
}
