// The one main of the benchmark program; every file in bench/ adds its benchmarks.
#include <benchmark/benchmark.h>

BENCHMARK_MAIN();
