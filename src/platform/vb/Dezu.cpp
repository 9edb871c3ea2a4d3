#include "platform/vb/Dezu.h"

int InCount(const QString& text, const QString& muster) {
  if (muster.isEmpty()) return 0;
  int n = 0;
  for (qsizetype i = text.indexOf(muster); i >= 0; i = text.indexOf(muster, i + muster.size())) ++n;
  return n;
}
