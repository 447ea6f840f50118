#pragma once

#include <cstdint>
#include <string>
#include <string_view>

class ProfileReader;
class PairReader;

// What a skin file says, read by the rules the player uses. Single values come
// through the profile reader, numbers of pairs through the pair reader.

inline constexpr std::string_view version14 = "Orvana one 1.4";
inline constexpr std::string_view version15 = "Orvana one 1.5";

// The player version the skin is made for, or empty when the file is no skin: one
// of the required sections is missing or holds no key line.
std::string targetVersionOf(const ProfileReader &skin);

struct IntPair {
    std::int32_t x = 0;
    std::int32_t y = 0;
    bool operator==(const IntPair &) const = default;
};

// Every missing key and every text that is no signed 32-bit number reads as 0;
// a missing file name reads as "0".
std::string readFileName(const ProfileReader &skin, std::string_view section, std::string_view key);
std::int32_t readInteger(const ProfileReader &skin, std::string_view section, std::string_view key);
std::string readCopiedText(const ProfileReader &skin, std::string_view section,
                           std::string_view key, std::string_view fallback);
// X up to the first ",", Y from there to the end of the line.
IntPair readPair(const PairReader &skin, std::string_view section, std::string_view key);
// Y up to ", 0, 0" (0 without it).
IntPair readPosition(const PairReader &skin, std::string_view section, std::string_view key);
// Y up to "//" (0 without it).
IntPair readCommentedPair(const PairReader &skin, std::string_view section, std::string_view key);

// The text after the last "\" or ":" of a path, as skins name their bitmaps; "/"
// cuts too, since paths on this side of the program may use it.
std::string bareFileName(std::string_view path);
