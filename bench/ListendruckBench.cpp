// The list-print dialog over 32000 addresses: loading it, a new selection by text filter, selecting all,
// and an extract of all of them into a new file. Each is timed with the shown dialog's repaint.
#include "BenchUmgebung.h"
#include "common/Global.h"
#include "common/formen/File.h"
#include "mainwindow/Main.h"
#include "printing/Listenauswahl.h"
#include "printing/formen/Listendruck.h"

#include <benchmark/benchmark.h>
#include <QApplication>
#include <QDir>
#include <QFile>

namespace {

// The dialog as the menu command opens it: handed a copy of the table, the current address and the captions.
Listendruck& geoeffnet() {
  Main& m = Main::get();
  Listendruck& d = Listendruck::get();
  d.TabelleUebernehmen(m.Liste->items(), m.Liste->ListIndex(), m.FeldBezeichnungen());
  return d;
}

Listendruck& dialog32000() {
  BenchUmgebung();
  Main& m = Main::get();
  if (m.Liste->ListCount() != Adressen32000().size()) m.Liste->setItems(Adressen32000());
  m.Liste->setListIndex(0);
  NurLesen = 0;
  Listendruck& d = geoeffnet();
  d.show();
  QApplication::processEvents();
  return d;
}

void Listendruck_Laden32000(benchmark::State& state) {
  dialog32000();
  for (auto _ : state) {
    Listendruck::Unload();
    Listendruck& d = geoeffnet();
    d.show();
    QApplication::processEvents();
    benchmark::DoNotOptimize(d.Liste->SelCount());
  }
  if (Listendruck::get().Liste->ListCount() != Adressen32000().size()) state.SkipWithError("the list is not whole");
  state.SetItemsProcessed(state.iterations() * Adressen32000().size());
}
BENCHMARK(Listendruck_Laden32000)->Unit(benchmark::kMillisecond);

void Listendruck_NeuwahlFilter32000(benchmark::State& state) {
  Listendruck& d = dialog32000();
  // The town of an address in the middle: a filter that keeps some lines here and there.
  const QString ort = Adressen32000()[16000].split(u'\t').value(5);
  int gewaehlt = 0;
  for (auto _ : state) {
    d.KombiFilter->setText(ort);
    d.BefAuswahl_Click(2);
    QApplication::processEvents();
    gewaehlt = d.Liste->SelCount();
  }
  state.counters["Gewaehlt"] = gewaehlt;
  if (gewaehlt == 0 || gewaehlt == Adressen32000().size()) state.SkipWithError("the filter chose none or all");
  state.SetItemsProcessed(state.iterations() * Adressen32000().size());
}
BENCHMARK(Listendruck_NeuwahlFilter32000)->Unit(benchmark::kMillisecond);

void Listendruck_AlleWaehlen32000(benchmark::State& state) {
  Listendruck& d = dialog32000();
  for (auto _ : state) {
    state.PauseTiming();
    d.BefAuswahl_Click(0);
    QApplication::processEvents();
    state.ResumeTiming();
    d.BefAuswahl_Click(1);
    QApplication::processEvents();
  }
  state.counters["Gewaehlt"] = d.Liste->SelCount();
  if (d.Liste->SelCount() != Adressen32000().size()) state.SkipWithError("not every line was chosen");
}
BENCHMARK(Listendruck_AlleWaehlen32000)->Unit(benchmark::kMillisecond);

void Listendruck_AuszugAlle32000(benchmark::State& state) {
  Listendruck::Unload();
  Listendruck& d = dialog32000();
  d.BefAuswahl_Click(1);
  DatenOrdner = BenchUmgebung() + QStringLiteral("/auszug");
  QDir().mkpath(DatenOrdner);
  const QString pfad = DatenOrdner + QStringLiteral("/Auszug.Dat");
  vb::Forms::setModalInterceptor([](vb::FormBase& form) {
    if (auto* f = dynamic_cast<File*>(&form)) {
      f->show();
      f->Bezeichnung->setText(QStringLiteral("Auszug"));
      f->mnuOk_Click();
    }
  });
  qint64 bytes = 0;
  for (auto _ : state) {
    state.PauseTiming();
    QFile::remove(pfad);
    d.show();
    state.ResumeTiming();
    d.Bef2Datei_Click();
    QApplication::processEvents();
    state.PauseTiming();
    bytes = QFile(pfad).size();
    state.ResumeTiming();
  }
  vb::Forms::setModalInterceptor({});
  state.counters["Bytes"] = static_cast<double>(bytes);
  if (bytes < Adressdatei32000().size() / 2) state.SkipWithError("the extract does not hold the addresses");
  state.SetItemsProcessed(state.iterations() * Adressen32000().size());
}
BENCHMARK(Listendruck_AuszugAlle32000)->Unit(benchmark::kMillisecond);

// The extract's file alone: every line into a new file, written beside and renamed.
void Kern_Auszug32000(benchmark::State& state) {
  const QString pfad = BenchUmgebung() + QStringLiteral("/KernAuszug.Dat");
  for (auto _ : state) {
    state.PauseTiming();
    QFile::remove(pfad);
    state.ResumeTiming();
    benchmark::DoNotOptimize(AuszugSchreiben(pfad, QStringLiteral("Testadressen"), Adressen32000()));
  }
  state.counters["Bytes"] = static_cast<double>(QFile(pfad).size());
}
BENCHMARK(Kern_Auszug32000)->Unit(benchmark::kMillisecond);

}  // namespace
