#pragma once

#include "skin/SkinCheck.h"
#include "skin/SkinDocument.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

class SkinLines;

// What differs between two skins as the editor sees them, as values: places and sizes,
// the bitmaps named and what they show, the known sections, the name and the version.
// Comments, the order of keys and keys the editor does not read are no differences.
// Skin A is the old side, skin B the new one.

enum class DifferenceKind : std::uint8_t {
    Version,
    Name,
    SectionOnlyInA,
    SectionOnlyInB,
    GraphicFile,
    GraphicPixels,
    GraphicFileAndPixels,
    Moved,
    Resized,
    StateFile,
    StatePixels,
    StateFileAndPixels,
    // A bitmap file that one side names and that is not there, whatever the other names:
    // no picture to compare, and the one fault to mend.
    MissingInA,
    MissingInB,
};

// The stable name scripts see: "moved", "state-pixels", ...
std::string_view kindName(DifferenceKind kind);

struct SkinDifference {
    DifferenceKind kind = DifferenceKind::Version;
    const CatalogueEntry *element = nullptr; // moved, resized, or with state (key), or
    std::optional<Graphic> graphic;          // one of the graphics
    std::string_view section;                // of the element or graphic, or the section itself
    std::string_view key;                    // the key that differs; empty for the rest
    Rect oldPlace;                           // moved and resized
    Rect newPlace;
    std::string oldText; // the file as the skin names it, the skin name or the version
    std::string newText;
    int line = 0; // 1-based line in B's file; 0 when none applies
};

// The element of skin B that a difference concerns: its own, or the one whose section
// only B has; none for the rest.
const CatalogueEntry *elementInB(const SkinDifference &difference);

// One skin to compare: its bitmap uses and their facts, one per use.
struct ComparedSkin {
    const SkinDocument &document;
    const SkinLines &lines;
    const std::vector<BitmapUse> &uses;
    const std::vector<BitmapFacts> &facts;
};

// Everything that differs from A to B: the version, the name, the sections, the
// graphics in their order, then the elements in catalogue order, each with its place,
// its size and its states. An element that one of the skins lacks shows only as its
// section.
std::vector<SkinDifference> diffSkins(const ComparedSkin &a, const ComparedSkin &b);
