#include "platform/vb/Umgebung.h"

#include <unistd.h>
#include <QProcessEnvironment>

namespace Umgebung {

QString variable(const QString& name) {
  if (name.isEmpty()) return {};
  const QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
  if (env.contains(name)) return env.value(name);
  const QStringList schluessel = env.keys();
  for (const QString& k : schluessel)
    if (k.compare(name, Qt::CaseInsensitive) == 0) return env.value(k);
  return {};
}

QString kontoKennung() { return QString::number(geteuid()); }

}  // namespace Umgebung
