#pragma once

#include "skin/SkinDocument.h"

class QWidget;

// A widget stands where the model says, within what a widget can take (the model
// applies the same limits, so both agree).
void placeView(QWidget &view, const Rect &geometry);
Rect geometryOf(const QWidget &view);
