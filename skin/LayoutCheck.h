#pragma once

#include "skin/SkinCheck.h"

// The part of the skin check that measures: bitmaps against each other and against
// their elements, elements against their pages, the list panels and each other.
std::vector<SkinProblem> layoutProblems(const SkinDocument &document, const SkinLines &lines,
                                        const std::vector<BitmapUse> &uses,
                                        const std::vector<BitmapFacts> &facts);
