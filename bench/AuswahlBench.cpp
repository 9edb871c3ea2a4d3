// The pick list of field 0 ("Rubrik zum Einsortieren") over 32000 addresses: from the double-click on the
// box until the dialog is shown with its sorted entries, each value once.
#include "BenchUmgebung.h"
#include "common/Global.h"
#include "common/formen/Auswahl.h"
#include "mainwindow/Main.h"
#include "store/Auswahllisten.h"

#include <benchmark/benchmark.h>
#include <chrono>

namespace {

void Auswahl_Feldwerte32000(benchmark::State& state) {
  BenchUmgebung();
  Main& m = Main::get();
  if (m.Liste->ListCount() != Adressen32000().size()) m.Liste->setItems(Adressen32000());
  m.Liste->setListIndex(0);
  NurLesen = 0;
  using Uhr = std::chrono::steady_clock;
  Uhr::time_point anfang;
  double sekunden = 0;
  int eintraege = 0;
  vb::Forms::setModalInterceptor([&](vb::FormBase& form) {
    sekunden = std::chrono::duration<double>(Uhr::now() - anfang).count();
    auto& a = dynamic_cast<Auswahl&>(form);
    eintraege = a.Liste->ListCount();
    a.befAbbruch->click();
  });
  for (auto _ : state) {
    anfang = Uhr::now();
    m.Feld_DblClick(0);
    state.SetIterationTime(sekunden);
  }
  vb::Forms::setModalInterceptor({});
  state.counters["Eintraege"] = eintraege;
  state.SetItemsProcessed(state.iterations() * m.Liste->ListCount());
}
BENCHMARK(Auswahl_Feldwerte32000)->UseManualTime()->Unit(benchmark::kMillisecond);

// The same values collected in the core alone.
void Kern_Feldwerte32000(benchmark::State& state) {
  BenchUmgebung();
  Adressbestand bestand;
  bestand.setItems(Adressen32000());
  for (auto _ : state) benchmark::DoNotOptimize(Feldwerte(bestand, 0));
  state.SetItemsProcessed(state.iterations() * bestand.Anzahl());
}
BENCHMARK(Kern_Feldwerte32000)->Unit(benchmark::kMillisecond);

}  // namespace
