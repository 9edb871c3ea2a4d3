#include "exchange/Zwischenablageexport.h"

int ZaMaskeFinden(const QStringList& namen, const QString& gemerkt) {
  for (qsizetype i = namen.size() - 1; i >= 0; --i)
    if (namen[i].compare(gemerkt, Qt::CaseInsensitive) == 0) return static_cast<int>(i);
  return namen.isEmpty() ? -1 : 0;
}
