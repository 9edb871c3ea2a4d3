// The main of both benchmark programs; every file in bench/ adds its benchmarks to one of them.
#ifdef KARTULON_BENCH_FENSTER
#include "platform/kit/Form.h"
#endif

#include <benchmark/benchmark.h>

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
#ifdef KARTULON_BENCH_FENSTER
  // The windows go before the application that the benchmarks made.
  vb::Forms::UnloadAll();
#endif
  return 0;
}
