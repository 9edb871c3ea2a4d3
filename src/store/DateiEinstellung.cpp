#include "store/DateiEinstellung.h"

#include "common/Global.h"
#include "common/Ini.h"
#include "common/Pfade.h"

QString DateiEinstellung(const QString& key) { return IniLesen(IniDatei, DateiTeil(AktuelleDatei, 3), key, QString()); }

QString KodierungsName(Codec::Kodierung kodierung) {
  return kodierung == Codec::Kodierung::Utf8 ? QStringLiteral("UTF-8") : QStringLiteral("Windows-1252");
}

std::optional<Codec::Kodierung> GespeicherteKodierung(const QString& name) {
  const QString n = name.trimmed();
  if (n.compare(QLatin1String("UTF-8"), Qt::CaseInsensitive) == 0) return Codec::Kodierung::Utf8;
  if (n.compare(QLatin1String("Windows-1252"), Qt::CaseInsensitive) == 0) return Codec::Kodierung::Windows1252;
  return std::nullopt;
}
