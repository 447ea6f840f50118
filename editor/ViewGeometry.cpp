#include "editor/ViewGeometry.h"

#include <QWidget>

#include <algorithm>
#include <limits>

namespace {

// The size a widget can take, and the furthest start that still leaves its far edge
// inside the int range.
std::pair<int, int> spanFor(std::int32_t start, std::int32_t length)
{
    const int size = std::clamp<std::int32_t>(length, 0, QWIDGETSIZE_MAX);
    // QRect adds the size before it takes one away.
    const int lastStart = std::numeric_limits<int>::max() - size;
    return {std::min<std::int32_t>(start, lastStart), size};
}

} // namespace

void placeView(QWidget &view, const Rect &geometry)
{
    const auto [left, width] = spanFor(geometry.left, geometry.width);
    const auto [top, height] = spanFor(geometry.top, geometry.height);
    view.setGeometry(left, top, width, height);
}

Rect geometryOf(const QWidget &view)
{
    return {view.x(), view.y(), view.width(), view.height()};
}
