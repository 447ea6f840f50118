// How long the INI work of one save and of one skin test takes on a skin of
// ordinary size (about 450 lines).
#include "ini/FileBytes.h"
#include "ini/Inifiles1.h"
#include "ini/ProfileReader.h"
#include "skin/Catalogue.h"
#include "skin/SkinDocument.h"
#include "skin/SkinFormat.h"
#include "skin/SkinSave.h"

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

// A 1.5 skin opened from the ordinary text, with every one of its elements moved.
SkinDocument movedDocument(const SkinFile &skin)
{
    SkinDocument document;
    document.targetVersion = version15;
    document.skinPath = skin.path();
    document.skinFolder = folderOf(skin.path());
    document.openedText = splitLines(skin.text());
    for (std::string_view section : version15Sections)
        document.openedText.insert(document.openedText.end(),
                                   {"[" + std::string(section) + "]", "position=1,2, 0, 0"});
    document.lists = {{10, 20, 233, 120}, {10, 20, 233, 209}, {10, 20, 233, 209}};
    for (std::string &path : document.graphicPaths)
        path = "piece.bmp";
    for (SkinElement &element : document.elements) {
        element.geometry = {12, 40, 75, 23};
        for (std::string &path : element.statePaths)
            path = document.skinFolder + "state.bmp";
    }
    return document;
}

// The whole save with all elements changed, its one write included.
void fullSaveAllElementsChanged(benchmark::State &state)
{
    SkinFile skin;
    SkinDocument document = movedDocument(skin);
    const std::vector<std::string> opened = document.openedText;
    for (auto _ : state) {
        // Each round saves the skin as opened, not the text the round before wrote.
        document.openedText = opened;
        for (SkinElement &element : document.elements)
            element.changed = true;
        if (!saveSkin(document))
            state.SkipWithError("the skin could not be written");
    }
    state.counters["lines"] = static_cast<double>(opened.size());
}
BENCHMARK(fullSaveAllElementsChanged)->Unit(benchmark::kMillisecond);

void skinTestAndVersion(benchmark::State &state)
{
    SkinFile skin;
    for (auto _ : state)
        benchmark::DoNotOptimize(targetVersionOf(ProfileReader::fromFile(skin.path())));
}
BENCHMARK(skinTestAndVersion)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
