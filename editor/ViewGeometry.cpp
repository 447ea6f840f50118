#include "editor/ViewGeometry.h"

#include <QWidget>

void placeView(QWidget &view, const Rect &geometry)
{
    const Rect placed = viewGeometry(geometry);
    view.setGeometry(placed.left, placed.top, placed.width, placed.height);
}

Rect geometryOf(const QWidget &view)
{
    return {view.x(), view.y(), view.width(), view.height()};
}

static_assert(maxViewSize == QWIDGETSIZE_MAX, "the model's limits must be the widgets'");
