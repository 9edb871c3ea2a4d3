#pragma once
// What the export tests share: record lines by field, the central error handler's boxes, and a fixture
// with a random sequence of its own and file rights judged as for a user without root's privilege.
#include "platform/vb/Dateirechte.h"
#include "store/Datensatz.h"
#include "store/Maske.h"
#include "support/kern/TestUmgebung.h"

#include <QDir>
#include <QFile>

// The reports of the central error handler among the recorded boxes.
inline QList<ScriptedDialogs::Request> fehlerBoxen(const ScriptedDialogs& d) {
  QList<ScriptedDialogs::Request> boxen;
  for (const auto& r : d.requests())
    if (r.title == QStringLiteral("Fehler im Programm Kartulon")) boxen << r;
  return boxen;
}

class ExportTest : public KartulonTest {
 protected:
  void SetUp() override {
    KartulonTest::SetUp();
    auto z = std::make_unique<FolgeZufall>(QList<double>{0.5});
    zufall_ = z.get();
    Zufall::install(std::move(z));
    Dateirechte::ohneVorrecht(true);
  }
  void TearDown() override {
    for (const QString& o : std::as_const(gesperrt_))
      QFile::setPermissions(o, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    Dateirechte::ohneVorrecht(false);
    KartulonTest::TearDown();
  }
  // Makes the folder one that this user may not change (judged by its bits, also for root); undone at
  // the test's end.
  void sperren(const QString& ordner) {
    QDir().mkpath(ordner);
    QFile::setPermissions(ordner, QFileDevice::ReadOwner | QFileDevice::ExeOwner);
    gesperrt_ << ordner;
  }
  FolgeZufall* zufall_ = nullptr;

 private:
  QStringList gesperrt_;
};
