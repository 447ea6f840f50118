#pragma once

#include "skin/Snapping.h"

class EditorDocument;
class PageScenes;
class PageScene;
class QAction;

// Snapping while the mouse drags: what the dragged items may snap to on their page,
// by the settings of the commands SnapToElements and SnapToGrid, and the guides that
// show what they snapped to.
class DragSnapping {
public:
    DragSnapping(const EditorDocument &document, const PageScenes &scenes,
                 const QAction &toElements, const QAction &toGrid);

    // The shift that snaps the moving rectangle on the page; reach is in skin pixels.
    // Shows the guides of what it snapped to.
    Snap snap(PageScene &scene, const Rect &moving, double reach) const;
    // The drag ended, or snapping is off for it.
    void hideGuides(PageScene &scene) const;

private:
    SnapLines linesOn(PageScene &scene) const;

    const EditorDocument &document_;
    const PageScenes &scenes_;
    const QAction &toElements_;
    const QAction &toGrid_;
};
