// The data tools on 32000 generated addresses, each run as the menu command runs it, on the main window:
// the e-mail check and the postcode distribution show every record, the word statistic and the town
// take-over only read the lines. The message boxes are answered from the script.
#include "BenchUmgebung.h"
#include "common/Email.h"
#include "common/Global.h"
#include "mainwindow/Main.h"
#include "platform/dienste/Sound.h"
#include "platform/vb/IniDatei.h"
#include "store/Datensatz.h"
#include "store/Kataloge.h"
#include "support/kern/Attrappen.h"

#include <benchmark/benchmark.h>
#include <QDir>

namespace {

ScriptedDialogs& dialoge() { return dynamic_cast<ScriptedDialogs&>(Dialogs::service()); }

// The addresses with every implausible e-mail field emptied, so that the check walks all of them.
const QStringList& gueltigeAdressen() {
  static const QStringList zeilen = [] {
    QStringList z;
    for (const QString& zeile : Adressen32000()) {
      Felder f = FelderAusZeile(zeile);
      if (!EmailPruefen(f[14].trimmed())) f[14].clear();
      z << DatensatzBauen(f);
    }
    return z;
  }();
  return zeilen;
}

Main& hauptfenster(const QStringList& zeilen) {
  BenchUmgebung();
  Sound::install(std::make_unique<RecordingSound>());
  Main& m = Main::get();
  if (m.Liste->items() != zeilen) m.Liste->setItems(zeilen);
  NurLesen = 0;
  return m;
}

void Datenwerkzeuge_EmailPruefung32000(benchmark::State& state) {
  Main& m = hauptfenster(gueltigeAdressen());
  for (auto _ : state) {
    m.Liste->setListIndex(0);
    dialoge().clear();
    m.mnuChkEmails_Click();
    if (!dialoge().requests().isEmpty()) state.SkipWithError("the check stopped at an address");
  }
  state.SetItemsProcessed(state.iterations() * m.Liste->ListCount());
}
BENCHMARK(Datenwerkzeuge_EmailPruefung32000)->Unit(benchmark::kMillisecond);

void Datenwerkzeuge_WortStatistik32000(benchmark::State& state) {
  Main& m = hauptfenster(Adressen32000());
  for (auto _ : state) {
    dialoge().clear();
    dialoge().answerText(QStringLiteral("m?ller k*ln"));
    dialoge().answer(vb::vbCancel);
    m.mnuStatistikFeldSuche_Click();
  }
  state.SetItemsProcessed(state.iterations() * m.Liste->ListCount());
}
BENCHMARK(Datenwerkzeuge_WortStatistik32000)->Unit(benchmark::kMillisecond);

void Datenwerkzeuge_PlzVerteilung32000(benchmark::State& state) {
  Main& m = hauptfenster(Adressen32000());
  for (auto _ : state) {
    dialoge().clear();
    m.mnuStatistikPLZ_Click();
  }
  state.SetItemsProcessed(state.iterations() * m.Liste->ListCount());
}
BENCHMARK(Datenwerkzeuge_PlzVerteilung32000)->Unit(benchmark::kMillisecond);

// Into empty catalogues: every postcode of the file is a new entry.
void Datenwerkzeuge_OrteUebernahme32000(benchmark::State& state) {
  Main& m = hauptfenster(Adressen32000());
  for (auto _ : state) {
    state.PauseTiming();
    Profil::sichern();
    QDir(KatalogOrdner()).removeRecursively();
    Profil::verwerfen();
    dialoge().clear();
    dialoge().answer(vb::vbOK);
    state.ResumeTiming();
    m.mnuUebernahmePlzOrt_Click();
    Profil::sichern();  // the catalogues on the disk belong to the measured time
  }
  state.SetItemsProcessed(state.iterations() * m.Liste->ListCount());
}
BENCHMARK(Datenwerkzeuge_OrteUebernahme32000)->Unit(benchmark::kMillisecond);

}  // namespace
