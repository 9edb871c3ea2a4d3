// The record table's work on 32000 addresses in the core alone, without a window: load, a search sweep
// that finds nothing, sort by surname, a mask filled for every record, save. The search and the sort
// through the main window are measured in the window's benchmarks (BM_SucheOhneTreffer,
// BM_SortNachNachname); the open file's whole load and save in AdressdateiBench.cpp.
#include "BenchUmgebung.h"
#include "platform/vb/SicheresSchreiben.h"
#include "store/Adressbestand.h"
#include "store/Adressdatei.h"
#include "store/Maske.h"
#include "store/OffeneAdressdatei.h"
#include "store/Sortieren.h"
#include "store/Suchen.h"

#include <benchmark/benchmark.h>
#include <unistd.h>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

namespace {

void Kern_Laden(benchmark::State& state) {
  BenchUmgebung();
  Adressbestand bestand;
  for (auto _ : state) {
    AdressdateiInhalt inhalt = AdressdateiZerlegen(Adressdatei32000(), QStringLiteral("Kunden"));
    bestand.setItems(std::move(inhalt.datensaetze));
  }
  if (bestand.Anzahl() != 32000) state.SkipWithError("the file did not load whole");
  state.SetBytesProcessed(state.iterations() * Adressdatei32000().size());
}
BENCHMARK(Kern_Laden)->Unit(benchmark::kMillisecond);

// The search sweep that finds nothing over the lines given, after a sort by surname (outside the timing)
// when nachSortierung.
void sucheOhneTreffer(benchmark::State& state, const QStringList& zeilen, bool nachSortierung) {
  BenchUmgebung();
  Adressbestand bestand;
  bestand.setItems(zeilen);
  if (nachSortierung) BestandSortieren(bestand, 1, QString());
  const SatzSuche suche(QStringLiteral("xyzzy"), false);
  for (auto _ : state)
    benchmark::DoNotOptimize(AdresseSuchen(bestand, suche, 0, [](qsizetype, qsizetype) { return true; }));
  state.SetItemsProcessed(state.iterations() * bestand.Anzahl());
}

// The sort by surname of the lines given, each run on them as given.
void sortNachNachname(benchmark::State& state, const QStringList& zeilen) {
  BenchUmgebung();
  Adressbestand bestand;
  for (auto _ : state) {
    state.PauseTiming();
    bestand.setItems(zeilen);
    const QString vorher = bestand.Zeile(100);
    state.ResumeTiming();
    benchmark::DoNotOptimize(BestandSortieren(bestand, 1, vorher));
  }
}

// The lines as the load leaves them (sharing one block, in file order), beside the generated lines that
// are each of their own.
const QStringList& geladeneAdressen() {
  static const QStringList zeilen = AdressdateiZerlegen(Adressdatei32000(), QStringLiteral("Kunden")).datensaetze;
  return zeilen;
}

void Kern_SucheOhneTreffer(benchmark::State& state) { sucheOhneTreffer(state, Adressen32000(), false); }
BENCHMARK(Kern_SucheOhneTreffer)->Unit(benchmark::kMillisecond);

// The same sweep after a sort by surname: the table's lines in an order other than the file's.
void Kern_SucheOhneTrefferNachSortierung(benchmark::State& state) { sucheOhneTreffer(state, Adressen32000(), true); }
BENCHMARK(Kern_SucheOhneTrefferNachSortierung)->Unit(benchmark::kMillisecond);

void Kern_SucheOhneTrefferNachDemLaden(benchmark::State& state) { sucheOhneTreffer(state, geladeneAdressen(), false); }
BENCHMARK(Kern_SucheOhneTrefferNachDemLaden)->Unit(benchmark::kMillisecond);

void Kern_SortNachNachname(benchmark::State& state) { sortNachNachname(state, Adressen32000()); }
BENCHMARK(Kern_SortNachNachname)->Unit(benchmark::kMillisecond);

void Kern_SortNachNachnameNachDemLaden(benchmark::State& state) { sortNachNachname(state, geladeneAdressen()); }
BENCHMARK(Kern_SortNachNachnameNachDemLaden)->Unit(benchmark::kMillisecond);

void Kern_MaskeFuerJedenDatensatz(benchmark::State& state) {
  const QString ordner = BenchUmgebung();
  const QString maske = ordner + QStringLiteral("/Bench.msk");
  QFile f(maske);
  if (!f.open(QIODevice::WriteOnly)) return state.SkipWithError("no mask file");
  f.write(
      "{Vorname} {Nachname}\r\n{Stra\xdf"
      "e}\r\n{PLZ} {Ort}\r\nTel. {Telefon}\r\n{@Datum}\r\n");
  f.close();
  Bezeichnungen bezeichnungen;
  for (int i = 0; i < kFeldAnzahl; ++i) bezeichnungen[i] = QString::fromUtf16(kFeldBezeichnung[i]);
  const QStringList& zeilen = Adressen32000();
  for (auto _ : state) {
    qsizetype laenge = 0;
    for (const QString& z : zeilen) laenge += MaskeFuellen(maske, z, bezeichnungen).size();
    benchmark::DoNotOptimize(laenge);
  }
  state.SetItemsProcessed(state.iterations() * zeilen.size());
}
BENCHMARK(Kern_MaskeFuerJedenDatensatz)->Unit(benchmark::kMillisecond);

void Kern_Speichern(benchmark::State& state) {
  BenchUmgebung();
  Adressbestand bestand;
  bestand.setItems(Adressen32000());
  QTemporaryDir dir;
  const QString datei = dir.filePath(QStringLiteral("kunden.dat"));
  // As the open file saves: encoded into a buffer kept between saves, written in pieces beside the old file.
  QByteArray puffer;
  for (auto _ : state) {
    SichererSchreiber schreiber(datei);
    AdressdateiSchreiben(KopfzeileBilden(QStringLiteral("Kunden"), QString()), bestand.Zeilen(),
                         Codec::Kodierung::Windows1252, false, puffer, kAdressdateiStueck,
                         [&](QByteArrayView teil) { return schreiber.schreiben(teil); });
    if (schreiber.abschliessen() != 0) state.SkipWithError("the save failed");
  }
  state.SetBytesProcessed(state.iterations() * QFile(datei).size());
}
BENCHMARK(Kern_Speichern)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace

// The floors beside which load, save and search are judged: what any program that keeps these addresses
// as lines of text must at least do, measured in the same run on the same machine (the save's floor is in
// BodenSchreiben.cpp).
namespace {

// The address file on disk, written once.
const QString& DateiAufPlatte() {
  static QTemporaryDir ordner;
  static const QString pfad = [] {
    const QString p = ordner.filePath(QStringLiteral("kunden.dat"));
    QFile f(p);
    if (f.open(QIODevice::WriteOnly)) f.write(Adressdatei32000());
    return p;
  }();
  return pfad;
}

QByteArray Lesen(const QString& pfad) {
  QFile f(pfad);
  return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// Reading the file and splitting it into lines of text (Qt's Latin-1 decoder, the fastest it has).
void Boden_LesenUndTrennen(benchmark::State& state) {
  BenchUmgebung();
  const QString pfad = DateiAufPlatte();
  QStringList zeilen;
  for (auto _ : state) {
    const QByteArray bytes = Lesen(pfad);
    zeilen = QStringList();
    zeilen.reserve(bytes.size() / 64);
    qsizetype pos = 0;
    while (pos < bytes.size()) {
      qsizetype ende = bytes.indexOf('\n', pos);
      if (ende < 0) ende = bytes.size();
      zeilen.append(QString::fromLatin1(bytes.constData() + pos, ende - pos - (ende > pos && bytes[ende - 1] == '\r')));
      pos = ende + 1;
    }
  }
  if (zeilen.size() < 32000) state.SkipWithError("the file did not split whole");
}
BENCHMARK(Boden_LesenUndTrennen)->Unit(benchmark::kMillisecond)->UseRealTime();

// The load from disk as the program reads it: a first look over the file, then reading, decoding and
// splitting it piece by piece into the table. The table is empty before each load, as at the program's
// start (and as the floor frees its lines before it reads).
void Kern_LadenVonPlatte(benchmark::State& state) {
  BenchUmgebung();
  const QString pfad = DateiAufPlatte();
  Adressbestand bestand;
  OffeneAdressdatei offen;
  for (auto _ : state) {
    bestand.setItems({});
    AdressdateiLesung lesung = OffeneAdressdatei::lesen(pfad);
    AdressdateiInhalt inhalt = offen.zerlegen(lesung, QStringLiteral("Kunden"), std::nullopt);
    bestand.setItems(std::move(inhalt.datensaetze));
  }
  if (bestand.Anzahl() != 32000) state.SkipWithError("the file did not load whole");
}
BENCHMARK(Kern_LadenVonPlatte)->Unit(benchmark::kMillisecond)->UseRealTime();

// A plain loop over the lines that looks at every character once: the floor of a search sweep.
void Boden_Zeilenschleife(benchmark::State& state) {
  BenchUmgebung();
  const QStringList& zeilen = Adressen32000();
  for (auto _ : state) {
    qsizetype treffer = 0;
    for (const QString& z : zeilen) treffer += z.count(u'\x01');
    benchmark::DoNotOptimize(treffer);
  }
}
BENCHMARK(Boden_Zeilenschleife)->Unit(benchmark::kMillisecond);

}  // namespace
