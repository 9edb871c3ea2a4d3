// The address list import at 32000 lines: reading the file into the dialog, and the import into an
// empty table through the dialog and in the core alone. The import lines are the record lines of
// tools/adressen.py, TAB-separated; only their first fifteen columns are taken, so every line gets a running index.
#include "BenchUmgebung.h"
#include "common/Global.h"
#include "exchange/Listenimport.h"
#include "exchange/formen/AdrImport2.h"
#include "mainwindow/Main.h"
#include "platform/dienste/Dialogs.h"
#include "platform/vb/Codec.h"
#include "support/kern/Attrappen.h"

#include <benchmark/benchmark.h>
#include <QFile>

namespace {

const QString& ImportDatei32000() {
  static const QString pfad = [] {
    const QString datei = BenchUmgebung() + QStringLiteral("/import32000.txt");
    QFile f(datei);
    if (!f.open(QIODevice::WriteOnly)) qFatal("the import file cannot be written");
    f.write(Codec::nach1252(Adressen32000().join(QStringLiteral("\r\n")) + QStringLiteral("\r\n")));
    return datei;
  }();
  return pfad;
}

void DateiWaehlen(AdrImport2& d) {
  dynamic_cast<ScriptedDialogs&>(Dialogs::service()).answerText(ImportDatei32000());
  d.befDatei_Click();
}

void Import_DateiLesen32000(benchmark::State& state) {
  BenchUmgebung();
  ImportDatei32000();
  Main::get();
  AdrImport2& d = AdrImport2::get();
  for (auto _ : state) DateiWaehlen(d);
  if (d.Liste->ListCount() != Adressen32000().size()) state.SkipWithError("not every line was read");
  AdrImport2::Unload();
  state.SetItemsProcessed(state.iterations() * Adressen32000().size());
}
BENCHMARK(Import_DateiLesen32000)->Unit(benchmark::kMillisecond);

void Import_Importieren32000(benchmark::State& state) {
  BenchUmgebung();
  Main& m = Main::get();
  for (auto _ : state) {
    state.PauseTiming();
    m.Liste->setItems({});
    AdrImport2& d = AdrImport2::get();
    // As the menu command hands it over: the table to import into, the list that shows it, the captions.
    d.TabelleUebernehmen(*m.Bestand, *m.Liste, m.FeldBezeichnungen());
    DateiWaehlen(d);
    state.ResumeTiming();
    d.befImport_Click();
    state.PauseTiming();
    const bool ganz = m.Liste->ListCount() == Adressen32000().size();
    AdrImport2::Unload();
    if (!ganz) {
      // The library allows no timing after an error: the loop ends here.
      state.SkipWithError("not every line was imported");
      break;
    }
    state.ResumeTiming();
  }
  state.SetItemsProcessed(state.iterations() * Adressen32000().size());
}
BENCHMARK(Import_Importieren32000)->Unit(benchmark::kMillisecond);

void Kern_ListeImportieren32000(benchmark::State& state) {
  BenchUmgebung();
  const QStringList zeilen = ImportDateiLesen(ImportDatei32000());
  Importoptionen o;
  for (auto _ : state) {
    Adressbestand bestand;
    ListeImportieren(bestand, zeilen, o);
    benchmark::DoNotOptimize(bestand.Anzahl());
  }
  state.SetItemsProcessed(state.iterations() * zeilen.size());
}
BENCHMARK(Kern_ListeImportieren32000)->Unit(benchmark::kMillisecond);

}  // namespace
