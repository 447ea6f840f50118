#pragma once

#include "skin/SkinDocument.h"

class QWidget;

// Qt keeps a widget's right and bottom edges as left + width - 1 in an int, and no
// widget may be larger than QWIDGETSIZE_MAX. A skin may name any 32-bit place and
// size, so a view is placed as near to it as a widget can stand; the model then
// takes the place the view really got.
void placeView(QWidget &view, const Rect &geometry);
Rect geometryOf(const QWidget &view);
