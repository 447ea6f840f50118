#pragma once

#include "skin/SkinDocument.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

// What keeps a file from opening as a skin.
struct LoadProblem {
    enum class Kind : std::uint8_t { NotASkin, MissingSection };
    Kind kind;
    std::string section; // the missing section, for MissingSection
};

// A picture the load shows, in the order it shows them.
struct NamedPicture {
    std::optional<Graphic> graphic;          // one of the skin's 21 graphics, or
    const CatalogueEntry *element = nullptr; // the up bitmap of this element
    std::string name;                        // UTF-8, as the skin names it
};

struct LoadedSkin {
    SkinDocument document;
    std::vector<LoadProblem> problems;  // empty when the file is a skin
    std::vector<NamedPicture> pictures; // empty when it is not
    bool isSkin() const { return problems.empty(); }
};

// Reads a skin from the file's bytes, without touching the disk.
LoadedSkin loadSkin(const std::string &path, std::string_view bytes);

// Reads any text as a skin of the given version, whether or not it passes the skin
// test; for where a text must be edited whatever it is. It reports no problems.
LoadedSkin loadSkinAs(const std::string &path, std::string_view bytes,
                      std::string_view targetVersion);
