#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// Byte-level rules shared by every reader of INI text. Skin files are single-byte
// text, so nothing here decodes characters: only ASCII letters ever change case.

// Removes every byte of code 32 or less at both ends.
std::string_view trimControl(std::string_view text);

// Upper-cases the ASCII letters a to z and leaves every other byte alone.
std::string asciiUpper(std::string_view text);

// True when both names are equal once their ASCII letters are upper-cased.
bool namesMatch(std::string_view a, std::string_view b);

// A signed 32-bit decimal number: an optional sign followed by digits only.
std::optional<std::int32_t> parseInt32(std::string_view text);
