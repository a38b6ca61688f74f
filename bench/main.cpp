// Entry point of the benchmark program; the benchmarks register themselves from their files.
#include <benchmark/benchmark.h>

BENCHMARK_MAIN();
