#pragma once
// The program's clock: the system's time, or a fixed time that tests set.
#include <QDate>
#include <QDateTime>
#include <QTime>

namespace Clock {
QDateTime now();
QDate today();
QTime time();
// Seconds since midnight with fractions, like the runtime's Timer function.
double secondsSinceMidnight();
// Milliseconds since an arbitrary start that never jumps (advances with a fixed clock too).
qint64 tickMs();

void setFixed(const QDateTime& when);
// Moves a fixed clock on (no effect on the system clock).
void advance(qint64 ms);
void reset();
bool isFixed();
}  // namespace Clock
