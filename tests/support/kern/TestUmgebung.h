#pragma once
// The fixture of every test: a fresh program folder and Windows folder in a temporary directory, a fixed
// clock, scripted dialogs, recorded sounds and keystrokes, a clipboard of its own, a recording shell and
// help, fixed system facts (German regional settings), a recording printer, an end of the program that is
// recorded instead of ending the test, and every form unloaded afterwards.
#include "platform/dienste/Dialogs.h"
#include "platform/dienste/Help.h"
#include "platform/dienste/Printer.h"
#include "platform/dienste/Shell.h"
#include "platform/dienste/Sound.h"
#include "platform/dienste/SysInfo.h"
#include "store/Maske.h"
#include "support/kern/Attrappen.h"

#include <gtest/gtest.h>
#include <QDateTime>
#include <QString>
#include <QTemporaryDir>
#include <functional>
#include <memory>

class KartulonTest : public ::testing::Test {
 public:
  // Set by the window tests' main: what a test's end does with the windows.
  static std::function<void()> fensterAufraeumen;
  // Set by the window tests' main: prepares each test's Windows folder for a run of the windows (no
  // start-up window, no tip of the day, unless a test asks for them).
  static std::function<void(const QString& windowsOrdner)> fensterVorbereiten;

 protected:
  void SetUp() override;
  void TearDown() override;

  // The scripted dialog double installed for this test.
  ScriptedDialogs& dialoge() { return *dialoge_; }
  // The shell double installed for this test (starting programs really starts them, see RecordingShell).
  RecordingShell& shell() { return *shell_; }
  RecordingHelp& hilfe() { return *hilfe_; }
  // Tests that need the machine's real facts install the real service: SysInfo::install(nullptr).
  FesteSysInfo& sysInfo() { return *sysInfo_; }
  // The codes of every end of the program (vb::Programm::Ende) during this test.
  const QList<int>& programmEnden() const { return enden_; }
  // The keystroke double installed for this test: no test types into the real desktop.
  RecordingTastatur& tastatur() { return *tastatur_; }
  // The recording sound double installed for this test.
  RecordingSound& toene() { return *toene_; }
  // The clipboard double installed for this test.
  TestZwischenablage& zwischenablage() { return *zwischenablage_; }
  // The recording printer behind vb::Printer() for this test.
  vb::RecordingPrinter& drucker() { return *drucker_; }
  QString programmOrdner() const;  // KARTULON_HOME
  QString windowsOrdner() const;   // KARTULON_WINDIR
  QString tempPfad(const QString& name) const;

  // Writes a file as bytes (the caller gives the exact bytes) and returns its path.
  QString dateiSchreiben(const QString& pfad, const QByteArray& bytes) const;
  static QByteArray dateiLesen(const QString& pfad);

  // 2026-12-10 12:00 unless a test sets another.
  static QDateTime standardZeit();

 private:
  std::unique_ptr<QTemporaryDir> dir_;
  ScriptedDialogs* dialoge_ = nullptr;
  RecordingShell* shell_ = nullptr;
  RecordingHelp* hilfe_ = nullptr;
  FesteSysInfo* sysInfo_ = nullptr;
  QList<int> enden_;
  RecordingSound* toene_ = nullptr;
  RecordingTastatur* tastatur_ = nullptr;
  TestZwischenablage* zwischenablage_ = nullptr;
  vb::RecordingPrinter* drucker_ = nullptr;
};

// A line of 24 fields, each followed by a TAB.
QString zeileAus(std::initializer_list<std::pair<int, QString>> felder);
// The field captions of the window design, as the main window shows them unless the settings rename them.
Bezeichnungen standardBezeichnungen();
// The folders of an address-file test in the program folder: the user "Maier", the data folder "daten"
// (the masks there too), the program's settings file and the open file "kunden.dat".
void adressdateiOrdnerEinrichten(const QString& programmOrdner);
