#pragma once

#include "editor/Workspace.h"

// The state preview panel: the up, pressed, mouse-over and disabled bitmaps of the
// selected element.
class StatePreviews {
public:
    explicit StatePreviews(const Workspace &workspace) : workspace_(workspace) {}

    // Loads the element's state bitmaps into the previews, showing the disabled one
    // only for elements that have it. A bitmap that cannot be loaded is reported in
    // the error box and ends the filling there; the result is then false.
    bool show(const CatalogueEntry &entry) const;

private:
    Workspace workspace_;
};
