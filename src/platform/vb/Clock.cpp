#include "platform/vb/Clock.h"

#include <QElapsedTimer>
#include <optional>

namespace Clock {
namespace {
std::optional<QDateTime> g_fest;
qint64 g_festTick = 0;
QElapsedTimer& laufzeit() {
  static QElapsedTimer t = [] {
    QElapsedTimer e;
    e.start();
    return e;
  }();
  return t;
}
}  // namespace

QDateTime now() { return g_fest ? *g_fest : QDateTime::currentDateTime(); }
QDate today() { return now().date(); }
QTime time() { return now().time(); }
double secondsSinceMidnight() { return now().time().msecsSinceStartOfDay() / 1000.0; }
qint64 tickMs() { return g_fest ? g_festTick : laufzeit().elapsed(); }

void setFixed(const QDateTime& when) { g_fest = when; }
void advance(qint64 ms) {
  if (!g_fest) return;
  g_fest = g_fest->addMSecs(ms);
  g_festTick += ms;
}
void reset() {
  g_fest.reset();
  g_festTick = 0;
}
bool isFixed() { return g_fest.has_value(); }
}  // namespace Clock
