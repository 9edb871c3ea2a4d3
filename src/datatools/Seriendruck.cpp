#include "datatools/Seriendruck.h"

#include "common/Pfade.h"

namespace {

const QString kCrLf = QStringLiteral("\r\n");

}  // namespace

QString SeriendruckTitel() { return QStringLiteral("Seriendruck-Datei erstellen"); }

QString SeriendruckVorschlag() { return ProgrammOrdner() + QStringLiteral("/Seriendruck.Txt"); }

QString SeriendruckUeberschreibenFrage(const QString& datei) {
  return QStringLiteral("Soll die Datei »") + datei + QStringLiteral("« überschrieben werden?");
}

QString SeriendruckText(const QStringList& zeilen, const Bezeichnungen& bezeichnungen) {
  QString text;
  qsizetype laenge = 64;
  for (const QString& z : zeilen) laenge += z.size() + 2;
  text.reserve(laenge);
  for (const QString& b : bezeichnungen) text += b + u'\t';
  text += kCrLf;
  for (const QString& z : zeilen) text += z + kCrLf;
  return text;
}

Exportergebnis SeriendruckExportieren(const QStringList& zeilen, const Bezeichnungen& bezeichnungen,
                                      const QString& datei) {
  if (const QString nein = ExportzielAbweisung(datei); !nein.isEmpty()) return Abweisung(nein, SeriendruckTitel());
  if (!ExportSchreiben(Exportpfad(datei), Exportbytes(SeriendruckText(zeilen, bezeichnungen)),
                       QStringLiteral("Es ist ein Fehler beim Erstellen der Seriendruck-Datei aufgetreten.")))
    return {Exportstand::Fehlgeschlagen, 0, {}, SeriendruckTitel()};
  return {Exportstand::Geschrieben, static_cast<int>(zeilen.size()),
          QStringLiteral("Die Datei »") + datei + QStringLiteral("« wurde erstellt."), SeriendruckTitel()};
}
