#pragma once

#include <array>

// The zoom of the page views, in percent: the steps the zoom commands go by, and the
// range any zoom, a fitted one too, stays in.
inline constexpr std::array<int, 8> zoomSteps{25, 50, 100, 200, 300, 400, 600, 800};
inline constexpr int smallestZoom = zoomSteps.front();
inline constexpr int largestZoom = zoomSteps.back();
// From this zoom on a pixel is large enough to show its grid.
inline constexpr int pixelGridZoom = 400;

// The next step above or below; the zoom itself at either end of the range.
int zoomedIn(int percent);
int zoomedOut(int percent);
// Any zoom pulled into the range.
int boundedZoom(int percent);
