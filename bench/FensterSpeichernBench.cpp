// The main window's save of 32000 addresses through Main::DatenSpeichern (the status texts, the record
// shown again, the core's save with its backup copy and encoding note, the reservation renewed, the list
// position stored), in the loaded and in the shown window. Judge it beside Boden_SchreibenUndSync, which
// this program measures in the same run.
#include "BenchUmgebung.h"
#include "common/Global.h"
#include "common/GrossKlein.h"
#include "common/Ini.h"
#include "mainwindow/Main.h"

#include <benchmark/benchmark.h>
#include <QApplication>
#include <QFile>
#include <QTemporaryDir>

namespace {

// The window, loaded in the run's own folders before anything is changed, and the program's variables then.
ProgrammZustand geladen() {
  BenchUmgebung();
  Main::get();
  return programmZustand();
}

// The 32000 addresses as the window's open file, reserved by this user, in a program and Windows folder
// of their own: a save writes settings (the list position, the reservation, the encoding note) that must
// not stay in the run's folders. The folders, the environment and the program's variables are put back
// at the end. Nothing here can end the process or wait: the reservation is renewed, never taken, and a
// failed save only reports through the scripted dialogs.
class OffeneDatei32000 {
 public:
  OffeneDatei32000() : vorher_(geladen()) {
    IniSichern();
    qputenv("KARTULON_HOME", ordner_.path().toLocal8Bit());
    qputenv("KARTULON_WINDIR", ordner_.path().toLocal8Bit());
    IniSchreiben(QString(), QString(), QStringLiteral("TitelAus"), QStringLiteral("1"));
    IniSchreiben(QString(), QString(), QStringLiteral("AutoTip"), QStringLiteral("0"));
    IniSchreiben(QString(), QStringLiteral("Allgemein"), QStringLiteral("User"), QStringLiteral("Maier"));
    DatenOrdner = ordner_.path();
    IniDatei = ordner_.path() + QStringLiteral("/Kartulon.Ini");
    AktuelleDatei = ordner_.path() + QStringLiteral("/kunden.dat");
    DateiBeschreibung = QStringLiteral("Testadressen");
    NurLesen = 0;
    ReservierteDatei = WortAnfaengeGross(QStringLiteral("kunden.dat"));
    QFile f(AktuelleDatei);
    geschrieben_ = f.open(QIODevice::WriteOnly) && f.write(Adressdatei32000()) == Adressdatei32000().size();
    Main& m = Main::get();
    m.OffeneDatei.zuruecksetzen();
    m.Liste->setItems(Adressen32000());
    m.Liste->setListIndex(100);
  }
  ~OffeneDatei32000() {
    IniSichern();
    Main::get().OffeneDatei.zuruecksetzen();
    programmZustand() = vorher_;
    qputenv("KARTULON_HOME", home_);
    qputenv("KARTULON_WINDIR", windir_);
  }
  bool geschrieben() const { return geschrieben_; }

 private:
  const ProgrammZustand vorher_;
  const QByteArray home_ = qgetenv("KARTULON_HOME"), windir_ = qgetenv("KARTULON_WINDIR");
  QTemporaryDir ordner_;
  bool geschrieben_ = false;
};

void speichern(benchmark::State& state, bool gezeigt) {
  OffeneDatei32000 datei;
  if (!datei.geschrieben()) return state.SkipWithError("the address file cannot be written");
  Main& m = Main::get();
  if (gezeigt) {
    m.Show();
    QApplication::processEvents();
  }
  for (auto _ : state) {
    // What a keystroke leaves: the table changed.
    Geaendert = 1;
    if (!m.DatenSpeichern()) state.SkipWithError("the save failed");
    if (gezeigt) QApplication::processEvents();
  }
  if (gezeigt) m.Hide();
  QFile f(AktuelleDatei);
  f.open(QIODevice::ReadOnly);
  if (f.readAll() != Adressdatei32000()) state.SkipWithError("the saved file differs from the loaded one");
  state.SetBytesProcessed(state.iterations() * Adressdatei32000().size());
}

void Fenster_Speichern32000(benchmark::State& state) { speichern(state, false); }
BENCHMARK(Fenster_Speichern32000)->Unit(benchmark::kMillisecond)->UseRealTime();

void Fenster_Speichern32000ImGezeigtenFenster(benchmark::State& state) { speichern(state, true); }
BENCHMARK(Fenster_Speichern32000ImGezeigtenFenster)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
