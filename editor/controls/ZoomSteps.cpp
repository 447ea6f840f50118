#include "editor/controls/ZoomSteps.h"

#include <algorithm>

int zoomedIn(int percent)
{
    const auto *next = std::upper_bound(zoomSteps.begin(), zoomSteps.end(), percent);
    return next == zoomSteps.end() ? boundedZoom(percent) : *next;
}

int zoomedOut(int percent)
{
    const auto *next = std::lower_bound(zoomSteps.begin(), zoomSteps.end(), percent);
    return next == zoomSteps.begin() ? boundedZoom(percent) : *(next - 1);
}

int boundedZoom(int percent)
{
    return std::clamp(percent, smallestZoom, largestZoom);
}
