// How long the INI work of one save, of one skin test and of the numbers of one load
// takes: on a skin of ordinary size (about 450 lines), and on the demo skin as it is and
// grown to 10 000 and 100 000 lines.
#include "bench/PaddedSkin.h"
#include "bench/Runs.h"
#include "ini/FileBytes.h"
#include "ini/PairReader.h"
#include "ini/ProfileReader.h"
#include "ini/SkinWriter.h"
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
        SkinWriter writer(skin.path());
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
    state.counters["lines"] = static_cast<double>(SkinWriter(skin.path()).Lines.size());
}
BENCHMARK(saveSizedWriteSequence)->Apply(medians)->Unit(benchmark::kMillisecond);

// A 1.5 skin as the editor holds it after the user's work: every element moved and
// every picture named anew. Its text is the save's to give.
SkinDocument editedDocument(const std::string &skinPath, const ListGeometry &lists)
{
    SkinDocument document;
    document.targetVersion = version15;
    document.skinPath = skinPath;
    document.skinFolder = folderOf(skinPath);
    document.lists = lists;
    for (std::string &path : document.graphicPaths)
        path = "piece.bmp";
    for (SkinElement &element : document.elements) {
        element.geometry = {12, 40, 75, 23};
        for (std::string &path : element.statePaths)
            path = document.skinFolder + "state.bmp";
    }
    return document;
}

// The whole save with all elements changed, its one write included. Each round saves
// the skin as opened, not the text the round before wrote.
void saveAllElementsChanged(benchmark::State &state, const std::vector<std::string> &opened,
                            SkinDocument document)
{
    const SaveDue every{std::bitset<elementCount>().set()};
    for (auto _ : state) {
        document.openedText = opened;
        if (!saveSkin(document, every))
            state.SkipWithError("the skin could not be written");
    }
    state.counters["lines"] = static_cast<double>(opened.size());
    state.counters["added"] = static_cast<double>(document.openedText.size() - opened.size());
}

// The ordinary text with the sections only 1.5 skins have.
std::vector<std::string> ordinary15Text(const SkinFile &skin)
{
    std::vector<std::string> lines = splitLines(skin.text());
    for (std::string_view section : version15Sections)
        lines.insert(lines.end(), {"[" + std::string(section) + "]", "position=1,2, 0, 0"});
    return lines;
}

// The whole save of the ordinary skin with all elements changed.
void fullSaveAllElementsChanged(benchmark::State &state)
{
    SkinFile skin;
    const std::vector<std::string> opened = ordinary15Text(skin);
    saveAllElementsChanged(
        state, opened,
        editedDocument(skin.path(), {{10, 20, 233, 120}, {10, 20, 233, 209}, {10, 20, 233, 209}}));
}
BENCHMARK(fullSaveAllElementsChanged)->Apply(medians)->Unit(benchmark::kMillisecond);

void skinTestAndVersion(benchmark::State &state)
{
    SkinFile skin;
    for (auto _ : state)
        benchmark::DoNotOptimize(targetVersionOf(ProfileReader::fromFile(skin.path())));
}
BENCHMARK(skinTestAndVersion)->Apply(medians)->Unit(benchmark::kMicrosecond);

// The demo skin after the user's work.
SkinDocument editedDemo(const PaddedSkin &skin)
{
    return editedDocument(skin.path(),
                          {{12, 84, 969, 180}, {12, 84, 969, 290}, {12, 84, 969, 290}});
}

void demoSaveAllElementsChanged(benchmark::State &state)
{
    const PaddedSkin skin(VELMOR_DEMO_SKIN, static_cast<std::size_t>(state.range(0)));
    saveAllElementsChanged(state, skin.lines(), editedDemo(skin));
}
BENCHMARK(demoSaveAllElementsChanged)->Apply(linesOfDemo)->Unit(benchmark::kMillisecond);

// The same with the elements' sections stripped to their headers, so that every key
// of an element is a new line in the middle of the text: the most lines a save adds.
void demoSaveIntoBareSections(benchmark::State &state)
{
    const PaddedSkin skin(VELMOR_DEMO_SKIN, static_cast<std::size_t>(state.range(0)));
    std::vector<std::string> bare;
    bool inElement = false;
    for (const std::string &line : skin.lines()) {
        if (line.starts_with("["))
            inElement = findElementBySection(line.substr(1, line.find(']') - 1)) != nullptr;
        else if (inElement)
            continue;
        bare.push_back(line);
    }
    saveAllElementsChanged(state, bare, editedDemo(skin));
}
BENCHMARK(demoSaveIntoBareSections)->Apply(linesOfDemo)->Unit(benchmark::kMillisecond);

// The file write of a save alone: the text joined and put in place of the file, with
// the flushes to disk that make the replacement safe.
void demoFileWrite(benchmark::State &state)
{
    const PaddedSkin skin(VELMOR_DEMO_SKIN, static_cast<std::size_t>(state.range(0)));
    for (auto _ : state) {
        if (replaceFileAtomically(skin.path(), joinLines(skin.lines()), {.makeWritable = true}))
            state.SkipWithError("the skin could not be written");
    }
    state.counters["lines"] = static_cast<double>(skin.lines().size());
}
BENCHMARK(demoFileWrite)->Apply(linesOfDemo)->Unit(benchmark::kMillisecond);

// The numbers a load takes from the pair reader: the list panels, and the place and
// size of every element, on a reader made from the opened text as the load makes it.
void demoPairReads(benchmark::State &state)
{
    const PaddedSkin skin(VELMOR_DEMO_SKIN, static_cast<std::size_t>(state.range(0)));
    for (auto _ : state) {
        const PairReader pairs(skin.path(), skin.lines());
        std::int32_t sum = readCommentedPair(pairs, "dlg_main", "position_m").x +
                           readCommentedPair(pairs, "dlg_main", "position_g").y +
                           readPair(pairs, "dlg_main", "size_m").y +
                           readPair(pairs, "dlg_main", "size_g").x;
        for (const CatalogueEntry &entry : catalogue()) {
            sum += readPosition(pairs, entry.section, "position").y;
            sum += readPair(pairs, entry.section, "size").y;
        }
        benchmark::DoNotOptimize(sum);
    }
    state.counters["lines"] = static_cast<double>(skin.lines().size());
}
BENCHMARK(demoPairReads)->Apply(linesOfDemo)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
