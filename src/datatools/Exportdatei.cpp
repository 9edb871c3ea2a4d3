#include "datatools/Exportdatei.h"

#include "common/Fehler.h"
#include "common/Global.h"
#include "platform/vb/Codec.h"
#include "platform/vb/Dateirechte.h"
#include "platform/vb/Paths.h"
#include "platform/vb/SicheresSchreiben.h"

#include <QDir>
#include <QFileInfo>

namespace {

bool gleicheDatei(const QString& a, const QString& b) {
  const QFileInfo fa(a), fb(b);
  if (fa.exists() && fb.exists()) return fa.canonicalFilePath() == fb.canonicalFilePath();
  return QDir::cleanPath(fa.absoluteFilePath()) == QDir::cleanPath(fb.absoluteFilePath());
}

}  // namespace

QString ExportzielAbweisung(const QString& datei) {
  if (datei.isEmpty() || AktuelleDatei.isEmpty()) return {};
  if (!gleicheDatei(Exportpfad(datei), Paths::aufloesen(AktuelleDatei))) return {};
  return QStringLiteral("»") + datei +
         QStringLiteral("« ist die geöffnete Adressdatei und kann nicht als Exportdatei verwendet werden.");
}

Exportergebnis Abweisung(const QString& meldung, const QString& titel) {
  return {Exportstand::Abgewiesen, 0, meldung, titel};
}

QString Exportpfad(const QString& datei) { return Paths::aufloesen(datei); }

QString Auf1252(const QString& text) {
  for (const QChar c : text)
    if (!Codec::istIn1252(c)) return Codec::auf1252Reduzieren(text);
  return text;
}

QByteArray Exportbytes(const QString& text) { return Codec::nach1252(Auf1252(text)); }

bool ExportzielBeschreibbar(const QString& pfad, const QString& kontext) {
  const Dateirechte::Hindernis h = Dateirechte::ersetzenVerwehrt(pfad);
  if (!h) return true;
  FehlerMelden(SystemFehlerNummer(h.fehler), kontext);
  return false;
}

bool ExportSchreiben(const QString& pfad, const QByteArray& bytes, const QString& kontext) {
  // The rights first: the runtime's number for a refused folder tells the user more than a failed rename.
  if (!ExportzielBeschreibbar(pfad, kontext)) return false;
  int systemFehler = 0;
  const int nummer = DateiSicherSchreiben(pfad, bytes, &systemFehler);
  if (nummer == 0) return true;
  FehlerMelden(systemFehler != 0 ? SystemFehlerNummer(systemFehler) : nummer, kontext);
  return false;
}
