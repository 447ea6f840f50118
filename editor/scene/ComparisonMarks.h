#pragma once

#include "skin/SkinDiff.h"

#include <vector>

class PageScenes;

// Marks on every page what differs from the other skin, which is the old side (A) of
// the differences; marks of an earlier comparison go. No differences take every mark off.
void markDifferences(const PageScenes &scenes, const std::vector<SkinDifference> &differences);
