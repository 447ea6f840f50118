// How long the INI work of one save and of one skin test takes on a skin of
// ordinary size (about 400 lines).
#include "ini/Inifiles1.h"
#include "ini/ProfileReader.h"
#include "skin/Catalogue.h"
#include "skin/SkinFormat.h"

#include <benchmark/benchmark.h>
#include <filesystem>
#include <fstream>

namespace {

const char *const elementKeys[] = {"position",  "size",          "bitmap_up", "bitmap_do",
                                   "bitmap_mo", "font_color_up", "font"};

// A skin as the player's authors write them: every section with its usual keys.
std::string ordinarySkin()
{
    std::string text = "PP_LKV = Bench\r\n";
    for (std::string_view section : requiredSections) {
        text += "[" + std::string(section) + "]\r\n";
        for (const char *key : elementKeys)
            text += std::string(key) + " = 10, 20, 0, 0\r\n";
        text += "\r\n";
    }
    return text;
}

class SkinFile {
public:
    SkinFile()
        : path_((std::filesystem::temp_directory_path() / "velmor-bench.lkv").string()),
          text_(ordinarySkin())
    {
        std::ofstream(path_, std::ios::binary) << text_;
    }
    ~SkinFile() { std::filesystem::remove(path_); }
    const std::string &path() const { return path_; }
    const std::string &text() const { return text_; }

private:
    std::string path_;
    std::string text_;
};

// About 450 line edits, then the one write a save makes.
void saveSizedWriteSequence(benchmark::State &state)
{
    SkinFile skin;
    for (auto _ : state) {
        TIniFile1 writer(skin.path());
        for (int round = 0; round < 9; ++round) {
            for (std::string_view section : requiredSections) {
                if (round % 2 == 0)
                    writer.PutPair(section, elementKeys[round % 7], "12", "34");
                else
                    writer.PutValue(section, elementKeys[round % 7], "play.bmp");
            }
        }
        writer.UpdateFile();
    }
    state.counters["lines"] = static_cast<double>(TIniFile1(skin.path()).Lines.size());
}
BENCHMARK(saveSizedWriteSequence)->Unit(benchmark::kMillisecond);

void skinTestAndVersion(benchmark::State &state)
{
    SkinFile skin;
    for (auto _ : state)
        benchmark::DoNotOptimize(targetVersionOf(ProfileReader::fromFile(skin.path())));
}
BENCHMARK(skinTestAndVersion)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
