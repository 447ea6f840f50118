#pragma once

#include <QFont>
#include <QPalette>

// The font and colours the pages are drawn in: those of the main window, so that a
// page looks the same in the window, in a picture and without any window.
QFont pageFont();
QFont boldPageFont();
QPalette pagePalette();
