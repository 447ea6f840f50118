#pragma once

#include <QRect>

// Controls stand at fixed places in the client area, which begins with the menu bar
// (25 pixels) and the tool bar (28 pixels); the central widget starts below both.
inline constexpr int chromeHeight = 25 + 28;

inline QRect clientRect(int left, int top, int width, int height)
{
    return {left, top - chromeHeight, width, height};
}
