#pragma once

#include <string>
#include <string_view>

// Skin texts for tests: every required section with one key line and, for a 1.5
// skin, the two sections that make one.
std::string skinText(bool version15 = false);
// The same with one section left out entirely.
std::string skinTextWithout(std::string_view section, bool version15 = false);
// The same with one section reduced to its header.
std::string skinTextWithHeaderOnly(std::string_view section, bool version15 = false);
// A text made by skinText with the section's one key line replaced by the given lines
// (none leaves the bare header, which counts as a missing section).
std::string withBody(std::string text, std::string_view section, std::string_view body);
