// The pick list of a field's values over 32000 addresses: from the double-click on the box until the
// dialog is shown with its sorted entries, each value once. Field 0 ("Rubrik zum Einsortieren") holds a
// few distinct values, field 10 ("Zusatz") some thousands.
#include "BenchUmgebung.h"
#include "common/Global.h"
#include "common/formen/Auswahl.h"
#include "mainwindow/Main.h"
#include "platform/vb/ListModel.h"
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
    m.Feld_DblClick(static_cast<short>(state.range(0)));
    state.SetIterationTime(sekunden);
  }
  vb::Forms::setModalInterceptor({});
  state.counters["Eintraege"] = eintraege;
  state.SetItemsProcessed(state.iterations() * m.Liste->ListCount());
}
BENCHMARK(Auswahl_Feldwerte32000)->Arg(0)->Arg(10)->UseManualTime()->Unit(benchmark::kMillisecond);

// The same values collected in the core alone.
void Kern_Feldwerte32000(benchmark::State& state) {
  BenchUmgebung();
  Adressbestand bestand;
  bestand.setItems(Adressen32000());
  for (auto _ : state) benchmark::DoNotOptimize(Feldwerte(bestand, 0));
  state.SetItemsProcessed(state.iterations() * bestand.Anzahl());
}
BENCHMARK(Kern_Feldwerte32000)->Unit(benchmark::kMillisecond);

// The sort of a pick list whose 32000 entries all differ (the worst case for the list's order).
void Kern_ListeSortieren32000Verschiedene(benchmark::State& state) {
  BenchUmgebung();
  for (auto _ : state) {
    state.PauseTiming();
    QStringList zeilen = Adressen32000();
    state.ResumeTiming();
    vb::ListModel::sortieren(zeilen);
    benchmark::DoNotOptimize(zeilen);
  }
}
BENCHMARK(Kern_ListeSortieren32000Verschiedene)->Unit(benchmark::kMillisecond);

}  // namespace
