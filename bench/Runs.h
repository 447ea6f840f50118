#pragma once

#include <benchmark/benchmark.h>

// Five runs of each, reported as mean, median and spread; the README quotes the median.
inline void medians(benchmark::internal::Benchmark *benchmark)
{
    benchmark->Repetitions(5)->DisplayAggregatesOnly(true);
}

// The same on the demo skin as it is (0), and grown to 10 000 and 100 000 lines.
inline void linesOfDemo(benchmark::internal::Benchmark *benchmark)
{
    medians(benchmark);
    benchmark->ArgName("lines")->Arg(0)->Arg(10000)->Arg(100000);
}
