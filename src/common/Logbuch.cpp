#include "common/Logbuch.h"

#include "platform/vb/Codec.h"

#include <QFile>
#include <QFileInfo>

bool LogAnhaengen(const QString& pfad, const QString& text) {
  Codec::Kodierung kodierung = Codec::Kodierung::Windows1252;
  QFile datei(pfad);
  if (QFileInfo(pfad).isFile()) {
    if (!datei.open(QIODevice::ReadOnly)) return false;
    kodierung = Codec::erkennen(datei.readAll());
    datei.close();
  }
  const QByteArray bytes = Codec::kodieren(text, kodierung);
  if (!datei.open(QIODevice::WriteOnly | QIODevice::Append)) return false;
  const bool ok = datei.write(bytes) == bytes.size() && datei.flush();
  datei.close();
  return ok;
}
