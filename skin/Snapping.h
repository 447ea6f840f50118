#pragma once

#include "skin/SkinDocument.h"

#include <cstdint>
#include <optional>
#include <vector>

// The lines a moved rectangle may snap to: the edges and centres of what stands still.
struct SnapLines {
    std::vector<double> xs;
    std::vector<double> ys;

    // Adds the rectangle's left, centre and right, top, middle and bottom.
    void addEdgesOf(const Rect &rect);
};

// What snapping makes of a move: the shift to add and the lines it snapped to, for
// the guides.
struct Snap {
    std::int64_t dx = 0;
    std::int64_t dy = 0;
    std::optional<double> guideX;
    std::optional<double> guideY;
};

struct SnapRules {
    double reach = 0; // in skin pixels: how near an edge must come to a line
    int grid = 0;     // the grid's step, or 0 for none
};

// The smallest rectangle around all of them; nothing for none.
Rect boundsOf(const std::vector<Rect> &rects);

// Snaps each direction on its own: to the nearest line within reach of the moving
// rectangle's near edge, centre or far edge; failing that, its start to the grid.
Snap snapped(const Rect &moving, const SnapLines &lines, const SnapRules &rules);
