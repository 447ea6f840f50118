#pragma once

#include "platform/PictureLoader.h"

#include <functional>
#include <vector>

struct LoadedSkin;
struct NamedPicture;

// What the decoded pictures of one skin may hold at most: far more than any real skin
// needs (its pages are a few megabytes), and little enough that a skin of huge bitmaps
// is told so instead of running the machine out of memory.
inline constexpr qint64 pictureBudgetMiB = 512;

// The most of a picture that is ever shown, from its top-left corner; an empty size
// keeps the whole picture.
using ShownPart = std::function<QSize(const NamedPicture &)>;

struct DecodedPictures {
    // In the order of skin.pictures; empty when the skin needs more than the budget.
    std::vector<LoadedPicture> pictures;
    QString overBudget; // the message that names the budget and the largest files
};

// Decodes every picture a loaded skin names, relative to its folder, and keeps of each
// only the part that is shown. A skin often names one bitmap for several elements: a
// name given twice is decoded once. Before anything is decoded, the sizes the headers
// declare are held against the budget.
DecodedPictures decodePictures(const LoadedSkin &skin, const ShownPart &shown = {});
