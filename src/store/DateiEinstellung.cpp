#include "store/DateiEinstellung.h"

#include "common/Global.h"
#include "common/Ini.h"
#include "common/Pfade.h"

QString DateiEinstellung(const QString& key) {
  return IniLesen(IniDatei, DateiTeil(AktuelleDatei, 3), key, QString());
}
