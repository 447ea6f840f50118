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
