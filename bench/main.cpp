// SPDX-License-Identifier: BSD-3-Clause
// zemd02-bench: Google Benchmark's flags apply (--benchmark_filter, --benchmark_repetitions,
// --benchmark_min_time, --benchmark_out=FILE --benchmark_out_format=json); the tables go to
// standard output.
#include <benchmark/benchmark.h>

#include "bench/benchmarks.h"
#include "bench/table.h"

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    zembench::RegisterDialogBenchmarks();
    zembench::RegisterEngineBenchmarks();
    zembench::TableReporter table(stdout);
    benchmark::RunSpecifiedBenchmarks(&table);
    benchmark::Shutdown();
    return 0;
}
