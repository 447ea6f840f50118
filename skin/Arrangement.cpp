#include "skin/Arrangement.h"

#include <algorithm>
#include <cmath>
#include <numeric>

namespace {

// One axis of a rectangle, so that every rule is written once for both directions.
struct Span {
    std::int64_t start;
    std::int64_t length;

    std::int64_t end() const { return start + length; }
};

bool isHorizontal(Arrangement arrangement)
{
    switch (arrangement) {
    case Arrangement::AlignLeft:
    case Arrangement::AlignHCenter:
    case Arrangement::AlignRight:
    case Arrangement::DistributeHorizontally:
    case Arrangement::SameWidth:
        return true;
    default:
        return false;
    }
}

Span spanOf(const Rect &rect, bool horizontal)
{
    return horizontal ? Span{rect.left, rect.width} : Span{rect.top, rect.height};
}

Rect withSpan(Rect rect, bool horizontal, Span span)
{
    const auto start =
        static_cast<std::int32_t>(std::clamp<std::int64_t>(span.start, INT32_MIN, INT32_MAX));
    const auto length =
        static_cast<std::int32_t>(std::clamp<std::int64_t>(span.length, 0, maxViewSize));
    (horizontal ? rect.left : rect.top) = start;
    (horizontal ? rect.width : rect.height) = length;
    return viewGeometry(rect);
}

// Twice the centre, so that odd lengths need no rounding until the end.
std::int64_t doubledCentre(Span span)
{
    return 2 * span.start + span.length;
}

std::int64_t floorHalf(std::int64_t value)
{
    return value >= 0 ? value / 2 : -((1 - value) / 2);
}

Span aligned(Arrangement arrangement, Span span, Span key)
{
    switch (arrangement) {
    case Arrangement::AlignLeft:
    case Arrangement::AlignTop:
        return {key.start, span.length};
    case Arrangement::AlignRight:
    case Arrangement::AlignBottom:
        return {key.end() - span.length, span.length};
    case Arrangement::AlignHCenter:
    case Arrangement::AlignVCenter:
        return {floorHalf(doubledCentre(key) - span.length), span.length};
    case Arrangement::SameWidth:
    case Arrangement::SameHeight:
        return {span.start, key.length};
    default:
        return span;
    }
}

// The outer two stay; the free room between them is shared out evenly, each place
// rounded on its own so that the rounding never adds up.
std::vector<Span> distributed(const std::vector<Span> &spans)
{
    std::vector<std::size_t> order(spans.size());
    std::iota(order.begin(), order.end(), std::size_t{0});
    std::stable_sort(order.begin(), order.end(),
                     [&](std::size_t a, std::size_t b) { return spans[a].start < spans[b].start; });
    const Span first = spans[order.front()];
    const Span last = spans[order.back()];
    std::int64_t inner = 0;
    for (std::size_t i = 1; i + 1 < order.size(); ++i)
        inner += spans[order[i]].length;
    const double gap = double(last.start - first.end() - inner) / double(order.size() - 1);
    std::vector<Span> result = spans;
    std::int64_t lengths = 0;
    for (std::size_t i = 1; i + 1 < order.size(); ++i) {
        Span &span = result[order[i]];
        span.start = first.end() + lengths + std::llround(gap * double(i));
        lengths += span.length;
    }
    return result;
}

} // namespace

std::size_t leastCount(Arrangement arrangement)
{
    return arrangement == Arrangement::DistributeHorizontally ||
                   arrangement == Arrangement::DistributeVertically
               ? 3
               : 2;
}

std::vector<Rect> arranged(Arrangement arrangement, std::span<const Rect> rects, std::size_t key)
{
    std::vector<Rect> result(rects.begin(), rects.end());
    if (rects.size() < leastCount(arrangement) || key >= rects.size())
        return result;
    const bool horizontal = isHorizontal(arrangement);
    std::vector<Span> spans;
    for (const Rect &rect : rects)
        spans.push_back(spanOf(rect, horizontal));
    if (arrangement == Arrangement::DistributeHorizontally ||
        arrangement == Arrangement::DistributeVertically) {
        spans = distributed(spans);
    } else {
        const Span keySpan = spans[key];
        for (Span &span : spans)
            span = aligned(arrangement, span, keySpan);
    }
    for (std::size_t i = 0; i < result.size(); ++i)
        result[i] = withSpan(result[i], horizontal, spans[i]);
    return result;
}
