#pragma once

#include <string>
#include <string_view>

// Skin files are Windows-1252 text; the program works in UTF-8.

// Every byte maps to one character; the five bytes the code page leaves undefined
// become the control characters of the same number, so any name survives the trip.
std::string decodeWindows1252(std::string_view bytes);

// A character without a Windows-1252 code becomes "?", as the platform's ANSI
// conversion writes it. Invalid UTF-8 bytes become "?" too.
std::string encodeWindows1252(std::string_view utf8);
