// Printing a list through the list-print dialog: 10000 addresses through a three-line mask with a title
// on the recording printer (the layout alone), and 1000 into PDF files through Qt's printer (one file
// per page, as every page is a print job of its own).
#include "BenchUmgebung.h"
#include "common/Global.h"
#include "mainwindow/Main.h"
#include "platform/dienste/Printer.h"
#include "printing/formen/Listendruck.h"
#include "printing/formen/PrinterSet.h"

#include <benchmark/benchmark.h>
#include <QApplication>
#include <QDir>
#include <QFile>

namespace {

Listendruck& listeMit(int anzahl) {
  const QString ordner = BenchUmgebung() + QStringLiteral("/masken");
  // The window first: loading it sets the folders from the settings, the mask folder among them.
  Main& m = Main::get();
  QDir().mkpath(ordner);
  QFile f(ordner + QStringLiteral("/Drei.msk"));
  if (f.open(QIODevice::WriteOnly))
    f.write(
        "{Vorname} {Nachname}\r\n{Stra\xDF"
        "e}\r\n{PLZ} {Ort}");
  f.close();
  MaskenOrdner = ordner;
  NurLesen = 0;
  Listendruck::Unload();
  m.Liste->setItems(Adressen32000().mid(0, anzahl));
  m.Liste->setListIndex(0);
  Listendruck& d = Listendruck::get();
  // As the menu command hands it over: a copy of the table, the current address and the captions.
  d.TabelleUebernehmen(m.Liste->items(), m.Liste->ListIndex(), m.FeldBezeichnungen());
  d.BefAuswahl_Click(1);
  d.ComboMasken->setListIndex(d.ComboMasken->findText(QStringLiteral("Drei")));
  d.TxtÜberschrift->setText(QStringLiteral("Adressliste"));
  vb::Forms::setModalInterceptor([](vb::FormBase& form) {
    if (auto* o = dynamic_cast<PrinterSet*>(&form)) o->BefOk_Click();
  });
  return d;
}

void Listendruck_Drucken10000Aufzeichnung(benchmark::State& state) {
  Listendruck& d = listeMit(10000);
  int seiten = 0;
  for (auto _ : state) {
    state.PauseTiming();
    auto drucker = std::make_unique<vb::RecordingPrinter>();
    vb::RecordingPrinter* aufzeichnung = drucker.get();
    vb::installPrinterBackend(std::move(drucker));
    state.ResumeTiming();
    d.BefOk_Click();
    state.PauseTiming();
    seiten = aufzeichnung->jobsEnded();
    state.ResumeTiming();
  }
  vb::Forms::setModalInterceptor({});
  state.counters["Seiten"] = seiten;
  if (seiten == 0) state.SkipWithError("nothing was printed");
  state.SetItemsProcessed(state.iterations() * 10000);
}
BENCHMARK(Listendruck_Drucken10000Aufzeichnung)->Unit(benchmark::kMillisecond);

void Listendruck_Drucken1000Pdf(benchmark::State& state) {
  Listendruck& d = listeMit(1000);
  const QString ziel = BenchUmgebung() + QStringLiteral("/pdf");
  qsizetype dateien = 0;
  for (auto _ : state) {
    state.PauseTiming();
    QDir(ziel).removeRecursively();
    QDir().mkpath(ziel);
    vb::installPrinterBackend(std::make_unique<vb::QtPrinterBackend>(ziel));
    state.ResumeTiming();
    d.BefOk_Click();
    state.PauseTiming();
    dateien = QDir(ziel).entryList({QStringLiteral("*.pdf")}, QDir::Files).size();
    state.ResumeTiming();
  }
  vb::Forms::setModalInterceptor({});
  vb::installPrinterBackend(std::make_unique<vb::RecordingPrinter>());
  state.counters["Dateien"] = static_cast<double>(dateien);
  if (dateien == 0) state.SkipWithError("no page was printed");
  state.SetItemsProcessed(state.iterations() * 1000);
}
BENCHMARK(Listendruck_Drucken1000Pdf)->Unit(benchmark::kMillisecond);

}  // namespace
