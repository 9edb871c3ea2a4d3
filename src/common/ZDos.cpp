#include "common/ZDos.h"

#include "common/Fehler.h"
#include "common/Hilfe.h"
#include "common/Ini.h"
#include "common/Pfade.h"
#include "platform/dienste/Shell.h"
#include "platform/vb/Paths.h"
#include "platform/vb/Sanduhr.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QUrl>

namespace Z_DOS {

qint64 TaskId = 0;

namespace {

bool istStandardEditor(const QString& editor) {
  const QStringList teile = QProcess::splitCommand(editor);
  if (teile.size() != 1) return false;
  return QFileInfo(Paths::normalisieren(teile[0]))
             .completeBaseName()
             .compare(QStringLiteral("notepad"), Qt::CaseInsensitive) == 0;
}

}  // namespace

void DateienInPapierkorb(const QString& dateien) {
  if (dateien.isEmpty()) return;
  for (const QString& pfad : dateien.split(QChar(0), Qt::SkipEmptyParts))
    Shell::service().inPapierkorb(Paths::normalisieren(pfad));
}

qint64 ProgrammStarten(const QString& befehl, const QString& ordner, int /*fensterstil*/) {
  return ProgrammStarten(QProcess::splitCommand(befehl), ordner, befehl);
}

qint64 ProgrammStarten(const QStringList& teile, const QString& ordner, const QString& befehl) {
  Sanduhr sanduhr;
  const QString meldung = QStringLiteral("Es ist ein Fehler beim Programmstart von~") + befehl + u'~' + ordner +
                          QStringLiteral(" aufgetreten.");
  const QString programm = teile.isEmpty() ? QString() : Paths::normalisieren(teile.first());
  QString wo = Paths::normalisieren(ordner);
  if (wo.isEmpty() && programm.contains(u'/')) wo = DateiTeil(programm, -1);

  QString arbeitsordner = QDir::currentPath();
  if (!wo.isEmpty()) {
    if (QFileInfo(wo).isDir()) {
      arbeitsordner = wo;
    } else if (FehlerMelden(76, meldung) != 5) {
      // Path not found; the answer 5 starts the program in the current folder instead.
      return TaskId = 0;
    }
  }

  TaskId = programm.isEmpty() ? 0 : Shell::service().starten(programm, teile.mid(1), arbeitsordner);
  if (TaskId == 0) {
    // Never the handle of an earlier program: a failed start gives 0 whatever the answer.
    const bool gefunden = !programm.isEmpty() && (QFileInfo(QDir(arbeitsordner).absoluteFilePath(programm)).isFile() ||
                                                  !QStandardPaths::findExecutable(programm).isEmpty());
    FehlerMelden(gefunden ? 75 : 53, meldung);
  }
  return TaskId;
}

void ProzessAbwarten(qint64 prozess, float sekunden) {
  const double grenzeMs = (sekunden > 0 ? static_cast<double>(sekunden) : 18000.0) * 1000.0;
  // Elapsed time, not the time of day, so that a wait across midnight ends in time too.
  QElapsedTimer uhr;
  uhr.start();
  for (;;) {
    const bool laeuft = Shell::service().laeuft(prozess);
    QCoreApplication::processEvents();
    if (!laeuft || static_cast<double>(uhr.elapsed()) >= grenzeMs) return;
    const double rest = grenzeMs - static_cast<double>(uhr.elapsed());
    Warten(static_cast<float>(std::min(0.05, std::max(0.0, rest / 1000.0))));
  }
}

void TextDateiBearbeiten(const QString& datei, bool warten) {
  const QString editor =
      IniLesen(QString(), QStringLiteral("Allgemein"), QStringLiteral("PrgTxtEdit"), QStringLiteral("NotePad"))
          .trimmed();
  const QString pfad = Paths::normalisieren(datei);
  if (editor.isEmpty() || istStandardEditor(editor)) {
    Shell::service().oeffnen(QUrl::fromLocalFile(QFileInfo(pfad).absoluteFilePath()));
    return;
  }
  QStringList teile = QProcess::splitCommand(editor);
  teile.append(pfad);
  const qint64 prozess = ProgrammStarten(teile, WindowsOrdner(), editor + u' ' + pfad);
  if (warten && prozess != 0) ProzessAbwarten(prozess, 0);
}

QString DateinameBereinigen(const QString& text) {
  QString t = text;
  for (QChar& c : t) {
    const char16_t u = c.unicode();
    if (u < 32 || u == 127 || u == u'?' || u == u'*' || u == u'.' || u == u',' || u == u';' || u == u':' ||
        u == u'\\' || u == u'/')
      c = u' ';
  }
  t.replace(u' ', u'_');
  return t;
}

}  // namespace Z_DOS
