#include "skin/SkinFormat.h"

#include "ini/PairReader.h"
#include "ini/ProfileReader.h"
#include "ini/TextRules.h"
#include "skin/Catalogue.h"

#include <algorithm>

std::string targetVersionOf(const ProfileReader &skin)
{
    const bool isSkin = std::all_of(requiredSections.begin(), requiredSections.end(),
                                    [&](std::string_view s) { return skin.hasSection(s); });
    if (!isSkin)
        return {};
    const bool is15 = std::all_of(version15Sections.begin(), version15Sections.end(),
                                  [&](std::string_view s) { return skin.hasSection(s); });
    return std::string(is15 ? version15 : version14);
}

std::string readFileName(const ProfileReader &skin, std::string_view section, std::string_view key)
{
    return skin.readString(section, key, "0");
}

std::int32_t readInteger(const ProfileReader &skin, std::string_view section, std::string_view key)
{
    return parseInt32(skin.readString(section, key, "0")).value_or(0);
}

std::string readCopiedText(const ProfileReader &skin, std::string_view section,
                           std::string_view key, std::string_view fallback)
{
    return skin.readString(section, key, fallback);
}

IntPair readPair(const PairReader &skin, std::string_view section, std::string_view key)
{
    return {skin.ReadFirstInt(section, key, 0), skin.ReadSecondInt(section, key, 0)};
}

IntPair readPosition(const PairReader &skin, std::string_view section, std::string_view key)
{
    return {skin.ReadFirstInt(section, key, 0), skin.ReadSecondIntBeforeZeros(section, key, 0)};
}

IntPair readCommentedPair(const PairReader &skin, std::string_view section, std::string_view key)
{
    return {skin.ReadFirstInt(section, key, 0), skin.ReadSecondIntBeforeComment(section, key, 0)};
}

std::string bareFileName(std::string_view path)
{
    const std::size_t cut = path.find_last_of("\\/:");
    return std::string(cut == std::string_view::npos ? path : path.substr(cut + 1));
}
