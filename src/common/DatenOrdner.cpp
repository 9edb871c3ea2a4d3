#include "common/DatenOrdner.h"

#include "common/Fehler.h"
#include "common/Global.h"
#include "common/Ini.h"
#include "common/Pfade.h"
#include "common/Text.h"
#include "platform/dienste/Dialogs.h"
#include "platform/vb/Paths.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {

const QString kTitel = QStringLiteral("Daten-Ordner verlegen");
const QString kFehlerText = QStringLiteral("Es ist ein Fehler beim Daten verlegen aufgetreten.");
constexpr int kDateiFehler = 75;  // path or file access error

QString echterPfad(const QString& ordner) {
  const QFileInfo info(QDir::current().absoluteFilePath(ordner));
  const QString echt = info.canonicalFilePath();
  return echt.isEmpty() ? QDir::cleanPath(info.absoluteFilePath()) : echt;
}

// Copies beside the target and renames, so that a failed copy leaves a file of that name as it was.
bool kopieren(const QString& quelle, const QString& ziel) {
  const QString zwischen = ziel + QStringLiteral(".kartulon-kopie");
  QFile::remove(zwischen);
  if (!QFile::copy(quelle, zwischen)) return false;
  if (QFileInfo(zwischen).size() != QFileInfo(quelle).size()) {
    QFile::remove(zwischen);
    return false;
  }
  if (QFileInfo::exists(ziel) && !QFile::remove(ziel)) {
    QFile::remove(zwischen);
    return false;
  }
  if (!QFile::rename(zwischen, ziel)) {
    QFile::remove(zwischen);
    return false;
  }
  return true;
}

}  // namespace

bool GleicherOrdner(const QString& alt, const QString& neu) {
  if (alt.compare(neu, Qt::CaseInsensitive) == 0) return true;
  return echterPfad(alt) == echterPfad(neu);
}

bool DatenOrdnerVerlegen(const std::function<bool()>& offeneDateiSichern) {
  QString frage =
      QStringLiteral("Derzeit werden die ") + QStringLiteral("Kartulon") + QStringLiteral("-Daten im Ordner »") +
      DatenOrdner + QStringLiteral("« abgelegt.~~") +
      QStringLiteral("Wenn Sie einen neuen Ordner festlegen, dann wählen Sie bitte einen, der nur für die ") +
      QStringLiteral("Kartulon") + QStringLiteral("-Daten reserviert ist.~~") +
      QStringLiteral("Möchten Sie jetzt einen neuen Ordner festlegen?");
  frage = Ersetzen(frage, QStringLiteral("~"), QStringLiteral("\r\n"));
  if (MsgBox(frage, vb::vbOKCancel | vb::vbQuestion | vb::vbDefaultButton2, kTitel) != vb::vbOK) return false;

  const QString alt = DatenOrdner;
  QString eingabe = InputBox(QStringLiteral("Geben Sie bitte einen neuen Ordner für die ") +
                                 QStringLiteral("Kartulon") + QStringLiteral("-Daten ein."),
                             kTitel, DatenOrdner);
  if (eingabe.isEmpty()) return false;
  if (eingabe.size() > 1 && (eingabe.endsWith(u'\\') || eingabe.endsWith(u'/'))) eingabe.chop(1);
  eingabe.replace(u'\\', u'/');
  if (GleicherOrdner(alt, eingabe)) return false;
  // A relative folder is taken from the current folder, and recorded so that every start finds it.
  const QString neu = QDir::cleanPath(QDir::current().absoluteFilePath(eingabe));

  if (!offeneDateiSichern()) return false;

  QDir().mkpath(neu);

  struct Kopie {
    QString name;
    qint64 groesse;
  };
  QList<Kopie> kopiert;
  const QDir altOrdner(alt);
  for (const QString& muster : {QStringLiteral("*.dat"), QStringLiteral("Konto_*.log"), QStringLiteral("*.Msk")}) {
    const QFileInfoList dateien = altOrdner.entryInfoList({muster}, QDir::Files, QDir::Name | QDir::IgnoreCase);
    for (const QFileInfo& datei : dateien) {
      if (!kopieren(datei.absoluteFilePath(), neu + u'/' + datei.fileName())) {
        if (FehlerMelden(kDateiFehler, kFehlerText) == 2) return false;
        continue;
      }
      kopiert.append({datei.fileName(), datei.size()});
    }
  }

  // Only what this run copied, and what arrived whole, is removed from the old folder.
  for (const Kopie& k : kopiert) {
    if (QFileInfo(neu + u'/' + k.name).size() != k.groesse) continue;
    if (!QFile::remove(altOrdner.filePath(k.name))) {
      if (FehlerMelden(kDateiFehler, kFehlerText) == 2) return false;
    }
  }

  if (kopiert.isEmpty()) {
    MsgBox(QStringLiteral("Irgend etwas ist beim Verlegen des Daten-Ordners schief gelaufen."), vb::vbCritical,
           QStringLiteral("Daten-Ordner nicht verlegt"));
    return false;
  }
  MsgBox(QStringLiteral("Daten wurden in den Ordner »") + neu + QStringLiteral("« verlegt."), vb::vbInformation,
         QStringLiteral("Daten-Ordner verlegt."));

  IniSchreiben(QString(), QString(), QStringLiteral("DirData"), neu);
  IniSchreiben(Paths::verbinden(ProgrammOrdner(), QStringLiteral("Zurirada.ini")), QStringLiteral("Ordner"),
               QStringLiteral("DirData"), neu);
  if (!IniSichern() && FehlerMelden(kDateiFehler, kFehlerText) == 2) return false;
  MaskenOrdner = neu;
  DatenOrdner = neu;

  // The open file follows its copy, so that a later save writes into the new folder.
  const QFileInfo offen(AktuelleDatei);
  if (!AktuelleDatei.isEmpty() && echterPfad(offen.absolutePath()) == echterPfad(alt)) {
    for (const Kopie& k : kopiert)
      if (k.name == offen.fileName()) AktuelleDatei = neu + u'/' + k.name;
  }
  return true;
}
