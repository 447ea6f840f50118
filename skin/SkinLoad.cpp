#include "skin/SkinLoad.h"

#include "ini/FileBytes.h"
#include "ini/PairReader.h"
#include "ini/ProfileReader.h"
#include "ini/Windows1252.h"
#include "skin/SkinFormat.h"

namespace {

// Skin files are Windows-1252; the model keeps every text in UTF-8.
std::string readName(const ProfileReader &skin, std::string_view section, std::string_view key)
{
    return decodeWindows1252(readFileName(skin, section, key));
}

std::vector<LoadProblem> problemsOf(const ProfileReader &skin)
{
    std::vector<LoadProblem> problems{{LoadProblem::Kind::NotASkin, {}}};
    for (std::string_view section : requiredSections) {
        if (!skin.hasSection(section))
            problems.push_back({LoadProblem::Kind::MissingSection, std::string(section)});
    }
    return problems;
}

// One place and size in "dlg_main" stand for the three list panels; the Player panel
// takes its height from "player_view". A 1.5 skin comments its places after "//".
ListGeometry readLists(const ProfileReader &skin, const PairReader &pairs, bool is15)
{
    const auto place = is15 ? readCommentedPair : readPair;
    const IntPair main = place(pairs, "dlg_main", "position_m");
    const IntPair origin = place(pairs, "dlg_main", "position_g");
    const IntPair size = readPair(pairs, "dlg_main", "size_m");
    // Any two numbers of the file may meet here.
    Rect wanted{saturatedSum(main.x, -std::int64_t{origin.x}),
                saturatedSum(main.y, -std::int64_t{origin.y}), size.x, size.y};
    if (is15)
        wanted.width = readPair(pairs, "dlg_main", "size_g").x;
    const Rect lists = viewGeometry(wanted);
    Rect player = lists;
    player.height = readInteger(skin, "player_view", "height");
    return {viewGeometry(player), lists, lists};
}

void readElement(const ProfileReader &skin, const PairReader &pairs, const std::string &folder,
                 SkinElement &element)
{
    const CatalogueEntry &entry = *element.entry;
    const IntPair position = readPosition(pairs, entry.section, "position");
    const IntPair size = readPair(pairs, entry.section, "size");
    element.geometry = viewGeometry({position.x, position.y, size.x, size.y});
    for (StateBitmap state : allStates) {
        if (entry.hasState(state))
            element.statePath(state) = folder + readName(skin, entry.section, stateKey(state));
    }
}

std::vector<NamedPicture> picturesOf(const ProfileReader &skin, const SkinDocument &document)
{
    std::vector<NamedPicture> pictures;
    // Graphic lists the pictures in the order the pages show them: the backgrounds, the
    // player view, the track lists. A picture that fails stops the showing there.
    for (std::size_t g = 0; g < graphicCount; ++g)
        pictures.push_back({static_cast<Graphic>(g), nullptr, document.graphicPaths[g]});
    // The up bitmap is shown by the name the skin gives, not joined with the folder, so
    // that an absolute name loads as written.
    for (const CatalogueEntry &entry : catalogue()) {
        if (existsIn(entry, document.targetVersion) && entry.states != StateSet::None)
            pictures.push_back(
                {std::nullopt, &entry, readName(skin, entry.section, stateKey(StateBitmap::Up))});
    }
    return pictures;
}

LoadedSkin readSkin(const ProfileReader &skin, const std::string &path, std::string_view bytes,
                    std::string_view targetVersion)
{
    LoadedSkin loaded;
    SkinDocument &document = loaded.document;
    document.targetVersion = targetVersion;
    document.skinPath = path;
    document.textPath = path;
    document.skinFolder = folderOf(path);
    for (std::size_t g = 0; g < graphicCount; ++g) {
        const SkinKey where = graphicKey(static_cast<Graphic>(g));
        document.graphicPaths[g] = readName(skin, where.section, where.key);
    }
    // The numbers come from the same bytes as everything else, not from a second read;
    // the pair reader lends the document its lines afterwards instead of a copy.
    PairReader pairs(path, splitLines(bytes));
    document.lists = readLists(skin, pairs, targetVersion == version15);
    for (SkinElement &element : document.elements) {
        if (existsIn(*element.entry, targetVersion))
            readElement(skin, pairs, document.skinFolder, element);
    }
    document.openedText = std::move(pairs.Lines);
    loaded.pictures = picturesOf(skin, document);
    return loaded;
}

} // namespace

LoadedSkin loadSkin(const std::string &path, std::string_view bytes)
{
    const ProfileReader skin(bytes);
    const std::string version = targetVersionOf(skin);
    if (version.empty()) {
        LoadedSkin notASkin;
        notASkin.problems = problemsOf(skin);
        return notASkin;
    }
    return readSkin(skin, path, bytes, version);
}

LoadedSkin loadSkinAs(const std::string &path, std::string_view bytes,
                      std::string_view targetVersion)
{
    return readSkin(ProfileReader(bytes), path, bytes, targetVersion);
}
