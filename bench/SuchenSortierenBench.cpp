// The search sweep and the sort on 32000 generated addresses.
#include "BenchUmgebung.h"
#include "common/Global.h"
#include "mainwindow/Main.h"
#include "platform/vb/Codec.h"
#include "store/Sortieren.h"
#include "store/Suchen.h"

#include <benchmark/benchmark.h>
#include <QApplication>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

namespace {

const QStringList& adressen() { return Adressen32000(); }

Main& hauptfenster() {
  BenchUmgebung();
  Main& m = Main::get();
  if (m.Liste->ListCount() != adressen().size()) m.Liste->setItems(adressen());
  return m;
}

// A full sweep that finds nothing: every record is tested once.
void BM_SucheOhneTreffer(benchmark::State& state) {
  Main& m = hauptfenster();
  m.Liste->setListIndex(0);
  m.TxtSuche->setText(QStringLiteral("xyzzy"));
  m.zeitSuche->setEnabled(false);
  for (auto _ : state) m.TextSuchen();
  state.SetItemsProcessed(state.iterations() * m.Liste->ListCount());
}
BENCHMARK(BM_SucheOhneTreffer)->Unit(benchmark::kMillisecond);

// The same sweep in the shown window (offscreen), with what it repaints. nachSortierung: the table sorted
// by surname through the menu first (outside the timing), so that its lines are in another order than
// the file's. The table and the changed flag are put back afterwards.
void sucheImGezeigtenFenster(benchmark::State& state, bool nachSortierung) {
  Main& m = hauptfenster();
  const int geaendert = Geaendert;
  m.Liste->setItems(adressen());
  m.Show();
  if (nachSortierung) m.mnuSort_Click(1);
  m.Liste->setListIndex(0);
  m.TxtSuche->setText(QStringLiteral("xyzzy"));
  m.zeitSuche->setEnabled(false);
  QApplication::processEvents();
  for (auto _ : state) {
    m.TextSuchen();
    QApplication::processEvents();
  }
  state.SetItemsProcessed(state.iterations() * m.Liste->ListCount());
  m.Hide();
  m.Liste->setItems(adressen());
  Geaendert = geaendert;
}
void BM_SucheOhneTrefferImGezeigtenFenster(benchmark::State& state) { sucheImGezeigtenFenster(state, false); }
BENCHMARK(BM_SucheOhneTrefferImGezeigtenFenster)->Unit(benchmark::kMillisecond);
void BM_SucheOhneTrefferNachSortierungImGezeigtenFenster(benchmark::State& state) {
  sucheImGezeigtenFenster(state, true);
}
BENCHMARK(BM_SucheOhneTrefferNachSortierungImGezeigtenFenster)->Unit(benchmark::kMillisecond);

// The same with two terms, one of them with wildcards, and Shift held (separators ignored).
void BM_SucheZweiBegriffeOhneTrenner(benchmark::State& state) {
  const SatzSuche suche(QStringLiteral("030?12 m#ller"), true);
  const QStringList& zeilen = adressen();
  for (auto _ : state) {
    int treffer = 0;
    for (const QString& z : zeilen) treffer += suche.passt(z);
    benchmark::DoNotOptimize(treffer);
  }
}
BENCHMARK(BM_SucheZweiBegriffeOhneTrenner)->Unit(benchmark::kMillisecond);

// Sorting the table by surname through the menu command (table swapped in, record selected again).
void BM_SortNachNachname(benchmark::State& state) {
  Main& m = hauptfenster();
  for (auto _ : state) {
    state.PauseTiming();
    m.Liste->setItems(adressen());
    m.Liste->setListIndex(100);
    state.ResumeTiming();
    m.mnuSort_Click(1);
  }
}
BENCHMARK(BM_SortNachNachname)->Unit(benchmark::kMillisecond);

// The same in the shown window (offscreen), where the progress bar and the list repaint.
void BM_SortNachNachnameImGezeigtenFenster(benchmark::State& state) {
  Main& m = hauptfenster();
  m.Show();
  QApplication::processEvents();
  for (auto _ : state) {
    state.PauseTiming();
    m.Liste->setItems(adressen());
    m.Liste->setListIndex(100);
    QApplication::processEvents();
    state.ResumeTiming();
    m.mnuSort_Click(1);
    QApplication::processEvents();
  }
  m.Hide();
}
BENCHMARK(BM_SortNachNachnameImGezeigtenFenster)->Unit(benchmark::kMillisecond);

// Sorting by the changed date (field 16, keys with the date rewritten).
void BM_SortNachAenderungsdatum(benchmark::State& state) {
  for (auto _ : state) benchmark::DoNotOptimize(ZeilenSortieren(adressen(), 16));
}
BENCHMARK(BM_SortNachAenderungsdatum)->Unit(benchmark::kMillisecond);

}  // namespace
