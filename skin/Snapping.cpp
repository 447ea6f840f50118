#include "skin/Snapping.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>

namespace {

struct AxisSnap {
    std::int64_t shift = 0;
    std::optional<double> line;
};

AxisSnap toLines(std::int64_t start, std::int64_t length, const std::vector<double> &lines,
                 double reach)
{
    const std::array<double, 3> edges{double(start), double(start) + double(length) / 2,
                                      double(start + length)};
    AxisSnap best;
    double nearest = std::numeric_limits<double>::infinity();
    for (double line : lines) {
        for (double edge : edges) {
            const double distance = std::abs(line - edge);
            if (distance <= reach && distance < nearest) {
                nearest = distance;
                best = {std::llround(line - edge), line};
            }
        }
    }
    return best;
}

std::int64_t toGrid(std::int64_t start, int grid)
{
    if (grid <= 0)
        return 0;
    const auto step = std::int64_t{grid};
    const std::int64_t below =
        start >= 0 ? start / step * step : -((-start + step - 1) / step) * step;
    return (start - below) * 2 < step ? below - start : below + step - start;
}

AxisSnap onAxis(std::int64_t start, std::int64_t length, const std::vector<double> &lines,
                const SnapRules &rules)
{
    AxisSnap snap = toLines(start, length, lines, rules.reach);
    if (!snap.line)
        snap.shift = toGrid(start, rules.grid);
    return snap;
}

} // namespace

void SnapLines::addEdgesOf(const Rect &rect)
{
    xs.insert(xs.end(), {double(rect.left), rect.left + rect.width / 2.0,
                         double(std::int64_t{rect.left} + rect.width)});
    ys.insert(ys.end(), {double(rect.top), rect.top + rect.height / 2.0,
                         double(std::int64_t{rect.top} + rect.height)});
}

Snap snapped(const Rect &moving, const SnapLines &lines, const SnapRules &rules)
{
    const AxisSnap x = onAxis(moving.left, moving.width, lines.xs, rules);
    const AxisSnap y = onAxis(moving.top, moving.height, lines.ys, rules);
    return {x.shift, y.shift, x.line, y.line};
}

Rect boundsOf(const std::vector<Rect> &rects)
{
    if (rects.empty())
        return {};
    std::int64_t left = rects.front().left;
    std::int64_t top = rects.front().top;
    std::int64_t right = left;
    std::int64_t bottom = top;
    for (const Rect &rect : rects) {
        left = std::min<std::int64_t>(left, rect.left);
        top = std::min<std::int64_t>(top, rect.top);
        right = std::max(right, std::int64_t{rect.left} + rect.width);
        bottom = std::max(bottom, std::int64_t{rect.top} + rect.height);
    }
    const auto length = [](std::int64_t span) {
        return static_cast<std::int32_t>(std::min<std::int64_t>(span, INT32_MAX));
    };
    return {static_cast<std::int32_t>(left), static_cast<std::int32_t>(top), length(right - left),
            length(bottom - top)};
}
