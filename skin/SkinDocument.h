#pragma once

#include "skin/Catalogue.h"
#include "skin/OpenedText.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// The open skin as plain data: what loading fills, the editor changes and saving
// writes. Texts are UTF-8; paths are full paths as the program uses them.

struct Rect {
    std::int32_t left = 0;
    std::int32_t top = 0;
    std::int32_t width = 0;
    std::int32_t height = 0;
    bool operator==(const Rect &) const = default;
};

// The 21 pictures of a skin that belong to no element.
enum class Graphic : std::uint8_t {
    ScheduleBackground, // "dlg_main" "bitmap0"
    PlayerBackground,   // "bitmap1"
    DescriptionBackground,
    MenuLeft,
    MenuCenter,
    MenuRight,
    Stream,
    ValidStart,
    ValidMiddle,
    ValidEnd,
    PartvalidStart,
    PartvalidMiddle,
    PartvalidEnd,
    InvalidStart,
    InvalidMiddle,
    InvalidEnd,
    Curpos,
    ScheduleHeader,
    ScheduleTile,
    DescriptionHeader,
    DescriptionTile,
};
inline constexpr std::size_t graphicCount = 21;
// The page backgrounds in the order of their keys "bitmap0" to "bitmap2".
inline constexpr std::array<Graphic, 3> pageBackgrounds{
    Graphic::ScheduleBackground, Graphic::PlayerBackground, Graphic::DescriptionBackground};
// The page a background graphic lies under; nothing for every other graphic.
std::optional<Page> backgroundPage(Graphic graphic);

struct SkinKey {
    std::string_view section;
    std::string_view key;
};
// Where the skin names the graphic.
SkinKey graphicKey(Graphic graphic);

struct SkinElement {
    const CatalogueEntry *entry = nullptr;
    Rect geometry;                         // shared by all views of the element
    std::array<std::string, 4> statePaths; // by StateBitmap; unused states stay empty

    std::string &statePath(StateBitmap state) { return statePaths[static_cast<int>(state)]; }
    const std::string &statePath(StateBitmap state) const
    {
        return statePaths[static_cast<int>(state)];
    }
};

// One place and size in the file; Player's height comes from "player_view" instead.
struct ListGeometry {
    Rect player;
    Rect schedule;
    Rect description;

    // The list panel of the page.
    const Rect &on(Page page) const;
};

struct SkinDocument {
    SkinDocument();

    std::string targetVersion; // empty until a skin is opened
    std::string skinPath;
    // The file openedText was read from or last written to: a save there follows a link
    // the user opened the skin by; a save anywhere else makes a new file.
    std::string textPath;
    std::string skinFolder; // the skin path up to and including its last separator
    OpenedText openedText;
    std::array<std::string, graphicCount> graphicPaths;
    std::string skinName; // empty until the user confirms one
    std::array<SkinElement, elementCount> elements;
    ListGeometry lists;

    SkinElement &element(const CatalogueEntry &entry) { return elements[catalogueIndex(entry)]; }
    const SkinElement &element(const CatalogueEntry &entry) const
    {
        return elements[catalogueIndex(entry)];
    }
    std::string &graphicPath(Graphic graphic) { return graphicPaths[static_cast<int>(graphic)]; }
};

// Place arithmetic on numbers from a file or from the user: the result is pulled into
// the 32-bit range instead of wrapping around.
std::int32_t saturatedSum(std::int32_t a, std::int64_t b);

// The ceiling of every size a key controls (an element's, a list's, the Player list's
// height) and of a bitmap's width and height: far beyond any real skin, and small
// enough that a page or a picture drawn whole fits in memory.
inline constexpr std::int32_t maxSkinSide = 8192;

// Qt keeps a view's right and bottom edges as left + width - 1 in an int. A skin may
// name any 32-bit place and size, so the model holds the place a view can really take:
// each size pulled into 0..maxViewSize, each start moved back until the far edge fits.
inline constexpr std::int32_t maxViewSize = maxSkinSide;
Rect viewGeometry(const Rect &wanted);

// The folder part of a path, with its trailing separator ("\", "/" or ":").
std::string folderOf(std::string_view path);

// The skin's text as the user reads it: its lines as opened or last saved, decoded
// from the skin's code page, each ended by CR LF.
std::string readableText(const SkinDocument &document);
