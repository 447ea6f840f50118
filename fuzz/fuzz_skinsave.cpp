// A load of arbitrary text, then a save after fuzzed edits. The load must give places
// that views can take and every picture it shows, or problems alone. The save must
// write its file, keep every line it does not own in its order, keep the player
// version, and what it wrote must load again: places, sizes and picture names.

#include "fuzz/FuzzSupport.h"
#include "ini/FileBytes.h"
#include "ini/IniLine.h"
#include "ini/PairReader.h"
#include "ini/ProfileReader.h"
#include "ini/TextRules.h"
#include "ini/Windows1252.h"
#include "skin/Catalogue.h"
#include "skin/SkinDocument.h"
#include "skin/SkinFormat.h"
#include "skin/SkinLoad.h"
#include "skin/SkinSave.h"

#include <limits>
#include <optional>
#include <set>

namespace {

// Every key the save may write; lines of other keys are never its business.
const std::set<std::string> &ownedKeys()
{
    static const std::set<std::string> keys = [] {
        std::set<std::string> upper;
        for (std::string_view key : {"position_m",
                                     "position_g",
                                     "size_m",
                                     "size_g",
                                     "bmp_offset0",
                                     "bmp_offset1",
                                     "bmp_offset2",
                                     "region0",
                                     "region1",
                                     "region2",
                                     "height",
                                     "color_transparent",
                                     "color_axis",
                                     "y_pos_axis_line",
                                     "font_axis",
                                     "color_font_axis",
                                     "y_pos_axis_text",
                                     "font_position",
                                     "color_font_position",
                                     "y_pos_current",
                                     "color_waveform",
                                     "color_mark_rect",
                                     "y_pos_marks",
                                     "y_size_marks",
                                     "font_track_info",
                                     "axis_timemark_small",
                                     "axis_timemark_middle",
                                     "axis_timemark_big",
                                     "color_fg",
                                     "font",
                                     "imagelist",
                                     "font_color_up",
                                     "font_color_do",
                                     "mouseover",
                                     "position",
                                     "size"})
            upper.insert(asciiUpper(key));
        for (StateBitmap state : allStates)
            upper.insert(asciiUpper(stateKey(state)));
        for (std::size_t i = 0; i < graphicCount; ++i)
            upper.insert(asciiUpper(graphicKey(static_cast<Graphic>(i)).key));
        return upper;
    }();
    return keys;
}

bool mayBeRewritten(std::size_t index, std::string_view text)
{
    const IniLine line = IniLine::classify(text);
    // Line 1 gives way to the skin name when it is a header; that counts as owned.
    return index == 0 ||
           (line.kind == IniLine::Key && ownedKeys().count(asciiUpper(line.writtenKey())));
}

// What the load promises whatever the text: a place every view can take, one picture
// for each graphic and each up bitmap, and problems instead of a half-filled document.
void checkLoad(const LoadedSkin &loaded)
{
    const SkinDocument &document = loaded.document;
    if (!loaded.isSkin()) {
        require(loaded.problems.front().kind == LoadProblem::Kind::NotASkin &&
                    loaded.problems.size() > 1 && loaded.pictures.empty() &&
                    document.targetVersion.empty() && document.openedText.empty(),
                "a text that is no skin left more than its problems");
        return;
    }
    const auto fits = [](const Rect &rect) { return viewGeometry(rect) == rect; };
    require(fits(document.lists.player) && fits(document.lists.schedule) &&
                fits(document.lists.description),
            "a list panel was loaded where no view can stand");
    std::size_t upBitmaps = 0;
    for (const SkinElement &element : document.elements) {
        require(fits(element.geometry), "an element was loaded where no view can stand");
        if (existsIn(*element.entry, document.targetVersion) &&
            element.entry->states != StateSet::None)
            ++upBitmaps;
    }
    require(loaded.pictures.size() == graphicCount + upBitmaps, "a picture is missing");
    for (std::size_t i = 0; i < loaded.pictures.size(); ++i) {
        const NamedPicture &picture = loaded.pictures[i];
        if (i < graphicCount)
            require(picture.graphic == static_cast<Graphic>(i) &&
                        picture.name == document.graphicPaths[i],
                    "the graphics are not shown in their order");
        else
            require(picture.element &&
                        document.element(*picture.element).statePath(StateBitmap::Up) ==
                            document.skinFolder + picture.name,
                    "an up bitmap is shown by another name than its state's");
    }
}

struct Names {
    std::vector<std::string> pictures{"neu.bmp",
                                      "C:\\Skins\\Blau\\play.bmp",
                                      "Grün.bmp",
                                      "\"quoted.bmp\"",
                                      " blank.bmp ",
                                      "two\r\nlines.bmp",
                                      "\xe2\x82\xacuro.bmp",
                                      "\xe6\x97\xa5.bmp",
                                      "",
                                      "[section].bmp"};
};

Names namesOf(const std::vector<std::string> &lines)
{
    Names names;
    for (const std::string &line : lines)
        names.pictures.push_back(decodeWindows1252(line));
    return names;
}

Rect rectOf(FuzzedDataProvider &input)
{
    return {input.ConsumeIntegral<std::int32_t>(), input.ConsumeIntegral<std::int32_t>(),
            input.ConsumeIntegral<std::int32_t>(), input.ConsumeIntegral<std::int32_t>()};
}

// The save adds offsets of at most 140 to the list place and stops at the ends of the
// integer range, where a place cannot load back as it was. Edited lists stay clear of
// those ends; a skin may load its lists right at them.
bool clearOfTheEnds(std::int32_t coordinate)
{
    constexpr std::int32_t room = 1000;
    return coordinate > std::numeric_limits<std::int32_t>::min() + room &&
           coordinate < std::numeric_limits<std::int32_t>::max() - room;
}

Rect listRectOf(FuzzedDataProvider &input)
{
    const auto value = [&] { return input.ConsumeIntegralInRange(-1000000, 1000000); };
    return {value(), value(), value(), value()};
}

// The edits of a user; what they made due for the save.
SaveDue edit(SkinDocument &document, FuzzedDataProvider &input, const Names &names)
{
    SaveDue due;
    const int elementEdits = input.ConsumeIntegralInRange(0, 6);
    for (int i = 0; i < elementEdits; ++i) {
        SkinElement &element =
            document.elements[input.ConsumeIntegralInRange<std::size_t>(0, elementCount - 1)];
        element.geometry = rectOf(input);
        const auto state = static_cast<StateBitmap>(input.ConsumeIntegralInRange(0, 3));
        if (input.ConsumeBool() && element.entry->hasState(state))
            element.statePath(state) = pick(input, names.pictures);
        due.add(*element.entry);
    }
    if (input.ConsumeBool()) {
        document.lists.player = listRectOf(input);
        document.lists.schedule = listRectOf(input);
    }
    const int graphicEdits = input.ConsumeIntegralInRange(0, 3);
    for (int i = 0; i < graphicEdits; ++i)
        document.graphicPaths[input.ConsumeIntegralInRange<std::size_t>(0, graphicCount - 1)] =
            pick(input, names.pictures);
    if (input.ConsumeBool())
        document.skinName = pick(input, names.pictures);
    return due;
}

void checkUntouchedSurvive(const std::vector<std::string> &original,
                           const std::vector<std::string> &written)
{
    std::size_t next = 0;
    for (std::size_t i = 0; i < original.size(); ++i) {
        if (mayBeRewritten(i, original[i]))
            continue;
        while (next < written.size() && written[next] != original[i])
            ++next;
        require(next < written.size(), "the save lost or reordered a line it does not own");
        ++next;
    }
}

bool isWritten(const SkinDocument &document, const SaveDue &due, const CatalogueEntry &entry)
{
    return due.has(entry) && existsIn(entry, document.targetVersion);
}

void checkGeometryLoads(const SkinDocument &document, const SaveDue &due, const PairReader &pairs)
{
    for (const CatalogueEntry &entry : catalogue()) {
        if (!isWritten(document, due, entry))
            continue;
        const Rect &geometry = document.element(entry).geometry;
        require(readPosition(pairs, entry.section, "position") ==
                    IntPair{geometry.left, geometry.top},
                "a saved place does not load");
        require(readPair(pairs, entry.section, "size") == IntPair{geometry.width, geometry.height},
                "a saved size does not load");
    }
    const bool is15 = document.targetVersion == version15;
    const auto place = is15 ? readCommentedPair : readPair;
    const IntPair main = place(pairs, "dlg_main", "position_m");
    const IntPair origin = place(pairs, "dlg_main", "position_g");
    const Rect &player = document.lists.player;
    if (clearOfTheEnds(player.left) && clearOfTheEnds(player.top))
        require(std::int64_t{main.x} - origin.x == player.left &&
                    std::int64_t{main.y} - origin.y == player.top,
                "the saved list place does not load");
    const Rect &schedule = document.lists.schedule;
    const std::int32_t width = readPair(pairs, "dlg_main", is15 ? "size_g" : "size_m").x;
    require(width == schedule.width && readPair(pairs, "dlg_main", "size_m").y == schedule.height,
            "the saved list size does not load");
}

// A second header of the same name right after the first: the writer takes both as one
// section and may put a key into the second, where the player, reading only a name's
// first section, never looks. Names are not checked there.
bool writerAndPlayerAgree(const std::vector<std::string> &lines, std::string_view section)
{
    bool inSection = false;
    bool seen = false;
    for (const std::string &line : lines) {
        if (const std::optional<std::string_view> header = sectionHeaderName(line)) {
            const bool matches = namesMatch(*header, section);
            if (matches && inSection)
                return false;
            inSection = matches && !seen;
            seen = seen || matches;
        }
    }
    return true;
}

// A name the reader gives back as written: one that trimming and unquoting leave alone.
bool readsAsWritten(std::string_view name)
{
    const bool quoted = name.size() >= 2 && (name.front() == '"' || name.front() == '\'') &&
                        name.back() == name.front();
    return !name.empty() && !quoted && trimBlanks(name) == name;
}

void checkNameLoads(const ProfileReader &skin, const std::vector<std::string> &original,
                    std::string_view section, std::string_view key, const std::string &path)
{
    if (!writerAndPlayerAgree(original, section))
        return;
    const std::string written = encodeWindows1252(singleLine(bareFileName(path)));
    if (!readsAsWritten(written))
        return;
    const std::string read = readFileName(skin, section, key);
    if (read != written)
        std::fprintf(stderr, "[%.*s] %.*s: wrote \"%s\", read \"%s\"\n",
                     static_cast<int>(section.size()), section.data(), static_cast<int>(key.size()),
                     key.data(), written.c_str(), read.c_str());
    require(read == written, "a saved picture name does not load");
}

void checkNamesLoad(const SkinDocument &document, const SaveDue &due, const ProfileReader &skin,
                    const std::vector<std::string> &original)
{
    for (std::size_t i = 0; i < graphicCount; ++i) {
        const SkinKey where = graphicKey(static_cast<Graphic>(i));
        checkNameLoads(skin, original, where.section, where.key, document.graphicPaths[i]);
    }
    for (const CatalogueEntry &entry : catalogue()) {
        if (!isWritten(document, due, entry))
            continue;
        for (StateBitmap state : allStates) {
            if (entry.hasState(state))
                checkNameLoads(skin, original, entry.section, stateKey(state),
                               document.element(entry).statePath(state));
        }
    }
}

// The writer keeps its index of the text from one save to the next; a second save
// must write what a document that starts from the same text afresh writes.
void checkSecondSave(SkinDocument &document, FuzzedDataProvider &choices, const Names &names)
{
    const SaveDue due = edit(document, choices, names);
    SkinDocument fresh = document;
    fresh.skinPath = scratchFolder().file("fresh.lkv");
    require(saveSkin(document, due), "the second save failed");
    require(saveSkin(fresh, due), "the save of the copy failed");
    require(document.openedText.lines() == fresh.openedText.lines(),
            "a second save wrote other lines than a fresh one");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    // The whole input is the text, so that every seed is a plain skin file; the edits
    // are read from its last bytes as well, and the fuzzer tunes them with the text.
    const std::string text(reinterpret_cast<const char *>(data), size);
    FuzzedDataProvider choices(data, size);

    const std::string path = scratchFolder().file("skin.lkv");
    LoadedSkin loaded = loadSkin(path, text);
    checkLoad(loaded);
    const std::string tested = loaded.document.targetVersion;
    // A text that fails the skin test is saved for one of the versions all the same:
    // the save must cope with any text, and most fuzzed texts are no skins.
    if (!loaded.isSkin()) {
        loaded = loadSkinAs(path, text, choices.ConsumeBool() ? version15 : version14);
        checkLoad(loaded);
    }
    SkinDocument &document = loaded.document;
    const std::vector<std::string> original = document.openedText;
    const SaveDue due = edit(document, choices, namesOf(original));

    require(saveSkin(document, due), "the save failed");
    const std::optional<std::string> bytes = readFileBytes(path);
    require(bytes.has_value(), "the saved file cannot be read");
    const std::vector<std::string> written = splitLines(*bytes);
    require(written == document.openedText, "the document's text is not the file's");
    checkUntouchedSurvive(original, written);

    const ProfileReader reloaded(*bytes);
    require(tested.empty() || targetVersionOf(reloaded) == tested,
            "the save changed the player version");
    checkGeometryLoads(document, due, PairReader(path, written));
    checkNamesLoad(document, due, reloaded, original);
    checkSecondSave(document, choices, namesOf(original));
    return 0;
}
