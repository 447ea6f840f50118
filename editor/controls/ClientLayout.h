#pragma once

#include <QRect>

// Controls stand at fixed places in the client area, which begins with the menu bar
// and the tool bar; the central widget starts below both.
inline constexpr int menuBarHeight = 25;
inline constexpr int toolBarHeight = 28;
inline constexpr int chromeHeight = menuBarHeight + toolBarHeight;

inline QRect clientRect(int left, int top, int width, int height)
{
    return {left, top - chromeHeight, width, height};
}

inline QRect clientRect(const QRect &drawn)
{
    return drawn.translated(0, -chromeHeight);
}
