#pragma once

#include "skin/SkinDocument.h"

#include <array>
#include <span>
#include <vector>

// The ways to line up several elements at once. Align and same size follow the key
// element; distribute spreads the gaps between neighbours evenly.
enum class Arrangement {
    AlignLeft,
    AlignHCenter,
    AlignRight,
    AlignTop,
    AlignVCenter,
    AlignBottom,
    DistributeHorizontally,
    DistributeVertically,
    SameWidth,
    SameHeight,
};

inline constexpr std::array<Arrangement, 10> allArrangements{Arrangement::AlignLeft,
                                                             Arrangement::AlignHCenter,
                                                             Arrangement::AlignRight,
                                                             Arrangement::AlignTop,
                                                             Arrangement::AlignVCenter,
                                                             Arrangement::AlignBottom,
                                                             Arrangement::DistributeHorizontally,
                                                             Arrangement::DistributeVertically,
                                                             Arrangement::SameWidth,
                                                             Arrangement::SameHeight};

// How many elements the arrangement needs before it changes anything.
std::size_t leastCount(Arrangement arrangement);

// The rectangles after the arrangement, in the order given; the key is the index of the
// key element. Fewer rectangles than leastCount() come back unchanged. Every result is
// a place a view can take.
std::vector<Rect> arranged(Arrangement arrangement, std::span<const Rect> rects,
                           std::size_t key = 0);
