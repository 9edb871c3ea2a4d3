// The floor of the saves, in both benchmark programs so that the core's saves (AdressdateiBench.cpp,
// KernBench.cpp) and the main window's (FensterSpeichernBench.cpp) are judged beside it in the same run.
#include "BenchUmgebung.h"

#include <benchmark/benchmark.h>
#include <unistd.h>
#include <QFile>
#include <QTemporaryDir>

namespace {

// Writing the same bytes into a new file and syncing them: the least a save that survives a crash costs.
void Boden_SchreibenUndSync(benchmark::State& state) {
  BenchUmgebung();
  QTemporaryDir dir;
  const QString datei = dir.filePath(QStringLiteral("boden.dat"));
  const QByteArray& bytes = Adressdatei32000();
  for (auto _ : state) {
    QFile f(datei);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Unbuffered) || f.write(bytes) != bytes.size() ||
        ::fsync(f.handle()) != 0)
      state.SkipWithError("the write failed");
  }
}
BENCHMARK(Boden_SchreibenUndSync)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
