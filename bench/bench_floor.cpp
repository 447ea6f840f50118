// The floor under the editor's figures: what opening and saving a skin cost with none
// of our code in the way, on the same skins and under the same names as
// velmor_bench_editor, so that each figure there stands beside its floor here
// (openSkin beside openSkinFloor, saveAfterDrag beside saveAfterDragFloor). Our code
// only builds the padded skins before the clock starts.
#include "bench/Floor.h"
#include "bench/PaddedSkin.h"
#include "bench/Runs.h"

#include <benchmark/benchmark.h>
#include <string>

namespace {

// The skin's bytes read, its picture names found, and every picture it names that is
// there decoded once.
void openSkinFloor(benchmark::State &state)
{
    const PaddedSkin skin(VELMOR_DEMO_SKIN, static_cast<std::size_t>(state.range(0)));
    std::size_t decoded = 0;
    for (auto _ : state) {
        std::string error;
        const std::optional<std::size_t> pictures = readAndDecode(skin.path(), &error);
        if (!pictures) {
            state.SkipWithError(error.c_str());
            return;
        }
        decoded = *pictures;
    }
    if (decoded == 0)
        state.SkipWithError("the skin names no picture that is there");
    state.counters["lines"] = static_cast<double>(skin.lines().size());
    state.counters["pictures"] = static_cast<double>(decoded);
}
BENCHMARK(openSkinFloor)->Apply(linesOfDemo)->Unit(benchmark::kMillisecond);

#ifndef _WIN32
// One write of the skin's text in place of the file, as every save ends.
void saveAfterDragFloor(benchmark::State &state)
{
    const PaddedSkin skin(VELMOR_DEMO_SKIN, static_cast<std::size_t>(state.range(0)));
    const std::string text = fileBytes(skin.path());
    for (auto _ : state) {
        if (!replaceSafely(skin.path(), text)) {
            state.SkipWithError("the skin could not be written");
            break;
        }
    }
    state.counters["lines"] = static_cast<double>(skin.lines().size());
}
BENCHMARK(saveAfterDragFloor)->Apply(linesOfDemo)->Unit(benchmark::kMillisecond);
#endif

} // namespace

BENCHMARK_MAIN();
