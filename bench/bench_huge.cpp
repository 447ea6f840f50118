// What `--check` and `--diff` cost on a skin whose 189 bitmaps are all of 5792 × 5792
// pixels, run-length encoded: 53 MB on disk, 6 GiB of pixels decoded. Both must stay in
// a bounded memory, which the peak resident size beside each figure shows.
//
// `velmor_bench_huge --write FOLDER` only writes the skin there, for timing whole runs
// of the program on it.
#include "bench/HugeSkin.h"
#include "platform/SkinChecker.h"
#include "platform/SkinComparison.h"

#include <QCoreApplication>

#include <benchmark/benchmark.h>
#include <cstring>

#ifndef _WIN32
#include <sys/resource.h>
#endif

namespace {

void peakMemory(benchmark::State &state)
{
#ifndef _WIN32
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    state.counters["peak_MiB"] = double(usage.ru_maxrss) / 1024;
#else
    (void)state;
#endif
}

const HugeSkin &hugeSkin()
{
    static const HugeSkin skin(VELMOR_DEMO_SKIN);
    return skin;
}

QString pathOf(const HugeSkin &skin)
{
    return QString::fromStdString(skin.skinPath().string());
}

void checkHugeSkin(benchmark::State &state)
{
    const QString path = pathOf(hugeSkin());
    for (auto _ : state) {
        const SkinReport report = checkSkinFile(path);
        if (report.count(Severity::Error) > 0)
            state.SkipWithError("the huge skin has errors");
    }
    peakMemory(state);
}
BENCHMARK(checkHugeSkin)->Iterations(1)->Repetitions(3)->Unit(benchmark::kSecond);

void diffHugeSkins(benchmark::State &state)
{
    static const HugeSkin other(VELMOR_DEMO_SKIN);
    const QString a = pathOf(hugeSkin());
    const QString b = pathOf(other);
    for (auto _ : state) {
        const SkinComparison comparison = compareSkinFiles(a, b);
        if (!comparison.ok() || !comparison.differences.empty())
            state.SkipWithError("the two huge skins differ");
    }
    peakMemory(state);
}
BENCHMARK(diffHugeSkins)->Iterations(1)->Repetitions(3)->Unit(benchmark::kSecond);

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication application(argc, argv);
    if (argc == 3 && std::strcmp(argv[1], "--write") == 0) {
        const HugeSkin skin(VELMOR_DEMO_SKIN, argv[2]);
        return 0;
    }
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
