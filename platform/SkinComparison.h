#pragma once

#include "skin/SkinDiff.h"

#include <QString>

#include <vector>

// The comparison of two skins with their bitmaps decoded, each name of a skin once.
// No window is needed.

struct SkinComparison {
    std::vector<SkinDifference> differences;
    QString error; // why a file cannot be compared, naming it; empty when both are skins
    bool ok() const { return error.isEmpty(); }
};

// Compares the skin files as the load would read them; A is the old side.
SkinComparison compareSkinFiles(const QString &a, const QString &b);

// Compares a skin file as A with a skin as the editor holds it, unsaved places and chosen
// bitmaps included, as B: what the open skin changed, at the lines of its own text.
SkinComparison compareSkins(const SkinDocument &open, const QString &otherPath);
