// Loading a full address file (32000 records from tools/adressen.py) into the main window's record table
// with the first record shown, and saving it back (backup copy, header, every record, rename).
#include "BenchUmgebung.h"
#include "common/Global.h"
#include "common/Ini.h"
#include "mainwindow/Main.h"
#include "store/Adressdatei.h"

#include <benchmark/benchmark.h>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <QTemporaryDir>
#include <memory>

namespace {

// A program folder with the user set and a 32000-record file "kunden.dat"; "" when it cannot be written.
struct Umgebung {
  QTemporaryDir ordner;
  QString datei;
  Umgebung() {
    BenchUmgebung();
    GlobaleZuruecksetzen();
    IniSchreiben(QString(), QStringLiteral("Allgemein"), QStringLiteral("User"), QStringLiteral("Maier"));
    Main::get();  // its load sets the folders from the settings: set ours after it
    DatenOrdner = ordner.path();
    MaskenOrdner = DatenOrdner;
    IniDatei = ordner.path() + QStringLiteral("/Kartulon.Ini");
    AktuelleDatei = ordner.path() + QStringLiteral("/kunden.dat");
    QFile f(AktuelleDatei);
    if (f.open(QIODevice::WriteOnly) && f.write(Adressdatei32000()) == Adressdatei32000().size()) datei = AktuelleDatei;
  }
};

void DateiLaden32000(benchmark::State& state) {
  Umgebung u;
  if (u.datei.isEmpty()) {
    state.SkipWithError("the address file cannot be written");
    return;
  }
  Main& m = Main::get();
  for (auto _ : state) {
    m.DatenLaden();
    benchmark::DoNotOptimize(m.Feld(1).Text());
  }
  if (m.Liste->ListCount() != 32000 || m.Liste->ListIndex() != 0 || m.Feld(1).Text().isEmpty())
    state.SkipWithError("the file did not load whole");
  state.SetBytesProcessed(state.iterations() * QFileInfo(u.datei).size());
  Main::Unload();
}
BENCHMARK(DateiLaden32000)->Unit(benchmark::kMillisecond);

void DateiSpeichern32000(benchmark::State& state) {
  Umgebung u;
  if (u.datei.isEmpty()) {
    state.SkipWithError("the address file cannot be written");
    return;
  }
  Main& m = Main::get();
  m.DatenLaden();
  const QByteArray vorher = [&] {
    QFile f(u.datei);
    f.open(QIODevice::ReadOnly);
    return f.readAll();
  }();
  for (auto _ : state) {
    Geaendert = 1;
    if (!m.DatenSpeichern()) state.SkipWithError("the save failed");
  }
  QFile f(u.datei);
  f.open(QIODevice::ReadOnly);
  if (f.readAll() != vorher) state.SkipWithError("the saved file differs from the loaded one");
  state.SetBytesProcessed(state.iterations() * vorher.size());
  Main::Unload();
}
BENCHMARK(DateiSpeichern32000)->Unit(benchmark::kMillisecond);

// The format alone: splitting the file's bytes into record lines, and building the bytes again.
void AdressdateiZerlegenUndBauen(benchmark::State& state) {
  Umgebung u;
  if (u.datei.isEmpty()) {
    state.SkipWithError("the address file cannot be written");
    return;
  }
  QFile f(u.datei);
  f.open(QIODevice::ReadOnly);
  const QByteArray bytes = f.readAll();
  for (auto _ : state) {
    const AdressdateiInhalt inhalt = AdressdateiZerlegen(bytes, QStringLiteral("Kunden"));
    benchmark::DoNotOptimize(AdressdateiBauen(KopfzeileBilden(inhalt.beschreibung, QString()), inhalt.datensaetze));
  }
  state.SetBytesProcessed(state.iterations() * bytes.size());
}
BENCHMARK(AdressdateiZerlegenUndBauen)->Unit(benchmark::kMillisecond);

}  // namespace
