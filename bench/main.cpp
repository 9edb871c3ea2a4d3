// The one main of the benchmark program; every file in bench/ adds its benchmarks.
#include "platform/kit/Form.h"

#include <benchmark/benchmark.h>

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  // The windows go before the application that the benchmarks made.
  vb::Forms::UnloadAll();
  return 0;
}
