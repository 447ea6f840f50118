#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// Byte-level rules shared by every reader of INI text. Skin files are single-byte
// text, so nothing here decodes characters: only ASCII letters ever change case.

// Removes every byte of code 32 or less at both ends.
std::string_view trimControl(std::string_view text);

// Removes at both ends the blanks that the Windows profile functions skip: tab, line
// feed, vertical tab, form feed, carriage return, the end-of-file mark 26 and space.
std::string_view trimBlanks(std::string_view text);

// The name of the section a line opens, by the rules of the profile functions: after
// blanks a "[", then the name up to the first "]" (or the end of the line when there is
// none), without blanks. Nothing for a line that opens no section.
std::optional<std::string_view> sectionHeaderName(std::string_view line);

// The text with every CR and LF turned into a blank: a line break inside a value would
// split its line in two when the file is read again.
std::string singleLine(std::string text);

// Upper-cases the ASCII letters a to z and leaves every other byte alone.
std::string asciiUpper(std::string_view text);

// True when both names are equal once their ASCII letters are upper-cased.
bool namesMatch(std::string_view a, std::string_view b);

// A signed 32-bit decimal number: an optional sign followed by digits only.
std::optional<std::int32_t> parseInt32(std::string_view text);
